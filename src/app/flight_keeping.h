#pragma once

#include <memory>
#include <optional>
#include <string>

#include "logbook/airports.h"
#include "logbook/flight_folder.h"
#include "logbook/flight_summary.h"
#include "logbook/logbook.h"

namespace flenmark {

struct Program;

// The flight being recorded: one recording run, from its start line to its stop line, a gap
// while the simulator was away (and logging resumed) included.
struct FlightInProgress {
    bool open = false;
    FlightStart start;       // where it began in the data folder's logs
    std::string folderName;  // once kept: its folder in the saved tracks folder
    std::string aircraft;    // the simulator's last title of the aircraft
    FlightTracker tracker;   // its lines so far
};

// A recording run begins: the lines from here on are the flight's.
void BeginFlight(Program& program);
// Takes a line appended to the log into the flight that runs.
void TakeFlightLine(Program& program, const std::string& line);
// The run ended: its logs are kept in a folder of the saved tracks folder and entered in the
// logbook. A run the simulator's loss interrupted (`mayResume`) stays open: when logging
// resumes, the flight goes on and is kept again in the same folder. Never fails the recording:
// a logbook that cannot be written gets the flight at its next rebuild.
void EndFlight(Program& program, bool mayResume);
// Enters the flight kept in the saved tracks folder's `folderName` (an unsaved flight).
void IndexKeptFlight(Program& program, const std::string& folderName);
// At start-up: a logbook that is missing or damaged is made again from the kept flights.
void CheckLogbook(Program& program);

// "Logbook.sqlite" of the data folder; nullptr when it cannot be opened.
std::unique_ptr<Logbook> OpenLogbook(Program& program);

// The airports, read once from "Airports.txt"; nullptr when it is missing.
const AirportIndex* Airports(Program& program);

}  // namespace flenmark
