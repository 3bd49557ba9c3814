// The game played by the computer alone, with nobody at the screen: how the headless
// driver, its tests and the benchmarks let the civilizations play.
#pragma once

#include <cstdint>

namespace annals {

// A new island world of side `mapSize` with `players` civilizations (1..7) beside the
// natives, every one a computer of level 1; the generator seeded with `seed`. False when
// no world with room for everyone could be made.
bool StartComputerGame(int mapSize, int players, uint64_t seed);

// One step: a dialog, which nobody is there to answer, is closed; then the computers'
// step, as the frames of a watched game take it (ComputerStep).
void AutoplayStep();

// Steps until the calendar reaches `turn` or the game is over. A game that cannot get
// there stops after a bound of steps; returns whether the turn was reached.
bool AutoplayUntil(int32_t turn);

} // namespace annals
