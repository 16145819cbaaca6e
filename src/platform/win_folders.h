#pragma once

#include "platform/folders.h"

namespace flenmark {

// The Windows folders: the roaming application data (%APPDATA%), the user's documents, and
// the folder of the program's executable.
class WinFolders final : public Folders {
  public:
    std::string applicationDataRoot() const override;
    std::string documentsRoot() const override;
    std::string programFolder() const override;
};

}  // namespace flenmark
