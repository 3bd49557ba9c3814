// Fights between units, and what a fight does to a city.
#pragma once

#include <cstdint>

namespace annals {

// The unit `slot` of `civ` attacks the unit `defSlot` of `defCiv` on (x, y); defSlot is 0
// when a bombard unit, ship or aircraft attacks a city nobody defends.
// 0 the attacker lost, 1 the attacker won, 2 a bombard unit or ship finished its shots.
uint8_t War(int civ, int slot, int defCiv, int defSlot, int x, int y);

// A land unit of `civ` has emptied the city on (x, y): it is taken or destroyed.
void CaptureCity(int civ, int x, int y);

// The next pre-rolled number 0..99 of a civilization.
int NextRoll(int civ);

} // namespace annals
