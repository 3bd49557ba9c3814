// The command-line driver on slot-format files.
#include "fixtures.h"
#include "persist/save_game.h"
#include "shell/cli.h"
#include "state/rules.h"
#include "state/state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace annals;
namespace fs = std::filesystem;

namespace {

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = annals::testing::FreshTempDir("cli");
        ASSERT_TRUE(annals::testing::MakeSmallGame(5));
        std::string reason;
        ASSERT_TRUE(SaveToFile(Path("game.txt"), reason)) << reason;
        original = SaveGameText();
    }
    void TearDown() override {
        fs::remove_all(dir);
        ResetState();
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    static int DirectionOfStep(int dx, int dy) {
        for (int d = 1; d <= 9; ++d)
            if (directionDx(d) == dx && directionDy(d) == dy) return d;
        return 5;
    }
    int Run(std::vector<std::string> args) {
        out.clear();
        err.clear();
        args.insert(args.begin(), {"--folder", ANNALS_GAME_DIR});
        return RunCli(args, out, err);
    }
    fs::path dir;
    std::string original, out, err;
};

} // namespace

TEST_F(CliTest, CheckResaveAndDump) {
    EXPECT_EQ(Run({"check", Path("game.txt")}), 0) << err;
    EXPECT_NE(out.find("BC 4000, Romans"), std::string::npos) << out;
    EXPECT_EQ(Run({"resave", Path("game.txt"), Path("again.txt")}), 0) << err;
    std::ifstream again(Path("again.txt"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), original);
    EXPECT_EQ(Run({"dump", Path("game.txt")}), 0) << err;
    EXPECT_EQ(out.front(), '{');
    EXPECT_NE(out.find("\"civCount\":3"), std::string::npos);
    EXPECT_NE(out.find("\"units\":[{\"x\":"), std::string::npos);

    std::ofstream(Path("bad.txt")) << "1 2 3";
    EXPECT_EQ(Run({"check", Path("bad.txt")}), 1);
    EXPECT_NE(err.find("cannot be loaded"), std::string::npos);
    EXPECT_EQ(Run({"check", Path("missing.txt")}), 1);
}

TEST_F(CliTest, EndTurnAndPlayAdvanceTheCalendar) {
    EXPECT_EQ(Run({"endturn", Path("game.txt"), Path("next.txt")}), 0) << err;
    ASSERT_TRUE(LoadFromFile(Path("next.txt")).ok);
    EXPECT_EQ(game.year, -3900);
    EXPECT_EQ(Run({"play", Path("game.txt"), Path("played.txt"), "--rounds", "3"}), 0) << err;
    EXPECT_NE(out.find("round 2"), std::string::npos) << out;
    ASSERT_TRUE(LoadFromFile(Path("played.txt")).ok);
    EXPECT_EQ(game.turn, 5);
    EXPECT_EQ(Civ(1).isComputer, 0) << "the person gets his seat back";
    EXPECT_EQ(out.find("cities"), std::string::npos) << "only the times by default";

    // With a report, every tenth round tells what each civilization has.
    EXPECT_EQ(Run({"play", Path("game.txt"), Path("played.txt"), "--rounds", "12", "--report", "yes"}), 0)
        << err;
    EXPECT_NE(out.find("round 10 (year"), std::string::npos) << out;
    EXPECT_NE(out.find("  civ 1 "), std::string::npos) << out;
    EXPECT_NE(out.find("sciences"), std::string::npos) << out;
    EXPECT_NE(out.find("relations 2:"), std::string::npos) << out;
    // The computer-played person founded his first city meanwhile.
    ASSERT_TRUE(LoadFromFile(Path("played.txt")).ok);
    EXPECT_GE(Civ(1).citiesFounded, 1);
    EXPECT_EQ(Run({"play", Path("game.txt"), Path("p.txt"), "--rounds", "2", "--report", "often"}), 2);
    EXPECT_EQ(Civ(1).aiLevel, 0);
}

TEST_F(CliTest, PlaySeatsThePersonAsAFullComputer) {
    // The person's civilization moves like the others: its first settler founds a city.
    ASSERT_EQ(Run({"new", "--size", "tiny", "--seed", "3", "--out", Path("fresh.txt")}), 0) << err;
    EXPECT_EQ(Run({"play", Path("fresh.txt"), Path("played.txt"), "--rounds", "3"}), 0) << err;
    ASSERT_TRUE(LoadFromFile(Path("played.txt")).ok);
    EXPECT_GE(Civ(1).cityCount, 1);
    EXPECT_EQ(Civ(1).referenceUnit, 0);
}

TEST_F(CliTest, UnknownOptionsAreRefusedWithTheUsage) {
    EXPECT_EQ(Run({"new", "--sise", "huge", "--out", Path("bad.txt")}), 2);
    EXPECT_NE(err.find("--sise"), std::string::npos) << err;
    EXPECT_NE(err.find("usage: annals-cli new"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(Path("bad.txt")));
    EXPECT_EQ(Run({"play", Path("game.txt"), Path("p.txt"), "--rounds", "1", "--round", "2"}), 2);
    EXPECT_EQ(Run({"check", Path("game.txt"), "--out", Path("x.txt")}), 2) << "check takes no options";
}

TEST_F(CliTest, ShotOfASavedGameAndUsage) {
    EXPECT_EQ(Run({"shot", Path("game.txt"), "--out", Path("game.png"), "--script", "move:500:400,frames:2"}),
              0)
        << err;
    EXPECT_TRUE(fs::exists(Path("game.png")));
    EXPECT_EQ(Run({"shot", Path("game.txt"), "--out", Path("x.png"), "--script", "jump:3"}), 2);
    EXPECT_EQ(Run({"resave", Path("game.txt")}), 2) << "a file is missing";
    EXPECT_NE(err.find("usage"), std::string::npos);
    EXPECT_EQ(Run({"act", Path("game.txt"), Path("acted.txt")}), 2) << "--order is required";
    EXPECT_EQ(Run({"play", Path("game.txt"), Path("p.txt"), "--rounds", "0"}), 2);
}

TEST_F(CliTest, ShotCanKeepAScreenShownOnTheWay) {
    auto bytes = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    // The menu opens after the first frame: the first screen is the map, the last the menu.
    const std::string script = "frames:1,key:27,frames:2";
    ASSERT_EQ(Run({"shot", Path("game.txt"), "--out", Path("first.png"), "--script", script, "--at", "1"}), 0)
        << err;
    ASSERT_EQ(Run({"shot", Path("game.txt"), "--out", Path("map.png")}), 0) << err;
    ASSERT_EQ(Run({"shot", Path("game.txt"), "--out", Path("last.png"), "--script", script}), 0) << err;
    EXPECT_EQ(bytes(Path("first.png")), bytes(Path("map.png")));
    EXPECT_NE(bytes(Path("first.png")), bytes(Path("last.png")));

    EXPECT_EQ(Run({"shot", Path("game.txt"), "--out", Path("x.png"), "--at", "500"}), 1);
    EXPECT_NE(err.find("screens were shown"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(Path("x.png")));
}

TEST_F(CliTest, ADefeatInTheScriptEndsTheGame) {
    ASSERT_EQ(Run({"shot", Path("game.txt"), "--out", Path("over.png"), "--script", "defeat,frames:2"}), 0)
        << err;
    EXPECT_EQ(Civ(1).unitCount, 0);
    EXPECT_EQ(Civ(1).cityCount, 0);
    EXPECT_EQ(game.gameOver, 1);
}

TEST_F(CliTest, OnlyTheScreenshotReadsThePictures) {
    // A game folder without Art: the commands that draw nothing never miss it.
    const fs::path bare = dir / "bare";
    fs::create_directories(bare);
    const std::string game = Path("game.txt");
    const std::vector<std::vector<std::string>> quiet = {
        {"check", game},
        {"resave", game, Path("r.txt")},
        {"dump", game},
        {"endturn", game, Path("e.txt")},
        {"act", game, Path("a.txt"), "--order", "1"},
        {"play", game, Path("p.txt"), "--rounds", "2"},
        {"new", "--size", "tiny", "--seed", "4", "--out", Path("n.txt")},
    };
    for (std::vector<std::string> args : quiet) {
        args.insert(args.begin(), {"--folder", bare.string()});
        out.clear();
        err.clear();
        EXPECT_EQ(RunCli(args, out, err), 0) << args[2] << ": " << err;
    }
    err.clear();
    EXPECT_EQ(RunCli({"--folder", bare.string(), "shot", game, "--out", Path("s.png")}, out, err), 1);
    EXPECT_NE(err.find("pictures"), std::string::npos) << err;
}

TEST_F(CliTest, ShotSavesTheGameItsScriptLeft) {
    // Every direction once: the warrior walks, and the saved game says where to.
    const std::string script = "key:97,key:98,key:99,key:100,key:102,key:103,key:104,key:105,frames:20";
    ASSERT_EQ(Run({"shot", Path("game.txt"), "--out", Path("moved.png"), "--script", script, "--save",
                   Path("moved.txt")}),
              0)
        << err;
    EXPECT_EQ(Run({"check", Path("moved.txt")}), 0) << err;
    std::ifstream in(Path("moved.txt"));
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(saved, original);
    EXPECT_EQ(Run({"shot", Path("game.txt"), "--out", Path("x.png"), "--save", Path("no/such/dir/x.txt")}),
              1);
}

TEST_F(CliTest, NewGamesFollowTheirSettings) {
    ASSERT_EQ(Run({"new", "--size", "small", "--world", "lake", "--rivals", "2", "--difficulty", "4",
                   "--seed", "8", "--nations", "turks,vikings", "--humans", "1,2", "--out", Path("new.txt")}),
              0)
        << err;
    ASSERT_TRUE(LoadFromFile(Path("new.txt")).ok);
    EXPECT_EQ(game.mapWidth, 30);
    EXPECT_EQ(game.location, 2.0);
    EXPECT_EQ(game.civCount, 4);
    EXPECT_EQ(Civ(1).nation, 9);
    EXPECT_EQ(Civ(2).nation, 10);
    EXPECT_EQ(Civ(2).isComputer, 0);
    EXPECT_EQ(Civ(3).isComputer, 1);
    EXPECT_EQ(Civ(3).aiLevel, 4);
    EXPECT_EQ(Civ(4).nation, kNativeNation);
    for (const char* bad : {"--size", "--world", "--rivals", "--nations", "--humans"}) {
        EXPECT_EQ(Run({"new", bad, "9x", "--out", Path("bad.txt")}), 2) << bad;
    }
}

TEST_F(CliTest, AnOrderThatRaisesADialogIsAnswered) {
    // A village site beside the warrior: stepping on it asks the player.
    const UnitRecord warrior = Unit(1, 1);
    int tx = 0, ty = 0;
    for (int d = 1; d <= 9 && tx == 0; ++d) {
        const int x = warrior.x + directionDx(d), y = warrior.y + directionDy(d);
        if (d != 5 && InsideMap(x, y) && Cell(x, y).terrain != kSea && Cell(x, y).unitCount == 0)
            tx = x, ty = y;
    }
    ASSERT_NE(tx, 0);
    Cell(tx, ty).site = 5;
    std::string reason;
    ASSERT_TRUE(SaveToFile(Path("site.txt"), reason));
    const int order = 20 + DirectionOfStep(tx - warrior.x, ty - warrior.y);
    ASSERT_EQ(
        Run({"act", Path("site.txt"), Path("after.txt"), "--order", std::to_string(order), "--answer", "1"}),
        0)
        << err;
    EXPECT_NE(out.find("raised dialog"), std::string::npos) << out;
    ASSERT_TRUE(LoadFromFile(Path("after.txt")).ok);
    EXPECT_EQ(ui.dialogCode, 0) << "the dialog was answered";
    EXPECT_EQ(Cell(tx, ty).site, 0) << "the site is used up";
}

// The README's looks at the rival leaders: the meeting, and a talk at peace.
TEST_F(CliTest, TheExampleGamesShowTheLeadersDialogs) {
    const std::string examples = std::string(ANNALS_SOURCE_DIR) + "/examples/";
    ASSERT_EQ(Run({"shot", examples + "meeting.txt", "--out", Path("m.png"), "--script", "key:102,frames:2"}),
              0)
        << err;
    EXPECT_EQ(ui.dialogCode, 3);
    ASSERT_EQ(
        Run({"shot", examples + "neighbours.txt", "--out", Path("t.png"), "--script", "talk:2,frames:2"}), 0)
        << err;
    EXPECT_EQ(ui.dialogCode, 45);
    EXPECT_EQ(Run({"shot", examples + "neighbours.txt", "--out", Path("t.png"), "--script", "talk"}), 2);
}

// The order that ends the person's turn lets the computers finish theirs before the game
// is saved: the file resumes at the person's next move.
TEST_F(CliTest, ActingWithTheLastUnitSavesAtThePersonsNextMove) {
    for (int s = 1; s <= Civ(1).unitCount; ++s)
        if (s != game.currentUnit) Unit(1, s).movesLeft = 0;
    const int32_t turn = game.turn;
    std::string reason;
    ASSERT_TRUE(SaveToFile(Path("last.txt"), reason)) << reason;
    ASSERT_EQ(Run({"act", Path("last.txt"), Path("next.txt"), "--order", "11"}), 0) << err; // fortify
    ASSERT_TRUE(LoadFromFile(Path("next.txt")).ok);
    EXPECT_EQ(game.currentCiv, 1);
    EXPECT_EQ(game.turn, turn + 1);
}

// A game that nobody plays: a shot draws it and an order acts on it as it was saved;
// frames in a script let the computers play on, a round a frame, and the game so
// watched is the one `play` plays.
TEST_F(CliTest, AGameNobodyPlaysIsTakenAsSavedAndPlaysOnInFrames) {
    auto contents = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string start = Path("watch.txt");
    ASSERT_EQ(Run({"new", "--out", start, "--humans", "", "--size", "tiny", "--seed", "3"}), 0) << err;
    ASSERT_EQ(Run({"shot", start, "--out", Path("w.png"), "--frames", "3", "--save", Path("shown.txt")}), 0)
        << err;
    EXPECT_TRUE(contents(Path("shown.txt")) == contents(start)) << "the shot played on";
    ASSERT_EQ(Run({"act", start, Path("acted.txt"), "--order", "11"}), 0) << err;
    ASSERT_TRUE(LoadFromFile(Path("acted.txt")).ok);
    EXPECT_EQ(game.turn, 2);
    EXPECT_EQ(game.currentCiv, 1) << "the order played nothing more";

    ASSERT_EQ(
        Run({"shot", start, "--out", Path("w.png"), "--script", "frames:3", "--save", Path("watched.txt")}),
        0)
        << err;
    ASSERT_EQ(Run({"play", start, Path("played.txt"), "--rounds", "3"}), 0) << err;
    ASSERT_TRUE(LoadFromFile(Path("watched.txt")).ok);
    EXPECT_EQ(game.turn, 5);
    EXPECT_TRUE(contents(Path("watched.txt")) == contents(Path("played.txt")));
}

TEST_F(CliTest, DoubtfulInputIsRefusedWithTheUsage) {
    const std::string saved = Path("game.txt"), png = Path("x.png");
    const std::vector<std::vector<std::string>> cases = {
        {"shot", saved, "--out", png, "--reveal", "maybe"},
        {"shot", saved, "--out", png, "--reveal", "YES"},
        {"play", saved, Path("p.txt"), "--rounds", "1", "--rounds", "2"},
        {"new", "--out", Path("n.txt"), "--rivals", " 2"},
        {"new", "--out", Path("n.txt"), "--rivals", "+2"},
        {"--seed", "1", "--seed", "2", "check", saved},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const std::string& word : c) line += "[" + word + "] ";
        EXPECT_EQ(Run(c), 2) << line;
        EXPECT_NE(err.find("usage"), std::string::npos) << line << err;
    }
    EXPECT_FALSE(fs::exists(Path("n.txt")));
    EXPECT_FALSE(fs::exists(Path("p.txt")));
}

// A file that cannot be a game says what is wrong with it; a path is printed back as the
// loader prints a file's text, without the control characters it was typed with.
TEST_F(CliTest, WhatIsWrongWithAFileIsSaidPrintably) {
    fs::create_directories(dir / "folder.txt");
    EXPECT_EQ(Run({"check", Path("folder.txt")}), 1);
    EXPECT_NE(err.find("is a folder"), std::string::npos) << err;
    EXPECT_EQ(Run({"check", Path("\x1b]0;owned\x07.txt")}), 1);
    EXPECT_EQ(err.find_first_of("\x1b\x07"), std::string::npos) << err;
    EXPECT_NE(err.find("?]0;owned?.txt: There is no saved game"), std::string::npos) << err;
    EXPECT_EQ(Run({"check", Path("oyun-\xc5\x9f.txt")}), 1);
    EXPECT_NE(err.find("oyun-\xc5\x9f.txt"), std::string::npos) << "a Turkish letter is kept";
}

// A screenshot is written as a save is: whole, never through a link or into a FIFO, and
// under any name a folder takes.
TEST_F(CliTest, AScreenshotIsWrittenAsASaveIs) {
    std::ofstream(dir / "victim.png") << "precious";
    fs::create_symlink(dir / "victim.png", dir / "link.png");
    ASSERT_EQ(mkfifo(Path("fifo.png").c_str(), 0600), 0);
    for (const char* name : {"link.png", "fifo.png"}) {
        EXPECT_EQ(Run({"shot", "--out", Path(name)}), 1) << name;
        EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
    }
    std::ifstream victim(dir / "victim.png");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(victim), {}), "precious");
    EXPECT_TRUE(fs::is_fifo(Path("fifo.png")));
    const fs::path longest = dir / (std::string(251, 'p') + ".png");
    ASSERT_EQ(Run({"shot", "--out", longest.string()}), 0) << err;
    EXPECT_GT(fs::file_size(longest), 1000u);
}
