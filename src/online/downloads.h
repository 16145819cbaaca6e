#pragma once

#include <optional>
#include <string>

namespace flenmark {

// Where a downloaded file may go: the destination with "<app>" (the program folder) and
// "<user>" (the data folder) filled in and "\" read as "/", when it lies inside one of those
// two folders; nullopt for anything else (other absolute paths, ".." segments).
std::optional<std::string> ResolveDownloadDestination(const std::string& destination,
                                                      const std::string& programFolder,
                                                      const std::string& userFolder);

// Saves downloaded bytes beside the target and renames them over it, so a failed or empty
// download never leaves a truncated file. False (the target untouched) for empty bytes.
bool SaveDownload(const std::string& path, const std::string& bytes);

}  // namespace flenmark
