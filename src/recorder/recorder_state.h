#pragma once

#include <cstdint>
#include <string>

#include "recorder/realtime_text.h"

namespace flenmark {

// Reference values of the last written log line, owned by the sampling decision.
struct LastLine {
    std::string HDG;
    std::string GndSpd;
    std::string Alt;
    std::string VS;
    std::string Stamp;
};

// What the recorder keeps between ticks.
struct RecorderState {
    bool LineWrittenThisTick = false;
    // Held by the event detection between its calls.
    int16_t PrevFlapsPct = 0;
    std::string PrevGearText;
    // The stamp of the current sample, for the animation recorder.
    std::string AnimationStamp;
    LastLine lastLine;
    // How far "Realtime.txt" mirrors the log, so each tick only appends what is new.
    RealtimeTextState realtimeText;
};

}  // namespace flenmark
