#include "kml/log_to_kml.h"

#include "app/messages.h"
#include "app/number_text.h"
#include "app/program.h"
#include "app/text_files.h"
#include "kml/animated_kml.h"
#include "kml/kml_values.h"
#include "kml/point_placemarks.h"
#include "kml/track_folder.h"
#include "realtime/realtime_documents.h"

namespace flenmark {
namespace {

std::vector<std::string> ReadLogLines(const std::string& path) {
    const auto text = ReadWholeFile(path);
    if (!text) throw ConversionFault("cannot read the log");
    std::vector<std::string> lines = SplitLines(*text);
    std::erase_if(lines, [](const std::string& l) { return l.empty(); });
    if (lines.empty()) throw ConversionFault("the log is empty");
    for (const std::string& line : lines)
        if (LogFields(line).count() < 12) throw ConversionFault("a log line is short");
    return lines;
}

}  // namespace

bool ConvertLogToKml(Program& program, const std::string& logPath, const std::string& kmlPath,
                     const std::string& documentName, bool realtime, const std::string& cameraPath) {
    try {
        const KmlTemplateSet& t = program.kmlTemplates;
        const auto lines = ReadLogLines(logPath);
        std::string document = FillPlaceholder(t[Kml::Head], "NAME", XmlText(documentName));
        document += TrackFolder(t, lines);
        std::string camera;
        if (realtime) {
            const CameraView view = BuildCameraDocument(program);
            camera = view.document;
            document += BuildRealtimeSection(program, view.range);
        }
        document += PointPlacemarksFolder(t, lines, realtime);
        if (!realtime) BuildAnimatedKml(program, document);
        document += t[Kml::End];
        document += "\r\n";
        if (!WriteFileAtomically(kmlPath, document, Durability::Replaced))
            throw ConversionFault("cannot write " + kmlPath);
        if (realtime && !WriteFileAtomically(cameraPath, camera + "\r\n", Durability::Replaced))
            throw ConversionFault("cannot write " + cameraPath);
        return true;
    } catch (const std::exception&) {
        ShowMessage(program, "Not able to convert flightlog");
        return false;
    }
}

}  // namespace flenmark
