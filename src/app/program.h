#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/flight_keeping.h"
#include "app/lost_lines.h"
#include "app/tcas_display.h"
#include "app/view_models.h"
#include "base/data_folder_lock.h"
#include "base/settings.h"
#include "kml/kml_templates.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/folders.h"
#include "platform/shell.h"
#include "platform/ui_hooks.h"
#include "realtime/realtime_state.h"
#include "recorder/recorder_state.h"
#include "recorder/sample_context.h"
#include "simlink/ai_traffic.h"
#include "simlink/sim_link.h"
#include "simlink/telemetry_snapshot.h"

namespace flenmark {

// The outside world, handed in once at start-up.
struct Services {
    Clock& clock;
    Folders& folders;
    Dialogs& dialogs;
    Shell& shell;
    UiHooks& ui;
    SimLink& link;
};

// Steps of start-up and the main tick that belong to subsystems a build may leave out
// (the online services, say). An empty function means the step is skipped.
struct Extensions {
    std::function<bool()> probeVendorOnline;
    std::function<void()> checkXPlane;
    std::function<void()> checkXPUIPCVersion;
    std::function<void()> checkVersion;
    std::function<void()> sendUsageReport;
    std::function<void()> browseXPlane;  // "Browse..." of the options dialog
};

// All program-wide state: one per run, passed by reference to the operations.
struct Program {
    explicit Program(Services s) : services(s) {}

    Services services;
    Extensions extensions;

    std::string AppTitle = "Flenmark";
    std::string ProductWord = "Flenmark";

    bool Connected = false;
    bool PrevConnected = false;
    bool Logging = false;
    bool Animation = false;
    bool Realtime = false;
    bool FirstMinimize = true;
    bool UsageReportPending = true;
    bool VendorOnline = false;
    bool StatusWindowOpen = false;
    bool TCASWindowOpen = false;
    bool FlightsWindowOpen = false;
    bool EndRequested = false;  // the updater took over: no more ticks
    bool MainOnTop = false;
    bool StatusOnTop = false;
    bool TCASOnTop = false;

    std::string FlightLogPath;
    char DecimalSeparator = '.';
    bool DecimalIsComma = false;
    std::string PrevTickStamp;

    RecorderState recorder;
    RealtimeState realtime;

    // Logging that the loss of the link stopped, to be taken up again when it is back.
    struct Resume {
        bool pending = false;
        bool animation = false;
        bool realtime = false;
    } resume;
    // Logging starts with the next reading of the simulator (the --start-logging option, a
    // start asked for before the link's first reading), in animation mode when asked.
    bool StartLoggingOnConnect = false;
    bool AnimationOnConnect = false;
    // Writing the log failed since the program started (the recording has a gap).
    bool WriteFailed = false;
    // Lines lost in each log since the program started, and when the recording began.
    LostLines lostLines;
    LostLines lostLinesAtStart;
    // This copy was installed as a system package: its package manager updates it.
    bool UpdatesByPackageManager = false;
    // This program's hold on its data folder, from start-up on.
    std::optional<DataFolderLock> dataFolderLock;

    // The flight being recorded, and the airports that name its departure and arrival.
    FlightInProgress flight;
    std::shared_ptr<const AirportIndex> airports;
    // The logbook as the flights window shows it, while that is open.
    std::shared_ptr<const std::vector<LogbookEntry>> logbookEntries;

    TrafficState traffic;
    KmlTemplateSet kmlTemplates;

    Settings settings;
    TelemetrySnapshot telemetry;
    PreviousTick prev;

    MainWindowView mainView;
    TcasView tcasView;
    StatusWindowView statusView;
};

}  // namespace flenmark
