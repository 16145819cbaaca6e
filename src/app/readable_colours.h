#pragma once

#include <cstdint>

#include "app/view_models.h"

namespace flenmark {

// A colour of the screen, 8 bits a channel.
struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// The contrast of two colours as the accessibility guidelines define it: (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, from 1 (the same) to 21 (black on white).
double ContrastRatio(Rgb a, Rgb b);

// The colour a status text of kind `c` is drawn in on `background`: black, red or green on a
// light background, their light counterparts on a dark one, always at least 4.5:1 against it.
Rgb StatusTextColour(TextColour c, Rgb background);

}  // namespace flenmark
