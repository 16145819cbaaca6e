#include "platform/system_clock.h"

#include <ctime>

#include "base/os_files.h"

namespace flenmark {
namespace {

DateTime FromTm(const std::tm& tm) {
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                    tm.tm_hour,        tm.tm_min,     tm.tm_sec > 59 ? 59 : tm.tm_sec};
}

DateTime LocalOf(std::time_t t) {
    return FromTm(os::LocalTime(t));
}

}  // namespace

DateTime SystemClock::localNow() const {
    return LocalOf(std::time(nullptr));
}

DateTime SystemClock::utcNow() const {
    return FromEpochSeconds(std::time(nullptr));
}

SteppedClock::SteppedClock() : startUtcSeconds_(std::time(nullptr)) {}

DateTime SteppedClock::localNow() const {
    return LocalOf(static_cast<std::time_t>(startUtcSeconds_ + offsetSeconds_));
}

DateTime SteppedClock::utcNow() const {
    return FromEpochSeconds(startUtcSeconds_ + offsetSeconds_);
}

}  // namespace flenmark
