#pragma once

#include <string>

namespace flenmark {

class Http;
class Dialogs;
struct Settings;

// The first-run question whether X-Plane is used, and the plugins folder ("Browse..." asks
// for the folder again with forceYes). True when a folder was chosen: the settings are then
// to be saved.
bool CheckXPlane(Settings& settings, Dialogs& dialogs, bool forceYes);

// Installs or updates the XPUIPC module in the plugins folder when the vendor publishes
// another version. True when it was installed: the settings are then to be saved.
bool CheckXPUIPCVersion(Settings& settings, Http& http, Dialogs& dialogs);

// "V1.3.0" of "1.3.0".
std::string DisplayVersion(const std::string& version);

}  // namespace flenmark
