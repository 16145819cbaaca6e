#pragma once

#include <string>

namespace flenmark {

// Hands a path or address to the desktop's opener (xdg-open on POSIX systems). False when the
// opener is missing, or reported within its first moments that it could not open it; an opener
// still busy after that (an application it runs in the foreground) counts as success.
bool OpenWithDesktop(const std::string& pathOrAddress);

}  // namespace flenmark
