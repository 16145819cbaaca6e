#include "platform/data_folders.h"

#include <filesystem>

#include "base/utf8_path.h"

namespace flenmark {

std::string DataFolder(const Folders& folders) {
    return folders.dataFolder() + "/";
}

std::string FilesFolder(const Folders& folders) {
    return folders.documentsRoot() + "/Flenmark files/";
}

std::string ProgramFolder(const Folders& folders) {
    return folders.programFolder() + "/";
}

std::vector<std::string> ResourceFolders(const Folders& folders) {
    const std::filesystem::path program = PathOf(folders.programFolder());
    return {TextOf(program) + "/",
            TextOf((program.parent_path() / "share" / "flenmark").lexically_normal()) + "/"};
}

std::optional<std::string> FindResource(const Folders& folders, const std::string& name) {
    for (const std::string& folder : ResourceFolders(folders)) {
        std::error_code ec;
        if (std::filesystem::exists(PathOf(folder + name), ec)) return folder + name;
    }
    return std::nullopt;
}

bool InstalledAsPackage(const Folders& folders) {
    const std::vector<std::string> places = ResourceFolders(folders);
    std::error_code ec;
    return !std::filesystem::exists(PathOf(places[0] + "KMLSettings.txt"), ec) &&
           std::filesystem::exists(PathOf(places[1] + "KMLSettings.txt"), ec);
}

std::string ResourcePlaces(const Folders& folders, const std::string& name) {
    std::string places;
    for (const std::string& folder : ResourceFolders(folders))
        places += (places.empty() ? "" : " or ") + folder + name;
    return places;
}

}  // namespace flenmark
