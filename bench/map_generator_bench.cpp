#include "state/random.h"
#include "state/state.h"
#include "world/map_generator.h"

#include <benchmark/benchmark.h>

using namespace annals;

namespace {

// A Huge map of each kind of world; every iteration draws a new world from a new seed.
void BM_GenerateMapHuge(benchmark::State& state) {
    ResetState();
    game.mapWidth = game.mapHeight = 48;
    game.location = static_cast<double>(state.range(0));
    uint64_t seed = 1;
    for (auto _ : state) {
        SeedRandom(seed++);
        GenerateMap();
        benchmark::DoNotOptimize(worldMap[24][24].terrain);
    }
}

BENCHMARK(BM_GenerateMapHuge)
    ->ArgName("location")
    ->DenseRange(kIsland, kRandomWorld)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
