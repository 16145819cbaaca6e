#pragma once

#include "simhost/flight_state.h"
#include "xpbridge/xplane_datarefs.h"

namespace flenmark::xpbridge {

// Turns what X-Plane sent into the flight state the link serves, in the offsets' units: the
// position from RPOS (doubles), the rest from the subscriptions, and up to 40 traffic
// aircraft, nearest first, from the TCAS targets when X-Plane has them, from the multiplayer
// planes otherwise. A value X-Plane has not sent yet keeps its default.
void ApplyXPlane(const XPlaneValues& values, simhost::FlightState& state);

}  // namespace flenmark::xpbridge
