// The rival leaders: how each of their answers follows from the strength near their
// cities, their treasury, the sciences and the broken treaties, what the answers do, and
// the dialogs as a person meets them on the map.
#include "diplomacy/dialogs.h"
#include "diplomacy/rival_leaders.h"
#include "economy/city_numbers.h"
#include "fixtures.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/dialog_view.h"
#include "ui/screens.h"
#include "ui/text.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace annals;

namespace {

constexpr int kHuman = 1, kRival = 2, kNatives = 3;
constexpr int kCityX = 15, kCityY = 15;

class RecordingHost : public Host {
public:
    void NestedFrame() override {}
    void Pause(int) override {}
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void PlaySound(const std::string& name) override { sounds.push_back(name); }
    void StopSound(const std::string&) override {}
    void Quit() override {}
    bool QuitRequested() const override { return false; }
    std::vector<std::string> messages, sounds;
};

// A 30 x 30 grassland: civilization 1 is a person (Britons), 2 a computer (Romans) of
// level 3 with 20 gold, 3 the natives. The person and the rival have met, are at peace,
// and made no deal for a long time.
class RivalLeadersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InitializeVariables();
        SetHost(&host);
        game.language = 1;
        game.year = -3000;
        game.mapWidth = game.mapHeight = 30;
        for (int x = 1; x <= 30; ++x)
            for (int y = 1; y <= 30; ++y) {
                Cell(x, y).terrain = kGrassland;
                Cell(x, y).explored = 1;
            }
        game.civCount = 3;
        const int nations[] = {0, 3, 8, kNativeNation};
        for (int civ = 1; civ <= 3; ++civ) {
            Civ(civ).nation = static_cast<uint8_t>(nations[civ]);
            Civ(civ).isComputer = civ != kHuman;
            Civ(civ).aiLevel = civ == kNatives ? 5 : 3;
            Civ(civ).gold = 20;
            for (int other = 1; other <= 3; ++other) {
                Civ(civ).contactA[other] = 20;
                Civ(civ).contactB[other] = 10;
            }
        }
        Meet(25);
        game.currentCiv = game.viewCiv = kHuman;
    }
    void TearDown() override {
        SetHost(nullptr);
        ResetState();
    }

    static void Meet(double relation) {
        Civ(kHuman).relation[kRival] = Civ(kRival).relation[kHuman] = relation;
    }
    static int Place(int civ, int type, int x, int y, int lives = 0) {
        AddUnit(civ, type, x, y);
        const int slot = Civ(civ).unitCount;
        Unit(civ, slot).movesLeft = static_cast<int8_t>(3 * UnitMoves(civ, slot));
        if (lives > 0) Unit(civ, slot).lives = static_cast<uint8_t>(lives);
        return slot;
    }
    static void MakeCity(int civ, int x, int y) {
        MapCell& cell = Cell(x, y);
        cell.hasCity = 1;
        cell.owner = cell.founder = static_cast<uint8_t>(civ);
        cell.nameIndex = 1;
        cell.storageCapacity = 100;
        CivRecord& owner = Civ(civ);
        owner.cityCount += 1;
        owner.citiesFounded += 1;
        owner.cities[owner.cityCount] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
        cell.cityIndex = owner.cityCount;
        cell.workedByX = static_cast<uint8_t>(x);
        cell.workedByY = static_cast<uint8_t>(y);
    }
    // Opens a talk with the rival and gives answer k of the first dialog.
    static int Talk(int answer) {
        TalkWithLeader(kRival);
        AnswerDialog(answer);
        return ui.dialogCode;
    }

    RecordingHost host;
};

// Person's soldiers around the rival's one city (15, 15), each a few turns away: on the
// grassland a warrior needs one turn per cell.
struct Threat {
    int type, distance, lives;
};
void Surround(const std::vector<Threat>& threats) {
    for (const Threat& t : threats) {
        AddUnit(kHuman, t.type, kCityX - t.distance, kCityY);
        if (t.lives > 0) Unit(kHuman, Civ(kHuman).unitCount).lives = static_cast<uint8_t>(t.lives);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// The leader's answers

// What a person asking for tribute hears: the tier of the weakest city sets the amount.
TEST_F(RivalLeadersTest, TributeFollowsTheWeakestCityAndTheTreasury) {
    struct Case {
        const char* what;
        std::vector<Threat> threats;
        std::function<void()> setup;
        bool wartime;
        int code, amount;
    };
    const std::vector<Case> cases = {
        {"nobody near: not afraid", {}, [] {}, false, 54, 0},
        {"a hurt warrior five turns away (ratio 0.83)", {{kWarrior, 5, 1}}, [] {}, false, 55, 2},
        {"a warrior five turns away (0.71)", {{kWarrior, 5, 0}}, [] {}, false, 55, 3},
        {"four turns away (0.556, just above 0.55)", {{kWarrior, 4, 0}}, [] {}, false, 55, 4},
        {"three turns away (0.45)", {{kWarrior, 3, 0}}, [] {}, false, 55, 5},
        {"two turns away (0.38)", {{kWarrior, 2, 0}}, [] {}, false, 55, 6},
        {"ratio exactly 0.25 is not below it", {{kWarrior, 1, 0}, {kWarrior, 1, 1}}, [] {}, false, 55, 6},
        {"two warriors at the gate (0.2)", {{kWarrior, 1, 0}, {kWarrior, 1, 0}}, [] {}, false, 55, 7},
        {"a rich rival pays at most 8",
         {{kWarrior, 1, 0}, {kWarrior, 1, 0}},
         [] { Civ(kRival).gold = 100; },
         false,
         55,
         8},
        {"a poor rival cannot pay the least of its tier",
         {{kWarrior, 1, 0}, {kWarrior, 1, 0}},
         [] { Civ(kRival).gold = 4; },
         false,
         58,
         5},
        {"a timid leader (level 1) fears more",
         {{kWarrior, 5, 1}},
         [] { Civ(kRival).aiLevel = 1; },
         false,
         55,
         4},
        {"a bold leader (level 5) fears less",
         {{kWarrior, 5, 0}},
         [] { Civ(kRival).aiLevel = 5; },
         false,
         54,
         0},
        {"the last deal is too recent",
         {{kWarrior, 1, 0}},
         [] { Civ(kHuman).contactB[kRival] = 9; },
         false,
         56,
         0},
        {"five broken treaties", {{kWarrior, 1, 0}}, [] { Civ(kHuman).warCounter = 5; }, false, 57, 6},
        {"four broken treaties", {{kWarrior, 1, 0}}, [] { Civ(kHuman).warCounter = 4; }, false, 55, 6},
        {"the garrison counts",
         {{kWarrior, 1, 0}, {kWarrior, 1, 0}},
         [] { AddUnit(kRival, kWarrior, kCityX, kCityY); },
         false,
         55,
         3},
        {"a fortress counts more",
         {{kWarrior, 1, 0}, {kWarrior, 1, 0}},
         [] {
             City(kCityX, kCityY).buildings[city_numbers::kFortress] = 1;
             AddUnit(kRival, kWarrior, kCityX, kCityY);
         },
         false,
         55,
         2},
        {"a second, weaker city decides",
         {{kWarrior, 5, 0}},
         [] {
             MakeCity(kRival, 15, 25);
             AddUnit(kHuman, kWarrior, 14, 25);
         },
         false,
         55,
         6},
        {"at war, nobody near", {}, [] {}, true, 68, 0},
        {"at war, no city left",
         {},
         [] { Cell(kCityX, kCityY).hasCity = 0, Civ(kRival).cityCount = 0; },
         true,
         73,
         0},
        {"at war, too recent", {{kWarrior, 1, 0}}, [] { Civ(kHuman).contactB[kRival] = 2; }, true, 70, 0},
        {"at war, broken treaties", {{kWarrior, 1, 0}}, [] { Civ(kHuman).warCounter = 7; }, true, 71, 6},
        {"at war, no gold", {{kWarrior, 1, 0}}, [] { Civ(kRival).gold = 1; }, true, 72, 4},
        {"at war, afraid", {{kWarrior, 1, 0}, {kWarrior, 1, 0}}, [] {}, true, 69, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        MakeCity(kRival, kCityX, kCityY);
        Surround(c.threats);
        c.setup();
        DistanceCalculation();
        ui.dialogParams[0] = 0;
        EXPECT_EQ(TributeAnswer(kHuman, kRival, c.wartime), c.code);
        EXPECT_EQ(ui.dialogParams[0], c.amount);
    }
}

TEST_F(RivalLeadersTest, PeaceHasAPriceWhileTheRivalFeelsStrong) {
    struct Case {
        const char* what;
        std::vector<Threat> threats;
        std::function<void()> setup;
        int code, amount;
    };
    // Level 3 asks (0.05 x cities founded + 0.15) x 8 for each unit of fear, at most 10 units.
    const std::vector<Case> cases = {
        {"no threat at all: the most", {}, [] {}, 65, 12},
        {"no city and no threat",
         {},
         [] { Cell(kCityX, kCityY).hasCity = 0, Civ(kRival).cityCount = 0; },
         65,
         12},
        {"a warrior four turns away", {{kWarrior, 4, 0}}, [] {}, 65, 3},
        {"a warrior three turns away", {{kWarrior, 3, 0}}, [] {}, 65, 1},
        {"a warrior at the gate: peace for free", {{kWarrior, 1, 0}}, [] {}, 64, 0},
        {"a person with four cities pays more", {}, [] { Civ(kHuman).citiesFounded = 4; }, 65, 28},
        {"a level-5 leader asks more", {}, [] { Civ(kRival).aiLevel = 5; }, 65, 18},
        {"five broken treaties", {}, [] { Civ(kHuman).warCounter = 5; }, 66, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        MakeCity(kRival, kCityX, kCityY);
        Surround(c.threats);
        c.setup();
        DistanceCalculation();
        ui.dialogParams[0] = 0;
        EXPECT_EQ(PeaceAnswer(kHuman, kRival), c.code);
        EXPECT_EQ(ui.dialogParams[0], c.amount);
    }
}

TEST_F(RivalLeadersTest, AScienceForPeaceOnlyFromAFrightenedRival) {
    struct Case {
        const char* what;
        std::vector<Threat> threats;
        std::function<void()> setup;
        int code, science;
    };
    auto knows34 = [] { Civ(kRival).knows[3] = Civ(kRival).knows[4] = 1; };
    const std::vector<Case> cases = {
        {"afraid: teaches the cheapest, lowest number", {{kWarrior, 4, 0}}, knows34, 75, 3},
        {"not what the person studies",
         {{kWarrior, 4, 0}},
         [&] { knows34(), Civ(kHuman).research = 3; },
         75,
         4},
        {"nothing to teach", {{kWarrior, 4, 0}}, [] {}, 78, 0},
        {"broken treaties", {{kWarrior, 4, 0}}, [&] { knows34(), Civ(kHuman).warCounter = 5; }, 77, 0},
        {"ratio 0.71 is not below 0.7", {{kWarrior, 5, 0}}, knows34, 74, 0},
        {"nobody near", {}, knows34, 74, 0},
        {"the last deal still runs",
         {{kWarrior, 4, 0}},
         [&] { knows34(), Civ(kHuman).contactB[kRival] = 0; },
         76,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        Meet(13);
        MakeCity(kRival, kCityX, kCityY);
        Surround(c.threats);
        c.setup();
        DistanceCalculation();
        EXPECT_EQ(ScienceForPeaceAnswer(kHuman, kRival), c.code);
        EXPECT_EQ(ui.dialogParams[0], c.science);
    }
}

TEST_F(RivalLeadersTest, SciencesAreExchangedOnlyWhenTheRivalGainsEnough) {
    struct Case {
        const char* what;
        std::vector<int> rivalKnows, humanKnows;
        int code, teaches, learns;
    };
    // Sciences 1..6 cost 10; Mining (7, after Stonework 1) costs 20.
    const std::vector<Case> cases = {
        {"ours costs more: a fair trade", {1, 3}, {1, 7}, 47, 3, 7},
        {"equal costs: a fair trade", {3}, {4}, 47, 3, 4},
        {"ours is cheaper: too costly for them", {1, 7}, {1, 3}, 48, 7, 3},
        {"they know all we know", {3, 4}, {3}, 50, 4, 0},
        {"we know more, they teach nothing", {3}, {3, 5}, 52, 0, 5},
        {"nothing either way", {3}, {3}, 49, 0, 0},
        {"a science we cannot take up yet is not offered", {7}, {}, 49, 0, 0},
        {"ties keep the lower number", {4, 3}, {5}, 47, 3, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        for (int s : c.rivalKnows) Civ(kRival).knows[s] = 1;
        for (int s : c.humanKnows) Civ(kHuman).knows[s] = 1;
        EXPECT_EQ(ScienceExchangeAnswer(kHuman, kRival), c.code);
        EXPECT_EQ(ui.dialogParams[0], c.teaches);
        EXPECT_EQ(ui.dialogParams[1], c.learns);
    }
    Civ(kHuman).contactA[kRival] = 19;
    EXPECT_EQ(ScienceExchangeAnswer(kHuman, kRival), 51) << "the last exchange is too recent";
}

TEST_F(RivalLeadersTest, WithdrawalDependsOnWhatTheSoldiersNearOurCitiesDo) {
    struct Case {
        const char* what;
        int x, y;
        bool target;
        int code, near, onCity, idle;
    };
    const std::vector<Case> cases = {
        {"nobody near", 20, 20, false, 59, 0, 0, 0},
        {"sent against the city, standing on it", 10, 10, true, 60, 1, 1, 0},
        {"standing next to it without orders", 11, 11, false, 62, 1, 0, 1},
        {"passing by", 9, 11, true, 61, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        MakeCity(kHuman, 10, 10);
        const int slot = Place(kRival, kWarrior, c.x, c.y);
        if (c.target) Unit(kRival, slot).gotoX = Unit(kRival, slot).gotoY = 25;
        EXPECT_EQ(WithdrawalAnswer(kHuman, kRival), c.code);
        EXPECT_EQ(ui.dialogParams[0], c.near);
        EXPECT_EQ(ui.dialogParams[1], c.onCity);
        EXPECT_EQ(ui.dialogParams[2], c.idle);
    }
}

// ---------------------------------------------------------------------------
// What the answers do

TEST_F(RivalLeadersTest, AnswersMoveGoldSciencesAndRelations) {
    struct Case {
        const char* what;
        int code;
        std::vector<double> params;
        int answer;
        int next;
        double relation;
        double humanGold, rivalGold; // after; both start with 20
        int variant = -1;
    };
    const std::vector<Case> cases = {
        {"treaty accepted", 3, {}, 1, 4, 25, 20, 20},
        {"treaty refused", 3, {}, 2, 5, 13, 20, 20},
        {"go in peace", 4, {}, 1, 0, 25, 20, 20},
        {"asking gold for the treaty", 4, {}, 2, 6, 13, 20, 20, 0},
        {"a declaration of war", 6, {}, 1, 0, 13, 20, 20},
        {"the demand paid", 41, {8}, 1, 44, 32, 12, 28},
        {"the demand refused", 41, {8}, 2, 6, 13, 20, 20, 2},
        {"the thanks", 44, {}, 1, 0, 32, 20, 20},
        {"teach for nothing", 40, {3, 0, 0, 4, 2}, 1, 0, 32, 20, 20},
        {"ask gold for teaching, rival strong enough", 40, {3, 0, 0, 4, 2}, 2, 43, 25, 20, 20},
        {"ask gold for teaching, rival too weak", 40, {3, 0, 0, 3000, 2}, 2, 6, 13, 20, 20, 0},
        {"refuse to teach", 40, {3}, 3, 6, 13, 20, 20, 0},
        {"sell the science", 43, {3, 5}, 1, 0, 32, 25, 15},
        {"the border complaint refused", 42, {}, 2, 6, 13, 20, 20, 3},
        {"tribute taken", 55, {6}, 1, 0, 28, 26, 14},
        {"tribute refused", 55, {6}, 2, 0, 13, 20, 20},
        {"pay for peace", 65, {7}, 1, 0, 32, 13, 27},
        {"silly offer", 65, {7}, 2, 0, 13, 20, 20},
        {"not attacking for money leaves the war", 69, {6}, 1, 0, 13, 26, 14},
        {"science for peace", 75, {3}, 1, 0, 28, 20, 20},
        {"extortion refused, war", 54, {}, 2, 0, 13, 20, 20},
        {"extortion dropped", 54, {}, 1, 0, 25, 20, 20},
        {"distrust, war", 57, {}, 2, 0, 13, 20, 20},
        {"no gold, we wait", 58, {}, 1, 0, 25, 20, 20},
        {"troops stay, war", 60, {}, 2, 0, 13, 20, 20},
        {"peace signed", 64, {}, 1, 0, 32, 20, 20},
        {"teach them for nothing", 52, {0, 5}, 1, 53, 25, 20, 20},
        {"cannot teach: then gold", 78, {}, 1, 54, 25, 20, 20},
        {"cannot teach: war goes on", 78, {}, 2, 0, 25, 20, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        if (c.code == 69 || c.code == 75) Meet(13);
        ui.dialogCode = static_cast<uint8_t>(c.code);
        ui.dialogPartyA = static_cast<uint8_t>(c.code >= 45 ? kHuman : kRival);
        ui.dialogPartyB = static_cast<uint8_t>(c.code >= 45 ? kRival : kHuman);
        for (size_t k = 0; k < c.params.size(); ++k) ui.dialogParams[k] = c.params[k];
        ASSERT_TRUE(DialogAnswerAllowed(c.answer));
        AnswerDialog(c.answer);
        EXPECT_EQ(ui.dialogCode, c.next);
        EXPECT_EQ(Civ(kHuman).relation[kRival], c.relation);
        EXPECT_EQ(Civ(kRival).relation[kHuman], c.relation);
        EXPECT_EQ(Civ(kHuman).gold, c.humanGold);
        EXPECT_EQ(Civ(kRival).gold, c.rivalGold);
        if (c.variant >= 0) {
            EXPECT_EQ(ui.dialogVariant, c.variant);
        }
    }
}

TEST_F(RivalLeadersTest, ScienceDealsTeachAndResetTheirCounters) {
    // Exchange: each side learns the other's science, and the next exchange waits.
    ui.dialogPartyB = kRival;
    ui.dialogCode = 47;
    ui.dialogParams[0] = 3;
    ui.dialogParams[1] = 4;
    AnswerDialog(1);
    EXPECT_EQ(Civ(kHuman).knows[3], 1);
    EXPECT_EQ(Civ(kRival).knows[4], 1);
    EXPECT_EQ(Civ(kHuman).contactA[kRival], 0);
    EXPECT_EQ(ScienceExchangeAnswer(kHuman, kRival), 51);

    // A science for ten turns of peace: learnt, and no new deal for a while.
    Meet(13);
    ui.dialogCode = 75;
    ui.dialogParams[0] = 5;
    AnswerDialog(1);
    EXPECT_EQ(Civ(kHuman).knows[5], 1);
    EXPECT_EQ(Civ(kHuman).contactB[kRival], 0);
    EXPECT_EQ(TributeAnswer(kHuman, kRival, false), 56);

    // The rival's question taught for nothing.
    ui.dialogCode = 40;
    ui.dialogPartyA = kRival;
    ui.dialogPartyB = kHuman;
    ui.dialogParams[0] = 6;
    AnswerDialog(1);
    EXPECT_EQ(Civ(kRival).knows[6], 1);
}

TEST_F(RivalLeadersTest, GoldReceivedIsHeardAndSeenAndNeverMoreThanThePayerHas) {
    ui.dialogCode = 55;
    ui.dialogPartyB = kRival;
    ui.dialogParams[0] = 6;
    const DialogOutcome taken = AnswerDialog(1);
    EXPECT_EQ(taken.goldShown, 6);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"golds"});
    EXPECT_EQ(Civ(kHuman).contactB[kRival], 0);
    EXPECT_EQ(Civ(kRival).contactB[kHuman], 0);

    // The rival offers 5 gold for a science; with less it says its treasury is empty, and
    // the person decides whether that means war. It answers in its own turn.
    host.sounds.clear();
    game.currentCiv = kRival;
    Civ(kRival).gold = 5.5;
    ui.dialogCode = 40;
    ui.dialogPartyA = kRival;
    ui.dialogPartyB = kHuman;
    ui.dialogParams[0] = 3;
    ui.dialogParams[3] = 1;
    ui.dialogParams[4] = 1;
    AnswerDialog(2);
    ASSERT_EQ(ui.dialogCode, 43);
    EXPECT_EQ(ui.dialogParams[1], 5);
    const DialogOutcome sold = AnswerDialog(1);
    EXPECT_EQ(sold.goldShown, 5);
    EXPECT_NEAR(Civ(kRival).gold, 0.5, 1e-9);

    for (const int answer : {1, 2}) {
        SCOPED_TRACE(answer);
        Meet(25);
        Civ(kRival).gold = 4.9;
        ui.dialogCode = 40;
        ui.dialogPartyA = kRival;
        ui.dialogPartyB = kHuman;
        AnswerDialog(2);
        ASSERT_EQ(ui.dialogCode, 58);
        EXPECT_EQ(RivalSpeaker(), kRival);
        EXPECT_EQ(Civ(kHuman).relation[kRival], 25) << "no gold is no war yet";
        AnswerDialog(answer);
        EXPECT_EQ(ui.dialogCode, 0);
        EXPECT_EQ(Civ(kHuman).relation[kRival], answer == 1 ? 25 : 13);
        EXPECT_EQ(Civ(kRival).relation[kHuman], answer == 1 ? 25 : 13);
        EXPECT_EQ(Civ(kRival).gold, 4.9);
    }
    game.currentCiv = kHuman;

    // A rich rival that has founded five cities offers 8.
    Meet(25);
    Civ(kRival).gold = 17;
    Civ(kRival).citiesFounded = 5;
    ui.dialogCode = 40;
    ui.dialogPartyA = kRival;
    ui.dialogPartyB = kHuman;
    AnswerDialog(2);
    EXPECT_EQ(ui.dialogParams[1], 8);
}

TEST_F(RivalLeadersTest, APaymentThePersonCannotAffordLeavesTheDialogOpen) {
    for (int code : {41, 65}) {
        SCOPED_TRACE(code);
        host.messages.clear();
        Civ(kHuman).gold = 7.5;
        ui.dialogCode = static_cast<uint8_t>(code);
        ui.dialogPartyA = static_cast<uint8_t>(code == 41 ? kRival : kHuman);
        ui.dialogPartyB = static_cast<uint8_t>(code == 41 ? kHuman : kRival);
        ui.dialogParams[0] = 8;
        EXPECT_FALSE(DialogAnswerAllowed(1));
        EXPECT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(ui.dialogCode, code);
        EXPECT_TRUE(DialogAnswerAllowed(2)) << "refusing costs nothing";
        Civ(kHuman).gold = 8;
        EXPECT_TRUE(DialogAnswerAllowed(1));
    }
}

TEST_F(RivalLeadersTest, AcceptingToWithdrawSendsOurSoldiersHome) {
    MakeCity(kHuman, 5, 5);
    MakeCity(kRival, kCityX, kCityY);
    const int inside = Place(kHuman, kWarrior, kCityX + 1, kCityY);
    Cell(kCityX + 1, kCityY).workedByX = kCityX;
    Cell(kCityX + 1, kCityY).workedByY = kCityY;
    const int outside = Place(kHuman, kWarrior, 8, 8);
    DistanceCalculation();
    ui.dialogCode = 42;
    ui.dialogPartyA = kRival;
    ui.dialogPartyB = kHuman;
    AnswerDialog(1);
    EXPECT_EQ(ui.dialogCode, 0) << "no thanks and no alliance: the rival only waits";
    EXPECT_EQ(Civ(kHuman).relation[kRival], 25);
    EXPECT_EQ(game.civTimer[kRival], 4);
    EXPECT_EQ(Unit(kHuman, inside).gotoX, 5);
    EXPECT_EQ(Unit(kHuman, outside).gotoX, 0);
}

TEST_F(RivalLeadersTest, TheTalkButtonOpensTheFriendlyOrTheWartimeTalk) {
    struct Case {
        double relation;
        int code;
    };
    for (const Case& c : std::vector<Case>{{25, 45}, {20.5, 45}, {20, 46}, {13, 46}, {0, 0}}) {
        SCOPED_TRACE(c.relation);
        ui.dialogCode = 0;
        Meet(c.relation);
        TalkWithLeader(kRival);
        EXPECT_EQ(ui.dialogCode, c.code);
        if (c.code != 0) {
            EXPECT_EQ(ui.dialogPartyB, kRival);
        }
    }
    // The answers of a talk ask the rival (a chain within one turn).
    Meet(25);
    MakeCity(kRival, kCityX, kCityY);
    DistanceCalculation();
    EXPECT_EQ(Talk(3), 54) << "nobody threatens the rival: no tribute";
    Meet(13);
    EXPECT_EQ(Talk(1), 65) << "the rival asks a price for peace";
    EXPECT_EQ(TenTurnsInYears(-3000), 1000);
    EXPECT_EQ(TenTurnsInYears(-1500), 500);
    EXPECT_EQ(TenTurnsInYears(999), 200);
    EXPECT_EQ(TenTurnsInYears(1000), 100);
}

// ---------------------------------------------------------------------------
// On the map

TEST_F(RivalLeadersTest, WalkingBesideANeverMetRivalAsksOnce) {
    Meet(0);
    const int warrior = Place(kHuman, kWarrior, 10, 10);
    Place(kRival, kWarrior, 12, 10);
    game.currentUnit = game.viewUnit = static_cast<uint8_t>(warrior);
    DistanceCalculation();
    int meetings = 0;
    for (int dy : {0, 1}) {
        Unit(kHuman, warrior).movesLeft = 3;
        Walk(dy == 0 ? 1 : 0, dy);
        if (ui.dialogCode == 3) {
            ++meetings;
            EXPECT_EQ(ui.dialogPartyA, kRival);
            EXPECT_EQ(ui.dialogPartyB, kHuman);
            AnswerDialog(1); // the treaty
            AnswerDialog(1); // go in peace
        }
        EXPECT_EQ(ui.dialogCode, 0);
    }
    EXPECT_EQ(meetings, 1);
    EXPECT_EQ(Civ(kHuman).relation[kRival], 25);
    EXPECT_EQ(Unit(kHuman, warrior).y, 11) << "the second step was taken";
}

TEST_F(RivalLeadersTest, BreakTreatyAttacksAndCancelStops) {
    const int legion = Place(kHuman, kLegion, 10, 10);
    Place(kRival, kWarrior, 11, 10);
    game.currentUnit = game.viewUnit = static_cast<uint8_t>(legion);
    DistanceCalculation();

    Walk(1, 0);
    ASSERT_EQ(ui.dialogCode, 37);
    EXPECT_EQ(ui.dialogParams[0], kRival);
    EXPECT_EQ(RivalSpeaker(), kRival);
    Unit(kHuman, legion).gotoX = 20;
    AnswerDialog(2);
    EXPECT_EQ(ui.dialogCode, 0);
    EXPECT_EQ(Unit(kHuman, legion).gotoX, 0);
    EXPECT_EQ(Civ(kHuman).relation[kRival], 25) << "cancelled: the treaty holds";

    // The step is taken again with the points the unit had, never with more: a unit
    // that had none left has nothing to attack with.
    Unit(kHuman, legion).movesLeft = 2;
    Walk(1, 0);
    ASSERT_EQ(ui.dialogCode, 37);
    EXPECT_EQ(ui.dialogParams[3], 2);
    ui.dialogParams[3] = 0;
    AnswerDialog(1);
    EXPECT_EQ(Unit(kHuman, legion).attackedThisTurn, 0);
    EXPECT_EQ(Civ(kHuman).relation[kRival], 25);

    Unit(kHuman, legion).movesLeft = 2;
    Walk(1, 0);
    ASSERT_EQ(ui.dialogCode, 37);
    AnswerDialog(1);
    EXPECT_EQ(ui.dialogCode, 0) << "the attack does not ask again";
    EXPECT_EQ(ui.confirmedAttack, 0);
    EXPECT_EQ(Civ(kHuman).relation[kRival], 18) << "the attack broke the peace";
    EXPECT_EQ(Civ(kHuman).warCounter, 1);
    EXPECT_EQ(Civ(kRival).unitCount + Civ(kHuman).unitCount, 1) << "one of the two fell";
}

TEST_F(RivalLeadersTest, ALoadedGameStartsWithoutStaleDeals) {
    ASSERT_TRUE(annals::testing::MakeSmallGame(5));
    const std::string text = SaveGameText();
    Civ(1).contactB[2] = 3;
    Civ(2).contactB[1] = 3;
    Civ(1).warCounter = 6;
    ASSERT_TRUE(LoadSaveText(text).ok);
    // Every pair of civilizations that can deal (the natives never do) starts afresh.
    const int natives = game.civCount;
    for (int i = 1; i <= game.civCount; ++i) {
        EXPECT_EQ(Civ(i).warCounter, 0);
        for (int j = 1; j < natives; ++j) {
            if (i != j && i != natives) {
                EXPECT_EQ(Civ(i).contactB[j], 10) << i << " towards " << j;
            }
        }
    }
}

// Every leader's dialog, in both languages, with long names and values: the title and the
// paragraph stay inside the frame and above the answers, each answer on its plate, and
// none of them is the bare "OK" of a dialog nobody wrote.
TEST(RivalDialogLayout, EveryDialogKeepsItsWordsInsideItsFrame) {
    ResetState();
    InitializeVariables();
    HeadlessPlatform platform{HeadlessOptions{false, true}};
    InstallShellHost(platform);
    game.civCount = 3;
    Civ(kHuman).nation = 3;  // Britons, the longest people's name in Turkish
    Civ(kRival).nation = 10; // Vikings
    Civ(kRival).isComputer = 1;
    Civ(kNatives).nation = kNativeNation;
    game.currentCiv = kHuman;
    // The longest science name of the language in use.
    auto longestScience = [] {
        int best = 1;
        for (int s = 2; s <= kSciences; ++s)
            if (TextWidth(scienceName(s), 8) > TextWidth(scienceName(best), 8)) best = s;
        return best;
    };
    // The drawn text is a little wider than the width table promises.
    auto width = [](const DrawRecord& r) { return TextWidth(r.name, r.size) * 21 / 20; };
    std::vector<int> codes = {3, 4, 5, 35, 36, 37};
    for (int code = 40; code <= 78; ++code)
        if (IsRivalDialog(code)) codes.push_back(code);
    for (int language : {1, 0}) {
        game.language = static_cast<uint8_t>(language);
        for (int code : codes)
            for (int variant = 0; variant < (code == 6 || code == 4 ? 4 : 1); ++variant) {
                SCOPED_TRACE(std::to_string(code) + (language ? " en" : " tr") + " variant " +
                             std::to_string(variant));
                ui.dialogCode = static_cast<uint8_t>(code == 4 && variant > 0 ? 6 : code);
                ui.dialogVariant = static_cast<uint8_t>(variant);
                ui.dialogPartyA = code >= 45 ? kHuman : kRival;
                ui.dialogPartyB = code >= 45 ? kRival : kHuman;
                const int science = longestScience();
                for (double& p : ui.dialogParams) p = 0;
                ui.dialogParams[0] = code == 37 || code == 35 || code == 36 ? kRival : science;
                ui.dialogParams[1] = code == 35 || code == 36 ? 30 : science;
                ui.dialogParams[2] = code == 35 || code == 36 ? kHuman : 0;
                if (code == 41 || code >= 54) ui.dialogParams[0] = 12;
                if (code == 43) ui.dialogParams[1] = 8;
                ui.dialogParams[6] = kRival;
                ui.dialogParams[7] = 1;
                platform.ClearLog();
                DrawDialogTable();
                const DialogContent content = DialogContentOf();
                ASSERT_FALSE(content.answers.empty());
                EXPECT_NE(content.answers[0], "OK");
                EXPECT_FALSE(content.text.empty());

                Rect frame{};
                for (const DrawRecord& r : *platform.Log())
                    if (r.kind == DrawRecord::Sprite && r.name.find("interfaces") != std::string::npos &&
                        frame.Empty())
                        frame = {r.x, r.y, r.x + r.source.Width(), r.y + r.source.Height()};
                ASSERT_FALSE(frame.Empty());
                const AnswerPlate first = DialogAnswerPlate(1);
                // The frame is the first copy from the interface sheet, the plates come after
                // the paragraph, and each plate is followed by its answer.
                int interfaceCopies = 0;
                for (const DrawRecord& r : *platform.Log()) {
                    if (r.kind == DrawRecord::Sprite && r.name.find("interfaces") != std::string::npos)
                        ++interfaceCopies;
                    const bool label = interfaceCopies > 1;
                    if (r.kind != DrawRecord::Text) continue;
                    SCOPED_TRACE(r.name);
                    EXPECT_LE(r.x + width(r), frame.right - 8);
                    if (!label) {
                        EXPECT_LE(r.y + r.size + 4, first.top) << "the paragraph runs into the answers";
                        continue;
                    }
                    int k = 1;
                    while (k < static_cast<int>(content.answers.size()) && content.answers[k - 1] != r.name)
                        ++k;
                    const AnswerPlate plate = DialogAnswerPlate(k);
                    EXPECT_LE(r.x + TextWidth(r.name, r.size), plate.right - 2)
                        << "the answer leaves its plate";
                    EXPECT_GE(r.y, plate.top);
                    EXPECT_LE(r.y + r.size, plate.bottom);
                }
            }
    }
    // A people's name takes its article in the English titles.
    game.language = 1;
    ui.dialogPartyA = kRival;
    ui.dialogPartyB = kHuman;
    for (auto [code, title] : {std::pair<int, const char*>{3, "Meeting with the Vikings"},
                               {4, "Leader of the Vikings says :"},
                               {5, "The Vikings declared war against you."}}) {
        ui.dialogCode = static_cast<uint8_t>(code);
        EXPECT_EQ(DialogContentOf().title, title);
    }
    // ... and the possessive its apostrophe: "the Britons' sphere".
    ui.dialogCode = 4;
    ui.dialogVariant = 0;
    EXPECT_NE(DialogContentOf().text.find("the Britons' sphere"), std::string::npos)
        << DialogContentOf().text;
    UninstallShellHost();
    ResetState();
}

// A second press on the place of the answer just given, in the next step of a talk, never
// chooses war: for every step of the leaders' and the natives' talks that leads on from a
// peaceful answer, in both languages, the next dialog's answers that mean war stand
// elsewhere, every answer keeps a plate of its own, and a press there asks nothing.
TEST(RivalDialogLayout, ASecondPressOnTheSamePlaceNeverChoosesWar) {
    ResetState();
    InitializeVariables();
    HeadlessPlatform platform{HeadlessOptions{false, true}};
    InstallShellHost(platform);
    game.civCount = 3;
    Civ(kHuman).nation = 3;
    Civ(kRival).nation = 10;
    Civ(kRival).isComputer = 1;
    Civ(kNatives).nation = kNativeNation;
    game.currentCiv = kHuman;
    struct Step {
        int from, answer, to;
    };
    const Step kSteps[] = {
        {3, 1, 4},   {40, 2, 43}, {45, 2, 60}, {45, 3, 54}, {45, 3, 55}, {45, 3, 57},
        {45, 3, 58}, {46, 1, 65}, {46, 2, 69}, {46, 3, 75}, {46, 3, 78}, {78, 1, 54},
        {78, 1, 55}, {78, 1, 57}, {78, 1, 58}, {15, 1, 33}, {16, 1, 33}, {17, 1, 33},
    };
    auto open = [](int code) {
        ui.dialogCode = code;
        ui.dialogPartyA = static_cast<uint8_t>(code >= 45 ? kHuman : kRival);
        ui.dialogPartyB = static_cast<uint8_t>(code >= 45 ? kRival : kHuman);
        for (double& p : ui.dialogParams) p = 0;
        ui.dialogParams[0] = code >= 54 ? 12 : 5;
        ui.dialogParams[1] = 7;
    };
    for (int language : {1, 0}) {
        game.language = static_cast<uint8_t>(language);
        for (const Step& s : kSteps) {
            SCOPED_TRACE(std::to_string(s.from) + " -> " + std::to_string(s.to) + (language ? " en" : " tr"));
            std::fill(std::begin(ui.chainPress), std::end(ui.chainPress), int16_t{0});
            open(s.from);
            ASSERT_FALSE(HostileAnswer(s.from, s.answer));
            const AnswerPlate pressed = DialogAnswerPlate(s.answer);
            ui.chainPress[0] = static_cast<int16_t>(pressed.left);
            ui.chainPress[1] = static_cast<int16_t>(pressed.top);
            ui.chainPress[2] = static_cast<int16_t>(pressed.right);
            ui.chainPress[3] = static_cast<int16_t>(pressed.bottom);
            open(s.to);
            const int count = static_cast<int>(DialogContentOf().answers.size());
            std::set<int> tops;
            bool war = false;
            for (int k = 1; k <= count; ++k) {
                const AnswerPlate plate = DialogAnswerPlate(k);
                tops.insert(plate.top);
                if (!HostileAnswer(s.to, k)) continue;
                war = true;
                EXPECT_TRUE(plate.right <= pressed.left || pressed.right <= plate.left ||
                            plate.bottom <= pressed.top || pressed.bottom <= plate.top)
                    << "answer " << k << " means war and stands where the player just pressed";
            }
            EXPECT_TRUE(war) << "a step with nothing to guard does not belong in the table";
            EXPECT_EQ(static_cast<int>(tops.size()), count);
            platform.ClearLog();
            DialogMouseDown((pressed.left + pressed.right) / 2, (pressed.top + pressed.bottom) / 2);
            if (ui.closeCountdown != 0) {
                EXPECT_FALSE(HostileAnswer(s.to, ui.dialogAnswer));
            }
            for (const DrawRecord& r : *platform.Log()) EXPECT_NE(r.kind, DrawRecord::Message) << r.name;
            ui.closeCountdown = 0;
        }
    }
    UninstallShellHost();
    ResetState();
}
