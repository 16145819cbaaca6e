#pragma once

#include <string>

namespace flenmark {

struct SampleContext;

// Compares the snapshot with the previous tick and reports each flight event: a message on the
// context's message line and its code. Returns the code of the line: that of the last event
// found, or `code` when there was none. The first reading of the link's run (no previous
// reading) reports none.
std::string DetectFlightEvents(SampleContext& context, std::string code);

}  // namespace flenmark
