// The fight display, drawn from the state the fight leaves in UiState while it runs.
#include "ui/battle_view.h"

#include "platform/platform.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/map_view.h"

#include "ui/end_screen.h"
#include "ui/text.h"

#include <algorithm>

namespace annals {

namespace {

constexpr int kViewLeft = 12, kViewTop = 9, kCellSize = 50;

// The pictures on the interfaces sheet: eight explosion frames of 32 x 32, and eight
// direction markers of 16 x 16 in keypad order (1, 2, 3, 4, 6, 7, 8, 9).
constexpr int kExplosionLeft = 720, kExplosionTop = 586, kExplosionSize = 32;
constexpr int kMarkerLeft = 980, kMarkerTop = 586, kMarkerSize = 16;
constexpr int kBuildingPictureSize = 48, kBuildingPicturesPerRow = 10;
constexpr int kBadgeLeft = 345, kBadgeTop = 229, kBadgeWidth = 41, kBadgeHeight = 17, kBadgePitch = 18;
constexpr int kTurkishBadgeTop = 319; // the first level's badge reads differently in Turkish

// Screen position of a cell's top-left corner in the main view; false when the cell is
// not part of it.
bool CellCorner(int x, int y, int& left, int& top) {
    const int firstX = Trunc(game.viewX), firstY = Trunc(game.viewY);
    if (!InsideMap(x, y) || x < firstX || x > firstX + 20 || y < firstY || y > firstY + 15) return false;
    left = (x - firstX) * kCellSize + kViewLeft - Round((game.viewX - firstX) * kCellSize);
    top = (y - firstY) * kCellSize + kViewTop - Round((game.viewY - firstY) * kCellSize);
    return true;
}

int MarkerIndex(int dx, int dy) {
    static constexpr int kKeypad[] = {1, 2, 3, 4, 6, 7, 8, 9};
    for (int i = 0; i < 8; ++i)
        if (directionDx(kKeypad[i]) == dx && directionDy(kKeypad[i]) == dy) return i;
    return -1;
}

void DrawExplosion() {
    const int fromX = ui.crashFromX, fromY = ui.crashFromY, toX = ui.crashToX, toY = ui.crashToY;
    int left = 0, top = 0;
    if (ui.destroyedBuilding != 0 && CellCorner(toX, toY, left, top)) {
        const int picture = buildingPicture(ui.destroyedBuilding);
        if (picture > 0) {
            const int sx = (picture - 1) % kBuildingPicturesPerRow * kBuildingPictureSize;
            const int sy = (picture - 1) / kBuildingPicturesPerRow * kBuildingPictureSize;
            DrawSprite(left + 1, top + 1, {sx, sy, sx + kBuildingPictureSize, sy + kBuildingPictureSize},
                       true, Sheet::BuildingSprite);
        }
    }
    const int hitX = ui.crashAtTarget ? toX : fromX, hitY = ui.crashAtTarget ? toY : fromY;
    if (CellCorner(hitX, hitY, left, top)) {
        const int sx = kExplosionLeft + (ui.crashStep - 1) * kExplosionSize;
        DrawSprite(left + (kCellSize - kExplosionSize) / 2, top + (kCellSize - kExplosionSize) / 2,
                   {sx, kExplosionTop, sx + kExplosionSize, kExplosionTop + kExplosionSize}, true,
                   Sheet::Interfaces);
    }
    const int marker = MarkerIndex(toX - fromX, toY - fromY);
    int fromLeft = 0, fromTop = 0, toLeft = 0, toTop = 0;
    if (marker >= 0 && CellCorner(fromX, fromY, fromLeft, fromTop) && CellCorner(toX, toY, toLeft, toTop)) {
        // Halfway between the two cells' centres.
        const int cx = (fromLeft + toLeft + kCellSize) / 2, cy = (fromTop + toTop + kCellSize) / 2;
        const int sx = kMarkerLeft + marker * kMarkerSize;
        DrawSprite(cx - kMarkerSize / 2, cy - kMarkerSize / 2,
                   {sx, kMarkerTop, sx + kMarkerSize, kMarkerTop + kMarkerSize}, true, Sheet::Interfaces);
    }
}

void DrawPromotion() {
    PromotionNotice& notice = ui.promotionNotice;
    if (notice.frames <= 0) return;
    notice.frames -= 1;
    const int x = notice.cell / 100, y = notice.cell % 100;
    const UnitRecord& unit = Unit(notice.civ, notice.slot);
    int left = 0, top = 0;
    // The unit may have moved on or fallen since; then there is nobody to show it over.
    if (notice.slot < 1 || notice.slot > Civ(notice.civ).unitCount || unit.x != x || unit.y != y ||
        !Seen(Cell(x, y)) || !CellCorner(x, y, left, top))
        return;
    const int level = (unit.experience - 1) / 2;
    const int sy = level == 0 && !IsEnglish() ? kTurkishBadgeTop : kBadgeTop + kBadgePitch * level;
    DrawSprite(left + (kCellSize - kBadgeWidth) / 2, top - kBadgeHeight + 4,
               {kBadgeLeft, sy, kBadgeLeft + kBadgeWidth, sy + kBadgeHeight}, true, Sheet::OthersSprite);
}

// A line of text on a plate of its own, centred on x, kept inside the map view.
void Plate(int centreX, int top, const std::string& text, Pixel plate, Pixel ink, int size) {
    const int width = LineWidth(text, size) + 12, height = size + 10;
    const int left = std::clamp(centreX - width / 2, kViewLeft + 2, kViewLeft + 1000 - width - 2);
    top = std::clamp(top, kViewTop + 2, kViewTop + 750 - height - 2);
    Surface& screen = ThePlatform().BackBuffer();
    screen.FillRect({left - 1, top - 1, left + width + 1, top + height + 1}, Rgb(40, 28, 16));
    screen.FillRect({left, top, left + width, top + height}, plate);
    WriteText(left + 6, top + 4, ink, size, text, left + width);
}

// Who fell in the fight, over the cell where it fell: the cell may still hold others.
void DrawFightResult() {
    FightNotice& notice = ui.fightNotice;
    if (notice.frames <= 0) return;
    notice.frames -= 1;
    int left = 0, top = 0;
    if (!CellCorner(notice.x, notice.y, left, top) || notice.loserType < 1 || notice.loserType > kUnitTypes)
        return;
    const bool ours = IsHuman(notice.loserCiv);
    // Whose unit fell: "Chinese Warrior defeated".
    static const TextPair kPeople[14] = {{"", ""},
                                         {"Arabian", "Arap"},
                                         {"Aztec", "Aztek"},
                                         {"British", "İngiliz"},
                                         {"Chinese", "Çinli"},
                                         {"Frankish", "Frank"},
                                         {"German", "Alman"},
                                         {"Persian", "Pers"},
                                         {"Roman", "Romalı"},
                                         {"Turkish", "Türk"},
                                         {"Viking", "Viking"},
                                         {"", ""},
                                         {"", ""},
                                         {"Native", "Yerli"}};
    const int nation = Civ(notice.loserCiv).nation;
    const std::string people = nation >= 1 && nation <= 13 ? Tr(kPeople[nation]) : "";
    const std::string text =
        (people.empty() ? "" : people + " ") + unitTypeName(notice.loserType) + Tr(" defeated", " yenildi");
    Plate(left + kCellSize / 2, top + kCellSize + 2, text, ours ? Rgb(200, 60, 48) : Rgb(236, 220, 160),
          ours ? Rgb(255, 255, 255) : Rgb(0, 0, 0), 8);
}

// The new year and the player's turn, at the top of the map for a moment.
void DrawTurnNotice() {
    if (ui.turnNoticeFrames <= 0) return;
    if (!ui.innerFrame) ui.turnNoticeFrames -= 1;
    if (!IsHuman(game.currentCiv)) return;
    const std::string text = TurnNoticeText();
    Plate(kViewLeft + 500, kViewTop + 40, text, Rgb(236, 220, 160), Rgb(0, 0, 0), 10);
}

} // namespace

void DrawBattle() {
    if (ui.crashStep >= 1 && ui.crashStep <= 8) DrawExplosion();
    DrawPromotion();
    DrawFightResult();
    DrawTurnNotice();
}

} // namespace annals
