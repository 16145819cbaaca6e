#pragma once

#include <string_view>

namespace flenmark {

// True when `name` is a file name of its own on this system: not empty, and nothing in it
// that would lead into another folder or that the system does not take in a name ("/" on
// POSIX systems; "\", "/", ":" and the other reserved signs and control characters on Windows).
bool IsPlainFileName(std::string_view name);

}  // namespace flenmark
