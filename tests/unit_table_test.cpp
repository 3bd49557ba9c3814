// Adding and removing units with every reference kept valid, and the order of turns.
#include "state/rules.h"
#include "state/state.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

using namespace annals;

namespace {

// A 24 x 24 world of grassland with a sea in its west (columns 1..8). Civilizations 1
// and 2 and the natives (3); civilization 1 is played by a person unless said otherwise.
class UnitTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InitializeVariables();
        game.mapWidth = game.mapHeight = 24;
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) Cell(x, y).terrain = x <= 8 ? kSea : kGrassland;
        game.civCount = 3;
        Civ(2).isComputer = 1;
        Civ(2).aiLevel = 3;
        Civ(3).isComputer = 1;
        Civ(3).aiLevel = 5;
        game.currentCiv = 1;
        game.viewCiv = 1;
    }
    void TearDown() override { ResetState(); }

    static std::vector<int> CellList(int x, int y) {
        std::vector<int> list;
        for (int i = 1; i <= Cell(x, y).unitCount; ++i) list.push_back(Cell(x, y).unitList[i]);
        return list;
    }
    static void Board(int civ, int unit, int ship, int position) {
        Unit(civ, unit).carrierLink = ship * 1000 + position;
        Unit(civ, ship).cargo[position] = 100000 + unit;
    }
};

} // namespace

TEST_F(UnitTableTest, TheTwoHundredAndFirstUnitIsNotCreated) {
    for (int i = 0; i < 199; ++i) AddUnit(2, kWarrior, 10 + i % 10, 10 + i / 20);
    EXPECT_EQ(Civ(2).unitCount, 199);
    AddUnit(2, kWarrior, 20, 20);
    EXPECT_EQ(Civ(2).unitCount, 200);
    EXPECT_EQ(Cell(20, 20).unitCount, 1);
    AddUnit(2, kWarrior, 21, 21);
    EXPECT_EQ(Civ(2).unitCount, 200);
    EXPECT_EQ(Cell(21, 21).unitCount, 0);
    EXPECT_EQ(Cell(21, 21).unitOwner, 0);
}

TEST_F(UnitTableTest, ANewUnitStartsFromAZeroedRecordAndSeesAround) {
    AddUnit(1, kWarrior, 12, 12);
    Unit(1, 1).carrierLink = 3002;
    Unit(1, 1).jobTimer = 33;
    Unit(1, 1).pathLength = 4;
    Unit(1, 1).cargo[5] = 7;
    KillUnit(1, 1);
    AddUnit(1, kGalleon, 9, 12);
    const UnitRecord& fresh = Unit(1, 1);
    EXPECT_EQ(fresh.carrierLink, 0);
    EXPECT_EQ(fresh.jobTimer, 0);
    EXPECT_EQ(fresh.pathLength, 0);
    EXPECT_EQ(fresh.cargo[5], 0);
    EXPECT_EQ(fresh.lives, UnitTypeLives(kGalleon));
    EXPECT_EQ(fresh.experience, 1);
    EXPECT_EQ(fresh.movesLeft, 3);
    // A ship sees two cells around, and only a person's units explore.
    EXPECT_EQ(Cell(11, 14).explored, 1);
    EXPECT_EQ(Cell(9, 15).explored, 0);
    AddUnit(2, kWarrior, 20, 20);
    EXPECT_EQ(Cell(21, 21).explored, 0);
}

TEST_F(UnitTableTest, RemovingAUnitRenumbersEveryReference) {
    // Slots 1..5: three warriors on one cell, a galleon carrying slot 5, and a settler.
    AddUnit(1, kWarrior, 12, 12);
    AddUnit(1, kWarrior, 12, 12);
    AddUnit(1, kWarrior, 12, 12);
    AddUnit(1, kGalleon, 9, 9);
    AddUnit(1, kSettler, 9, 9);
    Board(1, 5, 4, 1);
    Civ(1).referenceUnit = 5;
    game.pendingUnit = 4;
    game.currentUnit = 5;
    game.viewUnit = 5;

    KillUnit(1, 3);
    EXPECT_EQ(Civ(1).unitCount, 4);
    EXPECT_EQ(Unit(1, 3).type, kGalleon);
    EXPECT_EQ(Unit(1, 4).type, kSettler);
    EXPECT_EQ(Unit(1, 5).type, 0) << "the freed slot is cleared";
    EXPECT_EQ(CellList(12, 12), (std::vector<int>{1, 2}));
    EXPECT_EQ(CellList(9, 9), (std::vector<int>{3, 4}));
    EXPECT_EQ(Unit(1, 3).cargo[1], 100000 + 4);
    EXPECT_EQ(Unit(1, 4).carrierLink, 3001);
    EXPECT_EQ(Civ(1).referenceUnit, 4);
    EXPECT_EQ(game.pendingUnit, 3);
    EXPECT_EQ(game.currentUnit, 4);
    EXPECT_EQ(game.viewUnit, 4);
    EXPECT_EQ(game.unitRemoved, 1);

    // Another civilization's loss leaves the current one's selection alone.
    AddUnit(2, kWarrior, 20, 20);
    AddUnit(2, kWarrior, 20, 21);
    KillUnit(2, 1);
    EXPECT_EQ(game.pendingUnit, 3);
    EXPECT_EQ(game.currentUnit, 4);
}

TEST_F(UnitTableTest, ALostShipTakesItsCargoAndNoOneElse) {
    AddUnit(1, kCaravel, 9, 9);  // 1: carries 2 and 3
    AddUnit(1, kWarrior, 9, 9);  // 2
    AddUnit(1, kSettler, 9, 9);  // 3
    AddUnit(1, kCaravel, 9, 10); // 4: carries 5
    AddUnit(1, kWarrior, 9, 10); // 5
    Board(1, 2, 1, 1);
    Board(1, 3, 1, 2);
    Board(1, 5, 4, 1);
    game.currentUnit = 5;
    KillUnit(1, 1);
    ASSERT_EQ(Civ(1).unitCount, 2);
    EXPECT_EQ(Unit(1, 1).type, kCaravel);
    EXPECT_EQ(Unit(1, 2).carrierLink, 1001);
    EXPECT_EQ(Unit(1, 1).cargo[1], 100002);
    EXPECT_EQ(Cell(9, 9).unitCount, 0);
    EXPECT_EQ(Cell(9, 9).unitOwner, 0);
    EXPECT_EQ(CellList(9, 10), (std::vector<int>{1, 2}));
}

TEST_F(UnitTableTest, ACityKeepsItsOwnerWhenTheLastUnitLeaves) {
    Cell(15, 15).hasCity = 1;
    AddUnit(1, kWarrior, 15, 15);
    AddUnit(1, kWarrior, 16, 16);
    KillUnit(1, 2);
    KillUnit(1, 1);
    EXPECT_EQ(Cell(15, 15).unitOwner, 1);
    EXPECT_EQ(Cell(16, 16).unitOwner, 0);
    EXPECT_EQ(Cell(15, 15).unitCount, 0);
}

TEST_F(UnitTableTest, StrayRemovalsChangeNothing) {
    AddUnit(1, kWarrior, 12, 12);
    for (auto [civ, slot] : std::vector<std::pair<int, int>>{{1, 0}, {1, 2}, {0, 1}, {9, 1}, {1, 255}})
        KillUnit(civ, slot);
    EXPECT_EQ(Civ(1).unitCount, 1);
    EXPECT_EQ(Cell(12, 12).unitCount, 1);
}

TEST_F(UnitTableTest, APersonKeepsTheTurnUntilHeEndsIt) {
    AddUnit(1, kWarrior, 12, 12);
    AddUnit(2, kWarrior, 20, 20);
    AddUnit(3, kWarrior, 22, 22);
    game.currentUnit = 1;
    Unit(1, 1).movesLeft = 0;
    NextUnit(1);
    EXPECT_EQ(game.currentCiv, 1);
    EXPECT_EQ(game.currentUnit, 2) << "no unit left, but the turn stays";
    game.endTurnRequested = 1;
    NextUnit(1);
    EXPECT_EQ(game.currentCiv, 2);
    EXPECT_EQ(game.currentUnit, 1);
    EXPECT_EQ(game.endTurnRequested, 0);
    EXPECT_EQ(ui.turnNoticeFrames, 0) << "a computer's turn is not announced";
}

TEST_F(UnitTableTest, AComputerGoesTwiceThroughItsUnitsThenPasses) {
    AddUnit(1, kWarrior, 12, 12);
    AddUnit(2, kWarrior, 20, 20);
    AddUnit(2, kWarrior, 21, 20);
    AddUnit(3, kWarrior, 22, 22);
    game.currentCiv = 2;
    game.currentUnit = 2;
    NextUnit(1);
    EXPECT_EQ(game.currentCiv, 2);
    EXPECT_EQ(game.currentUnit, 1);
    EXPECT_EQ(game.secondPassStarted, 1);
    EXPECT_EQ(Cell(20, 20).undefended, 0);
    EXPECT_EQ(Cell(19, 19).undefended, 1);
    game.currentUnit = 2;
    NextUnit(1);
    EXPECT_EQ(game.currentCiv, 3);
}

TEST_F(UnitTableTest, EndOfTurnRunsOncePerGameTurnAndEmptyCivilizationsAreSkipped) {
    AddUnit(1, kWarrior, 12, 12);
    AddUnit(3, kWarrior, 22, 22); // civilization 2 owns nothing
    game.currentUnit = 1;
    game.endTurnRequested = 1;
    const int turn = game.turn;
    for (int round = 1; round <= 3; ++round) {
        Unit(1, 1).movesLeft = 0;
        NextUnit(1); // to the natives
        EXPECT_EQ(game.currentCiv, 3);
        // With civilization 2 gone the person has won; he plays on past the end screen.
        EXPECT_EQ(game.endKind, kConquest);
        ui.endScreenOpen = 0;
        Looping(); // the natives' two passes, then back to civilization 1
        EXPECT_EQ(game.currentCiv, 1);
        EXPECT_EQ(game.turn, turn + round);
        EXPECT_EQ(Unit(1, 1).movesLeft, 3) << "move points restored";
        EXPECT_EQ(ui.turnNoticeFrames, kTurnNoticeFrames) << "the person is told the new year is his";
        ui.turnNoticeFrames = 0;
        game.endTurnRequested = 1;
    }
    EXPECT_EQ(game.year, -4000 + 300);
}

TEST_F(UnitTableTest, NobodyLeftEndsTheGameInsteadOfHanging) {
    AddUnit(1, kWarrior, 12, 12);
    game.currentUnit = 1;
    game.endTurnRequested = 1;
    KillUnit(1, 1);
    EXPECT_EQ(game.gameOver, 1);
}

TEST_F(UnitTableTest, FortifiedUnitsAndCargoAtOpenSeaAreNeverSelected) {
    AddUnit(1, kWarrior, 12, 12); // 1
    AddUnit(1, kGalleon, 3, 3);   // 2: open sea
    AddUnit(1, kWarrior, 3, 3);   // 3: aboard, stranded
    AddUnit(1, kWarrior, 13, 12); // 4: fortified
    AddUnit(1, kWarrior, 14, 12); // 5
    Board(1, 3, 2, 1);
    Unit(1, 4).fortified = 1;
    game.currentUnit = 2;
    NextUnit(1);
    EXPECT_EQ(game.currentUnit, 5);
    AddUnit(1, kWarrior, 9, 3); // beside the coast: a ship's cargo there may land
    EXPECT_FALSE(StrandedAtSea(1, 6));
    EXPECT_TRUE(StrandedAtSea(1, 3));
    EXPECT_FALSE(StrandedAtSea(1, 2)) << "ships are at home at sea";
}

TEST_F(UnitTableTest, TheViewFollowsOnlyWhenTheNextUnitIsFar) {
    AddUnit(1, kWarrior, 12, 12);
    AddUnit(1, kWarrior, 14, 13); // the view would go to (4, 5.5): within 6 cells of (1, 1)
    AddUnit(1, kWarrior, 22, 23); // to (12, 15.5): far, and beyond the map's last origin
    AddUnit(1, kWarrior, 16, 16); // to (6, 8.5): near (5, 10)
    game.viewX = 1;
    game.viewY = 1;
    game.currentUnit = 1;
    NextUnit(1);
    EXPECT_EQ(game.currentUnit, 2);
    EXPECT_EQ(game.viewX, 1.0);
    EXPECT_EQ(game.viewY, 1.0);
    NextUnit(1);
    EXPECT_EQ(game.viewX, 5.0) << "clamped to the map width - 19";
    EXPECT_EQ(game.viewY, 10.0) << "clamped to the map height - 14";
    NextUnit(1);
    EXPECT_EQ(game.viewX, 5.0);
    EXPECT_EQ(game.viewY, 10.0);
}
