// The map view: terrain, units, cities, the selected unit, the frame around the view
// and the small map. The frame routine draws its layers through screens.h; the city
// screen, the terrain window and the fight display use the pieces below.
#pragma once

#include "ui/screens.h"

namespace annals {

struct MapCell;

// A terrain view: the screen pixel of its top-left corner, the map cell shown at that
// corner (whole or half cells) and its size in cells.
struct MapView {
    int left = 12, top = 9;
    double originX = 1, originY = 1;
    int columns = 20, rows = 15;
};

// The main view: (12, 9), the game's view origin, 20 x 15 cells.
MapView MainView();

// The status panel under the view (inside y 726..764): the nation's name is written from
// this row, the government's 14 pixels lower, the emblem beside them a pixel higher, so
// that both rows keep a margin above the panel's bottom edge.
constexpr int kStatusNationY = 732;

// 1 when v is not a whole number: a half-cell origin shows one more column or row.
int HasFraction(double v);
// The screen pixel of the top-left corner of column x / row y in a view.
int CellLeft(const MapView& view, int x);
int CellTop(const MapView& view, int y);

// The columns and rows a view draws, cut to the map: never a cell outside it.
struct CellSpan {
    int first, last; // empty when last < first
};
CellSpan ViewColumns(const MapView& view);
CellSpan ViewRows(const MapView& view);

// The view origin stays within 1 <= viewX <= mapWidth - 19 and 1 <= viewY <= mapHeight - 14.
void ClampView();
// Puts (x, y) near the middle of the main view, within its limits.
void CentreViewOn(int x, int y);
// The cell lies in the part of the main view where units are drawn.
bool InUnitView(int x, int y);
// A cell the screen shows: one a person has explored, or any cell of a game that nobody
// plays, whose watcher sees the whole world.
bool Seen(const MapCell& cell);
// A unit or fight on the cell can be seen: in the main view and explored.
bool ShownOnMap(int x, int y);

// The open city screen hides these cells of the main view.
bool CoveredByCityScreen(int x, int y);

// One cell of the given kind on its own, with its fields, road (running north-south),
// river, forest or hill, as a picture for the help.
void DrawSampleCell(int left, int top, const MapCell& cell);

// Draws one cell of the main view again, all its terrain layers.
void RedrawMapCell(int x, int y);

// One unit where the main view shows it, with its activity badge when it is on top.
void DrawUnit(int civ, int slot);
// A unit's health bar.
void DrawLife(int civ, int slot);
// A city's picture, walls, flag, size and name plate.
void DrawCityAndItsName(int x, int y);

// The city picture values, by owner and size.
int CityPictureLevel(int civ, int size); // 2..8
int WallLevel(int size);                 // 1..4
int CityStyle(int civ);                  // 1..7
int CityPictureLift(int civ, int size);  // pixels the plates move down over a small city

// Rebuilds the small map picture when it is out of date.
void RenderSmallMap();

} // namespace annals
