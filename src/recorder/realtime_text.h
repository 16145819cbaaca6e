#pragma once

#include <cstdint>
#include <string>

namespace flenmark {

// What "Realtime.txt" holds: the first `logBytes` bytes of the log, then a tail of
// `tailBytes` (the latest sample line). Invalid until the first full copy.
struct RealtimeTextState {
    bool valid = false;
    uint64_t logBytes = 0;
    uint64_t tailBytes = 0;
};

// Makes "Realtime.txt" the log followed by `line` and CR LF. Only the part of the log that
// is new since the last call is copied; a log that shrank, or a realtime file that does not
// look as last left, is copied whole. False when the files could not be read or written.
bool UpdateRealtimeText(const std::string& logPath, const std::string& realtimePath,
                        const std::string& line, RealtimeTextState& state);

}  // namespace flenmark
