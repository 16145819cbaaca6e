#include "exports/profile_figure.h"

#include <cstdio>

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

}  // namespace

void WriteFigureSvg(const Figure& f, std::ostream& out) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\""
        << " width=\"" << f.width << "\" height=\"" << f.height << "\" viewBox=\"0 0 " << f.width
        << ' ' << f.height << "\"><rect width=\"" << f.width << "\" height=\"" << f.height
        << "\" fill=\"" << Colour(f.background) << "\"/>";
    for (const FigureShape& shape : f.shapes) std::visit(SvgShape{out}, shape);
    out << "</svg>\n";
}

}  // namespace flenmark
