#include "app/logging_control.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/conversion_command.h"
#include "app/kml_template_file.h"
#include "app/main_tick.h"
#include "app/program_view.h"
#include "app/realtime_commands.h"
#include "app/recording.h"
#include "recorder/recorder_fixture.h"

namespace flenmark {
namespace {

using testing::ReadFile;
using testing::RecorderFixture;
using testing::WriteFile;

class LoggingControlTest : public ::testing::Test {
  protected:
    void SetUp() override { f.p.Logging = false; }
    RecorderFixture f;
};

TEST_F(LoggingControlTest, StartThenStopGivesAnSaAndAnSoLine) {
    StartLogging(f.p);
    EXPECT_EQ(f.p.mainView.label7.text, "Logging started.");
    EXPECT_EQ(f.p.mainView.label5.text, "Logging");
    StopLogging(f.p);
    const auto lines = f.logLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(":SA:"), std::string::npos);
    EXPECT_NE(lines[1].find(":SO:"), std::string::npos);
    EXPECT_EQ(f.p.mainView.label7.text, "Logging stopped.");
    EXPECT_EQ(f.p.mainView.label5.text, "No logging");
    EXPECT_FALSE(f.p.Logging);
    EXPECT_TRUE(f.p.PrevTickStamp.empty());
    EXPECT_TRUE(f.p.prev.LatText.empty());
    StopLogging(f.p);  // not logging: nothing more
    EXPECT_EQ(f.logLines().size(), 2u);
}

// However often and in whatever order the buttons are pressed, a recording has one start and
// one stop: a second start, animation or realtime switched on while logging, and a stop
// without a start write nothing.
TEST_F(LoggingControlTest, ARecordingHasOneStartAndOneStopWhateverIsPressed) {
    const struct {
        const char* name;
        std::vector<void (*)(Program&)> presses;
    } cases[] = {
        {"start twice", {StartLogging, StartLogging, StopLogging, StopLogging}},
        {"animation while logging", {StartLogging, ToggleAnimation, ToggleAnimation, StopLogging}},
        {"realtime starts it", {ToggleRealtime, StartLogging, ToggleAnimation, StopLogging}},
        {"realtime link starts it", {GenerateRealtimeLink, ToggleAnimation, StopLogging}},
    };
    for (const auto& c : cases) {
        ResetLog(f.p, true);
        for (const auto press : c.presses) press(f.p);
        const auto lines = f.logLines();
        ASSERT_EQ(lines.size(), 2u) << c.name;
        EXPECT_NE(lines[0].find(":SA:"), std::string::npos) << c.name;
        EXPECT_NE(lines[1].find(":SO:"), std::string::npos) << c.name;
    }
}

// Converting the flight ends the recording as "Stop logging" does, with its closing line.
TEST_F(LoggingControlTest, ConvertingWhileLoggingClosesTheRecording) {
    ASSERT_TRUE(LoadKmlTemplates(f.p));
    StartLogging(f.p);
    f.t.dialogs.textAnswer = "Evening";
    ConvertFlightLogCommand(f.p);
    EXPECT_FALSE(f.p.Logging);
    EXPECT_EQ(f.lastField(6), "SO");
}

TEST(LoggingButtons, FollowTheConnectionAndTheLogging) {
    const struct {
        bool connected, logging;
        bool start, stop, animation, realtime;
    } cases[] = {
        {false, false, false, false, false, false},
        {true, false, true, false, true, true},
        {true, true, false, true, true, true},
    };
    for (const auto& c : cases) {
        testing::TestProgram t;
        t.program.Connected = c.connected;
        t.program.Logging = c.logging;
        const MainWindowView v = ViewOf(t.program).main;
        EXPECT_EQ(v.btnStartLog, c.start) << c.connected << c.logging;
        EXPECT_EQ(v.btnStopLog, c.stop) << c.connected << c.logging;
        EXPECT_EQ(v.btnStartAnimate, c.animation) << c.connected << c.logging;
        EXPECT_EQ(v.btnToggleRealtime, c.realtime) << c.connected << c.logging;
    }
}

TEST_F(LoggingControlTest, NotConnectedRefuses) {
    f.p.Connected = false;
    StartLogging(f.p);
    EXPECT_EQ(f.p.mainView.label7.text, "No open FS connection.");
    ToggleAnimation(f.p);
    EXPECT_FALSE(f.p.Logging || f.p.Animation);
    EXPECT_TRUE(f.logLines().empty());
}

TEST_F(LoggingControlTest, AnimationOnStartsLoggingAndOffKeepsIt) {
    ToggleAnimation(f.p);
    EXPECT_TRUE(f.p.Logging);
    EXPECT_TRUE(f.p.Animation);
    EXPECT_EQ(f.p.mainView.label7.text, "Animation mode enabled.");
    EXPECT_EQ(f.p.mainView.label13.text, "Animation");
    ToggleAnimation(f.p);
    EXPECT_TRUE(f.p.Logging);
    EXPECT_FALSE(f.p.Animation);
    EXPECT_EQ(f.p.mainView.label7.text, "Animation mode disabled.");
    StopLogging(f.p);
    ToggleAnimation(f.p);
    EXPECT_EQ(f.p.mainView.label7.text, "Animation mode enabled.");
    EXPECT_EQ(f.logLines().size(), 3u);  // start, stop, start: one line each
}

TEST_F(LoggingControlTest, ResetWhileLoggingLeavesExactlyOneSaLine) {
    StartLogging(f.p);
    RecordSample(f.p, "", true);
    WriteFile(f.t.dataPath("Animation.txt"), "x\r\n");
    ResetLog(f.p, false);
    EXPECT_EQ(f.t.dialogs.questions.at(0).first, "Reset log");
    const auto lines = f.logLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(":SA=1159:"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(f.t.dataPath("Animation.txt")));
    EXPECT_EQ(f.p.mainView.label7.text, "Tracklog reset.");
}

TEST_F(LoggingControlTest, ResetWhenNotLoggingEmptiesTheLogAndDisablesConvert) {
    WriteFile(f.t.dataPath("Flightlog.txt"), "a\r\n");
    ResetLog(f.p, true);
    EXPECT_TRUE(f.t.dialogs.questions.empty());
    EXPECT_EQ(ReadFile(f.t.dataPath("Flightlog.txt")), "");
    MainTick(f.p);
    EXPECT_FALSE(f.p.mainView.btnConvert);
    WriteFile(f.t.dataPath("Flightlog.txt"), "a\r\n");
    f.t.dialogs.yesNoAnswer = false;
    ResetLog(f.p, false);  // answering no keeps the log
    EXPECT_EQ(ReadFile(f.t.dataPath("Flightlog.txt")), "a\r\n");
}

// A log that cannot be written stops logging with a message; the program goes on and what
// was written stays.
TEST_F(LoggingControlTest, WriteFailureStopsLoggingAndKeepsWhatWasWritten) {
    StartLogging(f.p);
    f.p.Animation = f.p.Realtime = true;
    WriteFile(f.t.dataPath("RealtimeLocation.KML"), "camera");
    const std::string before = ReadFile(f.t.dataPath("Flightlog.txt"));
    std::filesystem::rename(f.t.dataPath("Flightlog.txt"), f.t.dataPath("saved.txt"));
    std::filesystem::create_directory(f.t.dataPath("Flightlog.txt"));  // a log that is a folder
    RecordSample(f.p, "", true);
    EXPECT_EQ(f.p.mainView.label7.text, "Unable to write the flight log, logging stopped.");
    EXPECT_FALSE(f.p.Logging || f.p.Animation || f.p.Realtime);
    EXPECT_EQ(f.p.mainView.label5.text, "No logging");
    EXPECT_FALSE(std::filesystem::exists(f.t.dataPath("RealtimeLocation.KML")));
    EXPECT_EQ(ReadFile(f.t.dataPath("saved.txt")), before);
    MainTick(f.p);  // and the program carries on
}

// Frames that could not be written leave the recording with gaps: the stop says how many.
TEST_F(LoggingControlTest, LinesThatCouldNotBeWrittenAreToldAtTheStop) {
    std::filesystem::create_directory(f.t.dataPath("Animation.txt"));  // no frame reaches it
    ToggleAnimation(f.p);
    RecordSample(f.p, "", true);
    EXPECT_EQ(f.p.mainView.label7.text, "Error in animating flight.");
    StopLogging(f.p);
    EXPECT_EQ(f.p.mainView.label7.text,
              "This recording has gaps: 3 lines could not be written to Animation.txt.");
}

TEST_F(LoggingControlTest, RealtimeTextIsTheLogPlusTheCurrentSample) {
    StartLogging(f.p);
    f.p.Realtime = true;
    f.p.telemetry.HDGText = "80";
    RecordSample(f.p, "", false);  // written
    RecordSample(f.p, "", false);  // not written, still the latest position
    const std::string log = ReadFile(f.t.dataPath("Flightlog.txt"));
    const std::string realtime = ReadFile(f.t.dataPath("Realtime.txt"));
    ASSERT_EQ(testing::SplitLines(log).size(), 2u);
    ASSERT_EQ(realtime.substr(0, log.size()), log);
    EXPECT_EQ(testing::SplitLines(realtime).size(), 3u);
    ResetLog(f.p, true);
    RecordSample(f.p, "", false);
    const std::string afterReset = ReadFile(f.t.dataPath("Realtime.txt"));
    EXPECT_EQ(afterReset.substr(0, ReadFile(f.t.dataPath("Flightlog.txt")).size()),
              ReadFile(f.t.dataPath("Flightlog.txt")));
    EXPECT_EQ(testing::SplitLines(afterReset).size(), 2u);
}

}  // namespace
}  // namespace flenmark
