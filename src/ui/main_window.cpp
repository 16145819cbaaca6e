#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QThread>
#include <QVBoxLayout>

#include "app/flight_summary_view.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/window_commands.h"
#include "app/window_layouts.h"
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

QPushButton* MainWindow::addButton(const ButtonLayout& item) {
    auto* b = new QPushButton(item.caption);
    b->setObjectName(item.name);
    if (*item.tooltip) b->setToolTip(item.tooltip);
    void (*command)(Program&) = item.command;
    switch (item.opens) {
        case WindowToOpen::None:
            if (command) connect(b, &QPushButton::clicked, this, [this, command] { run(command); });
            break;
        case WindowToOpen::Status:
            connect(b, &QPushButton::clicked, this, &MainWindow::openStatusWindow);
            break;
        case WindowToOpen::Tcas:
            connect(b, &QPushButton::clicked, this, &MainWindow::openTcasWindow);
            break;
        case WindowToOpen::Options:
            connect(b, &QPushButton::clicked, this, &MainWindow::openOptions);
            break;
        case WindowToOpen::Profile:
            connect(b, &QPushButton::clicked, this, &MainWindow::openProfileWindow);
            break;
    }
    buttons_[item.name] = b;
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

void MainWindow::openFlightsWindow() {
    if (!port_) return;
    if (!flights_ || !flights_->isVisible())
        flights_ = std::make_unique<FlightsWindow>(*port_, windowIcon());
    flights_->show();
    flights_->raise();
    flights_->activateWindow();
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
    QList<QWidget*> status;
    for (const LabelLayout& item : MainStatusLabels()) {
        QLabel* label = addLabel(item.name);
        if (*item.tooltip) label->setToolTip(item.tooltip);
        status << label;
    }
    QLabel* clock = labels_["Label9"];
    QFont clockFont = font();
    clockFont.setPointSize(clockFont.pointSize() + 4);
    clockFont.setBold(true);
    clock->setFont(clockFont);
    clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    column->addWidget(Group(kMainStatusTitle, status, static_cast<int>(status.size())));
    for (const ButtonGroupLayout& group : MainButtonGroups()) {
        QList<QWidget*> buttons;
        for (const ButtonLayout& item : group.buttons) buttons << addButton(item);
        if (QString(group.title) == kFlightsButtonGroup) {
            QPushButton* flights = addButton(kFlightsButton);
            connect(flights, &QPushButton::clicked, this, &MainWindow::openFlightsWindow);
            buttons << flights;
        }
        column->addWidget(Group(group.title, buttons, group.columns));
    }
    QLabel* message = addLabel(kMessageLineName);
    message->setFrameShape(QFrame::StyledPanel);
    message->setMinimumHeight(message->sizeHint().height() + 8);
    column->addWidget(message);
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    // One edge around the controls and the summary alike.
    row->setContentsMargins(column->contentsMargins());
    column->setContentsMargins(0, 0, 0, 0);
    row->addWidget(central, 1);
    row->addWidget(buildFlightSummary(), 0);
    row->setSizeConstraint(QLayout::SetMinimumSize);
    setCentralWidget(page);
    resize(sizeHint().expandedTo(QSize(480, 0)));
}

// The flight beside the controls: captions in the window's own colours, values in bold, so
// that both read in a light and a dark theme.
QWidget* MainWindow::buildFlightSummary() {
    auto* box = new QGroupBox(kFlightSummaryTitle);
    box->setObjectName("fraFlight");
    auto* form = new QVBoxLayout(box);
    QFont bold = font();
    bold.setBold(true);
    QFont large = bold;
    large.setPointSize(large.pointSize() + 3);
    for (const auto& [caption, value] : FlightSummaryRows({})) {
        auto* name = new QLabel(caption);
        auto* shown = new QLabel(QString::fromStdString(value));
        shown->setFont(summaryValues_.isEmpty() ? large : bold);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Long airport names go on to a second line rather than widen the window.
        shown->setWordWrap(true);
        shown->setFixedWidth(QFontMetrics(bold).horizontalAdvance("-1234 ft/min, Too hard"));
        form->addWidget(name);
        form->addWidget(shown);
        form->addSpacing(4);
        summaryValues_ << shown;
    }
    form->addStretch(1);
    return box;
}

void MainWindow::renderFlightSummary(const FlightSummaryView& flight) {
    const auto rows = FlightSummaryRows(flight);
    for (qsizetype i = 0; i < summaryValues_.size(); ++i) {
        const std::string& text = rows[static_cast<size_t>(i)].second;
        summaryValues_[i]->setText(QString::fromStdString(text));
        summaryValues_[i]->setToolTip(QString::fromStdString(text));
    }
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
    for (const auto& [name, enabled] : MainButtonStates(v))
        buttons_.value(name)->setEnabled(enabled);
    renderFlightSummary(v.flight);
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
    if (flights_ && flights_->isVisible()) flights_->render();
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
        port_->post([](Program& p) { MainWindowRestored(p); });
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
    if (flights_) flights_->close();
    event->accept();
    QApplication::quit();
}

}  // namespace flenmark::ui
