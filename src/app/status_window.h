#pragma once

namespace flenmark {

struct Program;

// Fills the aircraft status window's six value labels from the snapshot (nothing while the
// window is closed). Vertical speeds of 6000 ft/min or more either way show in red.
void UpdateStatusWindow(Program& program);

// The status window's "Toggle always on top"; true when now on top.
bool ToggleStatusOnTop(Program& program);

}  // namespace flenmark
