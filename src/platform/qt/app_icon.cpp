#include "platform/qt/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace flenmark {

QIcon AppIcon() {
    QSvgRenderer drawing(QStringLiteral(":/flenmark.svg"));
    QIcon icon;
    for (int size : {16, 32, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        drawing.render(&p);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace flenmark
