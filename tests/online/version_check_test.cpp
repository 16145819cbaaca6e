#include "online/version_check.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/online_steps.h"
#include "online/downloads.h"
#include "online/fake_http.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::FakeHttp;
using testing::ReadFile;
using testing::TestProgram;
using testing::WriteFile;

const std::string kAllMessages =
    "MessageAll=all\r\nMessageNotUpdate=not\r\nMessageUpdateOn=on\r\nMessageMinUpdate="
    "min\r\nMessageMajUpdate=maj\r\n"
    "MessageUAll=uall\r\nMessageUNotUpdate=unot\r\nMessageUUpdateOn=uon\r\nMessageUMinUpdate="
    "umin\r\nMessageUMajUpdate=umaj\r\n";

struct MessageCase {
    const char* name;
    std::vector<const char*> missing;
    bool update;
    bool minUpdate;
    const char* general;
    const char* due;
};

class MessageSelectionTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageSelectionTest, GeneralAndUpdateDue) {
    const MessageCase& c = GetParam();
    VersionFile f = ParseVersionFile(kAllMessages);
    for (const char* k : c.missing) f.messages.erase(k);
    EXPECT_EQ(GeneralMessage(f, c.update, c.minUpdate), c.general);
    EXPECT_EQ(UpdateDueMessage(f, c.update, c.minUpdate), c.due);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Matrix, MessageSelectionTest, ::testing::Values(
    MessageCase{"AllWins", {}, true, true, "all", "uall"},
    MessageCase{"AllWinsUpdatesOff", {}, false, false, "all", "uall"},
    MessageCase{"UpdatesOff", {"MessageAll", "MessageUAll"}, false, true, "not", "unot"},
    MessageCase{"UpdateOnMessage", {"MessageAll", "MessageUAll"}, true, true, "on", "uon"},
    MessageCase{"MinorUpdates", {"MessageAll", "MessageUAll", "MessageUpdateOn", "MessageUUpdateOn"}, true, true, "min", "umin"},
    MessageCase{"MajorOnly", {"MessageAll", "MessageUAll", "MessageUpdateOn", "MessageUUpdateOn"}, true, false, "maj", "umaj"},
    MessageCase{"Nothing", {"MessageAll", "MessageUAll", "MessageNotUpdate", "MessageUNotUpdate"}, false, true, "", ""}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(VersionFile, ReadsKeysNumbersAndLines) {
    const VersionFile f = ParseVersionFile(
        "MinVer=10300\rMajVer=junk\nUpdateVer=10001\r\nx=1\r\nUpdater=/"
        "Updater.bin=<app>flenmark-updater\r\n"
        "Updater=short\r\nFile=/a.bin=<app>a.bin=10300\r\nFile=/b.bin=<app>b.bin=soon\r\nFile=/"
        "c=<app>c\r\nMinVer=10301\r\n");
    EXPECT_EQ(f.minVer, 10301);  // a later line wins
    EXPECT_EQ(f.majVer, 0);      // garbage reads as 0
    EXPECT_EQ(f.updateVer, 10001);
    EXPECT_TRUE(f.hasUpdater);
    EXPECT_EQ(f.updaterAddress, "/Updater.bin");
    EXPECT_EQ(f.updaterDestination, "<app>flenmark-updater");
    ASSERT_EQ(f.files.size(), 1u);  // non-numeric and short File= lines are left out
    EXPECT_EQ(f.files[0].version, 10300);
    EXPECT_EQ(VersionNumber("1.2.5"), 10205);
    EXPECT_EQ(VersionNumber("1.2"), 0);
    EXPECT_EQ(DottedVersion(10300), "1.3.0");
}

struct DestinationCase {
    const char* destination;
    const char* resolved;  // "" for refused
};

class DestinationTest : public ::testing::TestWithParam<DestinationCase> {};

TEST_P(DestinationTest, OnlyInsideTheProgramOrUserFolder) {
    const auto r = ResolveDownloadDestination(GetParam().destination, "/opt/flenmark/",
                                              "/home/me/.local/share/Zolt/");
    EXPECT_EQ(r ? r->path() : "", GetParam().resolved);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, DestinationTest, ::testing::Values(
    DestinationCase{"<app>flenmark-updater", "/opt/flenmark/flenmark-updater"},
    DestinationCase{"<app>\\data\\KMLSettings.txt", "/opt/flenmark/data/KMLSettings.txt"},
    DestinationCase{"<user>notes.txt", "/home/me/.local/share/Zolt/notes.txt"},
    DestinationCase{"/etc/passwd", ""}, DestinationCase{"<app>../evil", ""},
    DestinationCase{"<app>sub/../../evil", ""}, DestinationCase{"relative.txt", ""},
    DestinationCase{"<app>", ""}, DestinationCase{"/opt/flenmark-other/x", ""}));
// clang-format on

TEST(SaveDownload, OnlyACompleteDownloadReplacesTheFileAndKeepsItsMode) {
    testing::TempFolders folders;
    testing::FakeHttp http;
    const std::string path = folders.root() + "/program/flenmark";
    WriteFile(path, "old program");
    std::filesystem::permissions(path, std::filesystem::perms(0750));
    const DownloadTarget target{folders.root() + "/program/", "flenmark"};
    http.answers["/empty"] = "";
    EXPECT_FALSE(SaveDownload(http, "/empty", target, false, 1000));
    EXPECT_FALSE(SaveDownload(http, "/missing", target, false, 1000));
    EXPECT_EQ(ReadFile(path), "old program");
    http.answers["/new"] = "new program";
    EXPECT_TRUE(SaveDownload(http, "/new", target, false, 1000));
    EXPECT_EQ(ReadFile(path), "new program");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0750));
    for (const auto& e : std::filesystem::directory_iterator(folders.root() + "/program"))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos);  // none left
}

// A link planted anywhere below the folder never takes the file outside it.
TEST(SaveDownload, LinksBelowTheFolderAreNotFollowed) {
    testing::TempFolders folders;
    testing::FakeHttp http;
    http.answers["/evil"] = "evil";
    const std::string data = folders.data();
    const std::string outside = folders.root() + "/docs/";
    std::filesystem::create_directory_symlink(outside, data + "sub");
    std::filesystem::create_symlink(outside + "target", data + "file");
    EXPECT_FALSE(SaveDownload(http, "/evil", {data, "sub/planted"}, true, 1000));
    EXPECT_FALSE(SaveDownload(http, "/evil", {data, "file"}, true, 1000));
    EXPECT_TRUE(std::filesystem::is_empty(outside));
    EXPECT_FALSE(ResolveDownloadDestination(std::string("<user>a\0b", 10), "/opt/f/", data));
    EXPECT_TRUE(SaveDownload(http, "/evil", {data, "new/dir/file"}, false, 1000));
    EXPECT_EQ(ReadFile(data + "new/dir/file"), "evil");
}

class CheckVersionTest : public ::testing::Test {
  protected:
    void SetUp() override { t.program.settings.Update = t.program.settings.MinUpdate = true; }
    std::string updater() const { return t.folders.programFolder() + "/flenmark-updater"; }
    TestProgram t;
    FakeHttp http;
};

TEST_F(CheckVersionTest, UnreachableServerShowsNothingAndStartsNothing) {
    CheckVersion(t.program, http);
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_TRUE(t.shell.started.empty());
    EXPECT_EQ(t.ui.quits, 0);
}

TEST_F(CheckVersionTest, DueUpdateHandsOverToTheUpdater) {
    WriteFile(updater(), "updater FLENMARK-VERSION:1.0.0");
    http.answers["/FlenmarkVersion.txt"] = "MinVer=99999\r\nMessageUUpdateOn=Update now\r\n";
    CheckVersion(t.program, http);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0],
              (std::pair<std::string, std::string>{"Message", "Update now"}));
    EXPECT_EQ(t.shell.started, std::vector<std::string>{updater()});
    EXPECT_EQ(t.ui.quits, 1);
    EXPECT_TRUE(t.program.EndRequested);
}

// A packaged copy hears of a newer version but never downloads into the program's folder.
TEST_F(CheckVersionTest, PackagedCopyIsOnlyToldOfANewerVersion) {
    WriteFile(updater(), "updater FLENMARK-VERSION:1.0.0");
    http.answers["/FlenmarkVersion.txt"] =
        "MajVer=99999\r\nMessageUUpdateOn=Update now\r\n"
        "UpdateVer=10001\r\nUpdater=/Updater.bin=<app>flenmark-updater\r\n";
    http.answers["/Updater.bin"] = "new updater";
    t.program.UpdatesByPackageManager = true;
    CheckVersion(t.program, http);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].second, kNewerVersionForPackage);
    EXPECT_TRUE(t.shell.started.empty());
    EXPECT_EQ(t.ui.quits, 0);
    EXPECT_EQ(ReadFile(updater()), "updater FLENMARK-VERSION:1.0.0");
}

TEST_F(CheckVersionTest, MinorVersionDoesNotCountForMajorOnlyUsers) {
    t.program.settings.MinUpdate = false;
    http.answers["/FlenmarkVersion.txt"] = "MinVer=99999\r\nMajVer=10000\r\n";
    CheckVersion(t.program, http);
    EXPECT_TRUE(t.shell.started.empty());
}

TEST_F(CheckVersionTest, MissingUpdaterIsReportedAndTheProgramGoesOn) {
    http.answers["/FlenmarkVersion.txt"] = "MinVer=99999\r\n";
    CheckVersion(t.program, http);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].second,
              "The updater could not be found, please re-install the Flenmark.");
    EXPECT_EQ(t.ui.quits, 0);
}

TEST_F(CheckVersionTest, NewerUpdaterReplacesTheOldOneAndRefusesOtherPlaces) {
    WriteFile(updater(), "updater FLENMARK-VERSION:1.0.0");
    http.answers["/FlenmarkVersion.txt"] =
        "UpdateVer=10001\r\nUpdater=/Updater.bin=<app>flenmark-updater\r\n";
    http.answers["/Updater.bin"] = "new updater";
    CheckVersion(t.program, http);
    EXPECT_EQ(ReadFile(updater()), "new updater");
    EXPECT_TRUE(std::filesystem::status(updater()).permissions() != std::filesystem::perms::none);
    http.answers["/FlenmarkVersion.txt"] =
        "UpdateVer=99999\r\nUpdater=/Updater.bin=/tmp/elsewhere-flenmark\r\n";
    CheckVersion(t.program, http);
    EXPECT_FALSE(std::filesystem::exists("/tmp/elsewhere-flenmark"));
}

}  // namespace
}  // namespace flenmark
