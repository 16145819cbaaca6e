#pragma once

#include <optional>
#include <string>

namespace flenmark {

class Http;

// How long one download may take.
inline constexpr int kDownloadTimeoutMs = 5 * 60 * 1000;

// Where a downloaded file goes: a trusted folder and a plain path below it.
struct DownloadTarget {
    std::string folder;    // the program or the data folder, ending with "/"
    std::string relative;  // "a/b/file": no "..", ".", empty parts or NUL
    std::string path() const { return folder + relative; }
};

// Where a downloaded file may go: the destination with "<app>" (the program folder) and
// "<user>" (the data folder) filled in and "\" read as "/", when it lies inside one of those
// two folders; nullopt for anything else (other absolute paths, ".." segments, a NUL).
std::optional<DownloadTarget> ResolveDownloadDestination(const std::string& destination,
                                                         const std::string& programFolder,
                                                         const std::string& userFolder);

// Downloads `url` into the target: streamed to a temporary file beside it, which replaces the
// target only when the download is complete and not empty. Folders on the way are made; none
// of them, nor the target, may be a symbolic link. False (the target untouched) on failure.
bool SaveDownload(Http& http, const std::string& url, const DownloadTarget& target, bool executable,
                  int timeoutMs);

}  // namespace flenmark
