#include "win/status_window_win.h"

#include "app/messages.h"
#include "app/program.h"
#include "app/window_commands.h"
#include "app/window_layouts.h"

namespace flenmark::win {
namespace {

constexpr UINT_PTR kEventTimer = 1;

}  // namespace

StatusWindow::StatusWindow(ProgramPort& port) : port_(port) {
    createWindow(kStatusTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, nullptr);
    std::vector<Item> column;
    for (const LabelLayout& item : StatusValueLabels()) {
        auto label = std::make_unique<Label>();
        label->name = item.name;
        label->tooltip = item.tooltip;
        label->font = FontRole::Large;
        label->minWidth = 260;
        Label& l = add(std::move(label));
        labels_[item.name] = &l;
        column.push_back(Ctl(l));
    }
    auto event = std::make_unique<Label>(260);
    event->name = kStatusEventName;
    event->minLines = 2;
    Label& e = add(std::move(event));
    labels_[kStatusEventName] = &e;
    column.push_back(Ctl(e));
    const ButtonLayout& item = StatusOnTopButton();
    auto button = std::make_unique<Button>();
    button->name = item.name;
    button->tooltip = item.tooltip;
    button->setText(item.caption);
    Button& onTop = add(std::move(button));
    onClick(onTop, [this, &item] { port_.post(item.command); });
    column.push_back(Ctl(onTop));
    setLayout(Padding(11, VBox(std::move(column))));
    fitToLayout();
    port_.post([](Program& p) { StatusWindowOpened(p); });
    render();
}

StatusWindow::~StatusWindow() {
    if (isOpen()) onClose();
}

void StatusWindow::render() {
    const ProgramView view = port_.view();
    const StatusWindowView& v = view.status;
    showLabel(*labels_["Label1"], v.label1);
    showLabel(*labels_["Label12"], v.label12);
    showLabel(*labels_["Label2"], v.label2);
    showLabel(*labels_["Label3"], v.label3);
    showLabel(*labels_["Label4"], v.label4);
    showLabel(*labels_["Label8"], v.label8);
    showLabel(*labels_[kStatusEventName], v.lblEvent);
    setOnTop(view.statusOnTop);
}

void StatusWindow::restartEventTimer() {
    SetTimer(hwnd(), kEventTimer, 5000, nullptr);
}

LRESULT StatusWindow::onMessage(UINT message, WPARAM w, LPARAM l) {
    if (message == WM_TIMER && w == kEventTimer) {
        KillTimer(hwnd(), kEventTimer);
        port_.post([](Program& p) { ClearStatusEventLine(p); });
        return 0;
    }
    return Window::onMessage(message, w, l);
}

void StatusWindow::onClose() {
    KillTimer(hwnd(), kEventTimer);
    port_.post([](Program& p) { StatusWindowClosed(p); });
    DestroyWindow(hwnd());
}

}  // namespace flenmark::win
