#pragma once

#include <vector>

#include "exports/profile_figure.h"

namespace flenmark {

// Places the event labels of a profile in rows along the top of the plot so that none overlaps
// another or leaves the plot. Each label comes with its `x` at its event's line and its text,
// size and colour; the labels choose in their order. A label takes the first free spot (one no
// other event's line crosses, when there is one; a little apart from the other labels), trying
// beside its line to the right, then to the left, in the top row and then in each row below,
// down to half the plot; when none is free it is shortened with "…" to the longest that fits a
// spot, and when not even a few characters fit its text is left empty. One label per label given,
// in their order.
std::vector<FigureText> PlaceProfileLabels(const std::vector<FigureText>& labels,
                                           const FigureBox& plot);

}  // namespace flenmark
