// The entrance screen's settings page and load page, pressed as a player would.
#include "fixtures.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/entrance.h"
#include "ui/input.h"

#include "units/unit_table.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

using namespace annals;
namespace fs = std::filesystem;

namespace {

class EntranceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InstallShellHost(platform);
        root = annals::testing::FreshTempDir("entrance");
        fs::create_directory_symlink(fs::path(ANNALS_GAME_DIR) / "Art", root / "Art");
        gameFolder = root.string();
        FormCreate(3);
    }
    void TearDown() override {
        FormClose();
        UninstallShellHost();
        fs::remove_all(root);
        ResetState();
    }
    static void Press(int x, int y) {
        BaseMouseMove(0, x, y);
        BaseMouseDown(0, 0, x, y);
        BaseMouseUp(0, 0, x, y);
    }
    static void OpenSettings() { Press(620, 350); }
    // Opens a list with its opener, then picks row r (rows are 16 pixels from `top`).
    static void Pick(int openerX, int openerY, int listX, int top, int r) {
        Press(openerX, openerY);
        Press(listX, top + 16 * r + 8);
    }
    // Whether the frame just drawn wrote `text`; the log is emptied for the next look.
    bool Drew(const std::string& text) {
        bool found = false;
        for (const DrawRecord& r : *platform.Log())
            found = found || (r.kind == DrawRecord::Text && r.name == text);
        platform.ClearLog();
        return found;
    }
    HeadlessPlatform platform{{.recordDrawing = true}};
    fs::path root;
};

} // namespace

TEST_F(EntranceTest, SettingsChoices) {
    OpenSettings();
    ASSERT_EQ(ui.newGameScreen, 1);
    EXPECT_EQ(game.civCount, 8);
    EXPECT_EQ(game.mapWidth, 42);
    Pick(245, 180, 180, 193, 0); // map size: Tiny
    Pick(245, 210, 180, 225, 3); // location: Coastal
    Pick(245, 240, 180, 257, 2); // three other players
    Pick(245, 270, 180, 289, 4); // Hardest
    EXPECT_EQ(game.mapWidth, 24);
    EXPECT_EQ(game.mapHeight, 24);
    EXPECT_EQ(game.location, 4.0);
    EXPECT_EQ(game.civCount, 5);
    EXPECT_EQ(game.difficulty, 5);
    EXPECT_EQ(ui.openList, 0) << "a choice closes its list";
    Pick(215, 320, 150, 334, 1); // player 1 becomes a computer
    EXPECT_EQ(Civ(1).isComputer, 1);
    Pick(215, 320, 150, 334, 0);
    EXPECT_EQ(Civ(1).isComputer, 0);
}

TEST_F(EntranceTest, NationsAndColoursStayDistinctAcrossAllSevenRows) {
    OpenSettings();
    Pick(245, 240, 180, 257, 0); // one other player: rows 1 and 2 only
    EXPECT_EQ(game.civCount, 3);
    // Player 2 takes player 5's nation (Turks, 9): player 5, though not shown, gets
    // player 2's old one, so raising the count later cannot give two players one nation.
    Pick(350, 352, 290, 366, 8);
    EXPECT_EQ(Civ(2).nation, 9);
    EXPECT_EQ(Civ(5).nation, 2);
    Pick(400, 352, 385, 366, 0); // player 2 takes blue from player 1
    EXPECT_EQ(Civ(2).colour, 1);
    EXPECT_EQ(Civ(1).colour, 2);
    // Player 5's openers do not react while only two players are shown.
    Press(350, 450);
    EXPECT_EQ(ui.openList, 0);
    Pick(245, 240, 180, 257, 5); // six other players again
    std::set<int> nations, colours;
    for (int p = 1; p <= 7; ++p) {
        nations.insert(Civ(p).nation);
        colours.insert(Civ(p).colour);
    }
    EXPECT_EQ(nations.size(), 7u);
    EXPECT_EQ(colours.size(), 7u);
}

TEST_F(EntranceTest, StartMakesTheChosenGame) {
    OpenSettings();
    Pick(245, 180, 180, 193, 1); // Small
    Pick(245, 240, 180, 257, 1); // two other players
    Pick(245, 270, 180, 289, 2); // Moderate
    Pick(350, 320, 290, 334, 8); // player 1 plays the Turks
    Press(100, 570);             // start
    ASSERT_EQ(ui.gameStarted, 1);
    EXPECT_EQ(ui.newGameScreen, 0);
    EXPECT_EQ(game.mapWidth, 30);
    EXPECT_EQ(game.civCount, 4);
    EXPECT_EQ(Civ(1).nation, 9);
    EXPECT_EQ(Civ(1).isComputer, 0);
    EXPECT_EQ(Civ(2).aiLevel, 3);
    EXPECT_EQ(Civ(4).nation, kNativeNation);
    EXPECT_EQ(game.currentCiv, 1);
    EXPECT_EQ(Unit(1, game.currentUnit).type, kSettler) << "the first Settler is selected";
}

TEST_F(EntranceTest, TheNewGameItemRestoresTheDefaults) {
    OpenSettings();
    Pick(245, 180, 180, 193, 0);
    Press(380, 570); // back
    EXPECT_EQ(ui.newGameScreen, 0);
    OpenSettings();
    EXPECT_EQ(game.mapWidth, 42);
    EXPECT_EQ(Civ(2).nation, 2);
}

TEST_F(EntranceTest, FreeAndDamagedSlotsChangeNothingASoundOneResumes) {
    Press(620, 380); // load game
    ASSERT_EQ(ui.loadScreen, 1);
    Press(150, 290); // slot 1 is free
    EXPECT_EQ(ui.loadScreen, 1);
    EXPECT_EQ(ui.gameStarted, 0);

    fs::create_directories(root / "Save");
    std::ofstream(root / "Save" / "Slot2.txt") << "4 5 6";
    platform.ClearLog();
    Press(150, 326); // slot 2 is damaged
    EXPECT_EQ(ui.gameStarted, 0);
    EXPECT_EQ(ui.loadScreen, 1);
    int messages = 0;
    for (const DrawRecord& r : *platform.Log()) messages += r.kind == DrawRecord::Message;
    EXPECT_EQ(messages, 1);

    ASSERT_TRUE(annals::testing::MakeSmallGame(9));
    MoveViewToSelection(true); // where a loaded game puts the view
    const std::string saved = SaveGameText();
    Save(3);
    ResetState();
    ui.loadScreen = 1;
    Press(150, 362); // slot 3
    EXPECT_EQ(ui.gameStarted, 1);
    EXPECT_EQ(ui.loadScreen, 0);
    EXPECT_TRUE(SaveGameText() == saved);
}

// A page's buttons react over the whole plate they draw, their words included, and
// nowhere beside it.
TEST_F(EntranceTest, ButtonsReactOverTheirWholePlate) {
    struct Case {
        const char* page;
        int x, y;
        bool closes;
    } cases[] = {
        {"settings", 340, 571, true},  // on the word "Back"
        {"settings", 267, 557, true},  // the plate's top-left corner
        {"settings", 415, 587, true},  // its bottom-right corner
        {"settings", 420, 571, false}, // beside it
        {"load", 180, 571, true},      {"load", 107, 571, true},     {"load", 260, 571, false},
        {"credits", 180, 571, true},   {"credits", 180, 590, false},
    };
    for (const Case& c : cases) {
        ResetState();
        FormCreate(3);
        const std::string page = c.page;
        if (page == "settings") OpenSettings();
        if (page == "load") Press(620, 380);
        if (page == "credits") Press(620, 410);
        uint8_t* open = page == "settings" ? &ui.newGameScreen
                        : page == "load"   ? &ui.loadScreen
                                           : &ui.creditsScreen;
        ASSERT_EQ(*open, 1) << page;
        Press(c.x, c.y);
        EXPECT_EQ(*open, c.closes ? 0 : 1) << page << " " << c.x << "," << c.y;
        EXPECT_EQ(ui.gameStarted, 0);
    }
}

// An open list keeps a pixel of page above its first row and below its last, and a press
// outside the rows it draws chooses nothing.
TEST_F(EntranceTest, ListRowsAreWhereTheyAreDrawn) {
    OpenSettings();
    Press(215, 320); // player 1's control list: two rows from y 335
    ASSERT_EQ(ui.openList, 5);
    Press(150, 380); // well below the two rows: not "Computer"
    EXPECT_EQ(Civ(1).isComputer, 0);
    Press(245, 180);                  // map sizes: five rows
    Press(180, 193 + 1 + 16 * 5 + 1); // the frame's bottom pixel
    EXPECT_EQ(game.mapWidth, 42) << "nothing chosen";
}

// The player is told the year and that the turn is his as a new game begins and as a
// loaded one does, in his language; a game loaded in a computer's turn waits for his.
TEST_F(EntranceTest, ANewOrLoadedGameBeginsWithTheYearAndThePlayersTurn) {
    OpenSettings();
    Press(100, 570); // start
    ASSERT_EQ(ui.gameStarted, 1);
    TimerFunction();
    EXPECT_TRUE(Drew("BC 4000 — the Britons' turn"));
    Save(2);
    game.currentCiv = 2; // a computer's
    Save(3);

    struct Case {
        int slot, language;
        const char* notice;
    } cases[] = {
        {2, 2, "MÖ 4000 — sıra İngilizlerde"}, {2, 1, "BC 4000 — the Britons' turn"}, {3, 1, nullptr}};
    for (const Case& c : cases) {
        ResetState();
        FormCreate(3);
        game.language = static_cast<uint8_t>(c.language);
        Press(620, 380);                     // load game
        Press(150, 290 + 36 * (c.slot - 1)); // the slot's row
        ASSERT_EQ(ui.gameStarted, 1) << c.slot;
        if (!c.notice) {
            EXPECT_EQ(ui.turnNoticeFrames, 0) << "nothing is announced while a computer moves";
            continue;
        }
        platform.ClearLog();
        TimerFunction();
        EXPECT_TRUE(Drew(c.notice)) << c.notice;
    }
}
