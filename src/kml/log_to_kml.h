#pragma once

#include <string>

namespace flenmark {

struct Program;

// Turns a flight log into a KML document: the track, the event placemarks with the flight
// data dots and, in ordinary mode, the animated replay; in realtime mode the live aircraft,
// its predicted path and the traffic, and the camera document beside it. The documents are
// replaced whole or not at all. False (after "Not able to convert flightlog") on failure.
bool ConvertLogToKml(Program& program, const std::string& logPath, const std::string& kmlPath,
                     const std::string& documentName, bool realtime, const std::string& cameraPath);

}  // namespace flenmark
