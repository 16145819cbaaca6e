#pragma once

#include <QWidget>

namespace flenmark::ui {

// Puts a window into the top-most layer or takes it out, keeping its place and size.
inline void SetStaysOnTop(QWidget& window, bool onTop) {
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) window.show();
}

}  // namespace flenmark::ui
