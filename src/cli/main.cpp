// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark-cli: the recorder without windows, for scripts and tests.
#include <iostream>
#include <string>
#include <vector>

#include "base/command_line_error.h"
#include "base/help_and_version.h"
#include "cli/convert_command.h"
#include "cli/flights_command.h"
#include "cli/profile_command.h"
#include "cli/record_command.h"

namespace {

const char* kUsage =
    "Usage: flenmark-cli record [--ticks N] [options]\n"
    "  or:  flenmark-cli convert LOG OUT.kml|OUT.kmz [--name NAME] [--compact]\n"
    "  or:  flenmark-cli export LOG OUT.gpx|OUT.csv [--name NAME]\n"
    "  or:  flenmark-cli profile LOG OUT.svg|OUT.png [--dark]\n"
    "  or:  flenmark-cli flights [--json] | flenmark-cli flights --rebuild\n"
    "  or:  flenmark-cli --help | --version\n"
    "The flight recorder without windows, for scripts.\n"
    "\n"
    "Commands:\n"
    "  record   connect to the simulator and log into the data folder, N ticks or until\n"
    "           Ctrl+C or SIGTERM, then stop logging\n"
    "  convert  turn a flight log into a Google Earth document (KML, or KMZ with its icons)\n"
    "  export   turn a flight log into GPX (events as waypoints) or CSV (a row per point)\n"
    "  profile  draw the flight's height and speed over time as SVG or PNG\n"
    "  flights  list the logbook: every recorded flight with its airports, times, distance,\n"
    "           highest altitude and last landing\n"
    "\n"
    "Options of record:\n"
    "  --ticks N       ticks to record, one a second (default: until stopped, or until the\n"
    "                  simulator has been gone for ten minutes)\n"
    "  --animation     record the replay frames and the traffic too\n"
    "  --realtime      keep the realtime documents and their Google Earth link\n"
    "  --tcas MODE     traffic to record: OFF, ABV, BLW, NRM or ALL (default OFF)\n"
    "  --range NM      traffic range: 5, 10, 15, 20 or 40 nautical miles (default 20)\n"
    "  --tick-ms MS    milliseconds between ticks (default 1000); below 1000 the flight's\n"
    "                  clock still moves a second a tick\n"
    "  --data-folder DIR  record into DIR (made when missing) instead of the usual data folder\n"
    "Options of convert and export:\n"
    "  --name NAME     the flight's name in the document (default Flightlog)\n"
    "Options of convert:\n"
    "  --compact       replay the traffic as time tracks only, without a placemark per\n"
    "                  aircraft and second: a much smaller document (as the CompactReplay\n"
    "                  setting)\n"
    "Options of profile:\n"
    "  --dark          light lines on a dark background\n"
    "Options of flights:\n"
    "  --json          a JSON array of objects (start_utc, end_utc, departure, arrival,\n"
    "                  aircraft, air_time_s, distance_nm, max_altitude_ft, landing_rate_fpm,\n"
    "                  touchdowns, folder and more)\n"
    "  --rebuild       make the logbook again from the flights kept in the saved tracks\n"
    "                  folder, the older \"Unsaved flight\" folders included\n"
    "\n"
    "Exit status: 0 done, 1 wrong command line or nothing written, 2 no simulator,\n"
    "3 the recording ended early or has a gap (a log line could not be written).\n";

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
    if (command == "flights") return flenmark::cli::RunFlightsCommand(args);
    flenmark::ReportCommandLineError(
        "flenmark-cli", command.empty() ? "a command is needed: record, convert, export, profile or flights"
                                        : command + ": not a command of flenmark-cli");
    return 1;
}
