#pragma once

#include <string>

namespace flenmark {

struct Program;

// The realtime mode's conversion: "Realtime.kml" from the realtime log and the present (the
// parts of the log kept between ticks, the aircraft, its predicted path, the traffic) and the
// camera document beside it, each replaced whole. Throws ConversionFault or TemplateError.
void WriteRealtimeDocuments(Program& program, const std::string& logPath,
                            const std::string& kmlPath, const std::string& documentName,
                            const std::string& cameraPath);

}  // namespace flenmark
