#pragma once

#include <string>
#include <vector>

#include "base/text_files.h"
#include "support/fakes.h"

namespace flenmark::testing {

// A connected, logging program in level flight at 5000 ft whose previous tick and last written
// line equal the current sample, so that nothing is due unless a test changes something.
struct RecorderFixture {
    TestProgram t;
    Program& p = t.program;

    RecorderFixture() {
        t.clock.setUtc({2009, 7, 12, 11, 59, 1});
        p.Connected = true;
        p.Logging = true;
        TelemetrySnapshot& s = p.telemetry;
        s.LatText = "52.3";
        s.LonText = "4.76";
        s.AltText = "5000";
        s.AltAGLText = "4000";
        s.GndSpdText = "150";
        s.HDGText = "90";
        s.VSText = "0";
        s.LastAirVSText = "0";
        s.GearText = "1";
        s.IAS = 150;
        s.TAS = 160;
        s.GSNeedle = 5;
        s.GSState = 1;
        s.GSAlive = true;
        p.prev = {0,    0, 0,    0,     0,      0,      0,      0,   false, 1,
                  true, 5, "90", "150", "52.3", "4.76", "5000", "0", true};
        p.recorder.PrevGearText = "1";
        p.recorder.lastLine = {"90", "150", "5000", "0", "20090712115900"};
        p.PrevTickStamp = "20090712115900";
    }

    std::vector<std::string> logLines() const {
        return SplitLines(ReadFile(t.dataPath("Flightlog.txt")));
    }
    // Field n (1-based) of the last log line.
    std::string lastField(int n) const {
        const auto lines = logLines();
        if (lines.empty()) return "<no line>";
        std::string line = lines.back();
        for (int i = 1; i < n; ++i) line = line.substr(line.find(':') + 1);
        return line.substr(0, line.find(':'));
    }
};

}  // namespace flenmark::testing
