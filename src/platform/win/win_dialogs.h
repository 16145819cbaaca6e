#pragma once

#include <windows.h>

#include "platform/dialogs.h"
#include "platform/win/gui_thread.h"

namespace flenmark {

// Message boxes, a text question and the system's file and folder choosers over the main
// window, shown on the GUI thread whichever thread asks. Texts are UTF-8 here and UTF-16 at
// the calls.
class WinDialogs final : public Dialogs {
  public:
    explicit WinDialogs(GuiThread& gui) : gui_(gui) {}
    void setOwner(HWND owner) { owner_ = owner; }
    void message(const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> askText(const std::string& title,
                                       const std::string& prompt) override;
    std::optional<std::string> chooseFolder(const std::string& title) override;
    std::optional<std::string> chooseSaveFile(const std::string& title,
                                              const std::string& suggested,
                                              const std::string& filter) override;

  private:
    GuiThread& gui_;
    HWND owner_ = nullptr;
};

// The text question's window: a prompt, a text box, OK and Cancel. Its class name, for tests
// that answer it.
inline constexpr wchar_t kInputBoxClass[] = L"FlenmarkInputBox";
inline constexpr int kInputBoxEdit = 100;

}  // namespace flenmark
