#pragma once

// GDI+ wants min and max of its own; the windows headers' macros would hide the standard ones.
#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "app/readable_colours.h"

namespace flenmark::win {

// GDI+ for the life of the program.
class GdiplusSession {
  public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

  private:
    ULONG_PTR token_ = 0;
};

inline Gdiplus::Color ColourOf(Rgb c) {
    return Gdiplus::Color(255, c.r, c.g, c.b);
}
inline Gdiplus::Color ColourOf(uint32_t rgb) {
    return Gdiplus::Color(255, static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8),
                          static_cast<BYTE>(rgb));
}

// Paints a child window through an off-screen picture, so it never flickers: `draw` gets a
// GDI+ surface the size of the window's client area.
template <class Draw>
void PaintBuffered(HWND window, Draw draw) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT r{};
    GetClientRect(window, &r);
    Gdiplus::Bitmap buffer(std::max<LONG>(r.right, 1), std::max<LONG>(r.bottom, 1),
                           PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&buffer);
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
        draw(g, static_cast<int>(r.right), static_cast<int>(r.bottom));
    }
    Gdiplus::Graphics screen(dc);
    screen.DrawImage(&buffer, 0, 0);
    EndPaint(window, &ps);
}

// A window class for a child painted by its owner's `paint` (the scope, the profile).
void RegisterCanvasClass(const wchar_t* name, WNDPROC proc);

}  // namespace flenmark::win
