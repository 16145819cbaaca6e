#pragma once

#include "app/program_view.h"
#include "platform/dialogs.h"

namespace flenmark {

struct Program;

// "Toggle always on top": flips the main window's top-most state; true when now on top.
bool ToggleMainOnTop(Program& program);

// "Open manual" and "Open website", each after a Yes/No question.
void OpenManual(Program& program);
void OpenWebsite(Program& program);

// The first minimise while connected and not logging asks whether to start logging: the
// window asks (restored and on top), then tells the program the answer.
bool StartLoggingQuestionDue(const ProgramView& view);
bool AskStartLogging(Dialogs& dialogs);
// After the first minimise: no more questions, and logging starts when the answer was Yes.
void AnswerFirstMinimize(Program& program, bool startLogging);
// The window is back from the tray (its icon was clicked).
void MainWindowRestored(Program& program);

// The cockpit windows opened and closed: the status window shows the latest values at once,
// and a closed TCAS window leaves no targets behind.
void StatusWindowOpened(Program& program);
void StatusWindowClosed(Program& program);
void TcasWindowOpened(Program& program);
void TcasWindowClosed(Program& program);

// "Browse..." of the options dialog: the X-Plane question and module installer when the online
// services are there, the folder alone otherwise.
void BrowseForXPlane(Program& program);

}  // namespace flenmark
