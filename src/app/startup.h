#pragma once

#include <string>

namespace flenmark {

struct Program;
class ProgramPort;

// "," or "." from the system's way of writing 2.5.
char DecimalSeparatorOf(const std::string& twoAndAHalf);

// Start-up before the main window is shown: the data folder (locked for this program, stale
// temporary files removed), settings, templates, flight log. False when the program cannot run
// and must end (the reason has been shown): another Flenmark uses the data folder, say.
bool StartUp(Program& program, const std::string& systemTwoAndAHalf);

// The last steps, once the window is visible: the version check and the first tick.
void FinishStartUp(Program& program);
// The same through the port that runs the program's commands, for windows whose ticks run on
// a thread of their own: from now on only that thread touches the program.
void FinishStartUp(ProgramPort& port);
// The version check alone.
void CheckVersionAtStart(Program& program);

}  // namespace flenmark
