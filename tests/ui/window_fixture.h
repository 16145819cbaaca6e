#pragma once

#include <QLabel>
#include <QWidget>

#include "app/program.h"
#include "app/program_port.h"
#include "app/startup.h"
#include "support/fakes.h"
#include "ui/main_window.h"

namespace flenmark::ui::testing {

// The main window over a program with fakes, wired as main() wires it, after the first tick.
struct WindowFixture {
    flenmark::testing::FakeClock clock;
    flenmark::testing::TempFolders folders;
    flenmark::testing::FakeDialogs dialogs;
    flenmark::testing::FakeShell shell;
    flenmark::testing::OffsetTableLink link;
    MainWindow window;
    Program program{Services{clock, folders, dialogs, shell, window, link}};
    DirectPort port{program, [this] { window.renderAll(); }};

    explicit WindowFixture(bool simulator = true) {
        link.hostPresent = simulator;
        EXPECT_TRUE(StartUp(program, "2.5"));
        window.attach(port, dialogs);
        window.show();
        FinishStartUp(program);
        window.tick();
    }
    QString text(const char* label) const { return text(&window, label); }
    static QString text(const QWidget* w, const char* label) {
        return w->findChild<QLabel*>(label)->text();
    }
    bool enabled(const char* name) const { return window.button(name)->isEnabled(); }
};

}  // namespace flenmark::ui::testing
