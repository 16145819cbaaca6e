#include "kml/time_tracks.h"

#include <cmath>

#include "base/number_text.h"
#include "kml/kml_values.h"

namespace flenmark {
namespace {

// `<tag>` and the pieces and `</tag>`, made in `text`.
std::string_view Element(std::string& text, std::string_view tag,
                         std::initializer_list<std::string_view> parts) {
    text.assign("<").append(tag).append(">");
    for (std::string_view part : parts) text.append(part);
    text.append("</").append(tag).append(">");
    return text;
}

}  // namespace

// A line's position as gx:coord wants it (longitude, latitude, metres) and its heading as
// gx:angles does. "Traffic.txt" holds the latitude before the longitude and the heading turned
// by 180 degrees.
TimeTracks::TimeTracks() {
    for (Track* own : {&log_, &frames_}) {
        own->own = std::make_unique<TrackStore>(kLists, 1 << 20);
        own->own->addTrack();
    }
}

void TimeTracks::add(Track& track, const LogFields& f, bool own) {
    if (f[1] == track.lastStamp) return;
    track.lastStamp = f[1];
    TrackStore& store = storeOf(track);
    store.append(track.index, kWhen, Element(text_, "when", {StampDateTime(f[1])}));
    const std::string lon = KmlNumberOf(f[own ? 2 : 4]), lat = KmlNumberOf(f[3]);
    store.append(track.index, kCoord,
                 Element(text_, "gx:coord", {lon, " ", lat, " ", MetresText(f[own ? 4 : 5])}));
    if (own) {
        store.append(track.index, kAngles,
                     Element(text_, "gx:angles", {KmlCoordinate(f[12]), " 0 0"}));
    } else {
        const auto heading = ParseNumber(f[6]);
        if (!heading) throw ConversionFault("heading is not a number");
        store.append(track.index, kAngles,
                     Element(text_, "gx:angles",
                             {KmlDegrees(std::fmod(*heading + 180, 360)), " 0 0"}));
    }
    ++track.points;
}

void TimeTracks::trafficLine(const LogFields& f) {
    if (f[2].empty()) return;  // no object id: not an aircraft of its own
    auto found = trafficTracks_.find(f[2]);
    if (found == trafficTracks_.end()) {
        if (trafficTracks_.size() >= kMaxTrafficTracks) {
            trafficCut_ = true;
            return;
        }
        Track track;
        track.index = traffic_.addTrack();
        track.name = f[8].empty() ? f[2] : f[8];
        found = trafficTracks_.emplace(f[2], std::move(track)).first;
    }
    add(found->second, f, false);
}

void TimeTracks::writeTrack(std::ostream& out, const std::string& name, const char* style,
                            Track& track) {
    if (track.points == 0) return;
    out << "<Placemark><name>" << XmlText(name) << "</name><styleUrl>" << style
        << "</styleUrl><gx:Track><altitudeMode>absolute</altitudeMode>";
    TrackStore& store = storeOf(track);
    for (size_t list = kWhen; list < kLists; ++list) store.copyTo(out, track.index, list);
    out << "</gx:Track></Placemark>";
}

void TimeTracks::writeTo(std::ostream& out, bool replayMade) {
    out << "<Folder xmlns:gx=\"http://www.google.com/kml/ext/2.2\"><name>Flight path (time)</name>";
    const bool frames = replayMade && frames_.points > 0;
    writeTrack(out, "Your aircraft", "#air", frames ? frames_ : log_);
    if (replayMade)
        for (auto& [id, track] : trafficTracks_) writeTrack(out, track.name, "#tcasBlue", track);
    out << "</Folder>";
}

}  // namespace flenmark
