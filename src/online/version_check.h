#pragma once

#include <string>

#include "online/version_file.h"

namespace flenmark {

struct Program;
class Http;

// The vendor's general message for the user's update settings ("" for none).
std::string GeneralMessage(const VersionFile& f, bool update, bool minUpdate);
// The vendor's message when an update is due ("" for none).
std::string UpdateDueMessage(const VersionFile& f, bool update, bool minUpdate);

// The address of a file the version file names: full addresses as they are, paths on the
// vendor's server.
std::string VendorFileAddress(const std::string& address);

// The start-up version check: the vendor's messages, a newer updater, and, when an update is
// due and updates are on, the hand-over to the updater (the program then ends).
void CheckVersion(Program& program, Http& http);

// The updater beside the program.
std::string UpdaterPath(const Program& program);

}  // namespace flenmark
