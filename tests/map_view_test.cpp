// The map view, through the headless host's log of sprite copies: where cells go with
// whole and half-cell origins, which pieces each layer picks, units and their badges,
// the selected unit and the turn flow it drives, cities, the fog and the small map.
#include "platform/headless_platform.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/map_view.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using namespace annals;

namespace {

// One sprite copy as the log holds it.
struct Copy {
    std::string sheet;
    int left, top, right, bottom;
    int x, y;
    bool operator==(const Copy&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Copy& c) {
    return out << c.sheet << " (" << c.left << ", " << c.top << ")-(" << c.right << ", " << c.bottom
               << ") at (" << c.x << ", " << c.y << ")";
}

class MapViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gameFolder = ANNALS_GAME_DIR;
        ASSERT_TRUE(LoadSurfaces(1)) << SheetLoadError();
    }
    static void TearDownTestSuite() { FreeSurfaces(); }

    void SetUp() override {
        SetPlatform(&platform);
        MakeWorld(24, kGrassland);
    }
    void TearDown() override {
        SetPlatform(nullptr);
        ResetState();
    }

    // A square world of one terrain, all of it explored, with two peoples and the
    // natives; civilization 1 is played by a person and has no unit yet.
    static void MakeWorld(int size, int terrain) {
        ResetState();
        InitializeVariables();
        game.language = 1;
        game.mapWidth = game.mapHeight = static_cast<uint8_t>(size);
        for (int x = 1; x <= size; ++x)
            for (int y = 1; y <= size; ++y) {
                Cell(x, y).terrain = static_cast<uint8_t>(terrain);
                Cell(x, y).tileVariant = 1;
                Cell(x, y).explored = 1;
            }
        game.civCount = 3;
        const int nations[] = {0, 8, 3, kNativeNation};
        for (int c = 1; c <= 3; ++c) {
            Civ(c).nation = static_cast<uint8_t>(nations[c]);
            Civ(c).colour = static_cast<uint8_t>(c == 3 ? 8 : c + 1);
            Civ(c).government = 2;
            Civ(c).isComputer = c != 1;
        }
        game.currentCiv = game.viewCiv = 1;
        game.viewX = game.viewY = 1;
    }

    std::vector<Copy> Copies(const std::string& sheet = "") {
        std::vector<Copy> out;
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Sprite && (sheet.empty() || r.name == sheet))
                out.push_back(
                    {r.name, r.source.left, r.source.top, r.source.right, r.source.bottom, r.x, r.y});
        return out;
    }
    // What one cell gets from a 1 x 1 view drawn at the screen's corner.
    std::vector<Copy> CellCopies(int x, int y, const std::string& sheet = "") {
        platform.ClearLog();
        DrawTerrain(0, 0, x, y, 1, 1);
        return Copies(sheet);
    }

    HeadlessPlatform platform{{.pixels = false, .recordDrawing = true}};
};

} // namespace

TEST_F(MapViewTest, CellsSitByTheViewOriginInWholeAndHalfCells) {
    MakeWorld(30, kGrassland);
    struct Case {
        int left, top;
        double originX, originY;
        int columns, rows;
        int firstX, lastX, firstY, lastY; // cells drawn
        int firstLeft, firstTop;          // screen corner of the first of them
    } cases[] = {
        {12, 9, 1, 1, 20, 15, 1, 20, 1, 15, 12, 9},
        {12, 9, 3.5, 2, 20, 15, 3, 23, 2, 16, -13, 9}, // a half column more, the first cut in half
        {12, 9, 2, 4.5, 20, 15, 2, 21, 4, 19, 12, -16},
        {12, 9, 11, 16, 20, 15, 11, 30, 16, 30, 12, 9}, // at the view's limits: the map's last cells
        // Past the limits the view would reach column and row 31: they are left out.
        {12, 9, 11.5, 16.5, 20, 15, 11, 30, 16, 30, -13, -16},
        {387, 195, 8, 9, 5, 5, 8, 12, 9, 13, 387, 195}, // the city screen's work area
        {0, 0, 30, 30, 5, 5, 30, 30, 30, 30, 0, 0},     // a small view at the map's corner
    };
    // Whatever lies beyond the map's last column and row must never be read.
    for (int i = 1; i <= 31; ++i) {
        worldMap[31][i].terrain = worldMap[i][31].terrain = 9;
        worldMap[31][i].explored = worldMap[i][31].explored = 0;
    }
    for (const Case& c : cases) {
        platform.ClearLog();
        DrawTerrain(c.left, c.top, c.originX, c.originY, c.columns, c.rows);
        const auto ground = Copies("terrainSprite.bmp");
        const int columns = c.lastX - c.firstX + 1, rows = c.lastY - c.firstY + 1;
        ASSERT_EQ(ground.size(), size_t(columns * rows)) << c.originX << ", " << c.originY;
        EXPECT_EQ(ground.front().x, c.firstLeft);
        EXPECT_EQ(ground.front().y, c.firstTop);
        EXPECT_EQ(ground.back().x, c.firstLeft + 50 * (columns - 1));
        EXPECT_EQ(ground.back().y, c.firstTop + 50 * (rows - 1));
        EXPECT_TRUE(Copies("othersSprite.bmp").empty()) << "no fog from outside the map";
        const MapView view{c.left, c.top, c.originX, c.originY, c.columns, c.rows};
        EXPECT_EQ(CellLeft(view, c.firstX), c.firstLeft);
        EXPECT_EQ(CellTop(view, c.firstY), c.firstTop);
    }
}

TEST_F(MapViewTest, CoastPieceByTheLandAround) {
    MakeWorld(12, kSea);
    struct Case {
        int code; // land N 1, E 10, S 100, W 1000
        int x, y; // picks the drawing: (x + y) mod the piece's drawings
        int column, row;
    } cases[] = {
        {1, 3, 4, 0, 0},
        {1, 4, 6, 0, 153},
        {1, 6, 6, 0, 255},
        {1, 6, 7, 0, 306},
        {10, 3, 4, 51, 0},
        {100, 3, 4, 102, 0},
        {1000, 3, 4, 153, 0},
        {11, 3, 4, 204, 0},
        {110, 3, 4, 204, 51},
        {1100, 3, 4, 204, 102},
        {1001, 3, 4, 204, 153},
        {111, 3, 4, 306, 0},
        {1110, 3, 4, 306, 51},
        {1101, 3, 4, 306, 102},
        {1011, 3, 4, 306, 153},
        {1111, 3, 3, 306, 204},
        {1111, 4, 4, 306, 306},
        {101, 3, 2, 204, 204},
        {101, 3, 4, 204, 306},
        // Past row 306 the drawings go on at the top of the next column.
        {101, 4, 4, 255, 0},
        {101, 4, 5, 255, 51},
        {1010, 3, 2, 255, 102},
        {1010, 5, 4, 255, 306},
    };
    for (const Case& c : cases) {
        MakeWorld(12, kSea);
        const int dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
        for (int side = 0, digit = 1; side < 4; ++side, digit *= 10)
            if (c.code / digit % 10) Cell(c.x + dx[side], c.y + dy[side]).terrain = kPlain;
        Cell(c.x, c.y).coastal = 1;
        const auto coast = CellCopies(c.x, c.y, "coastSprite.bmp");
        ASSERT_EQ(coast.size(), 1u) << c.code;
        EXPECT_EQ(coast[0], (Copy{"coastSprite.bmp", c.column, c.row, c.column + 50, c.row + 50, 0, 0}))
            << "code " << c.code << " at " << c.x << ", " << c.y;
        EXPECT_TRUE(CellCopies(c.x, c.y, "terrainSprite.bmp").empty()) << "the coast piece is the whole cell";
    }
    // Land only across a corner: plain sea and a corner piece.
    MakeWorld(12, kSea);
    Cell(6, 4).terrain = kDesert;
    EXPECT_EQ(CellCopies(5, 5, "coastSprite.bmp"),
              (std::vector<Copy>{{"coastSprite.bmp", 1041, 0, 1078, 37, 13, 0}}));
    EXPECT_EQ(CellCopies(5, 5, "terrainSprite.bmp").size(), 1u);
}

TEST_F(MapViewTest, FieldsRoadsRiversForestsHillsAndSpecials) {
    struct Case {
        const char* what;
        std::function<void(MapCell&)> set;
        std::vector<Copy> expected; // from the layers after the ground and the terrain edges
    } cases[] = {
        {"a cornfield with a road is one piece",
         [](MapCell& c) { c.cornfield = c.road = 1; },
         {{"roadOnCornfieldSprite.bmp", 1, 1, 55, 55, -1, -1}}},
        {"a cornfield with a road and a river",
         [](MapCell& c) { c.cornfield = c.road = 1, c.river = 101; },
         {{"CornfieldSprite.bmp", 153, 153, 203, 203, 0, 0}, {"roadSprite.bmp", 1, 1, 55, 55, -1, -1}}},
        {"a lone cornfield",
         [](MapCell& c) { c.cornfield = 1; },
         {{"CornfieldSprite.bmp", 255, 0, 305, 50, 0, 0}}},
        {"a river in a forest",
         [](MapCell& c) { c.forest = 1, c.river = 1010; },
         {{"riverSprite.bmp", 408 + 510, 112, 458 + 510, 167, 0, -5}}},
        {"a river on the plain",
         [](MapCell& c) { c.river = 11; },
         {{"riverSprite.bmp", 51, 0, 101, 50, 0, 0}}},
        {"a palm grove",
         [](MapCell& c) { c.terrain = kDesert, c.forest = 1; },
         {{"productSprite.bmp", 347, 0, 387, 31, 4, 10}}},
        {"a lone wood",
         [](MapCell& c) { c.forest = 1; },
         {{"forestSprite.bmp", 301 + 102, 1, 350 + 102, 50, 0, 0}}},
        {"an examined hill with gold, no icon",
         [](MapCell& c) { c.hill = c.hillExamined = 1, c.special = 12; },
         {{"hillSprite.bmp", 54, 314, 107, 362, -3, 2}}},
        {"a hill keeps its gold hidden until examined",
         [](MapCell& c) { c.hill = 1, c.special = 12; },
         {{"hillSprite.bmp", 0, 314, 53, 362, -3, 2}}},
        {"an Artic hill with a road",
         [](MapCell& c) { c.terrain = kArtic, c.hill = c.road = 1; },
         {{"roadSprite.bmp", 1, 1, 55, 55, -1, -1},
          {"hillSprite.bmp", 108, 314, 161, 362, -3, 2},
          {"hillSprite.bmp", 217, 314, 269, 362, -2, 2}}},
        {"wheat, centred", [](MapCell& c) { c.special = 3; }, {{"productSprite.bmp", 63, 0, 80, 30, 16, 10}}},
        {"an oasis shows nothing", [](MapCell& c) { c.special = 13; }, {}},
        {"a site", [](MapCell& c) { c.site = 4; }, {{"othersSprite.bmp", 324, 196, 351, 228, 12, 10}}},
    };
    for (const Case& c : cases) {
        MakeWorld(12, kGrassland);
        MapCell& cell = Cell(5, 5); // (x + y) mod 3 = 1 (hill shape 2), mod 4 = 2, even
        c.set(cell);
        std::vector<Copy> layers;
        for (const Copy& copy : CellCopies(5, 5))
            if (copy.sheet != "terrainSprite.bmp" && copy.sheet != "mixSprite.bmp") layers.push_back(copy);
        EXPECT_EQ(layers, c.expected) << c.what;
    }
}

TEST_F(MapViewTest, FogCoversTheUnseenWithSoftEdgesInLargeViews) {
    Cell(5, 5).explored = 0;
    Cell(1, 1).explored = 0; // a corner: no edges towards the outside of the map
    DrawTerrain(12, 9, 1, 1, 20, 15);
    const auto fog = Copies("othersSprite.bmp");
    EXPECT_EQ(fog, (std::vector<Copy>{{"othersSprite.bmp", 353, 63, 403, 113, 12, 9},
                                      {"othersSprite.bmp", 353, 63, 403, 113, 212, 209}}));
    std::vector<Copy> edges;
    for (const Copy& c : Copies("mixSprite.bmp"))
        if (c.left >= 128 || c.top >= 230) edges.push_back(c);
    // The cells beside (5, 5) in drawing order (x outer): (1, 2), (2, 1), (4, 5), (5, 4), (5, 6), (6, 5).
    EXPECT_EQ(edges, (std::vector<Copy>{
                         {"mixSprite.bmp", 51, 230, 100, 245, 12, 59},   // (1, 2): north
                         {"mixSprite.bmp", 128, 51, 143, 100, 62, 9},    // (2, 1): west
                         {"mixSprite.bmp", 128, 0, 143, 49, 197, 209},   // (4, 5): east
                         {"mixSprite.bmp", 0, 230, 49, 245, 212, 194},   // (5, 4): south
                         {"mixSprite.bmp", 51, 230, 100, 245, 212, 259}, // (5, 6): north
                         {"mixSprite.bmp", 128, 51, 143, 100, 262, 209}, // (6, 5): west
                     }));
    // The city screen's 5 x 5 view has fog but no room for its edges.
    platform.ClearLog();
    DrawTerrain(387, 195, 3, 3, 5, 5);
    EXPECT_EQ(Copies("othersSprite.bmp").size(), 1u);
    for (const Copy& c : Copies("mixSprite.bmp")) EXPECT_TRUE(c.left < 128 && c.top < 230) << c;
}

TEST_F(MapViewTest, TheCityScreenHidesTheTerrainUnderIt) {
    ui.cityMenuX = ui.cityMenuY = 9;
    game.viewX = 2.5;
    // x - viewX from 3 to 16 and y - viewY from 4 to 10 lie under the city screen.
    EXPECT_FALSE(CoveredByCityScreen(5, 5));
    EXPECT_TRUE(CoveredByCityScreen(6, 5));
    EXPECT_TRUE(CoveredByCityScreen(18, 11));
    EXPECT_FALSE(CoveredByCityScreen(19, 11));
    EXPECT_FALSE(CoveredByCityScreen(18, 12));
    Cell(6, 5).special = 3;
    DrawTerrain(12, 9, game.viewX, game.viewY, 20, 15);
    EXPECT_EQ(Copies("terrainSprite.bmp").size(), 21u * 15 - 13 * 7);
    EXPECT_EQ(Copies("productSprite.bmp").size(), 1u) << "specials show through";
    platform.ClearLog();
    DrawTerrain(387, 195, 7, 7, 5, 5);
    EXPECT_EQ(Copies("terrainSprite.bmp").size(), 25u) << "the city screen's own view";
}

TEST_F(MapViewTest, UnitsWithTheirBadgesAndHealthBars) {
    game.currentCiv = 2; // no unit of civilization 2: nothing is selected
    struct Case {
        int type;
        uint8_t lives, fortified;
        int jobTimer;
        int badge;                        // column of the activity badge, 0 for none
        int barLeft, barRight, barBottom; // of colour 2 (rows from 62)
    } cases[] = {
        {kWarrior, 2, 1, 0, 240, 149, 161, 75},  {kWarrior, 1, 0, 0, 0, 162, 174, 75},
        {kSettler, 1, 0, 61, 192, 188, 195, 69}, {kSettler, 1, 0, 35, 256, 188, 195, 69},
        {kSettler, 1, 0, 52, 208, 188, 195, 69}, {kSettler, 1, 0, 89, 224, 188, 195, 69},
        {kSettler, 1, 0, 12, 0, 188, 195, 69},   {kHorseman, 1, 0, 0, 0, 117, 132, 82},
        {kWarElephant, 3, 0, 0, 0, 17, 33, 90},  {kWarElephant, 4, 0, 0, 0, 0, 16, 90},
    };
    for (const Case& c : cases) {
        MakeWorld(24, kGrassland);
        game.currentCiv = 2;
        AddUnit(1, c.type, 4, 3);
        Unit(1, 1).lives = c.lives;
        Unit(1, 1).fortified = c.fortified;
        Unit(1, 1).jobTimer = c.jobTimer;
        platform.ClearLog();
        DrawUnits();
        DrawLifes();
        std::vector<Copy> expected = {
            {"unitSprite.bmp", 47 * (c.type - 1), 47, 47 * c.type - 1, 93, 164, 111}};
        if (c.badge) expected.push_back({"othersSprite.bmp", c.badge, 406, c.badge + 16, 422, 198, 145});
        expected.push_back({"othersSprite.bmp", c.barLeft, 62, c.barRight, c.barBottom, 199, 111});
        EXPECT_EQ(Copies(), expected) << "type " << c.type << " job " << c.jobTimer;
    }

    // Two units on a cell: both drawn, the higher slot on top with the badge and the bar.
    MakeWorld(24, kGrassland);
    game.currentCiv = 2;
    AddUnit(1, kWarrior, 4, 3);
    AddUnit(1, kWarrior, 4, 3);
    Unit(1, 1).fortified = Unit(1, 2).fortified = 1;
    AddUnit(1, kWarrior, 8, 8);
    Cell(8, 8).hasCity = 1; // inside a city: the city picture stands for it
    AddUnit(1, kWarrior, 12, 12);
    Cell(12, 12).explored = 0;
    platform.ClearLog();
    DrawUnits();
    DrawLifes();
    EXPECT_EQ(Copies(), (std::vector<Copy>{{"unitSprite.bmp", 47, 47, 93, 93, 164, 111},
                                           {"unitSprite.bmp", 47, 47, 93, 93, 164, 111},
                                           {"othersSprite.bmp", 240, 406, 256, 422, 198, 145},
                                           {"othersSprite.bmp", 149, 62, 161, 75, 199, 111}}));
}

TEST_F(MapViewTest, TheSelectedUnitBlinksSlidesAndGivesWayOnceItsMovesAreUsed) {
    AddUnit(1, kWarrior, 4, 3);
    AddUnit(1, kSettler, 4, 3);
    AddUnit(1, kWarrior, 9, 9);
    game.currentUnit = 2;
    Unit(1, 2).movesLeft = 3;
    auto unitsDrawn = [&] {
        platform.ClearLog();
        DrawUnits();
        DrawCurrentUnit();
        std::vector<int> ys;
        for (const Copy& c : Copies("unitSprite.bmp")) ys.push_back(c.left / 47 + 1);
        return ys;
    };
    // Standing still it hides the unit under it, and blinks.
    ui.moveBlink = 2;
    EXPECT_EQ(unitsDrawn(), (std::vector<int>{kWarrior, kSettler}));
    ui.moveBlink = 3;
    EXPECT_EQ(unitsDrawn(), (std::vector<int>{kWarrior}));
    ui.unitPopupOpen = 1;
    EXPECT_EQ(unitsDrawn(), (std::vector<int>{kWarrior, kSettler})) << "steady while its cell's list is open";
    ui.unitPopupOpen = 0;
    // Sliding in, it shows over the units of its new cell: 33, 16 and 0 pixels off.
    Unit(1, 2).animDx = -50;
    ui.moveBlink = 4;
    EXPECT_EQ(unitsDrawn(), (std::vector<int>{kWarrior, kWarrior, kSettler}));
    EXPECT_EQ(Copies("unitSprite.bmp").back().x, 164 - 33);
    unitsDrawn();
    EXPECT_EQ(Copies("unitSprite.bmp").back().x, 164 - 16);
    unitsDrawn();
    EXPECT_EQ(Unit(1, 2).animDx, 0) << "the slide ends at the third frame";

    // A person's unit without moves gives way once it is at rest, but not while the
    // distances are rebuilt, nor inside an action's own frame.
    ui.moveBlink = 0;
    Unit(1, 2).movesLeft = 0;
    Unit(1, 3).movesLeft = 3;
    ui.distanceBusy = 1;
    unitsDrawn();
    EXPECT_EQ(game.currentUnit, 2);
    ui.distanceBusy = 0;
    ui.innerFrame = 1;
    unitsDrawn();
    EXPECT_EQ(game.currentUnit, 2);
    ui.innerFrame = 0;
    unitsDrawn();
    EXPECT_EQ(game.currentUnit, 3);

    // No unit selected, or a selection past the table: nothing is read for it.
    for (uint8_t none : {uint8_t(0), uint8_t(4), uint8_t(200)}) {
        game.currentUnit = none;
        EXPECT_EQ(unitsDrawn(), (std::vector<int>{kWarrior, kSettler, kWarrior})) << int(none);
        EXPECT_EQ(game.currentUnit, none);
    }
}

TEST_F(MapViewTest, CityPictureValues) {
    struct Case {
        int nation;
        bool industrial;
        int size;
        int level, wall, style, lift;
    } cases[] = {
        {1, false, 1, 2, 1, 1, 7},   {7, false, 3, 3, 1, 1, 5},   {2, false, 6, 4, 2, 2, 2},
        {13, false, 17, 7, 3, 2, 0}, {3, false, 30, 8, 4, 3, 0},  {5, false, 14, 6, 3, 3, 0},
        {8, false, 12, 6, 3, 3, 0},  {4, false, 9, 5, 2, 4, 0},   {9, false, 2, 2, 1, 6, 7},
        {6, false, 5, 3, 1, 5, 5},   {10, false, 11, 5, 2, 5, 0}, {8, true, 1, 2, 1, 7, 7},
        {5, true, 8, 3, 2, 7, 5},    {4, true, 12, 4, 3, 7, 2},   {2, true, 30, 7, 4, 7, 0},
    };
    for (const Case& c : cases) {
        Civ(1).nation = static_cast<uint8_t>(c.nation);
        Civ(1).knows[39] = c.industrial;
        EXPECT_EQ(CityPictureLevel(1, c.size), c.level) << c.nation << " size " << c.size;
        EXPECT_EQ(WallLevel(c.size), c.wall) << c.size;
        EXPECT_EQ(CityStyle(1), c.style) << c.nation;
        EXPECT_EQ(CityPictureLift(1, c.size), c.lift) << c.nation << " size " << c.size;
    }
}

TEST_F(MapViewTest, ACityWithItsPlatesWallsPictureAndFlag) {
    // A British city (founder 2, its second city) owned by the Romans (colour 2), size 7:
    // picture level 4, style 3, wall level 2, lift 2; the name spans columns 48..79.
    CityData& city = City(4, 3);
    city.hasCity = 1;
    city.owner = 1;
    city.founder = 2;
    city.nameIndex = 2;
    city.size = 7;
    city.buildings[34] = 1; // a Fortress
    DrawCityNames();
    const int left = 162, top = 109, a = (79 - 48 + 22) / 2;
    EXPECT_EQ(Copies(), (std::vector<Copy>{
                            {"populationSprite.bmp", 126, 21, 148, 42, left + 25 - a, top + 2 - 33},
                            {"cityNameSprite.bmp", 48, 36, 80, 54, left + 48 - a, top + 2 - 31},
                            {"citySprite.bmp", 300, 480, 359, 539, left - 5, top - 5},
                            {"citySprite.bmp", 180, 120, 239, 179, left - 5, top - 5},
                            {"othersSprite.bmp", 295, 48, 307, 62, left + 40 - 4, top + 5 - 4},
                            {"citySprite.bmp", 241, 514, 298, 527, left - 4, top + 33},
                        }));
    // Industry tears the walls down; an unseen city shows nothing.
    Civ(1).knows[39] = 1;
    platform.ClearLog();
    DrawCityNames();
    EXPECT_EQ(Copies("citySprite.bmp").size(), 1u);
    Cell(4, 3).explored = 0;
    platform.ClearLog();
    DrawCityNames();
    EXPECT_TRUE(Copies().empty());
}

TEST_F(MapViewTest, PlatesGiveWayToAMarkerNorthOfTheCity) {
    // A native village (natives' second name, 25 columns wide, so its plates reach only
    // the cell to the north) at (4, 3), size 2: picture level 2, lift 7.
    CityData& city = City(4, 3);
    city.hasCity = 1;
    city.owner = city.founder = 3;
    city.nameIndex = 2;
    city.size = 2;
    const int top = 109;
    struct Case {
        const char* what;
        int x, y, special;
        int platesTop; // 0: drawn after the picture, below the city
        bool after;
    } cases[] = {
        {"no marker near: above", 0, 0, 0, top + 7 - 33, false},
        {"grapes to the north: below, over the picture's foot", 4, 2, 8, top + 38, true},
        {"an oasis shows no marker: above", 4, 2, 13, top + 7 - 33, false},
        {"a marker to the north-east is out of a short name's reach", 5, 2, 8, top + 7 - 33, false},
    };
    for (const Case& c : cases) {
        for (int x = 3; x <= 5; ++x) Cell(x, 2).special = 0;
        if (c.special) Cell(c.x, c.y).special = static_cast<uint8_t>(c.special);
        platform.ClearLog();
        DrawCityNames();
        const std::vector<Copy> copies = Copies();
        ASSERT_FALSE(copies.empty()) << c.what;
        const auto plate = std::find_if(copies.begin(), copies.end(),
                                        [](const Copy& k) { return k.sheet == "populationSprite.bmp"; });
        ASSERT_NE(plate, copies.end()) << c.what;
        EXPECT_EQ(plate->y, c.platesTop) << c.what;
        EXPECT_EQ(plate != copies.begin(), c.after) << c.what;
    }
}

TEST_F(MapViewTest, SmallMapColoursAndCityMarks) {
    Surface& map = ScratchBitmap();
    ASSERT_EQ(map.Width(), 100);
    Cell(1, 1).terrain = kSea;
    Cell(24, 24).explored = 0;
    // Cities at x = 3 of a 24-wide map: 100 / 24 x 3 = 12.5 rounds to 12.
    Civ(1).cityCount = 1;
    Civ(1).cities[1] = {3, 10};
    Civ(3).cityCount = 2;
    Civ(3).cities[1] = {20, 20};
    Civ(3).cities[2] = {1, 10};
    Cell(20, 20).explored = 1;
    RenderSmallMap();
    EXPECT_EQ(map.GetPixel(0, 0), Rgb(0, 0, 255));
    EXPECT_EQ(map.GetPixel(5, 0), Rgb(0, 128, 0));
    EXPECT_EQ(map.GetPixel(99, 99), kBlack);
    // e = 12, f = Round(41.67) = 42: the block covers columns 10..13 and rows 39..42.
    EXPECT_EQ(map.GetPixel(9, 40), Rgb(0, 128, 0));
    EXPECT_EQ(map.GetPixel(10, 40), kBlack);
    EXPECT_EQ(map.GetPixel(11, 40), Rgb(0, 255, 0)) << "colour 2";
    EXPECT_EQ(map.GetPixel(12, 41), Rgb(0, 255, 0));
    EXPECT_EQ(map.GetPixel(13, 41), kBlack);
    EXPECT_EQ(map.GetPixel(11, 39), kBlack);
    EXPECT_EQ(map.GetPixel(11, 43), Rgb(0, 128, 0));
    EXPECT_EQ(map.GetPixel(83, 81), Rgb(68, 68, 68)) << "the natives' cities are dark grey";
    EXPECT_EQ(map.GetPixel(3, 41), Rgb(68, 68, 68)) << "at the map's edge: e = 4";
    EXPECT_EQ(map.GetPixel(2, 41), kBlack);
    // The picture is kept until it is declared out of date.
    Cell(5, 1).explored = 0;
    RenderSmallMap();
    EXPECT_EQ(map.GetPixel(17, 0), Rgb(0, 128, 0));
    ui.smallMapValid = 0;
    RenderSmallMap();
    EXPECT_EQ(map.GetPixel(17, 0), kBlack);
}
