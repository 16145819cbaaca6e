#pragma once

#include <optional>
#include <string>

#include "online/updater_run.h"
#include "platform/folders.h"

namespace flenmark {

// What an updater run needs from this installation: its folders, and the id its report
// carries (empty unless the user allows usage reports). Nothing when the folders cannot be
// found.
struct UpdaterSetup {
    UpdaterFolders folders;
    std::string reporter;
};
std::optional<UpdaterSetup> UpdaterSetupOf(const Folders& folders);

// The updater window's caption.
inline constexpr const char* kUpdaterTitle = "Flenmark Updater";

}  // namespace flenmark
