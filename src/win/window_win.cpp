#include "win/window_win.h"

#include <commctrl.h>

#include <algorithm>

#include "base/win_text.h"

namespace flenmark::win {
namespace {

constexpr wchar_t kClass[] = L"FlenmarkWindow";

void RegisterClassOnce(WNDPROC proc) {
    static const bool done = [proc] {
        WNDCLASSW c{};
        c.lpfnWndProc = proc;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        c.hIcon = LoadIconW(c.hInstance, MAKEINTRESOURCEW(1));
        c.lpszClassName = kClass;
        return RegisterClassW(&c) != 0;
    }();
    (void)done;
}

COLORREF Ref(Rgb c) {
    return RGB(c.r, c.g, c.b);
}

}  // namespace

Rgb WindowBackground() {
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

Window::~Window() {
    if (isOpen()) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (HFONT f : fonts_)
        if (f) DeleteObject(f);
}

void Window::createWindow(const std::string& title, DWORD style, HWND owner) {
    RegisterClassOnce(&Window::Proc);
    hwnd_ = CreateWindowExW(0, kClass, Widen(title).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                            100, 100, owner, nullptr, GetModuleHandleW(nullptr), this);
    dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));
    makeFonts();
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, px(400));
}

void Window::makeFonts() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                               static_cast<UINT>(dpi_));
    LOGFONTW normal = metrics.lfMessageFont, bold = normal, large = normal;
    bold.lfWeight = FW_BOLD;
    bold.lfHeight = normal.lfHeight * 4 / 3;
    large.lfWeight = FW_BOLD;
    large.lfHeight = normal.lfHeight * 2;
    for (HFONT f : fonts_)
        if (f) DeleteObject(f);
    fonts_[0] = CreateFontIndirectW(&normal);
    fonts_[1] = CreateFontIndirectW(&bold);
    fonts_[2] = CreateFontIndirectW(&large);
    for (auto& c : controls_) c->setFont(fontFor(c->font));
}

HFONT Window::fontFor(FontRole role) const {
    return fonts_[static_cast<int>(role)];
}

Control* Window::control(const std::string& name) const {
    for (const auto& c : controls_)
        if (c->name == name) return c.get();
    return nullptr;
}

void Window::addControl(std::unique_ptr<Control> control) {
    control->create(hwnd_, nextId_++);
    control->setFont(fontFor(control->font));
    if (!control->tooltip.empty()) addTooltip(*control);
    controls_.push_back(std::move(control));
}

Button& Window::addButton(const char* name, const char* caption, const char* tooltip,
                          std::function<void()> action) {
    auto button = std::make_unique<Button>();
    button->name = name;
    button->tooltip = tooltip;
    button->setText(caption);
    Button& b = add(std::move(button));
    onClick(b, std::move(action));
    return b;
}

void Window::addTooltip(const Control& c) {
    const std::wstring tip = Widen(c.tooltip);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(c.hwnd());
    info.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Window::onClick(const Control& c, std::function<void()> action) {
    clicks_[c.id()] = std::move(action);
}

void Window::showLabel(Label& label, const LabelView& view) {
    label.setText(view.text);
    const COLORREF colour = Ref(StatusTextColour(view.colour, WindowBackground()));
    auto& held = colours_[label.hwnd()];
    if (held != colour) {
        held = colour;
        InvalidateRect(label.hwnd(), nullptr, TRUE);
    }
}

void Window::setLayout(Item root) {
    layout_ = std::move(root);
}

void Window::fitToLayout(bool keepLarger) {
    if (!layout_) return;
    const Size need = layout_->measure(dpi_);
    RECT r{0, 0, need.width, need.height};
    AdjustWindowRectExForDpi(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)),
                             static_cast<UINT>(dpi_));
    int width = r.right - r.left, height = r.bottom - r.top;
    if (keepLarger) {
        RECT now{};
        GetWindowRect(hwnd_, &now);
        width = std::max<int>(width, now.right - now.left);
        height = std::max<int>(height, now.bottom - now.top);
    }
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    relayout();
}

void Window::relayout() {
    if (!layout_) return;
    RECT r{};
    GetClientRect(hwnd_, &r);
    layout_->place(0, 0, r.right, r.bottom, dpi_);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Window::setOnTop(bool onTop) {
    const bool now = (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (now == onTop) return;
    SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Window::show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

void Window::onClose() {
    DestroyWindow(hwnd_);
}

LRESULT Window::onMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND: {
            const auto found = clicks_.find(LOWORD(w));
            if (found != clicks_.end() && HIWORD(w) == BN_CLICKED) {
                const auto action = found->second;  // the action may close this window
                action();
                return 0;
            }
            break;
        }
        case WM_CTLCOLORSTATIC: {
            const auto found = colours_.find(reinterpret_cast<HWND>(l));
            if (found == colours_.end()) break;
            HDC dc = reinterpret_cast<HDC>(w);
            SetTextColor(dc, found->second);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_SIZE:
            relayout();
            return 0;
        case WM_GETMINMAXINFO:
            if (layout_) {
                const Size need = layout_->measure(dpi_);
                RECT r{0, 0, need.width, need.height};
                AdjustWindowRectExForDpi(
                    &r, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                    static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)),
                    static_cast<UINT>(dpi_));
                auto* info = reinterpret_cast<MINMAXINFO*>(l);
                info->ptMinTrackSize = {r.right - r.left, r.bottom - r.top};
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(w);
            makeFonts();
            const RECT* suggested = reinterpret_cast<const RECT*>(l);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            fitToLayout(true);
            return 0;
        }
        case WM_CLOSE:
            onClose();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, w, l);
}

LRESULT CALLBACK Window::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, w, l);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(window, message, w, l);
    }
    return self->onMessage(message, w, l);
}

}  // namespace flenmark::win
