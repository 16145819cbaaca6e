#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/tcas_display.h"
#include "app/view_models.h"
#include "base/settings.h"
#include "logbook/kept_flights.h"

namespace flenmark {

struct Program;

// What the windows show of the program: a copy taken after each tick or command, so that a
// window never reads the program while a tick changes it.
struct ProgramView {
    std::string appTitle;
    MainWindowView main;
    StatusWindowView status;
    TcasView tcas;
    int16_t tcasMode = 0;
    int16_t tcasRange = 20;
    bool mainOnTop = false;
    bool statusOnTop = false;
    bool tcasOnTop = false;
    bool connected = false;
    bool logging = false;
    bool firstMinimize = true;
    Settings settings;
    bool updatesByPackageManager = false;
    std::string flightLogPath;
    // The kept flights, while the flights window is open (see FlightsWindowOpened).
    std::shared_ptr<const std::vector<LogbookEntry>> logbook;
};

ProgramView ViewOf(const Program& program);

}  // namespace flenmark
