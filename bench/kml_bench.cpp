// ConvertLogToKml with the animated replay, by log length.
#include <benchmark/benchmark.h>

#include <fstream>

#include "bench_support.h"
#include "kml/kml_templates.h"
#include "app/flight_conversion.h"
#include "app/kml_template_file.h"

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
void Convert(benchmark::State& state, int logLines, int trafficAircraft) {
    BenchFolders folders;
    SystemClock clock;
    NullDialogs dialogs;
    NullShell shell;
    NullUi ui;
    NullLink link;
    Program program(Services{clock, folders, dialogs, shell, ui, link});
    LoadKmlTemplates(program);
    WriteLines(folders.data("Flightlog.txt"), logLines, 3, true);
    WriteLines(folders.data("Animation.txt"), logLines * 3, 1, false);
    if (trafficAircraft > 0)
        WriteTraffic(folders.data("Traffic.txt"), logLines * 3, trafficAircraft);
    for (auto _ : state) {
        const bool ok = ConvertLogToKml(program, folders.data("Flightlog.txt"),
                                        folders.data("Flightlog.kml"), "Benchmark", false, "")
                            .converted;
        if (!ok) state.SkipWithError("conversion failed");
    }
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(folders.data("Flightlog.kml")));
}

void BM_ConvertWithReplay(benchmark::State& state) {
    Convert(state, static_cast<int>(state.range(0)), 0);
}
BENCHMARK(BM_ConvertWithReplay)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A ten-hour flight: 12,000 log lines, 36,000 frames, ten aircraft around.
void BM_TenHourFlightWithTraffic(benchmark::State& state) {
    Convert(state, 12000, 10);
}
BENCHMARK(BM_TenHourFlightWithTraffic)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
