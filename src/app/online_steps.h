#pragma once

namespace flenmark {

struct Program;
class Http;

// The online services as the program runs them, on its own state.

// The start-up version check; when it hands over to the updater the program ends.
void CheckVersion(Program& program, Http& http);

// This run's usage report: the user, the local time, the simulator.
void SendUsageReport(Program& program, Http& http);

// The X-Plane question and the module installer, saving the settings they change.
void CheckXPlane(Program& program, bool forceYes);
void CheckXPUIPCVersion(Program& program, Http& http);

// Hands the program its online steps over `http`: the probe, the X-Plane question and module
// installer, the version check, the usage report and the options' "Browse...". A front end
// without them (flenmark-cli) leaves them out.
void ConnectOnlineServices(Program& program, Http& http);

}  // namespace flenmark
