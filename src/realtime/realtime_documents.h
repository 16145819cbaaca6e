#pragma once

#include <string>

namespace flenmark {

struct Program;

// The camera document "RealtimeLocation.kml": a LookAt at the aircraft in the chosen mode and
// side, and the range it uses (the aircraft placemark shares it).
struct CameraView {
    std::string document;
    std::string range;
    std::string heading;
    std::string tilt;
};
CameraView BuildCameraDocument(const Program& program);

// The live part of "Realtime.kml": the aircraft, its predicted path, and, unless the TCAS
// mode is OFF, the traffic with predicted lines coloured by closeness.
std::string BuildRealtimeSection(Program& program, const std::string& cameraRange);

}  // namespace flenmark
