#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace flenmark {

// The two line layouts the converters read: the 13 fields of "Flightlog.txt" and
// "Animation.txt", and the 12 fields of "Traffic.txt".
enum class LineLayout { Log, Traffic };

// True for a line a converter can use: its layout's number of fields, a 14-digit stamp, numbers
// where the layout has numbers, no control characters, and no longer than kLongestLogLine. A
// torn last line, a stray line or one cut short by a full disk is not usable.
bool IsUsableLine(std::string_view line, LineLayout layout);

// The usable lines of a file's text, in order; empty lines are skipped, other lines that are
// not usable are counted as damaged.
struct UsableLines {
    std::vector<std::string> lines;
    size_t damaged = 0;
};
UsableLines ReadUsableLines(std::string_view text, LineLayout layout);

// The usable lines of a file read one by one, whatever its length, with one line read ahead
// so a caller knows which line is the last. Damaged lines are skipped and counted; a line
// longer than kLongestLogLine is read past without being held.
class UsableLineReader {
  public:
    UsableLineReader(const std::string& path, LineLayout layout);
    bool opened() const { return opened_; }
    // The next usable line; false at the end of the file.
    bool next(std::string& line);
    // True when the line `next` gave last is the file's last usable line.
    bool atEnd() const { return !ahead_; }
    size_t damaged() const { return damaged_; }

  private:
    bool readUsable(std::string& line);
    bool readRaw(std::string& line, bool& tooLong);

    std::ifstream in_;
    LineLayout layout_;
    bool opened_ = false;
    bool ahead_ = false;
    std::string aheadLine_;
    size_t damaged_ = 0;
};

}  // namespace flenmark
