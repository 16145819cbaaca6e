#pragma once

#include <string>

#include "platform/folders.h"

namespace flenmark::cli {

// The user's folders, with the data folder the user chose (record --data-folder DIR).
class ChosenDataFolder final : public Folders {
  public:
    ChosenDataFolder(const Folders& folders, std::string dataFolder)
        : folders_(folders), dataFolder_(std::move(dataFolder)) {}
    std::string applicationDataRoot() const override { return folders_.applicationDataRoot(); }
    std::string documentsRoot() const override { return folders_.documentsRoot(); }
    std::string programFolder() const override { return folders_.programFolder(); }
    std::string dataFolder() const override { return dataFolder_; }

  private:
    const Folders& folders_;
    std::string dataFolder_;
};

}  // namespace flenmark::cli
