#include "fgbridge/flightgear_reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fgbridge/flightgear_address.h"
#include "fgbridge/flightgear_answers.h"
#include "fgbridge/json_value.h"
#include "online/fake_http.h"

namespace flenmark::fgbridge {
namespace {

using testing::FgAircraft;
using testing::FgLeaf;
using testing::FgNode;

PropertyTree Tree(const std::string& json) {
    return PropertyTree(*ParseJson(json));
}

FlightGearTrees Airborne(bool wow) {
    FlightGearTrees t;
    t.position =
        Tree(FgNode("position", {FgLeaf("latitude-deg", "21.3"), FgLeaf("longitude-deg", "-157.9"),
                                 FgLeaf("altitude-ft", "2500"), FgLeaf("ground-elev-ft", "12")}));
    t.orientation = Tree(FgNode("orientation", {FgLeaf("heading-deg", "80.5")}));
    t.velocities = Tree(
        FgNode("velocities", {FgLeaf("groundspeed-kt", "101"), FgLeaf("vertical-speed-fps", "-5.2"),
                              FgLeaf("airspeed-kt", "100")}));
    t.gear = Tree(
        FgNode("gear", {FgNode("gear", {FgLeaf("wow", "false"), FgLeaf("position-norm", "1")}, 0),
                        FgNode("gear", {FgLeaf("wow", wow ? "true" : "false")}, 2)}));
    t.surfaces = Tree(FgNode("surface-positions", {FgLeaf("flap-pos-norm", "0.333")}));
    t.markers = Tree(FgNode("marker-beacon", {FgLeaf("outer", "true"), FgLeaf("inner", "false")}));
    t.nav = Tree(
        FgNode("nav", {FgLeaf("heading-needle-deflection-norm", "-0.5"),
                       FgLeaf("gs-needle-deflection-norm", "1.4"), FgLeaf("gs-in-range", "true")}));
    t.ai = Tree(FgNode("models", {FgAircraft(0, 11, "FAR1", 22.3, -157.9, 9000),
                                  FgAircraft(1, 12, "NEAR2", 21.31, -157.9, 2600)}));
    return t;
}

// Values no offset can hold are treated as missing, whatever FlightGear (or whoever answers in
// its place) sends.
TEST(FlightGearReader, ValuesOutOfRangeAreMissing) {
    simhost::FlightState s;
    ApplyFlightGear(Airborne(false), s);
    FlightGearTrees t = Airborne(false);
    t.position =
        Tree(FgNode("position", {FgLeaf("latitude-deg", "95"), FgLeaf("longitude-deg", "4776"),
                                 FgLeaf("altitude-ft", "1e300")}));
    t.velocities = Tree(FgNode("velocities", {FgLeaf("groundspeed-kt", "\"-1e99\""),
                                              FgLeaf("vertical-speed-fps", "1e30")}));
    t.gear = Tree(FgNode("gear", {FgNode("gear", {FgLeaf("wow", "true")}, 0)}, 0));
    // An id beyond 32 bits and an index far beyond any slot.
    std::string ai = FgNode("models", {FgAircraft(0, 12, "BIGID", 21.31, -157.9, 2600),
                                       FgAircraft(1, 13, "NOWHERE", 21.31, 400, 2600)});
    ai.replace(ai.find("\"value\":12"), 10, "\"value\":1e10");
    ai.replace(ai.find("\"index\":0", ai.find("\"aircraft\"")), 9, "\"index\":1e96");
    t.ai = Tree(ai);
    ApplyFlightGear(t, s);
    EXPECT_DOUBLE_EQ(s.latDeg, 21.3);  // the last good position
    EXPECT_DOUBLE_EQ(s.lonDeg, -157.9);
    EXPECT_DOUBLE_EQ(s.altFt, 2500);
    EXPECT_DOUBLE_EQ(s.groundSpeedKt, 0);
    EXPECT_DOUBLE_EQ(s.verticalSpeedFpm, 0);
    EXPECT_EQ(s.traffic[0].callsign, "BIGID");
    EXPECT_EQ(s.traffic[0].id, 1);  // a missing id: the slot gets one of its own
    simhost::OffsetTable table;
    s.writeTo(table);  // and nothing of it overflows on the way into the table
}

TEST(FlightGearReader, PropertiesIntoTheFlightState) {
    simhost::FlightState s;
    ApplyFlightGear(Airborne(false), s);
    EXPECT_DOUBLE_EQ(s.latDeg, 21.3);
    EXPECT_DOUBLE_EQ(s.lonDeg, -157.9);
    EXPECT_DOUBLE_EQ(s.altFt, 2500);
    EXPECT_DOUBLE_EQ(s.groundElevationFt, 12);
    EXPECT_DOUBLE_EQ(s.headingDeg, 80.5);
    EXPECT_DOUBLE_EQ(s.verticalSpeedFpm, -312);
    EXPECT_EQ(s.onGround, 0);
    EXPECT_DOUBLE_EQ(s.flapsPct, 33.3);
    EXPECT_EQ(s.outerMarker, 1);
    EXPECT_EQ(s.innerMarker, 0);
    EXPECT_DOUBLE_EQ(s.locNeedle, -63.5);
    EXPECT_DOUBLE_EQ(s.gsNeedle, -119);  // needle up: below the glideslope
    EXPECT_EQ(s.gsAlive, 1);
    EXPECT_EQ(s.stall, 0);             // no alarms node: no warning
    EXPECT_DOUBLE_EQ(s.autobrake, 1);  // no autobrake: "off", not RTO
    // Traffic nearest first.
    EXPECT_EQ(s.traffic[0].callsign, "NEAR2");
    EXPECT_EQ(s.traffic[1].callsign, "FAR1");
    EXPECT_DOUBLE_EQ(s.traffic[0].verticalSpeedFpm, -600);
    EXPECT_EQ(s.traffic[2].id, 0);
}

// What the recorder's flaps events count is the flap lever, not the flaps moving to it; and
// while FlightGear starts, its placeholder aircraft (in the air, heading 90) is not served.
TEST(FlightGearReader, ServesTheFlapLeverOnceTheFlightModelIsInitialised) {
    testing::FakeHttp fg;
    fg.answers["/json/position"] =
        FgNode("position", {FgLeaf("latitude-deg", "21.3"), FgLeaf("longitude-deg", "-157.9"),
                            FgLeaf("altitude-ft", "2999")});
    fg.answers["/json/surface-positions"] =
        FgNode("surface-positions", {FgLeaf("flap-pos-norm", "0.1")});
    fg.answers["/json/controls/flight"] = FgNode("flight", {FgLeaf("flaps", "0.333")});
    fg.answers["/json/sim/fdm-initialized"] = FgLeaf("fdm-initialized", "false");
    simhost::FlightState s;
    EXPECT_NE(ReadFlightGear(fg, VendorBaseUrl(), s), FlightGearRead::Read);
    EXPECT_DOUBLE_EQ(s.altFt, 0);
    fg.answers["/json/sim/fdm-initialized"] = FgLeaf("fdm-initialized", "true");
    ASSERT_EQ(ReadFlightGear(fg, VendorBaseUrl(), s), FlightGearRead::Read);
    EXPECT_DOUBLE_EQ(s.altFt, 2999);
    EXPECT_DOUBLE_EQ(s.flapsPct, 33.3);
}

TEST(FlightGearReader, AnyWheelOnTheGroundHoldsTheTouchdownRate) {
    simhost::FlightState s;
    ApplyFlightGear(Airborne(false), s);
    FlightGearTrees landed = Airborne(true);
    landed.velocities = Tree(FgNode("velocities", {FgLeaf("vertical-speed-fps", "0")}));
    ApplyFlightGear(landed, s);
    EXPECT_EQ(s.onGround, 1);
    EXPECT_DOUBLE_EQ(s.lastAirVerticalSpeedFpm, -312);  // frozen at the moment of touchdown
    simhost::OffsetTable table;
    s.writeTo(table);
    EXPECT_EQ(table.peek<uint16_t>(0x0366), 1);
    EXPECT_EQ(table.peek<int32_t>(0x0BEC), 16383);
    EXPECT_EQ(table.peek<int32_t>(0x030C),
              static_cast<int32_t>(std::lround(-312 / 60.0 / 3.28084 * 256)));
}

TEST(Json, ParsesFlightGearAnswersAndRefusesGarbage) {
    const auto v = ParseJson(R"({"a":[1,-2.5e1,true,null,"x\"y\u0041"],"b":{}})");
    ASSERT_TRUE(v);
    EXPECT_DOUBLE_EQ(v->member("a")->items[1].number, -25);
    EXPECT_EQ(v->member("a")->items[4].text, "x\"yA");
    for (const char* bad : {"", "{", "[1,]", "{\"a\" 1}", "tru", "\"open"})
        EXPECT_FALSE(ParseJson(bad)) << bad;
}

TEST(FlightGearAddress, OnlyPlainHttpHostAndPortAreTaken) {
    const std::pair<const char*, bool> cases[] = {
        {"http://127.0.0.1:8080", true}, {"http://fg.local", true},      {"http://fg:5500/", true},
        {"localhost:8080", false},       {"https://fg:8080", false},     {"ftp://fg:21", false},
        {"http://:8080", false},         {"http://fg:0", false},         {"http://fg:65536", false},
        {"http://fg:80x", false},        {"http://fg:8080/json", false},
    };
    for (const auto& [url, usable] : cases)
        EXPECT_EQ(FlightGearAddressProblem(url).empty(), usable) << url;
}

}  // namespace
}  // namespace flenmark::fgbridge
