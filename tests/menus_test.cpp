// The main menu, the save and load menus, the score and game-over screens and the terrain
// window, pressed and drawn as a player sees them.
#include "fixtures.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/program.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/input.h"
#include "ui/menus.h"
#include "ui/screens.h"

#include "ui/text.h"
#include "units/orders.h"
#include "units/unit_table.h"
#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

using namespace annals;
namespace fs = std::filesystem;

namespace {

class MenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(annals::testing::MakeSmallGame(5));
        InstallShellHost(platform);
        root = annals::testing::FreshTempDir("menus");
        fs::create_directory_symlink(fs::path(ANNALS_GAME_DIR) / "Art", root / "Art");
        gameFolder = root.string();
        ASSERT_TRUE(LoadSurfaces(1)) << SheetLoadError();
        ui.gameStarted = 1;
    }
    void TearDown() override {
        FreeSurfaces();
        UninstallShellHost();
        fs::remove_all(root);
        ResetState();
    }
    static void Press(int x, int y) {
        BaseMouseMove(0, x, y);
        BaseMouseDown(0, 0, x, y);
        BaseMouseUp(0, 0, x, y);
    }
    static void Frames(int n) {
        for (int i = 0; i < n; ++i) TimerFunction();
    }
    static void OpenMainMenu() {
        FormKeyDown(kVkEscape, 0);
        ASSERT_EQ(ui.mainMenuOpen, 1);
    }
    static void PressItem(int k) { Press(500, 289 + 23 * k + 5); }
    static void PressSlot(int n) { Press(500, 280 + 23 * n + 10); }
    // Opens the save or load menu from the main menu and presses a slot in it.
    static void ThroughMenu(int item, int slot) {
        OpenMainMenu();
        PressItem(item);
        Frames(8);
        PressSlot(slot);
    }
    int Messages() {
        int n = 0;
        for (const DrawRecord& r : *platform.Log()) n += r.kind == DrawRecord::Message;
        return n;
    }
    const DrawRecord* Text(const std::string& text) {
        for (const DrawRecord& r : *platform.Log())
            if (r.kind == DrawRecord::Text && r.name == text) return &r;
        return nullptr;
    }
    HeadlessPlatform platform{{.recordDrawing = true}};
    fs::path root;
};

} // namespace

TEST_F(MenusTest, SaveFromTheMenuThenLoadItBack) {
    OpenMainMenu();
    PressItem(kSaveItem);
    EXPECT_EQ(ui.mainMenuChoice, kSaveItem);
    // The item shows pressed for eight frames before the save menu opens.
    Frames(7);
    EXPECT_EQ(ui.saveMenuOpen, 0);
    Frames(1);
    EXPECT_EQ(ui.saveMenuOpen, 1);
    EXPECT_EQ(ui.mainMenuOpen, 0);
    EXPECT_EQ(ui.mainMenuChoice, 0);

    // A loaded game shows the unit that is to move: the view is there already.
    MoveViewToSelection(true);
    const std::string saved = SaveGameText();
    PressSlot(2);
    Frames(8);
    EXPECT_EQ(ui.saveMenuOpen, 0);
    ASSERT_TRUE(SlotExists(2));
    EXPECT_EQ(Messages(), 1) << "the player is told that the game was saved";
    EXPECT_TRUE(std::any_of(platform.Log()->begin(), platform.Log()->end(), [](const DrawRecord& r) {
        return r.kind == DrawRecord::Message && r.name == "Game saved.";
    }));
    platform.ClearLog();
    EXPECT_EQ(MenuSlotLabel(2), std::string("BC 4000, ") + nationName(Civ(1).nation));

    Civ(1).gold = 999;
    game.year = 100;
    ThroughMenu(kLoadItem, 2);
    EXPECT_EQ(ui.slotChoice, 2);
    Frames(8);
    EXPECT_EQ(ui.loadMenuOpen, 0);
    EXPECT_TRUE(SaveGameText() == saved) << "the game as it was saved";
    EXPECT_EQ(ui.gameStarted, 1);
    EXPECT_EQ(ui.smallMapValid, 1) << "the small map is drawn again";
    EXPECT_EQ(Messages(), 0);
    platform.ClearLog();
    Frames(1);
    EXPECT_NE(Text("BC 4000 — the Romans' turn"), nullptr) << "the loaded game begins with the player's turn";
}

// A game saved while the person was still to choose his next science (the autosave at
// the start of his turn is written while the table is open) asks for the choice when it is
// loaded, and announces nothing twice; a game with a science under way opens no table.
TEST_F(MenusTest, ALoadedGameAsksForTheScienceItWasSavedBeforeChoosing) {
    game.currentCiv = 1;
    FoundCity(Unit(1, 1).x, Unit(1, 1).y);
    ASSERT_EQ(Civ(1).cityCount, 1);
    struct Case {
        int research, left, slot;
        bool asks;
    } cases[] = {{1, 0, 3, true}, {0, 0, 4, true}, {2, 20, 5, false}};
    for (const Case& c : cases) {
        Civ(1).knows[1] = 1;
        Civ(1).research = static_cast<uint8_t>(c.research);
        Civ(1).researchLeft = c.left;
        ASSERT_TRUE(Save(c.slot));
    }
    for (const Case& c : cases) {
        ui.scienceTableOpen = ui.discoveryShown = 0;
        ThroughMenu(kLoadItem, c.slot);
        Frames(8);
        ASSERT_EQ(ui.loadMenuOpen, 0);
        EXPECT_EQ(ui.scienceTableOpen, c.asks ? 1 : 0) << c.slot;
        EXPECT_EQ(ui.discoveryShown, 0) << c.slot;
    }
}

TEST_F(MenusTest, AGameOfTwoPeopleIsLoadedBehindTheHandOverCover) {
    ASSERT_TRUE(Save(3));
    Civ(2).isComputer = 0; // the second seat taken by a person as well
    ASSERT_TRUE(Save(4));
    for (const int slot : {3, 4}) {
        ui.handOverCiv = 0;
        ThroughMenu(kLoadItem, slot);
        Frames(8);
        ASSERT_EQ(ui.loadMenuOpen, 0);
        EXPECT_EQ(ui.handOverCiv, slot == 4 ? game.currentCiv : 0) << slot;
    }
}

TEST_F(MenusTest, RefusedChoicesLeaveTheGameAsItWas) {
    // Saving on the autosave slot.
    ThroughMenu(kSaveItem, 7);
    EXPECT_EQ(Messages(), 1);
    EXPECT_EQ(ui.slotChoice, 0);
    EXPECT_EQ(ui.closeCountdown, 0);
    EXPECT_EQ(ui.saveMenuOpen, 1);
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.saveMenuOpen, 0);

    // A free slot in the load menu does nothing; a press beside the rows neither.
    ThroughMenu(kLoadItem, 1);
    Press(300, 313);
    EXPECT_EQ(ui.slotChoice, 0);
    EXPECT_EQ(ui.loadMenuOpen, 1);
    FormKeyDown(kVkEscape, 0);

    // A damaged slot is told and refused; the running game stays.
    fs::create_directories(root / "Save");
    std::ofstream(root / "Save" / "Slot3.txt") << "801605 3 4 5";
    const std::string before = SaveGameText();
    platform.ClearLog();
    ThroughMenu(kLoadItem, 3);
    Frames(8);
    EXPECT_EQ(Messages(), 1);
    EXPECT_EQ(ui.loadMenuOpen, 0);
    EXPECT_TRUE(SaveGameText() == before);

    // Saving while the next science is being chosen.
    ui.scienceTableOpen = 1;
    platform.ClearLog();
    OpenMainMenu();
    PressItem(kSaveItem);
    Frames(8);
    EXPECT_EQ(Messages(), 1);
    EXPECT_EQ(ui.mainMenuOpen, 1);
    EXPECT_EQ(ui.saveMenuOpen, 0);
}

TEST_F(MenusTest, EscapeDuringTheCountdownOpensNothing) {
    OpenMainMenu();
    PressItem(kSaveItem);
    Frames(3);
    FormKeyDown(kVkEscape, 0);
    Frames(10);
    EXPECT_EQ(ui.mainMenuOpen, 0);
    EXPECT_EQ(ui.saveMenuOpen, 0);
}

TEST_F(MenusTest, MusicSwitchesAndTheMenuStays) {
    ui.musicOn = 0;
    OpenMainMenu();
    Frames(1);
    EXPECT_TRUE(Text("Music Off"));
    PressItem(kMusicItem);
    Frames(8);
    EXPECT_EQ(ui.musicOn, 1);
    EXPECT_EQ(ui.mainMenuOpen, 1);
    platform.ClearLog();
    Frames(1);
    EXPECT_TRUE(Text("Music On"));
    EXPECT_FALSE(Text("Music Off"));
}

TEST_F(MenusTest, ExitEndsTheProgramAndTheEncyclopediaOpens) {
    OpenMainMenu();
    PressItem(kHelpItem);
    Frames(8);
    EXPECT_EQ(ui.helpMenuOpen, 1);
    EXPECT_EQ(ui.helpPage, 1);
    EXPECT_EQ(ui.mainMenuOpen, 0);
    FormKeyDown(kVkEscape, 0);

    // Exit asks whether to save first: yes opens the save menu, no leaves at once.
    OpenMainMenu();
    PressItem(kExitItem);
    Frames(8);
    EXPECT_FALSE(platform.QuitRequested());
    EXPECT_EQ(ui.saveMenuOpen, 1);
    FormKeyDown(kVkEscape, 0);
    platform.SetAskAnswer(false);
    OpenMainMenu();
    PressItem(kExitItem);
    Frames(7);
    EXPECT_FALSE(platform.QuitRequested());
    Frames(1);
    EXPECT_TRUE(platform.QuitRequested());
}

TEST_F(MenusTest, SlotLabels) {
    fs::create_directories(root / "Save");
    struct Case {
        int slot;
        const char* header;
        std::string label;
    } cases[] = {
        {1, "301605", "BC 3950, Britons"}, {7, "301605", "Auto, BC 3950, Britons"},
        {2, "905567", "AD 12, Turks"},     {3, "5555", "AD 0"}, // no nation
        {4, "x", "Damaged Slot"},
    };
    for (const Case& c : cases)
        std::ofstream(root / "Save" / ("Slot" + std::to_string(c.slot) + ".txt")) << c.header;
    for (const Case& c : cases) EXPECT_EQ(MenuSlotLabel(c.slot), c.label) << c.slot;
    EXPECT_EQ(MenuSlotLabel(5), "Free Slot");
}

TEST_F(MenusTest, TheAutosaveLabelStaysOnItsPlateInBothLanguages) {
    fs::create_directories(root / "Save");
    for (int language : {1, 2})
        for (int nation = 1; nation <= 10; ++nation)
            for (int64_t year : {-3950, 1995}) {
                game.language = static_cast<uint8_t>(language);
                std::ofstream(root / "Save" / "Slot7.txt") << nation * 100000 + year + 5555;
                const std::string label = MenuSlotLabel(7);
                EXPECT_LE(LineWidth(label, 8), 153 - 10) << label;
                EXPECT_NE(label.find(nationName(nation)), std::string::npos) << label;
            }
}

TEST_F(MenusTest, TerrainYields) {
    struct Case {
        const char* what;
        uint8_t terrain, forest, hill, river, cornfield, road, special, examined, mine;
        int nation;
        int yields[9]; // products 1..8
    } cases[] = {
        {"grassland forest with food bonus",
         kGrassland,
         1,
         0,
         0,
         0,
         0,
         3,
         0,
         0,
         8,
         {0, 5, 0, 1, 0, 3, 8, 2, 0}},
        {"plain with river", kPlain, 0, 0, 1, 0, 0, 0, 0, 0, 8, {0, 4, 5, 0, 0, 0, 0, 3, 0}},
        {"persian cotton", kPlain, 0, 0, 0, 0, 0, 0, 0, 0, 7, {0, 3, 5, 0, 0, 0, 0, 3, 0}},
        {"frankish cornfield", kGrassland, 0, 0, 0, 1, 0, 0, 0, 0, 5, {0, 5, 0, 0, 0, 0, 0, 0, 0}},
        {"viking sea", kSea, 0, 0, 0, 0, 0, 14, 0, 0, 10, {0, 3, 0, 0, 0, 0, 0, 0, 1}},
        {"examined gold hill with road", kDesert, 0, 1, 0, 0, 1, 12, 1, 1, 8, {0, 0, 0, 0, 0, 0, 0, 7, 2}},
        {"unexamined gold hill", kDesert, 0, 1, 0, 0, 0, 12, 0, 0, 8, {0, 0, 0, 0, 0, 0, 0, 5, 0}},
    };
    for (const Case& c : cases) {
        MapCell cell{};
        cell.terrain = c.terrain;
        cell.forest = c.forest;
        cell.hill = c.hill;
        cell.river = c.river ? 100 : 0;
        cell.cornfield = c.cornfield;
        cell.road = c.road;
        cell.special = c.special;
        cell.hillExamined = c.examined;
        cell.mine = c.mine;
        Civ(game.currentCiv).nation = static_cast<uint8_t>(c.nation);
        for (int p = 1; p <= 8; ++p)
            EXPECT_EQ(TerrainYield(cell, p), c.yields[p]) << c.what << ", product " << p;
        EXPECT_EQ(TerrainYield(cell, 9), 0);
    }

    // Six products on one cell: five lines, gold before stone.
    MapCell rich{};
    rich.terrain = kGrassland;
    rich.forest = 1;
    rich.special = 14;
    int lines[5];
    ASSERT_EQ(TerrainYieldLines(rich, lines), 5);
    EXPECT_EQ(lines[3], 6);
    EXPECT_EQ(lines[4], 8);
}

TEST_F(MenusTest, TheTerrainWindowDescribesItsCellAndCloses) {
    const int x = 5, y = 6;
    MapCell& cell = Cell(x, y);
    cell.terrain = kGrassland;
    cell.forest = 1;
    cell.river = 10;
    cell.hill = 0;
    cell.cornfield = 0;
    cell.special = 3;
    cell.explored = 1;
    ui.terrainInfoOpen = 1;
    ui.terrainInfoX = x;
    ui.terrainInfoY = y;
    platform.ClearLog();
    DrawTerrainInfoMenu();

    const DrawRecord* line = Text("Grassland + river");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->y, 369);
    EXPECT_TRUE(Text("+food bonus"));
    EXPECT_TRUE(Text("Productions :"));
    const DrawRecord* food = Text("Food");
    ASSERT_TRUE(food);
    EXPECT_EQ(food->x, 490);
    EXPECT_EQ(food->y, 322);
    int foodIcons = 0;
    for (const DrawRecord& r : *platform.Log())
        foodIcons += r.kind == DrawRecord::Sprite && r.y == 325 && r.source.left == 0 && r.source.top == 464;
    EXPECT_EQ(foodIcons, 6) << "2 for the forest, 1 for the river, 3 for the bonus";

    EXPECT_FALSE(TerrainInfoMouseDown(633, 310)) << "just beside the close button";
    EXPECT_EQ(ui.terrainInfoOpen, 1);
    BaseMouseDown(0, 0, 600, 310);
    EXPECT_EQ(ui.terrainInfoOpen, 0);
    EXPECT_EQ(ui.screenJustClosed, 1);
}

TEST_F(MenusTest, TheScoreScreenTakesTheGameOverScreensPlace) {
    game.gameOver = 1;
    ui.scoreMenuOpen = 1;
    platform.ClearLog();
    DrawGameOverMenu();
    DrawScoreMenu();
    EXPECT_TRUE(Text("Score"));
    EXPECT_FALSE(Text(
        WrappedLines("Your civilization has been completely erased from the world.", 8, 626 - 399).front()));
    ui.scoreMenuOpen = 0;
    DrawGameOverMenu();
    EXPECT_TRUE(Text(
        WrappedLines("Your civilization has been completely erased from the world.", 8, 626 - 399).front()));
}

// Saving onto a slot that holds a game asks first; "Cancel" keeps the old game there.
TEST_F(MenusTest, ReplacingASavedGameAsksFirst) {
    ASSERT_TRUE(Save(3));
    game.year = -3000;
    for (bool replace : {false, true}) {
        platform.SetAskAnswer(replace);
        platform.ClearLog();
        ThroughMenu(kSaveItem, 3);
        Frames(8);
        EXPECT_EQ(Messages(), replace ? 2 : 1) << "the question, and then the news of the save";
        EXPECT_EQ(MenuSlotLabel(3).rfind(replace ? "BC 3000" : "BC 4000", 0), 0u) << MenuSlotLabel(3);
        EXPECT_EQ(ui.saveMenuOpen, replace ? 0 : 1) << "a cancelled save leaves the menu open";
        ui.saveMenuOpen = 0;
    }
}

// The menus' questions and news stand over the whole frame: the panel's nation and
// government are written before the message shows, not left out of the picture behind it.
TEST_F(MenusTest, MessagesOfTheMenusStandOverAFrameWithItsPanelTexts) {
    struct Case {
        std::function<void()> press;
        const char* message;
    };
    const Case cases[] = {
        {[] { ThroughMenu(kSaveItem, 2); }, "Game saved."},
        {[] { OpenMainMenu(), PressItem(kExitItem); }, "Do you want to save the game before you leave?"},
    };
    platform.SetAskAnswer(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        c.press();
        platform.ClearLog();
        Frames(8);
        const std::vector<DrawRecord>& log = *platform.Log();
        const auto message = std::find_if(log.begin(), log.end(), [&](const DrawRecord& r) {
            return r.kind == DrawRecord::Message && r.name == c.message;
        });
        ASSERT_NE(message, log.end());
        auto frameStart = message;
        while (frameStart != log.begin() && std::prev(frameStart)->kind != DrawRecord::Present) --frameStart;
        for (const std::string& text :
             {std::string(nationName(Civ(1).nation)), std::string(governmentName(Civ(1).government))})
            EXPECT_TRUE(std::any_of(
                frameStart, message,
                [&](const DrawRecord& r) { return r.kind == DrawRecord::Text && r.name == text; }))
                << text << " is written in the frame the message stands over";
    }
}

// Every text written over a window, once the window is drawn, is dark ink that reads on
// its parchment.
TEST_F(MenusTest, TextsOnTheWindowsAreDarkInk) {
    struct Case {
        const char* what;
        std::function<void()> open;
        const char* sheet;
        Rect piece;
    };
    const Rect menuWindow{0, 0, 436, 453}, messageBox{720, 0, 990, 132}, helpWindow{0, 115, 710, 623};
    const Rect overviewWindow{600, 0, 1204, 422};
    const Case cases[] = {
        {"main menu", [] { OpenMainMenu(); }, "backgrounds.bmp", menuWindow},
        {"save menu", [] { OpenMainMenu(), PressItem(kSaveItem), Frames(8); }, "backgrounds.bmp", menuWindow},
        {"score", [] { OpenMainMenu(), PressItem(kScoreItem), Frames(8); }, "interfaces.bmp", messageBox},
        {"game over", [] { game.gameOver = 1; }, "interfaces.bmp", messageBox},
        {"help", [] { FormKeyDown(kVkF1, 0), Frames(2); }, "interfaces.bmp", helpWindow},
        {"end screen", [] { OpenMainMenu(), PressItem(kRetireItem), Frames(8); }, "backgrounds.bmp",
         overviewWindow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.open();
        platform.ClearLog();
        Frames(1);
        const std::vector<DrawRecord>& log = *platform.Log();
        auto window = std::find_if(log.rbegin(), log.rend(), [&](const DrawRecord& r) {
            return r.kind == DrawRecord::Sprite && r.name == c.sheet && r.source.left == c.piece.left &&
                   r.source.top == c.piece.top && r.source.right == c.piece.right &&
                   r.source.bottom == c.piece.bottom;
        });
        ASSERT_NE(window, log.rend()) << "the window is drawn";
        const Rect area{window->x, window->y, window->x + c.piece.Width(), window->y + c.piece.Height()};
        int written = 0;
        for (auto r = window.base(); r != log.end(); ++r) {
            if (r->kind != DrawRecord::Text || r->x < area.left || r->x >= area.right || r->y < area.top ||
                r->y >= area.bottom)
                continue;
            // A help page's title stands in white on the orange band above it.
            if (std::string(c.what) == "help" && r->y >= 192 && r->y < 210) continue;
            ++written;
            const int red = (r->colour >> 16) & 255, green = (r->colour >> 8) & 255, blue = r->colour & 255;
            EXPECT_LT(299 * red + 587 * green + 114 * blue, 130 * 1000) << '"' << r->name << '"';
        }
        EXPECT_GT(written, 0);
        ui.mainMenuOpen = ui.saveMenuOpen = ui.scoreMenuOpen = ui.helpMenuOpen = 0;
        game.gameOver = 0;
    }
}
