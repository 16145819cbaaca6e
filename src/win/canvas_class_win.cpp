#include "win/gdiplus_win.h"

namespace flenmark::win {

void RegisterCanvasClass(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW c{};
    if (GetClassInfoW(GetModuleHandleW(nullptr), name, &c)) return;
    c.style = CS_HREDRAW | CS_VREDRAW;  // a canvas that grows is drawn anew whole
    c.lpfnWndProc = proc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = name;
    RegisterClassW(&c);
}

}  // namespace flenmark::win
