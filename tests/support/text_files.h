#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace flenmark::testing {

// How often `what` stands in `text`.
inline size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Reads a whole file; empty when missing.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

// A flight log of a parked aircraft on `day` ("20090712"): started at 14:35, stopped at 14:40,
// at `position` ("longitude:latitude" with comma decimals).
inline std::string ParkedFlightLog(const std::string& day,
                                   const std::string& position = "4,76:52,30") {
    return day + "143500:" + position + ":15:1:SA:0:0:0:0:0:150:-\r\n" + day +
           "144000:" + position + ":15:1:SO:0:0:0:0:0:150:" + day + "143500\r\n";
}

}  // namespace flenmark::testing
