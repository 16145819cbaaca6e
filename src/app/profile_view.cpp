#include "app/profile_view.h"

#include <algorithm>
#include <sstream>

#include "base/number_text.h"
#include "exports/flight_profile.h"

namespace flenmark {

std::optional<Figure> ProfileFigureOf(const ProgramView& view, int width, int height, bool dark) {
    ProfileLook look;
    look.width = std::max(width, kProfileMinWidth);
    look.height = std::max(height, kProfileMinHeight);
    look.dark = dark;
    FlightPoints points{view.flightLogPath};
    try {
        return DrawProfile(points, look);
    } catch (const ConversionFault&) {
        return std::nullopt;
    }
}

std::optional<std::string> ProfileSvgOf(const ProgramView& view, int width, int height, bool dark) {
    const auto figure = ProfileFigureOf(view, width, height, dark);
    if (!figure) return std::nullopt;
    std::ostringstream svg;
    WriteFigureSvg(*figure, svg);
    return svg.str();
}

}  // namespace flenmark
