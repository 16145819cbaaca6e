#pragma once

#include <windows.h>

namespace flenmark {

// Runs the messages of the GUI thread until `done`, with keyboard navigation in `window`; a
// quit asked for meanwhile is passed on to the outer loop.
inline void RunModalLoop(HWND window, const bool& done) {
    MSG m;
    while (!done) {
        const BOOL got = GetMessageW(&m, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(m.wParam));
            return;
        }
        if (IsDialogMessageW(window, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

}  // namespace flenmark
