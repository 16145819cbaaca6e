#pragma once

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace flenmark {

// The lists of many time tracks (times, positions, headings, ...) kept aside in one temporary
// file, whatever their number: each list grows in memory until the lists of all tracks together
// pass a budget; then every list's text goes to the file as a piece, and the list remembers
// where its pieces lie. Memory stays within the budget and a little per track, and one file
// serves every track (a file per track would run out of the files a process may open).
class TrackStore {
  public:
    // `lists`: how many lists each track has. `budgetBytes`: what stays in memory at most.
    explicit TrackStore(size_t lists, size_t budgetBytes = 4 << 20);
    ~TrackStore();
    TrackStore(const TrackStore&) = delete;
    TrackStore& operator=(const TrackStore&) = delete;

    // A new track, without text; its number.
    size_t addTrack();
    size_t tracks() const { return tracks_.size() / lists_; }
    void append(size_t track, size_t list, std::string_view text);
    // Writes a list's text, in the order it was appended; throws ConversionFault when the
    // temporary file cannot be written or read back.
    void copyTo(std::ostream& out, size_t track, size_t list);

  private:
    struct Piece {
        uint64_t offset;
        size_t size;
    };
    struct List {
        std::string pending;
        std::vector<Piece> pieces;
    };
    void flushAll();

    size_t lists_;
    size_t budget_;
    std::vector<List> tracks_;  // the lists of track t at t * lists_ ...
    size_t pendingBytes_ = 0;
    std::FILE* file_ = nullptr;
    uint64_t fileSize_ = 0;
};

}  // namespace flenmark
