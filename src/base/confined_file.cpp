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

}  // namespace flenmark
