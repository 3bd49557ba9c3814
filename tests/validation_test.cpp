// The whole-state check: long games of computers never leave a state it refuses, and
// positions at the limits of the rules play on and save to files that load again.
#include "economy/end_of_turn.h"
#include "fixtures.h"
#include "persist/save_game.h"
#include "state/rules.h"
#include "state/state.h"
#include "state/validation.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <functional>

using namespace annals;

namespace {

// The file of the running game loads, and saving the loaded game gives the same bytes.
void ExpectSavesAndLoadsUnchanged(const char* what) {
    const std::string text = SaveGameText();
    const LoadOutcome outcome = LoadSaveText(text);
    ASSERT_TRUE(outcome.ok) << what << ": " << outcome.reason;
    EXPECT_TRUE(SaveGameText() == text) << what << ": the loaded game saves to other bytes";
}

class StateChecks : public ::testing::Test {
protected:
    void SetUp() override {
        SetStateChecks(true);
        ClearStateFault();
    }
    void TearDown() override {
        SetStateChecks(false);
        ClearStateFault();
        ResetState();
    }
};

} // namespace

TEST_F(StateChecks, ComputerGamesStaySoundAfterEveryActionAndRound) {
    struct Game {
        unsigned seed;
        int size, players, rounds;
    } games[] = {{1, 24, 2, 80}, {4, 30, 4, 60}, {7, 36, 6, 40}, {9, 48, 7, 30}};
    for (const Game& g : games) {
        SCOPED_TRACE("seed " + std::to_string(g.seed) + ", size " + std::to_string(g.size));
        ASSERT_TRUE(annals::testing::MakeComputerGame(g.seed, g.size, g.players));
        ASSERT_EQ(RunningStateFault(), "");
        for (int round = 1; round <= g.rounds && !game.gameOver; ++round) {
            ASSERT_TRUE(annals::testing::PlayComputerRound() || game.gameOver) << "stuck in round " << round;
            ASSERT_EQ(RunningStateFault(), "") << "after round " << round;
            ASSERT_EQ(FirstStateFault(), "") << "in round " << round;
        }
        ExpectSavesAndLoadsUnchanged("the last round");
    }
}

TEST_F(StateChecks, PositionsAtTheLimitsPlayARoundAndSaveAgainUnchanged) {
    // Units stand in the first city of civilization 1; ships and wagons join them there.
    auto firstCity = [] { return Civ(1).cities[1]; };
    auto select = [](int slot) {
        game.currentCiv = 1;
        game.currentUnit = static_cast<uint8_t>(slot);
    };
    struct Case {
        const char* what;
        std::function<void()> set;
    } cases[] = {
        {"a unit aboard a ship in port boards another ship, and the ship tries to board",
         [&] {
             const CityRef c = firstCity();
             AddUnit(1, kGalleon, c.x, c.y);
             const int first = Civ(1).unitCount;
             AddUnit(1, kCaravel, c.x, c.y);
             AddUnit(1, kMusketman, c.x, c.y);
             const int soldier = Civ(1).unitCount;
             select(soldier);
             UnitActivity(7);
             select(soldier);
             UnitActivity(7);
             select(first);
             UnitActivity(7);
         }},
        {"a wagon train boards, and a soldier is refused by a wagon train",
         [&] {
             const CityRef c = firstCity();
             AddUnit(1, kWagonTrain, c.x, c.y);
             const int wagon = Civ(1).unitCount;
             AddUnit(1, kWarrior, c.x, c.y);
             select(Civ(1).unitCount);
             UnitActivity(7);
             AddUnit(1, kGalleon, c.x, c.y);
             select(wagon);
             UnitActivity(7);
         }},
        {"a rich civilization", [] { Civ(1).gold = Civ(1).goldBias = 1000000; }},
        {"past turn 300",
         [] {
             game.turn = 305;
             game.year = 1500;
         }},
        {"every store at capacity",
         [] {
             for (int k = 1; k <= Civ(1).cityCount; ++k) {
                 CityData& city = City(Civ(1).cities[k].x, Civ(1).cities[k].y);
                 for (int p = 1; p <= kProducts; ++p) city.stock[p] = city.storageCapacity;
             }
         }},
        {"stores and production at their bounds",
         [] {
             for (int k = 1; k <= Civ(1).cityCount; ++k) {
                 CityData& city = City(Civ(1).cities[k].x, Civ(1).cities[k].y);
                 for (int p = 1; p <= kProducts; ++p) {
                     city.stock[p] = kMaxStock;
                     city.production[p] = kMaxProduction;
                 }
             }
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(annals::testing::MakeComputerGame(3, 24, 3));
        for (int round = 0; round < 4 && Civ(1).cityCount == 0; ++round) annals::testing::PlayComputerRound();
        ASSERT_GE(Civ(1).cityCount, 1);
        c.set();
        ASSERT_EQ(RunningStateFault(), "");
        ASSERT_TRUE(CheckSaveText(SaveGameText()).ok);
        ASSERT_TRUE(annals::testing::PlayComputerRound());
        EXPECT_EQ(FirstStateFault(), "");
        EXPECT_EQ(RunningStateFault(), "");
        ExpectSavesAndLoadsUnchanged(c.what);
        ClearStateFault();
    }
}

TEST_F(StateChecks, TheCalendarStopsAtItsEnds) {
    ASSERT_TRUE(annals::testing::MakeComputerGame(2, 24, 2));
    game.turn = kLastTurn;
    game.year = kLastYear - 5;
    EndOfTurn();
    EXPECT_EQ(game.turn, kLastTurn);
    EXPECT_EQ(game.year, kLastYear);
    EndOfTurn();
    EXPECT_EQ(game.year, kLastYear);
    EXPECT_EQ(FirstStateFault(), "");
    ExpectSavesAndLoadsUnchanged("the calendar's end");
}
