#pragma once

#include <functional>
#include <string>

#include "base/settings.h"
#include "kml/kml_templates.h"
#include "simlink/ai_traffic.h"
#include "simlink/telemetry_snapshot.h"

namespace flenmark {

// What the realtime documents are made of: the templates, the settings and the present.
struct RealtimeScene {
    const KmlTemplateSet& templates;
    const Settings& settings;
    const TelemetrySnapshot& telemetry;
    const std::string& prevAltText;  // the altitude of the tick before, for the predicted climb
    const TrafficState& traffic;
    bool chaseView;
    bool viewFromRight;
    const std::string& productWord;
    // For a traffic row it cannot place ("Error in drawing TCAS table.").
    std::function<void(const std::string&)> showMessage;
};

// The camera document "RealtimeLocation.kml": a LookAt at the aircraft in the chosen mode and
// side, and the range it uses (the aircraft placemark shares it).
struct CameraView {
    std::string document;
    std::string range;
    std::string heading;
    std::string tilt;
};
CameraView BuildCameraDocument(const RealtimeScene& scene);

// The live part of "Realtime.kml": the aircraft, its predicted path, and, unless the TCAS
// mode is OFF, the traffic with predicted lines coloured by closeness.
std::string BuildRealtimeSection(const RealtimeScene& scene, const std::string& cameraRange);

}  // namespace flenmark
