#include "app/readable_colours.h"

#include <algorithm>
#include <cmath>

namespace flenmark {
namespace {

constexpr double kReadableContrast = 4.5;

double Linear(uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb c) {
    return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

Rgb Preferred(TextColour c, bool darkBackground) {
    switch (c) {
        case TextColour::Red:
            return darkBackground ? Rgb{255, 128, 128} : Rgb{176, 0, 0};
        case TextColour::Green:
            return darkBackground ? Rgb{112, 224, 112} : Rgb{0, 110, 0};
        case TextColour::Black:
            break;
    }
    return darkBackground ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
}

uint8_t Towards(uint8_t from, uint8_t to) {
    return static_cast<uint8_t>(std::lround(from + (to - from) * 0.25));
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb StatusTextColour(TextColour c, Rgb background) {
    const bool dark = Luminance(background) < 0.18;
    Rgb colour = Preferred(c, dark);
    // A background between light and dark: go towards black (or white) until it reads.
    const Rgb end = dark ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    for (int step = 0; step < 10 && ContrastRatio(colour, background) < kReadableContrast; ++step)
        colour = {Towards(colour.r, end.r), Towards(colour.g, end.g), Towards(colour.b, end.b)};
    return colour;
}

}  // namespace flenmark
