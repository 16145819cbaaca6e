#pragma once

#include <string>

namespace flenmark {

// A piece of a flown line being drawn: its opener and its points. A piece is written only once
// it has two points: a line of one point, or none, is no line.
class LinePiece {
  public:
    void open(std::string opener) {
        opener_ = std::move(opener);
        text_ = opener_;
        points_ = 0;
    }
    void add(const std::string& point) {
        text_ += point;
        lastPoint_ = point;
        ++points_;
    }
    // Appends the piece and `end` when it makes a line, and starts afresh.
    void closeInto(std::string& out, const std::string& end) {
        if (points_ >= 2) {
            out += text_;
            out += end;
        }
        text_.clear();
        points_ = 0;
    }
    // Hands on what is drawn so far of a piece that already makes a line.
    void drainInto(std::string& out) {
        if (points_ < 2) return;
        out += text_;
        text_.clear();
    }
    // Appends what is drawn so far as a line of its own, ended by `end`, when it makes one; the
    // piece goes on from its last point under the same opener, so the two lines join.
    void cutInto(std::string& out, const std::string& end) {
        if (points_ < 2) return;
        out += text_;
        out += end;
        text_ = opener_ + lastPoint_;
        points_ = 1;
    }

  private:
    std::string opener_;
    std::string text_;
    std::string lastPoint_;
    int points_ = 0;
};

}  // namespace flenmark
