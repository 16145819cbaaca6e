#include "app/program_view.h"

#include "app/program.h"

namespace flenmark {

namespace {

// The logging buttons as the state stands: none may write a second start or a stop without a
// start, and all need the simulator.
void EnableLoggingButtons(MainWindowView& v, bool connected, bool logging) {
    v.btnStartLog = connected && !logging;
    v.btnStopLog = connected && logging;
    v.btnStartAnimate = v.btnToggleRealtime = connected;
}

}  // namespace

ProgramView ViewOf(const Program& p) {
    ProgramView v;
    v.appTitle = p.AppTitle;
    v.main = p.mainView;
    EnableLoggingButtons(v.main, p.Connected, p.Logging);
    v.status = p.statusView;
    v.tcas = p.tcasView;
    v.tcasMode = p.traffic.TCASMode;
    v.tcasRange = p.traffic.TCASRange;
    v.mainOnTop = p.MainOnTop;
    v.statusOnTop = p.StatusOnTop;
    v.tcasOnTop = p.TCASOnTop;
    v.connected = p.Connected;
    v.logging = p.Logging;
    v.firstMinimize = p.FirstMinimize;
    v.settings = p.settings;
    v.updatesByPackageManager = p.UpdatesByPackageManager;
    v.flightLogPath = p.FlightLogPath;
    v.logbook = p.logbookEntries;
    return v;
}

}  // namespace flenmark
