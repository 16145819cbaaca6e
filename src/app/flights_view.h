#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "logbook/kept_flights.h"

namespace flenmark {

// The flights window's columns, in their order.
enum class FlightColumn { Date, From, To, Aircraft, BlockTime, AirTime, Distance, Landing };

// One row of the flights table, as it is shown.
struct FlightRow {
    size_t entry = 0;  // its flight in the entries the view was made of
    std::string date;  // "2009-07-12 14:35" (UTC)
    std::string from;  // "EHAM"
    std::string to;    // "EHAM"
    std::string aircraft;
    std::string blockTime;  // "0:09"
    std::string airTime;    // "0:06"
    std::string distance;   // "12.3 NM"
    std::string landing;    // "-312 ft/min Hard", "" without a touchdown
};

// What the table's foot says of the rows shown.
struct FlightTotals {
    size_t flights = 0;
    std::string blockHours;  // "12:34"
    std::string airHours;
    long long landings = 0;  // touchdowns
};

struct FlightsView {
    std::vector<FlightRow> rows;
    FlightTotals totals;
};

// The rows of the flights whose texts (codes and names of the airports included) hold `filter`
// (any case), sorted by `column` (by its value, not its text; ties by date).
FlightsView MakeFlightsView(const std::vector<LogbookEntry>& entries, const std::string& filter,
                            FlightColumn column, bool ascending);

// "3 flights, 2:45 block hours, 2:15 air hours, 3 landings".
std::string TotalsText(const FlightTotals& totals);

// "2009-07-12 14:35" of "2009-07-12T14:35:07Z".
std::string FlightDateText(const std::string& startUtc);

// "1:05" of seconds: hours and minutes.
std::string HoursMinutes(long long seconds);

}  // namespace flenmark
