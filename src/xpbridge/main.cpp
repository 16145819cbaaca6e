// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark-xpbridge: serves the FSUIPC link from X-Plane's UDP data interface.
#include <chrono>
#include <csignal>
#include <iostream>
#include <string>

#include "base/command_line_error.h"
#include "base/help_and_version.h"
#include "base/link_protocol.h"
#include "simhost/answer_report.h"
#include "simhost/host_server.h"
#include "xpbridge/xplane_feed.h"
#include "xpbridge/xplane_state.h"

namespace {

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) {
    gStop = 1;
}

const char* kUsage =
    "Usage: flenmark-xpbridge [--xplane HOST:PORT] [--rate HZ] [--class UIPCMAIN|FS98MAIN]\n"
    "  or:  flenmark-xpbridge --help | --version\n"
    "Serves the FSUIPC link from a running X-Plane, through its UDP data interface (no\n"
    "plug-in needed). Start X-Plane, then this bridge, then the recorder.\n"
    "\n"
    "Options:\n"
    "  --xplane HOST:PORT  where X-Plane listens (default 127.0.0.1:49000)\n"
    "  --rate HZ           answers a second asked of X-Plane, 1 to 50 (default 5)\n"
    "  --class NAME        the host class to serve (default UIPCMAIN)\n"
    "\n"
    "It serves until interrupted (Ctrl+C), then cancels its subscriptions.\n";

struct Options {
    std::string host = "127.0.0.1";
    int port = 49000;
    int rate = 5;
    std::string windowClass = flenmark::kMainWindowClass;
};

bool WholeNumber(const std::string& text, int low, int high, int& out) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::stoi(text);
    return out >= low && out <= high;
}

// What is wrong with option `a` and its value; empty when right.
std::string ParseValue(const std::string& a, const std::string& v, Options& o) {
    const std::string named = a + " " + v + ": ";
    if (a == "--xplane") {
        const size_t colon = v.rfind(':');
        if (colon == std::string::npos || colon == 0 ||
            !WholeNumber(v.substr(colon + 1), 1, 65535, o.port))
            return named + "the address is HOST:PORT, as in 127.0.0.1:49000";
        o.host = v.substr(0, colon);
    } else if (a == "--rate") {
        if (!WholeNumber(v, 1, 50, o.rate)) return named + "the rate is 1 to 50 a second";
    } else if (a == "--class") {
        if (v != "UIPCMAIN" && v != "FS98MAIN") return named + "the class is UIPCMAIN or FS98MAIN";
        o.windowClass = v;
    } else {
        return a + ": not an option of flenmark-xpbridge";
    }
    return "";
}

std::string ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 == argc) return std::string(argv[i]) + ": needs a value or is not an option";
        if (std::string error = ParseValue(argv[i], argv[i + 1], o); !error.empty()) return error;
    }
    return "";
}

// Says, at most every 10 seconds, how many datagrams and values were left out since the start.
class IgnoredReport {
  public:
    void update(const flenmark::xpbridge::XPlaneFeed& feed) {
        const long ignored = feed.ignoredDatagrams() + feed.ignoredValues();
        const auto now = std::chrono::steady_clock::now();
        if (ignored == reported_ || now - last_ < std::chrono::seconds(10)) return;
        std::cerr << "flenmark-xpbridge: left out " << feed.ignoredDatagrams() << " datagrams and "
                  << feed.ignoredValues()
                  << " values that were not X-Plane's or could not be true\n";
        reported_ = ignored;
        last_ = now;
    }

  private:
    std::chrono::steady_clock::time_point last_{};
    long reported_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    if (const auto done = flenmark::AnswerHelpOrVersion(argc, argv, "flenmark-xpbridge", kUsage))
        return *done;
    Options o;
    if (const std::string error = ParseOptions(argc, argv, o); !error.empty()) {
        flenmark::ReportCommandLineError("flenmark-xpbridge", error);
        return 2;
    }
    std::string error;
    flenmark::xpbridge::UdpPeer peer;
    if (!peer.open(o.host, o.port, error)) {
        std::cerr << "flenmark-xpbridge: " << error << "\n";
        return 1;
    }
    flenmark::simhost::OffsetTable table;
    table.poke<uint16_t>(0x6FFF, 1);  // X-Plane, as the recorder's simulator check reads it
    flenmark::simhost::HostServer server(table);
    if (!flenmark::simhost::StartBridgeServer(server, o.windowClass, error)) {
        std::cerr << "flenmark-xpbridge: " << error << "\n";
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::cerr << "flenmark-xpbridge: X-Plane at " << o.host << ":" << o.port << ", serving "
              << o.windowClass << "\n";
    flenmark::xpbridge::XPlaneFeed feed(peer, o.rate);
    flenmark::simhost::FlightState state;
    feed.subscribe(Clock::now());
    flenmark::simhost::AnswerReport<bool> told(true);
    IgnoredReport ignored;
    while (!gStop) {
        server.poll(10);
        const auto now = Clock::now();
        if (feed.drain(now)) {
            flenmark::xpbridge::ApplyXPlane(feed.values(), state);
            state.writeTo(table);
        }
        // Said at once, and again every 10 seconds while X-Plane stays silent.
        const bool live = feed.live(now);
        if (told.due(live, now))
            std::cerr << "flenmark-xpbridge: "
                      << (live ? "X-Plane answers at " : "X-Plane is silent at ") << o.host << ":"
                      << o.port << (live ? "" : "; asking again every 2 s") << "\n";
        server.setAnswering(live);  // stale values are not served as live
        feed.keepAsking(now);
        ignored.update(feed);
    }
    feed.cancel();
    server.stop();
    return 0;
}
