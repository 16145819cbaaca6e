#include "win/profile_window_win.h"

#include "app/profile_view.h"
#include "app/window_layouts.h"
#include "base/win_text.h"
#include "win/font_family_win.h"
#include "win/gdiplus_win.h"

namespace flenmark::win {

using namespace Gdiplus;

namespace {

constexpr wchar_t kCanvasClass[] = L"FlenmarkProfile";
constexpr UINT_PTR kTimer = 1;

// The figure's shapes on a GDI+ surface whose units are the figure's pixels.
struct DrawShape {
    Graphics& g;
    FontFamily& family;
    void operator()(const FigureLine& l) const {
        Pen pen(ColourOf(l.colour), static_cast<REAL>(l.width));
        if (l.dashed) {
            const REAL dashes[] = {4, 3};
            pen.SetDashPattern(dashes, 2);
        }
        g.DrawLine(&pen, static_cast<REAL>(l.x1), static_cast<REAL>(l.y1), static_cast<REAL>(l.x2),
                   static_cast<REAL>(l.y2));
    }
    void operator()(const FigureText& t) const {
        Font font(&family, static_cast<REAL>(t.sizePixels), FontStyleRegular, UnitPixel);
        StringFormat format;
        format.SetAlignment(t.anchor == FigureText::Anchor::Start    ? StringAlignmentNear
                            : t.anchor == FigureText::Anchor::Middle ? StringAlignmentCenter
                                                                     : StringAlignmentFar);
        // The figure gives the baseline; GDI+ places a string by its top.
        const REAL ascent = font.GetSize() * family.GetCellAscent(FontStyleRegular) /
                            family.GetEmHeight(FontStyleRegular);
        SolidBrush ink(ColourOf(t.colour));
        const std::wstring text = Widen(t.text);
        g.DrawString(text.c_str(), -1, &font,
                     PointF(static_cast<REAL>(t.x), static_cast<REAL>(t.y) - ascent), &format,
                     &ink);
    }
    void operator()(const FigurePolyline& p) const {
        std::vector<PointF> points;
        for (const auto& [x, y] : p.points)
            points.emplace_back(static_cast<REAL>(x), static_cast<REAL>(y));
        Pen pen(ColourOf(p.colour), static_cast<REAL>(p.width));
        pen.SetLineJoin(LineJoinRound);
        if (points.size() > 1) g.DrawLines(&pen, points.data(), static_cast<INT>(points.size()));
    }
};

}  // namespace

ProfileWindow::ProfileWindow(ProgramPort& port, std::optional<ProfileSource> kept)
    : port_(port), kept_(std::move(kept)) {
    RegisterCanvasClass(kCanvasClass, &ProfileWindow::CanvasProc);
    createWindow(kProfileTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, nullptr);
    auto canvas = std::make_unique<Canvas>(kCanvasClass, Size{kProfileMinWidth, kProfileMinHeight});
    canvas->name = "imgProfile";
    canvas_ = &add(std::move(canvas));
    SetWindowLongPtrW(canvas_->hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Item root = Ctl(*canvas_);
    root->expand = true;
    setLayout(VBox(Items(std::move(root)), 0));
    // Opens at 1200 by 600 at the window's scale, or what the screen has room for.
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT r{0, 0, std::min<LONG>(px(1200), work.right - work.left - px(40)),
           std::min<LONG>(px(600), work.bottom - work.top - px(80))};
    AdjustWindowRectExForDpi(&r, WS_OVERLAPPEDWINDOW, FALSE, 0, static_cast<UINT>(dpi()));
    SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    relayout();
    SetTimer(hwnd(), kTimer, kProfileRefreshMs, nullptr);
    refresh();
}

ProfileWindow::~ProfileWindow() {
    if (isOpen()) onClose();
}

void ProfileWindow::refresh() {
    RECT r{};
    GetClientRect(canvas_->hwnd(), &r);
    // The figure is made in pixels at 96 dots per inch and drawn at the window's scale.
    const int width = MulDiv(r.right, 96, dpi()), height = MulDiv(r.bottom, 96, dpi());
    figure_ = kept_ ? ProfileFigureOf(*kept_, width, height, false)
                    : ProfileFigureOf(port_.view(), width, height, false);
    InvalidateRect(canvas_->hwnd(), nullptr, FALSE);
}

void ProfileWindow::paint(HWND canvas) {
    PaintBuffered(canvas, [&](Graphics& g, int width, int height) {
        g.Clear(ColourOf(WindowBackground()));
        if (!figure_) {
            const auto family = AvailableFontFamily({L"Arial"});
            Font font(family.get(), static_cast<REAL>(px(13)), FontStyleRegular, UnitPixel);
            StringFormat centred;
            centred.SetAlignment(StringAlignmentCenter);
            centred.SetLineAlignment(StringAlignmentCenter);
            SolidBrush ink(Color(255, 0, 0, 0));
            const std::wstring text = Widen(kProfileEmpty);
            g.DrawString(text.c_str(), -1, &font,
                         RectF(0, 0, static_cast<REAL>(width), static_cast<REAL>(height)), &centred,
                         &ink);
            return;
        }
        // Scaled to fit: the figure is never smaller than its least size.
        const REAL scale = std::min(static_cast<REAL>(width) / static_cast<REAL>(figure_->width),
                                    static_cast<REAL>(height) / static_cast<REAL>(figure_->height));
        g.ScaleTransform(scale, scale);
        SolidBrush background(ColourOf(figure_->background));
        g.FillRectangle(&background, 0, 0, figure_->width, figure_->height);
        const auto family = AvailableFontFamily({L"DejaVu Sans", L"Arial"});
        for (const FigureShape& shape : figure_->shapes) std::visit(DrawShape{g, *family}, shape);
    });
}

LRESULT CALLBACK ProfileWindow::CanvasProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<ProfileWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_PAINT && self) {
        self->paint(window);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcW(window, message, w, l);
}

LRESULT ProfileWindow::onMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_TIMER && w == kTimer) {
        refresh();
        return 0;
    }
    if (message == WM_SIZE) {
        const LRESULT r = Window::onMessage(message, w, l);
        if (canvas_) refresh();
        return r;
    }
    return Window::onMessage(message, w, l);
}

void ProfileWindow::onClose() {
    KillTimer(hwnd(), kTimer);
    SetWindowLongPtrW(canvas_->hwnd(), GWLP_USERDATA, 0);
    DestroyWindow(hwnd());
}

}  // namespace flenmark::win
