#pragma once

#include <ostream>
#include <string>

#include "exports/flight_points.h"

namespace flenmark {

// GPX 1.1 of a recorded flight: a waypoint per logged event with its name and text, and one
// track, a segment per recording run, with a point per frame (or log line): position, height
// in metres, UTC time, speed and course (Garmin's track point extension v2). The metadata holds
// the flight's first time and the box around it. False when the log cannot be read or holds no
// usable line.
bool WriteGpx(FlightPoints& points, const std::string& name, std::ostream& out);

}  // namespace flenmark
