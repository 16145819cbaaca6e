#include <windows.h>

#include <algorithm>

#include "base/os_files.h"
#include "base/win_text.h"

namespace flenmark::os {
namespace {

HANDLE Handle(File file) {
    return reinterpret_cast<HANDLE>(file);
}

File Open(const std::string& path, DWORD access, DWORD disposition, DWORD flags = 0) {
    const HANDLE h = CreateFileW(Widen(path).c_str(), access,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 disposition, FILE_ATTRIBUTE_NORMAL | flags, nullptr);
    return h == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<File>(h);
}

}  // namespace

File OpenForAppend(const std::string& path) {
    return Open(path, FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | GENERIC_WRITE, OPEN_ALWAYS);
}

File OpenForWriting(const std::string& path) {
    return Open(path, GENERIC_WRITE, CREATE_ALWAYS);
}

File OpenForReading(const std::string& path) {
    return Open(path, GENERIC_READ, OPEN_EXISTING);
}

File OpenLockFile(const std::string& path) {
    return Open(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, FILE_FLAG_OPEN_REPARSE_POINT);
}

bool Write(File file, std::string_view bytes) {
    // Appending: every write goes to the end, as O_APPEND does.
    LARGE_INTEGER end{};
    SetFilePointerEx(Handle(file), end, nullptr, FILE_END);
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(Handle(file), bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

long Read(File file, char* buffer, size_t size) {
    DWORD got = 0;
    if (!ReadFile(Handle(file), buffer, static_cast<DWORD>(size), &got, nullptr)) return -1;
    return static_cast<long>(got);
}

bool Sync(File file) {
    return FlushFileBuffers(Handle(file)) != 0;
}

bool Seek(File file, uint64_t offset) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(Handle(file), at, nullptr, FILE_BEGIN) != 0;
}

bool Seek(std::FILE* stream, uint64_t offset) {
    return ::_fseeki64(stream, static_cast<long long>(offset), SEEK_SET) == 0;
}

FileProblem LastFileProblem() {
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return FileProblem::Missing;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return FileProblem::ReadOnly;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileProblem::Full;
        default:
            return FileProblem::Other;
    }
}

bool Truncate(File file, uint64_t size) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(Handle(file), at, nullptr, FILE_BEGIN) && SetEndOfFile(Handle(file));
}

std::optional<uint64_t> RegularFileSize(File file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(Handle(file), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || GetFileType(Handle(file)) != FILE_TYPE_DISK)
        return std::nullopt;
    return (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

bool TryLockExclusive(File file) {
    OVERLAPPED whole{};
    return LockFileEx(Handle(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                      MAXDWORD, &whole) != 0;
}

bool Close(File file) {
    return CloseHandle(Handle(file)) != 0;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
    return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void RemoveFile(const std::string& path) {
    DeleteFileW(Widen(path).c_str());
}

std::tm LocalTime(std::time_t moment) {
    std::tm tm{};
    localtime_s(&tm, &moment);
    return tm;
}

long ProcessId() {
    return static_cast<long>(GetCurrentProcessId());
}

bool ProcessSurelyGone(long pid) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process) return GetLastError() == ERROR_INVALID_PARAMETER;  // no such process
    const bool gone = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return gone;
}

}  // namespace flenmark::os
