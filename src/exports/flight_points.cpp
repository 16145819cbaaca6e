#include "exports/flight_points.h"

#include <algorithm>

#include "base/number_text.h"
#include "kml/log_lines.h"

namespace flenmark {
namespace {

bool ReadAll(const std::string& path, const std::function<void(const std::string&)>& take,
             size_t& damaged) {
    UsableLineReader reader(path, LineLayout::Log);
    if (!reader.opened()) return false;
    std::string line;
    while (reader.next(line)) take(line);
    damaged += reader.damaged();
    return true;
}

std::string AnimationBeside(const std::string& logPath) {
    const size_t slash = logPath.find_last_of('/');
    return (slash == std::string::npos ? std::string() : logPath.substr(0, slash + 1)) +
           "Animation.txt";
}

}  // namespace

bool FlightPoints::forEachPoint(const std::function<void(const std::string&)>& take) {
    const std::string animation = AnimationBeside(logPath);
    UsableLineReader probe(animation, LineLayout::Log);
    std::string first;
    if (probe.opened() && probe.next(first)) return ReadAll(animation, take, damaged);
    return ReadAll(logPath, take, damaged);
}

bool FlightPoints::forEachLogLine(const std::function<void(const std::string&)>& take) {
    size_t ignored = 0;  // counted once, with the points or here when the points are the log's
    return ReadAll(logPath, take, ignored);
}

std::string PlainField(const std::string& field) {
    if (const auto value = ParseNumber(field)) return PlainNumberText(*value, '.', 15);
    std::string out = field;
    std::replace(out.begin(), out.end(), ',', '.');
    return out;
}

}  // namespace flenmark
