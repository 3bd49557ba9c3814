// Before a computer unit's order: at a person's border it asks for a science or gold,
// steps back from friends, and complains about soldiers standing in its cities' lands.
#include "ai/computer_player.h"
#include "economy/science.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/combat.h"

#include <algorithm>
#include <cstring>

namespace annals {

namespace {

constexpr int kDialogTeachUs = 40, kDialogPayUs = 41, kDialogWithdraw = 42, kDialogWar = 6;
constexpr int kBrokenBorderAgreement = 3;

// The strength of one party's units in a cell, as the demands weigh it.
double Strength(const MapCell& cell) {
    double sum = 0;
    for (int i = 1; i <= cell.unitCount; ++i) {
        const int owner = cell.unitOwner, s = cell.unitList[i];
        const UnitRecord& unit = Unit(owner, s);
        double value = std::max(UnitAttack(owner, s), UnitDefence(owner, s)) * unit.lives;
        if (IsBombard(unit.type)) value *= 3;
        sum += value;
    }
    return sum;
}

// The most costly science `teacher` knows that `civ` lacks, does not study and may take up.
int ScienceToAskFor(int civ, int teacher) {
    int best = 0;
    for (int s = 1; s <= kSciences; ++s) {
        if (Civ(teacher).knows[s] != 1 || Civ(civ).knows[s] == 1 || Civ(civ).research == s) continue;
        if (!CanResearch(civ, s)) continue;
        if (best == 0 || scienceCost(s) > scienceCost(best)) best = s;
    }
    return best;
}

void OpenDialog(int code, int civ, int other) {
    std::memset(ui.dialogParams, 0, sizeof ui.dialogParams);
    ui.dialogCode = code;
    ui.dialogVariant = 0;
    ui.dialogPartyA = static_cast<uint8_t>(civ);
    ui.dialogPartyB = static_cast<uint8_t>(other);
}

// A cell in the area of one of civ's cities.
bool InAreaOf(const MapCell& cell, int civ) {
    const int x = cell.workedByX, y = cell.workedByY;
    return InsideMap(x, y) && City(x, y).hasCity && City(x, y).owner == civ;
}

} // namespace

bool BorderChecks(int civ, int slot, int& order) {
    if (civ < 1 || civ > game.civCount || IsHuman(civ) || slot < 1 || slot > Civ(civ).unitCount) return true;
    UnitRecord& unit = Unit(civ, slot);
    CivRecord& me = Civ(civ);
    const bool going = order == 1 || order == 12;

    // The cell of the next route step; none without a route.
    int nx = 0, ny = 0;
    if (!NextStepCell(unit, nx, ny)) nx = ny = 0;
    const bool next = InsideMap(nx, ny) && Cell(nx, ny).unitCount > 0;
    const int holder = next ? Cell(nx, ny).unitOwner : 0;
    const bool armedTowardsHuman = unit.gotoX != 0 && UnitAttack(civ, slot) > 0 && next && IsHuman(holder);

    if (armedTowardsHuman && me.relation[holder] > 20 && me.relation[holder] <= 25) {
        const int science = ScienceToAskFor(civ, holder);
        unit.movesLeft = 0;
        if (science != 0 && NextRoll(civ) > 30) {
            OpenDialog(kDialogTeachUs, civ, holder);
            ui.dialogParams[0] = science;
            ui.dialogParams[3] = Strength(Cell(unit.x, unit.y));
            ui.dialogParams[4] = Strength(Cell(nx, ny));
            return false;
        }
        OpenDialog(kDialogPayUs, civ, holder);
        ui.dialogParams[0] = 2 * std::clamp<int>(me.aiLevel, 1, 5) + 2;
        return going;
    }
    if (armedTowardsHuman && me.relation[holder] > 25) {
        unit.gotoX = unit.gotoY = 0;
        unit.pathLength = 0;
        order = 1;
        return true;
    }

    // Without anybody in the next cell there is nobody to be at peace with.
    if (IsNatives(civ) || holder == 0 || me.relation[holder] <= 20 || game.civTimer[civ] >= 4) return true;
    for (int x = unit.x - 1; x <= unit.x + 1; ++x)
        for (int y = unit.y - 1; y <= unit.y + 1; ++y) {
            if (!InsideMap(x, y)) continue;
            const MapCell& cell = Cell(x, y);
            if (cell.unitCount == 0 || !IsHuman(cell.unitOwner) || !InAreaOf(cell, civ)) continue;
            if (game.civTimer[civ] == 0) {
                OpenDialog(kDialogWithdraw, civ, cell.unitOwner);
            } else {
                OpenDialog(kDialogWar, civ, cell.unitOwner);
                ui.dialogVariant = kBrokenBorderAgreement;
            }
            unit.movesLeft = 0;
            if (!going) return false;
        }
    return true;
}

} // namespace annals
