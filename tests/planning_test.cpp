// The computer's plans for its whole civilization: where its next city goes and who founds
// it, what it fears, who escorts the founder, the stone of the wagon trains and the settlers'
// work; and a computer that founds its first cities on its own.
#include "ai/computer_player.h"
#include "ai/planning.h"
#include "city_fixture.h"
#include "shell/autoplay.h"
#include "units/movement.h"
#include "units/unit_table.h"
#include "world/setup.h"

#include <cmath>

using namespace annals;
using namespace city_test;

namespace {

class PlanningTest : public CityFixture {
protected:
    static int Add(int civ, int type, int x, int y) {
        AddUnit(civ, type, x, y);
        return Civ(civ).unitCount;
    }
};

constexpr int kAgricultureScience = 6, kMiningScience = 7, kWheelScience = 16;

} // namespace

TEST(SitePenalty, GrowsFasterTheFartherTheSite) {
    const struct {
        double d, penalty;
    } cases[] = {{0, 0},   {6, 6},    {9, 9},    {10, 11},  {12, 15},  {13, 18},  {16, 29},  {19, 47},
                 {22, 75}, {25, 117}, {28, 181}, {31, 281}, {34, 439}, {36, 579}, {37, 679}, {40, 979}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(SitePenalty(c.d), c.penalty) << c.d;
}

TEST_F(PlanningTest, SiteCandidatesKeepAwayFromArmedUnits) {
    struct Case {
        const char* name;
        int founded;
        int type, dx, dy; // a foreign unit near the site (0: none)
        bool accepted;
    };
    const Case cases[] = {
        {"open land", 1, 0, 0, 0, true},
        {"a Musketman next to it, one city founded", 1, kMusketman, 1, 0, false},
        {"two cells away, one city founded", 1, kMusketman, 2, 2, false},
        {"two cells away, two cities founded", 2, kMusketman, 2, 2, true},
        {"next to it, two cities founded", 2, kMusketman, 1, 0, false},
        {"next to it, three founded", 3, kMusketman, 1, 0, true},
        {"next to it, four founded", 4, kMusketman, 1, 1, true},
        {"on it, four founded", 4, kMusketman, 0, 0, false},
        {"on it, five founded", 5, kMusketman, 0, 0, true},
        {"a Settler next to it", 1, kSettler, 1, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Civ(kComputer).citiesFounded = static_cast<uint8_t>(c.founded);
        if (c.type != 0) Add(kPerson, c.type, 10 + c.dx, 10 + c.dy);
        EXPECT_EQ(SiteCandidate(kComputer, 10, 10), c.accepted);
    }
    SetUp();
    EXPECT_FALSE(SiteCandidate(kComputer, 2, 10)) << "the map's edge";
    Cell(10, 10).hill = 1;
    EXPECT_FALSE(SiteCandidate(kComputer, 10, 10)) << "a hill";
    Cell(10, 10).hill = 0;
    Cell(10, 10).forest = 1;
    EXPECT_FALSE(SiteCandidate(kComputer, 10, 10)) << "a forest it cannot clear";
    Civ(kComputer).knows[kAgricultureScience] = 1;
    EXPECT_TRUE(SiteCandidate(kComputer, 10, 10)) << "a forest it can clear";
    Found(kPerson, 12, 12);
    EXPECT_FALSE(SiteCandidate(kComputer, 10, 10)) << "a city within two cells";
}

TEST_F(PlanningTest, SiteScoreFavoursNearLandItsCitiesReach) {
    Found(kComputer, 12, 12, 2);
    Add(kComputer, kWarrior, 12, 12);
    // A sea splits off the east from column 19.
    for (int y = 1; y <= 24; ++y) Cell(19, y).terrain = kSea;
    DistanceCalculation();
    Civ(kComputer).citiesFounded = 1;
    const double near = SiteScore(kComputer, 15, 12);
    const double far = SiteScore(kComputer, 12, 5);
    EXPECT_GT(near, 0);
    EXPECT_GT(near, far);
    EXPECT_EQ(SiteScore(kComputer, 21, 12), 0) << "no city of the civilization reaches it";

    // A city far away claims nothing, however great its culture.
    game.siteX = 15;
    game.siteY = 12;
    const double before = SiteQuality(2, 15, 12);
    CityData& far_city = Found(kPerson, 22, 22);
    far_city.culture = 5000;
    game.siteX = 15;
    game.siteY = 12;
    EXPECT_DOUBLE_EQ(SiteQuality(2, 15, 12), before);
    // One next door claims the cells it reaches.
    CityData& close = Found(kPerson, 17, 12);
    close.culture = 150;
    EXPECT_LT(SiteQuality(2, 15, 12), before);
}

TEST_F(PlanningTest, FounderIsTheNearerOfASettlerAndACitizen) {
    struct Case {
        const char* name;
        int settlerX; // a settler on row 12 (0: none)
        int citySize;
        bool settlerGoes;
    };
    const Case cases[] = {
        {"a settler beside the site goes", 17, 3, true},
        {"a settler as far as the city is preferred", 12, 3, true},
        // The settler bonus (one settler: halved, plus 12 without Agriculture) is worth a few
        // cells, not a whole journey.
        {"a settler much farther away stays", 2, 3, false},
        {"a city of one citizen gives nobody", 2, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Found(kComputer, 12, 12, c.citySize);
        Add(kComputer, kWarrior, 12, 12);
        Add(kComputer, kWarrior, 12, 12);
        if (c.settlerX != 0) Add(kComputer, kSettler, c.settlerX, 12);
        DistanceCalculation();
        ThreatAssessment threats;
        AssessThreats(kComputer, threats);
        const FounderChoice choice = ChooseFounder(kComputer, 16, 12, threats);
        if (c.settlerGoes) {
            EXPECT_EQ(choice.settler, 3);
            EXPECT_EQ(choice.city, 0);
        } else {
            EXPECT_EQ(choice.city, 1);
            EXPECT_EQ(choice.distance, 12);
        }
    }
}

TEST_F(PlanningTest, AFullUnitTableReleasesNobody) {
    Found(kComputer, 12, 12, 3);
    for (int i = 0; i < kMaxUnits; ++i) Add(kComputer, kWarrior, 8 + i % 10, 18 + i / 100);
    DistanceCalculation();
    ThreatAssessment threats;
    AssessThreats(kComputer, threats);
    EXPECT_EQ(ChooseFounder(kComputer, 16, 12, threats).city, 0);
    Civ(kComputer).turnMark = 0;
    PlanningPass(kComputer);
    EXPECT_EQ(Civ(kComputer).referenceUnit, 0);
    EXPECT_EQ(City(12, 12).size, 3);
}

TEST_F(PlanningTest, FoundingGateWaitsForTheIncomeOfAShortJourney) {
    struct Case {
        int government;
        double gold;
        int distance;
        bool goes;
    };
    // aiLevel 3, cities of size 3 and 4: with 10 gold the reserve is 22; under Despotism
    // round (22 / 0.63) = 35 turns of income, so 105 thirds; under Monarchy round (22 / 0.28) = 79.
    const Case cases[] = {
        {2, 10, 105, true}, {2, 10, 104, false},  {3, 10, 237, true},   {3, 10, 236, false},
        {2, 32, 0, true},   {4, 500, 300, false}, {5, 500, 300, false}, {1, 500, 300, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.government << " " << c.gold << " " << c.distance);
        SetUp();
        Found(kComputer, 6, 6, 3);
        Found(kComputer, 16, 16, 4);
        Civ(kComputer).government = static_cast<uint8_t>(c.government);
        Civ(kComputer).gold = c.gold;
        EXPECT_EQ(FoundingGateOpen(kComputer, c.distance), c.goes);
    }
    SetUp();
    Civ(kComputer).gold = 31;
    EXPECT_FALSE(FoundingGateOpen(kComputer, 50)) << "no city, no income: the reserve must be there";
    Civ(kComputer).gold = 40;
    EXPECT_TRUE(FoundingGateOpen(kComputer, 0));
}

TEST_F(PlanningTest, ThreatTableCountsEnemiesByTheirTurnOfArrival) {
    struct Case {
        int cells; // an enemy Warrior this many cells east of the city
        int defender;
        bool threatened;
    };
    // A Warrior (attack 1, 2 lives) weighs 2; a Warrior defender (defence 1, 2 lives) makes
    // 0.15 * 2^2 = 0.6, a Pikeman 0.15 * 4^2 = 2.4; with one city founded the limit is 1.
    const Case cases[] = {
        {1, kWarrior, true},  {2, kWarrior, true},  {3, kWarrior, true}, {4, kWarrior, false},
        {5, kWarrior, false}, {1, kPikeman, false}, {2, 0, true},        {5, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cells << " " << c.defender);
        SetUp();
        Found(kComputer, 10, 10);
        if (c.defender) Add(kComputer, c.defender, 10, 10);
        Add(kPerson, kWarrior, 10 + c.cells, 10);
        Add(kNatives, kHorseman, 10, 10 + c.cells);
        DistanceCalculation();
        ThreatAssessment threats;
        AssessThreats(kComputer, threats);
        EXPECT_DOUBLE_EQ(threats.table[1][kPerson][c.cells], 2);
        EXPECT_DOUBLE_EQ(threats.table[1][0][c.cells], 2) << "the natives are not counted";
        EXPECT_EQ(threats.cityDefence[1], c.defender == kWarrior ? 2 : c.defender == kPikeman ? 4 : 0);
        EXPECT_EQ(threats.threatened[1], c.threatened);
    }
}

TEST_F(PlanningTest, EscortIsTheBetterOfTheCitysDefenders) {
    for (const bool warriorFirst : {true, false}) {
        SCOPED_TRACE(warriorFirst);
        SetUp();
        Civ(kComputer).knows[kAgricultureScience] = 1;
        Found(kComputer, 8, 8, 3);
        const int first = Add(kComputer, warriorFirst ? kWarrior : kPikeman, 8, 8);
        const int second = Add(kComputer, warriorFirst ? kPikeman : kWarrior, 8, 8);
        for (int i = 0; i < 4; ++i) Add(kComputer, kMusketman, 3, 20); // raise the quota
        const int settler = Add(kComputer, kSettler, 8, 8);
        DistanceCalculation();
        Civ(kComputer).referenceUnit = static_cast<uint8_t>(settler);
        FindPath(Unit(kComputer, settler), kStoreRoute, kComputer, settler, 14, 8);
        Civ(kComputer).turnMark = 0;
        PlanningPass(kComputer);
        const UnitRecord& pikeman = Unit(kComputer, warriorFirst ? second : first);
        const UnitRecord& warrior = Unit(kComputer, warriorFirst ? first : second);
        EXPECT_EQ(pikeman.missionFlags[4], warriorFirst ? 1 : 0);
        EXPECT_EQ(pikeman.gotoX, warriorFirst ? 14 : 0);
        EXPECT_EQ(warrior.missionFlags[4], 0);
    }
}

TEST_F(PlanningTest, WagonTrainsFetchAndBringStone) {
    CityData& quarry = Found(kComputer, 8, 8, 2);
    quarry.stock[kStone] = 150;
    quarry.buildItem = 74; // a wonder
    const int wagon = Add(kComputer, kWagonTrain, 8, 8);
    DistanceCalculation();
    Civ(kComputer).turnMark = 0;
    PlanningPass(kComputer);
    EXPECT_EQ(Unit(kComputer, wagon).cargo[1], 7100);
    EXPECT_EQ(quarry.stock[kStone], 50);

    // Loaded, it goes to the city that needs stone most and delivers on the spot.
    CityData& needy = Found(kComputer, 14, 8, 2);
    needy.stock[kStone] = 0;
    DistanceCalculation();
    Civ(kComputer).turnMark = 0;
    PlanningPass(kComputer);
    EXPECT_EQ(Unit(kComputer, wagon).gotoX, 14);
    EXPECT_EQ(Unit(kComputer, wagon).jobTimer, 7002);
}

TEST_F(PlanningTest, SettlerJobsSuitTheLand) {
    struct Case {
        const char* name;
        int science;
        void (*land)(MapCell&);
        int dx, dy;
        int order;
    };
    const Case cases[] = {
        {"a forest is cleared", kAgricultureScience, [](MapCell& c) { c.forest = 1; }, 1, 0, 3},
        {"grassland becomes a field", kAgricultureScience, [](MapCell&) {}, 1, 0, 3},
        {"desert stays", kAgricultureScience, [](MapCell& c) { c.terrain = kDesert; }, 1, 0, 0},
        {"a hill is examined", kMiningScience, [](MapCell& c) { c.hill = 1; }, 0, 1, 5},
        {"an examined hill is not", kMiningScience, [](MapCell& c) { c.hill = 1, c.hillExamined = 1; }, 0, 1,
         0},
        {"a road between cities", kWheelScience, [](MapCell&) {}, 1, 0, 6},
        {"no science, no job", 0, [](MapCell& c) { c.forest = 1; }, 1, 0, 0},
        {"a site is visited", 0, [](MapCell& c) { c.site = 1; }, 1, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Found(kComputer, 8, 8, 2);
        Found(kComputer, 12, 8, 2);
        Civ(kComputer).citiesFounded = 4;
        if (c.science) Civ(kComputer).knows[c.science] = 1;
        MapCell& cell = Cell(8 + c.dx, 8 + c.dy);
        c.land(cell);
        const SettlerJob job = RateSettlerJob(kComputer, 8 + c.dx, 8 + c.dy, 0);
        EXPECT_EQ(job.order, c.order);
        if (c.order != 0) {
            EXPECT_GT(job.rating, 0);
        }
    }
    // The farther the settler, the less the job is worth.
    Civ(kComputer).knows[kAgricultureScience] = 1;
    EXPECT_GT(RateSettlerJob(kComputer, 9, 8, 0).rating, RateSettlerJob(kComputer, 9, 8, 12).rating);
    EXPECT_DOUBLE_EQ(SettlerWorkThreshold(3, 6.4), 1.3);
    EXPECT_DOUBLE_EQ(SettlerWorkThreshold(5, 31), 0.9);
    EXPECT_DOUBLE_EQ(SettlerWorkThreshold(6, 33.4), 0.6);
    EXPECT_DOUBLE_EQ(SettlerWorkThreshold(4, 41), 0.5);
}

TEST_F(PlanningTest, IdleSettlersAreSentToWork) {
    Found(kComputer, 8, 8, 3);
    Found(kComputer, 14, 8, 3);
    Found(kComputer, 8, 14, 3);
    Civ(kComputer).citiesFounded = 6; // no more cities to plan
    Civ(kComputer).knows[kAgricultureScience] = 1;
    Cell(9, 8).forest = 1;
    const int settler = Add(kComputer, kSettler, 8, 8);
    DistanceCalculation();
    Civ(kComputer).turnMark = 0;
    PlanningPass(kComputer);
    const UnitRecord& unit = Unit(kComputer, settler);
    EXPECT_NE(unit.order, 0);
    EXPECT_NE(unit.gotoX, 0);
}

TEST_F(PlanningTest, RouteStepsLeadOnlyWhereTheyCan) {
    const int slot = Add(kComputer, kWarrior, 1 + 2, 10);
    UnitRecord& unit = Unit(kComputer, slot);
    unit.pathLength = 2;
    unit.pathStep = 1;
    unit.path[1] = 4;
    unit.path[2] = 5;
    int x = 0, y = 0;
    EXPECT_TRUE(NextStepCell(unit, x, y));
    EXPECT_EQ(x, 2);
    unit.pathStep = 2;
    EXPECT_FALSE(NextStepCell(unit, x, y)) << "5 is no direction";
    unit.pathStep = 3;
    EXPECT_FALSE(NextStepCell(unit, x, y)) << "past the route";
    unit.x = 1;
    unit.pathStep = 1;
    EXPECT_FALSE(NextStepCell(unit, x, y)) << "off the map";
}

// The computer's civilization alone on the fixture's grassland, driven as the game drives it.
TEST_F(PlanningTest, AComputerFoundsItsFirstCitiesOnItsOwn) {
    struct Case {
        const char* name;
        int x, y;
        double gold;
        bool forest;
    };
    const Case cases[] = {
        {"where it stands", 12, 12, 75, false},
        {"off the forest it stands on", 12, 12, 75, true},
        {"away from the map's edge", 2, 12, 75, false},
        {"once it has the gold", 12, 12, 20, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        game.civCount = 3;
        Civ(kPerson).isComputer = 1;
        Civ(kComputer).gold = c.gold;
        Cell(c.x, c.y).forest = c.forest ? 1 : 0;
        const int settler = Add(kComputer, kSettler, c.x, c.y);
        Add(kComputer, kWarrior, c.x, c.y);
        Civ(kComputer).referenceUnit = static_cast<uint8_t>(settler);
        Add(kNatives, kWarrior, 22, 22);
        game.currentCiv = kComputer;
        game.currentUnit = 1;
        game.turn = 1;
        DistanceCalculation();
        int firstCity = 0, secondCity = 0;
        for (long step = 0; step < 200000 && game.turn < 60 && secondCity == 0; ++step) {
            AutoplayStep();
            if (Civ(kComputer).gold < 30 && Civ(kComputer).cityCount == 0 && game.turn > 3)
                Civ(kComputer).gold = 40; // the treasury fills (there is no city to pay in yet)
            if (firstCity == 0 && Civ(kComputer).citiesFounded >= 1) firstCity = game.turn;
            if (secondCity == 0 && Civ(kComputer).citiesFounded >= 2) secondCity = game.turn;
        }
        ASSERT_NE(firstCity, 0);
        EXPECT_LE(firstCity, c.gold < 30 ? 5 : 3);
        const CityRef first = Civ(kComputer).cities[1];
        EXPECT_TRUE(first.x >= 3 && first.y >= 3 && !Cell(first.x, first.y).forest);
        // The first city grows to two citizens, gives one as founder, and the founder walks
        // a few cells: well within forty rounds on open grassland.
        // A poor treasury waits besides for the city's income to pay for the next city.
        ASSERT_NE(secondCity, 0);
        EXPECT_LE(secondCity - firstCity, c.gold < 30 ? 60 : 40);
    }
}

TEST_F(PlanningTest, NativesSendARaiderEvenWhenTheirShareIsBelowOne) {
    // Two villages with five warriors: one more than the four they keep at home. Their share
    // for one civilization is 5 / (2 x 3) = 0.83 units, so one may go, and only one.
    struct Case {
        double relation;
        int raiders;
    } cases[] = {{13, 1}, {18.5, 0}, {25, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relation);
        TearDown();
        SetUp();
        Found(kNatives, 4, 4);
        Found(kNatives, 4, 10);
        Found(kPerson, 14, 4);
        for (int i = 0; i < 3; ++i) Add(kNatives, kJaguar, 4, 4);
        for (int i = 0; i < 2; ++i) Add(kNatives, kJaguar, 4, 10);
        Civ(kNatives).relation[kPerson] = Civ(kPerson).relation[kNatives] = c.relation;
        DistanceCalculation();
        PlanningPass(kNatives);
        int raiders = 0;
        for (int s = 1; s <= Civ(kNatives).unitCount; ++s) {
            const UnitRecord& unit = Unit(kNatives, s);
            if (unit.missionFlags[3] == 1 && unit.gotoX == 14 && unit.gotoY == 4) ++raiders;
        }
        EXPECT_EQ(raiders, c.raiders);
    }
}
