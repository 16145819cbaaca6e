#include "app/flight_conversion.h"

#include "app/document_icons.h"
#include "app/messages.h"
#include "app/program.h"
#include "base/atomic_file_writer.h"
#include "base/number_text.h"
#include "kml/log_to_kml.h"
#include "realtime/realtime_conversion.h"

namespace flenmark {

namespace {

// The folder a document is written into, where its icons go.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

RealtimeScene SceneOf(Program& program) {
    return {program.kmlTemplates,
            program.settings,
            program.telemetry,
            program.prev.AltText,
            program.traffic,
            program.realtime.ChaseView,
            program.realtime.ViewFromRight,
            program.ProductWord,
            [&program](const std::string& text) { ShowMessage(program, text); }};
}

ConversionOutcome ConvertLogToKml(Program& program, const std::string& logPath,
                                  const std::string& kmlPath, const std::string& documentName,
                                  bool realtime, const std::string& cameraPath) {
    ConversionOutcome outcome;
    try {
        if (realtime) {
            WriteRealtimeDocuments(SceneOf(program), program.realtime.kml, logPath, kmlPath,
                                   documentName, cameraPath);
            PlaceDocumentIcons(program.services.folders, FolderOf(kmlPath));
            outcome.converted = true;
            return outcome;
        }
        AtomicFileWriter file(kmlPath);
        if (!file.isOpen()) throw ConversionFault("cannot write " + kmlPath);
        const FlightDocumentReport report = WriteFlightDocument(
            {logPath, documentName, program.kmlTemplates, program.settings}, file.stream());
        if (!file.commit()) throw ConversionFault("cannot write " + kmlPath);
        PlaceDocumentIcons(program.services.folders, FolderOf(kmlPath));
        if (report.replayLeftOut) ShowMessage(program, "Not able to convert flightlog");
        outcome = {true, report.damagedLines};
        if (outcome.damagedLines > 0)
            ShowMessage(program, DamagedLinesMessage(outcome.damagedLines));
        return outcome;
    } catch (const std::exception&) {
    }
    ShowMessage(program, "Not able to convert flightlog");
    return {};
}

}  // namespace flenmark
