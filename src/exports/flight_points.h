#pragma once

#include <functional>
#include <string>

namespace flenmark {

// The points of a recorded flight for the exports: every "Animation.txt" frame beside the log
// when the flight was animated, every log line otherwise. Damaged lines are left out and
// counted.
struct FlightPoints {
    std::string logPath;
    // False when the log cannot be read.
    bool forEachPoint(const std::function<void(const std::string& line)>& take);
    // The log's lines, for its events.
    bool forEachLogLine(const std::function<void(const std::string& line)>& take);
    size_t damaged = 0;
};

// A number field of a line written plainly (no exponent), with "." as its decimal separator
// whatever the recording system's was.
std::string PlainField(const std::string& field);

}  // namespace flenmark
