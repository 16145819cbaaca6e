#include "recorder/sampling_decision.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/recording.h"
#include "recorder/recorder_fixture.h"

namespace flenmark {
namespace {

using testing::RecorderFixture;

struct DecisionCase {
    const char* name;
    std::function<void(Program&)> change;
    bool writes;
};

class SamplingDecisionTest : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(SamplingDecisionTest, WritesOnlyWhenARuleFires) {
    RecorderFixture f;
    GetParam().change(f.p);
    RecordSample(f.p, "", false);
    EXPECT_EQ(f.logLines().size(), GetParam().writes ? 1u : 0u);
    EXPECT_EQ(f.p.recorder.LineWrittenThisTick, GetParam().writes);
    EXPECT_EQ(f.p.mainView.label5.colour,
              GetParam().writes ? TextColour::Green : TextColour::Black);
}

// clang-format off
using P = Program;
INSTANTIATE_TEST_SUITE_P(Rules, SamplingDecisionTest, ::testing::Values(
    DecisionCase{"NothingChanged", [](P&) {}, false},
    DecisionCase{"HeadingExactlyTwo", [](P& p) { p.telemetry.HDGText = "88"; }, true},
    DecisionCase{"HeadingOnePointNine", [](P& p) { p.telemetry.HDGText = "88,1"; }, false},
    DecisionCase{"HeadingThroughNorth", [](P& p) { p.recorder.lastLine.HDG = "359"; p.telemetry.HDGText = "1"; }, true},
    DecisionCase{"At10000LowSetApplies", [](P& p) { p.telemetry.AltText = p.recorder.lastLine.Alt = "10000"; p.telemetry.HDGText = "92"; }, true},
    DecisionCase{"At10001HighSetApplies", [](P& p) { p.telemetry.AltText = p.recorder.lastLine.Alt = "10001"; p.telemetry.HDGText = "92"; }, false},
    DecisionCase{"At10001FourDegrees", [](P& p) { p.telemetry.AltText = p.recorder.lastLine.Alt = "10001"; p.telemetry.HDGText = "94"; }, true},
    DecisionCase{"MotionStops", [](P& p) { p.recorder.lastLine.GndSpd = "3.7"; p.telemetry.GndSpdText = "0.4"; }, true},
    DecisionCase{"MotionStarts", [](P& p) { p.recorder.lastLine.GndSpd = "0"; p.telemetry.GndSpdText = "1.2"; }, true},
    DecisionCase{"SlowingDown", [](P& p) { p.recorder.lastLine.GndSpd = "12"; p.telemetry.GndSpdText = "5"; }, false},
    DecisionCase{"LevelLineAltitudeChange", [](P& p) { p.recorder.lastLine.VS = "100"; p.telemetry.AltText = "5100"; }, true},
    DecisionCase{"LevelLineVsChangeOnly", [](P& p) { p.recorder.lastLine.VS = "100"; p.telemetry.VSText = "900"; }, false},
    DecisionCase{"ClimbLineVsChange", [](P& p) { p.recorder.lastLine.VS = "-500"; p.telemetry.VSText = "-420"; }, true},
    DecisionCase{"ClimbLineSmallVsChange", [](P& p) { p.recorder.lastLine.VS = "-500"; p.telemetry.VSText = "-421"; p.telemetry.AltText = "4000"; }, false},
    DecisionCase{"GroundContact", [](P& p) { p.telemetry.OnGround = 1; }, true},
    DecisionCase{"LocalizerInWindow", [](P& p) { p.telemetry.LocCaptured = true; }, true},
    DecisionCase{"LocalizerWithCentredGlideslope", [](P& p) { p.telemetry.LocCaptured = true; p.prev.GSNeedle = 0; }, false},
    DecisionCase{"LocalizerTooLow", [](P& p) { p.telemetry.LocCaptured = true; p.telemetry.AltAGLText = "150"; }, false},
    DecisionCase{"LocalizerTooHigh", [](P& p) { p.telemetry.LocCaptured = true; p.telemetry.AltAGLText = "5000"; }, false},
    DecisionCase{"LocalizerClimbing", [](P& p) { p.telemetry.LocCaptured = true; p.telemetry.VSText = p.recorder.lastLine.VS = "500"; }, false},
    DecisionCase{"GlideslopeInWindow", [](P& p) { p.telemetry.GSState = 2; }, true},
    DecisionCase{"GlideslopeAliveChanged", [](P& p) { p.telemetry.GSState = 2; p.telemetry.GSAlive = false; }, false},
    DecisionCase{"Marker", [](P& p) { p.telemetry.MiddleMarker = 1; }, true},
    DecisionCase{"Flaps", [](P& p) { p.telemetry.FlapsPct = 10; }, true},
    DecisionCase{"Gear", [](P& p) { p.telemetry.GearText = "0"; }, true},
    DecisionCase{"Spoilers", [](P& p) { p.telemetry.Spoilers = 1; }, true},
    DecisionCase{"Tailhook", [](P& p) { p.telemetry.Tailhook = 1; }, true},
    DecisionCase{"Overspeed", [](P& p) { p.telemetry.Overspeed = 1; }, true},
    DecisionCase{"Stall", [](P& p) { p.telemetry.Stall = 1; }, true},
    DecisionCase{"NoPreviousTick", [](P& p) { p.prev.AltText.clear(); }, true},
    DecisionCase{"QuietSpellOver", [](P& p) { p.recorder.lastLine.Stamp = "20090712115400"; }, true},
    DecisionCase{"QuietSpellNotYet", [](P& p) { p.recorder.lastLine.Stamp = "20090712115402"; }, false}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(QuietSpell, IsMeasuredOnTheDigitsNotOnTime) {
    EXPECT_TRUE(QuietSpellOver("20090712115400", "20090712115901"));
    EXPECT_FALSE(QuietSpellOver("20090712115400", "20090712115900"));
    EXPECT_TRUE(QuietSpellOver("20090712115800", "20090712120000"));  // 4200 after two minutes
    EXPECT_FALSE(QuietSpellOver("", "20090712120000"));
    EXPECT_FALSE(QuietSpellOver("garbage", "20090712120000"));
}

TEST(RecordSample, CallerCodeAndForceAlwaysWriteAndAFirstLineCarriesSaAndDash) {
    RecorderFixture f;
    RecordSample(f.p, "SO", false);
    RecordSample(f.p, "", true);
    ASSERT_EQ(f.logLines().size(), 2u);
    EXPECT_EQ(f.lastField(6), "");
    f.p.PrevTickStamp.clear();
    RecordSample(f.p, "", true);
    EXPECT_EQ(f.lastField(6), "SA");
    EXPECT_EQ(f.lastField(13), "-");
}

TEST(RecordSample, DecisionIsMadeWhileNotLoggingButNothingIsWritten) {
    RecorderFixture f;
    f.p.Logging = false;
    f.p.telemetry.HDGText = "80";
    RecordSample(f.p, "", false);
    EXPECT_TRUE(f.p.recorder.LineWrittenThisTick);
    EXPECT_TRUE(f.logLines().empty());
    EXPECT_EQ(f.p.recorder.lastLine.HDG, "90");  // references move only with a written line
    f.p.Logging = true;
    RecordSample(f.p, "", false);
    EXPECT_EQ(f.p.recorder.lastLine.HDG, "80");
    RecordSample(f.p, "", false);  // the green mark goes off on the next quiet tick
    EXPECT_EQ(f.p.mainView.label5.colour, TextColour::Black);
}

}  // namespace
}  // namespace flenmark
