#include "ui/tcas_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

#include "app/program.h"
#include "app/tcas_display.h"
#include "app/tcas_labels.h"
#include "ui/window_flags.h"

namespace flenmark::ui {
namespace {

// The four symbol looks: hollow black; white, yellow and red with a black outline.
QBrush SymbolFill(int16_t traffic) {
    switch (traffic) {
        case 2:
            return QBrush(Qt::white);
        case 3:
            return QBrush(QColor(255, 215, 0));
        case 4:
            return QBrush(QColor(230, 0, 0));
        default:
            return Qt::NoBrush;
    }
}

void DrawDiamond(QPainter& p, int cx, int cy, int16_t traffic) {
    QPolygon diamond(
        {QPoint(cx, cy - 4), QPoint(cx + 4, cy), QPoint(cx, cy + 4), QPoint(cx - 4, cy)});
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(SymbolFill(traffic));
    p.drawPolygon(diamond);
}

}  // namespace

ScopeWidget::ScopeWidget(const ProgramPort& port, QWidget* parent) : QWidget(parent), port_(port) {
    setObjectName("imgTCASTable");
    setFixedSize(kScopeSize, kScopeSize);
}

void ScopeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int c = kScopeSize / 2;
    p.setPen(QPen(QColor(90, 110, 90), 1));
    p.setBrush(QColor(205, 218, 200));
    p.drawEllipse(QPoint(c, c), c - 1, c - 1);
    p.setPen(QPen(QColor(120, 140, 120), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(c, c), c / 2, c / 2);  // half the range
    QFont font("Arial Rounded MT Bold");
    font.setPixelSize(9);
    p.setFont(font);
    const auto& targets = port_.view().tcas.targets;
    const QFontMetrics metrics = p.fontMetrics();
    const std::vector<LabelBox> labels = PlaceTcasLabels(
        targets,
        [&](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text)) + 2;
        },
        metrics.height());
    for (size_t i = 0; i < targets.size(); ++i) {
        const TcasTarget& t = targets[i];
        DrawDiamond(p, t.x, t.y, t.traffic);
        const LabelBox& b = labels[i];
        p.setPen(Qt::black);
        p.drawText(QRect(b.x, b.y, b.width, b.height), Qt::AlignCenter,
                   QString::fromStdString(t.caption));
    }
    // The own aircraft, nose up, over everything: a close target never hides it.
    QPainterPath own;
    own.moveTo(c, c - 7);
    own.lineTo(c + 5, c + 6);
    own.lineTo(c, c + 3);
    own.lineTo(c - 5, c + 6);
    own.closeSubpath();
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(QColor(20, 60, 140));
    p.drawPath(own);
}

TcasWindow::TcasWindow(ProgramPort& port, const QIcon& icon) : port_(port) {
    setObjectName("frmTCAS");
    setWindowTitle("TCAS");
    setWindowIcon(icon);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* frame = new QGroupBox("TCAS and TCAS operations");
    frame->setObjectName("Frame3");
    auto* grid = new QGridLayout(frame);
    scope_ = new ScopeWidget(port_);
    grid->addWidget(scope_, 0, 0, 1, 2, Qt::AlignCenter);
    mode_ = new QLabel;
    mode_->setObjectName("Label11");
    range_ = new QLabel;
    range_->setObjectName("Label10");
    grid->addWidget(mode_, 1, 0);
    grid->addWidget(range_, 1, 1, Qt::AlignRight);
    auto add = [&](const char* name, const char* caption, const char* tip, void (*action)(Program&),
                   int row, int col) {
        auto* b = new QPushButton(caption);
        b->setObjectName(name);
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, [this, action] { run(action); });
        grid->addWidget(b, row, col);
    };
    add(
        "btn_ToggleTCAS", "Cycle TCAS modes", "Cycle TCAS modes (OFF, ABV, BLW, NRM, ALL)",
        [](Program& p) { CycleTCASMode(p); }, 2, 0);
    add(
        "Command1", "Toggle always on top", "Toggle always on top for this window",
        [](Program& p) { ToggleTCASOnTop(p); }, 2, 1);
    add(
        "btn_zoomin", "Zoom in", "Zoom in on the TCAS", [](Program& p) { ZoomIn(p); }, 3, 0);
    add(
        "btn_zoomout", "Zoom out", "Zoom out on the TCAS", [](Program& p) { ZoomOut(p); }, 3, 1);
    auto* outer = new QHBoxLayout(this);
    outer->addWidget(frame);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    port_.post([](Program& p) { p.TCASWindowOpen = true; });
    timer_.start();
    render();
}

void TcasWindow::run(void (*action)(Program&)) {
    port_.post(action);
}

void TcasWindow::tick() {
    port_.refreshTraffic();
}

void TcasWindow::render() {
    const ProgramView view = port_.view();
    mode_->setText(QString::fromStdString(TcasModeText(view.tcasMode)));
    range_->setText(QString::fromStdString(TcasRangeText(view.tcasRange)));
    SetStaysOnTop(*this, view.tcasOnTop);
    scope_->update();
}

void TcasWindow::closeEvent(QCloseEvent* event) {
    timer_.stop();
    port_.post([](Program& p) {
        p.TCASWindowOpen = false;
        p.tcasView.targets.clear();
    });
    event->accept();
}

}  // namespace flenmark::ui
