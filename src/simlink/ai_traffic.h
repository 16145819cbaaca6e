#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/link_protocol.h"
#include "simlink/single_read.h"

namespace flenmark {

class SimLink;

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

// The traffic subsystem's state: the TCAS range and mode, the range last sent, the table.
struct TrafficState {
    int16_t TCASRange = 20;
    int16_t TCASMode = 0;
    int16_t LastRangeSent = 0;
    AITrafficTable AITraffic;
};

// Refreshes the table from the simulator's 40 traffic slots, writing the range to the
// simulator after it changed. Lost: an exchange failed and the reading stopped there; Fault:
// a value could not be converted ("Unable to load AI traffic data." is the caller's to show).
LinkRead GetAI(SimLink& link, TrafficState& traffic);

// The class of one aircraft against an own position (texts in either decimal separator), in
// the range and altitude band of the mode; nullopt when the own position cannot be read.
std::optional<int16_t> ClassifyTraffic(double tgtLat, double tgtLon, double tgtAlt,
                                       const std::string& ownAltText, const std::string& ownLonText,
                                       const std::string& ownLatText, int16_t range, int16_t mode);

}  // namespace flenmark
