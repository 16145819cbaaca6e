#include "base/data_folder_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>

namespace flenmark {

std::optional<DataFolderLock> DataFolderLock::acquire(const std::string& dataFolder) {
    const std::string path = dataFolder + "Flenmark.lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return std::nullopt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return DataFolderLock(fd);
}

DataFolderLock& DataFolderLock::operator=(DataFolderLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

DataFolderLock::~DataFolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

std::string AnotherFlenmarkMessage(const std::string& dataFolder) {
    return "Another Flenmark is using " + dataFolder + ".";
}

namespace {

// The process id of a temporary file's name, "Offsets.txt.tmp1234" -> 1234; 0 for other names.
pid_t WriterOf(const std::string& name) {
    const size_t at = name.rfind(".tmp");
    if (at == std::string::npos || at + 4 == name.size()) return 0;
    pid_t pid = 0;
    const char* first = name.data() + at + 4;
    const char* last = name.data() + name.size();
    const auto r = std::from_chars(first, last, pid);
    return r.ec == std::errc() && r.ptr == last && pid > 0 ? pid : 0;
}

}  // namespace

void RemoveStaleTemporaries(const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const pid_t pid = WriterOf(entry.path().filename().string());
        if (pid == 0 || pid == ::getpid()) continue;
        // Only a writer that is surely gone: a process of another user answers EPERM.
        if (::kill(pid, 0) != 0 && errno == ESRCH && entry.is_regular_file(ec))
            std::filesystem::remove(entry.path(), ec);
    }
}

}  // namespace flenmark
