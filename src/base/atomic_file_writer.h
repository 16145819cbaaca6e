#pragma once

#include <fstream>
#include <memory>
#include <string>

#include "base/text_files.h"

namespace flenmark {

// A file written as a stream and put in place whole: the text goes, buffered, into a temporary
// file beside the target, and only commit() renames it over the target. A writer dropped without
// a commit removes its temporary file, so a reader sees the old or the new file, never half of
// one, however large the new one grows.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(std::string path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False when the temporary file could not be made.
    bool isOpen() const { return out_.is_open(); }
    std::ostream& stream() { return out_; }
    // Writes out the rest and renames the file over the target; false (and the target as it
    // was) when any write failed.
    bool commit(Durability durability = Durability::Replaced);

  private:
    std::string path_;
    std::string temp_;
    std::unique_ptr<char[]> buffer_;
    std::ofstream out_;
    bool committed_ = false;
};

}  // namespace flenmark
