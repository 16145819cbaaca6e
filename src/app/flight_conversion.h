#pragma once

#include <cstddef>
#include <string>

#include "realtime/realtime_documents.h"

namespace flenmark {

struct Program;

// What became of a conversion: whether the document was written, and how many damaged lines
// of the log and of the animation and traffic logs beside it were left out.
struct ConversionOutcome {
    bool converted = false;
    size_t damagedLines = 0;
    std::string failure;  // why it was not converted
    bool replayLeftOut = false;
    explicit operator bool() const { return converted; }
};

// "Flight converted without its animated replay: <why>."
std::string ReplayLeftOutMessage(const std::string& why);

// The realtime documents' scene of the program's present.
RealtimeScene SceneOf(Program& program);

// Turns a flight log into a KML document: in ordinary mode the track, the placemarks and the
// animated replay from the logs beside it; in realtime mode the live document and the camera
// document. Damaged lines are left out ("Flight converted; 1 damaged line left out."); only a
// log without a usable line fails. Documents are replaced whole or not at all; "Not able to
// convert flightlog" on failure. A replay that cannot be made is left out, and the message says
// so and why.
ConversionOutcome ConvertLogToKml(Program& program, const std::string& logPath,
                                  const std::string& kmlPath, const std::string& documentName,
                                  bool realtime, const std::string& cameraPath);

}  // namespace flenmark
