// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark-screenshots DIR: the windows of a recording in progress, saved as PNG pictures.
// Needs a simulator (flenmark-simhost) serving the link.
#include <QApplication>
#include <QDir>
#include <QPalette>
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
#include "base/text_files.h"
#include "platform/data_folders.h"
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

// A kept flight from `from` to `to` (latitude, longitude), for the flights window's picture.
struct Field {
    double lat, lon;
};
void KeepFlight(const std::string& files, const std::string& name, const std::string& day,
                Field from, Field to, int cruiseFt, int touchdownFpm, const std::string& aircraft) {
    const auto at = [](double v) {
        std::string s = std::to_string(v);
        return s.replace(s.find('.'), 1, ",");
    };
    const auto line = [&](const char* time, Field f, int alt, int ground, const std::string& event,
                          int gs, const std::string& prev) {
        return day + time + ":" + at(f.lon) + ":" + at(f.lat) + ":" + std::to_string(alt) + ":" +
               std::to_string(ground) + ":" + event + ":" + std::to_string(gs) +
               ":0:" + std::to_string(gs) + ":0:" + std::to_string(gs) + ":240:" + prev + "\r\n";
    };
    const Field mid{(from.lat + to.lat) / 2, (from.lon + to.lon) / 2};
    const std::string log = line("080000", from, 15, 1, "SA", 0, "-") +
                            line("081000", from, 600, 0, "TO=2", 150, day + "080000") +
                            line("084000", mid, cruiseFt, 0, "", 420, day + "081000") +
                            line("091500", to, 15, 1, "TD=" + std::to_string(touchdownFpm) + "/2",
                                 130, day + "084000") +
                            line("092500", to, 15, 1, "SO", 0, day + "091500");
    const std::string folder = files + name + "/";
    QDir().mkpath(QString::fromStdString(folder));
    flenmark::WriteFileAtomically(folder + "Flightlog.txt", log);
    flenmark::WriteFileAtomically(folder + "Aircraft.txt", aircraft + "\r\n");
}

void KeepSomeFlights(const flenmark::Folders& folders) {
    const std::string files = flenmark::FilesFolder(folders);
    const Field eham{52.3086, 4.7639}, egll{51.4775, -0.4614}, lfpg{49.0097, 2.5479};
    KeepFlight(files, "Flight 2026-11-28 08.00", "20261128", eham, egll, 24000, -142,
               "Boeing 737-800");
    KeepFlight(files, "Flight 2026-11-29 08.00", "20261129", egll, lfpg, 22000, -388,
               "Boeing 737-800");
    KeepFlight(files, "Paris to Amsterdam", "20261130", lfpg, eham, 26000, -95, "Airbus A320 Neo");
    KeepFlight(files, "Flight 2026-12-01 08.00", "20261201", eham, eham, 2500, -612,
               "Cessna 172 Skyhawk");
}

// The Fusion style's colours for a dark desktop.
QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(52, 52, 56));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(60, 60, 64));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    return p;
}

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
    QApplication::setStyle("Fusion");  // the same look on every desktop, light and dark
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
    KeepSomeFlights(folders);  // before the logbook is opened, which then indexes them
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
    window.tcasWindow()->resize(520, 600);  // the scope grows with its window
    ok = Save(*window.tcasWindow(), dir, "tcas-large.png") && ok;
    window.openProfileWindow();
    ok = Save(*window.profileWindow(), dir, "profile.png") && ok;
    flenmark::ui::OptionsDialog options(port, dialogs, &window);
    ok = Save(options, dir, "options.png") && ok;
    flenmark::ui::ParametersDialog parameters(port, dialogs, &window);
    ok = Save(parameters, dir, "logging-parameters.png") && ok;
    window.openFlightsWindow();
    window.flightsWindow()->chooseRow(1);
    ok = Save(*window.flightsWindow(), dir, "flights.png") && ok;
    QApplication::setPalette(DarkPalette());
    window.tick();
    ok = Save(window, dir, "main-window-dark.png") && ok;
    ok = Save(*window.flightsWindow(), dir, "flights-dark.png") && ok;
    flenmark::StopLogging(program);
    return ok ? 0 : 1;
}
