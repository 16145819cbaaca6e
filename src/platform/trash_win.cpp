// The Recycle Bin, through the shell's file operation with undo allowed. Where an item cannot
// go there (a network drive, say) the shell asks before deleting it for good.
#include <windows.h>
// The system's other headers need the types of windows.h.
#include <shellapi.h>

#include <filesystem>
#include <system_error>

#include "base/utf8_path.h"
#include "platform/trash.h"

namespace flenmark {

bool MoveToTrash(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path item = fs::absolute(PathOf(path), ec).lexically_normal();
    if (ec || !fs::exists(item, ec)) return false;
    std::wstring from = item.wstring();
    while (from.size() > 3 && from.back() == L'\\') from.pop_back();
    from.push_back(L'\0');  // the list of paths ends with a second one
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags =
        FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_SILENT | FOF_NOERRORUI;
    if (SHFileOperationW(&operation) != 0 || operation.fAnyOperationsAborted) return false;
    return !fs::exists(item, ec);
}

}  // namespace flenmark
