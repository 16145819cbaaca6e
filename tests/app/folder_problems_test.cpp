// A data folder that cannot be used is reported for what it is: read-only, full, missing, or
// taken by another Flenmark, and only then "another Flenmark".
#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings_store.h"
#include "app/startup.h"
#include "base/data_folder_lock.h"
#include "support/fakes.h"
#include "support/restricted_process.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;
using testing::InChildProcess;
using testing::TestProgram;

// The start's message in a child whose data folder was made unusable by `spoil`; 0 when the
// dialog said `expected`.
int StartUpSays(TestProgram& t, const std::function<bool()>& spoil, const std::string& expected) {
    return InChildProcess([&] {
        if (!spoil()) return 2;
        if (StartUp(t.program, "2.5")) return 3;
        return !t.dialogs.messages.empty() && t.dialogs.messages[0].second == expected ? 0 : 4;
    });
}

TEST(FolderProblems, StartUpNamesWhatIsWrongWithTheDataFolder) {
    TestProgram t;
    const std::string data = t.folders.data();
    fs::permissions(t.folders.root(), fs::perms::owner_all | fs::perms::others_exec |
                                          fs::perms::group_exec);
    fs::create_directories(data);
    fs::permissions(data, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                              fs::perms::others_exec);
    EXPECT_EQ(StartUpSays(t, testing::DropPrivileges, "The data folder " + data + " is read-only."),
              0);
    fs::permissions(data, fs::perms::owner_all);
    // Only a lock that is really held is another Flenmark's.
    const auto held = DataFolderLock::acquire(data);
    ASSERT_TRUE(held);
    EXPECT_FALSE(StartUp(t.program, "2.5"));
    EXPECT_EQ(t.dialogs.messages.back().second, "Another Flenmark is using " + data + ".");
}

// A full disk does not stop the start, but its message stays on the line.
TEST(FolderProblems, AFullDiskAtStartIsSaidToBeFull) {
    TestProgram t;
    const std::string data = t.folders.data();
    fs::create_directories(data);
    const int said = InChildProcess([&] {
        if (!testing::MountFullDisk(data)) return 2;
        if (!StartUp(t.program, "2.5")) return 3;
        return t.program.mainView.label7.text ==
                       "Unable to save variables: the disk of the data folder " + data + " is full."
                   ? 0
                   : 1;
    });
    EXPECT_EQ(said, 0);
}

}  // namespace
}  // namespace flenmark
