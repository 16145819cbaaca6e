#include "base/text_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/os_files.h"
#include "base/utf8_path.h"

namespace flenmark {

namespace fs = std::filesystem;

bool EnsureFileExists(const std::string& path) {
    return AppendText(path, "");
}

bool AppendText(const std::string& path, std::string_view text) {
    const os::File file = os::OpenForAppend(path);
    if (file == os::kNoFile) return false;
    const auto size = os::RegularFileSize(file);
    bool ok = size.has_value();
    if (ok && !text.empty()) {
        ok = os::Write(file, text);
        if (!ok) os::Truncate(file, *size);  // no torn line is left behind
    }
    return os::Close(file) && ok;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(PathOf(path), ec)) return std::nullopt;
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

bool WriteFileAtomically(const std::string& path, std::string_view content, Durability durability) {
    return WriteFileAtomically(path, std::vector<std::string_view>{content}, durability);
}

bool WriteFileAtomically(const std::string& path, const std::vector<std::string_view>& parts,
                         Durability durability) {
    const std::string temp = path + ".tmp" + std::to_string(os::ProcessId());
    const os::File file = os::OpenForWriting(temp);
    if (file == os::kNoFile) return false;
    bool ok = true;
    for (std::string_view part : parts) ok = ok && os::Write(file, part);
    if (durability == Durability::Flushed) ok = ok && os::Sync(file);
    ok = os::Close(file) && ok;
    ok = ok && os::RenameReplacing(temp, path);
    if (!ok) os::RemoveFile(temp);
    return ok;
}

namespace {

// Line ends in a text, CR LF counted once.
// Reads the file on into `text` until `enough` holds of it or the file ends; false on a read
// error.
template <typename Enough>
bool ReadOn(os::File file, std::string& text, Enough enough) {
    char buffer[4096];
    while (!enough(text)) {
        const long n = os::Read(file, buffer, sizeof buffer);
        if (n <= 0) return n == 0;
        text.append(buffer, static_cast<size_t>(n));
    }
    return true;
}

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
    std::error_code ec;
    if (fs::is_directory(PathOf(path), ec)) return std::nullopt;
    const os::File file = os::OpenForReading(path);
    if (file == os::kNoFile) return std::nullopt;
    std::string text;
    // Longer lines are damaged: what is read of them is enough to tell.
    const size_t bound = (maxLines + 1) * kLongestLogLine;
    const bool ok = ReadOn(file, text, [&](const std::string& t) {
        return LineEnds(t) >= maxLines || t.size() >= bound;
    });
    os::Close(file);
    if (!ok) return std::nullopt;
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() > maxLines) lines.resize(maxLines);
    return lines;
}

std::optional<std::string> ReadLastLine(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(PathOf(path), ec)) return std::nullopt;
    const os::File file = os::OpenForReading(path);
    if (file == os::kNoFile) return std::nullopt;
    const uint64_t size = os::RegularFileSize(file).value_or(0);
    const uint64_t window = 2 * kLongestLogLine + 2;
    std::string text;
    const bool ok = (size <= window || os::Seek(file, size - window)) &&
                    ReadOn(file, text, [&](const std::string& t) { return t.size() >= window; });
    os::Close(file);
    if (!ok) return std::nullopt;
    std::string last;
    for (std::string& line : SplitLines(text))
        if (!line.empty()) last = std::move(line);
    return last;
}

std::vector<std::string_view> SplitFields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t at; (at = line.find(separator, start)) != std::string_view::npos; start = at + 1)
        fields.push_back(line.substr(start, at - start));
    fields.push_back(line.substr(start));
    return fields;
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
    fs::create_directories(PathOf(path), ec);
    return fs::is_directory(PathOf(path), ec);
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(PathOf(path), ec);
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    fs::remove(PathOf(path), ec);
    return !ec && !fs::exists(PathOf(path), ec);
}

bool CopyFileReplacing(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::copy_file(PathOf(from), PathOf(to), fs::copy_options::overwrite_existing, ec);
    return !ec;
}

void RemoveFileIgnoringCase(const std::string& folder, const std::string& name) {
    const auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(PathOf(folder), ec)) {
        if (lower(TextOf(entry.path().filename())) == lower(name)) fs::remove(entry.path(), ec);
    }
}

}  // namespace flenmark
