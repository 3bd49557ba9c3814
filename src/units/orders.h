// Orders of the current unit of the current civilization.
#pragma once

#include <cstdint>

namespace annals {

// Carries out one order: 1 pass, 2 found a city, 3 cornfield or forest, 5 examine a
// hill, 6 road, 7 board, 8 mine, 11 fortify, 20 + direction a one-cell move ...
// 1 when the order was carried out (or there was nothing to do), 0 when it was refused.
uint8_t UnitActivity(int order);

// A settler's job whose countdown has come down to its base (30, 50, 60 or 80) is done.
bool IsJobBase(int jobTimer);
void CompleteJob(int civ, int slot);

// The order buttons the selected unit offers (ui.orderButtons).
void BuildOrderButtons();

} // namespace annals
