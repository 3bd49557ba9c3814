// What the computer's cities build next, and what the natives' villages train.
#pragma once

namespace annals {

struct CityData;
struct SeaPlan;

// How strongly the city's culture holds the cell (x, y) of its surroundings, 0..4: 0 off
// the map, and for cells no city holds or that a city of another owner holds.
int CultureWeight(const CityData& city, int x, int y);

// Every city of `civ` that builds nothing chooses its next building or wonder (or, for
// want of stone or after a recent building, waits for the next turn).
void ChooseCityBuildings(int civ);

// Every city of a computer civilization (not the natives) chooses the unit it trains: a
// defender while it has fewer than two, a ship where a neighbour is stronger on a sea the
// city touches or a voyage over the water needs one, otherwise its best attacker.
void ChooseCityUnits(int civ, const SeaPlan* sea = nullptr);

// Every village of the natives (`civ`) chooses the unit it trains next; the old tribes
// give way to raiders from the year 1300.
void ChooseVillageUnits(int civ);

} // namespace annals
