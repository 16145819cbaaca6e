#pragma once

#include "platform/folders.h"

namespace flenmark {

// Folders after the XDG base directory and user-dirs conventions.
class XdgFolders final : public Folders {
  public:
    std::string applicationDataRoot() const override;
    std::string documentsRoot() const override;
    std::string programFolder() const override;
};

// The XDG_DOCUMENTS_DIR entry of a user-dirs.dirs text, with $HOME expanded;
// empty when the text has none.
std::string DocumentsDirFromUserDirs(const std::string& userDirsText, const std::string& home);

}  // namespace flenmark
