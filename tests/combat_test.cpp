// Fights: the dice, the defender, melee and shooting, experience, walls and buildings,
// cities taken or burnt, and what the fight shows and sounds like.
#include "economy/city.h"
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/host.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/battle_view.h"
#include "units/combat.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

using namespace annals;

namespace {

constexpr int kNatives = 4;
constexpr int kStockade = 3, kFortress = 34, kTemple = 33, kGreatWall = 42;

class RecordingHost final : public Host {
public:
    void NestedFrame() override { steps.push_back(ui.crashStep); }
    void Pause(int ms) override { pauses.push_back(ms); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void PlaySound(const std::string& name) override { sounds.push_back(name); }
    void StopSound(const std::string&) override {}
    void Quit() override {}
    bool QuitRequested() const override { return false; }

    std::vector<int> steps, pauses; // the explosion step shown by each frame
    std::vector<std::string> messages, sounds;
};

// A 24 x 24 world: sea in columns 1..8, grassland elsewhere, every cell seen. Civilization
// 1 is a person, 2 and 3 are computers of middle skill, 4 the natives; all at war.
class CombatTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InitializeVariables();
        game.language = 1;
        host = RecordingHost{};
        SetHost(&host);
        SeedRandom(7);
        game.mapWidth = game.mapHeight = 24;
        game.viewX = game.viewY = 1.0;
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) {
                Cell(x, y).terrain = x <= 8 ? kSea : kGrassland;
                Cell(x, y).explored = 1;
            }
        game.civCount = 4;
        const int nations[] = {0, 3, 4, 5, kNativeNation};
        for (int civ = 1; civ <= 4; ++civ) {
            Civ(civ).nation = static_cast<uint8_t>(nations[civ]);
            Civ(civ).isComputer = civ > 1;
            Civ(civ).aiLevel = civ == kNatives ? 5 : 3;
            for (int other = 1; other <= 4; ++other)
                if (other != civ) Civ(civ).relation[other] = 13.0;
        }
    }
    void TearDown() override {
        SetHost(nullptr);
        ResetState();
    }

    static int Place(int civ, int type, int x, int y) {
        AddUnit(civ, type, x, y);
        const int slot = Civ(civ).unitCount;
        Unit(civ, slot).movesLeft = static_cast<int8_t>(3 * UnitMoves(civ, slot));
        return slot;
    }
    static void Select(int civ, int slot) {
        game.currentCiv = static_cast<uint8_t>(civ);
        game.currentUnit = static_cast<uint8_t>(slot);
    }
    static void MakeCity(int civ, int x, int y, int size = 3) {
        MapCell& cell = Cell(x, y);
        cell.hasCity = 1;
        cell.cityX = static_cast<uint8_t>(x);
        cell.cityY = static_cast<uint8_t>(y);
        cell.owner = cell.founder = static_cast<uint8_t>(civ);
        cell.nameIndex = 2;
        cell.size = static_cast<uint8_t>(size);
        cell.storageCapacity = 100;
        cell.unitBuildItem = kWarrior;
        cell.militaryProgress = 12.0;
        cell.unitOwner = static_cast<uint8_t>(civ);
        CivRecord& owner = Civ(civ);
        owner.cityCount += 1;
        owner.cities[owner.cityCount] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
        cell.cityIndex = owner.cityCount;
    }
    // The dice of `civ` from `position` on.
    static void Rolls(int civ, int position, std::initializer_list<int> values) {
        for (int v : values) Civ(civ).combatRolls[position++] = v;
    }
    static void AllRolls(int civ, int value) {
        for (int i = 1; i <= kCombatRolls; ++i) Civ(civ).combatRolls[i] = value;
    }

    RecordingHost host;
};

} // namespace

TEST_F(CombatTest, TheDiceComeFromTheQueueOfTheCivilizationToMove) {
    for (int i = 1; i <= kCombatRolls; ++i) Civ(1).combatRolls[i] = i % 100;
    // A soldier reads from the front of the queue; the rest moves up and a fresh number
    // closes it.
    Select(1, Place(1, kBerserk, 12, 10));
    SeedRandom(3);
    const int fresh = Random(100);
    SeedRandom(3);
    EXPECT_EQ(NextRoll(1), 1);
    EXPECT_EQ(NextRoll(1), 2);
    EXPECT_EQ(Civ(1).combatRolls[1], 3);
    EXPECT_EQ(Civ(1).combatRolls[kCombatRolls - 2], 0); // was 400 % 100
    EXPECT_EQ(Civ(1).combatRolls[kCombatRolls - 1], fresh);

    // Siege engines, ships and planes read from position 51; the positions before stay.
    Select(1, Place(1, kCatapult, 12, 11));
    EXPECT_EQ(NextRoll(1), 53);
    EXPECT_EQ(Civ(1).combatRolls[50], 52);
    EXPECT_EQ(Civ(1).combatRolls[51], 54);
    Select(1, Place(1, kBomber, 12, 12));
    EXPECT_EQ(NextRoll(1), 54);
}

TEST_F(CombatTest, TheStrongestHealthyUnitDefends) {
    struct Case {
        const char* name;
        int x, y; // (10, 10) is land, (5, 10) sea
        bool city;
        std::vector<std::pair<int, int>> units; // type, lives
        int attacker;
        int defender; // slot in the cell's order of arrival
    };
    const Case cases[] = {
        {"the settler is the last choice", 10, 10, false, {{kSettler, 1}, {kMusketman, 2}}, kWarrior, 2},
        {"a settler alone still defends", 10, 10, false, {{kSettler, 1}}, kWarrior, 1},
        {"defence counts twice, attack against it",
         10,
         10,
         false,
         {{kJanissary, 2}, {kPikeman, 2}},
         kWarrior,
         2},
        {"a wounded musketman gives way", 10, 10, false, {{kMusketman, 1}, {kMusketman, 2}}, kWarrior, 2},
        {"on equal scores the first stays", 10, 10, false, {{kPikeman, 2}, {kPikeman, 2}}, kWarrior, 1},
        {"soldiers cannot pick a ship in port", 10, 10, true, {{kGalleon, 4}}, kWarrior, 0},
        {"nor can planes", 10, 10, true, {{kGalleon, 4}}, kBomber, 0},
        {"a cannon can", 10, 10, true, {{kGalleon, 4}}, kCannon, 1},
        {"at sea only the ship defends", 5, 10, false, {{kMusketman, 2}, {kGalleon, 4}}, kFrigate, 2},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.city) MakeCity(2, c.x, c.y);
        for (const auto& [type, lives] : c.units)
            Unit(2, Place(2, type, c.x, c.y)).lives = static_cast<uint8_t>(lives);
        EXPECT_EQ(ChooseDefender(c.x, c.y, c.attacker), c.defender) << c.name;
        TearDown();
    }
}

TEST_F(CombatTest, AnExchangeIsWonWithFourRoundsAtOrBelowTheThreshold) {
    // A Berserk (attack 2) against a Pikeman (defence 2), one life each: the threshold on
    // an open field is 2 x 6 - 2 x 6 + 49 - 2 = 47, then every bonus moves it.
    struct Case {
        const char* name;
        int threshold;
        std::function<void(int attacker, int defender)> arrange;
    };
    const Case cases[] = {
        {"equal units", 47, [](int, int) {}},
        {"fortified", 45, [](int, int d) { Unit(2, d).fortified = 1; }},
        {"alone in an open city", 46, [](int, int) { MakeCity(2, 13, 10); }},
        {"two armed in an open city", 47,
         [](int, int) {
             MakeCity(2, 13, 10);
             Place(2, kWarrior, 13, 10);
         }},
        {"alone behind a stockade", 43,
         [](int, int) {
             MakeCity(2, 13, 10);
             City(13, 10).buildings[kStockade] = 1;
         }},
        {"fortified behind a stockade of the Great Wall's owner", 39,
         [](int, int d) {
             MakeCity(2, 13, 10);
             City(13, 10).buildings[kStockade] = 1;
             game.wonderOwner[kGreatWall - kFirstWonder + 1] = 2 * 100 + 2 * 8 + 1;
             Unit(2, d).fortified = 1;
         }},
        {"the Great Wall behind a fortress", 46,
         [](int, int) {
             MakeCity(2, 13, 10);
             City(13, 10).buildings[kFortress] = 1;
             Place(2, kWarrior, 13, 10);
             game.wonderOwner[kGreatWall - kFirstWonder + 1] = 2 * 100 + 2 * 8 + 1;
         }},
        {"a Roman defender", 46, [](int, int) { Civ(2).nation = 8; }},
        {"a seasoned attacker: 49.4", 49, [](int a, int) { Unit(1, a).experience = 3; }},
        {"a veteran attacker", 59, [](int a, int) { Unit(1, a).experience = 9; }},
        {"a veteran defender", 35, [](int, int d) { Unit(2, d).experience = 9; }},
        {"the hardest computer defends", 45, [](int, int) { Civ(2).aiLevel = 5; }},
        {"the easiest computer defends", 50, [](int, int) { Civ(2).aiLevel = 1; }},
    };
    for (const Case& c : cases) {
        for (const bool won : {true, false}) {
            SetUp();
            const int attacker = Place(1, kBerserk, 12, 10);
            const int defender = Place(2, kPikeman, 13, 10);
            c.arrange(attacker, defender);
            Unit(1, attacker).lives = Unit(2, defender).lives = 1;
            Select(1, attacker);
            const int t = c.threshold;
            if (won)
                Rolls(1, 1, {t, t + 1, t, t + 1, t, t + 1, t});
            else
                Rolls(1, 1, {t + 1, t, t + 1, t, t + 1, t, t + 1});
            EXPECT_EQ(War(1, attacker, 2, defender, 13, 10), won ? kAttackerWon : kAttackerLost) << c.name;
            EXPECT_EQ(Unit(1, attacker).lives, won ? 1 : 0) << c.name;
            EXPECT_EQ(Unit(2, defender).lives, won ? 0 : 1) << c.name;
            EXPECT_EQ(ui.defenderHit, won ? 1 : 0) << c.name;
            TearDown();
        }
    }
}

TEST_F(CombatTest, TheComputersSkillBiasesItsDice) {
    // A computer attacker of the easiest level adds 3 to every roll: 44 wins, 45 does not.
    for (const auto& [roll, result] : {std::pair{44, kAttackerWon}, {45, kAttackerLost}}) {
        SetUp();
        Civ(2).aiLevel = 1;
        const int attacker = Place(2, kBerserk, 12, 10);
        const int defender = Place(1, kPikeman, 13, 10);
        Unit(2, attacker).lives = Unit(1, defender).lives = 1;
        Select(2, attacker);
        AllRolls(2, roll);
        EXPECT_EQ(War(2, attacker, 1, defender, 13, 10), result) << roll;
        TearDown();
    }
}

TEST_F(CombatTest, AnUnarmedDefenderIsEasyPrey) {
    // Defence 0: the attacker gets 2 more in the open (71) and 6 more in a city (94, the
    // lone settler is no armed unit, so the city adds 1 to the defence).
    for (const auto& [inCity, threshold] : {std::pair{false, 71}, {true, 94}}) {
        for (const bool won : {true, false}) {
            SetUp();
            if (inCity) MakeCity(2, 13, 10);
            const int attacker = Place(1, kBerserk, 12, 10);
            const int settler = Place(2, kSettler, 13, 10);
            Unit(1, attacker).lives = 1;
            Select(1, attacker);
            AllRolls(1, won ? threshold : threshold + 1);
            EXPECT_EQ(War(1, attacker, 2, settler, 13, 10), won ? kAttackerWon : kAttackerLost)
                << threshold << (won ? " wins" : " loses");
            TearDown();
        }
    }
}

TEST_F(CombatTest, TheWinnerLearnsMoreFromAStrongerEnemy) {
    struct Case {
        const char* name;
        int attackerType, attackerExperience, defenderType, defenderExperience;
        bool attackerWins;
        int attackerAfter, defenderAfter;
    };
    const Case cases[] = {
        {"attack equal to defence", kBerserk, 1, kPikeman, 1, true, 3, 1},
        {"attack one above, green", kLongbowman, 1, kPikeman, 1, true, 3, 1},
        {"attack one above, seasoned", kLongbowman, 2, kPikeman, 1, true, 3, 1},
        {"attack far above", kMusketman, 1, kWarrior, 1, true, 2, 1},
        {"a veteran learns no more", kBerserk, 9, kPikeman, 1, true, 9, 1},
        {"nothing to learn from a settler", kBerserk, 1, kSettler, 1, true, 1, 1},
        {"defence above the attack", kWarrior, 1, kPikeman, 1, false, 1, 2},
        {"defence one below, green attacker", kLongbowman, 1, kPikeman, 1, false, 1, 2},
        {"defence one below, seasoned attacker", kLongbowman, 2, kPikeman, 1, false, 2, 3},
        {"defence far below", kMusketman, 1, kPikeman, 1, false, 1, 3},
        {"never beyond 9", kMusketman, 1, kPikeman, 8, false, 1, 9},
        {"a settler that survives learns nothing", kWarrior, 1, kSettler, 1, false, 1, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        const int attacker = Place(1, c.attackerType, 12, 10);
        const int defender = Place(2, c.defenderType, 13, 10);
        Unit(1, attacker).experience = static_cast<uint8_t>(c.attackerExperience);
        Unit(2, defender).experience = static_cast<uint8_t>(c.defenderExperience);
        Select(1, attacker);
        AllRolls(1, c.attackerWins ? 0 : 99);
        EXPECT_EQ(War(1, attacker, 2, defender, 13, 10), c.attackerWins ? kAttackerWon : kAttackerLost)
            << c.name;
        EXPECT_EQ(Unit(1, attacker).experience, c.attackerAfter) << c.name;
        EXPECT_EQ(Unit(2, defender).experience, c.defenderAfter) << c.name;
        TearDown();
    }
}

TEST_F(CombatTest, APromotionIsAnnouncedOverTheWinnersCell) {
    // 2 -> 4 experience is a new level; the person hears of it.
    const int attacker = Place(1, kBerserk, 12, 10);
    const int defender = Place(2, kPikeman, 13, 10);
    Unit(1, attacker).experience = 2;
    Unit(1, attacker).gotoX = 20;
    Unit(1, attacker).gotoY = 20;
    Unit(1, attacker).pathLength = 5;
    Select(1, attacker);
    EXPECT_EQ(War(1, attacker, 2, defender, 13, 10), kAttackerWon);
    EXPECT_EQ(Unit(1, attacker).experience, 4);
    EXPECT_EQ(ui.promotionNotice.cell, 1210);
    EXPECT_EQ(ui.promotionNotice.frames, 12);
    EXPECT_EQ(ui.promotionNotice.civ, 1);
    EXPECT_EQ(ui.promotionNotice.slot, attacker);
    EXPECT_EQ(host.sounds.back(), "victory");
    // A person's soldier that won stops where it is.
    EXPECT_EQ(Unit(1, attacker).gotoX, 0);
    EXPECT_EQ(Unit(1, attacker).pathLength, 0);

    // A computer's defender rises silently.
    SetUp();
    const int raider = Place(1, kLongbowman, 12, 10);
    const int pikeman = Place(2, kPikeman, 13, 10);
    Unit(1, raider).experience = 2;
    Unit(2, pikeman).experience = 2;
    Select(1, raider);
    AllRolls(1, 99);
    EXPECT_EQ(War(1, raider, 2, pikeman, 13, 10), kAttackerLost);
    EXPECT_EQ(Unit(2, pikeman).experience, 4);
    EXPECT_EQ(ui.promotionNotice.civ, 2);
    for (const std::string& sound : host.sounds) EXPECT_NE(sound, "victory");
}

TEST_F(CombatTest, ACatapultFacingAWallShootsOnlyAtTheWall) {
    struct Case {
        const char* name;
        int shooter, wall, roll;
        int stoneBefore;
        bool breached;
        int stoneAfter;
    };
    const Case cases[] = {
        // Catapult: 85 - 0 x 5 for a Stockade, 93 - 0 x 3 for a Fortress; Cannon: 85 - 3 x 5.
        {"stockade holds", kCatapult, kStockade, 85, 0, false, 0},
        {"stockade falls", kCatapult, kStockade, 86, 0, true, 50},
        {"fortress holds", kCatapult, kFortress, 93, 0, false, 0},
        {"fortress falls, stone up to the store's size", kCatapult, kFortress, 94, 30, true, 100},
        {"a cannon breaks a stockade sooner", kCannon, kStockade, 71, 0, true, 50},
        {"but not on 70", kCannon, kStockade, 70, 0, false, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        Civ(2).isComputer = 0; // a person hears that his wall fell
        MakeCity(2, 13, 10);
        City(13, 10).buildings[c.wall] = 1;
        City(13, 10).stock[7] = c.stoneBefore;
        const int pikeman = Place(2, kPikeman, 13, 10);
        const int shooter = Place(1, c.shooter, 12, 10);
        Select(1, shooter);
        AllRolls(1, 99); // every later roll would hit whatever it aimed at
        Rolls(1, 51, {c.roll});
        EXPECT_EQ(War(1, shooter, 2, pikeman, 13, 10), kShotsFired) << c.name;
        EXPECT_EQ(City(13, 10).buildings[c.wall], c.breached ? 0 : 1) << c.name;
        EXPECT_EQ(City(13, 10).stock[7], c.stoneAfter) << c.name;
        EXPECT_EQ(ui.destroyedBuilding, c.breached ? c.wall : 0) << c.name;
        EXPECT_EQ(Unit(2, pikeman).lives, 2) << c.name << ": nobody behind the wall is hit";
        EXPECT_EQ(City(13, 10).size, 3) << c.name;
        EXPECT_EQ(Civ(2).newsCount, c.breached ? 1 : 0) << c.name;
        if (c.breached) {
            EXPECT_EQ(Civ(2).news[1], 13 * 100000 + 10 * 1000 + 335 + c.wall) << c.name;
        }
        TearDown();
    }
}

TEST_F(CombatTest, ShotsFindTheDefendersThenABuilding) {
    // A person's Catapult (3 shots) against a computer's open city with one Pikeman and a
    // Temple where two priests work. One unit: w = -4; h = 90 + 1 for the Catapult.
    MakeCity(2, 13, 10, 3);
    CityData& city = City(13, 10);
    city.buildings[kTemple] = 1;
    city.buildingCount = 1;
    city.jobs[kTemple] = 2;
    city.pictures[1] = 1, city.pictures[2] = 2, city.pictures[3] = 3;
    city.pictures[4] = static_cast<int8_t>(buildingPicture(kTemple));
    city.nextFreeSlot = 5;
    city.stock[7] = 10;
    const int pikeman = Place(2, kPikeman, 13, 10);
    const int catapult = Place(1, kCatapult, 12, 10);
    Select(1, catapult);
    Rolls(1, 51,
          {88,     // 88 > 87: hit, and the next shots aim 3 better
           90,     // not above 90: missed
           91,     // hit: the Pikeman is dead, the Catapult learns
           94, 95, // city shots need above 90 + 5 - 1, for its new experience
           2,      // the building picked: position 2 of the list is the Temple
           77});
    EXPECT_EQ(War(1, catapult, 2, pikeman, 13, 10), kShotsFired);
    EXPECT_EQ(Civ(2).unitCount, 0);
    EXPECT_EQ(Cell(13, 10).unitCount, 0);
    EXPECT_EQ(Unit(1, catapult).experience, 2);
    EXPECT_EQ(ui.destroyedBuilding, kTemple);
    EXPECT_EQ(city.buildings[kTemple], 0);
    EXPECT_EQ(city.size, 1) << "the priests died with their temple";
    EXPECT_EQ(city.jobs[kTemple], 0);
    EXPECT_EQ(city.buildingCount, 0);
    EXPECT_EQ(city.stock[7], 60);
    EXPECT_EQ(city.pictures[4], 0);
    EXPECT_EQ(city.pictures[1], 1) << "the last two citizen figures went";
    EXPECT_EQ(city.pictures[2], 0);
    EXPECT_EQ(city.nextFreeSlot, 2);
    EXPECT_EQ(city.hasCity, 1);
    EXPECT_EQ(Civ(1).combatRolls[51], 77) << "one building per attack: no further roll";
}

TEST_F(CombatTest, AShotThatTakesTheLastCitizenBurnsTheCity) {
    MakeCity(2, 13, 10, 1);
    City(13, 10).buildings[kTemple] = 1;
    City(13, 10).jobs[kTemple] = 1;
    const int catapult = Place(1, kCatapult, 12, 10);
    Select(1, catapult);
    Rolls(1, 51, {99, 2});
    EXPECT_EQ(War(1, catapult, 2, 0, 13, 10), kShotsFired);
    EXPECT_EQ(City(13, 10).hasCity, 0);
    EXPECT_EQ(Civ(2).cityCount, 0);
}

TEST_F(CombatTest, ACapturedCityChangesHandsOrBurns) {
    struct Case {
        const char* name;
        int winner, loser;
        double loserGold;
        int winnerCities; // before the capture
        int dialog;
        double plunder;
        bool burnt;
    };
    const Case cases[] = {
        {"a person takes a computer's city", 1, 2, 200, 4, 36, 30, false},
        {"plunder shared by the conqueror's cities", 1, 2, 40, 4, 36, 10, false},
        {"a poor city gives 5 at least", 1, 2, 0, 4, 36, 5, false},
        {"a conqueror without cities takes it all, up to 30", 1, 2, 200, 0, 36, 30, false},
        {"a person loses a city", 2, 1, 12, 0, 35, 12, false},
        {"between computers nobody is asked", 2, 3, 200, 1, 0, 0, false},
        {"a person burns a native village", 1, kNatives, 0, 1, 31, 0, true},
        {"the natives burn a person's city", kNatives, 1, 0, 0, 32, 0, true},
        {"the natives burn a computer's city", kNatives, 2, 0, 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        SetUp();
        for (int k = 0; k < c.winnerCities; ++k) MakeCity(c.winner, 20, 3 + 2 * k);
        MakeCity(c.loser, 13, 10, 4);
        MakeCity(c.loser, 16, 16); // moves up in the list
        Civ(c.loser).gold = c.loserGold;
        Civ(c.winner).relation[c.loser] = Civ(c.loser).relation[c.winner] = 25;
        const int soldier = Place(c.winner, kBerserk, 12, 10);
        Select(c.winner, soldier);
        AllRolls(kNatives, 40);
        ui.battleShown = 1;
        CaptureCity(c.winner, 13, 10);

        const MapCell& cell = Cell(13, 10);
        EXPECT_EQ(ui.battleShown, 0) << c.name;
        EXPECT_EQ(Civ(c.winner).relation[c.loser], 15.0) << c.name << ": the peace is broken";
        EXPECT_EQ(Civ(c.loser).relation[c.winner], 15.0) << c.name;
        EXPECT_EQ(Civ(c.winner).warCounter, 1) << c.name;
        EXPECT_EQ(Civ(c.loser).cityCount, 1) << c.name;
        EXPECT_EQ(Civ(c.loser).cities[1].x, 16) << c.name;
        EXPECT_EQ(City(16, 16).cityIndex, 1) << c.name;
        EXPECT_EQ(cell.unitOwner, c.winner) << c.name;
        EXPECT_EQ(ui.dialogCode, c.dialog) << c.name;
        if (c.dialog != 0) {
            EXPECT_EQ(ui.dialogPartyA, c.winner) << c.name << ": the dialog pays the winner";
            EXPECT_EQ(ui.dialogPartyB, c.loser) << c.name;
            EXPECT_EQ(ui.dialogParams[6], c.loser) << c.name << ": the founder";
            EXPECT_EQ(ui.dialogParams[7], 2) << c.name;
        }
        if (c.dialog == 35 || c.dialog == 36) {
            EXPECT_EQ(ui.dialogParams[0], c.winner) << c.name;
            EXPECT_EQ(ui.dialogParams[1], c.plunder) << c.name;
            EXPECT_EQ(ui.dialogParams[2], c.loser) << c.name;
        }
        if (c.dialog == 31) {
            EXPECT_EQ(ui.dialogParams[0], 40 / 5 + 4 * 2 + 10) << c.name << ": the gold found";
        }
        EXPECT_EQ(cell.hasCity, c.burnt ? 0 : 1) << c.name;
        if (!c.burnt) {
            EXPECT_EQ(cell.owner, c.winner) << c.name;
            EXPECT_EQ(Civ(c.winner).cityCount, c.winnerCities + 1) << c.name;
            EXPECT_EQ(cell.cityIndex, c.winnerCities + 1) << c.name;
            EXPECT_EQ(Civ(c.winner).cities[c.winnerCities + 1].x, 13) << c.name;
            EXPECT_EQ(cell.unitBuildItem, kSettler) << c.name;
            EXPECT_EQ(cell.militaryProgress, 0.0) << c.name;
            EXPECT_EQ(cell.founder, c.loser) << c.name << ": the city keeps its name";
        }
        // Every person but the natives reads of it.
        EXPECT_EQ(Civ(1).newsCount, 1) << c.name;
        EXPECT_EQ(Civ(1).news[1], 13 * 100000 + 10 * 1000 + c.winner * 10 + c.loser + 100) << c.name;
        TearDown();
    }
}

TEST_F(CombatTest, TheLosersUnitsBoundForACapturedCityTurnBack) {
    MakeCity(2, 13, 10);
    MakeCity(2, 20, 10);
    const int settler = Place(2, kSettler, 17, 10);
    const int soldier = Place(2, kPikeman, 17, 11);
    const int sent = Place(2, kPikeman, 17, 12);
    for (const int s : {settler, soldier, sent}) Unit(2, s).gotoX = 13, Unit(2, s).gotoY = 10;
    Unit(2, sent).missionFlags[1] = 1;
    DistanceCalculation();
    Select(1, Place(1, kBerserk, 12, 10));
    CaptureCity(1, 13, 10);
    EXPECT_EQ(Unit(2, settler).gotoX, 20);
    EXPECT_EQ(Unit(2, sent).gotoX, 20);
    EXPECT_EQ(Unit(2, sent).missionFlags[1], 0);
    EXPECT_EQ(Unit(2, soldier).gotoX, 13) << "a soldier on no mission marches on";
}

TEST_F(CombatTest, RelationsSinkButNeverBelowTen) {
    struct Case {
        double before, after;
        int warCounter;
    };
    const Case cases[] = {
        {25.0, 18.0, 1},                 // a peace broken
        {20.0, 19.5, 0},                 // war above 15 sinks by a half
        {15.0, 14.9, 0},                 // and by a tenth below
        {10.05, 10.0, 0},                // but never below 10
        {10.0, 10.0, 0},  {0.0, 0.0, 0}, // nor is a civilization never met suddenly known
    };
    for (const Case& c : cases) {
        SetUp();
        Civ(1).relation[2] = Civ(2).relation[1] = c.before;
        const int attacker = Place(1, kBerserk, 12, 10);
        const int defender = Place(2, kPikeman, 13, 10);
        Select(1, attacker);
        War(1, attacker, 2, defender, 13, 10);
        EXPECT_DOUBLE_EQ(Civ(1).relation[2], c.after) << c.before;
        EXPECT_DOUBLE_EQ(Civ(2).relation[1], c.after) << c.before;
        EXPECT_EQ(Civ(1).warCounter, c.warCounter) << c.before;
        TearDown();
    }
    // The count of broken peaces stops at 20.
    SetUp();
    Civ(1).warCounter = 20;
    Civ(1).relation[2] = 25.0;
    const int attacker = Place(1, kBerserk, 12, 10);
    Select(1, attacker);
    War(1, attacker, 2, Place(2, kPikeman, 13, 10), 13, 10);
    EXPECT_EQ(Civ(1).warCounter, 20);
}

TEST_F(CombatTest, APlaneOverAHarbourWithOnlyShipsFightsNobody) {
    MakeCity(2, 13, 10);
    Place(2, kGalleon, 13, 10);
    const int bomber = Place(1, kBomber, 12, 10);
    Select(1, bomber);
    for (int i = 1; i <= kCombatRolls; ++i) Civ(1).combatRolls[i] = i % 100;
    EXPECT_EQ(Walk(1, 0), 1);
    EXPECT_EQ(Civ(2).unitCount, 1);
    EXPECT_EQ(Unit(2, 1).lives, UnitTypeLives(kGalleon));
    EXPECT_EQ(Civ(1).unitCount, 1);
    EXPECT_EQ(Unit(1, bomber).x, 12);
    EXPECT_EQ(Unit(1, bomber).attackedThisTurn, 1);
    EXPECT_EQ(City(13, 10).owner, 2);
    EXPECT_EQ(Civ(1).combatRolls[51], 51) << "no dice were thrown";
    EXPECT_EQ(War(1, bomber, 2, 0, 13, 10), kShotsFired);
}

TEST_F(CombatTest, AFightIsShownStepByStepWithItsSounds) {
    // A person's Berserk beats a Musketman in one exchange: a frame to set the scene, then
    // eight explosion frames of 60 ms with the blows at the first and the last.
    const int attacker = Place(1, kBerserk, 12, 10);
    const int defender = Place(2, kMusketman, 13, 10);
    Unit(2, defender).lives = 1;
    Unit(1, attacker).experience = 9; // no promotion to announce
    Select(1, attacker);
    EXPECT_EQ(War(1, attacker, 2, defender, 13, 10), kAttackerWon);
    EXPECT_EQ(host.steps, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(host.pauses, std::vector<int>(8, 60));
    ASSERT_EQ(host.sounds.size(), 2u);
    EXPECT_EQ(host.sounds[0].rfind("sword", 0), 0u) << host.sounds[0];
    EXPECT_EQ(host.sounds[1].rfind("musket", 0), 0u) << host.sounds[1];
    EXPECT_EQ(ui.crashStep, 0);
    EXPECT_EQ(ui.battleShown, 1) << "until the next unit is selected";
    EXPECT_EQ(ui.battleUnits[1] + ui.battleUnits[2], 0);

    // A fight far off the view: the view jumps to it first.
    SetUp();
    const int far = Place(1, kBerserk, 22, 20);
    Select(1, far);
    War(1, far, 2, Place(2, kPikeman, 23, 20), 23, 20);
    EXPECT_EQ(game.viewX, 5.0);
    EXPECT_EQ(game.viewY, 10.0);
    EXPECT_EQ(host.pauses.front(), 100);

    // A Catapult's shot that takes a wall down: its own sound, and a pause to look at it.
    SetUp();
    MakeCity(2, 13, 10);
    City(13, 10).buildings[kStockade] = 1;
    const int catapult = Place(1, kCatapult, 12, 10);
    Select(1, catapult);
    Rolls(1, 51, {99});
    War(1, catapult, 2, Place(2, kPikeman, 13, 10), 13, 10);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"attack_catapult"});
    EXPECT_EQ(host.pauses.back(), 300);

    // Two computers fighting where nobody looks: nothing is drawn and nobody waits.
    SetUp();
    for (int x = 1; x <= 24; ++x)
        for (int y = 1; y <= 24; ++y) Cell(x, y).explored = 0;
    const int computer = Place(2, kBerserk, 12, 10);
    Select(2, computer);
    War(2, computer, 3, Place(3, kPikeman, 13, 10), 13, 10);
    EXPECT_TRUE(host.steps.empty());
    EXPECT_TRUE(host.pauses.empty());
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(CombatTest, TheMapShowsTheExplosionTheDirectionAndTheFallenBuilding) {
    HeadlessPlatform platform(HeadlessOptions{false, true});
    SetPlatform(&platform);
    ui.crashFromX = 5, ui.crashFromY = 5, ui.crashToX = 6, ui.crashToY = 5;
    ui.crashStep = 3;
    ui.crashAtTarget = 1;
    ui.destroyedBuilding = kTemple; // picture 4
    DrawBattle();
    std::vector<DrawRecord> sprites;
    for (const DrawRecord& r : *platform.Log())
        if (r.kind == DrawRecord::Sprite) sprites.push_back(r);
    ASSERT_EQ(sprites.size(), 3u);
    // Cell (6, 5) starts at (12 + 5 x 50, 9 + 4 x 50).
    EXPECT_EQ(sprites[0].name, "buildingSprite.bmp");
    EXPECT_EQ(sprites[0].source.left, 3 * 48);
    EXPECT_EQ(sprites[0].x, 263);
    EXPECT_EQ(sprites[1].name, "interfaces.bmp");
    EXPECT_EQ(sprites[1].source.left, 720 + 2 * 32);
    EXPECT_EQ(sprites[1].x, 262 + 9);
    EXPECT_EQ(sprites[1].y, 209 + 9);
    EXPECT_EQ(sprites[2].source.left, 980 + 4 * 16) << "the east marker";
    EXPECT_EQ(sprites[2].x, 262 - 8);

    // The attacker lost the exchange: the explosion is on its own cell.
    platform.ClearLog();
    ui.crashAtTarget = 0;
    ui.destroyedBuilding = 0;
    DrawBattle();
    EXPECT_EQ(platform.Log()->front().x, 212 + 9);

    // A promotion shows the unit's new badge over it for twelve frames.
    platform.ClearLog();
    ui.crashStep = 0;
    const int slot = Place(1, kBerserk, 6, 5);
    Unit(1, slot).experience = 4;
    ui.promotionNotice = {605, 12, 1, static_cast<uint8_t>(slot)};
    for (int frame = 0; frame < 13; ++frame) DrawBattle();
    ASSERT_EQ(platform.Log()->size(), 12u);
    EXPECT_EQ(platform.Log()->front().source.top, 229 + 18);
    EXPECT_EQ(ui.promotionNotice.frames, 0);
    SetPlatform(nullptr);
}
