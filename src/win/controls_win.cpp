#include "win/controls_win.h"

#include <algorithm>
#include <string_view>

#include "base/win_text.h"

namespace flenmark::win {

void Control::create(HWND parent, int id) {
    id_ = id;
    hwnd_ = CreateWindowExW(exStyle_, cls_, text_.c_str(), WS_CHILD | WS_VISIBLE | style_, 0, 0, 10,
                            10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
}

void Control::setFont(HFONT font) {
    font_ = font;
    if (!hwnd_) return;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // A text box keeps a quarter of its line height free on either side of its text.
    if (std::wstring_view(cls_) == L"EDIT") {
        const int margin = textSize().height / 4;
        SendMessageW(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(margin, margin));
    }
}

void Control::setText(const std::string& utf8) {
    std::wstring wide = Widen(utf8);
    // What the control shows may differ from what it was given (a text box the user typed in).
    const bool same = hwnd_ ? utf8 == text() : wide == text_;
    text_ = std::move(wide);
    if (hwnd_ && !same) SetWindowTextW(hwnd_, text_.c_str());
}

std::string Control::text() const {
    if (!hwnd_) return Narrow(text_);
    std::wstring t(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    t.resize(static_cast<size_t>(GetWindowTextW(hwnd_, t.data(), static_cast<int>(t.size()))));
    return Narrow(t);
}

void Control::setEnabled(bool enabled) {
    if (this->enabled() != enabled) EnableWindow(hwnd_, enabled);
}

void Control::setVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

Size Control::textSize(int wrapWidth) const {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font_);
    const std::wstring sample = text_.empty() ? L"Xg" : text_;
    RECT r{0, 0, wrapWidth, 0};
    DrawTextW(dc, sample.c_str(), -1, &r,
              DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return {text_.empty() ? 0 : static_cast<int>(r.right), static_cast<int>(r.bottom)};
}

Size Button::idealSize(int dpi) const {
    const Size t = textSize();
    return {std::max(t.width + Scaled(24, dpi), Scaled(75, dpi)), t.height + Scaled(10, dpi)};
}

void CheckBox::setChecked(bool checked) {
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::checked() const {
    return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

Size CheckBox::idealSize(int dpi) const {
    const Size t = textSize();
    return {t.width + Scaled(24, dpi), std::max(t.height, Scaled(16, dpi)) + Scaled(4, dpi)};
}

Size Label::idealSize(int dpi) const {
    const Size t = textSize(wrapWidth_ > 0 ? Scaled(wrapWidth_, dpi) : 0);
    const int oneLine = textSize(0).height;
    return {std::max(t.width + Scaled(2, dpi), Scaled(minWidth, dpi)),
            std::max(t.height, oneLine * minLines) + Scaled(2, dpi)};
}

Size Edit::idealSize(int dpi) const {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    // The text sits at the top of a text box: the box is only as much taller as its frame needs.
    return {tm.tmAveCharWidth * chars_ + Scaled(10, dpi), tm.tmHeight + Scaled(6, dpi)};
}

Size GroupBox::idealSize(int dpi) const {
    const Size t = textSize();
    return {t.width + Scaled(20, dpi), t.height};
}

Size Canvas::idealSize(int dpi) const {
    return {Scaled(size96_.width, dpi), Scaled(size96_.height, dpi)};
}

}  // namespace flenmark::win
