// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark.exe: the flight recorder's main program with its Windows windows.
#include <windows.h>
// The system's other headers need the types of windows.h.
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/command_lines.h"
#include "app/online_steps.h"
#include "app/program.h"
#include "app/program_port.h"
#include "app/startup.h"
#include "base/win_text.h"
#include "online/embedded_version.h"
#include "platform/system_clock.h"
#include "platform/system_info.h"
#include "platform/system_services.h"
#include "platform/win/gui_thread.h"
#include "platform/win/win_dialogs.h"
#include "platform/win/win_http.h"
#include "platform/win/win_shell.h"
#include "simlink/fsuipc_client.h"
#include "win/gdiplus_win.h"
#include "win/main_window_win.h"

FLENMARK_EMBED_VERSION()

namespace {

// The command line as UTF-8, whatever the system's code page.
std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) args.push_back(flenmark::Narrow(wide[i]));
    LocalFree(wide);
    return args;
}

// Handles the GUI thread's messages until the runner's round in progress is over: that round
// may be waiting for this thread (a question to the user, say).
void PumpOnce() {
    MSG m;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

}  // namespace

int main() {
    const std::vector<std::string> args = Arguments();
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int argc = static_cast<int>(args.size());
    if (const auto done = flenmark::AnswerMainHelpOrVersion(argc, argv.data())) return *done;
    bool startLogging = false;
    if (const auto done = flenmark::ReadMainOptions(argc, argv.data(), startLogging)) return *done;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    flenmark::win::GdiplusSession gdiplus;
    flenmark::GuiThread gui;
    flenmark::SystemClock clock;
    const auto ownFolders = flenmark::MakeFolders();
    flenmark::Folders& folders = *ownFolders;
    flenmark::WinDialogs dialogs(gui);
    flenmark::WinShell shell(&gui);
    flenmark::WinHttp http;
    const auto transport = flenmark::MakeIpcTransport();
    flenmark::FsuipcClient link(*transport);
    flenmark::win::MainWindow window(gui);
    dialogs.setOwner(window.hwnd());
    flenmark::Program program(flenmark::Services{clock, folders, dialogs, shell, window, link});
    flenmark::ConnectOnlineServices(program, http);
    if (!flenmark::StartUp(program, flenmark::SystemFormatOfTwoAndAHalf())) return 1;
    program.StartLoggingOnConnect = startLogging;
    // From here on the ticks run on a thread of their own; the window shows what each
    // published, so a simulator that hangs never freezes it.
    flenmark::TickRunner runner(program, [&window] { window.published(); });
    window.attach(runner, dialogs);
    window.show();
    // The version check and the first tick run on the tick thread like every other command:
    // the window answers meanwhile, and only that thread touches the program from here on.
    flenmark::FinishStartUp(runner);
    window.startTimer1();
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    runner.finish(PumpOnce);
    return 0;
}
