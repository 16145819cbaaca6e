#pragma once

#include <string>

#include "platform/folders.h"

namespace flenmark {

// The icons a document refers to as "icons/NAME.png" beside it, so that it shows its pins, dots
// and aircraft without a network. They come with the program (its folder's "icons"); this puts
// them into `folder` (ending with "/") when they are missing or differ. False when they could
// not all be put there (the document still opens, without its icons).
bool PlaceDocumentIcons(const Folders& folders, const std::string& folder);

// The folder the program's icons are in, ending with "/".
std::string ProgramIconsFolder(const Folders& folders);

}  // namespace flenmark
