// The city screen: opening and closing it, what its lists and pop-ups hold, and its
// pictures (the frame, the work area, the city view, the job boxes and the buttons).
#include "ui/city_screen.h"

#include "economy/city.h"
#include "economy/city_commands.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/map_view.h"
#include "ui/sheet_layout.h"

#include <algorithm>
#include <cmath>

namespace annals {

namespace city_screen {

const FigureSpot kFigureSpots[9] = {
    {0, 0, 0, 0},         {204, 370, 201, 387}, {230, 377, 227, 394},
    {261, 381, 258, 398}, {299, 374, 296, 391}, {363, 372, 360, 389},
    {343, 388, 340, 405}, {359, 403, 356, 420}, {318, 403, 315, 420},
};

namespace {

constexpr int kFood = 1;
constexpr int kHarbor = 36, kStockade = 3, kFortress = 34, kIndustrialization = 39;
constexpr int kLastJobBuilding = 38;

bool Owns(const CityData& city, int building) {
    return building >= 1 && building <= kBuildings && city.buildings[building] == 1;
}

} // namespace

int WorkerMenuEntries(const CityData& city, WorkerEntry out[kMaxWorkerEntries]) {
    int n = 0, dx = 0, dy = 0;
    const bool cell = PickedCellValid(city, dx, dy);
    for (int p = 1; p <= kProducts; ++p) {
        WorkerEntry e{p, 0, 0, 0};
        if (cell) {
            e.x = city.cityX + dx;
            e.y = city.cityY + dy;
            e.yield = CellYield(Cell(e.x, e.y), p, city);
        } else {
            e.yield = BestFreeYield(city, p, e.x, e.y);
        }
        if (e.yield > 0) out[n++] = e;
    }
    for (int b = 1; b <= kLastJobBuilding; ++b)
        if (Owns(city, b) && city.jobs[b] < maxWorkers(b)) out[n++] = {14 + b, 0, 0, 0};
    return n;
}

int WorkerMenuHeight(int entries) {
    return 15 * entries + 43;
}

int ProductionChoices(const CityData& city, int out[36]) {
    int n = 0;
    for (int t = 1; t <= kUnitTypes; ++t)
        if (CanProduce(city, t)) out[n++] = t;
    return n;
}

int BuildingChoices(const CityData& city, int out[47]) {
    int n = 0;
    for (int item = kUnitTypes + 1; item <= kBuildItems && n < 46; ++item)
        if (CanProduce(city, item)) out[n++] = item;
    return n;
}

bool PointerOnHoveredProduct(const CityData& city) {
    if (ui.productMenu == 0 || !ui.productMenuHovered) return false;
    const int r = ui.productMenu % 100;
    const int top = std::min(333 + 13 * r, ui.popupY),
              bottom = std::max(346 + 13 * r, ui.popupY + ProductMenuHeight(city));
    return ui.mouseX > 643 && ui.mouseX < ui.popupX + kProductMenuWidth && ui.mouseY >= top &&
           ui.mouseY < bottom;
}

int TurnsLeft(double need, double perTurn) {
    // What is already paid for comes at the end of this turn, as one more payment would.
    if (need <= 0) return 1;
    if (perTurn <= 0) return -1;
    return std::max(0, Trunc(need / perTurn + 0.99999));
}

int ProductRows(const CityData& city, int out[kMaxProductRows + 1]) {
    int n = 0;
    for (int p = 1; p <= kProducts && n < kMaxProductRows; ++p) {
        bool shown = p == kFood || city.production[p] > 0 || city.stock[p] > 0;
        if (p >= 11 && p <= 14) {
            const int raw = p - 9;
            shown = shown || city.stock[raw] < city.consumption[raw];
        }
        if (shown) out[++n] = p;
    }
    return n;
}

int Carriers(const CityData& city, int out[kMaxUnits + 1]) {
    const int civ = city.owner;
    if (civ < 1 || civ > kMaxCivs) return 0;
    int n = 0;
    for (int s = 1; s <= Civ(civ).unitCount && s <= kMaxUnits; ++s) {
        const UnitRecord& u = Unit(civ, s);
        if (u.x == city.cityX && u.y == city.cityY && UnitTypeCapacity(u.type) > 0) out[n++] = s;
    }
    return n;
}

void FillCityFigures(const CityData& city) {
    std::fill(std::begin(ui.cityFigures), std::end(ui.cityFigures), uint8_t{0});
    const int civ = city.owner;
    if (civ < 1 || civ > kMaxCivs) return;
    int ships = 0, wagons = 0;
    for (int s = 1; s <= Civ(civ).unitCount && s <= kMaxUnits; ++s) {
        const UnitRecord& u = Unit(civ, s);
        if (u.x != city.cityX || u.y != city.cityY) continue;
        if (IsShip(u.type) && ships < 4)
            ui.cityFigures[1 + ships++] = static_cast<uint8_t>(s);
        else if (u.type == kWagonTrain && wagons < 4)
            ui.cityFigures[5 + wagons++] = static_cast<uint8_t>(s);
    }
}

int FigureUnit(const CityData& city, int position) {
    if (position < 1 || position > 8) return 0;
    const int s = ui.cityFigures[position], civ = city.owner;
    if (s < 1 || civ < 1 || civ > kMaxCivs || s > Civ(civ).unitCount) return 0;
    const UnitRecord& u = Unit(civ, s);
    if (u.x != city.cityX || u.y != city.cityY) return 0;
    const bool ship = IsShip(u.type), wagon = u.type == kWagonTrain;
    return (position <= 4 ? ship : wagon) ? s : 0;
}

int GoodsPositions(int civ, int slot, int out[7]) {
    if (civ < 1 || civ > kMaxCivs || slot < 1 || slot > Civ(civ).unitCount) return 0;
    int n = 0;
    for (int k = 1; k <= kCargoSlots; ++k)
        if (CargoHoldsGoods(Unit(civ, slot).cargo[k])) out[n++] = k;
    return n;
}

int ProductMenuHeight(const CityData& city) {
    int carriers[kMaxUnits + 1];
    return 20 + 15 * (2 + Carriers(city, carriers)) + 5;
}

int CargoMenuHeight(const CityData& city) {
    int positions[7];
    const int n = GoodsPositions(city.owner, FigureUnit(city, ui.cargoMenu), positions);
    return 20 + 15 * std::max(n, 1) + 5;
}

void CloseCityPopups() {
    ui.productionListOpen = ui.buildingListOpen = ui.workerMenuOpen = 0;
    ui.productMenu = 0;
    ui.productMenuHovered = 0;
    ui.cargoMenu = 0;
    ui.workerMenuRow = 0;
}

} // namespace city_screen

using namespace city_screen;

CityData* OpenCityData() {
    if (ui.cityMenuX == 0 || !InsideMap(ui.cityMenuX, ui.cityMenuY)) return nullptr;
    CityData& city = City(ui.cityMenuX, ui.cityMenuY);
    return city.hasCity == 1 ? &city : nullptr;
}

void OpenCityScreen() {
    CityData* city = OpenCityData();
    if (!city) {
        ui.cityMenuX = ui.cityMenuY = 0;
        return;
    }
    ComputeProduction(*city);
    ClearPickedWorker(*city);
    CloseCityPopups();
    ui.workerDragging = 0;
    ui.unitPopupOpen = 0;
    FillCityFigures(*city);

    // The garrison: up to five groups of defenders, the sturdiest for their cost first.
    const MapCell& square = Cell(city->cityX, city->cityY);
    int counts[kUnitTypes + 1] = {};
    int order[kUnitTypes + 1] = {}, kinds = 0;
    if (square.unitOwner == city->owner)
        for (int i = 1; i <= square.unitCount && i <= kMaxCellUnits; ++i) {
            const int s = square.unitList[i];
            if (s < 1 || s > Civ(city->owner).unitCount) continue;
            const int t = Unit(city->owner, s).type;
            if (t < 1 || t > kUnitTypes || IsShip(t) || t == kWagonTrain) continue;
            if (counts[t]++ == 0) order[kinds++] = t;
        }
    ui.garrisonCount = static_cast<uint8_t>(std::min(kinds, 5));
    for (int g = 1; g <= ui.garrisonCount; ++g) {
        int best = 0;
        double bestValue = -1;
        for (int i = 0; i < kinds; ++i) {
            const int t = order[i];
            if (counts[t] == 0) continue;
            const double cost = std::max(1, static_cast<int>(buildCost(t)));
            const double value = std::pow(1.55, UnitTypeDefence(t)) / cost;
            if (value > bestValue) {
                bestValue = value;
                best = t;
            }
        }
        ui.garrison[g] = static_cast<uint8_t>(best);
        ui.garrisonFigures[g] = static_cast<uint8_t>(std::min(counts[best], 5));
        counts[best] = 0;
    }
}

void ShowCityScreen(int x, int y, CityScreenFrom from) {
    if (!InsideMap(x, y) || Cell(x, y).hasCity != 1 || Cell(x, y).owner != game.currentCiv) return;
    ui.cityMenuX = static_cast<uint8_t>(x);
    ui.cityMenuY = static_cast<uint8_t>(y);
    PlaySound("city");
    ui.firstCityOpened = 1;
    ui.openedFromCities = from == CityScreenFrom::Cities;
    ui.openedFromFinance = from == CityScreenFrom::Finance;
    ui.openedFromProducts = from == CityScreenFrom::Products;
    if (from != CityScreenFrom::Map) ui.citiesMenuOpen = ui.financeMenuOpen = ui.productsMenuOpen = 0;
    OpenCityScreen();
}

void CloseCityScreen(bool reopenList) {
    if (CityData* city = OpenCityData()) ClearPickedWorker(*city);
    ui.cityMenuX = ui.cityMenuY = 0;
    CloseCityPopups();
    ui.workerDragging = 0;
    ui.unitPopupOpen = 0;
    ui.popupX = ui.popupY = ui.popupHeight = 0;
    if (reopenList) {
        if (ui.openedFromCities)
            ui.citiesMenuOpen = 1;
        else if (ui.openedFromFinance)
            ui.financeMenuOpen = 1;
        else if (ui.openedFromProducts)
            ui.productsMenuOpen = 1;
    }
    ui.openedFromCities = ui.openedFromFinance = ui.openedFromProducts = 0;
}

// ---------------------------------------------------------------------------
// Pictures

namespace {

constexpr Rect kMinusButton{510, 630, 524, 644};
constexpr Rect kPlusButton{526, 630, 540, 644};
constexpr Rect kBuildingButton{510, 650, 540, 680};
constexpr Rect kProductionLit{560, 630, 610, 680};
constexpr Rect kBuildingLit{610, 630, 640, 660};
constexpr Rect kSpendingLit{640, 630, 654, 644};
constexpr Rect kJobBox{660, 630, 764, 673};
constexpr Rect kHarbourWater{0, 540, 150, 600};
constexpr Rect kHarbour{150, 540, 210, 600};
constexpr Rect kColossusPiece{210, 540, 270, 640};
constexpr Rect kStockadeView{0, 600, 200, 625};
constexpr Rect kFortressView{0, 625, 200, 650};

constexpr Pixel kBoxEmpty = Rgb(60, 52, 40);
constexpr Pixel kFoodColour = Rgb(214, 170, 40);
constexpr Pixel kMilitaryColour = Rgb(190, 40, 30);
constexpr Pixel kScienceColour = Rgb(40, 110, 210);

// The window's own picture over a part of the screen.
void FrameBehind(Rect r) {
    const int top = kFramePiece.top - kFrameY;
    DrawSprite(r.left, r.top, {r.left - kFrameX, r.top + top, r.right - kFrameX, r.bottom + top}, false,
               Sheet::Interfaces);
}

int CitizenStyle(int owner) {
    return std::clamp(CityStyle(owner) - 1, 0, 5);
}

void DrawCitizen(int x, int y, int owner, bool picked) {
    const int s = CitizenStyle(owner);
    DrawSprite(x, y, {23 * s, picked ? 506 : 476, 23 * s + 23, picked ? 535 : 505}, true,
               Sheet::OthersSprite);
}

void DrawSmallIcon(int x, int y, int product) {
    const int i = product >= 1 && product <= kProducts ? product - 1 : 14;
    DrawSprite(x, y, {10 * i, 464, 10 * i + 9, 473}, true, Sheet::OthersSprite);
}

void DrawUnitFigure(int x, int y, int type, int owner) {
    const int colour = std::clamp<int>(Civ(owner).colour, 1, 8);
    if (type < 1 || type > kUnitTypes) return;
    DrawSprite(x, y, {47 * (type - 1), 47 * (colour - 1), 47 * (type - 1) + 46, 47 * (colour - 1) + 46}, true,
               Sheet::UnitSprite);
}

// A building's picture shrunk to the middle of its square.
void DrawBuildingPicture(int x, int y, int picture, int inset) {
    if (picture < 1 || picture > 50) return;
    const int left = 48 * ((picture - 1) % 10), top = 48 * ((picture - 1) / 10);
    DrawSprite(x, y, {left + inset, top + inset, left + 48 - inset, top + 48 - inset}, true,
               Sheet::BuildingSprite);
}

// Darkens every other pixel of a rectangle: cells the city cannot use.
void Stipple(Rect r, Pixel colour) {
    Surface& screen = Screen();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left + (y & 1); x < r.right; x += 2) screen.SetPixel(x, y, colour);
}

bool TerrainNear(int x, int y, int terrain) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (InsideMap(x + dx, y + dy) && Cell(x + dx, y + dy).terrain == terrain) return true;
    return false;
}

bool Near(int x, int y, int cx, int cy, int radius) {
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) < radius * radius;
}

void DrawTitle(const CityData& city) {
    const int nation = Civ(city.founder).nation;
    int b = 0, e = 0;
    const int width = art::FindCityNameXY(nation, city.nameIndex, b, e) ? e - b + 1 : 0;
    const int ownNation = Civ(city.owner).nation;
    if (ownNation >= 1 && ownNation <= kNations)
        DrawSprite(496 - width / 2 - 15, 112, {31 * (ownNation - 1) + 1, 430, 31 * ownNation, 460}, true,
                   Sheet::OthersSprite);
    if (width > 0) {
        const int row = art::CityNameBigRow(nation);
        DrawSprite(529 - width / 2, 112, {b, row, e + 1, row + 30}, true, Sheet::CityNameBigSprite);
    }
}

void DrawGrowthBar(const CityData& city) {
    const int boxes = city.size > 4 ? 20 : 10, w = 100 / boxes;
    for (int i = 0; i < boxes; ++i) {
        const Rect r{461 + w * i, 171, 461 + w * (i + 1) - 1, 178};
        Screen().FillRect(r, i < city.foodBox ? kFoodColour : kBoxEmpty);
    }
}

void DrawCellOverlays(const CityData& city) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int x = city.cityX + dx, y = city.cityY + dy;
            const int left = kAreaLeft + 50 * (dx + 2), top = kAreaTop + 50 * (dy + 2);
            const Rect r{left, top, left + 50, top + 50};
            if (!InsideMap(x, y)) {
                Screen().FillRect(r, kBlack);
            } else if (WorkedByOtherCity(city.cityX, city.cityY, x, y)) {
                Stipple(r, Rgb(150, 20, 20));
            } else if (!InCityArea(city, x, y)) {
                Stipple(r, kBlack);
            } else if (!city.Worked(dx, dy)) {
                Screen().FrameRect({left + 1, top + 1, left + 49, top + 49}, Rgb(230, 220, 180));
            }
        }
}

void DrawWorkers(const CityData& city) {
    int pdx = 0, pdy = 0;
    const bool pickedCell = ui.workerMenuOpen && PickedCellValid(city, pdx, pdy);
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            if (!city.Worked(dx, dy) || !InsideMap(city.cityX + dx, city.cityY + dy)) continue;
            const int left = kAreaLeft + 50 * (dx + 2), top = kAreaTop + 50 * (dy + 2);
            const int product = city.WorkedProduct(dx, dy);
            const int yield = CellYield(Cell(city.cityX + dx, city.cityY + dy), product, city);
            if (dx != 0 || dy != 0)
                DrawCitizen(left + 13, top + 4, city.owner, pickedCell && pdx == dx && pdy == dy);
            if (yield <= 0) {
                DrawSmallIcon(left + 20, top + 38, 0);
                continue;
            }
            const int step = yield <= 4 ? 10 : yield <= 7 ? 6 : yield <= 10 ? 4 : yield <= 13 ? 3 : 2;
            const int shown = std::min(yield, 20);
            const int width = step * (shown - 1) + 9;
            for (int i = 0; i < shown; ++i)
                DrawSmallIcon(left + 25 - width / 2 + step * i, top + 38, product);
        }
}

void DrawBars(const CityData& city) {
    const int science = std::min(Round(CityScience(city)), kLongestBar),
              military = std::min(Round(CityMilitary(city)), kLongestBar);
    if (science > 0) Screen().FillRect({768, 203, 768 + 2 * science, 209}, kScienceColour);
    if (military > 0) Screen().FillRect({768, 217, 768 + 2 * military, 223}, kMilitaryColour);
}

void DrawCityView(const CityData& city) {
    for (int k = 1; k <= kMaxPictures; ++k) {
        const int picture = city.pictures[k];
        if (picture < 1) continue;
        const PixelPos at = picturePosition(k);
        DrawBuildingPicture(at.x - 14, at.y - 14, picture, 10);
    }
}

// Box k stands at (175 + 109 (k div 4), 414 + 45 (k mod 4)); its workers' places are
// centred 26 rows down, 52 and 77 columns in.
Rect JobBoxRect(int k) {
    const int left = 175 + 109 * (k / 4), top = 414 + 45 * (k % 4);
    return {left, top, left + 104, top + 43};
}

void DrawJobBoxes(const CityData& city) {
    int buildings[kMaxJobBoxes];
    const int n = JobBuildings(city, buildings);
    const int picked = ui.workerMenuOpen ? PickedBuilding(city) : 0;
    for (int k = 0; k < n; ++k) {
        const Rect box = JobBoxRect(k);
        const int b = buildings[k];
        DrawSprite(box.left, box.top, kJobBox, true, Sheet::Interfaces);
        DrawBuildingPicture(box.left + 2, box.top + 14, buildingPicture(b), 10);
        for (int j = 1; j <= maxWorkers(b); ++j) {
            const int cx = box.left + 52 + 25 * (j - 1), cy = box.top + 26;
            if (j <= city.jobs[b])
                DrawCitizen(cx - 11, cy - 14, city.owner, picked == b && city.releaseY == j);
            else
                Screen().Ellipse({cx - 9, cy - 11, cx + 9, cy + 11}, Rgb(120, 110, 90), false);
        }
    }
    // The building under construction takes the box after them: its picture and one mark
    // for every ten stone of its cost.
    if (city.buildItem != 0 && n < kMaxJobBoxes) {
        const Rect box = JobBoxRect(n);
        DrawSprite(box.left, box.top, kJobBox, true, Sheet::Interfaces);
        DrawBuildingPicture(box.left + 2, box.top + 14, buildingPicture(city.buildItem - kUnitTypes), 10);
        const int marks = std::min(buildCost(city.buildItem) / 10, 28);
        for (int i = 0; i < marks; ++i) {
            const int x = box.left + 32 + 5 * (i % 14), y = box.top + 18 + 9 * (i / 14);
            Screen().FillRect({x, y, x + 4, y + 6},
                              city.buildProgress >= 10 * (i + 1) ? Rgb(150, 150, 160) : kBoxEmpty);
        }
    }
}

void DrawProductIcons(const CityData& city) {
    int rows[kMaxProductRows + 1];
    const int n = ProductRows(city, rows);
    for (int r = 1; r <= n; ++r) {
        DrawSmallIcon(694, 335 + 13 * r, rows[r]);
        Screen().Ellipse({827, 344 + 13 * (r - 1), 840, 353 + 13 * (r - 1)}, Rgb(90, 70, 40), false);
    }
}

void DrawProgress(const CityData& city) {
    const int item = city.unitBuildItem;
    if (item < 1 || item > kUnitTypes) return;
    DrawSprite(186, 199, {50 * (item - 1), 0, 50 * (item - 1) + 49, 48}, true, Sheet::UnitOutlinesSprite);
    const int cost = buildCost(item);
    const int unit = cost <= 50 ? 10 : cost <= 100 ? 20 : 50;
    const int boxes = std::min((cost + unit - 1) / unit, 12);
    for (int i = 0; i < boxes; ++i) {
        const Rect r{240 + 11 * i, 216, 249 + 11 * i, 224};
        Screen().FillRect(r, city.militaryProgress >= unit * (i + 1) ? kMilitaryColour : kBoxEmpty);
    }
}

void DrawUnitFigures(const CityData& city) {
    FillCityFigures(city);
    for (int p = 1; p <= 8; ++p) {
        const int s = FigureUnit(city, p);
        if (s == 0) continue;
        const FigureSpot& spot = kFigureSpots[p];
        DrawUnitFigure(spot.x - 23, spot.y - 30, Unit(city.owner, s).type, city.owner);
    }
}

void DrawGarrison(const CityData& city) {
    for (int g = 1; g <= ui.garrisonCount && g <= 5; ++g)
        for (int f = ui.garrisonFigures[g]; f >= 1; --f)
            DrawUnitFigure(178 + 34 * (g - 1) + 3 * (f - 1), 262 - 2 * (f - 1), ui.garrison[g], city.owner);
}

} // namespace

void DrawCityMenu() {
    CityData* open = OpenCityData();
    if (!open) {
        CloseCityScreen(false);
        return;
    }
    const CityData& city = *open;
    const int mx = ui.mouseX, my = ui.mouseY;
    // The window is a solid rectangle: a plain copy, without looking for see-through pixels.
    DrawSprite(kFrameX, kFrameY, kFramePiece, false, Sheet::Interfaces);
    DrawTitle(city);
    if (TerrainNear(city.cityX, city.cityY, kSea))
        DrawSprite(178, 352, kHarbourWater, true, Sheet::CitySprite);
    Screen().FillRect({kAreaLeft, kAreaTop, kAreaLeft + 250, kAreaTop + 250}, kBlack);
    DrawTerrain(kAreaLeft, kAreaTop, city.cityX - 2, city.cityY - 2, 5, 5);
    // Trees and hills of the outer cells reach past the area: the window covers them again.
    FrameBehind({kAreaLeft - 20, kAreaTop - 30, kAreaLeft + 270, kAreaTop});
    FrameBehind({kAreaLeft - 20, kAreaTop, kAreaLeft, kAreaTop + 270});
    FrameBehind({kAreaLeft + 250, kAreaTop, kAreaLeft + 270, kAreaTop + 270});
    FrameBehind({kAreaLeft, kAreaTop + 250, kAreaLeft + 250, kAreaTop + 270});
    const int owner = city.owner;
    const int level = CityPictureLevel(owner, city.size), style = CityStyle(owner);
    DrawSprite(482, 290, {60 * (level - 1), 60 * (style - 1), 60 * level - 1, 60 * style - 1}, true,
               Sheet::CitySprite);
    if (!(owner >= 1 && owner <= kMaxCivs && Civ(owner).knows[kIndustrialization] == 1)) {
        if (Owns(city, kFortress))
            DrawSprite(180, 392, kFortressView, true, Sheet::CitySprite);
        else if (Owns(city, kStockade))
            DrawSprite(180, 392, kStockadeView, true, Sheet::CitySprite);
    }
    DrawGrowthBar(city);
    DrawCellOverlays(city);
    DrawGarrison(city);
    DrawWorkers(city);
    DrawBars(city);
    DrawCityView(city);
    if (Owns(city, kHarbor)) DrawSprite(185, 340, kHarbour, true, Sheet::CitySprite);
    DrawJobBoxes(city);
    DrawProductIcons(city);
    if (ui.productionListOpen || Near(mx, my, 209, 223, 25))
        DrawSprite(184, 198, kProductionLit, true, Sheet::Interfaces);
    DrawSprite(351, 284, kBuildingButton, true, Sheet::Interfaces);
    if (ui.buildingListOpen || Near(mx, my, 366, 299, 15))
        DrawSprite(351, 284, kBuildingLit, true, Sheet::Interfaces);
    DrawProgress(city);
    DrawUnitFigures(city);
    if (ui.workerDragging && HasPickedWorker(city)) DrawCitizen(mx - 11, my - 14, owner, true);
    static constexpr int kButtons[6][2] = {{705, 207}, {735, 207}, {705, 221},
                                           {735, 221}, {705, 248}, {745, 248}};
    for (int i = 0; i < 6; ++i) {
        const auto& b = kButtons[i];
        DrawSprite(b[0] - 7, b[1] - 7, i % 2 ? kPlusButton : kMinusButton, true, Sheet::Interfaces);
        if (Near(mx, my, b[0], b[1], 7))
            DrawSprite(b[0] - 7, b[1] - 7, kSpendingLit, true, Sheet::Interfaces);
    }
    if (Owns(city, annals::kColossus)) DrawSprite(236, 296, kColossusPiece, true, Sheet::CitySprite);
}

} // namespace annals
