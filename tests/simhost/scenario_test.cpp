#include "simhost/scenario.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "simhost/flight_state.h"

namespace flenmark::simhost {
namespace {

TEST(ParseScenario, ReadsTheThreeRequiredCommandsAndSetRamp) {
    Scenario s;
    std::string error;
    ASSERT_TRUE(ParseScenario(
        "# comment\r\n\n"
        "at 2 poke 0x0560 i64 -5\n"
        "at 1.5 traffic 3 id=7 lat=52 lon=4 alt=3000 hdg=90 gs=200 vs=-500 callsign=AB 123\n"
        "at 0 set gs 10\n"
        "at 3 ramp alt 2000 over 10\n"
        "at 9 end\n",
        s, error))
        << error;
    ASSERT_EQ(s.events.size(), 5u);
    EXPECT_EQ(s.events[0].kind, ScenarioEvent::Kind::Set);  // sorted by time
    EXPECT_EQ(s.events[1].kind, ScenarioEvent::Kind::Traffic);
    EXPECT_EQ(s.events[1].slot, 3);
    EXPECT_EQ(s.events[1].aircraft.callsign, "AB 123");
    EXPECT_EQ(s.events[2].offset, 0x0560u);
    EXPECT_EQ(s.events[2].bytes.size(), 8u);
    EXPECT_EQ(s.events[3].overSeconds, 10);
    EXPECT_EQ(s.endSeconds(), 9);
}

struct BadLine {
    const char* text;
    const char* error;
};

class BadScenarioTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadScenarioTest, NamesTheLineAndTheTrouble) {
    Scenario s;
    std::string error;
    EXPECT_FALSE(ParseScenario(std::string("at 0 set gs 1\n") + GetParam().text, s, error));
    EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
    EXPECT_NE(error.find(GetParam().error), std::string::npos) << error;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, BadScenarioTest, ::testing::Values(
    BadLine{"set gs 1", "expected"}, BadLine{"at -1 set gs 1", "expected"},
    BadLine{"at 1 fly", "unknown command"}, BadLine{"at 1 poke 0x10000 u8 1", "poke"},
    BadLine{"at 1 poke 0xFFFF u16 1", "past the table"}, BadLine{"at 1 poke 0x0560 u12 1", "type"},
    BadLine{"at 1 traffic 40 id=1", "0..39"}, BadLine{"at 1 traffic 1 wings=2", "unknown traffic key"},
    BadLine{"at 1 set warp 9", "quantity"}, BadLine{"at 1 ramp gs 9", "over"},
    BadLine{"at 0 set lon 4776", "out of range"}, BadLine{"at 0 ramp lat 91 over 5", "out of range"},
    BadLine{"at 0 traffic 0 id=1e10", "out of range"}, BadLine{"at 0 traffic 0 id=1.5", "out of range"},
    BadLine{"at 0 traffic 0 lat=1e300", "out of range"},
    BadLine{"at 0 poke 0x10 u8 -9223372036854775808", "out of range"},
    BadLine{"at 0 poke 0x10 u8 256", "out of range"}, BadLine{"at 0 poke 0x10 i16 -32769", "out of range"},
    BadLine{"at 0 poke 0x10 f32 1e39", "out of range"},
    BadLine{"at 0 poke 0x10 u64 0x1FFFFFFFFFFFFFFFF", "bad poke"}));
// clang-format on

TEST(ScenarioPlayer, PositionFollowsHeadingAndSpeedAndAltitudeTheClimb) {
    Scenario s;
    std::string error;
    ASSERT_TRUE(
        ParseScenario("at 0 set lat 52\nat 0 set lon 4\nat 0 set hdg 0\nat 0 set gs 60\n"
                      "at 0 set onground 0\nat 0 set alt 1000\nat 0 set vs 600\n"
                      "at 0 ramp ias 100 over 10\n",
                      s, error));
    OffsetTable table;
    ScenarioPlayer player(std::move(s), table);
    player.advanceTo(60);
    EXPECT_NEAR(player.state().latDeg, 52 + 1.0 / 60, 1e-9);  // one nautical mile north
    EXPECT_NEAR(player.state().lonDeg, 4, 1e-9);
    EXPECT_NEAR(player.state().altFt, 1600, 1e-6);
    EXPECT_NEAR(player.state().iasKt, 100, 1e-9);
    EXPECT_EQ(table.peek<int32_t>(0x02BC), 100 * 128);
}

TEST(ScenarioPlayer, PokesOverrideTheFlightModelAndEndStops) {
    Scenario s;
    std::string error;
    ASSERT_TRUE(ParseScenario(
        "at 0 set gear 1\nat 1 poke 0x0BEC i32 0x1234\nat 2 end\nat 3 set gear 0\n", s, error));
    OffsetTable table;
    ScenarioPlayer player(std::move(s), table);
    EXPECT_EQ(table.peek<int32_t>(0x0BEC), 16383);
    player.advanceTo(1.5);
    EXPECT_EQ(table.peek<int32_t>(0x0BEC), 0x1234);
    player.advanceTo(10);
    EXPECT_TRUE(player.endReached());
    EXPECT_EQ(player.state().gear, 1);  // nothing after the end is played
}

TEST(DefaultScenario, ParsesAndEndsParkedOnTheGround) {
    Scenario s;
    std::string error;
    ASSERT_TRUE(ParseScenario(DefaultScenarioText(), s, error)) << error;
    OffsetTable table;
    ScenarioPlayer player(std::move(s), table);
    player.advanceTo(120);
    EXPECT_EQ(table.peek<uint16_t>(0x0366), 0);  // airborne after take-off
    player.advanceTo(600);
    EXPECT_EQ(table.peek<uint16_t>(0x0366), 1);
    EXPECT_EQ(table.peek<int32_t>(0x02B4), 0);
    EXPECT_TRUE(player.allPlayed());
}

// The circuit is what its description says: every turn after take-off goes left, and the
// touchdown is on the runway it took off from, along its centre line and heading.
TEST(DefaultScenario, LeftHandCircuitLandsBackOnTheRunwayItLeft) {
    Scenario s;
    std::string error;
    ASSERT_TRUE(ParseScenario(DefaultScenarioText(), s, error)) << error;
    OffsetTable table;
    ScenarioPlayer player(std::move(s), table);
    const FlightState& f = player.state();
    player.advanceTo(55);  // lined up, the take-off roll begins
    const double lat0 = f.latDeg, lon0 = f.lonDeg, runway = f.headingDeg;
    EXPECT_NEAR(runway, 240, 0.01);
    double turned = 0, heading = runway, wasOnGround = 1;
    for (int t = 56; t < 480 && !(f.onGround > 0.5 && wasOnGround < 0.5); ++t) {
        wasOnGround = f.onGround;
        player.advanceTo(t);
        if (f.onGround < 0.5) {
            EXPECT_LE(f.headingDeg - heading, 1e-9) << "a right turn at " << t;
        }
        turned += f.headingDeg - heading;
        heading = f.headingDeg;
    }
    ASSERT_GT(f.onGround, 0.5) << "no touchdown";
    EXPECT_NEAR(turned, -360, 0.01);
    // Metres east and north of the start of the take-off roll, then along and across the runway.
    const double east = (f.lonDeg - lon0) * 60 * 1852 * std::cos(lat0 * std::numbers::pi / 180);
    const double north = (f.latDeg - lat0) * 60 * 1852;
    const double r = runway * std::numbers::pi / 180;
    const double along = east * std::sin(r) + north * std::cos(r);
    const double across = east * std::cos(r) - north * std::sin(r);
    EXPECT_GT(along, 0);
    EXPECT_LT(along, 2000);
    EXPECT_LT(std::fabs(across), 300);
    EXPECT_NEAR(std::fmod(f.headingDeg + 720, 360), runway, 5);
}

}  // namespace
}  // namespace flenmark::simhost
