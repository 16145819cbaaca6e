#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "app/readable_colours.h"

namespace flenmark {

// How the TCAS scope is drawn, in scope pixels, alike in every front end: a light disc with a
// dashed ring at half the range, the targets as 8-pixel diamonds with a black outline, their
// captions in black, and the own aircraft at the centre over everything.
struct TcasScopeLook {
    Rgb disc{205, 218, 200};
    Rgb discEdge{90, 110, 90};
    Rgb halfRangeRing{120, 140, 120};
    Rgb symbolOutline{0, 0, 0};
    Rgb caption{0, 0, 0};
    Rgb ownFill{20, 60, 140};
    Rgb ownOutline{255, 255, 255};
    int symbolHalfSize = 4;
    int captionPixels = 9;
    int captionPadding = 2;  // added to a caption's width
    const char* captionFont = "Arial Rounded MT Bold";
};
inline constexpr TcasScopeLook kTcasScopeLook;

// A target's fill by its class: none (hollow) for 1, white for 2, yellow for 3, red for 4.
std::optional<Rgb> TcasSymbolFill(int16_t traffic);

struct ScopePoint {
    int x;
    int y;
};
// Where the scope goes in a window's drawing area of `width` x `height` pixels: as large as
// fits, centred, `scale` window pixels to a scope pixel (targets and captions keep their places).
struct ScopeFit {
    int x = 0;
    int y = 0;
    double scale = 1;
};
ScopeFit FitScope(int width, int height, int scopeSize);

// The own aircraft, nose up, around the scope's centre.
std::array<ScopePoint, 4> OwnAircraftOutline(int centre);

}  // namespace flenmark
