// Drawing one game-screen frame late in a game on a Huge map: the map view with every
// layer, the frame and panels, in the headless host. A frame comes every 60 ms; the
// drawing should take a small part of that.
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/city_screen.h"
#include "ui/drawing.h"
#include "ui/input.h"
#include "ui/map_view.h"
#include "units/unit_table.h"
#include "world/map_generator.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

using namespace annals;

namespace {

void FoundCity(int civ, int x, int y, int size) {
    CivRecord& owner = Civ(civ);
    owner.cityCount += 1;
    owner.citiesFounded = static_cast<uint8_t>(owner.cityCount % 6 + 1);
    owner.cities[owner.cityCount] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
    CityData& city = City(x, y);
    city.hasCity = 1;
    city.cityX = static_cast<uint8_t>(x);
    city.cityY = static_cast<uint8_t>(y);
    city.owner = static_cast<uint8_t>(civ);
    city.founder = static_cast<uint8_t>(civ);
    city.cityIndex = owner.cityCount;
    city.nameIndex = owner.citiesFounded;
    city.size = static_cast<uint8_t>(size);
    city.buildings[3] = size % 3 == 0;
    city.buildings[34] = size % 5 == 0;
    Cell(x, y).road = 1;
    Cell(x, y).unitOwner = static_cast<uint8_t>(civ);
}

// Seven peoples and the natives on a Huge continental world: a city every few cells,
// roads and fields, nearly 200 units each, everything explored.
void MakeLateGame() {
    ResetState();
    InitializeVariables();
    game.language = 1;
    SeedRandom(11);
    game.mapWidth = game.mapHeight = 48;
    game.location = kContinental;
    GenerateMap();
    game.civCount = 8;
    for (int c = 1; c <= 8; ++c) {
        Civ(c).nation = static_cast<uint8_t>(c == 8 ? kNativeNation : c);
        Civ(c).government = 3;
        Civ(c).colour = static_cast<uint8_t>(c);
        Civ(c).isComputer = c != 1;
        Civ(c).knows[39] = c % 3 == 0;
    }
    std::vector<std::pair<int, int>> land;
    for (int x = 1; x <= 48; ++x)
        for (int y = 1; y <= 48; ++y) {
            MapCell& cell = Cell(x, y);
            cell.explored = 1;
            if (cell.terrain == kSea) continue;
            land.push_back({x, y});
            cell.road = Random(5) < 2;
            cell.cornfield = !cell.forest && !cell.hill && Random(5) == 0;
        }
    int next = 0;
    for (int x = 3; x <= 46; x += 3)
        for (int y = 3; y <= 46; y += 3)
            if (Cell(x, y).terrain != kSea && Civ(next % 8 + 1).cityCount < kMaxCities)
                FoundCity(next % 8 + 1, x, y, 1 + Random(24)), ++next;
    for (int c = 1; c <= 8; ++c)
        for (int u = 0; u < 190; ++u) {
            const auto [x, y] = land[static_cast<size_t>(Random(static_cast<int>(land.size())))];
            if (Cell(x, y).unitCount == 0 || Cell(x, y).unitOwner == c) AddUnit(c, 2 + Random(33), x, y);
        }
    for (int c = 1; c <= 8; ++c)
        for (int s = 1; s <= Civ(c).unitCount; ++s) Unit(c, s).fortified = s % 4 == 0;
    game.currentCiv = game.viewCiv = 1;
    game.currentUnit = game.viewUnit = 1;
    Unit(1, 1).movesLeft = 3;
    game.viewX = 14.5; // half-cell origins draw one more column and row
    game.viewY = 16.5;
    ui.gameStarted = 1;
}

std::string GameFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("build/game") : exe.parent_path().string();
}

// A late game on a headless screen with the pictures loaded, for one frame benchmark;
// everything is put back when it goes.
class FrameBench {
public:
    FrameBench(benchmark::State& state, bool pixels) : platform_({.pixels = pixels, .recordDrawing = false}) {
        InstallShellHost(platform_);
        gameFolder = GameFolder();
        ready_ = LoadSurfaces(1);
        if (!ready_) {
            state.SkipWithError(("no pictures " + SheetLoadError()).c_str());
            return;
        }
        MakeLateGame();
    }
    ~FrameBench() {
        if (ready_) FreeSurfaces();
        UninstallShellHost();
        ResetState();
    }
    bool Ready() const { return ready_; }
    // The timed frames.
    void Run(benchmark::State& state) {
        for (auto _ : state) {
            TimerFunction();
            benchmark::DoNotOptimize(platform_.Screen().GetPixel(500, 300));
        }
    }

private:
    HeadlessPlatform platform_;
    bool ready_ = false;
};

void BM_GameScreenFrame(benchmark::State& state) {
    FrameBench bench(state, state.range(0) == 1);
    if (!bench.Ready()) return;
    TimerFunction(); // the small map is drawn once, then kept
    bench.Run(state);
}

BENCHMARK(BM_GameScreenFrame)
    ->ArgName("pixels")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same frame with an overview screen open over the map: the products screen with
// every row full and the sale offer under the pointer, the finance screen, the cities
// screen, and the statistics graph of a long game.
void BM_OverviewScreenFrame(benchmark::State& state) {
    FrameBench bench(state, true);
    if (!bench.Ready()) return;
    game.turn = 280;
    for (int c = 1; c <= 8; ++c) {
        for (int t = 1; t < game.turn; ++t) Civ(c).powerHistory[t] = 50 + (t * c) % 200;
        Civ(c).foundingCount = 10;
        for (int i = 1; i <= 10; ++i) Civ(c).foundingTurns[i] = 20 * i + c;
        Civ(1).relation[c] = 5.0 * c;
    }
    for (int k = 1; k <= Civ(1).cityCount; ++k) {
        CityData& city = City(Civ(1).cities[k].x, Civ(1).cities[k].y);
        for (int p = 1; p <= kProducts; ++p) city.stock[p] = 10 * p + k;
        city.taxRate = 30;
        city.happiness = 60 + k;
        city.buildItem = static_cast<uint8_t>(36 + k % 30);
    }
    ui.frameDrawn = 1;
    TimerFunction();
    const int screen = static_cast<int>(state.range(0));
    static constexpr int kButtons[4][2] = {{135, 733}, {174, 658}, {147, 691}, {173, 725}};
    BaseMouseMove(0, kButtons[screen][0], kButtons[screen][1]);
    BaseMouseDown(0, 0, kButtons[screen][0], kButtons[screen][1]);
    BaseMouseUp(0, 0, kButtons[screen][0], kButtons[screen][1]);
    BaseMouseMove(0, 540, 300); // a product box, a row, a column of the graph
    bench.Run(state);
}

BENCHMARK(BM_OverviewScreenFrame)
    ->ArgName("screen") // 0 products, 1 finance, 2 cities, 3 statistics
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same frame with the screen of a large city of the player's open over the map:
// workers on its land and in its buildings, goods in store, a wagon train at the gate,
// and the pointer resting on a product's row.
void BM_CityScreenFrame(benchmark::State& state) {
    FrameBench bench(state, state.range(0) == 1);
    if (!bench.Ready()) return;
    const int x = Civ(1).cities[1].x, y = Civ(1).cities[1].y;
    CityData& city = City(x, y);
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (InsideMap(x + dx, y + dy) && (dx + dy) % 2 == 0) {
                city.Worked(dx, dy) = 1;
                city.WorkedProduct(dx, dy) = static_cast<uint8_t>(1 + (dx + 2) % 7);
            }
    for (int b : {4, 5, 18, 33, 37}) city.buildings[b] = 1;
    city.jobs[4] = 2;
    city.jobs[33] = 1;
    city.buildItem = 35 + 35;
    city.storageCapacity = 200;
    for (int p = 1; p <= kProducts; p += 2) city.stock[p] = 40 + p;
    AddUnit(1, kWagonTrain, x, y);
    CentreViewOn(x, y);
    ShowCityScreen(x, y, CityScreenFrom::Map);
    BaseMouseMove(0, 700, 360);
    TimerFunction();
    bench.Run(state);
}

BENCHMARK(BM_CityScreenFrame)
    ->ArgName("pixels")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
