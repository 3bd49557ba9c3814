// The terrain window: a cell explored by the player, its picture, what it yields and
// what lies on it.
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/menus.h"

#include "economy/city.h"
#include "ui/screens.h"
#include "ui/text.h"

#include <algorithm>

namespace annals {

namespace {

constexpr int kFood = 1, kStone = 7, kGold = 8;

constexpr Rect kMessageBox{720, 0, 990, 132};
constexpr Rect kClosePlain{537, 423, 585, 446};
constexpr Rect kCloseLit{537, 447, 585, 470};
constexpr int kIconsTop = 464, kIconSize = 9, kIconPitch = 10; // small product icons, othersSprite
constexpr int kLines = 5;

const char* CoverText(const MapCell& cell) {
    if (cell.cornfield) return Tr(" + cornfield", " + tarla");
    if (cell.river != 0) return Tr(" + river", " + nehir");
    if (cell.forest) return Tr(" + forest", " + orman");
    if (cell.hill) return Tr(" + hill", " + tepe");
    return "";
}

const char* BonusText(int special) {
    if (special >= 1 && special <= 5) return Tr("+food bonus", "+tahıl bonusu");
    switch (special) {
    case 6:
        return Tr("+cotton bonus", "+pamuk bonusu");
    case 7:
        return Tr("+tobacco bonus", "+tütün bonusu");
    case 8:
        return Tr("+grape bonus", "+üzüm bonusu");
    case 9:
        return Tr("+wood bonus", "+odun bonusu");
    case 10:
        return Tr("+fur bonus", "+kürk bonusu");
    case 11:
        return Tr("+stone bonus", "+taş bonusu");
    case 12:
    case 14:
        return Tr("+gold bonus", "+altın bonusu");
    default:
        return "";
    }
}

bool BoxShown() {
    return !ui.mainMenuOpen && !ui.helpMenuOpen && ui.dialogCode == 0 && !ui.saveMenuOpen &&
           !ui.loadMenuOpen && !ui.scoreMenuOpen;
}

bool PointerOnClose(int left, int top, int right, int bottom) {
    return ui.mouseX >= left && ui.mouseX <= right && ui.mouseY >= top && ui.mouseY <= bottom;
}

} // namespace

uint8_t TerrainYield(const MapCell& cell, int product) {
    // What the land gives a city of the player's without any buildings.
    CityData plain{};
    plain.owner = game.currentCiv;
    return CellYield(cell, product, plain);
}

int TerrainYieldLines(const MapCell& cell, int (&products)[5]) {
    int count = 0;
    for (int p = kFood; p <= kGold && count < kLines; ++p) {
        if (TerrainYield(cell, p) == 0) continue;
        // The last line goes to gold rather than stone: gold is the rarer find.
        if (p == kStone && count == kLines - 1 && TerrainYield(cell, kGold) > 0) continue;
        products[count++] = p;
    }
    return count;
}

void DrawTerrainInfoMenu() {
    const MapCell& cell = Cell(ui.terrainInfoX, ui.terrainInfoY);
    if (BoxShown()) DrawSprite(377, 285, kMessageBox, true, Sheet::Interfaces);
    if (InsideMap(ui.terrainInfoX, ui.terrainInfoY))
        DrawTerrain(407, 317, ui.terrainInfoX, ui.terrainInfoY, 1, 1);
    int products[kLines];
    const int lines = TerrainYieldLines(cell, products);
    for (int j = 0; j < lines; ++j) {
        const int p = products[j];
        const int amount = TerrainYield(cell, p);
        const int pitch = amount > 7 ? 6 : kIconPitch;
        const Rect icon{kIconPitch * (p - 1), kIconsTop, kIconPitch * (p - 1) + kIconSize,
                        kIconsTop + kIconSize};
        for (int i = 0; i < amount; ++i)
            DrawSprite(537 + pitch * i, 325 + 14 * j, icon, true, Sheet::OthersSprite);
    }
    if (PointerOnClose(584, 304, 632, 322))
        DrawSprite(584, 301, kCloseLit, true, Sheet::Backgrounds);
    else
        DrawSprite(584, 302, kClosePlain, true, Sheet::Backgrounds);
    // The information panel's text pass is to write these; until then the window does.
    WriteTerrainInfoMenu();
}

void WriteTerrainInfoMenu() {
    if (!ui.terrainInfoOpen || ui.mainMenuOpen || ui.helpMenuOpen || ui.dialogCode != 0) return;
    if (!InsideMap(ui.terrainInfoX, ui.terrainInfoY)) return;
    const MapCell& cell = Cell(ui.terrainInfoX, ui.terrainInfoY);
    const std::string line = std::string(terrainName(cell.terrain)) + CoverText(cell);
    WriteText(Round(432 - TextWidth(line, 8) / 2.0), 369, kInk, 8, line, 1024);
    if (cell.special != 0) {
        const std::string bonus = BonusText(cell.special);
        if (!bonus.empty()) WriteText(Round(432 - TextWidth(bonus, 8) / 2.0), 382, kTitleInk, 8, bonus, 1024);
    }
    const std::string close = Tr("close", "kapat");
    WriteCentred(607, 305, PointerOnClose(597, 301, 643, 322) ? kTitleInk : kInk, 8, close);
    WriteText(475, 303, kTitleInk, 8, Tr("Productions :", "Üretimler :"), 1024);
    int products[kLines];
    const int lines = TerrainYieldLines(cell, products);
    for (int j = 0; j < lines; ++j) WriteText(490, 322 + 14 * j, kInk, 8, productName(products[j]), 1024);
}

bool TerrainInfoMouseDown(int x, int y) {
    if (x < 584 || x >= 633 || y < 304 || y >= 323) return false;
    PlaySound("click");
    ui.terrainInfoOpen = 0;
    ui.screenJustClosed = 1;
    return true;
}

} // namespace annals
