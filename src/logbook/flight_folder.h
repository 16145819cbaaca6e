#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace flenmark {

// Where the data folder's three logs ended when a flight began: the flight is what follows.
struct FlightStart {
    uintmax_t log = 0, animation = 0, traffic = 0;  // bytes
};

// The present lengths of "Flightlog.txt", "Animation.txt" and "Traffic.txt" (0 when missing).
FlightStart MarkFlightStart(const std::string& dataFolder);

// Keeps the flight that began at `start`: what each log holds since then, copied into a folder of
// the saved tracks folder, `folderName` when given (a flight kept before and resumed since), or
// "Flight " + its first stamp (yyyy-mm-dd hh.mm, a number added when taken), with
// "Aircraft.txt" holding `aircraft` when not empty. The data folder's logs stay as they are.
// Returns the folder's name; nullopt when the flight has no line or could not be kept.
std::optional<std::string> KeepFlight(const std::string& dataFolder, const std::string& filesFolder,
                                      const FlightStart& start, const std::string& folderName,
                                      const std::string& aircraft);

}  // namespace flenmark
