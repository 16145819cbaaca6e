#pragma once

#include <chrono>

#include "simlink/sim_link.h"

namespace flenmark {

// How long one tick may wait for the simulator in all; a tick that would wait longer counts
// as a lost connection.
inline constexpr std::chrono::milliseconds kTickBudget{2500};

// Holds the link to the tick's deadline while it lives.
class TickDeadline {
  public:
    explicit TickDeadline(SimLink& link) : link_(link) {
        link_.setDeadline(std::chrono::steady_clock::now() + kTickBudget);
    }
    ~TickDeadline() { link_.setDeadline(std::nullopt); }
    TickDeadline(const TickDeadline&) = delete;
    TickDeadline& operator=(const TickDeadline&) = delete;

  private:
    SimLink& link_;
};

}  // namespace flenmark
