#pragma once

#include <atomic>
#include <thread>
#include <vector>

namespace flenmark::bench {

// Every processor kept busy by a spinning thread while the object lives: a machine where the
// recorder shares the processors with the simulator, a browser, a compiler.
class BusyMachine {
  public:
    BusyMachine() {
        const unsigned n = std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < n; ++i)
            threads_.emplace_back([this] {
                volatile unsigned long spin = 0;
                while (!stop_.load(std::memory_order_relaxed)) spin = spin + 1;
            });
    }
    ~BusyMachine() {
        stop_ = true;
        for (auto& t : threads_) t.join();
    }

  private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

}  // namespace flenmark::bench
