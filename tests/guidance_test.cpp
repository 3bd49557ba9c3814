// The guide: each piece of advice shows at its moment on a note that holds its text and
// leaves what it speaks of in sight, is given once, can be turned off, and is kept in
// the saved game.
#include "fixtures.h"

#include "economy/city.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/guidance.h"
#include "ui/input.h"
#include "ui/screens.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace annals;

namespace {

// A 30 x 30 grassland; civilization 1 (a person, with a city at (10, 10)), a computer
// rival and the natives.
class GuidanceTest : public ::testing::Test {
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
        game.civCount = 3;
        Civ(1).nation = 8;
        Civ(1).government = 2;
        Civ(1).gold = 75;
        Civ(2).nation = 3;
        Civ(2).isComputer = 1;
        Civ(3).nation = kNativeNation;
        Civ(3).isComputer = 1;
        game.currentCiv = game.viewCiv = 1;
        game.viewX = game.viewY = 1;
        game.turn = 5;
        ui.gameStarted = 1;
        ui.firstCityOpened = ui.firstUnitMoved = 1;
        Civ(1).research = 2;
        Civ(1).researchLeft = 10;
        Civ(1).gold = 100;
        FoundCity(10, 10);
        Cell(10, 10).size = 3;
        AddUnit(1, kWarrior, 10, 10);
        game.currentUnit = static_cast<uint8_t>(Civ(1).unitCount);
    }
    void TearDown() override {
        UninstallShellHost();
        ResetState();
    }
    // One frame of the panel's texts; the note written, if any.
    const GuideNote& Frame() {
        platform.ClearLog();
        ui.frameDrawn = 1;
        DrawInfoAboutCivilization();
        return ShownGuide();
    }
    void Press(int x, int y) {
        BaseMouseMove(0, x, y);
        BaseMouseDown(0, 0, x, y);
        BaseMouseUp(0, 0, x, y);
    }
    HeadlessPlatform platform{HeadlessOptions{false, true}};
};

struct Case {
    const char* what;
    int advice;
    std::function<void()> set;
    Rect clear; // what the note must leave in sight
};

const Case kCases[] = {
    {"the first science",
     kAdviceFirstScience,
     [] {
         Civ(1).research = 0;
         Civ(1).researchLeft = 0;
         ui.scienceTableOpen = 1;
     },
     {300, 195, 722, 498}},
    {"the natives' offer",
     kAdviceNatives,
     [] {
         ui.dialogCode = 1;
         ui.dialogPartyB = 1;
     },
     {261, 190, 763, 490}},
    {"a rival met", kAdviceRivalMet, [] { Civ(1).relation[2] = Civ(2).relation[1] = 20; }, {}},
    {"the first war", kAdviceFirstWar, [] { Civ(1).relation[2] = Civ(2).relation[1] = 13; }, {}},
    {"the capital undefended",
     kAdviceCapitalUndefended,
     [] {
         Civ(1).relation[2] = Civ(2).relation[1] = 13;
         Unit(1, 1).x = 14; // the warrior leaves the city
         AddUnit(2, kWarrior, 12, 11);
     },
     {462, 459, 512, 509}},
    {"unhappiness", kAdviceUnhappiness, [] { City(10, 10).happiness = 55; }, {462, 459, 512, 509}},
    {"a wagon train",
     kAdviceWagonTrain,
     [] {
         AddUnit(1, kWagonTrain, 12, 12);
         game.currentUnit = static_cast<uint8_t>(Civ(1).unitCount);
     },
     {562, 559, 612, 609}},
};

bool Overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

// Each advice at its moment, in both languages: its texts inside its note, the note
// inside the map's frame and clear of what it speaks of.
TEST_F(GuidanceTest, EachAdviceShowsAtItsMomentOnANoteThatHoldsIt) {
    for (const Case& c : kCases) {
        SetUp();
        c.set();
        for (int language : {1, 2}) {
            game.language = static_cast<uint8_t>(language);
            const GuideNote note = Frame();
            ASSERT_EQ(note.advice, c.advice) << c.what;
            EXPECT_FALSE(Overlaps(note.box, c.clear)) << c.what;
            EXPECT_TRUE(note.box.left >= 10 && note.box.top >= 35 && note.box.right <= 1014 &&
                        note.box.bottom <= 615)
                << c.what;
            int lines = 0;
            for (const DrawRecord& r : *platform.Log()) {
                if (r.kind != DrawRecord::Text || r.x < note.box.left || r.x >= note.box.right ||
                    r.y < note.box.top || r.y >= note.box.bottom)
                    continue;
                ++lines;
                EXPECT_LE(r.x + platform.TextPixelWidth(r.name, 8), note.box.right - 5) << r.name;
                EXPECT_LE(r.y + 13, note.box.bottom - 5) << r.name;
            }
            EXPECT_GE(lines, 3) << c.what;
        }
        TearDown();
    }
}

// A note on the map stays until its mark is pressed (a press elsewhere on it does
// nothing) or its turn ends; then it is given for good. A note beside a table or a
// dialog is given when that closes.
TEST_F(GuidanceTest, AdviceIsGivenOnce) {
    Civ(1).relation[2] = Civ(2).relation[1] = 20;
    GuideNote note = Frame();
    ASSERT_EQ(note.advice, kAdviceRivalMet);
    Press(note.box.left + 20, note.box.bottom - 8);
    EXPECT_EQ(Frame().advice, kAdviceRivalMet);
    EXPECT_EQ(Unit(1, 1).x, 10) << "the press reached the map";
    Press(note.closeMark.left + 4, note.closeMark.top + 4);
    EXPECT_TRUE(AdviceGiven(kAdviceRivalMet));
    EXPECT_NE(Frame().advice, kAdviceRivalMet);

    City(10, 10).happiness = 50;
    ASSERT_EQ(Frame().advice, kAdviceUnhappiness);
    game.turn += 1;
    EXPECT_NE(Frame().advice, kAdviceUnhappiness) << "shown a turn ago";
    EXPECT_TRUE(AdviceGiven(kAdviceUnhappiness));

    ui.dialogCode = 1;
    ASSERT_EQ(Frame().advice, kAdviceNatives);
    ui.dialogCode = 0;
    Frame();
    EXPECT_TRUE(AdviceGiven(kAdviceNatives));
    ui.dialogCode = 33;
    EXPECT_NE(Frame().advice, kAdviceNatives);
}

// Turned off from the main menu, the guide shows nothing; the choice and the advice
// given travel with the saved game, and a game saved without them has the guide on.
TEST_F(GuidanceTest, TheGuideTurnsOffAndIsKeptInTheSave) {
    Civ(1).relation[2] = Civ(2).relation[1] = 20;
    SetGuidanceOn(false);
    EXPECT_EQ(Frame().advice, -1);
    ASSERT_TRUE(annals::testing::MakeSmallGame(3));
    const std::string before = SaveGameText();
    SetGuidanceOn(false);
    SetAdviceGiven(kAdviceWonder);
    const std::string saved = SaveGameText();
    SetGuidanceOn(true);
    LoadOutcome loaded = LoadSaveText(saved);
    ASSERT_TRUE(loaded.ok) << loaded.reason;
    EXPECT_FALSE(GuidanceOn());
    EXPECT_TRUE(AdviceGiven(kAdviceWonder));
    EXPECT_FALSE(AdviceGiven(kAdviceRivalMet));
    loaded = LoadSaveText(before);
    ASSERT_TRUE(loaded.ok) << loaded.reason;
    EXPECT_TRUE(GuidanceOn());
    EXPECT_FALSE(AdviceGiven(kAdviceWonder));
}

// The first turns' note ("build your second city") points at the first city only where
// it can be seen and pressed: not off the view, nor under the panels or the status bar.
TEST_F(GuidanceTest, TheFirstStepsPointOnlyAtACityInSight) {
    struct View {
        double x, y;
        bool shown;
        const char* what;
    };
    // The city stands at (10, 10); its middle is at ((10 - x) * 50 + 37, (10 - y) * 50 + 34).
    const View kViews[] = {
        {1, 1, true, "in the middle of the map"}, {0, -2.5, true, "just above the status bar"},
        {-6, -2, false, "under the unit panel"},  {7, -2, false, "under the small map's panel"},
        {0, -3, false, "under the status bar"},   {-10, 1, false, "right of the view"},
        {1, 11, false, "above the view"},
    };
    for (const View& v : kViews) {
        game.viewX = v.x;
        game.viewY = v.y;
        const GuideNote note = Frame();
        EXPECT_EQ(note.advice, v.shown ? 0 : -1) << v.what;
        if (!v.shown) continue;
        const int left = static_cast<int>((10 - v.x) * 50 + 12), top = static_cast<int>((10 - v.y) * 50 + 9);
        EXPECT_FALSE(Overlaps(note.box, {left, top, left + 50, top + 50})) << v.what;
    }
}
