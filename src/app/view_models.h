#pragma once

#include <string>

#include "app/flight_summary_view.h"

namespace flenmark {

enum class TextColour { Black, Red, Green };

struct LabelView {
    std::string text;
    TextColour colour = TextColour::Black;
};

// What the main window shows. Names follow the window's controls.
struct MainWindowView {
    LabelView lblConnect{"Not connected", TextColour::Red};
    LabelView label5{"No logging"};     // logging
    LabelView label13{"No animation"};  // animation
    LabelView label6{"No realtime"};    // realtime
    LabelView label7;                   // message line
    LabelView label9;                   // UTC clock
    // The four logging buttons are filled in from the program's state when its view is taken.
    bool btnStartLog = false;
    bool btnStopLog = false;
    bool btnStartAnimate = false;
    bool btnToggleRealtime = false;
    bool btnResetLog = false;
    bool btnConvert = false;
    bool btnSetChase = false;
    bool btnSetLeft = false;
    bool btnSetRight = false;
    bool btnSetOverview = false;
    bool minimized = false;  // the window is minimised or in the tray
    FlightSummaryView flight;  // the flight being recorded, updated each tick
};

// What the aircraft status window shows.
struct StatusWindowView {
    LabelView label1;   // ground speed
    LabelView label12;  // IAS
    LabelView label2;   // heading
    LabelView label3;   // altitude
    LabelView label4;   // vertical speed
    LabelView label8;   // height above ground
    LabelView lblEvent;
};

}  // namespace flenmark
