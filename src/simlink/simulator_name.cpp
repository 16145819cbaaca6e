#include "simlink/simulator_name.h"

#include <cstdint>

#include "simlink/single_read.h"

namespace flenmark {
namespace {

bool ReadValue(SimLink& link, uint32_t offset, uint32_t size, void* destination) {
    return ReadOne(link, offset, size, destination) == ReadOutcome::Done;
}

}  // namespace

std::string SimulatorNameOfCode(int code) {
    static const char* const kNames[] = {"FS98", "FS2000", "Combat FS2", "Combat FS1",
                                         "Fly!", "FS2002", "FS2004",     "FSX"};
    if (code >= 1 && code <= 8) return kNames[code - 1];
    return "? " + std::to_string(code);
}

std::string SimulatorName(SimLink& link, bool connected) {
    if (!connected) return "Not connected";
    uint16_t xplane = 0;
    if (ReadValue(link, 0x6FFF, 2, &xplane) && xplane != 0) return "X-Plane";
    uint16_t code = 0;
    if (!ReadValue(link, 0x3308, 2, &code)) return {};
    return SimulatorNameOfCode(code);
}

}  // namespace flenmark
