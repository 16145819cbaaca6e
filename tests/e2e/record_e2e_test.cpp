// The default scenario flown by flenmark-simhost and recorded by flenmark-cli.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <set>

#include "e2e/e2e_support.h"
#include "logbook/logbook.h"

namespace flenmark {
namespace {

using testing::DefaultFlightRecording;
using testing::Field;
using testing::ReadFile;
using testing::SplitLines;

void ExpectEventsInFlightOrder(const DefaultFlightRecording& r) {
    std::vector<std::string> codes;
    for (const std::string& line : SplitLines(ReadFile(r.data("Flightlog.txt")))) {
        ASSERT_EQ(std::count(line.begin(), line.end(), ':'), 12) << line;
        if (!Field(line, 6).empty()) codes.push_back(Field(line, 6));
    }
    const std::vector<std::string> expected = {
        "SA", "FL=10", "TO=3",  "GU", "FL=0", "SD",        "SU", "TL", "TU",    "O",      "OE",
        "S",  "SE",    "FL=20", "AG", "LI",   "OG",        "OM", "GD", "FL=50", "FL=100", "BG",
        "OG", "LL",    "LI",    "MM", "IM",   "TD=-312/2", "SD", "SU", "FL=0",  "SO"};
    size_t next = 0;
    for (const std::string& code : codes)
        if (next < expected.size() && code == expected[next]) ++next;
    EXPECT_EQ(next, expected.size())
        << "missing from " << next << " (" << expected[std::min(next, expected.size() - 1)] << ")";
    EXPECT_EQ(codes.front(), "SA");
    EXPECT_EQ(codes.back(), "SO");
    EXPECT_NE(r.cli.errors.find("Event: Touchdown, -312ft/m"), std::string::npos);
    EXPECT_EQ(r.cli.errors.find("Not able to convert"), std::string::npos) << r.cli.errors;
}

// Frames come one per tick (one second apart on the recorder's clock) while the aircraft
// moves; a gap may only follow a frame at taxi pace, where parking began.
void ExpectAFramePerMovingTick(const DefaultFlightRecording& r) {
    const auto frames = SplitLines(ReadFile(r.data("Animation.txt")));
    ASSERT_GT(frames.size(), 200u);
    auto seconds = [](const std::string& frame) {
        const std::string s = Field(frame, 1);
        return std::stoll(s.substr(8, 2)) * 3600 + std::stoll(s.substr(10, 2)) * 60 +
               std::stoll(s.substr(12, 2));
    };
    int gaps = 0;
    for (size_t i = 1; i < frames.size(); ++i) {
        const long long step = (seconds(frames[i]) - seconds(frames[i - 1]) + 86400) % 86400;
        if (step <= 1) continue;
        ++gaps;
        EXPECT_LE(std::stoi(Field(frames[i - 1], 11)), 10)
            << "gap after a moving frame: " << frames[i - 1];
    }
    // Parked before the taxi, holding short (cut in two by the flaps event's frame), and parked
    // at the end.
    EXPECT_EQ(gaps, 4);
}

void ExpectTrafficOfEveryClass(const DefaultFlightRecording& r) {
    std::set<std::string> classes;
    for (const std::string& line : SplitLines(ReadFile(r.data("Traffic.txt")))) {
        ASSERT_EQ(std::count(line.begin(), line.end(), ':'), 11) << line;
        classes.insert(Field(line, 10));
    }
    for (const char* cls : {"0", "1", "2", "3", "4"}) EXPECT_TRUE(classes.count(cls)) << cls;
}

// One recording (it takes a while) checked three ways.
TEST(RecordDefaultFlight, LogAnimationAndTraffic) {
    const auto& r = DefaultFlightRecording::Get();
    ASSERT_EQ(r.cli.status, 0) << r.cli.errors;
    {
        SCOPED_TRACE("flight log");
        ExpectEventsInFlightOrder(r);
    }
    {
        SCOPED_TRACE("animation");
        ExpectAFramePerMovingTick(r);
    }
    {
        SCOPED_TRACE("traffic");
        ExpectTrafficOfEveryClass(r);
    }
    {
        SCOPED_TRACE("conversion");
        const std::string out = r.folders.root() + "/flight.kml";
        const auto convert = testing::RunProgram(
            testing::CliPath(), {"convert", r.data("Flightlog.txt"), out, "--name", "Circuit"},
            r.environment());
        ASSERT_EQ(convert.status, 0) << convert.errors;
        EXPECT_EQ(testing::KmlSchemaErrors(out), "");
        const std::string kml = ReadFile(out);
        EXPECT_NE(kml.find("<name>T/D VS: -312ft/m</name>"), std::string::npos);
        EXPECT_NE(kml.find("<name>Animated AI/Online traffic</name>"), std::string::npos);
        EXPECT_NE(kml.find("Too close"), std::string::npos);
    }
}

// The recorded circuit is one flight of the logbook: from the stand-in's field (EHAM) back to
// it, its one touchdown, and the aircraft the stand-in names.
TEST(RecordDefaultFlight, IsOneFlightOfTheLogbook) {
    const auto& r = DefaultFlightRecording::Get();
    ASSERT_EQ(r.cli.status, 0) << r.cli.errors;
    const auto flights =
        testing::RunProgram(testing::CliPath(), {"flights", "--json"}, r.environment());
    ASSERT_EQ(flights.status, 0) << flights.errors;
    const std::string& json = flights.output;
    EXPECT_EQ(testing::Count(json, "\"start_utc\""), 1u) << json;
    for (const char* field :
         {"\"departure\": \"EHAM\"", "\"arrival\": \"EHAM\"", "\"landing_rate_fpm\": -312",
          "\"touchdowns\": 1,", "\"aircraft\": \"Flenmark Trainer 172\"",
          "\"landing_rating\": \"Hard\""})
        EXPECT_NE(json.find(field), std::string::npos) << field << "\n" << json;
    EXPECT_NE(json.find("/Flenmark files/Flight "), std::string::npos) << json;
}

// The logbook is an index: a recording whose logbook cannot be written (read-only, not a
// database, held by another program) records all the same and keeps its flight.
TEST(RecordDefaultFlight, AnUnwritableLogbookDoesNotStopTheRecording) {
    enum class Spoil { ReadOnly, NotAFile, Held };
    for (const Spoil spoil : {Spoil::ReadOnly, Spoil::NotAFile, Spoil::Held}) {
        SCOPED_TRACE(static_cast<int>(spoil));
        testing::TempFolders folders;
        testing::PrivateRuntimeDir runtime;
        const std::string db = folders.data() + "Logbook.sqlite";
        std::filesystem::create_directories(folders.data());
        sqlite3* holder = nullptr;
        if (spoil == Spoil::NotAFile) {
            std::filesystem::create_directories(db);
        } else {
            Logbook::Open(db);
            if (spoil == Spoil::ReadOnly)
                std::filesystem::permissions(db, std::filesystem::perms::owner_read);
            if (spoil == Spoil::Held) {
                sqlite3_open(db.c_str(), &holder);
                sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
            }
        }
        testing::SimHostProcess host({"--scenario", "default", "--lockstep"});
        ASSERT_TRUE(host.ready());
        const auto cli =
            testing::RunProgram(testing::CliPath(), {"record", "--ticks", "20", "--tick-ms", "1"},
                                RecorderEnvironment(folders));
        sqlite3_close(holder);
        EXPECT_EQ(cli.status, 0) << cli.errors;
        const std::string log = ReadFile(folders.data() + "Flightlog.txt");
        EXPECT_EQ(testing::Count(log, ":SA:"), 1u) << log;
        EXPECT_EQ(testing::Count(log, ":SO:"), 1u) << log;
        size_t kept = 0;
        for (const auto& f :
             std::filesystem::directory_iterator(folders.root() + "/Documents/Flenmark files"))
            kept += ReadFile(f.path().string() + "/Flightlog.txt") == log;
        EXPECT_EQ(kept, 1u);
    }
}

TEST(ConvertCommand, UnreadableLogIsRefused) {
    testing::TempFolders folders;
    const auto r = testing::RunProgram(
        testing::CliPath(),
        {"convert", folders.root() + "/missing.txt", folders.root() + "/out.kml"},
        {"XDG_DATA_HOME=" + folders.applicationDataRoot(), "HOME=" + folders.root()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find("Not able to convert flightlog"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folders.root() + "/out.kml"));
}

TEST(RecordDefaultFlight, NoHostMeansExitTwo) {
    testing::TempFolders folders;
    testing::PrivateRuntimeDir runtime;
    const auto r = testing::RunProgram(testing::CliPath(), {"record", "--ticks", "1"},
                                       {"XDG_DATA_HOME=" + folders.applicationDataRoot()});
    EXPECT_EQ(r.status, 2);
}

TEST(RecordDefaultFlight, BadOptionsAreRefused) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"record", "--data-folder"},
                                               {"record", "--ticks", "x"},
                                               {"record", "--ticks", "3", "--tcas", "SOME"},
                                               {"record", "--ticks", "3", "--range", "7"},
                                               {"fly"}}) {
        EXPECT_EQ(testing::RunProgram(testing::CliPath(), args).status, 1);
    }
}

}  // namespace
}  // namespace flenmark
