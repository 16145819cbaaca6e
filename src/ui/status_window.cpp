#include "ui/status_window.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/messages.h"
#include "app/program.h"
#include "app/window_commands.h"
#include "app/window_layouts.h"
#include "ui/readable_colours.h"
#include "ui/window_flags.h"

namespace flenmark::ui {

StatusWindow::StatusWindow(ProgramPort& port, const QIcon& icon) : port_(port) {
    setObjectName("frmACStatus");
    setWindowTitle(kStatusTitle);
    setWindowIcon(icon);
    auto* column = new QVBoxLayout(this);
    QFont large = font();
    large.setPointSize(large.pointSize() * 2);
    large.setBold(true);
    for (const LabelLayout& item : StatusValueLabels()) {
        auto* l = new QLabel;
        l->setObjectName(item.name);
        l->setFont(large);
        l->setToolTip(item.tooltip);
        l->setMinimumWidth(260);
        column->addWidget(l);
        labels_[item.name] = l;
    }
    auto* event = new QLabel;
    event->setObjectName(kStatusEventName);
    event->setWordWrap(true);
    event->setMinimumHeight(event->sizeHint().height() * 2);
    column->addWidget(event);
    labels_[kStatusEventName] = event;
    const ButtonLayout& item = StatusOnTopButton();
    auto* onTop = new QPushButton(item.caption);
    onTop->setObjectName(item.name);
    onTop->setToolTip(item.tooltip);
    connect(onTop, &QPushButton::clicked, this, [this, &item] { port_.post(item.command); });
    column->addWidget(onTop);
    tmrMSG_.setInterval(5000);
    tmrMSG_.setSingleShot(true);
    connect(&tmrMSG_, &QTimer::timeout, this,
            [this] { port_.post([](Program& p) { ClearStatusEventLine(p); }); });
    port_.post([](Program& p) { StatusWindowOpened(p); });
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
    port_.post([](Program& p) { StatusWindowClosed(p); });
    event->accept();
}

}  // namespace flenmark::ui
