// The window every overview screen shares, and the three city lists: products, finance
// and cities. A row shows one city of the civilization to move, in the order it founded
// or took them; a press on a city's name opens its city screen, and Escape there brings
// the list back as it was. Each window is fitted round what it lists.
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

namespace {

// The window picture: a wooden frame with its gold trim kFrameOuter wide round the panel,
// whose upper and left edges are sunk by two darker rows; the corners hold brackets.
constexpr int kFrameOuter = 12, kFrameInner = 14, kCorner = 44;
// The panel's colour is read down this column of the picture, clear of its ornaments.
constexpr int kPanelSampleX = 60;
// The highlight piece: gilt along its top and down its two-pixel sides.
constexpr int kHighlightEdge = 2;

int Luminance(Pixel p) {
    const int r = static_cast<int>((p >> 16) & 255), g = static_cast<int>((p >> 8) & 255),
              b = static_cast<int>(p & 255);
    return (299 * r + 587 * g + 114 * b) / 1000;
}

// Whether a piece of a sheet is light on the whole, read on a grid inside it, key pixels
// skipped. A sheet with no pixels (nothing is drawn) counts as dark.
bool LightPiece(Rect piece, Sheet sheet, int inset) {
    const Surface& surface = SheetSurface(sheet);
    if (!surface.Valid()) return false;
    const Rect inner{piece.left + inset, piece.top + inset, piece.right - inset, piece.bottom - inset};
    if (inner.Empty()) return false;
    long sum = 0, count = 0;
    for (int i = 0; i < 12; ++i)
        for (int j = 0; j < 8; ++j) {
            const Pixel p = surface.GetPixel(inner.left + inner.Width() * (2 * i + 1) / 24,
                                             inner.top + inner.Height() * (2 * j + 1) / 16);
            if ((p & 0xFFFFFFu) == (kMagenta & 0xFFFFFFu)) continue;
            sum += Luminance(p);
            count += 1;
        }
    return count > 0 && sum / count >= 128;
}

// Copies a piece over w x h at (x, y): its left and right `edge` columns stay at the
// sides and its top row stays on top; the rest repeats as far as needed, or is cut.
void DrawSpread(Rect piece, Sheet sheet, int x, int y, int w, int h, int edge) {
    if (w <= 0 || h <= 0) return;
    const int pw = piece.Width(), ph = piece.Height();
    auto columns = [&](int top, int rows, int ty) {
        const int left = std::min(w - edge, pw - edge);
        DrawSprite(x, ty, {piece.left, top, piece.left + left, top + rows}, true, sheet);
        for (int cx = left; cx < w - edge;) {
            const int span = std::min(pw - 2 * edge, w - edge - cx);
            DrawSprite(x + cx, ty, {piece.left + edge, top, piece.left + edge + span, top + rows}, true,
                       sheet);
            cx += span;
        }
        DrawSprite(x + w - edge, ty, {piece.right - edge, top, piece.right, top + rows}, true, sheet);
    };
    columns(piece.top, std::min(h, ph), y);
    for (int cy = ph; cy < h;) {
        const int rows = std::min(ph - 1, h - cy);
        columns(piece.top + 1, rows, y + cy);
        cy += rows;
    }
}

bool NearArrow(int px, int py, int cx, int cy) {
    return std::hypot(static_cast<double>(px - cx), static_cast<double>(py - cy)) <= kArrowReach;
}

} // namespace

const Inks& InksOn(Rect piece, Sheet sheet) {
    return LightPiece(piece, sheet, 2) ? kDarkInks : kLightInks;
}

const Inks& PanelInks() {
    static int readFrom = -1;
    static bool light = false;
    if (readFrom != ui.surfacesLoaded) {
        light = LightPiece(kWindowPiece, Sheet::Backgrounds, kCorner);
        readFrom = ui.surfacesLoaded;
    }
    return light ? kDarkInks : kLightInks;
}

int Measure(const std::string& text, int size) {
    if (HasPlatform() && ThePlatform().MeasuresText()) {
        const int drawn = ThePlatform().TextPixelWidth(text, size);
        if (drawn > 0 || text.empty()) return drawn;
    }
    return TextWidth(text, size);
}

void WriteAt(int x, int y, Pixel colour, int size, const std::string& text) {
    // Laid out by the drawn width, never wrapped (the table counts Turkish letters wide).
    WriteText(x, y, colour, size, text, x + 100000);
}

void WriteCentredAt(int x, int y, Pixel colour, int size, const std::string& text) {
    WriteAt(x - Measure(text, size) / 2, y, colour, size, text);
}

void WriteRightAt(int x, int y, Pixel colour, int size, const std::string& text) {
    WriteAt(x - Measure(text, size), y, colour, size, text);
}

int WindowBox::ContentLeft() const {
    return left + kWindowMargin;
}
int WindowBox::ContentTop() const {
    return top + kTitleBand;
}
int WindowBox::ContentRight() const {
    return Right() - kWindowMargin;
}
int WindowBox::HintY() const {
    return Bottom() - 32;
}
Rect WindowBox::Close() const {
    // Inside the brackets of the panel's corner.
    const int x = Right() - kWindowMargin - 56, y = top + 24;
    return {x, y, x + 48, y + 23};
}

std::string HintText() {
    return Tr("Press Esc to close", "Kapatmak için ESC'ye basın");
}

WindowBox FitWindow(int contentWidth, int contentHeight, int centreWidth, const std::string& title) {
    // Centred over the map, clear of the turn's line at the top and of the panel below.
    constexpr int kCentreX = 512, kCentreY = 352, kHighest = 96, kLowest = 612;
    // The title at the left and the close plate at the right keep clear of the picture
    // in the middle of the top.
    const int sides = std::max(Measure(title, kTextSize) + 14, 56);
    const int least = std::max(
        {centreWidth + 2 * (sides + kWindowMargin), Measure(HintText(), kTextSize) + 40, 2 * kCorner + 200});
    WindowBox box;
    box.width = std::clamp(std::max(contentWidth + 2 * kWindowMargin, least), 0, 1000);
    box.height = std::clamp(contentHeight + kTitleBand + kHintBand, 2 * kCorner + 60, kLowest - kHighest);
    box.left = kCentreX - box.width / 2;
    box.top = std::max(kHighest, kCentreY - box.height / 2);
    if (box.Bottom() > kLowest) box.top = kLowest - box.height;
    return box;
}

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

int WidestCityName(int size, int least) {
    int widest = least;
    for (int k = 1; k <= ListCityCount(); ++k)
        if (const CityData* city = ListCity(k)) widest = std::max(widest, Measure(CityNameOf(*city), size));
    return widest;
}

void DrawWindow(const WindowBox& box, Rect title) {
    const Rect p = kWindowPiece;
    const int w = box.width, h = box.height;
    // The panel: the picture's rows, its middle stretched or squeezed to the window's
    // height, so that a shaded panel keeps its shading without a seam.
    const Surface& sheet = SheetSurface(Sheet::Backgrounds);
    Surface& screen = ThePlatform().BackBuffer();
    if (sheet.Valid() && screen.Valid()) {
        for (int y = kCorner; y < h - kCorner; ++y) {
            const int sy =
                kCorner + (y - kCorner) * (p.Height() - 2 * kCorner) / std::max(1, h - 2 * kCorner);
            screen.FillRect({box.left + kFrameInner, box.top + y, box.Right() - kFrameOuter, box.top + y + 1},
                            sheet.GetPixel(p.left + kPanelSampleX, p.top + sy));
        }
    }
    // The frame: corners as drawn, the boards between them repeated.
    auto band = [&](int sourceTop, int y) {
        const int span = p.Width() - 2 * kCorner;
        DrawSprite(box.left, y, {p.left, sourceTop, p.left + kCorner, sourceTop + kCorner}, true,
                   Sheet::Backgrounds);
        for (int x = kCorner; x < w - kCorner; x += span) {
            const int cut = std::min(span, w - kCorner - x);
            DrawSprite(box.left + x, y,
                       {p.left + kCorner, sourceTop, p.left + kCorner + cut, sourceTop + kCorner}, true,
                       Sheet::Backgrounds);
        }
        DrawSprite(box.Right() - kCorner, y, {p.right - kCorner, sourceTop, p.right, sourceTop + kCorner},
                   true, Sheet::Backgrounds);
    };
    band(p.top, box.top);
    band(p.bottom - kCorner, box.Bottom() - kCorner);
    const int spanY = p.Height() - 2 * kCorner;
    for (int y = kCorner; y < h - kCorner; y += spanY) {
        const int cut = std::min(spanY, h - kCorner - y);
        DrawSprite(box.left, box.top + y,
                   {p.left, p.top + kCorner, p.left + kFrameInner, p.top + kCorner + cut}, true,
                   Sheet::Backgrounds);
        DrawSprite(box.Right() - kFrameOuter, box.top + y,
                   {p.right - kFrameOuter, p.top + kCorner, p.right, p.top + kCorner + cut}, true,
                   Sheet::Backgrounds);
    }
    DrawSprite(512 - title.Width() / 2, box.top - title.Height() / 2 + 7, title, true, Sheet::Backgrounds);
    const Rect close = box.Close();
    if (ClosePlateLit(box))
        DrawSprite(close.left, close.top - 1, kCloseLit, true, Sheet::Backgrounds);
    else
        DrawSprite(close.left, close.top, kClosePlain, true, Sheet::Backgrounds);
}

void WriteTitle(const WindowBox& box, const std::string& title) {
    WriteAt(box.ContentLeft() + 6, box.top + 28, PanelInks().heading, kTextSize, title);
}

bool ClosePlateLit(const WindowBox& box) {
    const Rect close = box.Close();
    return Within(ui.mouseX, ui.mouseY, close.left - 1, close.top - 1, close.right, close.bottom);
}

void WriteClose(const WindowBox& box) {
    const Rect close = box.Close();
    const Inks& inks = InksOn(kClosePlain, Sheet::Backgrounds);
    const bool lit = ClosePlateLit(box);
    WriteCentredAt((close.left + close.right) / 2, close.top + 4 - (lit ? 1 : 0),
                   lit ? inks.text : inks.faint, kSmallSize, Tr("close", "kapat"));
}

void WriteHint(const WindowBox& box) {
    WriteCentredAt(512, box.HintY(), PanelInks().faint, kTextSize, HintText());
}

void DrawHighlight(int left, int y, int width, int height) {
    DrawSpread(kHighlight, Sheet::Backgrounds, left, y, width, height, kHighlightEdge);
}

void DrawScrollArrows(int rows, int x, int y) {
    if (ListCityCount() <= rows) return;
    const int first = FirstShown(rows);
    const bool upOff = first <= 1, downOff = first + rows - 1 >= ListCityCount();
    auto half = [](int state, int top, int bottom, int at, int ay) {
        const int left = kArrowsLeft + kArrowsStep * state;
        DrawSprite(at, ay, {left, kArrowsTop + top, left + kArrowsWidth, kArrowsTop + bottom}, true,
                   Sheet::Backgrounds);
    };
    const int middle = kArrowsHeight / 2;
    const int up = upOff ? 3 : NearArrow(ui.mouseX, ui.mouseY, x + 7, y + 9) ? 1 : 0;
    const int down = downOff ? 4 : NearArrow(ui.mouseX, ui.mouseY, x + 7, y + 27) ? 2 : 0;
    half(up, 0, middle, x, y);
    half(down, middle, kArrowsHeight, x, y + middle);
}

bool ScrollPress(int px, int py, int rows, int x, int y) {
    if (ListCityCount() <= rows) return false;
    const int last = std::max(1, ListCityCount() - rows + 1);
    if (NearArrow(px, py, x + 7, y + 9)) {
        ui.listScroll = std::max(FirstShown(rows) - 1, 1);
    } else if (NearArrow(px, py, x + 7, y + 27)) {
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

void DrawCityPicture(const CityData& city, int x, int y, int firstRow, int rows) {
    const int owner = city.owner;
    const int level = CityPictureLevel(owner, city.size), style = CityStyle(owner);
    // The map draws a 59-pixel picture five pixels around its 50-pixel cell; a list shows
    // the rows of it where the city stands.
    const int top = 60 * (style - 1) + std::clamp(firstRow, 0, 59);
    DrawSprite(x, y, {60 * (level - 1), top, 60 * level - 1, top + std::clamp(rows, 0, 60 - firstRow)}, true,
               Sheet::CitySprite);
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

void DrawSwatch(int civ, int x, int y) {
    Surface& screen = ThePlatform().BackBuffer();
    screen.FillRect({x, y, x + kSwatchSize, y + kSwatchSize}, CivGraphColour(Civ(civ).colour));
    screen.FrameRect({x, y, x + kSwatchSize, y + kSwatchSize}, kDarkInks.text);
}

} // namespace overview

using namespace overview;

namespace {

constexpr int kHeaderHeight = 22, kNameInset = 8;

// The row of a list under the pointer (1-based), 0 when none.
int HoveredRow(const ListPlace& place) {
    if (!Within(ui.mouseX, ui.mouseY, place.rowsLeft, place.rowsTop, place.rowsRight - 1,
                place.rowsTop + place.rows * place.rowHeight - 1))
        return 0;
    return RowUnder(ui.mouseY, place.rowsTop, place.rowHeight, place.rows);
}

void DrawHoveredRow(const ListPlace& place) {
    if (const int n = HoveredRow(place))
        DrawHighlight(place.rowsLeft, place.rowsTop + place.rowHeight * (n - 1),
                      place.rowsRight - place.rowsLeft, place.rowHeight);
}

// The inks of a list's row r (0-based): those of the highlight under the pointer's row,
// else the panel's.
const Inks& RowInks(const ListPlace& place, int r) {
    return HoveredRow(place) == r + 1 ? InksOn(kHighlight, Sheet::Backgrounds) : PanelInks();
}

// A list's title, and its header: "city name" over the names, the others centred over
// their columns.
void WriteListHead(const ListPlace& place, const char* title, const char* const* headers, int count) {
    WriteTitle(place.window, title);
    const int y = place.rowsTop - kHeaderHeight + 2;
    WriteAt(place.nameX, y, PanelInks().faint, kTextSize, Tr("city name", "şehir adı"));
    for (int c = 0; c < count; ++c)
        WriteCentredAt(place.centre[c], y, PanelInks().faint, kTextSize, headers[c]);
}

// The row under a press (1-based) between the rows' left and `right`, 0 when none.
int PressedRow(const ListPlace& place, int x, int y, int right) {
    if (x < place.rowsLeft || x >= right) return 0;
    return RowUnder(y, place.rowsTop, place.rowHeight, place.rows);
}

// ---------------------------------------------------------------------------
// Products

constexpr int kProductRows = 7, kProductRowHeight = 34;
constexpr Rect kProductsTitle{1290, 40, 1484, 80};
constexpr int kPetrol = 9, kPaper = 10;

const char* ProductsTitle() {
    return Tr("Products", "Ürünler");
}

const char* StocksHeader() {
    return Tr("Stocks (a press sells one)", "Stoklar (basılan satılır)");
}

int AmountWidth() {
    int widest = Measure("999", kTextSize);
    for (int k = 1; k <= ListCityCount(); ++k) {
        const CityData* city = ListCity(k);
        if (!city) continue;
        int products[6];
        const int count = ProductBoxes(*city, products);
        for (int j = 0; j < count; ++j)
            widest = std::max(widest, Measure(std::to_string(city->stock[products[j]]), kTextSize));
    }
    return widest;
}

int MostBoxes() {
    int most = 1;
    for (int k = 1; k <= ListCityCount(); ++k)
        if (const CityData* city = ListCity(k)) {
            int products[6];
            most = std::max(most, ProductBoxes(*city, products));
        }
    return most;
}

// The product box under a point: its row r (0-based), box c and product; false when none.
bool ProductBoxUnder(const ListPlace& place, int x, int y, int& r, int& c, int& product) {
    if (x < place.boxLeft || x >= place.rowsRight) return false;
    const int n = RowUnder(y, place.rowsTop, place.rowHeight, place.rows);
    if (n == 0) return false;
    const CityData* city = ListCity(FirstShown(kProductRows) + n - 1);
    if (!city) return false;
    int products[6];
    const int count = ProductBoxes(*city, products);
    c = (x - place.boxLeft) / place.boxWidth;
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
    const ListPlace place = ProductsPlace();
    if (ScrollPress(x, y, kProductRows, place.arrowsX, place.arrowsY)) return true;
    if (const int n = PressedRow(place, x, y, place.boxLeft)) {
        OpenCityFromList(FirstShown(kProductRows) + n - 1, ui.openedFromProducts);
        return true;
    }
    int r = 0, c = 0, product = 0;
    if (!ProductBoxUnder(place, x, y, r, c, product)) return false;
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

// The note under the box the pointer is on: what a press sells, and for how much. It
// stands below the row, so the row's figures stay in sight.
void WriteProductTooltip(const ListPlace& place) {
    int r = 0, c = 0, product = 0;
    if (!ProductBoxUnder(place, ui.mouseX, ui.mouseY, r, c, product)) return;
    const CityData& city = *ListCity(FirstShown(kProductRows) + r);
    const int amount = city.stock[product];
    const std::string first = FirstTooltipLine(amount, product);
    const std::string label = Tr(" Value : ", " Değer : ");
    const std::string value = MoneyText(static_cast<double>(amount) * productPrice(product) / 100.0);
    const std::string unit = Tr(" Gold ", " Altın ");
    const std::string second = label + value + unit;
    const int w = std::max(Measure(first, kTextSize), Measure(second, kTextSize)) + 8;
    const int boxX = place.boxLeft + place.boxWidth * c, rowTop = place.rowsTop + place.rowHeight * r;
    Surface& screen = ThePlatform().BackBuffer();
    screen.FrameRect({boxX - 2, rowTop + 1, boxX + place.boxWidth - 4, rowTop + place.rowHeight - 1},
                     RowInks(place, r).text);
    const int left = std::clamp(boxX, 4, 1020 - w);
    const Rect note{left, rowTop + place.rowHeight, left + w, rowTop + place.rowHeight + 36};
    screen.FillRect(note, kNoteFill);
    screen.FrameRect(note, kDarkInks.text);
    WriteAt(note.left + 3, note.top + 3, kDarkInks.text, kTextSize, first);
    WriteAt(note.left + 3, note.top + 19, kDarkInks.text, kTextSize, label);
    WriteAt(note.left + 3 + Measure(label, kTextSize), note.top + 19, kDarkInks.gold, kTextSize,
            value + unit);
}

void WriteProductsTexts() {
    if (!ui.productsMenuOpen) return;
    const ListPlace place = ProductsPlace();
    const Inks& inks = PanelInks();
    WriteTitle(place.window, ProductsTitle());
    const int headerY = place.rowsTop - kHeaderHeight + 2;
    WriteAt(place.nameX, headerY, inks.faint, kTextSize, Tr("City", "Şehir"));
    WriteAt(place.boxLeft, headerY, inks.faint, kTextSize, StocksHeader());
    const int first = FirstShown(kProductRows), rows = ShownRows(kProductRows);
    for (int r = 0; r < rows; ++r) {
        const CityData* city = ListCity(first + r);
        if (!city) continue;
        const int y = place.rowsTop + kProductRowHeight * r + 10;
        const Inks& row = RowInks(place, r);
        WriteAt(place.nameX, y, row.text, kTextSize, CityNameOf(*city));
        int products[6];
        const int count = ProductBoxes(*city, products);
        for (int j = 0; j < count; ++j) {
            const int boxX = place.boxLeft + place.boxWidth * j;
            if (products[j] == kPetrol || products[j] == kPaper)
                WriteCentredAt(boxX + kProductPictureSize / 2, y + 1, row.faint, kSmallSize,
                               productName(products[j]));
            WriteAt(boxX + kProductPictureSize + kAmountGap, y, row.text, kTextSize,
                    std::to_string(city->stock[products[j]]));
        }
    }
    WriteHint(place.window);
    WriteClose(place.window);
    WriteProductTooltip(place);
}

// ---------------------------------------------------------------------------
// Finance

constexpr int kFinanceRows = 9, kFinanceRowHeight = 22;
constexpr Rect kFinanceTitle{1490, 40, 1608, 80};
constexpr Rect kFinancePicture{1290, 140, 1500, 174};
constexpr int kFinanceWidths[6] = {50, 50, 60, 56, 56, 80};

const char* FinanceTitle() {
    return Tr("Finance", "Maliye");
}

double NetIncome(const CityData& city) {
    return TaxIncome(city) - city.scienceLevel - city.militaryLevel;
}

// The army line's label: what each soldier costs under this government, or that the
// Aztecs' soldiers work free; empty where soldiers cost nothing.
std::string ArmyLabel(int civ) {
    if (SoldierPay(civ) <= 0) return "";
    if (!PaysSoldiers(civ))
        return Tr("Army expenses   (Aztec soldiers work free)",
                  "Askeri giderler  (Aztek askerleri maaş almıyor)");
    const std::string rate = MoneyText(SoldierPay(civ));
    const std::string government = governmentName(Civ(civ).government);
    return IsEnglish() ? "Army expenses (" + rate + " gold per soldier, " + government + ")"
                       : "Askeri gider (asker başına " + rate + " altın, " + government + ")";
}

std::string SoldierCountText(int civ) {
    return "x " + std::to_string(SoldierCount(civ));
}

// "+" in blue above zero, nothing in plain ink at zero, "-" in red below.
void WriteSigned(int centreX, int y, double value, const Inks& inks) {
    const std::string text = Prefixed(value > 0 ? "+" : value < 0 ? "-" : "", MoneyText(value));
    WriteCentredAt(centreX, y, value > 0 ? inks.gain : value < 0 ? inks.loss : inks.text, kTextSize, text);
}

void WriteLevel(int centreX, int y, int level, const Inks& inks) {
    if (level != 0)
        WriteCentredAt(centreX, y, inks.loss, kTextSize, std::to_string(level) + ".00");
    else
        WriteCentredAt(centreX, y, inks.faint, kTextSize, Tr("none", "yok"));
}

int FinanceArmyY(const ListPlace& place) {
    return place.rowsTop + kFinanceRowHeight * std::max(ShownRows(kFinanceRows), 1) + 6;
}

bool FinancePress(int x, int y) {
    const ListPlace place = FinancePlace();
    const int n = PressedRow(place, x, y, place.rowsRight);
    if (n == 0) return false;
    OpenCityFromList(FirstShown(kFinanceRows) + n - 1, ui.openedFromFinance);
    return true;
}

void WriteFinanceTexts() {
    if (!ui.financeMenuOpen) return;
    const int civ = game.currentCiv;
    const ListPlace place = FinancePlace();
    const Inks& inks = PanelInks();
    const char* headers[6] = {Tr("pop", "nüfus"), Tr("tax", "vergi"),  Tr("inc", "gelir"),
                              Tr("sci", "bilim"), Tr("mil", "askeri"), Tr("total", "toplam")};
    WriteListHead(place, FinanceTitle(), headers, 6);
    const int first = FirstShown(kFinanceRows), rows = ShownRows(kFinanceRows);
    for (int r = 0; r < rows; ++r) {
        const CityData* city = ListCity(first + r);
        if (!city) continue;
        const int y = place.rowsTop + kFinanceRowHeight * r + 4;
        const Inks& row = RowInks(place, r);
        WriteAt(place.nameX, y, row.text, kTextSize, CityNameOf(*city));
        WriteCentredAt(place.centre[kPopColumn], y, row.text, kTextSize, std::to_string(city->size));
        WriteCentredAt(place.centre[kTaxColumn], y, row.text, kTextSize,
                       IsEnglish() ? std::to_string(city->taxRate) + "%"
                                   : "%" + std::to_string(city->taxRate));
        WriteCentredAt(place.centre[kIncomeColumn], y, row.gain, kTextSize, MoneyText(TaxIncome(*city)));
        WriteLevel(place.centre[kScienceColumn], y, city->scienceLevel, row);
        WriteLevel(place.centre[kMilitaryColumn], y, city->militaryLevel, row);
        WriteSigned(place.centre[kNetColumn], y, NetIncome(*city), row);
    }
    if (ListCityCount() > 0) {
        const double pay = SoldierPay(civ);
        const int armyY = FinanceArmyY(place);
        const std::string label = ArmyLabel(civ);
        if (!label.empty()) WriteAt(place.nameX, armyY, inks.faint, kTextSize, label);
        if (pay > 0 && PaysSoldiers(civ))
            WriteCentredAt(place.centre[kNetColumn], armyY, inks.loss, kTextSize,
                           Prefixed("-", MoneyText(SoldierCount(civ) * pay)));
        const int netLeft = place.centre[kNetColumn] - kFinanceWidths[kNetColumn] / 2;
        WriteRightAt(netLeft - 8, armyY, inks.faint, kTextSize, SoldierCountText(civ));
        // The total counts every city, also those past the ninth row.
        double total = 0;
        for (int k = 1; k <= ListCityCount(); ++k)
            if (const CityData* city = ListCity(k)) total += NetIncome(*city);
        if (pay > 0 && PaysSoldiers(civ)) total -= SoldierCount(civ) * pay;
        const int totalY = armyY + kFinanceRowHeight + 4;
        WriteAt(place.nameX, totalY, inks.text, kTextSize,
                Tr("Total profit per turn", "Tur başına toplam kâr"));
        WriteSigned(place.centre[kNetColumn], totalY, total, inks);
    }
    WriteHint(place.window);
    WriteClose(place.window);
}

// ---------------------------------------------------------------------------
// Cities

constexpr int kCityRows = 6, kCityRowHeight = 50;
constexpr Rect kCitiesTitle{1290, 0, 1566, 40};
constexpr int kCityPictureWidth = 59, kPictureInset = 4;
constexpr int kCitiesWidths[5] = {84, 62, 62, 62, 112};
constexpr int kCardWidth = 46;

const char* CitiesTitle() {
    return Tr("Cities", "Şehirler");
}

// Icons in a row centred on centreX, closer together the more there are; never wider
// than the column.
void DrawIconRow(Icon icon, int count, int centreX, int y) {
    const int m = std::clamp(count, 0, kMostIcons);
    const int d = m <= 6 ? 4 : m <= 14 ? 2 : 1;
    for (int i = 1; i <= m; ++i)
        DrawIcon(icon, centreX + (i - 1) * d - Round(m * d / 2.0) + (d - kIconSize) / 2, y);
}

bool CitiesPress(int x, int y) {
    const ListPlace place = CitiesPlace();
    if (ScrollPress(x, y, kCityRows, place.arrowsX, place.arrowsY)) return true;
    const int n = PressedRow(place, x, y, place.rowsRight);
    if (n == 0) return false;
    OpenCityFromList(FirstShown(kCityRows) + n - 1, ui.openedFromCities);
    return true;
}

// A list's place: its window fitted round rows `rowsWidth` wide under a header, with
// room for the arrows when it is longer than its rows.
ListPlace PlaceList(int rowsWidth, int rows, int rowHeight, int below, int centreWidth,
                    const std::string& title) {
    const bool scrolls = ListCityCount() > rows;
    const int shown = std::clamp(ListCityCount(), 1, rows);
    ListPlace place;
    place.window = FitWindow(rowsWidth + (scrolls ? kArrowsColumn : 0),
                             kHeaderHeight + shown * rowHeight + below, centreWidth, title);
    place.rowsLeft = place.window.ContentLeft();
    place.rowsRight = place.rowsLeft + rowsWidth;
    place.rowsTop = place.window.ContentTop() + kHeaderHeight;
    place.rowHeight = rowHeight;
    place.rows = rows;
    place.nameX = place.rowsLeft + kNameInset;
    place.arrowsX = place.rowsRight + (kArrowsColumn - kArrowsWidth) / 2;
    place.arrowsY = place.rowsTop + shown * rowHeight - kArrowsHeight;
    return place;
}

} // namespace

namespace overview {

int ProductBoxLeft(const ListPlace& place, int box) {
    return place.boxLeft + place.boxWidth * box;
}

ListPlace ProductsPlace() {
    const int nameWidth = WidestCityName(kTextSize, 60);
    const int boxWidth = kProductPictureSize + kAmountGap + AmountWidth() + 14;
    // The boxes, or the header's words over them when they are wider.
    const int boxes = std::max(MostBoxes() * boxWidth, Measure(StocksHeader(), kTextSize) + 8);
    const int rowsWidth = kNameInset + nameWidth + 16 + boxes;
    ListPlace place =
        PlaceList(rowsWidth, kProductRows, kProductRowHeight, 0, kProductsTitle.Width(), ProductsTitle());
    place.boxLeft = place.nameX + nameWidth + 16;
    place.boxWidth = boxWidth;
    return place;
}

ListPlace FinancePlace() {
    const int civ = game.currentCiv;
    const int nameWidth = WidestCityName(kTextSize, 70);
    int columns = 0;
    for (const int w : kFinanceWidths) columns += w;
    // The army line's label runs under the name and the first columns, before the count.
    const int armyWidth = Measure(ArmyLabel(civ), kTextSize) + 12 +
                          Measure(SoldierCountText(civ), kTextSize) + 8 + kFinanceWidths[kNetColumn];
    const int rowsWidth = kNameInset + std::max(nameWidth + 12 + columns, armyWidth) + 8;
    ListPlace place = PlaceList(rowsWidth, kFinanceRows, kFinanceRowHeight, 2 * kFinanceRowHeight + 12,
                                kFinancePicture.Width(), FinanceTitle());
    place.rowsRight = place.rowsLeft + rowsWidth;
    int x = place.rowsRight - 8 - columns;
    for (int c = 0; c < 6; ++c) {
        place.centre[c] = x + kFinanceWidths[c] / 2;
        x += kFinanceWidths[c];
    }
    return place;
}

ListPlace CitiesPlace() {
    const int nameWidth = WidestCityName(kTextSize, 70);
    int columns = 0;
    for (const int w : kCitiesWidths) columns += w;
    const int rowsWidth = kPictureInset + kCityPictureWidth + kNameInset + nameWidth + 12 + columns;
    ListPlace place = PlaceList(rowsWidth, kCityRows, kCityRowHeight, 0, kCitiesTitle.Width(), CitiesTitle());
    place.nameX = place.rowsLeft + kPictureInset + kCityPictureWidth + kNameInset;
    int x = place.nameX + nameWidth + 12;
    for (int c = 0; c < 5; ++c) {
        place.centre[c] = x + kCitiesWidths[c] / 2;
        x += kCitiesWidths[c];
    }
    return place;
}

} // namespace overview

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

namespace {

// The window of the overview that is open; false when none is.
bool OpenOverviewWindow(WindowBox& box) {
    if (ui.productsMenuOpen)
        box = ProductsPlace().window;
    else if (ui.citiesMenuOpen)
        box = CitiesPlace().window;
    else if (ui.financeMenuOpen)
        box = FinancePlace().window;
    else if (ui.statsMenuOpen)
        box = StatsWindow();
    else
        return false;
    return true;
}

} // namespace

Rect OpenWindowSolidArea() {
    // The help's and the city screen's window is one opaque picture.
    if (ui.helpMenuOpen || ui.cityMenuX != 0) {
        using namespace city_screen;
        return {kFrameX, kFrameY, kFrameX + kFramePiece.Width(), kFrameY + kFramePiece.Height()};
    }
    WindowBox box;
    if (!OpenOverviewWindow(box)) return {};
    // The panel is filled row by row between the frame's sides, and its corners are solid
    // wood; only the title's picture reaches out of the box.
    return {box.left + kFrameInner, box.top + kCorner, box.Right() - kFrameOuter, box.Bottom() - kCorner};
}

bool OverviewCloseUnder(int x, int y) {
    WindowBox box;
    if (!OpenOverviewWindow(box)) return false;
    const Rect close = box.Close();
    return x >= close.left - 1 && x < close.right + 1 && y >= close.top - 1 && y < close.bottom + 1;
}

void DrawProductsMenu() {
    const ListPlace place = ProductsPlace();
    DrawWindow(place.window, kProductsTitle);
    DrawHoveredRow(place);
    const int first = FirstShown(kProductRows), rows = ShownRows(kProductRows);
    for (int r = 0; r < rows; ++r) {
        const CityData* city = ListCity(first + r);
        if (!city) continue;
        int products[6];
        const int count = ProductBoxes(*city, products);
        for (int j = 0; j < count; ++j) {
            const int p = products[j];
            if (p == kPetrol || p == kPaper) continue;
            const int left = 30 * (p - 1);
            DrawSprite(ProductBoxLeft(place, j), place.rowsTop + kProductRowHeight * r + 3,
                       {left, 104, left + kProductPictureSize, 104 + kProductPictureSize}, true,
                       Sheet::ProductSprite);
        }
    }
    DrawScrollArrows(kProductRows, place.arrowsX, place.arrowsY);
}

void DrawFinanceMenu() {
    const ListPlace place = FinancePlace();
    DrawWindow(place.window, kFinanceTitle);
    DrawSprite(512 - kFinancePicture.Width() / 2, place.window.top + 22, kFinancePicture, true,
               Sheet::Backgrounds);
    DrawHoveredRow(place);
    if (ListCityCount() > 0) {
        const int armyY = FinanceArmyY(place);
        const int netLeft = place.centre[kNetColumn] - kFinanceWidths[kNetColumn] / 2;
        const int totalRule = armyY + kFinanceRowHeight;
        Surface& screen = ThePlatform().BackBuffer();
        screen.Line(netLeft, place.rowsTop - kHeaderHeight, netLeft, totalRule + kFinanceRowHeight + 2,
                    PanelInks().rule);
        screen.Line(place.nameX, totalRule, place.rowsRight, totalRule, PanelInks().rule);
    }
}

void DrawCitiesMenu() {
    const ListPlace place = CitiesPlace();
    DrawWindow(place.window, kCitiesTitle);
    DrawHoveredRow(place);
    const int first = FirstShown(kCityRows), rows = ShownRows(kCityRows);
    Surface& screen = ThePlatform().BackBuffer();
    for (int r = 0; r < rows; ++r) {
        CityData* city = ListCity(first + r);
        if (!city) continue;
        const int top = place.rowsTop + kCityRowHeight * r, bottom = top + kCityRowHeight;
        // The whole town, left of its name, within its own row.
        DrawCityPicture(*city, place.rowsLeft + kPictureInset, top, kCityPictureTop, kCityRowHeight);
        const std::string happiness = std::to_string(Trunc(city->happiness));
        const double mood = HappinessDelta(*city, true);
        const int iconY = top + (kCityRowHeight - kIconSize) / 2;
        if (mood > 0.4)
            DrawIcon(Icon::Content, place.centre[kHappyColumn] + 6, iconY);
        else if (mood < -0.4)
            DrawIcon(Icon::Discontent, place.centre[kHappyColumn] + 6, iconY);
        DrawIconRow(Icon::Military, Round(CityMilitary(*city)), place.centre[kMilitaryIcons], iconY);
        DrawIconRow(Icon::Science, Round(CityScience(*city)), place.centre[kScienceIcons], iconY);
        DrawIconRow(Icon::Coin, Round(std::max(TaxIncome(*city) - Corruption(*city), 1.0)),
                    place.centre[kIncomeIcons], iconY);
        // What it produces: the unit it works towards on a small parchment card (its dark
        // outline would vanish on a dark panel), and the building it constructs; each
        // keeps to its own row.
        const int cardLeft = place.centre[kProducing] - kCitiesWidths[kProducing] / 2 + 4;
        const int type = city->unitBuildItem;
        if (type >= 1 && type <= kUnitTypes) {
            const Rect card{cardLeft, top + 3, cardLeft + kCardWidth, bottom - 3};
            screen.FillRect(card, Rgb(222, 204, 160));
            screen.FrameRect(card, Rgb(176, 138, 84));
            DrawInBand(cardLeft - 2, top + 1, {50 * (type - 1), 0, 50 * (type - 1) + 49, 48},
                       Sheet::UnitOutlinesSprite, card.top + 1, card.bottom - 1);
        }
        const int picture = city->buildItem != 0 ? buildingPicture(city->buildItem - kUnitTypes) : 0;
        if (picture > 0) {
            const int left = (picture - 1) % 10 * 48, pictureTop = (picture - 1) / 10 * 48;
            DrawInBand(cardLeft + kCardWidth + 8, top + 1, {left, pictureTop, left + 48, pictureTop + 48},
                       Sheet::BuildingSprite, top, bottom);
        }
    }
    DrawScrollArrows(kCityRows, place.arrowsX, place.arrowsY);
}

void WriteOverviewTexts() {
    WriteStatsTexts();
    WriteProductsTexts();
    WriteFinanceTexts();
}

void WriteCitiesMenuTexts() {
    if (!ui.citiesMenuOpen) return;
    const ListPlace place = CitiesPlace();
    const char* headers[5] = {Tr("happiness", "mutluluk"), Tr("military", "askeri"), Tr("science", "bilim"),
                              Tr("income", "gelir"), Tr("producing", "üretim")};
    WriteListHead(place, CitiesTitle(), headers, 5);
    const int first = FirstShown(kCityRows), rows = ShownRows(kCityRows);
    for (int r = 0; r < rows; ++r) {
        const CityData* city = ListCity(first + r);
        if (!city) continue;
        const int y = place.rowsTop + kCityRowHeight * r + (kCityRowHeight - 14) / 2;
        const Inks& row = RowInks(place, r);
        WriteAt(place.nameX, y, row.text, kTextSize, CityNameOf(*city));
        WriteRightAt(place.centre[kHappyColumn] + 2, y, row.text, kTextSize,
                     std::to_string(Trunc(city->happiness)));
    }
    WriteHint(place.window);
    WriteClose(place.window);
}

} // namespace annals
