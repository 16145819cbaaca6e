#include "simhost/flight_state.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/geodesy.h"
#include "base/link_protocol.h"
#include "base/number_text.h"

namespace flenmark::simhost {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFeetPerMetre = 3.28084;
constexpr double kTwo32 = 4294967296.0;

int32_t Clamp32(double v) {
    return SaturatingCast<int32_t>(std::round(v));
}

uint8_t SignedByte(double v) {
    return static_cast<uint8_t>(SaturatingCast<int8_t>(std::round(v)));
}

uint8_t Byte(double v) {
    return SaturatingCast<uint8_t>(std::round(v));
}

int16_t Word(double v) {
    return SaturatingCast<int16_t>(std::round(v));
}

// An angle as the offsets encode it: a fraction of a full turn in `bits` bits.
uint64_t TurnFraction(double degrees, double fullScale) {
    const double turns = std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0) / 360.0;
    return SaturatingCast<uint64_t>(turns * fullScale);
}

void Move(double& latDeg, double& lonDeg, double headingDeg, double speedKt, double seconds) {
    const double nm = speedKt * seconds / 3600.0;
    const double h = headingDeg * kPi / 180.0;
    latDeg += nm / 60.0 * std::cos(h);
    const double c = std::cos(latDeg * kPi / 180.0);
    if (std::fabs(c) > 1e-9) lonDeg += nm / 60.0 * std::sin(h) / c;
    if (lonDeg > 180) lonDeg -= 360;
    if (lonDeg < -180) lonDeg += 360;
}

}  // namespace

void FlightState::advance(double seconds) {
    Move(latDeg, lonDeg, headingDeg, groundSpeedKt, seconds);
    if (onGround > 0.5) {
        altFt = groundElevationFt + referenceHeightFt;
    } else {
        altFt += verticalSpeedFpm * seconds / 60.0;
        lastAirVerticalSpeedFpm = verticalSpeedFpm;
    }
    for (TrafficAircraft& t : traffic) {
        if (t.id == 0) continue;
        Move(t.latDeg, t.lonDeg, t.headingDeg, t.groundSpeedKt, seconds);
        t.altFt += t.verticalSpeedFpm * seconds / 60.0;
    }
}

void FlightState::writeTo(OffsetTable& table) const {
    table.poke<int64_t>(0x0560, SaturatingCast<int64_t>(latDeg / 90.0 * 10001750.0 * kTwo32));
    table.poke<int64_t>(0x0568, SaturatingCast<int64_t>(lonDeg / 360.0 * kTwo32 * kTwo32));
    table.poke<int64_t>(0x0570, SaturatingCast<int64_t>(altFt / kFeetPerMetre * kTwo32));
    table.poke<int32_t>(0x02B4, Clamp32(groundSpeedKt * 1852.0 / 3600.0 * 65536.0));
    table.poke<uint32_t>(0x0580, static_cast<uint32_t>(TurnFraction(headingDeg, kTwo32)));
    table.poke<uint16_t>(0x0366, onGround > 0.5 ? 1 : 0);
    const double vsFpm = onGround > 0.5 ? 0.0 : verticalSpeedFpm;
    table.poke<int32_t>(0x02C8, Clamp32(vsFpm / 60.0 / kFeetPerMetre * 256.0));
    table.poke<int32_t>(0x0020, Clamp32(groundElevationFt / kFeetPerMetre * 256.0));
    table.poke<int32_t>(0x030C, Clamp32(lastAirVerticalSpeedFpm / 60.0 / kFeetPerMetre * 256.0));
    table.poke<int32_t>(0x0BEC, Clamp32(gear * 16383.0));
    table.poke<int32_t>(0x0BDC, Clamp32(flapsPct / 100.0 * 16383.0));
    table.poke<int32_t>(0x0BD0, Clamp32(spoilers * 16383.0));
    table.poke<int32_t>(0x02BC, Clamp32(iasKt * 128.0));
    table.poke<int32_t>(0x02B8, Clamp32(tasKt * 128.0));
    table.poke<double>(0x3BA0, tailhook);
    table.poke<uint8_t>(0x036D, Byte(overspeed));
    table.poke<uint8_t>(0x036C, Byte(stall));
    table.poke<int16_t>(0x0BAC, Word(innerMarker));
    table.poke<int16_t>(0x0BAE, Word(middleMarker));
    table.poke<int16_t>(0x0BB0, Word(outerMarker));
    table.poke<uint8_t>(0x0C48, SignedByte(locNeedle));
    table.poke<uint8_t>(0x0C49, SignedByte(gsNeedle));
    table.poke<uint8_t>(0x0C4C, Byte(gsAlive));
    table.poke<uint8_t>(0x2F80, Byte(autobrake));
    std::array<uint8_t, 256> title{};  // zero-ended
    std::memcpy(title.data(), aircraftTitle.data(), std::min<size_t>(aircraftTitle.size(), 255));
    table.write(0x3D00, title.size(), title.data());
    for (int slot = 0; slot < 40; ++slot) WriteTrafficSlot(table, slot, traffic[slot]);
}

void PlaceNearestTraffic(std::vector<TrafficAircraft> aircraft, FlightState& s) {
    std::sort(aircraft.begin(), aircraft.end(), [&](const auto& x, const auto& y) {
        return GreatCircleDistanceNm(s.latDeg, s.lonDeg, x.latDeg, x.lonDeg, false) <
               GreatCircleDistanceNm(s.latDeg, s.lonDeg, y.latDeg, y.lonDeg, false);
    });
    for (size_t i = 0; i < s.traffic.size(); ++i)
        s.traffic[i] = i < aircraft.size() ? aircraft[i] : TrafficAircraft{};
}

void WriteTrafficSlot(OffsetTable& table, int slot, const TrafficAircraft& a) {
    const uint32_t base = kTrafficSlotBase + kTrafficSlotSize * static_cast<uint32_t>(slot);
    uint8_t bytes[kTrafficSlotSize] = {};
    if (a.id != 0) {
        const float lat = SaturatingFloat(a.latDeg);
        const float lon = SaturatingFloat(a.lonDeg);
        const float alt = SaturatingFloat(a.altFt);
        const auto hdg =
            static_cast<int16_t>(static_cast<uint16_t>(TurnFraction(a.headingDeg, 65536.0)));
        const int16_t gs = Word(a.groundSpeedKt);
        const int16_t vs = Word(a.verticalSpeedFpm);
        std::memcpy(bytes, &a.id, 4);
        std::memcpy(bytes + 4, &lat, 4);
        std::memcpy(bytes + 8, &lon, 4);
        std::memcpy(bytes + 12, &alt, 4);
        std::memcpy(bytes + 16, &hdg, 2);
        std::memcpy(bytes + 18, &gs, 2);
        std::memcpy(bytes + 20, &vs, 2);
        std::memcpy(bytes + 22, a.callsign.data(), std::min<size_t>(a.callsign.size(), 15));
    }
    table.write(base, kTrafficSlotSize, bytes);
}

namespace {

struct QuantityInfo {
    double FlightState::*member;
    double low;
    double high;
};

const std::map<std::string, QuantityInfo>& Quantities() {
    using F = FlightState;
    static const std::map<std::string, QuantityInfo> kNames = {
        {"lat", {&F::latDeg, -90, 90}},
        {"lon", {&F::lonDeg, -180, 180}},
        {"alt", {&F::altFt, -1e6, 1e6}},
        {"elev", {&F::groundElevationFt, -1e5, 1e5}},
        {"gs", {&F::groundSpeedKt, -1e4, 1e4}},
        {"hdg", {&F::headingDeg, -1e6, 1e6}},
        {"vs", {&F::verticalSpeedFpm, -1e5, 1e5}},
        {"ias", {&F::iasKt, -1e4, 1e4}},
        {"tas", {&F::tasKt, -1e4, 1e4}},
        {"gear", {&F::gear, 0, 1}},
        {"flaps", {&F::flapsPct, 0, 100}},
        {"spoilers", {&F::spoilers, 0, 1}},
        {"tailhook", {&F::tailhook, 0, 1}},
        {"refheight", {&F::referenceHeightFt, -1e3, 1e3}},
        {"onground", {&F::onGround, 0, 1}},
        {"overspeed", {&F::overspeed, 0, 255}},
        {"stall", {&F::stall, 0, 255}},
        {"inner", {&F::innerMarker, -32768, 32767}},
        {"middle", {&F::middleMarker, -32768, 32767}},
        {"outer", {&F::outerMarker, -32768, 32767}},
        {"loc", {&F::locNeedle, -128, 127}},
        {"gsneedle", {&F::gsNeedle, -128, 127}},
        {"gsalive", {&F::gsAlive, 0, 255}},
        {"autobrake", {&F::autobrake, 0, 255}},
        {"lastairvs", {&F::lastAirVerticalSpeedFpm, -1e5, 1e5}},
    };
    return kNames;
}

}  // namespace

double* Quantity(FlightState& s, const std::string& name) {
    const auto it = Quantities().find(name);
    return it == Quantities().end() ? nullptr : &(s.*(it->second.member));
}

std::pair<double, double> QuantityRange(const std::string& name) {
    const auto it = Quantities().find(name);
    if (it == Quantities().end()) return {0, 0};
    return {it->second.low, it->second.high};
}

}  // namespace flenmark::simhost
