// The FSUIPC exchange over the socket transport, against an in-process host.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "app/link_operations.h"
#include "app/program.h"
#include "bench_support.h"
#include "platform/posix_ipc_transport.h"
#include "platform/system_clock.h"
#include "platform/xdg_folders.h"
#include "simhost/flight_state.h"
#include "simhost/host_server.h"
#include "simlink/ai_traffic.h"
#include "simlink/fsuipc_client.h"
#include "threaded_host.h"

namespace {

using namespace flenmark;
using namespace flenmark::bench;

// A host on its own thread with a full traffic table, and a connected client.
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
    SystemClock clock;
    XdgFolders folders;
    NullDialogs dialogs;
    NullShell shell;
    NullUi ui;
    Program program{Services{clock, folders, dialogs, shell, ui, client}};
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_SingleReadExchange(benchmark::State& state) {
    Fixture& f = Shared();
    int32_t gear = 0;
    int result = 0;
    for (auto _ : state) {
        f.client.QueueRead(0x0BEC, 4, &gear, result);
        f.client.ProcessRequests(result);
        benchmark::DoNotOptimize(gear);
    }
}
BENCHMARK(BM_SingleReadExchange)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ConnectedTickTelemetry(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) ReadTelemetry(f.program);
}
BENCHMARK(BM_ConnectedTickTelemetry)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_FullGetAI(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) GetAI(f.program);
    state.counters["occupied"] = f.program.traffic.AITraffic.occupied(40) ? 40 : 0;
}
BENCHMARK(BM_FullGetAI)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
