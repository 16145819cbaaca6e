#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace flenmark {

// The two line layouts the converters read: the 13 fields of "Flightlog.txt" and
// "Animation.txt", and the 12 fields of "Traffic.txt".
enum class LineLayout { Log, Traffic };

// True for a line a converter can use: enough fields, a 14-digit stamp, numbers where the
// layout has numbers, and no control characters. A torn last line, a stray line or one cut
// short by a full disk is not usable.
bool IsUsableLine(std::string_view line, LineLayout layout);

// The usable lines of a file's text, in order; empty lines are skipped, other lines that are
// not usable are counted as damaged.
struct UsableLines {
    std::vector<std::string> lines;
    size_t damaged = 0;
};
UsableLines ReadUsableLines(std::string_view text, LineLayout layout);

}  // namespace flenmark
