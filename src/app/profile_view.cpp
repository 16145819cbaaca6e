#include "app/profile_view.h"

#include <algorithm>
#include <sstream>

#include "base/number_text.h"
#include "exports/flight_profile.h"

namespace flenmark {

namespace {

std::optional<std::string> SvgOf(const std::optional<Figure>& figure) {
    if (!figure) return std::nullopt;
    std::ostringstream svg;
    WriteFigureSvg(*figure, svg);
    return svg.str();
}

}  // namespace

std::optional<Figure> ProfileFigureOf(const ProfileSource& source, int width, int height,
                                      bool dark) {
    ProfileLook look;
    look.width = std::max(width, kProfileMinWidth);
    look.height = std::max(height, kProfileMinHeight);
    look.dark = dark;
    look.name = source.name;
    look.airports = source.airports;
    FlightPoints points{source.logPath};
    try {
        return DrawProfile(points, look);
    } catch (const ConversionFault&) {
        return std::nullopt;
    }
}

ProfileSource KeptFlightProfile(const LogbookEntry& entry) {
    std::string name = entry.folder;
    while (!name.empty() && name.back() == '/') name.pop_back();
    name = name.substr(name.find_last_of('/') + 1);
    const FlightSummary& f = entry.flight;
    std::string airports = f.departure;
    if (!f.arrival.empty()) airports += (airports.empty() ? "" : " - ") + f.arrival;
    return {entry.folder + "Flightlog.txt", name, airports};
}

std::optional<std::string> ProfileSvgOf(const ProfileSource& source, int width, int height,
                                        bool dark) {
    return SvgOf(ProfileFigureOf(source, width, height, dark));
}

std::optional<Figure> ProfileFigureOf(const ProgramView& view, int width, int height, bool dark) {
    return ProfileFigureOf({view.flightLogPath, "", ""}, width, height, dark);
}

std::optional<std::string> ProfileSvgOf(const ProgramView& view, int width, int height, bool dark) {
    return SvgOf(ProfileFigureOf(view, width, height, dark));
}

}  // namespace flenmark
