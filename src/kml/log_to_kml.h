#pragma once

#include <string>

namespace flenmark {

struct Program;

// What became of a conversion: whether the document was written, and how many damaged lines
// of the log and of the animation and traffic logs beside it were left out.
struct ConversionOutcome {
    bool converted = false;
    size_t damagedLines = 0;
    explicit operator bool() const { return converted; }
};

// Turns a flight log into a KML document: the track, the event placemarks with the flight
// data dots and, in ordinary mode, the animated replay from the "Animation.txt" and
// "Traffic.txt" beside the log; in realtime mode the live aircraft, its predicted path and the
// traffic, and the camera document beside it. Damaged lines are left out ("Flight converted;
// 1 damaged line left out."); only a log without a usable line fails. The documents are
// replaced whole or not at all; "Not able to convert flightlog" on failure.
ConversionOutcome ConvertLogToKml(Program& program, const std::string& logPath,
                                  const std::string& kmlPath, const std::string& documentName,
                                  bool realtime, const std::string& cameraPath);

// "Flight converted; 2 damaged lines left out."
std::string DamagedLinesMessage(size_t damagedLines);

}  // namespace flenmark
