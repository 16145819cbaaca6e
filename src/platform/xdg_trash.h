#pragma once

#include <string>

#include "base/date_time.h"

namespace flenmark {

// The user's trash as freedesktop.org's desktops keep it: "$XDG_DATA_HOME/Trash/" (or
// "~/.local/share/Trash/"), ending with "/"; "" when neither variable is set.
std::string HomeTrashFolder();

// Moves `path` into `trashFolder` as those desktops do: its entry in "files/" under a name
// not taken there yet, and beside it "info/NAME.trashinfo" with the original path and the
// `deletedLocal` time. Only within one file system (a rename); false, with nothing changed,
// otherwise or on any failure.
bool MoveToTrashFolder(const std::string& path, const std::string& trashFolder,
                       const DateTime& deletedLocal);

}  // namespace flenmark
