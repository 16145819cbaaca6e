#pragma once

#include <optional>
#include <string>

namespace flenmark {

// "--help" (the usage on standard output) and "--version" ("<program> 1.2.3"), answered before
// a program does anything else: no window, no update, no folder made. The exit status when one
// of them was asked for; nullopt otherwise.
std::optional<int> AnswerHelpOrVersion(int argc, char** argv, const std::string& program,
                                       const std::string& usage);

}  // namespace flenmark
