#include "simhost/answer_report.h"

#include <gtest/gtest.h>

namespace flenmark::simhost {
namespace {

// A bridge tells at once when its simulator starts or stops answering, and while it does not
// answer, again every ten seconds; an answering simulator is told of once.
TEST(AnswerReport, AtEveryChangeAndEveryTenSecondsOfSilence) {
    enum class Sim { Answers, Silent, Stranger };
    AnswerReport<Sim> report(Sim::Answers);
    const struct {
        int second;
        Sim heard;
        bool told;
    } cases[] = {
        {0, Sim::Silent, true},    {5, Sim::Silent, false},  {10, Sim::Silent, true},
        {12, Sim::Stranger, true}, {13, Sim::Answers, true}, {60, Sim::Answers, false},
        {61, Sim::Silent, true},   {70, Sim::Silent, false}, {71, Sim::Silent, true},
    };
    const auto start = AnswerReport<Sim>::Clock::time_point{};
    for (const auto& c : cases)
        EXPECT_EQ(report.due(c.heard, start + std::chrono::seconds(c.second)), c.told) << c.second;
}

}  // namespace
}  // namespace flenmark::simhost
