// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark-fgbridge: serves the FSUIPC link from a running FlightGear's property server.
#include <chrono>
#include <csignal>
#include <iostream>
#include <string>

#include "base/command_line_error.h"
#include "base/help_and_version.h"
#include "base/link_protocol.h"
#include "fgbridge/flightgear_address.h"
#include "fgbridge/flightgear_feed.h"
#include "fgbridge/flightgear_reader.h"
#include "platform/socket_http.h"
#include "simhost/answer_report.h"
#include "simhost/host_server.h"

namespace {

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) {
    gStop = 1;
}

using Clock = std::chrono::steady_clock;

// Says when FlightGear answers, and while it does not, why, at once and every 10 seconds.
class FlightGearReport {
  public:
    explicit FlightGearReport(std::string url) : url_(std::move(url)) {}
    void operator()(flenmark::fgbridge::FlightGearRead outcome) {
        using flenmark::fgbridge::FlightGearRead;
        if (!told_.due(outcome, Clock::now())) return;
        std::cerr << "flenmark-fgbridge: ";
        switch (outcome) {
            case FlightGearRead::Read:
                std::cerr << "FlightGear answers at " << url_ << "\n";
                break;
            case FlightGearRead::NoAnswer:
                std::cerr << "FlightGear does not answer at " << url_
                          << " (is it running with --httpd=PORT?); trying again every second\n";
                break;
            case FlightGearRead::NotFlightGear:
                std::cerr << url_
                          << " answers, but not as FlightGear's property server; trying again "
                             "every second\n";
                break;
            case FlightGearRead::Starting:
                std::cerr << "FlightGear at " << url_
                          << " is starting (its flight model is not ready); waiting\n";
                break;
        }
    }

  private:
    std::string url_;
    flenmark::simhost::AnswerReport<flenmark::fgbridge::FlightGearRead> told_{
        flenmark::fgbridge::FlightGearRead::Read};
};

const char* kUsage =
    "Usage: flenmark-fgbridge [--fg http://HOST:PORT] [--class UIPCMAIN|FS98MAIN]\n"
    "  or:  flenmark-fgbridge --help | --version\n"
    "Serves the FSUIPC link from a running FlightGear, read through its property server.\n"
    "Start FlightGear with --httpd=8080, then this bridge, then the recorder.\n"
    "\n"
    "Options:\n"
    "  --fg URL       FlightGear's property server (default http://127.0.0.1:8080)\n"
    "  --class NAME   the host class to serve (default UIPCMAIN)\n"
    "\n"
    "It serves until interrupted (Ctrl+C).\n";

// What is wrong with the command line, naming the option and the reason; empty when right.
std::string ParseOptions(int argc, char** argv, std::string& fgUrl, std::string& windowClass) {
    for (int i = 1; i < argc; i += 2) {
        const std::string a = argv[i];
        if (a != "--fg" && a != "--class") return a + ": not an option of flenmark-fgbridge";
        if (i + 1 == argc) return a + ": needs a value";
        const std::string v = argv[i + 1];
        if (a == "--class" && v != "UIPCMAIN" && v != "FS98MAIN")
            return a + " " + v + ": the class is UIPCMAIN or FS98MAIN";
        const std::string problem =
            a == "--fg" ? flenmark::fgbridge::FlightGearAddressProblem(v) : "";
        if (!problem.empty()) return a + " " + v + ": " + problem;
        (a == "--fg" ? fgUrl : windowClass) = v;
    }
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto done = flenmark::AnswerHelpOrVersion(argc, argv, "flenmark-fgbridge", kUsage))
        return *done;
    std::string windowClass = flenmark::kMainWindowClass;
    std::string fgUrl = "http://127.0.0.1:8080";
    if (const std::string error = ParseOptions(argc, argv, fgUrl, windowClass); !error.empty()) {
        flenmark::ReportCommandLineError("flenmark-fgbridge", error);
        return 2;
    }
    while (fgUrl.back() == '/') fgUrl.pop_back();
    flenmark::simhost::OffsetTable table;
    flenmark::simhost::HostServer server(table);
    std::string error;
    if (!flenmark::simhost::StartBridgeServer(server, windowClass, error)) {
        std::cerr << "flenmark-fgbridge: " << error << "\n";
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::cerr << "flenmark-fgbridge: FlightGear at " << fgUrl << ", serving " << windowClass
              << "\n";
    // A client each: the aircraft is read while a large traffic answer is on its way.
    flenmark::SocketHttp aircraftHttp(1500, 8 << 20), trafficHttp(1500, 8 << 20);
    flenmark::fgbridge::FlightGearFeed feed(
        {[&](flenmark::simhost::FlightState& s) {
             return flenmark::fgbridge::ReadFlightGear(aircraftHttp, fgUrl, s);
         },
         [&](flenmark::simhost::FlightState& s) {
             return flenmark::fgbridge::ReadFlightGearTraffic(trafficHttp, fgUrl, s);
         }},
        FlightGearReport(fgUrl));
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
