// The FSUIPC link over the socket transport against an in-process host, side by side with a
// bare Unix-socket round trip on the same machine, idle and busy.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <optional>
#include <thread>

#include "app/link_operations.h"
#include "app/logging_control.h"
#include "app/main_tick.h"
#include "app/program.h"
#include "app/realtime_commands.h"
#include "app/tcas_display.h"
#include "bench_support.h"
#include "busy_machine.h"
#include "platform/posix_ipc_transport.h"
#include "platform/system_clock.h"
#include "simlink/ai_traffic.h"
#include "simlink/fsuipc_client.h"
#include "threaded_host.h"

extern char** environ;

namespace {

using namespace flenmark;
using namespace flenmark::bench;

// The link, counting its exchanges.
class CountingLink final : public SimLink {
  public:
    explicit CountingLink(SimLink& link) : link_(link) {}
    bool OpenLink(int sim, int& r) override { return link_.OpenLink(sim, r); }
    void CloseLink() override { link_.CloseLink(); }
    bool QueueRead(uint32_t o, uint32_t s, void* d, int& r) override {
        return link_.QueueRead(o, s, d, r);
    }
    bool QueueWrite(uint32_t o, uint32_t s, const void* d, int& r) override {
        return link_.QueueWrite(o, s, d, r);
    }
    bool ProcessRequests(int& r) override {
        ++exchanges;
        return link_.ProcessRequests(r);
    }
    int simVersion() const override { return link_.simVersion(); }
    void setDeadline(std::optional<std::chrono::steady_clock::time_point> d) override {
        link_.setDeadline(d);
    }
    long exchanges = 0;

  private:
    SimLink& link_;
};

// A host on its own thread with a full traffic table, and a connected program.
struct Fixture {
    Fixture() {
        int result = 0;
        client.OpenLink(0, result);
        program.Connected = true;
    }
    ~Fixture() { client.CloseLink(); }

    ThreadedHost host;
    PosixIpcTransport transport;
    FsuipcClient client{transport};
    CountingLink link{client};
    SystemClock clock;
    BenchFolders folders;
    NullDialogs dialogs;
    NullShell shell;
    NullUi ui;
    Program program{Services{clock, folders, dialogs, shell, ui, link}};
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

// The peer: four bytes there and back over a blocking Unix socket pair.
void RawRoundTrip(benchmark::State& state) {
    int fds[2];
    socketpair(AF_UNIX, SOCK_STREAM, 0, fds);
    std::thread echo([fd = fds[1]] {
        char b[4];
        while (recv(fd, b, 4, MSG_WAITALL) == 4) send(fd, b, 4, 0);
    });
    char b[4] = {1, 2, 3, 4};
    {
        std::optional<BusyMachine> busy;
        if (state.range(0)) busy.emplace();
        for (auto _ : state) {
            send(fds[0], b, 4, 0);
            recv(fds[0], b, 4, MSG_WAITALL);
        }
    }
    shutdown(fds[0], SHUT_RDWR);
    echo.join();
    close(fds[0]);
    close(fds[1]);
}
BENCHMARK(RawRoundTrip)->ArgName("busy")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)
    ->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// One read of four bytes: a whole FSUIPC exchange. Held against twice the raw round trip.
void SingleReadExchange(benchmark::State& state) {
    Fixture& f = Shared();
    std::optional<BusyMachine> busy;
    if (state.range(0)) busy.emplace();
    int32_t gear = 0;
    int result = 0;
    for (auto _ : state) {
        f.client.QueueRead(0x0BEC, 4, &gear, result);
        f.client.ProcessRequests(result);
        benchmark::DoNotOptimize(gear);
    }
}
BENCHMARK(SingleReadExchange)->ArgName("busy")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)
    ->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

// A recording tick with realtime on and TCAS ALL with 40 aircraft: the TCAS window's read and
// the main tick. Held against 4 exchanges.
void RecordingTickExchanges(benchmark::State& state) {
    Fixture& f = Shared();
    MainTick(f.program);
    if (!f.program.Logging) ToggleAnimation(f.program);
    if (!f.program.Realtime) ToggleRealtime(f.program);
    f.program.traffic.TCASMode = kTcasAll;
    const long before = f.link.exchanges;
    long ticks = 0;
    for (auto _ : state) {
        TcasTimerTick(f.program);
        MainTick(f.program);
        ++ticks;
    }
    state.counters["exchanges_per_tick"] =
        static_cast<double>(f.link.exchanges - before) / static_cast<double>(ticks);
    state.counters["limit"] = 4;
}
BENCHMARK(RecordingTickExchanges)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole traffic table. Held against 1 ms.
void FullGetAI(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) GetAI(f.program);
    state.counters["aircraft"] = f.program.traffic.AITraffic.occupied(40) ? 40 : 0;
    state.counters["limit_ms"] = 1;
}
BENCHMARK(FullGetAI)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)
    ->ReportAggregatesOnly(true);

// flenmark-cli record --ticks 1 against a running host: start, connect, one tick, end. Held
// against 20 ms.
void CliRecordOneTick(benchmark::State& state) {
    Fixture& f = Shared();  // the host, and its runtime folder in the environment
    const std::string data = "XDG_DATA_HOME=" + f.folders.applicationDataRoot();
    for (auto _ : state) {
        std::vector<std::string> args = {FLENMARK_CLI_PATH, "record", "--ticks", "1"};
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) env.emplace_back(*e);
        env.push_back(data);
        std::vector<char*> envp;
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", 0, 0);
        pid_t pid = -1;
        posix_spawn(&pid, FLENMARK_CLI_PATH, &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("record failed");
    }
    state.counters["limit_ms"] = 20;
}
BENCHMARK(CliRecordOneTick)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
