#pragma once

#include <string>

#include "recorder/sample_context.h"

namespace flenmark {

struct Program;

// The recorder's operations on the program's state.

// The recorder's context of this tick (throws FolderError without a data folder).
SampleContext SampleContextOf(Program& program);

// One sample of the tick (see the recorder's RecordSample), with the logging label showing
// whether it was written and the status window's warning colours. A failure to write stops
// logging ("Unable to write the flight log, logging stopped.") and leaves the program running.
void RecordSample(Program& program, const std::string& code, bool force);

bool SampleIsWorthWriting(Program& program);
std::string DetectFlightEvents(Program& program, std::string code);
void RecordAnimationFrame(Program& program, const std::string& code);

}  // namespace flenmark
