#pragma once

#include <ostream>

#include "exports/flight_points.h"

namespace flenmark {

// The points of a recorded flight as comma-separated values under a header row: UTC time,
// position, altitude, the ground flag, the event code and the flight values, "." as the
// decimal separator whatever the locale. False when the log holds no usable point.
bool WriteCsv(FlightPoints& points, std::ostream& out);

}  // namespace flenmark
