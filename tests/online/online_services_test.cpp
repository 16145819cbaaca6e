#include <gtest/gtest.h>

#include <filesystem>

#include "app/online_steps.h"
#include "base/percent_encoding.h"
#include "online/fake_http.h"
#include "online/updater_run.h"
#include "online/usage_report.h"
#include "online/xplane_module.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

using testing::FakeHttp;
using testing::ReadFile;
using testing::TestProgram;

TEST(UsageReport, ValuesArriveWholeAndCannotAddKeys) {
    EXPECT_EQ(PercentEncode("Jan de Vries & Co"), "Jan%20de%20Vries%20%26%20Co");
    EXPECT_EQ(UsageReportQuery("Ornix", "a&Extra=x", "12-07-2009 14:35", "1.0.0", "Unknown", "? 9"),
              "/Submit.asp?App=Ornix&User=a%26Extra%3Dx&TimeDate=12-07-2009%2014%3A35&Version=1.0."
              "0&OS=Unknown&Extra=%3F%209");
    EXPECT_EQ(getOSV(), "Unknown");
}

// Only when the user allows it, and under the installation's random id, never the user's name.
TEST(UsageReport, SentOnlyWhenAllowedWithTheInstallationIdAndTheSimulatorName) {
    TestProgram t;
    FakeHttp http;
    SendUsageReport(t.program, http);
    EXPECT_TRUE(http.requests.empty());
    t.program.settings.UsageReports = true;
    SendUsageReport(t.program, http);
    SendUsageReport(t.program, http);
    ASSERT_EQ(http.requests.size(), 2u);
    const std::string id = ReadFile(t.dataPath("InstallationId.txt")).substr(0, 32);
    EXPECT_EQ(id.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_NE(http.requests[0].find("/Submit.asp?App=Ornix&User=" + id + "&"), std::string::npos);
    EXPECT_EQ(http.requests[1], http.requests[0]);  // the same id each time
    EXPECT_NE(http.requests[0].find("&Version=1.0.0&OS=Unknown&Extra=Not%20connected"),
              std::string::npos);
}

TEST(ProbeVendorOnline, OnlyAOneMeansOnline) {
    FakeHttp http;
    EXPECT_FALSE(ProbeVendorOnline(http));
    http.answers["/BrennetOnline.txt"] = "0";
    EXPECT_FALSE(ProbeVendorOnline(http));
    http.answers["/BrennetOnline.txt"] = "1";
    EXPECT_TRUE(ProbeVendorOnline(http));
}

TEST(CheckXPlane, FirstRunNoIsRemembered) {
    TestProgram t;
    t.program.settings.XPUIPC = "";
    t.dialogs.yesNoAnswer = false;
    CheckXPlane(t.program, false);
    EXPECT_EQ(t.program.settings.XPUIPC, "0");
    EXPECT_EQ(t.dialogs.questions.at(0).first, "X-Plane?");
    CheckXPlane(t.program, false);
    EXPECT_EQ(t.dialogs.questions.size(), 1u);  // not asked again
}

TEST(CheckXPlane, YesAsksForThePluginsFolder) {
    TestProgram t;
    t.program.settings.XPUIPC = "";
    t.dialogs.folderAnswer = "/opt/X-Plane/Resources/plugins";
    CheckXPlane(t.program, false);
    EXPECT_TRUE(t.program.settings.XPlane);
    EXPECT_EQ(t.program.settings.XPlanePath, "/opt/X-Plane/Resources/plugins/");
    EXPECT_NE(
        ReadFile(t.dataPath("Offsets.txt")).find("XPlanePath=/opt/X-Plane/Resources/plugins/\r\n"),
        std::string::npos);
}

class XpuipcTest : public ::testing::Test {
  protected:
    void SetUp() override {
        plugins = t.folders.root() + "/plugins/";
        std::filesystem::create_directories(plugins);
        t.program.settings.XPlane = true;
        t.program.settings.XPlanePath = plugins;
        http.answers["/XPUIPCVersion.txt"] = "1.3.0";
        http.answers["/XPUIPC.txt"] = "module";
        http.answers["/XPUIPCOffsets.txt"] = "offsets";
    }
    TestProgram t;
    FakeHttp http;
    std::string plugins;
};

TEST_F(XpuipcTest, NewerModuleReplacesBothFilesAndTheSameOneIsLeftAlone) {
    t.program.settings.XPUIPC = "1.2.0";
    CheckXPUIPCVersion(t.program, http);
    EXPECT_EQ(ReadFile(plugins + "XPUIPC.xpl"), "module");
    EXPECT_EQ(ReadFile(plugins + "XPUIPCOffsets.cfg"), "offsets");
    EXPECT_EQ(t.program.settings.XPUIPC, "1.3.0");
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].second,
              "XPUIPC module update was successful.\r\n\r\nUpdated from V1.2.0 to V1.3.0.");
    http.requests.clear();
    CheckXPUIPCVersion(t.program, http);  // the same version again: nothing downloaded
    EXPECT_EQ(http.requests.size(), 1u);
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
}

TEST_F(XpuipcTest, FailedDownloadKeepsTheOldVersion) {
    t.program.settings.XPUIPC = "";
    http.answers.erase("/XPUIPCOffsets.txt");
    CheckXPUIPCVersion(t.program, http);
    EXPECT_EQ(t.program.settings.XPUIPC, "");
    EXPECT_EQ(t.dialogs.messages.at(0).second,
              "Was not able to download and/or install new version of the XPUIPC module.");
}

class UpdaterRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folders = {t.folders.programFolder() + "/", t.folders.root() + "/Zolt/"};
        testing::WriteFile(folders.program + "flenmark", "main FLENMARK-VERSION:1.2.5");
        http.answers["/BrennetOnline.txt"] = "1";
        http.answers["/FlenmarkVersion.txt"] =
            "MinVer=10300\r\nFile=/new.bin=<app>new.bin=10300\r\nFile=/"
            "old.bin=<app>old.bin=10205\r\n"
            "File=/later.bin=<app>later.bin=10301\r\nFile=/mine.bin=<user>mine.bin=10210\r\n"
            "File=/evil.bin=/etc/evil.bin=10300\r\n";
        for (const char* f : {"/new.bin", "/old.bin", "/later.bin", "/mine.bin", "/evil.bin"})
            http.answers[f] = f;
    }
    UpdaterRun makeRun() {
        return UpdaterRun(http, t.shell, t.dialogs, folders, "Jan de Vries", [] {});
    }
    TestProgram t;
    FakeHttp http;
    UpdaterFolders folders;
};

TEST_F(UpdaterRunTest, DownloadsTheFilesBetweenInstalledAndNewestThenRestarts) {
    UpdaterRun run = makeRun();
    EXPECT_EQ(run.run(), UpdaterRun::End::Finished);
    EXPECT_EQ(run.installed(), 10205);
    EXPECT_EQ(run.newest(), 10300);
    EXPECT_EQ(ReadFile(folders.program + "new.bin"), "/new.bin");
    EXPECT_EQ(ReadFile(folders.user + "mine.bin"), "/mine.bin");
    EXPECT_FALSE(std::filesystem::exists(folders.program + "old.bin"));
    EXPECT_FALSE(std::filesystem::exists(folders.program + "later.bin"));
    EXPECT_FALSE(std::filesystem::exists("/etc/evil.bin"));
    EXPECT_EQ(t.shell.started, std::vector<std::string>{folders.program + "flenmark"});
    EXPECT_EQ(run.view().status, "Finishing update...");
    const std::string report = http.requests.back();
    EXPECT_NE(report.find("/Submit.asp?App=Updater&User=Jan%20de%20Vries&TimeDate="),
              std::string::npos);
    EXPECT_NE(report.find("&Extra=Flen%201.2.5%20-%201.3.0"), std::string::npos);
}

TEST_F(UpdaterRunTest, OfflineEndsWithTheMessageAndNoRestart) {
    http.answers.erase("/BrennetOnline.txt");
    UpdaterRun run = makeRun();
    EXPECT_EQ(run.run(), UpdaterRun::End::Offline);
    EXPECT_EQ(t.dialogs.messages.at(0).second, "Update failed, please try later.");
    EXPECT_TRUE(t.shell.started.empty());
}

TEST_F(UpdaterRunTest, CancelFinishesOnceAndStopsTheDownloads) {
    UpdaterRun* running = nullptr;
    int shown = 0;
    UpdaterRun run(http, t.shell, t.dialogs, folders, "me", [&] {
        if (running && running->view().status == "Downloading file:" && ++shown == 1)
            running->cancel();
    });
    running = &run;
    run.run();
    EXPECT_EQ(t.shell.started.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folders.user + "mine.bin"));
}

TEST_F(UpdaterRunTest, MissingMainProgramCountsAsVersionZero) {
    std::filesystem::remove(folders.program + "flenmark");
    UpdaterRun run = makeRun();
    run.run();
    EXPECT_EQ(run.installed(), 0);
    EXPECT_TRUE(std::filesystem::exists(folders.program + "old.bin"));
    EXPECT_EQ(UpdaterReportExtra(10205, 10300), "Flen 1.2.5 - 1.3.0");
}

}  // namespace
}  // namespace flenmark
