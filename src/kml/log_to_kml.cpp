#include "kml/log_to_kml.h"

#include "app/messages.h"
#include "app/number_text.h"
#include "app/program.h"
#include "app/text_files.h"
#include "kml/animated_kml.h"
#include "kml/kml_values.h"
#include "kml/log_lines.h"
#include "kml/point_placemarks.h"
#include "kml/track_folder.h"
#include "realtime/realtime_documents.h"

namespace flenmark {
namespace {

std::vector<std::string> ReadLogLines(const std::string& path) {
    const auto text = ReadWholeFile(path);
    if (!text) throw ConversionFault("cannot read the log");
    UsableLines usable = ReadUsableLines(*text, LineLayout::Log);
    if (usable.lines.empty()) throw ConversionFault("the log has no usable line");
    return std::move(usable.lines);
}

}  // namespace

namespace {

std::string OrdinaryDocument(Program& program, const std::string& logPath,
                             const std::string& documentName) {
    const KmlTemplateSet& t = program.kmlTemplates;
    const auto lines = ReadLogLines(logPath);
    std::string document = FillPlaceholder(t[Kml::Head], "NAME", XmlText(documentName));
    document += TrackFolder(t, lines);
    document += PointPlacemarksFolder(t, lines, false);
    BuildAnimatedKml(program, document);
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

bool ConvertLogToKml(Program& program, const std::string& logPath, const std::string& kmlPath,
                     const std::string& documentName, bool realtime,
                     const std::string& cameraPath) {
    try {
        if (realtime) {
            const CameraView view = BuildCameraDocument(program);
            WriteRealtimeDocument(program, logPath, kmlPath, documentName, view.range);
            if (!WriteFileAtomically(cameraPath, view.document + "\r\n", Durability::Replaced))
                throw ConversionFault("cannot write " + cameraPath);
            return true;
        }
        std::string document = OrdinaryDocument(program, logPath, documentName);
        document += program.kmlTemplates[Kml::End];
        document += "\r\n";
        if (!WriteFileAtomically(kmlPath, document, Durability::Replaced))
            throw ConversionFault("cannot write " + kmlPath);
        return true;
    } catch (const std::exception&) {
        ShowMessage(program, "Not able to convert flightlog");
        return false;
    }
}

}  // namespace flenmark
