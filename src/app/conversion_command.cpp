#include "app/conversion_command.h"

#include <cstdio>

#include "app/document_icons.h"
#include "app/flight_conversion.h"
#include "app/logging_control.h"
#include "app/logging_labels.h"
#include "app/messages.h"
#include "app/program.h"
#include "base/file_names.h"
#include "base/text_files.h"
#include "exports/flight_export.h"
#include "exports/kmz_package.h"
#include "platform/data_folders.h"

namespace flenmark {
namespace {

void EndRecording(Program& program) {
    if (program.Logging) EndFlight(program, false);
    program.Logging = false;
    program.Animation = false;
    UpdateLoggingLabels(program, false, false, false);
    program.Realtime = false;
    MainWindowView& v = program.mainView;
    v.btnSetOverview = v.btnSetRight = v.btnSetLeft = v.btnSetChase = false;
    ForgetPreviousPosition(program);
}

}  // namespace

std::string SavedTrackStamp(const Program& program) {
    const DateTime t = program.services.clock.localNow();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d %02d.%02d", t.day, t.month, t.year % 10000,
                  t.hour, t.minute);
    return buffer;
}

void ConvertFlightLogCommand(Program& program) {
    const Folders& folders = program.services.folders;
    try {
        CreateFolders(FilesFolder(folders));
    } catch (const FolderError&) {
    }
    const auto answer = program.services.dialogs.askText(
        "File name",
        "The log will be saved to the saved tracks folder too, please supply the name. Leave blank "
        "for only the date and time.");
    if (!answer) return;
    try {
        const std::string data = DataFolder(folders);
        const std::string base = "Flightlog " + *answer + " " + SavedTrackStamp(program);
        // A name may not leave the saved tracks folder, nor hold what the system refuses.
        if (!IsPlainFileName(base)) throw FolderError("not a plain file name");
        const std::string logPath = data + "Flightlog.txt";
        if (!EnsureFileExists(logPath)) throw FolderError("no log");
        // The recording ends here: converted with its closing line.
        StopLogging(program);
        ShowMessage(program, "Converting flightlog...");
        program.services.ui.refresh();
        const ConversionOutcome converted =
            ConvertLogToKml(program, logPath, data + "Flightlog.kml", base, false, "");
        // A failed conversion saves nothing: the document beside the log is an older flight's.
        if (!converted) return EndRecording(program);
        const std::string copy = FilesFolder(folders) + base;
        bool ok = true;
        if (program.settings.Debuging) ok = CopyFileReplacing(logPath, copy + ".txt");
        // The saved copy: a KMZ holding its icons, or a KML with its icons beside it.
        const std::string saved = copy + (program.settings.SaveAsKMZ ? ".kmz" : ".kml");
        if (program.settings.SaveAsKMZ)
            ok = ok && PackKmz(data + "Flightlog.kml", ProgramIconsFolder(folders), saved);
        else
            ok = ok && CopyFileReplacing(data + "Flightlog.kml", saved) &&
                 PlaceDocumentIcons(folders, FilesFolder(folders));
        if (!ok) throw FolderError("copy failed");
        EndRecording(program);
        // Lines left out are worth the message line more than the usual words.
        if (converted.damagedLines == 0 && !converted.replayLeftOut)
            ShowMessage(program, "Tracklog converted and saved, opening Google Earth...");
        OpenOrTellWhere(program, saved, "the flight in Google Earth");
    } catch (const FolderError&) {
        ShowMessage(program, "Unable to save tracklog, try again with FS and GE off.");
    }
}

void ExportLogAsked(Program& program, const std::string& logPath, const std::string& folder,
                    const std::string& name) {
    auto path = program.services.dialogs.chooseSaveFile("Export flight", folder + name + ".gpx",
                                                        "GPX (*.gpx);;CSV (*.csv)");
    if (!path) return;
    if (!IsExportPath(*path)) *path += ".gpx";
    const ExportResult r = ExportFlight(logPath, *path, name);
    if (!r.exported) return ShowMessage(program, "Not able to export flightlog");
    ShowMessage(program, r.damagedLines == 0
                             ? "Flight exported."
                             : "Flight exported; " + std::to_string(r.damagedLines) +
                                   " damaged line" + (r.damagedLines == 1 ? "" : "s") +
                                   " left out.");
}

void ExportFlightCommand(Program& program) {
    const Folders& folders = program.services.folders;
    try {
        CreateFolders(FilesFolder(folders));
        const std::string name = "Flightlog " + SavedTrackStamp(program);
        ExportLogAsked(program, DataFolder(folders) + "Flightlog.txt", FilesFolder(folders), name);
    } catch (const FolderError&) {
        ShowMessage(program, "Not able to export flightlog");
    }
}

void OpenSavedTracksFolder(Program& program) {
    try {
        if (!OpenOrTellWhere(program, FilesFolder(program.services.folders),
                             "the saved tracks folder"))
            return;
    } catch (const FolderError&) {
    }
    ShowMessage(program, "Saves tracks folder opened.");
}

}  // namespace flenmark
