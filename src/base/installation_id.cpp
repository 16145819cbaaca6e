#include "base/installation_id.h"

#include <cctype>
#include <cstdio>
#include <random>

#include "base/text_files.h"

namespace flenmark {
namespace {

bool IsId(const std::string& text) {
    if (text.size() != 32) return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

std::string InstallationId(const std::string& dataFolder) {
    const std::string path = dataFolder + "InstallationId.txt";
    if (const auto kept = ReadWholeFile(path)) {
        const std::string id = kept->substr(0, kept->find_first_of("\r\n"));
        if (IsId(id)) return id;
    }
    std::random_device random;
    std::string id;
    for (int i = 0; i < 4; ++i) {
        char part[9];
        std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(random()));
        id += part;
    }
    return WriteFileAtomically(path, id + "\r\n") ? id : std::string();
}

}  // namespace flenmark
