#include "windows/gui/gui_driver.h"

#include "base/win_text.h"

namespace flenmark::testing {

void GuiDriver::Run(const std::function<void(GuiDriver&)>& steps) {
    GuiDriver driver(GetCurrentThreadId());
    std::atomic<bool> done{false};
    std::thread thread([&] {
        steps(driver);
        done = true;
    });
    while (!done) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    thread.join();
}

std::string GuiDriver::text(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return Narrow(buffer);
}

void GuiDriver::setText(HWND window, const std::string& utf8) {
    const std::wstring wide = Widen(utf8);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool GuiDriver::waitFor(const std::function<bool()>& condition, int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

HWND GuiDriver::findWindow(const std::string& title, const wchar_t* cls) const {
    struct Search {
        std::wstring title;
        const wchar_t* cls;
        HWND found = nullptr;
    } search{Widen(title), cls};
    EnumThreadWindows(
        guiThread_,
        [](HWND w, LPARAM l) -> BOOL {
            auto* s = reinterpret_cast<Search*>(l);
            wchar_t title[256] = {}, cls[256] = {};
            GetWindowTextW(w, title, 256);
            GetClassNameW(w, cls, 256);
            if (IsWindowVisible(w) && s->title == title &&
                (!s->cls || s->cls == std::wstring(cls))) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND GuiDriver::waitForWindow(const std::string& title, const wchar_t* cls) const {
    HWND found = nullptr;
    waitFor([&] { return (found = findWindow(title, cls)) != nullptr; });
    return found;
}

}  // namespace flenmark::testing
