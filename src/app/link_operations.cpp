#include "app/link_operations.h"

#include "app/connection.h"
#include "app/messages.h"
#include "app/program.h"
#include "simlink/ai_traffic.h"
#include "simlink/read_telemetry.h"
#include "simlink/simulator_name.h"

namespace flenmark {

void ReadTelemetry(Program& program) {
    const TelemetryRead read{program.telemetry, program.prev.OnGround, program.settings.LocInt,
                             program.settings.GSInt, program.DecimalSeparator};
    switch (ReadTelemetry(program.services.link, read)) {
        case LinkRead::Lost:
            HandleConnectionLost(program, LostDuring::Telemetry);
            break;
        case LinkRead::Fault:
            ShowMessage(program, "Unable to load FSUIPC offsets.");
            break;
        case LinkRead::Done:
            break;
    }
}

void GetAI(Program& program) {
    switch (GetAI(program.services.link, program.traffic)) {
        case LinkRead::Lost:
            HandleConnectionLost(program, LostDuring::Traffic);
            break;
        case LinkRead::Fault:
            ShowMessage(program, "Unable to load AI traffic data.");
            break;
        case LinkRead::Done:
            break;
    }
}

int16_t ClassifyTraffic(Program& program, double tgtLat, double tgtLon, double tgtAlt,
                        const std::string& ownAltText, const std::string& ownLonText,
                        const std::string& ownLatText) {
    const TelemetrySnapshot& t = program.telemetry;
    const auto cls = ClassifyTraffic(
        tgtLat, tgtLon, tgtAlt, ownAltText.empty() ? t.AltText : ownAltText,
        ownLonText.empty() ? t.LonText : ownLonText, ownLatText.empty() ? t.LatText : ownLatText,
        program.traffic.TCASRange, program.traffic.TCASMode);
    if (!cls) ShowMessage(program, "Error in drawing TCAS table.");
    return cls.value_or(0);
}

std::string SimulatorName(Program& program) {
    return SimulatorName(program.services.link, program.Connected);
}

}  // namespace flenmark
