#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace flenmark {

class FlightTracker;
class AirportIndex;

// The main window's summary of the flight being recorded, beside its controls. Empty texts
// while nothing is recorded.
struct FlightSummaryView {
    std::string sinceTakeoff;     // "0:12:34", "—" before the take-off
    std::string distance;         // "12.3 NM"
    std::string highestAltitude;  // "3500 ft"
    std::string lastLanding;      // "-312 ft/min, Hard", "—" before the first touchdown
    std::string departure;        // "EHAM Amsterdam Airport Schiphol", "—" when not at one
};

// The summary's title and rows (caption, value) as the main window shows them; "—" for each
// value while nothing is recorded.
inline constexpr const char* kFlightSummaryTitle = "This flight";
std::vector<std::pair<const char*, std::string>> FlightSummaryRows(const FlightSummaryView& view);

// The summary of the flight so far at `nowEpochS` (seconds since 1970, UTC).
FlightSummaryView SummaryViewOf(const FlightTracker& flight, const AirportIndex* airports,
                                int64_t nowEpochS);

}  // namespace flenmark
