#pragma once

#include <string>
#include <vector>

namespace flenmark::cli {

// flenmark-cli convert LOG OUT [--name NAME]: the log as a KML document with the animated
// replay from the data folder's files. Exit 0, or 1 with "Not able to convert flightlog".
int RunConvertCommand(const std::vector<std::string>& args);

}  // namespace flenmark::cli
