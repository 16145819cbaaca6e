#include "online/version_check.h"

#include "base/settings.h"
#include "base/text_files.h"
#include "online/downloads.h"
#include "online/embedded_version.h"
#include "online/vendor_address.h"
#include "platform/data_folders.h"
#include "platform/dialogs.h"
#include "platform/http.h"
#include "platform/shell.h"

namespace flenmark {
namespace {

// The first of the keys whose message is not empty.
std::string FirstOf(const VersionFile& f, std::initializer_list<const char*> keys) {
    for (const char* key : keys)
        if (!f.message(key).empty()) return f.message(key);
    return {};
}

void Show(const VersionCheckPlace& place, const std::string& message) {
    if (!message.empty()) place.dialogs.message("Message", message);
}

void ReplaceUpdater(const VersionCheckPlace& place, Http& http, const VersionFile& f) {
    const std::string updater = UpdaterPath(place.programFolder);
    if (!f.hasUpdater || f.updateVer <= EmbeddedVersion(updater)) return;
    const auto target =
        ResolveDownloadDestination(f.updaterDestination, place.programFolder, place.dataFolder);
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

std::string UpdaterPath(const std::string& programFolder) {
    return programFolder + "flenmark-updater" FLENMARK_EXE_SUFFIX;
}

bool CheckVersion(Http& http, const Settings& s, const VersionCheckPlace& place) {
    const auto text = http.fetch(VendorBaseUrl() + "/FlenmarkVersion.txt");
    const VersionFile f = text ? ParseVersionFile(*text) : VersionFile{};
    const bool packaged = place.updatesByPackageManager;
    const bool update = s.Update && !packaged;
    Show(place, GeneralMessage(f, update, s.MinUpdate));
    if (!packaged) ReplaceUpdater(place, http, f);
    const int required = s.MinUpdate && !packaged ? f.minVer : f.majVer;
    if (required <= OwnVersionNumber()) return false;
    if (packaged) {
        Show(place, kNewerVersionForPackage);
        return false;
    }
    Show(place, UpdateDueMessage(f, update, s.MinUpdate));
    if (!update) return false;
    const std::string updater = UpdaterPath(place.programFolder);
    if (!FileExists(updater) || !place.shell.startProgram(updater, {})) {
        place.dialogs.message(place.appTitle,
                              "The updater could not be found, please re-install the Flenmark.");
        return false;
    }
    return true;
}

}  // namespace flenmark
