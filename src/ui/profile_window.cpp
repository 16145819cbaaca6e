#include "ui/profile_window.h"

#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>

#include "app/profile_view.h"
#include "app/window_layouts.h"

namespace flenmark::ui {

ProfileWindow::ProfileWindow(ProgramPort& port, const QIcon& icon) : port_(port) {
    setObjectName("frmProfile");
    setWindowTitle(kProfileTitle);
    setWindowIcon(icon);
    setMinimumSize(kProfileMinWidth, kProfileMinHeight);
    resize(1200, 600);
    timer_.setInterval(kProfileRefreshMs);
    connect(&timer_, &QTimer::timeout, this, [this] { refresh(); });
    timer_.start();
    refresh();
}

ProfileWindow::ProfileWindow(ProgramPort& port, const QIcon& icon, ProfileSource keptFlight)
    : ProfileWindow(port, icon) {
    timer_.stop();
    keptFlight_ = std::move(keptFlight);
    setWindowTitle(QString(kProfileTitle) + " - " + QString::fromStdString(keptFlight_->name));
    refresh();
}

void ProfileWindow::refresh() {
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    const auto svg = keptFlight_ ? ProfileSvgOf(*keptFlight_, width(), height(), dark)
                                 : ProfileSvgOf(port_.view(), width(), height(), dark);
    svg_ = svg ? QByteArray::fromStdString(*svg) : QByteArray();
    update();
}

void ProfileWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (svg_.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, kProfileEmpty);
        return;
    }
    QSvgRenderer(svg_).render(&painter, rect());
}

}  // namespace flenmark::ui
