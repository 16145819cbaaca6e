#include "exports/profile_figure.h"

#include <cstdio>
#include <cstring>

#include "kml/kml_values.h"

namespace flenmark {
namespace {

std::string Num(double v) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f", v);
    return b;
}

std::string Colour(uint32_t c) {
    char b[8];
    std::snprintf(b, sizeof b, "#%06x", static_cast<unsigned>(c & 0xffffff));
    return b;
}

const char* AnchorName(FigureText::Anchor a) {
    switch (a) {
        case FigureText::Anchor::Middle:
            return "middle";
        case FigureText::Anchor::End:
            return "end";
        case FigureText::Anchor::Start:
            break;
    }
    return "start";
}

struct SvgShape {
    std::ostream& out;
    void operator()(const FigureLine& l) const {
        out << "<line x1=\"" << Num(l.x1) << "\" y1=\"" << Num(l.y1) << "\" x2=\"" << Num(l.x2)
            << "\" y2=\"" << Num(l.y2) << "\" stroke=\"" << Colour(l.colour) << "\" stroke-width=\""
            << Num(l.width) << "\"" << (l.dashed ? " stroke-dasharray=\"4 3\"/>" : "/>");
    }
    void operator()(const FigureText& t) const {
        out << "<text x=\"" << Num(t.x) << "\" y=\"" << Num(t.y) << "\" text-anchor=\""
            << AnchorName(t.anchor) << "\" font-family=\"DejaVu Sans, sans-serif\" font-size=\""
            << t.sizePixels << "\" fill=\"" << Colour(t.colour) << "\">" << XmlText(t.text)
            << "</text>";
    }
    void operator()(const FigurePolyline& p) const {
        out << "<polyline fill=\"none\" stroke=\"" << Colour(p.colour) << "\" stroke-width=\""
            << Num(p.width) << "\" points=\"";
        for (const auto& [x, y] : p.points) out << Num(x) << ',' << Num(y) << ' ';
        out << "\"/>";
    }
};

// A character's width in ems, rounded up from a common sans-serif font's; the bytes that continue
// a UTF-8 character add nothing, the character counting as wide.
double CharWidth(unsigned char ch) {
    if ((ch & 0xc0) == 0x80) return 0;
    if (ch >= 0x80 || std::strchr("mwMW%@", ch)) return 1.0;
    if (std::strchr(" .,:;'!|ijlft()[]-/", ch)) return 0.4;
    if (ch >= 'A' && ch <= 'Z') return 0.8;
    return 0.64;
}

}  // namespace

FigureBox TextBox(const FigureText& t) {
    double ems = 0;
    for (const char ch : t.text) ems += CharWidth(static_cast<unsigned char>(ch));
    const double size = t.sizePixels;
    const double width = ems * size;
    const double left = t.anchor == FigureText::Anchor::Start    ? t.x
                        : t.anchor == FigureText::Anchor::Middle ? t.x - width / 2
                                                                 : t.x - width;
    return {left, t.y - 0.8 * size, width, 1.05 * size};  // ascent and descent
}

bool BoxesOverlap(const FigureBox& a, const FigureBox& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

bool BoxInside(const FigureBox& inner, const FigureBox& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

void WriteFigureSvg(const Figure& f, std::ostream& out) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\""
        << " width=\"" << f.width << "\" height=\"" << f.height << "\" viewBox=\"0 0 " << f.width
        << ' ' << f.height << "\"><rect width=\"" << f.width << "\" height=\"" << f.height
        << "\" fill=\"" << Colour(f.background) << "\"/>";
    for (const FigureShape& shape : f.shapes) std::visit(SvgShape{out}, shape);
    out << "</svg>\n";
}

}  // namespace flenmark
