#include "xpbridge/xplane_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace flenmark::xpbridge {
namespace {

// The aircraft's name comes byte by byte and ends at its zero.
TEST(XPlaneValues, TheAircraftTitleEndsAtItsZero) {
    XPlaneValues v;
    const std::string name = "Cessna 172";
    for (size_t c = 0; c < name.size(); ++c)
        v.take({kTitleBase + static_cast<int32_t>(c), static_cast<float>(name[c])});
    v.take({kTitleBase + static_cast<int32_t>(name.size()), 0});
    v.take({kTitleBase + static_cast<int32_t>(name.size()) + 1, 'X'});
    simhost::FlightState state;
    ApplyXPlane(v, state);
    EXPECT_EQ(state.aircraftTitle, name);
}

TEST(XPlaneValues, TakeOnlyKnownFiniteValuesWithinRange) {
    XPlaneValues v;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        RrefValue value;
        bool taken;
    } cases[] = {
        {{kGear, 0.5f}, true},
        {{kGear, 1.5f}, false},
        {{kGear, nan}, false},
        {{kVerticalFpm, inf}, false},
        {{kTitleBase + kTitleBytes, 1.0f}, false},  // between the blocks
        {{kTitleBase, 300}, false},
        {{-1, 1.0f}, false},
        {{100000, 1.0f}, false},
        {{TcasIndex(40, kTcasId), 7}, true},
        {{PlaneIndex(19, kPlaneLat), 91}, false},
        {{PlaneIndex(19, kPlaneLat), 45}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(v.take(c.value), c.taken) << c.value.index << " " << c.value.value;
    EXPECT_EQ(v.get(kGear), 0.5f);  // the refused values left the taken one alone
    RposFix far;
    far.latDeg = 95;
    EXPECT_FALSE(v.takePosition(far));
    RposFix broken;
    broken.aglM = nan;
    EXPECT_FALSE(v.takePosition(broken));
    EXPECT_FALSE(v.position());
}

XPlaneValues Flying() {
    XPlaneValues v;
    for (const RrefValue& r : std::initializer_list<RrefValue>{
             {kOnGround, 0},
             {kIndicatedKt, 140},
             {kTrueMps, 77.1667f},
             {kGroundMps, 75},
             {kVerticalFpm, -650},
             {kGear, 1},
             {kFlaps, 0.5f},
             {kSpeedBrake, -0.5f},
             {kTailhook, 0},
             {kOverspeed, 1},
             {kAutobrake, 3},
             {kOuterMarker, 1},
             {kLocDots, -1.25f},
             {kGsDots, 2.5f},
             {kLocShown, 1},
             {kGsShown, 1},
             // XP12 targets: a named one far, an unnamed one near; an XP11 plane is not used.
             {TcasIndex(1, kTcasId), 0xABC},
             {TcasIndex(1, kTcasLat), 52.5f},
             {TcasIndex(1, kTcasLon), 4.76f},
             {TcasIndex(1, kTcasEleM), 1000},
             {TcasIndex(1, kTcasCallsign), 'K'},
             {TcasIndex(1, kTcasCallsign + 1), 'L'},
             {TcasIndex(1, kTcasCallsign + 2), 'M'},
             {TcasIndex(2, kTcasId), 0xDEF},
             {TcasIndex(2, kTcasLat), 52.31f},
             {TcasIndex(2, kTcasLon), 4.76f},
             {PlaneIndex(1, kPlaneLat), 52.301f},
             {PlaneIndex(1, kPlaneLon), 4.76f}})
        v.take(r);
    RposFix fix;
    fix.latDeg = 52.3000001;
    fix.lonDeg = 4.7600001;
    fix.elevationM = 304.8;
    fix.aglM = 152.4f;
    fix.headingDeg = 241;
    v.takePosition(fix);
    return v;
}

TEST(ApplyXPlane, UnitsSignsAndFlags) {
    simhost::FlightState s;
    ApplyXPlane(Flying(), s);
    EXPECT_EQ(s.latDeg, 52.3000001);  // RPOS keeps the doubles
    EXPECT_EQ(s.lonDeg, 4.7600001);
    EXPECT_NEAR(s.altFt, 1000, 1e-6);
    EXPECT_NEAR(s.groundElevationFt, 500, 1e-3);
    EXPECT_EQ(s.headingDeg, 241);
    EXPECT_EQ(s.onGround, 0);
    EXPECT_EQ(s.iasKt, 140);
    EXPECT_NEAR(s.tasKt, 150, 0.01);
    EXPECT_NEAR(s.groundSpeedKt, 145.79, 0.01);
    EXPECT_EQ(s.verticalSpeedFpm, -650);
    EXPECT_EQ(s.lastAirVerticalSpeedFpm, -650);
    EXPECT_EQ(s.gear, 1);
    EXPECT_EQ(s.flapsPct, 50);
    EXPECT_EQ(s.spoilers, 0);  // armed is not out
    EXPECT_EQ(s.overspeed, 1);
    EXPECT_EQ(s.autobrake, 3);
    EXPECT_EQ(s.outerMarker, 1);
    EXPECT_EQ(s.innerMarker, 0);
    EXPECT_NEAR(s.locNeedle, -63.5, 1e-6);
    EXPECT_NEAR(s.gsNeedle, -119, 1e-6);  // two and a half dots up: well below the path
    EXPECT_EQ(s.gsAlive, 1);
    ASSERT_EQ(s.traffic[0].id, 0xDEF);  // nearest first
    EXPECT_EQ(s.traffic[0].callsign, "");
    EXPECT_EQ(s.traffic[1].id, 0xABC);
    EXPECT_EQ(s.traffic[1].callsign, "KLM");
    EXPECT_NEAR(s.traffic[1].altFt, 3280.84, 0.01);
    EXPECT_EQ(s.traffic[2].id, 0);
}

TEST(ApplyXPlane, MultiplayerPlanesWhenThereAreNoTcasTargetsAndTheTouchdownRateHeld) {
    XPlaneValues v;
    v.take({kOnGround, 0});
    v.take({kVerticalFpm, -240});
    v.take({PlaneIndex(3, kPlaneLat), 52.31f});
    v.take({PlaneIndex(3, kPlaneLon), 4.76f});
    v.take({PlaneIndex(3, kPlaneEast), 30});
    v.take({PlaneIndex(3, kPlaneSouth), -40});
    simhost::FlightState s;
    ApplyXPlane(v, s);
    EXPECT_EQ(s.traffic[0].id, 3);
    EXPECT_NEAR(s.traffic[0].groundSpeedKt, 50 * 3600.0 / 1852, 1e-3);
    v.take({kOnGround, 1});
    v.take({kVerticalFpm, 0});
    ApplyXPlane(v, s);
    EXPECT_EQ(s.onGround, 1);
    EXPECT_EQ(s.lastAirVerticalSpeedFpm, -240);
    EXPECT_EQ(s.gsAlive, 0);
    EXPECT_EQ(s.locNeedle, 127);  // no localizer: the needle at its stop
    EXPECT_EQ(s.autobrake, 1);    // no autobrake: "off", not RTO
}

}  // namespace
}  // namespace flenmark::xpbridge
