#include "recorder/flight_log.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "base/number_text.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::FakeClock;
using testing::ReadFile;
using testing::TempFolders;
using testing::WriteFile;

TelemetrySnapshot Sample(const char* lon, const char* lat) {
    TelemetrySnapshot t;
    t.LonText = lon;
    t.LatText = lat;
    t.AltText = "1234";
    t.OnGround = 0;
    t.IAS = 140.9;
    t.AltAGLText = "1200,7";
    t.TAS = 148.2;
    t.VSText = "-480,3";
    t.GndSpdText = "145,5";
    t.HDGText = "359,9";
    return t;
}

TEST(BuildLogLine, ThirteenFieldsWholeNumbersRoundedDownAndFaultsOutOfRange) {
    EXPECT_EQ(BuildLogLine(Sample("4,76432", "52,30876"), "20090712143507", "TD=-312/2",
                           "20090712143506"),
              "20090712143507:4,76432:52,30876:1234:0:TD=-312/2:140:1200:148:-481:145:359:"
              "20090712143506");
    EXPECT_EQ(BuildLogLine(Sample("4.5", "52.5"), "20090712143507", "", "-"),
              "20090712143507:4.5:52.5:1234:0::140:1200:148:-481:145:359:-");
    TelemetrySnapshot t = Sample("4.5", "52.5");
    t.IAS = 1e300;
    EXPECT_THROW(BuildLogLine(t, "20090712143507", "", "-"), ConversionFault);
}

class FlightLogFileTest : public ::testing::Test {
  protected:
    std::string log() const { return folders.data() + "Flightlog.txt"; }
    TempFolders folders;
    FakeClock clock;
};

TEST_F(FlightLogFileTest, AppendWritesCrLfLinesAndFailsOnAFolder) {
    EXPECT_FALSE(LogHasContent(log()));  // missing
    ASSERT_TRUE(AppendLogLine(log(), "a"));
    ASSERT_TRUE(AppendLogLine(log(), "b"));
    EXPECT_EQ(ReadFile(log()), "a\r\nb\r\n");
    std::filesystem::remove(log());
    std::filesystem::create_directory(log());
    EXPECT_FALSE(AppendLogLine(log(), "a"));
}

struct ContentCase {
    const char* text;
    bool hasContent;
};

class LogHasContentTest : public FlightLogFileTest,
                          public ::testing::WithParamInterface<ContentCase> {};

TEST_P(LogHasContentTest, LooksAtTheFifthLineOrTheLastOfAShorterLog) {
    WriteFile(log(), GetParam().text);
    EXPECT_EQ(LogHasContent(log()), GetParam().hasContent);
}

INSTANTIATE_TEST_SUITE_P(Cases, LogHasContentTest,
                         ::testing::Values(ContentCase{"", false}, ContentCase{"a\r\n", true},
                                           ContentCase{"\r\n", false},
                                           ContentCase{"a\r\nb\r\nc\r\nd\r\n\r\nf\r\n", false},
                                           ContentCase{"\r\n\r\n\r\n\r\ne\r\n\r\n", true},
                                           ContentCase{"a\nb\n", true},
                                           ContentCase{"a\r\n\r\n", false}));

// A disk that fills up in the middle of a line: the write falls short, and the log is cut back
// to its last whole line instead of keeping a torn one.
TEST_F(FlightLogFileTest, AShortWriteLeavesNoTornLine) {
    WriteFile(log(), "20090712143507:whole\r\n");
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit room{30, 30};  // room for a few more bytes only
        ::setrlimit(RLIMIT_FSIZE, &room);
        const bool written = AppendLogLine(log(), "20090712143508:a line longer than the room");
        ::_exit(written ? 1 : 0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);  // reported as not written
    EXPECT_EQ(ReadFile(log()), "20090712143507:whole\r\n");
}

struct RecentCase {
    const char* content;
    DateTime utcNow;
    bool recent;
};

class LogIsRecentTest : public FlightLogFileTest,
                        public ::testing::WithParamInterface<RecentCase> {};

TEST_P(LogIsRecentTest, ComparesTheLastStampWithUtcNow) {
    WriteFile(log(), GetParam().content);
    clock.setUtc(GetParam().utcNow);
    clock.setZoneOffsetMinutes(330);  // the local zone plays no part
    EXPECT_EQ(LogIsRecent(log(), clock), GetParam().recent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogIsRecentTest,
    ::testing::Values(
        RecentCase{"", {2009, 7, 12, 14, 0, 0}, false},
        RecentCase{"20090712130000:x\r\n", {2009, 7, 12, 14, 0, 0}, true},
        RecentCase{"20090712130000:x\r\n", {2009, 7, 12, 14, 1, 0}, false},
        RecentCase{"20090712233000:x\r\n", {2009, 7, 13, 0, 15, 0}, true},
        RecentCase{"20090712100000:x\r\n20090712133000:y\r\n\r\n", {2009, 7, 12, 14, 0, 0}, true},
        RecentCase{"garbage\r\n", {2009, 7, 12, 14, 0, 0}, false},
        RecentCase{"20091332130000:x\r\n", {2009, 7, 12, 14, 0, 0}, false}));

}  // namespace
}  // namespace flenmark
