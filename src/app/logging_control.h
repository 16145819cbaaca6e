#pragma once

#include <optional>
#include <string>

namespace flenmark {

struct Program;

// The logging buttons. Each reports through the message line. None writes a second start
// line into a recording that runs, nor a stop line without a start.
void StartLogging(Program& program);
// Stopping says so, and how many lines of the recording could not be written when any.
void StopLogging(Program& program);
void ToggleAnimation(Program& program);

// Starts logging, in animation mode when asked, with an "SA" line of the latest reading, and
// shows `message` unless it is empty; before the link's first reading, with the next reading.
// Nothing while logging.
void BeginLogging(Program& program, bool animation, const std::string& message);

// Empties the flight log and deletes the animation and traffic logs, after a question
// unless skipConfirmation. While logging, the new log starts with an "SA=hhmm" line.
void ResetLog(Program& program, bool skipConfirmation);

// Logging that begins with this tick's reading: the logging that a lost link stopped, taken up
// with its animation and realtime modes (unless the user switched resuming off), or a start
// asked for before the reading (StartLoggingOnConnect). Switches it on and returns the message
// to show once the tick's sample, its "SA" line, is written; nullopt when none begins.
std::optional<std::string> BeginLoggingWithThisReading(Program& program);

// Clears the previous-tick position texts and stamp, as stopping a recording does.
void ForgetPreviousPosition(Program& program);

}  // namespace flenmark
