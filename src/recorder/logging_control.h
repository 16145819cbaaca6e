#pragma once

namespace flenmark {

struct Program;

// The logging buttons. Each reports through the message line.
void StartLogging(Program& program);
void StopLogging(Program& program);
void ToggleAnimation(Program& program);

// Empties the flight log and deletes the animation and traffic logs, after a question
// unless skipConfirmation. While logging, the new log starts with an "SA=hhmm" line.
void ResetLog(Program& program, bool skipConfirmation);

// Clears the previous-tick position texts and stamp, as stopping a recording does.
void ForgetPreviousPosition(Program& program);

}  // namespace flenmark
