#include "app/flight_summary_view.h"

#include <algorithm>
#include <cstdio>

#include "logbook/flight_summary.h"

namespace flenmark {
namespace {

const char* const kNone = "\u2014";

std::string Elapsed(int64_t seconds) {
    seconds = std::max<int64_t>(0, seconds);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld",
                  static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                  static_cast<long long>(seconds % 60));
    return buffer;
}

}  // namespace

std::vector<std::pair<const char*, std::string>> FlightSummaryRows(const FlightSummaryView& v) {
    const auto shown = [](const std::string& s) { return s.empty() ? std::string(kNone) : s; };
    return {{"Since take-off", shown(v.sinceTakeoff)},
            {"Distance flown", shown(v.distance)},
            {"Highest altitude", shown(v.highestAltitude)},
            {"Last landing", shown(v.lastLanding)},
            {"Departure", shown(v.departure)}};
}

FlightSummaryView SummaryViewOf(const FlightTracker& flight, const AirportIndex* airports,
                                int64_t nowEpochS) {
    if (flight.empty()) return {};
    // The airports of the flight so far: its departure is final once it is known.
    const FlightSummary f = flight.summary(airports);
    FlightSummaryView v;
    const auto takeoff = flight.takeoffEpochS();
    v.sinceTakeoff = takeoff ? Elapsed(nowEpochS - *takeoff) : kNone;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.1f NM", f.distanceNm);
    v.distance = buffer;
    v.highestAltitude = std::to_string(f.maxAltitudeFt) + " ft";
    v.lastLanding = f.landingRateFpm
                        ? std::to_string(*f.landingRateFpm) + " ft/min, " + f.landingRating
                        : kNone;
    v.departure = f.departure.empty() ? kNone : f.departure + " " + f.departureName;
    return v;
}

}  // namespace flenmark
