#pragma once

#include <optional>
#include <string>

#include "app/program_view.h"
#include "exports/profile_figure.h"

namespace flenmark {

// The smallest picture the profile window draws; a smaller window shows it scaled down.
inline constexpr int kProfileMinWidth = 600;
inline constexpr int kProfileMinHeight = 300;
// How often the window reads the log again while it is open, in milliseconds.
inline constexpr int kProfileRefreshMs = 5000;

// A log to draw and what the title names (see ProfileLook): the current log, or a kept flight.
struct ProfileSource {
    std::string logPath;
    std::string name;
    std::string airports;
};
// A kept flight's log, titled with its folder's name and its airports ("EHAM - EGLL").
ProfileSource KeptFlightProfile(const LogbookEntry& entry);
std::optional<Figure> ProfileFigureOf(const ProfileSource& source, int width, int height,
                                      bool dark);
std::optional<std::string> ProfileSvgOf(const ProfileSource& source, int width, int height,
                                        bool dark);

// The current log's profile for a window of this size and theme; nullopt while the log holds
// no usable line.
std::optional<Figure> ProfileFigureOf(const ProgramView& view, int width, int height, bool dark);
// The same as an SVG document.
std::optional<std::string> ProfileSvgOf(const ProgramView& view, int width, int height, bool dark);

}  // namespace flenmark
