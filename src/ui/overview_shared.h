// What the overview screens share: a window fitted to its content with its title and
// close plate, the hint, the scroll arrows, the rows of a city list, the inks, and the
// small pictures.
#pragma once

#include "platform/canvas.h"
#include "state/state.h"
#include "ui/drawing.h"

#include <string>

namespace annals::overview {

// Ink on the parchment window and its brass plates.
constexpr Pixel kListGrey = kInk;
constexpr Pixel kDarkGrey = kFadedInk;
constexpr Pixel kHeading = kTitleInk;
constexpr Pixel kBlue = Rgb(0, 80, 170);
constexpr Pixel kRed = Rgb(190, 0, 0);

// The inks of the overviews. The window's panel decides which set is used: dark ink on a
// light (parchment) panel, light writing on a dark (wooden) one, so the lists stay
// readable whichever panel the window picture has.
struct Inks {
    Pixel text;    // names and figures
    Pixel faint;   // headers, labels, the hint
    Pixel heading; // the window's title
    Pixel gain;    // income, a profit
    Pixel loss;    // spending, a loss, an enemy
    Pixel friendly;
    Pixel gold; // a price in gold
    Pixel rule; // the lines between columns and rows
};
constexpr Inks kDarkInks{Rgb(42, 30, 22),  Rgb(96, 72, 48),  Rgb(92, 60, 28),  Rgb(24, 78, 150),
                         Rgb(160, 30, 22), Rgb(34, 104, 40), Rgb(128, 92, 12), Rgb(150, 120, 84)};
constexpr Inks kLightInks{Rgb(236, 224, 200), Rgb(184, 168, 140), Rgb(232, 196, 120), Rgb(96, 176, 255),
                          Rgb(255, 96, 84),   Rgb(150, 220, 140), Rgb(255, 214, 90),  Rgb(110, 96, 78)};
// The inks for the overview window's panel, and for writing on a plate (button) picture.
const Inks& PanelInks();
const Inks& InksOn(Rect piece, Sheet sheet);
// Text sizes: the lists write larger than the old small print; plates keep the small one.
constexpr int kTextSize = 10, kSmallSize = 8;
// The note a pointer raises over a list: parchment with dark ink whatever the panel.
constexpr Pixel kNoteFill = Rgb(245, 232, 199);

// The width a line takes on the screen as the face draws it (the width table where
// nothing is drawn). The lists lay out by it: Turkish letters count 60 pixels in the
// table at size 10.
int Measure(const std::string& text, int size);
// One line, never wrapped: from x, centred on x, or ending at x.
void WriteAt(int x, int y, Pixel colour, int size, const std::string& text);
void WriteCentredAt(int x, int y, Pixel colour, int size, const std::string& text);
void WriteRightAt(int x, int y, Pixel colour, int size, const std::string& text);

// The window (backgrounds sheet) and its close plate.
constexpr Rect kWindowPiece{600, 0, 1204, 422};
constexpr int kWindowX = 210, kWindowY = 150;
constexpr Rect kClosePlain{537, 423, 585, 446};
constexpr Rect kCloseLit{537, 447, 585, 470};
// A lighter band under the row the pointer is on, cut to the row's height.
constexpr Rect kHighlight{710, 425, 1087, 459};

// A window fitted round its content, centred on the map above the panel. The content
// starts at (ContentLeft, ContentTop): below the title line with the close plate, inside
// the frame; the hint line runs along the bottom.
struct WindowBox {
    int left = 0, top = 0, width = 0, height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    int ContentLeft() const;
    int ContentTop() const;
    int ContentRight() const;
    int HintY() const;
    Rect Close() const; // the close plate, 48 x 23
};
constexpr int kWindowMargin = 26, kTitleBand = 58, kHintBand = 40;
// The window for content of this size, wide enough for its title, for the picture of
// `centreWidth` centred on its top, and for the hint.
WindowBox FitWindow(int contentWidth, int contentHeight, int centreWidth, const std::string& title);
std::string HintText();

// The scroll arrows: one picture with the up arrow over the down arrow; its states stand
// side by side on the sheet (plain, up lit, down lit, up disabled, down disabled).
constexpr int kArrowsLeft = 600, kArrowsTop = 430, kArrowsStep = 20;
constexpr int kArrowsWidth = 19, kArrowsHeight = 41;
constexpr int kArrowReach = 10;
constexpr int kArrowsColumn = 30; // room kept right of a list that scrolls

// The small icons of othersSprite: coin, military, science, content, discontent.
enum class Icon { Coin, Military, Science, Content, Discontent };
constexpr int kIconsLeft = 150, kIconsTop = 476, kIconSize = 16;
// A row of icons never grows wider than its column.
constexpr int kMostIcons = 28;

bool Within(int x, int y, int left, int top, int right, int bottom); // inclusive bounds

// The cities of the civilization to move, in its list order: how many, and the k-th
// (1-based; null when there is none).
int ListCityCount();
CityData* ListCity(int k);
// The first city a list of `rows` rows shows, and how many rows it fills.
int FirstShown(int rows);
int ShownRows(int rows);
// The row (1-based) of a list under y, rows `height` pixels apart from `top`; 0 above the
// first row and past the last row shown.
int RowUnder(int y, int top, int height, int rows);
std::string CityNameOf(const CityData& city);
// The widest name among the civilization's cities (at least `least` pixels).
int WidestCityName(int size, int least);

// The window, its title cartouche centred on its top edge, the title written at its
// upper left and the close plate at its upper right.
void DrawWindow(const WindowBox& box, Rect title);
void WriteTitle(const WindowBox& box, const std::string& title);
bool ClosePlateLit(const WindowBox& box);
void WriteClose(const WindowBox& box);
// How to close the window, along its bottom.
void WriteHint(const WindowBox& box);
void DrawHighlight(int left, int y, int width, int height);
// The arrows of a list of `rows` rows whose picture stands at (x, y).
void DrawScrollArrows(int rows, int x, int y);
// A press on a scroll arrow of a list longer than its rows moves it by one city.
bool ScrollPress(int px, int py, int rows, int x, int y);
// Replaces the list by the city screen of its k-th city; `from` is the list's own flag
// to return to.
void OpenCityFromList(int k, uint8_t& from);

// `rows` rows of a city's picture as the map shows it, from its row firstRow; the city
// stands in rows kCityPictureTop..59 of its 60.
constexpr int kCityPictureTop = 10;
void DrawCityPicture(const CityData& city, int x, int y, int firstRow, int rows);
// A picture cut to the rows bandTop..bandBottom - 1 of the screen.
void DrawInBand(int x, int y, Rect source, Sheet sheet, int bandTop, int bandBottom);
void DrawNationFlag(int nation, int x, int y);
void DrawIcon(Icon icon, int x, int y);
// A square of a civilization's colour with a dark edge: the key to its name, which is
// written in ink beside it.
constexpr int kSwatchSize = 10;
void DrawSwatch(int civ, int x, int y);

// The civilizations' strength over the whole game, with their flags (pictures), and the
// legend beside it (texts); the statistics and the end screen show them. The legend's
// flags stand at legendX, the graph's box from graphX, both from top.
struct GraphPlace {
    int legendX = 306, graphX = 390, top = 265, textSize = 8;
};
void DrawGraph(const GraphPlace& place = {});
void WriteLegend(const GraphPlace& place = {});

// The statistics screen's window, its page plates (0..2), the graph's place on its first
// page and the diplomacy list's columns on its third; presses and texts.
WindowBox StatsWindow();
Rect PagePlate(int k);
GraphPlace StatsGraphPlace();
struct DiplomacyPlace {
    int rowsTop = 0, rowHeight = 31;
    int flagX = 0, nameX = 0, relationX = 0, talkX = 0, politicsX = 0, right = 0;
    int legendY = 0;
};
DiplomacyPlace DiplomacyLayout();
constexpr int kPoliticsStep = 15;
bool StatsPress(int x, int y);
void WriteStatsTexts();

// Where the lists put their rows, columns and arrows; tests read them too.
struct ListPlace {
    WindowBox window;
    int rowsLeft = 0, rowsRight = 0; // the rows' highlight and presses
    int rowsTop = 0, rowHeight = 0, rows = 0;
    int arrowsX = 0, arrowsY = 0; // the arrows' picture, when the list scrolls
    int nameX = 0;                // the city's name
    // The products list: its boxes, each a picture with the amount right of it.
    int boxLeft = 0, boxWidth = 0;
    // The finance and cities lists: the centres of their columns after the name.
    int centre[7] = {};
};
ListPlace ProductsPlace();
ListPlace FinancePlace();
ListPlace CitiesPlace();
constexpr int kProductPictureSize = 28, kAmountGap = 4;
int ProductBoxLeft(const ListPlace& place, int box);
// The finance list's columns: population, tax, income, science, military, net; the
// cities list's: happiness, military, science, income, and the production's unit card.
enum FinanceColumn { kPopColumn, kTaxColumn, kIncomeColumn, kScienceColumn, kMilitaryColumn, kNetColumn };
enum CitiesColumn { kHappyColumn, kMilitaryIcons, kScienceIcons, kIncomeIcons, kProducing };

} // namespace annals::overview
