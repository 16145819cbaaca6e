// A realtime tick by the length of the flight so far, and the upkeep of "Realtime.txt".
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "app/link_operations.h"
#include "app/logging_control.h"
#include "app/main_tick.h"
#include "app/realtime_commands.h"
#include "app/startup.h"
#include "bench_support.h"
#include "platform/posix_ipc_transport.h"
#include "recorder/realtime_text.h"
#include "simhost/flight_state.h"
#include "simhost/host_server.h"
#include "simlink/ai_traffic.h"
#include "simlink/fsuipc_client.h"
#include "threaded_host.h"

namespace {

using namespace flenmark;
using namespace flenmark::bench;

// The KML files of a folder and its folders: each one's identity and size. A file replaced whole
// gets a new identity.
using KmlFiles = std::map<std::string, std::pair<uintmax_t, uintmax_t>>;
KmlFiles ScanKml(const std::string& folder) {
    KmlFiles files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().extension() != ".kml") continue;
        struct stat st {};
        if (::stat(entry.path().c_str(), &st) == 0)
            files[entry.path().string()] = {st.st_ino, static_cast<uintmax_t>(st.st_size)};
    }
    return files;
}

// The bytes of the KML files written between two scans.
uintmax_t BytesWritten(const KmlFiles& before, const KmlFiles& after) {
    uintmax_t bytes = 0;
    for (const auto& [path, file] : after) {
        const auto old = before.find(path);
        if (old == before.end() || old->second.first != file.first) bytes += file.second;
    }
    return bytes;
}

// A folder in memory when the system has one. Ticks come here hundreds of times a second, not
// once: on a disk, the file system's search for a free inode among the many just freed by the
// files replaced (ext4 keeps them aside for a while) would weigh more than the program's work.
std::string RamFolder() {
    std::error_code ec;
    return std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : "/tmp";
}

// One connected tick with realtime on and TCAS ALL with 40 aircraft, by the log lines in place;
// each tick the log grows by one line, as it does at most. Reports the KML bytes written per
// tick and the heap the program holds afterwards.
void BM_RealtimeTick(benchmark::State& state) {
    ThreadedHost host;
    BenchFolders folders(RamFolder());
    SteppedClock clock;
    NullDialogs dialogs;
    NullShell shell;
    NullUi ui;
    PosixIpcTransport transport;
    FsuipcClient link(transport);
    Program program(Services{clock, folders, dialogs, shell, ui, link});
    StartUp(program, "2.5");
    // Written after start-up, which empties a log as old as this one.
    const int lines = static_cast<int>(state.range(0));
    WriteLines(folders.data("Flightlog.txt"), lines, 1, true);
    MainTick(program);  // connects
    MainTick(program);
    program.traffic.TCASMode = kTcasAll;
    ToggleRealtime(program);
    MainTick(program);  // the realtime documents of the flight so far
    std::ofstream log(folders.data("Flightlog.txt"), std::ios::binary | std::ios::app);
    KmlFiles files = ScanKml(folders.data(""));
    uintmax_t written = 0;
    int next = lines;
    for (auto _ : state) {
        state.PauseTiming();
        log << SyntheticLine(next++, true) << "\r\n" << std::flush;
        clock.tick();
        state.ResumeTiming();
        GetAI(program);
        MainTick(program);
        state.PauseTiming();
        KmlFiles now = ScanKml(folders.data(""));
        written += BytesWritten(files, now);
        files = std::move(now);
        state.ResumeTiming();
    }
    if (!program.Realtime) state.SkipWithError("realtime switched off");
    state.counters["kml_bytes_per_tick"] =
        benchmark::Counter(static_cast<double>(written), benchmark::Counter::kAvgIterations);
    files.clear();  // the scans' own, not the program's
    state.counters["heap_MB"] = static_cast<double>(mallinfo2().uordblks) / 1e6;
}
BENCHMARK(BM_RealtimeTick)
    ->Arg(100)
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
