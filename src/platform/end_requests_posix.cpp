#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include "platform/end_requests.h"

namespace flenmark {
namespace {

sigset_t EndSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

struct EndRequests::System {
    sigset_t before;
    bool requested = false;
};

// The signals are blocked, so they interrupt no system call (an exchange with the simulator
// goes on undisturbed); they wait as pending until waitFor takes them.
EndRequests::EndRequests() : system_(std::make_unique<System>()) {
    const sigset_t set = EndSignals();
    sigprocmask(SIG_BLOCK, &set, &system_->before);
}

EndRequests::~EndRequests() {
    // A request that came after the last wait is taken, so that unblocking does not end us.
    const sigset_t set = EndSignals();
    const timespec none{0, 0};
    while (sigtimedwait(&set, nullptr, &none) > 0) {
    }
    sigprocmask(SIG_SETMASK, &system_->before, nullptr);
}

bool EndRequests::waitFor(std::chrono::milliseconds wait) {
    if (system_->requested) return true;
    const sigset_t set = EndSignals();
    const auto end = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const long long ns =
            std::max<long long>(0, std::chrono::duration_cast<std::chrono::nanoseconds>(
                                       end - std::chrono::steady_clock::now())
                                       .count());
        const timespec timeout{static_cast<time_t>(ns / 1000000000),
                               static_cast<long>(ns % 1000000000)};
        if (sigtimedwait(&set, nullptr, &timeout) > 0) return system_->requested = true;
        if (errno != EINTR || ns == 0) return false;
    }
}

}  // namespace flenmark
