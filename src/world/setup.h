// The set-up of a new game from the entrance screen's choices.
#pragma once

namespace annals {

// The whole set-up: the map, the starting values, the natives' villages, every
// player's first units, the exploration sites, and the first turn to civilization 1.
// A world without room for everyone is made again; false only when no world would do.
bool StartGame();
// The natives' demand of a new game: nothing of the raw goods, one of each trade good.
void ResetNativeDemand();

// The value of (x, y) as a city site: mode 1 a native village, 2 a computer's next city
// (with siteX, siteY set), 3 a player's start. (x, y) lies 3 cells or more inside the map.
double SiteQuality(int mode, int x, int y);
// The food rating of one cell for SiteQuality.
int CellFood(int x, int y);
// The food part of a site's value from its summed food ratings.
double FoodBase(int summedFood);

} // namespace annals
