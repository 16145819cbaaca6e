#include "logbook/flight_folder_name.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fakes.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

TEST(FlightFolderName, RefusesWhatLeavesTheFolderOrAnySystemRefuses) {
    for (const char* name : {"", ".", "..", "a/b", "a\\b", "C:x", "a*", "why?", "a|b", "<a>",
                             "\"q\"", "tab\there", "ends.", "ends ", "CON", "com1.txt", "Lpt9"})
        EXPECT_FALSE(IsFlightFolderName(name)) << name;
    for (const char* name :
         {"Paris trip", "Flight 2009-07-12 14.35", "Z\xc3\xbcrich", "CONCORDE", "com0", ".hidden"})
        EXPECT_TRUE(IsFlightFolderName(name)) << name;
}

TEST(FlightFolderName, RenamesWithinItsFolderUnlessTaken) {
    testing::TempFolders temp;
    const std::string files = temp.root() + "/files/";
    fs::create_directories(files + "Flight A");
    fs::create_directories(files + "Flight B");
    std::string renamed = "unchanged";
    EXPECT_EQ(RenameFlightFolder(files + "Flight A/", "Flight B", renamed), FlightRename::Taken);
    EXPECT_EQ(RenameFlightFolder(files + "Flight A/", "../Flight C", renamed),
              FlightRename::NotAName);
    EXPECT_EQ(renamed, "unchanged");
    EXPECT_TRUE(fs::exists(files + "Flight A"));
    EXPECT_EQ(RenameFlightFolder(files + "Flight A/", "  Paris trip ", renamed),
              FlightRename::Renamed);
    EXPECT_EQ(renamed, files + "Paris trip/");
    EXPECT_TRUE(fs::is_directory(files + "Paris trip"));
    EXPECT_FALSE(fs::exists(files + "Flight A"));
    EXPECT_EQ(RenameFlightFolder(files + "Flight A/", "Again", renamed), FlightRename::Failed);
}

}  // namespace
}  // namespace flenmark
