#pragma once

#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "kml/kml_values.h"
#include "kml/spill.h"

namespace flenmark {

// The "Flight path (time)" folder: the flight as native time tracks (gx:Track), one of the own
// aircraft and one per traffic aircraft, so a viewer's time slider plays it smoothly and can
// show its elevation profile. The own track takes the replay's frames, or the log's lines when
// the flight was not animated.
class TimeTracks {
  public:
    void logLine(const std::string& line) { add(log_, LogFields(line), true); }
    void frame(const std::string& line) { add(frames_, LogFields(line), true); }
    void trafficLine(const LogFields& line);
    // `replayMade`: the frames and the traffic came whole; otherwise only the log's track.
    void writeTo(std::ostream& out, bool replayMade);

  private:
    // The three lists of one track, kept aside: times, positions, headings.
    struct Track {
        Track() : when(kBuffer), coord(kBuffer), angles(kBuffer) {}
        Spill when, coord, angles;
        size_t points = 0;
        std::string lastStamp;  // a second written twice is one point
        std::string name;       // a traffic aircraft's callsign, or its id without one
    };
    static constexpr size_t kBuffer = 8 << 10;

    static void add(Track& track, const LogFields& f, bool own);
    static void writeTrack(std::ostream& out, const std::string& name, const char* style,
                           Track& track, bool angles);

    Track log_, frames_;
    std::map<std::string, std::unique_ptr<Track>> traffic_;  // by the aircraft's id
    std::string text_;
};

}  // namespace flenmark
