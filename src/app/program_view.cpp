#include "app/program_view.h"

#include "app/program.h"

namespace flenmark {

ProgramView ViewOf(const Program& p) {
    ProgramView v;
    v.appTitle = p.AppTitle;
    v.main = p.mainView;
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
    return v;
}

}  // namespace flenmark
