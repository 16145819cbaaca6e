#include "ui/status_window.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/messages.h"
#include "app/program.h"
#include "app/status_window.h"
#include "ui/readable_colours.h"
#include "ui/window_flags.h"

namespace flenmark::ui {

StatusWindow::StatusWindow(ProgramPort& port, const QIcon& icon) : port_(port) {
    setObjectName("frmACStatus");
    setWindowTitle("Aircraft indicator");
    setWindowIcon(icon);
    auto* column = new QVBoxLayout(this);
    QFont large = font();
    large.setPointSize(large.pointSize() * 2);
    large.setBold(true);
    const std::pair<const char*, const char*> values[] = {
        {"Label1", "Ground speed in knots (nautical miles per hour)"},
        {"Label12", ""},
        {"Label2", "True heading in degrees"},
        {"Label3", "True altitude in feet"},
        {"Label4", "Vertical speed in feet per minute"},
        {"Label8", "Altitude above ground level in feet"}};
    for (const auto& [name, tip] : values) {
        auto* l = new QLabel;
        l->setObjectName(name);
        l->setFont(large);
        l->setToolTip(tip);
        l->setMinimumWidth(260);
        column->addWidget(l);
        labels_[name] = l;
    }
    auto* event = new QLabel;
    event->setObjectName("lblEvent");
    event->setWordWrap(true);
    event->setMinimumHeight(event->sizeHint().height() * 2);
    column->addWidget(event);
    labels_["lblEvent"] = event;
    auto* onTop = new QPushButton("Toggle always on top");
    onTop->setObjectName("Command1");
    onTop->setToolTip("Toggle always on top for this window");
    connect(onTop, &QPushButton::clicked, this,
            [this] { port_.post([](Program& p) { ToggleStatusOnTop(p); }); });
    column->addWidget(onTop);
    tmrMSG_.setInterval(5000);
    tmrMSG_.setSingleShot(true);
    connect(&tmrMSG_, &QTimer::timeout, this,
            [this] { port_.post([](Program& p) { ClearStatusEventLine(p); }); });
    port_.post([](Program& p) {
        p.StatusWindowOpen = true;
        UpdateStatusWindow(p);
    });
    render();
}

void StatusWindow::render() {
    const ProgramView view = port_.view();
    const StatusWindowView& v = view.status;
    ShowStatusLabel(labels_["Label1"], v.label1);
    ShowStatusLabel(labels_["Label12"], v.label12);
    ShowStatusLabel(labels_["Label2"], v.label2);
    ShowStatusLabel(labels_["Label3"], v.label3);
    ShowStatusLabel(labels_["Label4"], v.label4);
    ShowStatusLabel(labels_["Label8"], v.label8);
    ShowStatusLabel(labels_["lblEvent"], v.lblEvent);
    SetStaysOnTop(*this, view.statusOnTop);
}

void StatusWindow::closeEvent(QCloseEvent* event) {
    tmrMSG_.stop();
    port_.post([](Program& p) { p.StatusWindowOpen = false; });
    event->accept();
}

}  // namespace flenmark::ui
