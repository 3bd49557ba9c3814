// The update of every civilization at the end of a game turn.
#pragma once

#include <cstdint>

namespace annals {

// Runs once per game turn, when the turn wraps from the natives to civilization 1.
void EndOfTurn();

// The year after `year`: +100 up to 2000 BC, +50 up to 1000 BC, +20 up to 999, then +10.
int32_t NextYear(int32_t year);

} // namespace annals
