#include "state/state.h"

#include <gtest/gtest.h>

using namespace annals;

TEST(State, StrayIndexNeverTouchesLiveRecords) {
    ResetState();
    game.mapWidth = game.mapHeight = 24;
    Cell(-1, 5).terrain = 3;
    Cell(51, 5).terrain = 3;
    Civ(9).gold = 100;
    Unit(1, 201).type = 4;
    EXPECT_EQ(Cell(-1, 5).terrain, 0);
    EXPECT_EQ(Civ(9).gold, 0);
    EXPECT_EQ(Unit(1, 201).type, 0);
}
