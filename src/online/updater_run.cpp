#include "online/updater_run.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "base/os_files.h"
#include "online/downloads.h"
#include "online/embedded_version.h"
#include "online/usage_report.h"
#include "online/vendor_address.h"
#include "online/version_check.h"
#include "online/version_file.h"
#include "platform/dialogs.h"
#include "platform/http.h"
#include "platform/shell.h"

namespace flenmark {
namespace {

std::string LocalDateTime() {
    const std::tm tm = os::LocalTime(std::time(nullptr));
    char text[64];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d %02d:%02d", tm.tm_mday % 100,
                  (tm.tm_mon + 1) % 100, (tm.tm_year + 1900) % 10000, tm.tm_hour % 100,
                  tm.tm_min % 100);
    return text;
}

std::string LastPart(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);
}

}  // namespace

std::string UpdaterReportExtra(int installed, int newest) {
    return "Flen " + DottedVersion(installed) + " - " + DottedVersion(newest);
}

UpdaterRun::UpdaterRun(Http& http, Shell& shell, Dialogs& dialogs, UpdaterFolders folders,
                       std::string userName, std::function<void()> refresh, int runLimitMs)
    : http_(http),
      shell_(shell),
      dialogs_(dialogs),
      folders_(std::move(folders)),
      userName_(std::move(userName)),
      refresh_(std::move(refresh)),
      deadline_(std::chrono::steady_clock::now() + std::chrono::milliseconds(runLimitMs)) {}

void UpdaterRun::show(const std::string& status, const std::string& file,
                      const std::string& progress) {
    view_ = {status, file, progress};
    if (refresh_) refresh_();
}

UpdaterRun::End UpdaterRun::run() {
    online_ = ProbeVendorOnline(http_);
    if (!online_) {
        dialogs_.message("Flenmark Updater", "Update failed, please try later.");
        return End::Offline;
    }
    show("Checking version...", "", "");
    const auto text = http_.fetch(VendorBaseUrl() + "/FlenmarkVersion.txt");
    if (text && !finished_) downloadFiles(*text);
    finish();
    return End::Finished;
}

void UpdaterRun::downloadFiles(const std::string& versionText) {
    const VersionFile f = ParseVersionFile(versionText);
    newest_ = f.minVer;
    installed_ = EmbeddedVersion(folders_.program + "flenmark" FLENMARK_EXE_SUFFIX);
    if (newest_ <= installed_) return;
    std::vector<UpdateFile> due;
    for (const UpdateFile& file : f.files)
        if (file.version > installed_ && file.version <= newest_) due.push_back(file);
    for (size_t k = 0; k < due.size() && !finished_; ++k) {
        // A destination outside our folders is refused: that step fails and the run goes on.
        const auto target =
            ResolveDownloadDestination(due[k].destination, folders_.program, folders_.user);
        if (!target) continue;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline_ - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;  // out of time: what is left waits for the next update
        show("Downloading file:", LastPart(target->relative) + "...",
             "File number " + std::to_string(k + 1) + " of " + std::to_string(due.size()) + ".");
        const auto limit = std::min<int64_t>(left.count(), kDownloadTimeoutMs);
        if (!SaveDownload(http_, VendorFileAddress(due[k].address), *target, false,
                          static_cast<int>(limit)))
            continue;
        show("Saving file:", view_.file, view_.progress);
    }
}

void UpdaterRun::finish() {
    if (finished_) return;
    finished_ = true;
    show("Finishing update...", "", "");
    if (online_ && !userName_.empty()) {  // an id only when the user allows usage reports
        http_.fetch(VendorBaseUrl() + UsageReportQuery("Updater", userName_, LocalDateTime(),
                                                       DottedVersion(OwnVersionNumber()), getOSV(),
                                                       UpdaterReportExtra(installed_, newest_)));
    }
    shell_.startProgram(folders_.program + "flenmark" FLENMARK_EXE_SUFFIX, {});
}

void UpdaterRun::cancel() {
    finish();
}

}  // namespace flenmark
