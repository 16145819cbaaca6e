#pragma once

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

namespace flenmark {

// A part of a document made while another part is being made: kept in an anonymous temporary
// file (a small buffer in memory), then copied into the document in its place. A long flight's
// parts never have to fit in memory.
class Spill {
  public:
    // `bufferBytes`: how much stays in memory before the text goes to the file.
    explicit Spill(size_t bufferBytes = 1 << 20);
    ~Spill();
    Spill(const Spill&) = delete;
    Spill& operator=(const Spill&) = delete;

    void append(std::string_view text);
    // Appends the text and empties it, keeping its capacity for the next line.
    void take(std::string& text) {
        append(text);
        text.clear();
    }
    bool empty() const { return size_ == 0; }
    // Writes everything appended so far to `out`; throws ConversionFault when the temporary
    // file cannot be written or read back.
    void copyTo(std::ostream& out);
    // The whole text, for the rare caller that must rewrite it.
    std::string text();

  private:
    void flush();

    std::FILE* file_ = nullptr;
    std::string buffer_;
    size_t bufferBytes_;
    size_t size_ = 0;
};

}  // namespace flenmark
