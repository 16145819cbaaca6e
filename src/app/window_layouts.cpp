#include "app/window_layouts.h"

#include "app/connection.h"
#include "app/conversion_command.h"
#include "app/logging_control.h"
#include "app/program.h"
#include "app/realtime_commands.h"
#include "app/status_window.h"
#include "app/tcas_display.h"
#include "app/window_commands.h"

namespace flenmark {

const std::vector<LabelLayout>& MainStatusLabels() {
    static const std::vector<LabelLayout> labels{{"lblConnect", ""},
                                                 {"Label5", ""},
                                                 {"Label13", ""},
                                                 {"Label6", ""},
                                                 {"Label9", "UTC time"}};
    return labels;
}

const std::vector<ButtonGroupLayout>& MainButtonGroups() {
    using W = WindowToOpen;
    static const std::vector<ButtonGroupLayout> groups{
        {"Connection",
         1,
         {{"Command1", "(Re) Connect", "Click here to (re)connect.",
           [](Program& p) { Connect(p); }}}},
        {"Logging",
         2,
         {{"btn_startlog", "Start logging", "", [](Program& p) { StartLogging(p); }},
          {"btn_stoplog", "Stop logging", "", [](Program& p) { StopLogging(p); }},
          {"btn_startAnimate", "Toggle animation mode", "", [](Program& p) { ToggleAnimation(p); }},
          {"btn_resetlog", "Reset log", "", [](Program& p) { ResetLog(p, false); }}}},
        {"Realtime and views",
         2,
         {{"btn_ToggleRealtime", "Toggle realtime logging",
           "Toggle realtime logging (enables you to see yourself flying realtime in Google Earth, "
           "make sure you already generated the Google Earth link before, click button below)",
           [](Program& p) { ToggleRealtime(p); }},
          {"btn_InitiateRealtime", "Generate Google Earth realtime link",
           "Click here to generate the Google Earth link for realtime logging, Google Earth will "
           "open. Save the file to your My Places folder.",
           [](Program& p) { GenerateRealtimeLink(p); }},
          {"btn_setChase", "Chase", "Set the realtime view mode to chase",
           [](Program& p) { SetChaseView(p); }},
          {"btn_setOverview", "Overview", "Set the realtime view mode to overview",
           [](Program& p) { SetOverviewView(p); }},
          {"btn_setLeft", "Left", "Switch the realtime view to the left",
           [](Program& p) { SetViewFromLeft(p); }},
          {"btn_setRight", "Right", "Switch the realtime view to the right",
           [](Program& p) { SetViewFromRight(p); }}}},
        {"Output",
         2,
         {{"btn_Convert", "View flight in Google Earth",
           "Convert your flight to see it in Google Earth!",
           [](Program& p) { ConvertFlightLogCommand(p); }},
          {"btn_Export", "Export GPX/CSV...",
           "Save your flight for other programs: GPX for maps and GPS tools, CSV for spreadsheets",
           [](Program& p) { ExportFlightCommand(p); }},
          {"btn_Profile", "Flight profile",
           "Altitude and ground speed of this flight over time, with its events", nullptr,
           W::Profile},
          {"btn_savedlogs", "Open SavedLogs folder",
           "Open the folder where your saved logs are saved",
           [](Program& p) { OpenSavedTracksFolder(p); }}}},
        {"Windows and options",
         3,
         {{"btn_indicator", "Open indicator", "Open the aircraft status indicator window", nullptr,
           W::Status},
          {"btn_TCAS", "Open TCAS", "Open the TCAS window", nullptr, W::Tcas},
          {"btn_Options", "Options...", "", nullptr, W::Options},
          {"btn_ToggleOnTop", "Toggle always on top", "", [](Program& p) { ToggleMainOnTop(p); }},
          {"btn_Manual", "Open manual", "", [](Program& p) { OpenManual(p); }},
          {"btn_Website", "Open website", "", [](Program& p) { OpenWebsite(p); }}}}};
    return groups;
}

std::vector<std::pair<const char*, bool>> MainButtonStates(const MainWindowView& v) {
    return {{"btn_startlog", v.btnStartLog},
            {"btn_stoplog", v.btnStopLog},
            {"btn_startAnimate", v.btnStartAnimate},
            {"btn_ToggleRealtime", v.btnToggleRealtime},
            {"btn_resetlog", v.btnResetLog},
            {"btn_Convert", v.btnConvert},
            {"btn_Export", v.btnConvert},
            {"btn_setChase", v.btnSetChase},
            {"btn_setLeft", v.btnSetLeft},
            {"btn_setRight", v.btnSetRight},
            {"btn_setOverview", v.btnSetOverview}};
}

const std::vector<ButtonLayout>& TcasButtons() {
    static const std::vector<ButtonLayout> buttons{
        {"btn_ToggleTCAS", "Cycle TCAS modes", "Cycle TCAS modes (OFF, ABV, BLW, NRM, ALL)",
         [](Program& p) { CycleTCASMode(p); }},
        {"Command1", "Toggle always on top", "Toggle always on top for this window",
         [](Program& p) { ToggleTCASOnTop(p); }},
        {"btn_zoomin", "Zoom in", "Zoom in on the TCAS", [](Program& p) { ZoomIn(p); }},
        {"btn_zoomout", "Zoom out", "Zoom out on the TCAS", [](Program& p) { ZoomOut(p); }}};
    return buttons;
}

const std::vector<LabelLayout>& StatusValueLabels() {
    static const std::vector<LabelLayout> labels{
        {"Label1", "Ground speed in knots (nautical miles per hour)"},
        {"Label12", ""},
        {"Label2", "True heading in degrees"},
        {"Label3", "True altitude in feet"},
        {"Label4", "Vertical speed in feet per minute"},
        {"Label8", "Altitude above ground level in feet"}};
    return labels;
}

const ButtonLayout& StatusOnTopButton() {
    static const ButtonLayout button{"Command1", "Toggle always on top",
                                     "Toggle always on top for this window",
                                     [](Program& p) { ToggleStatusOnTop(p); }};
    return button;
}

}  // namespace flenmark
