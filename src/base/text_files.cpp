#include "base/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace flenmark {

namespace fs = std::filesystem;

bool EnsureFileExists(const std::string& path) {
    return AppendText(path, "");
}

bool AppendText(const std::string& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok && !text.empty()) {
        ssize_t n = -1;
        do n = ::write(fd, text.data(), text.size());
        while (n < 0 && errno == EINTR);
        ok = n == static_cast<ssize_t>(text.size());
        if (!ok && n > 0) (void)!::ftruncate(fd, st.st_size);  // no torn line is left behind
    }
    return (::close(fd) == 0) && ok;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

bool WriteFileAtomically(const std::string& path, std::string_view content, Durability durability) {
    return WriteFileAtomically(path, std::vector<std::string_view>{content}, durability);
}

namespace {

bool WriteAll(int fd, const std::vector<std::string_view>& parts) {
    std::vector<iovec> chunks;
    for (std::string_view part : parts)
        if (!part.empty()) chunks.push_back({const_cast<char*>(part.data()), part.size()});
    size_t next = 0;
    while (next < chunks.size()) {
        const int count = static_cast<int>(std::min<size_t>(chunks.size() - next, IOV_MAX));
        ssize_t n = ::writev(fd, chunks.data() + next, count);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        // Skip what was written, leaving a partly written chunk's rest for the next round.
        while (next < chunks.size() && static_cast<size_t>(n) >= chunks[next].iov_len) {
            n -= static_cast<ssize_t>(chunks[next].iov_len);
            ++next;
        }
        if (next < chunks.size()) {
            chunks[next].iov_base = static_cast<char*>(chunks[next].iov_base) + n;
            chunks[next].iov_len -= static_cast<size_t>(n);
        }
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::vector<std::string_view>& parts,
                         Durability durability) {
    const std::string temp = path + ".tmp" + std::to_string(getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, parts);
    if (durability == Durability::Flushed) ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

namespace {

// Line ends in a text, CR LF counted once.
size_t LineEnds(std::string_view text) {
    size_t n = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') continue;
        if (text[i] == '\r' || text[i] == '\n') ++n;
    }
    return n;
}

}  // namespace

std::optional<std::vector<std::string>> ReadLeadingLines(const std::string& path, size_t maxLines) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    bool ok = true;
    while (LineEnds(text) < maxLines) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() > maxLines) lines.resize(maxLines);
    return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

bool CreateFolders(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
    return !ec && !fs::exists(path, ec);
}

bool CopyFileReplacing(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    return !ec;
}

void RemoveFileIgnoringCase(const std::string& folder, const std::string& name) {
    const auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (lower(entry.path().filename().string()) == lower(name)) fs::remove(entry.path(), ec);
    }
}

}  // namespace flenmark
