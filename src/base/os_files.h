#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace flenmark::os {

// The few calls on files, processes and the local time the lower layers make, one implementation for POSIX
// systems and one for Windows. Paths are UTF-8.

// An open file; kNoFile when a call could not open one.
using File = std::intptr_t;
inline constexpr File kNoFile = -1;

// For appending, made when missing.
File OpenForAppend(const std::string& path);
// For writing from the start, made when missing, emptied when not.
File OpenForWriting(const std::string& path);
// For reading.
File OpenForReading(const std::string& path);
// A lock file, made when missing; never through a symbolic link.
File OpenLockFile(const std::string& path);

// Writes all of `bytes` or returns false.
bool Write(File file, std::string_view bytes);
// Bytes read into `buffer`: 0 at the end, -1 on an error.
long Read(File file, char* buffer, size_t size);
// Flushes what was written to the disk.
bool Sync(File file);
// Moves the place of the next read to `offset` bytes from the start.
bool Seek(File file, uint64_t offset);
// The same for a C stream, at offsets beyond 2 GiB too.
bool Seek(std::FILE* stream, uint64_t offset);
// Cuts the file back to `size` bytes.
bool Truncate(File file, uint64_t size);
// The size of a regular file; nullopt for anything else (a folder, a device).
std::optional<uint64_t> RegularFileSize(File file);
// Locks the file for this process alone; false at once when another holds it.
bool TryLockExclusive(File file);
bool Close(File file);

// Renames `from` to `to`, replacing `to` when it exists.
bool RenameReplacing(const std::string& from, const std::string& to);
void RemoveFile(const std::string& path);

// Why the last call on a file of this thread failed, as far as a user can do something about it.
enum class FileProblem { Missing, ReadOnly, Full, Other };
FileProblem LastFileProblem();

long ProcessId();
// The local time of a moment, in the system's time zone.
std::tm LocalTime(std::time_t moment);
// True only when no process `pid` runs (one that cannot be asked counts as running).
bool ProcessSurelyGone(long pid);

}  // namespace flenmark::os
