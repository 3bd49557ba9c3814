#include "state/rules.h"
#include "state/state.h"

#include <gtest/gtest.h>

#include <string>

using namespace annals;

namespace {

constexpr uint8_t kEnglish = 1;
constexpr uint8_t kTurkish = 2;

void StartIn(uint8_t language) {
    ResetState();
    game.language = language;
    InitializeVariables();
}

// Puts a unit of the given type and experience into slot 1 of civilization civ.
void PlaceUnit(int civ, int type, int experience) {
    UnitRecord& unit = Unit(civ, 1);
    unit.type = static_cast<uint8_t>(type);
    unit.experience = static_cast<uint8_t>(experience);
    Civ(civ).unitCount = 1;
}

} // namespace

TEST(Rules, InitializeVariablesSetsStartValues) {
    ResetState();
    ui.innerFrame = 3;
    InitializeVariables();
    EXPECT_EQ(game.year, -4000);
    EXPECT_EQ(game.turn, 2);
    EXPECT_EQ(ui.musicOn, 1);
    EXPECT_EQ(ui.musicCountdown, 15);
    EXPECT_EQ(ui.innerFrame, 0);
}

TEST(Rules, ScienceCostFollowsTheLanguageChosenAtStart) {
    struct Case {
        int science;
        int32_t english;
        int32_t turkish;
    };
    const Case cases[] = {
        {1, 10, 10},    {18, 80, 60},   {19, 140, 120},   {22, 120, 80}, {28, 240, 150},
        {33, 320, 320}, {34, 320, 240}, {50, 2000, 2000}, {0, 0, 0},     {51, 0, 0},
    };
    for (const Case& c : cases) {
        StartIn(kEnglish);
        EXPECT_EQ(scienceCost(c.science), c.english) << "science " << c.science;
        StartIn(kTurkish);
        EXPECT_EQ(scienceCost(c.science), c.turkish) << "science " << c.science;
    }
    // Anything but 1 is Turkish, including the zero a reset leaves behind.
    StartIn(0);
    EXPECT_EQ(scienceCost(19), 120);
}

TEST(Rules, TextsComeInTheChosenLanguage) {
    struct Case {
        const char* what;
        const char* (*lookup)(int);
        int index;
        const char* english;
        const char* turkish;
    };
    const Case cases[] = {
        {"government", governmentName, 5, "Democracy", "Demokrasi"},
        {"nation", nationName, 3, "Britons", "İngilizler"},
        {"natives", nationName, 13, "Natives", "Yerliler"},
        {"country", countryName, 8, "Roman Empire", "Roma İmparatorluğu"},
        {"terrain", terrainName, 7, "Arctic", "Tundra"},
        {"product", productName, 14, "Coat", "Kürk"},
        {"experience", experienceName, 5, "Hero", "Kahraman"},
        {"unit", unitTypeName, 17, "H. Archer", "Atlı Okçu"},
        {"unit copy", unitNameCopy, 34, "Wagon Train", "Kervan"},
        {"science", scienceName, 20, "Knight's Code", "Şovalyelik"},
        {"building", buildingName, 43, "Colossus", "Rodos Heykeli"},
        {"job", jobName, 12, "Weaver", "Kumaşçı"},
        {"job", jobName, 30, "Paper Producer", "Kağıt Üretici"},
        {"job without a name", jobName, 19, "-", "-"},
        // Holes and ends of the tables are empty.
        {"unused nation", nationName, 11, "", ""},
        {"unnamed building", buildingName, 17, "", ""},
        {"government", governmentName, 6, "", ""},
        {"unit", unitTypeName, 0, "", ""},
        {"unit", unitTypeName, 36, "", ""},
        {"job", jobName, 39, "", ""},
        {"product", productName, -1, "", ""},
    };
    for (const Case& c : cases) {
        StartIn(kEnglish);
        EXPECT_STREQ(c.lookup(c.index), c.english) << c.what << " " << c.index;
        StartIn(kTurkish);
        EXPECT_STREQ(c.lookup(c.index), c.turkish) << c.what << " " << c.index;
    }
    StartIn(kTurkish);
    EXPECT_STREQ(Tr("Peace", "Barış"), "Barış");
    StartIn(kEnglish);
    EXPECT_STREQ(Tr("Peace", "Barış"), "Peace");
}

TEST(Rules, CityNamesByFounderAndNameIndex) {
    struct Case {
        int nation;
        int k;
        const char* name;
    };
    const Case cases[] = {
        {13, 6, "Ica"}, {10, 4, "Hlair"}, {1, 1, "Baghdad"}, {9, 3, "Istanbul"},
        {13, 7, ""},    {11, 1, ""},      {3, 0, ""},        {14, 1, ""},
    };
    for (uint8_t language : {kEnglish, kTurkish}) {
        StartIn(language);
        for (const Case& c : cases) EXPECT_STREQ(cityName(c.nation, c.k), c.name) << c.nation << "/" << c.k;
    }
}

TEST(Rules, UnitTableColumns) {
    struct Case {
        int type;
        int cost, moves, defence, attack, lives, shown, capacity;
    };
    const Case cases[] = {
        {1, 20, 1, 0, 0, 1, 1, 0},   // Settler
        {15, 80, 1, 7, 7, 2, 2, 0},  // Marine
        {18, 30, 3, 1, 2, 3, 3, 0},  // Chu Ko Nu
        {21, 40, 1, 1, 4, 4, 4, 0},  // War Elephant
        {25, 100, 1, 6, 6, 3, 3, 0}, // Tank
        {29, 40, 4, 3, 0, 4, 4, 4},  // Galleon
        {31, 100, 6, 0, 6, 2, 1, 0}, // Fighter: built with 2 lives, shown with 1
        {32, 150, 9, 0, 8, 3, 1, 0}, // Bomber: built with 3 lives, shown with 1
        {34, 10, 2, 0, 0, 1, 1, 2},  // Wagon Train
        {35, 20, 1, 2, 2, 2, 2, 0},  // Berserk
        {0, 0, 1, 8, 5, 2, 0, 0},    // no type
        {36, 50, 1, 8, 5, 2, 0, 0},  // beyond the table; build item 36 is the Granary
        {-5, 0, 1, 8, 5, 2, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(buildCost(c.type), c.cost);
        EXPECT_EQ(UnitTypeMoves(c.type), c.moves);
        EXPECT_EQ(UnitTypeDefence(c.type), c.defence);
        EXPECT_EQ(UnitTypeAttack(c.type), c.attack);
        EXPECT_EQ(UnitTypeLives(c.type), c.lives);
        EXPECT_EQ(UnitTypeLivesShown(c.type), c.shown);
        EXPECT_EQ(UnitTypeCapacity(c.type), c.capacity);
    }
}

TEST(Rules, UnitClassesCoverEveryType) {
    for (int type = 0; type <= kUnitTypes + 1; ++type) {
        SCOPED_TRACE(type);
        const bool valid = type >= 1 && type <= kUnitTypes;
        EXPECT_EQ(IsBombard(type), valid && type >= 23 && type <= 25);
        EXPECT_EQ(IsShip(type), valid && type >= 26 && type <= 30);
        EXPECT_EQ(IsAir(type), type == 31 || type == 32);
        EXPECT_EQ(IsLandOrBombard(type), type < 26 || type > 32);
        // Every ship carries something; nothing else but the Wagon Train does.
        EXPECT_EQ(UnitTypeCapacity(type) > 0, IsShip(type) || type == 34);
    }
}

TEST(Rules, BuildingsAndBuildItems) {
    struct Case {
        int building;
        int32_t cost;
        int workers;
        int picture;
    };
    const Case cases[] = {
        {1, 50, 0, 22},  {4, 50, 2, 7},   {15, 150, 2, 31}, {17, 0, 0, 0},    {18, 50, 2, 5},
        {21, 100, 0, 0}, {30, 100, 0, 0}, {37, 100, 2, 18}, {39, 200, 0, 39}, {46, 200, 0, 46},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.building);
        EXPECT_EQ(buildCost(kUnitTypes + c.building), c.cost);
        EXPECT_EQ(maxWorkers(c.building), c.workers);
        EXPECT_EQ(buildingPicture(c.building), c.picture);
    }
    // Workers go exactly into the buildings that have a job with a name.
    StartIn(kEnglish);
    for (int b = 1; b <= kBuildings; ++b) {
        const bool hasWorkers = maxWorkers(b) > 0;
        const bool namedJob = b <= kJobs && std::string(jobName(b)) != "-";
        if (b == 16 || b == 17 || b == 29 || b == 30 || b == 34) continue; // named, but nobody works there
        EXPECT_EQ(hasWorkers, namedJob) << "building " << b;
    }
    for (int item : {0, 82, -1}) EXPECT_EQ(buildCost(item), 0) << item;
    for (int b : {0, 47}) {
        EXPECT_EQ(maxWorkers(b), 0);
        EXPECT_EQ(buildingPicture(b), 0);
    }
}

TEST(Rules, ProductPrices) {
    const int prices[kProducts + 1] = {0, 1, 4, 5, 6, 6, 2, 1, 100, 10, 6, 15, 16, 20, 25};
    for (int p = 0; p <= kProducts; ++p) EXPECT_EQ(productPrice(p), prices[p]) << p;
    EXPECT_EQ(productPrice(15), 0);
}

TEST(Rules, PositionsAndDirections) {
    EXPECT_EQ(picturePosition(1).x, 279);
    EXPECT_EQ(picturePosition(1).y, 351);
    EXPECT_EQ(picturePosition(30).x, 291);
    EXPECT_EQ(picturePosition(30).y, 327);
    EXPECT_EQ(picturePosition(45).x, 362);
    EXPECT_EQ(picturePosition(45).y, 345);
    EXPECT_EQ(picturePosition(46).x, 0);
    EXPECT_EQ(picturePosition(0).y, 0);

    struct Case {
        int direction, dx, dy;
    };
    const Case cases[] = {{1, -1, 1},  {2, 0, 1},  {3, 1, 1},  {4, -1, 0}, {5, 0, 0}, {6, 1, 0},
                          {7, -1, -1}, {8, 0, -1}, {9, 1, -1}, {0, 0, 0},  {10, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(directionDx(c.direction), c.dx) << c.direction;
        EXPECT_EQ(directionDy(c.direction), c.dy) << c.direction;
    }
}

TEST(Rules, ColossusSpeedsUpItsOwnersShipsOnly) {
    struct Case {
        int type;
        int civ;
        int moves;
    };
    const int colossus = kColossus - kFirstWonder + 1;
    const Case cases[] = {
        {27, 2, 5}, // Frigate of the owner
        {26, 3, 3}, // Caravel of another civilization
        {26, 2, 4}, // Caravel of the owner
        {16, 2, 2}, // Horseman of the owner: only ships sail faster
        {31, 2, 6}, // Fighter of the owner
    };
    for (const Case& c : cases) {
        StartIn(kEnglish);
        game.civCount = 4;
        game.wonderOwner[colossus] = 2 * 100 + 3 * 8 + 1; // built by civ 3's first city, now held by civ 2
        PlaceUnit(c.civ, c.type, 1);
        EXPECT_EQ(UnitMoves(c.civ, 1), c.moves) << "type " << c.type << " civ " << c.civ;
    }
    // Not yet built: nobody's ships gain.
    StartIn(kEnglish);
    PlaceUnit(1, 27, 1);
    EXPECT_EQ(UnitMoves(1, 1), 4);
}

TEST(Rules, ExperienceStrengthensFightersOnly) {
    struct Case {
        int type;
        int experience;
        double defence;
        double attack;
    };
    const Case cases[] = {
        {9, 5, 3.8, 3.8}, // Legion, level 3
        {9, 1, 3.0, 3.0},   {9, 2, 3.0, 3.0},  {9, 3, 3.4, 3.4},   {9, 8, 4.2, 4.2},
        {9, 9, 5.0, 5.0},   {9, 10, 5.0, 5.0}, {9, 200, 5.0, 5.0}, // a stray experience keeps the top bonus
        {9, 0, 3.0, 3.0},   {23, 9, 0.0, 3.0},                     // Catapult: no bonus for bombard units
        {25, 9, 6.0, 6.0},                                         // Tank
        {27, 9, 3.0, 4.0},                                         // Frigate
        {1, 9, 0.0, 0.0},                                          // Settler
        {34, 9, 0.0, 0.0},                                         // Wagon Train
        {32, 9, 2.0, 10.0},                                        // Bomber: aircraft do learn
    };
    for (const Case& c : cases) {
        StartIn(kEnglish);
        PlaceUnit(1, c.type, c.experience);
        EXPECT_DOUBLE_EQ(UnitDefence(1, 1), c.defence) << "type " << c.type << " exp " << c.experience;
        EXPECT_DOUBLE_EQ(UnitAttack(1, 1), c.attack) << "type " << c.type << " exp " << c.experience;
    }
}
