#pragma once

#include <string>
#include <string_view>

namespace flenmark {

// What became of renaming a kept flight's folder.
enum class FlightRename {
    Renamed,
    NotAName,  // empty, or holding a path separator or a sign a file name may not hold
    Taken,     // another folder has that name
    Failed,    // the system refused (the folder is in use, say)
};

// True for a name a flight's folder may take on every system the saved tracks folder may be
// read on: no path separator, none of <>:"|?* nor control characters, no trailing dot or
// space, not "." or "..", nor a device name of Windows ("CON", "com1.txt").
bool IsFlightFolderName(std::string_view name);

// Renames the kept flight's `folder` (a full path ending with "/") to `newName` (surrounding
// spaces left out) in the same parent folder; `renamed` is then its new full path.
FlightRename RenameFlightFolder(const std::string& folder, const std::string& newName,
                                std::string& renamed);

}  // namespace flenmark
