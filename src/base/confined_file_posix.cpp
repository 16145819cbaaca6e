#include "base/confined_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace flenmark {
namespace {

// Opens `name` in `folder` as a folder, without following a link; makes it when missing.
int OpenSubfolder(int folder, const std::string& name) {
    int fd = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && ::mkdirat(folder, name.c_str(), 0755) == 0)
        fd = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    return fd;
}

}  // namespace

std::optional<ConfinedFile> ConfinedFile::create(const std::string& base,
                                                 const std::string& relative) {
    const auto parts = ConfinedPathParts(relative);
    if (!parts || base.find('\0') != std::string::npos) return std::nullopt;
    // The base folder itself is trusted, links and all; below it nothing may be a link.
    int folder = ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (size_t i = 0; folder >= 0 && i + 1 < parts->size(); ++i) {
        const int next = OpenSubfolder(folder, (*parts)[i]);
        ::close(folder);
        folder = next;
    }
    if (folder < 0) return std::nullopt;
    const std::string& name = parts->back();
    struct stat st {};
    unsigned mode = 0644;
    if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(st.st_mode)) {
            ::close(folder);
            return std::nullopt;
        }
        mode = st.st_mode & 0777;
    }
    const std::string temp = "." + name + ".tmp" + std::to_string(::getpid());
    ::unlinkat(folder, temp.c_str(), 0);  // left by a run that died; never opened as it stands
    const int fd =
        ::openat(folder, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        ::close(folder);
        return std::nullopt;
    }
    return ConfinedFile(folder, name, temp, fd, mode);
}

void ConfinedFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlinkat(folder_, temp_.c_str(), 0);
    }
    if (folder_ >= 0) ::close(folder_);
    fd_ = folder_ = -1;
}

bool ConfinedFile::write(std::string_view bytes) {
    while (!failed_ && fd_ >= 0 && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;
            break;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
        size_ += static_cast<uint64_t>(n);
    }
    return !failed_ && fd_ >= 0;
}

bool ConfinedFile::commit(bool executable) {
    if (failed_ || fd_ < 0) return false;
    const unsigned mode = executable ? mode_ | 0111 : mode_;
    bool ok = ::fchmod(fd_, mode) == 0 && ::fsync(fd_) == 0;
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    ok = ok && ::renameat(folder_, temp_.c_str(), folder_, name_.c_str()) == 0;
    if (!ok) ::unlinkat(folder_, temp_.c_str(), 0);
    discard();
    return ok;
}

}  // namespace flenmark
