#include "state/random.h"

namespace annals {

namespace {
uint64_t rngState = 0x853c49e6748fea9bULL;

// SplitMix64: small, fast, and the same on every machine.
uint64_t Next() {
    uint64_t z = (rngState += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
} // namespace

void SeedRandom(uint64_t seed) {
    rngState = seed;
}

int32_t Random(int32_t n) {
    if (n <= 0) return 0;
    // Multiply-shift keeps the draw uniform enough for n far below 2^32.
    return static_cast<int32_t>(((Next() >> 32) * static_cast<uint64_t>(n)) >> 32);
}

double RandomFraction() {
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

uint64_t RandomState() {
    return rngState;
}
void SetRandomState(uint64_t state) {
    rngState = state;
}

} // namespace annals
