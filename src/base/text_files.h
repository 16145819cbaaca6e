#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flenmark {

// Small file operations, each opening and closing the file within the call.
// None throws; each reports success.

// No line of the program's logs is this long (a log line is under 300 bytes, a traffic line
// with the longest callsign under 200): a longer one is damaged, and readers skip it without
// holding it.
inline constexpr size_t kLongestLogLine = 1024;

// Creates an empty file when missing (open for appending, close).
bool EnsureFileExists(const std::string& path);

// Appends text as it stands, in one write: when the write falls short (a full disk), the file
// is cut back to its length before, so it never ends in a torn line.
bool AppendText(const std::string& path, std::string_view text);

// The whole file; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

enum class Durability {
    Flushed,   // on disk before it replaces the old file (settings: a crash keeps one of them)
    Replaced,  // replaces the old file whole; may still be in the cache (documents made anew)
};

// Replaces the file with `content`: written to a temporary file in the same folder, then
// renamed over the target, so a reader sees the old or the new file, never half of one.
bool WriteFileAtomically(const std::string& path, std::string_view content,
                         Durability durability = Durability::Flushed);
// The same for a file made of several parts, written one after the other without joining them.
bool WriteFileAtomically(const std::string& path, const std::vector<std::string_view>& parts,
                         Durability durability);

// The first `maxLines` lines of a file, reading no further than they reach (a log may be
// hours long), and never much more than maxLines lines of kLongestLogLine (a longer line may
// come back cut); nullopt when it cannot be read.
std::optional<std::vector<std::string>> ReadLeadingLines(const std::string& path, size_t maxLines);

// The last line of a file that is not empty, reading only the file's end: "" when there is none
// (a last line longer than kLongestLogLine may come back cut); nullopt when it cannot be read.
std::optional<std::string> ReadLastLine(const std::string& path);

// Lines of a text with CR LF, LF or CR line ends; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// The fields of a line between its `separator`s (one more than there are separators), as views
// into it.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

// Creates a folder with all its missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& path);

bool FileExists(const std::string& path);
bool RemoveFile(const std::string& path);
bool CopyFileReplacing(const std::string& from, const std::string& to);

// Deletes the files of `folder` whose names equal `name` regardless of letter case.
void RemoveFileIgnoringCase(const std::string& folder, const std::string& name);

}  // namespace flenmark
