#include "exports/gpx_export.h"

#include <algorithm>
#include <cmath>

#include "base/geodesy.h"
#include "base/number_text.h"
#include "kml/event_table.h"
#include "kml/kml_values.h"
#include "kml/point_placemarks.h"

namespace flenmark {
namespace {

// The opening of a point element: its position, height and time.
std::string PointElement(const char* tag, const LogFields& f) {
    return std::string("<") + tag + " lat=\"" + PlainField(f[3]) + "\" lon=\"" + PlainField(f[2]) +
           "\"><ele>" + MetresText(f[4]) + "</ele><time>" + StampDateTime(f[1]) + "</time>";
}

// Speed and course of a track point, through Garmin's track point extension (v2), which GPS
// programs and GIS readers know: speed in metres per second from the ground speed in knots,
// course in degrees from the heading.
std::string MotionExtension(const LogFields& f) {
    const auto knots = ParseNumber(f[11]), heading = ParseNumber(f[12]);
    if (!knots || !heading) return {};
    double course = std::fmod(*heading, 360);
    if (course < 0) course += 360;
    return "<extensions><gpxtpx:TrackPointExtension><gpxtpx:speed>" +
           PlainNumberText(std::max(0.0, *knots) * 1852 / 3600, '.', 6) +
           "</gpxtpx:speed><gpxtpx:course>" + PlainNumberText(course, '.', 6) +
           "</gpxtpx:course></gpxtpx:TrackPointExtension></extensions>";
}

// The box around every point and waypoint, and the flight's first time, for the metadata.
struct GpxExtent {
    GeoBox box;
    std::string firstStamp;

    void add(const LogFields& f) {
        const auto lat = ParseNumber(f[3]), lon = ParseNumber(f[2]);
        if (!lat || !lon) return;
        box.add(*lon, *lat);
        if (firstStamp.empty() || f[1] < firstStamp) firstStamp = f[1];
    }
    std::string metadata() const {
        if (box.empty()) return {};
        const auto n = [](double v) { return PlainNumberText(v, '.', 15); };
        return "<time>" + StampDateTime(firstStamp) + "</time><bounds minlat=\"" + n(box.south) +
               "\" minlon=\"" + n(box.west) + "\" maxlat=\"" + n(box.north) + "\" maxlon=\"" +
               n(box.east) + "\"/>";
    }
};

GpxExtent ExtentOf(const std::string& logPath) {
    GpxExtent extent;
    FlightPoints again{logPath};  // a pass of its own: the caller's counts its damaged lines once
    const auto take = [&](const std::string& line) { extent.add(LogFields(line)); };
    again.forEachPoint(take);
    again.forEachLogLine(take);
    return extent;
}

// The event text without the balloon's line breaks.
std::string PlainText(std::string text) {
    for (size_t at = text.find("<br>"); at != std::string::npos; at = text.find("<br>", at))
        text.replace(at, 4, " ");
    return XmlText(text);
}

}  // namespace

bool WriteGpx(FlightPoints& points, const std::string& name, std::ostream& out) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"Flenmark\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\" "
           "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
           "http://www.topografix.com/GPX/1/1/gpx.xsd "
           "http://www.garmin.com/xmlschemas/TrackPointExtension/v2 "
           "https://www8.garmin.com/xmlschemas/TrackPointExtensionv2.xsd\">\n"
           "<metadata><name>"
        << XmlText(name) << "</name>" << ExtentOf(points.logPath).metadata() << "</metadata>\n";
    size_t logLines = 0;
    const bool read = points.forEachLogLine([&](const std::string& line) {
        ++logLines;
        const LogFields f(line);
        const auto event = IsEventCode(f[6]) ? LookUpEvent(f[6], f[5] == "1") : std::nullopt;
        if (!event) return;
        out << PointElement("wpt", f) << "<name>" << XmlText(event->name) << "</name><desc>"
            << PlainText(event->description) << "</desc></wpt>\n";
    });
    if (!read || logLines == 0) return false;
    out << "<trk><name>" << XmlText(name) << "</name>\n";
    bool segmentOpen = false;
    std::string lastStamp;
    points.forEachPoint([&](const std::string& line) {
        const LogFields f(line);
        if (!segmentOpen || StartsRecordingRun(line)) {
            if (segmentOpen) out << "</trkseg>\n";
            out << "<trkseg>\n";
            segmentOpen = true;
        } else if (f[1] == lastStamp) {
            return;  // a second point of the same moment (a stop in the tick's second, say)
        }
        lastStamp = f[1];
        out << PointElement("trkpt", f) << MotionExtension(f) << "</trkpt>\n";
    });
    if (segmentOpen) out << "</trkseg>\n";
    out << "</trk>\n</gpx>\n";
    return true;
}

}  // namespace flenmark
