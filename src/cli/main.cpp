// flenmark-cli: the recorder without windows, for scripts and tests.
#include <iostream>
#include <string>
#include <vector>

#include "base/help_and_version.h"
#include "cli/convert_command.h"
#include "cli/profile_command.h"
#include "cli/record_command.h"

namespace {

const char* kUsage =
    "usage: flenmark-cli record --ticks N [options]\n"
    "       flenmark-cli convert LOG OUT.kml|OUT.kmz [--name NAME]\n"
    "       flenmark-cli export LOG OUT.gpx|OUT.csv [--name NAME]\n"
    "       flenmark-cli profile LOG OUT.svg|OUT.png [--dark]\n"
    "       flenmark-cli --help | --version\n"
    "record options: [--animation] [--realtime] [--tcas OFF|ABV|BLW|NRM|ALL] [--range NM]\n"
    "                [--tick-ms MS]\n";

}  // namespace

int main(int argc, char** argv) {
    if (const auto done = flenmark::AnswerHelpOrVersion(argc, argv, "flenmark-cli", kUsage))
        return *done;
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "record") return flenmark::cli::RunRecordCommand(args);
    if (command == "convert") return flenmark::cli::RunConvertCommand(args);
    if (command == "export") return flenmark::cli::RunExportCommand(args);
    if (command == "profile") return flenmark::cli::RunProfileCommand(args);
    std::cerr << kUsage;
    return 1;
}
