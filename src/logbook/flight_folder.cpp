#include "logbook/flight_folder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/os_files.h"
#include "base/text_files.h"
#include "base/utf8_path.h"
#include "recorder/flight_archive.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

uintmax_t Length(const std::string& path) {
    std::error_code ec;
    const uintmax_t n = fs::file_size(PathOf(path), ec);
    return ec ? 0 : n;
}

// Where the flight's part of a log begins: `offset`, or the start when the log has become
// shorter (emptied since).
uintmax_t PartStart(const std::string& path, uintmax_t offset) {
    return Length(path) < offset ? 0 : offset;
}

// Up to `most` bytes of the log from `offset` on: enough to name the flight and to see that it
// holds a line.
std::string HeadFrom(const std::string& path, uintmax_t offset, size_t most) {
    std::ifstream in(PathOf(path), std::ios::binary);
    in.seekg(static_cast<std::streamoff>(PartStart(path, offset)));
    std::string head(most, '\0');
    in.read(head.data(), static_cast<std::streamsize>(most));
    head.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}

// Copies the file from `offset` on into `to` in blocks, written aside and renamed: a ten-hour
// flight's traffic log never sits in memory. True as well when there is nothing to copy.
bool CopyFrom(const std::string& from, uintmax_t offset, const std::string& to) {
    offset = PartStart(from, offset);
    if (Length(from) <= offset) return true;
    std::ifstream in(PathOf(from), std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    const std::string part = to + ".part";
    std::ofstream out(PathOf(part), std::ios::binary | std::ios::trunc);
    std::vector<char> block(64 * 1024);
    while (in && out) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        out.write(block.data(), in.gcount());
    }
    out.close();
    if (in.bad() || !out || !os::RenameReplacing(part, to)) {
        os::RemoveFile(part);
        return false;
    }
    return true;
}

}  // namespace

FlightStart MarkFlightStart(const std::string& dataFolder) {
    return {Length(dataFolder + "Flightlog.txt"), Length(dataFolder + "Animation.txt"),
            Length(dataFolder + "Traffic.txt")};
}

std::optional<std::string> KeepFlight(const std::string& dataFolder, const std::string& filesFolder,
                                      const FlightStart& start, const std::string& folderName,
                                      const std::string& aircraft) {
    const std::string head = HeadFrom(dataFolder + "Flightlog.txt", start.log, 4096);
    if (head.find_first_not_of("\r\n") == std::string::npos) return std::nullopt;
    std::string name = folderName;
    if (name.empty()) {
        const std::string stamp = FirstStampName(SplitLines(head));
        name = FreeName(filesFolder, "Flight" + (stamp.empty() ? "" : " " + stamp));
    }
    const std::string folder = filesFolder + name + "/";
    if (!CreateFolders(folder)) return std::nullopt;
    const std::pair<const char*, uintmax_t> logs[] = {{"Flightlog.txt", start.log},
                                                      {"Animation.txt", start.animation},
                                                      {"Traffic.txt", start.traffic}};
    for (const auto& [file, offset] : logs)
        if (!CopyFrom(dataFolder + file, offset, folder + file)) return std::nullopt;
    if (!aircraft.empty() && !WriteFileAtomically(folder + "Aircraft.txt", aircraft + "\r\n"))
        return std::nullopt;
    return name;
}

}  // namespace flenmark
