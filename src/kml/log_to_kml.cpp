#include "kml/log_to_kml.h"

#include <filesystem>

#include "base/number_text.h"
#include "kml/animated_kml.h"
#include "kml/kml_values.h"
#include "kml/log_pass.h"
#include "kml/point_placemarks.h"
#include "kml/spill.h"
#include "kml/track_folder.h"

namespace flenmark {
namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

// The track and the placemarks of the log, made line by line into spills of their own.
struct LogSections {
    explicit LogSections(const KmlTemplateSet& t) : track(t), points(t, false) {}

    void add(const std::string& line, bool last) {
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
};

}  // namespace

FlightDocumentReport WriteFlightDocument(const FlightDocumentInput& input, std::ostream& out) {
    const KmlTemplateSet& t = input.templates;
    LogPass log(input.logPath);
    if (!log.opened()) throw ConversionFault("cannot read the log");
    LogSections sections(t);
    log.addConsumer([&](const std::string& line, bool last) { sections.add(line, last); });
    // The replay of this flight lies beside its log, wherever that log is kept; the log is read
    // once for both when it is the replay's own.
    const std::string folder = FolderOf(input.logPath);
    ReplayBuilder replay(t, input.settings, folder,
                         SameFile(input.logPath, folder + "Flightlog.txt") ? &log : nullptr);
    replay.build();
    log.finish();
    replay.finish();
    if (log.lines() == 0) throw ConversionFault("the log has no usable line");
    // The parts whose templates may fail are made before anything is written.
    const std::string head = FillPlaceholder(t[Kml::Head], "NAME", XmlText(input.documentName));
    const std::string trackOpener = sections.track.opener();
    const std::string trackRest = sections.track.rest(nullptr);
    std::vector<std::string_view> pointParts;
    sections.points.pieces({}, pointParts);
    out << head << trackOpener;
    sections.trackSpill.copyTo(out);
    out << trackRest;
    if (!pointParts.empty()) {  // a folder only when the log has events
        sections.events.copyTo(out);
        sections.dots.copyTo(out);
        for (std::string_view part : pointParts) out << part;  // the folders' ends: all else went
    }
    replay.writeTo(out);
    out << t[Kml::End] << "\r\n";
    return {log.damaged() + (replay.failed() ? 0 : replay.damagedLines()), replay.failed()};
}

std::string DamagedLinesMessage(size_t damagedLines) {
    return "Flight converted; " + std::to_string(damagedLines) + " damaged line" +
           (damagedLines == 1 ? "" : "s") + " left out.";
}

}  // namespace flenmark
