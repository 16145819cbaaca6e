#pragma once

#include <string>

namespace flenmark {

struct Program;

// One sample: decides whether the tick is written, detects the flight events, builds the
// log line, appends it while logging, keeps "Realtime.txt" while realtime and logging are on,
// and records the animation frame in animation mode. `code` is a control code ("SA", "SO",
// "SA=hhmm") or empty; `force` writes the line whatever changed.
// A failure to write stops logging (with a message) and leaves the program running.
void RecordSample(Program& program, const std::string& code, bool force);

}  // namespace flenmark
