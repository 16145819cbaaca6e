#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/date_time.h"

namespace flenmark {

// UTC hours and minutes, "hhmm", of a UTC moment (the clock's now, normally).
std::string GetUtcHHMM(const DateTime& utc);

// The 14-digit log stamp yyyymmddhhmmss of a UTC moment.
std::string StampText(const DateTime& utc);

// A 14-digit stamp as "dd-mm-yyyy hh:mm" (seconds dropped). No validation: a short input
// gives a short, malformed result.
std::string CorrectDatumTijd(const std::string& stamp);

// Reads "dd-mm-yyyy hh:mm" into minutes since 1970; nullopt when it is not a valid date-time.
std::optional<int64_t> ParseDayMonthYearTime(const std::string& text);

// The next text of the blinking clock label: "hh mmz" after "hh:mmz", otherwise "hh:mmz".
std::string NextClockLabel(const std::string& current, const DateTime& utc);

// The clock label with its colon, as at start-up.
std::string ClockLabel(const DateTime& utc);

}  // namespace flenmark
