#include "app/main_tick.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <csignal>
#include <thread>
#include <cstring>
#include <filesystem>
#include <functional>

#include "app/connection.h"
#include "app/dialog_models.h"
#include "app/program_port.h"
#include "app/link_operations.h"
#include "app/logging_control.h"
#include "app/program_view.h"
#include "app/realtime_commands.h"
#include "app/startup.h"
#include "app/tcas_display.h"
#include "base/text_files.h"
#include "base/utc_time.h"
#include "e2e/e2e_support.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::ReadFile;
using testing::TestProgram;
using testing::WriteFile;

class StartUpTest : public ::testing::Test {
  protected:
    void start() {
        ASSERT_TRUE(StartUp(t.program, "2.5"));
        FinishStartUp(t.program);
    }
    TestProgram t;
};

TEST_F(StartUpTest, WithoutSimulatorTheWindowReadsNotConnected) {
    t.link.hostPresent = false;
    start();
    const MainWindowView v = ViewOf(t.program).main;
    EXPECT_EQ(v.lblConnect.text, "Not connected");
    EXPECT_EQ(v.lblConnect.colour, TextColour::Red);
    EXPECT_FALSE(v.btnStartLog || v.btnStopLog || v.btnStartAnimate || v.btnToggleRealtime);
    EXPECT_FALSE(v.btnConvert || v.btnResetLog);
    EXPECT_EQ(v.label7.text, "Have fun using the Flenmark!");
    EXPECT_EQ(v.label9.text, "14 35z");  // the first tick already blinked the colon
}

TEST_F(StartUpTest, MakesAMissingDataFolderAndCompletesAPartialSettingsFile) {
    std::filesystem::remove_all(t.folders.data());
    start();
    EXPECT_TRUE(std::filesystem::exists(t.dataPath("Flightlog.txt")));
    WriteFile(t.dataPath("Offsets.txt"), "HDGOffset=3\r\n");
    start();
    const std::string text = ReadFile(t.dataPath("Offsets.txt"));
    EXPECT_EQ(text.substr(0, 13), "HDGOffset=3\r\n");
    EXPECT_NE(text.find("\r\nUpdate=True\r\n"), std::string::npos);
    EXPECT_EQ(t.program.settings.HDGOffset, 3);
}

// A day-old flight is moved into the saved tracks folder before the log is emptied: the log
// starts empty as ever, and the flight is still there.
TEST_F(StartUpTest, OldFlightIsKeptAmongTheSavedTracksAndTheLogStartsEmpty) {
    const std::string old = "20090711120000:x\r\n20090711123000:y\r\n";
    WriteFile(t.dataPath("Flightlog.txt"), old);
    WriteFile(t.dataPath("Animation.txt"), "frame\r\n");
    WriteFile(t.dataPath("Traffic.txt"), "traffic\r\n");
    start();
    EXPECT_EQ(ReadFile(t.dataPath("Flightlog.txt")), "");
    EXPECT_FALSE(std::filesystem::exists(t.dataPath("Animation.txt")));
    const std::string kept =
        t.folders.documentsRoot() + "/Flenmark files/Unsaved flight 2009-07-11 12.00/";
    EXPECT_EQ(ReadFile(kept + "Flightlog.txt"), old);
    EXPECT_EQ(ReadFile(kept + "Traffic.txt"), "traffic\r\n");
    EXPECT_EQ(t.program.mainView.label7.text,
              "Your last flight is kept in the saved tracks folder as \"Unsaved flight "
              "2009-07-11 12.00\".");

    // Another old flight of the same minute does not take the place of the first.
    WriteFile(t.dataPath("Flightlog.txt"), "20090711120000:z\r\n");
    ASSERT_TRUE(StartUp(t.program, "2.5"));
    EXPECT_EQ(ReadFile(kept + "Flightlog.txt"), old);
    EXPECT_EQ(ReadFile(t.folders.documentsRoot() +
                       "/Flenmark files/Unsaved flight 2009-07-11 12.00 (2)/Flightlog.txt"),
              "20090711120000:z\r\n");
}

TEST_F(StartUpTest, ASecondProgramOnTheSameDataFolderIsRefused) {
    start();
    testing::FakeDialogs dialogs;
    Program second(Services{t.clock, t.folders, dialogs, t.shell, t.ui, t.link});
    EXPECT_FALSE(StartUp(second, "2.5"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].second, "Another Flenmark is using " + t.folders.data() + ".");
    t.program.dataFolderLock.reset();  // the first one ends
    EXPECT_TRUE(StartUp(second, "2.5"));
}

// Temporary files of a writer that died are removed at start; those of one still writing stay.
TEST_F(StartUpTest, StaleTemporaryFilesOfDeadProcessesAreRemoved) {
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const pid_t alive = ::fork();
    if (alive == 0) {
        ::pause();
        ::_exit(0);
    }
    const std::string stale = t.dataPath("Realtime.kml.tmp" + std::to_string(dead));
    const std::string busy = t.dataPath("Realtime.kml.tmp" + std::to_string(alive));
    WriteFile(stale, "half a document");
    WriteFile(busy, "half a document");
    WriteFile(t.dataPath("notes.tmpx"), "not ours");
    start();
    ::kill(alive, SIGKILL);
    ::waitpid(alive, nullptr, 0);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(busy));
    EXPECT_TRUE(std::filesystem::exists(t.dataPath("notes.tmpx")));
}

// A copy whose files were installed under share/flenmark belongs to the package manager: the
// options show the updates off and leave the stored choice alone.
TEST_F(StartUpTest, PackagedCopyLeavesUpdatesToThePackageManager) {
    start();
    EXPECT_FALSE(t.program.UpdatesByPackageManager);
    EXPECT_TRUE(LoadOptions(ViewOf(t.program)).update);
    const std::string share = t.folders.root() + "/share/flenmark/";
    std::filesystem::create_directories(share);
    std::filesystem::rename(t.folders.programFolder() + "/KMLSettings.txt",
                            share + "KMLSettings.txt");
    start();
    EXPECT_TRUE(t.program.UpdatesByPackageManager);
    OptionsValues options = LoadOptions(ViewOf(t.program));
    EXPECT_FALSE(options.update || options.minUpdate);
    EXPECT_TRUE(options.updatesByPackageManager);
    ApplyOptions(t.program, options);
    EXPECT_TRUE(t.program.settings.Update);
}

// With the ticks on a thread of their own, the start's version check runs there too, never on
// the window's thread beside a command; once the updater took over, no tick follows.
TEST_F(StartUpTest, TheVersionCheckRunsOnTheTickThreadAndAnUpdateEndsTheTicks) {
    ASSERT_TRUE(StartUp(t.program, "2.5"));
    t.program.VendorOnline = true;
    std::atomic<bool> checked{false};
    std::thread::id checkThread;
    t.program.extensions.checkVersion = [&] {
        checkThread = std::this_thread::get_id();
        t.program.EndRequested = true;  // an update is due: the updater takes over
        checked = true;
    };
    std::atomic<int> rounds{0};
    TickRunner runner(t.program, [&] { ++rounds; });
    const auto waitForRound = [&](int n) {
        for (int i = 0; i < 500 && rounds < n; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    };
    FinishStartUp(runner);
    waitForRound(1);
    runner.tick();
    waitForRound(2);
    runner.finish([] {});
    ASSERT_TRUE(checked);
    EXPECT_NE(checkThread, std::this_thread::get_id());
    EXPECT_FALSE(t.program.Connected);  // no tick connected to the simulator
}

TEST_F(StartUpTest, RecentLogIsKept) {
    WriteFile(t.dataPath("Flightlog.txt"), "20090712140000:x\r\n");
    start();
    EXPECT_TRUE(std::filesystem::is_empty(t.folders.documentsRoot()));
    EXPECT_EQ(ReadFile(t.dataPath("Flightlog.txt")), "20090712140000:x\r\n");
    EXPECT_TRUE(t.program.mainView.btnConvert && t.program.mainView.btnResetLog);
}

TEST_F(StartUpTest, DetectsTheDecimalSeparator) {
    EXPECT_EQ(DecimalSeparatorOf("2,5"), ',');
    EXPECT_EQ(DecimalSeparatorOf("2.5"), '.');
    ASSERT_TRUE(StartUp(t.program, "2,5"));
    EXPECT_TRUE(t.program.DecimalIsComma);
}

TEST_F(StartUpTest, MissingTemplatesEndTheProgram) {
    std::filesystem::remove(t.folders.programFolder() + "/KMLSettings.txt");
    EXPECT_FALSE(StartUp(t.program, "2.5"));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    const std::string bin = t.folders.programFolder();
    EXPECT_EQ(t.program.mainView.label7.text,
              "Unable to load KML data, please reinstall the Flenmark.");
    EXPECT_EQ(t.dialogs.messages[0].second,
              "Looked for " + bin + "/KMLSettings.txt or " +
                  std::filesystem::path(bin).parent_path().string() +
                  "/share/flenmark/KMLSettings.txt. Application will quit.");
}

// A template file that would make documents no viewer can read, or of any size, is refused
// with what is wrong with it, before anything is converted.
TEST_F(StartUpTest, TemplateFilesBeyondTheirBoundsAreRefused) {
    const std::string path = t.folders.programFolder() + "/KMLSettings.txt";
    const std::string shipped = ReadFile(path);
    const std::string added = "line " + std::to_string(SplitLines(shipped).size() + 1);
    const std::string huge = shipped + "; " + std::string(300000, 'x') + "\r\n";
    const struct {
        std::string text;
        std::string problem;
    } cases[] = {
        {shipped + "PinDot=<Placemark>" + std::string(1, '\0') + "</Placemark>\r\n",
         added + " (PinDot=) holds a control character"},
        {shipped + "PinDot=" + std::string(20000, 'x') + "\r\n",
         added + " (PinDot=) is 20007 bytes long; a template may be 16384 at most"},
        {huge, "it is " + std::to_string(huge.size()) +
                   " bytes long; a template file may be 262144 at most"},
    };
    for (const auto& c : cases) {
        WriteFile(path, c.text);
        t.dialogs.messages.clear();
        EXPECT_FALSE(StartUp(t.program, "2.5"));
        ASSERT_EQ(t.dialogs.messages.size(), 1u);
        EXPECT_EQ(t.dialogs.messages[0].second, path + ": " + c.problem + ". Application will quit.");
    }
}

TEST_F(StartUpTest, UsageReportGoesOutOnceOnTheFirstTick) {
    int reports = 0;
    t.program.extensions.sendUsageReport = [&] { ++reports; };
    start();
    MainTick(t.program);
    EXPECT_EQ(reports, 1);
}

class MainTickTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(StartUp(t.program, "2.5")); }
    TestProgram t;
};

TEST_F(MainTickTest, ConnectsByItselfAndReadsOnTheNextTick) {
    MainTick(t.program);
    EXPECT_TRUE(t.program.Connected);
    EXPECT_EQ(t.program.mainView.lblConnect.text, "Connected");
    EXPECT_TRUE(ViewOf(t.program).main.btnStartLog);
    EXPECT_TRUE(t.program.PrevTickStamp.empty());

    t.link.poke<int32_t>(0x0580, 1 << 30);
    MainTick(t.program);
    EXPECT_EQ(t.program.prev.HDGText, "90");
    EXPECT_EQ(t.program.PrevTickStamp, "20090712143507");
    EXPECT_EQ(t.program.recorder.lastLine.HDG, "0");
}

// Every exchange of a tick is held to the tick's deadline, and none after it.
TEST_F(MainTickTest, ATicksExchangesHaveADeadline) {
    MainTick(t.program);
    MainTick(t.program);
    ASSERT_GE(t.link.deadlinesSeen.size(), 1u);
    for (bool had : t.link.deadlinesSeen) EXPECT_TRUE(had);
    EXPECT_FALSE(t.link.deadline.has_value());
}

// A recording tick with the whole traffic table shown: the telemetry, the traffic and the
// recording take a handful of exchanges, not one per value.
TEST_F(MainTickTest, ATickWithFortyAircraftTakesAtMostFourExchanges) {
    for (uint32_t slot = 0; slot < 40; ++slot) {
        const uint32_t base = 0xF080 + 40 * slot;
        t.link.poke<int32_t>(base, static_cast<int32_t>(100 + slot));
        t.link.poke<float>(base + 4, 52.0f + 0.01f * static_cast<float>(slot));
        t.link.poke<float>(base + 8, 4.0f);
        t.link.poke<float>(base + 12, 3000.0f);
        std::memcpy(t.link.table.data() + base + 22, "KLM1234", 7);
    }
    MainTick(t.program);
    MainTick(t.program);
    ToggleAnimation(t.program);
    ToggleRealtime(t.program);
    t.program.traffic.TCASMode = kTcasAll;
    const int before = t.link.exchanges;
    TcasTimerTick(t.program);
    MainTick(t.program);
    EXPECT_LE(t.link.exchanges - before, 4);
    for (int row = 1; row <= 40; ++row) EXPECT_TRUE(t.program.traffic.AITraffic.occupied(row));
    EXPECT_EQ(t.program.traffic.AITraffic.at(40, 6), "KLM1234");
}

TEST_F(MainTickTest, LostLinkEndsTheTickAndTheProgramReconnectsLater) {
    MainTick(t.program);
    MainTick(t.program);
    ASSERT_TRUE(t.program.PrevConnected);
    t.link.failAfterExchanges = t.link.exchanges;
    t.program.mainView.minimized = true;
    MainTick(t.program);
    EXPECT_FALSE(t.program.Connected);
    EXPECT_TRUE(t.program.PrevConnected);
    EXPECT_EQ(t.ui.restores, 1);  // the window came back from the tray
    EXPECT_EQ(t.program.mainView.label7.text, "Connection to FS timed out.");
    t.link.hostPresent = false;
    t.link.failAfterExchanges = -1;
    MainTick(t.program);
    EXPECT_EQ(t.program.mainView.lblConnect.text, "Not connected");
    EXPECT_EQ(t.program.traffic.TCASMode, 0);
    t.link.hostPresent = true;  // the simulator comes back
    MainTick(t.program);
    EXPECT_EQ(t.program.mainView.lblConnect.text, "Connected");
}

// flenmark --start-logging: the first reading of a parked aircraft opens the log with one
// start line, not with a touchdown against the blank state before it.
TEST_F(MainTickTest, StartLoggingOnConnectOpensTheLogWithTheFirstReading) {
    t.link.poke<uint16_t>(0x0366, 1);  // on the ground
    t.program.StartLoggingOnConnect = true;
    MainTick(t.program);  // connects
    EXPECT_FALSE(t.program.Logging);
    MainTick(t.program);  // reads, and starts logging
    MainTick(t.program);
    EXPECT_TRUE(t.program.Logging);
    const std::string log = ReadFile(t.dataPath("Flightlog.txt"));
    EXPECT_EQ(testing::Count(log, "\r\n"), 1u) << log;
    EXPECT_EQ(testing::Count(log, ":SA:"), 1u) << log;
    // The main window's summary shows the flight from its first line on.
    const FlightSummaryView summary = ViewOf(t.program).main.flight;
    EXPECT_EQ(summary.distance, "0.0 NM");
    EXPECT_EQ(summary.sinceTakeoff, "\u2014");
}

// Logging that a lost link stopped comes back with the link, modes and all, unless the user
// switched resuming off. The tick that takes it up samples once: its one line is the new run's
// start, whatever the aircraft did while the link was down (here it landed).
TEST_F(MainTickTest, LoggingResumesWhenTheLinkComesBack) {
    for (const bool resume : {true, false}) {
        t.program.settings.ResumeLogging = resume;
        t.link.poke<uint16_t>(0x0366, 0);  // airborne
        MainTick(t.program);
        MainTick(t.program);
        ToggleAnimation(t.program);
        ToggleRealtime(t.program);
        ASSERT_TRUE(t.program.Logging && t.program.Animation && t.program.Realtime);
        t.link.failAfterExchanges = t.link.exchanges;
        MainTick(t.program);
        ASSERT_FALSE(t.program.Connected || t.program.Logging || t.program.Animation);
        t.link.failAfterExchanges = -1;
        t.link.poke<uint16_t>(0x0366, 1);  // back, parked
        MainTick(t.program);               // connects
        const auto before = SplitLines(ReadFile(t.dataPath("Flightlog.txt")));
        const auto framesBefore = SplitLines(ReadFile(t.dataPath("Animation.txt")));
        MainTick(t.program);  // reads, and takes up the recording
        EXPECT_EQ(t.program.Logging && t.program.Animation && t.program.Realtime, resume);
        EXPECT_EQ(t.program.mainView.btnSetChase, resume);
        const auto log = SplitLines(ReadFile(t.dataPath("Flightlog.txt")));
        const auto frames = SplitLines(ReadFile(t.dataPath("Animation.txt")));
        ASSERT_EQ(log.size(), before.size() + (resume ? 1 : 0));
        ASSERT_EQ(frames.size(), framesBefore.size() + (resume ? 1 : 0));
        if (resume) {
            EXPECT_EQ(testing::Field(log.back(), 6), "SA") << log.back();
            EXPECT_EQ(testing::Field(log.back(), 13), "-") << log.back();
            EXPECT_EQ(testing::Field(frames.back(), 6), "SA") << frames.back();
            EXPECT_EQ(t.program.mainView.label7.text, "Logging resumed.");
        }
        StopLogging(t.program);
        ResetLog(t.program, true);
    }
}

// An event is a change between two readings of one connected run: the first reading after
// the start, and the first after the link came back, report none, whatever the aircraft shows.
struct FirstReading {
    const char* name;
    std::function<void(testing::OffsetTableLink&)> atStart;
    std::function<void(testing::OffsetTableLink&)> changed;  // an event within the run
};

class FirstReadingTest : public ::testing::TestWithParam<FirstReading> {};

TEST_P(FirstReadingTest, ReportsNoEventAtStartNorWhenTheLinkComesBack) {
    TestProgram t;
    ASSERT_TRUE(StartUp(t.program, "2.5"));
    t.program.StatusWindowOpen = true;  // events go to its line, and are counted there
    GetParam().atStart(t.link);
    MainTick(t.program);  // connects
    MainTick(t.program);  // the first reading
    EXPECT_EQ(t.ui.statusTimerRestarts, 0) << t.program.statusView.lblEvent.text;
    GetParam().changed(t.link);
    MainTick(t.program);
    EXPECT_EQ(t.ui.statusTimerRestarts, 1);
    t.link.failAfterExchanges = t.link.exchanges;
    MainTick(t.program);  // the link is lost
    t.link.failAfterExchanges = -1;
    GetParam().atStart(t.link);  // and the simulator comes back as it started
    MainTick(t.program);
    MainTick(t.program);
    EXPECT_EQ(t.ui.statusTimerRestarts, 1) << t.program.statusView.lblEvent.text;
}

void Airborne(testing::OffsetTableLink& link, double feet) {
    link.poke<uint16_t>(0x0366, 0);
    link.poke<int64_t>(0x0570, std::llround(feet / 3.28084 * 4294967296.0));
}

// clang-format off
using L = testing::OffsetTableLink;
INSTANTIATE_TEST_SUITE_P(Rows, FirstReadingTest, ::testing::Values(
    FirstReading{"ParkedAircraftHasNotTouchedDown",
                 [](L& l) { l.poke<uint16_t>(0x0366, 1); }, [](L& l) { Airborne(l, 500); }},
    FirstReading{"FlapsAlreadyDown",
                 [](L& l) { l.poke<int32_t>(0x0BDC, 16383); }, [](L& l) { l.poke<int32_t>(0x0BDC, 0); }},
    FirstReading{"SpoilersAlreadyOut",
                 [](L& l) { l.poke<int32_t>(0x0BD0, 16383); }, [](L& l) { l.poke<int32_t>(0x0BD0, 0); }},
    FirstReading{"NoGlideslopeInRange",
                 [](L& l) { Airborne(l, 1000); l.poke<uint8_t>(0x0C49, 0); },
                 [](L& l) { l.poke<uint8_t>(0x0C49, 100); }}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(Connect, FailureShowsTheBoxWithTheResultCode) {
    TestProgram t;
    t.link.hostPresent = false;
    Connect(t.program);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].second,
              "Connection failed, please make sure your FS is running and you installed FSUIPC "
              "(or XPUIPC for X-Plane) correctly.\n\nError code: 2\n\nOn this system the "
              "recorder is fed by flenmark-simhost (the simulator stand-in), flenmark-fgbridge "
              "(FlightGear with its property server, --httpd=8080) or flenmark-xpbridge "
              "(X-Plane): start one of them first.");
    EXPECT_EQ(t.program.mainView.lblConnect.colour, TextColour::Red);
}

}  // namespace
}  // namespace flenmark
