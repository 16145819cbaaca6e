// Scenario files: a file is either refused with its line, or plays without leaving the table.
#include "fuzz_support.h"
#include "simhost/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace flenmark::simhost;
    Scenario scenario;
    std::string error;
    if (!ParseScenario(std::string(reinterpret_cast<const char*>(data), size), scenario, error)) {
        flenmark::fuzz::Require(error.rfind("line ", 0) == 0, "a refusal names its line");
        return 0;
    }
    for (const ScenarioEvent& e : scenario.events)
        if (e.kind == ScenarioEvent::Kind::Poke)
            flenmark::fuzz::Require(e.offset + e.bytes.size() <= OffsetTable::kSize,
                                    "pokes stay inside the table");
    OffsetTable table;
    ScenarioPlayer player(std::move(scenario), table);
    for (double t = 0; t < 600 && !player.endReached(); t += 37) player.advanceTo(t);
    return 0;
}
