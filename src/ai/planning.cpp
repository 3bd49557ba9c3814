#include "ai/planning.h"

#include "ai/production_choice.h"
#include "state/state.h"

namespace annals {

// So far the plan is only what the cities build; the weighing of threats, the choice of
// new sites and founders, escorts and wagon trains come with the rest of the planning.
void PlanningPass(int civ) {
    if (civ < 1 || civ > game.civCount) return;
    ChooseCityBuildings(civ);
    if (IsNatives(civ))
        ChooseVillageUnits(civ);
    else
        ChooseCityUnits(civ);
}

} // namespace annals
