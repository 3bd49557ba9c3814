// What computer units decide in small fixed situations, the cities' settler releases, the
// demands at people's borders, and whole computer games that must run to their end.
#include "ai/computer_player.h"
#include "city_fixture.h"
#include "persist/save_game.h"
#include "units/movement.h"
#include "units/unit_table.h"
#include "world/setup.h"

#include <functional>

using namespace annals;
using namespace city_test;

namespace {

// The city world with a sea in its west (columns 1..6).
class ComputerPlayerTest : public CityFixture {
protected:
    void SetUp() override {
        CityFixture::SetUp();
        for (int x = 1; x <= 6; ++x)
            for (int y = 1; y <= 24; ++y) {
                Cell(x, y).terrain = kSea;
                Cell(x, y).seaBody = 1;
            }
        game.currentCiv = kComputer;
    }

    static int Add(int civ, int type, int x, int y) {
        AddUnit(civ, type, x, y);
        return Civ(civ).unitCount;
    }
    // Makes unit `slot` of the computer the one whose turn it is, in the given pass.
    static void Select(int slot, bool secondPass) {
        DistanceCalculation();
        game.currentCiv = kComputer;
        game.currentUnit = static_cast<uint8_t>(slot);
        game.secondPassStarted = secondPass ? 1 : 0;
    }
    // Runs the computer player for the current unit as long as it keeps the turn.
    static void Decide() {
        for (int i = 0; i < 5; ++i) {
            game.unitHandled = 0;
            AI();
            if (!game.unitHandled) return;
        }
        ADD_FAILURE() << "the unit kept the turn";
    }
    static void ManualRoute(UnitRecord& unit, std::initializer_list<int> directions, int gx, int gy) {
        unit.pathLength = 0;
        for (int d : directions) unit.path[++unit.pathLength] = static_cast<uint8_t>(d);
        unit.pathStep = 1;
        unit.gotoX = static_cast<uint8_t>(gx);
        unit.gotoY = static_cast<uint8_t>(gy);
    }
};

struct DecisionCase {
    const char* name;
    std::function<void()> setUp; // places the units; the computer's unit 1 decides
    std::function<void()> check;
};

} // namespace

TEST_F(ComputerPlayerTest, UnitDecisions) {
    const int east = DirectionOf(1, 0), south = DirectionOf(0, 1);
    const std::vector<DecisionCase> cases = {
        {"a soldier waits for the second pass keeping its moves",
         [] {
             Add(kComputer, kWarrior, 14, 14);
             Add(kPerson, kCatapult, 15, 14);
             Select(1, false);
         },
         [] {
             EXPECT_EQ(Unit(kComputer, 1).movesLeft, 3);
             EXPECT_EQ(Unit(kComputer, 1).fortified, 0);
         }},
        {"in the second pass it falls on an enemy gun within reach",
         [] {
             Add(kComputer, kWarrior, 14, 14);
             Add(kPerson, kCatapult, 15, 14);
             Select(1, true);
         },
         [] {
             const bool fought = Civ(kPerson).unitCount == 0 || Civ(kComputer).unitCount == 0 ||
                                 Unit(kComputer, 1).attackedThisTurn;
             EXPECT_TRUE(fought);
         }},
        {"a gun out of reach leaves it standing",
         [] {
             Add(kComputer, kWarrior, 14, 14);
             Add(kPerson, kCatapult, 18, 14);
             Select(1, true);
         },
         [] {
             EXPECT_EQ(Unit(kComputer, 1).x, 14);
             EXPECT_EQ(Unit(kComputer, 1).fortified, 1);
             EXPECT_EQ(Civ(kPerson).unitCount, 1);
         }},
        {"a grouped pikeman stops beside a defended target and digs in",
         [east] {
             const int s = Add(kComputer, kPikeman, 14, 14);
             Add(kPerson, kWarrior, 15, 14);
             Unit(kComputer, s).missionFlags[2] = Unit(kComputer, s).missionFlags[3] = 1;
             ManualRoute(Unit(kComputer, s), {east}, 15, 14);
             Select(s, true);
         },
         [] {
             EXPECT_EQ(Unit(kComputer, 1).x, 14);
             EXPECT_EQ(Unit(kComputer, 1).fortified, 1);
             EXPECT_EQ(Civ(kPerson).unitCount, 1);
         }},
        {"a friendly person's unit in the way makes it wait",
         [east] {
             Civ(kComputer).relation[kPerson] = 30;
             const int s = Add(kComputer, kWarrior, 14, 14);
             Add(kPerson, kWarrior, 15, 14);
             ManualRoute(Unit(kComputer, s), {east, east}, 16, 14);
             Select(s, true);
         },
         [] {
             EXPECT_EQ(Unit(kComputer, 1).x, 14);
             EXPECT_EQ(Unit(kComputer, 1).movesLeft, 0);
             EXPECT_EQ(Civ(kPerson).unitCount, 1);
         }},
        {"the chosen founder heads for its site",
         [] {
             const int s = Add(kComputer, kSettler, 12, 12);
             Civ(kComputer).referenceUnit = static_cast<uint8_t>(s);
             DistanceCalculation();
             FindPath(Unit(kComputer, s), kStoreRoute, kComputer, s, 16, 12);
             Select(s, false);
         },
         [] {
             EXPECT_EQ(Unit(kComputer, 1).x, 13);
             EXPECT_EQ(Unit(kComputer, 1).gotoX, 16);
         }},
        {"on its site it founds the city",
         [] {
             const int s = Add(kComputer, kSettler, 16, 12);
             Civ(kComputer).referenceUnit = static_cast<uint8_t>(s);
             Unit(kComputer, s).gotoX = 16;
             Unit(kComputer, s).gotoY = 12;
             Select(s, false);
         },
         [] {
             EXPECT_TRUE(City(16, 12).hasCity);
             EXPECT_EQ(Civ(kComputer).unitCount, 0);
             EXPECT_EQ(Civ(kComputer).referenceUnit, 0);
         }},
        {"a founder whose site was taken gives up",
         [] {
             Found(kPerson, 17, 12);
             Found(kComputer, 20, 20); // not its first city: that one is never given up
             Civ(kComputer).referenceUnit = 0;
             const int s = Add(kComputer, kSettler, 12, 12);
             Civ(kComputer).referenceUnit = static_cast<uint8_t>(s);
             DistanceCalculation();
             FindPath(Unit(kComputer, s), kStoreRoute, kComputer, s, 16, 12);
             Select(s, false);
         },
         [] {
             EXPECT_EQ(Civ(kComputer).referenceUnit, 0);
             EXPECT_EQ(Unit(kComputer, 1).x, 12);
             // Waiting, it heads home instead.
             EXPECT_EQ(Unit(kComputer, 1).gotoX, 20);
         }},
        {"a ship carries its passengers along its route",
         [south] {
             const int ship = Add(kComputer, kGalleon, 4, 8);
             const int soldier = Add(kComputer, kWarrior, 4, 8);
             Unit(kComputer, ship).cargo[1] = 100000 + soldier;
             Unit(kComputer, soldier).carrierLink = ship * 1000 + 1;
             ManualRoute(Unit(kComputer, ship), {south, south, south}, 4, 11);
             Select(ship, false);
         },
         [] {
             const UnitRecord& ship = Unit(kComputer, 1);
             const UnitRecord& soldier = Unit(kComputer, 2);
             EXPECT_GT(ship.y, 8);
             EXPECT_EQ(soldier.x, ship.x);
             EXPECT_EQ(soldier.y, ship.y);
         }},
    };
    for (const DecisionCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.setUp();
        Decide();
        c.check();
    }
}

TEST_F(ComputerPlayerTest, NativesHuntOnlyWhenRelationsAreBad) {
    struct Case {
        double relation;
        bool hunts;
    } cases[] = {{10, true}, {18, false}, {0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relation);
        SetUp();
        Civ(kNatives).relation[kPerson] = c.relation;
        AddUnit(kNatives, kJaguar, 14, 14);
        AddUnit(kPerson, kArcher, 15, 14);
        DistanceCalculation();
        game.currentCiv = kNatives;
        game.currentUnit = 1;
        game.secondPassStarted = 1;
        game.unitHandled = 0;
        AI();
        const bool fought =
            Civ(kPerson).unitCount == 0 || Civ(kNatives).unitCount == 0 || Unit(kNatives, 1).attackedThisTurn;
        EXPECT_EQ(fought, c.hunts);
    }
}

TEST_F(ComputerPlayerTest, BorderDemandsAndComplaints) {
    const int east = DirectionOf(1, 0), north = DirectionOf(0, -1);
    Civ(kComputer).aiLevel = 3;
    for (int& roll : Civ(kComputer).combatRolls) roll = 99;

    struct Case {
        const char* name;
        double relation;
        int personKnows; // a science the person knows and the computer may study; 0 none
        int unitType;
        int timer;
        int order;
        int dialog;
        bool goesOn;
    } cases[] = {
        {"at an uneasy peace it asks for a science", 22, 6, kWarrior, 0, 21, 40, false},
        {"with nothing to learn it asks for gold", 22, 0, kWarrior, 0, 21, 41, false},
        {"a wait goes on after the demand", 22, 0, kWarrior, 0, 12, 41, true},
        {"friends are not troubled", 30, 6, kWarrior, 0, 21, 0, true},
        {"soldiers in its lands are asked to leave", 22, 0, kSettler, 0, 21, 42, false},
        {"after an accepted withdrawal it means war", 22, 0, kSettler, 2, 21, 6, false},
        {"right after the withdrawal it keeps quiet", 22, 0, kSettler, 4, 21, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        for (int& roll : Civ(kComputer).combatRolls) roll = 99;
        Civ(kComputer).relation[kPerson] = c.relation;
        game.civTimer[kComputer] = c.timer;
        if (c.personKnows) Civ(kPerson).knows[c.personKnows] = 1;
        Found(kComputer, 14, 10);
        Add(kPerson, kWarrior, 15, 10); // in the city's land
        const int s = Add(kComputer, c.unitType, 15, 11);
        ManualRoute(Unit(kComputer, s), {north, east}, 16, 9);
        Select(s, true);
        int order = c.order;
        const bool goesOn = BorderChecks(kComputer, s, order);
        EXPECT_EQ(ui.dialogCode, c.dialog);
        EXPECT_EQ(goesOn, c.goesOn);
        if (c.dialog != 0) {
            EXPECT_EQ(ui.dialogPartyA, kComputer);
            EXPECT_EQ(ui.dialogPartyB, kPerson);
            EXPECT_EQ(Unit(kComputer, s).movesLeft, 0);
        }
        if (c.dialog == 40) {
            EXPECT_EQ(ui.dialogParams[0], 6);
        }
        if (c.dialog == 41) {
            EXPECT_EQ(ui.dialogParams[0], 8);
        }
        if (c.dialog == 6) {
            EXPECT_EQ(ui.dialogVariant, 3);
        }
        if (c.relation > 25) {
            EXPECT_EQ(order, 1);
            EXPECT_EQ(Unit(kComputer, s).gotoX, 0);
        }
    }
}

TEST_F(ComputerPlayerTest, CitiesReleaseSettlers) {
    struct Case {
        const char* name;
        int size;
        int aiLevel;
        bool aqueductNearlyPaid;
        bool enemyNextDoor;
        bool releases;
    } cases[] = {
        {"a size 9 city almost done with its aqueduct keeps its people", 9, 3, true, false, false},
        {"at size 10 it gives one up", 10, 3, true, false, true},
        {"without the stone put aside size 9 is too many", 9, 3, false, false, true},
        {"a small city on good land stays", 3, 3, false, false, false},
        {"an undefended city with an enemy at the gate sends one away", 3, 3, false, true, true},
        {"the easiest computers never do", 10, 1, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Civ(kComputer).aiLevel = static_cast<uint8_t>(c.aiLevel);
        CityData& city = Found(kComputer, 14, 14, 2);
        city.size = static_cast<uint8_t>(c.size);
        if (c.aqueductNearlyPaid) {
            city.buildProgress = static_cast<uint8_t>((buildCost(35 + 24) / 10 - 2) * 10);
            city.production[kStone] = 4;
        }
        if (c.enemyNextDoor) AddUnit(kPerson, kWarrior, 15, 14);
        DistanceCalculation();
        const int units = Civ(kComputer).unitCount;
        CityReleasePass();
        EXPECT_EQ(city.size, c.releases ? c.size - 1 : c.size);
        EXPECT_EQ(Civ(kComputer).unitCount, units + (c.releases ? 1 : 0));
        EXPECT_EQ(city.settlerReleased, c.releases ? 1 : 0);
        // Once a turn at most.
        CityReleasePass();
        EXPECT_EQ(city.size, c.releases ? c.size - 1 : c.size);
    }
}

TEST(ComputerGame, TwentyRoundsOfComputersEndWithASoundGame) {
    for (unsigned seed : {3u, 11u}) {
        SCOPED_TRACE(seed);
        ResetState();
        InitializeVariables();
        game.language = 1;
        game.mapWidth = game.mapHeight = 30;
        game.location = 2;
        game.civCount = 5;
        game.difficulty = 3;
        const int nations[] = {0, 3, 2, 8, 4};
        for (int p = 1; p <= 4; ++p) {
            Civ(p).nation = static_cast<uint8_t>(nations[p]);
            Civ(p).colour = static_cast<uint8_t>(p);
            Civ(p).isComputer = 1;
            Civ(p).aiLevel = static_cast<uint8_t>(p + 1);
        }
        SeedRandom(seed);
        ASSERT_TRUE(StartGame());
        for (int c = 1; c <= game.civCount; ++c) Civ(c).isComputer = 1;
        const int32_t target = game.turn + 20;
        int lastCiv = 0;
        long long step = 0;
        for (; step < 2000000 && game.turn < target && !game.gameOver; ++step) {
            if (ui.dialogCode != 0) ui.dialogCode = 0; // nobody is there to answer
            if (game.currentCiv != lastCiv) {
                // The frame rebuilds the distances between the civilizations' turns.
                DistanceCalculation();
                lastCiv = game.currentCiv;
            }
            game.unitHandled = 0;
            AI();
            if (!game.unitHandled) NextUnit(1);
        }
        EXPECT_TRUE(game.turn >= target || game.gameOver) << "stuck after " << step << " steps";
        for (int c = 1; c <= game.civCount; ++c)
            for (int s = 1; s <= Civ(c).unitCount; ++s)
                EXPECT_TRUE(InsideMap(Unit(c, s).x, Unit(c, s).y)) << c << " " << s;
        EXPECT_TRUE(CheckSaveText(SaveGameText()).ok);
    }
}
