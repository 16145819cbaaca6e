#include "app/flights_view.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <tuple>

namespace flenmark {
namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Distance(double nm) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f NM", nm);
    return buffer;
}

FlightRow RowOf(const LogbookEntry& e, size_t index) {
    const FlightSummary& f = e.flight;
    FlightRow r{index,
                FlightDateText(f.startUtc),
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

// The value a column sorts by, text or number; flights without a touchdown sort before the
// hardest landing.
using SortKey = std::tuple<std::string, double, std::string>;
SortKey KeyOf(const FlightSummary& f, FlightColumn column) {
    const double rate = f.landingRateFpm ? static_cast<double>(*f.landingRateFpm) : -1e18;
    const std::pair<std::string, double> keys[] = {{"", 0},
                                                   {f.departure, 0},
                                                   {f.arrival, 0},
                                                   {f.aircraft, 0},
                                                   {"", static_cast<double>(f.blockTimeS)},
                                                   {"", static_cast<double>(f.airTimeS)},
                                                   {"", f.distanceNm},
                                                   {"", rate}};
    const auto& [text, number] = keys[static_cast<size_t>(column)];
    return {text, number, f.startUtc};
}

}  // namespace

std::string HoursMinutes(long long seconds) {
    const long long minutes = std::max(0LL, seconds) / 60;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld", minutes / 60, minutes % 60);
    return buffer;
}

std::string FlightDateText(const std::string& utc) {
    return utc.size() >= 16 ? utc.substr(0, 10) + " " + utc.substr(11, 5) : utc;
}

std::string TotalsText(const FlightTotals& t) {
    return std::to_string(t.flights) + (t.flights == 1 ? " flight, " : " flights, ") +
           t.blockHours + " block hours, " + t.airHours + " air hours, " +
           std::to_string(t.landings) + (t.landings == 1 ? " landing" : " landings");
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
    std::vector<std::pair<SortKey, FlightRow>> keyed;
    keyed.reserve(view.rows.size());
    for (FlightRow& row : view.rows)
        keyed.emplace_back(KeyOf(entries[row.entry].flight, column), std::move(row));
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
        return ascending ? a.first < b.first : b.first < a.first;
    });
    view.rows.clear();
    for (auto& [key, row] : keyed) view.rows.push_back(std::move(row));
    view.totals.flights = view.rows.size();
    view.totals.blockHours = HoursMinutes(block);
    view.totals.airHours = HoursMinutes(air);
    return view;
}

}  // namespace flenmark
