// The command-line driver on slot-format files.
#include "fixtures.h"
#include "persist/save_game.h"
#include "shell/cli.h"
#include "state/rules.h"
#include "state/state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
    EXPECT_NE(out.find("BC 4000 , Romans"), std::string::npos) << out;
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
