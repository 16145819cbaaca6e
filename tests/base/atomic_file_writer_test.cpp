#include "base/atomic_file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::ReadFile;
using testing::WriteFile;

// A document abandoned half way (a conversion that failed) leaves the old one and no litter;
// only a commit puts the new one in place.
TEST(AtomicFileWriter, OnlyACommitReplacesTheFileAndNothingIsLeftBehind) {
    testing::TempFolders folders;
    const std::string path = folders.root() + "/doc.kml";
    WriteFile(path, "old");
    {
        AtomicFileWriter writer(path);
        ASSERT_TRUE(writer.isOpen());
        writer.stream() << std::string(3 << 20, 'x');  // more than the buffer holds
    }
    EXPECT_EQ(ReadFile(path), "old");
    {
        AtomicFileWriter writer(path);
        writer.stream() << "new";
        EXPECT_TRUE(writer.commit());
    }
    EXPECT_EQ(ReadFile(path), "new");
    size_t temporaries = 0;
    for (const auto& e : std::filesystem::directory_iterator(folders.root()))
        temporaries += e.path().filename().string().find(".tmp") != std::string::npos;
    EXPECT_EQ(temporaries, 0u);
    AtomicFileWriter nowhere(folders.root() + "/missing/doc.kml");
    EXPECT_FALSE(nowhere.isOpen());
    EXPECT_FALSE(nowhere.commit());
}

}  // namespace
}  // namespace flenmark
