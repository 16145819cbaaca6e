#pragma once

#include <string>
#include <vector>

#include "kml/kml_templates.h"

namespace flenmark {

struct Settings;

// The pieces of the animated replay, each built from the logs' lines.

// A folder "Special placemarks", left open for the caller to close: a pin for every logged
// event and a dot for every other line, each shown from its moment on.
std::string EventPlacemarksKml(const KmlTemplateSet& t, const std::vector<std::string>& logLines);

// The "History Path" folder: each pair of consecutive log lines as a two-point line shown
// from the later line's moment on, so the path grows behind the aircraft.
std::string HistoryPathKml(const KmlTemplateSet& t, const std::vector<std::string>& logLines);

// The traffic of "Traffic.txt" lines: for each aircraft in each frame a predicted-path line
// coloured by closeness and a placemark, both shown for the time of that frame. Lines that
// cannot be read are left out. Appended to `out`: the text runs to hundreds of megabytes.
void TrafficKml(const KmlTemplateSet& t, const Settings& settings,
                const std::vector<std::string>& trafficLines, std::string& out);

// The frames of the replay: for every "Animation.txt" line a folder holding the trail from
// the last logged point, the predicted path and the aircraft, shown from the previous frame
// to this one. Appended to `out`.
void AnimationFramesKml(const KmlTemplateSet& t, const Settings& settings,
                        const std::vector<std::string>& animationLines,
                        const std::vector<std::string>& logLines, std::string& out);

}  // namespace flenmark
