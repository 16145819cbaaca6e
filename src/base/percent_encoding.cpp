#include "base/percent_encoding.h"

namespace flenmark {

std::string PercentEncode(std::string_view value, std::string_view alsoPlain) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : value) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           alsoPlain.find(static_cast<char>(c)) != std::string_view::npos;
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

}  // namespace flenmark
