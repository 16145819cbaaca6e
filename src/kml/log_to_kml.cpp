#include "kml/log_to_kml.h"

#include "app/messages.h"
#include "app/program.h"
#include "base/number_text.h"
#include "base/text_files.h"
#include "kml/animated_kml.h"
#include "kml/kml_values.h"
#include "kml/log_lines.h"
#include "kml/point_placemarks.h"
#include "kml/track_folder.h"
#include "realtime/realtime_documents.h"

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

namespace {

std::string OrdinaryDocument(Program& program, const std::string& logPath,
                             const std::string& documentName, size_t& damaged) {
    const KmlTemplateSet& t = program.kmlTemplates;
    const UsableLines log = ReadLogLines(logPath);
    damaged = log.damaged;
    std::string document = FillPlaceholder(t[Kml::Head], "NAME", XmlText(documentName));
    document += TrackFolder(t, log.lines);
    document += PointPlacemarksFolder(t, log.lines, false);
    // The replay of this flight lies beside its log, wherever that log is kept.
    BuildAnimatedKml(program, FolderOf(logPath), document, damaged);
    return document;
}

// The realtime document, written from the parts kept between ticks and the present.
void WriteRealtimeDocument(Program& program, const std::string& logPath, const std::string& kmlPath,
                           const std::string& documentName, const std::string& cameraRange) {
    const KmlTemplateSet& t = program.kmlTemplates;
    RealtimeKmlCache& cache = program.realtimeKml;
    cache.update(t, logPath);
    const std::string head = FillPlaceholder(t[Kml::Head], "NAME", XmlText(documentName));
    const std::string section = BuildRealtimeSection(program, cameraRange);
    std::vector<std::string_view> parts{head};
    cache.trackParts(parts);
    parts.push_back(section);
    cache.placemarkParts(parts);
    parts.insert(parts.end(), {t[Kml::End], "\r\n"});
    if (!WriteFileAtomically(kmlPath, parts, Durability::Replaced))
        throw ConversionFault("cannot write " + kmlPath);
}

}  // namespace

std::string DamagedLinesMessage(size_t damagedLines) {
    return "Flight converted; " + std::to_string(damagedLines) + " damaged line" +
           (damagedLines == 1 ? "" : "s") + " left out.";
}

ConversionOutcome ConvertLogToKml(Program& program, const std::string& logPath,
                                  const std::string& kmlPath, const std::string& documentName,
                                  bool realtime, const std::string& cameraPath) {
    ConversionOutcome outcome;
    try {
        if (realtime) {
            const CameraView view = BuildCameraDocument(program);
            WriteRealtimeDocument(program, logPath, kmlPath, documentName, view.range);
            if (!WriteFileAtomically(cameraPath, view.document + "\r\n", Durability::Replaced))
                throw ConversionFault("cannot write " + cameraPath);
            outcome.converted = true;
            return outcome;
        }
        std::string document =
            OrdinaryDocument(program, logPath, documentName, outcome.damagedLines);
        document += program.kmlTemplates[Kml::End];
        document += "\r\n";
        if (!WriteFileAtomically(kmlPath, document, Durability::Replaced))
            throw ConversionFault("cannot write " + kmlPath);
        outcome.converted = true;
        if (outcome.damagedLines > 0)
            ShowMessage(program, DamagedLinesMessage(outcome.damagedLines));
    } catch (const std::exception&) {
        ShowMessage(program, "Not able to convert flightlog");
        outcome = {};
    }
    return outcome;
}

}  // namespace flenmark
