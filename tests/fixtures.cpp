#include "fixtures.h"

#include "ai/computer_player.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/unit_table.h"
#include "world/map_generator.h"
#include "world/setup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace annals::testing {

namespace {
// A game a test finishes goes into a hall of fame of the build, never into that of the
// person running the tests; each test process has its own, so that tests running side
// by side never read one another's list half-way.
std::string DataFolderOfThisProcess() {
    return std::string(ANNALS_GAME_DIR "/../test-data/") + std::to_string(getpid());
}
[[maybe_unused]] const bool dataFolderOfTheBuild = [] {
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(DataFolderOfThisProcess(), ignored);
    });
    setenv("XDG_DATA_HOME", DataFolderOfThisProcess().c_str(), 1);
    return true;
}();
} // namespace

bool MakeSmallGame(unsigned seed) {
    ResetState();
    InitializeVariables();
    game.language = 1;
    SeedRandom(seed);
    game.mapWidth = game.mapHeight = 24;
    game.location = kIsland;
    GenerateMap();
    game.civCount = 3;
    const int nations[] = {0, 8, 3, kNativeNation};
    for (int c = 1; c <= 3; ++c) {
        Civ(c).nation = static_cast<uint8_t>(nations[c]);
        Civ(c).government = 2;
        Civ(c).colour = static_cast<uint8_t>(c == 3 ? 8 : c);
        Civ(c).gold = 75;
        Civ(c).goldBias = 75;
        Civ(c).isComputer = c == 1 ? 0 : 1;
        Civ(c).aiLevel = c == 1 ? 0 : (c == 3 ? 5 : 3);
    }
    std::vector<std::pair<int, int>> land;
    for (int x = 2; x < game.mapWidth; ++x)
        for (int y = 2; y < game.mapHeight; ++y)
            if (Cell(x, y).terrain != kSea) land.push_back({x, y});
    if (land.size() < 3) return false;
    AddUnit(1, kWarrior, land[0].first, land[0].second);
    AddUnit(1, kSettler, land[0].first, land[0].second);
    AddUnit(2, kWarrior, land.back().first, land.back().second);
    game.currentCiv = 1;
    game.viewCiv = 1;
    game.currentUnit = 1;
    game.viewUnit = 1;
    return true;
}

bool MakeComputerGame(unsigned seed, int size, int players) {
    ResetState();
    InitializeVariables();
    game.language = 1;
    game.mapWidth = game.mapHeight = static_cast<uint8_t>(size);
    game.location = 1 + seed % 5;
    game.civCount = static_cast<uint8_t>(players + 1);
    game.difficulty = 3;
    const int nations[] = {0, 3, 2, 8, 4, 9, 10, 7};
    for (int p = 1; p <= players; ++p) {
        Civ(p).nation = static_cast<uint8_t>(nations[p]);
        Civ(p).colour = static_cast<uint8_t>(p);
        Civ(p).isComputer = 1;
        Civ(p).aiLevel = static_cast<uint8_t>(1 + (p + seed) % 5);
    }
    SeedRandom(seed);
    if (!StartGame()) return false;
    for (int c = 1; c <= game.civCount; ++c) Civ(c).isComputer = 1;
    return true;
}

bool PlayComputerRound() {
    const int32_t turn = game.turn;
    int lastCiv = 0;
    for (long step = 0; step < 400000 && game.turn == turn && !game.gameOver; ++step) {
        ui.dialogCode = 0; // nobody is there to answer
        if (game.currentCiv != lastCiv || ui.distanceRecalcRequested) {
            // The frame rebuilds the distances between moves.
            ui.distanceRecalcRequested = 0;
            DistanceCalculation();
            lastCiv = game.currentCiv;
        }
        game.unitHandled = 0;
        AI();
        if (!game.unitHandled) NextUnit(1);
    }
    return game.turn != turn;
}

std::filesystem::path FreshTempDir(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string test = info ? std::string(info->test_suite_name()) + "." + info->name() : "none";
    for (char& c : test)
        if (c == '/') c = '_';
    const auto dir = std::filesystem::temp_directory_path() /
                     ("annals-" + name + "-" + test + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace annals::testing

namespace {
// No test reads or writes the player's own settings (~/.config/annals): every test
// process looks for them in a folder of its own that nothing creates, and the tests of
// the settings point XDG_CONFIG_HOME at a fresh folder of theirs.
std::filesystem::path NoSettingsFolder() {
    return std::filesystem::temp_directory_path() / ("annals-tests-no-settings-" + std::to_string(getpid()));
}
[[maybe_unused]] const bool settingsAway = [] {
    // Whatever a test wrote there by pressing about (the monkey does) goes at the end.
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(NoSettingsFolder(), ignored);
    });
    return setenv("XDG_CONFIG_HOME", NoSettingsFolder().c_str(), 1) == 0;
}();
} // namespace
