// The headless recorder in the mishaps that used to cost a flight: the simulator restarted or
// gone for good, and a log that cannot be written. Its exit status says which.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <thread>

#include "e2e/e2e_support.h"

namespace flenmark {
namespace {

using testing::ReadFile;
using testing::RecorderEnvironment;

// Waits until a log holds `lines` lines (up to 20 s).
bool LogReaches(const std::string& log, size_t lines) {
    for (int i = 0; i < 400; ++i) {
        if (testing::SplitLines(ReadFile(log)).size() >= lines) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// The simulator killed while the aircraft flies and started again with it parked, as a
// restarted flight is: the recording takes up again with one start line of the new run and no
// touchdown that never happened, and the flight exports as its two runs.
TEST(LostFlight, ASimulatorRestartedParkedStartsANewRunWithoutATouchdown) {
    testing::TempFolders folders;
    testing::PrivateRuntimeDir runtime;
    const std::string airborne = folders.root() + "/airborne.txt";
    testing::WriteFile(airborne,
                       "at 0 set lat 52.3\nat 0 set lon 4.76\nat 0 set elev 10\n"
                       "at 0 set alt 3000\nat 0 set onground 0\nat 0 set gear 0\n"
                       "at 0 set hdg 240\nat 0 set gs 120\nat 0 set ias 120\nat 0 set tas 125\n");
    auto host = std::make_unique<testing::SimHostProcess>(
        std::vector<std::string>{"--scenario", airborne, "--lockstep"});
    ASSERT_TRUE(host->ready());
    const std::string log = folders.data() + "Flightlog.txt";
    testing::BackgroundProgram cli(
        testing::CliPath(),
        {"record", "--ticks", "120", "--tick-ms", "50", "--animation", "--tcas", "ALL"},
        RecorderEnvironment(folders));
    ASSERT_TRUE(LogReaches(folders.data() + "Animation.txt", 5));  // five seconds flown
    host->signal(SIGKILL);
    host->wait();
    // Away longer than the link's ten sends: the recorder sees the link lost.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    host = std::make_unique<testing::SimHostProcess>(
        std::vector<std::string>{"--scenario", "default", "--lockstep"});
    ASSERT_TRUE(host->ready());
    EXPECT_EQ(cli.wait(), 0);
    const std::string text = ReadFile(log);
    EXPECT_EQ(testing::Count(text, ":SA:"), 2u) << text;
    EXPECT_EQ(testing::Count(text, ":TD="), 0u) << text;
    EXPECT_EQ(testing::Count(text, ":SO:"), 1u) << text;
    const std::string gpx = folders.root() + "/flight.gpx";
    const auto exported =
        testing::RunProgram(testing::CliPath(), {"export", log, gpx}, RecorderEnvironment(folders));
    ASSERT_EQ(exported.status, 0) << exported.errors;
    EXPECT_EQ(testing::Count(ReadFile(gpx), "<trkseg>"), 2u);
    EXPECT_EQ(testing::GpxSchemaErrors(gpx), "");
    // Both runs are one flight of the logbook, kept whole in one folder.
    const auto flights = testing::RunProgram(testing::CliPath(), {"flights", "--json"},
                                             RecorderEnvironment(folders));
    ASSERT_EQ(flights.status, 0) << flights.errors;
    EXPECT_EQ(testing::Count(flights.output, "\"start_utc\""), 1u) << flights.output;
    const auto kept = flights.output.find("\"folder\": \"");
    ASSERT_NE(kept, std::string::npos);
    const size_t from = kept + 11;
    const std::string folder = flights.output.substr(from, flights.output.find('"', from) - from);
    EXPECT_EQ(ReadFile(folder + "Flightlog.txt"), text);
}

// Recording without --ticks goes on until Ctrl+C or SIGTERM, which stop it as "Stop logging"
// does: the closing line, exit 0 at once, and where the logs are, here a folder of the user's
// own that the recorder makes.
TEST(LostFlight, CtrlCAndSigtermEndARecordingWithoutTicksCleanly) {
    for (const int signal : {SIGINT, SIGTERM}) {
        testing::TempFolders folders;
        testing::PrivateRuntimeDir runtime;
        testing::SimHostProcess host({"--scenario", "default"});
        ASSERT_TRUE(host.ready());
        const std::string chosen = folders.root() + "/flights/today";
        testing::BackgroundProgram cli(testing::CliPath(), {"record", "--data-folder", chosen},
                                       RecorderEnvironment(folders), true);
        ASSERT_TRUE(LogReaches(chosen + "/Flightlog.txt", 1)) << cli.errors();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        cli.signal(signal);
        EXPECT_EQ(cli.waitFor(2000), 0) << cli.errors();
        const auto lines = testing::SplitLines(ReadFile(chosen + "/Flightlog.txt"));
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(testing::Field(lines.back(), 6), "SO") << lines.back();
        EXPECT_GE(testing::Count(cli.errors(), chosen), 2u) << cli.errors();  // at start and end
        EXPECT_EQ(ReadFile(folders.data() + "Flightlog.txt"), "");
    }
}

// The simulator gone for good (before the last tick, or without --ticks for ten minutes of the
// recorder's clock), or a folder where a log should be (no write reaches it, whoever the user
// is): the recording ends with status 3 and says why.
TEST(LostFlight, AFlightThatCannotGoOnEndsWithStatus3) {
    const struct {
        std::vector<std::string> hostFault;
        bool withTicks;
        const char* folderInPlaceOf;
        std::vector<std::string> said;
    } cases[] = {{{"--fault", "drop-after=4"}, true, "", {"lost and did not come back."}},
                 {{"--scenario", "ends"}, false, "", {"did not come back within ten minutes"}},
                 {{},
                  true,
                  "Flightlog.txt",
                  {"Unable to write the flight log, logging stopped.",
                   "1 line could not be written to Flightlog.txt"}},
                 {{}, true, "Animation.txt", {"Error in animating flight.", "to Animation.txt"}}};
    for (const auto& c : cases) {
        testing::TempFolders folders;
        testing::PrivateRuntimeDir runtime;
        if (*c.folderInPlaceOf)
            std::filesystem::create_directories(folders.data() + c.folderInPlaceOf);
        std::vector<std::string> args = {"--scenario", "default", "--lockstep"};
        args.insert(args.end(), c.hostFault.begin(), c.hostFault.end());
        if (args.back() == "ends") {  // a simulator that goes away after three seconds
            args.back() = folders.root() + "/ends.txt";
            testing::WriteFile(args.back(), "at 0 set gs 100\nat 3 end\n");
        }
        testing::SimHostProcess host(args);
        ASSERT_TRUE(host.ready());
        std::vector<std::string> record = {"record", "--animation", "--tick-ms", "1"};
        if (c.withTicks) record.insert(record.end(), {"--ticks", "5"});
        const auto r =
            testing::RunProgram(testing::CliPath(), record, RecorderEnvironment(folders));
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
