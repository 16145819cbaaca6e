// The confined file on Windows: every folder below the trusted one is checked not to be a link
// (a junction or a symbolic link) before it is used, the file itself may not be one, and the
// content goes to a temporary file beside it, moved over it on commit.
#include <windows.h>

#include <filesystem>

#include "base/confined_file.h"
#include "base/os_files.h"
#include "base/win_text.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

bool IsLink(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// How long a file in use may keep the new one from taking its place.
constexpr int kInUseWaitMs = 10000;
constexpr int kInUseRetryMs = 100;

// Moves the new file over the old one. A program's file cannot be replaced while the program
// runs, and the main program starts the updater and then ends: the move is tried again until
// the file is free or the wait is over.
bool MoveOver(const std::string& from, const std::string& to) {
    for (int waitedMs = 0;; waitedMs += kInUseRetryMs) {
        if (os::RenameReplacing(from, to)) return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            waitedMs >= kInUseWaitMs)
            return false;
        Sleep(kInUseRetryMs);
    }
}

}  // namespace

std::optional<ConfinedFile> ConfinedFile::create(const std::string& base,
                                                 const std::string& relative) {
    const auto parts = ConfinedPathParts(relative);
    if (!parts || base.find('\0') != std::string::npos) return std::nullopt;
    fs::path folder(Widen(base));
    std::error_code ec;
    for (size_t i = 0; i + 1 < parts->size(); ++i) {
        folder /= Widen((*parts)[i]);
        if (IsLink(folder)) return std::nullopt;
        fs::create_directory(folder, ec);
        if (!fs::is_directory(folder, ec)) return std::nullopt;
    }
    const fs::path file = folder / Widen(parts->back());
    if (IsLink(file) || (fs::exists(file, ec) && !fs::is_regular_file(file, ec)))
        return std::nullopt;
    const std::string target = Narrow(file.wstring());
    const std::string temp = Narrow(
        (folder / Widen("." + parts->back() + ".tmp" + std::to_string(os::ProcessId()))).wstring());
    os::RemoveFile(temp);  // left by a run that died
    const os::File out = os::OpenForWriting(temp);
    if (out == os::kNoFile) return std::nullopt;
    return ConfinedFile(-1, target, temp, out, 0644);
}

void ConfinedFile::discard() {
    if (fd_ != -1) {
        os::Close(fd_);
        os::RemoveFile(temp_);
    }
    fd_ = folder_ = -1;
}

bool ConfinedFile::write(std::string_view bytes) {
    if (failed_ || fd_ == -1) return false;
    failed_ = !os::Write(fd_, bytes);
    if (!failed_) size_ += bytes.size();
    return !failed_;
}

bool ConfinedFile::commit(bool) {
    if (failed_ || fd_ == -1) return false;
    bool ok = os::Sync(fd_);
    ok = os::Close(fd_) && ok;
    fd_ = -1;
    ok = ok && MoveOver(temp_, name_);
    if (!ok) os::RemoveFile(temp_);
    discard();
    return ok;
}

}  // namespace flenmark
