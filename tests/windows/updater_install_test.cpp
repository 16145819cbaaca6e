// The updater on Windows: what it downloads goes into the per-user program folder (or its data
// folder) and nowhere else: not out through "..", another drive or a share, nor through a
// junction or a symbolic link planted below the folder; and it replaces a program that is
// still ending once that program has let go of its file.
#include <windows.h>
// The system's other headers need the types of windows.h.
#include <gtest/gtest.h>
#include <winioctl.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "base/utf8_path.h"
#include "online/downloads.h"
#include "online/fake_http.h"
#include "support/fakes.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

// Files by their UTF-8 names (this test program keeps the system's code page).
std::string ReadFile(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(PathOf(path), std::ios::binary) << content;
}

const std::string kHome = "C:\\Users\\J\xC3\xBCrgen \xC5\x81ukasz\\AppData\\";
const std::string kProgram = kHome + "Local\\Programs\\Flenmark/";
const std::string kUser = kHome + "Roaming\\Zolt/";

struct DestinationCase {
    const char* destination;
    const char* resolved;  // below the folders; "" for refused
};

class WindowsDestinationTest : public ::testing::TestWithParam<DestinationCase> {};

TEST_P(WindowsDestinationTest, OnlyInsideTheProgramOrUserFolder) {
    const auto r = ResolveDownloadDestination(GetParam().destination, kProgram, kUser);
    const std::string want = GetParam().resolved;
    if (want.empty()) {
        EXPECT_FALSE(r) << r->path();
        return;
    }
    ASSERT_TRUE(r);
    EXPECT_EQ(PathOf(r->path()).lexically_normal(), PathOf(kHome + want).lexically_normal());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, WindowsDestinationTest, ::testing::Values(
    DestinationCase{"<app>flenmark.exe", "Local\\Programs\\Flenmark\\flenmark.exe"},
    DestinationCase{"<app>icons\\dot.png", "Local\\Programs\\Flenmark\\icons\\dot.png"},
    DestinationCase{"<user>notes.txt", "Roaming\\Zolt\\notes.txt"},
    DestinationCase{"<app>..\\flenmark.exe", ""},
    DestinationCase{"<app>icons\\..\\..\\evil.exe", ""},
    DestinationCase{"C:\\Windows\\System32\\evil.dll", ""},
    DestinationCase{"C:\\Users\\J\xC3\xBCrgen \xC5\x81ukasz\\AppData\\Local\\Programs\\Flenmark2\\x.exe", ""},
    DestinationCase{"\\\\server\\share\\evil.exe", ""},
    DestinationCase{"D:evil.exe", ""}, DestinationCase{"flenmark.exe", ""}));
// clang-format on

// A junction (as `mklink /J` makes it) from the new folder `link` to `target`.
bool MakeJunction(const fs::path& link, const fs::path& target) {
    if (!CreateDirectoryW(link.c_str(), nullptr)) return false;
    const HANDLE h =
        CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    // The mount point's reparse data: tag, sizes, then the NT path and an empty print name.
    const std::wstring name = L"\\??\\" + fs::path(target).make_preferred().wstring();
    const WORD nameBytes = static_cast<WORD>(name.size() * sizeof(wchar_t));
    std::vector<WORD> data(8 + name.size() + 2);
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    std::memcpy(data.data(), &tag, sizeof tag);
    data[2] = static_cast<WORD>(8 + nameBytes + 4);  // the data after the header
    data[4] = 0, data[5] = nameBytes, data[6] = nameBytes + 2, data[7] = 0;  // the two names
    std::memcpy(&data[8], name.c_str(), nameBytes);
    DWORD done = 0;
    const bool made =
        DeviceIoControl(h, FSCTL_SET_REPARSE_POINT, data.data(),
                        static_cast<DWORD>(data.size() * sizeof(WORD)), nullptr, 0, &done, nullptr);
    CloseHandle(h);
    if (!made) RemoveDirectoryW(link.c_str());
    return made;
}

bool IsReparsePoint(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Wine keeps no reparse points of its own: a Unix symbolic link is what it shows as one (a
// link to a folder as a reparse point, a link to a file as the file).
bool MakeWineLink(const fs::path& link, const fs::path& target) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!unixName) return false;
    std::wstring line = L"ln -s";
    for (const fs::path* path : {&target, &link}) {
        char* name = unixName(path->c_str());
        if (!name) return false;
        line += L" \"" + PathOf(name).wstring() + L"\"";
        HeapFree(GetProcessHeap(), 0, name);
    }
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\ln", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &start, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // A Unix process's handle does not wait for its end: the link is waited for instead.
    for (int waitedMs = 0; waitedMs < 10000; waitedMs += 20) {
        if (GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        Sleep(20);
    }
    return false;
}

// `link` leads to the folder `target`: a junction, or wine's kind of link.
bool MakeFolderLink(const fs::path& link, const fs::path& target) {
    return MakeJunction(link, target) || (MakeWineLink(link, target) && IsReparsePoint(link));
}

// `link` leads to the file `target`: a symbolic link (Windows lets a user without rights make
// one in developer mode), or wine's kind of link.
bool MakeFileLink(const fs::path& link, const fs::path& target) {
    return (CreateSymbolicLinkW(link.c_str(), target.c_str(),
                                SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
            IsReparsePoint(link)) ||
           MakeWineLink(link, target);
}

class UpdaterInstallTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(PathOf(program));
        fs::create_directories(PathOf(outside));
        WriteFile(program + "flenmark.exe", "old program");
        WriteFile(outside + "target", "outside");
    }
    bool save(const std::string& relative, const std::string& content) {
        http.answers["/file"] = content;
        return SaveDownload(http, "/file", {program, relative}, true, 1000);
    }
    testing::TempFolders folders;
    testing::FakeHttp http;
    const std::string program = folders.root() + "/J\xC3\xBCrgen/Programs/Flenmark/";
    const std::string outside = folders.root() + "/outside/";
};

TEST_F(UpdaterInstallTest, ReplacesTheInstalledProgramsAndAddsTheirFiles) {
    EXPECT_TRUE(save("flenmark.exe", "new program"));
    EXPECT_TRUE(save("icons/dot.png", "dot"));
    EXPECT_EQ(ReadFile(program + "flenmark.exe"), "new program");
    EXPECT_EQ(ReadFile(program + "icons/dot.png"), "dot");
    for (const auto& e : fs::recursive_directory_iterator(PathOf(program)))
        EXPECT_EQ(TextOf(e.path().filename()).find(".tmp"), std::string::npos);  // none left
}

TEST_F(UpdaterInstallTest, JunctionsAndLinksBelowTheFolderAreRefused) {
    if (!MakeFolderLink(PathOf(program + "plugins"), PathOf(outside)))
        GTEST_SKIP() << "this system makes no junction";
    EXPECT_FALSE(save("plugins/evil.exe", "evil"));
    EXPECT_FALSE(save("plugins/sub/evil.exe", "evil"));
    // A link to a file outside: refused where the system shows it as a link; wine shows it as
    // a file, which the download replaces (the link, never what it leads to).
    const fs::path fileLink = PathOf(program + "flenmark-updater.exe");
    ASSERT_TRUE(MakeFileLink(fileLink, PathOf(outside + "target")));
    const bool replaced = save("flenmark-updater.exe", "new updater");
    if (IsReparsePoint(fileLink)) {
        EXPECT_FALSE(replaced);
    }
    EXPECT_EQ(ReadFile(outside + "target"), "outside");
    size_t outsideFiles = 0;
    for (const auto& e : fs::recursive_directory_iterator(PathOf(outside))) {
        (void)e;
        ++outsideFiles;
    }
    EXPECT_EQ(outsideFiles, 1u);
    EXPECT_TRUE(save("flenmark.exe", "new program"));  // the rest of the folder still works
}

// The main program starts the updater and ends; until it has, its file cannot be replaced.
TEST_F(UpdaterInstallTest, AProgramStillEndingIsReplacedOnceItHasEnded) {
    const HANDLE running = CreateFileW(PathOf(program + "flenmark.exe").c_str(), GENERIC_READ,
                                       FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(running, INVALID_HANDLE_VALUE);
    std::thread ending([running] {
        Sleep(500);
        CloseHandle(running);
    });
    const bool saved = save("flenmark.exe", "new program");
    ending.join();
    EXPECT_TRUE(saved);
    EXPECT_EQ(ReadFile(program + "flenmark.exe"), "new program");
}

}  // namespace
}  // namespace flenmark
