#pragma once

#include <string>
#include <vector>

namespace flenmark::cli {

// flenmark-cli convert LOG OUT [--name NAME]: the log as a KML document with the animated
// replay from the data folder's files. Exit 0, or 1 with "Not able to convert flightlog".
int RunConvertCommand(const std::vector<std::string>& args);
// flenmark-cli export LOG OUT.gpx|OUT.csv [--name NAME]: exit 0 exported, 1 refused.
int RunExportCommand(const std::vector<std::string>& args);

}  // namespace flenmark::cli
