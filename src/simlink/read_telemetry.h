#pragma once

namespace flenmark {

struct Program;

// Reads the 24 telemetry values from the simulator, one exchange each, into
// program.telemetry. A failed exchange runs the connection-lost procedure; a conversion
// fault shows "Unable to load FSUIPC offsets." and keeps the fields not yet converted.
void ReadTelemetry(Program& program);

}  // namespace flenmark
