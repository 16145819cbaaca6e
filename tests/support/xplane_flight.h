#pragma once

#include "support/xplane_standin.h"

namespace flenmark::testing {

// A short approach for the X-Plane stand-in, `t` seconds in: the outer marker, gear down, flaps
// from a quarter to half, autobrake 2, touchdown at 250 ft/min eight seconds in, then the
// roll-out at 146 kt heading north; two TCAS targets, near and far, one of them "DLH".
XPlaneMoment ShortXPlaneFlight(double t);

}  // namespace flenmark::testing
