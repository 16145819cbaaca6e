#include "app/updater_setup.h"

#include "app/settings_store.h"
#include "base/installation_id.h"
#include "platform/data_folders.h"

namespace flenmark {

std::optional<UpdaterSetup> UpdaterSetupOf(const Folders& folders) {
    UpdaterSetup setup;
    try {
        setup.folders = {ProgramFolder(folders), folders.applicationDataRoot() + "/Zolt/"};
    } catch (const FolderError&) {
        return std::nullopt;
    }
    try {
        const std::string data = DataFolder(folders);
        if (ReadSettingsFile(data + "Offsets.txt").UsageReports)
            setup.reporter = InstallationId(data);
    } catch (const FolderError&) {
    }
    return setup;
}

}  // namespace flenmark
