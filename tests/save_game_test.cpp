// Save games: nothing lost on the way through a file, nothing accepted that could hurt
// the running game.
#include "fixtures.h"
#include "persist/save_game.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "state/validation.h"
#include "units/unit_table.h"
#include "world/map_generator.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace annals;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Tokens(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;) tokens.push_back(t);
    return tokens;
}

std::string Join(const std::vector<std::string>& tokens) {
    std::string text;
    for (const auto& t : tokens) text += t + " ";
    return text;
}

// A game of four civilizations on a generated 30 x 30 world: units on land, a ship
// with cargo, a wagon train with goods, a city with its data, news and relations.
class SaveGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InitializeVariables();
        game.language = 1;
        SeedRandom(42);
        game.mapWidth = game.mapHeight = 30;
        game.location = kIsland;
        GenerateMap();
        game.civCount = 4;
        const int nations[] = {0, 3, 8, 9, kNativeNation};
        for (int c = 1; c <= 4; ++c) {
            Civ(c).nation = static_cast<uint8_t>(nations[c]);
            Civ(c).government = 2;
            Civ(c).colour = static_cast<uint8_t>(c == 4 ? 8 : c);
            Civ(c).gold = 75.126 + c;
            Civ(c).goldBias = 13.499;
            Civ(c).isComputer = c == 1 ? 0 : 1;
            Civ(c).aiLevel = c == 1 ? 0 : 3;
            Civ(c).research = 7;
            Civ(c).researchLeft = 41.23456;
            for (int r = 1; r <= kCombatRolls; ++r) Civ(c).combatRolls[r] = Random(100);
            for (int k = 1; k <= 4; ++k) Civ(c).relation[k] = k == c ? 0 : 20.04;
            Civ(c).contactA[2] = 20;
            Civ(c).knows[3] = 1;
            Civ(c).powerHistory[2] = 17;
        }
        Civ(1).news[1] = 512098;
        Civ(1).newsCount = 1;

        FindLand(landX, landY);
        FindSea(seaX, seaY);
        AddUnit(1, kWarrior, landX, landY);
        AddUnit(1, kSettler, landX, landY);
        AddUnit(1, kGalleon, seaX, seaY);
        AddUnit(1, kLegion, seaX, seaY);
        AddUnit(1, kWagonTrain, landX, landY);
        Unit(1, 4).carrierLink = 3 * 1000 + 2;
        Unit(1, 3).cargo[2] = 100000 + 4;
        Unit(1, 5).cargo[1] = 11 * 1000 + 40; // forty cloth
        Unit(1, 1).movesLeft = -1;
        Unit(1, 1).pathLength = 3;
        Unit(1, 1).pathStep = 2;
        Unit(1, 1).path[1] = 6;
        Unit(1, 1).path[2] = 3;
        Unit(1, 1).path[3] = 2;
        Unit(1, 1).gotoX = static_cast<uint8_t>(landX);
        Unit(1, 1).gotoY = static_cast<uint8_t>(landY);
        Unit(1, 2).jobTimer = 33;
        AddUnit(2, kWarrior, landX, landY == 1 ? 2 : landY - 1);
        if (Cell(landX, landY == 1 ? 2 : landY - 1).terrain == kSea)
            Cell(landX, landY == 1 ? 2 : landY - 1).terrain = kPlain;

        // A city under the first units.
        Civ(1).cityCount = 1;
        Civ(1).citiesFounded = 1;
        Civ(1).cities[1] = {static_cast<uint8_t>(landX), static_cast<uint8_t>(landY)};
        CityData& city = City(landX, landY);
        city.hasCity = 1;
        city.cityX = static_cast<uint8_t>(landX);
        city.cityY = static_cast<uint8_t>(landY);
        city.owner = 1;
        city.cityIndex = 1;
        city.founder = 1;
        city.nameIndex = 1;
        city.size = 3;
        city.culture = 10.0005;
        city.happiness = 70.1234;
        city.storageCapacity = 100;
        city.nextFreeSlot = 4;
        city.unitBuildItem = 2;
        city.buildItem = 36;
        city.taxRate = 25;
        city.pictures[1] = 1;
        city.pictures[2] = -1; // a picture byte of 255
        city.stock[1] = 37;
        city.jobs[4] = 2;
        city.Worked(0, 0) = 1;
        city.WorkedProduct(0, 0) = 1;
        city.Worked(1, -1) = 1;
        city.buildings[1] = 1;
        Cell(landX, landY).workedByX = static_cast<uint8_t>(landX);
        Cell(landX, landY).workedByY = static_cast<uint8_t>(landY);
        Cell(landX, landY).landUse[2] = 0.3333;

        game.wonderOwner[1] = 1 * 100 + 1 * 8 + 1;
        game.nativeStock[3] = 12;
        game.viewX = 3.5;
        game.viewY = 1;
        game.currentCiv = 1;
        game.currentUnit = 1;
        game.viewCiv = 1;
        game.viewUnit = 1;
        game.year = -3950;
        game.turn = 3;
    }
    void TearDown() override { ResetState(); }

    static void FindLand(int& x, int& y) {
        for (x = 3; x <= game.mapWidth - 2; ++x)
            for (y = 3; y <= game.mapHeight - 2; ++y)
                if (Cell(x, y).terrain != kSea) return;
    }
    static void FindSea(int& x, int& y) {
        for (x = 1; x <= game.mapWidth; ++x)
            for (y = 1; y <= game.mapHeight; ++y)
                if (Cell(x, y).terrain == kSea && Cell(x, y).unitCount == 0) return;
    }

    // The position in the file of the first value that a change to the game moves, and
    // that value as the changed game writes it. The game is put back afterwards.
    static std::pair<size_t, std::string> IndexOf(const std::function<void()>& change) {
        const std::string saved = SaveGameText();
        const auto before = Tokens(saved);
        change();
        const auto after = Tokens(SaveGameText());
        EXPECT_EQ(LoadSaveText(saved).ok, true);
        for (size_t i = 0; i < before.size() && i < after.size(); ++i)
            if (before[i] != after[i]) return {i, after[i]};
        return {before.size(), {}};
    }

    int landX = 0, landY = 0, seaX = 0, seaY = 0;
};

} // namespace

TEST_F(SaveGameTest, ALoadedGameSavesToTheSameBytes) {
    const std::string first = SaveGameText();
    const LoadOutcome outcome = LoadSaveText(first);
    ASSERT_TRUE(outcome.ok) << outcome.reason;
    EXPECT_TRUE(SaveGameText() == first) << "saving a loaded game gives other bytes";
    EXPECT_EQ(first.back(), ' ') << "every value, the last too, is followed by a space";
    EXPECT_EQ(first.find('\n'), std::string::npos);

    // Doubles come back at their scale; signed bytes with their sign.
    EXPECT_DOUBLE_EQ(Civ(1).gold, 76.13);
    EXPECT_DOUBLE_EQ(Civ(1).goldBias, 13.5);
    EXPECT_DOUBLE_EQ(Civ(1).researchLeft, 41.235);
    EXPECT_DOUBLE_EQ(Civ(2).relation[1], 20.0);
    EXPECT_DOUBLE_EQ(City(landX, landY).culture, 10.0);
    EXPECT_DOUBLE_EQ(City(landX, landY).happiness, 70.123);
    EXPECT_EQ(City(landX, landY).pictures[2], -1);
    EXPECT_EQ(Unit(1, 1).movesLeft, -1);
    EXPECT_EQ(Unit(1, 4).carrierLink, 3002);
    EXPECT_EQ(Unit(1, 5).cargo[1], 11040);
    EXPECT_EQ(Civ(1).cities[1].x, landX);
    EXPECT_EQ(game.year, -3950);
    EXPECT_EQ(ui.gameStarted, 1);
}

TEST_F(SaveGameTest, FieldsTheFileDoesNotHoldStartAsInANewGame) {
    Civ(1).warCounter = 9;
    Civ(2).contactB[3] = 2;
    game.civTimer[2] = 4;
    game.gameOver = 1;
    game.nativeDemand[2] = 7;
    ui.cityMenuX = 5;
    ui.dialogCode = 3;
    ui.distanceRecalcRequested = 1;
    Unit(1, 1).pendingDirection = 4;
    // Unit slots above a civilization's count, as a bigger game before leaves them.
    const int above = Civ(1).unitCount + 1;
    Unit(1, above).type = 3;
    Unit(1, above).blockedTargets[9][9] = 1;
    Unit(2, kMaxUnits / 2).x = 5;
    Unit(2, kMaxUnits).path[1] = 6;
    const int seaBodies = game.seaBodyCount;
    ASSERT_TRUE(LoadSaveText(SaveGameText()).ok);
    EXPECT_EQ(Civ(1).warCounter, 0);
    EXPECT_EQ(Civ(2).contactB[3], 10);
    EXPECT_EQ(Civ(3).contactB[1], 10);
    EXPECT_EQ(Civ(1).contactB[4], 0) << "the natives keep no such counters";
    EXPECT_EQ(game.civTimer[2], 0);
    EXPECT_EQ(game.gameOver, 0);
    EXPECT_EQ(game.nativeDemand[2], 0);
    EXPECT_EQ(game.nativeDemand[12], 1);
    EXPECT_EQ(ui.cityMenuX, 0);
    EXPECT_EQ(ui.dialogCode, 0);
    EXPECT_EQ(ui.distanceRecalcRequested, 0);
    EXPECT_EQ(Unit(1, 1).pendingDirection, 0);
    EXPECT_EQ(Unit(1, above).type, 0);
    EXPECT_EQ(Unit(1, above).blockedTargets[9][9], 0);
    EXPECT_EQ(Unit(2, kMaxUnits / 2).x, 0);
    EXPECT_EQ(Unit(2, kMaxUnits).path[1], 0);
    EXPECT_EQ(game.seaBodyCount, seaBodies);
    EXPECT_NE(Cell(landX, landY).landmass, 0);
    EXPECT_GT(game.landmassSize[Cell(landX, landY).landmass], 0);
}

TEST_F(SaveGameTest, HeaderAndChecksumTerms) {
    // The header names the first civilization played by a person...
    Civ(1).isComputer = 1;
    Civ(2).isComputer = 0;
    EXPECT_EQ(Tokens(SaveGameText())[0], std::to_string(8 * 100000 - 3950 + 5555));
    // ...or civilization 1 when every one is a computer.
    Civ(2).isComputer = 1;
    EXPECT_EQ(Tokens(SaveGameText())[0], std::to_string(3 * 100000 - 3950 + 5555));
    EXPECT_EQ(HeaderLabel(3 * 100000 - 3950 + 5555), "BC 3950, Britons");
    EXPECT_EQ(HeaderLabel(11 * 100000 + 1200 + 5555), "AD 1200") << "11 names no nation";

    // With seven civilizations every special resource weighs in the first checksum again.
    for (int c = 5; c <= 7; ++c) {
        Civ(c) = Civ(2);
        Civ(c).unitCount = 0;
        Civ(c).cityCount = 0;
    }
    Civ(7).nation = kNativeNation;
    game.civCount = 7;
    const std::string seven = SaveGameText();
    ASSERT_TRUE(LoadSaveText(seven).ok);
    EXPECT_TRUE(SaveGameText() == seven);
}

TEST_F(SaveGameTest, ATamperedFileIsRefusedAndTheGameStaysAsItWas) {
    int forestX = 0, forestY = 0, riverX = 0, riverY = 0, specialX = 0, specialY = 0;
    for (int x = 1; x <= game.mapWidth; ++x)
        for (int y = 1; y <= game.mapHeight; ++y) {
            if (Cell(x, y).forest && !forestX) forestX = x, forestY = y;
            if (Cell(x, y).river && !riverX) riverX = x, riverY = y;
            if (Cell(x, y).special && !specialX) specialX = x, specialY = y;
        }
    ASSERT_TRUE(forestX && riverX && specialX);
    struct Case {
        const char* what;
        std::function<void()> change;
    } cases[] = {
        {"terrain",
         [&] { Cell(specialX, specialY).terrain = Cell(specialX, specialY).terrain == 3 ? 4 : 3; }},
        {"special", [&] { Cell(specialX, specialY).special = 1 + Cell(specialX, specialY).special % 13; }},
        {"river", [&] { Cell(riverX, riverY).river = 0; }},
        {"forest", [&] { Cell(forestX, forestY).forest = 0; }},
        {"header year", [&] { game.year = -3940; }},
    };
    for (const Case& c : cases) {
        const std::string saved = SaveGameText();
        auto tokens = Tokens(saved);
        const auto [index, value] = IndexOf(c.change);
        ASSERT_LT(index, tokens.size()) << c.what;
        tokens[index] = value;
        const LoadOutcome outcome = LoadSaveText(Join(tokens));
        EXPECT_FALSE(outcome.ok) << c.what;
        EXPECT_FALSE(outcome.reason.empty());
        EXPECT_TRUE(SaveGameText() == saved) << c.what << ": the running game changed";
    }
    // A cell's unit count: its list no longer matches, and neither would the checksum.
    auto tokens = Tokens(SaveGameText());
    const size_t index = IndexOf([&] { Cell(landX, landY).unitCount = 2; }).first;
    ASSERT_EQ(tokens[index], "3");
    tokens[index] = "2";
    EXPECT_FALSE(LoadSaveText(Join(tokens)).ok);
}

TEST_F(SaveGameTest, HostileFilesAreRefusedWithoutHarm) {
    const std::string good = SaveGameText();
    const auto tokens = Tokens(good);
    auto at = [&](const std::function<void()>& change, const std::string& value) {
        const size_t i = IndexOf(change).first;
        auto t = tokens;
        if (i < t.size()) t[i] = value;
        return Join(t);
    };
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"nine civilizations", at([] { game.civCount = 5; }, "9")},
        {"units above the bound", at([] { AddUnit(2, kWarrior, 1, 1); }, "201")},
        {"a route of 150 steps", at([] { Unit(1, 1).pathLength = 4; }, "150")},
        {"a map of 60", at([] { game.mapWidth = 29; }, "60")},
        {"a city at 0,0", at([&] { Civ(1).cities[1].x = static_cast<uint8_t>(landX + 1); }, "0")},
        {"a unit type 99", at([] { Unit(1, 1).type = kSettler; }, "99")},
        {"text for a number", at([] { game.turn = 4; }, "x7")},
        {"a unit outside the map", at([] { Unit(2, 1).x = 1; }, "31")},
        {"a carrier link to nowhere", at([] { Unit(1, 4).carrierLink = 2001; }, "9001")},
        {"a news count of 13", at([] { Civ(1).newsCount = 2; }, "13")},
        {"a truncated file", good.substr(0, good.size() / 2)},
        {"an empty file", ""},
        {"more than a game", good + "5 "},
        {"a number far too long", "999999999999999999999 " + good},
    };
    ASSERT_TRUE(LoadSaveText(good).ok);
    for (const Case& c : cases) {
        const LoadOutcome outcome = LoadSaveText(c.text);
        EXPECT_FALSE(outcome.ok) << c.what;
        EXPECT_NE(outcome.reason.find("cannot be loaded"), std::string::npos)
            << c.what << ": " << outcome.reason;
        EXPECT_TRUE(SaveGameText() == good) << c.what << ": the running game changed";
    }
    game.language = 2;
    EXPECT_NE(LoadSaveText("").reason.find("yüklenemiyor"), std::string::npos);
}

TEST_F(SaveGameTest, SlotsAreWrittenWholeAndFallBackToTheUsersFolder) {
    const fs::path root = annals::testing::FreshTempDir("slots");
    fs::create_directories(root / "game");
    gameFolder = (root / "game").string();

    EXPECT_EQ(SlotLabel(3), "Free Slot");
    Save(3);
    EXPECT_TRUE(fs::exists(root / "game" / "Save" / "Slot3.txt")) << "the Save folder is made when missing";
    EXPECT_EQ(SlotLabel(3), "BC 3950, Britons");
    const std::string saved = SaveGameText();
    game.year = 1000;
    ASSERT_TRUE(Load(3));
    EXPECT_TRUE(SaveGameText() == saved);

    // A write that fails (here: the file may not grow past 1000 bytes) keeps the slot's
    // last game and leaves no temporary file behind.
    game.year = -3900;
    std::string reason;
    {
        rlimit before{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = 1000;
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = SaveToFile(SlotPath(3), reason);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldSignal);
        EXPECT_FALSE(written);
    }
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(SlotLabel(3), "BC 3950, Britons");
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "game" / "Save"), fs::directory_iterator{}), 1);

    // A damaged slot is labelled so and cannot be loaded.
    std::ofstream(root / "game" / "Save" / "Slot2.txt") << "hello";
    EXPECT_EQ(SlotLabel(2), "Damaged Slot");
    EXPECT_FALSE(Load(2));
    EXPECT_FALSE(Load(5)) << "a free slot";

    // A game folder that cannot be written keeps its slots in the user's data folder.
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    gameFolder = "/proc/annals-cannot-write-here";
    EXPECT_EQ(SaveFolder(), (root / "data" / "annals" / "Save").string());
    Save(1);
    EXPECT_TRUE(fs::exists(root / "data" / "annals" / "Save" / "Slot1.txt"));
    unsetenv("XDG_DATA_HOME");
    fs::remove_all(root);
}

TEST_F(SaveGameTest, DamagedFilesAreRefusedWithTheirReasons) {
    // Each file is the game with one thing wrong, written with right checksums.
    const std::string good = SaveGameText();
    CityData& city = City(landX, landY);
    struct Case {
        const char* what;
        std::function<void()> damage;
        const char* reason;
    } cases[] = {
        {"a tax rate of 3", [&] { city.taxRate = 3; }, "tax rate"},
        {"a tax rate of 105", [&] { city.taxRate = 105; }, "tax rate"},
        {"a military level of 13", [&] { city.militaryLevel = 13; }, "military level"},
        {"a science level of 10", [&] { city.scienceLevel = 10; }, "science level"},
        {"a stock near 2^31", [&] { city.stock[1] = 2147483000; }, "stock"},
        {"a negative stock", [&] { city.stock[7] = -5; }, "stock"},
        {"a production near 2^31", [&] { city.production[6] = 2147483000; }, "production"},
        {"three workers in one building", [&] { city.jobs[4] = 3; }, "workers"},
        {"a store of no size", [&] { city.storageCapacity = 0; }, "storage"},
        {"the last turn a number can hold", [] { game.turn = 2147483647; }, "turn"},
        {"a turn before the first", [] { game.turn = -3; }, "turn"},
        {"a year past the calendar", [] { game.year = 2000000000; }, "year"},
        {"a combat roll of 100", [] { Civ(2).combatRolls[7] = 100; }, "combat roll"},
        {"a ship aboard a ship",
         [&] {
             AddUnit(1, kCaravel, seaX, seaY);
             Unit(1, 6).carrierLink = 3 * 1000 + 3;
             Unit(1, 3).cargo[3] = 100000 + 6;
         },
         "a ship is aboard a ship"},
        {"a unit listed by two ships",
         [&] {
             AddUnit(1, kGalleon, seaX, seaY);
             Unit(1, 6).cargo[1] = 100000 + 4;
         },
         "not aboard"},
        {"a wagon train carrying a unit", [] { Unit(1, 5).cargo[2] = 100000 + 1; }, "not goods"},
        {"a warrior with cargo", [] { Unit(1, 1).cargo[1] = 7010; }, "more than it has room for"},
        // Past the ranges the rules give: no city is founded without a name of its six.
        {"a city named by no founding", [&] { city.nameIndex = 0; }, "city name"},
        {"a seventh city name", [&] { city.nameIndex = 7; }, "city name"},
        {"a tile variant of 0", [&] { Cell(landX, landY).tileVariant = 0; }, "tile variant"},
        {"a tile variant of 6", [&] { Cell(seaX, seaY).tileVariant = 6; }, "tile variant"},
        {"a special resource 15", [&] { Cell(landX, landY).special = 15; }, "special resource"},
        {"a unit without experience", [] { Unit(1, 2).experience = 0; }, "unit experience"},
        {"a route step to the middle", [] { Unit(1, 1).path[2] = 5; }, "route direction"},
    };
    for (const Case& c : cases) {
        c.damage();
        const std::string damaged = SaveGameText();
        ASSERT_TRUE(LoadSaveText(good).ok) << c.what;
        const LoadOutcome outcome = LoadSaveText(damaged);
        EXPECT_FALSE(outcome.ok) << c.what;
        EXPECT_NE(outcome.reason.find(c.reason), std::string::npos) << c.what << ": " << outcome.reason;
        EXPECT_TRUE(SaveGameText() == good) << c.what << ": the running game changed";
    }
}

TEST_F(SaveGameTest, RefusalsShowOnlyPrintableText) {
    const LoadOutcome outcome = LoadSaveText("\x1b]0;owned\x07\x1b[2J 1 2 3");
    ASSERT_FALSE(outcome.ok);
    for (const char c : outcome.reason)
        EXPECT_FALSE(c == 0x1b || c == 0x07) << "a control byte in: " << outcome.reason;
    EXPECT_NE(outcome.reason.find("?]0;owned?"), std::string::npos) << outcome.reason;
}

TEST_F(SaveGameTest, LinksFifosAndFoldersAreNeverWrittenThrough) {
    const fs::path root = annals::testing::FreshTempDir("links");
    const std::string slot = (root / "Slot1.txt").string();
    std::ofstream(root / "victim.txt") << "precious";
    auto contents = [](const fs::path& p) {
        std::ifstream in(p);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    std::string reason;

    // A link planted at the name the temporary file once had leads nowhere now.
    fs::create_symlink(root / "victim.txt", slot + ".writing");
    ASSERT_TRUE(SaveToFile(slot, reason)) << reason;
    EXPECT_EQ(contents(root / "victim.txt"), "precious");
    EXPECT_TRUE(SaveGameText() == contents(slot));

    // An output that is a link, a FIFO or a folder is refused and left as it was.
    fs::create_symlink(root / "victim.txt", root / "link.txt");
    ASSERT_EQ(mkfifo((root / "fifo.txt").c_str(), 0600), 0);
    fs::create_directories(root / "folder.txt");
    for (const char* name : {"link.txt", "fifo.txt", "folder.txt"}) {
        reason.clear();
        EXPECT_FALSE(SaveToFile((root / name).string(), reason)) << name;
        EXPECT_FALSE(reason.empty()) << name;
    }
    EXPECT_TRUE(fs::is_symlink(root / "link.txt"));
    EXPECT_EQ(contents(root / "victim.txt"), "precious");
    EXPECT_TRUE(fs::is_fifo(root / "fifo.txt"));
    EXPECT_TRUE(fs::is_directory(root / "folder.txt"));

    // Reading a FIFO or a folder is refused at once instead of waiting for a writer.
    EXPECT_FALSE(LoadFromFile((root / "fifo.txt").string()).ok);
    const LoadOutcome folder = LoadFromFile((root / "folder.txt").string());
    EXPECT_FALSE(folder.ok);
    EXPECT_NE(folder.reason.find("folder"), std::string::npos) << folder.reason;
    fs::remove_all(root);
}

// Names as long as a folder takes (255 bytes) are saved: the temporary file beside the
// output is shortened to fit, and nothing of it is left behind.
TEST_F(SaveGameTest, TheLongestNamesAreSaved) {
    const fs::path root = annals::testing::FreshTempDir("long-names");
    for (const size_t length : {249u, 252u, 255u}) {
        const fs::path path = root / std::string(length, 'g');
        std::string reason;
        ASSERT_TRUE(SaveToFile(path.string(), reason)) << length << ": " << reason;
        ASSERT_TRUE(SaveToFile(path.string(), reason)) << "over the old one: " << reason;
        EXPECT_TRUE(LoadFromFile(path.string()).ok) << length;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator{}), 3);
    fs::remove_all(root);
}

// A slot the player may not read says so, rather than that it is empty.
TEST_F(SaveGameTest, AnUnreadableFileIsToldApartFromAMissingOne) {
    const fs::path root = annals::testing::FreshTempDir("unreadable");
    const std::string path = (root / "Slot1.txt").string();
    std::string reason;
    ASSERT_TRUE(SaveToFile(path, reason)) << reason;
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_NE(LoadFromFile((root / "none.txt").string()).reason.find("no saved game"), std::string::npos);
    auto refusedForPermission = [&] {
        const LoadOutcome outcome = LoadFromFile(path);
        return !outcome.ok && outcome.reason.find("no permission") != std::string::npos;
    };
    if (geteuid() != 0) {
        EXPECT_TRUE(refusedForPermission());
    } else {
        // The super-user reads every file: the check runs as another user.
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            _exit(setgid(65534) == 0 && setuid(65534) == 0 ? (refusedForPermission() ? 0 : 1) : 2);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    fs::remove_all(root);
}
