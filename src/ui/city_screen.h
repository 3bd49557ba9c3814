// The city screen: a window over the map in which a person manages one of his cities.
// Its pictures are drawn with the open screens (DrawCityMenu), its texts, lists and
// pop-ups by the information panel's text pass (WriteCityMenuTexts).
#pragma once

#include "platform/canvas.h"
#include "state/state.h"
#include "ui/screens.h"

namespace annals {

struct CityData;

// Where a city screen was opened from: Escape and the close button go back there.
enum class CityScreenFrom { Map, Cities, Finance, Products };

// Opens the screen of the city at (ui.cityMenuX, ui.cityMenuY). The caller has set the
// cell, played "city", set firstCityOpened and the opened-from flag of its list screen.
// Computes the city's production and its garrison, and closes every list and pop-up.
void OpenCityScreen();
// All of the above in one call, for the map, the news column and the list screens.
// Does nothing unless (x, y) holds a city of the civilization whose turn it is.
void ShowCityScreen(int x, int y, CityScreenFrom from);
// Closes the screen; with reopenList the list screen it was opened from opens again.
void CloseCityScreen(bool reopenList);
// The city whose screen is open, or null.
CityData* OpenCityData();

// Presses while the screen is open. Test 3: a left press on a worked cell (no list or
// pop-up open) starts a worker drag. Test 16: every control of the screen; it takes
// every press.
void CityWorkerDragPress(int button, int x, int y);
bool CityMenuMouseDown(int button, int x, int y);

namespace city_screen {

// The frame: the window piece and where it stands. The help's window is the same
// opaque picture at the same place.
constexpr int kFrameX = 157, kFrameY = 110;
constexpr Rect kFramePiece{0, 115, 710, 623};
// The 5 x 5 work area and its cells of 50 pixels.
constexpr int kAreaLeft = 387, kAreaTop = 195;
// The science and military bars: two pixels a point, up to this many points, so that
// the bar and its figure stay inside the window.
constexpr int kLongestBar = 30;
// The products column: at most nine rows.
constexpr int kMaxProductRows = 9;

// One entry of the worker pop-up: a product (job code 1..14, with its yield and, for a
// worker leaving a building, the cell he would go to) or a building (14 + b).
struct WorkerEntry {
    int code;
    int yield;
    int x, y;
};
constexpr int kMaxWorkerEntries = 14 + 38;
int WorkerMenuEntries(const CityData& city, WorkerEntry out[kMaxWorkerEntries]);
int WorkerMenuHeight(int entries);
constexpr int kWorkerMenuWidth = 171;

// Unit types the city may train, and the build items (36..81) it may start.
int ProductionChoices(const CityData& city, int out[36]);
int BuildingChoices(const CityData& city, int out[47]);
// Turns until `need` is covered at `perTurn` a turn (0 when there is no progress).
int TurnsLeft(double need, double perTurn);

// The products shown in the column, in order; at most nine.
int ProductRows(const CityData& city, int out[kMaxProductRows + 1]);
// The owner's units on the city square that carry goods.
int Carriers(const CityData& city, int out[kMaxUnits + 1]);

// The figure spots of the city picture (1..4 ships, 5..8 wagon trains) and where each
// figure's cargo pop-up opens.
struct FigureSpot {
    int x, y, popupX, popupY;
};
extern const FigureSpot kFigureSpots[9];
// Refills ui.cityFigures from the units on the city square.
void FillCityFigures(const CityData& city);
// The figure at position 1..8 if it is still the owner's unit on the square, else 0.
int FigureUnit(const CityData& city, int position);
// The goods positions of a unit's cargo, in order.
int GoodsPositions(int civ, int slot, int out[7]);

// The three pop-ups' sizes.
constexpr int kProductMenuWidth = 145;
int ProductMenuHeight(const CityData& city);
int CargoMenuHeight(const CityData& city);
constexpr int kCargoMenuWidth = 150;

// Whether the pointer is on the row of the product whose pop-up it opened, on that
// pop-up, or between the two.
bool PointerOnHoveredProduct(const CityData& city);

// Closes every list and pop-up of the screen.
void CloseCityPopups();

// The names the screen writes beside its figures: each one line at (left, top), kept
// left of `right`. The unhappiness heading shows only above reasons.
struct CityLabel {
    const char* english;
    const char* turkish;
    int left, top, right;
};
constexpr int kCityLabelCount = 11;
extern const CityLabel kCityLabels[kCityLabelCount];

// The notes of advice beside the window: what a city's hunger, unhappiness, treasury,
// goods and building tell its owner. They stand in two columns left and right of the
// window, never over it, each with a mark that closes it for this city until its cause
// changes.
enum NoteKind { kFoodNote = 1, kUnhappinessNote, kTreasuryNote, kProductsNote, kStoneNote, kUnitsNote };
constexpr int kNoteKinds = 6;
constexpr int kNoteWidth = 140;
// The window's frame, which no note covers.
constexpr Rect kCityWindow = {157, 110, 867, 618};
struct CityNote {
    int kind;
    int32_t cause;
    int texts; // how many of its texts are written (a long note that does not fit keeps fewer)
    Rect box, closeMark;
};
// The notes shown for the city, in the order drawn.
int CityNotes(const CityData& city, CityNote out[kNoteKinds]);
// A press on a note: on its mark it closes the note. Returns whether the press fell on a note.
bool CityNotePress(const CityData& city, int x, int y);

} // namespace city_screen

} // namespace annals
