#include "base/data_folder_lock.h"

#include <charconv>
#include <filesystem>

#include "base/folder_problem.h"
#include "base/utf8_path.h"

namespace flenmark {

std::optional<DataFolderLock> DataFolderLock::acquire(const std::string& dataFolder,
                                                      bool* heldByAnother) {
    if (heldByAnother) *heldByAnother = false;
    const std::string path = dataFolder + "Flenmark.lock";
    const os::File file = os::OpenLockFile(path);
    if (file == os::kNoFile) return std::nullopt;
    if (!os::TryLockExclusive(file)) {
        os::Close(file);
        if (heldByAnother) *heldByAnother = true;
        return std::nullopt;
    }
    return DataFolderLock(file);
}

std::string DataFolderRefusal(const std::string& dataFolder, bool heldByAnother) {
    if (heldByAnother) return AnotherFlenmarkMessage(dataFolder);
    const auto problem = FolderWriteProblem(dataFolder);
    return FolderProblemMessage("the data folder", dataFolder,
                                problem.value_or(os::FileProblem::Other));
}

DataFolderLock& DataFolderLock::operator=(DataFolderLock&& other) noexcept {
    if (this != &other) {
        if (file_ != os::kNoFile) os::Close(file_);
        file_ = other.file_;
        other.file_ = os::kNoFile;
    }
    return *this;
}

DataFolderLock::~DataFolderLock() {
    if (file_ != os::kNoFile) os::Close(file_);
}

std::string AnotherFlenmarkMessage(const std::string& dataFolder) {
    return "Another Flenmark is using " + dataFolder + ".";
}

namespace {

// The process id of a temporary file's name, "Offsets.txt.tmp1234" -> 1234; 0 for other names.
long WriterOf(const std::string& name) {
    const size_t at = name.rfind(".tmp");
    if (at == std::string::npos || at + 4 == name.size()) return 0;
    long pid = 0;
    const char* first = name.data() + at + 4;
    const char* last = name.data() + name.size();
    const auto r = std::from_chars(first, last, pid);
    return r.ec == std::errc() && r.ptr == last && pid > 0 ? pid : 0;
}

}  // namespace

void RemoveStaleTemporaries(const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(PathOf(folder), ec)) {
        const long pid = WriterOf(TextOf(entry.path().filename()));
        if (pid == 0 || pid == os::ProcessId()) continue;
        // Only a writer that is surely gone.
        if (os::ProcessSurelyGone(pid) && entry.is_regular_file(ec))
            std::filesystem::remove(entry.path(), ec);
    }
}

}  // namespace flenmark
