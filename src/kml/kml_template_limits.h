#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace flenmark {

// A template file is the program's own, but a user may edit it: what it makes is held to
// sizes a document can bear. The longest shipped template is about 3 KiB.
inline constexpr size_t kKmlTemplateFileLimit = 256 << 10;  // bytes of the whole file
inline constexpr size_t kKmlTemplateLimit = 16 << 10;       // bytes of one template

// What makes a template file's text unusable: a template longer than kKmlTemplateLimit, or one
// holding a control character (no XML document may hold one; a tab is allowed). "" when the
// text can be used. The file's own size is checked before it is read.
std::string KmlTemplateTextProblem(std::string_view fileText);

}  // namespace flenmark
