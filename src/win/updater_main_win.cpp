// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark-updater.exe: installs a newer Flenmark and starts it again.
#include <windows.h>
// The system's other headers need the types of windows.h.
#include <commctrl.h>

#include "app/command_lines.h"
#include "app/updater_setup.h"
#include "online/embedded_version.h"
#include "online/updater_run.h"
#include "platform/system_services.h"
#include "platform/win/gui_thread.h"
#include "platform/win/win_dialogs.h"
#include "platform/win/win_http.h"
#include "platform/win/win_shell.h"
#include "win/updater_window_win.h"

FLENMARK_EMBED_VERSION()

int main(int argc, char** argv) {
    if (const auto done = flenmark::AnswerUpdaterCommandLine(argc, argv)) return *done;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const auto folders = flenmark::MakeFolders();
    const auto setup = flenmark::UpdaterSetupOf(*folders);
    if (!setup) return 1;
    flenmark::GuiThread gui;
    flenmark::WinHttp http;
    flenmark::WinShell shell(&gui);
    flenmark::WinDialogs dialogs(gui);
    flenmark::win::UpdaterWindow window;
    dialogs.setOwner(window.hwnd());
    flenmark::UpdaterRun* current = nullptr;
    flenmark::UpdaterRun run(http, shell, dialogs, setup->folders, setup->reporter, [&] {
        if (current) window.show(current->view());
    });
    current = &run;
    window.onCancel([&] {
        run.cancel();
        http.cancel();
    });
    window.show(run.view());
    window.show();
    run.run();
    return 0;
}
