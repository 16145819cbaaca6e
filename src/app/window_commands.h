#pragma once

namespace flenmark {

struct Program;

// "Toggle always on top": flips the main window's top-most state; true when now on top.
bool ToggleMainOnTop(Program& program);

// "Open manual" and "Open website", each after a Yes/No question.
void OpenManual(Program& program);
void OpenWebsite(Program& program);

// The first minimise while connected and not logging asks whether to start logging.
// The window calls this with itself restored and on top, and minimises again afterwards.
void AskStartLoggingOnFirstMinimize(Program& program);

// True when the first-minimise question is due.
bool StartLoggingQuestionDue(const Program& program);

}  // namespace flenmark
