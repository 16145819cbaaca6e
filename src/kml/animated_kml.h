#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "kml/log_pass.h"
#include "kml/replay_parts.h"
#include "kml/spill.h"
#include "kml/time_tracks.h"

namespace flenmark {

struct KmlTemplateSet;
struct Settings;

// The animated replay from "Animation.txt", "Flightlog.txt" and "Traffic.txt" of one folder:
// frames, event placemarks and history path, made as the files are read and kept aside until the
// document reaches its place, and the traffic, read as it is written. Damaged lines are left out
// and counted. A replay that cannot be made (no usable animation line, a log or template it
// cannot use) is left out whole.
class ReplayBuilder {
  public:
    // `folder` ends with "/". `flightLog` is the pass over the conversion's own log when it is
    // the folder's "Flightlog.txt"; otherwise the replay reads that file itself.
    // `tracks` takes the frames and the traffic lines as they are read.
    ReplayBuilder(const KmlTemplateSet& t, const Settings& settings, const std::string& folder,
                  LogPass* flightLog, TimeTracks& tracks);
    // False when the folder holds no "Animation.txt": the document has no replay.
    bool wanted() const { return wanted_; }
    // Makes the frames, walking along the log pass.
    void build();
    // Reads what is left of the replay's own log, if it has one.
    void finish();
    bool failed() const { return failed_; }
    // Why the replay was left out, when it was.
    const std::string& failure() const { return failure_; }
    size_t damagedLines() const { return damaged_; }
    // Writes the replay in its place in the document (nothing when wanted() is false), the
    // traffic as it is read; `tracks` takes its lines.
    void writeTo(std::ostream& out);

  private:
    void fail(const std::string& why);
    void logLine(const std::string& line);
    template <class Step>
    void guarded(Step step);
    std::string framesOpener(std::string& section);
    void writeTraffic(TrafficWriter& writer, std::ostream& out);

    const KmlTemplateSet& t_;
    const Settings& settings_;
    std::string folder_;
    bool wanted_ = false;
    bool failed_ = false;
    std::string failure_;
    bool traffic_ = false;
    size_t damaged_ = 0;
    std::unique_ptr<LogPass> ownLog_;
    LogPass* log_;
    TimeTracks& tracks_;
    EventPlacemarksWriter events_;
    HistoryPathWriter history_;
    std::string text_;  // what a step made, before it goes aside
    Spill frames_, eventsSpill_, historySpill_;
};

}  // namespace flenmark
