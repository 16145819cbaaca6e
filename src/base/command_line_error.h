#pragma once

#include <string>

namespace flenmark {

// Tells the user what is wrong with a command line, on standard error: the option (or
// argument) and the reason, then where the usage is, for example
//   flenmark-cli: --range 7: the range is 5, 10, 15, 20 or 40 nautical miles
//   Try 'flenmark-cli --help'.
void ReportCommandLineError(const std::string& program, const std::string& what);

}  // namespace flenmark
