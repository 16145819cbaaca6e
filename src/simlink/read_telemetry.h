#pragma once

#include <cstdint>

#include "simlink/single_read.h"
#include "simlink/telemetry_snapshot.h"

namespace flenmark {

// What the telemetry read fills and what it takes into account.
struct TelemetryRead {
    TelemetrySnapshot& telemetry;
    int16_t prevOnGround;   // the vertical speed reads 0 in the tick after one on the ground
    int16_t locIntPercent;  // the localizer capture band
    int16_t gsIntPercent;   // the glideslope band
    char separator;         // the system's decimal separator
};

// Reads the 24 telemetry values and the aircraft title (0x3D00) from the simulator, one exchange
// each, into the snapshot.
// Lost: an exchange failed (the rest keep their values); Fault: a value could not be converted
// (the fields not yet converted keep theirs).
LinkRead ReadTelemetry(SimLink& link, const TelemetryRead& read);

}  // namespace flenmark
