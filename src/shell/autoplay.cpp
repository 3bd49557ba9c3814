#include "shell/autoplay.h"

#include "ai/computer_player.h"
#include "state/random.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/unit_table.h"
#include "world/map_generator.h"
#include "world/setup.h"

#include <algorithm>

namespace annals {

bool StartComputerGame(int mapSize, int players, uint64_t seed) {
    static const uint8_t nations[kMaxCivs + 1] = {0, 3, 2, 8, 4, 9, 10, 7, 0};
    players = std::clamp(players, 1, kMaxCivs - 1);
    game.mapWidth = game.mapHeight = static_cast<uint8_t>(std::clamp(mapSize, 24, 48));
    game.location = kIsland;
    game.civCount = static_cast<uint8_t>(players + 1);
    game.difficulty = 1;
    for (int p = 1; p < kMaxCivs; ++p) {
        Civ(p).nation = nations[p];
        Civ(p).colour = static_cast<uint8_t>(p);
        Civ(p).isComputer = 1;
        Civ(p).aiLevel = 1;
    }
    SeedRandom(seed);
    return StartGame();
}

void AutoplayStep() {
    if (ui.dialogCode != 0) ui.dialogCode = 0;
    ComputerStep();
}

bool AutoplayUntil(int32_t turn) {
    // Far more steps than any number of rounds needs, so that a stuck game ends.
    const long long rounds = turn > game.turn ? turn - game.turn : 0;
    const long long bound = rounds * 200000LL;
    for (long long step = 0; step < bound && game.turn < turn && !game.gameOver; ++step) AutoplayStep();
    return game.turn >= turn;
}

} // namespace annals
