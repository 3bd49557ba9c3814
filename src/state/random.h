// The game's one random generator. Game logic draws from it only; sound choice and
// animation use their own, so that the same seed always gives the same game.
#pragma once

#include <cstdint>

namespace annals {

void SeedRandom(uint64_t seed);
// Uniform 0..n-1; 0 when n <= 0 (a Random(Random(n)) may ask for Random(0)).
inline int32_t Random(int32_t n);
// Uniform in [0, 1).
inline double RandomFraction();
// The generator's state, so that a test or a benchmark can pin and restore it.
uint64_t RandomState();
void SetRandomState(uint64_t state);

namespace random_detail {
// Set-up draws it a million times; inline, a draw costs a few instructions.
extern uint64_t state;

// SplitMix64: small, fast, and the same on every machine.
inline uint64_t Next() {
    uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
} // namespace random_detail

inline int32_t Random(int32_t n) {
    if (n <= 0) return 0;
    // Multiply-shift keeps the draw uniform enough for n far below 2^32.
    return static_cast<int32_t>(((random_detail::Next() >> 32) * static_cast<uint64_t>(n)) >> 32);
}

inline double RandomFraction() {
    return static_cast<double>(random_detail::Next() >> 11) * (1.0 / 9007199254740992.0);
}

} // namespace annals
