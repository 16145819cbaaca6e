#include "platform/qt/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace flenmark {

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setBrush(QColor(30, 90, 170));
        p.setPen(Qt::NoPen);
        p.drawEllipse(2, 2, 60, 60);
        QPainterPath plane;  // fuselage, wings and tail seen from above, nose up
        plane.addRoundedRect(29, 10, 6, 44, 3, 3);
        plane.addPolygon(QPolygonF({{32, 24}, {54, 36}, {54, 40}, {32, 34}, {10, 40}, {10, 36}}));
        plane.addPolygon(QPolygonF({{32, 46}, {42, 52}, {42, 55}, {32, 52}, {22, 55}, {22, 52}}));
        p.setBrush(Qt::white);
        p.drawPath(plane.simplified());
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace flenmark
