// The real flenmark-updater against the vendor stand-in, with a stand-in main program in a
// temporary program folder.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/fakes.h"
#include "support/simhost_process.h"
#include "support/vendor_server.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

#ifdef FLENMARK_UPDATER_PATH

TEST(Updater, InstallsTheChangedFilesReportsAndRestartsTheProgram) {
    testing::TempFolders folders;
    testing::VendorServer vendor;
    const std::string program = folders.programFolder() + "/";
    fs::copy_file(FLENMARK_UPDATER_PATH, program + "flenmark-updater");
    const std::string marker = folders.root() + "/restarted";
    // The installed main program, version 1.2.5: it leaves a mark when started.
    WriteFile(program + "flenmark",
              "#!/bin/sh\n# FLENMARK-VERSION:1.2.5\ntouch '" + marker + "'\n");
    fs::permissions(program + "flenmark", fs::perms::owner_all);
    vendor.serve("/BrennetOnline.txt", "1");
    vendor.serve("/FlenmarkVersion.txt",
                 "MinVer=10300\r\nFile=/new.bin=<app>KMLSettings.txt=10300\r\nFile=/"
                 "old.bin=<app>old.bin=10205\r\n"
                 "File=/later.bin=<app>later.bin=10301\r\nFile=/notes.bin=<user>notes.txt=10300\r\n"
                 "File=/evil.bin=<app>../evil.bin=10300\r\n");
    for (const char* f : {"/new.bin", "/old.bin", "/later.bin", "/notes.bin", "/evil.bin"})
        vendor.serve(f, f);
    const auto r = testing::RunProgram(
        program + "flenmark-updater", {},
        {"QT_QPA_PLATFORM=offscreen", "FLENMARK_VENDOR_URL=" + vendor.baseUrl(),
         "XDG_DATA_HOME=" + folders.applicationDataRoot(), "HOME=" + folders.root()});
    EXPECT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(ReadFile(program + "KMLSettings.txt"), "/new.bin");
    EXPECT_EQ(ReadFile(folders.applicationDataRoot() + "/Zolt/notes.txt"), "/notes.bin");
    EXPECT_FALSE(fs::exists(program + "old.bin"));
    EXPECT_FALSE(fs::exists(program + "later.bin"));
    EXPECT_FALSE(fs::exists(folders.root() + "/evil.bin"));
    for (int i = 0; i < 100 && !fs::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::exists(marker));
    const auto requests = vendor.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().rfind("/Submit.asp?App=Updater&User=", 0), 0u);
    EXPECT_NE(requests.back().find("&Extra=Flen%201.2.5%20-%201.3.0"), std::string::npos);
}

#endif

}  // namespace
}  // namespace flenmark
