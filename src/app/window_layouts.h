#pragma once

#include <utility>
#include <vector>

#include "app/view_models.h"

namespace flenmark {

struct Program;

// What the windows hold, control by control, for every front end alike: names, captions, tool
// tips and the command a button posts to the program. A front end only lays them out.

// The other window a main-window button opens; the front end opens it.
enum class WindowToOpen { None, Status, Tcas, Options, Profile };

struct ButtonLayout {
    const char* name;
    const char* caption;
    const char* tooltip;  // "" for none
    void (*command)(Program&) = nullptr;
    WindowToOpen opens = WindowToOpen::None;
};

struct ButtonGroupLayout {
    const char* title;
    int columns;
    std::vector<ButtonLayout> buttons;
};

struct LabelLayout {
    const char* name;
    const char* tooltip;  // "" for none
};

// The main window's status row (connection, logging, animation, realtime, then the UTC clock),
// its groups of buttons from top to bottom, and the message line below them.
inline constexpr const char* kMainStatusTitle = "Status";
const std::vector<LabelLayout>& MainStatusLabels();
const std::vector<ButtonGroupLayout>& MainButtonGroups();
inline constexpr const char* kMessageLineName = "Label7";
// "Flights...": opens the flights window (see flights_window.h); each front end puts it at the
// end of the group titled kFlightsButtonGroup.
inline constexpr ButtonLayout kFlightsButton{
    "btn_Flights", "Flights...", "Every flight recorded: find, view, export, rename or delete it"};
inline constexpr const char* kFlightsButtonGroup = "Windows and options";
// Whether each button that follows the program's state is enabled now.
std::vector<std::pair<const char*, bool>> MainButtonStates(const MainWindowView& view);

// The TCAS window: its frame, and its buttons in rows of two.
inline constexpr const char* kTcasTitle = "TCAS";
inline constexpr const char* kTcasFrameTitle = "TCAS and TCAS operations";
const std::vector<ButtonLayout>& TcasButtons();

// The aircraft status window: the six values in large print, the event line and its button.
inline constexpr const char* kStatusTitle = "Aircraft indicator";
const std::vector<LabelLayout>& StatusValueLabels();
inline constexpr const char* kStatusEventName = "lblEvent";
const ButtonLayout& StatusOnTopButton();

// The flight profile window.
inline constexpr const char* kProfileTitle = "Flight profile";
inline constexpr const char* kProfileEmpty = "No flight logged yet.";

}  // namespace flenmark
