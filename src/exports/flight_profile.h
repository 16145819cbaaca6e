#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "exports/flight_points.h"
#include "exports/profile_figure.h"

namespace flenmark {

// How the profile picture looks: its size in pixels, its theme and what its title names: the
// flight (the log file's name when empty) and, when known, its airports ("EHAM - EGLL").
struct ProfileLook {
    int width = 1200;
    int height = 600;
    bool dark = false;
    std::string name;
    std::string airports;
};

// The flight's profile as a picture: altitude (ft, left axis) and ground speed (kt, right
// axis) over UTC time under a title with the flight's name and date, with the events marked and
// labelled (never over each other or outside the plot): take-off, touchdown with its rate
// and rating, gear, flaps, warnings and marker beacons. False when the log holds no usable point.
std::optional<Figure> DrawProfile(FlightPoints& points, const ProfileLook& look);
// The same as an SVG document.
bool WriteProfileSvg(FlightPoints& points, const ProfileLook& look, std::ostream& out);

}  // namespace flenmark
