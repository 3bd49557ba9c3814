// The computer players' decisions.
#pragma once

namespace annals {

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

} // namespace annals
