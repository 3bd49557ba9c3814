// Orders: founding cities, the settlers' works and their countdowns, boarding, fortifying.
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

using namespace annals;

namespace {

// A 24 x 24 grassland with a sea in its west (columns 1..4); civilization 1 a person,
// 2 a computer, 3 the natives.
class OrdersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InstallShellHost(platform);
        InitializeVariables();
        game.language = 1;
        game.mapWidth = game.mapHeight = 24;
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) Cell(x, y).terrain = x <= 4 ? kSea : kGrassland;
        game.civCount = 3;
        for (int c = 1; c <= 3; ++c) {
            Civ(c).nation = static_cast<uint8_t>(c == 3 ? kNativeNation : c);
            Civ(c).gold = 100;
            Civ(c).isComputer = c > 1;
        }
        game.currentCiv = 1;
    }
    void TearDown() override {
        UninstallShellHost();
        ResetState();
    }
    int Select(int civ, int type, int x, int y) {
        AddUnit(civ, type, x, y);
        game.currentCiv = static_cast<uint8_t>(civ);
        game.currentUnit = Civ(civ).unitCount;
        return game.currentUnit;
    }
    std::string LastMessage() {
        for (auto it = platform.Log()->rbegin(); it != platform.Log()->rend(); ++it)
            if (it->kind == DrawRecord::Message) return it->name;
        return {};
    }
    HeadlessPlatform platform{HeadlessOptions{false, true}};
};

} // namespace

TEST_F(OrdersTest, FoundingACityAndItsRefusals) {
    struct Case {
        int x, y;
        double gold;
        const char* message; // empty: the city is founded
    } cases[] = {
        {2 + 4, 2, 100, "lowest or uppermost two rows"},
        {10, 10, 29.99, "costs 30 gold"},
        {10, 10, 30, ""},
        {12, 11, "costs"[0] ? 100 : 0, "within 2 squares"},
    };
    for (const Case& c : cases) {
        Civ(1).gold = c.gold;
        platform.ClearLog();
        Select(1, kSettler, c.x, c.y);
        AddUnit(1, kWarrior, 22, 22); // someone still to move, so the turn stays
        const uint8_t done = UnitActivity(2);
        if (*c.message == '\0') {
            EXPECT_EQ(done, 1);
            EXPECT_TRUE(Cell(c.x, c.y).hasCity);
            EXPECT_EQ(Civ(1).gold, 0.0) << "exactly 30 gold leaves nothing";
            EXPECT_EQ(City(c.x, c.y).size, 0);
            EXPECT_EQ(City(c.x, c.y).culture, 10.0);
            EXPECT_EQ(Civ(1).cityCount, 1);
            EXPECT_TRUE(Cell(c.x, c.y).road);
            EXPECT_EQ(City(c.x, c.y).happiness, 70.0);
            EXPECT_EQ(City(c.x, c.y).nameIndex, 1);
            EXPECT_STREQ(cityName(Civ(1).nation, City(c.x, c.y).nameIndex), "Baghdad");
            EXPECT_EQ(Civ(1).foundingTurns[1], game.turn - 1);
            EXPECT_EQ(Cell(c.x + 2, c.y - 2).explored, 1) << "the city's whole area is seen";
            EXPECT_EQ(Cell(c.x + 3, c.y).explored, 0);
        } else {
            EXPECT_EQ(done, 0) << c.message;
            EXPECT_NE(LastMessage().find(c.message), std::string::npos) << LastMessage();
        }
    }
    // Six cities founded, one lost: still no seventh.
    Civ(1).citiesFounded = 6;
    Civ(1).gold = 100;
    Select(1, kSettler, 20, 20);
    EXPECT_EQ(UnitActivity(2), 0);
    EXPECT_NE(LastMessage().find("more than 6 cities"), std::string::npos);
}

// A person's first city asks at once for the first science; a later city, founded while
// a science is being studied, and a computer's city do not.
TEST_F(OrdersTest, TheFirstCityAsksForTheFirstScience) {
    Select(1, kSettler, 10, 10);
    AddUnit(1, kWarrior, 22, 22);
    ASSERT_EQ(UnitActivity(2), 1);
    EXPECT_EQ(ui.scienceTableOpen, 1);
    EXPECT_EQ(ui.discoveryShown, 0) << "nothing was discovered";
    ui.scienceTableOpen = 0;
    Civ(1).research = 2;
    Civ(1).researchLeft = 10;
    Civ(1).gold = 100;
    Select(1, kSettler, 16, 16);
    ASSERT_EQ(UnitActivity(2), 1);
    EXPECT_EQ(ui.scienceTableOpen, 0);
    Select(2, kSettler, 10, 20);
    AddUnit(2, kWarrior, 22, 20);
    ASSERT_EQ(UnitActivity(2), 1);
    EXPECT_EQ(ui.scienceTableOpen, 0);
}

TEST_F(OrdersTest, ACityOnAnOldVillageSiteStartsAfresh) {
    City(15, 15).size = 7;
    City(15, 15).stock[1] = 90;
    City(15, 15).buildings[5] = 1;
    Select(1, kSettler, 15, 15);
    AddUnit(1, kWarrior, 22, 22); // someone still to move, so the turn stays
    ASSERT_EQ(UnitActivity(2), 1);
    EXPECT_EQ(City(15, 15).stock[1], 0);
    EXPECT_EQ(City(15, 15).buildings[5], 0);
    EXPECT_EQ(City(15, 15).nameIndex, 1);
    EXPECT_EQ(Civ(1).unitCount, 1) << "the settler became the city";
}

TEST_F(OrdersTest, SettlersWorksTakeTheirTurns) {
    Civ(1).knows[6] = Civ(1).knows[7] = Civ(1).knows[16] = 1;
    struct Case {
        int order;
        bool hill, forest;
        int turns;
    } cases[] = {{6, true, false, 4},
                 {6, false, false, 2},
                 {3, false, true, 3},
                 {3, false, false, 3},
                 {8, false, false, 5}};
    AddUnit(1, kWarrior, 20, 20); // someone still to move, so the turn stays
    int x = 8;
    for (const Case& c : cases) {
        x += 2;
        Cell(x, 12).hill = c.hill;
        Cell(x, 12).forest = c.forest;
        const int slot = Select(1, kSettler, x, 12);
        ASSERT_EQ(UnitActivity(c.order), 1);
        int turns = 0;
        while (Unit(1, slot).jobTimer != 0 && turns < 20) {
            game.currentUnit = static_cast<uint8_t>(slot - 1);
            game.endTurnRequested = 0; // the person keeps the turn: only the settler's countdown runs
            NextUnit(1);               // the settler comes up in turn order
            ++turns;
        }
        EXPECT_EQ(turns, c.turns) << "order " << c.order;
    }
    EXPECT_TRUE(Cell(10, 12).road);
    EXPECT_FALSE(Cell(14, 12).forest);
    EXPECT_TRUE(Cell(16, 12).cornfield);
    EXPECT_TRUE(Cell(18, 12).mine);
}

TEST_F(OrdersTest, ClearingAForestRevealsWhatItHid) {
    Civ(1).knows[6] = 1;
    Cell(12, 12).forest = 1;
    Cell(12, 12).hiddenSpecial = 12;
    const int slot = Select(1, kSettler, 12, 12);
    ASSERT_EQ(UnitActivity(3), 1);
    Unit(1, slot).jobTimer = 31;
    game.currentUnit = 0;
    NextUnit(1);
    EXPECT_EQ(Cell(12, 12).special, 12);
    EXPECT_NE(LastMessage().find("found a new gold mine"), std::string::npos) << LastMessage();
}

TEST_F(OrdersTest, OneSettlerWorksACellAtATime) {
    Civ(1).knows[6] = Civ(1).knows[16] = 1;
    Cell(12, 12).forest = 1;
    Select(1, kSettler, 12, 12);
    ASSERT_EQ(UnitActivity(3), 1);
    Select(1, kSettler, 12, 12);
    EXPECT_EQ(UnitActivity(6), 0);
    EXPECT_EQ(LastMessage(), "There is already a settler working at that cell.");
    // A wagon train's mission in the same field does not count as a settler's work.
    Select(1, kWagonTrain, 14, 14);
    Unit(1, game.currentUnit).jobTimer = 5;
    Select(1, kSettler, 14, 14);
    EXPECT_EQ(UnitActivity(6), 1);
}

TEST_F(OrdersTest, BoardingFindsACarrierButNeverItself) {
    const int ship = Select(1, kGalleon, 4, 10);
    EXPECT_EQ(UnitActivity(7), 0) << "a ship does not board itself";
    const int soldier = Select(1, kWarrior, 4, 10);
    ASSERT_EQ(UnitActivity(7), 1);
    EXPECT_EQ(Unit(1, soldier).carrierLink, ship * 1000 + 1);
    EXPECT_EQ(Unit(1, ship).cargo[1], 100000 + soldier);
    const int caravel = Select(1, kCaravel, 4, 10);
    EXPECT_EQ(UnitActivity(7), 0) << "a carrier does not board another";

    // Aboard one ship in port, boarding again moves the soldier to the next ship and
    // frees the place he held: he is never on two ships.
    game.currentUnit = static_cast<uint8_t>(soldier);
    ASSERT_EQ(UnitActivity(7), 1);
    EXPECT_EQ(Unit(1, soldier).carrierLink, caravel * 1000 + 1);
    EXPECT_EQ(Unit(1, caravel).cargo[1], 100000 + soldier);
    EXPECT_EQ(Unit(1, ship).cargo[1], 0);

    // A wagon train carries goods, never units; a wagon train itself may board a ship.
    const int wagon = Select(1, kWagonTrain, 10, 10);
    const int settler = Select(1, kSettler, 10, 10);
    EXPECT_EQ(UnitActivity(7), 0);
    EXPECT_EQ(Unit(1, settler).carrierLink, 0);
    EXPECT_EQ(Unit(1, wagon).cargo[1], 0);
    const int porter = Select(1, kWagonTrain, 4, 10);
    ASSERT_EQ(UnitActivity(7), 1);
    EXPECT_EQ(Unit(1, porter).carrierLink / 1000, ship);
}

TEST_F(OrdersTest, FortifyingAndWaiting) {
    Select(1, kFighter, 10, 10);
    EXPECT_EQ(UnitActivity(11), 0);
    EXPECT_EQ(LastMessage(), "Air units cannot fortify.");
    Select(1, kCaravel, 3, 10);
    EXPECT_EQ(UnitActivity(11), 0);
    const int warrior = Select(1, kWarrior, 10, 11);
    AddUnit(1, kWarrior, 10, 12); // someone still to move, so the turn stays
    EXPECT_EQ(UnitActivity(11), 1);
    EXPECT_EQ(Unit(1, warrior).fortified, 1);
    EXPECT_EQ(Unit(1, warrior).movesLeft, 0);
    // A computer's unit that waits fortifies too.
    const int settler = Select(2, kSettler, 20, 20);
    EXPECT_EQ(UnitActivity(1), 1);
    EXPECT_EQ(Unit(2, settler).fortified, 1);
    EXPECT_EQ(Unit(2, settler).movesLeft, 0);
}
