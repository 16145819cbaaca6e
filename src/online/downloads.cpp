#include "online/downloads.h"

#include <filesystem>

#include "app/text_files.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

std::string ReplaceAll(std::string text, const std::string& word, const std::string& value) {
    for (size_t at = text.find(word); at != std::string::npos;
         at = text.find(word, at + value.size()))
        text.replace(at, word.size(), value);
    return text;
}

bool Inside(const fs::path& path, const std::string& folder) {
    const fs::path base = fs::path(folder).lexically_normal();
    const fs::path relative = path.lexically_relative(base);
    return !folder.empty() && !relative.empty() && *relative.begin() != ".." && relative != ".";
}

}  // namespace

std::optional<std::string> ResolveDownloadDestination(const std::string& destination,
                                                      const std::string& programFolder,
                                                      const std::string& userFolder) {
    std::string filled =
        ReplaceAll(ReplaceAll(destination, "<app>", programFolder), "<user>", userFolder);
    for (char& c : filled)
        if (c == '\\') c = '/';
    const fs::path path(filled);
    for (const auto& part : path)
        if (part == "..") return std::nullopt;
    const fs::path normal = path.lexically_normal();
    if (!normal.is_absolute() || !normal.has_filename()) return std::nullopt;
    if (!Inside(normal, programFolder) && !Inside(normal, userFolder)) return std::nullopt;
    return normal.string();
}

bool SaveDownload(const std::string& path, const std::string& bytes) {
    if (bytes.empty()) return false;
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    return WriteFileAtomically(path, bytes, Durability::Flushed);
}

}  // namespace flenmark
