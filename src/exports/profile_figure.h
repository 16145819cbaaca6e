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

// A rectangle of the figure: its top left and size in pixels.
struct FigureBox {
    double x = 0, y = 0, width = 0, height = 0;
};

struct Figure {
    int width = 0;
    int height = 0;
    uint32_t background = 0xffffff;
    std::vector<FigureShape> shapes;
    FigureBox plot;  // the area inside the axes where the data is drawn
};

// The room a text takes, estimated from its characters and size so that every output (the SVG,
// both windows) places texts alike: a little wider than a sans-serif font draws it.
FigureBox TextBox(const FigureText& text);
// Whether two boxes share more than an edge.
bool BoxesOverlap(const FigureBox& a, const FigureBox& b);
// Whether `inner` lies wholly inside `outer`.
bool BoxInside(const FigureBox& inner, const FigureBox& outer);

// The figure as an SVG document.
void WriteFigureSvg(const Figure& figure, std::ostream& out);

}  // namespace flenmark
