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

// Why the link could not be opened, when the simulator is not to blame: "" for the codes of a
// simulator that does not answer (or answers wrongly).
std::string LinkFaultOfThisComputer(int code);

// What a recorder without windows says when it could not connect: the simulator did not answer
// in `seconds`, or the fault lies on this computer; with the code.
std::string NoConnectionMessage(int code, int seconds);

// The main tick's silent attempt while not connected.
void TryAutoConnect(Program& program);

// A failed exchange: closes the link and switches logging and realtime (and, during the
// telemetry read, animation) off.
void HandleConnectionLost(Program& program, LostDuring during);

}  // namespace flenmark
