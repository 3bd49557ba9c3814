// One round of seven computer civilizations on a Huge world late in a game: what every
// change to the computer players costs.
#include "citizen_placement_reference.h"
#include "economy/city_management.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "shell/autoplay.h"
#include "shell/program.h"
#include "state/random.h"
#include "state/state.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace annals;

namespace {

constexpr int kRounds = 150;

// The game after 150 rounds, kept in memory so that every iteration plays the same round.
struct Position {
    std::string save;
    uint64_t random = 0;
    std::string error;
};

const Position& Round150() {
    static const Position position = [] {
        Position p;
        if (!StartComputerGame(48, 7, 1818)) {
            p.error = "no world could be made";
        } else if (!AutoplayUntil(game.turn + kRounds)) {
            p.error = "the game ended before round " + std::to_string(kRounds);
        } else {
            p.save = SaveGameText();
            p.random = RandomState();
        }
        return p;
    }();
    return position;
}

void BM_ComputerRound(benchmark::State& state) {
    HeadlessPlatform platform({.pixels = false});
    InstallShellHost(platform);
    ResetState();
    FormCreate(1);
    const Position& position = Round150();
    if (!position.error.empty()) {
        state.SkipWithError(position.error.c_str());
    } else {
        int units = 0, cities = 0;
        for (auto _ : state) {
            state.PauseTiming();
            LoadSaveText(position.save);
            SetRandomState(position.random);
            const int32_t turn = game.turn;
            state.ResumeTiming();
            AutoplayUntil(turn + 1);
        }
        for (int c = 1; c <= game.civCount; ++c) units += Civ(c).unitCount, cities += Civ(c).cityCount;
        state.counters["units"] = units;
        state.counters["cities"] = cities;
    }
    FormClose();
    UninstallShellHost();
    ResetState();
}

BENCHMARK(BM_ComputerRound)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Every computer city of the same position places its citizens anew, as at the end of
// a round: with the game's planner, and with the plain one it is checked against.
void PlaceAllCitizens(benchmark::State& state, void (*planner)(CityData&)) {
    HeadlessPlatform platform({.pixels = false});
    InstallShellHost(platform);
    ResetState();
    FormCreate(1);
    const Position& position = Round150();
    if (!position.error.empty()) state.SkipWithError(position.error.c_str());
    LoadSaveText(position.save);
    SetCitizenPlanner(planner);
    int cities = 0;
    for (auto _ : state) {
        cities = 0;
        for (int c = 1; c <= game.civCount; ++c)
            for (int k = 1; k <= Civ(c).cityCount; ++k) {
                AssignCitizens(City(Civ(c).cities[k].x, Civ(c).cities[k].y));
                cities += 1;
            }
    }
    SetCitizenPlanner(nullptr);
    state.counters["cities"] = cities;
    FormClose();
    UninstallShellHost();
    ResetState();
}

void BM_AssignCitizens(benchmark::State& state) {
    PlaceAllCitizens(state, nullptr);
}
void BM_AssignCitizensPlain(benchmark::State& state) {
    PlaceAllCitizens(state, AssignCitizensPlain);
}
// The round-150 game loaded from its text and saved again, in process.
void BM_LoadAndSave(benchmark::State& state) {
    HeadlessPlatform platform({.pixels = false});
    InstallShellHost(platform);
    ResetState();
    FormCreate(1);
    const Position& position = Round150();
    if (!position.error.empty()) state.SkipWithError(position.error.c_str());
    size_t bytes = 0;
    for (auto _ : state) {
        LoadSaveText(position.save);
        bytes = SaveGameText().size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    FormClose();
    UninstallShellHost();
    ResetState();
}
BENCHMARK(BM_LoadAndSave)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK(BM_AssignCitizens)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_AssignCitizensPlain)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
