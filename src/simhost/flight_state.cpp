#include "simhost/flight_state.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "simlink/ai_traffic.h"

namespace flenmark::simhost {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFeetPerMetre = 3.28084;
constexpr double kTwo32 = 4294967296.0;

int32_t Clamp32(double v) {
    if (!(v > -2147483648.0)) return INT32_MIN;
    if (!(v < 2147483647.0)) return INT32_MAX;
    return static_cast<int32_t>(std::llround(v));
}

uint8_t SignedByte(double v) {
    return static_cast<uint8_t>(static_cast<int8_t>(std::clamp(std::lround(v), -128L, 127L)));
}

uint8_t Byte(double v) {
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

int16_t Word(double v) {
    return static_cast<int16_t>(std::clamp(std::lround(v), -32768L, 32767L));
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
    table.poke<int64_t>(0x0560, static_cast<int64_t>(latDeg / 90.0 * 10001750.0 * kTwo32));
    table.poke<int64_t>(0x0568, static_cast<int64_t>(lonDeg / 360.0 * kTwo32 * kTwo32));
    table.poke<int64_t>(0x0570, static_cast<int64_t>(altFt / kFeetPerMetre * kTwo32));
    table.poke<int32_t>(0x02B4, Clamp32(groundSpeedKt * 1852.0 / 3600.0 * 65536.0));
    table.poke<uint32_t>(0x0580, static_cast<uint32_t>(static_cast<int64_t>(
                                     std::fmod(headingDeg + 360.0, 360.0) / 360.0 * kTwo32)));
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
    for (int slot = 0; slot < 40; ++slot) WriteTrafficSlot(table, slot, traffic[slot]);
}

void WriteTrafficSlot(OffsetTable& table, int slot, const TrafficAircraft& a) {
    const uint32_t base = kTrafficSlotBase + kTrafficSlotSize * static_cast<uint32_t>(slot);
    uint8_t bytes[kTrafficSlotSize] = {};
    if (a.id != 0) {
        const float lat = static_cast<float>(a.latDeg);
        const float lon = static_cast<float>(a.lonDeg);
        const float alt = static_cast<float>(a.altFt);
        const auto hdg = static_cast<int16_t>(static_cast<uint16_t>(
            static_cast<int64_t>(std::fmod(a.headingDeg + 360.0, 360.0) / 360.0 * 65536.0)));
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

double* Quantity(FlightState& s, const std::string& name) {
    static const std::map<std::string, double FlightState::*> kNames = {
        {"lat", &FlightState::latDeg},
        {"lon", &FlightState::lonDeg},
        {"alt", &FlightState::altFt},
        {"elev", &FlightState::groundElevationFt},
        {"gs", &FlightState::groundSpeedKt},
        {"hdg", &FlightState::headingDeg},
        {"vs", &FlightState::verticalSpeedFpm},
        {"ias", &FlightState::iasKt},
        {"tas", &FlightState::tasKt},
        {"gear", &FlightState::gear},
        {"flaps", &FlightState::flapsPct},
        {"spoilers", &FlightState::spoilers},
        {"tailhook", &FlightState::tailhook},
        {"refheight", &FlightState::referenceHeightFt},
        {"onground", &FlightState::onGround},
        {"overspeed", &FlightState::overspeed},
        {"stall", &FlightState::stall},
        {"inner", &FlightState::innerMarker},
        {"middle", &FlightState::middleMarker},
        {"outer", &FlightState::outerMarker},
        {"loc", &FlightState::locNeedle},
        {"gsneedle", &FlightState::gsNeedle},
        {"gsalive", &FlightState::gsAlive},
        {"autobrake", &FlightState::autobrake},
        {"lastairvs", &FlightState::lastAirVerticalSpeedFpm},
    };
    const auto it = kNames.find(name);
    return it == kNames.end() ? nullptr : &(s.*(it->second));
}

}  // namespace flenmark::simhost
