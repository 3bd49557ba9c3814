// Orders of the current unit of the current civilization.
#pragma once

#include <cstdint>

namespace annals {

// Carries out one order: 1 pass, 2 found a city, 3 cornfield or forest, 5 examine a
// hill, 6 road, 7 board, 8 mine, 11 fortify, 12 wait keeping the move points, 20 +
// direction a one-cell move. 1 when the order was carried out (or there was nothing to
// do), 0 when it was refused; a person is told why.
uint8_t UnitActivity(int order);

// A new city of the current civilization at (x, y).
void FoundCity(int x, int y);
// No city stands in the 5 x 5 square around (x, y).
bool NearCityFree(int x, int y);

// A settler's job whose countdown has come down to its base (30, 50, 60 or 80) is done.
bool IsJobBase(int jobTimer);
void CompleteJob(int civ, int slot);

// The order buttons the selected unit offers (ui.orderButtons).
void BuildOrderButtons();

} // namespace annals
