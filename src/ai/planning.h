// The computer's once-a-turn look over its whole civilization.
#pragma once

namespace annals {

// Weighs threats, chooses city sites and founders, escorts and the cities' production of
// civilization `civ`, and marks the pass as done for this turn.
void PlanningPass(int civ);

} // namespace annals
