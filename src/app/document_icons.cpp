#include "app/document_icons.h"

#include <filesystem>

#include "base/text_files.h"
#include "base/utf8_path.h"
#include "platform/data_folders.h"

namespace flenmark {

namespace fs = std::filesystem;

std::string ProgramIconsFolder(const Folders& folders) {
    const auto found = FindResource(folders, "icons");
    return found ? *found + "/" : ProgramFolder(folders) + "icons/";
}

bool PlaceDocumentIcons(const Folders& folders, const std::string& folder) {
    std::error_code ec;
    const std::string target = folder + "icons/";
    bool ok = true;
    for (const auto& entry : fs::directory_iterator(PathOf(ProgramIconsFolder(folders)), ec)) {
        if (entry.path().extension() != ".png") continue;
        const std::string copy = target + TextOf(entry.path().filename());
        std::error_code sizeError;
        if (fs::file_size(PathOf(copy), sizeError) == entry.file_size(ec) && !sizeError) continue;
        ok = CreateFolders(target) && CopyFileReplacing(TextOf(entry.path()), copy) && ok;
    }
    return ok && !ec;
}

}  // namespace flenmark
