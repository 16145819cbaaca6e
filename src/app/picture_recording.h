#pragma once

#include <functional>

namespace flenmark {

struct Program;

// Readies a recording for pictures of its windows (the screenshot programs): waits for the
// simulator, up to `tries` ticks of `tick` with `pause` between them, then starts logging and
// puts the TCAS scope in ALL mode. False, with a word on standard error, when no simulator
// answered.
bool StartPictureRecording(Program& program, const std::function<void()>& tick,
                           const std::function<void()>& pause, int tries);

// Sets the TCAS scope to the smallest range that still shows every closeness class among the
// traffic, so the closest targets stand clear of the own aircraft at the centre.
void ZoomToEveryTrafficClass(Program& program);

}  // namespace flenmark
