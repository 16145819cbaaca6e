// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark-screenshots DIR: the windows of a recording in progress, saved as PNG pictures.
// Needs a simulator (flenmark-simhost) serving the link.
#include <QApplication>
#include <QDir>
#include <QThread>
#include <iostream>

#include "app/logging_control.h"
#include "app/main_tick.h"
#include "app/picture_recording.h"
#include "app/program.h"
#include "app/program_port.h"
#include "app/startup.h"
#include "base/command_line_error.h"
#include "base/help_and_version.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/system_clock.h"
#include "platform/system_info.h"
#include "platform/system_services.h"
#include "simlink/fsuipc_client.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/parameters_dialog.h"

namespace {

bool Save(QWidget& window, const QString& dir, const char* name) {
    window.show();
    window.raise();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QString path = QDir(dir).filePath(name);
    const bool ok = window.grab().save(path, "PNG");
    std::cerr << (ok ? "saved " : "could not save ") << path.toStdString() << "\n";
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto done = flenmark::AnswerHelpOrVersion(
            argc, argv, "flenmark-screenshots",
            "Usage: flenmark-screenshots DIR\n"
            "  or:  flenmark-screenshots --help | --version\n"
            "Saves pictures of the windows into DIR (made when missing), recording from a\n"
            "running flenmark-simhost.\n"))
        return *done;
    QApplication app(argc, argv);
    if (argc != 2 || argv[1][0] == '-') {
        flenmark::ReportCommandLineError(
            "flenmark-screenshots", argc == 1  ? "the folder DIR for the pictures is needed"
                                    : argc > 2 ? std::string(argv[2]) + ": only one DIR is taken"
                                               : std::string(argv[1]) + ": not an option");
        return 1;
    }
    const QString dir = argv[1];
    QDir().mkpath(dir);
    flenmark::SystemClock clock;
    const auto ownFolders = flenmark::MakeFolders();
    flenmark::Folders& folders = *ownFolders;
    flenmark::QtDialogs dialogs;
    flenmark::QtShell shell;
    const auto transport = flenmark::MakeIpcTransport();
    flenmark::FsuipcClient link(*transport);
    flenmark::ui::MainWindow window;
    dialogs.setParent(&window);
    flenmark::Program program(flenmark::Services{clock, folders, dialogs, shell, window, link});
    if (!flenmark::StartUp(program, flenmark::SystemFormatOfTwoAndAHalf())) return 1;
    flenmark::DirectPort port(program, [&window] { window.renderAll(); });
    window.attach(port, dialogs);
    window.show();
    flenmark::FinishStartUp(program);
    if (!flenmark::StartPictureRecording(
            program, [&window] { window.tick(); }, [] { QThread::msleep(100); }, 50))
        return 2;
    window.openTcasWindow();
    window.openStatusWindow();
    flenmark::ZoomToEveryTrafficClass(program);
    window.tcasWindow()->tick();
    window.tick();
    bool ok = Save(window, dir, "main-window.png");
    ok = Save(*window.tcasWindow(), dir, "tcas.png") && ok;
    ok = Save(*window.statusWindow(), dir, "status.png") && ok;
    window.openProfileWindow();
    ok = Save(*window.profileWindow(), dir, "profile.png") && ok;
    flenmark::ui::OptionsDialog options(port, dialogs, &window);
    ok = Save(options, dir, "options.png") && ok;
    flenmark::ui::ParametersDialog parameters(port, dialogs, &window);
    ok = Save(parameters, dir, "logging-parameters.png") && ok;
    flenmark::StopLogging(program);
    return ok ? 0 : 1;
}
