#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace flenmark::testing {

// Drives windows as a user would, through their window messages, from a thread of its own
// while the GUI thread handles its messages: a click that opens a modal dialog leaves the
// GUI thread in the dialog's loop, and the driver goes on to answer that dialog.
class GuiDriver {
  public:
    // Runs `steps` on the driver's thread, handling the GUI thread's messages meanwhile.
    static void Run(const std::function<void(GuiDriver&)>& steps);

    explicit GuiDriver(DWORD guiThread) : guiThread_(guiThread) {}
    // A click that returns when the window has handled it.
    void click(HWND control) const { SendMessageW(control, BM_CLICK, 0, 0); }
    // A click that does not wait (it opens a modal dialog).
    void clickLater(HWND control) const { PostMessageW(control, BM_CLICK, 0, 0); }
    static std::string text(HWND window);
    static void setText(HWND window, const std::string& utf8);
    // Waits up to `ms` for `condition`; false when it never held.
    static bool waitFor(const std::function<bool()>& condition, int ms = 10000);
    // The GUI thread's visible top-level window of this class (or any) with this title.
    HWND findWindow(const std::string& title, const wchar_t* cls = nullptr) const;
    HWND waitForWindow(const std::string& title, const wchar_t* cls = nullptr) const;

  private:
    DWORD guiThread_;
};

}  // namespace flenmark::testing
