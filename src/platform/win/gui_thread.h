#pragma once

#include <windows.h>

#include <functional>
#include <type_traits>

namespace flenmark {

// The thread that owns the windows. The program's ticks run on a thread of their own, and what
// they ask of windows and dialogs is carried over to this one through a hidden message window.
class GuiThread {
  public:
    GuiThread();  // made on the GUI thread
    ~GuiThread();
    GuiThread(const GuiThread&) = delete;
    GuiThread& operator=(const GuiThread&) = delete;

    bool current() const { return GetCurrentThreadId() == threadId_; }
    // Runs `f` there and waits for it: at once when called there.
    void run(const std::function<void()>& f);
    // Runs `f` there without waiting: at once when called there, otherwise when the GUI thread
    // gets to its messages.
    void post(std::function<void()> f);

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l);
    HWND window_ = nullptr;
    DWORD threadId_ = 0;
};

// `f` on the GUI thread, with its result.
template <class F>
auto OnGuiThread(GuiThread& gui, F f) -> decltype(f()) {
    if constexpr (std::is_void_v<decltype(f())>) {
        gui.run(f);
    } else {
        decltype(f()) result{};
        gui.run([&] { result = f(); });
        return result;
    }
}

}  // namespace flenmark
