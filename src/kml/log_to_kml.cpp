#include "kml/log_to_kml.h"

#include "base/number_text.h"
#include "base/text_files.h"
#include "kml/animated_kml.h"
#include "kml/kml_values.h"
#include "kml/log_lines.h"
#include "kml/point_placemarks.h"
#include "kml/track_folder.h"

namespace flenmark {
namespace {

UsableLines ReadLogLines(const std::string& path) {
    const auto text = ReadWholeFile(path);
    if (!text) throw ConversionFault("cannot read the log");
    UsableLines usable = ReadUsableLines(*text, LineLayout::Log);
    if (usable.lines.empty()) throw ConversionFault("the log has no usable line");
    return usable;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

}  // namespace

FlightDocumentReport WriteFlightDocument(const FlightDocumentInput& input, std::ostream& out) {
    const KmlTemplateSet& t = input.templates;
    const UsableLines log = ReadLogLines(input.logPath);
    FlightDocumentReport report;
    report.damagedLines = log.damaged;
    out << FillPlaceholder(t[Kml::Head], "NAME", XmlText(input.documentName));
    out << TrackFolder(t, log.lines);
    out << PointPlacemarksFolder(t, log.lines, false);
    // The replay of this flight lies beside its log, wherever that log is kept.
    std::string replay;
    report.replayLeftOut =
        !BuildAnimatedKml(t, input.settings, FolderOf(input.logPath), replay, report.damagedLines);
    out << replay << t[Kml::End] << "\r\n";
    return report;
}

std::string DamagedLinesMessage(size_t damagedLines) {
    return "Flight converted; " + std::to_string(damagedLines) + " damaged line" +
           (damagedLines == 1 ? "" : "s") + " left out.";
}

}  // namespace flenmark
