#pragma once

#include <ostream>

#include "exports/flight_points.h"

namespace flenmark {

// How the profile picture looks: its size in pixels and its theme.
struct ProfileLook {
    int width = 1200;
    int height = 600;
    bool dark = false;
};

// The flight's profile as an SVG picture: altitude (ft, left axis) and ground speed (kt, right
// axis) over UTC time, with the events marked and labelled: take-off, touchdown with its rate
// and rating, gear, flaps, warnings and marker beacons. False when the log holds no usable point.
bool WriteProfileSvg(FlightPoints& points, const ProfileLook& look, std::ostream& out);

}  // namespace flenmark
