// The X-Plane stand-in as a program, for bridges that run elsewhere (flenmark-xpbridge.exe under
// wine, in scripts/test-windows):
//   xplane-standin   prints its address (127.0.0.1:PORT) and answers until SIGTERM or SIGINT.
// It shows the short approach held at its start until SIGUSR1, which starts the flight.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <iostream>

#include "support/xplane_flight.h"
#include "support/xplane_standin.h"

namespace {

volatile std::sig_atomic_t gStop = 0;
volatile std::sig_atomic_t gGo = 0;

}  // namespace

int main() {
    using Clock = std::chrono::steady_clock;
    std::atomic<bool> flying{false};
    std::atomic<Clock::rep> startedAt{0};
    flenmark::testing::XPlaneStandIn xplane([&](double) {
        if (!flying) return flenmark::testing::ShortXPlaneFlight(0);
        const Clock::duration since =
            Clock::now().time_since_epoch() - Clock::duration(startedAt.load());
        return flenmark::testing::ShortXPlaneFlight(std::chrono::duration<double>(since).count());
    });
    std::signal(SIGTERM, [](int) { gStop = 1; });
    std::signal(SIGINT, [](int) { gStop = 1; });
    std::signal(SIGUSR1, [](int) { gGo = 1; });
    std::cout << xplane.address() << std::endl;
    while (!gStop) {
        if (gGo && !flying) {
            startedAt = Clock::now().time_since_epoch().count();
            flying = true;
        }
        ::usleep(10000);
    }
    std::cerr << "xplane-standin: " << xplane.subscriptions() << " subscriptions held, "
              << xplane.cancellations() << " cancelled\n";
    return 0;
}
