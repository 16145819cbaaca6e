#pragma once

#include <stdexcept>
#include <string>

namespace flenmark {

// Raised when a folder's location cannot be found (no home folder, say).
class FolderError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Where the user's folders are. Paths end without a slash; each call looks them up anew.
class Folders {
  public:
    virtual ~Folders() = default;
    // The per-user application data root (the data folder lives below it).
    virtual std::string applicationDataRoot() const = 0;
    // The user's documents folder (the saved tracks folder lives below it).
    virtual std::string documentsRoot() const = 0;
    // The folder of the running program: templates, manual and updater live there.
    virtual std::string programFolder() const = 0;
    // The program's data folder (settings and logs): its own folder under the application data
    // root, unless the user chose another.
    virtual std::string dataFolder() const { return applicationDataRoot() + "/Flenmark"; }
};

}  // namespace flenmark
