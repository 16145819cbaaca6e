#pragma once

namespace flenmark {

struct Program;

// Sets the three logging status labels of the main window: "Logging"/"No logging" (green in
// a tick that wrote a sample), "Animation"/"No animation", "Realtime"/"No realtime".
void UpdateLoggingLabels(Program& program, bool logging, bool written, bool realtime);

}  // namespace flenmark
