// Keys and the mouse: the player's presses turned into orders, selections, routes and
// screens. Nothing is drawn here but the pointer and the route preview.
#include "ui/input.h"

#include "economy/city_commands.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/city_screen.h"
#include "ui/drawing.h"
#include "ui/entrance.h"
#include "ui/guidance.h"
#include "ui/key_bindings.h"
#include "ui/map_view.h"
#include "ui/options_screen.h"
#include "ui/overview_screens.h"
#include "ui/science_screens.h"
#include "units/movement.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <cmath>

namespace annals {

namespace {

// The order buttons' codes and the keys they stand for.
constexpr int kOrderKeys[8] = {0, 'R', 'C', 'E', 'B', 'I', 'S', 'F'};

bool ListScreenOpen() {
    return ui.citiesMenuOpen || ui.statsMenuOpen || ui.financeMenuOpen || ui.productsMenuOpen ||
           ui.scienceMenuOpen;
}

// Any screen that keeps the keys from the map.
bool KeyBlockingScreenOpen() {
    return ui.scienceMenuOpen || ui.citiesMenuOpen || ui.statsMenuOpen || ui.mainMenuOpen ||
           ui.saveMenuOpen || ui.loadMenuOpen || ui.helpMenuOpen || ui.bigNewsOpen || ui.financeMenuOpen ||
           ui.productsMenuOpen || ui.scoreMenuOpen || ui.terrainInfoOpen;
}

// Screens under which the map takes no presses.
bool OverlayScreenOpen() {
    return ui.cityMenuX != 0 || ui.helpMenuOpen || ui.terrainInfoOpen || ListScreenOpen();
}

bool AnyScreenOpen() {
    return ui.scienceTableOpen || ListScreenOpen() || ui.mainMenuOpen || ui.saveMenuOpen || ui.loadMenuOpen ||
           ui.helpMenuOpen || ui.bigNewsOpen || ui.dialogCode != 0 || game.gameOver || ui.scoreMenuOpen ||
           ui.terrainInfoOpen;
}

bool Near(int x, int y, int cx, int cy, double radius) {
    return std::hypot(static_cast<double>(x - cx), static_cast<double>(y - cy)) < radius;
}

bool InMainMenuEllipse(int x, int y) {
    return std::hypot(1.7 * (y - 750), static_cast<double>(x - 397)) < 20;
}

bool InPanelZone(int x, int y) {
    return (x <= 211 && y >= 642) || (x >= 854 && y >= 637);
}

void Click() {
    PlaySound("click");
}

// The unit's drawn centre on the screen.
void UnitCentre(const UnitRecord& u, int& x, int& y) {
    x = (u.x - Trunc(game.viewX)) * 50 + 39 - Round((game.viewX - Trunc(game.viewX)) * 50);
    y = (u.y - Trunc(game.viewY)) * 50 + 36 - Round((game.viewY - Trunc(game.viewY)) * 50);
}

bool HoldsOwnUnits(int x, int y) {
    return InsideMap(x, y) && Cell(x, y).unitCount > 0 && Cell(x, y).unitOwner == game.currentCiv;
}

void CancelGoto(UnitRecord& u) {
    u.gotoX = u.gotoY = 0;
    u.pathLength = 0;
}

// When the mouse picks unit s: the turn order later comes back to the one left.
void NotePendingUnit(int s, int before) {
    if (before == s)
        game.pendingUnit = 0;
    else if (before == 0)
        game.pendingUnit = game.currentUnit;
    else
        game.pendingUnit = static_cast<uint8_t>(before);
}

void MakeCurrent(int s) {
    game.currentUnit = static_cast<uint8_t>(s);
    if (IsHuman(game.currentCiv)) game.viewUnit = static_cast<uint8_t>(s);
}

void CloseListScreens() {
    ui.financeMenuOpen = ui.statsMenuOpen = ui.citiesMenuOpen = ui.mainMenuOpen = 0;
    ui.scienceMenuOpen = ui.productsMenuOpen = 0;
    ui.unitPopupOpen = ui.terrainInfoOpen = 0;
}

// A panel button toggles its screen; it clicks when it opens and notes a close.
void Toggle(uint8_t& flag) {
    const uint8_t was = flag;
    CloseListScreens();
    flag = was ? 0 : 1;
    if (flag)
        Click();
    else
        ui.screenJustClosed = 1;
}

bool PanelButtons(int x, int y) {
    const bool mainMenuOrOver = ui.mainMenuOpen || game.gameOver;
    if (!ui.scienceTableOpen && InMainMenuEllipse(x, y)) {
        Toggle(ui.mainMenuOpen);
        ui.mainMenuChoice = 0;
        return true;
    }
    if (mainMenuOrOver) return false;
    if (Near(x, y, 197, 691, 16)) {
        Toggle(ui.scienceMenuOpen);
        ui.sciencePage = static_cast<uint8_t>(SciencePageFor(game.currentCiv));
        return true;
    }
    if (ui.scienceTableOpen) return false;
    if (Near(x, y, 147, 691, 18)) {
        Toggle(ui.citiesMenuOpen);
        ui.listScroll = 1;
        return true;
    }
    if (Near(x, y, 173, 725, 16)) {
        Toggle(ui.statsMenuOpen);
        ui.statsPage = 1;
        return true;
    }
    if (Near(x, y, 135, 733, 16)) {
        Toggle(ui.productsMenuOpen);
        ui.listScroll = 1;
        ui.statsPage = 1;
        return true;
    }
    if (Near(x, y, 174, 658, 16)) {
        Toggle(ui.financeMenuOpen);
        ui.listScroll = 1;
        return true;
    }
    return false;
}

void OpenCityFromMap(int x, int y) {
    ShowCityScreen(x, y, CityScreenFrom::Map);
}

// Test 17: the unit pop-up's rows.
bool PopupPress(int x, int y) {
    if (!(ui.popupX < x && x < ui.popupX + 100 && ui.popupY + 5 < y && y < ui.popupY + ui.popupHeight - 5))
        return false;
    if (ui.citiesMenuOpen || ui.scienceMenuOpen || ui.statsMenuOpen || ui.financeMenuOpen ||
        ui.productsMenuOpen || ui.mainMenuOpen)
        return false;
    const int row = (y - (ui.popupY + 5)) / 15 + 1;
    ui.unitPopupOpen = 0;
    ui.popupJustUsed = 1;
    // Only the rows drawn, and only units still there since the pop-up was opened.
    if (row < 1 || row > ui.popupUnitCount) return true;
    const int s = ui.popupUnits[row];
    const int civ = game.currentCiv;
    if (s < 1 || s > Civ(civ).unitCount || Unit(civ, s).x != ui.popupCellX || Unit(civ, s).y != ui.popupCellY)
        return true;
    UnitRecord& u = Unit(civ, s);
    if (u.gotoX != 0) CancelGoto(u);
    if (u.movesLeft <= 0) {
        ShowMessage(Tr("This unit is too tired; wait for the next turn.",
                       "Bu birlik çok yorgun, gelecek turu bekleyin."));
        return true;
    }
    if (u.jobTimer != 0) {
        ShowMessage(Tr("This unit is at work; wait until he finishes his job.",
                       "Bu birlik çalışıyor, işini bitirene kadar bekleyin."));
        return true;
    }
    NotePendingUnit(s, game.pendingUnit);
    MakeCurrent(s);
    CancelGoto(u);
    u.jobTimer = 0;
    u.fortified = 0;
    BuildOrderButtons();
    return true;
}

// Test 18, step 3: selecting units on the pressed cell. Returns true when it handled the press.
bool SelectUnits(int button, int x, int y, int cx, int cy, bool overlayWasOpen) {
    const int civ = game.currentCiv;
    UnitRecord* current = CurrentUnitRecord();
    bool skip = InPanelZone(x, y) || InMainMenuEllipse(x, y);
    if (InsideMap(cx, cy) && Cell(cx, cy).hasCity && button == 0) skip = true;
    if (!skip && !HoldsOwnUnits(cx, cy)) {
        int ux = -1000, uy = -1000;
        if (current) UnitCentre(*current, ux, uy);
        if (!current || std::hypot(static_cast<double>(x - ux), static_cast<double>(y - uy)) > 23)
            skip = true;
    }
    if (skip || !InsideMap(cx, cy)) return false;
    if (ListScreenOpen() || ui.mainMenuOpen || ui.unitPopupOpen || game.gameOver || ui.terrainInfoOpen ||
        overlayWasOpen)
        return false;

    const int before = game.pendingUnit;
    game.pendingUnit = 0;
    bool selected = false, tired = false, working = false;
    const int count = Civ(civ).unitCount;
    for (int s = 1; s <= count && s <= Civ(civ).unitCount; ++s) {
        UnitRecord& u = Unit(civ, s);
        if (u.x != cx || u.y != cy) continue;
        if (button == 1) {
            ui.unitPopupOpen = 1;
            ui.popupX = x;
            ui.popupY = y;
            ui.popupCellX = static_cast<uint8_t>(cx);
            ui.popupCellY = static_cast<uint8_t>(cy);
            ui.popupUnitCount = 0;
            for (int t = 1; t <= Civ(civ).unitCount && ui.popupUnitCount < kMaxCellUnits; ++t) {
                if (Unit(civ, t).x != cx || Unit(civ, t).y != cy) continue;
                ui.popupUnitCount += 1;
                ui.popupUnits[ui.popupUnitCount] = static_cast<uint8_t>(t);
                ui.popupHeight += 15;
            }
            return true;
        }
        current = CurrentUnitRecord();
        const bool onCurrent = current && current->x == cx && current->y == cy;
        if (ui.clickSource == 1 && current && !ui.unitPopupOpen && !ui.terrainInfoOpen &&
            current->animDx == 0 && current->animDy == 0 && !AnyScreenOpen() && onCurrent) {
            ui.unitDragging = 1;
            continue;
        }
        if (onCurrent && game.pendingUnit == 0) continue;
        if (u.movesLeft > 0 && u.jobTimer == 0) {
            NotePendingUnit(s, before);
            CancelGoto(u);
            MakeCurrent(s);
            selected = true;
            if (Cell(cx, cy).unitCount == 1) {
                if (ui.clickSource == 1 && !ui.unitPopupOpen && !ui.terrainInfoOpen) ui.unitDragging = 1;
                u.jobTimer = 0;
                u.fortified = 0;
                BuildOrderButtons();
                return true;
            }
        } else if (u.movesLeft <= 0) {
            tired = true;
        } else {
            working = true;
        }
    }
    if (!selected) {
        game.pendingUnit = static_cast<uint8_t>(before);
    } else if (UnitRecord* chosen = CurrentUnitRecord()) {
        chosen->jobTimer = 0;
        chosen->fortified = 0;
        BuildOrderButtons();
    }
    if (UnitRecord* chosen = CurrentUnitRecord(); chosen && chosen->gotoX != 0) CancelGoto(*chosen);
    if (!selected && tired)
        ShowMessage(Tr("This unit is too tired; wait for the next turn.",
                       "Bu birlik çok yorgun, gelecek turu bekleyin."));
    else if (!selected && working)
        ShowMessage(Tr("This unit is at work; wait until he finishes his job.",
                       "Bu birlik çalışıyor, işini bitirene kadar bekleyin."));
    return true;
}

void MapPress(int button, int x, int y, bool overlayWasOpen) {
    const int cx = ScreenToCellX(x), cy = ScreenToCellY(y);
    if (SelectUnits(button, x, y, cx, cy, overlayWasOpen)) return;

    // The terrain window.
    if (InsideMap(cx, cy) && !HoldsOwnUnits(cx, cy) && Cell(cx, cy).explored && button == 1 &&
        !ListScreenOpen() && !ui.mainMenuOpen && !ui.unitPopupOpen && !game.gameOver && !ui.terrainInfoOpen) {
        ui.terrainInfoX = static_cast<uint8_t>(cx);
        ui.terrainInfoY = static_cast<uint8_t>(cy);
        ui.terrainInfoOpen = 1;
        return;
    }
    if (PanelButtons(x, y)) return;

    // The small map moves the view.
    const bool nothingOpen = ui.cityMenuX == 0 && !AnyScreenOpen();
    if (x >= 11 && x <= 111 && y >= 647 && y <= 747 && nothingOpen) {
        game.viewX = Trunc(((x - 11) / 99.0 * game.mapWidth - 10) * 2) / 2.0;
        game.viewY = Trunc(((y - 647) / 99.0 * game.mapHeight - 7.5) * 2) / 2.0;
        ClampView();
        ui.unitPopupOpen = 0;
        return;
    }
    if (!nothingOpen) return;
    const double fx = game.viewX + ((x - 12) / 25) * 0.5, fy = game.viewY + ((y - 9) / 25) * 0.5;
    const int tx = Trunc(fx), ty = Trunc(fy);
    const UnitRecord* current = CurrentUnitRecord();
    bool dragStarted = false;
    if (button == 0 && current && ui.clickSource == 1 && !ui.unitPopupOpen && !ui.terrainInfoOpen &&
        current->animDx == 0 && current->animDy == 0 && current->x == tx && current->y == ty) {
        ui.unitDragging = 1;
        dragStarted = true;
    }
    if (!dragStarted && button == 0 && InsideMap(tx, ty) && Cell(tx, ty).hasCity &&
        Cell(tx, ty).owner == game.currentCiv && !ui.unitPopupOpen && !ui.popupJustUsed &&
        !ui.terrainInfoOpen && !overlayWasOpen && !InPanelZone(x, y))
        OpenCityFromMap(tx, ty);
    ui.unitPopupOpen = 0;
    ui.terrainInfoOpen = 0;
}

// The route preview while a unit is dragged; it leaves no route behind.
void DrawRoutePreview() {
    UnitRecord* u = CurrentUnitRecord();
    if (!u || !IsHuman(game.currentCiv)) return;
    const int civ = game.currentCiv, slot = game.currentUnit;
    int tx = ScreenToCellX(ui.mouseX), ty = ScreenToCellY(ui.mouseY);
    if (!InsideMap(tx, ty) || !Cell(tx, ty).explored) return;
    const bool ship = IsShip(u->type), air = IsAir(u->type);
    const bool atSea = Cell(u->x, u->y).terrain == kSea;
    int finalStep = 0;
    bool special = false;
    // A ship dragged onto land heads for the nearest sea cell of its own water beside it.
    if (ship && Cell(tx, ty).terrain != kSea) {
        int bound = 1000, bx = 0, by = 0;
        for (int sx = tx - 1; sx <= tx + 1; ++sx)
            for (int sy = ty - 1; sy <= ty + 1; ++sy) {
                if (!InsideMap(sx, sy) || Cell(sx, sy).terrain != kSea ||
                    Cell(sx, sy).seaBody != Cell(u->x, u->y).seaBody)
                    continue;
                const int d = roadDistance(u->x, u->y, sx, sy);
                if (d >= 0 && d < bound) {
                    bound = d;
                    bx = sx;
                    by = sy;
                }
            }
        if (bx != 0) {
            finalStep = DirectionOf(tx - bx, ty - by);
            tx = bx;
            ty = by;
            special = true;
        }
    }
    // A land unit boarding a ship beside it.
    if (!ship && !air && !atSea && Cell(tx, ty).terrain == kSea && std::abs(tx - u->x) <= 1 &&
        std::abs(ty - u->y) <= 1) {
        const MapCell& target = Cell(tx, ty);
        if (target.unitCount == 0 || target.unitOwner == civ) {
            finalStep = DirectionOf(tx - u->x, ty - u->y);
            special = true;
        }
    }
    const bool landTarget = Cell(tx, ty).terrain != kSea;
    const int d = roadDistance(u->x, u->y, tx, ty);
    if ((landTarget || atSea || air || ship) && (d > 0 || air || (d < 0 && special)) && u->animDx == 0 &&
        u->animDy == 0) {
        u->pathLength = 0;
        FindPath(*u, kStoreRoute, civ, slot, tx, ty);
        u->pendingDirection = static_cast<uint8_t>(finalStep);
    }

    // One arrow per step, halfway between the cells, where the panels leave the view free.
    static const int arrowOfDirection[10] = {0, 4, 3, 2, 5, 0, 1, 6, 7, 8};
    int fx = u->x, fy = u->y;
    auto arrow = [&](int direction) {
        const int n = direction >= 1 && direction <= 9 ? arrowOfDirection[direction] : 0;
        const int nx = fx + directionDx(direction), ny = fy + directionDy(direction);
        const int dx = fx - Trunc(game.viewX), dy = fy - Trunc(game.viewY);
        const bool covered =
            dy > 14 || (dx < 5 && dy > 11) || (dx > 15 && dy > 11) || (dx > 7 && dx < 13 && dy > 13);
        if (n != 0 && !covered) {
            const int sx = dx * 50 + (nx - fx) * 25 - Round((game.viewX - Trunc(game.viewX)) * 50) + 16;
            const int sy = dy * 50 + (ny - fy) * 25 - Round((game.viewY - Trunc(game.viewY)) * 50) + 13;
            DrawSprite(sx, sy, {43 * (n - 1) + 1, 307, 43 * (n - 1) + 42, 348}, true, Sheet::OthersSprite);
        }
        fx = nx;
        fy = ny;
    };
    for (int i = 1; i <= u->pathLength && i <= kPathSteps; ++i) arrow(u->path[i]);
    if (u->pendingDirection != 0) arrow(u->pendingDirection);
    u->gotoX = u->gotoY = 0;
    u->pathLength = 0;
    u->pendingDirection = 0;
}

} // namespace

int ScreenToCellX(int x) {
    return Trunc(game.viewX + ((x - 12) / 25) * 0.5);
}
int ScreenToCellY(int y) {
    return Trunc(game.viewY + ((y - 9) / 25) * 0.5);
}

namespace {

// A key of the game's own table (the keypad for moves, B for a city ...): the keyboard
// table has already turned the pressed key into it, or a button sent it.
void GameKeyDown(int key, int shift) {
    // On the entrance screen only Escape acts: it closes the open page, or quits.
    if (!ui.gameStarted) {
        if (key != kVkEscape) return;
        if (ui.newGameScreen)
            ui.newGameScreen = 0;
        else if (ui.loadScreen)
            ui.loadScreen = 0;
        else if (ui.creditsScreen)
            ui.creditsScreen = 0;
        else if (ui.fameScreen)
            ui.fameScreen = 0;
        else
            TheHost().Quit();
        return;
    }
    if (key != kVkEscape) {
        if (ui.cityMenuX != 0) return;
        if (ui.scienceTableOpen && key != kVkReturn && key != kVkUp && key != kVkDown) return;
        if (KeyBlockingScreenOpen()) return;
    }
    if (ui.dialogCode != 0) return;

    if (ui.scienceTableOpen && (key == kVkReturn || key == kVkUp || key == kVkDown)) {
        ScienceTableKeyHook(key);
        return;
    }
    if (key != kVkEscape) {
        if (!IsHuman(game.currentCiv) && key != kVkPseudoStep) return;
        if (ui.scienceTableOpen || ui.cityMenuX != 0) return;
    }

    const int civ = game.currentCiv;
    if (key == kVkSpace && game.currentUnit > Civ(civ).unitCount && !game.endTurnRequested) {
        game.endTurnRequested = 1;
        NextUnit(1);
        Looping();
        return;
    }

    // Many players have no keypad: the arrows, Home, End, Page Up and Page Down move too.
    int move = 0;
    if (key >= VkNumpad(1) && key <= VkNumpad(9) && key != VkNumpad(5)) move = key - kVkNumpad0;
    switch (key) {
    case kVkUp:
        move = 8;
        break;
    case kVkDown:
        move = 2;
        break;
    case kVkLeft:
        move = 4;
        break;
    case kVkRight:
        move = 6;
        break;
    case kVkHome:
        move = 7;
        break;
    case kVkEnd:
        move = 1;
        break;
    case kVkPrior:
        move = 9;
        break;
    case kVkNext:
        move = 3;
        break;
    default:
        break;
    }
    (void)shift;
    if (move != 0) {
        UnitActivity(20 + move);
    } else {
        switch (key) {
        case kVkEscape:
            EscapeKey();
            break;
        case kVkSpace:
            UnitActivity(1);
            break;
        case 'B':
            UnitActivity(2);
            break;
        case 'C':
        case 'I':
        case kVkOemQuote:
            UnitActivity(3);
            break;
        case 'E':
            UnitActivity(5);
            break;
        case 'R':
            UnitActivity(6);
            break;
        case 'S':
            UnitActivity(7);
            break;
        case 'M':
            UnitActivity(8);
            break;
        case 'F':
            UnitActivity(11);
            break;
        case kVkF1:
            Click();
            ui.helpMenuOpen = 1;
            ui.helpPage = 1;
            ui.helpDrawn = 0;
            break;
        default:
            break;
        }
    }
    Looping();
}

} // namespace

void FormKeyDown(int key, int shift) {
    // The options page takes every key while it is open (the turn's own stepping goes on).
    if (ui.optionsOpen && key != kVkPseudoStep) {
        OptionsKeyDown(key);
        return;
    }
    // The research table's Enter, Up and Down are its own; any other key gives the
    // order the keyboard table binds it to, or nothing.
    const bool researchKey =
        ui.gameStarted && ui.scienceTableOpen && (key == kVkReturn || key == kVkUp || key == kVkDown);
    GameKeyDown(researchKey ? key : BoundKey(key), shift);
}

void EscapeKey() {
    if (ui.cityMenuX != 0) {
        // Back to the list the city was opened from.
        CloseCityScreen(true);
        return;
    }
    uint8_t* const order[] = {&ui.citiesMenuOpen, &ui.statsMenuOpen,   &ui.scienceMenuOpen,
                              &ui.mainMenuOpen,   &ui.saveMenuOpen,    &ui.loadMenuOpen,
                              &ui.helpMenuOpen,   &ui.financeMenuOpen, &ui.productsMenuOpen,
                              &ui.unitPopupOpen,  &ui.scoreMenuOpen,   &ui.terrainInfoOpen};
    for (uint8_t* flag : order) {
        if (*flag) {
            *flag = 0;
            return;
        }
    }
    if (ui.dialogCode == 0) {
        ui.mainMenuOpen = 1;
        ui.mainMenuChoice = 0;
    }
}

void BaseMouseDown(int button, int shift, int x, int y) {
    ui.screenJustClosed = 0;
    const bool overlayWasOpen = OverlayScreenOpen();
    ui.buttonHeld = 1;
    if (ui.clickSource != 255) ui.clickSource = 1;
    if (ui.optionsOpen) {
        OptionsMouseDown(button, x, y);
        return;
    }
    if (!ui.gameStarted) {
        EnteranceMouseDown(button, x, y);
        return;
    }
    // 1, 2: the close buttons of the city screen and of the list screens.
    if (ui.cityMenuX != 0 && x >= 807 && x < 844 && y >= 131 && y < 152) {
        Click();
        EscapeKey();
        ui.screenJustClosed = 1;
        Looping();
        return;
    }
    if (ListScreenOpen() &&
        (ui.scienceMenuOpen ? x >= 688 && x < 739 && y >= 189 && y < 213 : OverviewCloseUnder(x, y))) {
        Click();
        EscapeKey();
        ui.screenJustClosed = 1;
        Looping();
        return;
    }
    // 4: the order buttons.
    if (!AnyScreenOpen() && ui.cityMenuX == 0) {
        for (int k = 1; k <= ui.orderButtonCount && k <= 8; ++k) {
            const int code = ui.orderButtons[k];
            if (code >= 1 && code <= 7 && Near(x, y, 913 + 29 * (k - 1), 671, 14)) {
                GameKeyDown(kOrderKeys[code], shift);
                return;
            }
        }
    }
    // 5: the science tree's page buttons.
    if (ui.scienceMenuOpen && ScienceMenuMouseDown(x, y)) return;
    // Screens whose presses are their own take them here as they are built.
    if (ScreenMouseDownHook(button, x, y)) {
        Looping();
        return;
    }
    // 15: the main-menu button closes the city screen.
    if (InMainMenuEllipse(x, y) && !ui.scienceTableOpen && ui.cityMenuX != 0) {
        CloseCityScreen(false);
        ui.screenJustClosed = 1;
    }
    if (ui.cityMenuX != 0) return;
    // A press on the guide's note is the note's: it never moves a unit.
    if (GuidancePress(x, y)) {
        Looping();
        return;
    }
    if (ui.unitPopupOpen && PopupPress(x, y)) {
        Looping();
        return;
    }
    MapPress(button, x, y, overlayWasOpen);
    Looping();
}

void BaseMouseUp(int button, int shift, int x, int y) {
    ui.buttonHeld = 0;
    // The page's presses are whole at the press; a release there is nothing more.
    if (ui.optionsOpen) {
        ui.unitDragging = ui.workerDragging = ui.popupJustUsed = 0;
        return;
    }
    // A worker dragged on the city screen is dropped: the release acts as a press there.
    if (ui.cityMenuX != 0 && ui.workerDragging) {
        CityData* city = OpenCityData();
        if (city && city->releaseX != 0) {
            BaseMouseDown(button, shift, x, y);
            if (CityData* still = OpenCityData()) ClearPickedWorker(*still);
            ui.workerDragging = 0;
            ui.popupJustUsed = 0;
            ui.buttonHeld = 0;
            return;
        }
    }
    if (ui.unitDragging) {
        ui.unitDragging = 0;
        UnitRecord* u = CurrentUnitRecord();
        const int cx = ScreenToCellX(x), cy = ScreenToCellY(y);
        if (u && InsideMap(cx, cy) && Cell(cx, cy).explored && roadDistance(u->x, u->y, cx, cy) > 0)
            FindPath(*u, kStoreRoute, game.currentCiv, game.currentUnit, cx, cy);
    }
    const UnitRecord* u = CurrentUnitRecord();
    const int mx = ScreenToCellX(ui.mouseX), my = ScreenToCellY(ui.mouseY);
    if (!ui.unitPopupOpen && !ui.terrainInfoOpen && u && u->animDx == 0 && u->animDy == 0 &&
        !AnyScreenOpen() && ui.cityMenuX == 0 && !ui.screenJustClosed && InsideMap(mx, my) && u->x == mx &&
        u->y == my) {
        // A click on the unit itself: taken again as a press that cannot start a drag,
        // so that a press on a unit standing in its own city opens the city.
        ui.workerDragging = 0;
        ui.clickSource = 255;
        BaseMouseDown(button, shift, x, y);
        ui.clickSource = 0;
    }
    ui.workerDragging = 0;
    ui.popupJustUsed = 0;
    ui.buttonHeld = 0;
}

void BaseMouseMove(int, int x, int y) {
    ui.mouseX = x;
    ui.mouseY = y;
}

void MouseControl() {
    if (ui.cityMenuX != 0 || AnyScreenOpen() || ui.optionsOpen) return;
    const bool l = ui.mouseX<12, r = ui.mouseX> 1012, t = ui.mouseY<12, b = ui.mouseY> 756;
    double dx = 0, dy = 0;
    if (l && t)
        dx = dy = -0.5;
    else if (r && t)
        dx = 0.5, dy = -0.5;
    else if (l && b)
        dx = -0.5, dy = 0.5;
    else if (r && b)
        dx = dy = 0.5;
    else if (l)
        dx = -0.5;
    else if (t)
        dy = -0.5;
    else if (r)
        dx = 0.5;
    else if (b)
        dy = 0.5;
    if (dx == 0 && dy == 0) return;
    game.viewX += dx;
    game.viewY += dy;
    ClampView();
}

void DrawMouse() {
    if (ui.gameStarted && ui.unitDragging && IsHuman(game.currentCiv)) DrawRoutePreview();
    const int cx = ScreenToCellX(ui.mouseX), cy = ScreenToCellY(ui.mouseY);
    Rect pointer{0, 283, 14, 306};
    int x = ui.mouseX, y = ui.mouseY;
    if (ui.gameStarted && ui.unitDragging) {
        const bool friendly =
            InsideMap(cx, cy) && (Cell(cx, cy).unitCount == 0 || Cell(cx, cy).unitOwner == game.currentCiv);
        pointer = friendly ? Rect{15, 283, 41, 306} : Rect{42, 283, 77, 306};
    } else if (ui.gameStarted && !AnyScreenOpen() && ui.cityMenuX == 0 && !ui.unitPopupOpen &&
               InsideMap(cx, cy) && Cell(cx, cy).hasCity && Cell(cx, cy).unitOwner == game.currentCiv) {
        pointer = {78, 283, 93, 306};
        x -= 7;
        y -= 11;
    }
    DrawSprite(x, y, pointer, true, Sheet::OthersSprite);
}

} // namespace annals
