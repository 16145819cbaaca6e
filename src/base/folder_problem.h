#pragma once

#include <optional>
#include <string>

#include "base/os_files.h"

namespace flenmark {

// What keeps this program from writing into `folder`, found by trying: a small file is made,
// written and removed again. nullopt when nothing does.
std::optional<os::FileProblem> FolderWriteProblem(const std::string& folder);

// A message that names the folder and the cause, for one that cannot be written:
// "The data folder /x/ is read-only.", "The disk of the data folder /x/ is full." and so on.
// `what` names the folder for the user in lower case ("the data folder").
std::string FolderProblemMessage(const std::string& what, const std::string& folder,
                                 os::FileProblem problem);

}  // namespace flenmark
