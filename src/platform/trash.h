#pragma once

#include <string>

namespace flenmark {

// Moves a file or folder to the desktop's trash, from where the user can put it back. False when
// there is no trash for it or the move failed: `path` then stays where it was.
bool MoveToTrash(const std::string& path);

}  // namespace flenmark
