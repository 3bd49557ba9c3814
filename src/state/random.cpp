#include "state/random.h"

namespace annals {

namespace random_detail {
uint64_t state = 0x853c49e6748fea9bULL;
} // namespace random_detail

void SeedRandom(uint64_t seed) {
    random_detail::state = seed;
}

uint64_t RandomState() {
    return random_detail::state;
}
void SetRandomState(uint64_t state) {
    random_detail::state = state;
}

} // namespace annals
