#include "logbook/logbook.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fakes.h"
#include "support/text_files.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;
using testing::WriteFile;

class LogbookTest : public ::testing::Test {
  protected:
    void SetUp() override {
        files = folders.root() + "/files/";
        keep("Flight 2009-07-12 14.35", testing::ParkedFlightLog("20090712"));
        keep("Flight 2009-07-13 14.35", testing::ParkedFlightLog("20090713"));
        // An older unsaved log holding the first flight again, and one of its own.
        keep("Unsaved flight 2009-07-12 14.35", testing::ParkedFlightLog("20090712"));
        keep("Unsaved flight 2009-07-01 14.35", testing::ParkedFlightLog("20090701"));
        fs::create_directories(files + "Not a flight");
    }
    void keep(const std::string& name, const std::string& log) {
        fs::create_directories(files + name);
        WriteFile(files + name + "/Flightlog.txt", log);
    }
    std::vector<std::string> starts() {
        const auto logbook = Logbook::Open(path());
        EXPECT_TRUE(logbook);
        std::vector<std::string> s;
        if (!logbook) return s;
        for (const LogbookEntry& e : logbook->list().value_or(std::vector<LogbookEntry>{}))
            s.push_back(e.flight.startUtc.substr(0, 10));
        return s;
    }
    std::string path() const { return folders.root() + "/Logbook.sqlite"; }

    testing::TempFolders folders;
    std::string files;
};

TEST_F(LogbookTest, RebuildIndexesEveryKeptFlightOnce) {
    const auto logbook = Logbook::Open(path());
    ASSERT_TRUE(logbook);
    EXPECT_TRUE(logbook->madeAnew());
    EXPECT_EQ(logbook->rebuild(files, nullptr), 3u);
    const auto entries = logbook->list();
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[1].folder, files + "Flight 2009-07-12 14.35/");
    EXPECT_EQ((*entries)[1].flight.blockTimeS, 300);
}

TEST_F(LogbookTest, ATruncatedDatabaseIsMadeAnewAndRebuilt) {
    for (const uintmax_t keep : {0, 100, 2048}) {
        SCOPED_TRACE(keep);
        fs::remove(path());
        {
            const auto logbook = Logbook::Open(path());
            ASSERT_TRUE(logbook);
            logbook->rebuild(files, nullptr);
        }
        ASSERT_GT(fs::file_size(path()), keep);
        fs::resize_file(path(), keep);
        const auto logbook = Logbook::Open(path());
        ASSERT_TRUE(logbook);
        EXPECT_TRUE(logbook->madeAnew());
        EXPECT_EQ(logbook->list().value_or(std::vector<LogbookEntry>{}).size(), 0u);
        logbook->rebuild(files, nullptr);
    }
    EXPECT_EQ(starts(), (std::vector<std::string>{"2009-07-01", "2009-07-12", "2009-07-13"}));
}

TEST_F(LogbookTest, PutReplacesTheEntryOfItsFolder) {
    {
        const auto logbook = Logbook::Open(path());
        ASSERT_TRUE(logbook);
        LogbookEntry e{files + "Flight 2009-07-12 14.35/", {}};
        e.flight.startUtc = "2009-07-12T14:35:00Z";
        ASSERT_TRUE(logbook->put(e));
        e.flight.touchdowns = 3;  // the flight resumed and kept again
        ASSERT_TRUE(logbook->put(e));
        const auto entries = logbook->list();
        ASSERT_TRUE(entries && entries->size() == 1u);
        EXPECT_EQ(entries->front().flight.touchdowns, 3);
    }
    EXPECT_FALSE(Logbook::Open(path())->madeAnew());
}

}  // namespace
}  // namespace flenmark
