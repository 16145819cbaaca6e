#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "app/program.h"
#include "app/program_port.h"
#include "app/startup.h"
#include "platform/posix_ipc_transport.h"
#include "simlink/fsuipc_client.h"
#include "support/simhost_process.h"
#include "ui/window_fixture.h"

namespace flenmark::ui {
namespace {

using flenmark::testing::FakeClock;
using flenmark::testing::FakeDialogs;
using flenmark::testing::FakeShell;
using flenmark::testing::TempFolders;
using testing::WindowFixture;

TEST(MainWindow, WithoutSimulatorReadsNotConnectedAndDisablesTheRecorder) {
    WindowFixture f(false);
    EXPECT_EQ(f.window.windowTitle(), "Flenmark");
    EXPECT_EQ(f.text("lblConnect"), "Not connected");
    const QLabel* connection = f.window.findChild<QLabel*>("lblConnect");
    const QColor red(connection->styleSheet().section(' ', 1).chopped(1));
    EXPECT_GT(red.red(), 2 * red.green());
    for (const char* name : {"btn_startlog", "btn_stoplog", "btn_startAnimate",
                             "btn_ToggleRealtime", "btn_resetlog", "btn_Convert"})
        EXPECT_FALSE(f.enabled(name)) << name;
    EXPECT_TRUE(f.enabled("Command1"));
    EXPECT_EQ(f.window.button("Command1")->toolTip(), "Click here to (re)connect.");
    EXPECT_EQ(f.text("Label5"), "No logging");
    EXPECT_EQ(f.text("Label13"), "No animation");
    EXPECT_EQ(f.text("Label6"), "No realtime");
}

TEST(MainWindow, WelcomeMessageIsGoneFiveSecondsLater) {
    WindowFixture f(false);
    EXPECT_EQ(f.text("Label7"), "Have fun using the Flenmark!");
    EXPECT_EQ(f.window.timer2().interval(), 5000);
    EXPECT_TRUE(f.window.timer2().isSingleShot() && f.window.timer2().isActive());
    QSignalSpy cleared(&f.window.timer2(), &QTimer::timeout);
    EXPECT_TRUE(cleared.wait(6000));
    EXPECT_EQ(f.text("Label7"), "");
}

TEST(MainWindow, LoggingButtonsFollowTheConnectionAndTheLogging) {
    WindowFixture f(false);
    f.link.hostPresent = true;
    f.window.tick();  // connects
    f.window.tick();  // enables
    EXPECT_EQ(f.text("lblConnect"), "Connected");
    EXPECT_TRUE(f.enabled("btn_startlog"));
    QTest::mouseClick(f.window.button("btn_startlog"), Qt::LeftButton);
    EXPECT_EQ(f.text("Label5"), "Logging");
    EXPECT_EQ(f.text("Label7"), "Logging started.");
    EXPECT_FALSE(f.enabled("btn_startlog"));  // no second start
    EXPECT_TRUE(f.enabled("btn_stoplog"));
    f.window.tick();
    EXPECT_TRUE(f.enabled("btn_resetlog"));
    EXPECT_TRUE(f.enabled("btn_Convert"));
}

// With the ticks on their own thread, a simulator that stops answering holds up only them: the
// window takes its clicks while a tick is stuck in an exchange.
TEST(MainWindow, AnswersWhileTheSimulatorHangs) {
    flenmark::testing::PrivateRuntimeDir runtime;
    flenmark::testing::SimHostProcess host({"--fault", "hang-after=30"});
    ASSERT_TRUE(host.ready());
    FakeClock clock;
    TempFolders folders;
    FakeDialogs dialogs;
    FakeShell shell;
    PosixIpcTransport transport;
    FsuipcClient link(transport);
    MainWindow window;
    Program program{Services{clock, folders, dialogs, shell, window, link}};
    ASSERT_TRUE(StartUp(program, "2.5"));
    TickRunner runner(program, [&window] {
        QMetaObject::invokeMethod(
            &window, [&window] { window.renderAll(); }, Qt::QueuedConnection);
    });
    window.attach(runner, dialogs);
    window.show();
    // Connect, read once, then tick into the hang.
    for (int i = 0; i < 400 && !(runner.view().connected && runner.busy()); ++i) {
        if (!runner.busy()) runner.tick();
        QTest::qWait(50);
    }
    ASSERT_TRUE(runner.busy());
    QTest::mouseClick(window.button("btn_TCAS"), Qt::LeftButton);
    QTest::mouseClick(window.button("btn_ToggleOnTop"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(window.tcasWindow() && window.tcasWindow()->isVisible());
    EXPECT_TRUE(runner.busy());  // the clicks did not wait for the stuck tick
    // The tick gives up at its deadline with the link lost; then the click's command runs.
    for (int i = 0; i < 400 && !runner.view().mainOnTop; ++i) QTest::qWait(50);
    EXPECT_FALSE(runner.view().connected);
    EXPECT_TRUE(runner.view().mainOnTop);
}

}  // namespace
}  // namespace flenmark::ui
