#include "app/online_steps.h"

#include "app/link_operations.h"
#include "app/program.h"
#include "app/settings_store.h"
#include "app/user_name.h"
#include "online/usage_report.h"
#include "online/version_check.h"
#include "online/xplane_module.h"
#include "platform/data_folders.h"

namespace flenmark {

void CheckVersion(Program& program, Http& http) {
    try {
        const Services& s = program.services;
        const VersionCheckPlace place{ProgramFolder(s.folders), DataFolder(s.folders),
                                      program.AppTitle, s.dialogs, s.shell};
        if (!CheckVersion(http, program.settings, place)) return;
        program.EndRequested = true;
        program.services.ui.quitProgram();
    } catch (const FolderError&) {
        // Without our folders there is nothing to update.
    }
}

void SendUsageReport(Program& program, Http& http) {
    SendUsageReport(http, GetUserName(program), program.services.clock.localNow(),
                    SimulatorName(program));
}

void CheckXPlane(Program& program, bool forceYes) {
    if (CheckXPlane(program.settings, program.services.dialogs, forceYes)) SaveSettings(program);
}

void CheckXPUIPCVersion(Program& program, Http& http) {
    if (CheckXPUIPCVersion(program.settings, http, program.services.dialogs)) SaveSettings(program);
}

}  // namespace flenmark
