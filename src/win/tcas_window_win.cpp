#include "win/tcas_window_win.h"

#include "app/program.h"
#include "app/tcas_display.h"
#include "app/tcas_labels.h"
#include "app/tcas_scope_look.h"
#include "app/window_commands.h"
#include "app/window_layouts.h"
#include "base/win_text.h"
#include "win/font_family_win.h"
#include "win/gdiplus_win.h"

namespace flenmark::win {

using namespace Gdiplus;

namespace {

constexpr wchar_t kScopeClass[] = L"FlenmarkScope";
constexpr UINT_PTR kTimer = 1;

void DrawOwnAircraft(Graphics& g, int centre) {
    const auto outline = OwnAircraftOutline(centre);
    Point points[4];
    for (size_t i = 0; i < outline.size(); ++i) points[i] = Point(outline[i].x, outline[i].y);
    SolidBrush fill(ColourOf(kTcasScopeLook.ownFill));
    Pen edge(ColourOf(kTcasScopeLook.ownOutline), 1);
    g.FillPolygon(&fill, points, 4);
    g.DrawPolygon(&edge, points, 4);
}

void DrawDiamond(Graphics& g, const TcasTarget& t) {
    const int h = kTcasScopeLook.symbolHalfSize;
    Point d[4] = {Point(t.x, t.y - h), Point(t.x + h, t.y), Point(t.x, t.y + h),
                  Point(t.x - h, t.y)};
    if (const auto fill = TcasSymbolFill(t.traffic)) {
        SolidBrush brush(ColourOf(*fill));
        g.FillPolygon(&brush, d, 4);
    }
    Pen outline(ColourOf(kTcasScopeLook.symbolOutline), 1);
    g.DrawPolygon(&outline, d, 4);
}

}  // namespace

TcasWindow::TcasWindow(ProgramPort& port) : port_(port) {
    RegisterCanvasClass(kScopeClass, &TcasWindow::ScopeProc);
    // The scope grows with the window.
    createWindow(
        kTcasTitle,
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME,
        nullptr);
    auto frame = std::make_unique<GroupBox>();
    frame->name = "Frame3";
    frame->setText(kTcasFrameTitle);
    GroupBox& box = add(std::move(frame));
    auto scope = std::make_unique<Canvas>(kScopeClass, Size{kScopeSize, kScopeSize});
    scope->name = "imgTCASTable";
    scope_ = &add(std::move(scope));
    SetWindowLongPtrW(scope_->hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    auto mode = std::make_unique<Label>();
    mode->name = "Label11";
    mode_ = &add(std::move(mode));
    auto range = std::make_unique<Label>();
    range->name = "Label10";
    range_ = &add(std::move(range));
    std::vector<Item> buttons;
    for (const ButtonLayout& item : TcasButtons()) {
        void (*command)(Program&) = item.command;
        Button& b = addButton(item.name, item.caption, item.tooltip,
                              [this, command] { port_.post(command); });
        buttons.push_back(Ctl(b));
    }
    Item scopeItem = Ctl(*scope_);
    scopeItem->expand = true;  // it takes the room a larger window has
    setLayout(
        Padding(8, Group(box, VBox(Items(std::move(scopeItem),
                                         Grid(2, Items(Ctl(*mode_), Right(Ctl(*range_, false)))),
                                         Grid(2, std::move(buttons)))))));
    fitToLayout();
    port_.post([](Program& p) { TcasWindowOpened(p); });
    SetTimer(hwnd(), kTimer, 1000, nullptr);
    render();
}

TcasWindow::~TcasWindow() {
    if (isOpen()) onClose();
}

void TcasWindow::tick() {
    port_.refreshTraffic();
}

void TcasWindow::render() {
    const ProgramView view = port_.view();
    mode_->setText(TcasModeText(view.tcasMode));
    range_->setText(TcasRangeText(view.tcasRange));
    setOnTop(view.tcasOnTop);
    InvalidateRect(scope_->hwnd(), nullptr, FALSE);
}

void TcasWindow::paintScope(HWND scope) {
    const auto targets = port_.view().tcas.targets;
    PaintBuffered(scope, [&](Graphics& g, int width, int height) {
        g.Clear(ColourOf(WindowBackground()));
        // Everything is placed in scope pixels; the scope as large as fits, centred.
        const ScopeFit fit = FitScope(width, height, kScopeSize);
        g.TranslateTransform(static_cast<REAL>(fit.x), static_cast<REAL>(fit.y));
        g.ScaleTransform(static_cast<REAL>(fit.scale), static_cast<REAL>(fit.scale));
        const TcasScopeLook& look = kTcasScopeLook;
        const int c = kScopeSize / 2;
        SolidBrush disc(ColourOf(look.disc));
        Pen edge(ColourOf(look.discEdge), 1);
        g.FillEllipse(&disc, 1, 1, 2 * c - 2, 2 * c - 2);
        g.DrawEllipse(&edge, 1, 1, 2 * c - 2, 2 * c - 2);
        Pen ring(ColourOf(look.halfRangeRing), 1);
        ring.SetDashStyle(DashStyleDash);
        g.DrawEllipse(&ring, c - c / 2, c - c / 2, c, c);  // half the range
        const auto family = AvailableFontFamily({Widen(look.captionFont).c_str()});
        Font font(family.get(), static_cast<REAL>(look.captionPixels), FontStyleBold, UnitPixel);
        StringFormat centred;
        centred.SetAlignment(StringAlignmentCenter);
        centred.SetLineAlignment(StringAlignmentCenter);
        auto measure = [&](const std::string& text) {
            RectF box;
            const std::wstring wide = Widen(text);
            g.MeasureString(wide.c_str(), -1, &font, PointF(0, 0), &box);
            return static_cast<int>(box.Width + 0.5f) + look.captionPadding;
        };
        const int lineHeight = static_cast<int>(font.GetHeight(&g) + 0.5f);
        const std::vector<LabelBox> labels = PlaceTcasLabels(targets, measure, lineHeight);
        SolidBrush ink(ColourOf(look.caption));
        labelsDrawn_ = 0;
        for (size_t i = 0; i < targets.size(); ++i) {
            DrawDiamond(g, targets[i]);
            const LabelBox& b = labels[i];
            const std::wstring caption = Widen(targets[i].caption);
            const Status drawn =
                g.DrawString(caption.c_str(), -1, &font,
                             RectF(static_cast<REAL>(b.x), static_cast<REAL>(b.y),
                                   static_cast<REAL>(b.width), static_cast<REAL>(b.height)),
                             &centred, &ink);
            if (drawn == Ok) ++labelsDrawn_;
        }
        // The own aircraft over everything: a close target never hides it.
        DrawOwnAircraft(g, c);
    });
    drawn_ = targets.size();
}

LRESULT CALLBACK TcasWindow::ScopeProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<TcasWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_PAINT && self) {
        self->paintScope(window);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcW(window, message, w, l);
}

LRESULT TcasWindow::onMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_TIMER && w == kTimer) {
        tick();
        return 0;
    }
    return Window::onMessage(message, w, l);
}

void TcasWindow::onClose() {
    KillTimer(hwnd(), kTimer);
    port_.post([](Program& p) { TcasWindowClosed(p); });
    SetWindowLongPtrW(scope_->hwnd(), GWLP_USERDATA, 0);
    DestroyWindow(hwnd());
}

}  // namespace flenmark::win
