#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "simhost/offset_table.h"

namespace flenmark::simhost {

// One traffic aircraft in a slot of the traffic table.
struct TrafficAircraft {
    int32_t id = 0;  // 0: empty slot
    double latDeg = 0;
    double lonDeg = 0;
    double altFt = 0;
    double headingDeg = 0;
    double groundSpeedKt = 0;
    double verticalSpeedFpm = 0;
    std::string callsign;
};

// The simulated aircraft in physical units. Position follows heading and ground speed, and
// altitude follows the vertical speed while airborne.
struct FlightState {
    double latDeg = 0;
    double lonDeg = 0;
    double altFt = 0;
    double groundElevationFt = 0;
    double groundSpeedKt = 0;
    double headingDeg = 0;
    double verticalSpeedFpm = 0;
    double iasKt = 0;
    double tasKt = 0;
    double onGround = 1;   // 1 on the ground, 0 airborne
    double gear = 1;       // 0 up .. 1 down
    double flapsPct = 0;   // 0..100
    double spoilers = 0;   // 0..1
    double tailhook = 0;   // 0..1
    double overspeed = 0;  // warning byte
    double stall = 0;      // warning byte
    double innerMarker = 0;
    double middleMarker = 0;
    double outerMarker = 0;
    double locNeedle = 0;  // -128..127
    double gsNeedle = 0;   // -128..127
    double gsAlive = 0;
    double autobrake = 0;
    double lastAirVerticalSpeedFpm = 0;  // frozen on the ground
    double referenceHeightFt = 5;        // reference point above the ground when standing
    std::string aircraftTitle;           // at most 255 characters

    std::array<TrafficAircraft, 40> traffic{};

    // Moves everything on by `seconds`.
    void advance(double seconds);

    // Writes every value into the offset table in the simulator's encodings.
    void writeTo(OffsetTable& table) const;
};

// The named quantity of `set` and `ramp`, or nullptr for an unknown name.
double* Quantity(FlightState& state, const std::string& name);
// The values a named quantity may take (the offsets' encodings hold all of them).
std::pair<double, double> QuantityRange(const std::string& name);

// Fills the traffic slots with the aircraft nearest to the state's own position, nearest first;
// the slots left over are emptied. For the bridges, whose simulators list traffic in any order.
void PlaceNearestTraffic(std::vector<TrafficAircraft> aircraft, FlightState& state);

// Writes one traffic slot (0..39) in the slot encoding; id 0 empties it.
void WriteTrafficSlot(OffsetTable& table, int slot, const TrafficAircraft& aircraft);

}  // namespace flenmark::simhost
