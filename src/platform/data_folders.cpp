#include "platform/data_folders.h"

namespace flenmark {

std::string DataFolder(const Folders& folders) {
    return folders.applicationDataRoot() + "/Flenmark/";
}

std::string FilesFolder(const Folders& folders) {
    return folders.documentsRoot() + "/Flenmark files/";
}

std::string ProgramFolder(const Folders& folders) {
    return folders.programFolder() + "/";
}

}  // namespace flenmark
