// Keys and presses as a player gives them, under the headless platform.
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/input.h"
#include "ui/map_view.h"
#include "ui/overview_shared.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

using namespace annals;

namespace {

// A 30 x 30 grassland; civilization 1 (a person) has a warrior and a settler, the
// natives one unit far away; the view shows the top-left of the map.
class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InstallShellHost(platform);
        InitializeVariables();
        game.language = 1;
        game.mapWidth = game.mapHeight = 30;
        for (int x = 1; x <= 30; ++x)
            for (int y = 1; y <= 30; ++y) {
                Cell(x, y).terrain = kGrassland;
                Cell(x, y).explored = 1;
            }
        game.civCount = 2;
        Civ(1).nation = 3;
        Civ(2).nation = kNativeNation;
        Civ(2).isComputer = 1;
        AddUnit(1, kWarrior, 5, 5);
        AddUnit(1, kSettler, 8, 6);
        AddUnit(2, kJaguar, 28, 28);
        game.currentCiv = 1;
        game.currentUnit = 1;
        game.viewCiv = 1;
        game.viewUnit = 1;
        game.viewX = game.viewY = 1;
        ui.gameStarted = 1;
        DistanceCalculation();
    }
    void TearDown() override {
        UninstallShellHost();
        ResetState();
    }
    // The screen point at the centre of a cell of the view.
    static int ScreenX(int cellX) { return (cellX - 1) * 50 + 12 + 25; }
    static int ScreenY(int cellY) { return (cellY - 1) * 50 + 9 + 25; }
    static void Press(int button, int x, int y) {
        BaseMouseMove(0, x, y);
        BaseMouseDown(button, 0, x, y);
    }
    static void Release(int button, int x, int y) {
        BaseMouseMove(0, x, y);
        BaseMouseUp(button, 0, x, y);
    }
    HeadlessPlatform platform{HeadlessOptions{false, true}};
};

} // namespace

TEST_F(InputTest, KeysBecomeOrders) {
    struct Case {
        int key;
        int dx, dy; // the warrior's step
    } moves[] = {
        {VkNumpad(6), 1, 0}, {VkNumpad(2), 0, 1}, {VkNumpad(7), -1, -1}, {kVkRight, 1, 0},
        {kVkDown, 0, 1},     {kVkHome, -1, -1},   {kVkNext, 1, 1},       {kVkPrior, 1, -1},
        {kVkEnd, -1, 1},     {kVkLeft, -1, 0},    {kVkUp, 0, -1},        {VkNumpad(5), 0, 0},
    };
    for (const Case& c : moves) {
        UnitRecord& w = Unit(1, 1);
        w.x = w.y = 10; // placed by hand: the cell lists do not matter for a step's arithmetic here
        Cell(10, 10).unitOwner = 1;
        Cell(10, 10).unitCount = 1;
        Cell(10, 10).unitList[1] = 1;
        w.movesLeft = 3;
        game.currentUnit = 1;
        FormKeyDown(c.key, 0);
        EXPECT_EQ(Unit(1, 1).x - 10, c.dx) << c.key;
        EXPECT_EQ(Unit(1, 1).y - 10, c.dy) << c.key;
        for (int x = 8; x <= 12; ++x)
            for (int y = 8; y <= 12; ++y) Cell(x, y).unitCount = 0;
    }
}

TEST_F(InputTest, TheSettlersKeysAndTheEndOfTheTurn) {
    Civ(1).gold = 100;
    FormKeyDown('F', 0); // the warrior fortifies; the settler is next
    EXPECT_EQ(Unit(1, 1).fortified, 1);
    EXPECT_EQ(game.currentUnit, 2);
    FormKeyDown('B', 0); // the settler founds a city: no unit is left, the turn passes by itself
    EXPECT_TRUE(Cell(8, 6).hasCity);
    EXPECT_EQ(game.turn, 3) << "the natives moved and the turn came back";
    EXPECT_EQ(game.currentCiv, 1);
}

TEST_F(InputTest, SpaceAfterTheLastUnitEndsTheTurnOnce) {
    Unit(1, 1).movesLeft = 0;
    Unit(1, 2).movesLeft = 0;
    game.currentUnit = 3;
    game.endTurnRequested = 0;
    FormKeyDown(kVkSpace, 0);
    EXPECT_EQ(game.turn, 3);
    EXPECT_EQ(game.currentCiv, 1);
}

TEST_F(InputTest, EscapeClosesTheFirstOpenScreenOrOpensTheMainMenu) {
    ui.statsMenuOpen = 1;
    ui.helpMenuOpen = 1;
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.statsMenuOpen, 0);
    EXPECT_EQ(ui.helpMenuOpen, 1);
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.helpMenuOpen, 0);
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.mainMenuOpen, 1);
    ui.mainMenuOpen = 0;
    ui.dialogCode = 5;
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.mainMenuOpen, 0) << "Escape does nothing during a dialog";
    ui.dialogCode = 0;
    // The city screen opened from the cities screen goes back to it.
    ui.cityMenuX = 8;
    ui.cityMenuY = 6;
    ui.openedFromCities = 1;
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.cityMenuX, 0);
    EXPECT_EQ(ui.citiesMenuOpen, 1);
}

TEST_F(InputTest, DraggingAUnitStoresARouteThatItWalks) {
    Press(0, ScreenX(5), ScreenY(5));
    EXPECT_EQ(ui.unitDragging, 1);
    TimerFunction(); // the preview leaves no route behind
    EXPECT_EQ(Unit(1, 1).pathLength, 0);
    Release(0, ScreenX(8), ScreenY(5));
    EXPECT_EQ(ui.unitDragging, 0);
    EXPECT_EQ(Unit(1, 1).gotoX, 8);
    for (int frame = 0; frame < 50 && Unit(1, 1).x != 8; ++frame) TimerFunction();
    EXPECT_EQ(Unit(1, 1).x, 6) << "one move a turn: the warrior stepped once";
    // A press and release on the same cell selects and opens nothing.
    game.currentUnit = 2;
    Press(0, ScreenX(8), ScreenY(6));
    Release(0, ScreenX(8), ScreenY(6));
    EXPECT_EQ(Unit(1, 2).gotoX, 0);
    EXPECT_EQ(ui.cityMenuX, 0);
}

TEST_F(InputTest, AScreenTakesThePressBeforeTheMap) {
    // The list screen's close button lies over the map; the screen gets the press.
    ui.citiesMenuOpen = 1;
    const Rect close = overview::CitiesPlace().window.Close();
    Press(0, close.left + 20, close.top + 10);
    EXPECT_EQ(ui.citiesMenuOpen, 0);
    EXPECT_EQ(ui.screenJustClosed, 1);
    // A panel button toggles its screen; a second press closes it.
    Press(0, 174, 658);
    EXPECT_EQ(ui.financeMenuOpen, 1);
    Press(0, 174, 658);
    EXPECT_EQ(ui.financeMenuOpen, 0);
    // A right press on own units opens the pop-up of that cell, three rows for three units.
    AddUnit(1, kWarrior, 5, 5);
    AddUnit(1, kArcher, 5, 5);
    Press(1, ScreenX(5), ScreenY(5));
    EXPECT_EQ(ui.unitPopupOpen, 1);
    EXPECT_EQ(ui.popupUnitCount, 3);
    EXPECT_EQ(ui.popupHeight, 45);
}

TEST_F(InputTest, EdgeScrollingStopsAtTheMapsLimits) {
    game.mapWidth = game.mapHeight = 24;
    BaseMouseMove(0, 1020, 400);
    for (int frame = 0; frame < 20; ++frame) MouseControl();
    EXPECT_EQ(game.viewX, 5.0) << "a 24-cell map's view goes no further than 5";
    BaseMouseMove(0, 5, 5);
    MouseControl();
    EXPECT_EQ(game.viewX, 4.5);
    EXPECT_EQ(game.viewY, 1.0);
}

TEST_F(InputTest, APressOutsideTheMapDoesNothing) {
    game.mapWidth = game.mapHeight = 24;
    game.viewX = 5;
    game.viewY = 10;
    ClampView();
    // At the view's right and bottom edges the point lies past the map's last cell.
    ASSERT_FALSE(InsideMap(ScreenToCellX(1023), ScreenToCellY(767)));
    Press(0, 1023, 767);
    BaseMouseUp(0, 0, 1023, 767);
    Press(1, 1023, 767);
    EXPECT_EQ(ui.terrainInfoOpen, 0);
    EXPECT_EQ(ui.unitPopupOpen, 0);
    ui.unitDragging = 1;
    BaseMouseMove(0, 1023, 767);
    TimerFunction(); // the preview and the pointer over nothing
    BaseMouseUp(0, 0, 1023, 767);
    EXPECT_EQ(Unit(1, 1).gotoX, 0);
}
