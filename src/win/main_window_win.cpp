#include "win/main_window_win.h"

#include <string_view>

#include "app/flight_summary_view.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/window_commands.h"
#include "base/win_text.h"
#include "win/options_dialog_win.h"

namespace flenmark::win {
namespace {

constexpr UINT_PTR kTimer1 = 1, kTimer2 = 2;
constexpr UINT kPublished = WM_APP + 10;
constexpr UINT kTrayMessage = WM_APP + 11;
constexpr UINT kMinimized = WM_APP + 12;

}  // namespace

MainWindow::MainWindow(GuiThread& gui) : gui_(gui) {
    createWindow("Flenmark", WS_OVERLAPPEDWINDOW, nullptr);
    tray_.cbSize = sizeof tray_;
    tray_.hWnd = hwnd();
    tray_.uID = 1;
    tray_.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    tray_.uCallbackMessage = kTrayMessage;
    tray_.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    wcscpy_s(tray_.szTip, L"Flenmark");
}

MainWindow::~MainWindow() {
    showInTray(false);
}

void MainWindow::attach(ProgramPort& port, Dialogs& dialogs) {
    port_ = &port;
    dialogs_ = &dialogs;
    SetWindowTextW(hwnd(), Widen(port.view().appTitle).c_str());
    build();
    render();
}

void MainWindow::build() {
    std::vector<Item> status;
    for (const LabelLayout& item : MainStatusLabels()) {
        auto label = std::make_unique<Label>();
        label->name = item.name;
        label->tooltip = item.tooltip;
        label->minWidth = 80;
        Label& l = add(std::move(label));
        labels_[item.name] = &l;
        status.push_back(Ctl(l));
    }
    labels_["Label9"]->font = FontRole::Bold;
    labels_["Label9"]->setFont(fontFor(FontRole::Bold));
    std::vector<Item> column;
    auto statusBox = std::make_unique<GroupBox>();
    statusBox->setText(kMainStatusTitle);
    column.push_back(Group(add(std::move(statusBox)), Grid(5, std::move(status))));
    for (const ButtonGroupLayout& group : MainButtonGroups()) {
        auto box = std::make_unique<GroupBox>();
        box->setText(group.title);
        GroupBox& frame = add(std::move(box));
        std::vector<Item> cells;
        std::vector<ButtonLayout> items = group.buttons;
        if (std::string_view(group.title) == kFlightsButtonGroup) items.push_back(kFlightsButton);
        for (const ButtonLayout& item : items) {
            auto button = std::make_unique<Button>();
            button->name = item.name;
            button->tooltip = item.tooltip;
            button->setText(item.caption);
            Button& b = add(std::move(button));
            buttons_[item.name] = &b;
            if (std::string_view(item.name) == kFlightsButton.name) {
                onClick(b, [this] { openFlightsWindow(); });
            } else if (item.opens != WindowToOpen::None) {
                const WindowToOpen which = item.opens;
                onClick(b, [this, which] { open(which); });
            } else {
                void (*command)(Program&) = item.command;
                onClick(b, [this, command] { port_->post(command); });
            }
            cells.push_back(Ctl(b));
        }
        column.push_back(Group(frame, Grid(group.columns, std::move(cells))));
    }
    auto message = std::make_unique<Label>(0, SS_SUNKEN);
    message->name = kMessageLineName;
    message->minWidth = 420;
    Label& line = add(std::move(message));
    labels_[kMessageLineName] = &line;
    column.push_back(Ctl(line));
    setLayout(Padding(
        11,
        HBox(Items(VBox(std::move(column), 8), VBox(Items(buildSummary(), Stretch()), 8)), 12)));
    fitToLayout();
}

// The flight beside the controls: a caption above each value, the values in bold (the first
// larger), in the window's own colours so that they read in a light and a dark theme.
Item MainWindow::buildSummary() {
    auto frame = std::make_unique<GroupBox>();
    frame->name = "fraFlight";
    frame->setText(kFlightSummaryTitle);
    GroupBox& box = add(std::move(frame));
    std::vector<Item> rows;
    for (const auto& [caption, value] : FlightSummaryRows({})) {
        auto name = std::make_unique<Label>();
        name->setText(caption);
        rows.push_back(Ctl(add(std::move(name))));
        auto shown = std::make_unique<Label>(200);
        shown->name = "lblFlight" + std::to_string(summary_.size());
        shown->minWidth = 200;
        shown->font = summary_.empty() ? FontRole::Large : FontRole::Bold;
        shown->setText(value);
        Label& l = add(std::move(shown));
        summary_.push_back(&l);
        rows.push_back(Ctl(l));
    }
    return Group(box, VBox(std::move(rows), 2));
}

void MainWindow::open(WindowToOpen which) {
    switch (which) {
        case WindowToOpen::Status:
            return openStatusWindow();
        case WindowToOpen::Tcas:
            return openTcasWindow();
        case WindowToOpen::Options:
            return openOptions();
        case WindowToOpen::Profile:
            return openProfileWindow();
        case WindowToOpen::None:
            break;
    }
}

void MainWindow::render() {
    if (!port_) return;
    const ProgramView view = port_->view();
    const MainWindowView& v = view.main;
    showLabel(*labels_["lblConnect"], v.lblConnect);
    showLabel(*labels_["Label5"], v.label5);
    showLabel(*labels_["Label13"], v.label13);
    showLabel(*labels_["Label6"], v.label6);
    showLabel(*labels_[kMessageLineName], v.label7);
    showLabel(*labels_["Label9"], v.label9);
    const auto rows = FlightSummaryRows(v.flight);
    bool longer = false;
    for (size_t i = 0; i < summary_.size() && i < rows.size(); ++i) {
        const int before = summary_[i]->idealSize(dpi()).height;
        summary_[i]->setText(rows[i].second);
        longer = longer || summary_[i]->idealSize(dpi()).height > before;
    }
    if (longer) fitToLayout(true);  // an airport's long name wraps onto another line
    for (const auto& [name, enabled] : MainButtonStates(v)) buttons_[name]->setEnabled(enabled);
    setOnTop(view.mainOnTop);
}

void MainWindow::renderAll() {
    render();
    if (status_ && status_->isOpen()) status_->render();
    if (tcas_ && tcas_->isOpen()) tcas_->render();
    if (flights_ && flights_->isOpen()) flights_->render();
    if (OptionsDialog* options = OptionsDialog::open()) options->viewChanged();
}

void MainWindow::published() {
    PostMessageW(hwnd(), kPublished, 0, 0);
}

void MainWindow::tick() {
    if (port_) port_->tick();
}

void MainWindow::startTimer1() {
    SetTimer(hwnd(), kTimer1, 1000, nullptr);
}

void MainWindow::openTcasWindow() {
    if (!port_ || (tcas_ && tcas_->isOpen())) return;
    tcas_ = std::make_unique<TcasWindow>(*port_);
    tcas_->show();
}

void MainWindow::openStatusWindow() {
    if (!port_ || (status_ && status_->isOpen())) return;
    status_ = std::make_unique<StatusWindow>(*port_);
    status_->show();
}

void MainWindow::openProfileWindow() {
    if (!port_) return;
    if (profile_ && profile_->isOpen()) return profile_->refresh();
    profile_ = std::make_unique<ProfileWindow>(*port_);
    profile_->show();
}

void MainWindow::openFlightsWindow() {
    if (!port_) return;
    if (flights_ && flights_->isOpen()) {
        SetForegroundWindow(flights_->hwnd());
        return;
    }
    flights_ = std::make_unique<FlightsWindow>(
        *port_, [this](const LogbookEntry& flight) { openKeptProfile(flight); });
    flights_->show();
}

void MainWindow::openKeptProfile(const LogbookEntry& flight) {
    keptProfile_ = std::make_unique<ProfileWindow>(*port_, KeptFlightProfile(flight));
    keptProfile_->show();
}

void MainWindow::openOptions() {
    if (!port_) return;
    OptionsDialog options(*port_, *dialogs_, hwnd());
    options.exec();
}

// The hooks come from the thread the ticks run on: they take effect on the GUI thread.
void MainWindow::restartMessageTimer() {
    gui_.post([this] { SetTimer(hwnd(), kTimer2, 5000, nullptr); });
}

void MainWindow::restartStatusMessageTimer() {
    gui_.post([this] {
        if (status_ && status_->isOpen()) status_->restartEventTimer();
    });
}

void MainWindow::refresh() {
    gui_.post([this] {
        render();
        UpdateWindow(hwnd());
    });
}

void MainWindow::quitProgram() {
    gui_.run([this] {
        showInTray(false);
        PostQuitMessage(0);
    });
}

void MainWindow::restoreFromTray() {
    const bool fromTray = gui_.current();
    gui_.post([this] {
        showInTray(false);
        ShowWindow(hwnd(), SW_RESTORE);
        SetForegroundWindow(hwnd());
    });
    // Called from a tick, the program's view is already being changed there; from the tray
    // icon, the window tells the program.
    if (fromTray && port_) port_->post([](Program& p) { MainWindowRestored(p); });
}

void MainWindow::showInTray(bool shown) {
    if (shown == inTray_) return;
    inTray_ = shown && Shell_NotifyIconW(NIM_ADD, &tray_);
    if (!shown) Shell_NotifyIconW(NIM_DELETE, &tray_);
}

void MainWindow::onMinimized() {
    if (!port_ || !IsIconic(hwnd())) return;
    minimizing_ = true;
    const ProgramView view = port_->view();
    bool startLogging = false;
    if (StartLoggingQuestionDue(view)) {
        ShowWindow(hwnd(), SW_RESTORE);
        setOnTop(true);
        startLogging = AskStartLogging(*dialogs_);
        setOnTop(view.mainOnTop);
        ShowWindow(hwnd(), SW_MINIMIZE);
    }
    port_->post([startLogging](Program& p) { AnswerFirstMinimize(p, startLogging); });
    showInTray(true);
    if (inTray_) ShowWindow(hwnd(), SW_HIDE);
    minimizing_ = false;
}

void MainWindow::onClose() {
    showInTray(false);
    if (tcas_) tcas_.reset();
    if (status_) status_.reset();
    if (profile_) profile_.reset();
    keptProfile_.reset();
    flights_.reset();
    DestroyWindow(hwnd());
}

LRESULT MainWindow::onMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case kPublished:
            renderAll();
            return 0;
        case WM_TIMER:
            if (w == kTimer1) {
                tick();
            } else if (w == kTimer2) {
                KillTimer(hwnd(), kTimer2);
                if (port_) port_->post([](Program& p) { ClearMessageLine(p); });
            }
            return 0;
        case WM_SIZE:
            if (w == SIZE_MINIMIZED && !minimizing_) PostMessageW(hwnd(), kMinimized, 0, 0);
            break;
        case kMinimized:
            onMinimized();
            return 0;
        case kTrayMessage:
            if (LOWORD(l) == WM_LBUTTONUP || LOWORD(l) == WM_RBUTTONUP) restoreFromTray();
            return 0;
        case WM_DESTROY:
            KillTimer(hwnd(), kTimer1);
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return Window::onMessage(message, w, l);
}

}  // namespace flenmark::win
