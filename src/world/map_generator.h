// The map generator: makes the world of a new game from the chosen size and kind of
// world, drawing only from the game's random generator, so one seed gives one map.
//
// While the map is being made, MapCell::terrain holds working codes: 0 is water not yet
// turned into Sea, 1 is land still to be painted by the climate belts, 2..7 are land
// terrains. Only at the end does every 0 become Sea.
#pragma once

#include <cstdint>

namespace annals {

// Kinds of world (GameState::location).
enum WorldKind : int {
    kIsland = 1,
    kLake = 2,
    kContinental = 3,
    kCoastal = 4,
    kRandomWorld = 5,
};

// Special resources (MapCell::special and hiddenSpecial).
enum Special : uint8_t {
    kSpecialGame = 1,     // game in a warm forest
    kSpecialColdGame = 2, // game in a forest of the Plain or the Artic
    kSpecialGrain = 3,
    kSpecialFish = 4,
    kSpecialSeals = 5, // on an Artic coast
    kSpecialCotton = 6,
    kSpecialTobacco = 7,
    kSpecialGrapes = 8,
    kSpecialTimber = 9,
    kSpecialFur = 10,
    kSpecialStone = 11,
    kSpecialGold = 12,
    kSpecialOasis = 13,
    kSpecialPearls = 14, // gold of the sea, never two within five cells
};

// Compass directions used by the river tracer; a river's digits in MapCell::river are
// kNorth: units, kEast: tens, kSouth: hundreds, kWest: thousands.
enum RiverDirection : int { kNorth = 1, kEast = 2, kSouth = 3, kWest = 4 };

enum class FeatureKind { kHill, kForest, kDesertForest };

// Makes a new world of mapWidth x mapHeight cells of the kind in location, first
// clearing the map part of every cell (from workedByX on; the city part is left to
// the set-up). Sets landFactor, landmassSize and seaBodyCount; a Random world keeps
// location 5. Does nothing for a size outside 1..50 or a kind outside 1..5.
void GenerateMap();

// A patch of terrain spreading from (x, y) over land: each step reaches an orthogonal
// neighbour with chance 1/d and a diagonal one with chance 1/(3 d^3). Terrain 0 makes
// water (lakes and inland seas).
void GrowPatch(int x, int y, int terrain, int d, int depth);

// A patch of hills or forest spreading from (x, y) over land: chance 1/3 for an
// orthogonal neighbour, 1/12 for a diagonal one. Hills and ordinary forest never grow
// on Desert; forest never grows on a hill.
void GrowFeature(int x, int y, int depth, FeatureKind kind);

// One river entering (x, y) while flowing in the given direction, then running on for
// at most length cells; Desert costs one more. Each joined pair of cells gets matching
// digits.
void TraceRiver(int x, int y, int length, int direction);

// Numbers the landmasses in scan order and sinks every landmass of at most mapWidth
// cells; fills landmassSize. Works on final terrains (Sea = 1).
void NumberLandmasses();

// Coastal flags of every cell, then the sea bodies in scan order; sets seaBodyCount.
void MarkCoastsAndSeaBodies();

// Specials of land cells and coastal Sea, and the cellSeed of coastal Sea.
void PlaceSpecialResources();

// The block of cells beside (x, y) on one side (kNorth..kWest) that the island blob
// fills when it grows by size cells: size deep, and 2 Round(size / 2) + 1 wide.
struct CellRect {
    int x1, y1, x2, y2;
};
CellRect BlobBlock(int x, int y, int side, int size);

} // namespace annals
