#include "units/unit_table.h"

#include "ai/computer_player.h"
#include "economy/end_of_turn.h"
#include "economy/science.h"
#include "economy/victory.h"
#include "state/computer_turns.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/orders.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace annals {

namespace {

bool ValidSlot(int civ, int slot) {
    return civ >= 1 && civ <= kMaxCivs && slot >= 1 && slot <= Civ(civ).unitCount;
}

void ClearRecord(UnitRecord& unit) {
    std::memset(static_cast<void*>(&unit), 0, sizeof unit);
}

// Bombard units and ships look further than the rest.
int SightRadius(int type) {
    return (type >= 23 && type <= 30) ? 2 : 1;
}

void Explore(int x, int y, int radius) {
    for (int cx = x - radius; cx <= x + radius; ++cx)
        for (int cy = y - radius; cy <= y + radius; ++cy)
            if (InsideMap(cx, cy)) Cell(cx, cy).explored = 1;
}

bool HasUnitsOrCities(int civ) {
    return Civ(civ).unitCount > 0 || Civ(civ).cityCount > 0;
}

// People who share one screen: more than one of them still in the game.
bool SharedScreen() {
    int people = 0;
    for (int c = 1; c < game.civCount && c <= kMaxCivs; ++c)
        if (IsHuman(c) && HasUnitsOrCities(c)) people += 1;
    return people >= 2;
}

// Removes the slot from its cell's unit list.
void LeaveCell(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    if (!InsideMap(unit.x, unit.y)) return;
    MapCell& cell = Cell(unit.x, unit.y);
    int position = 0;
    for (int i = 1; i <= cell.unitCount; ++i) {
        if (cell.unitList[i] == slot && cell.unitOwner == civ) {
            position = i;
            break;
        }
    }
    // A unit missing from its cell's list leaves the list alone rather than dropping
    // somebody else from it.
    if (position == 0) return;
    for (int i = position; i < cell.unitCount; ++i) cell.unitList[i] = cell.unitList[i + 1];
    cell.unitList[cell.unitCount] = 0;
    cell.unitCount -= 1;
    if (cell.unitCount == 0 && !cell.hasCity) cell.unitOwner = 0;
}

// Whether any unit in the cell can defend itself (defence with experience above 0).
bool Defended(const MapCell& cell) {
    for (int i = 1; i <= cell.unitCount; ++i)
        if (UnitDefence(cell.unitOwner, cell.unitList[i]) > 0) return true;
    return false;
}

void RecomputeUndefended() {
    for (int x = 1; x <= game.mapWidth; ++x)
        for (int y = 1; y <= game.mapHeight; ++y) {
            MapCell& cell = Cell(x, y);
            cell.undefended = Defended(cell) ? 0 : 1;
        }
}

// A group of computer units travels at the speed of its slowest member.
int8_t GroupMovePoints(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    const MapCell& cell = Cell(unit.x, unit.y);
    int slowest = 100;
    for (int i = 1; i <= cell.unitCount; ++i) {
        const int other = cell.unitList[i];
        const UnitRecord& mate = Unit(civ, other);
        const bool sameGroup = other == slot || (mate.missionFlags[3] == 1 && mate.gotoX == unit.gotoX &&
                                                 mate.gotoY == unit.gotoY);
        if (sameGroup) slowest = std::min(slowest, UnitTypeMoves(mate.type));
    }
    const int points = 3 * slowest;
    if (slowest < UnitTypeMoves(unit.type) &&
        ReachTest(civ, unit.x, unit.y, unit.gotoX, unit.gotoY, points + 1))
        return static_cast<int8_t>(std::min(points + 1, 127));
    return static_cast<int8_t>(std::min(points, 127));
}

} // namespace

// A game taken up again by two or more people at one screen starts behind the hand-over
// cover, so that whoever loads it sees nothing of the other people's map first.
void CoverSharedScreen() {
    if (IsHuman(game.currentCiv) && SharedScreen()) ui.handOverCiv = static_cast<uint8_t>(game.currentCiv);
}

void AnnounceTurn() {
    if (IsHuman(game.currentCiv)) ui.turnNoticeFrames = kTurnNoticeFrames;
}

// The map view follows a person's selected unit, or his first city when no unit is left,
// unless the target is already near the view (always, when asked to centre).
void MoveViewToSelection(bool centre) {
    const int civ = game.currentCiv;
    double tx, ty;
    if (ValidSlot(civ, game.currentUnit)) {
        tx = Unit(civ, game.currentUnit).x - 10.0;
        ty = Unit(civ, game.currentUnit).y - 7.5;
    } else if (Civ(civ).cityCount > 0) {
        tx = Civ(civ).cities[1].x - 10.0;
        ty = Civ(civ).cities[1].y - 7.5;
    } else {
        return;
    }
    if (!centre && std::hypot(tx - game.viewX, ty - game.viewY) <= 6.0) return;
    game.viewX = std::min(std::max(tx, 1.0), static_cast<double>(game.mapWidth) - 19.0);
    game.viewY = std::min(std::max(ty, 1.0), static_cast<double>(game.mapHeight) - 14.0);
}

namespace {

// Steps the selection forward past units that cannot act now.
void AdvanceSelection(bool human) {
    const int civ = game.currentCiv;
    for (;;) {
        game.currentUnit += 1;
        if (human) game.viewUnit += 1;
        if (game.currentUnit > Civ(civ).unitCount) break;
        const UnitRecord& unit = Unit(civ, game.currentUnit);
        if (unit.movesLeft > 0 && !StrandedAtSea(civ, game.currentUnit)) break;
        if (game.currentUnit >= kMaxUnits) {
            game.currentUnit = static_cast<uint8_t>(Civ(civ).unitCount + 1);
            break;
        }
    }
}

// The turn passes to the next civilization that owns a unit or a city. Wrapping from
// the last one to civilization 1 runs the end-of-turn update of the whole game turn.
void PassTurn() {
    // Every civilization in play is looked at twice at most: when nobody owns anything
    // any more the turn cannot go anywhere, and the game is over rather than stuck.
    for (int tries = 0; tries <= 2 * std::max<int>(game.civCount, 1); ++tries) {
        // A person's turn is over: his view is covered until the next person is ready.
        if (IsHuman(game.currentCiv) && SharedScreen()) ui.handOverCiv = 255;
        CivRecord& old = Civ(game.currentCiv);
        old.newsCount = 0;
        old.turnMark = 0;
        game.cityReleasePassDone = 0;

        game.currentCiv += 1;
        if (game.currentCiv > game.civCount) {
            game.currentCiv = 1;
            if (IsHuman(1)) game.viewCiv = 1;
            EndOfTurn();
        }
        const int civ = game.currentCiv;
        const bool human = IsHuman(civ);
        if (!human) {
            for (int s = 1; s <= Civ(civ).unitCount; ++s) Unit(civ, s).fortified = 0;
        } else {
            game.viewCiv = static_cast<uint8_t>(civ);
            if (ui.handOverCiv != 0) ui.handOverCiv = SharedScreen() ? static_cast<uint8_t>(civ) : 0;
        }
        for (int x = 1; x <= game.mapWidth; ++x)
            for (int y = 1; y <= game.mapHeight; ++y) Cell(x, y).threatened = 0;
        Civ(civ).turnMark = 0;
        game.endTurnRequested = 0;
        game.currentUnit = 0;
        // The turn is seen passing, to a computer too unless only results are shown.
        if (human || ComputerActionsDrawn()) TheHost().NestedFrame();
        if (human) game.viewUnit = 0;

        // The first unit, move points not yet restored.
        do {
            game.currentUnit += 1;
            game.secondPassStarted = 0;
            if (human) game.viewUnit += 1;
        } while (game.currentUnit <= Civ(civ).unitCount && game.currentUnit < kMaxUnits &&
                 StrandedAtSea(civ, game.currentUnit));
        StartCivTurn();
        // A person's discovery is announced as his turn begins.
        if (human) CompleteHumanResearch(civ);
        // Wonders finished since this player's last turn are announced as it begins.
        if (human && ui.bigNewsCount[civ] > 0) ui.bigNewsOpen = 1;
        if (HasUnitsOrCities(civ)) {
            AnnounceTurn();
            return;
        }
    }
    game.gameOver = 1;
}

} // namespace

bool StrandedAtSea(int civ, int slot) {
    if (!ValidSlot(civ, slot)) return false;
    const UnitRecord& unit = Unit(civ, slot);
    if (IsShip(unit.type) || IsAir(unit.type)) return false;
    if (!InsideMap(unit.x, unit.y) || Cell(unit.x, unit.y).terrain != kSea) return false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int nx = unit.x + dx, ny = unit.y + dy;
            if (InsideMap(nx, ny) && Cell(nx, ny).terrain != kSea) return false;
        }
    return true;
}

UnitRecord* CurrentUnitRecord() {
    const int civ = game.currentCiv;
    if (civ < 1 || civ > game.civCount || !ValidSlot(civ, game.currentUnit)) return nullptr;
    return &Unit(civ, game.currentUnit);
}

void AddUnit(int civ, int type, int x, int y) {
    if (civ < 1 || civ > kMaxCivs) return;
    CivRecord& owner = Civ(civ);
    if (owner.unitCount >= kMaxUnits) return;
    MapCell& cell = Cell(x, y);
    if (!InsideMap(x, y) || cell.unitCount >= kMaxCellUnits) return;
    owner.unitCount += 1;
    const int slot = owner.unitCount;
    UnitRecord& unit = owner.units[slot];
    // A new unit starts from nothing: no carrier, job, route or mission of an old one.
    ClearRecord(unit);
    unit.x = static_cast<uint8_t>(x);
    unit.y = static_cast<uint8_t>(y);
    if (IsHuman(civ)) Explore(x, y, SightRadius(type));
    unit.type = static_cast<uint8_t>(type);
    unit.lives = static_cast<uint8_t>(UnitTypeLives(type));
    unit.movesLeft = 3;
    unit.experience = 1;
    cell.unitOwner = static_cast<uint8_t>(civ);
    cell.unitCount += 1;
    cell.unitList[cell.unitCount] = static_cast<uint8_t>(slot);
}

void KillUnit(int civ, int s) {
    if (!ValidSlot(civ, s)) return;
    CivRecord& owner = Civ(civ);
    // The slot to select next is the current civilization's: only its losses move it.
    if (civ == game.currentCiv && game.pendingUnit > s) game.pendingUnit -= 1;
    LeaveCell(civ, s);
    if (owner.referenceUnit > s)
        owner.referenceUnit -= 1;
    else if (owner.referenceUnit == s)
        owner.referenceUnit = 0;

    const int count = owner.unitCount;
    for (int i = s; i < count; ++i) owner.units[i] = owner.units[i + 1];
    ClearRecord(owner.units[count]); // the freed slot keeps nothing of the last unit

    for (int x = 1; x <= game.mapWidth; ++x)
        for (int y = 1; y <= game.mapHeight; ++y) {
            MapCell& cell = Cell(x, y);
            if (cell.unitOwner != civ) continue;
            for (int i = 1; i <= cell.unitCount; ++i)
                if (cell.unitList[i] > s) cell.unitList[i] -= 1;
        }
    for (int i = 1; i < count; ++i) {
        UnitRecord& unit = owner.units[i];
        for (int c = 1; c <= kCargoSlots; ++c) {
            int32_t& cargo = unit.cargo[c];
            if (cargo < 100000 || cargo > 100000 + kMaxUnits) continue; // wagon goods, or free
            if (cargo - 100000 > s)
                cargo -= 1;
            else if (cargo - 100000 == s)
                cargo = 0;
        }
        if (unit.carrierLink > 0) {
            const int carrier = unit.carrierLink / 1000;
            if (carrier > s)
                unit.carrierLink -= 1000;
            else if (carrier == s)
                unit.carrierLink = -1; // aboard the removed carrier
        }
    }
    owner.unitCount -= 1;

    if (civ == game.currentCiv) {
        const bool human = IsHuman(civ);
        if (s < game.currentUnit || (s == game.currentUnit && !human)) {
            game.currentUnit -= 1;
            game.unitRemoved = 1;
            if (human && game.viewUnit > 0) game.viewUnit -= 1;
        } else if (s == game.currentUnit && human) {
            NextUnit(2);
        }
    }

    // A lost carrier takes its cargo with it.
    for (int i = 1; i <= owner.unitCount; ++i) {
        if (owner.units[i].carrierLink == -1) {
            KillUnit(civ, i);
            i = 0; // the table has shifted: look again from the start
        }
    }
}

void StartCivTurn() {
    const int civ = game.currentCiv;
    if (civ < 1 || civ > game.civCount) return;
    const bool computer = Civ(civ).isComputer == 1;
    for (int s = 1; s <= Civ(civ).unitCount; ++s) {
        UnitRecord& unit = Unit(civ, s);
        if (unit.type == kSettler) std::memset(unit.blockedTargets, 0, sizeof unit.blockedTargets);
        unit.attackedThisTurn = 0;
        if (computer && !IsNatives(civ) && unit.missionFlags[3] == 1 && !IsShip(unit.type)) {
            unit.movesLeft = GroupMovePoints(civ, s);
        } else if (unit.carrierLink != 0) {
            unit.movesLeft = 3;
        } else {
            unit.movesLeft = static_cast<int8_t>(std::min(3 * UnitMoves(civ, s), 127));
        }
    }
}

void NextUnit(int mode) {
    const int civ = game.currentCiv;
    if (civ < 1 || civ > game.civCount) return;
    const bool human = IsHuman(civ);

    if (human && game.currentUnit == 1) ui.autosaveRequested = 1;
    CheckGameEnd();

    CivRecord& player = Civ(civ);
    if (game.currentUnit >= player.unitCount && !human && !IsNatives(civ) && player.aiLevel > 1 &&
        !game.cityReleasePassDone) {
        CityReleasePass();
        game.cityReleasePassDone = 1;
    }
    game.unitRemoved = 0;
    ui.battleShown = 0;

    if (mode != 1) {
        if (game.currentUnit > 0) game.currentUnit -= 1;
        if (human && game.viewUnit > 0) game.viewUnit -= 1;
    }
    AdvanceSelection(human);
    if (game.pendingUnit != 0) {
        game.currentUnit = game.pendingUnit;
        if (human || mode == 1) game.viewUnit = game.pendingUnit;
    }
    game.pendingUnit = 0;

    if (game.currentUnit > Civ(game.currentCiv).unitCount) {
        if (!human && !game.secondPassStarted) {
            // A computer civilization goes twice through its units each turn.
            game.currentUnit = 1;
            if (!IsNatives(civ)) RecomputeUndefended();
            game.secondPassStarted = 1;
        } else if (human && !game.endTurnRequested) {
            // A person keeps the turn until he asks to end it.
        } else {
            PassTurn();
        }
    }

    BuildOrderButtons();
    if (UnitRecord* unit = CurrentUnitRecord()) {
        if (unit->fortified == 1) {
            NextUnit(1);
            return;
        }
        if (unit->type == kSettler && unit->jobTimer > 0) {
            unit->jobTimer -= 1;
            if (IsJobBase(unit->jobTimer)) CompleteJob(game.currentCiv, game.currentUnit);
            NextUnit(1);
            return;
        }
    }
    if (IsHuman(game.currentCiv)) MoveViewToSelection(false);
}

bool NobodyPlays() {
    if (game.civCount < 1) return false;
    for (int c = 1; c <= game.civCount && c <= kMaxCivs; ++c)
        if (Civ(c).isComputer == 0) return false;
    return true;
}

bool ComputerToMove() {
    if (game.currentCiv < 1 || game.currentCiv > game.civCount || IsHuman(game.currentCiv)) return false;
    return ui.dialogCode == 0 && !game.gameOver && !ui.endScreenOpen && !TheHost().QuitRequested();
}

void ComputerStep() {
    if (ui.distanceBusy) return;
    // The computers read the distance tables instead of searching: a finished move's
    // rebuild happens between their units, not inside a frame.
    if (ui.distanceRecalcRequested) {
        ui.distanceRecalcRequested = 0;
        DistanceCalculation();
    }
    // The watcher of a game nobody plays sees the moves where they happen. This is part
    // of the step, not of the frames, so that a watched game saves as a headless one.
    if (NobodyPlays() && ValidSlot(game.currentCiv, game.currentUnit)) MoveViewToSelection(false);
    game.unitHandled = 0;
    AI();
    if (!game.unitHandled && !IsHuman(game.currentCiv)) NextUnit(1);
}

void Looping() {
    // A press never runs a game that nobody plays: the frames do, so that the window
    // keeps answering while the computers play.
    if (NobodyPlays()) return;
    // Bounded so that a computer that can never finish its turn cannot hang the game.
    for (int guard = 0; guard < 100000 && ComputerToMove(); ++guard) ComputerStep();
}

} // namespace annals
