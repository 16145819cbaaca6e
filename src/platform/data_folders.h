#pragma once

#include <string>

#include "platform/folders.h"

namespace flenmark {

// The program's own folder under the user's application data, ending with "/".
// Throws FolderError when the location cannot be found.
std::string DataFolder(const Folders& folders);

// The saved tracks folder under the user's documents, ending with "/".
std::string FilesFolder(const Folders& folders);

// The folder of the running program, ending with "/".
std::string ProgramFolder(const Folders& folders);

}  // namespace flenmark
