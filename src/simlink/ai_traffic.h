#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/link_protocol.h"

namespace flenmark {

struct Program;

// The traffic text table: row 0 holds the headers, rows 1..40 the simulator's slots 0..39.
// Columns: 0 id, 1 lat, 2 lon, 3 alt (ft), 4 heading + 180, 5 ground speed (kt),
// 6 callsign, 7 vertical speed (ft/min). Numbers use "." whatever the system's separator.
struct AITrafficTable {
    static constexpr int kRows = 41;
    static constexpr int kColumns = 8;
    std::array<std::array<std::string, kColumns>, kRows> cells;

    std::string& at(int row, int column) { return cells[row][column]; }
    const std::string& at(int row, int column) const { return cells[row][column]; }
    // A row holds an aircraft while its id cell is not empty.
    bool occupied(int row) const { return !cells[row][0].empty(); }
};

// Traffic classes: 0 not shown, 1 shown, 2 within 6 NM and 2000 ft, 3 within 4 NM and
// 1200 ft, 4 within 2 NM and 500 ft.
enum TCASModes : int16_t {
    kTcasOff = 0,
    kTcasAbove = 1,
    kTcasBelow = 2,
    kTcasNormal = 3,
    kTcasAll = 4
};

// Refreshes program.AITraffic from the simulator's 40 traffic slots, writing the range to
// the simulator after it changed. A failed exchange runs the connection-lost procedure.
void GetAI(Program& program);

// The class of one aircraft against the own position; empty own texts mean the snapshot's.
int16_t ClassifyTraffic(Program& program, double tgtLat, double tgtLon, double tgtAlt,
                        const std::string& ownAltText, const std::string& ownLonText,
                        const std::string& ownLatText);

}  // namespace flenmark
