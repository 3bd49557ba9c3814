// The computer players' decisions.
#pragma once

namespace annals {

struct UnitRecord;

// Decides and carries out what the current unit of the current (computer) civilization does.
void AI();
// Once per computer turn, before the last unit: cities may give up citizens as settlers.
void CityReleasePass();

// A computer unit's checks before its order: demands and complaints at the borders of
// people's lands. May change the order; false when the order is dropped.
bool BorderChecks(int civ, int slot, int& order);

// Whether (tx, ty) can be reached from (x, y) by a unit of civ with `points` move points
// (thirds of a move), by land and roads, not through cells held by other civilizations.
bool ReachTest(int civ, int x, int y, int tx, int ty, int points);

// Stores a route for unit `slot` of `civ` into a foreign city next to it, when it stands
// in a city or with a defender; false when it found none.
bool AttackAdjacentCity(int civ, int slot);

// The turns a unit with `moves` whole moves per turn needs for d thirds of a move; 999
// when d is -1 (unreachable).
int TurnsToCover(int d, int moves);

// The cell of the unit's next route step; false when it has no step left, the step is no
// direction, or it leads off the map.
bool NextStepCell(const UnitRecord& unit, int& x, int& y);

} // namespace annals
