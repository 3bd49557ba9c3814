#include "world/setup.h"

#include "state/state.h"

namespace annals {

// The set-up of a game comes with the villages, the players' first units and the sites.
void StartGame() {}

void ResetNativeDemand() {
    for (int p = 1; p <= kProducts; ++p) game.nativeDemand[p] = p >= 11 ? 1 : 0;
}

} // namespace annals
