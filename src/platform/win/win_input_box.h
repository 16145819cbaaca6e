#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace flenmark {

// A modal text question over `owner`: the prompt, a text box, OK and Cancel. Nothing when the
// user cancels or closes it.
std::optional<std::wstring> AskTextBox(HWND owner, const std::wstring& title,
                                       const std::wstring& prompt);

}  // namespace flenmark
