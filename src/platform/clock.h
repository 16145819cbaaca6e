#pragma once

#include "base/date_time.h"

namespace flenmark {

// The wall clock: local time and UTC of the same moment.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual DateTime localNow() const = 0;
    virtual DateTime utcNow() const = 0;
};

}  // namespace flenmark
