// Program start and the frame routine, run under the headless platform.
#include "economy/news.h"
#include "fixtures.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/autoplay.h"
#include "shell/program.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace annals;

TEST(ProgramStart, LanguageFromFirstLine) {
    struct Case {
        const char* line;
        int language;
    } cases[] = {
        {"tr", 2}, {"tr\r", 2}, {"turkish", 1}, {"trk", 2}, {"t", 1},
        {"TR", 1}, {"", 1},     {"en", 1},      {" tr", 1}, {"\xEF\xBB\xBFtr", 2},
    };
    for (const Case& c : cases) EXPECT_EQ(LanguageFromFirstLine(c.line), c.language) << '"' << c.line << '"';
}

TEST(ProgramStart, LanguageFileOnlyItsFirstLineCountsAndMissingMeansEnglish) {
    const auto dir = annals::testing::FreshTempDir("language");
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "language.txt").string();
    struct Case {
        const char* contents;
        int language;
    } cases[] = {{"tr\nen\n", 2}, {"en\ntr\n", 1}, {"tr", 2}, {"", 1}, {"\ntr\n", 1}};
    for (const Case& c : cases) {
        std::ofstream(path, std::ios::binary) << c.contents;
        EXPECT_EQ(ReadLanguageFile(path), c.language) << c.contents;
    }
    std::filesystem::remove(path);
    EXPECT_EQ(ReadLanguageFile(path), 1);
    EXPECT_EQ(ReadLanguageFile(dir.string()), 1) << "a folder where the file should be";
    std::filesystem::remove_all(dir);
}

TEST(ProgramStart, GameFolderIsTheProgramsFolder) {
    struct Case {
        const char* program;
        const char* folder;
    } cases[] = {
        {"/home/ann/annals/annals", "/home/ann/annals"},
        {"build/game/annals", "build/game"},
        {"annals", "/current/dir"}, // no separator: the current directory
        {"/annals", ""},            // the root, without its trailing separator
    };
    for (const Case& c : cases)
        EXPECT_EQ(GameFolderFromPath(c.program, "/current/dir"), c.folder) << c.program;
}

namespace {

// A game in progress on a headless screen, with the frame routine's steps traced.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InstallShellHost(platform);
        gameFolder = ANNALS_GAME_DIR;
        FormCreate(7);
        SetFrameTrace(&trace);
    }
    void TearDown() override {
        SetFrameTrace(nullptr);
        UninstallShellHost();
        ResetState();
    }

    // Two civilizations and the natives; civilization 1 human with one unit selected.
    void StartSmallGame() {
        ui.gameStarted = 1;
        game.civCount = 3;
        game.currentCiv = 1;
        Civ(2).isComputer = 1;
        Civ(3).isComputer = 1;
        Civ(1).unitCount = 1;
        Unit(1, 1).type = 2;
        Unit(1, 1).movesLeft = 3;
        game.currentUnit = 1;
        ui.musicCountdown = 500;
        // Civilization 2 owns nothing: the person has won already and plays on.
        game.endKind = kConquest;
        game.winner = 1;
    }

    std::vector<std::string> Frame() {
        trace.clear();
        TimerFunction();
        return trace;
    }

    static bool Has(const std::vector<std::string>& steps, const std::string& step) {
        return std::find(steps.begin(), steps.end(), step) != steps.end();
    }

    HeadlessPlatform platform;
    std::vector<std::string> trace;
};

} // namespace

TEST_F(FrameTest, StartValues) {
    EXPECT_EQ(game.year, -4000);
    EXPECT_EQ(game.turn, 2);
    EXPECT_EQ(ui.musicOn, 1);
    EXPECT_EQ(ui.musicCountdown, 15);
    EXPECT_EQ(game.viewX, 1.0);
    EXPECT_EQ(ui.mouseX, 400);
    EXPECT_EQ(ui.mouseY, 300);
    EXPECT_EQ(ui.gameStarted, 0);
    EXPECT_EQ(ui.surfacesLoaded, 1);
    ASSERT_FALSE(platform.Log()->empty());
    EXPECT_EQ(platform.Log()->back().kind, DrawRecord::Sound);
    EXPECT_EQ(platform.Log()->back().name, "intro");
    EXPECT_FALSE(platform.QuitRequested());
}

TEST(ProgramStartWithoutPictures, TellsWhichFilesAreMissingOnceAndEnds) {
    ResetState();
    HeadlessPlatform platform;
    InstallShellHost(platform);
    const auto dir = annals::testing::FreshTempDir("no-art");
    std::filesystem::create_directories(dir / "Art");
    std::filesystem::copy_file(std::filesystem::path(ANNALS_GAME_DIR) / "Art" / "terrainSprite.bmp",
                               dir / "Art" / "terrainSprite.bmp",
                               std::filesystem::copy_options::overwrite_existing);
    std::ofstream(dir / "Art" / "unitSprite.bmp") << "not a picture";
    gameFolder = dir.string();
    FormCreate(1);
    int messages = 0;
    for (const DrawRecord& r : *platform.Log()) {
        if (r.kind != DrawRecord::Message) continue;
        ++messages;
        EXPECT_NE(r.name.find("unitSprite.bmp"), std::string::npos) << r.name;
        EXPECT_NE(r.name.find("othersSprite.bmp"), std::string::npos) << r.name;
        EXPECT_EQ(r.name.find("terrainSprite.bmp"), std::string::npos) << "it was read";
    }
    EXPECT_EQ(messages, 1);
    EXPECT_TRUE(platform.QuitRequested());
    EXPECT_EQ(ui.surfacesLoaded, 1) << "no second try";
    RunMessageLoop(platform); // ends at once
    FormClose();
    UninstallShellHost();
    std::filesystem::remove_all(dir);
    ResetState();
}

TEST_F(FrameTest, EntranceScreenFrame) {
    // No civilization is current on the entrance screen, so no track starts there.
    ui.musicCountdown = 0;
    EXPECT_EQ(Frame(), (std::vector<std::string>{"entrance", "mouse", "present"}));
    EXPECT_EQ(ui.musicCountdown, 0) << "the countdown runs only in a game";
}

TEST_F(FrameTest, GameFrameDrawsInItsFixedOrder) {
    StartSmallGame();
    ui.mainMenuOpen = 1;
    ui.helpMenuOpen = 1;
    ui.cityMenuX = 4;
    ui.coinAnimation = 3;
    ui.dialogCode = 5;
    game.gameOver = 1;
    Civ(1).newsCount = 2;
    const std::vector<std::string> expected = {
        "mouseControl", "terrain",  "units", "mainMenu", "news",      "cityMenu", "helpMenu",
        "coin",         "gameOver", "mouse", "dialog",   "infoPanel", "present",
    };
    EXPECT_EQ(Frame(), expected);
    EXPECT_EQ(ui.frameDrawn, 1);
    EXPECT_EQ(ui.helpDrawn, 1);
}

TEST_F(FrameTest, AutomaticWorkRunsBeforeDrawing) {
    StartSmallGame();
    ui.musicCountdown = 0;
    ui.autosaveRequested = 1;
    Unit(1, 1).pendingDirection = 6;
    ui.distanceRecalcRequested = 1;
    const auto steps = Frame();
    ASSERT_GE(steps.size(), 4u);
    EXPECT_EQ((std::vector<std::string>(steps.begin(), steps.begin() + 4)),
              (std::vector<std::string>{"nextTrack", "autosave", "pendingStep", "mouseControl"}));
    // The rebuild follows the finished frame (and shows a frame of its own while it works).
    const auto shown = std::find(steps.begin(), steps.end(), "present");
    EXPECT_NE(std::find(shown, steps.end(), "distances"), steps.end());
    EXPECT_EQ(ui.autosaveRequested, 0);
    EXPECT_EQ(ui.distanceRecalcRequested, 0);
    EXPECT_EQ(Unit(1, 1).pendingDirection, 0);
}

TEST_F(FrameTest, ComputerTurnStartsNoTrackAndShowsItsIndicator) {
    StartSmallGame();
    game.currentCiv = 2;
    ui.musicCountdown = 0;
    ui.innerFrame = 1; // the frames a computer's turn draws while it plays
    const auto steps = Frame();
    ui.innerFrame = 0;
    EXPECT_FALSE(Has(steps, "nextTrack"));
    EXPECT_TRUE(Has(steps, "aiTime"));
    game.currentCiv = 1;
    EXPECT_TRUE(Has(Frame(), "nextTrack"));
}

TEST_F(FrameTest, AutosaveWaitsForASelectedUnit) {
    StartSmallGame();
    ui.autosaveRequested = 1;
    game.currentUnit = 2; // beyond unitCount: every unit has moved
    EXPECT_FALSE(Has(Frame(), "autosave"));
    EXPECT_EQ(ui.autosaveRequested, 1);
    game.currentUnit = 1;
    EXPECT_TRUE(Has(Frame(), "autosave"));
}

TEST_F(FrameTest, DistanceRebuildWaitsForTheAnimationToRest) {
    StartSmallGame();
    ui.distanceRecalcRequested = 1;
    Unit(1, 1).animDx = 10;
    EXPECT_FALSE(Has(Frame(), "distances"));
    Unit(1, 1).animDx = 0;
    EXPECT_TRUE(Has(Frame(), "distances"));
}

TEST_F(FrameTest, NestedFrameOnlyDraws) {
    StartSmallGame();
    ui.musicCountdown = 0;
    ui.autosaveRequested = 1;
    Unit(1, 1).pendingDirection = 6;
    ui.distanceRecalcRequested = 1;
    trace.clear();
    TheHost().NestedFrame();
    for (const char* step : {"nextTrack", "autosave", "pendingStep", "route", "distances"})
        EXPECT_FALSE(Has(trace, step)) << step;
    EXPECT_TRUE(Has(trace, "present"));
    EXPECT_EQ(ui.musicCountdown, 0) << "an inner frame does not count down the music";
    EXPECT_EQ(ui.innerFrame, 0);
    EXPECT_EQ(ui.autosaveRequested, 1);
    EXPECT_EQ(ui.distanceRecalcRequested, 1);
}

TEST_F(FrameTest, MinimizedFrameChangesNoPixel) {
    StartSmallGame();
    TimerFunction();
    platform.BackBuffer().FillRect({0, 0, kScreenWidth, kScreenHeight}, Rgb(1, 2, 3));
    const std::vector<Pixel> before = platform.Screen().Pixels();
    const int presents = platform.PresentCount();
    platform.SetWindowState(false, true);
    const auto steps = Frame();
    EXPECT_EQ(platform.Screen().Pixels(), before);
    EXPECT_EQ(platform.PresentCount(), presents);
    EXPECT_FALSE(Has(steps, "infoPanel"));
    EXPECT_TRUE(Has(steps, "terrain")) << "the routines still run; they draw nowhere";
    platform.SetWindowState(true, false);
    Frame();
    EXPECT_NE(platform.Screen().Pixels(), before);
}

TEST_F(FrameTest, SheetsReloadOnlyAfterARealDeviceLoss) {
    StartSmallGame();
    // A black screen is no sign of a lost surface.
    platform.BackBuffer().FillRect({0, 0, kScreenWidth, kScreenHeight}, kBlack);
    EXPECT_FALSE(Has(Frame(), "reloadSheets"));
    platform.SimulateDeviceLost();
    platform.SetWindowState(false, true);
    EXPECT_FALSE(Has(Frame(), "reloadSheets")) << "not while minimized";
    platform.SetWindowState(true, false);
    EXPECT_TRUE(Has(Frame(), "reloadSheets"));
    EXPECT_EQ(ui.surfacesLoaded, 2);
    EXPECT_FALSE(Has(Frame(), "reloadSheets"));
}

TEST_F(FrameTest, NoCivilizationOutsideTheGameIsHuman) {
    StartSmallGame();
    for (int civ : {0, 4, 8, 200}) EXPECT_FALSE(IsHuman(civ)) << civ;
    EXPECT_TRUE(IsHuman(1));
    EXPECT_FALSE(IsHuman(2));
}

TEST_F(FrameTest, TimerTicksOnlyWithTheFocus) {
    StartSmallGame();
    platform.SetWindowState(false, false);
    trace.clear();
    DXTimer1Timer();
    EXPECT_TRUE(trace.empty());
    platform.SetWindowState(true, false);
    DXTimer1Timer();
    EXPECT_FALSE(trace.empty());
}

TEST_F(FrameTest, MessageLoopEndsWhenTheWindowCloses) {
    platform.PushEvent({EventKind::MouseMove, 0, 0, 0, 120, 130});
    platform.PushEvent({EventKind::Quit});
    RunMessageLoop(platform);
    EXPECT_TRUE(platform.QuitRequested());
    EXPECT_EQ(ui.mouseX, 120);
    EXPECT_EQ(ui.mouseY, 130);
    // A routine that pauses or shows frames after the close returns at once.
    trace.clear();
    TheHost().NestedFrame();
    EXPECT_TRUE(trace.empty());
}

// A game saved in a computer's turn goes on by itself once loaded: the first frame lets
// the computers finish, and the person then has the move.
TEST_F(FrameTest, AComputersTurnThatNothingDrivesGoesOn) {
    StartSmallGame();
    game.currentCiv = 2;
    const int32_t turn = game.turn;
    const auto steps = Frame();
    EXPECT_TRUE(Has(steps, "computers"));
    EXPECT_EQ(game.currentCiv, 1);
    EXPECT_EQ(game.turn, turn + 1) << "the round came round to the person";
    EXPECT_FALSE(Has(Frame(), "computers")) << "nothing more to resume";
}

// A game that nobody plays is watched: a press never runs the computers, so Escape opens
// the menu at once, and while it is open they wait. Closed, the game goes on, a year a
// frame at the unhurried pace of the tests.
TEST_F(FrameTest, AWatchedGameAnswersAtOnceAndWaitsWhileTheMenuIsOpen) {
    ASSERT_TRUE(StartComputerGame(24, 2, 3));
    const int32_t turn = game.turn;
    const std::string before = SaveGameText();
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.mainMenuOpen, 1);
    EXPECT_FALSE(Has(Frame(), "computers"));
    Frame();
    EXPECT_TRUE(SaveGameText() == before) << "the game moved while paused";
    FormKeyDown(kVkEscape, 0);
    EXPECT_EQ(ui.mainMenuOpen, 0);
    EXPECT_TRUE(Has(Frame(), "computers"));
    EXPECT_EQ(game.turn, turn + 1);
}

// A press made while the computers play their share of a frame is kept, and answered
// after the frame, instead of being lost in the frames their moves draw.
TEST_F(FrameTest, APressDuringTheComputersShareIsKeptForAfterTheFrame) {
    ASSERT_TRUE(StartComputerGame(24, 2, 3));
    platform.PushEvent({EventKind::KeyDown, kVkEscape, 0, 0, 0, 0});
    EXPECT_TRUE(Has(Frame(), "computers"));
    InputEvent kept;
    ASSERT_TRUE(TakeKeptEvent(kept)) << "read by a frame drawn inside a computer's move";
    EXPECT_EQ(kept.kind, EventKind::KeyDown);
    EXPECT_EQ(kept.key, kVkEscape);
    EXPECT_FALSE(TakeKeptEvent(kept));
}

// The nation, its government and the emblem beside them keep a margin inside the status
// panel, whatever the names, in both languages.
TEST_F(FrameTest, TheStatusLineKeepsClearOfItsPanelsEdges) {
    StartSmallGame();
    game.viewCiv = 1;
    game.mapWidth = game.mapHeight = 40;
    game.viewX = game.viewY = 1;
    for (int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        for (int nation = 1; nation <= 10; ++nation)
            for (int government = 1; government <= kGovernments; ++government) {
                Civ(1).nation = static_cast<uint8_t>(nation);
                Civ(1).government = static_cast<uint8_t>(government);
                Frame();
                const std::vector<Pixel>& pixels = platform.Screen().Pixels();
                const Pixel parchment = pixels[745 * kScreenWidth + 620];
                // The panel's inside runs from y 726 to 764: three rows at either edge stay bare.
                for (int y : {726, 727, 728, 762, 763, 764})
                    for (int x = 450; x < 640; ++x)
                        ASSERT_EQ(pixels[y * kScreenWidth + x], parchment)
                            << nationName(nation) << ", " << governmentName(government) << " at " << x << ","
                            << y;
            }
    }
}

// The dark gaps beside the map view are painted every frame: nothing of an earlier
// screen (the entrance picture) stays there once a game is shown.
TEST_F(FrameTest, NothingOfTheEntranceStaysBesideTheView) {
    StartSmallGame();
    game.viewCiv = 1;
    game.mapWidth = game.mapHeight = 40;
    game.viewX = game.viewY = 1;
    const Pixel stale = Rgb(147, 102, 114);
    platform.BackBuffer().FillRect({0, 0, kScreenWidth, kScreenHeight}, stale);
    Frame();
    const std::vector<Pixel>& pixels = platform.Screen().Pixels();
    for (int y = 8; y < 610; ++y)
        for (int x : {8, 11, 1012, 1015}) ASSERT_NE(pixels[y * kScreenWidth + x], stale) << x << "," << y;
}

// A news item's explanation under the pointer lies wholly on its grey ground, in both
// languages: whatever the hover changes on the screen stays inside the grey it paints.
TEST_F(FrameTest, ANewsExplanationStaysOnItsGround) {
    StartSmallGame();
    game.viewCiv = 1;
    game.mapWidth = game.mapHeight = 40;
    game.viewX = game.viewY = 1;
    Civ(1).nation = 3;
    Cell(5, 5).hasCity = 1;
    Cell(5, 5).owner = Cell(5, 5).founder = 1;
    Cell(5, 5).nameIndex = 1;
    AddNews(1, 5, 5, kNewsGrew);
    AddNews(1, 5, 5, kNewsStoreFull + 4);
    for (int language : {1, 2})
        for (int item : {1, 2}) {
            game.language = static_cast<uint8_t>(language);
            BaseMouseMove(0, 900, 300); // the pointer, drawn by the game, away from the scan
            Frame();
            const std::vector<Pixel> before = platform.Screen().Pixels();
            BaseMouseMove(0, 60, 615 - 40 * (item - 1));
            Frame();
            const std::vector<Pixel>& after = platform.Screen().Pixels();
            int left = kScreenWidth, right = -1, top = kScreenHeight, bottom = -1;
            for (int y = 0; y < 690; ++y)
                for (int x = 40; x < 800; ++x)
                    if (after[y * kScreenWidth + x] == Rgb(128, 128, 128)) {
                        left = std::min(left, x), right = std::max(right, x);
                        top = std::min(top, y), bottom = std::max(bottom, y);
                    }
            ASSERT_GE(right, left) << "no explanation shown";
            for (int y = 0; y < 690; ++y)
                for (int x = 120; x < 800; ++x) {
                    if (after[y * kScreenWidth + x] == before[y * kScreenWidth + x]) continue;
                    ASSERT_TRUE(x >= left && x <= right && y >= top && y <= bottom)
                        << "item " << item << ", language " << language << ": " << x << "," << y;
                }
        }
}

TEST_F(FrameTest, TheTurnAndTheFallenAreShownForAMomentThenGo) {
    StartSmallGame();
    game.mapWidth = game.mapHeight = 40;
    game.viewX = game.viewY = 1;
    game.year = 1250;
    const Pixel notePlate = Rgb(236, 220, 160), lossPlate = Rgb(200, 60, 48);
    auto count = [&](Pixel colour, int left, int top, int right, int bottom) {
        const std::vector<Pixel>& pixels = platform.Screen().Pixels();
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += pixels[y * kScreenWidth + x] == colour;
        return n;
    };
    ui.turnNoticeFrames = 2;
    ui.fightNotice = {5, 5, 1, static_cast<uint8_t>(kWarrior), 2}; // the person's Warrior fell
    for (int frame = 1; frame <= 3; ++frame) {
        Frame();
        const bool shown = frame <= 2;
        // The year at the top of the map; the loss under the cell at (5, 5).
        EXPECT_EQ(count(notePlate, 400, 45, 624, 75) > 1000, shown) << "frame " << frame;
        EXPECT_EQ(count(lossPlate, 170, 255, 300, 285) > 300, shown) << "frame " << frame;
    }
}
