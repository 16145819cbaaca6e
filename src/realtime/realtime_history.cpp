#include "realtime/realtime_history.h"

#include <filesystem>
#include <vector>

#include "base/data_folder_lock.h"
#include "base/number_text.h"
#include "base/text_files.h"
#include "base/utf8_path.h"

namespace flenmark {
namespace {

constexpr const char* kFolderName = "RealtimeHistory";

// Each kind's documents: "Track.kml" lists "Track1.kml", "Track2.kml" and so on.
constexpr const char* kFileStem[] = {"Track", "Events", "FlightData"};
// What the lists show of them.
constexpr const char* kIndexName[] = {"Earlier track", "Earlier events", "Earlier flight data"};
constexpr const char* kPieceName[] = {"Track", "Events", "Flight data"};

std::string NetworkLink(std::string_view name, std::string_view href) {
    return "<NetworkLink><name>" + std::string(name) + "</name><Link><href>" + std::string(href) +
           "</href></Link></NetworkLink>";
}

void Write(const std::string& path, const std::vector<std::string_view>& parts) {
    if (!WriteFileAtomically(path, parts, Durability::Replaced))
        throw ConversionFault("cannot write " + path);
}

}  // namespace

std::string RealtimeHistoryFolder(const std::string& kmlPath) {
    const size_t slash = kmlPath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : kmlPath.substr(0, slash + 1);
    return folder + kFolderName + "/";
}

void RealtimeHistory::start(const KmlTemplateSet& t, const std::string& folder) {
    t_ = &t;
    folder_ = folder;
    pieces_ = {};
    changed_ = {};
    std::error_code ec;
    std::filesystem::create_directories(PathOf(folder), ec);
    if (!std::filesystem::is_directory(PathOf(folder), ec))
        throw ConversionFault("cannot make " + folder);
    // An earlier history's documents would be listed by no index: they go.
    for (const auto& entry : std::filesystem::directory_iterator(PathOf(folder), ec))
        if (entry.path().extension() == ".kml" && entry.is_regular_file(ec))
            std::filesystem::remove(entry.path(), ec);
    RemoveStaleTemporaries(folder);
}

void RealtimeHistory::add(Kind kind, std::string_view text) {
    if (text.empty()) return;
    const int number = ++pieces_[kind];
    const std::string name = std::string(kPieceName[kind]) + " " + std::to_string(number);
    const std::string head = FillPlaceholder((*t_)[Kml::Head], "NAME", name);
    Write(folder_ + kFileStem[kind] + std::to_string(number) + ".kml",
          {head, text, (*t_)[Kml::End], "\r\n"});
    changed_[kind] = true;
}

void RealtimeHistory::writeIndexes() {
    for (int kind = Track; kind <= Dots; ++kind) {
        if (!changed_[kind]) continue;
        std::string index =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><kml "
            "xmlns=\"http://www.opengis.net/kml/2.2\"><Document><name>" +
            std::string(kIndexName[kind]) + "</name>";
        for (int number = 1; number <= pieces_[kind]; ++number) {
            const std::string n = std::to_string(number);
            index += NetworkLink(std::string(kPieceName[kind]) + " " + n,
                                 std::string(kFileStem[kind]) + n + ".kml");
        }
        index += "</Document></kml>\r\n";
        Write(folder_ + kFileStem[kind] + ".kml", {index});
        changed_[kind] = false;
    }
}

std::string RealtimeHistory::link(Kind kind) const {
    if (pieces_[kind] == 0) return {};
    return NetworkLink(kIndexName[kind], std::string(kFolderName) + "/" + kFileStem[kind] + ".kml");
}

}  // namespace flenmark
