#include "exports/gpx_export.h"

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
           "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
           "<metadata><name>"
        << XmlText(name) << "</name></metadata>\n";
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
        out << PointElement("trkpt", f) << "</trkpt>\n";
    });
    if (segmentOpen) out << "</trkseg>\n";
    out << "</trk>\n</gpx>\n";
    return true;
}

}  // namespace flenmark
