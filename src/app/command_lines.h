#pragma once

#include <optional>

namespace flenmark {

// The windowed programs' command lines, alike in every front end. Each answers --help and
// --version first (before a window or a folder is made), then reads what is left; the exit
// status when the program ends here, nullopt when it goes on.

// flenmark [--start-logging]. The options are read after the window system took its own out.
std::optional<int> AnswerMainHelpOrVersion(int argc, char** argv);
std::optional<int> ReadMainOptions(int argc, char** argv, bool& startLogging);

// flenmark-updater, which takes no options.
std::optional<int> AnswerUpdaterCommandLine(int argc, char** argv);

}  // namespace flenmark
