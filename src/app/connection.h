#pragma once

#include <string>

namespace flenmark {

struct Program;
class SimLink;

enum class LostDuring { Telemetry, Traffic };

// The "(Re) Connect" button: opens the link and runs a tick at once, or shows the
// "Connection failure" box with the link's result code.
void Connect(Program& program);

// What feeds the recorder on this system and where the link looked, for the messages that no
// simulator answered.
std::string SimulatorSourcesAdvice(const SimLink& link);

// The main tick's silent attempt while not connected.
void TryAutoConnect(Program& program);

// A failed exchange: closes the link and switches logging and realtime (and, during the
// telemetry read, animation) off.
void HandleConnectionLost(Program& program, LostDuring during);

}  // namespace flenmark
