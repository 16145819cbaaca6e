#include "realtime/realtime_conversion.h"

#include "base/number_text.h"
#include "base/text_files.h"
#include "kml/kml_values.h"
#include "realtime/realtime_documents.h"
#include "realtime/realtime_history.h"

namespace flenmark {

void WriteRealtimeDocuments(const RealtimeScene& scene, RealtimeKmlCache& cache,
                            const std::string& logPath, const std::string& kmlPath,
                            const std::string& documentName, const std::string& cameraPath) {
    const CameraView view = BuildCameraDocument(scene);
    const KmlTemplateSet& t = scene.templates;
    cache.update(t, logPath, RealtimeHistoryFolder(kmlPath));
    const std::string head = FillPlaceholder(t[Kml::Head], "NAME", XmlText(documentName));
    const std::string section = BuildRealtimeSection(scene, view.range);
    std::vector<std::string_view> parts{head};
    cache.trackParts(parts);
    parts.push_back(section);
    cache.placemarkParts(parts);
    parts.insert(parts.end(), {t[Kml::End], "\r\n"});
    if (!WriteFileAtomically(kmlPath, parts, Durability::Replaced))
        throw ConversionFault("cannot write " + kmlPath);
    if (!WriteFileAtomically(cameraPath, view.document + "\r\n", Durability::Replaced))
        throw ConversionFault("cannot write " + cameraPath);
}

}  // namespace flenmark
