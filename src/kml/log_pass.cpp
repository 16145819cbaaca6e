#include "kml/log_pass.h"

#include "kml/kml_values.h"

namespace flenmark {

LogPass::LogPass(const std::string& path) : reader_(path, LineLayout::Log) {}

// A consumer that cannot take a line ends the pass: the conversion fails with its fault when
// the pass is finished, whoever was walking along the log when it happened.
bool LogPass::readLine(std::string& into) {
    if (failure_ || !reader_.next(into)) return false;
    ++lines_;
    try {
        for (const Consumer& consumer : consumers_) consumer(into, reader_.atEnd());
    } catch (...) {
        failure_ = std::current_exception();
        return false;
    }
    return true;
}

// The first two lines: the trail of a frame starts at the first and looks at the second.
void LogPass::begin() {
    begun_ = true;
    if (!readLine(at_)) return;
    atIsLast_ = reader_.atEnd();
    if (atIsLast_) return;
    before_ = at_;
    atIsLast_ = !readLine(at_) || reader_.atEnd();
}

TrailLines LogPass::trailFor(const std::string& frameStamp) {
    if (!begun_) begin();
    if (lines_ == 0 || failure_) return {nullptr, nullptr, true};
    if (lines_ == 1) return {&at_, &at_, true};
    while (!atIsLast_ && LogFields(at_)[1] < frameStamp) {
        before_.swap(at_);
        if (!readLine(at_)) return {nullptr, nullptr, true};  // a consumer failed: the pass ends
        atIsLast_ = reader_.atEnd();
    }
    return {&before_, &at_, false};
}

void LogPass::finish() {
    if (!begun_) begin();
    std::string line;
    while (readLine(line)) {
    }
    if (failure_) std::rethrow_exception(failure_);
}

}  // namespace flenmark
