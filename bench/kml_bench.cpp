// Converting a flight with its replay to KML: the time by log length, a ten-hour flight with
// traffic (its CPU time per point and its bytes per frame), and the peak memory of
// flenmark-cli convert, which must not grow with the flight.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "app/flight_conversion.h"
#include "app/kml_template_file.h"
#include "bench_support.h"
#include "kml/kml_templates.h"

extern char** environ;

namespace {

using namespace flenmark;
using namespace flenmark::bench;

void WriteTraffic(const std::string& path, int frames, int aircraft) {
    std::ofstream out(path, std::ios::binary);
    for (int f = 0; f < frames; ++f) {
        const std::string stamp = SyntheticLine(f, false).substr(0, 14);
        for (int a = 0; a < aircraft; ++a)
            out << stamp << ":" << 1000 + a << ":52." << 3 + a << ":4.7" << a << ":"
                << 2000 + a * 300 << ":90:250:KLM" << a << ":0:" << a % 5 << ":+" << a * 3 << ":"
                << stamp << "\r\n";
    }
}

// Log lines three seconds apart, an animation frame every second, traffic optional.
void WriteFlight(const BenchFolders& folders, int logLines, int trafficAircraft) {
    WriteLines(folders.data("Flightlog.txt"), logLines, 3, true);
    WriteLines(folders.data("Animation.txt"), logLines * 3, 1, false);
    if (trafficAircraft > 0)
        WriteTraffic(folders.data("Traffic.txt"), logLines * 3, trafficAircraft);
}

double ProcessCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void Convert(benchmark::State& state, int logLines, int trafficAircraft) {
    BenchFolders folders;
    SystemClock clock;
    NullDialogs dialogs;
    NullShell shell;
    NullUi ui;
    NullLink link;
    Program program(Services{clock, folders, dialogs, shell, ui, link});
    LoadKmlTemplates(program);
    WriteFlight(folders, logLines, trafficAircraft);
    const double cpuBefore = ProcessCpuSeconds();
    for (auto _ : state) {
        const bool ok = ConvertLogToKml(program, folders.data("Flightlog.txt"),
                                        folders.data("Flightlog.kml"), "Benchmark", false, "")
                            .converted;
        if (!ok) state.SkipWithError("conversion failed");
    }
    const double frames = logLines * 3.0;
    const double bytes = static_cast<double>(std::filesystem::file_size(folders.data("Flightlog.kml")));
    state.counters["bytes_per_frame"] = bytes / frames;
    // User and system time of the whole process, per replay point (a frame and its aircraft).
    state.counters["cpu_us_per_point"] = (ProcessCpuSeconds() - cpuBefore) * 1e6 /
                                         static_cast<double>(state.iterations()) / frames;
}

void ConvertWithReplay(benchmark::State& state) {
    Convert(state, static_cast<int>(state.range(0)), 0);
}
BENCHMARK(ConvertWithReplay)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->UseRealTime()->Iterations(1);

// A ten-hour flight: 12,000 log lines, 36,000 frames, ten aircraft around. Held against 1 s.
void TenHourFlightWithTraffic(benchmark::State& state) {
    Convert(state, 12000, 10);
    state.counters["limit_ms"] = 1000;
}
BENCHMARK(TenHourFlightWithTraffic)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// Runs a program to its end; its user and system time, and its peak memory in KiB.
struct ChildUsage {
    bool ok = false;
    double cpuSeconds = 0;
    long peakKiB = 0;
};
ChildUsage RunChild(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return {};
    int status = 0;
    rusage u{};
    wait4(pid, &status, 0, &u);
    const double cpu = static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
                       static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, cpu, u.ru_maxrss};
}

// The peer: GPSBabel turning the same 36,000 points of the ten-hour flight into KML (a track
// and a placemark per point), when it is installed.
void GpsBabelSamePoints(benchmark::State& state) {
    const char* gpsbabel = "/usr/bin/gpsbabel";
    if (access(gpsbabel, X_OK) != 0) {
        state.SkipWithError("GPSBabel is not installed (apt-get install gpsbabel): no peer figure");
        return;
    }
    BenchFolders folders;
    const std::string csv = folders.data("points.csv");
    {
        std::ofstream out(csv, std::ios::binary);
        out << "lat,lon,alt,utc_d,utc_t\n";
        for (int i = 0; i < 36000; ++i) {
            const std::string line = SyntheticLine(i, false);
            const auto field = [&](int n) {
                size_t at = 0;
                for (int k = 1; k < n; ++k) at = line.find(':', at) + 1;
                return line.substr(at, line.find(':', at) - at);
            };
            const std::string s = field(1);
            out << field(3) << "," << field(2) << "," << std::stod(field(4)) * 0.3048 << ","
                << s.substr(0, 4) << "/" << s.substr(4, 2) << "/" << s.substr(6, 2) << ","
                << s.substr(8, 2) << ":" << s.substr(10, 2) << ":" << s.substr(12, 2) << "\n";
        }
    }
    ChildUsage usage;
    for (auto _ : state)
        usage = RunChild({gpsbabel, "-i", "unicsv", "-f", csv, "-x", "transform,trk=wpt,del", "-o",
                          "kml,points=1", "-F", folders.data("points.kml")});
    if (!usage.ok) state.SkipWithError("GPSBabel failed");
    const double points = 36000;
    state.counters["cpu_us_per_point"] = usage.cpuSeconds * 1e6 / points;
    state.counters["bytes_per_point"] =
        static_cast<double>(std::filesystem::file_size(folders.data("points.kml"))) / points;
}
BENCHMARK(GpsBabelSamePoints)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The peak resident memory of flenmark-cli convert, in MB, by log lines (and three times as
// many frames). Held against 150 MB. A million lines only with FLENMARK_BENCH_HUGE set: its
// document takes gigabytes of disk.
void PeakMemory(benchmark::State& state) {
    BenchFolders folders;
    WriteFlight(folders, static_cast<int>(state.range(0)), 0);
    ChildUsage usage;
    for (auto _ : state)
        usage = RunChild({FLENMARK_CLI_PATH, "convert", folders.data("Flightlog.txt"),
                          folders.data("Flightlog.kml")});
    if (!usage.ok) state.SkipWithError("convert failed");
    state.counters["peak_MB"] = static_cast<double>(usage.peakKiB) / 1024;
    state.counters["limit_MB"] = 150;
}
BENCHMARK(PeakMemory)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

[[maybe_unused]] const bool kHuge = [] {
    if (std::getenv("FLENMARK_BENCH_HUGE"))
        benchmark::RegisterBenchmark("PeakMemory", PeakMemory)
            ->Arg(1000000)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1);
    return true;
}();

}  // namespace
