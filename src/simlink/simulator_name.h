#pragma once

#include <string>

#include "simlink/sim_link.h"

namespace flenmark {

// The connected simulator's name for the usage report: "X-Plane" when offset 0x6FFF reads
// non-zero, else the name of its simulator code; "Not connected" without a link, "" when the
// reads fail.
std::string SimulatorName(SimLink& link, bool connected);

// The simulator name of a simulator code ("FSX" for 8, "? 9" for an unknown code).
std::string SimulatorNameOfCode(int code);

}  // namespace flenmark
