// Movement, routes and the distance tables.
#pragma once

#include <cstdint>

namespace annals {

struct UnitRecord;

// Moves the current unit of the current civilization by (dx, dy), each -1..1, or
// attacks what stands there. 1 = handled, 0 = refused with a message.
uint8_t Walk(int dx, int dy);

// Route search for unit `slot` of `civ` to (tx, ty); mode 0 stores the route in the unit.
constexpr int kStoreRoute = 0;
constexpr int kTestRoute = 1;
uint8_t FindPath(UnitRecord& unit, int mode, int civ, int slot, int tx, int ty);

// Distance in thirds of a move over the unit's own medium; -1 when unknown.
int roadDistance(int x1, int y1, int x2, int y2);

// Rebuilds every distance table for the current civilization.
void DistanceCalculation();

enum class RouteStep {
    Waiting,  // the move animation is still running: nothing stepped
    Stepped,  // the unit stepped along its route
    EndFrame, // the route ended with a ship's extra step: the frame ends without drawing
};

// One frame's route stepping of the current human unit: recompute its route and, while
// its move animation is at rest, step it along.
RouteStep StepHumanRoute();

} // namespace annals
