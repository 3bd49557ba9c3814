// The frame around the map view with the panel pictures (the selected unit, the panel
// buttons, the order buttons, the nation's emblem), and the small map of the world.
#include "platform/platform.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/map_view.h"
#include "ui/text.h"

#include <algorithm>
#include <cmath>

namespace annals {

namespace {

constexpr Pixel kSmallMapColours[kMaxCivs + 1] = {
    kBlack,         Rgb(0, 128, 255), Rgb(0, 255, 0),   Rgb(255, 255, 255), Rgb(255, 255, 0),
    Rgb(255, 0, 0), Rgb(255, 128, 0), Rgb(128, 0, 128), Rgb(68, 68, 68),
};

bool PointerWithin(int cx, int cy, double radius) {
    return std::hypot(ui.mouseX - cx, ui.mouseY - cy) < radius;
}

bool MenuOrFullScreenOpen() {
    return ui.mainMenuOpen || ui.saveMenuOpen || ui.loadMenuOpen || ui.helpMenuOpen || game.gameOver ||
           ui.cityMenuX != 0 || ui.scoreMenuOpen;
}

bool AnyWindowOpen() {
    return ui.scienceTableOpen || ui.scienceMenuOpen || ui.cityMenuX != 0 || ui.dialogCode != 0 ||
           ui.citiesMenuOpen || ui.statsMenuOpen || ui.financeMenuOpen || ui.productsMenuOpen ||
           ui.mainMenuOpen || ui.saveMenuOpen || ui.loadMenuOpen || ui.helpMenuOpen || ui.bigNewsOpen ||
           game.gameOver || ui.scoreMenuOpen || ui.terrainInfoOpen;
}

// The selected unit of the person's civilization: its level and its picture.
void DrawViewUnit(const UnitRecord& unit) {
    if (unit.type != kSettler && unit.type != kWagonTrain) {
        const int k = std::clamp((unit.experience - 1) / 2, 0, 4);
        const Rect badge{345, 229 + 18 * k, 386, 246 + 18 * k};
        if (IsEnglish())
            DrawSprite(941, 734, badge, true, Sheet::OthersSprite);
        else
            DrawSprite(929, 734, k >= 1 ? badge : Rect{345, 319, 386, 336}, true, Sheet::OthersSprite);
    }
    const int t = unit.type;
    DrawSprite(846, 626, {50 * (t - 1), 0, 50 * (t - 1) + 49, 48}, true, Sheet::UnitOutlinesSprite);
}

void DrawPanelButtons() {
    if (MenuOrFullScreenOpen()) return;
    struct Button {
        int cx, cy, radius;
        uint8_t open;
        Rect piece;
        int x, y;
    };
    const Button buttons[] = {
        {147, 691, 18, ui.citiesMenuOpen, {1, 350, 45, 394}, 126, 670},
        {197, 691, 16, ui.scienceMenuOpen, {86, 350, 126, 389}, 179, 673},
        {173, 725, 16, ui.statsMenuOpen, {127, 350, 168, 389}, 155, 707},
        {174, 658, 16, ui.financeMenuOpen, {46, 350, 85, 389}, 156, 640},
        {135, 733, 16, ui.productsMenuOpen, {46, 390, 85, 429}, 117, 715},
    };
    for (const Button& b : buttons)
        if (b.open || PointerWithin(b.cx, b.cy, b.radius))
            DrawSprite(b.x, b.y, b.piece, true, Sheet::OthersSprite);
}

void DrawMainMenuButton() {
    const double dy = 1.7 * (ui.mouseY - 750), dx = ui.mouseX - 397;
    if (std::sqrt(dy * dy + dx * dx) < 20 || ui.mainMenuOpen || ui.saveMenuOpen || ui.loadMenuOpen ||
        ui.helpMenuOpen)
        DrawSprite(372, 739, {169, 350, 221, 374}, true, Sheet::OthersSprite);
}

void DrawOrderButtons() {
    const bool lit = !AnyWindowOpen();
    for (int b = 1; b <= ui.orderButtonCount && b <= 8; ++b) {
        const int o = ui.orderButtons[b];
        if (lit && PointerWithin(29 * b + 884, 671, 14))
            DrawSprite(29 * b + 870, 657, {28 * o + 194, 350, 28 * o + 221, 377}, true, Sheet::OthersSprite);
        else
            DrawSprite(29 * b + 870, 656, {28 * o + 194, 378, 28 * o + 221, 405}, true, Sheet::OthersSprite);
    }
}

// The emblem stands left of the two centred status lines, the nation and its government.
void DrawNationEmblem() {
    const CivRecord& civ = Civ(game.viewCiv);
    const int m = civ.nation;
    const int d = std::max(TextWidth(governmentName(civ.government), 8), TextWidth(nationName(m), 8));
    DrawSprite(500 - Round(d / 2.0), kStatusNationY - 1, {31 * (m - 1) + 1, 430, 31 * m, 460}, true,
               Sheet::OthersSprite);
}

void FillBlock(Surface& map, int left, int top, int size, Pixel colour) {
    for (int i = left; i < left + size; ++i)
        for (int j = top; j < top + size; ++j) map.SetPixel(i, j, colour); // outside the picture: skipped
}

} // namespace

void DrawEdgesAndSmallMap() {
    // The frame leaves a dark gap of four pixels on either side of the view, which nothing
    // else paints: without this, the entrance picture would still show there in a game.
    Surface& screen = ThePlatform().BackBuffer();
    screen.FillRect({8, 8, 12, kScreenHeight}, Rgb(0, 0, 0));
    screen.FillRect({1012, 8, 1016, kScreenHeight}, Rgb(0, 0, 0));
    DrawSprite(0, 0, {0, 0, kScreenWidth, kScreenHeight}, true, Sheet::OutlineSprite);
    RenderSmallMap();

    const int viewCount = Civ(game.viewCiv).unitCount;
    if (game.viewUnit == 0 || game.viewUnit > viewCount) game.viewUnit = static_cast<uint8_t>(viewCount);
    // Only a real selection of the civilization to move is shown: slot 0 reads nothing.
    const bool selected =
        game.viewUnit != 0 && game.currentUnit >= 1 && game.currentUnit <= Civ(game.currentCiv).unitCount;
    if (selected) DrawViewUnit(Unit(game.viewCiv, game.viewUnit));
    DrawPanelButtons();
    DrawMainMenuButton();
    if (selected && IsHuman(game.viewCiv)) DrawOrderButtons();
    DrawNationEmblem();
}

void RenderSmallMap() {
    if (ui.smallMapValid) return;
    Surface& map = ScratchBitmap();
    const int w = game.mapWidth, h = game.mapHeight;
    if (w < 1 || h < 1) return;
    for (int i = 0; i < 100; ++i) {
        const int x = Trunc(w * i / 100.0) + 1;
        for (int j = 0; j < 100; ++j) {
            const MapCell& cell = Cell(x, Trunc(h * j / 100.0) + 1);
            Pixel colour = kBlack;
            if (Seen(cell)) colour = cell.terrain == kSea ? Rgb(0, 0, 255) : Rgb(0, 128, 0);
            map.SetPixel(i, j, colour);
        }
    }
    // Cities as a 4 x 4 block: a black ring round the owner's colour.
    for (int civ = 1; civ <= game.civCount; ++civ) {
        const CivRecord& owner = Civ(civ);
        const Pixel colour = kSmallMapColours[std::clamp(int(owner.colour), 0, kMaxCivs)];
        for (int k = 1; k <= owner.cityCount && k <= kMaxCities; ++k) {
            const int x = owner.cities[k].x, y = owner.cities[k].y;
            if (!InsideMap(x, y) || !Seen(Cell(x, y))) continue;
            const int e = Round(100.0 / w * x), f = Round(100.0 / h * y);
            if (e < 2 || f < 3) continue;
            FillBlock(map, e - 2, f - 3, 4, kBlack);
            FillBlock(map, e - 1, f - 2, 2, colour);
        }
    }
    ui.smallMapValid = 1;
}

} // namespace annals
