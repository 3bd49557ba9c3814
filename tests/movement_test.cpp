// One step of a unit and what it sets off; routes and the way home.
#include "economy/news.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/news_view.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace annals;

namespace {

constexpr int kNatives = 4;

class RecordingHost final : public Host {
public:
    void NestedFrame() override { ++frames; }
    void Pause(int) override {}
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void PlaySound(const std::string& name) override { sounds.push_back(name); }
    void StopSound(const std::string&) override {}
    void Quit() override {}
    bool QuitRequested() const override { return false; }

    std::vector<std::string> messages, sounds;
    int frames = 0;
};

// A 24 x 24 world: sea in columns 1..8, grassland elsewhere. Civilization 1 is a person,
// 2 and 3 are computers, 4 the natives; everybody has met everybody, at war.
class MovementTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InitializeVariables();
        game.language = 1;
        host.messages.clear();
        host.sounds.clear();
        SetHost(&host);
        game.mapWidth = game.mapHeight = 24;
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) Cell(x, y).terrain = x <= 8 ? kSea : kGrassland;
        game.civCount = 4;
        const int nations[] = {0, 8, 4, 5, kNativeNation};
        for (int civ = 1; civ <= 4; ++civ) {
            Civ(civ).nation = static_cast<uint8_t>(nations[civ]);
            Civ(civ).isComputer = civ > 1;
            Civ(civ).aiLevel = civ == kNatives ? 5 : 3;
            for (int other = 1; other <= 4; ++other)
                if (other != civ) Civ(civ).relation[other] = 15.0;
        }
    }
    void TearDown() override {
        SetHost(nullptr);
        ResetState();
    }

    // Adds a unit and makes it the one to move, with its full move points.
    static int Place(int civ, int type, int x, int y) {
        AddUnit(civ, type, x, y);
        const int slot = Civ(civ).unitCount;
        Unit(civ, slot).movesLeft = static_cast<int8_t>(3 * UnitMoves(civ, slot));
        return slot;
    }
    static void Select(int civ, int slot) {
        game.currentCiv = static_cast<uint8_t>(civ);
        game.currentUnit = static_cast<uint8_t>(slot);
        if (IsHuman(civ))
            game.viewCiv = static_cast<uint8_t>(civ), game.viewUnit = static_cast<uint8_t>(slot);
    }
    static void MakeCity(int civ, int x, int y) {
        MapCell& cell = Cell(x, y);
        cell.hasCity = 1;
        cell.owner = cell.founder = static_cast<uint8_t>(civ);
        cell.nameIndex = 1;
        cell.storageCapacity = 100;
        cell.unitOwner = static_cast<uint8_t>(civ);
        CivRecord& owner = Civ(civ);
        owner.cityCount += 1;
        owner.cities[owner.cityCount] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
    }
    static std::vector<int> CellList(int x, int y) {
        std::vector<int> list;
        for (int i = 1; i <= Cell(x, y).unitCount; ++i) list.push_back(Cell(x, y).unitList[i]);
        return list;
    }

    RecordingHost host;
};

} // namespace

TEST_F(MovementTest, AStepCostsAThirdAlongARoadAndAWholeMoveOtherwise) {
    struct Case {
        const char* name;
        int type;
        std::vector<int> roadColumns; // on row 10
        int movesLeft, x;             // after three steps east from (10, 10)
    };
    const Case cases[] = {
        {"horseman, no road", kHorseman, {}, 0, 12},
        {"horseman, road all the way", kHorseman, {10, 11, 12, 13}, 3, 13},
        {"horseman, road ends after one step", kHorseman, {10, 11}, 0, 13},
        {"fighter, road all the way", kFighter, {10, 11, 12, 13}, 9, 13},
    };
    for (const Case& c : cases) {
        SetUp();
        for (int x : c.roadColumns) Cell(x, 10).road = 1;
        Select(1, Place(1, c.type, 10, 10));
        for (int step = 0; step < 3; ++step) EXPECT_EQ(Walk(1, 0), 1) << c.name;
        const UnitRecord& unit = Unit(1, 1);
        EXPECT_EQ(unit.movesLeft, c.movesLeft) << c.name;
        EXPECT_EQ(unit.x, c.x) << c.name;
        EXPECT_EQ(CellList(c.x, 10), std::vector<int>{1}) << c.name;
        EXPECT_EQ(Cell(10, 10).unitOwner, 0) << c.name;
        EXPECT_EQ(unit.animDx, -50) << c.name << ": a person's unit slides into its cell";
        EXPECT_EQ(ui.distanceRecalcRequested, 1) << c.name;
        TearDown();
    }
}

TEST_F(MovementTest, APlaneOutOfFuelFallsUnlessItEndsInAnOwnCity) {
    MakeCity(1, 14, 10);
    const int safe = Place(1, kFighter, 13, 10);
    const int lost = Place(1, kFighter, 13, 12);
    Unit(1, safe).movesLeft = Unit(1, lost).movesLeft = 3;
    Select(1, safe);
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(Unit(1, safe).x, 14);
    EXPECT_TRUE(host.messages.empty());
    Select(1, lost);
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(Civ(1).unitCount, 1);
    EXPECT_EQ(Cell(14, 12).unitCount, 0);
    EXPECT_EQ(Cell(13, 12).unitCount, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0],
              "Your plane fell because it ran out of fuel. A plane should be in one of our cities when it "
              "has used all its moves.");
}

TEST_F(MovementTest, LandUnitsBoardSailAlongAndGoAshore) {
    const int ship = Place(1, kGalleon, 8, 10);
    const int other = Place(1, kGalleon, 7, 11);
    const int warrior = Place(1, kWarrior, 9, 10);
    Select(1, warrior);
    EXPECT_EQ(Walk(-1, 0), 1);
    EXPECT_EQ(Unit(1, warrior).movesLeft, 0) << "boarding ends the unit's moves";
    EXPECT_EQ(Unit(1, warrior).carrierLink, ship * 1000 + 1);
    EXPECT_EQ(Unit(1, ship).cargo[1], 100000 + warrior);

    Select(1, ship);
    EXPECT_EQ(Walk(0, 1), 1);
    EXPECT_EQ(Unit(1, warrior).x, 8);
    EXPECT_EQ(Unit(1, warrior).y, 11);
    EXPECT_EQ(CellList(8, 11), (std::vector<int>{ship, warrior}));
    EXPECT_EQ(Cell(8, 10).unitOwner, 0);
    EXPECT_EQ(Unit(1, warrior).animDy, -50) << "the cargo slides with its ship";

    // From one ship to another at sea: the first ship's place is given up.
    Unit(1, warrior).movesLeft = 3;
    Select(1, warrior);
    EXPECT_EQ(Walk(-1, 0), 1);
    EXPECT_EQ(Unit(1, ship).cargo[1], 0);
    EXPECT_EQ(Unit(1, other).cargo[1], 100000 + warrior);
    EXPECT_EQ(Unit(1, warrior).carrierLink, other * 1000 + 1);

    // Back over the first ship onto land: the link is cleared and the place freed.
    Unit(1, warrior).movesLeft = 3;
    EXPECT_EQ(Walk(1, 0), 1);
    Unit(1, warrior).movesLeft = 3;
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(Unit(1, warrior).x, 9);
    EXPECT_EQ(Unit(1, warrior).carrierLink, 0);
    EXPECT_EQ(Unit(1, ship).cargo[1], 0);
    EXPECT_EQ(Unit(1, other).cargo[1], 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MovementTest, RefusedStepsKeepTheMovePointsAndEndTheRoute) {
    struct Case {
        const char* name;
        std::function<int()> scene; // returns civilization 1's unit that tries the step
        int dx;
        const char* message;
    };
    const Case cases[] = {
        {"off the map", [] { return Place(1, kWarrior, 24, 10); }, 1,
         "Units cannot move to a square outside the game area."},
        {"land unit into the sea", [] { return Place(1, kWarrior, 9, 10); }, -1,
         "Land units cannot move to a square at sea."},
        {"full ship",
         [] {
             const int ship = Place(1, kCaravel, 8, 10);
             Unit(1, ship).cargo[1] = Unit(1, ship).cargo[2] = 100099;
             return Place(1, kWarrior, 9, 10);
         },
         -1, "Land units cannot move to a square at sea."},
        {"ship onto land", [] { return Place(1, kGalleon, 8, 10); }, 1,
         "Sailing units cannot move to a square on land."},
        {"settler onto a foreign unit",
         [] {
             Place(2, kWarrior, 13, 10);
             return Place(1, kSettler, 12, 10);
         },
         1, "Settlers cannot attack an enemy."},
        {"caravel onto a foreign ship",
         [] {
             Place(2, kGalleon, 7, 10);
             return Place(1, kCaravel, 6, 10);
         },
         1, "Caravels cannot attack an enemy."},
        {"wagon train into a rival's city",
         [] {
             MakeCity(2, 13, 10);
             return Place(1, kWagonTrain, 12, 10);
         },
         1, "Wagon trains cannot attack an enemy."},
        {"wagon train with nothing to sell",
         [] {
             MakeCity(kNatives, 13, 10);
             Place(kNatives, kJaguar, 13, 10);
             return Place(1, kWagonTrain, 12, 10);
         },
         1, "Your wagon train has no cargo to sell."},
    };
    for (const Case& c : cases) {
        SetUp();
        const int slot = c.scene();
        UnitRecord& unit = Unit(1, slot);
        unit.gotoX = unit.gotoY = 20;
        const int x = unit.x, moves = unit.movesLeft;
        Select(1, slot);
        EXPECT_EQ(Walk(c.dx, 0), 0) << c.name;
        EXPECT_EQ(unit.x, x) << c.name;
        EXPECT_EQ(unit.movesLeft, moves) << c.name;
        EXPECT_EQ(unit.gotoX, 0) << c.name;
        EXPECT_EQ(host.messages, std::vector<std::string>{c.message}) << c.name;
        TearDown();
    }
    // A computer is not shown its refusals.
    SetUp();
    Select(2, Place(2, kWarrior, 9, 12));
    EXPECT_EQ(Walk(-1, 0), 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MovementTest, APersonsSoldiersAskBeforeEnteringASite) {
    struct Case {
        const char* name;
        int kind;
        std::function<void()> knowledge;
        int dialog, offered; // dialogParams 0
    };
    const Case cases[] = {
        {"small village", 1, [] {}, 11, 0},
        {"developed village teaches science 4", 2, [] {}, 12, 4},
        {"developed village, science known", 2, [] { Civ(1).knows[4] = 1; }, 11, 0},
        {"developed village, science being researched", 2, [] { Civ(1).research = 4; }, 11, 0},
        {"cave tribe", 3, [] {}, 13, 0},
        {"warrior tribe", 4, [] {}, 14, kWarrior},
        {"warrior tribe of the Aztecs", 4, [] { Civ(1).nation = 2; }, 14, kJaguar},
        {"warrior tribe, Warrior Code", 4, [] { Civ(1).knows[5] = 1; }, 14, kArcher},
        {"warrior tribe, Equestrian", 4, [] { Civ(1).knows[5] = Civ(1).knows[12] = 1; }, 14, kHorseman},
        {"warrior tribe, science 28", 4, [] { Civ(1).knows[28] = 1; }, 11, 0},
        {"rich village", 5, [] {}, 15, 0},
        {"burial ground", 6, [] {}, 16, 0},
        {"native trap", 8, [] {}, 18, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        Cell(13, 10).site = static_cast<uint8_t>(c.kind);
        Cell(13, 10).cellSeed = 24; // 24 mod 7 + 1 = science 4
        c.knowledge();
        Select(1, Place(1, kWarrior, 12, 11));
        EXPECT_EQ(Walk(1, -1), 1) << c.name;
        EXPECT_EQ(ui.dialogCode, c.dialog) << c.name;
        EXPECT_EQ(ui.dialogParams[0], c.offered) << c.name;
        EXPECT_EQ(ui.dialogParams[1], 1) << c.name << ": the dialog repeats the step";
        EXPECT_EQ(ui.dialogParams[2], -1) << c.name;
        EXPECT_EQ(Unit(1, 1).x, 12) << c.name;
        EXPECT_EQ(Unit(1, 1).movesLeft, 0) << c.name;
        EXPECT_EQ(Cell(13, 10).site, c.kind) << c.name << ": the dialog clears the site";
        TearDown();
    }
}

TEST_F(MovementTest, AComputersUnitTakesWhatASiteHolds) {
    struct Case {
        const char* name;
        int kind;
        std::function<void()> scene;
        std::function<void()> expect;
        bool entered;
    };
    const Case cases[] = {
        {"small village", 1, [] {}, [] { EXPECT_EQ(Civ(2).gold, 5); }, true},
        {"rich village", 5, [] {}, [] { EXPECT_EQ(Civ(2).gold, 10); }, true},
        {"developed village", 2, [] {},
         [] {
             int learnt = 0;
             for (int s = 1; s <= 7; ++s) learnt += Civ(2).knows[s];
             EXPECT_EQ(learnt, 1);
             EXPECT_EQ(Civ(2).gold, 0);
         },
         true},
        {"developed village with nothing left to teach", 2,
         [] {
             for (int s = 1; s <= 7; ++s) Civ(2).knows[s] = 1;
         },
         [] { EXPECT_EQ(Civ(2).gold, 5); }, true},
        {"cave tribe", 3, [] {}, [] { EXPECT_EQ(Unit(2, 2).type, kSettler); }, true},
        {"warrior tribe", 4, [] { Civ(2).knows[5] = 1; }, [] { EXPECT_EQ(Unit(2, 2).type, kArcher); }, true},
        {"warrior tribe, science 28", 4, [] { Civ(2).knows[28] = 1; },
         [] {
             EXPECT_EQ(Civ(2).unitCount, 1);
             EXPECT_EQ(Civ(2).gold, 5);
         },
         true},
        {"burial ground trodden on an errand", 6, [] { Unit(2, 1).order = 3; },
         [] {
             EXPECT_EQ(Civ(2).relation[kNatives], 10);
             EXPECT_EQ(Civ(kNatives).relation[2], 10);
         },
         true},
        {"burial ground while exploring", 7, [] { Unit(2, 1).order = 10; },
         [] { EXPECT_EQ(Civ(2).relation[kNatives], 15); }, true},
        {"burial ground, hardest computer", 6, [] { Civ(2).aiLevel = 5; }, [] { EXPECT_EQ(Civ(2).gold, 10); },
         true},
        {"native trap", 8, [] { Unit(2, 1).order = 3; },
         [] {
             EXPECT_EQ(Civ(2).unitCount, 0);
             EXPECT_EQ(Cell(13, 10).site, 8) << "the trap stays";
         },
         false},
        {"native trap while exploring", 8, [] { Unit(2, 1).order = 10; },
         [] { EXPECT_EQ(Civ(2).unitCount, 1); }, true},
    };
    for (const Case& c : cases) {
        SetUp();
        Cell(13, 10).site = static_cast<uint8_t>(c.kind);
        Select(2, Place(2, kWarrior, 12, 10));
        c.scene();
        EXPECT_EQ(Walk(1, 0), 1) << c.name;
        SCOPED_TRACE(c.name);
        c.expect();
        if (c.entered) {
            EXPECT_EQ(Unit(2, 1).x, 13);
            EXPECT_EQ(Cell(13, 10).site, 0);
        }
        EXPECT_EQ(ui.dialogCode, 0);
        TearDown();
    }
}

TEST_F(MovementTest, FirstContacts) {
    struct Case {
        const char* name;
        int mover, met; // the mover steps next to a unit of `met`, whom it never met
        int dialog, partyA, partyB;
    };
    const Case cases[] = {
        {"two computers make peace", 2, 3, 0, 0, 0},
        {"a person meets a computer", 1, 2, 3, 2, 1},
        {"a computer meets a person", 2, 1, 3, 2, 1},
        {"a person meets the natives", 1, kNatives, 1, 0, 1},
        {"the natives meet a person", kNatives, 1, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        Civ(c.mover).relation[c.met] = Civ(c.met).relation[c.mover] = 0;
        Place(c.met, kWarrior, 14, 10);
        const int slot = Place(c.mover, kWarrior, 12, 10);
        Select(c.mover, slot);
        EXPECT_EQ(Walk(1, 0), 1) << c.name;
        EXPECT_EQ(Unit(c.mover, slot).x, 13) << c.name << ": the step itself is made";
        EXPECT_EQ(ui.dialogCode, c.dialog) << c.name;
        EXPECT_EQ(ui.dialogPartyA, c.partyA) << c.name;
        EXPECT_EQ(ui.dialogPartyB, c.partyB) << c.name;
        if (c.dialog == 0) {
            EXPECT_EQ(Civ(c.mover).relation[c.met], 25.0) << c.name;
            EXPECT_EQ(Civ(c.met).relation[c.mover], 25.0) << c.name;
        } else {
            EXPECT_EQ(Unit(c.mover, slot).movesLeft, 0) << c.name;
            EXPECT_EQ(Civ(c.mover).relation[c.met], 0.0) << c.name << ": the dialog decides";
        }
        TearDown();
    }
}

TEST_F(MovementTest, APersonIsAskedBeforeBreakingATreaty) {
    Civ(1).relation[2] = Civ(2).relation[1] = 25;
    Place(2, kWarrior, 13, 10);
    Select(1, Place(1, kWarrior, 12, 10));
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(ui.dialogCode, 37);
    EXPECT_EQ(ui.dialogParams[0], 2);
    EXPECT_EQ(ui.dialogParams[1], 1);
    EXPECT_EQ(ui.dialogParams[2], 0);
    EXPECT_EQ(Unit(1, 1).movesLeft, 0);
    EXPECT_EQ(Unit(1, 1).attackedThisTurn, 0);

    // Confirmed, the repeated step attacks instead of asking again.
    ui.dialogCode = 0;
    ui.confirmedAttack = 1;
    Unit(1, 1).movesLeft = 3;
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(ui.dialogCode, 0);
    EXPECT_EQ(Unit(1, 1).attackedThisTurn, 1);
    EXPECT_EQ(Unit(1, 1).movesLeft, 0);
}

TEST_F(MovementTest, AWagonTrainIsOfferedAPriceForItsGoods) {
    // At peace with the natives: a wagon comes to trade, which breaks no treaty.
    Civ(1).relation[kNatives] = Civ(kNatives).relation[1] = 25;
    MakeCity(kNatives, 13, 10);
    Place(kNatives, kJaguar, 13, 10);
    game.nativeDemand[11] = 1; // cloth, wanted: each unit fetches a little less
    const int wagon = Place(1, kWagonTrain, 12, 10);
    Unit(1, wagon).cargo[1] = 11 * 1000 + 10;
    Unit(1, wagon).cargo[2] = 1 * 1000 + 20; // food, not wanted: twice its price
    Select(1, wagon);
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(ui.dialogCode, 8);
    // Cloth is worth 15 per unit: 15 x (1.60 + 1.56 + ... + 1.24) = 213.
    EXPECT_NEAR(ui.dialogParams[0], 213.0, 1e-9);
    EXPECT_NEAR(ui.dialogParams[1], 40.0, 1e-9);
    EXPECT_EQ(ui.dialogParams[10], 13);
    EXPECT_EQ(ui.dialogParams[11], 10);
    EXPECT_STREQ(ui.dialogText, cityName(kNativeNation, 1));
    EXPECT_EQ(Unit(1, wagon).movesLeft, 0);
    EXPECT_EQ(Unit(1, wagon).x, 12);
}

TEST_F(MovementTest, AWagonTrainDeliversOrFetchesStone) {
    struct Case {
        const char* name;
        int32_t load;
        int stock, buildItem, stoneMade;
        int32_t loadAfter;
        int stockAfter, deliveryTimer;
    };
    const Case cases[] = {
        {"delivery that fits", 7030, 50, 0, 0, 0, 80, 6},
        {"delivery beyond the store", 7080, 50, 0, 0, 7030, 100, 6},
        {"fetching", 0, 90, 40, 0, 7090, 0, 0},
        {"fetching from a wonder's builder", 0, 90, 80, 5, 7030, 60, 0},
        {"fetching from a wonder's builder with stone coming in", 0, 90, 80, 7, 7050, 40, 0},
        {"nothing to spare", 0, 50, 80, 5, 0, 50, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        MakeCity(1, 13, 10);
        City(13, 10).stock[7] = c.stock;
        City(13, 10).buildItem = static_cast<uint8_t>(c.buildItem);
        City(13, 10).production[7] = c.stoneMade;
        const int wagon = Place(1, kWagonTrain, 12, 10);
        UnitRecord& unit = Unit(1, wagon);
        unit.cargo[1] = c.load;
        unit.jobTimer = 7001;
        unit.gotoX = 13;
        unit.gotoY = 10;
        Select(1, wagon);
        EXPECT_EQ(Walk(1, 0), 1) << c.name;
        EXPECT_EQ(unit.cargo[1], c.loadAfter) << c.name;
        EXPECT_EQ(City(13, 10).stock[7], c.stockAfter) << c.name;
        EXPECT_EQ(City(13, 10).deliveryTimer, c.deliveryTimer) << c.name;
        EXPECT_EQ(unit.jobTimer, 0) << c.name;
        EXPECT_EQ(unit.gotoX, 0) << c.name << ": arrived";
        TearDown();
    }
}

TEST_F(MovementTest, AttacksAreHandedToTheFight) {
    // Dice that always favour the attacker: the defender falls, the attacker is spent and
    // marches in.
    Place(2, kWarrior, 13, 10);
    Select(1, Place(1, kWarrior, 12, 10));
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(Unit(1, 1).x, 13);
    EXPECT_EQ(Unit(1, 1).movesLeft, 0);
    EXPECT_EQ(Unit(1, 1).attackedThisTurn, 1);
    EXPECT_EQ(Civ(2).unitCount, 0);

    // A plane attacks once a turn, and may still fly on.
    const int bomber = Place(1, kBomber, 12, 12);
    Unit(1, bomber).attackedThisTurn = 1;
    Place(2, kWarrior, 13, 12);
    Select(1, bomber);
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(host.messages,
              std::vector<std::string>{"This unit has no more rockets; air units can attack only once "
                                       "every turn."});
    EXPECT_EQ(Unit(1, bomber).movesLeft, 27);
    EXPECT_EQ(Walk(0, 1), 1);
    EXPECT_EQ(Unit(1, bomber).y, 13);

    // A ship in a harbour cannot stand against soldiers: it is lost and they take the city.
    MakeCity(2, 13, 14);
    Place(2, kGalleon, 13, 14);
    const int warrior = Place(1, kWarrior, 12, 14);
    Select(1, warrior);
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(Civ(2).unitCount, 1);
    EXPECT_EQ(Unit(1, warrior).x, 13);
    EXPECT_EQ(CellList(13, 14), std::vector<int>{warrior});
    EXPECT_EQ(Cell(13, 14).unitOwner, 1);
    EXPECT_EQ(City(13, 14).owner, 1);
}

TEST_F(MovementTest, APersonSeesWhoFellAndHearsOfLossesInOthersTurns) {
    // A person's Warrior beats one of two Warriors on a cell: the fallen one is named over
    // the cell, which still holds the other, and the game waits a moment before going on.
    Place(2, kWarrior, 13, 10);
    Place(2, kWarrior, 13, 10);
    Select(1, Place(1, kWarrior, 12, 10));
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(Civ(2).unitCount, 1);
    EXPECT_EQ(Cell(13, 10).unitCount, 1);
    const FightNotice won = ui.fightNotice;
    EXPECT_EQ(std::vector<int>({won.x, won.y, won.loserCiv, won.loserType}),
              std::vector<int>({13, 10, 2, kWarrior}));
    EXPECT_GT(won.frames, 0);
    EXPECT_GE(host.frames, 16) << "the result is held on the screen";
    EXPECT_EQ(Civ(1).newsCount, 0) << "he saw it himself";

    // In a computer's turn the person's Warrior falls to an attack: he sees it, and his
    // news tells him at his turn.
    ui.fightNotice = {};
    Select(2, Place(2, kLegion, 14, 12));
    Place(1, kWarrior, 15, 12);
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(ui.fightNotice.loserCiv, 1);
    ASSERT_EQ(Civ(1).newsCount, 1);
    EXPECT_EQ(Civ(1).news[1], NewsCode(15, 12, kNewsUnitLost + 36 + kWarrior));
    game.language = 1;
    EXPECT_EQ(NewsText(Civ(1).news[1]),
              std::string("The ") + nationName(Civ(2).nation) + " attacked and our Warrior fell. ");

    // Two computers fight where no person is involved: nothing is shown, nobody waits.
    ui.fightNotice = {};
    host.frames = 0;
    Select(2, Place(2, kLegion, 14, 16));
    Place(3, kWarrior, 15, 16);
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(ui.fightNotice.frames, 0);
    EXPECT_EQ(host.frames, 0);
}

TEST_F(MovementTest, AStoredRouteFollowsTheRoadAndCostsWhatItSaid) {
    // A road loops south of the straight line: four road steps beat four plain ones.
    for (const auto& [x, y] : {std::pair{10, 10}, {11, 11}, {12, 11}, {13, 11}, {14, 10}})
        Cell(x, y).road = 1;
    const int horseman = Place(1, kHorseman, 10, 10);
    UnitRecord& unit = Unit(1, horseman);
    EXPECT_EQ(FindPath(unit, kTestRoute, 1, horseman, 14, 10), 1);
    EXPECT_EQ(game.lastRouteCost, 4);
    EXPECT_EQ(unit.pathLength, 0) << "a test stores nothing";

    EXPECT_EQ(FindPath(unit, kStoreRoute, 1, horseman, 14, 10), 1);
    ASSERT_EQ(unit.pathLength, 4);
    EXPECT_EQ((std::vector<int>(unit.path + 1, unit.path + 5)), (std::vector<int>{3, 6, 6, 9}));
    EXPECT_EQ(unit.pathStep, 1);
    EXPECT_EQ(unit.gotoX, 14);
    EXPECT_EQ(unit.gotoY, 10);
    EXPECT_EQ(game.lastRouteCost, -1) << "only a test leaves its cost";

    Select(1, horseman);
    for (int i = 1; i <= 4; ++i) Walk(directionDx(unit.path[i]), directionDy(unit.path[i]));
    EXPECT_EQ(unit.x, 14);
    EXPECT_EQ(unit.movesLeft, 6 - 4);
    EXPECT_EQ(unit.gotoX, 0) << "arrived";

    // A route to where the unit stands is no route.
    EXPECT_EQ(FindPath(unit, kStoreRoute, 1, horseman, 14, 10), 1);
    EXPECT_EQ(unit.pathLength, 0);
    EXPECT_EQ(unit.gotoX, 0);
}

TEST_F(MovementTest, UnreachableTargets) {
    MakeCity(1, 9, 12);
    const int ship = Place(1, kGalleon, 7, 12);
    const int settler = Place(1, kSettler, 12, 12);
    const int warrior = Place(1, kWarrior, 12, 14);
    DistanceCalculation();
    // A ship's search crosses only the sea, so it finds no way into its own port.
    EXPECT_EQ(FindPath(Unit(1, ship), kStoreRoute, 1, ship, 9, 12), 0);
    EXPECT_EQ(FindPath(Unit(1, ship), kTestRoute, 1, ship, 9, 12), 1)
        << "ordinary units answer yes to a test";
    // A settler remembers the target for the rest of the turn and drops its job.
    Unit(1, settler).order = 3;
    EXPECT_EQ(FindPath(Unit(1, settler), kTestRoute, 1, settler, 5, 5), 0);
    EXPECT_EQ(Unit(1, settler).blockedTargets[5][5], 0);
    EXPECT_EQ(FindPath(Unit(1, settler), kStoreRoute, 1, settler, 5, 5), 0);
    EXPECT_EQ(Unit(1, settler).blockedTargets[5][5], 1);
    EXPECT_EQ(Unit(1, settler).order, 0);
    // A target off the map is simply unreachable.
    EXPECT_EQ(FindPath(Unit(1, warrior), kStoreRoute, 1, warrior, 30, 14), 0);
    EXPECT_EQ(FindPath(Unit(1, settler), kStoreRoute, 1, settler, 0, 51), 0);
}

TEST_F(MovementTest, AnAttackerGoesStraightThroughWhenTheWayRoundIsTooLong) {
    // Enemies hold columns 11..13 over some rows; the target (14, 5) lies behind them, four
    // steps (12 thirds) away straight through. The way round is taken unless it costs at
    // least round(1.6 x 12) + 3 = 22 and the unit is one that attacks.
    struct Case {
        const char* name;
        int type, firstRow, lastRow, steps;
    };
    const Case cases[] = {
        {"warrior, way round 12 steps", kWarrior, 1, 9, 4},
        {"warrior, way round 6 steps", kWarrior, 4, 6, 6},
        {"pikeman defends, goes round", kPikeman, 1, 9, 12},
    };
    for (const Case& c : cases) {
        SetUp();
        for (int x = 11; x <= 13; ++x)
            for (int y = c.firstRow; y <= c.lastRow; ++y) Place(2, kPikeman, x, y);
        const int slot = Place(1, c.type, 10, 5);
        EXPECT_EQ(FindPath(Unit(1, slot), kStoreRoute, 1, slot, 14, 5), 1) << c.name;
        EXPECT_EQ(Unit(1, slot).pathLength, c.steps) << c.name;
        TearDown();
    }
}

TEST_F(MovementTest, AComputersSiegeEngineKeepsOutOfTheEnemysReach) {
    // A corridor of land three cells wide, rows 17..19; an enemy warrior in its middle
    // reaches every cell across it this turn.
    for (int x = 9; x <= 24; ++x) Cell(x, 16).terrain = Cell(x, 20).terrain = kSea;
    Place(1, kWarrior, 16, 18);
    const int mine = Place(2, kCatapult, 10, 18);
    const int theirs = Place(3, kCatapult, 10, 17);
    Civ(3).isComputer = 0; // a person's catapult searches as every other unit does
    DistanceCalculation();
    EXPECT_EQ(FindPath(Unit(2, mine), kStoreRoute, 2, mine, 22, 18), 0);
    EXPECT_EQ(Unit(2, mine).pathLength, 0);
    EXPECT_EQ(FindPath(Unit(3, theirs), kStoreRoute, 3, theirs, 22, 17), 1);
    // Sent home, it passes beside the enemy all the same.
    game.goHomeActive = 1;
    EXPECT_EQ(FindPath(Unit(2, mine), kStoreRoute, 2, mine, 22, 18), 1);
    EXPECT_EQ(Unit(2, mine).pathLength, 12);
    game.goHomeActive = 0;
}

TEST_F(MovementTest, AUnitGoesHomeToTheNearestReachableCity) {
    MakeCity(1, 20, 20);
    MakeCity(1, 14, 12);
    const int warrior = Place(1, kWarrior, 12, 12);
    Unit(1, warrior).missionFlags[1] = Unit(1, warrior).missionFlags[3] = 1;
    DistanceCalculation();
    GoHome(Unit(1, warrior), 1, warrior);
    EXPECT_EQ(Unit(1, warrior).gotoX, 14);
    EXPECT_EQ(Unit(1, warrior).gotoY, 12);
    EXPECT_EQ(Unit(1, warrior).pathLength, 2);
    EXPECT_EQ(Unit(1, warrior).missionFlags[1] + Unit(1, warrior).missionFlags[3], 0);
    EXPECT_EQ(game.goHomeActive, 0);

    // One already standing in a city of its own stays: its old way is forgotten and no
    // search is made (a search always leaves its cost behind).
    const int guard = Place(1, kWarrior, 14, 12);
    UnitRecord& unit = Unit(1, guard);
    unit.missionFlags[2] = 1;
    DistanceCalculation();
    FindPath(unit, kStoreRoute, 1, guard, 20, 20);
    ASSERT_GT(unit.pathLength, 0);
    game.lastRouteCost = 12345;
    GoHome(unit, 1, guard);
    EXPECT_EQ(unit.pathLength, 0);
    EXPECT_EQ(unit.gotoX, 0);
    EXPECT_EQ(unit.missionFlags[2], 0);
    EXPECT_EQ(game.lastRouteCost, 12345) << "no route was searched";
}

TEST_F(MovementTest, RouteSteppingWaitsForTheSlideAndDropsALostRoute) {
    const int warrior = Place(1, kWarrior, 12, 12);
    UnitRecord& unit = Unit(1, warrior);
    Select(1, warrior);
    unit.gotoX = 15;
    unit.gotoY = 12;
    unit.animDx = -50;
    EXPECT_EQ(StepHumanRoute(), RouteStep::Waiting);
    EXPECT_EQ(unit.pathLength, 3) << "the route is searched again every frame";
    EXPECT_EQ(unit.gotoX, 15);

    unit.animDx = 0;
    unit.gotoX = 5; // out at sea: no way leads there
    unit.gotoY = 5;
    unit.pathLength = 0;
    EXPECT_EQ(StepHumanRoute(), RouteStep::Stepped);
    EXPECT_EQ(unit.gotoX, 0) << "the unit stops instead of trying every frame";

    // A ship's route into a port ends at sea; its last step follows and ends the frame.
    const int ship = Place(1, kCaravel, 7, 12);
    Select(1, ship);
    Unit(1, ship).gotoX = 8;
    Unit(1, ship).gotoY = 12;
    Unit(1, ship).pendingDirection = 6;
    EXPECT_EQ(StepHumanRoute(), RouteStep::EndFrame);
    EXPECT_EQ(Unit(1, ship).pendingDirection, 0);
}
