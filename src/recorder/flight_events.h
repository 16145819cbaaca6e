#pragma once

#include <string>

namespace flenmark {

struct Program;

// Compares the snapshot with the previous tick and reports each flight event: a message
// through ShowMessage and its code. Returns the code of the line: that of the last event
// found, or `code` when there was none.
std::string DetectFlightEvents(Program& program, std::string code);

}  // namespace flenmark
