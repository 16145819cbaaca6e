#include "platform/xdg_trash.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fakes.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;
using testing::WriteFile;

TEST(XdgTrash, MovesTheFolderAndRecordsWhereItWas) {
    testing::TempFolders temp;
    const std::string trash = temp.root() + "/Trash/";
    const std::string flight = temp.root() + "/files/Flight 2009 100%/";
    const DateTime when{2009, 7, 12, 14, 35, 7};
    for (int round = 1; round <= 2; ++round) {
        fs::create_directories(flight);
        WriteFile(flight + "Flightlog.txt", "log " + std::to_string(round));
        ASSERT_TRUE(MoveToTrashFolder(flight, trash, when)) << round;
        EXPECT_FALSE(fs::exists(flight));
    }
    // The second folder of that name takes a free one; both keep their contents.
    EXPECT_EQ(ReadWholeFile(trash + "files/Flight 2009 100%/Flightlog.txt"), "log 1");
    EXPECT_EQ(ReadWholeFile(trash + "files/Flight 2009 100%.2/Flightlog.txt"), "log 2");
    EXPECT_EQ(ReadWholeFile(trash + "info/Flight 2009 100%.2.trashinfo"),
              "[Trash Info]\nPath=" + temp.root() +
                  "/files/Flight%202009%20100%25\nDeletionDate=2009-07-12T14:35:07\n");
}

TEST(XdgTrash, LeavesNothingBehindWhenItCannotMove) {
    testing::TempFolders temp;
    const std::string trash = temp.root() + "/Trash/";
    fs::create_directories(temp.root() + "/x");
    EXPECT_FALSE(MoveToTrashFolder(temp.root() + "/missing", trash, {}));
    EXPECT_FALSE(MoveToTrashFolder(temp.root() + "/x", "", {}));
    // Another file system: no rename, and no entry left claiming it.
    EXPECT_FALSE(MoveToTrashFolder("/proc/self/..", trash, {}));
    EXPECT_FALSE(fs::exists(trash + "info") && !fs::is_empty(trash + "info"));
    EXPECT_TRUE(fs::exists(temp.root() + "/x"));
}

}  // namespace
}  // namespace flenmark
