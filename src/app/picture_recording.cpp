#include "app/picture_recording.h"

#include <iostream>

#include "app/logging_control.h"
#include "app/program.h"
#include "app/tcas_display.h"

namespace flenmark {

bool StartPictureRecording(Program& program, const std::function<void()>& tick,
                           const std::function<void()>& pause, int tries) {
    for (int i = 0; i < tries && !program.Connected; ++i) {
        pause();
        tick();
    }
    if (!program.Connected) {
        std::cerr << "no simulator answered\n";
        return false;
    }
    tick();
    StartLogging(program);
    for (int i = 0; i < 4; ++i) CycleTCASMode(program);  // ALL
    return true;
}

}  // namespace flenmark
