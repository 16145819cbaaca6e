#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QThread>
#include <QVBoxLayout>

#include "app/connection.h"
#include "app/conversion_command.h"
#include "app/logging_control.h"
#include "app/main_tick.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/realtime_commands.h"
#include "app/window_commands.h"
#include "platform/qt/app_icon.h"
#include "platform/qt/gui_thread.h"
#include "ui/options_dialog.h"
#include "ui/readable_colours.h"
#include "ui/window_flags.h"

namespace flenmark::ui {
namespace {

QGroupBox* Group(const QString& title, const QList<QWidget*>& widgets, int columns) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < widgets.size(); ++i) grid->addWidget(widgets[i], i / columns, i % columns);
    return box;
}

}  // namespace

MainWindow::MainWindow() {
    setObjectName("Form1");
    setWindowIcon(AppIcon());
    timer1_.setInterval(1000);
    timer2_.setInterval(5000);
    timer2_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, [this] { tick(); });
    connect(&timer2_, &QTimer::timeout, this, [this] {
        if (port_) port_->post([](Program& p) { ClearMessageLine(p); });
    });
    tray_.setIcon(AppIcon());
    tray_.setToolTip("Flenmark");
    connect(&tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::Context) restoreFromTray();
    });
}

void MainWindow::attach(ProgramPort& port, Dialogs& dialogs) {
    port_ = &port;
    dialogs_ = &dialogs;
    setWindowTitle(QString::fromStdString(port.view().appTitle));
    buildLayout();
    render();
}

QPushButton* MainWindow::addButton(const QString& name, const QString& caption,
                                   const QString& tooltip, void (*action)(Program&)) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    if (!tooltip.isEmpty()) b->setToolTip(tooltip);
    b->setEnabled(action != nullptr);
    b->setProperty("available", action != nullptr);
    if (action) connect(b, &QPushButton::clicked, this, [this, action] { run(action); });
    buttons_[name] = b;
    return b;
}

QPushButton* MainWindow::addWindowButton(const QString& name, const QString& caption,
                                         const QString& tooltip, void (MainWindow::*open)()) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    if (!tooltip.isEmpty()) b->setToolTip(tooltip);
    b->setProperty("available", true);
    connect(b, &QPushButton::clicked, this, [this, open] { (this->*open)(); });
    buttons_[name] = b;
    return b;
}

void MainWindow::openTcasWindow() {
    if (!port_ || (tcas_ && tcas_->isVisible())) return;
    tcas_ = std::make_unique<TcasWindow>(*port_, windowIcon());
    tcas_->show();
}

void MainWindow::openStatusWindow() {
    if (!port_ || (status_ && status_->isVisible())) return;
    status_ = std::make_unique<StatusWindow>(*port_, windowIcon());
    status_->show();
}

void MainWindow::openProfileWindow() {
    if (!port_) return;
    if (profile_ && profile_->isVisible()) return profile_->refresh();
    profile_ = std::make_unique<ProfileWindow>(*port_, windowIcon());
    profile_->show();
}

void MainWindow::openOptions() {
    if (!port_) return;
    OptionsDialog options(*port_, *dialogs_, this);
    connect(this, &MainWindow::viewChanged, &options, &OptionsDialog::viewChanged);
    options.exec();
}

QLabel* MainWindow::addLabel(const QString& name) {
    auto* l = new QLabel;
    l->setObjectName(name);
    labels_[name] = l;
    return l;
}

void MainWindow::buildLayout() {
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    QFont clockFont = font();
    clockFont.setPointSize(clockFont.pointSize() + 4);
    clockFont.setBold(true);
    QLabel* clock = addLabel("Label9");
    clock->setFont(clockFont);
    clock->setToolTip("UTC time");
    clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    column->addWidget(Group("Status",
                            {addLabel("lblConnect"), addLabel("Label5"), addLabel("Label13"),
                             addLabel("Label6"), clock},
                            5));
    column->addWidget(Group("Connection",
                            {addButton("Command1", "(Re) Connect", "Click here to (re)connect.",
                                       [](Program& p) { Connect(p); })},
                            1));
    column->addWidget(
        Group("Logging",
              {addButton("btn_startlog", "Start logging", "", [](Program& p) { StartLogging(p); }),
               addButton("btn_stoplog", "Stop logging", "", [](Program& p) { StopLogging(p); }),
               addButton("btn_startAnimate", "Toggle animation mode", "",
                         [](Program& p) { ToggleAnimation(p); }),
               addButton("btn_resetlog", "Reset log", "", [](Program& p) { ResetLog(p, false); })},
              2));
    column->addWidget(
        Group("Realtime and views",
              {addButton("btn_ToggleRealtime", "Toggle realtime logging",
                         "Toggle realtime logging (enables you to see yourself flying realtime in "
                         "Google Earth, make sure you already generated the Google Earth link "
                         "before, click button below)",
                         [](Program& p) { ToggleRealtime(p); }),
               addButton("btn_InitiateRealtime", "Generate Google Earth realtime link",
                         "Click here to generate the Google Earth link for realtime logging, "
                         "Google Earth will open. Save the file to your My Places folder.",
                         [](Program& p) { GenerateRealtimeLink(p); }),
               addButton("btn_setChase", "Chase", "Set the realtime view mode to chase",
                         [](Program& p) { SetChaseView(p); }),
               addButton("btn_setOverview", "Overview", "Set the realtime view mode to overview",
                         [](Program& p) { SetOverviewView(p); }),
               addButton("btn_setLeft", "Left", "Switch the realtime view to the left",
                         [](Program& p) { SetViewFromLeft(p); }),
               addButton("btn_setRight", "Right", "Switch the realtime view to the right",
                         [](Program& p) { SetViewFromRight(p); })},
              2));
    column->addWidget(Group("Output",
                            {addButton("btn_Convert", "View flight in Google Earth",
                                       "Convert your flight to see it in Google Earth!",
                                       [](Program& p) { ConvertFlightLogCommand(p); }),
                             addButton("btn_Export", "Export GPX/CSV...",
                                       "Save your flight for other programs: GPX for maps and "
                                       "GPS tools, CSV for spreadsheets",
                                       [](Program& p) { ExportFlightCommand(p); }),
                             addWindowButton("btn_Profile", "Flight profile",
                                             "Altitude and ground speed of this flight over "
                                             "time, with its events",
                                             &MainWindow::openProfileWindow),
                             addButton("btn_savedlogs", "Open SavedLogs folder",
                                       "Open the folder where your saved logs are saved",
                                       [](Program& p) { OpenSavedTracksFolder(p); })},
                            2));
    column->addWidget(
        Group("Windows and options",
              {addWindowButton("btn_indicator", "Open indicator",
                               "Open the aircraft status indicator window",
                               &MainWindow::openStatusWindow),
               addWindowButton("btn_TCAS", "Open TCAS", "Open the TCAS window",
                               &MainWindow::openTcasWindow),
               addWindowButton("btn_Options", "Options...", "", &MainWindow::openOptions),
               addButton("btn_ToggleOnTop", "Toggle always on top", "",
                         [](Program& p) { ToggleMainOnTop(p); }),
               addButton("btn_Manual", "Open manual", "", [](Program& p) { OpenManual(p); }),
               addButton("btn_Website", "Open website", "", [](Program& p) { OpenWebsite(p); })},
              3));
    QLabel* message = addLabel("Label7");
    message->setFrameShape(QFrame::StyledPanel);
    message->setMinimumHeight(message->sizeHint().height() + 8);
    column->addWidget(message);
    column->setSizeConstraint(QLayout::SetMinimumSize);
    setCentralWidget(central);
    resize(sizeHint().expandedTo(QSize(480, 0)));
}

void MainWindow::render() {
    if (!port_) return;
    const ProgramView view = port_->view();
    const MainWindowView& v = view.main;
    ShowStatusLabel(labels_["lblConnect"], v.lblConnect);
    ShowStatusLabel(labels_["Label5"], v.label5);
    ShowStatusLabel(labels_["Label13"], v.label13);
    ShowStatusLabel(labels_["Label6"], v.label6);
    ShowStatusLabel(labels_["Label7"], v.label7);
    ShowStatusLabel(labels_["Label9"], v.label9);
    const std::pair<const char*, bool> states[] = {{"btn_startlog", v.btnStartLog},
                                                   {"btn_stoplog", v.btnStopLog},
                                                   {"btn_startAnimate", v.btnStartAnimate},
                                                   {"btn_ToggleRealtime", v.btnToggleRealtime},
                                                   {"btn_resetlog", v.btnResetLog},
                                                   {"btn_Convert", v.btnConvert},
                                                   {"btn_Export", v.btnConvert},
                                                   {"btn_setChase", v.btnSetChase},
                                                   {"btn_setLeft", v.btnSetLeft},
                                                   {"btn_setRight", v.btnSetRight},
                                                   {"btn_setOverview", v.btnSetOverview}};
    for (const auto& [name, enabled] : states) {
        QPushButton* b = buttons_.value(name);
        b->setEnabled(enabled && b->property("available").toBool());
    }
    setOnTop(view.mainOnTop);
}

void MainWindow::run(void (*action)(Program&)) {
    if (port_) port_->post(action);
}

void MainWindow::tick() {
    if (port_) port_->tick();
}

void MainWindow::renderAll() {
    render();
    if (status_ && status_->isVisible()) status_->render();
    if (tcas_ && tcas_->isVisible()) tcas_->render();
    emit viewChanged();
}

// The hooks come from the thread the ticks run on: they take effect on the GUI thread.
void MainWindow::restartMessageTimer() {
    LaterOnGuiThread(this, [this] { timer2_.start(); });
}

void MainWindow::restartStatusMessageTimer() {
    LaterOnGuiThread(this, [this] {
        if (status_ && status_->isVisible()) status_->restartEventTimer();
    });
}

void MainWindow::refresh() {
    LaterOnGuiThread(this, [this] {
        render();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

void MainWindow::quitProgram() {
    OnGuiThread([this] {
        tray_.hide();
        QApplication::exit(0);
    });
}

void MainWindow::restoreFromTray() {
    LaterOnGuiThread(this, [this] {
        tray_.hide();
        showNormal();
        raise();
        activateWindow();
    });
    // Called from a tick, the program's view is already being changed there; from the tray
    // icon, the window tells the program.
    if (QThread::currentThread() == thread() && port_)
        port_->post([](Program& p) { p.mainView.minimized = false; });
}

void MainWindow::setOnTop(bool onTop) {
    SetStaysOnTop(*this, onTop);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !minimizing_)
        QTimer::singleShot(0, this, [this] { onMinimized(); });
}

void MainWindow::onMinimized() {
    if (!port_ || !isMinimized()) return;
    minimizing_ = true;
    const ProgramView view = port_->view();
    bool startLogging = false;
    if (StartLoggingQuestionDue(view)) {
        showNormal();
        setOnTop(true);
        startLogging = AskStartLogging(*dialogs_);
        setOnTop(view.mainOnTop);
        showMinimized();
    }
    port_->post([startLogging](Program& p) { AnswerFirstMinimize(p, startLogging); });
    showProgramInTray();
    minimizing_ = false;
}

void MainWindow::showProgramInTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Without a notification area the window stays minimised on the task bar.
        if (!trayMissingReported_ && port_)
            port_->post([](Program& p) {
                ShowMessage(p, "No system tray found: the window stays on the task bar.");
            });
        trayMissingReported_ = true;
        return;
    }
    tray_.show();
    hide();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    tray_.hide();
    if (tcas_) tcas_->close();
    if (status_) status_->close();
    event->accept();
    QApplication::quit();
}

}  // namespace flenmark::ui
