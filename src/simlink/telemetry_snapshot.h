#pragma once

#include <cstdint>
#include <string>

namespace flenmark {

// The aircraft state of the current tick. Texts are ready for the log files, written with
// the system decimal separator; the rest are small numbers and flags.
struct TelemetrySnapshot {
    std::string LatText;        // degrees, north positive
    std::string LonText;        // degrees, east positive
    std::string AltText;        // whole feet above mean sea level
    std::string GndSpdText;     // knots
    std::string HDGText;        // true heading, 0 <= value < 360
    int16_t OnGround = 0;       // 1 on the ground
    std::string VSText;         // feet per minute, climb positive
    std::string AltAGLText;     // feet above ground, never negative
    std::string LastAirVSText;  // whole feet per minute: the touchdown rate
    std::string GearText;       // "1" when fully down
    int16_t FlapsPct = 0;       // 0..100
    int16_t Spoilers = 0;       // 1 past half travel
    double IAS = 0;             // knots
    double TAS = 0;             // knots
    int16_t Tailhook = 0;
    int16_t Overspeed = 0;
    int16_t Stall = 0;
    int16_t InnerMarker = 0;
    int16_t MiddleMarker = 0;
    int16_t OuterMarker = 0;
    bool LocCaptured = false;
    int16_t GSNeedle = 0;
    int16_t GSState = 0;  // 0 below the band, 1 inside, 2 above
    bool GSAlive = false;
    int16_t Autobrake = 0;
    float GroundOffset = 0;  // feet: reference point above the ground while standing on it
    std::string AircraftTitle{};  // the simulator's name of the aircraft, "" when it gives none
};

// The snapshot fields as they were at the end of the previous connected tick.
struct PreviousTick {
    int16_t OnGround = 0;
    int16_t Spoilers = 0;
    int16_t Tailhook = 0;
    int16_t Overspeed = 0;
    int16_t Stall = 0;
    int16_t InnerMarker = 0;
    int16_t MiddleMarker = 0;
    int16_t OuterMarker = 0;
    bool LocCaptured = false;
    int16_t GSState = 0;
    bool GSAlive = false;
    int16_t GSNeedle = 0;
    std::string HDGText;
    std::string GndSpdText;
    std::string LatText;
    std::string LonText;
    std::string AltText;
    std::string VSText;
    // The copies hold a reading of the link's current run. Before the first reading, and after
    // the link was lost, there is nothing to compare a reading with: it reports no event.
    bool HasReading = false;
};

}  // namespace flenmark
