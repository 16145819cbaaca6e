// The vendor's version file: every download destination it names resolves inside its folder
// or not at all.
#include "fuzz_support.h"
#include "online/downloads.h"
#include "online/version_check.h"
#include "online/version_file.h"

namespace {

void CheckDestination(const std::string& destination) {
    using flenmark::fuzz::Require;
    const std::string program = "/opt/flenmark/", user = "/home/me/.local/share/Zolt/";
    const auto target = flenmark::ResolveDownloadDestination(destination, program, user);
    if (!target) return;
    Require(target->folder == program || target->folder == user, "a destination has our folder");
    const std::string& r = target->relative;
    Require(!r.empty() && r.front() != '/' && r.find('\0') == std::string::npos,
            "a destination is a plain path below its folder");
    Require(("/" + r + "/").find("/../") == std::string::npos &&
                ("/" + r + "/").find("/./") == std::string::npos &&
                r.find("//") == std::string::npos,
            "a destination has no dot or empty parts");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace flenmark;
    const VersionFile f = ParseVersionFile(std::string(reinterpret_cast<const char*>(data), size));
    for (bool update : {false, true})
        for (bool minor : {false, true}) {
            GeneralMessage(f, update, minor);
            UpdateDueMessage(f, update, minor);
        }
    if (f.hasUpdater) CheckDestination(f.updaterDestination);
    for (const UpdateFile& file : f.files) CheckDestination(file.destination);
    return 0;
}
