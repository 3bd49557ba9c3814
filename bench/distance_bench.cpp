// The distance tables on a Huge map late in the game: 8 civilizations with 200 units each,
// stacked in their cities and spread over land and sea, with roads on much of the land.
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace annals;

namespace {

constexpr int kSize = 48;

struct Spot {
    int x, y;
};

std::vector<Spot> landCells, seaCells;

void LateGame() {
    ResetState();
    InitializeVariables();
    std::mt19937 rng(48);
    std::uniform_int_distribution<int> percent(0, 99);
    game.mapWidth = game.mapHeight = kSize;
    game.civCount = 8;
    // Continents grown from noise.
    std::vector<std::vector<int>> land(kSize + 2, std::vector<int>(kSize + 2, 0));
    for (int x = 1; x <= kSize; ++x)
        for (int y = 1; y <= kSize; ++y) land[x][y] = percent(rng) < 52;
    for (int pass = 0; pass < 3; ++pass) {
        auto next = land;
        for (int x = 1; x <= kSize; ++x)
            for (int y = 1; y <= kSize; ++y) {
                int around = 0;
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy) around += land[x + dx][y + dy];
                next[x][y] = around >= 5;
            }
        land = next;
    }
    landCells.clear();
    seaCells.clear();
    for (int x = 1; x <= kSize; ++x)
        for (int y = 1; y <= kSize; ++y) {
            Cell(x, y).terrain = land[x][y] ? kGrassland : kSea;
            (land[x][y] ? landCells : seaCells).push_back({x, y});
            if (land[x][y] && percent(rng) < 40) Cell(x, y).road = 1;
        }
    // Every civilization: eight cities holding half of its units, the rest in the field
    // and, one in eight, at sea.
    for (int civ = 1; civ <= 8; ++civ) {
        Civ(civ).isComputer = civ > 1;
        std::vector<Spot> cities;
        while (cities.size() < 8) {
            const Spot s = landCells[rng() % landCells.size()];
            MapCell& cell = Cell(s.x, s.y);
            if (cell.hasCity || cell.unitOwner != 0) continue;
            cell.hasCity = 1;
            cell.road = 1;
            cell.owner = static_cast<uint8_t>(civ);
            cities.push_back(s);
        }
        for (int u = 0; u < 200; ++u) {
            Spot s;
            if (u < 100) {
                s = cities[u % cities.size()];
            } else {
                const std::vector<Spot>& pool = u % 8 == 0 ? seaCells : landCells;
                do s = pool[rng() % pool.size()];
                while (Cell(s.x, s.y).unitOwner != 0 && Cell(s.x, s.y).unitOwner != civ);
            }
            AddUnit(civ, Cell(s.x, s.y).terrain == kSea ? kGalleon : kWarrior, s.x, s.y);
        }
    }
}

int Sources() {
    int n = 0;
    for (int x = 1; x <= kSize; ++x)
        for (int y = 1; y <= kSize; ++y) n += Cell(x, y).unitOwner != 0;
    return n;
}

// The road table of every source looked up once: rows are computed when first asked for.
void ReadRoadRows() {
    int sum = 0;
    for (int x = 1; x <= kSize; ++x)
        for (int y = 1; y <= kSize; ++y)
            if (Cell(x, y).unitOwner != 0) sum += roadDistance(x, y, 1, 2);
    benchmark::DoNotOptimize(sum);
}

// A rebuild with nothing kept: the coast changes every time, so every road row the
// computers read is computed again.
void BM_DistanceTablesFromScratch(benchmark::State& state) {
    LateGame();
    MapCell& corner = Cell(1, 1);
    for (auto _ : state) {
        corner.terrain = corner.terrain == kSea ? kPlain : kSea;
        DistanceCalculation();
        ReadRoadRows();
    }
    state.counters["sources"] = Sources();
}
BENCHMARK(BM_DistanceTablesFromScratch)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The rebuild after a unit has moved onto a cell that held no units before: one new row.
void BM_DistanceTablesAfterAMove(benchmark::State& state) {
    LateGame();
    std::mt19937 rng(7);
    for (auto _ : state) {
        state.PauseTiming();
        MapCell& corner = Cell(1, 1);
        corner.terrain = corner.terrain == kSea ? kPlain : kSea;
        DistanceCalculation(); // forget every row, then keep those of the present units
        ReadRoadRows();
        Spot to;
        do to = landCells[rng() % landCells.size()];
        while (Cell(to.x, to.y).unitOwner != 0);
        // Civilization 1's last unit steps there (only the cells' owners matter here).
        UnitRecord& unit = Unit(1, Civ(1).unitCount);
        MapCell& from = Cell(unit.x, unit.y);
        if (from.unitCount == 1 && !from.hasCity) from.unitOwner = 0;
        Cell(to.x, to.y).unitOwner = 1;
        unit.x = static_cast<uint8_t>(to.x);
        unit.y = static_cast<uint8_t>(to.y);
        state.ResumeTiming();
        DistanceCalculation();
        ReadRoadRows();
    }
}
BENCHMARK(BM_DistanceTablesAfterAMove)->Unit(benchmark::kMillisecond)->Iterations(40)->Repetitions(5);

// The rebuild after a settler finished a road: the kept rows of that land are repaired.
void BM_DistanceTablesAfterARoad(benchmark::State& state) {
    LateGame();
    DistanceCalculation();
    ReadRoadRows();
    std::mt19937 rng(9);
    for (auto _ : state) {
        Spot s;
        do s = landCells[rng() % landCells.size()];
        while (Cell(s.x, s.y).road);
        Cell(s.x, s.y).road = 1;
        DistanceCalculation();
        ReadRoadRows();
    }
}
BENCHMARK(BM_DistanceTablesAfterARoad)->Unit(benchmark::kMillisecond)->Iterations(100)->Repetitions(5);

// The rebuild after a city was founded where a settler stood: a road, a city and a new row.
void BM_DistanceTablesAfterACity(benchmark::State& state) {
    LateGame();
    DistanceCalculation();
    ReadRoadRows();
    std::mt19937 rng(11);
    for (auto _ : state) {
        Spot s;
        do s = landCells[rng() % landCells.size()];
        while (Cell(s.x, s.y).hasCity || Cell(s.x, s.y).unitOwner != 0);
        MapCell& cell = Cell(s.x, s.y);
        cell.hasCity = cell.road = 1;
        cell.unitOwner = 1;
        DistanceCalculation();
        ReadRoadRows();
    }
}
BENCHMARK(BM_DistanceTablesAfterACity)->Unit(benchmark::kMillisecond)->Iterations(40)->Repetitions(5);

// Every table of every source looked up once after a rebuild from scratch: the work the
// step and sea rows add when something reads them all.
void BM_DistanceTablesFromScratchEveryTableRead(benchmark::State& state) {
    LateGame();
    MapCell& corner = Cell(1, 1);
    const Spot probe = seaCells[seaCells.size() / 2];
    for (auto _ : state) {
        corner.terrain = corner.terrain == kSea ? kPlain : kSea;
        DistanceCalculation();
        int sum = 0;
        for (int x = 1; x <= kSize; ++x)
            for (int y = 1; y <= kSize; ++y)
                if (Cell(x, y).unitOwner != 0)
                    sum += stepDistance(x, y, 1, 2) + seaDistance(x, y, probe.x, probe.y);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DistanceTablesFromScratchEveryTableRead)->Unit(benchmark::kMillisecond)->Repetitions(5);

// A rebuild that keeps every row: the scan of the map alone.
void BM_DistanceTablesUnchanged(benchmark::State& state) {
    LateGame();
    DistanceCalculation();
    ReadRoadRows();
    for (auto _ : state) DistanceCalculation();
}

// A rebuild from scratch that nobody reads from, as after loading a game to save it again.
void BM_DistanceTablesNotRead(benchmark::State& state) {
    LateGame();
    MapCell& corner = Cell(1, 1);
    for (auto _ : state) {
        corner.terrain = corner.terrain == kSea ? kPlain : kSea;
        DistanceCalculation();
    }
}
BENCHMARK(BM_DistanceTablesNotRead)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_DistanceTablesUnchanged)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace
