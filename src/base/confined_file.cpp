#include "base/confined_file.h"

namespace flenmark {

std::optional<std::vector<std::string>> ConfinedPathParts(const std::string& relative) {
    if (relative.empty() || relative.find('\0') != std::string::npos) return std::nullopt;
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t slash = relative.find('/', start);
        const std::string part = relative.substr(start, slash - start);
        if (part.empty() || part == "." || part == ".." || part.find('\\') != std::string::npos)
            return std::nullopt;
        parts.push_back(part);
        if (slash == std::string::npos) return parts;
        start = slash + 1;
    }
}

ConfinedFile::ConfinedFile(int folder, std::string name, std::string temp, os::File fd,
                           unsigned mode)
    : folder_(folder), name_(std::move(name)), temp_(std::move(temp)), fd_(fd), mode_(mode) {}

ConfinedFile::ConfinedFile(ConfinedFile&& other) noexcept
    : folder_(other.folder_),
      name_(std::move(other.name_)),
      temp_(std::move(other.temp_)),
      fd_(other.fd_),
      size_(other.size_),
      failed_(other.failed_),
      mode_(other.mode_) {
    other.folder_ = other.fd_ = -1;
}

ConfinedFile::~ConfinedFile() {
    discard();
}

}  // namespace flenmark
