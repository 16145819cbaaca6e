#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "kml/kml_values.h"
#include "kml/spill.h"
#include "kml/track_store.h"

namespace flenmark {

// The "Flight path (time)" folder: the flight as native time tracks (gx:Track), one of the own
// aircraft and one per traffic aircraft, so a viewer's time slider plays it smoothly and can
// show its elevation profile. The own track takes the replay's frames, or the log's lines when
// the flight was not animated. The traffic's tracks share one store; beyond kMaxTrafficTracks
// aircraft the others get none, so memory stays bounded however many a flight met.
class TimeTracks {
  public:
    static constexpr size_t kMaxTrafficTracks = 10000;
    TimeTracks();

    void logLine(const std::string& line) { add(log_, LogFields(line), true); }
    void frame(const std::string& line) { add(frames_, LogFields(line), true); }
    void trafficLine(const LogFields& line);
    // `replayMade`: the frames and the traffic came whole; otherwise only the log's track.
    void writeTo(std::ostream& out, bool replayMade);
    // True when the flight met more traffic aircraft than get a time track.
    bool trafficCut() const { return trafficCut_; }

  private:
    // The lists of a track: times, positions, headings.
    enum List : size_t { kWhen, kCoord, kAngles, kLists };
    // Where a track's lists go: three spills of its own (the own aircraft's tracks), or its
    // number in the traffic's store.
    struct Track {
        std::unique_ptr<TrackStore> own;  // the own aircraft's: a store of one track
        size_t index = 0;
        size_t points = 0;
        std::string lastStamp;  // a second written twice is one point
        std::string name;       // a traffic aircraft's callsign, or its id without one
    };

    void add(Track& track, const LogFields& f, bool own);
    TrackStore& storeOf(Track& track) { return track.own ? *track.own : traffic_; }
    void writeTrack(std::ostream& out, const std::string& name, const char* style, Track& track);

    Track log_, frames_;
    TrackStore traffic_{kLists};
    std::map<std::string, Track> trafficTracks_;  // by the aircraft's id
    bool trafficCut_ = false;
    std::string text_;
};

}  // namespace flenmark
