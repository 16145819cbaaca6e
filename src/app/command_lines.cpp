#include "app/command_lines.h"

#include <string>

#include "base/command_line_error.h"
#include "base/help_and_version.h"

namespace flenmark {

std::optional<int> AnswerMainHelpOrVersion(int argc, char** argv) {
    return AnswerHelpOrVersion(
        argc, argv, "flenmark",
        "Usage: flenmark [--start-logging]\n"
        "  or:  flenmark --help | --version\n"
        "The flight recorder with its main window: connects to the simulator through FSUIPC,\n"
        "logs the flight and converts it for Google Earth.\n"
        "\n"
        "Options:\n"
        "  --start-logging  start logging as soon as the simulator answers\n"
        "  --help           print this help and exit\n"
        "  --version        print the version and exit\n");
}

std::optional<int> ReadMainOptions(int argc, char** argv, bool& startLogging) {
    startLogging = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) != "--start-logging") {
            ReportCommandLineError("flenmark",
                                   std::string(argv[i]) + ": not an option of flenmark");
            return 2;
        }
        startLogging = true;
    }
    return std::nullopt;
}

std::optional<int> AnswerUpdaterCommandLine(int argc, char** argv) {
    if (const auto done = AnswerHelpOrVersion(
            argc, argv, "flenmark-updater",
            "Usage: flenmark-updater\n"
            "  or:  flenmark-updater --help | --version\n"
            "Installs the newer Flenmark files from the vendor's server beside the program and in\n"
            "the data folder, then starts flenmark again. Started by flenmark when an update is "
            "due.\n"))
        return done;
    if (argc > 1) {
        ReportCommandLineError("flenmark-updater",
                               std::string(argv[1]) + ": flenmark-updater takes no options");
        return 2;
    }
    return std::nullopt;
}

}  // namespace flenmark
