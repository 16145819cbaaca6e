#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/os_files.h"

namespace flenmark {

// A file written below a trusted folder that cannot lead out of it: every folder between
// the two is opened without following a symbolic link (and made when missing), the file
// itself may not be a link, and the content goes to a temporary file in the same folder that
// replaces the file only on commit. Without a commit the temporary file is removed.
class ConfinedFile {
  public:
    // `relative` is a path below `base` made of plain names ("a/b/file"): no "..", ".", empty
    // parts or NUL. nullopt when the path is refused or a folder on the way is a link or
    // cannot be made.
    static std::optional<ConfinedFile> create(const std::string& base, const std::string& relative);

    ConfinedFile(ConfinedFile&& other) noexcept;
    ConfinedFile& operator=(ConfinedFile&&) = delete;
    ConfinedFile(const ConfinedFile&) = delete;
    ~ConfinedFile();

    bool write(std::string_view bytes);
    uint64_t size() const { return size_; }
    // Flushes the content to disk and renames it over the file, which keeps the permissions of
    // the file it replaces (a new one is 0644); executable adds the execute bits. False (the
    // old file untouched) when any step fails.
    bool commit(bool executable);

  private:
    ConfinedFile(int folder, std::string name, std::string temp, os::File fd, unsigned mode);
    void discard();

    int folder_ = -1;
    std::string name_;
    std::string temp_;
    os::File fd_ = os::kNoFile;
    uint64_t size_ = 0;
    bool failed_ = false;
    unsigned mode_ = 0644;
};

// The plain names of a path below a trusted folder ("a/b/file"); nullopt for an empty path, NUL,
// "..", ".", empty parts or a backslash (a separator on Windows).
std::optional<std::vector<std::string>> ConfinedPathParts(const std::string& relative);

}  // namespace flenmark
