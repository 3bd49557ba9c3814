// Fights between units, and what a fight does to a city.
//
// Every roll of a fight comes from the pre-rolled queue of the civilization whose turn it
// is, so a saved game repeats its next fights exactly after loading.
#pragma once

#include <cstdint>

namespace annals {

// Results of War.
constexpr uint8_t kAttackerLost = 0;
constexpr uint8_t kAttackerWon = 1;
constexpr uint8_t kShotsFired = 2; // a bombard unit or ship finished its shots, or nobody fought

// The next pre-rolled number 0..99 of a civilization. The current unit decides the stream:
// bombard units, ships and aircraft read further down the queue than the other units.
int NextRoll(int civ);

// The unit that defends the cell (x, y) against an attacker of `attackerType`: a slot of
// the cell's unitOwner, or 0 when nothing there may defend. Land attackers cannot pick
// ships, and units carried at sea never defend.
int ChooseDefender(int x, int y, int attackerType);

// The unit `slot` of `civ` attacks the unit `defSlot` of `defCiv` on (x, y). defSlot is 0
// when a bombard unit, ship or aircraft attacks a city nobody can defend. The loser of a
// melee is left to the caller to remove; units shot to death are removed here.
uint8_t War(int civ, int slot, int defCiv, int defSlot, int x, int y);

// A land unit of `civ` has emptied the city on (x, y): it is taken, or destroyed when the
// natives are either side.
void CaptureCity(int civ, int x, int y);

// The battle animation of one exchange or shot: the shooter's sound, eight frames of the
// explosion with the melee sounds, and a pause after a destroyed building. `target` is
// the slot of defCiv's unit in the fight, or 0 when a building or nothing was hit.
void CrashEffect(int civ, int slot, int x, int y, int target, int defCiv);

} // namespace annals
