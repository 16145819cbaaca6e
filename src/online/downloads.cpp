#include "online/downloads.h"

#include <filesystem>

#include "base/confined_file.h"
#include "base/utf8_path.h"
#include "platform/http.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

std::string ReplaceAll(std::string text, const std::string& word, const std::string& value) {
    for (size_t at = text.find(word); at != std::string::npos;
         at = text.find(word, at + value.size()))
        text.replace(at, word.size(), value);
    return text;
}

// The path below `folder`, when `path` lies inside it.
std::optional<std::string> Below(const fs::path& path, const std::string& folder) {
    if (folder.empty()) return std::nullopt;
    const fs::path relative = path.lexically_relative(PathOf(folder).lexically_normal());
    if (relative.empty() || *relative.begin() == ".." || relative == ".") return std::nullopt;
    return TextOf(relative);
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

std::optional<DownloadTarget> ResolveDownloadDestination(const std::string& destination,
                                                         const std::string& programFolder,
                                                         const std::string& userFolder) {
    if (destination.find('\0') != std::string::npos) return std::nullopt;
    std::string filled =
        ReplaceAll(ReplaceAll(destination, "<app>", programFolder), "<user>", userFolder);
    for (char& c : filled)
        if (c == '\\') c = '/';
    const fs::path path = PathOf(filled);
    for (const auto& part : path)
        if (part == "..") return std::nullopt;
    const fs::path normal = path.lexically_normal();
    if (!normal.is_absolute() || !normal.has_filename()) return std::nullopt;
    for (const std::string& folder : {programFolder, userFolder})
        if (const auto relative = Below(normal, folder))
            return DownloadTarget{WithSlash(folder), *relative};
    return std::nullopt;
}

bool SaveDownload(Http& http, const std::string& url, const DownloadTarget& target, bool executable,
                  int timeoutMs) {
    std::error_code ec;
    fs::create_directories(PathOf(target.folder), ec);  // our own folder, made as it always was
    auto file = ConfinedFile::create(target.folder, target.relative);
    if (!file) return false;
    const bool downloaded = http.download(
        url, [&](std::string_view bytes) { return file->write(bytes); }, timeoutMs);
    return downloaded && file->size() > 0 && file->commit(executable);
}

}  // namespace flenmark
