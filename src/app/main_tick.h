#pragma once

namespace flenmark {

struct Program;

// One second of the program: button states, the clock, connecting or reading the
// telemetry, recording, the realtime files, the previous-tick copies, the connection label.
void MainTick(Program& program);

// The previous-tick copies of the telemetry, taken at the end of a connected tick.
void CopyPreviousTick(Program& program);

}  // namespace flenmark
