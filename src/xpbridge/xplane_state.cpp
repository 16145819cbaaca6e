#include "xpbridge/xplane_state.h"

#include <algorithm>
#include <cmath>

namespace flenmark::xpbridge {
namespace {

constexpr double kFeetPerMetre = 1 / 0.3048;
constexpr double kKnotsPerMps = 3600.0 / 1852.0;
constexpr double kDotsFullScale = 2.5;  // the needle's full deflection
constexpr double kAutobrakeOff = 1;     // an aircraft without an autobrake; 0 would read RTO

double Clamp(double v, double low, double high) {
    return std::min(std::max(v, low), high);
}

// The traffic of X-Plane 12's TCAS targets; a target without a mode S id is an empty slot.
std::vector<simhost::TrafficAircraft> TcasTraffic(const XPlaneValues& v) {
    std::vector<simhost::TrafficAircraft> seen;
    for (int k = 1; k <= kTcasTargets; ++k) {
        const auto id = v.get(TcasIndex(k, kTcasId));
        const auto lat = v.get(TcasIndex(k, kTcasLat));
        const auto lon = v.get(TcasIndex(k, kTcasLon));
        if (!id || *id < 1 || !lat || !lon) continue;
        simhost::TrafficAircraft t;
        t.id = static_cast<int32_t>(*id);
        t.latDeg = *lat;
        t.lonDeg = *lon;
        t.altFt = v.get(TcasIndex(k, kTcasEleM)).value_or(0) * kFeetPerMetre;
        t.headingDeg = v.get(TcasIndex(k, kTcasHeading)).value_or(0);
        t.groundSpeedKt = v.get(TcasIndex(k, kTcasMps)).value_or(0) * kKnotsPerMps;
        t.verticalSpeedFpm = v.get(TcasIndex(k, kTcasFpm)).value_or(0);
        for (int c = 0; c < 8; ++c) {
            const float byte = v.get(TcasIndex(k, kTcasCallsign + c)).value_or(0);
            if (byte < 32 || byte > 126) break;  // the name ends at its first non-letter
            t.callsign += static_cast<char>(byte);
        }
        seen.push_back(t);
    }
    return seen;
}

// The aircraft's name, up to its first byte that is not a letter (its zero end).
std::string AircraftTitle(const XPlaneValues& v) {
    std::string title;
    for (int c = 0; c < kTitleBytes; ++c) {
        const float byte = v.get(kTitleBase + c).value_or(0);
        if (byte < 32 || byte > 126) break;
        title += static_cast<char>(byte);
    }
    return title;
}

// X-Plane 11's multiplayer planes: no id, no name; one at 0,0 is not there.
std::vector<simhost::TrafficAircraft> MultiplayerTraffic(const XPlaneValues& v) {
    std::vector<simhost::TrafficAircraft> seen;
    for (int n = 1; n <= kMultiplayerPlanes; ++n) {
        const auto lat = v.get(PlaneIndex(n, kPlaneLat));
        const auto lon = v.get(PlaneIndex(n, kPlaneLon));
        if (!lat || !lon || (*lat == 0 && *lon == 0)) continue;
        simhost::TrafficAircraft t;
        t.id = n;
        t.latDeg = *lat;
        t.lonDeg = *lon;
        t.altFt = v.get(PlaneIndex(n, kPlaneEleM)).value_or(0) * kFeetPerMetre;
        t.headingDeg = v.get(PlaneIndex(n, kPlaneHeading)).value_or(0);
        const double east = v.get(PlaneIndex(n, kPlaneEast)).value_or(0);
        const double south = v.get(PlaneIndex(n, kPlaneSouth)).value_or(0);
        t.groundSpeedKt = std::hypot(east, south) * kKnotsPerMps;
        t.verticalSpeedFpm = v.get(PlaneIndex(n, kPlaneUp)).value_or(0) * kFeetPerMetre * 60;
        seen.push_back(t);
    }
    return seen;
}

void ApplyTraffic(const XPlaneValues& v, simhost::FlightState& s) {
    std::vector<simhost::TrafficAircraft> seen = TcasTraffic(v);
    if (seen.empty()) seen = MultiplayerTraffic(v);
    simhost::PlaceNearestTraffic(std::move(seen), s);
}

}  // namespace

void ApplyXPlane(const XPlaneValues& v, simhost::FlightState& s) {
    auto value = [&](int32_t index, double missing) {
        const auto got = v.get(index);
        return got ? static_cast<double>(*got) : missing;
    };
    double aglM = value(kAglM, 0);
    s.headingDeg = value(kHeadingDeg, s.headingDeg);
    if (const auto& fix = v.position()) {
        s.latDeg = fix->latDeg;
        s.lonDeg = fix->lonDeg;
        s.altFt = fix->elevationM * kFeetPerMetre;
        s.headingDeg = fix->headingDeg;
        aglM = fix->aglM;
    }
    s.groundElevationFt = s.altFt - aglM * kFeetPerMetre;
    s.onGround = value(kOnGround, 0) >= 0.5 ? 1 : 0;
    s.verticalSpeedFpm = value(kVerticalFpm, 0);
    if (s.onGround < 0.5) s.lastAirVerticalSpeedFpm = s.verticalSpeedFpm;  // held from touchdown
    s.iasKt = value(kIndicatedKt, 0);
    s.tasKt = value(kTrueMps, 0) * kKnotsPerMps;
    s.groundSpeedKt = value(kGroundMps, 0) * kKnotsPerMps;
    s.gear = value(kGear, 1);
    s.flapsPct = value(kFlaps, 0) * 100;
    s.spoilers = Clamp(value(kSpeedBrake, 0), 0, 1);  // below 0: armed, not out
    s.tailhook = value(kTailhook, 0);
    s.overspeed = value(kOverspeed, 0) >= 0.5 ? 1 : 0;
    s.stall = value(kStall, 0) >= 0.5 ? 1 : 0;
    s.autobrake = std::round(value(kAutobrake, kAutobrakeOff));
    s.aircraftTitle = AircraftTitle(v);
    s.outerMarker = value(kOuterMarker, 0) >= 0.5 ? 1 : 0;
    s.middleMarker = value(kMiddleMarker, 0) >= 0.5 ? 1 : 0;
    s.innerMarker = value(kInnerMarker, 0) >= 0.5 ? 1 : 0;
    const bool locShown = value(kLocShown, 0) >= 0.5;
    const bool gsShown = value(kGsShown, 0) >= 0.5;
    // Without a localizer the needle rests at its stop: nothing to capture.
    s.locNeedle = locShown ? Clamp(value(kLocDots, 0) / kDotsFullScale, -1, 1) * 127 : 127;
    // X-Plane's dots count up when the needle points up (the aircraft is below the path).
    s.gsNeedle = gsShown ? -Clamp(value(kGsDots, 0) / kDotsFullScale, -1, 1) * 119 : 0;
    s.gsAlive = gsShown ? 1 : 0;
    ApplyTraffic(v, s);
}

}  // namespace flenmark::xpbridge
