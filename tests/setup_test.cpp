// A new game from the entrance screen's choices.
#include "persist/save_game.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/unit_table.h"
#include "world/setup.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace annals;

namespace {

void Choose(int size, int kind, int players, int difficulty) {
    ResetState();
    InitializeVariables();
    game.language = 1;
    game.mapWidth = game.mapHeight = static_cast<uint8_t>(size);
    game.location = kind;
    game.civCount = static_cast<uint8_t>(players + 2);
    game.difficulty = static_cast<uint8_t>(difficulty);
    const int nations[] = {0, 3, 2, 8, 4, 9, 10, 7};
    for (int p = 1; p <= 7; ++p) {
        Civ(p).nation = static_cast<uint8_t>(nations[p]);
        Civ(p).colour = static_cast<uint8_t>(p);
        Civ(p).isComputer = p == 1 ? 0 : 1;
        Civ(p).aiLevel = static_cast<uint8_t>(difficulty);
    }
}

} // namespace

class SetupTest : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(SetupTest, EveryoneGetsAPlaceAndTheFirstTurnIsCivilizationOnes) {
    const auto [size, kind, players] = GetParam();
    for (unsigned seed : {1u, 2u, 3u}) {
        Choose(size, kind, players, 3);
        SeedRandom(seed);
        ASSERT_TRUE(StartGame()) << size << " " << kind << " " << players << " seed " << seed;
        const int natives = game.civCount;
        EXPECT_EQ(ui.gameStarted, 1);
        EXPECT_EQ(game.currentCiv, 1);
        EXPECT_EQ(game.year, -4000);
        EXPECT_EQ(Civ(natives).nation, kNativeNation);
        ASSERT_EQ(Civ(natives).cityCount, 4);
        EXPECT_EQ(Civ(natives).unitCount, 12);
        for (int k = 1; k <= 4; ++k) {
            const CityData& village = City(Civ(natives).cities[k].x, Civ(natives).cities[k].y);
            EXPECT_GE(village.size, 3);
            EXPECT_LE(village.size, 8);
            EXPECT_EQ(village.culture, 11.0);
            EXPECT_EQ(village.stock[1], 50);
            for (int j = 1; j < k; ++j) {
                const CityRef a = Civ(natives).cities[k], b = Civ(natives).cities[j];
                EXPECT_GT(std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)), 2) << "villages too close";
            }
        }
        for (int p = 1; p < natives; ++p) {
            ASSERT_EQ(Civ(p).unitCount, 2);
            const UnitRecord& settler = Unit(p, 1);
            EXPECT_EQ(settler.type, kSettler);
            EXPECT_EQ(Unit(p, 2).type, kWarrior);
            EXPECT_EQ(Unit(p, 2).x, settler.x);
            EXPECT_GE(settler.x, 3);
            EXPECT_LE(settler.x, size - 2);
            EXPECT_GE(settler.y, 3);
            EXPECT_LE(settler.y, size - 2);
            EXPECT_EQ(Civ(p).referenceUnit, Civ(p).isComputer ? 1 : 0);
            EXPECT_EQ(Civ(p).gold, 75.0);
            EXPECT_EQ(Civ(p).government, 2);
            for (int q = 1; q < p; ++q)
                EXPECT_FALSE(Unit(q, 1).x == settler.x && Unit(q, 1).y == settler.y)
                    << "two players share a site";
        }
        // Three sites a civilization, and up to one beside each village; on a large map
        // there is always room for them all. Their kinds cycle 1..4, or 5..8 near natives.
        int sites = 0, kinds[9] = {};
        for (int x = 1; x <= size; ++x)
            for (int y = 1; y <= size; ++y) {
                const int site = Cell(x, y).site;
                ASSERT_LE(site, 8);
                if (site == 0) continue;
                EXPECT_NE(Cell(x, y).terrain, kSea);
                ++sites;
                ++kinds[site];
            }
        EXPECT_LE(sites, natives * 3 + 4);
        if (size >= 42) {
            EXPECT_GE(sites, natives * 3);
            EXPECT_GE(kinds[1] + kinds[5], kinds[4] + kinds[8]) << "the kinds cycle from 1";
        }
        EXPECT_EQ(game.nativeDemand[11], 1);
        EXPECT_EQ(game.nativeDemand[1], 0);
        EXPECT_TRUE(CheckSaveText(SaveGameText()).ok) << "a new game is a sound game";
    }
}

INSTANTIATE_TEST_SUITE_P(SizesKindsAndPlayers, SetupTest,
                         ::testing::Values(std::make_tuple(24, 1, 1), std::make_tuple(24, 3, 6),
                                           std::make_tuple(30, 2, 3), std::make_tuple(36, 4, 6),
                                           std::make_tuple(42, 5, 4), std::make_tuple(48, 1, 6),
                                           std::make_tuple(48, 4, 2), std::make_tuple(24, 4, 6)));

TEST(Setup, TheSameSeedGivesTheSameGameAndASecondGameForgetsTheFirst) {
    Choose(30, 1, 3, 2);
    SeedRandom(77);
    ASSERT_TRUE(StartGame());
    const std::string first = SaveGameText();
    Choose(30, 1, 3, 2);
    SeedRandom(5);
    ASSERT_TRUE(StartGame());
    game.year = 1200;
    // Without a reset between them, as when a player starts another game from the menu.
    SeedRandom(77);
    ASSERT_TRUE(StartGame());
    EXPECT_TRUE(SaveGameText() == first);
}

TEST(Setup, FoodOfASite) {
    struct Case {
        int food, base;
    } cases[] = {{24, 12}, {30, 30}, {31, 0}, {10, -60}, {11, -54}, {20, 0}, {21, 3}};
    for (const Case& c : cases) EXPECT_EQ(FoodBase(c.food), c.base) << c.food;
}
