#include "exports/kmz_package.h"

#include <zip.h>

#include <cctype>
#include <filesystem>

#include "base/os_files.h"
#include "base/utf8_path.h"
#include "exports/flight_export.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

bool AddFile(zip_t* archive, const std::string& path, const std::string& name) {
    zip_source_t* source = zip_source_file(archive, path.c_str(), 0, -1);  // -1: to the end
    if (!source) return false;
    if (zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

}  // namespace

bool PackKmz(const std::string& kmlPath, const std::string& iconsFolder,
             const std::string& kmzPath) {
    const std::string temp = kmzPath + ".tmp" + std::to_string(os::ProcessId());
    int error = 0;
    zip_t* archive = zip_open(temp.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) return false;
    bool ok = AddFile(archive, kmlPath, "doc.kml");
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(PathOf(iconsFolder), ec)) {
        if (!ok || entry.path().extension() != ".png") continue;
        ok = AddFile(archive, TextOf(entry.path()), "icons/" + TextOf(entry.path().filename()));
    }
    if (!ok || ec) {
        zip_discard(archive);
        os::RemoveFile(temp);
        return false;
    }
    // The files are read when the archive is closed: only then is it complete.
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        os::RemoveFile(temp);
        return false;
    }
    if (!os::RenameReplacing(temp, kmzPath)) {
        os::RemoveFile(temp);
        return false;
    }
    return true;
}

}  // namespace flenmark
