#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "kml/log_lines.h"
#include "kml/replay_parts.h"

namespace flenmark {

// One reading of a flight log, line by line, handing each usable line to every part of the
// document made from the log as soon as it is read. The replay's frames walk along it: the
// pass reads no further than the frame being made needs.
class LogPass {
  public:
    // Each line once, in order; `last` is true for the log's last usable line.
    using Consumer = std::function<void(const std::string& line, bool last)>;

    explicit LogPass(const std::string& path);
    bool opened() const { return reader_.opened(); }
    // Consumers added before the first line is read see every line.
    void addConsumer(Consumer consumer) { consumers_.push_back(std::move(consumer)); }

    // The log lines of the trail of a frame at `frameStamp`; frames come in time order.
    // Nothing (a null start) while the log has no usable line.
    TrailLines trailFor(const std::string& frameStamp);
    // Reads the rest of the log; throws what a consumer threw on a line it could not take.
    void finish();
    size_t lines() const { return lines_; }
    size_t damaged() const { return reader_.damaged(); }

  private:
    bool readLine(std::string& into);
    void begin();

    UsableLineReader reader_;
    std::vector<Consumer> consumers_;
    bool begun_ = false;
    size_t lines_ = 0;
    std::string before_;  // the line before `at_`
    std::string at_;
    bool atIsLast_ = true;
    std::exception_ptr failure_;
};

}  // namespace flenmark
