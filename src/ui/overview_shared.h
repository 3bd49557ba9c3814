// What the overview screens share: the window with its title and close plate, the hint,
// the scroll arrows, the rows of a city list, and the small pictures.
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

// The window (backgrounds sheet) and its close plate.
constexpr Rect kWindowPiece{600, 0, 1204, 422};
constexpr int kWindowX = 210, kWindowY = 150;
constexpr Rect kClosePlain{537, 423, 585, 446};
constexpr Rect kCloseLit{537, 447, 585, 470};
// A lighter band under the row the pointer is on, cut to the row's height.
constexpr Rect kHighlight{710, 425, 1087, 459};

// The scroll arrows: one picture with the up arrow over the down arrow; its states stand
// side by side on the sheet (plain, up lit, down lit, up disabled, down disabled).
constexpr int kArrowsLeft = 600, kArrowsTop = 430, kArrowsStep = 20;
constexpr int kArrowsWidth = 19, kArrowsHeight = 41;
constexpr int kArrowsPictureX = 511, kArrowsPictureY = 465;
constexpr int kArrowX = 518, kUpArrowY = 474, kDownArrowY = 492, kArrowReach = 10;

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

void DrawWindow(Rect title, int titleX, int titleY);
bool ClosePlateLit();
void WriteClose();
// "Press ESC to close" while the game is young.
void WriteHint(bool trailingSpace);
void DrawHighlight(int y, int height);
void DrawScrollArrows(int rows);
// A press on a scroll arrow, shown or not, moves the list by one city.
bool ScrollPress(int x, int y, int rows);
// Replaces the list by the city screen of its k-th city; `from` is the list's own flag
// to return to.
void OpenCityFromList(int k, uint8_t& from);

// The lower `rows` rows of a city's picture as the map shows it (the ground of the cell
// is kCityPictureGround rows below the picture's top).
constexpr int kCityPictureGround = 55;
void DrawCityPicture(const CityData& city, int x, int y, int rows);
// A picture cut to the rows bandTop..bandBottom - 1 of the screen.
void DrawInBand(int x, int y, Rect source, Sheet sheet, int bandTop, int bandBottom);
void DrawNationFlag(int nation, int x, int y);
void DrawIcon(Icon icon, int x, int y);

// The civilizations' strength over the whole game, with their flags (pictures), and the
// legend beside it (texts); the statistics and the end screen show them.
void DrawGraph();
void WriteLegend();

// The statistics screen's presses and texts.
bool StatsPress(int x, int y);
void WriteStatsTexts();

} // namespace annals::overview
