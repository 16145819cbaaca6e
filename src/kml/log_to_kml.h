#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "base/settings.h"
#include "kml/kml_templates.h"

namespace flenmark {

// A flight log to turn into a KML document, and what it is made with.
struct FlightDocumentInput {
    std::string logPath;  // the replay's "Animation.txt" and "Traffic.txt" lie beside it
    std::string documentName;
    const KmlTemplateSet& templates;
    const Settings& settings;  // the look-ahead of predicted paths, the camera range on the ground
};

// How the conversion of a flight went.
struct FlightDocumentReport {
    size_t damagedLines = 0;     // lines of the three logs left out
    bool replayLeftOut = false;  // the replay could not be built: the document holds the rest
    std::string replayProblem;   // why, when it was left out
    bool trafficTracksCut = false;  // more traffic aircraft than get a time track
};

// Writes the document of a flight to `out` as it is made: the track, the event placemarks with
// the flight-data dots and the animated replay, ending with CR LF. Throws ConversionFault or
// TemplateError when the log cannot be converted at all (no usable line, a template without a
// word it fills); what was written by then is not a document.
FlightDocumentReport WriteFlightDocument(const FlightDocumentInput& input, std::ostream& out);

// "Flight converted; 2 damaged lines left out."
std::string DamagedLinesMessage(size_t damagedLines);

}  // namespace flenmark
