// The real programs facing hostile peers: a simulator host that lies about its reply, a
// FlightGear server whose answer never ends, a vendor server that redirects elsewhere and a
// link planted in the data folder.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "e2e/e2e_support.h"
#include "kml/kml_test_support.h"
#include "support/fakes.h"
#include "support/simhost_process.h"
#include "support/vendor_server.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;
using testing::LogLine;
using testing::ReadFile;
using testing::WriteFile;

using testing::RecorderEnvironment;

TEST(HostileHost, RecordingAgainstAReplyClaiming256BytesEndsCleanly) {
    testing::PrivateRuntimeDir runtime;
    testing::TempFolders folders;
    testing::SimHostProcess host({"--fault", "oversize-after=1"});
    ASSERT_TRUE(host.ready());
    const auto r =
        testing::RunProgram(testing::CliPath(), {"record", "--ticks", "3", "--tick-ms", "50"},
                            RecorderEnvironment(folders));
    EXPECT_NE(r.errors.find("Connection to FS timed out."), std::string::npos) << r.errors;
    EXPECT_EQ(r.errors.find("Sanitizer"), std::string::npos) << r.errors;
    EXPECT_NE(r.errors.find("first reading failed"), std::string::npos) << r.errors;
    EXPECT_EQ(r.status, 2) << r.errors;
}

TEST(HostileFlightGear, AnEndlessChunkedAnswerNeitherGrowsNorHangsTheBridge) {
    testing::PrivateRuntimeDir runtime;
    testing::VendorServer fg;
    const std::string endless =
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nab\r\n-6\r\n0\r\n\r\n";
    for (const char* path : {"/json/position", "/json/ai/models", "/json/orientation"})
        fg.serveRaw(path, endless);
    testing::BackgroundProgram bridge(FLENMARK_FGBRIDGE_PATH, {"--fg", fg.baseUrl()}, {});
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    ASSERT_TRUE(bridge.running());
    EXPECT_GT(fg.requests().size(), 1u);  // it went on asking, each answer refused
    EXPECT_LT(bridge.peakResidentKiB(), 50 * 1024);
    bridge.terminate();
    EXPECT_EQ(bridge.waitFor(2000), 0);
}

// A template file the program cannot use makes the conversion fail, with the reason, and no
// document is left behind as if it had worked.
TEST(HostileFiles, ConversionWithATemplateFileItCannotUseFailsAndSaysWhy) {
    testing::TempFolders folders;
    const std::string program = folders.programFolder() + "/";
    fs::copy_file(testing::CliPath(), program + "flenmark-cli");
    WriteFile(program + "KMLSettings.txt",
              ReadFile(FLENMARK_RESOURCES_DIR "/KMLSettings.txt") + "PinDot=<a>" +
                  std::string(1, '\0') + "</a>\r\n");
    const std::string log = folders.root() + "/Flightlog.txt";
    WriteFile(log, LogLine("20090712143500", "4.76", "52.3", "15", 1, "SA", "-") + "\r\n");
    const std::string out = folders.root() + "/flight.kml";
    const auto r = testing::RunProgram(program + "flenmark-cli", {"convert", log, out},
                                       RecorderEnvironment(folders));
    EXPECT_EQ(r.status, 1) << r.errors;
    EXPECT_NE(r.errors.find("(PinDot=) holds a control character"), std::string::npos) << r.errors;
    EXPECT_FALSE(fs::exists(out));
}

#ifdef FLENMARK_UPDATER_PATH

std::string Redirect(const std::string& to) {
    return "HTTP/1.1 302 Found\r\nLocation: " + to + "\r\nContent-Length: 0\r\n\r\n";
}

// The updater with a link in its data folder pointing out of it, and a vendor server that
// sends the report elsewhere: it installs what it may, stays inside, and starts the program again.
TEST(HostileVendor, UpdaterWritesOnlyInsideItsFoldersAndFollowsNoRedirectAway) {
    testing::TempFolders folders;
    testing::VendorServer vendor, elsewhere;
    const std::string program = folders.programFolder() + "/";
    fs::copy_file(FLENMARK_UPDATER_PATH, program + "flenmark-updater");
    const std::string marker = folders.root() + "/restarted";  // the main program, started again
    WriteFile(program + "flenmark",
              "#!/bin/sh\n# FLENMARK-VERSION:1.2.5\ntouch '" + marker + "'\n");
    fs::permissions(program + "flenmark", fs::perms::owner_all);
    const std::string outside = folders.root() + "/docs/";
    fs::create_directories(folders.applicationDataRoot() + "/Zolt");
    fs::create_directory_symlink(outside, folders.applicationDataRoot() + "/Zolt/sub");
    fs::create_directory_symlink(outside, program + "plugins");
    vendor.serve("/BrennetOnline.txt", "1");
    vendor.serve("/FlenmarkVersion.txt",
                 "MinVer=10300\r\nFile=/a.bin=<user>sub/planted=10300\r\n"
                 "File=/a.bin=<app>plugins/planted=10300\r\nFile=/a.bin=<user>kept.txt=10300\r\n"
                 "File=/moved.bin=<user>moved.txt=10300\r\n");
    vendor.serve("/a.bin", "payload");
    vendor.serveRaw("/moved.bin", Redirect(elsewhere.baseUrl() + "/a.bin"));
    vendor.serveRaw("/Submit.asp", Redirect(elsewhere.baseUrl() + "/Submit.asp"));
    elsewhere.serve("/a.bin", "elsewhere");
    auto env = RecorderEnvironment(folders);
    env.push_back("FLENMARK_VENDOR_URL=" + vendor.baseUrl());
    const auto r = testing::RunProgram(program + "flenmark-updater", {}, env);
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(ReadFile(folders.applicationDataRoot() + "/Zolt/kept.txt"), "payload");
    EXPECT_TRUE(fs::is_empty(outside));
    EXPECT_FALSE(fs::exists(folders.applicationDataRoot() + "/Zolt/moved.txt"));
    EXPECT_TRUE(elsewhere.requests().empty());
    for (int i = 0; i < 100 && !fs::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::exists(marker));
}

// The main program's start-up check with the same tricks: a newer updater whose destination
// leads through a link, and a usage report sent elsewhere.
TEST(HostileVendor, MainProgramWritesOnlyInsideItsFoldersAndFollowsNoRedirectAway) {
    testing::TempFolders folders;
    testing::PrivateRuntimeDir runtime;
    testing::VendorServer vendor, elsewhere;
    const std::string outside = folders.root() + "/docs/";
    fs::create_directory_symlink(outside, folders.data() + "sub");
    vendor.serve("/BrennetOnline.txt", "1");
    vendor.serve("/FlenmarkVersion.txt",
                 "UpdateVer=99999\r\nUpdater=/u.bin=<user>sub/flenmark-updater\r\n");
    vendor.serve("/u.bin", "#!/bin/sh\n");
    vendor.serveRaw("/Submit.asp", Redirect(elsewhere.baseUrl() + "/Submit.asp"));
    WriteFile(folders.data() + "Offsets.txt", "UsageReports=True\r\n");  // the user allowed them
    auto env = RecorderEnvironment(folders);
    env.push_back("FLENMARK_VENDOR_URL=" + vendor.baseUrl());
    testing::BackgroundProgram main(FLENMARK_MAIN_PATH, {}, env);
    auto reported = [&] {
        for (const std::string& r : vendor.requests())
            if (r.rfind("/Submit.asp", 0) == 0) return true;
        return false;
    };
    for (int i = 0; i < 200 && !reported(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(reported());
    main.terminate();
    main.waitFor(5000);
    EXPECT_TRUE(fs::is_empty(outside));
    EXPECT_TRUE(elsewhere.requests().empty());
}

#endif

}  // namespace
}  // namespace flenmark
