#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// What the harnesses share: splitting one input into parts, and saying why a property broke.
namespace flenmark::fuzz {

// The input as text, cut into `count` parts at each "\n--\n" (missing parts are empty).
inline std::vector<std::string> Parts(const uint8_t* data, size_t size, size_t count) {
    std::vector<std::string> parts(count);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t cut = i + 1 < count ? text.find("\n--\n", start) : std::string_view::npos;
        parts[i] = std::string(
            text.substr(start, cut == std::string_view::npos ? text.npos : cut - start));
        if (cut == std::string_view::npos) break;
        start = cut + 4;
    }
    return parts;
}

// A broken property is a finding: say which, and stop so the input is kept.
inline void Require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

}  // namespace flenmark::fuzz
