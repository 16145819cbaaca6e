#include "e2e/e2e_support.h"

namespace flenmark::testing {

std::vector<std::string> DefaultFlightRecording::environment() const {
    return {"XDG_DATA_HOME=" + folders.applicationDataRoot(), "HOME=" + folders.root(), "LC_ALL=C"};
}

DefaultFlightRecording::DefaultFlightRecording() {
    // 40 times real time: a tick of 20 ms plus its work is one to two scenario seconds, so
    // 560 ticks cover the whole circuit however busy the machine is.
    SimHostProcess host({"--scenario", "default", "--speed", "40"});
    if (!host.ready()) return;
    cli = RunProgram(
        CliPath(), {"record", "--ticks", "560", "--tick-ms", "20", "--animation", "--tcas", "ALL"},
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
