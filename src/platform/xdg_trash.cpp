#include "platform/xdg_trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace flenmark {
namespace {

namespace fs = std::filesystem;

// The path as the "Path" key holds it: every byte but the unreserved ones and "/" escaped.
std::string EscapedPath(const std::string& path) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') ||
                           std::string_view("-_.~/").find(c) != std::string_view::npos;
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string InfoText(const std::string& absolutePath, const DateTime& t) {
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02dT%02d:%02d:%02d", t.year % 10000, t.month,
                  t.day, t.hour, t.minute, t.second);
    return "[Trash Info]\nPath=" + EscapedPath(absolutePath) + "\nDeletionDate=" + date + "\n";
}

bool MakePrivateFolder(const std::string& path) {
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

// Claims "info/NAME.trashinfo" for a name free in both folders, writes it and returns the name.
std::string ClaimName(const std::string& trash, const std::string& base, const std::string& info) {
    for (int n = 1; n < 10000; ++n) {
        const std::string name = n == 1 ? base : base + "." + std::to_string(n);
        const std::string infoPath = trash + "info/" + name + ".trashinfo";
        // O_EXCL makes the claim atomic against another program trashing the same name.
        const int fd = open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return "";
        }
        std::error_code ec;
        const bool taken = fs::exists(fs::symlink_status(trash + "files/" + name, ec));
        const bool written =
            !taken && write(fd, info.data(), info.size()) == static_cast<ssize_t>(info.size());
        close(fd);
        if (written) return name;
        unlink(infoPath.c_str());
        if (!taken) return "";
    }
    return "";
}

}  // namespace

std::string HomeTrashFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return std::string(data) + "/Trash/";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.local/share/Trash/";
    return "";
}

bool MoveToTrashFolder(const std::string& path, const std::string& trashFolder,
                       const DateTime& deletedLocal) {
    std::error_code ec;
    std::string absolute = fs::absolute(path, ec).lexically_normal().string();
    while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
    const std::string base = fs::path(absolute).filename().string();
    if (ec || base.empty() || base == "." || base == ".." || trashFolder.empty()) return false;
    if (!fs::exists(fs::symlink_status(absolute, ec))) return false;
    fs::create_directories(trashFolder, ec);
    if (!MakePrivateFolder(trashFolder + "files") || !MakePrivateFolder(trashFolder + "info"))
        return false;
    const std::string name = ClaimName(trashFolder, base, InfoText(absolute, deletedLocal));
    if (name.empty()) return false;
    if (rename(absolute.c_str(), (trashFolder + "files/" + name).c_str()) == 0) return true;
    unlink((trashFolder + "info/" + name + ".trashinfo").c_str());
    return false;
}

}  // namespace flenmark
