#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace flenmark {

// A picture as a list of shapes in drawing order, in pixels from the top left; colours are
// 0xRRGGBB. The profile is built as one, then written as SVG or drawn on a window.
struct FigureLine {
    double x1, y1, x2, y2;
    uint32_t colour;
    double width;
    bool dashed = false;  // 4 on, 3 off
};
struct FigureText {
    enum class Anchor { Start, Middle, End };
    double x, y;  // the baseline's anchor point
    std::string text;
    Anchor anchor;
    uint32_t colour;
    int sizePixels;
};
struct FigurePolyline {
    std::vector<std::pair<double, double>> points;
    uint32_t colour;
    double width;
};
using FigureShape = std::variant<FigureLine, FigureText, FigurePolyline>;

struct Figure {
    int width = 0;
    int height = 0;
    uint32_t background = 0xffffff;
    std::vector<FigureShape> shapes;
};

// The figure as an SVG document.
void WriteFigureSvg(const Figure& figure, std::ostream& out);

}  // namespace flenmark
