#include "logbook/kept_flights.h"

#include <algorithm>
#include <filesystem>

#include "base/text_files.h"
#include "base/utf8_path.h"

namespace flenmark {

std::vector<std::string> KeptFlightFolders(const std::string& filesFolder) {
    namespace fs = std::filesystem;
    std::vector<std::string> recorded, unsaved;
    std::error_code ec;
    for (fs::directory_iterator it(PathOf(filesFolder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!it->is_directory(ec) || !fs::is_regular_file(it->path() / "Flightlog.txt", ec))
            continue;
        const std::string name = TextOf(it->path().filename());
        (name.rfind("Unsaved flight", 0) == 0 ? unsaved : recorded)
            .push_back(TextOf(it->path()) + "/");
    }
    std::sort(recorded.begin(), recorded.end());
    std::sort(unsaved.begin(), unsaved.end());
    recorded.insert(recorded.end(), unsaved.begin(), unsaved.end());
    return recorded;
}

std::optional<LogbookEntry> ReadKeptFlight(const std::string& folder,
                                           const AirportIndex* airports) {
    auto summary = SummarizeLog(folder + "Flightlog.txt", airports);
    if (!summary) return std::nullopt;
    if (const auto title = ReadWholeFile(folder + "Aircraft.txt"))
        summary->aircraft = title->substr(0, title->find_first_of("\r\n"));
    return LogbookEntry{folder, std::move(*summary)};
}

}  // namespace flenmark
