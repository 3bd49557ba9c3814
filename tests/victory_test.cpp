// The end of a game: who wins and how, the chronicle, the hall of fame, the hand-over
// between people who share one screen, and the saves that keep all of it.
#include "economy/end_of_turn.h"
#include "economy/score.h"
#include "economy/victory.h"
#include "fixtures.h"
#include "persist/hall_of_fame.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "platform/keys.h"
#include "shell/autoplay.h"
#include "shell/cli.h"
#include "shell/program.h"
#include "state/chronicle.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace annals;
namespace fs = std::filesystem;

namespace {

void Wipe(int civ) {
    while (Civ(civ).unitCount > 0) KillUnit(civ, Civ(civ).unitCount);
}

int CountKind(int kind) {
    int n = 0;
    for (int i = 1; i <= game.chronicleCount; ++i) n += game.chronicle[i].kind == kind;
    return n;
}

// Each test keeps its own hall of fame.
class VictoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = annals::testing::FreshTempDir("victory");
        const char* old = std::getenv("XDG_DATA_HOME");
        oldData = old ? old : "";
        setenv("XDG_DATA_HOME", dir.c_str(), 1);
    }
    void TearDown() override {
        setenv("XDG_DATA_HOME", oldData.c_str(), 1);
        fs::remove_all(dir);
        ResetState();
    }
    // Three civilizations and the natives on a tiny world; `people` play civilizations 1.. .
    void MakeGame(int people) {
        ASSERT_TRUE(annals::testing::MakeComputerGame(7, 24, 3));
        for (int c = 1; c <= people; ++c) Civ(c).isComputer = 0;
        game.currentCiv = 1;
        game.viewCiv = 1;
    }
    fs::path dir;
    std::string oldData;
};

} // namespace

TEST_F(VictoryTest, TheLastCivilizationStandingWinsByConquest) {
    ASSERT_TRUE(annals::testing::MakeSmallGame(5));
    Wipe(2);
    CheckGameEnd();
    EXPECT_EQ(game.endKind, kConquest);
    EXPECT_EQ(game.winner, 1);
    EXPECT_EQ(game.gameOver, 0) << "the winner may play on";
    EXPECT_EQ(ui.endScreenOpen, 1);
    ASSERT_GE(game.chronicleCount, 2);
    EXPECT_EQ(game.chronicle[game.chronicleCount - 1].kind, kCivDestroyed);
    EXPECT_EQ(game.chronicle[game.chronicleCount - 1].civ, 2);
    EXPECT_EQ(game.chronicle[game.chronicleCount].kind, kGameEnded);

    // Looked at again, nothing is recorded twice.
    const int count = game.chronicleCount;
    CheckGameEnd();
    EXPECT_EQ(game.chronicleCount, count);
    const FameList fame = ReadHallOfFame();
    ASSERT_EQ(fame.entries.size(), 1u);
    EXPECT_EQ(fame.entries[0].nation, Civ(1).nation);
    EXPECT_EQ(fame.entries[0].won, 1);
    EXPECT_EQ(fame.entries[0].endKind, kConquest);
}

TEST_F(VictoryTest, WhoWinsWhenCivilizationsFall) {
    struct Case {
        const char* what;
        int people;
        std::vector<int> fallen;
        int kind;      // expected ending
        bool gameOver; // nobody left to play
    } cases[] = {
        {"one rival of two gone: the game goes on", 1, {2}, kNotEnded, false},
        {"both rivals gone: the person wins", 1, {2, 3}, kConquest, false},
        {"the only person gone: the computers win", 1, {1}, kEliminated, true},
        {"two people: a computer gone is not the end", 2, {3}, kNotEnded, false},
        {"two people: one person left of all wins", 2, {3, 2}, kConquest, false},
        {"two people: one gone, the game goes on", 2, {1}, kNotEnded, false},
        {"two people both gone: the computer wins", 2, {1, 2}, kConquest, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MakeGame(c.people);
        for (const int civ : c.fallen) Wipe(civ);
        CheckGameEnd();
        EXPECT_EQ(game.endKind, c.kind);
        EXPECT_EQ(game.gameOver != 0, c.gameOver);
        EXPECT_EQ(CountKind(kCivDestroyed), static_cast<int>(c.fallen.size()));
        if (c.kind != kNotEnded) {
            EXPECT_TRUE(Alive(game.winner));
        }
    }
}

TEST_F(VictoryTest, TheLastYearEndsTheGameByScore) {
    MakeGame(1);
    game.endYear = 1800;
    game.year = 1790;
    EndOfTurn();
    EXPECT_EQ(game.endKind, kNotEnded) << "the year 1800 is still to be played";
    EXPECT_EQ(game.year, 1800);
    EndOfTurn();
    EXPECT_EQ(game.endKind, kEndYearScore);
    EXPECT_EQ(game.endedYear, 1800);
    EXPECT_EQ(game.winner, HighestScoreCiv());

    // Without a last year the calendar runs on.
    MakeGame(1);
    game.year = 1990;
    for (int i = 0; i < 3; ++i) EndOfTurn();
    EXPECT_EQ(game.endKind, kNotEnded);
}

TEST_F(VictoryTest, RetiringEndsTheGameWithTheScoresAsTheyStand) {
    MakeGame(1);
    Retire();
    EXPECT_EQ(game.endKind, kRetired);
    EXPECT_EQ(game.winner, HighestScoreCiv());
    const FameList fame = ReadHallOfFame();
    ASSERT_EQ(fame.entries.size(), 1u);
    EXPECT_EQ(fame.entries[0].score, ScoreOf(1));
    EXPECT_EQ(fame.entries[0].endKind, kRetired);
    // A game over stays over: a later conquest changes nothing.
    Wipe(2);
    Wipe(3);
    CheckGameEnd();
    EXPECT_EQ(game.endKind, kRetired);
    EXPECT_EQ(ReadHallOfFame().entries.size(), 1u);
}

TEST_F(VictoryTest, TheHallOfFameIsBestFirstAndSurvivesADamagedFile) {
    std::string reason, problem;
    for (const int score : {300, 900, 500}) {
        FameEntry e{3, 2, 30, 1, 1500, score, kRetired, 0};
        ASSERT_TRUE(AddToHallOfFame(e, reason, problem)) << reason;
    }
    FameList fame = ReadHallOfFame();
    ASSERT_EQ(fame.entries.size(), 3u);
    EXPECT_EQ(fame.entries[0].score, 900);
    EXPECT_EQ(fame.entries[2].score, 300);

    const std::string path = HallOfFamePath();
    for (const char* damage : {"garbage\n", "Annals hall of fame 1\n3 2 30 1 1500\n",
                               "Annals hall of fame 1\n99 2 30 1 1500 10 1 0\n"}) {
        SCOPED_TRACE(damage);
        std::ofstream(path, std::ios::trunc) << damage;
        fame = ReadHallOfFame();
        EXPECT_TRUE(fame.entries.empty());
        EXPECT_FALSE(fame.problem.empty());
        EXPECT_TRUE(fs::exists(path + ".damaged")) << "the damaged file is kept, not lost";
        EXPECT_FALSE(fs::exists(path));
    }
    // A finished game starts a fresh list.
    ASSERT_TRUE(AddToHallOfFame({8, 1, 24, 2, -1000, 42, kConquest, 1}, reason, problem)) << reason;
    EXPECT_EQ(ReadHallOfFame().entries.size(), 1u);

    // Only the best are kept.
    fs::remove(path);
    for (int i = 0; i < kFameKept + 5; ++i)
        ASSERT_TRUE(AddToHallOfFame({8, 1, 24, 2, 1000, i, kRetired, 0}, reason, problem));
    fame = ReadHallOfFame();
    EXPECT_EQ(fame.entries.size(), static_cast<size_t>(kFameKept));
    EXPECT_EQ(fame.entries.back().score, 5);
}

TEST_F(VictoryTest, TheChronicleTellsEveryEventInBothLanguages) {
    ASSERT_TRUE(annals::testing::MakeSmallGame(5));
    game.year = 1250;
    const int32_t city = 1 << 8 | 1; // the Romans' first city
    const ChronicleEntry entries[] = {
        {1250, kCityFounded, 1, 0, city},
        {1250, kCityTaken, 2, 1, city},
        {1250, kWonderBuilt, 1, 0, 43 << 16 | city},
        {1250, kScienceFirst, 2, 0, 1},
        {1250, kWarDeclared, 1, 2, 0},
        {1250, kTreatySigned, 1, 2, 0},
        {1250, kTreatyBroken, 2, 1, 0},
        {1250, kCivDestroyed, 2, 1, 0},
        {1250, kGameEnded, 1, 0, kConquest},
        {1250, kGameEnded, 1, 0, kEndYearScore},
        {1250, kGameEnded, 1, 0, kRetired},
        {1250, kGameEnded, 1, 0, kEliminated},
    };
    for (const int language : {1, 2}) {
        game.language = static_cast<uint8_t>(language);
        for (const ChronicleEntry& e : entries) {
            const std::string text = ChronicleText(e);
            SCOPED_TRACE(text);
            EXPECT_NE(text.find(nationName(Civ(e.civ).nation)), std::string::npos);
            if (e.kind == kCityFounded || e.kind == kCityTaken) {
                EXPECT_NE(text.find(cityName(8, 1)), std::string::npos);
            }
        }
    }
    // Turkish endings follow the last vowel of the people's name.
    EXPECT_EQ(TurkishCase("Romalılar", "da", "de"), "Romalılarda");
    EXPECT_EQ(TurkishCase("İngilizler", "da", "de"), "İngilizlerde");
    EXPECT_EQ(TurkishCase("Türkler", "ın", "in"), "Türklerin");

    // A full chronicle takes no more ordinary events, but always the end.
    game.chronicleCount = kChronicleEntries;
    AddChronicle(kCityFounded, 1, 0, city);
    EXPECT_EQ(game.chronicle[kChronicleEntries].kind, 0);
    AddChronicle(kGameEnded, 1, 0, kConquest);
    EXPECT_EQ(game.chronicleCount, kChronicleEntries);
    EXPECT_EQ(game.chronicle[kChronicleEntries].kind, kGameEnded);
}

TEST_F(VictoryTest, PlayGathersTheChronicleAndAFinishedGameSavesAndLoads) {
    ASSERT_TRUE(annals::testing::MakeComputerGame(3, 24, 3));
    ASSERT_TRUE(AutoplayUntil(game.turn + 40));
    EXPECT_GT(CountKind(kCityFounded), 0) << "cities were founded in forty rounds";
    Retire();
    const std::string text = SaveGameText();
    const GameState before = game;
    ResetState();
    InitializeVariables();
    ASSERT_TRUE(LoadSaveText(text).ok);
    EXPECT_EQ(game.endKind, kRetired);
    EXPECT_EQ(game.winner, before.winner);
    EXPECT_EQ(game.endedYear, before.endedYear);
    ASSERT_EQ(game.chronicleCount, before.chronicleCount);
    for (int i = 1; i <= game.chronicleCount; ++i) {
        EXPECT_EQ(game.chronicle[i].year, before.chronicle[i].year);
        EXPECT_EQ(game.chronicle[i].kind, before.chronicle[i].kind);
        EXPECT_EQ(game.chronicle[i].detail, before.chronicle[i].detail);
    }
    EXPECT_EQ(SaveGameText(), text);
    // Played on after its end, the game goes on and still saves.
    ASSERT_TRUE(AutoplayUntil(game.turn + 2));
    EXPECT_TRUE(LoadSaveText(SaveGameText()).ok);

    // A chronicle that names no event is refused.
    const size_t markAt = text.find(" 7301 ");
    ASSERT_NE(markAt, std::string::npos);
    std::string bad = text;
    bad.replace(markAt, 6, " 7302 ");
    EXPECT_FALSE(CheckSaveText(bad).ok);
}

TEST_F(VictoryTest, SavesFromBeforeLoadAndPlay) {
    for (const char* name :
         {"legacy-new.txt", "legacy-played.txt", "legacy-over.txt", "legacy-two-humans.txt"}) {
        SCOPED_TRACE(name);
        ResetState();
        InitializeVariables();
        const LoadOutcome outcome = LoadFromFile(std::string(ANNALS_SOURCE_DIR) + "/tests/saves/" + name);
        ASSERT_TRUE(outcome.ok) << outcome.reason;
        EXPECT_EQ(game.endYear, 0);
        EXPECT_EQ(game.endKind, kNotEnded);
        EXPECT_EQ(game.chronicleCount, 0);
        EXPECT_GE(game.gameDifficulty, 1);
        // Civilizations gone before the chronicle began are not told of as falling now.
        CheckGameEnd();
        EXPECT_EQ(CountKind(kCivDestroyed), 0);
        if (game.gameOver) continue;
        for (int c = 1; c <= game.civCount; ++c) Civ(c).isComputer = 1;
        EXPECT_TRUE(AutoplayUntil(game.turn + 2));
    }
}

TEST_F(VictoryTest, TheDriverPrintsTheEndAndStopsPlaying) {
    MakeGame(1);
    game.endYear = -3800;
    std::string reason;
    ASSERT_TRUE(SaveToFile((dir / "game.txt").string(), reason)) << reason;
    std::string out, err;
    ASSERT_EQ(RunCli({"--folder", ANNALS_GAME_DIR, "play", (dir / "game.txt").string(),
                      (dir / "end.txt").string(), "--rounds", "20"},
                     out, err),
              0)
        << err;
    EXPECT_NE(out.find("game over: "), std::string::npos) << out;
    EXPECT_NE(out.find(" won by score\n"), std::string::npos) << out;
    ASSERT_TRUE(LoadFromFile((dir / "end.txt").string()).ok);
    EXPECT_EQ(game.endedYear, -3800);
    EXPECT_EQ(game.year, -3700) << "played no further than the end";

    out.clear();
    ASSERT_EQ(RunCli({"--folder", ANNALS_GAME_DIR, "endturn", (dir / "game.txt").string(),
                      (dir / "next.txt").string()},
                     out, err),
              0);
    EXPECT_EQ(out.find("game over"), std::string::npos) << "one end of turn reaches BC 3900 only";

    ASSERT_EQ(RunCli({"--folder", ANNALS_GAME_DIR, "shot", (dir / "game.txt").string(), "--out",
                      (dir / "won.png").string(), "--script", "conquer,frames:2", "--save",
                      (dir / "won.txt").string()},
                     out, err),
              0)
        << err;
    ASSERT_TRUE(LoadFromFile((dir / "won.txt").string()).ok);
    EXPECT_EQ(game.endKind, kConquest);
    EXPECT_EQ(game.winner, 1);
}

TEST_F(VictoryTest, PeopleWhoShareAScreenHandItOver) {
    MakeGame(2);
    HeadlessPlatform platform;
    InstallShellHost(platform);
    game.currentCiv = 1;
    game.currentUnit = static_cast<uint8_t>(Civ(1).unitCount + 1);
    game.endTurnRequested = 1;
    NextUnit(1); // the first person's turn ends; the computer moves, then the second person
    for (int i = 0; i < 2000 && !IsHuman(game.currentCiv); ++i) Looping();
    ASSERT_EQ(game.currentCiv, 2);
    EXPECT_EQ(ui.handOverCiv, 2);

    std::vector<std::string> trace;
    SetFrameTrace(&trace);
    TimerFunction();
    SetFrameTrace(nullptr);
    EXPECT_NE(std::find(trace.begin(), trace.end(), "handOver"), trace.end());
    EXPECT_EQ(std::find(trace.begin(), trace.end(), "terrain"), trace.end()) << "nothing of the map shows";

    DispatchEvent({EventKind::KeyDown, kVkShift, 0, 0, 0, 0});
    EXPECT_EQ(ui.handOverCiv, 2) << "a modifier alone is no answer";
    DispatchEvent({EventKind::KeyDown, kVkSpace, 0, 0, 0, 0});
    EXPECT_EQ(ui.handOverCiv, 0);
    EXPECT_GT(ui.turnNoticeFrames, 0);
    UninstallShellHost();
}
