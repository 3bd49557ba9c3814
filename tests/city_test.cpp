// Cities: yields, area, production and conversion, growth, building, units, culture,
// the city turn and what a city may start.
#include "city_fixture.h"

#include "economy/news.h"
#include "units/unit_table.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace city_test;

namespace {

class CityTest : public CityFixture {};

// ---------------------------------------------------------------------------
// Land

TEST_F(CityTest, CellYieldByTerrainFeaturesBuildingsNationAndScience) {
    struct Case {
        const char* what;
        std::function<void(MapCell&, CityData&)> setup;
        int product;
        int expected;
    };
    auto knows = [](int science) { Civ(kPerson).knows[science] = 1; };
    const std::vector<Case> cases = {
        {"grassland food", [](MapCell&, CityData&) {}, kFood, 3},
        {"river", [](MapCell& c, CityData&) { c.river = 10; }, kFood, 4},
        {"savannah forest",
         [](MapCell& c, CityData&) {
             c.terrain = kSavannah;
             c.forest = 1;
         },
         kFood, 2},
        {"desert forest",
         [](MapCell& c, CityData&) {
             c.terrain = kDesert;
             c.forest = 1;
         },
         kFood, 3},
        {"plain hill",
         [](MapCell& c, CityData&) {
             c.terrain = kPlain;
             c.hill = 1;
         },
         kFood, 1},
        {"sea, harbor, vikings",
         [](MapCell& c, CityData& city) {
             c.terrain = kSea;
             city.buildings[36] = 1;
             Civ(kPerson).nation = 10;
         },
         kFood, 5},
        {"food special in a swamp forest",
         [](MapCell& c, CityData&) {
             c.terrain = kSwamp;
             c.forest = 1;
             c.special = 3;
         },
         kFood, 6},
        {"cornfield, mill, franks",
         [](MapCell& c, CityData& city) {
             c.cornfield = 1;
             city.buildings[22] = 1;
         },
         kFood, 6},
        {"plain cotton, fertilization, genetics",
         [&](MapCell& c, CityData&) {
             c.terrain = kPlain;
             knows(21);
             knows(49);
         },
         kCotton, 6},
        {"persian cotton", [](MapCell&, CityData&) { Civ(kPerson).nation = 7; }, kCotton, 3},
        {"tobacco, crop rotation, genetics",
         [&](MapCell&, CityData&) {
             knows(44);
             knows(49);
         },
         3, 5},
        {"tobacco on a cornfield",
         [](MapCell& c, CityData&) {
             c.cornfield = 1;
             c.special = 7;
         },
         3, 0},
        {"fur, road, special",
         [](MapCell& c, CityData&) {
             c.forest = 1;
             c.road = 1;
             c.special = 10;
         },
         kFur, 7},
        {"wood, road, special",
         [](MapCell& c, CityData&) {
             c.forest = 1;
             c.road = 1;
             c.special = 9;
         },
         6, 16},
        {"stone, examined hill, road",
         [](MapCell& c, CityData&) {
             c.hill = 1;
             c.hillExamined = 1;
             c.special = 11;
             c.road = 1;
         },
         kStone, 12},
        {"stone, forest, mine",
         [](MapCell& c, CityData&) {
             c.forest = 1;
             c.mine = 1;
         },
         kStone, 4},
        {"stone, desert road",
         [](MapCell& c, CityData&) {
             c.terrain = kDesert;
             c.road = 1;
         },
         kStone, 1},
        {"gold under an unexamined hill",
         [](MapCell& c, CityData&) {
             c.hill = 1;
             c.special = 12;
         },
         kGold, 0},
        {"gold, examined hill, road",
         [](MapCell& c, CityData&) {
             c.hill = 1;
             c.hillExamined = 1;
             c.special = 12;
             c.road = 1;
         },
         kGold, 2},
        {"gold special 14, harbor",
         [](MapCell& c, CityData& city) {
             c.special = 14;
             city.buildings[36] = 1;
         },
         kGold, 2},
        {"cloth never grows on land", [](MapCell&, CityData&) {}, kCloth, 0},
        {"content city, food", [](MapCell&, CityData& city) { city.happiness = 90; }, kFood, 4},
        {"content city, gold",
         [](MapCell& c, CityData& city) {
             c.special = 14;
             city.buildings[36] = 1;
             city.happiness = 95;
         },
         kGold, 2},
        {"content city, a yield of 1",
         [](MapCell& c, CityData& city) {
             c.terrain = kDesert;
             city.happiness = 95;
         },
         kStone, 1},
        {"pyramids", [](MapCell&, CityData& city) { city.buildings[39] = 1; }, kFood, 4},
        {"pyramids, content",
         [](MapCell&, CityData& city) {
             city.buildings[39] = 1;
             city.happiness = 90;
         },
         kFood, 5},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        CityData& city = Found(kPerson, 12, 12, 0);
        c.setup(Cell(13, 12), city);
        EXPECT_EQ(CellYield(Cell(13, 12), c.product, city), c.expected) << c.what;
    }
    TearDown();
    SetUp();
    const CityData& city = Found(kPerson, 12, 12, 0);
    EXPECT_EQ(CellYield(Cell(12, 12), kFood, city), 4) << "a city square feeds one more";
}

TEST_F(CityTest, RingsAndTheAreaCultureReaches) {
    const struct {
        int dx, dy, ring;
    } rings[] = {{0, 0, 0},  {1, 0, 1}, {0, -1, 1}, {1, 1, 2}, {2, 0, 3},
                 {0, -2, 3}, {2, 1, 4}, {-1, 2, 4}, {2, 2, 5}, {3, 0, 6}};
    for (const auto& r : rings)
        EXPECT_EQ(AreaRing(12, 12, 12 + r.dx, 12 + r.dy), r.ring) << r.dx << "," << r.dy;

    CityData& city = Found(kPerson, 12, 12, 0);
    const struct {
        double culture;
        int dx, dy;
        bool inside;
    } reach[] = {{9.9, 1, 0, true},  {9.9, 1, 1, false}, {10, 1, 1, true},  {99.9, 2, 0, false},
                 {100, 2, 0, true},  {499, 2, 1, false}, {500, 2, 1, true}, {1199.9, 2, 2, false},
                 {1200, 2, 2, true}, {5000, 3, 0, false}};
    for (const auto& r : reach) {
        city.culture = r.culture;
        EXPECT_EQ(InCityArea(city, 12 + r.dx, 12 + r.dy), r.inside)
            << r.culture << " " << r.dx << "," << r.dy;
    }
    CityData& edge = Found(kPerson, 2, 2, 0);
    edge.culture = 100;
    EXPECT_FALSE(InCityArea(edge, 0, 2));
}

TEST_F(CityTest, AForeignCityHoldsItsLandButAFriendlyOneDoesNot) {
    CityData& city = Found(kPerson, 12, 12, 0);
    city.culture = 100;
    Found(kComputer, 16, 12, 0);
    Found(kPerson, 12, 16, 0);
    Cell(14, 12).workedByX = 16, Cell(14, 12).workedByY = 12;
    Cell(12, 14).workedByX = 12, Cell(12, 14).workedByY = 16;
    EXPECT_FALSE(InCityArea(city, 14, 12));
    EXPECT_EQ(game.foreignAreaHit, 1);
    EXPECT_TRUE(InCityArea(city, 12, 14));
    EXPECT_EQ(game.foreignAreaHit, 0);
}

TEST_F(CityTest, WorkedByOtherCityLooksOnlyInsideEachCitysSquare) {
    Found(kPerson, 12, 12, 0);
    CityData& other = Found(kComputer, 16, 12, 0);
    Work(other, -2, 0, kFood); // (14, 12)
    EXPECT_TRUE(WorkedByOtherCity(12, 12, 14, 12));
    EXPECT_FALSE(WorkedByOtherCity(16, 12, 14, 12)) << "a city's own workers are not another's";
    EXPECT_FALSE(WorkedByOtherCity(12, 12, 13, 12));
    // (12, 12) is four columns from the other city: outside its square, whatever lies
    // next to its worked marks.
    for (int b = 1; b <= kBuildings; ++b) other.buildings[b] = 1;
    EXPECT_FALSE(WorkedByOtherCity(12, 12, 12, 12));
    EXPECT_FALSE(WorkedByOtherCity(0, 0, 12, 10));
}

// ---------------------------------------------------------------------------
// Production

TEST_F(CityTest, WorkshopsTurnRawGoodsIntoFinishedOnes) {
    struct Case {
        int building, workers;
        int raw, finished;
        bool rawFromLand; // one worker on a Grassland cell for the raw good (2 Cotton)
        int stock;
        int made, used;
    };
    const Case cases[] = {
        {4, 1, kCotton, kCloth, false, 10, 3, 3},    // Weaver House
        {4, 2, kCotton, kCloth, false, 4, 4, 6},     // short of cotton: makes what it has, uses all
        {4, 2, kCotton, kCloth, true, 2, 4, 6},      // the day's harvest counts with the store
        {8, 1, kCotton, kCloth, false, 10, 6, 6},    // Weaver Shop
        {12, 1, kCotton, kCloth, false, 12, 18, 12}, // Textile Mill
        {12, 1, kCotton, kCloth, false, 5, 8, 12},   // 7.5 goes to the even 8
        {12, 1, kCotton, kCloth, false, 3, 4, 12},   // 4.5 goes to the even 4
        {15, 1, kFur, kCoat, false, 9, 18, 9},       // Coat Factory
        {15, 2, kFur, kCoat, false, 5, 10, 18},      {13, 2, 3, 12, false, 30, 36, 24}, // Cigar Factory
        {4, 1, kCotton, kCloth, false, 0, 0, 3},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        CityData& city = Found(kPerson, 12, 12, 0);
        city.buildings[c.building] = 1;
        city.jobs[c.building] = c.workers;
        city.stock[c.raw] = c.stock;
        if (c.rawFromLand) Work(city, 1, 0, c.raw);
        ComputeProduction(city);
        EXPECT_EQ(city.production[c.finished], c.made) << "building " << c.building << " stock " << c.stock;
        EXPECT_EQ(city.consumption[c.raw], c.used) << "building " << c.building << " stock " << c.stock;
    }
}

TEST_F(CityTest, ProductionCountsWorkedLandBakersAndFoodEaten) {
    CityData& city = Found(kPerson, 12, 12, 2);
    Work(city, 0, 1, kStone);
    city.buildings[23] = 1;
    city.jobs[23] = 2;
    ComputeProduction(city);
    EXPECT_EQ(city.production[kFood], 4 + 3 + 3 + 8);
    EXPECT_EQ(city.production[kStone], 3);
    EXPECT_EQ(city.consumption[kFood], 4);
}

// ---------------------------------------------------------------------------
// Growth and citizens

TEST_F(CityTest, GrowthPerTurnBySurplusAndItsBonuses) {
    struct Case {
        const char* what;
        std::function<void(CityData&)> setup;
        int growth;
    };
    const std::vector<Case> cases = {
        {"a fed city", [](CityData&) {}, 2},
        {"granary", [](CityData& c) { c.granaryBonus = 1; }, 3},
        {"hanging gardens and granary",
         [](CityData& c) {
             c.granaryBonus = 1;
             c.buildings[40] = 1;
         },
         4},
        {"an early chinese city", [](CityData&) { Civ(kPerson).nation = 4; }, 3},
        {"a chinese city taken by others",
         [](CityData& c) {
             Civ(kPerson).nation = 4;
             c.founder = kComputer;
         },
         2},
        {"nobody farms", [](CityData& c) { c.WorkedProduct(1, 0) = c.WorkedProduct(-1, 0) = kCotton; }, 0},
        {"a surplus of exactly one",
         [](CityData& c) {
             c.WorkedProduct(1, 0) = kCotton;
             c.size = 3; // 4 + 3 food for 6 eaten
         },
         2},
        {"bakers feed it",
         [](CityData& c) {
             c.WorkedProduct(1, 0) = c.WorkedProduct(-1, 0) = kCotton;
             c.buildings[23] = 1;
             c.jobs[23] = 1;
         },
         2},
        {"a farm of a larger city", [](CityData& c) { c.size = 4; }, 2},
        {"the same farm now in a rival's area",
         [](CityData& c) {
             c.size = 4; // 4 + 3 food for 8 eaten once the farm no longer counts
             Found(kComputer, 15, 12);
             Cell(13, 12).workedByX = 15;
             Cell(13, 12).workedByY = 12;
         },
         0},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        CityData& city = Found(kPerson, 12, 12, 0);
        Work(city, 1, 0, kFood);
        Work(city, -1, 0, kFood);
        city.size = 2;
        c.setup(city);
        EXPECT_EQ(GrowthPerTurn(city), c.growth) << c.what;
    }
}

TEST_F(CityTest, ACityGrowsPastTenBelowSizeFiveAndPastTwentyFromThere) {
    CityData& small = Found(kPerson, 6, 6, 4);
    small.foodBox = 8;
    GrowCity(small);
    EXPECT_EQ(small.size, 5);
    EXPECT_EQ(small.foodBox, 0);
    ASSERT_EQ(Civ(kPerson).newsCount, 1);
    EXPECT_EQ(News(kPerson, 1), NewsCode(6, 6, kNewsGrew));

    CityData& large = Found(kPerson, 16, 16, 5);
    large.foodBox = 8;
    GrowCity(large);
    EXPECT_EQ(large.size, 5);
    EXPECT_EQ(large.foodBox, 10);
}

TEST_F(CityTest, ACityWithNoRoomKeepsItsGrowthForNextTurn) {
    CityData& city = Found(kPerson, 12, 12, 4); // culture 10 reaches eight cells
    city.culture = 5;                           // now only the four neighbours
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (std::abs(dx) + std::abs(dy) == 2) city.Worked(dx, dy) = 0;
    Work(city, 1, 0, kFood);
    Work(city, -1, 0, kFood);
    Work(city, 0, 1, kFood);
    Work(city, 0, -1, kFood);
    city.foodBox = 17;
    GrowCity(city);
    EXPECT_EQ(city.size, 4);
    EXPECT_EQ(city.foodBox, 10);
    EXPECT_EQ(Civ(kPerson).newsCount, 0);
}

TEST_F(CityTest, ANewCitizenTakesTheBestFreeLandThenABuilding) {
    CityData& city = Found(kPerson, 12, 12, 0);
    Cell(13, 13).river = 1; // 4 food
    CityData& neighbour = Found(kPerson, 9, 10, 0);
    Work(neighbour, 2, 1, kFood); // works (11, 11)
    Found(kComputer, 9, 14, 0);
    Cell(11, 13).workedByX = 9, Cell(11, 13).workedByY = 14;

    const struct { int dx, dy; } picks[] = {{1, 1}, {-1, 0}, {0, -1}};
    for (const auto& p : picks) {
        ASSERT_TRUE(AddCitizen(city));
        EXPECT_EQ(city.Worked(p.dx, p.dy), 1) << p.dx << "," << p.dy;
        EXPECT_EQ(city.WorkedProduct(p.dx, p.dy), kFood);
    }
    EXPECT_EQ(city.size, 3);
    EXPECT_EQ(Figures(city), 3);
    EXPECT_EQ(city.nextFreeSlot, 4);

    // With the land taken, the highest building with a free place takes him.
    CityData& crowded = Found(kPerson, 18, 18, 0);
    crowded.culture = 5;
    Work(crowded, 1, 0, kFood);
    Work(crowded, -1, 0, kFood);
    Work(crowded, 0, 1, kFood);
    Work(crowded, 0, -1, kFood);
    crowded.buildings[4] = crowded.buildings[33] = 1;
    for (int expectedTemple : {1, 2, 2, 2}) {
        ASSERT_TRUE(AddCitizen(crowded));
        EXPECT_EQ(crowded.jobs[33], expectedTemple);
    }
    EXPECT_EQ(crowded.jobs[4], 2);
    EXPECT_FALSE(AddCitizen(crowded));
    EXPECT_EQ(crowded.size, 4);
    EXPECT_EQ(Figures(crowded), 4);
}

TEST_F(CityTest, ACitizenLeavesCashCropsFirstThenThePoorestFarm) {
    CityData& city = Found(kPerson, 12, 12, 0);
    Cell(13, 13).river = 1;
    Work(city, -1, 0, kFood);  // 3 food
    Work(city, 1, 1, kFood);   // 4 food
    Work(city, 0, 1, kCotton); // cash crop in column 0
    Work(city, 1, 0, kStone);  // cash crop in the later column 1: it goes first
    for (int i = 0; i < 4; ++i) AddCitizenFigure(city);
    const struct { int dx, dy; } order[] = {{1, 0}, {0, 1}, {-1, 0}, {1, 1}};
    for (const auto& o : order) {
        RemoveCitizen(city);
        EXPECT_EQ(city.Worked(o.dx, o.dy), 0) << o.dx << "," << o.dy;
        EXPECT_EQ(city.WorkedProduct(o.dx, o.dy), 0);
    }
    EXPECT_EQ(WorkedCells(city), 1);
    EXPECT_EQ(Figures(city), 0);
    RemoveCitizen(city);
    EXPECT_EQ(city.Worked(0, 0), 1) << "the square is always worked";
}

TEST_F(CityTest, AComputersCityGivesASettlerFromItsLastWorkedColumn) {
    CityData& city = Found(kComputer, 12, 12, 0);
    Work(city, -1, 0, kFood);
    Work(city, 1, 0, kFood);
    Work(city, 1, -1, kFood);
    city.size = 3;
    ReleaseSettler(12, 12);
    EXPECT_EQ(city.size, 2);
    // The computer then places its two remaining citizens anew, beside the city square.
    EXPECT_EQ(WorkedCells(city), 3);
    ASSERT_EQ(Civ(kComputer).unitCount, 1);
    EXPECT_EQ(Unit(kComputer, 1).type, 1);
    EXPECT_EQ(Cell(12, 12).unitCount, 1);
}

TEST_F(CityTest, ACitizenIsGivenUpOnlyFromThisCityAndOnlyWhenThereIsOne) {
    // A computer's city whose citizens all work inside gives nobody, whatever an old
    // pick says.
    CityData& inside = Found(kComputer, 12, 12, 0);
    inside.buildings[33] = 1;
    inside.jobs[33] = 2;
    inside.size = 2;
    inside.releaseX = 100 + 33;
    ReleaseSettler(12, 12);
    EXPECT_EQ(inside.size, 2);
    EXPECT_EQ(inside.jobs[33], 2);
    EXPECT_EQ(Civ(kComputer).unitCount, 0);

    // A person's pick of a building worker this city does not have never takes one from
    // the city whose screen is open.
    CityData& open = Found(kPerson, 5, 5, 0);
    open.buildings[33] = 1;
    open.jobs[33] = 2;
    ui.cityMenuX = ui.cityMenuY = 5;
    CityData& city = Found(kPerson, 18, 18, 2);
    city.releaseX = 100 + 33;
    ReleaseSettler(18, 18);
    EXPECT_EQ(open.jobs[33], 2);
    EXPECT_EQ(city.size, 1);
    EXPECT_EQ(WorkedCells(city), 2);
    EXPECT_EQ(city.releaseX, 0);
    EXPECT_EQ(Civ(kPerson).unitCount, 1);

    // A picked building worker of the city itself goes.
    city.buildings[33] = 1;
    city.jobs[33] = 1;
    city.size = 2;
    city.releaseX = 100 + 33;
    ReleaseSettler(18, 18);
    EXPECT_EQ(city.jobs[33], 0);
    EXPECT_EQ(city.size, 1);

    // The last citizen stays.
    ReleaseSettler(18, 18);
    EXPECT_EQ(city.size, 1);
    EXPECT_EQ(Civ(kPerson).unitCount, 2);
}

TEST_F(CityTest, RemovingACityRenumbersTheRestAndFreesItsLand) {
    Found(kPerson, 5, 5, 0);
    CityData& middle = Found(kPerson, 12, 12, 0);
    Cell(13, 13).workedByX = Cell(13, 13).workedByY = 12;
    Cell(14, 12).workedByX = 14; // another city's cell stays claimed
    Cell(14, 12).workedByY = 12;
    CityData& last = Found(kPerson, 19, 19, 0);
    ui.battleShown = 1;
    RemoveCity(12, 12);
    EXPECT_EQ(middle.hasCity, 0);
    EXPECT_EQ(Civ(kPerson).cityCount, 2);
    EXPECT_EQ(Civ(kPerson).cities[2].x, 19);
    EXPECT_EQ(last.cityIndex, 2);
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const MapCell& cell = Cell(12 + dx, 12 + dy);
            if (dx == 2 && dy == 0) continue;
            EXPECT_FALSE(cell.workedByX == 12 && cell.workedByY == 12) << dx << "," << dy;
        }
    EXPECT_EQ(Cell(14, 12).workedByX, 14);
    EXPECT_EQ(ui.battleShown, 0);

    // A city missing from its owner's list leaves the list alone.
    CityData& stray = City(20, 5);
    stray.hasCity = 1;
    stray.owner = kComputer;
    RemoveCity(20, 5);
    EXPECT_EQ(Civ(kComputer).cityCount, 0);
}

// ---------------------------------------------------------------------------
// The city turn

TEST_F(CityTest, AStarvingCityInTheMiddleOfTheListDiesAndTheOthersRunOnce) {
    CityData& first = Found(kPerson, 5, 5, 1);
    CityData& starving = Found(kPerson, 12, 12, 1);
    CityData& last = Found(kPerson, 19, 19, 1);
    starving.consumption[kFood] = 20;
    starving.buildItem = 36;
    starving.stock[kStone] = 10;
    const double gold = Civ(kPerson).gold;

    RunCityTurns(kPerson);

    EXPECT_EQ(starving.hasCity, 0);
    EXPECT_EQ(Civ(kPerson).cityCount, 2);
    EXPECT_EQ(last.cityIndex, 2);
    EXPECT_EQ(first.turnsSinceBuilding, 1);
    EXPECT_EQ(last.turnsSinceBuilding, 1);
    EXPECT_EQ(starving.turnsSinceBuilding, 0) << "nothing runs after the city is gone";
    EXPECT_EQ(starving.buildProgress, 0);
    EXPECT_DOUBLE_EQ(Civ(kPerson).gold - gold, 2 * 25 / 200.0) << "taxes of the two living cities";
    EXPECT_EQ(Cell(12, 13).workedByX, 0);
    bool told = false;
    for (int k = 1; k <= Civ(kPerson).newsCount; ++k)
        told |= News(kPerson, k) == NewsCode(12, 12, kNewsStarved);
    EXPECT_TRUE(told);
}

TEST_F(CityTest, ALargerStarvingCityLosesOneCitizen) {
    CityData& city = Found(kPerson, 12, 12, 3);
    city.consumption[kFood] = 20;
    EXPECT_TRUE(CityTurn(city));
    EXPECT_EQ(city.size, 2);
    EXPECT_EQ(WorkedCells(city), 3);
    EXPECT_GE(city.stock[kFood], 0);
}

TEST_F(CityTest, AComputerSellsWhatItHasNoUseFor) {
    for (int level : {3, 4, 5}) {
        TearDown();
        SetUp();
        Civ(kComputer).aiLevel = static_cast<uint8_t>(level);
        CityData& city = Found(kComputer, 12, 12, 0);
        city.taxRate = 0;
        for (int p = 1; p <= kProducts; ++p) city.production[p] = city.consumption[p] = 0;
        city.stock[kGold] = 300;
        city.stock[kStone] = 40;
        const double gold = Civ(kComputer).gold;
        CityTurn(city);
        const double factor = level == 4 ? 1.1 : (level == 5 ? 1.2 : 1.0);
        EXPECT_NEAR(Civ(kComputer).gold - gold, 300 * factor, 1e-9) << "level " << level;
        EXPECT_EQ(city.stock[kGold], 0);
        EXPECT_EQ(city.stock[kStone], 40) << "stone is kept for building";
    }

    // A workshop keeps 15 of its raw good and sells the rest.
    Civ(kComputer).aiLevel = 3;
    CityData& weaver = Found(kComputer, 18, 18, 0);
    weaver.buildings[4] = 1;
    weaver.taxRate = 0;
    for (int p = 1; p <= kProducts; ++p) weaver.production[p] = weaver.consumption[p] = 0;
    weaver.stock[kCotton] = 40;
    const double gold = Civ(kComputer).gold;
    CityTurn(weaver);
    EXPECT_EQ(weaver.stock[kCotton], 15);
    EXPECT_NEAR(Civ(kComputer).gold - gold, 25 * 4 / 100.0, 1e-9);
}

TEST_F(CityTest, APersonsStoresAreKeptCappedAndReportedFull) {
    CityData& city = Found(kPerson, 12, 12, 0);
    for (int p = 1; p <= kProducts; ++p) city.production[p] = city.consumption[p] = 0;
    city.stock[kCotton] = 150;
    city.stock[kStone] = 150;
    city.stock[kCoat] = 60;
    CityTurn(city);
    EXPECT_EQ(city.stock[kCotton], 100);
    EXPECT_EQ(city.stock[kStone], 100);
    EXPECT_EQ(city.stock[kCoat], 60);
    std::vector<int32_t> news(Civ(kPerson).news + 1, Civ(kPerson).news + 1 + Civ(kPerson).newsCount);
    EXPECT_EQ(news, std::vector<int32_t>{NewsCode(12, 12, kNewsStoreFull + kCotton)});
}

TEST_F(CityTest, AVillageOnlyKeepsItsStores) {
    CityData& village = Found(kNatives, 12, 12, 1);
    village.stock[kFood] = 90;
    village.foodBox = 5;
    village.settlerReleased = 1;
    ComputeProduction(village); // 4 + 3 food, 2 eaten: 95
    const double gold = Civ(kNatives).gold;
    CityTurn(village);
    EXPECT_EQ(village.stock[kFood], 80);
    EXPECT_NEAR(Civ(kNatives).gold - gold, 15 * 1 / 100.0 * 1.2, 1e-9);
    EXPECT_EQ(village.foodBox, 5);
    EXPECT_EQ(village.settlerReleased, 0);
    EXPECT_DOUBLE_EQ(Cell(12, 12).landUse[1], 1.0);
}

TEST_F(CityTest, LandWearsAndWorkAddsToItsUse) {
    CityData& city = Found(kPerson, 12, 12, 0);
    Work(city, 1, 0, kStone);
    Cell(13, 13).forest = 1;
    Work(city, 1, 1, kCotton);
    Work(city, 0, 1, kCotton);
    Cell(14, 14).landUse[2] = 10;
    CityTurn(city);
    EXPECT_DOUBLE_EQ(Cell(12, 12).landUse[1], 1);
    EXPECT_DOUBLE_EQ(Cell(13, 12).landUse[3], 1);
    EXPECT_DOUBLE_EQ(Cell(13, 13).landUse[1], 3);
    EXPECT_DOUBLE_EQ(Cell(12, 13).landUse[2], 1);
    EXPECT_DOUBLE_EQ(Cell(14, 14).landUse[2], 9.5);
}

// ---------------------------------------------------------------------------
// Building

TEST_F(CityTest, StoneBuildsTheBuildingAndItsPictureGoesUp) {
    CityData& city = Found(kPerson, 12, 12, 0);
    city.buildItem = 36; // Granary, 50 stone
    city.buildProgress = 45;
    city.stock[kStone] = 30;
    city.turnsSinceBuilding = 7;
    AdvanceBuilding(city);
    EXPECT_EQ(city.buildings[1], 1);
    EXPECT_EQ(city.granaryBonus, 1);
    EXPECT_EQ(city.buildingCount, 1);
    EXPECT_EQ(city.stock[kStone], 20);
    EXPECT_EQ(city.turnsSinceBuilding, 0);
    EXPECT_EQ(city.buildItem, 0);
    EXPECT_EQ(city.buildProgress, 0);
    EXPECT_EQ(city.pictures[1], buildingPicture(1));
    EXPECT_EQ(city.nextFreeSlot, 2);
    ASSERT_EQ(Civ(kPerson).newsCount, 1);
    EXPECT_EQ(News(kPerson, 1), NewsCode(12, 12, 36));

    city.buildItem = 37; // Werehouse
    city.buildProgress = 49;
    city.stock[kStone] = 4;
    AdvanceBuilding(city);
    EXPECT_EQ(city.storageCapacity, 200);
    EXPECT_EQ(city.stock[kStone], 0);
}

TEST_F(CityTest, NothingIsBuiltWithoutABuildingChosen) {
    CityData& city = Found(kPerson, 12, 12, 0);
    city.stock[kStone] = 30;
    for (int item : {0, 12}) {
        city.buildItem = static_cast<uint8_t>(item);
        AdvanceBuilding(city);
        EXPECT_EQ(city.stock[kStone], 30);
        EXPECT_EQ(city.buildProgress, 0);
        EXPECT_EQ(city.buildingCount, 0);
        for (int b = 0; b <= kBuildings; ++b) EXPECT_EQ(city.buildings[b], 0) << b;
    }
    EXPECT_EQ(city.turnsSinceBuilding, 2) << "the days without a building still count";
    EXPECT_EQ(Civ(kPerson).newsCount, 0);
}

TEST_F(CityTest, AWonderCompletedStopsEveryoneElseBuildingIt) {
    CityData& builder = Found(kPerson, 5, 5, 0);
    CityData& sister = Found(kPerson, 12, 12, 0);
    CityData& rival = Found(kComputer, 19, 19, 0);
    CityData& gardens = Found(kComputer, 19, 5, 0);
    builder.buildItem = 74; // Pyramids
    builder.buildProgress = 195;
    builder.stock[kStone] = 10;
    sister.buildItem = 74;
    sister.buildProgress = 30;
    sister.stock[kStone] = 5;
    rival.buildItem = 74;
    rival.buildProgress = 120;
    rival.stock[kStone] = 50;
    gardens.buildItem = 75;
    gardens.buildProgress = 100;

    AdvanceBuilding(builder);

    EXPECT_EQ(builder.buildings[39], 1);
    EXPECT_EQ(game.wonderOwner[1], 1 * 100 + 1 * 8 + builder.nameIndex);
    for (int w = 2; w <= kWonders; ++w) EXPECT_EQ(game.wonderOwner[w], 0);
    EXPECT_EQ(rival.buildItem, 0);
    EXPECT_EQ(rival.buildProgress, 0);
    EXPECT_EQ(rival.stock[kStone], 100) << "the stone comes back up to the store's size";
    EXPECT_EQ(sister.buildItem, 0);
    EXPECT_EQ(sister.stock[kStone], 35);
    EXPECT_EQ(gardens.buildItem, 75);
    EXPECT_EQ(gardens.buildProgress, 100);
    // The Pyramids give every city of their owner a granary.
    EXPECT_EQ(sister.buildings[1], 1);
    EXPECT_EQ(sister.granaryBonus, 1);
    EXPECT_EQ(builder.buildings[1], 1);
    EXPECT_EQ(rival.buildings[1], 0);
    EXPECT_EQ(builder.buildingCount, 2);
    EXPECT_EQ(ui.bigNewsCount[kPerson], 1);
    EXPECT_EQ(ui.bigNewsQueue[kPerson][1], 74);
    EXPECT_EQ(ui.bigNewsCount[kComputer], 0);
    ASSERT_EQ(Civ(kPerson).newsCount, 1);
    EXPECT_EQ(News(kPerson, 1), NewsCode(5, 5, 74));
    EXPECT_FALSE(CanProduce(gardens, 74));
}

TEST_F(CityTest, ThePyramidsGranaryFindsAFreeSlotOrNone) {
    CityData& builder = Found(kPerson, 5, 5, 0);
    CityData& full = Found(kPerson, 12, 12, 0);
    CityData& stale = Found(kPerson, 19, 19, 0);
    for (int k = 1; k <= kMaxPictures; ++k) full.pictures[k] = 2;
    full.nextFreeSlot = kNoFreeSlot;
    stale.pictures[1] = 3;
    stale.pictures[2] = 14;
    stale.nextFreeSlot = 1; // points at a figure
    builder.buildItem = 74;
    builder.buildProgress = 200;
    AdvanceBuilding(builder);

    for (int k = 1; k <= kMaxPictures; ++k) EXPECT_EQ(full.pictures[k], 2) << k;
    EXPECT_EQ(full.nextFreeSlot, kNoFreeSlot);
    EXPECT_EQ(full.buildings[1], 1);
    EXPECT_EQ(stale.pictures[1], 3);
    EXPECT_EQ(stale.pictures[2], 14);
    EXPECT_EQ(stale.pictures[3], buildingPicture(1));
    EXPECT_EQ(stale.nextFreeSlot, 4);
}

TEST_F(CityTest, TheGreatWallGivesStockadesWhereThereIsNoWall) {
    CityData& builder = Found(kPerson, 5, 5, 0);
    CityData& open = Found(kPerson, 12, 12, 0);
    CityData& walled = Found(kPerson, 19, 19, 0);
    walled.buildings[34] = 1;
    builder.buildItem = 35 + 42;
    builder.buildProgress = 200;
    AdvanceBuilding(builder);
    EXPECT_EQ(open.buildings[3], 1);
    EXPECT_EQ(open.buildingCount, 1);
    EXPECT_EQ(walled.buildings[3], 0);
    EXPECT_EQ(builder.buildings[3], 1);
    EXPECT_EQ(game.wonderOwner[4], builder.owner * 100 + builder.founder * 8 + builder.nameIndex);
}

TEST_F(CityTest, AnUpgradeTakesOverTheWorkersAndThePicture) {
    CityData& city = Found(kPerson, 12, 12, 0);
    city.buildings[4] = 1;
    city.jobs[4] = 2;
    city.pictures[3] = static_cast<int8_t>(buildingPicture(4));
    city.buildItem = 35 + 8; // Weaver Shop
    city.buildProgress = 50;
    AdvanceBuilding(city);
    EXPECT_EQ(city.buildings[4], 0);
    EXPECT_EQ(city.buildings[8], 1);
    EXPECT_EQ(city.jobs[4], 0);
    EXPECT_EQ(city.jobs[8], 2);
    EXPECT_EQ(city.pictures[3], buildingPicture(8));
    int pictures = 0;
    for (int k = 1; k <= kMaxPictures; ++k) pictures += city.pictures[k] != 0;
    EXPECT_EQ(pictures, 1) << "the shop has no picture of its own";
}

TEST_F(CityTest, ALargePictureStandsApartAndKeepsRoomAroundIt) {
    // The Temple's picture needs 15 pixels of room, measured with its own stretch.
    auto distance = [](int from, int to) {
        const PixelPos a = picturePosition(from), b = picturePosition(to);
        return std::hypot((b.x - a.x) / 1.15, (b.y - a.y - 11) * 1.15);
    };
    CityData& city = Found(kPerson, 12, 12, 0);
    for (int i = 0; i < 6; ++i) AddCitizenFigure(city);
    city.buildItem = 35 + 33;
    city.buildProgress = 50;
    AdvanceBuilding(city);
    int slot = 0;
    for (int k = 1; k <= kMaxPictures; ++k)
        if (city.pictures[k] == buildingPicture(33)) slot = k;
    ASSERT_NE(slot, 0);
    for (int k = 1; k <= kMaxPictures; ++k) {
        if (k == slot) continue;
        const bool figure = city.pictures[k] >= 1 && city.pictures[k] <= 3;
        const bool empty = city.pictures[k] == 0 && k <= kLastPictureSlot;
        if (figure || empty) {
            EXPECT_GE(distance(slot, k), 15) << k;
        } else if (city.pictures[k] == kBlockedPicture) {
            EXPECT_LT(distance(slot, k), 15) << k;
        }
    }
    int firstEmpty = kNoFreeSlot;
    for (int k = kLastPictureSlot; k >= 1; --k)
        if (city.pictures[k] == 0) firstEmpty = k;
    EXPECT_EQ(city.nextFreeSlot, firstEmpty);
}

// ---------------------------------------------------------------------------
// Units

TEST_F(CityTest, NewUnitsGainExperienceFromTheColesseumAndTheTurksWays) {
    struct Case {
        int colesseumHolder; // 0 = nobody
        int founderNation, ownerNation;
        int experience;
    };
    const Case cases[] = {
        {0, 5, 5, 1}, {kPerson, 5, 5, 5}, {0, 9, 9, 5}, {kPerson, 9, 9, 7}, {kComputer, 5, 9, 1},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        Civ(kComputer).nation = static_cast<uint8_t>(c.founderNation);
        Civ(kPerson).nation = static_cast<uint8_t>(c.ownerNation);
        CityData& city = Found(kPerson, 12, 12, 0);
        city.founder = kComputer;
        if (c.colesseumHolder != 0) game.wonderOwner[3] = c.colesseumHolder * 100 + 9;
        city.militaryProgress = 9; // + 1 this turn: a Warrior
        AdvanceUnitProduction(city);
        ASSERT_EQ(Civ(kPerson).unitCount, 1);
        EXPECT_EQ(Unit(kPerson, 1).experience, c.experience) << c.colesseumHolder << " " << c.ownerNation;
        EXPECT_EQ(Unit(kPerson, 1).type, 2);
        EXPECT_EQ(News(kPerson, 1), NewsCode(12, 12, 2));
    }
}

TEST_F(CityTest, UnitProductionCostsAndWhatIsLeftOver) {
    CityData& city = Found(kPerson, 12, 12, 0);
    city.militaryProgress = 11; // 12 on a unit of 10
    AdvanceUnitProduction(city);
    EXPECT_EQ(Civ(kPerson).unitCount, 1);
    EXPECT_EQ(city.militaryProgress, 0);

    Civ(kPerson).goldAtTurnStart = -1;
    city.militaryProgress = 5;
    AdvanceUnitProduction(city);
    EXPECT_EQ(city.militaryProgress, 5) << "an empty treasury pauses production";

    // A weak computer pays more: 15 x 1.1 = 16.5 goes to the even 16; 10 x 1.2 = 12.
    CityData& axes = Found(kComputer, 5, 5, 0);
    Civ(kComputer).aiLevel = 2;
    axes.unitBuildItem = 33;
    axes.militaryProgress = 15;
    AdvanceUnitProduction(axes);
    EXPECT_EQ(Civ(kComputer).unitCount, 1);
    Civ(kComputer).aiLevel = 1;
    axes.unitBuildItem = 2;
    axes.militaryProgress = 10;
    AdvanceUnitProduction(axes);
    EXPECT_EQ(Civ(kComputer).unitCount, 1);
    EXPECT_EQ(axes.militaryProgress, 11);

    CityData& village = Found(kNatives, 19, 19, 0);
    village.militaryProgress = 50;
    AdvanceUnitProduction(village);
    EXPECT_EQ(Civ(kNatives).unitCount, 0);
    EXPECT_EQ(village.militaryProgress, 50);
}

TEST_F(CityTest, AUnitThatCannotBeAddedGetsNothing) {
    CityData& city = Found(kPerson, 12, 12, 0);
    game.wonderOwner[3] = kPerson * 100 + 9; // the Colesseum
    for (int i = 0; i < kMaxUnits; ++i) AddUnit(kPerson, 1, 3, 3);
    city.militaryProgress = 20;
    AdvanceUnitProduction(city);
    EXPECT_EQ(Civ(kPerson).unitCount, kMaxUnits);
    EXPECT_EQ(Unit(kPerson, kMaxUnits).experience, 1);
    EXPECT_EQ(Civ(kPerson).newsCount, 0);
    EXPECT_EQ(city.militaryProgress, 0);

    // A unit item that is no unit type makes nothing.
    CityData& odd = Found(kComputer, 5, 5, 0);
    odd.unitBuildItem = 60;
    odd.militaryProgress = 500;
    AdvanceUnitProduction(odd);
    EXPECT_EQ(Civ(kComputer).unitCount, 0);
    EXPECT_EQ(odd.militaryProgress, 501);
}

// ---------------------------------------------------------------------------
// Culture

TEST_F(CityTest, CulturePassingTenBringsTheUnclaimedDiagonals) {
    CityData& city = Found(kPerson, 12, 12, 0);
    city.culture = 9.9;
    Found(kPerson, 15, 15, 0);
    Cell(13, 13).workedByX = Cell(13, 13).workedByY = 15;
    AdvanceCulture(city);
    EXPECT_DOUBLE_EQ(city.culture, 10.9);
    for (auto [x, y] : {std::pair{11, 11}, {13, 11}, {11, 13}}) {
        EXPECT_EQ(Cell(x, y).workedByX, 12) << x << "," << y;
        EXPECT_EQ(Cell(x, y).workedByY, 12);
    }
    EXPECT_EQ(Cell(13, 13).workedByX, 15);
    EXPECT_EQ(Cell(14, 12).workedByX, 0) << "the outer rings wait for more culture";
    ASSERT_EQ(Civ(kPerson).newsCount, 1);
    EXPECT_EQ(News(kPerson, 1), NewsCode(12, 12, kNewsAreaWidened + 2));

    AdvanceCulture(city);
    EXPECT_EQ(Civ(kPerson).newsCount, 1);
    Civ(kPerson).goldAtTurnStart = -5;
    AdvanceCulture(city);
    EXPECT_DOUBLE_EQ(city.culture, 11.9);
}

// ---------------------------------------------------------------------------
// What a city gives

TEST_F(CityTest, TaxesAndCorruption) {
    CityData& city = Found(kPerson, 12, 12, 0);
    city.size = 4;
    EXPECT_DOUBLE_EQ(TaxIncome(city), 0.5);
    city.buildings[35] = 1;
    EXPECT_DOUBLE_EQ(TaxIncome(city), 1);
    city.buildings[43] = 1;
    EXPECT_DOUBLE_EQ(TaxIncome(city), 2.5);
    EXPECT_DOUBLE_EQ(Corruption(city), 0) << "small cities are honest";

    const struct {
        int size;
        int seed;
        bool courthouse;
        int nation;
        double corruption;
    } cases[] = {
        {10, 19, false, 5, 2.5 * 1.0 * 0.15},
        {10, 4, false, 5, 2.5 * 0.5 * 0.15},
        {10, 19, true, 5, 0},
        {10, 19, false, 1, 2.5 * 0.5 * 0.15},
        {20, 9, true, 5, 5 * 0.31 - 5 * 0.2},
        {45, 9, false, 5, 11.25 * 0.5},
    };
    for (const auto& c : cases) {
        CityData& rich = City(12, 12);
        for (int b = 1; b <= kBuildings; ++b) rich.buildings[b] = 0;
        rich.size = static_cast<uint8_t>(c.size);
        rich.taxRate = 50;
        rich.buildings[16] = c.courthouse ? 1 : 0;
        Cell(12, 12).cellSeed = static_cast<uint8_t>(c.seed);
        Civ(kPerson).nation = static_cast<uint8_t>(c.nation);
        EXPECT_NEAR(Corruption(rich), c.corruption, 1e-12) << c.size << " " << c.seed;
    }
}

TEST_F(CityTest, ScienceCultureAndMilitary) {
    struct Case {
        const char* what;
        std::function<void(CityData&)> setup;
        double science;
    };
    const std::vector<Case> cases = {
        {"nothing", [](CityData&) {}, 1},
        {"library", [](CityData& c) { c.buildings[27] = 1; }, 2},
        {"temple, one priest",
         [](CityData& c) {
             c.buildings[33] = 1;
             c.jobs[33] = 1;
         },
         1.4},
        {"temple and hagia sophia",
         [](CityData& c) {
             c.buildings[33] = 1;
             c.jobs[33] = 2;
             game.wonderOwner[6] = kPerson * 100 + 9;
         },
         1.75},
        {"schoolhouse, two teachers",
         [](CityData& c) {
             c.buildings[33] = c.buildings[26] = 1;
             c.jobs[26] = 2;
         },
         3.25},
        {"university and library",
         [](CityData& c) {
             c.buildings[28] = c.buildings[27] = 1;
             c.jobs[28] = 2;
         },
         7},
        {"university alone, one professor",
         [](CityData& c) {
             c.buildings[28] = 1;
             c.jobs[28] = 1;
         },
         3.75},
        {"the observatory here",
         [](CityData& c) { game.wonderOwner[7] = c.owner * 100 + c.founder * 8 + c.nameIndex; }, 3},
        {"the observatory elsewhere", [](CityData&) { game.wonderOwner[7] = kPerson * 100 + 8 + 5; }, 1},
        {"democracy, level 3",
         [](CityData& c) {
             Civ(kPerson).government = 5;
             c.scienceLevel = 3;
         },
         1.6 * 2.2},
        {"levels count as nothing while totals are summed",
         [](CityData& c) {
             c.scienceLevel = 3;
             game.totalsRunning = 1;
         },
         1},
        {"aztecs", [](CityData&) { Civ(kPerson).nation = 2; }, 0.5},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        CityData& city = Found(kPerson, 12, 12, 0);
        c.setup(city);
        EXPECT_NEAR(CityScience(city), c.science, 1e-12) << c.what;
    }

    TearDown();
    SetUp();
    CityData& city = Found(kPerson, 12, 12, 0);
    Civ(kPerson).nation = 2;
    city.buildings[38] = city.buildings[29] = city.buildings[46] = 1;
    EXPECT_DOUBLE_EQ(CityCulture(city), 1 + 1 + 2 + 1) << "culture is not halved for Aztecs";
    Civ(kPerson).nation = 8;
    AddUnit(kPerson, 9, 12, 12);
    AddUnit(kPerson, 9, 12, 12);
    AddUnit(kPerson, 2, 12, 12);
    EXPECT_NEAR(CityCulture(city), 5.6, 1e-12) << "Roman legions in town";

    city.buildings[18] = city.buildings[19] = 1;
    city.jobs[18] = 2;
    EXPECT_DOUBLE_EQ(CityMilitary(city), 1.25 + 0.5 + 1 + 1);
    Civ(kPerson).government = 4;
    city.militaryLevel = 2;
    EXPECT_NEAR(CityMilitary(city), 1.2 * 1.9 * 3.75, 1e-12);
}

// ---------------------------------------------------------------------------
// What a city may start

TEST_F(CityTest, WhatACityMayStart) {
    struct Case {
        const char* what;
        std::function<void(CityData&)> setup;
        int item;
        bool allowed;
    };
    auto knows = [](int science) { Civ(kPerson).knows[science] = 1; };
    auto nation = [](int n) { Civ(kPerson).nation = static_cast<uint8_t>(n); };
    const std::vector<Case> cases = {
        {"settler", [](CityData&) {}, 1, true},
        {"warrior", [](CityData&) {}, 2, true},
        {"no warriors for aztecs", [&](CityData&) { nation(2); }, 2, false},
        {"jaguars for aztecs", [&](CityData&) { nation(2); }, 3, true},
        {"pikemen need bronze", [](CityData&) {}, 4, false},
        {"pikemen", [&](CityData&) { knows(2); }, 4, true},
        {"mamelukes only for arabians", [&](CityData&) { knows(2); }, 5, false},
        {"axemen for germans",
         [&](CityData&) {
             nation(6);
             knows(5);
         },
         33, true},
        {"frigate needs a harbor", [&](CityData&) { knows(30); }, 27, false},
        {"frigate",
         [&](CityData& c) {
             knows(30);
             c.buildings[36] = 1;
         },
         27, true},
        {"granary", [](CityData&) {}, 36, true},
        {"not twice", [](CityData& c) { c.buildings[1] = 1; }, 36, false},
        {"stockade", [&](CityData&) { knows(1); }, 38, true},
        {"no stockade in industry",
         [&](CityData&) {
             knows(1);
             knows(39);
         },
         38, false},
        {"weaver house", [](CityData&) {}, 39, true},
        {"no weaver house beside a mill", [](CityData& c) { c.buildings[12] = 1; }, 39, false},
        {"weaver shop on the house",
         [&](CityData& c) {
             knows(15);
             c.buildings[4] = 1;
         },
         43, true},
        {"no schoolhouse with a university",
         [&](CityData& c) {
             knows(9);
             c.buildings[28] = 1;
         },
         61, false},
        {"the nameless building", [](CityData&) {}, 52, false},
        {"harbor inland", [&](CityData&) { knows(17); }, 71, false},
        {"harbor on the coast",
         [&](CityData&) {
             knows(17);
             Cell(11, 13).terrain = kSea;
         },
         71, true},
        {"pyramids", [&](CityData&) { knows(1); }, 74, true},
        {"pyramids already stand", [&](CityData&) { knows(1), game.wonderOwner[1] = 208; }, 74, false},
        {"colossus needs a harbor", [&](CityData&) { knows(2); }, 78, false},
        {"eiffel tower", [&](CityData&) { knows(36); }, 81, true},
        {"no item 82", [](CityData&) {}, 82, false},
        {"no item 0", [](CityData&) {}, 0, false},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        CityData& city = Found(kPerson, 12, 12, 0);
        c.setup(city);
        EXPECT_EQ(CanProduce(city, c.item), c.allowed) << c.what;
    }
}

// ---------------------------------------------------------------------------
// News

TEST_F(CityTest, OnlyPeopleReadNewsAndOnlyTwelveItems) {
    AddNews(kComputer, 3, 4, 98);
    EXPECT_EQ(Civ(kComputer).newsCount, 0);
    for (int i = 0; i < 14; ++i) AddNews(kPerson, 12, 7, 36 + i);
    EXPECT_EQ(Civ(kPerson).newsCount, kMaxNews);
    EXPECT_EQ(News(kPerson, 1), 12 * 100000 + 7 * 1000 + 36);
    EXPECT_EQ(News(kPerson, 12), 12 * 100000 + 7 * 1000 + 47);
}

} // namespace
