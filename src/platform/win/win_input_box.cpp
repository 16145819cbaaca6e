#include "platform/win/win_input_box.h"

#include "platform/win/modal_loop.h"
#include "platform/win/win_dialogs.h"

namespace flenmark {
namespace {

struct Box {
    HWND edit = nullptr;
    std::optional<std::wstring> answer;
    bool done = false;
    HFONT font = nullptr;
};

LRESULT CALLBACK BoxProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* box = reinterpret_cast<Box*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(
                window, GWLP_USERDATA,
                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
            break;
        case WM_COMMAND:
            if (LOWORD(w) == IDOK) {
                std::wstring text(static_cast<size_t>(GetWindowTextLengthW(box->edit)) + 1, L'\0');
                text.resize(static_cast<size_t>(
                    GetWindowTextW(box->edit, text.data(), static_cast<int>(text.size()))));
                box->answer = text;
                box->done = true;
            } else if (LOWORD(w) == IDCANCEL) {
                box->done = true;
            }
            return 0;
        case WM_CLOSE:
            box->done = true;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, w, l);
}

HWND Child(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, int id, RECT r,
           HFONT font) {
    HWND c = CreateWindowExW(
        cls == std::wstring(L"EDIT") ? WS_EX_CLIENTEDGE : 0, cls, text.c_str(),
        WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return c;
}

}  // namespace

std::optional<std::wstring> AskTextBox(HWND owner, const std::wstring& title,
                                       const std::wstring& prompt) {
    static const bool registered = [] {
        WNDCLASSW c{};
        c.lpfnWndProc = BoxProc;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        c.lpszClassName = kInputBoxClass;
        return RegisterClassW(&c) != 0;
    }();
    (void)registered;
    const UINT dpi = owner ? GetDpiForWindow(owner) : GetDpiForSystem();
    auto px = [dpi](int v) { return MulDiv(v, static_cast<int>(dpi), 96); };
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    Box box;
    box.font = CreateFontIndirectW(&metrics.lfMessageFont);
    // Room for the prompt at a width of 360 (at 96 dots per inch), as tall as it needs.
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, box.font);
    RECT text{0, 0, px(360), 0};
    DrawTextW(dc, prompt.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const int margin = px(11), gap = px(7), line = tm.tmHeight;
    const int editH = line + px(8), buttonW = px(80), buttonH = line + px(10);
    const int width = px(360) + 2 * margin;
    const int height = margin + text.bottom + gap + editH + gap + buttonH + margin;
    RECT frame{0, 0, width, height};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    AdjustWindowRectExForDpi(&frame, style, FALSE, WS_EX_DLGMODALFRAME, dpi);
    RECT at{};
    GetWindowRect(owner ? owner : GetDesktopWindow(), &at);
    const int fw = frame.right - frame.left, fh = frame.bottom - frame.top;
    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kInputBoxClass, title.c_str(), style,
                                  (at.left + at.right - fw) / 2, (at.top + at.bottom - fh) / 2, fw,
                                  fh, owner, nullptr, GetModuleHandleW(nullptr), &box);
    Child(window, L"STATIC", prompt, SS_LEFT | SS_NOPREFIX, -1,
          {margin, margin, margin + px(360), margin + text.bottom}, box.font);
    const int editTop = margin + text.bottom + gap;
    box.edit = Child(window, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, kInputBoxEdit,
                     {margin, editTop, width - margin, editTop + editH}, box.font);
    const int buttonTop = editTop + editH + gap;
    Child(window, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK,
          {width - margin - 2 * buttonW - gap, buttonTop, width - margin - buttonW - gap,
           buttonTop + buttonH},
          box.font);
    Child(window, L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL,
          {width - margin - buttonW, buttonTop, width - margin, buttonTop + buttonH}, box.font);
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetFocus(box.edit);
    RunModalLoop(window, box.done);
    if (owner) EnableWindow(owner, TRUE);
    DestroyWindow(window);
    DeleteObject(box.font);
    return box.answer;
}

}  // namespace flenmark
