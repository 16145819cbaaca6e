#pragma once

#include <QColor>
#include <QLabel>

#include "app/readable_colours.h"
#include "app/view_models.h"

namespace flenmark::ui {

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
inline Rgb ToRgb(const QColor& c) {
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
            static_cast<uint8_t>(c.blue())};
}

// Shows the label's text in its status colour against the window it is on.
void ShowStatusLabel(QLabel* label, const LabelView& view);

}  // namespace flenmark::ui
