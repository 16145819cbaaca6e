#pragma once

#include <string>

namespace flenmark {

// UTF-8 (the program's texts and paths) to the UTF-16 Windows wants, and back. Windows only.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

}  // namespace flenmark
