// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark-screenshots.exe DIR: the windows of a recording in progress, one at a time, then
// the flights window with the flight kept, for a camera outside the program. For each picture NAME
// it writes DIR\NAME.ready with the window's place on the screen ("x y width height") and waits for
// DIR\NAME.taken. Needs a simulator (flenmark-simhost.exe) serving the link.
#include <windows.h>
// The system's other headers need the types of windows.h.
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <thread>

#include "app/logging_control.h"
#include "app/picture_recording.h"
#include "app/program.h"
#include "app/program_port.h"
#include "app/startup.h"
#include "base/command_line_error.h"
#include "base/help_and_version.h"
#include "base/text_files.h"
#include "platform/system_clock.h"
#include "platform/system_info.h"
#include "platform/system_services.h"
#include "platform/win/gui_thread.h"
#include "platform/win/win_dialogs.h"
#include "platform/win/win_shell.h"
#include "simlink/fsuipc_client.h"
#include "win/gdiplus_win.h"
#include "win/main_window_win.h"
#include "win/options_dialog_win.h"
#include "win/parameters_dialog_win.h"

namespace {

void Pump(int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < until);
}

// Shows the window alone at the top left, tells the camera where it is and waits for it.
bool Picture(HWND window, const std::string& dir, const std::string& name) {
    SetWindowPos(window, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    Pump(700);
    RECT r{};
    GetWindowRect(window, &r);
    const std::string ready = dir + "/" + name + ".ready", taken = dir + "/" + name + ".taken";
    flenmark::WriteFileAtomically(ready, std::to_string(r.left) + " " + std::to_string(r.top) +
                                             " " + std::to_string(r.right - r.left) + " " +
                                             std::to_string(r.bottom - r.top) + "\n");
    for (int i = 0; i < 600 && !flenmark::FileExists(taken); ++i) Pump(50);
    ShowWindow(window, SW_HIDE);
    const bool ok = flenmark::FileExists(taken);
    std::cerr << (ok ? "taken " : "no picture of ") << name << "\n";
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto done = flenmark::AnswerHelpOrVersion(
            argc, argv, "flenmark-screenshots",
            "Usage: flenmark-screenshots DIR\n"
            "  or:  flenmark-screenshots --help | --version\n"
            "Shows the windows of a recording from a running flenmark-simhost one at a time for\n"
            "a camera, meeting it through files in DIR.\n"))
        return *done;
    if (argc != 2) {
        flenmark::ReportCommandLineError("flenmark-screenshots", "one folder DIR is needed");
        return 1;
    }
    const std::string dir = argv[1];
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    flenmark::win::GdiplusSession gdiplus;
    flenmark::GuiThread gui;
    flenmark::SystemClock clock;
    const auto folders = flenmark::MakeFolders();
    flenmark::WinDialogs dialogs(gui);
    flenmark::WinShell shell(&gui);
    const auto transport = flenmark::MakeIpcTransport();
    flenmark::FsuipcClient link(*transport);
    flenmark::win::MainWindow window(gui);
    dialogs.setOwner(window.hwnd());
    flenmark::Program program(flenmark::Services{clock, *folders, dialogs, shell, window, link});
    if (!flenmark::StartUp(program, flenmark::SystemFormatOfTwoAndAHalf())) return 1;
    flenmark::DirectPort port(program, [&window] { window.renderAll(); });
    window.attach(port, dialogs);
    window.show();
    flenmark::FinishStartUp(program);
    if (!flenmark::StartPictureRecording(
            program, [&window] { window.tick(); }, [] { Pump(100); }, 100))
        return 2;
    window.openTcasWindow();
    window.openStatusWindow();
    for (int i = 0; i < 20; ++i) {
        window.tick();
        Pump(100);
    }
    flenmark::ZoomToEveryTrafficClass(program);
    window.tcasWindow()->tick();
    window.openProfileWindow();
    for (HWND w : {window.tcasWindow()->hwnd(), window.statusWindow()->hwnd(),
                   window.profileWindow()->hwnd()})
        ShowWindow(w, SW_HIDE);
    bool ok = Picture(window.hwnd(), dir, "main-window");
    ok = Picture(window.tcasWindow()->hwnd(), dir, "tcas") && ok;
    ok = Picture(window.statusWindow()->hwnd(), dir, "status") && ok;
    ok = Picture(window.profileWindow()->hwnd(), dir, "profile") && ok;
    {
        flenmark::win::OptionsDialog options(port, dialogs, nullptr);
        ok = Picture(options.hwnd(), dir, "options") && ok;
    }
    {
        flenmark::win::ParametersDialog parameters(port, dialogs, nullptr);
        ok = Picture(parameters.hwnd(), dir, "logging-parameters") && ok;
    }
    // The flight just recorded, kept and entered in the logbook, in the flights window.
    flenmark::StopLogging(program);
    window.openFlightsWindow();
    flenmark::win::FlightsWindow* flights = window.flightsWindow();
    for (int i = 0; i < 50 && flights->table().rowCount() == 0; ++i) Pump(100);
    flights->table().select(0);
    ok = Picture(flights->hwnd(), dir, "flights") && ok;
    return ok ? 0 : 1;
}
