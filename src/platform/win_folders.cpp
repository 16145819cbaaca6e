#include "platform/win_folders.h"

#include <shlobj.h>
#include <windows.h>

#include "base/win_text.h"

namespace flenmark {
namespace {

std::string KnownFolder(const KNOWNFOLDERID& id) {
    PWSTR path = nullptr;
    const HRESULT r = SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path);
    std::string out = SUCCEEDED(r) && path ? Narrow(path) : std::string();
    CoTaskMemFree(path);
    if (out.empty()) throw FolderError("The folder path could not be detected");
    return out;
}

}  // namespace

std::string WinFolders::applicationDataRoot() const {
    return KnownFolder(FOLDERID_RoamingAppData);
}

std::string WinFolders::documentsRoot() const {
    return KnownFolder(FOLDERID_Documents);
}

std::string WinFolders::programFolder() const {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) throw FolderError("The folder path could not be detected");
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return Narrow(path.substr(0, path.find_last_of(L"\\/")));
}

}  // namespace flenmark
