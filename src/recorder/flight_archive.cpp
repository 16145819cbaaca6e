#include "recorder/flight_archive.h"

#include <filesystem>

#include "base/text_files.h"
#include "base/utf8_path.h"

namespace flenmark {
namespace fs = std::filesystem;

namespace {

bool IsStamp(const std::string& s) {
    return s.size() == 14 && s.find_first_not_of("0123456789") == std::string::npos;
}

constexpr size_t kLinesToName = 100;

// True when the log holds more than line ends: its first lines show it, or there are more of
// them than were read.
bool HoldsText(const std::vector<std::string>& firstLines, const std::string& path) {
    for (const std::string& line : firstLines)
        if (!line.empty()) return true;
    std::error_code ec;
    return firstLines.size() >= kLinesToName && fs::file_size(PathOf(path), ec) > 2 * kLinesToName;
}

// Renames, or copies and removes where the two folders lie on different file systems.
bool Move(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (!ec) return true;
    ec.clear();
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    return !ec && fs::remove(from, ec);
}

}  // namespace

std::string FirstStampName(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const std::string stamp = line.substr(0, line.find(':'));
        if (IsStamp(stamp))
            return stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " +
                   stamp.substr(8, 2) + "." + stamp.substr(10, 2);
    }
    return {};
}

std::string FreeName(const std::string& folder, const std::string& base) {
    std::string name = base;
    std::error_code ec;
    for (int n = 2; fs::exists(PathOf(folder + name), ec); ++n)
        name = base + " (" + std::to_string(n) + ")";
    return name;
}

KeptFlight KeepOldFlight(const std::string& dataFolder, const std::string& filesFolder) {
    // The log's beginning names the flight; its length plays no part.
    const auto lines = ReadLeadingLines(dataFolder + "Flightlog.txt", kLinesToName);
    if (!lines || !HoldsText(*lines, dataFolder + "Flightlog.txt")) return {};
    std::string stamp = FirstStampName(*lines);
    const std::string base = "Unsaved flight" + (stamp.empty() ? "" : " " + stamp);
    KeptFlight kept{KeptFlight::Result::Failed, FreeName(filesFolder, base)};
    std::error_code ec;
    const fs::path folder = PathOf(filesFolder + kept.name);
    fs::create_directories(folder, ec);
    if (ec) return kept;
    for (const char* name : {"Flightlog.txt", "Animation.txt", "Traffic.txt"}) {
        const fs::path from = PathOf(dataFolder + name);
        if (fs::exists(from, ec) && !Move(from, folder / name)) return kept;
    }
    kept.result = KeptFlight::Result::Kept;
    return kept;
}

}  // namespace flenmark
