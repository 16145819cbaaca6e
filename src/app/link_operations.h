#pragma once

#include <cstdint>
#include <string>

namespace flenmark {

struct Program;

// The link's operations as the program runs them: its own state in, and a lost link or a
// conversion fault turned into the connection-lost procedure or the message line.

// The telemetry of this tick into program.telemetry ("Unable to load FSUIPC offsets." on a
// fault; the connection-lost procedure when an exchange fails).
void ReadTelemetry(Program& program);

// The traffic table from the simulator ("Unable to load AI traffic data." on a fault).
void GetAI(Program& program);

// The class of one aircraft; empty own texts mean the snapshot's ("Error in drawing TCAS
// table." and 0 when the own position cannot be read).
int16_t ClassifyTraffic(Program& program, double tgtLat, double tgtLon, double tgtAlt,
                        const std::string& ownAltText, const std::string& ownLonText,
                        const std::string& ownLatText);

// The connected simulator's name for the usage report.
std::string SimulatorName(Program& program);

}  // namespace flenmark
