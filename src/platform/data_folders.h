#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/folders.h"

namespace flenmark {

// The program's data folder (Folders::dataFolder), ending with "/". Throws FolderError when
// the location cannot be found.
std::string DataFolder(const Folders& folders);

// The saved tracks folder under the user's documents, ending with "/".
std::string FilesFolder(const Folders& folders);

// The folder of the running program, ending with "/".
std::string ProgramFolder(const Folders& folders);

// Where the program's own files (templates, manual, icons) may be, in the order they are
// looked in, each ending with "/": beside the program (a build tree or an unpacked copy), then
// ../share/flenmark/ next to its folder (an installed program).
std::vector<std::string> ResourceFolders(const Folders& folders);

// The path of the program's own file or folder NAME: the first of ResourceFolders holding it.
std::optional<std::string> FindResource(const Folders& folders, const std::string& name);

// True when this copy was installed among the system's programs (its own files in
// ../share/flenmark/, none beside the program): the package manager that put it there, not
// the updater, replaces it.
bool InstalledAsPackage(const Folders& folders);

// "A or B": the places NAME was looked for, for a message that it is missing.
std::string ResourcePlaces(const Folders& folders, const std::string& name);

}  // namespace flenmark
