#include "kml/time_tracks.h"

#include <cmath>

#include "base/number_text.h"
#include "kml/kml_values.h"

namespace flenmark {
namespace {

// Appends `<tag>` and the pieces and `</tag>` to the spill, without a text made for the whole.
void AppendElement(Spill& spill, std::string_view tag,
                   std::initializer_list<std::string_view> parts) {
    spill.append("<");
    spill.append(tag);
    spill.append(">");
    for (std::string_view part : parts) spill.append(part);
    spill.append("</");
    spill.append(tag);
    spill.append(">");
}

}  // namespace

// A line's position as gx:coord wants it (longitude, latitude, metres) and its heading as
// gx:angles does. "Traffic.txt" holds the latitude before the longitude and the heading turned
// by 180 degrees.
void TimeTracks::add(Track& track, const LogFields& f, bool own) {
    if (f[1] == track.lastStamp) return;
    track.lastStamp = f[1];
    AppendElement(track.when, "when", {StampDateTime(f[1])});
    const std::string lon = KmlNumberOf(f[own ? 2 : 4]), lat = KmlNumberOf(f[3]);
    AppendElement(track.coord, "gx:coord", {lon, " ", lat, " ", MetresText(f[own ? 4 : 5])});
    if (own) {
        AppendElement(track.angles, "gx:angles", {KmlCoordinate(f[12]), " 0 0"});
    } else {
        const auto heading = ParseNumber(f[6]);
        if (!heading) throw ConversionFault("heading is not a number");
        AppendElement(track.angles, "gx:angles",
                      {KmlDegrees(std::fmod(*heading + 180, 360)), " 0 0"});
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
