// Units on the map: their pictures, activity badges and health bars, the blinking
// selected unit and the slide of a unit that has just moved.
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/map_view.h"
#include "ui/overview_screens.h"
#include "units/unit_table.h"

#include <algorithm>

namespace annals {

namespace {

bool Sliding(const UnitRecord& unit) {
    return unit.animDx != 0 || unit.animDy != 0;
}

// One step of the slide into a new cell: 50, 33, 16, 0.
int32_t SlideStep(int32_t offset) {
    if (offset == 0) return 0;
    offset += offset > 0 ? -17 : 17;
    return offset == 1 || offset == -1 ? 0 : offset;
}

// The highest slot among the units standing on a cell: that unit is drawn on top.
int TopSlot(const MapCell& cell) {
    int top = 0;
    for (int i = 1; i <= cell.unitCount && i <= kMaxCellUnits; ++i)
        top = std::max(top, int(cell.unitList[i]));
    return top;
}

// Where the units of the main view are drawn, with a moving unit's offset.
struct UnitSpot {
    int left, top;
};
UnitSpot SpotOf(const UnitRecord& unit) {
    const MapView main = MainView();
    return {CellLeft(main, unit.x) + unit.animDx, CellTop(main, unit.y) + unit.animDy};
}

void DrawUnitPicture(int civ, const UnitRecord& unit) {
    const UnitSpot at = SpotOf(unit);
    const int t = unit.type, k = Civ(civ).colour;
    DrawSprite(at.left + 2, at.top + 2, {47 * (t - 1), 47 * (k - 1), 47 * t - 1, 47 * k - 1}, true,
               Sheet::UnitSprite);
}

// The column of the activity badge, or 0 for none.
int BadgeColumn(const UnitRecord& unit) {
    if (unit.fortified == 1) return 240;
    switch (unit.jobTimer / 10) {
    case 6: // road
        return 192;
    case 3: // cornfield or clearing
        return 256;
    case 5: // examining a hill
        return 208;
    case 8: // mine
        return 224;
    default:
        return 0;
    }
}

// Units that share the selected unit's cell hide behind it while it stands still.
bool HiddenBySelection(const UnitRecord& unit, const UnitRecord* current) {
    return current && !Sliding(*current) && unit.x == current->x && unit.y == current->y;
}

bool IsCurrent(int civ, int slot) {
    return civ == game.currentCiv && slot == game.currentUnit;
}

} // namespace

void DrawUnit(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    if (!InsideMap(unit.x, unit.y)) return;
    const MapCell& cell = Cell(unit.x, unit.y);
    if (!Seen(cell)) return;
    DrawUnitPicture(civ, unit);
    if (slot != TopSlot(cell)) return;
    if (const int g = BadgeColumn(unit); g != 0) {
        const UnitSpot at = SpotOf(unit);
        DrawSprite(at.left + 36, at.top + 36, {g, 406, g + 16, 422}, true, Sheet::OthersSprite);
    }
}

void DrawLife(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    if (!InsideMap(unit.x, unit.y) || !Seen(Cell(unit.x, unit.y))) return;
    // Columns of the bar by full lives (1..4) and lives left (0..4).
    static constexpr int kColumns[4][5] = {
        {175, 188, 188, 188, 188},
        {175, 162, 149, 149, 149},
        {133, 117, 101, 85, 85},
        {68, 51, 34, 17, 0},
    };
    static constexpr int kWidths[4] = {7, 12, 15, 16};
    static constexpr int kBottoms[4] = {40, 46, 53, 61};
    const int full = std::clamp(UnitTypeLives(unit.type), 1, 4);
    const int column = kColumns[full - 1][std::min(int(unit.lives), 4)];
    const int width = kWidths[full - 1];
    const int row = 29 * (Civ(civ).colour - 1);
    const UnitSpot at = SpotOf(unit);
    DrawSprite(at.left + 37, at.top + 2, {column, row + 33, column + width, row + kBottoms[full - 1]}, true,
               Sheet::OthersSprite);
}

// The selected unit is read only while it exists: a selection of slot 0, or past the
// table once the turn's units are used up, has no unit behind it.
namespace {

// A unit's picture, badge and life bar stay within 56 x 64 pixels of its spot; under the
// solid middle of an open window nothing of them shows.
bool UnderWindow(const Rect& under, const UnitRecord& unit) {
    if (under.Empty()) return false;
    const UnitSpot at = SpotOf(unit);
    return at.left >= under.left && at.top >= under.top && at.left + 56 <= under.right &&
           at.top + 64 <= under.bottom;
}

} // namespace

void DrawUnits() {
    const UnitRecord* current = CurrentUnitRecord();
    // The slides move on whether or not anybody sees them.
    const bool shown = PicturesShown();
    const Rect under = shown ? OpenWindowSolidArea() : Rect{};
    for (int civ = 1; civ <= game.civCount; ++civ) {
        for (int slot = 1; slot <= Civ(civ).unitCount; ++slot) {
            UnitRecord& unit = Unit(civ, slot);
            if (!InsideMap(unit.x, unit.y)) continue;
            const MapCell& cell = Cell(unit.x, unit.y);
            // Land units aboard a ship at sea are not seen apart from it.
            if (cell.terrain == kSea && !Sliding(unit) && !IsShip(unit.type) && !IsAir(unit.type)) continue;
            unit.animDx = SlideStep(unit.animDx);
            unit.animDy = SlideStep(unit.animDy);
            if (!shown || !InUnitView(unit.x, unit.y) || HiddenBySelection(unit, current) ||
                IsCurrent(civ, slot))
                continue;
            // Units in a city are shown by its picture, except the one in the fight shown.
            if (cell.hasCity == 1 && !(ui.battleShown && slot == ui.battleUnits[civ])) continue;
            if (UnderWindow(under, unit)) continue;
            DrawUnit(civ, slot);
        }
    }
}

void DrawLifes() {
    const UnitRecord* current = CurrentUnitRecord();
    // During a fight in which only one side has a unit shown, that unit's bar stands for
    // its cell.
    int fighters = 0, fighterCiv = 0;
    if (ui.battleShown)
        for (int civ = 1; civ <= game.civCount; ++civ)
            if (ui.battleUnits[civ] != 0) ++fighters, fighterCiv = civ;
    const Rect under = PicturesShown() ? OpenWindowSolidArea() : Rect{};
    for (int civ = 1; civ <= game.civCount; ++civ) {
        for (int slot = 1; slot <= Civ(civ).unitCount; ++slot) {
            const UnitRecord& unit = Unit(civ, slot);
            if (!InsideMap(unit.x, unit.y) || !InUnitView(unit.x, unit.y)) continue;
            if (UnderWindow(under, unit)) continue;
            if (HiddenBySelection(unit, current) || IsCurrent(civ, slot)) continue;
            const MapCell& cell = Cell(unit.x, unit.y);
            if (cell.hasCity == 1) continue;
            int top = TopSlot(cell);
            if (fighters == 1 && fighterCiv == civ) {
                const UnitRecord& fighter = Unit(civ, ui.battleUnits[civ]);
                if (fighter.x == unit.x && fighter.y == unit.y) top = ui.battleUnits[civ];
            }
            if (slot == top) DrawLife(civ, slot);
        }
    }
}

void DrawCurrentUnit() {
    const UnitRecord* current = CurrentUnitRecord();
    // The selected unit blinks while it stands still and no pop-up lists its cell.
    if (!ui.unitPopupOpen && ui.moveBlink % 5 >= 3 && (!current || !Sliding(*current))) return;
    if (!current) return;
    if (InsideMap(current->x, current->y) && Seen(Cell(current->x, current->y)))
        DrawUnitPicture(game.currentCiv, *current);
    DrawLife(game.currentCiv, game.currentUnit);
    // A person's unit that has used its moves gives way to the next one as soon as it
    // has come to rest. A frame drawn inside an action only draws. While a dialog is open
    // the unit that raised it stays selected: the answer may move it on or remove it.
    if (!ui.innerFrame && !ui.distanceBusy && ui.dialogCode == 0 && IsHuman(game.currentCiv) &&
        !Sliding(*current) && current->movesLeft == 0) {
        NextUnit(1);
        Looping();
    }
}

} // namespace annals
