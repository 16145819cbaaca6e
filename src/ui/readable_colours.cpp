#include "ui/readable_colours.h"

#include <QPalette>

namespace flenmark::ui {

void ShowStatusLabel(QLabel* label, const LabelView& view) {
    label->setText(QString::fromStdString(view.text));
    const QColor background = label->window()->palette().color(QPalette::Window);
    label->setStyleSheet(
        QString("color: %1;")
            .arg(ToQColor(StatusTextColour(view.colour, ToRgb(background))).name()));
}

}  // namespace flenmark::ui
