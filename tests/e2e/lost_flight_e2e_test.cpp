// The headless recorder in the mishaps that used to cost a flight: the simulator restarted or
// gone for good, and a log that cannot be written. Its exit status says which.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "e2e/e2e_support.h"

namespace flenmark {
namespace {

using testing::ReadFile;
using testing::RecorderEnvironment;

// Waits until the log holds `lines` lines (up to 20 s).
bool LogReaches(const std::string& log, size_t lines) {
    for (int i = 0; i < 400; ++i) {
        if (testing::SplitLines(ReadFile(log)).size() >= lines) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

TEST(LostFlight, ASimulatorRestartResumesTheRecording) {
    testing::TempFolders folders;
    testing::PrivateRuntimeDir runtime;
    auto host = std::make_unique<testing::SimHostProcess>(
        std::vector<std::string>{"--scenario", "default", "--lockstep"});
    ASSERT_TRUE(host->ready());
    testing::BackgroundProgram cli(testing::CliPath(),
                                   {"record", "--ticks", "120", "--tick-ms", "50"},
                                   RecorderEnvironment(folders));
    ASSERT_TRUE(LogReaches(folders.data() + "Flightlog.txt", 2));
    host->stop();
    // Away longer than the link's ten sends: the recorder sees the link lost.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    host = std::make_unique<testing::SimHostProcess>(
        std::vector<std::string>{"--scenario", "default", "--lockstep"});
    ASSERT_TRUE(host->ready());
    EXPECT_EQ(cli.wait(), 0);
    const std::string log = ReadFile(folders.data() + "Flightlog.txt");
    EXPECT_EQ(testing::Count(log, ":SA:"), 2u) << log;
    EXPECT_EQ(testing::Count(log, ":SO:"), 1u) << log;
}

// The simulator gone for good, or a folder where the log should be (no write reaches it,
// whoever the user is): the recording ends with status 3 and says why.
TEST(LostFlight, AFlightThatCannotGoOnEndsWithStatus3) {
    const struct {
        std::vector<std::string> hostFault;
        bool logIsAFolder;
        std::vector<std::string> said;
    } cases[] = {{{"--fault", "drop-after=4"},
                  false,
                  {"link to the simulator was lost and did not come back"}},
                 {{},
                  true,
                  {"Unable to write the flight log, logging stopped.",
                   "the flight log could not be written"}}};
    for (const auto& c : cases) {
        testing::TempFolders folders;
        testing::PrivateRuntimeDir runtime;
        if (c.logIsAFolder) std::filesystem::create_directories(folders.data() + "Flightlog.txt");
        std::vector<std::string> args = {"--scenario", "default", "--lockstep"};
        args.insert(args.end(), c.hostFault.begin(), c.hostFault.end());
        testing::SimHostProcess host(args);
        ASSERT_TRUE(host.ready());
        const auto r =
            testing::RunProgram(testing::CliPath(), {"record", "--ticks", "5", "--tick-ms", "20"},
                                RecorderEnvironment(folders));
        EXPECT_EQ(r.status, 3) << r.errors;
        for (const std::string& text : c.said)
            EXPECT_NE(r.errors.find(text), std::string::npos) << r.errors;
    }
}

TEST(LostFlight, TwoRecordersOnOneDataFolderAreRefused) {
    testing::TempFolders folders;
    testing::PrivateRuntimeDir runtime;
    testing::SimHostProcess host({"--scenario", "default", "--lockstep"});
    ASSERT_TRUE(host.ready());
    testing::BackgroundProgram first(testing::CliPath(),
                                     {"record", "--ticks", "100", "--tick-ms", "50"},
                                     RecorderEnvironment(folders));
    ASSERT_TRUE(LogReaches(folders.data() + "Flightlog.txt", 1));
    const auto second =
        testing::RunProgram(testing::CliPath(), {"record", "--ticks", "3", "--tick-ms", "20"},
                            RecorderEnvironment(folders));
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.errors.find("Another Flenmark is using " + folders.data() + "."),
              std::string::npos)
        << second.errors;
    EXPECT_EQ(first.wait(), 0);
    // The first recording is whole: its stamps never go backwards.
    std::string previous;
    for (const std::string& line :
         testing::SplitLines(ReadFile(folders.data() + "Flightlog.txt"))) {
        EXPECT_GE(line.substr(0, 14), previous);
        previous = line.substr(0, 14);
    }
}

}  // namespace
}  // namespace flenmark
