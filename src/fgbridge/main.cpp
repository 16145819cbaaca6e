// flenmark-fgbridge: serves the FSUIPC link from a running FlightGear's property server.
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>

#include "base/help_and_version.h"
#include "base/link_protocol.h"
#include "fgbridge/flightgear_reader.h"
#include "platform/posix_http.h"
#include "simhost/host_server.h"

namespace {

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) {
    gStop = 1;
}

using Clock = std::chrono::steady_clock;

// Reads FlightGear on a thread of its own, once a second and at once when asked, so that an
// exchange with the recorder never waits for FlightGear.
class FlightGearFeed {
  public:
    explicit FlightGearFeed(std::string url) : url_(std::move(url)), thread_([this] { run(); }) {}
    ~FlightGearFeed() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void askNow() { wake_.notify_all(); }
    // Copies a reading newer than the last one taken; false when there is none.
    bool take(flenmark::simhost::FlightState& state, Clock::time_point& readAt) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!fresh_) return false;
        state = latest_;
        readAt = readAt_;
        fresh_ = false;
        return true;
    }

  private:
    void run() {
        flenmark::PosixHttp http(1500, 8 << 20);  // a busy sky makes a large AI tree
        flenmark::simhost::FlightState state;
        std::unique_lock<std::mutex> lock(mutex_);
        while (!stop_) {
            lock.unlock();
            const bool ok = flenmark::fgbridge::ReadFlightGear(http, url_, state);
            lock.lock();
            if (ok) {
                latest_ = state;
                readAt_ = Clock::now();
                fresh_ = true;
            }
            wake_.wait_for(lock, std::chrono::seconds(1), [this] { return stop_; });
        }
    }

    std::string url_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool fresh_ = false;
    flenmark::simhost::FlightState latest_;
    Clock::time_point readAt_{};
    std::thread thread_;
};

const char* kUsage =
    "usage: flenmark-fgbridge [--fg http://HOST:PORT] [--class UIPCMAIN|FS98MAIN]\n"
    "       flenmark-fgbridge --help | --version\n";

}  // namespace

int main(int argc, char** argv) {
    if (const auto done = flenmark::AnswerHelpOrVersion(argc, argv, "flenmark-fgbridge", kUsage))
        return *done;
    std::string windowClass = flenmark::kMainWindowClass;
    std::string fgUrl = "http://127.0.0.1:8080";
    if (argc % 2 == 0) return std::cerr << kUsage, 2;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--fg")
            fgUrl = argv[i + 1];
        else if (a == "--class")
            windowClass = argv[i + 1];
        else
            return std::cerr << kUsage, 2;
    }
    flenmark::simhost::OffsetTable table;
    flenmark::simhost::HostServer server(table);
    server.setIdentity(0x19980005, 0xFADE0008);
    server.setAnswering(false);  // nothing to tell before FlightGear's first answer
    std::string error;
    if (!server.start(windowClass, error)) {
        std::cerr << "flenmark-fgbridge: " << error << "\n";
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::cerr << "flenmark-fgbridge: FlightGear at " << fgUrl << ", serving " << windowClass
              << "\n";
    FlightGearFeed feed(fgUrl);
    flenmark::simhost::FlightState state;
    Clock::time_point readAt{};
    bool everRead = false;
    server.beforeExchange = [&] {
        if (Clock::now() - readAt > std::chrono::seconds(1)) feed.askNow();
    };
    while (!gStop) {
        server.poll(20);
        if (feed.take(state, readAt)) {
            state.writeTo(table);
            everRead = true;
        }
        // Stale values are not served as live: after 3 seconds without FlightGear the link goes
        // quiet.
        server.setAnswering(everRead && Clock::now() - readAt < std::chrono::seconds(3));
    }
    server.stop();
    return 0;
}
