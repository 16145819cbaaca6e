#include "base/help_and_version.h"

#include <cstring>
#include <iostream>

namespace flenmark {

std::optional<int> AnswerHelpOrVersion(int argc, char** argv, const std::string& program,
                                       const std::string& usage) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << usage;
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << program << " " << FLENMARK_VERSION << "\n";
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace flenmark
