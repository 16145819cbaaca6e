#include "base/utf8_path.h"

#include <gtest/gtest.h>

#include "base/text_files.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

// A user's folders and flight names may hold any letters: every file operation takes them,
// on Windows too, where the file system library would read a plain string otherwise.
TEST(Utf8Path, FoldersAndFilesOutsideAsciiAreMadeFoundReadAndRemoved) {
    testing::TempFolders folders;
    const std::string folder = folders.root() + "/Profil üßéøł 日本";
    const std::string file = folder + "/Flightlog Rundflug ü 日本.txt";
    ASSERT_TRUE(CreateFolders(folder));
    EXPECT_EQ(TextOf(PathOf(file)), file);
    ASSERT_TRUE(WriteFileAtomically(file, "line\r\n"));
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(ReadWholeFile(file).value_or(""), "line\r\n");
    ASSERT_TRUE(CopyFileReplacing(file, file + ".copy"));
    EXPECT_TRUE(RemoveFile(file));
    EXPECT_FALSE(FileExists(file));
    EXPECT_TRUE(FileExists(file + ".copy"));
}

}  // namespace
}  // namespace flenmark
