#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "app/main_tick.h"
#include "app/messages.h"
#include "app/window_commands.h"
#include "kml/conversion_command.h"
#include "realtime/realtime_control.h"
#include "recorder/logging_control.h"
#include "simlink/connection.h"
#include "ui/app_icon.h"
#include "ui/options_dialog.h"
#include "ui/window_flags.h"

namespace flenmark::ui {
namespace {

QColor ColourOf(TextColour c) {
    switch (c) {
        case TextColour::Red:
            return QColor(255, 0, 0);
        case TextColour::Green:
            return QColor(0, 200, 0);
        case TextColour::Black:
            break;
    }
    return QColor(0, 0, 0);
}

void ShowLabel(QLabel* label, const LabelView& view) {
    label->setText(QString::fromStdString(view.text));
    label->setStyleSheet(QString("color: %1;").arg(ColourOf(view.colour).name()));
}

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
        if (program_) ClearMessageLine(*program_);
        render();
    });
    tray_.setIcon(AppIcon());
    tray_.setToolTip("Flenmark");
    connect(&tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::Context) restoreFromTray();
    });
}

void MainWindow::attach(Program& program) {
    program_ = &program;
    setWindowTitle(QString::fromStdString(program.AppTitle));
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
    if (action) connect(b, &QPushButton::clicked, this, [this, action] { runAndRender(action); });
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
    if (!program_ || program_->TCASWindowOpen) return;
    tcas_ = std::make_unique<TcasWindow>(*program_, windowIcon());
    tcas_->show();
}

void MainWindow::openStatusWindow() {
    if (!program_ || program_->StatusWindowOpen) return;
    status_ = std::make_unique<StatusWindow>(*program_, windowIcon());
    status_->show();
}

void MainWindow::openOptions() {
    if (!program_) return;
    OptionsDialog(*program_, this).exec();
    render();
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
    if (!program_) return;
    const MainWindowView& v = program_->mainView;
    ShowLabel(labels_["lblConnect"], v.lblConnect);
    ShowLabel(labels_["Label5"], v.label5);
    ShowLabel(labels_["Label13"], v.label13);
    ShowLabel(labels_["Label6"], v.label6);
    ShowLabel(labels_["Label7"], v.label7);
    ShowLabel(labels_["Label9"], v.label9);
    const std::pair<const char*, bool> states[] = {
        {"btn_startlog", v.btnStartLog},         {"btn_stoplog", v.btnStopLog},
        {"btn_startAnimate", v.btnStartAnimate}, {"btn_ToggleRealtime", v.btnToggleRealtime},
        {"btn_resetlog", v.btnResetLog},         {"btn_Convert", v.btnConvert},
        {"btn_setChase", v.btnSetChase},         {"btn_setLeft", v.btnSetLeft},
        {"btn_setRight", v.btnSetRight},         {"btn_setOverview", v.btnSetOverview}};
    for (const auto& [name, enabled] : states) {
        QPushButton* b = buttons_.value(name);
        b->setEnabled(enabled && b->property("available").toBool());
    }
    setOnTop(program_->MainOnTop);
}

void MainWindow::runAndRender(void (*action)(Program&)) {
    if (program_) action(*program_);
    renderAll();
}

void MainWindow::tick() {
    if (program_) MainTick(*program_);
    renderAll();
}

void MainWindow::renderAll() {
    render();
    if (status_ && program_ && program_->StatusWindowOpen) status_->render();
    if (tcas_ && program_ && program_->TCASWindowOpen) tcas_->render();
}

void MainWindow::restartMessageTimer() {
    timer2_.start();
}

void MainWindow::restartStatusMessageTimer() {
    if (status_ && program_ && program_->StatusWindowOpen) status_->restartEventTimer();
}

void MainWindow::refresh() {
    render();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::quitProgram() {
    quitRequested_ = true;
    tray_.hide();
    QApplication::exit(0);
}

void MainWindow::restoreFromTray() {
    tray_.hide();
    showNormal();
    raise();
    activateWindow();
    if (program_) program_->mainView.minimized = false;
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
    if (!program_ || !isMinimized()) return;
    minimizing_ = true;
    if (StartLoggingQuestionDue(*program_)) {
        showNormal();
        setOnTop(true);
        AskStartLoggingOnFirstMinimize(*program_);
        setOnTop(program_->MainOnTop);
        showMinimized();
    }
    program_->FirstMinimize = false;
    program_->mainView.minimized = true;
    showProgramInTray();
    minimizing_ = false;
    render();
}

void MainWindow::showProgramInTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Without a notification area the window stays minimised on the task bar.
        if (!trayMissingReported_ && program_)
            ShowMessage(*program_, "No system tray found: the window stays on the task bar.");
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
