#pragma once

#include <optional>
#include <string>

#include "base/os_files.h"

namespace flenmark {

// An exclusive lock on a data folder while a program records or converts into it. The system
// releases it when the process ends, however it ends.
class DataFolderLock {
  public:
    // nullopt when another process holds the folder, or when the lock file cannot be made
    // (a read-only, full or missing folder: `heldByAnother` tells which).
    static std::optional<DataFolderLock> acquire(const std::string& dataFolder,
                                                 bool* heldByAnother = nullptr);

    DataFolderLock(DataFolderLock&& other) noexcept : file_(other.file_) {
        other.file_ = os::kNoFile;
    }
    DataFolderLock& operator=(DataFolderLock&& other) noexcept;
    DataFolderLock(const DataFolderLock&) = delete;
    ~DataFolderLock();

  private:
    explicit DataFolderLock(os::File file) : file_(file) {}
    os::File file_ = os::kNoFile;
};

// "Another Flenmark is using <folder>."
std::string AnotherFlenmarkMessage(const std::string& dataFolder);

// Why a data folder cannot be taken, as the user should hear it: another Flenmark holds it
// (only when its lock is really held), or what keeps us from writing there.
std::string DataFolderRefusal(const std::string& dataFolder, bool heldByAnother);

// Removes the temporary files ("<name>.tmp<PID>") that processes which no longer run left in
// a folder when they died in the middle of writing.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace flenmark
