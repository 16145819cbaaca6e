#include "app/flights_view.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <tuple>

namespace flenmark {
namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string DateText(const std::string& utc) {
    // "2009-07-12T14:35:07Z" -> "2009-07-12 14:35"
    return utc.size() >= 16 ? utc.substr(0, 10) + " " + utc.substr(11, 5) : utc;
}

std::string Distance(double nm) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f NM", nm);
    return buffer;
}

FlightRow RowOf(const LogbookEntry& e, size_t index) {
    const FlightSummary& f = e.flight;
    FlightRow r{index,
                DateText(f.startUtc),
                f.departure,
                f.arrival,
                f.aircraft,
                HoursMinutes(f.blockTimeS),
                HoursMinutes(f.airTimeS),
                Distance(f.distanceNm),
                ""};
    if (f.landingRateFpm)
        r.landing = std::to_string(*f.landingRateFpm) + " ft/min " + f.landingRating;
    return r;
}

bool Matches(const LogbookEntry& e, const FlightRow& r, const std::string& needle) {
    if (needle.empty()) return true;
    const FlightSummary& f = e.flight;
    for (const std::string* text :
         {&r.date, &r.from, &r.to, &r.aircraft, &f.departureName, &f.arrivalName, &r.landing})
        if (Lower(*text).find(needle) != std::string::npos) return true;
    return false;
}

// Compares two flights by a column's value, then by their start.
bool Before(const FlightSummary& a, const FlightSummary& b, FlightColumn column) {
    const auto rate = [](const FlightSummary& f) { return f.landingRateFpm.value_or(-1000000); };
    switch (column) {
        case FlightColumn::Date:
            break;
        case FlightColumn::From:
            return std::tie(a.departure, a.startUtc) < std::tie(b.departure, b.startUtc);
        case FlightColumn::To:
            return std::tie(a.arrival, a.startUtc) < std::tie(b.arrival, b.startUtc);
        case FlightColumn::Aircraft:
            return std::tie(a.aircraft, a.startUtc) < std::tie(b.aircraft, b.startUtc);
        case FlightColumn::BlockTime:
            return std::tie(a.blockTimeS, a.startUtc) < std::tie(b.blockTimeS, b.startUtc);
        case FlightColumn::AirTime:
            return std::tie(a.airTimeS, a.startUtc) < std::tie(b.airTimeS, b.startUtc);
        case FlightColumn::Distance:
            return std::tie(a.distanceNm, a.startUtc) < std::tie(b.distanceNm, b.startUtc);
        case FlightColumn::Landing:
            return std::make_tuple(rate(a), a.startUtc) < std::make_tuple(rate(b), b.startUtc);
    }
    return a.startUtc < b.startUtc;
}

}  // namespace

std::string HoursMinutes(long long seconds) {
    const long long minutes = std::max(0LL, seconds) / 60;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld", minutes / 60, minutes % 60);
    return buffer;
}

FlightsView MakeFlightsView(const std::vector<LogbookEntry>& entries, const std::string& filter,
                            FlightColumn column, bool ascending) {
    FlightsView view;
    const std::string needle = Lower(filter);
    long long block = 0, air = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        FlightRow row = RowOf(entries[i], i);
        if (!Matches(entries[i], row, needle)) continue;
        const FlightSummary& f = entries[i].flight;
        block += f.blockTimeS;
        air += f.airTimeS;
        view.totals.landings += f.touchdowns;
        view.rows.push_back(std::move(row));
    }
    std::stable_sort(view.rows.begin(), view.rows.end(),
                     [&](const FlightRow& a, const FlightRow& b) {
                         const FlightSummary& fa = entries[a.entry].flight;
                         const FlightSummary& fb = entries[b.entry].flight;
                         return ascending ? Before(fa, fb, column) : Before(fb, fa, column);
                     });
    view.totals.flights = view.rows.size();
    view.totals.blockHours = HoursMinutes(block);
    view.totals.airHours = HoursMinutes(air);
    return view;
}

}  // namespace flenmark
