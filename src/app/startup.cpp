#include "app/startup.h"

#include "app/kml_template_file.h"
#include "app/logging_control.h"
#include "app/logging_labels.h"
#include "app/main_tick.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/program_port.h"
#include "app/settings_store.h"
#include "base/text_files.h"
#include "base/utc_time.h"
#include "kml/kml_templates.h"
#include "platform/data_folders.h"
#include "recorder/flight_archive.h"
#include "app/flight_keeping.h"
#include "recorder/flight_log.h"

namespace flenmark {
namespace {

template <class F>
void RunIfSet(const F& step) {
    if (step) step();
}

void ResetSessionState(Program& program) {
    program.VendorOnline =
        program.extensions.probeVendorOnline ? program.extensions.probeVendorOnline() : false;
    program.FirstMinimize = true;
    program.UsageReportPending = true;
    program.traffic.TCASRange = 20;
    program.traffic.TCASMode = 0;
    program.mainView.label9.text = ClockLabel(program.services.clock.utcNow());
    UpdateLoggingLabels(program, false, false, false);
    program.realtime.ChaseView = true;
    program.realtime.ViewFromRight = false;
    program.Logging = false;
}

// An old log is emptied at start, but its flight is kept among the saved tracks first; when it
// cannot be kept, the log is left as it is. The message to show, if any.
std::string KeepAndResetOldLog(Program& program, const std::string& dataFolder) {
    std::string filesFolder;
    try {
        filesFolder = FilesFolder(program.services.folders);
    } catch (const FolderError&) {
        return "Unable to keep your last flight, so the flight log was not emptied.";
    }
    const KeptFlight kept = KeepOldFlight(dataFolder, filesFolder);
    if (kept.result == KeptFlight::Result::Failed)
        return "Unable to keep your last flight, so the flight log was not emptied.";
    ResetLog(program, true);
    if (kept.result == KeptFlight::Result::NothingToKeep) return {};
    IndexKeptFlight(program, kept.name);
    return "Your last flight is kept in the saved tracks folder as \"" + kept.name + "\".";
}

}  // namespace

char DecimalSeparatorOf(const std::string& twoAndAHalf) {
    return twoAndAHalf.find(',') != std::string::npos ? ',' : '.';
}

bool StartUp(Program& program, const std::string& systemTwoAndAHalf) {
    // The separator is known before the settings are first written, so that the
    // settings file uses the system's number format from the start.
    program.DecimalSeparator = DecimalSeparatorOf(systemTwoAndAHalf);
    program.DecimalIsComma = program.DecimalSeparator == ',';
    ClearMessageLine(program);
    ResetSessionState(program);
    std::string dataFolder;
    try {
        dataFolder = DataFolder(program.services.folders);
    } catch (const FolderError& e) {
        program.services.dialogs.message(program.AppTitle, e.what());
        return false;
    }
    program.FlightLogPath = dataFolder + "Flightlog.txt";
    program.UpdatesByPackageManager = InstalledAsPackage(program.services.folders);
    CreateFolders(dataFolder);
    // One program at a time records into a data folder; the lock comes before anything in it
    // is touched.
    bool heldByAnother = false;
    if (!program.dataFolderLock)
        program.dataFolderLock = DataFolderLock::acquire(dataFolder, &heldByAnother);
    if (!program.dataFolderLock) {
        program.services.dialogs.message(program.AppTitle,
                                         DataFolderRefusal(dataFolder, heldByAnother));
        return false;
    }
    RemoveStaleTemporaries(dataFolder);
    EnsureSettingsFile(program);
    LoadSettings(program);
    RunIfSet(program.extensions.checkXPlane);
    RunIfSet(program.extensions.checkXPUIPCVersion);
    SaveSettings(program);
    LoadSettings(program);
    // What went wrong with the settings stays on the line after the greeting's place.
    const std::string settingsTrouble = program.mainView.label7.text;
    if (!LoadKmlTemplates(program)) return false;
    EnsureFileExists(program.FlightLogPath);
    CheckLogbook(program);
    std::string keptMessage;
    if (!LogIsRecent(program.FlightLogPath, program.services.clock))
        keptMessage = KeepAndResetOldLog(program, dataFolder);
    ShowMessage(program, settingsTrouble.empty() ? "Have fun using the " + program.AppTitle + "!"
                                                 : settingsTrouble);
    if (!keptMessage.empty()) ShowMessage(program, keptMessage);
    program.Realtime = false;
    MainWindowView& v = program.mainView;
    v.btnSetChase = v.btnSetLeft = v.btnSetRight = v.btnSetOverview = false;
    return true;
}

void CheckVersionAtStart(Program& program) {
    if (program.VendorOnline) RunIfSet(program.extensions.checkVersion);
}

void FinishStartUp(Program& program) {
    CheckVersionAtStart(program);
    if (!program.EndRequested) MainTick(program);
}

void FinishStartUp(ProgramPort& port) {
    port.post([](Program& program) { FinishStartUp(program); });
}

}  // namespace flenmark
