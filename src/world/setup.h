// The set-up of a new game from the entrance screen's choices.
#pragma once

namespace annals {

// The whole set-up: the map, the starting values, the natives' villages, every
// player's first units, the exploration sites, and the first turn to civilization 1.
void StartGame();
// The natives' demand of a new game: nothing of the raw goods, one of each trade good.
void ResetNativeDemand();

} // namespace annals
