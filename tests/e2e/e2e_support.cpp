#include "e2e/e2e_support.h"

namespace flenmark::testing {

std::vector<std::string> RecorderEnvironment(const TempFolders& folders) {
    return {"XDG_DATA_HOME=" + folders.applicationDataRoot(), "HOME=" + folders.root(), "LC_ALL=C",
            "QT_QPA_PLATFORM=offscreen"};
}

std::vector<std::string> DefaultFlightRecording::environment() const {
    return RecorderEnvironment(folders);
}

DefaultFlightRecording::DefaultFlightRecording() {
    // In lockstep the circuit moves one second per tick, however busy the machine is: 500 ticks
    // cover it to the taxi off the runway.
    SimHostProcess host({"--scenario", "default", "--lockstep"});
    if (!host.ready()) return;
    cli = RunProgram(CliPath(),
                     {"record", "--ticks", "500", "--tick-ms", "1", "--animation", "--tcas", "ALL"},
                     environment());
}

const DefaultFlightRecording& DefaultFlightRecording::Get() {
    static const DefaultFlightRecording recording;
    return recording;
}

std::string Field(const std::string& line, int n) {
    size_t start = 0;
    for (int i = 1; i < n; ++i) {
        start = line.find(':', start);
        if (start == std::string::npos) return {};
        ++start;
    }
    return line.substr(start, line.find(':', start) - start);
}

}  // namespace flenmark::testing
