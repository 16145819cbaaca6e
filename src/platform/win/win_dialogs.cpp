#include "platform/win/win_dialogs.h"

#include <shobjidl.h>

#include <vector>

#include "base/win_text.h"
#include "platform/win/win_input_box.h"

namespace flenmark {
namespace {

template <class T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr() {
        if (p) p->Release();
    }
    T* operator->() const { return p; }
};

// The chosen item's file-system path, or nothing.
std::optional<std::string> ChosenPath(IFileDialog* dialog) {
    ComPtr<IShellItem> item;
    if (FAILED(dialog->GetResult(&item.p))) return std::nullopt;
    PWSTR path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) return std::nullopt;
    std::string out = Narrow(path);
    CoTaskMemFree(path);
    return out;
}

// "GPX (*.gpx);;CSV (*.csv)" as the dialog's file types: each name with the patterns inside its
// parentheses.
std::vector<std::pair<std::wstring, std::wstring>> FileTypes(const std::string& filter) {
    std::vector<std::pair<std::wstring, std::wstring>> types;
    size_t at = 0;
    while (at <= filter.size()) {
        size_t end = filter.find(";;", at);
        if (end == std::string::npos) end = filter.size();
        const std::string part = filter.substr(at, end - at);
        const size_t open = part.find('('), close = part.rfind(')');
        if (open != std::string::npos && close != std::string::npos && close > open) {
            std::string patterns = part.substr(open + 1, close - open - 1);
            for (char& c : patterns)
                if (c == ' ') c = ';';
            types.emplace_back(Widen(part), Widen(patterns));
        }
        at = end + 2;
    }
    return types;
}

// Runs a file dialog on this (the GUI) thread with COM set up for it.
template <class Dialog>
std::optional<std::string> RunFileDialog(HWND owner, const CLSID& cls,
                                         void (*prepare)(Dialog*, const void*), const void* what) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    std::optional<std::string> out;
    {
        ComPtr<Dialog> dialog;
        if (SUCCEEDED(CoCreateInstance(cls, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Dialog),
                                       reinterpret_cast<void**>(&dialog.p)))) {
            prepare(dialog.p, what);
            if (SUCCEEDED(dialog->Show(owner))) out = ChosenPath(dialog.p);
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return out;
}

struct SaveRequest {
    std::wstring title, folder, name;
    std::vector<std::pair<std::wstring, std::wstring>> types;
};

void PrepareSave(IFileSaveDialog* d, const void* what) {
    const auto& r = *static_cast<const SaveRequest*>(what);
    d->SetTitle(r.title.c_str());
    std::vector<COMDLG_FILTERSPEC> filters;
    for (const auto& [name, patterns] : r.types)
        filters.push_back({name.c_str(), patterns.c_str()});
    if (!filters.empty()) {
        d->SetFileTypes(static_cast<UINT>(filters.size()), filters.data());
        const std::wstring& first = r.types.front().second;
        const size_t dot = first.find(L'.');
        if (dot != std::wstring::npos)
            d->SetDefaultExtension(first.substr(dot + 1, first.find(L';') - dot - 1).c_str());
    }
    d->SetFileName(r.name.c_str());
    ComPtr<IShellItem> folder;
    if (!r.folder.empty() &&
        SUCCEEDED(SHCreateItemFromParsingName(r.folder.c_str(), nullptr, IID_PPV_ARGS(&folder.p))))
        d->SetFolder(folder.p);
}

void PrepareFolder(IFileOpenDialog* d, const void* what) {
    d->SetTitle(static_cast<const std::wstring*>(what)->c_str());
    FILEOPENDIALOGOPTIONS options = 0;
    d->GetOptions(&options);
    d->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM);
}

}  // namespace

void WinDialogs::message(const std::string& title, const std::string& text) {
    gui_.run([&] { MessageBoxW(owner_, Widen(text).c_str(), Widen(title).c_str(), MB_OK); });
}

bool WinDialogs::askYesNo(const std::string& title, const std::string& text) {
    return OnGuiThread(gui_, [&] {
        return MessageBoxW(owner_, Widen(text).c_str(), Widen(title).c_str(),
                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    });
}

std::optional<std::string> WinDialogs::askText(const std::string& title,
                                               const std::string& prompt) {
    return OnGuiThread(gui_, [&]() -> std::optional<std::string> {
        const auto answer = AskTextBox(owner_, Widen(title), Widen(prompt));
        if (!answer) return std::nullopt;
        return Narrow(*answer);
    });
}

std::optional<std::string> WinDialogs::chooseFolder(const std::string& title) {
    const std::wstring wide = Widen(title);
    return OnGuiThread(gui_, [&] {
        return RunFileDialog<IFileOpenDialog>(owner_, CLSID_FileOpenDialog, PrepareFolder, &wide);
    });
}

std::optional<std::string> WinDialogs::chooseSaveFile(const std::string& title,
                                                      const std::string& suggested,
                                                      const std::string& filter) {
    SaveRequest r;
    r.title = Widen(title);
    std::wstring path = Widen(suggested);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    const size_t slash = path.find_last_of(L'\\');
    r.folder = slash == std::wstring::npos ? L"" : path.substr(0, slash);
    r.name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    r.types = FileTypes(filter);
    return OnGuiThread(gui_, [&] {
        return RunFileDialog<IFileSaveDialog>(owner_, CLSID_FileSaveDialog, PrepareSave, &r);
    });
}

}  // namespace flenmark
