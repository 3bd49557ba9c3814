// The window every overview screen shares, and the three city lists: products, finance
// and cities. A row shows one city of the civilization to move, in the order it founded
// or took them; a press on a city's name opens its city screen, and Escape there brings
// the list back as it was.
#include "ui/overview_screens.h"

#include "economy/city.h"
#include "economy/happiness.h"
#include "economy/news.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/city_screen.h"
#include "ui/drawing.h"
#include "ui/map_view.h"
#include "ui/overview_shared.h"
#include "ui/screens.h"
#include "ui/text.h"

#include <algorithm>
#include <cmath>

namespace annals {

namespace overview {

bool Within(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

int ListCityCount() {
    return std::clamp<int>(Civ(game.currentCiv).cityCount, 0, kMaxCities);
}

CityData* ListCity(int k) {
    if (k < 1 || k > ListCityCount()) return nullptr;
    const CityRef ref = Civ(game.currentCiv).cities[k];
    if (!InsideMap(ref.x, ref.y) || !Cell(ref.x, ref.y).hasCity) return nullptr;
    return &City(ref.x, ref.y);
}

int FirstShown(int rows) {
    // A list that lost cities while it was scrolled shows its last page, never rows
    // past its end.
    return std::clamp(ui.listScroll, 1, std::max(1, ListCityCount() - rows + 1));
}

int ShownRows(int rows) {
    return std::clamp(ListCityCount() - FirstShown(rows) + 1, 0, rows);
}

int RowUnder(int y, int top, int height, int rows) {
    if (y < top) return 0;
    const int n = (y - top) / height + 1;
    return n <= ShownRows(rows) ? n : 0;
}

std::string CityNameOf(const CityData& city) {
    return cityName(Civ(city.founder).nation, city.nameIndex);
}

void DrawWindow(Rect title, int titleX, int titleY) {
    DrawSprite(kWindowX, kWindowY, kWindowPiece, true, Sheet::Backgrounds);
    DrawSprite(titleX, titleY, title, true, Sheet::Backgrounds);
    if (ClosePlateLit())
        DrawSprite(689, 189, kCloseLit, true, Sheet::Backgrounds);
    else
        DrawSprite(689, 190, kClosePlain, true, Sheet::Backgrounds);
}

bool ClosePlateLit() {
    return Within(ui.mouseX, ui.mouseY, 688, 189, 738, 212);
}

void WriteClose() {
    WriteText(699, 193, ClosePlateLit() ? kTitleInk : kInk, 8, Tr("close", "kapat"), 760);
}

void WriteHint(bool trailingSpace) {
    if (game.year >= -1000) return;
    if (IsEnglish())
        WriteText(562, 477, kFadedInk, 8, trailingSpace ? "Press ESC to close " : "Press ESC to close", 800);
    else
        WriteText(534, 477, kFadedInk, 8, "Kapatmak için ESC'ye basın", 800);
}

void DrawHighlight(int y, int height) {
    DrawSprite(319, y, {kHighlight.left, kHighlight.top, kHighlight.right, kHighlight.top + height}, true,
               Sheet::Backgrounds);
}

bool NearArrow(int x, int y, int centreY) {
    return std::hypot(static_cast<double>(x - kArrowX), static_cast<double>(y - centreY)) <= kArrowReach;
}

void DrawScrollArrows(int rows) {
    if (ListCityCount() <= rows) return;
    const int first = FirstShown(rows);
    const bool upOff = first <= 1, downOff = first + rows - 1 >= ListCityCount();
    auto half = [](int state, int top, int bottom, int y) {
        const int left = kArrowsLeft + kArrowsStep * state;
        DrawSprite(kArrowsPictureX, y, {left, kArrowsTop + top, left + kArrowsWidth, kArrowsTop + bottom},
                   true, Sheet::Backgrounds);
    };
    const int middle = kArrowsHeight / 2;
    const int up = upOff ? 3 : NearArrow(ui.mouseX, ui.mouseY, kUpArrowY) ? 1 : 0;
    const int down = downOff ? 4 : NearArrow(ui.mouseX, ui.mouseY, kDownArrowY) ? 2 : 0;
    half(up, 0, middle, kArrowsPictureY);
    half(down, middle, kArrowsHeight, kArrowsPictureY + middle);
}

bool ScrollPress(int x, int y, int rows) {
    const int last = std::max(1, ListCityCount() - rows + 1);
    if (NearArrow(x, y, kUpArrowY)) {
        ui.listScroll = std::max(FirstShown(rows) - 1, 1);
    } else if (NearArrow(x, y, kDownArrowY)) {
        ui.listScroll = std::max(1, std::min(FirstShown(rows) + 1, last));
    } else {
        return false;
    }
    PlaySound("click");
    return true;
}

void OpenCityFromList(int k, uint8_t& from) {
    const CityData* city = ListCity(k);
    if (!city) return;
    ui.cityMenuX = city->cityX;
    ui.cityMenuY = city->cityY;
    PlaySound("city");
    ui.firstCityOpened = 1;
    ui.productsMenuOpen = ui.financeMenuOpen = ui.citiesMenuOpen = ui.statsMenuOpen = 0;
    ui.openedFromProducts = ui.openedFromFinance = ui.openedFromCities = 0;
    from = 1;
    // Nothing the list left running follows the player into the city.
    ui.closeCountdown = 0;
    ui.unitPopupOpen = ui.terrainInfoOpen = 0;
    OpenCityScreen();
}

void DrawCityPicture(const CityData& city, int x, int y, int rows) {
    const int owner = city.owner;
    const int level = CityPictureLevel(owner, city.size), style = CityStyle(owner);
    // The map draws a 59-pixel picture five pixels around its 50-pixel cell; a row of a
    // list holds the lower part of the cell, where the city stands.
    const int bottom = 60 * (style - 1) + kCityPictureGround;
    DrawSprite(x, y, {60 * (level - 1), bottom - rows, 60 * level - 1, bottom}, true, Sheet::CitySprite);
}

void DrawInBand(int x, int y, Rect source, Sheet sheet, int bandTop, int bandBottom) {
    const int cutTop = std::max(bandTop - y, 0);
    const int cutBottom = std::max(y + source.Height() - bandBottom, 0);
    if (cutTop + cutBottom >= source.Height()) return;
    DrawSprite(x, y + cutTop, {source.left, source.top + cutTop, source.right, source.bottom - cutBottom},
               true, sheet);
}

void DrawNationFlag(int nation, int x, int y) {
    if (nation < 1 || nation > kNations) return;
    DrawSprite(x, y, {31 * (nation - 1) + 1, 430, 31 * nation, 460}, true, Sheet::OthersSprite);
}

void DrawIcon(Icon icon, int x, int y) {
    const int left = kIconsLeft + kIconSize * static_cast<int>(icon);
    DrawSprite(x, y, {left, kIconsTop, left + kIconSize, kIconsTop + kIconSize}, true, Sheet::OthersSprite);
}

} // namespace overview

using namespace overview;

namespace {

// ---------------------------------------------------------------------------
// Products

constexpr int kProductRows = 7, kProductRowHeight = 30, kProductBoxWidth = 51;
constexpr Rect kProductsTitle{1290, 40, 1484, 80};
constexpr int kProductPictureSize = 28;
constexpr int kPetrol = 9, kPaper = 10;

// The product box under the pointer: its row r (0-based) and box c; false when none.
bool ProductBoxUnder(int x, int y, int& r, int& c, int& product) {
    if (!Within(x, y, 409, 254, 695, 485)) return false;
    const int n = RowUnder(y, 252, kProductRowHeight, kProductRows);
    if (n == 0) return false;
    const CityData* city = ListCity(FirstShown(kProductRows) + n - 1);
    if (!city) return false;
    int products[6];
    const int count = ProductBoxes(*city, products);
    c = (x - 408) / kProductBoxWidth;
    if (c >= count) return false;
    r = n - 1;
    product = products[c];
    return true;
}

void SellFromList(CityData& city, int product) {
    const int civ = city.owner;
    const int32_t amount = city.stock[product];
    if (amount < 1) return;
    const double gain = static_cast<double>(amount) * productPrice(product) / 100.0;
    Civ(civ).gold += gain;
    if (IsHuman(civ)) {
        PlaySound("golds");
        StartCoinDisplay(gain);
    }
    // The city's news that its store of this product is full is old news now.
    CivRecord& owner = Civ(civ);
    const int32_t code = NewsCode(city.cityX, city.cityY, kNewsStoreFull + product);
    const int count = std::min<int>(owner.newsCount, kMaxNews);
    for (int i = 1; i <= count; ++i) {
        if (owner.news[i] != code) continue;
        for (int j = i; j < count; ++j) owner.news[j] = owner.news[j + 1];
        owner.news[count] = 0;
        owner.newsCount = static_cast<uint8_t>(count - 1);
        break;
    }
    city.stock[product] = 0;
}

bool ProductsPress(int x, int y) {
    if (ScrollPress(x, y, kProductRows)) return true;
    if (x >= 319 && x < 398 && y >= 254 && y < 486) {
        const int n = RowUnder(y, 252, kProductRowHeight, kProductRows);
        if (n == 0) return false;
        OpenCityFromList(FirstShown(kProductRows) + n - 1, ui.openedFromProducts);
        return true;
    }
    int r = 0, c = 0, product = 0;
    if (!ProductBoxUnder(x, y, r, c, product)) return false;
    SellFromList(*ListCity(FirstShown(kProductRows) + r), product);
    return true;
}

std::string FirstTooltipLine(int amount, int product) {
    const std::string name = productName(product);
    // Grapes, furs, cigars and coats are counted; food, gold, cloth and the rest are not.
    const bool counted = product == 4 || product == 5 || product == 12 || product == 14;
    if (IsEnglish())
        return " Click To Sell " + std::to_string(amount) + " " + name +
               (counted && amount != 1 ? "s " : " ");
    return Prefixed(" ", std::to_string(amount)) + " " + name + " Satmak İçin Tıklayın";
}

void WriteProductTooltip() {
    int r = 0, c = 0, product = 0;
    if (!ProductBoxUnder(ui.mouseX, ui.mouseY, r, c, product)) return;
    const CityData& city = *ListCity(FirstShown(kProductRows) + r);
    const int amount = city.stock[product];
    const std::string first = FirstTooltipLine(amount, product);
    const std::string label = Tr(" Value : ", " Değer : ");
    const std::string value = MoneyText(static_cast<double>(amount) * productPrice(product) / 100.0);
    const std::string unit = Tr(" Gold ", " Altın ");
    // The box holds the longer of the two lines, however wide the face draws them.
    Platform& platform = ThePlatform();
    const std::string second = label + value + unit;
    const int w = std::max({TextWidth(first, 8), TextWidth(second, 8), platform.TextPixelWidth(first, 8),
                            platform.TextPixelWidth(second, 8)});
    Surface& screen = platform.BackBuffer();
    screen.Ellipse({51 * c + 398, 30 * r + 250, 51 * c + 484, 30 * r + 284}, kBlack, false);
    const Rect box{51 * c + 447, 30 * r + 250, 51 * c + 453 + w, 30 * r + 284};
    screen.FillRect(box, Rgb(250, 240, 200));
    screen.FrameRect(box, kBlack);
    WriteText(51 * c + 450, 30 * r + 253, kBlack, 8, first, 1024);
    WriteText(51 * c + 450, 30 * r + 266, kBlack, 8, label, 1024);
    WriteText(51 * c + 450 + TextWidth(label, 8), 30 * r + 266, Rgb(150, 98, 0), 8, value + unit, 1024);
}

void WriteProductsTexts() {
    if (!ui.productsMenuOpen) return;
    const int first = FirstShown(kProductRows), rows = ShownRows(kProductRows);
    for (int r = 0; r < rows; ++r) {
        const CityData* city = ListCity(first + r);
        if (!city) continue;
        const int y = 260 + kProductRowHeight * r;
        WriteText(330, y, kListGrey, 8, CityNameOf(*city), 1024);
        int products[6];
        const int count = ProductBoxes(*city, products);
        for (int j = 0; j < count; ++j) {
            const std::string amount = std::to_string(city->stock[products[j]]);
            WriteText(419 + kProductBoxWidth * j - TextWidth(amount, 8), y, kBlack, 8, amount, 1024);
        }
    }
    WriteHint(true);
    WriteClose();
    WriteProductTooltip();
}

// ---------------------------------------------------------------------------
// Finance

constexpr int kFinanceRows = 9, kFinanceRowHeight = 21;
constexpr Rect kFinanceTitle{1490, 40, 1608, 80};
constexpr Rect kFinancePicture{1290, 140, 1500, 174};

double NetIncome(const CityData& city) {
    return TaxIncome(city) - city.scienceLevel - city.militaryLevel;
}

// "+" in blue above zero, nothing in list grey at zero, "-" in red below.
void WriteSigned(int centreX, int y, double value) {
    const std::string text = Prefixed(value > 0 ? "+" : value < 0 ? "-" : "", MoneyText(value));
    WriteCentred(centreX, y, value > 0 ? kBlue : value < 0 ? kRed : kListGrey, 8, text);
}

void WriteLevel(int centreX, int y, int level) {
    if (level != 0)
        WriteCentred(centreX, y, kRed, 8, std::to_string(level) + ".00");
    else
        WriteCentred(centreX, y, kListGrey, 8, Tr("none", "yok"));
}

bool FinancePress(int x, int y) {
    if (x < 319 || x >= 696) return false;
    const int n = RowUnder(y, 255, kFinanceRowHeight, kFinanceRows);
    if (n == 0) return false;
    OpenCityFromList(FirstShown(kFinanceRows) + n - 1, ui.openedFromFinance);
    return true;
}

void WriteFinanceTexts() {
    if (!ui.financeMenuOpen) return;
    const int civ = game.currentCiv;
    WriteText(340, 243, kHeading, 8,
              Tr("city name             pop        tax         inc         sci         mil             total",
                 "şehir adı             nüfus      vergi     gelir       bilim     askeri         toplam"),
              1024);
    const int first = FirstShown(kFinanceRows), rows = ShownRows(kFinanceRows);
    for (int r = 0; r < rows; ++r) {
        const CityData* city = ListCity(first + r);
        if (!city) continue;
        const int y = 260 + kFinanceRowHeight * r;
        WriteText(340, y, kListGrey, 8, CityNameOf(*city), 1024);
        WriteCentred(435, y, kListGrey, 8, std::to_string(city->size));
        WriteCentred(475, y, kListGrey, 8, std::to_string(city->taxRate) + "%");
        WriteCentred(515, y, kBlue, 8, MoneyText(TaxIncome(*city)));
        WriteLevel(555, y, city->scienceLevel);
        WriteLevel(595, y, city->militaryLevel);
        WriteSigned(649, y, NetIncome(*city));
    }
    if (ListCityCount() > 0) {
        const int last = std::max(rows - 1, 0);
        const int soldiers = SoldierCount(civ);
        const double pay = SoldierPay(civ);
        const int armyY = 281 + kFinanceRowHeight * last;
        if (pay > 0) {
            if (!PaysSoldiers(civ)) {
                WriteText(340, armyY, kListGrey, 8,
                          Tr("Army expenses   (Aztec soldiers work free)",
                             "Askeri giderler  (Aztek askerleri maaş almıyor)"),
                          1024);
            } else {
                const std::string rate = MoneyText(pay);
                const std::string government = governmentName(Civ(civ).government);
                WriteText(340, armyY, kListGrey, 8,
                          IsEnglish() ? "Army expenses (" + rate + " gold per soldier, " + government + ")"
                                      : "Askeri gider (asker başına " + rate + " altın, " + government + ")",
                          1024);
                WriteCentred(649, armyY, kRed, 8, Prefixed("-", MoneyText(soldiers * pay)));
            }
        }
        WriteCentred(606, armyY, kListGrey, 8, "x " + std::to_string(soldiers));
        // The total counts every city, also those past the ninth row.
        double total = 0;
        for (int k = 1; k <= ListCityCount(); ++k)
            if (const CityData* city = ListCity(k)) total += NetIncome(*city);
        if (pay > 0 && PaysSoldiers(civ)) total -= soldiers * pay;
        const int totalY = 302 + kFinanceRowHeight * last;
        WriteText(340, totalY, kListGrey, 8, Tr("Total profit per turn", "Tur başına toplam kâr"), 1024);
        WriteSigned(649, totalY, total);
    }
    // The hint stands where a full list ends; it gives way to the total.
    if (302 + kFinanceRowHeight * std::max(rows - 1, 0) + 13 < 477 || ListCityCount() == 0) WriteHint(true);
    WriteClose();
}

// ---------------------------------------------------------------------------
// Cities

constexpr int kCityRows = 6, kCityRowHeight = 34;
constexpr Rect kCitiesTitle{1290, 0, 1566, 40};

// Icons in a row centred on centreX, closer together the more there are; never wider
// than the column.
void DrawIconRow(Icon icon, int count, int centreX, int y) {
    const int m = std::clamp(count, 0, kMostIcons);
    const int d = m <= 6 ? 4 : m <= 14 ? 2 : 1;
    for (int i = 1; i <= m; ++i)
        DrawIcon(icon, centreX + (i - 1) * d - Round(m * d / 2.0) + (d - kIconSize) / 2, y);
}

bool CitiesPress(int x, int y) {
    if (ScrollPress(x, y, kCityRows)) return true;
    if (x < 319 || x >= 696) return false;
    const int n = RowUnder(y, 263, kCityRowHeight, kCityRows);
    if (n == 0) return false;
    OpenCityFromList(FirstShown(kCityRows) + n - 1, ui.openedFromCities);
    return true;
}

} // namespace

// ---------------------------------------------------------------------------

std::string MoneyText(double value) {
    const double v = std::fabs(value);
    const int64_t whole = static_cast<int64_t>(std::trunc(v));
    const int64_t cents = static_cast<int64_t>(std::trunc(v * 100)) % 100;
    return std::to_string(whole) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

int ProductBoxes(const CityData& city, int (&products)[6]) {
    int count = 0;
    for (int p = 1; p <= kProducts && count < 6; ++p)
        if (city.stock[p] >= 1) products[count++] = p;
    return count;
}

// A nation's colour deep enough to read, and to draw lines in, on the parchment; white
// and grey nations write in ink.
Pixel CivTextColour(int colour) {
    switch (colour) {
    case 1:
        return Rgb(0, 80, 200);
    case 2:
        return Rgb(0, 120, 0);
    case 4:
        return Rgb(150, 110, 0);
    case 5:
        return Rgb(180, 0, 0);
    case 6:
        return Rgb(200, 90, 0);
    case 7:
        return Rgb(140, 0, 140);
    default:
        return kInk;
    }
}

Pixel CivGraphColour(int colour) {
    switch (colour) {
    case 1:
        return Rgb(0, 0, 255);
    case 2:
        return Rgb(0, 128, 0);
    case 4:
        return Rgb(200, 160, 0);
    case 5:
        return Rgb(255, 0, 0);
    case 6:
        return Rgb(255, 128, 64);
    case 7:
        return Rgb(168, 0, 168);
    default:
        return Rgb(96, 96, 96);
    }
}

int SoldierCount(int civ) {
    const CivRecord& c = Civ(civ);
    int soldiers = 0;
    for (int s = 1; s <= c.unitCount && s <= kMaxUnits; ++s)
        if (c.units[s].type != kSettler && c.units[s].type != kWagonTrain) soldiers += 1;
    return soldiers;
}

double SoldierPay(int civ) {
    switch (Civ(civ).government) {
    case 2:
        return 0.10;
    case 3:
        return 0.50;
    case 5:
        return 1.00;
    default:
        return 0;
    }
}

bool PaysSoldiers(int civ) {
    constexpr int kAztecs = 2;
    return Civ(civ).nation != kAztecs;
}

bool OverviewMouseDown(int x, int y) {
    if (ui.productsMenuOpen) return ProductsPress(x, y);
    if (ui.citiesMenuOpen) return CitiesPress(x, y);
    if (ui.financeMenuOpen) return FinancePress(x, y);
    if (ui.statsMenuOpen) return StatsPress(x, y);
    return false;
}

void DrawProductsMenu() {
    DrawWindow(kProductsTitle, 415, 137);
    const int first = FirstShown(kProductRows), rows = ShownRows(kProductRows);
    if (Within(ui.mouseX, ui.mouseY, 319, 254, 695, 485)) {
        const int n = RowUnder(ui.mouseY, 252, kProductRowHeight, kProductRows);
        if (n != 0) DrawHighlight(250 + kProductRowHeight * (n - 1), kProductRowHeight);
    }
    for (int r = 0; r < rows; ++r) {
        const CityData* city = ListCity(first + r);
        if (!city) continue;
        int products[6];
        const int count = ProductBoxes(*city, products);
        for (int j = 0; j < count; ++j) {
            const int p = products[j];
            if (p == kPetrol || p == kPaper) continue;
            const int left = 30 * (p - 1);
            DrawSprite(421 + kProductBoxWidth * j, 251 + kProductRowHeight * r,
                       {left, 104, left + kProductPictureSize, 104 + kProductPictureSize}, true,
                       Sheet::ProductSprite);
        }
    }
    DrawScrollArrows(kProductRows);
}

void DrawFinanceMenu() {
    DrawWindow(kFinanceTitle, 453, 139);
    DrawSprite(407, 207, kFinancePicture, true, Sheet::Backgrounds);
    const int rows = ShownRows(kFinanceRows);
    if (Within(ui.mouseX, ui.mouseY, 319, 255, 695, 453)) {
        const int n = RowUnder(ui.mouseY, 255, kFinanceRowHeight, kFinanceRows);
        if (n != 0) DrawHighlight(255 + kFinanceRowHeight * (n - 1), kFinanceRowHeight);
    }
    if (ListCityCount() > 0) {
        const int r = std::max(rows - 1, 0);
        Surface& screen = ThePlatform().BackBuffer();
        screen.Line(625, 255, 625, 313 + kFinanceRowHeight * r, kDarkGrey);
        screen.Line(340, 298 + kFinanceRowHeight * r, 670, 298 + kFinanceRowHeight * r, kDarkGrey);
    }
}

void DrawCitiesMenu() {
    DrawWindow(kCitiesTitle, 374, 138);
    const int first = FirstShown(kCityRows), rows = ShownRows(kCityRows);
    if (Within(ui.mouseX, ui.mouseY, 319, 264, 695, 463)) {
        const int n = RowUnder(ui.mouseY, 263, kCityRowHeight, kCityRows);
        if (n != 0) DrawHighlight(262 + kCityRowHeight * (n - 1), kCityRowHeight);
    }
    for (int r = 0; r < rows; ++r) {
        CityData* city = ListCity(first + r);
        if (!city) continue;
        const int top = kCityRowHeight * r;
        // Left of the name, which it would hide.
        DrawCityPicture(*city, 290, 263 + top, kCityRowHeight - 1);
        const std::string happiness = std::to_string(Trunc(city->happiness));
        const double mood = HappinessDelta(*city, true);
        if (mood > 0.4)
            DrawIcon(Icon::Content, 434 + TextWidth(happiness, 8), 271 + top);
        else if (mood < -0.4)
            DrawIcon(Icon::Discontent, 433 + TextWidth(happiness, 8), 271 + top);
        DrawIconRow(Icon::Military, Round(CityMilitary(*city)), 495, 270 + top);
        DrawIconRow(Icon::Science, Round(CityScience(*city)), 539, 271 + top);
        DrawIconRow(Icon::Coin, Round(std::max(TaxIncome(*city) - Corruption(*city), 1.0)), 585, 271 + top);
        // The unit and building pictures are taller than a row; each keeps to its own.
        const int bandTop = 262 + top, bandBottom = bandTop + kCityRowHeight;
        const int type = city->unitBuildItem;
        if (type >= 1 && type <= kUnitTypes) {
            // The unit's dark outline stands on a small parchment card, or the panel would hide it.
            Surface& screen = ThePlatform().BackBuffer();
            screen.FillRect({624, bandTop + 2, 668, bandBottom - 2}, Rgb(222, 204, 160));
            screen.FrameRect({624, bandTop + 2, 668, bandBottom - 2}, Rgb(176, 138, 84));
            DrawInBand(621, 258 + top, {50 * (type - 1), 0, 50 * (type - 1) + 49, 48},
                       Sheet::UnitOutlinesSprite, bandTop + 3, bandBottom - 3);
        }
        const int picture = city->buildItem != 0 ? buildingPicture(city->buildItem - kUnitTypes) : 0;
        if (picture > 0) {
            const int left = (picture - 1) % 10 * 48, pictureTop = (picture - 1) / 10 * 48;
            DrawInBand(692 - 24, 280 + top - 24, {left, pictureTop, left + 48, pictureTop + 48},
                       Sheet::BuildingSprite, bandTop, bandBottom);
        }
    }
    DrawScrollArrows(kCityRows);
}

void WriteOverviewTexts() {
    WriteStatsTexts();
    WriteProductsTexts();
    WriteFinanceTexts();
}

void WriteCitiesMenuTexts() {
    if (!ui.citiesMenuOpen) return;
    WriteText(351, 249, kHeading, 8,
              Tr("city name    |  happiness  |  military  |  science |  income  |  unit producing",
                 "şehir adı      |  mutluluk   |  askeri    |  bilim   |  gelir   |  üretilen birim"),
              1024);
    const int first = FirstShown(kCityRows), rows = ShownRows(kCityRows);
    for (int r = 0; r < rows; ++r) {
        const CityData* city = ListCity(first + r);
        if (!city) continue;
        const int y = 273 + kCityRowHeight * r;
        WriteText(356, y, kListGrey, 8, CityNameOf(*city), 1024);
        WriteText(431, y, kListGrey, 8, std::to_string(Trunc(city->happiness)), 1024);
    }
    WriteHint(false);
    WriteClose();
}

} // namespace annals
