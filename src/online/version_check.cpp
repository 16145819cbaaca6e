#include "online/version_check.h"

#include "platform/data_folders.h"
#include "app/program.h"
#include "base/text_files.h"
#include "online/downloads.h"
#include "online/embedded_version.h"
#include "online/vendor_address.h"
#include "platform/http.h"

namespace flenmark {
namespace {

// The first of the keys whose message is not empty.
std::string FirstOf(const VersionFile& f, std::initializer_list<const char*> keys) {
    for (const char* key : keys)
        if (!f.message(key).empty()) return f.message(key);
    return {};
}

void Show(Program& program, const std::string& message) {
    if (!message.empty()) program.services.dialogs.message("Message", message);
}

void ReplaceUpdater(Program& program, Http& http, const VersionFile& f) {
    const std::string updater = UpdaterPath(program);
    if (!f.hasUpdater || f.updateVer <= EmbeddedVersion(updater)) return;
    const auto target =
        ResolveDownloadDestination(f.updaterDestination, ProgramFolder(program.services.folders),
                                   DataFolder(program.services.folders));
    if (!target) return;  // a destination outside our folders is refused
    SaveDownload(http, VendorFileAddress(f.updaterAddress), *target, true, kDownloadTimeoutMs);
}

}  // namespace

std::string GeneralMessage(const VersionFile& f, bool update, bool minUpdate) {
    if (!f.message("MessageAll").empty()) return f.message("MessageAll");
    if (!update) return f.message("MessageNotUpdate");
    return FirstOf(f, {"MessageUpdateOn", minUpdate ? "MessageMinUpdate" : "MessageMajUpdate"});
}

std::string UpdateDueMessage(const VersionFile& f, bool update, bool minUpdate) {
    if (!f.message("MessageUAll").empty()) return f.message("MessageUAll");
    if (!update) return f.message("MessageUNotUpdate");
    return FirstOf(f, {"MessageUUpdateOn", minUpdate ? "MessageUMinUpdate" : "MessageUMajUpdate"});
}

std::string VendorFileAddress(const std::string& address) {
    if (address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0) return address;
    return VendorBaseUrl() + (address.rfind('/', 0) == 0 ? "" : "/") + address;
}

std::string UpdaterPath(const Program& program) {
    return ProgramFolder(program.services.folders) + "flenmark-updater";
}

void CheckVersion(Program& program, Http& http) {
    try {
        const auto text = http.fetch(VendorBaseUrl() + "/FlenmarkVersion.txt");
        const VersionFile f = text ? ParseVersionFile(*text) : VersionFile{};
        const Settings& s = program.settings;
        Show(program, GeneralMessage(f, s.Update, s.MinUpdate));
        ReplaceUpdater(program, http, f);
        const int required = s.MinUpdate ? f.minVer : f.majVer;
        if (required <= OwnVersionNumber()) return;
        Show(program, UpdateDueMessage(f, s.Update, s.MinUpdate));
        if (!s.Update) return;
        const std::string updater = UpdaterPath(program);
        if (!FileExists(updater) || !program.services.shell.startProgram(updater, {})) {
            program.services.dialogs.message(
                program.AppTitle,
                "The updater could not be found, please re-install the Flenmark.");
            return;
        }
        program.EndRequested = true;
        program.services.ui.quitProgram();
    } catch (const FolderError&) {
        // Without our folders there is nothing to update.
    }
}

}  // namespace flenmark
