#include "online/version_file.h"

#include <charconv>

#include "base/number_text.h"
#include "base/text_files.h"

namespace flenmark {
namespace {

// A whole number; 0 for garbage.
int NumberOf(const std::string& text) {
    int value = 0;
    const std::string t = Trim(text);
    const auto r = std::from_chars(t.data(), t.data() + t.size(), value);
    return r.ec == std::errc() && r.ptr == t.data() + t.size() ? value : 0;
}

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

const char* const kMessageKeys[] = {"MessageAll",        "MessageNotUpdate", "MessageUpdateOn",
                                    "MessageMinUpdate",  "MessageMajUpdate", "MessageUAll",
                                    "MessageUNotUpdate", "MessageUUpdateOn", "MessageUMinUpdate",
                                    "MessageUMajUpdate"};

}  // namespace

const std::string& VersionFile::message(const std::string& key) const {
    static const std::string kNone;
    const auto it = messages.find(key);
    return it == messages.end() ? kNone : it->second;
}

VersionFile ParseVersionFile(const std::string& text) {
    VersionFile f;
    for (const std::string& line : SplitLines(text)) {
        const std::string value =
            line.substr(line.find('=') == std::string::npos ? line.size() : line.find('=') + 1);
        if (line.rfind("MinVer=", 0) == 0)
            f.minVer = NumberOf(value);
        else if (line.rfind("MajVer=", 0) == 0)
            f.majVer = NumberOf(value);
        else if (line.rfind("UpdateVer=", 0) == 0)
            f.updateVer = NumberOf(value);
        for (const char* key : kMessageKeys)
            if (line.rfind(std::string(key) + "=", 0) == 0) f.messages[key] = value;
        if (line.find("Updater=") != std::string::npos) {
            const auto pieces = SplitAt(line, '=');
            if (pieces.size() >= 3) {
                f.hasUpdater = true;
                f.updaterAddress = pieces[1];
                f.updaterDestination = pieces[2];
            }
        }
        if (line.rfind("File=", 0) == 0) {
            const auto pieces = SplitAt(line, '=');
            const int version = pieces.size() == 4 ? NumberOf(pieces[3]) : 0;
            if (version > 0) f.files.push_back({pieces[1], pieces[2], version});
        }
    }
    return f;
}

int VersionNumber(const std::string& dotted) {
    const auto parts = SplitAt(dotted, '.');
    if (parts.size() != 3) return 0;
    for (const auto& p : parts)
        if (p.empty() || p.find_first_not_of("0123456789") != std::string::npos || p.size() > 4)
            return 0;
    return std::stoi(parts[0]) * 10000 + std::stoi(parts[1]) * 100 + std::stoi(parts[2]);
}

std::string DottedVersion(int number) {
    return std::to_string(number / 10000) + "." + std::to_string(number / 100 % 100) + "." +
           std::to_string(number % 100);
}

}  // namespace flenmark
