#pragma once

#include <set>
#include <string>
#include <vector>

#include "kml/kml_templates.h"
#include "kml/point_placemarks.h"

namespace flenmark {

struct Settings;

// The pieces of the animated replay. Each is made line by line into a text the caller moves
// on as it grows; the functions below make a whole piece from lines held in memory.

// The folder "Special placemarks", left open for the caller to close: a pin for every logged
// event and a dot for every other line, each shown from its moment on.
class EventPlacemarksWriter {
  public:
    explicit EventPlacemarksWriter(const KmlTemplateSet& t);
    void add(const std::string& line, std::string& out);

  private:
    const KmlTemplateSet& t_;
    PointPlacemarkWriter writer_;
    std::string previous_;
};
std::string EventPlacemarksKml(const KmlTemplateSet& t, const std::vector<std::string>& logLines);

// The "History Path" folder, left open: each pair of consecutive log lines as a two-point line
// shown from the later line's moment on, so the path grows behind the aircraft.
class HistoryPathWriter {
  public:
    explicit HistoryPathWriter(const KmlTemplateSet& t) : t_(t) {}
    void add(const std::string& line, std::string& out);

  private:
    const KmlTemplateSet& t_;
    std::string previous_;
    bool warning_ = false;
};
std::string HistoryPathKml(const KmlTemplateSet& t, const std::vector<std::string>& logLines);

// The traffic of "Traffic.txt" lines: for each aircraft in each second a predicted-path line
// coloured by closeness and a placemark, in a folder that carries their time: from that second
// until the next traffic second begins (when it follows within a few seconds), else that second
// alone. A second is held back until the next one gives its end; `finish` writes the last.
// Lines that cannot be read are left out.
class TrafficWriter {
  public:
    TrafficWriter(const KmlTemplateSet& t, const Settings& settings);
    void add(const std::string& line, std::string& out);
    void add(const LogFields& line, std::string& out);
    void finish(std::string& out);

  private:
    const KmlTemplateSet& t_;
    int lookAheadSeconds_;
    TemplateFiller pinFiller_;
    std::vector<TemplateFiller> openers_;  // the predicted path's, by closeness class
    void closeSecond(const std::string& end, std::string& out);

    std::string frameStamp_;  // the second held back, its aircraft and their placemarks
    std::set<std::string> frameAircraft_;
    std::string second_;
};
void TrafficKml(const KmlTemplateSet& t, const Settings& settings,
                const std::vector<std::string>& trafficLines, std::string& out);

// The log lines a frame's trail is drawn from: the last one before the frame (`start`, the
// log's last line or its only one possibly) and the one after it (`found`).
struct TrailLines {
    const std::string* start;
    const std::string* found;
    bool startIsLast;
};

// The frames of the replay: for every "Animation.txt" line a folder holding the trail from
// the last logged point, the predicted path and the aircraft, shown from its own second until
// the next frame begins. A frame is held back until the next one (or `finish`) gives its end.
class FrameWriter {
  public:
    FrameWriter(const KmlTemplateSet& t, const Settings& settings) : t_(t), settings_(settings) {}
    void add(const std::string& animationLine, const TrailLines& trail, std::string& out);
    // Writes the last frame, shown for its own second.
    void finish(std::string& out) { closeFrame({}, out); }

  private:
    void closeFrame(const std::string& next, std::string& out);

    const KmlTemplateSet& t_;
    const Settings& settings_;
    bool warning_ = false;
    std::string warningName_ = "Overspeed!!";
    std::string frameStamp_, frameBody_;  // the frame held back
};
void AnimationFramesKml(const KmlTemplateSet& t, const Settings& settings,
                        const std::vector<std::string>& animationLines,
                        const std::vector<std::string>& logLines, std::string& out);

}  // namespace flenmark
