// The terrain window: a cell explored by the player, its picture, what it yields and
// what lies on it.
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/menus.h"
#include "ui/screens.h"
#include "ui/text.h"

#include <algorithm>

namespace annals {

namespace {

constexpr int kFood = 1, kCotton = 2, kTobacco = 3, kGrape = 4, kFur = 5, kWood = 6, kStone = 7, kGold = 8;
constexpr int kFranks = 5, kPersians = 7, kVikings = 10;

constexpr Pixel kWhite = Rgb(255, 255, 255);
constexpr Pixel kGrey = Rgb(128, 128, 128);
constexpr Pixel kLightGrey = Rgb(192, 192, 192);

constexpr Rect kMessageBox{720, 0, 990, 132};
constexpr Rect kClosePlain{537, 423, 585, 446};
constexpr Rect kCloseLit{537, 447, 585, 470};
constexpr int kIconsTop = 464, kIconSize = 9, kIconPitch = 10; // small product icons, othersSprite
constexpr int kLines = 5;

// Base yields by terrain (index 1..7: Sea, Swamp, Grassland, Savannah, Plain, Desert, Artic).
constexpr int kFoodOpen[8] = {0, 2, 2, 3, 4, 3, 0, 1};
constexpr int kFoodForest[8] = {0, 0, 2, 2, 2, 2, 3, 0};
constexpr int kFoodHill[8] = {0, 0, 1, 1, 1, 1, 0, 0};
constexpr int kCottonOpen[8] = {0, 0, 2, 2, 3, 4, 0, 1};
constexpr int kCottonForest[8] = {0, 0, 0, 0, 0, 1, 0, 0};
constexpr int kTobaccoOpen[8] = {0, 0, 1, 3, 2, 0, 0, 0};
constexpr int kTobaccoForest[8] = {0, 0, 0, 1, 0, 0, 0, 0};
constexpr int kGrapeOpen[8] = {0, 0, 1, 2, 3, 0, 0, 0};
constexpr int kGrapeForest[8] = {0, 0, 0, 0, 1, 0, 0, 0};
constexpr int kNone[8] = {};

// Open land, forest or hill; a forest on a hill counts as forest.
int ByCover(const MapCell& cell, const int (&open)[8], const int (&forest)[8], const int (&hill)[8]) {
    const int t = cell.terrain;
    if (t < 1 || t > 7) return 0;
    if (cell.forest) return forest[t];
    if (cell.hill) return hill[t];
    return open[t];
}

bool FarmTerrain(int terrain) {
    return terrain >= kSwamp && terrain <= kSavannah;
}

int Food(const MapCell& cell, int nation) {
    int v = ByCover(cell, kFoodOpen, kFoodForest, kFoodHill);
    if (cell.river != 0) v += 1;
    if (cell.cornfield) v += 1;
    if (cell.terrain == kSea && nation == kVikings) v += 1;
    if (cell.cornfield && nation == kFranks) v += 1;
    if (cell.special >= 1 && cell.special <= 5) {
        if (!cell.forest)
            v += 3;
        else if (cell.terrain == kSwamp || cell.terrain == kArtic)
            v += 4;
        else if (cell.terrain == kSavannah)
            v += 2;
        else
            v += 3;
    }
    return v;
}

int Cotton(const MapCell& cell, int nation) {
    int v = ByCover(cell, kCottonOpen, kCottonForest, kNone);
    if (cell.river != 0 && ((cell.terrain >= kSwamp && cell.terrain <= kPlain) || cell.terrain == kArtic))
        v += 1;
    if (nation == kPersians && v > 0) v += 1;
    if (cell.cornfield) v = 0;
    if (cell.special == 6) v += 3;
    return v;
}

int Crop(const MapCell& cell, const int (&open)[8], const int (&forest)[8], int special) {
    int v = ByCover(cell, open, forest, kNone);
    if (cell.river != 0 && FarmTerrain(cell.terrain)) v += 1;
    if (cell.cornfield) return 0;
    if (cell.special == special) v += 3;
    return v;
}

int Stone(const MapCell& cell) {
    int v = cell.hill ? 5 : cell.terrain == kSea ? 0 : cell.terrain == kDesert ? 1 : 3;
    if (cell.special == 11) {
        if (!cell.hill)
            v += 3;
        else if (cell.hillExamined)
            v += 5;
    }
    if (cell.road && cell.terrain != kDesert) v += 2;
    if (cell.cornfield) return 0;
    if (cell.mine) v += 2;
    if (cell.forest) v -= 1;
    return v;
}

int Gold(const MapCell& cell) {
    int v = 0;
    if ((cell.special == 12 && (!cell.hill || cell.hillExamined)) || cell.special == 14) v = 1;
    if (cell.road && cell.hill && cell.special == 12 && v > 0) v += 1;
    return v;
}

const char* CoverText(const MapCell& cell) {
    if (cell.cornfield) return " + cornfield";
    if (cell.river != 0) return " + river";
    if (cell.forest) return " + forest";
    if (cell.hill) return " + hill";
    return "";
}

const char* BonusText(int special) {
    if (special >= 1 && special <= 5) return "+food bonus";
    switch (special) {
    case 6:
        return "+cotton bonus";
    case 7:
        return "+tobacco bonus";
    case 8:
        return "+grape bonus";
    case 9:
        return "+wood bonus";
    case 10:
        return "+fur bonus";
    case 11:
        return "+stone bonus";
    case 12:
    case 14:
        return "+gold bonus";
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
    const int nation = Civ(game.currentCiv).nation;
    int v = 0;
    switch (product) {
    case kFood:
        v = Food(cell, nation);
        break;
    case kCotton:
        v = Cotton(cell, nation);
        break;
    case kTobacco:
        v = Crop(cell, kTobaccoOpen, kTobaccoForest, 7);
        break;
    case kGrape:
        v = Crop(cell, kGrapeOpen, kGrapeForest, 8);
        break;
    case kFur:
        v = (cell.forest ? (cell.road ? 4 : 3) : 0) + (cell.special == 10 ? 3 : 0);
        break;
    case kWood:
        v = (cell.forest ? (cell.road ? 10 : 8) : 0) + (cell.special == 9 ? 6 : 0);
        break;
    case kStone:
        v = Stone(cell);
        break;
    case kGold:
        v = Gold(cell);
        break;
    default:
        return 0;
    }
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
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
    WriteText(Round(432 - TextWidth(line, 8) / 2.0), 369, kLightGrey, 8, line, 1024);
    if (cell.special != 0) {
        const std::string bonus = BonusText(cell.special);
        if (!bonus.empty()) WriteText(Round(432 - TextWidth(bonus, 8) / 2.0), 382, kWhite, 8, bonus, 1024);
    }
    const std::string close = Tr("close", "kapat");
    WriteCentred(607, 305, PointerOnClose(597, 301, 643, 322) ? kLightGrey : kGrey, 8, close);
    WriteText(475, 303, kWhite, 8, Tr("Productions :", "Üretimler :"), 1024);
    int products[kLines];
    const int lines = TerrainYieldLines(cell, products);
    for (int j = 0; j < lines; ++j)
        WriteText(490, 322 + 14 * j, kLightGrey, 8, productName(products[j]), 1024);
}

bool TerrainInfoMouseDown(int x, int y) {
    if (x < 584 || x >= 633 || y < 304 || y >= 323) return false;
    PlaySound("click");
    ui.terrainInfoOpen = 0;
    ui.screenJustClosed = 1;
    return true;
}

} // namespace annals
