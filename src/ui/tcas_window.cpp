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
#include "app/tcas_scope_look.h"
#include "app/window_commands.h"
#include "app/window_layouts.h"
#include "ui/window_flags.h"

namespace flenmark::ui {
namespace {

QColor Q(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

void DrawDiamond(QPainter& p, int cx, int cy, int16_t traffic) {
    const int h = kTcasScopeLook.symbolHalfSize;
    QPolygon diamond(
        {QPoint(cx, cy - h), QPoint(cx + h, cy), QPoint(cx, cy + h), QPoint(cx - h, cy)});
    p.setPen(QPen(Q(kTcasScopeLook.symbolOutline), 1));
    const auto fill = TcasSymbolFill(traffic);
    p.setBrush(fill ? QBrush(Q(*fill)) : QBrush(Qt::NoBrush));
    p.drawPolygon(diamond);
}

}  // namespace

ScopeWidget::ScopeWidget(const ProgramPort& port, QWidget* parent) : QWidget(parent), port_(port) {
    setObjectName("imgTCASTable");
    setMinimumSize(kScopeSize, kScopeSize);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ScopeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in scope pixels, scaled to the window: targets and captions keep their places.
    const ScopeFit fit = FitScope(width(), height(), kScopeSize);
    p.translate(fit.x, fit.y);
    p.scale(fit.scale, fit.scale);
    const TcasScopeLook& look = kTcasScopeLook;
    const int c = kScopeSize / 2;
    p.setPen(QPen(Q(look.discEdge), 1));
    p.setBrush(Q(look.disc));
    p.drawEllipse(QPoint(c, c), c - 1, c - 1);
    p.setPen(QPen(Q(look.halfRangeRing), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(c, c), c / 2, c / 2);  // half the range
    QFont font(look.captionFont);
    font.setPixelSize(look.captionPixels);
    p.setFont(font);
    const auto& targets = port_.view().tcas.targets;
    const QFontMetrics metrics = p.fontMetrics();
    const std::vector<LabelBox> labels = PlaceTcasLabels(
        targets,
        [&](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text)) + look.captionPadding;
        },
        metrics.height());
    for (size_t i = 0; i < targets.size(); ++i) {
        const TcasTarget& t = targets[i];
        DrawDiamond(p, t.x, t.y, t.traffic);
        const LabelBox& b = labels[i];
        p.setPen(Q(look.caption));
        p.drawText(QRect(b.x, b.y, b.width, b.height), Qt::AlignCenter,
                   QString::fromStdString(t.caption));
    }
    // The own aircraft, nose up, over everything: a close target never hides it.
    QPainterPath own;
    const auto outline = OwnAircraftOutline(c);
    own.moveTo(outline[0].x, outline[0].y);
    for (size_t i = 1; i < outline.size(); ++i) own.lineTo(outline[i].x, outline[i].y);
    own.closeSubpath();
    p.setPen(QPen(Q(look.ownOutline), 1));
    p.setBrush(Q(look.ownFill));
    p.drawPath(own);
}

TcasWindow::TcasWindow(ProgramPort& port, const QIcon& icon) : port_(port) {
    setObjectName("frmTCAS");
    setWindowTitle(kTcasTitle);
    setWindowIcon(icon);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* frame = new QGroupBox(kTcasFrameTitle);
    frame->setObjectName("Frame3");
    auto* grid = new QGridLayout(frame);
    scope_ = new ScopeWidget(port_);
    grid->addWidget(scope_, 0, 0, 1, 2);
    grid->setRowStretch(0, 1);
    mode_ = new QLabel;
    mode_->setObjectName("Label11");
    range_ = new QLabel;
    range_->setObjectName("Label10");
    grid->addWidget(mode_, 1, 0);
    grid->addWidget(range_, 1, 1, Qt::AlignRight);
    int row = 2, col = 0;
    for (const ButtonLayout& item : TcasButtons()) {
        auto* b = new QPushButton(item.caption);
        b->setObjectName(item.name);
        b->setToolTip(item.tooltip);
        void (*command)(Program&) = item.command;
        connect(b, &QPushButton::clicked, this, [this, command] { run(command); });
        grid->addWidget(b, row, col);
        row += col;
        col = 1 - col;
    }
    auto* outer = new QHBoxLayout(this);
    outer->addWidget(frame);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    port_.post([](Program& p) { TcasWindowOpened(p); });
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
    port_.post([](Program& p) { TcasWindowClosed(p); });
    event->accept();
}

}  // namespace flenmark::ui
