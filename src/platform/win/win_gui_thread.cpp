#include <memory>

#include "platform/win/gui_thread.h"

namespace flenmark {
namespace {

constexpr UINT kRun = WM_APP + 1;
constexpr UINT kPosted = WM_APP + 2;
constexpr wchar_t kClass[] = L"FlenmarkGuiThread";

}  // namespace

GuiThread::GuiThread() : threadId_(GetCurrentThreadId()) {
    WNDCLASSW c{};
    c.lpfnWndProc = &GuiThread::Proc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = kClass;
    RegisterClassW(&c);  // fails harmlessly when a second one registers it again
    window_ =
        CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, c.hInstance, nullptr);
}

GuiThread::~GuiThread() {
    // What was posted and never ran is dropped with its window.
    MSG m;
    while (PeekMessageW(&m, window_, kPosted, kPosted, PM_REMOVE))
        delete reinterpret_cast<std::function<void()>*>(m.lParam);
    DestroyWindow(window_);
}

void GuiThread::run(const std::function<void()>& f) {
    if (current()) return f();
    SendMessageW(window_, kRun, 0, reinterpret_cast<LPARAM>(&f));
}

void GuiThread::post(std::function<void()> f) {
    if (current()) return f();
    auto* held = new std::function<void()>(std::move(f));
    if (!PostMessageW(window_, kPosted, 0, reinterpret_cast<LPARAM>(held))) delete held;
}

LRESULT CALLBACK GuiThread::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == kRun) {
        (*reinterpret_cast<const std::function<void()>*>(l))();
        return 0;
    }
    if (message == kPosted) {
        std::unique_ptr<std::function<void()>> f(reinterpret_cast<std::function<void()>*>(l));
        (*f)();
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace flenmark
