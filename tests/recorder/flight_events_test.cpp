#include "recorder/flight_events.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/recording.h"
#include "recorder/recorder_fixture.h"

namespace flenmark {
namespace {

using testing::RecorderFixture;

struct EventCase {
    const char* name;
    std::function<void(Program&)> change;
    const char* code;
    const char* message;
};

class FlightEventTest : public ::testing::TestWithParam<EventCase> {};

TEST_P(FlightEventTest, ReportsItsMessageAndCode) {
    RecorderFixture f;
    GetParam().change(f.p);
    RecordSample(f.p, "", false);
    EXPECT_EQ(f.p.mainView.label7.text, GetParam().message);
    EXPECT_EQ(f.lastField(6), GetParam().code);
}

// clang-format off
using P = Program;
INSTANTIATE_TEST_SUITE_P(Rows, FlightEventTest, ::testing::Values(
    EventCase{"InnerMarker", [](P& p) { p.telemetry.InnerMarker = 1; }, "IM", "Event: Passing inner marker"},
    EventCase{"MiddleMarker", [](P& p) { p.telemetry.MiddleMarker = 1; }, "MM", "Event: Passing middle marker"},
    EventCase{"OuterMarker", [](P& p) { p.telemetry.OuterMarker = 1; }, "OM", "Event: Passing outer marker"},
    EventCase{"BelowGlideslope", [](P& p) { p.telemetry.GSState = 0; }, "BG", "Event: Below glideslope"},
    EventCase{"OnGlideslope", [](P& p) { p.prev.GSState = 2; }, "OG", "Event: On glideslope"},
    EventCase{"AboveGlideslope", [](P& p) { p.telemetry.GSState = 2; }, "AG", "Event: Above glideslope"},
    EventCase{"LocalizerLost", [](P& p) { p.prev.LocCaptured = true; }, "LL", "Event: Localizer lost"},
    EventCase{"LocalizerIntercept", [](P& p) { p.telemetry.LocCaptured = true; }, "LI", "Event: Localizer intercept"},
    EventCase{"TailhookUp", [](P& p) { p.prev.Tailhook = 1; }, "TU", "Event: Tailhook up"},
    EventCase{"TailhookDown", [](P& p) { p.telemetry.Tailhook = 1; }, "TL", "Event: Tailhook down"},
    EventCase{"SpoilersRetracted", [](P& p) { p.prev.Spoilers = 1; }, "SU", "Event: Spoilers retracted"},
    EventCase{"SpoilersDeployed", [](P& p) { p.telemetry.Spoilers = 1; }, "SD", "Event: Spoilers deployed"},
    EventCase{"Flaps", [](P& p) { p.telemetry.FlapsPct = 50; }, "FL=50", "Event: Flaps 50%"},
    EventCase{"GearUp", [](P& p) { p.telemetry.GearText = "0"; }, "GU", "Event: Gear up"},
    EventCase{"GearDown", [](P& p) { p.recorder.PrevGearText = "0"; }, "GD", "Event: Gear down"},
    EventCase{"Overspeed", [](P& p) { p.telemetry.Overspeed = 1; }, "O", "Event: Overspeeding!!"},
    EventCase{"OverspeedEnded", [](P& p) { p.prev.Overspeed = 1; }, "OE", "Event: Recovered from overspeed"},
    EventCase{"Stall", [](P& p) { p.telemetry.Stall = 1; }, "S", "Event: Stalling!!"},
    EventCase{"StallEnded", [](P& p) { p.prev.Stall = 1; }, "SE", "Event: Recovered from stall"},
    EventCase{"TakeOff", [](P& p) { p.prev.OnGround = 1; p.telemetry.Autobrake = 3; }, "TO=3", "Event: Take-off"},
    EventCase{"Touchdown", [](P& p) { p.telemetry.OnGround = 1; p.telemetry.LastAirVSText = "-312"; p.telemetry.Autobrake = 2; },
              "TD=-312/2", "Event: Touchdown, -312ft/m"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

struct SilentCase {
    const char* name;
    std::function<void(Program&)> change;
};

class NoEventTest : public ::testing::TestWithParam<SilentCase> {};

TEST_P(NoEventTest, ReportsNothing) {
    RecorderFixture f;
    GetParam().change(f.p);
    EXPECT_EQ(DetectFlightEvents(f.p, ""), "");
    EXPECT_EQ(f.p.mainView.label7.text, "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, NoEventTest, ::testing::Values(
    SilentCase{"MarkerGoingOut", [](P& p) { p.prev.InnerMarker = 1; }},
    SilentCase{"MarkerWhileClimbing", [](P& p) { p.telemetry.OuterMarker = 1; p.telemetry.VSText = "500"; }},
    SilentCase{"GlideslopeNearTheGround", [](P& p) { p.telemetry.GSState = 0; p.telemetry.AltAGLText = "150"; }},
    SilentCase{"GlideslopeSignalChanged", [](P& p) { p.telemetry.GSState = 0; p.prev.GSAlive = false; }},
    SilentCase{"LocalizerWithCentredGlideslope", [](P& p) { p.telemetry.LocCaptured = true; p.prev.GSNeedle = 0; }},
    SilentCase{"FirstCallHasNoGearEvent", [](P& p) { p.recorder.PrevGearText.clear(); p.telemetry.GearText = "0"; }}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(FlightEvents, GearAndFlapsInOneTickShowBothAndCarryTheGearCode) {
    RecorderFixture f;
    f.p.telemetry.FlapsPct = 20;
    f.p.telemetry.GearText = "0";
    f.p.StatusWindowOpen = true;  // event messages go to the status window's line
    EXPECT_EQ(DetectFlightEvents(f.p, ""), "GU");
    EXPECT_EQ(f.t.ui.statusTimerRestarts, 2);
    EXPECT_EQ(f.p.statusView.lblEvent.text, "Event: Gear up");
    EXPECT_EQ(f.p.recorder.PrevFlapsPct, 20);
    EXPECT_EQ(f.p.recorder.PrevGearText, "0");
}

TEST(FlightEvents, WarningsColourTheStatusWindow) {
    RecorderFixture f;
    f.p.StatusWindowOpen = true;
    f.p.telemetry.Overspeed = 1;
    f.p.telemetry.Stall = 1;
    DetectFlightEvents(f.p, "");
    EXPECT_EQ(f.p.statusView.label1.colour, TextColour::Red);
    EXPECT_EQ(f.p.statusView.label3.colour, TextColour::Red);
    f.p.prev.Overspeed = f.p.prev.Stall = 1;
    f.p.telemetry.Overspeed = f.p.telemetry.Stall = 0;
    DetectFlightEvents(f.p, "");
    EXPECT_EQ(f.p.statusView.label1.colour, TextColour::Black);
    EXPECT_EQ(f.p.statusView.label3.colour, TextColour::Black);
}

}  // namespace
}  // namespace flenmark
