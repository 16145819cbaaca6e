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

}  // namespace flenmark
