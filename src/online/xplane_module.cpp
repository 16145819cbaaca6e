#include "online/xplane_module.h"

#include "base/number_text.h"
#include "base/settings.h"
#include "online/downloads.h"
#include "online/vendor_address.h"
#include "platform/dialogs.h"
#include "platform/http.h"

namespace flenmark {

bool CheckXPlane(Settings& s, Dialogs& d, bool forceYes) {
    if (!forceYes) {
        if (!s.XPUIPC.empty() || s.XPlane) return false;  // asked before
        if (!d.askYesNo(
                "X-Plane?",
                "Thank you for downloading the Flenmark!!\r\n\r\nAre you planning to use the "
                "Flenmark with X-Plane (if you don't know what this means, click No)?")) {
            s.XPUIPC = "0";
            return false;
        }
    }
    s.XPlane = true;
    d.message("Locate plugins folder...",
              "You will now be asked to locate the X-Plane plugins folder, in this folder the "
              "essential XPUIPC module "
              "will be installed which allowes a connection between the Flenmark and "
              "X-Plane.\r\nThis folder is "
              "typically located at X-Plane/Resources/plugins.\r\n\r\nChoose that folder.");
    const auto folder = d.chooseFolder("Locate the X-Plane plugins folder...");
    if (!folder) return false;
    s.XPlanePath = *folder + (folder->empty() || folder->back() != '/' ? "/" : "");
    d.message(
        "Flenmark",
        "Thank you, the Flenmark will now download and install the most up-to-date version of the "
        "XPUIPC module.\r\n\r\nFor more information see the Manual.");
    return true;
}

std::string DisplayVersion(const std::string& version) {
    std::string out = "V";
    size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t dot = version.find('.', start);
        const std::string part = version.substr(start, dot - start);
        out += (i ? "." : "") + IntText(IntOf(NumericValue(part)));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return out;
}

bool CheckXPUIPCVersion(Settings& s, Http& http, Dialogs& dialogs) {
    if (s.XPlanePath.empty() || !s.XPlane) return false;
    auto fail = [&] {
        dialogs.message(
            "Flenmark",
            "Was not able to download and/or install new version of the XPUIPC module.");
        return false;
    };
    const auto remote = http.fetch(VendorBaseUrl() + "/XPUIPCVersion.txt");
    if (!remote) return fail();
    const std::string version = Trim(*remote);
    if (version.empty()) return false;
    if (s.XPUIPC == version) return false;
    const std::string report =
        s.XPUIPC.empty()
            ? "Updated from none to " + DisplayVersion(version) + "."
            : "Updated from " + DisplayVersion(s.XPUIPC) + " to " + DisplayVersion(version) + ".";
    if (!SaveDownload(http, VendorBaseUrl() + "/XPUIPC.txt", {s.XPlanePath, "XPUIPC.xpl"}, false,
                      kDownloadTimeoutMs) ||
        !SaveDownload(http, VendorBaseUrl() + "/XPUIPCOffsets.txt",
                      {s.XPlanePath, "XPUIPCOffsets.cfg"}, false, kDownloadTimeoutMs))
        return fail();
    s.XPUIPC = version;
    dialogs.message("Flenmark", "XPUIPC module update was successful.\r\n\r\n" + report);
    return true;
}

}  // namespace flenmark
