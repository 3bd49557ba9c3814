// Cities on the map: the picture that grows with the city and changes with its people
// and age, its walls, the owner's flag, and the plates with its size and name.
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/map_view.h"
#include "ui/sheet_layout.h"

#include <algorithm>
#include <cmath>

namespace annals {

namespace {

constexpr int kIndustrialization = 39;
constexpr int kStockade = 3;
constexpr int kFortress = 34;

bool KnowsIndustrialization(int civ) {
    return civ >= 1 && civ <= kMaxCivs && Civ(civ).knows[kIndustrialization] == 1;
}

// The columns b..e (inclusive) of a city's name on the name sheet, or false.
bool NameSpan(int nation, int k, int& b, int& e) {
    const int* ends = art::CityNameEnds(nation);
    if (!ends || k < 1 || k > art::kCityNamesPerRow) return false;
    b = k == 1 ? 0 : ends[k - 2] + 2;
    e = ends[k - 1];
    return true;
}

// Whether the cell shows a special resource's marker (the oasis and hills show none of
// their own).
bool ShowsMarker(int x, int y) {
    if (!InsideMap(x, y)) return false;
    const MapCell& cell = Cell(x, y);
    return Seen(cell) && cell.special != 0 && cell.special != 13 && cell.hill == 0;
}

// The plates stand above the city, over the lower half of the cell to the north. When a
// marker shows there (or, for a long name, to the north-west or north-east) they go below
// the city instead, into the upper margin of the cell to the south, where no marker
// reaches, so the marker stays in sight.
bool PlatesBelow(int x, int y, int halfWidth) {
    const bool above =
        ShowsMarker(x, y - 1) || (halfWidth > 33 && (ShowsMarker(x - 1, y - 1) || ShowsMarker(x + 1, y - 1)));
    return above && y + 1 <= ViewRows(MainView()).last;
}

} // namespace

int CityPictureLevel(int civ, int size) {
    if (KnowsIndustrialization(civ)) return std::max(std::min(size / 4, 6) + 1, 2);
    return std::min(size / 3, 6) + 2;
}

int WallLevel(int size) {
    return std::min(size / 6, 3) + 1;
}

int CityStyle(int civ) {
    if (KnowsIndustrialization(civ)) return 7;
    switch (Civ(civ).nation) {
    case 1: // Arabians
    case 7: // Persians
        return 1;
    case 2:             // Aztecs
    case kNativeNation: // the natives
        return 2;
    case 3: // Britons
    case 5: // Franks
    case 8: // Romans
        return 3;
    case 4: // Chinese
        return 4;
    case 9: // Turks
        return 6;
    default: // Germans, Vikings
        return 5;
    }
}

int CityPictureLift(int civ, int size) {
    const int level = CityPictureLevel(civ, size);
    if (level > 4) return 0;
    return Round(10 - std::sqrt(static_cast<double>(level)) * level);
}

void DrawCityNames() {
    if (!PicturesShown()) return;
    const MapView main = MainView();
    const CellSpan xs = ViewColumns(main), ys = ViewRows(main);
    for (int x = xs.first; x <= xs.last; ++x)
        for (int y = ys.first; y <= ys.last; ++y)
            if (Cell(x, y).hasCity == 1) DrawCityAndItsName(x, y);
}

void DrawCityAndItsName(int x, int y) {
    if (!InsideMap(x, y) || !Seen(Cell(x, y))) return;
    const CityData& city = City(x, y);
    const int owner = city.owner, size = city.size;
    const int level = CityPictureLevel(owner, size), style = CityStyle(owner), wall = WallLevel(size);
    const int lift = CityPictureLift(owner, size);
    const bool walls =
        (city.buildings[kStockade] == 1 || city.buildings[kFortress] == 1) && !KnowsIndustrialization(owner);
    const int fortress = city.buildings[kFortress] == 1 ? 4 : 0;
    const MapView main = MainView();
    const int left = CellLeft(main, x), top = CellTop(main, y);

    // The size plate sits left of the name plate; both stand centred over the city.
    int b = 0, e = 0;
    const bool named = NameSpan(Civ(city.founder).nation, city.nameIndex, b, e);
    const int a = named ? (e - b + 22) / 2 : 11;
    const int colour = Civ(owner).colour;
    const bool below = PlatesBelow(x, y, a);
    const int plates = below ? top + 38 : top + lift - 33;
    const auto drawPlates = [&] {
        DrawSprite(left + 25 - a, plates,
                   {21 * (size - 1), 21 * (colour - 1), 21 * (size - 1) + 22, 21 * colour}, true,
                   Sheet::PopulationSprite);
        if (named) {
            const int row = art::CityNameRow(Civ(city.founder).nation);
            DrawSprite(left + 48 - a, plates + 2, {b, row, e + 1, row + 18}, true, Sheet::CityNameSprite);
        }
    };
    if (!below) drawPlates();
    if (walls)
        DrawSprite(left - 5, top - 5, {60 * (wall + fortress - 1), 480, 60 * (wall + fortress) - 1, 539},
                   true, Sheet::CitySprite);
    DrawSprite(left - 5, top - 5, {60 * (level - 1), 60 * (style - 1), 60 * level - 1, 60 * style - 1}, true,
               Sheet::CitySprite);
    const int nation = Civ(owner).nation;
    const art::FlagSpot flag = art::kFlagSpots[style - 1][level - 2];
    DrawSprite(left + flag.x - 4, top + flag.y - 4,
               {204 + 13 * (nation - 1), 48, 216 + 13 * (nation - 1), 62}, true, Sheet::OthersSprite);
    if (walls) {
        static constexpr int kFrontWallTop[5] = {0, 29, 33, 36, 37};
        DrawSprite(left - 4, top + kFrontWallTop[wall], {60 * fortress + 1, 514, 60 * fortress + 58, 527},
                   true, Sheet::CitySprite);
    }
    // Below the city the plates lie over its foot, where they stay readable.
    if (below) drawPlates();
}

} // namespace annals
