// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark: the flight recorder's main program.
#include <QApplication>
#include <string>

#include "app/command_lines.h"
#include "app/online_steps.h"
#include "app/program.h"
#include "app/program_port.h"
#include "app/startup.h"
#include "online/embedded_version.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_http.h"
#include "platform/qt/qt_shell.h"
#include "platform/system_clock.h"
#include "platform/system_info.h"
#include "platform/system_services.h"
#include "simlink/fsuipc_client.h"
#include "ui/main_window.h"

FLENMARK_EMBED_VERSION()

int main(int argc, char** argv) {
    if (const auto done = flenmark::AnswerMainHelpOrVersion(argc, argv)) return *done;
    QApplication app(argc, argv);  // takes Qt's own options (-platform, ...) out of argv
    bool startLogging = false;
    if (const auto done = flenmark::ReadMainOptions(argc, argv, startLogging)) return *done;
    QApplication::setApplicationName("Flenmark");
    QApplication::setQuitOnLastWindowClosed(false);
    flenmark::SystemClock clock;
    const auto ownFolders = flenmark::MakeFolders();
    flenmark::Folders& folders = *ownFolders;
    flenmark::QtDialogs dialogs;
    flenmark::QtShell shell;
    flenmark::QtHttp http;
    const auto transport = flenmark::MakeIpcTransport();
    flenmark::FsuipcClient link(*transport);
    flenmark::ui::MainWindow window;
    dialogs.setParent(&window);
    flenmark::Program program(flenmark::Services{clock, folders, dialogs, shell, window, link});
    flenmark::ConnectOnlineServices(program, http);
    if (!flenmark::StartUp(program, flenmark::SystemFormatOfTwoAndAHalf())) return 1;
    program.StartLoggingOnConnect = startLogging;
    // From here on the ticks run on a thread of their own; the window shows what each
    // published, so a simulator that hangs never freezes it.
    flenmark::TickRunner runner(program, [&window] {
        QMetaObject::invokeMethod(
            &window, [&window] { window.renderAll(); }, Qt::QueuedConnection);
    });
    window.attach(runner, dialogs);
    window.show();
    // The version check and the first tick run on the tick thread like every other command:
    // the window answers meanwhile, and only that thread touches the program from here on.
    flenmark::FinishStartUp(runner);
    window.timer1().start();
    const int status = app.exec();
    window.timer1().stop();
    runner.finish([] { QCoreApplication::processEvents(QEventLoop::AllEvents, 50); });
    return status;
}
