#include "logbook/flight_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/text_files.h"
#include "recorder/flight_archive.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

uintmax_t Length(const std::string& path) {
    std::error_code ec;
    const uintmax_t n = fs::file_size(path, ec);
    return ec ? 0 : n;
}

// What the file holds from `offset` on; all of it when it has become shorter (emptied since).
std::optional<std::string> ReadFrom(const std::string& path, uintmax_t offset) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string();
    if (Length(path) < offset) offset = 0;
    in.seekg(static_cast<std::streamoff>(offset));
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return out.str();
}

}  // namespace

FlightStart MarkFlightStart(const std::string& dataFolder) {
    return {Length(dataFolder + "Flightlog.txt"), Length(dataFolder + "Animation.txt"),
            Length(dataFolder + "Traffic.txt")};
}

std::optional<std::string> KeepFlight(const std::string& dataFolder, const std::string& filesFolder,
                                      const FlightStart& start, const std::string& folderName,
                                      const std::string& aircraft) {
    const auto log = ReadFrom(dataFolder + "Flightlog.txt", start.log);
    if (!log || log->find_first_not_of("\r\n") == std::string::npos) return std::nullopt;
    std::string name = folderName;
    if (name.empty()) {
        const std::string stamp = FirstStampName(SplitLines(log->substr(0, 4096)));
        name = FreeName(filesFolder, "Flight" + (stamp.empty() ? "" : " " + stamp));
    }
    const std::string folder = filesFolder + name + "/";
    if (!CreateFolders(folder) || !WriteFileAtomically(folder + "Flightlog.txt", *log))
        return std::nullopt;
    const std::pair<const char*, uintmax_t> others[] = {{"Animation.txt", start.animation},
                                                        {"Traffic.txt", start.traffic}};
    for (const auto& [file, offset] : others) {
        const auto text = ReadFrom(dataFolder + file, offset);
        if (text && !text->empty() && !WriteFileAtomically(folder + file, *text))
            return std::nullopt;
    }
    if (!aircraft.empty() && !WriteFileAtomically(folder + "Aircraft.txt", aircraft + "\r\n"))
        return std::nullopt;
    return name;
}

}  // namespace flenmark
