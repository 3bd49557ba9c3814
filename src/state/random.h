// The game's one random generator. Game logic draws from it only; sound choice and
// animation use their own, so that the same seed always gives the same game.
#pragma once

#include <cstdint>

namespace annals {

void SeedRandom(uint64_t seed);
// Uniform 0..n-1; 0 when n <= 0 (a Random(Random(n)) may ask for Random(0)).
int32_t Random(int32_t n);
// Uniform in [0, 1).
double RandomFraction();
// The generator's state, so that a test or a benchmark can pin and restore it.
uint64_t RandomState();
void SetRandomState(uint64_t state);

} // namespace annals
