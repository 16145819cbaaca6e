// flenmark: the flight recorder's main program.
#include <QApplication>

#include "app/program.h"
#include "app/startup.h"
#include "platform/posix_ipc_transport.h"
#include "platform/system_clock.h"
#include "platform/system_info.h"
#include "platform/xdg_folders.h"
#include "simlink/fsuipc_client.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_shell.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Flenmark");
    QApplication::setQuitOnLastWindowClosed(false);
    flenmark::SystemClock clock;
    flenmark::XdgFolders folders;
    flenmark::ui::QtDialogs dialogs;
    flenmark::ui::QtShell shell;
    flenmark::PosixIpcTransport transport;
    flenmark::FsuipcClient link(transport);
    flenmark::ui::MainWindow window;
    dialogs.setParent(&window);
    flenmark::Program program(flenmark::Services{clock, folders, dialogs, shell, window, link});
    if (!flenmark::StartUp(program, flenmark::SystemFormatOfTwoAndAHalf())) return 1;
    window.attach(program);
    window.show();
    flenmark::FinishStartUp(program);
    window.render();
    window.timer1().start();
    return app.exec();
}
