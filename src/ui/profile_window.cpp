#include "ui/profile_window.h"

#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <sstream>

#include "base/number_text.h"
#include "exports/flight_profile.h"

namespace flenmark::ui {

ProfileWindow::ProfileWindow(ProgramPort& port, const QIcon& icon) : port_(port) {
    setObjectName("frmProfile");
    setWindowTitle("Flight profile");
    setWindowIcon(icon);
    setMinimumSize(600, 300);
    resize(1200, 600);
    timer_.setInterval(5000);
    connect(&timer_, &QTimer::timeout, this, [this] { refresh(); });
    timer_.start();
    refresh();
}

void ProfileWindow::refresh() {
    ProfileLook look;
    look.width = std::max(width(), 600);
    look.height = std::max(height(), 300);
    look.dark = palette().color(QPalette::Window).lightness() < 128;
    FlightPoints points{port_.view().flightLogPath};
    std::ostringstream svg;
    bool drawn = false;
    try {
        drawn = WriteProfileSvg(points, look, svg);
    } catch (const ConversionFault&) {
    }
    svg_ = drawn ? QByteArray::fromStdString(svg.str()) : QByteArray();
    update();
}

void ProfileWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (svg_.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, "No flight logged yet.");
        return;
    }
    QSvgRenderer(svg_).render(&painter, rect());
}

}  // namespace flenmark::ui
