// The news column and the wonder announcements: their pictures, their texts and their
// presses.
#include "ui/news_view.h"

#include "economy/news.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/city_screen.h"
#include "ui/drawing.h"
#include "ui/help.h"
#include "ui/info_panel.h"
#include "ui/screens.h"
#include "ui/text.h"

#include <algorithm>

namespace annals {

namespace {

// The column: item k's row is 40 pixels high, its top at 596 - 40 (k - 1).
constexpr int kNewsLeft = 17, kNewsRight = 120, kNewsBottom = 636, kRowHeight = 40;
constexpr int kIconSize = 36;
constexpr Rect kNewsIcons{240, 476, 384, 512}; // area, unhappy, burning village, wonder site
constexpr int kAreaIcon = 0, kUnhappyIcon = 1, kVillageIcon = 2, kWonderSiteIcon = 3;

// The announcement.
constexpr int kFrameX = 329, kFrameY = 168;
constexpr Rect kFramePiece{720, 140, 1116, 490};
constexpr int kWonderX = 352, kWonderY = 190, kWonderWidth = 352, kWonderHeight = 214;
constexpr Rect kButtonPlain{1000, 0, 1100, 21};
constexpr Rect kButtonPressed{1000, 23, 1100, 44};
constexpr Rect kButtonArea{476, 471, 575, 490};
constexpr int kPressedFrames = 8;

struct NewsItem {
    int x, y, kind;
};

NewsItem Decode(int32_t code) {
    return {code / 100000, code / 1000 % 100, code % 1000};
}

std::string CityAt(int x, int y) {
    if (!InsideMap(x, y) || !Cell(x, y).hasCity) return Tr("Natives", "Yerliler");
    const MapCell& city = Cell(x, y);
    return cityName(Civ(city.founder).nation, city.nameIndex);
}

const char* NationOf(int civ) {
    return nationName(Civ(civ).nation);
}

// The owner of the city the item is about: whose wonder site or building it was.
const char* OwnerNation(const NewsItem& item) {
    return InsideMap(item.x, item.y) && Cell(item.x, item.y).hasCity ? NationOf(Cell(item.x, item.y).owner)
                                                                     : "";
}

// The type of a person's unit that fell in another's turn, 0 when the item is about
// something else; `enemy` receives the civilization that attacked.
int LostUnitType(int kind, int* enemy = nullptr) {
    if (kind <= kNewsUnitLost || kind > kNewsUnitLost + (kMaxCivs - 1) * 36 + kUnitTypes) return 0;
    const int type = (kind - kNewsUnitLost) % 36;
    if (enemy) *enemy = (kind - kNewsUnitLost) / 36 + 1;
    return type >= 1 && type <= kUnitTypes ? type : 0;
}

Pixel StripColour(int kind) {
    if (kind >= 1 && kind <= 73) return Rgb(176, 196, 222);
    if ((kind >= 74 && kind <= 81) || (kind >= 100 && kind <= 199) || (kind >= 273 && kind <= 282))
        return Rgb(228, 200, 120);
    if ((kind >= 91 && kind <= 95) || kind == 98) return Rgb(170, 208, 150);
    if (kind == 96 || kind == 97 || (kind >= 336 && kind <= 374) || (kind >= 401 && kind <= 453) ||
        LostUnitType(kind) != 0)
        return Rgb(222, 152, 140);
    return Rgb(200, 200, 200);
}

void DrawIcon(int x, int y, int icon) {
    const int left = kNewsIcons.left + kIconSize * icon;
    DrawSprite(x, y, {left, kNewsIcons.top, left + kIconSize, kNewsIcons.bottom}, true, Sheet::OthersSprite);
}

// The middle 36 x 36 of a 48 x 48 building picture.
void DrawBuilding(int x, int y, int building) {
    const int id = buildingPicture(building);
    if (id <= 0) return;
    const int left = (id - 1) % 10 * 48 + 6, top = (id - 1) / 10 * 48 + 6;
    DrawSprite(x, y, {left, top, left + kIconSize, top + kIconSize}, true, Sheet::BuildingSprite);
}

void DrawNewsPicture(const NewsItem& item, int x, int y) {
    const int kind = item.kind;
    const int owner = InsideMap(item.x, item.y) && Cell(item.x, item.y).hasCity ? Cell(item.x, item.y).owner
                                                                                : game.currentCiv;
    if (const int lost = LostUnitType(kind)) {
        const int colour = std::clamp<int>(Civ(game.currentCiv).colour, 1, kMaxCivs);
        const int left = 47 * (lost - 1) + 5, top = 47 * (colour - 1) + 5;
        DrawSprite(x, y, {left, top, left + kIconSize, top + kIconSize}, true, Sheet::UnitSprite);
        DrawSprite(x + 2, y + 2, {720 + 32 * 4, 586, 720 + 32 * 5, 618}, true, Sheet::Interfaces);
    } else if (kind >= 1 && kind <= kUnitTypes) {
        const int colour = std::clamp<int>(Civ(owner).colour, 1, kMaxCivs);
        const int left = 47 * (kind - 1) + 5, top = 47 * (colour - 1) + 5;
        DrawSprite(x, y, {left, top, left + kIconSize, top + kIconSize}, true, Sheet::UnitSprite);
    } else if (kind >= 36 && kind <= 81) {
        DrawBuilding(x, y, kind - 35);
    } else if (kind >= 91 && kind <= 95) {
        DrawIcon(x, y, kAreaIcon);
    } else if (kind == 96 || kind == 97) {
        DrawIcon(x, y, kUnhappyIcon);
    } else if (kind == 98) {
        const int style = (std::max<int>(Civ(owner).nation, 1) - 1) % 6;
        DrawSprite(x + 6, y + 3, {23 * style, 476, 23 * style + 23, 505}, true, Sheet::OthersSprite);
    } else if (kind >= 100 && kind <= 199) {
        DrawIcon(x, y, kVillageIcon);
    } else if (kind >= 274 && kind <= 281) {
        DrawIcon(x, y, kWonderSiteIcon);
    } else if (kind >= 336 && kind <= 374) {
        DrawBuilding(x, y, kind - 335);
        DrawSprite(x + 2, y + 2, {720 + 32 * 4, 586, 720 + 32 * 5, 618}, true, Sheet::Interfaces);
    } else if (kind >= 401 && kind <= 414) {
        const int p = kind - 400;
        DrawSprite(x + 4, y + 4, {30 * (p - 1), 104, 30 * (p - 1) + 28, 132}, true, Sheet::ProductSprite);
    }
}

int RowTop(int k) {
    return kNewsBottom - 40 - kRowHeight * (k - 1);
}

// The item under the pointer, 0 for none.
int ItemAt(int x, int y, int count) {
    if (!(kNewsLeft < x && x < kNewsRight && kNewsBottom - kRowHeight * count < y && y < kNewsBottom - 2))
        return 0;
    const int k = (kNewsBottom - y) / kRowHeight + 1;
    return k >= 1 && k <= count ? k : 0;
}

// The wonder of the first entry in the civilization's queue, 0 when none.
int AnnouncedWonder(int civ) {
    if (civ < 1 || civ > kMaxCivs || ui.bigNewsCount[civ] == 0) return 0;
    const int building = ui.bigNewsQueue[civ][1] - 35;
    return building >= kFirstWonder && building <= kBuildings ? building : 0;
}

// The name of the city that holds a wonder: owner * 100 + founder * 8 + nameIndex.
std::string WonderCity(int wonder) {
    const int32_t holder = game.wonderOwner[wonder - kFirstWonder + 1];
    if (holder == 0) return "";
    const int founder = holder % 100 / 8, nameIndex = holder % 100 % 8;
    return cityName(Civ(founder).nation, nameIndex);
}

// The announcement goes on to the next wonder, or closes with the last one.
void NextAnnouncement() {
    const int civ = game.currentCiv;
    if (civ >= 1 && civ <= kMaxCivs && ui.bigNewsCount[civ] > 0) {
        uint8_t* queue = ui.bigNewsQueue[civ];
        for (int k = 1; k < ui.bigNewsCount[civ]; ++k) queue[k] = queue[k + 1];
        queue[ui.bigNewsCount[civ]] = 0;
        ui.bigNewsCount[civ] -= 1;
    }
    if (civ < 1 || civ > kMaxCivs || ui.bigNewsCount[civ] == 0) ui.bigNewsOpen = ui.bigNewsShown = 0;
}

} // namespace

std::string NewsText(int32_t code) {
    const NewsItem item = Decode(code);
    const int kind = item.kind;
    const std::string city = CityAt(item.x, item.y);
    if (kind >= 1 && kind <= kUnitTypes)
        return city + Tr(" produced ", " şehri ") + unitTypeName(kind) + Tr(". ", " üretti. ");
    if (kind >= 36 && kind <= 81)
        return city + Tr(" finished building ", " şehrinde ") + buildingName(kind - 35) +
               Tr(". ", " tamamlandı. ");
    if (kind >= 91 && kind <= 95)
        return city + Tr(" is enlarged; now this city has new lands. ",
                         " genişledi, artık bu şehrin yeni toprakları var. ");
    if (kind == 96)
        return city +
               Tr(" lost one citizen because of unhappiness. ", " mutsuzluk yüzünden bir nüfus kaybetti. ");
    if (kind == 97)
        return city + Tr(" lost one citizen because of starvation. ", " açlık yüzünden bir nüfus kaybetti. ");
    if (kind == 98) return city + Tr("'s population has increased. ", " şehrinin nüfusu arttı. ");
    if (kind >= 100 && kind <= 199) {
        const int winner = (kind - 100) / 10, loser = (kind - 100) % 10;
        if (loser == game.civCount)
            return Tr(" One of the native villages was destroyed by ", " Yerlilerin köylerinden biri ") +
                   std::string(NationOf(winner)) + Tr(". ", " tarafından yok edildi. ");
        return city + Tr(" was taken by ", " şehri ") + NationOf(winner) + Tr(" from ", " tarafından ") +
               NationOf(loser) + Tr(". ", " elinden alındı. ");
    }
    if (kind >= 274 && kind <= 281)
        return std::string(OwnerNation(item)) + Tr(" started building ", " ") + buildingName(kind - 235) +
               Tr(" at ", " yapımına başladı: ") + city + ". ";
    if (kind >= 336 && kind <= 373)
        return std::string(OwnerNation(item)) + Tr("'s ", " uygarlığının ") + buildingName(kind - 335) +
               Tr(" destroyed in an enemy attack. ", " binası düşman saldırısında yıkıldı. ");
    int enemy = 0;
    if (const int lost = LostUnitType(kind, &enemy))
        return std::string(Tr("The ", "")) + NationOf(enemy) + Tr(" attacked and our ", " saldırdı, ") +
               unitTypeName(lost) + Tr(" fell. ", " birliğimiz düştü. ");
    if (kind >= 401 && kind <= 414)
        return std::string(productName(kind - 400)) + Tr(" stocks are full at ", " depoları dolu: ") + city +
               ". ";
    return "";
}

void DrawNews() {
    const CivRecord& civ = Civ(game.currentCiv);
    Surface& screen = ThePlatform().BackBuffer();
    for (int k = 1; k <= civ.newsCount && k <= kMaxNews; ++k) {
        const NewsItem item = Decode(civ.news[k]);
        const int top = RowTop(k);
        const Rect row{kNewsLeft, top, kNewsRight, top + kRowHeight};
        screen.FillRect({row.left, row.top + 1, row.right, row.bottom - 1}, StripColour(item.kind));
        screen.FrameRect({row.left, row.top + 1, row.right, row.bottom - 1}, kBlack);
        if (ui.cityMenuX != 0 && item.x == ui.cityMenuX && item.y == ui.cityMenuY)
            screen.FrameRect({row.left + 1, row.top + 2, row.right - 1, row.bottom - 2}, kWhite);
        DrawNewsPicture(item, row.left + 2, top + 2);
    }
}

void WriteNewsLabels() {
    const CivRecord& civ = Civ(game.currentCiv);
    for (int k = 1; k <= civ.newsCount && k <= kMaxNews; ++k) {
        const NewsItem item = Decode(civ.news[k]);
        WriteText(59, 653 - 40 * k, kBlack, 8, CityAt(item.x, item.y), kNewsRight + 60);
    }
}

void WriteNewsHover() {
    const CivRecord& civ = Civ(game.currentCiv);
    if (ui.buttonHeld || AnyPanelScreenOpen()) return;
    const int k = ItemAt(ui.mouseX, ui.mouseY, std::min<int>(civ.newsCount, kMaxNews));
    if (k == 0) return;
    const std::string text = NewsText(civ.news[k]);
    if (text.empty()) return;
    constexpr int kLeft = 55, kRight = 790;
    const int top = RowTop(k);
    // The grey ground covers the lines as they are written, each as wide as its letters.
    const std::vector<std::string>& lines = WrappedLines(text, 8, kRight - kLeft);
    int width = 0;
    for (const std::string& line : lines) width = std::max(width, LineWidth(line, 8));
    ThePlatform().BackBuffer().FillRect(
        {kLeft - 3, top - 2, kLeft + width + 3, top + 13 * static_cast<int>(lines.size()) + 2}, kGrey);
    WriteText(kLeft, top, kBlack, 8, text, kRight);
}

bool NewsMouseDown(int x, int y) {
    const CivRecord& civ = Civ(game.currentCiv);
    const int k = ItemAt(x, y, std::min<int>(civ.newsCount, kMaxNews));
    if (k == 0) return false;
    const NewsItem item = Decode(civ.news[k]);
    // An item about a city that has since gone opens nothing.
    if (InsideMap(item.x, item.y) && Cell(item.x, item.y).hasCity == 1 &&
        Cell(item.x, item.y).owner == game.currentCiv)
        ShowCityScreen(item.x, item.y, CityScreenFrom::Map);
    return true;
}

void DrawBigNews() {
    DrawSprite(kFrameX, kFrameY, kFramePiece, true, Sheet::Interfaces);
    ui.bigNewsShown = 1;
    const int wonder = AnnouncedWonder(game.currentCiv);
    if (wonder != 0) {
        const int w = wonder - kFirstWonder;
        const int left = w % 2 * kWonderWidth, top = w / 2 * kWonderHeight;
        DrawSprite(kWonderX, kWonderY, {left, top, left + kWonderWidth, top + kWonderHeight}, true,
                   Sheet::WonderSprite);
    }
    if (ui.closeCountdown > 0)
        DrawSprite(476, 476, kButtonPressed, true, Sheet::Interfaces);
    else
        DrawSprite(475, 475, kButtonPlain, true, Sheet::Interfaces);
}

void WriteBigNews() {
    if (!ui.bigNewsOpen || !ui.bigNewsShown || ui.scienceTableOpen) return;
    const int wonder = AnnouncedWonder(game.currentCiv);
    if (wonder != 0) {
        WriteText(353, 407, kInk, 8,
                  WonderCity(wonder) + Tr(" finished building ", " şehrinde ") + buildingName(wonder) +
                      Tr(".", " tamamlandı."),
                  751);
        WriteText(353, 426, kFadedInk, 8, ItemDescription(3, wonder), 703);
    }
    const bool pressed = ui.closeCountdown > 0;
    WriteText(pressed ? 504 : 503, pressed ? 479 : 478, kBlack, 8, Tr("Continue", "Devam"), 1024);
    if (ui.closeCountdown > 0) {
        ui.closeCountdown -= 1;
        if (ui.closeCountdown == 0) NextAnnouncement();
    } else if (wonder == 0) {
        NextAnnouncement(); // nothing (left) to announce
    }
}

bool BigNewsMouseDown(int x, int y) {
    if (!(x >= kButtonArea.left && x < kButtonArea.right && y >= kButtonArea.top && y < kButtonArea.bottom))
        return false;
    if (ui.closeCountdown == 0) {
        ui.closeCountdown = kPressedFrames;
        PlaySound("click");
    }
    return true;
}

} // namespace annals
