#include "app/online_steps.h"

#include "app/link_operations.h"
#include "app/program.h"
#include "app/settings_store.h"
#include "base/installation_id.h"
#include "online/usage_report.h"
#include "online/version_check.h"
#include "online/xplane_module.h"
#include "platform/data_folders.h"

namespace flenmark {

void CheckVersion(Program& program, Http& http) {
    try {
        const Services& s = program.services;
        const VersionCheckPlace place{ProgramFolder(s.folders),
                                      DataFolder(s.folders),
                                      program.AppTitle,
                                      s.dialogs,
                                      s.shell,
                                      program.UpdatesByPackageManager};
        if (!CheckVersion(http, program.settings, place)) return;
        program.EndRequested = true;
        program.services.ui.quitProgram();
    } catch (const FolderError&) {
        // Without our folders there is nothing to update.
    }
}

// Only when the user allowed it, and with the installation's random id, never the user's name.
void SendUsageReport(Program& program, Http& http) {
    if (!program.settings.UsageReports) return;
    std::string id;
    try {
        id = InstallationId(DataFolder(program.services.folders));
    } catch (const FolderError&) {
    }
    SendUsageReport(http, id, program.services.clock.localNow(), SimulatorName(program));
}

void CheckXPlane(Program& program, bool forceYes) {
    if (CheckXPlane(program.settings, program.services.dialogs, forceYes)) SaveSettings(program);
}

void CheckXPUIPCVersion(Program& program, Http& http) {
    if (CheckXPUIPCVersion(program.settings, http, program.services.dialogs)) SaveSettings(program);
}

void ConnectOnlineServices(Program& program, Http& http) {
    Extensions& e = program.extensions;
    e.probeVendorOnline = [&http] { return ProbeVendorOnline(http); };
    e.checkXPlane = [&program] { CheckXPlane(program, false); };
    e.checkXPUIPCVersion = [&program, &http] { CheckXPUIPCVersion(program, http); };
    e.checkVersion = [&program, &http] { CheckVersion(program, http); };
    e.sendUsageReport = [&program, &http] { SendUsageReport(program, http); };
    e.browseXPlane = [&program, &http] {
        CheckXPlane(program, true);
        CheckXPUIPCVersion(program, http);
    };
}

}  // namespace flenmark
