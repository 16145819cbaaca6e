#pragma once

#include <string>

#include "online/version_file.h"

namespace flenmark {

class Http;
class Dialogs;
class Shell;
struct Settings;

// The vendor's general message for the user's update settings ("" for none).
std::string GeneralMessage(const VersionFile& f, bool update, bool minUpdate);
// The vendor's message when an update is due ("" for none).
std::string UpdateDueMessage(const VersionFile& f, bool update, bool minUpdate);

// The address of a file the version file names: full addresses as they are, paths on the
// vendor's server.
std::string VendorFileAddress(const std::string& address);

// What the version check works with: where the programs and the data live, and how it asks.
struct VersionCheckPlace {
    std::string programFolder;  // ending with "/"
    std::string dataFolder;     // ending with "/"
    std::string appTitle;
    Dialogs& dialogs;
    Shell& shell;
    // A copy installed by the system's package manager is only told of a newer version: the
    // updater and its downloads never touch it.
    bool updatesByPackageManager = false;
};

// What a packaged copy says when a newer version is out.
inline constexpr const char* kNewerVersionForPackage =
    "A newer version of the Flenmark is available. This copy was installed by the system's "
    "package manager: update it from there.";

// The start-up version check: the vendor's messages, a newer updater, and, when an update is
// due and updates are on, the hand-over to the updater. True when the updater was started and
// the program must end now.
bool CheckVersion(Http& http, const Settings& settings, const VersionCheckPlace& place);

// The updater beside the program.
std::string UpdaterPath(const std::string& programFolder);

}  // namespace flenmark
