// The overview screens of a civilization: its products (which can be sold from the list),
// its finance, its cities at a glance, and the statistics with the strength graph, the
// biggest cities of the world and the diplomacy list. The pictures are drawn by the Draw
// routines of screens.h, the texts by WriteOverviewTexts and WriteCitiesMenuTexts.
#pragma once

#include "platform/canvas.h"

#include <string>

namespace annals {

struct CityData;

// The presses of the open overview screen: scroll arrows and rows of the products and
// cities screens, rows of the finance screen, page and Talk buttons of the statistics.
// True when the press hit one of them; a press that hits nothing goes on.
bool OverviewMouseDown(int x, int y);
// Whether (x, y) is on the close plate of the open overview window (products, finance,
// cities or statistics); each window is fitted to its content, so the plate moves.
bool OverviewCloseUnder(int x, int y);
// The part of the screen that the open overview, help or city window covers with solid
// pixels; empty when none is open. The map under it need not be drawn.
Rect OpenWindowSolidArea();

// Money as the lists write it: whole gold, a point and two digits, "3.05". A negative
// amount is written by its magnitude; the lists show the sign apart.
std::string MoneyText(double value);

// The products that fill a city's boxes on the products screen: those with a stock of at
// least one, in product order, at most six. Returns how many.
int ProductBoxes(const CityData& city, int (&products)[6]);

// The label of the Talk button for a nation.
std::string TalkLabel(int nation);

// Graph and text colours of a civilization's colour 1..7.
Pixel CivTextColour(int colour);
Pixel CivGraphColour(int colour);

// The soldiers the finance screen counts for civilization civ (all units but Settlers
// and Wagon Trains), the gold each costs per turn under its government (0 under
// Anarchy and Communism), and whether that cost is paid (the Aztecs' soldiers work free).
int SoldierCount(int civ);
double SoldierPay(int civ);
bool PaysSoldiers(int civ);

} // namespace annals
