#include "platform/win/win_shell.h"

#include <windows.h>
// The system's other headers need the types of windows.h.
#include <shellapi.h>

#include "base/win_text.h"

namespace flenmark {
namespace {

std::wstring Quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, L'\\');
    return out + L"\"";
}

std::wstring WindowsPath(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.find(L"://") == std::wstring::npos)
        for (wchar_t& c : wide)
            if (c == L'/') c = L'\\';
    return wide;
}

}  // namespace

std::wstring QuotedCommandLine(const std::string& program, const std::vector<std::string>& args) {
    std::wstring line = Quoted(WindowsPath(program));
    for (const std::string& a : args) line += L" " + Quoted(Widen(a));
    return line;
}

bool WinShell::open(const std::string& pathOrAddress) {
    const std::wstring target = WindowsPath(pathOrAddress);
    bool opened = false;
    auto openHere = [&] {
        // The shell's handlers may use COM: this thread gets its own apartment for the call.
        const HRESULT com =
            CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        const auto r = reinterpret_cast<INT_PTR>(
            ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        opened = r > 32;
        if (SUCCEEDED(com)) CoUninitialize();
    };
    if (gui_)
        gui_->run(openHere);
    else
        openHere();
    return opened;
}

bool WinShell::startProgram(const std::string& path, const std::vector<std::string>& args) {
    std::wstring line = QuotedCommandLine(path, args);
    const std::wstring program = WindowsPath(path);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE,
                        DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &start,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace flenmark
