#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "logbook/airports.h"

namespace flenmark {

// What the logbook says of one flight, taken from its log.
struct FlightSummary {
    std::string startUtc;  // "2009-07-12T14:35:07Z"; empty for a log without a usable line
    std::string endUtc;
    int64_t blockTimeS = 0;  // first line to last
    int64_t airTimeS = 0;    // take-off (or an airborne start) to the last touchdown
    std::string departure;   // ICAO code of the airport at the first position on the ground
    std::string departureName;
    std::string arrival;  // ... at the last position on the ground
    std::string arrivalName;
    std::string aircraft;   // the simulator's aircraft title, where it says one
    double distanceNm = 0;  // along the log
    int64_t maxAltitudeFt = 0;
    std::optional<int64_t> landingRateFpm;  // of the last touchdown
    std::string landingRating;              // "Hard" (see TouchdownGrade)
    int64_t touchdowns = 0;                 // touch-and-goes and bounces each count
};

// A flight's summary built line by line, as the recorder writes them or as a kept log is read.
class FlightTracker {
  public:
    // Takes one line of a flight log; lines a converter could not use are left out.
    void add(std::string_view line);
    bool empty() const { return lines_ == 0; }
    // The summary, its airports the nearest with a runway within 5 km (when `airports`).
    FlightSummary summary(const AirportIndex* airports) const;

    // Seconds since 1970 (UTC) of the first take-off, when there was one.
    std::optional<int64_t> takeoffEpochS() const { return takeoffS_; }
    // ... of its last line.
    int64_t lastEpochS() const { return lastS_; }
    // The first position on the ground, latitude and longitude in degrees.
    std::optional<std::pair<double, double>> firstGround() const { return firstGround_; }

  private:
    int64_t lines_ = 0;
    int64_t firstS_ = 0, lastS_ = 0;
    std::optional<int64_t> takeoffS_, airborneFromS_, lastTouchdownS_;
    std::optional<std::pair<double, double>> lastPos_, firstGround_, lastGround_;
    bool lastOnGround_ = false;
    double distanceNm_ = 0;
    int64_t maxAltitudeFt_ = 0;
    std::optional<int64_t> landingRateFpm_;
    int64_t touchdowns_ = 0;
};

// The summary of a kept log file; nullopt when it cannot be read.
std::optional<FlightSummary> SummarizeLog(const std::string& logPath, const AirportIndex* airports);

// How close a position on the ground must be to an airport to be at it.
inline constexpr double kAirportRadiusKm = 5.0;

// "2009-07-12T14:35:07Z" of seconds since 1970.
std::string UtcText(int64_t epochS);

}  // namespace flenmark
