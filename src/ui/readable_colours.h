#pragma once

#include <QColor>
#include <QLabel>

#include "app/view_models.h"

namespace flenmark::ui {

// The contrast of two colours as the accessibility guidelines define it: (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The colour a status text of kind `c` is drawn in on `background`: black, red or green on a
// light background, their light counterparts on a dark one, always at least 4.5:1 against it.
QColor StatusTextColour(TextColour c, const QColor& background);

// Shows the label's text in its status colour against the window it is on.
void ShowStatusLabel(QLabel* label, const LabelView& view);

}  // namespace flenmark::ui
