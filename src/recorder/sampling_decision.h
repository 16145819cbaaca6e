#pragma once

#include <string>

namespace flenmark {

struct SampleContext;

// True when the current tick is worth a log line by itself: ground contact, an ILS change
// inside the ILS window, a discrete change, no previous tick, or a change beyond the
// thresholds (coarser above 10000 ft) since the last written line.
bool SampleIsWorthWriting(const SampleContext& context);

// The quiet-spell rule: more than 500 between the two stamps read as plain 14-digit numbers.
bool QuietSpellOver(const std::string& lastLineStamp, const std::string& stamp);

}  // namespace flenmark
