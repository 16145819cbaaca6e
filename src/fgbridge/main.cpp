// flenmark-fgbridge: serves the FSUIPC link from a running FlightGear's property server.
#include <chrono>
#include <csignal>
#include <iostream>
#include <string>

#include "fgbridge/flightgear_reader.h"
#include "platform/posix_http.h"
#include "simhost/host_server.h"
#include "simlink/ipc_protocol.h"

namespace {

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) { gStop = 1; }

using Clock = std::chrono::steady_clock;

// Keeps the offset table filled from FlightGear: once a second, and before an exchange when
// the last reading is older than that. Without an answer for 3 seconds the bridge stops
// answering the link, so the recorder sees it lost, and answers again when FlightGear is back.
struct Bridge {
    flenmark::PosixHttp http{800};
    std::string fgUrl;
    flenmark::simhost::FlightState state;
    flenmark::simhost::OffsetTable table;
    flenmark::simhost::HostServer server{table};
    Clock::time_point lastTry{};
    Clock::time_point lastGood = Clock::now();

    void refresh() {
        lastTry = Clock::now();
        if (flenmark::fgbridge::ReadFlightGear(http, fgUrl, state)) {
            lastGood = lastTry;
            state.writeTo(table);
            server.setAnswering(true);
        } else if (lastTry - lastGood > std::chrono::seconds(3)) {
            server.setAnswering(false);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::string windowClass = flenmark::kMainWindowClass;
    std::string fgUrl = "http://127.0.0.1:8080";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--fg") fgUrl = argv[i + 1];
        else if (a == "--class") windowClass = argv[i + 1];
        else {
            std::cerr << "usage: flenmark-fgbridge [--fg http://HOST:PORT] [--class UIPCMAIN|FS98MAIN]\n";
            return 2;
        }
    }
    if (argc % 2 == 0) {
        std::cerr << "usage: flenmark-fgbridge [--fg http://HOST:PORT] [--class UIPCMAIN|FS98MAIN]\n";
        return 2;
    }
    Bridge bridge;
    bridge.fgUrl = fgUrl;
    bridge.server.setIdentity(0x19980005, 0xFADE0008);
    bridge.server.beforeExchange = [&bridge] {
        if (Clock::now() - bridge.lastTry > std::chrono::seconds(1)) bridge.refresh();
    };
    std::string error;
    if (!bridge.server.start(windowClass, error)) {
        std::cerr << "flenmark-fgbridge: " << error << "\n";
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::cerr << "flenmark-fgbridge: FlightGear at " << fgUrl << ", serving " << windowClass << "\n";
    bridge.refresh();
    while (!gStop) {
        bridge.server.poll(20);
        if (Clock::now() - bridge.lastTry >= std::chrono::seconds(1)) bridge.refresh();
    }
    bridge.server.stop();
    return 0;
}
