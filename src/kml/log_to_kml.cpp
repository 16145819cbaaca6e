#include "kml/log_to_kml.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "base/geodesy.h"
#include "base/number_text.h"
#include "base/utf8_path.h"
#include "kml/animated_kml.h"
#include "kml/kml_values.h"
#include "kml/log_pass.h"
#include "kml/point_placemarks.h"
#include "kml/spill.h"
#include "kml/time_tracks.h"
#include "kml/track_folder.h"

namespace flenmark {
namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(PathOf(a), PathOf(b), ec);
}

// The smallest box around the flight, for the view the document opens with.
struct FlightBounds : GeoBox {
    void add(const LogFields& f) {
        const auto lon = ParseNumber(f[2]), lat = ParseNumber(f[3]);
        if (lon && lat) GeoBox::add(*lon, *lat);
    }
    // Looking straight down on the middle of the box from high enough to see all of it.
    std::string lookAt() const {
        if (empty()) return {};
        const double lat = (south + north) / 2, lon = (west + east) / 2;
        const double spanNm = GreatCircleDistanceNm(south, west, north, east, false);
        const double range = std::max(1000.0, spanNm * 1852 * 1.2);
        return "<LookAt><longitude>" + KmlNumber(lon) + "</longitude><latitude>" + KmlNumber(lat) +
               "</latitude><altitude>0</altitude><heading>0</heading><tilt>0</tilt><range>" +
               KmlNumber(std::round(range)) + "</range></LookAt>";
    }
};

// The document's opener with its first view: behind its name and the open flag, where KML
// wants a view; then the look of the replay's folders, before the template's own styles.
std::string HeadWithView(const std::string& head, const std::string& lookAt) {
    if (lookAt.empty()) return head;
    const size_t name = head.find("</name>");
    if (name == std::string::npos) return head;
    size_t at = name + 7;
    for (const char* next : {"<visibility>", "<open>"}) {
        if (head.compare(at, std::strlen(next), next) != 0) continue;
        const std::string close = "</" + std::string(next + 1);
        const size_t end = head.find(close, at);
        if (end == std::string::npos) return head;
        at = end + close.size();
    }
    return head.substr(0, at) + lookAt + kFrameFolderStyle + head.substr(at);
}

// The track and the placemarks of the log, made line by line into spills of their own.
struct LogSections {
    explicit LogSections(const KmlTemplateSet& t) : track(t), points(t, false) {}

    void add(const std::string& line, bool last) {
        bounds.add(LogFields(line));
        track.add(line);
        track.drainInto(text);
        trackSpill.take(text);
        points.add(line, last);
        points.drainInto(pointTexts);
        events.take(pointTexts.events);
        dots.take(pointTexts.dots);
    }

    TrackBuilder track;
    PointPlacemarksBuilder points;
    std::string text;
    PointPlacemarksBuilder::Texts pointTexts;
    Spill trackSpill, events, dots;
    FlightBounds bounds;
};

}  // namespace

FlightDocumentReport WriteFlightDocument(const FlightDocumentInput& input, std::ostream& out) {
    const KmlTemplateSet& t = input.templates;
    LogPass log(input.logPath);
    if (!log.opened()) throw ConversionFault("cannot read the log");
    LogSections sections(t);
    TimeTracks tracks;
    log.addConsumer([&](const std::string& line, bool last) {
        sections.add(line, last);
        tracks.logLine(line);
    });
    // The replay of this flight lies beside its log, wherever that log is kept; the log is read
    // once for both when it is the replay's own.
    const std::string folder = FolderOf(input.logPath);
    ReplayBuilder replay(t, input.settings, folder,
                         SameFile(input.logPath, folder + "Flightlog.txt") ? &log : nullptr,
                         tracks);
    replay.build();
    log.finish();
    replay.finish();
    if (log.lines() == 0) throw ConversionFault("the log has no usable line");
    // The parts whose templates may fail are made before anything is written.
    const std::string head =
        HeadWithView(FillPlaceholder(t[Kml::Head], "NAME", XmlText(input.documentName)),
                     sections.bounds.lookAt());
    const std::string trackOpener = sections.track.opener();
    const std::string trackRest = sections.track.rest(nullptr);
    const PointPlacemarksBuilder& points = sections.points;
    out << head << kTrackDataSchema << kPointDataSchema << trackOpener;
    sections.trackSpill.copyTo(out);
    out << trackRest;
    if (points.hasEvents({})) {  // a folder only when the log has events
        out << points.eventsOpener();
        sections.events.copyTo(out);
        if (points.hasDots({})) {
            out << points.dotsOpener();
            sections.dots.copyTo(out);
            out << t[Kml::FolderEnd];
        }
        out << t[Kml::FolderEnd];
    }
    replay.writeTo(out);
    tracks.writeTo(out, replay.wanted() && !replay.failed());
    out << t[Kml::End] << "\r\n";
    return {log.damaged() + (replay.failed() ? 0 : replay.damagedLines()), replay.failed(),
            replay.failure(), tracks.trafficCut()};
}

std::string DamagedLinesMessage(size_t damagedLines) {
    return "Flight converted; " + std::to_string(damagedLines) + " damaged line" +
           (damagedLines == 1 ? "" : "s") + " left out.";
}

}  // namespace flenmark
