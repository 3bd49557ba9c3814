// Movement, routes and the distance tables.
//
// Move points are counted in thirds of a move: a step costs 3, or 1 along a road (both
// cells have one) for anything but an aircraft.
#pragma once

#include <cstdint>

namespace annals {

struct UnitRecord;

// Moves the current unit of the current civilization by (dx, dy), each -1..1, or
// attacks what stands there, or raises the dialog that the step calls for.
// 1 = handled (moved, attacked, dialog raised, or nothing to do); 0 = refused with a message.
uint8_t Walk(int dx, int dy);

// The numpad direction (1..9 without 5) of a step (dx, dy); 0 when it is no step.
int DirectionOf(int dx, int dy);

// Route search for unit `slot` of `civ` (whose record is `unit`) to (tx, ty).
// Mode 0 stores the route in the unit (path, pathLength, pathStep, gotoX, gotoY);
// mode 1 only tests, leaving the cost in game.lastRouteCost.
constexpr int kStoreRoute = 0;
constexpr int kTestRoute = 1;
uint8_t FindPath(UnitRecord& unit, int mode, int civ, int slot, int tx, int ty);

// Gives the unit a route to the nearest own city, or makes it wait when there is none.
void GoHome(UnitRecord& unit, int civ, int slot);

enum class RouteStep {
    Waiting,  // the move animation is still running: nothing stepped
    Stepped,  // the unit stepped along its route
    EndFrame, // the route ended with a ship's extra step: the frame ends without drawing
};

// One frame's route stepping of the current human unit: recompute its route and, while
// its move animation is at rest, step it along.
RouteStep StepHumanRoute();

// Rebuilds the distance tables for every cell that holds units (and every city square that
// ever held one). Between rebuilds the tables describe the map as it was then.
void DistanceCalculation();

// The distance tables, in thirds of a move; -1 = unreachable or not computed. A distance
// is known when either end held units at the last rebuild.
// Moving over cells of the same kind only (land to land, sea to sea), 1 per road step.
int roadDistance(int x1, int y1, int x2, int y2);
// The same with every step costing 3.
int stepDistance(int x1, int y1, int x2, int y2);
// From a land cell that held units to a Sea cell: by land to the coast, 3 to go aboard,
// then 1 per step at sea.
int seaDistance(int x1, int y1, int x2, int y2);

struct MapPoint {
    uint8_t x, y; // 0, 0 = none
};
// On the sea route from (x1, y1) to (x2, y2): the first Sea cell entered ...
MapPoint seaEntryCell(int x1, int y1, int x2, int y2);
// ... and the land cell it is entered from.
MapPoint embarkCell(int x1, int y1, int x2, int y2);

} // namespace annals
