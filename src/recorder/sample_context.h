#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/date_time.h"
#include "base/settings.h"
#include "recorder/recorder_state.h"
#include "simlink/ai_traffic.h"
#include "simlink/telemetry_snapshot.h"

namespace flenmark {

// What the recorder works with in a tick: its own state, the recording modes of the program
// and what the tick reads.
struct SampleContext {
    bool& Logging;
    bool& Animation;
    std::string& PrevTickStamp;
    RecorderState& state;
    bool realtime;  // "Realtime.txt" is kept while logging
    const TelemetrySnapshot& telemetry;
    const PreviousTick& prev;
    const Settings& settings;
    const TrafficState& traffic;
    std::string dataFolder;  // ending with "/"
    std::string flightLogPath;
    DateTime utcNow;
    std::function<void(const std::string&)> showMessage;  // the message line
};

}  // namespace flenmark
