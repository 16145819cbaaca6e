#include "app/tcas_display.h"

#include <gtest/gtest.h>

#include "app/tcas_labels.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::TestProgram;

TEST(TcasDisplay, CyclingWhileNotConnectedStaysOff) {
    TestProgram t;
    t.program.traffic.TCASMode = 3;
    CycleTCASMode(t.program);
    EXPECT_EQ(t.program.traffic.TCASMode, 0);
    t.program.Connected = true;
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        CycleTCASMode(t.program);
        seen.push_back(TcasModeText(t.program.traffic.TCASMode));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"ABV", "BLW", "NRM", "ALL", "OFF"}));
}

TEST(TcasDisplay, ZoomStepsAndLimits) {
    TestProgram t;
    std::vector<int> in, out;
    for (int i = 0; i < 5; ++i) {
        ZoomIn(t.program);
        in.push_back(t.program.traffic.TCASRange);
    }
    for (int i = 0; i < 5; ++i) {
        ZoomOut(t.program);
        out.push_back(t.program.traffic.TCASRange);
    }
    EXPECT_EQ(in, (std::vector<int>{15, 10, 5, 5, 5}));
    EXPECT_EQ(out, (std::vector<int>{10, 15, 20, 40, 40}));
    EXPECT_EQ(TcasRangeText(t.program.traffic.TCASRange), "40NM");
}

struct ScopeCase {
    const char* name;
    double lat, lon;
    const char* position;
};

class ScopePositionTest : public ::testing::TestWithParam<ScopeCase> {};

// Own aircraft at 52 N 4 E heading east, 20 NM range on a 145-pixel scope (centre 73,73).
TEST_P(ScopePositionTest, HeadingUp) {
    TestProgram t;
    t.program.telemetry.LatText = "52";
    t.program.telemetry.LonText = "4";
    t.program.telemetry.HDGText = "90";
    EXPECT_EQ(ScopePosition(t.program, GetParam().lat, GetParam().lon), GetParam().position);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Targets, ScopePositionTest, ::testing::Values(
    ScopeCase{"AheadDueEast", 52, 4.2706, "72:36"},  // 10 NM ahead: above the centre
    ScopeCase{"DueNorthIsLeft", 52.1664, 4, "36:72"},
    ScopeCase{"DueSouthIsRight", 51.8336, 4, "108:72"},
    ScopeCase{"OnTheRangeRing", 52.3328, 4, "0:72"},
    ScopeCase{"OwnPosition", 52, 4, "72:72"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(TcasDisplay, TimerDrawsShownTrafficWithCaptionsAndReadsNothingWhenOff) {
    TestProgram t;
    int result = 0;
    t.link.OpenLink(0, result);
    t.program.Connected = true;
    t.program.telemetry.LatText = "52";
    t.program.telemetry.LonText = "4";
    t.program.telemetry.HDGText = "0";
    t.program.telemetry.AltText = "1000";
    TcasTimerTick(t.program);
    EXPECT_EQ(t.link.exchanges, 0);  // OFF: no traffic read
    // A slot 1 NM north, 1250 ft above; another 40 ft below.
    auto slot = [&](int i, int32_t id, float lat, float alt) {
        const uint32_t base = 0xF080 + 40 * i;
        t.link.poke<int32_t>(base, id);
        t.link.poke<float>(base + 4, lat);
        t.link.poke<float>(base + 8, 4.0f);
        t.link.poke<float>(base + 12, alt);
    };
    slot(0, 7, 52.0166f, 2250.0f);
    slot(1, 8, 52.0166f, 960.0f);
    t.program.traffic.TCASMode = 4;
    TcasTimerTick(t.program);
    ASSERT_EQ(t.program.tcasView.targets.size(), 2u);
    EXPECT_EQ(t.program.tcasView.targets[0].caption, "+12");
    EXPECT_EQ(t.program.tcasView.targets[0].traffic, 2);  // 1 NM, but more than 1200 ft
    EXPECT_EQ(t.program.tcasView.targets[1].caption, "-1");
    EXPECT_EQ(t.program.tcasView.targets[1].traffic, 4);
    EXPECT_EQ(t.program.tcasView.targets[0].x, 72);
    EXPECT_LT(t.program.tcasView.targets[0].y, 72);  // ahead is up
    t.program.traffic.TCASMode = 0;
    TcasTimerTick(t.program);
    EXPECT_TRUE(t.program.tcasView.targets.empty());
}

bool Overlaps(const LabelBox& a, const LabelBox& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// Crowded skies as the scope shows them: aircraft side by side at one height, one just ahead
// of the own aircraft, a stack on the edge of the scope.
TEST(TcasLabels, NeitherOverlapEachOtherNorCoverTheOwnAircraftNorLeaveTheScope) {
    const int c = kScopeSize / 2;
    const std::vector<std::vector<TcasTarget>> skies = {
        {{60, 40, 2, "+12"}, {70, 40, 2, "+13"}, {80, 40, 3, "+11"}},
        {{c, c - 12, 4, "+3"}, {c + 10, c + 8, 4, "-2"}},
        {{140, 5, 1, "+120"}, {140, 15, 1, "+110"}, {140, 25, 2, "+100"}},
    };
    const auto width = [](const std::string& text) { return 5 * static_cast<int>(text.size()); };
    const LabelBox own{c - 6, c - 8, 13, 16};
    for (const auto& sky : skies) {
        const auto boxes = PlaceTcasLabels(sky, width, 10);
        ASSERT_EQ(boxes.size(), sky.size());
        for (size_t i = 0; i < boxes.size(); ++i) {
            const std::string name = sky[i].caption;
            EXPECT_FALSE(Overlaps(boxes[i], own)) << name;
            EXPECT_TRUE(boxes[i].x >= 0 && boxes[i].y >= 0 &&
                        boxes[i].x + boxes[i].width <= kScopeSize &&
                        boxes[i].y + boxes[i].height <= kScopeSize)
                << name;
            for (size_t k = 0; k < boxes.size(); ++k) {
                const LabelBox symbol{sky[k].x - 4, sky[k].y - 4, 9, 9};
                EXPECT_FALSE(Overlaps(boxes[i], symbol)) << name << " on " << sky[k].caption;
                if (k == i) continue;
                EXPECT_FALSE(Overlaps(boxes[i], boxes[k])) << name << " and " << sky[k].caption;
            }
        }
    }
}

}  // namespace
}  // namespace flenmark
