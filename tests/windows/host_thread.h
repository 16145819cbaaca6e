#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "simhost/host_server.h"

namespace flenmark::testing {

// The host window on a thread of its own with its message loop, as a simulator's window is:
// `prepare` sets its table and hooks up before it serves.
class HostThread {
  public:
    using Prepare = std::function<void(simhost::OffsetTable&, simhost::HostServer&)>;
    explicit HostThread(Prepare prepare = {}, simhost::HostFaults faults = {})
        : thread_([this, prepare, faults] { run(prepare, faults); }) {
        while (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~HostThread() { stop(); }
    void stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    bool started() const { return started_; }

  private:
    void run(const Prepare& prepare, simhost::HostFaults faults) {
        simhost::OffsetTable table;
        simhost::HostServer server(table, faults);
        server.setIdentity(0x19980005, 0xFADE0008);
        if (prepare) prepare(table, server);
        std::string error;
        started_ = server.start("UIPCMAIN", error);
        ready_ = true;
        while (started_ && !stop_) server.poll(10);
        server.stop();
    }

    std::atomic<bool> ready_{false}, started_{false}, stop_{false};
    std::thread thread_;
};

}  // namespace flenmark::testing
