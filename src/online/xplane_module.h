#pragma once

#include <string>

namespace flenmark {

struct Program;
class Http;

// The first-run question whether X-Plane is used, and the plugins folder ("Browse..." asks
// for the folder again with forceYes).
void CheckXPlane(Program& program, bool forceYes);

// Installs or updates the XPUIPC module in the plugins folder when the vendor publishes
// another version.
void CheckXPUIPCVersion(Program& program, Http& http);

// "V1.3.0" of "1.3.0".
std::string DisplayVersion(const std::string& version);

}  // namespace flenmark
