#include "economy/end_of_turn.h"

#include "state/state.h"

namespace annals {

// The calendar slows down as history speeds up: centuries at first, single decades
// from the year 1000 on.
int32_t NextYear(int32_t year) {
    if (year <= -2000) return year + 100;
    if (year <= -1000) return year + 50;
    if (year <= 999) return year + 20;
    return year + 10;
}

// So far the game turn only advances the calendar; cities, upkeep, relations and
// research join it with the economy's rules.
void EndOfTurn() {
    game.year = NextYear(game.year);
    game.turn += 1;
}

} // namespace annals
