#include "kml/log_pass.h"

#include "kml/kml_values.h"

namespace flenmark {

LogPass::LogPass(const std::string& path) : reader_(path, LineLayout::Log) {}

bool LogPass::readLine(std::string& into) {
    if (!reader_.next(into)) return false;
    ++lines_;
    for (const Consumer& consumer : consumers_) consumer(into, reader_.atEnd());
    return true;
}

// The first two lines: the trail of a frame starts at the first and looks at the second.
void LogPass::begin() {
    begun_ = true;
    if (!readLine(at_)) return;
    atIsLast_ = reader_.atEnd();
    if (atIsLast_) return;
    before_ = at_;
    readLine(at_);
    atIsLast_ = reader_.atEnd();
}

TrailLines LogPass::trailFor(const std::string& frameStamp) {
    if (!begun_) begin();
    if (lines_ == 0) return {nullptr, nullptr, true};
    if (lines_ == 1) return {&at_, &at_, true};
    while (!atIsLast_ && LogFields(at_)[1] < frameStamp) {
        before_.swap(at_);
        readLine(at_);
        atIsLast_ = reader_.atEnd();
    }
    return {&before_, &at_, false};
}

void LogPass::finish() {
    if (!begun_) begin();
    std::string line;
    while (readLine(line)) {
    }
}

}  // namespace flenmark
