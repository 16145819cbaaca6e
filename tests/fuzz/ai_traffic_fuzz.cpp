// The simulator's traffic table as a hostile host may fill it: the text table holds numbers
// where numbers belong, callsigns that cannot break the ":"-separated traffic log, and every
// recorded traffic line has its 12 fields.
#include <cstring>

#include "app/link_operations.h"
#include "base/number_text.h"
#include "fuzz_program.h"
#include "fuzz_support.h"
#include "app/recording.h"
#include "recorder/animation_recorder.h"
#include "simlink/ai_traffic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace flenmark;
    using fuzz::Require;
    testing::TestProgram& t = fuzz::Program();
    Program& p = t.program;
    int result = 0;
    t.link.CloseLink();
    t.link.OpenLink(0, result);
    std::fill(t.link.table.begin() + kTrafficSlotBase, t.link.table.end(), 0);
    std::memcpy(t.link.table.data() + kTrafficSlotBase, data,
                std::min<size_t>(size, kTrafficSlots * kTrafficSlotSize));
    p.traffic.AITraffic = {};
    p.Connected = true;
    p.telemetry.LatText = "52.3";
    p.telemetry.LonText = "4.76";
    p.telemetry.AltText = "1500";
    p.traffic.TCASMode = kTcasAll;
    GetAI(p);
    for (int row = 1; row < AITrafficTable::kRows; ++row) {
        if (!p.traffic.AITraffic.occupied(row)) continue;
        for (int c : {0, 1, 2, 3, 4, 5})
            Require(p.traffic.AITraffic.at(row, c).empty() ||
                        ParseNumber(p.traffic.AITraffic.at(row, c)),
                    "traffic numbers are numbers");
        const std::string& callsign = p.traffic.AITraffic.at(row, 6);
        Require(callsign.size() <= kCallsignLength, "a callsign has at most 15 characters");
        for (unsigned char c : callsign)
            Require(c > ' ' && c != ':' && c != 0x7F, "a callsign cannot break a log line");
    }
    const std::string trafficLog = t.dataPath("Traffic.txt");
    testing::WriteFile(trafficLog, "");
    p.recorder.AnimationStamp = "20090712143507";
    RecordAnimationFrame(p, "");
    for (const std::string& line : SplitLines(testing::ReadFile(trafficLog)))
        Require(std::count(line.begin(), line.end(), ':') == 11, "a traffic line has 12 fields");
    return 0;
}
