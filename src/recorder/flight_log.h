#pragma once

#include <string>

#include "platform/clock.h"
#include "simlink/telemetry_snapshot.h"

namespace flenmark {

// One line of "Flightlog.txt" (and "Animation.txt"): 13 fields joined by ":" -
// stamp, longitude, latitude, altitude, on ground, code, IAS, height above ground, TAS,
// vertical speed, ground speed, heading (the six numbers as whole values rounded down),
// previous stamp (as given). Throws ConversionFault on a value out of range.
std::string BuildLogLine(const TelemetrySnapshot& t, const std::string& stamp,
                         const std::string& code, const std::string& previousStamp);

// Appends the line and CR LF to the log; false when it could not be written.
bool AppendLogLine(const std::string& logPath, const std::string& line);

// True when the last of the first five lines of the log is not empty.
bool LogHasContent(const std::string& logPath);

// True when the log's last stamp lies at most one hour before now (UTC). Creates a missing
// log. An empty log or an unreadable stamp counts as not recent.
bool LogIsRecent(const std::string& logPath, const Clock& clock);

}  // namespace flenmark
