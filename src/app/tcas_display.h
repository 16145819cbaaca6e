#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace flenmark {

struct Program;

// The scope's size in pixels; its centre is the own aircraft, its half-width the range.
inline constexpr int kScopeSize = 145;

// One aircraft on the scope: where its symbol's centre is, its class (1..4) and the relative
// altitude written above it.
struct TcasTarget {
    int x = 0;
    int y = 0;
    int16_t traffic = 0;
    std::string caption;
};

struct TcasView {
    std::vector<TcasTarget> targets;
};

// "OFF", "ABV", "BLW", "NRM" or "ALL".
std::string TcasModeText(int16_t mode);
// "20NM".
std::string TcasRangeText(int16_t range);

// The TCAS window's buttons.
void CycleTCASMode(Program& program);
void ZoomIn(Program& program);
void ZoomOut(Program& program);
bool ToggleTCASOnTop(Program& program);

// The window's timer: refreshes the traffic and the targets (nothing while not connected or OFF).
void TcasTimerTick(Program& program);

// Where a position lies on the heading-up scope, "X:Y" in scope pixels from its top-left.
std::string ScopePosition(Program& program, double lat, double lon);

}  // namespace flenmark
