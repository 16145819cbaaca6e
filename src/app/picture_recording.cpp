#include "app/picture_recording.h"

#include <initializer_list>
#include <iostream>
#include <set>

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

void ZoomToEveryTrafficClass(Program& program) {
    int16_t best = program.traffic.TCASRange;
    size_t most = 0;
    for (const int16_t range : std::initializer_list<int16_t>{40, 20, 15, 10, 5}) {
        program.traffic.TCASRange = range;
        TcasTimerTick(program);
        std::set<int16_t> classes;
        for (const TcasTarget& t : program.tcasView.targets) classes.insert(t.traffic);
        if (classes.size() >= most) best = range, most = classes.size();
    }
    program.traffic.TCASRange = best;
    TcasTimerTick(program);
}

}  // namespace flenmark
