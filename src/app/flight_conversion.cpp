#include "app/flight_conversion.h"

#include "app/document_icons.h"
#include "app/messages.h"
#include "app/program.h"
#include "base/atomic_file_writer.h"
#include "base/number_text.h"
#include "base/os_files.h"
#include "base/text_files.h"
#include "exports/kmz_package.h"
#include "kml/log_to_kml.h"
#include "kml/time_tracks.h"
#include "realtime/realtime_conversion.h"
#include "realtime/realtime_history.h"

namespace flenmark {

namespace {

// The folder a document is written into, where its icons go.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

FlightDocumentReport WriteKml(Program& program, const std::string& logPath,
                              const std::string& kmlPath, const std::string& documentName) {
    AtomicFileWriter file(kmlPath);
    if (!file.isOpen()) throw ConversionFault("cannot write " + kmlPath);
    const FlightDocumentReport report = WriteFlightDocument(
        {logPath, documentName, program.kmlTemplates, program.settings}, file.stream());
    if (!file.commit()) throw ConversionFault("cannot write " + kmlPath);
    return report;
}

// A KML document with its icons beside it, or a KMZ holding both.
FlightDocumentReport WriteDocument(Program& program, const std::string& logPath,
                                   const std::string& outPath, const std::string& documentName) {
    const Folders& folders = program.services.folders;
    if (!IsKmzPath(outPath)) {
        const FlightDocumentReport report = WriteKml(program, logPath, outPath, documentName);
        PlaceDocumentIcons(folders, FolderOf(outPath));
        return report;
    }
    const std::string kml = outPath + ".kml.tmp" + std::to_string(os::ProcessId());
    const FlightDocumentReport report = WriteKml(program, logPath, kml, documentName);
    const bool packed = PackKmz(kml, ProgramIconsFolder(folders), outPath);
    RemoveFile(kml);
    if (!packed) throw ConversionFault("cannot write " + outPath);
    return report;
}

}  // namespace

std::string ReplayLeftOutMessage(const std::string& why) {
    return "Flight converted without its animated replay: " + why + ".";
}

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
            // Once a run, not every tick: the realtime files stay in their folders.
            if (!program.realtime.iconsPlaced)
                program.realtime.iconsPlaced =
                    PlaceDocumentIcons(program.services.folders, FolderOf(kmlPath)) &&
                    PlaceDocumentIcons(program.services.folders, RealtimeHistoryFolder(kmlPath));
            outcome.converted = true;
            return outcome;
        }
        const FlightDocumentReport report = WriteDocument(program, logPath, kmlPath, documentName);
        outcome = {true, report.damagedLines, {}, report.replayLeftOut};
        if (report.replayLeftOut)
            ShowMessage(program, ReplayLeftOutMessage(report.replayProblem));
        else if (report.trafficTracksCut)
            ShowMessage(program, "Flight converted; the time tracks show the first " +
                                     std::to_string(TimeTracks::kMaxTrafficTracks) +
                                     " traffic aircraft only.");
        else if (outcome.damagedLines > 0)
            ShowMessage(program, DamagedLinesMessage(outcome.damagedLines));
        return outcome;
    } catch (const std::exception& e) {
        outcome = {false, 0, e.what(), false};
    }
    ShowMessage(program, "Not able to convert flightlog");
    return outcome;
}

}  // namespace flenmark
