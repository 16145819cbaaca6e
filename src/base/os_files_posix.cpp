#include "base/os_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace flenmark::os {
namespace {

File Open(const std::string& path, int flags) {
    int fd = -1;
    do fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int Fd(File file) {
    return static_cast<int>(file);
}

}  // namespace

File OpenForAppend(const std::string& path) {
    return Open(path, O_WRONLY | O_APPEND | O_CREAT);
}

File OpenForWriting(const std::string& path) {
    return Open(path, O_WRONLY | O_CREAT | O_TRUNC);
}

File OpenForReading(const std::string& path) {
    return Open(path, O_RDONLY);
}

File OpenLockFile(const std::string& path) {
    return Open(path, O_RDWR | O_CREAT | O_NOFOLLOW);
}

bool Write(File file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(Fd(file), bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

long Read(File file, char* buffer, size_t size) {
    ssize_t n = -1;
    do n = ::read(Fd(file), buffer, size);
    while (n < 0 && errno == EINTR);
    return static_cast<long>(n);
}

bool Sync(File file) {
    return ::fsync(Fd(file)) == 0;
}

bool Seek(File file, uint64_t offset) {
    return ::lseek(Fd(file), static_cast<off_t>(offset), SEEK_SET) >= 0;
}

bool Seek(std::FILE* stream, uint64_t offset) {
    return ::fseeko(stream, static_cast<off_t>(offset), SEEK_SET) == 0;
}

FileProblem LastFileProblem() {
    switch (errno) {
        case ENOENT:
        case ENOTDIR:
            return FileProblem::Missing;
        case EROFS:
        case EACCES:
        case EPERM:
            return FileProblem::ReadOnly;
        case ENOSPC:
        case EDQUOT:
            return FileProblem::Full;
        default:
            return FileProblem::Other;
    }
}

bool Truncate(File file, uint64_t size) {
    return ::ftruncate(Fd(file), static_cast<off_t>(size)) == 0;
}

std::optional<uint64_t> RegularFileSize(File file) {
    struct stat st {};
    if (::fstat(Fd(file), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<uint64_t>(st.st_size);
}

bool TryLockExclusive(File file) {
    return ::flock(Fd(file), LOCK_EX | LOCK_NB) == 0;
}

bool Close(File file) {
    return ::close(Fd(file)) == 0;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
}

std::tm LocalTime(std::time_t moment) {
    std::tm tm{};
    localtime_r(&moment, &tm);
    return tm;
}

long ProcessId() {
    return static_cast<long>(::getpid());
}

bool ProcessSurelyGone(long pid) {
    // A process of another user answers EPERM: it runs.
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace flenmark::os
