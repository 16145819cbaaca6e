// The logbook's two speeds that a user feels: naming the airport of a position (under a
// millisecond, over every airport of the world) and listing 10,000 flights for the flights
// window, read from the database and made into its sorted, filtered rows.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/flights_view.h"
#include "bench_support.h"
#include "logbook/logbook.h"

namespace {

using namespace flenmark;

const AirportIndex& WorldAirports() {
    static const AirportIndex index =
        AirportIndex::Load(FLENMARK_RESOURCES_DIR "/Airports.txt").value();
    return index;
}

// Busy places (a dense region, a sparse one, the open sea): the time of one lookup.
void NearestAirport(benchmark::State& state) {
    const AirportIndex& airports = WorldAirports();
    const double places[][2] = {{52.3, 4.76},    {40.64, -73.78}, {33.94, -118.4}, {-33.95, 151.18},
                                {64.13, -21.94}, {0.0, -30.0},    {89.9, 0.0}};
    size_t i = 0, found = 0;
    for (auto _ : state) {
        const auto& p = places[i++ % std::size(places)];
        found += airports.nearest(p[0], p[1], kAirportRadiusKm) != nullptr;
    }
    benchmark::DoNotOptimize(found);
}
BENCHMARK(NearestAirport)->Unit(benchmark::kMicrosecond);

void ListTenThousandFlights(benchmark::State& state) {
    bench::BenchFolders folders;
    const std::string path = folders.data("Logbook.sqlite");
    {
        const auto logbook = Logbook::Open(path);
        for (int n = 0; n < 10000; ++n) {
            LogbookEntry e;
            e.folder = "/flights/Flight " + std::to_string(n) + "/";
            FlightSummary& f = e.flight;
            f.startUtc = UtcText(1'600'000'000 + n * 7200LL);
            f.endUtc = UtcText(1'600'000'000 + n * 7200LL + 3600);
            f.blockTimeS = 3600;
            f.airTimeS = 3000;
            f.departure = n % 2 ? "EHAM" : "EGLL";
            f.arrival = n % 3 ? "LFPG" : "EDDF";
            f.aircraft = "Flenmark Trainer " + std::to_string(n % 7);
            f.distanceNm = 200 + n % 300;
            f.landingRateFpm = -100 - n % 500;
            f.touchdowns = 1;
            logbook->put(e);
        }
    }
    for (auto _ : state) {
        const auto logbook = Logbook::Open(path);
        const auto entries = logbook->list();
        const FlightsView view =
            MakeFlightsView(entries.value(), "eham", FlightColumn::Distance, false);
        benchmark::DoNotOptimize(view.rows.data());
    }
}
BENCHMARK(ListTenThousandFlights)->Unit(benchmark::kMillisecond);

}  // namespace
