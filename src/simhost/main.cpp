// SPDX-License-Identifier: GPL-3.0-or-later
// flenmark-simhost: plays the simulator side of the FSUIPC link for the recorder.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "base/command_line_error.h"
#include "base/help_and_version.h"
#include "base/link_protocol.h"
#include "simhost/host_server.h"
#include "simhost/scenario.h"

namespace {

volatile std::sig_atomic_t gStop = 0;

void OnSignal(int) {
    gStop = 1;
}

struct Options {
    std::string windowClass = flenmark::kMainWindowClass;
    uint32_t version = 0x19980005;
    uint16_t simCode = 8;
    bool xplane = false;
    std::string scenario = "default";
    double speed = 1;
    bool once = false;
    bool lockstep = false;
    bool waitForClient = false;
    flenmark::simhost::HostFaults faults;
};

const char* kUsage =
    "Usage: flenmark-simhost [OPTION]...\n"
    "  or:  flenmark-simhost --help | --version\n"
    "A stand-in for the simulator side of the FSUIPC link: flies a scripted scenario and\n"
    "answers the recorder from its offset table.\n"
    "\n"
    "Options:\n"
    "  --class NAME         the host class to serve (default UIPCMAIN)\n"
    "  --host-version HEX   the FSUIPC version the host reports (default 19980005)\n"
    "  --sim-code N         the simulator code the host reports (default 8)\n"
    "  --xplane             present itself as X-Plane\n"
    "  --scenario NAME      default (a left-hand circuit from runway 24) or a scenario file\n"
    "  --speed N            scenario seconds per wall-clock second (default 1)\n"
    "  --lockstep           one scenario second per recorder tick, however fast it ticks\n"
    "  --wait-for-client    start the scenario clock when the first recorder connects\n"
    "  --once               end when the scenario was played once\n"
    "  --fault F            misbehave on purpose after N exchanges: hang, answer 0, drop\n"
    "                       the connection or send an oversized answer\n"
    "\n"
    "It serves until interrupted (Ctrl+C) or the scenario ends.\n";

bool ParseFault(const std::string& text, flenmark::simhost::HostFaults& faults) {
    const size_t eq = text.find('=');
    if (eq == std::string::npos) return false;
    const std::string name = text.substr(0, eq);
    char* end = nullptr;
    const long n = std::strtol(text.c_str() + eq + 1, &end, 10);
    if (*end != '\0' || n < 0) return false;
    if (name == "hang-after")
        faults.hangAfter = static_cast<int>(n);
    else if (name == "reply0-after")
        faults.reply0After = static_cast<int>(n);
    else if (name == "drop-after")
        faults.dropAfter = static_cast<int>(n);
    else if (name == "oversize-after")
        faults.oversizeAfter = static_cast<int>(n);
    else
        return false;
    return true;
}

// Reads the value of option `a` into `o`; what is wrong with it, or empty.
std::string ParseValue(const std::string& a, const std::string& v, Options& o) {
    char* end = nullptr;
    const std::string named = a + " " + v + ": ";
    if (a == "--class") {
        if (v != "UIPCMAIN" && v != "FS98MAIN") return named + "the class is UIPCMAIN or FS98MAIN";
        o.windowClass = v;
    } else if (a == "--host-version") {
        o.version = static_cast<uint32_t>(std::strtoul(v.c_str(), &end, 16));
        if (v.empty() || *end) return named + "the host version is a hexadecimal number";
    } else if (a == "--sim-code") {
        o.simCode = static_cast<uint16_t>(std::strtoul(v.c_str(), &end, 10));
        if (v.empty() || *end) return named + "the simulator code is a whole number";
    } else if (a == "--scenario") {
        o.scenario = v;
    } else if (a == "--speed") {
        o.speed = std::strtod(v.c_str(), &end);
        if (v.empty() || *end || !(o.speed > 0)) return named + "the speed is a number above 0";
    } else if (a == "--fault") {
        if (!ParseFault(v, o.faults))
            return named +
                   "a fault is hang-after=N, reply0-after=N, drop-after=N or "
                   "oversize-after=N";
    } else {
        return a + ": not an option of flenmark-simhost";
    }
    return "";
}

// What is wrong with the command line, naming the option and the reason; empty when right.
std::string ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--xplane")
            o.xplane = true;
        else if (a == "--once")
            o.once = true;
        else if (a == "--lockstep")
            o.lockstep = true;
        else if (a == "--wait-for-client")
            o.waitForClient = true;
        else if (i + 1 == argc)
            return a + (a.compare(0, 2, "--") == 0 ? ": needs a value or is not an option"
                                                   : ": not an option of flenmark-simhost");
        else if (std::string error = ParseValue(a, argv[++i], o); !error.empty())
            return error;
    }
    return "";
}

bool LoadScenario(const std::string& name, flenmark::simhost::Scenario& scenario) {
    std::string text = flenmark::simhost::DefaultScenarioText();
    if (name != "default") {
        std::ifstream in(name, std::ios::binary);
        if (!in) {
            std::cerr << "flenmark-simhost: cannot read scenario " << name << "\n";
            return false;
        }
        std::stringstream s;
        s << in.rdbuf();
        text = s.str();
    }
    std::string error;
    if (!flenmark::simhost::ParseScenario(text, scenario, error)) {
        std::cerr << "flenmark-simhost: " << name << ": " << error << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace flenmark::simhost;
    if (const auto done = flenmark::AnswerHelpOrVersion(argc, argv, "flenmark-simhost", kUsage))
        return *done;
    Options o;
    if (const std::string error = ParseOptions(argc, argv, o); !error.empty()) {
        flenmark::ReportCommandLineError("flenmark-simhost", error);
        return 2;
    }
    Scenario scenario;
    if (!LoadScenario(o.scenario, scenario)) return 2;
    OffsetTable table;
    table.poke<uint16_t>(0x6FFF, o.xplane ? 1 : 0);
    ScenarioPlayer player(std::move(scenario), table);
    HostServer server(table, o.faults);
    server.setIdentity(o.version, 0xFADE0000u | o.simCode);
    std::string error;
    if (!server.start(o.windowClass, error)) {
        std::cerr << "flenmark-simhost: " << error << "\n";
        return 1;
    }
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::cerr << "flenmark-simhost: serving " << o.windowClass << " at " << server.place() << "\n";
    // In lockstep the scenario clock moves exactly one second per recorder tick, however fast
    // or slow the recorder ticks; otherwise it follows the wall clock.
    double lockstepSeconds = 0;
    if (o.lockstep) server.beforeTick = [&] { player.advanceTo(++lockstepSeconds); };
    // Waiting for the first client, the scenario starts when the recorder is there to see it.
    auto start = std::chrono::steady_clock::now();
    bool started = !o.waitForClient;
    if (!started) {
        std::cerr << "flenmark-simhost: waiting for the recorder to connect\n";
        server.beforeExchange = [&] {
            if (!started) start = std::chrono::steady_clock::now();
            started = true;
        };
    }
    while (!gStop) {
        server.poll(10);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        if (!o.lockstep && started) player.advanceTo(wall.count() * o.speed);
        if (player.endReached()) break;
        if (o.once && player.allPlayed()) break;
    }
    server.stop();
    return 0;
}
