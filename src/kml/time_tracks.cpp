#include "kml/time_tracks.h"

#include <cmath>

#include "base/number_text.h"
#include "kml/kml_values.h"

namespace flenmark {
namespace {

// A log or frame line's position as gx:coord wants it: longitude, latitude, metres.
std::string OwnCoord(const LogFields& f) {
    return KmlNumber(*ParseNumber(f[2])) + " " + KmlNumber(*ParseNumber(f[3])) + " " +
           MetresText(f[4]);
}

}  // namespace

void TimeTracks::add(Track& track, const LogFields& f, bool own) {
    if (f[1] == track.lastStamp) return;
    track.lastStamp = f[1];
    track.when.append("<when>" + StampDateTime(f[1]) + "</when>");
    if (own) {
        track.coord.append("<gx:coord>" + OwnCoord(f) + "</gx:coord>");
        track.angles.append("<gx:angles>" + KmlCoordinate(f[12]) + " 0 0</gx:angles>");
    } else {
        // "Traffic.txt": latitude before longitude, the heading turned by 180 degrees.
        track.coord.append("<gx:coord>" + KmlNumber(*ParseNumber(f[4])) + " " +
                           KmlNumber(*ParseNumber(f[3])) + " " + MetresText(f[5]) + "</gx:coord>");
        const double heading = std::fmod(*ParseNumber(f[6]) + 180, 360);
        track.angles.append("<gx:angles>" + KmlDegrees(heading) + " 0 0</gx:angles>");
    }
    ++track.points;
}

void TimeTracks::trafficLine(const LogFields& f) {
    if (f[2].empty()) return;  // no object id: not an aircraft of its own
    auto& track = traffic_[f[2]];
    if (!track) {
        track = std::make_unique<Track>();
        track->name = f[8].empty() ? f[2] : f[8];
    }
    add(*track, f, false);
}

void TimeTracks::writeTrack(std::ostream& out, const std::string& name, const char* style,
                            Track& track, bool angles) {
    if (track.points == 0) return;
    out << "<Placemark><name>" << XmlText(name) << "</name><styleUrl>" << style
        << "</styleUrl><gx:Track><altitudeMode>absolute</altitudeMode>";
    track.when.copyTo(out);
    track.coord.copyTo(out);
    if (angles) track.angles.copyTo(out);
    out << "</gx:Track></Placemark>";
}

void TimeTracks::writeTo(std::ostream& out, bool replayMade) {
    out << "<Folder xmlns:gx=\"http://www.google.com/kml/ext/2.2\"><name>Flight path (time)</name>";
    const bool frames = replayMade && frames_.points > 0;
    writeTrack(out, "Your aircraft", "#air", frames ? frames_ : log_, true);
    if (replayMade)
        for (auto& [id, track] : traffic_) writeTrack(out, track->name, "#tcasBlue", *track, true);
    out << "</Folder>";
}

}  // namespace flenmark
