#pragma once

#include <chrono>
#include <memory>

namespace flenmark {

// The requests that a program end, as the user or the system makes them: Ctrl+C and SIGTERM
// (on Windows, Ctrl+C and Ctrl+Break in the console). From construction on they no longer end
// the program at once: it asks, and ends when it has finished what it was doing. One at a time.
class EndRequests {
  public:
    EndRequests();
    ~EndRequests();
    EndRequests(const EndRequests&) = delete;
    EndRequests& operator=(const EndRequests&) = delete;

    // Waits up to `wait` for a request; true when one came (now or before).
    bool waitFor(std::chrono::milliseconds wait);

  private:
    struct System;  // what the system's implementation keeps
    std::unique_ptr<System> system_;
};

}  // namespace flenmark
