#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/date_time.h"
#include "base/settings.h"
#include "recorder/realtime_text.h"
#include "simlink/ai_traffic.h"
#include "simlink/telemetry_snapshot.h"

namespace flenmark {

// Reference values of the last written log line, owned by the sampling decision.
struct LastLine {
    std::string HDG;
    std::string GndSpd;
    std::string Alt;
    std::string VS;
    std::string Stamp;
};

// What the recorder works with in a tick: its own state (referring to where the program keeps
// it) and what the tick reads.
struct SampleContext {
    bool& Logging;
    bool& Animation;
    bool& LineWrittenThisTick;
    std::string& PrevTickStamp;
    std::string& AnimationStamp;
    int16_t& PrevFlapsPct;
    std::string& PrevGearText;
    LastLine& lastLine;
    RealtimeTextState& realtimeText;
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
