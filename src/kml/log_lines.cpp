#include "kml/log_lines.h"

#include <filesystem>

#include "base/number_text.h"
#include "base/text_files.h"
#include "base/utf8_path.h"
#include "kml/kml_values.h"

namespace flenmark {
namespace {

bool IsStamp(std::string_view s) {
    if (s.size() != 14) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

bool IsUsableLine(std::string_view line, LineLayout layout) {
    if (line.size() > kLongestLogLine) return false;
    for (unsigned char c : line)
        if (c < 0x20 || c == 0x7F) return false;
    const LogFields f(line);
    // Field numbers that must hold numbers, as each layout numbers its fields.
    static const std::vector<int> kLogNumbers = {2, 3, 4, 5, 7, 8, 9, 10, 11, 12};
    static const std::vector<int> kTrafficNumbers = {2, 3, 4, 5, 6, 7, 9, 10};
    const bool log = layout == LineLayout::Log;
    if (f.count() != (log ? 13u : 12u) || !IsStamp(f[1])) return false;
    for (int n : log ? kLogNumbers : kTrafficNumbers)
        if (!ParseNumber(f[n])) return false;
    return true;
}

UsableLines ReadUsableLines(std::string_view text, LineLayout layout) {
    UsableLines out;
    for (std::string& line : SplitLines(text)) {
        if (line.empty()) continue;
        if (IsUsableLine(line, layout))
            out.lines.push_back(std::move(line));
        else
            ++out.damaged;
    }
    return out;
}

UsableLineReader::UsableLineReader(const std::string& path, LineLayout layout)
    : in_(PathOf(path), std::ios::binary), layout_(layout) {
    std::error_code ec;
    opened_ = in_.is_open() && !std::filesystem::is_directory(PathOf(path), ec);
    if (opened_) ahead_ = readUsable(aheadLine_);
}

bool UsableLineReader::next(std::string& line) {
    if (!ahead_) return false;
    line.swap(aheadLine_);
    ahead_ = readUsable(aheadLine_);
    return true;
}

bool UsableLineReader::readUsable(std::string& line) {
    bool tooLong = false;
    while (readRaw(line, tooLong)) {
        if (line.empty() && !tooLong) continue;
        if (!tooLong && IsUsableLine(line, layout_)) return true;
        ++damaged_;
    }
    return false;
}

// A line ended by CR LF, LF or CR, or by the end of the file. Of a line longer than
// kLongestLogLine only the first bytes are kept, and `tooLong` says so.
bool UsableLineReader::readRaw(std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    std::streambuf* buffer = in_.rdbuf();
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        if (c == '\n') return true;
        if (c == '\r') {
            if (buffer->sgetc() == '\n') buffer->sbumpc();
            return true;
        }
        if (line.size() < kLongestLogLine)
            line += static_cast<char>(c);
        else
            tooLong = true;
    }
    return !line.empty() || tooLong;
}

}  // namespace flenmark
