#include "base/command_line_error.h"

#include <iostream>

namespace flenmark {

void ReportCommandLineError(const std::string& program, const std::string& what) {
    std::cerr << program << ": " << what << "\nTry '" << program << " --help'.\n";
}

}  // namespace flenmark
