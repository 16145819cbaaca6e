// flenmark-simhost: plays the simulator side of the FSUIPC link for the recorder.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

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
    flenmark::simhost::HostFaults faults;
};

const char* kUsage =
    "usage: flenmark-simhost [--class UIPCMAIN|FS98MAIN] [--host-version HEX] [--sim-code N]\n"
    "                        [--xplane] [--scenario default|FILE] [--speed N | --lockstep]\n"
    "                        [--once]\n"
    "                        [--fault "
    "hang-after=N|reply0-after=N|drop-after=N|oversize-after=N]...\n"
    "       flenmark-simhost --help | --version\n";

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

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string v = hasValue ? argv[i + 1] : "";
        char* end = nullptr;
        if (a == "--xplane")
            o.xplane = true;
        else if (a == "--once")
            o.once = true;
        else if (a == "--lockstep")
            o.lockstep = true;
        else if (!hasValue)
            return false;
        else if (a == "--class" && (v == "UIPCMAIN" || v == "FS98MAIN"))
            o.windowClass = v, ++i;
        else if (a == "--host-version")
            o.version = static_cast<uint32_t>(std::strtoul(v.c_str(), &end, 16)), ++i;
        else if (a == "--sim-code")
            o.simCode = static_cast<uint16_t>(std::strtoul(v.c_str(), &end, 10)), ++i;
        else if (a == "--scenario")
            o.scenario = v, ++i;
        else if (a == "--speed")
            o.speed = std::strtod(v.c_str(), &end), ++i;
        else if (a == "--fault" && ParseFault(v, o.faults))
            ++i;
        else
            return false;
        if (end && *end != '\0') return false;
    }
    return o.speed > 0;
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
    if (!ParseOptions(argc, argv, o)) {
        std::cerr << kUsage;
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
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::cerr << "flenmark-simhost: serving " << o.windowClass << " at "
              << flenmark::HostSocketPath(o.windowClass) << "\n";
    // In lockstep the scenario clock moves exactly one second per recorder tick, however fast
    // or slow the recorder ticks; otherwise it follows the wall clock.
    double lockstepSeconds = 0;
    if (o.lockstep) server.beforeTick = [&] { player.advanceTo(++lockstepSeconds); };
    const auto start = std::chrono::steady_clock::now();
    while (!gStop) {
        server.poll(10);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        if (!o.lockstep) player.advanceTo(wall.count() * o.speed);
        if (player.endReached()) break;
        if (o.once && player.allPlayed()) break;
    }
    server.stop();
    return 0;
}
