#pragma once

#include <string>
#include <vector>

namespace flenmark::cli {

// flenmark-cli flights [--json] | --rebuild: lists the logbook of the data folder, as a table
// or as a JSON array; --rebuild makes it again from the flights kept in the saved tracks folder
// (the older unsaved flights included). Exit 0 done, 1 refused or the logbook unusable.
int RunFlightsCommand(const std::vector<std::string>& args);

}  // namespace flenmark::cli
