#pragma once

#include <optional>
#include <string>
#include <vector>

#include "logbook/flight_summary.h"

namespace flenmark {

// One flight of the logbook: its summary and the folder its logs are kept in.
struct LogbookEntry {
    std::string folder;  // full path, ending with "/"
    FlightSummary flight;
};

// The folders of the saved tracks folder that keep a flight (they hold a "Flightlog.txt"), each
// ending with "/": the recorded flights first, then the older unsaved logs ("Unsaved flight ..."),
// each group by name.
std::vector<std::string> KeptFlightFolders(const std::string& filesFolder);

// The summary of the flight kept in `folder` (its "Flightlog.txt", and "Aircraft.txt" when the
// simulator named the aircraft); nullopt when its log cannot be read.
std::optional<LogbookEntry> ReadKeptFlight(const std::string& folder, const AirportIndex* airports);

}  // namespace flenmark
