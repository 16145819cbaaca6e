#pragma once

#include <string>

namespace flenmark {

// A random id of this installation, kept in "InstallationId.txt" in the data folder (made on
// first use): what a usage report carries instead of anything that names the user. "" when it
// can be neither read nor made.
std::string InstallationId(const std::string& dataFolder);

}  // namespace flenmark
