// The score of a civilization: its strength against the average of the world, weighed
// by how strong its computer opponents play and how late in history it is.
#pragma once

#include <cstdint>

namespace annals {

// The score of the civilization whose view is shown (game.viewCiv).
int32_t Score();
// The score of any civilization, reckoned the same way.
int32_t ScoreOf(int civ);

// The title of a score: "Settler" up to 400 ... "God" above 2900.
const char* RankTitle(int32_t score);

} // namespace annals
