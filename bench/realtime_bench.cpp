// One connected tick with realtime on and TCAS ALL with 40 aircraft, by log length.
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

#include "app/link_operations.h"
#include "app/main_tick.h"
#include "app/startup.h"
#include "bench_support.h"
#include "platform/posix_ipc_transport.h"
#include "app/realtime_commands.h"
#include "app/logging_control.h"
#include "recorder/realtime_text.h"
#include "simhost/flight_state.h"
#include "simhost/host_server.h"
#include "simlink/ai_traffic.h"
#include "simlink/fsuipc_client.h"
#include "threaded_host.h"

namespace {

using namespace flenmark;
using namespace flenmark::bench;

void BM_RealtimeTick(benchmark::State& state) {
    ThreadedHost host;
    BenchFolders folders;
    SteppedClock clock;
    NullDialogs dialogs;
    NullShell shell;
    NullUi ui;
    PosixIpcTransport transport;
    FsuipcClient link(transport);
    Program program(Services{clock, folders, dialogs, shell, ui, link});
    StartUp(program, "2.5");
    // Written after start-up, which empties a log as old as this one.
    WriteLines(folders.data("Flightlog.txt"), static_cast<int>(state.range(0)), 1, true);
    MainTick(program);  // connects
    MainTick(program);
    program.traffic.TCASMode = kTcasAll;
    ToggleRealtime(program);
    for (auto _ : state) {
        clock.tick();
        GetAI(program);
        MainTick(program);
    }
    if (!program.Realtime) state.SkipWithError("realtime switched off");
    state.counters["kml_bytes"] =
        static_cast<double>(std::filesystem::file_size(folders.data("Realtime.kml")));
}
BENCHMARK(BM_RealtimeTick)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);

// Keeping "Realtime.txt" the log plus the current sample, by log length.
void BM_RealtimeTextUpkeep(benchmark::State& state) {
    BenchFolders folders;
    WriteLines(folders.data("Flightlog.txt"), static_cast<int>(state.range(0)), 1, true);
    RealtimeTextState text;
    const std::string line = SyntheticLine(999999, false);
    for (auto _ : state)
        UpdateRealtimeText(folders.data("Flightlog.txt"), folders.data("Realtime.txt"), line, text);
}
BENCHMARK(BM_RealtimeTextUpkeep)->Arg(1000)->Arg(10000)->Arg(40000)->Unit(benchmark::kMicrosecond);

}  // namespace
