#pragma once

#include "platform/clock.h"

namespace flenmark {

// The machine's clock through the C library's local time and UTC.
class SystemClock final : public Clock {
  public:
    DateTime localNow() const override;
    DateTime utcNow() const override;
};

// A clock that starts at the real time and moves on exactly one second per tick() call.
// Lets a headless recording run faster than real time while its stamps read as if real.
class SteppedClock final : public Clock {
  public:
    SteppedClock();
    void tick() { ++offsetSeconds_; }
    DateTime localNow() const override;
    DateTime utcNow() const override;

  private:
    int64_t startUtcSeconds_;
    int64_t offsetSeconds_ = 0;
};

}  // namespace flenmark
