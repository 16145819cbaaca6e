#include "app/kept_flight_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/flights_window.h"
#include "app/kml_template_file.h"
#include "app/program_view.h"
#include "platform/data_folders.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;
using testing::WriteFile;

std::string LogOf(const std::string& day) {
    return day + "143500:4,76:52,30:15:1:SA:0:0:0:0:0:150:-\r\n" + day +
           "144000:4,76:52,30:15:1:SO:0:0:0:0:0:150:" + day + "143500\r\n";
}

class KeptFlightCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        files = FilesFolder(t.folders);
        for (const char* day : {"20090712", "20090713"}) {
            const std::string folder = files + "Flight " + day + "/";
            fs::create_directories(folder);
            WriteFile(folder + "Flightlog.txt", LogOf(day));
        }
        // The trash of this test's own desktop.
        const char* old = std::getenv("XDG_DATA_HOME");
        savedDataHome = old ? old : "";
        setenv("XDG_DATA_HOME", (t.folders.root() + "/share").c_str(), 1);
        FlightsWindowOpened(t.program);
    }
    void TearDown() override {
        if (savedDataHome.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", savedDataHome.c_str(), 1);
    }
    std::vector<std::string> folders() {
        std::vector<std::string> f;
        for (const LogbookEntry& e : *ViewOf(t.program).logbook) f.push_back(e.folder);
        return f;
    }
    testing::TestProgram t;
    std::string files;
    std::string savedDataHome;
};

TEST_F(KeptFlightCommands, RenameMovesTheFolderAndItsEntryOrSaysWhyNot) {
    const std::string a = files + "Flight 20090712/", b = files + "Flight 20090713/";
    ASSERT_EQ(folders(), (std::vector<std::string>{a, b}));
    EXPECT_FALSE(RenameKeptFlight(t.program, a, "Flight 20090713"));
    EXPECT_FALSE(RenameKeptFlight(t.program, a, "To/Paris"));
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(folders(), (std::vector<std::string>{a, b}));
    t.program.flight.folderName = "Flight 20090712";  // interrupted, to be kept again
    EXPECT_TRUE(RenameKeptFlight(t.program, a, "Paris"));
    EXPECT_EQ(folders(), (std::vector<std::string>{files + "Paris/", b}));
    EXPECT_TRUE(fs::exists(files + "Paris/Flightlog.txt"));
    EXPECT_EQ(t.program.flight.folderName, "Paris");
    // The logbook itself says so, not only the window's copy.
    FlightsWindowClosed(t.program);
    FlightsWindowOpened(t.program);
    EXPECT_EQ(folders(), (std::vector<std::string>{files + "Paris/", b}));
}

TEST_F(KeptFlightCommands, DeleteAsksThenMovesTheFolderToTheTrash) {
    const std::string a = files + "Flight 20090712/", b = files + "Flight 20090713/";
    t.dialogs.yesNoAnswer = false;
    AskDeleteKeptFlight(t.program, a);
    EXPECT_EQ(t.dialogs.questions.size(), 1u);
    EXPECT_TRUE(fs::exists(a));
    t.dialogs.yesNoAnswer = true;
    AskDeleteKeptFlight(t.program, a);
    EXPECT_FALSE(fs::exists(a));
    EXPECT_TRUE(fs::exists(t.folders.root() + "/share/Trash/files/Flight 20090712/Flightlog.txt"));
    EXPECT_EQ(folders(), (std::vector<std::string>{b}));
    FlightsWindowClosed(t.program);
    FlightsWindowOpened(t.program);
    EXPECT_EQ(folders(), (std::vector<std::string>{b}));
}

TEST_F(KeptFlightCommands, GoogleEarthGetsADocumentInTheFlightsFolder) {
    const std::string a = files + "Flight 20090712/";
    ASSERT_TRUE(LoadKmlTemplates(t.program));
    ViewKeptFlightInGoogleEarth(t.program, a);
    ASSERT_EQ(t.shell.opened, (std::vector<std::string>{a + "Flight 20090712.kml"}));
    EXPECT_NE(ReadWholeFile(a + "Flight 20090712.kml")->find("<name>Flight 20090712</name>"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(a + "icons"));
}

TEST(FlightsWindowModel, KeepsTheChosenFlightThroughSortFilterAndReload) {
    auto entries = std::make_shared<std::vector<LogbookEntry>>();
    for (const char* day : {"2009-07-10", "2009-07-11", "2009-07-12"}) {
        LogbookEntry e{std::string("/f/") + day + "/", {}};
        e.flight.startUtc = std::string(day) + "T10:00:00Z";
        e.flight.departure = day[9] == '1' ? "EHAM" : "EGLL";
        entries->push_back(e);
    }
    FlightsWindowModel m;
    m.show(entries);
    EXPECT_EQ(m.view().rows[0].date, "2009-07-12 10:00");  // the latest first
    m.choose(1);
    ASSERT_TRUE(m.chosen());
    EXPECT_EQ(m.chosen()->folder, "/f/2009-07-11/");
    m.sortBy(FlightColumn::Date);  // the other way round
    EXPECT_EQ(m.chosenRow(), 1u);
    EXPECT_EQ(m.view().rows[0].date, "2009-07-10 10:00");
    m.setFilter("egll");
    EXPECT_EQ(m.chosen(), nullptr);  // filtered out
    m.setFilter("");
    EXPECT_EQ(m.chosenRow(), 1u);
    (*entries)[1].folder = "/f/Renamed/";
    m.show(entries);
    EXPECT_EQ(m.chosenRow(), 1u);
    entries->erase(entries->begin() + 1);  // deleted
    m.show(entries);
    EXPECT_EQ(m.chosen(), nullptr);
    EXPECT_EQ(m.totalsText(), "2 flights, 0:00 block hours, 0:00 air hours, 0 landings");
}

}  // namespace
}  // namespace flenmark
