#pragma once

#include <cstddef>
#include <string>

namespace flenmark {

struct SampleContext;

// How a sample went: whether the tick was worth a line (whether logging is on or not), whether
// writing it, "Realtime.txt" or the line's numbers failed, and which lines due in the three logs
// were lost.
struct SampleOutcome {
    bool written = false;
    bool failed = false;
    bool logLineLost = false;
    size_t framesLost = 0;
    size_t trafficLinesLost = 0;
    std::string line;  // the line appended to the log, when one was
};

// One sample: decides whether the tick is written, detects the flight events, builds the log
// line, appends it while logging, keeps "Realtime.txt" while realtime and logging are on, and
// records the animation frame in animation mode. `code` is a control code ("SA", "SO",
// "SA=hhmm") or empty; `force` writes the line whatever changed.
SampleOutcome RecordSample(SampleContext& context, const std::string& code, bool force);

}  // namespace flenmark
