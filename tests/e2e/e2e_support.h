#pragma once

#include <string>
#include <vector>

#include "support/fakes.h"
#include "support/simhost_process.h"

namespace flenmark::testing {

// A recording of the default scenario made by flenmark-cli against flenmark-simhost, in a
// private data folder. Made once per test program: it takes a few seconds.
struct DefaultFlightRecording {
    TempFolders folders;
    PrivateRuntimeDir runtime;
    RunResult cli;

    static const DefaultFlightRecording& Get();
    std::string data(const std::string& name) const { return folders.data() + name; }
    std::vector<std::string> environment() const;

  private:
    DefaultFlightRecording();
};

// The environment of a program run on a private data folder (and Qt off screen).
std::vector<std::string> RecorderEnvironment(const TempFolders& folders);

// Field n (1-based) of a ":"-separated line.
std::string Field(const std::string& line, int n);

}  // namespace flenmark::testing
