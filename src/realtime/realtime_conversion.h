#pragma once

#include <string>

#include "realtime/realtime_documents.h"
#include "realtime/realtime_kml_cache.h"

namespace flenmark {

// The realtime mode's conversion: "Realtime.kml" from the realtime log and the present (the
// parts of the log kept between ticks in `cache`, the aircraft, its predicted path, the traffic)
// and the camera document beside it, each replaced whole. The finished part of the flight goes
// into the documents of the "RealtimeHistory" folder beside them, each written once, which
// "Realtime.kml" links. Throws ConversionFault or TemplateError.
void WriteRealtimeDocuments(const RealtimeScene& scene, RealtimeKmlCache& cache,
                            const std::string& logPath, const std::string& kmlPath,
                            const std::string& documentName, const std::string& cameraPath);

}  // namespace flenmark
