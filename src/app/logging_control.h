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

// Takes up the logging that a lost link stopped, with its animation and realtime modes, once
// the link is back: a new "SA" line and "Logging resumed.". Nothing when none is pending or
// the user switched resuming off.
void ResumeLoggingAfterReconnect(Program& program);

// Starts logging at the first tick with the simulator when the program was asked to
// (StartLoggingOnConnect), once; nothing when logging is already on.
void StartLoggingOnConnectWhenAsked(Program& program);

// Clears the previous-tick position texts and stamp, as stopping a recording does.
void ForgetPreviousPosition(Program& program);

}  // namespace flenmark
