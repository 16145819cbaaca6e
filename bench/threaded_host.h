#pragma once

#include <stdlib.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "simhost/flight_state.h"
#include "simhost/host_server.h"

namespace flenmark::bench {

// A host in a private runtime folder, serving on a thread of its own: an aircraft at 3000 ft
// near 52.3 N 4.76 E with 40 aircraft around.
struct ThreadedHost {
    ThreadedHost() {
        char dir[] = "/tmp/flenmark-bench-run-XXXXXX";
        runtime = mkdtemp(dir);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        state.latDeg = 52.3;
        state.lonDeg = 4.76;
        state.onGround = 0;
        state.altFt = 3000;
        state.groundSpeedKt = 140;
        state.headingDeg = 90;
        for (int i = 0; i < 40; ++i)
            state.traffic[i] = {1000 + i, 52.3 + i * 0.01,          4.7, 2000.0 + i * 100, 90, 250,
                                0,        "KLM" + std::to_string(i)};
        state.writeTo(table);
        server.setIdentity(0x19980005, 0xFADE0008);
        std::string error;
        server.start("UIPCMAIN", error);
        thread = std::thread([this] {
            while (!stop) server.poll(5);
        });
    }
    ~ThreadedHost() {
        stop = true;
        thread.join();
        server.stop();
        std::filesystem::remove_all(runtime);
    }
    std::string runtime;
    simhost::FlightState state;
    simhost::OffsetTable table;
    simhost::HostServer server{table};
    std::atomic<bool> stop{false};
    std::thread thread;
};

}  // namespace flenmark::bench
