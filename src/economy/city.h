// Cities: what their land and buildings yield, how they grow, build, train units and
// widen their area, and what a city does once per turn.
//
// A city lives in the cell of its square; the routines take that cell (City(x, y)).
#pragma once

#include <cstdint>

namespace annals {

struct CityData;
struct MapCell;

// ---------------------------------------------------------------------------
// Land and production

// What a citizen of `city` gets from `cell` for `product` (1..14).
uint8_t CellYield(const MapCell& cell, int product, const CityData& city);
// How far (x, y) lies from the city square at (cityX, cityY): 0 the square itself, 1 its
// four neighbours, 2 the diagonals, 3..5 the outer cells of the 5 x 5 square, 6 beyond.
int AreaRing(int cityX, int cityY, int x, int y);
// Whether the city's culture reaches (x, y) and no other civilization's city holds it.
// Sets game.foreignAreaHit when the cell belongs to a foreign city.
bool InCityArea(const CityData& city, int x, int y);
// Whether a city other than the one at (cityX, cityY) has a citizen working (x, y).
bool WorkedByOtherCity(int cityX, int cityY, int x, int y);
// Fills production and consumption for the coming turn.
void ComputeProduction(CityData& city);

// ---------------------------------------------------------------------------
// Citizens

// Growth points the city gains this turn.
uint8_t GrowthPerTurn(const CityData& city);
void GrowCity(CityData& city);
// Puts a new citizen on the best free land, else into a building; false when there is
// no place for him (and nothing changes).
bool AddCitizen(CityData& city);
// Takes a worker off the land; `size` is the caller's business.
void RemoveCitizen(CityData& city);
// The city at (x, y) gives a citizen as a Settler.
void ReleaseSettler(int x, int y);
// The city at (x, y) disappears from its owner's list and from the map.
void RemoveCity(int x, int y);

// ---------------------------------------------------------------------------
// The city turn

void AdvanceBuilding(CityData& city);
void AdvanceUnitProduction(CityData& city);
void AdvanceCulture(CityData& city);
void UpdateHappiness(CityData& city);
// One turn of one city. False when the city starved to death during it.
bool CityTurn(CityData& city);
// The turn of every city of `civ`, in list order, each exactly once.
void RunCityTurns(int civ);

// ---------------------------------------------------------------------------
// What a city gives per turn

double TaxIncome(const CityData& city);
double Corruption(const CityData& city);
double CityScience(const CityData& city);
double CityCulture(const CityData& city);
double CityMilitary(const CityData& city);

// Whether the city may start unit type `item` (1..35) or building item - 35 (36..81).
bool CanProduce(const CityData& city, int item);

// ---------------------------------------------------------------------------
// The city view: 45 picture slots holding citizen figures (1..3), building pictures,
// or nothing. Only slots 1..44 are handed out; nextFreeSlot 45 means the view is full.

constexpr int8_t kEmptyPicture = 0;
constexpr int8_t kBlockedPicture = -1; // kept free so that a large picture stands alone
constexpr int kLastPictureSlot = 44;
constexpr int kNoFreeSlot = 45;

// nextFreeSlot becomes the first empty slot.
void UpdateNextFreeSlot(CityData& city);
// A citizen figure (1..3, at random) in the next free slot.
void AddCitizenFigure(CityData& city);
// Clears the last citizen figure.
void RemoveCitizenFigure(CityData& city);
// The picture of `building` in the next free slot, if there is one; no spacing.
void PutPictureInFreeSlot(CityData& city, int building);
// The picture of a newly completed building, keeping large pictures apart.
void PlaceBuildingPicture(CityData& city, int building);

} // namespace annals
