#pragma once

#include <filesystem>
#include <string>

namespace flenmark {

// Paths are UTF-8 text throughout the program. The file system library reads a plain string
// in the system's narrow code page on Windows (not UTF-8), so every path crosses into it, and
// back, through these two; elsewhere they change nothing.
std::filesystem::path PathOf(const std::string& utf8);
std::string TextOf(const std::filesystem::path& path);

}  // namespace flenmark
