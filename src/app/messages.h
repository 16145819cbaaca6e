#pragma once

#include <string>

namespace flenmark {

struct Program;

// Shows a one-line message: "Event: " messages go to the status window's event line while
// that window is open, all others to the main window's message line, which clears itself
// 5 seconds after the last message.
void ShowMessage(Program& program, const std::string& text);

// Opens a document, folder or address with the desktop; when nothing opens it, the message line
// says what could not be opened and where it is ("Unable to open the manual; it is at ...").
// True when it was opened.
bool OpenOrTellWhere(Program& program, const std::string& pathOrAddress, const std::string& what);

// The message timers' ends: empty the line.
void ClearMessageLine(Program& program);
void ClearStatusEventLine(Program& program);

}  // namespace flenmark
