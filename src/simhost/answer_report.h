#pragma once

#include <chrono>

namespace flenmark::simhost {

// When a bridge tells how its simulator answers: at once when that changes, and while the
// simulator does not answer as it should, again every ten seconds. `Outcome` names how a
// reading went; one of its values means the simulator answers.
template <class Outcome>
class AnswerReport {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kRepeatEvery = std::chrono::seconds(10);

    explicit AnswerReport(Outcome answers) : answers_(answers), last_(answers) {}

    // True when `outcome` is to be told now.
    bool due(Outcome outcome, Clock::time_point now) {
        const bool again = told_ && outcome == last_;
        if (again && (outcome == answers_ || now - toldAt_ < kRepeatEvery)) return false;
        told_ = true;
        last_ = outcome;
        toldAt_ = now;
        return true;
    }

  private:
    Outcome answers_;
    Outcome last_;
    bool told_ = false;
    Clock::time_point toldAt_{};
};

}  // namespace flenmark::simhost
