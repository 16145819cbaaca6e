#include "logbook/flight_folder_name.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/file_names.h"
#include "base/utf8_path.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

// The names Windows keeps for devices, whatever follows a dot.
bool IsDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
}

std::string_view Trimmed(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

}  // namespace

bool IsFlightFolderName(std::string_view name) {
    if (name.empty() || name.size() > 200 || name.back() == '.' || name.back() == ' ') return false;
    for (const unsigned char c : name)
        if (c < 0x20 || c == 0x7f ||
            std::string_view("<>:\"/\\|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
    return IsPlainFileName(name) && !IsDeviceName(name);
}

FlightRename RenameFlightFolder(const std::string& folder, const std::string& newName,
                                std::string& renamed) {
    const std::string_view name = Trimmed(newName);
    if (!IsFlightFolderName(name)) return FlightRename::NotAName;
    fs::path from = PathOf(folder);
    if (!from.has_filename()) from = from.parent_path();
    const fs::path to = from.parent_path() / PathOf(std::string(name));
    std::error_code ec;
    // A folder that differs only in case is this one on a system that ignores case.
    if (fs::exists(fs::symlink_status(to, ec)) && !fs::equivalent(from, to, ec))
        return FlightRename::Taken;
    fs::rename(from, to, ec);
    if (ec) return FlightRename::Failed;
    // Named as the folder was, with "/" (a path joined on Windows would hold a "\\").
    renamed = TextOf(from.parent_path()) + "/" + std::string(name) + "/";
    return FlightRename::Renamed;
}

}  // namespace flenmark
