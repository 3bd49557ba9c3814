// The end of a game turn: calendar, contacts, strength, relations, upkeep, every city's
// turn and research, on small worlds built in code.
#include "city_fixture.h"
#include "economy/end_of_turn.h"
#include "units/unit_table.h"

#include <gtest/gtest.h>

using namespace city_test;

namespace {

constexpr int kFounder = 1, kRival = 2, kArmy = 3, kEmpty = 4, kTribe = 5;
constexpr int kDespotism = 2, kMonarchy = 3, kCommunism = 4, kDemocracy = 5;
constexpr int kAztecs = 2;

class EndOfTurnTest : public CityFixture {
protected:
    void SetUp() override {
        CityFixture::SetUp();
        // A person, a computer with a city, a computer with an army only, a computer with
        // nothing left, and the natives.
        game.civCount = 5;
        SetCiv(kRival, 8, true, 3);
        SetCiv(kArmy, 6, true, 3);
        SetCiv(kEmpty, 4, true, 3);
        SetCiv(kTribe, 13, true, 5);
    }
};

} // namespace

TEST(Calendar, TheStepDependsOnTheYearBeforeIt) {
    const int32_t cases[][2] = {
        {-4000, -3900}, {-2000, -1900}, {-1900, -1850}, {-1000, -950}, {-950, -930},
        {990, 1010},    {999, 1019},    {1000, 1010},   {2500, 2510},
    };
    for (const auto& c : cases) EXPECT_EQ(NextYear(c[0]), c[1]) << c[0];
}

TEST(Relations, QuarrelsStopAtTheFloorAndNeverIntroduceStrangers) {
    const double cases[][3] = {
        // before, lowered by, after
        {30, 0.5, 29.5}, {10.3, 0.5, 10}, {10, 0.1, 10}, {7, 0.1, 7}, {0, 0.5, 0},
    };
    for (const auto& c : cases) {
        double relation = c[0];
        LowerRelation(relation, c[1]);
        EXPECT_DOUBLE_EQ(relation, c[2]) << c[0];
    }
}

TEST_F(EndOfTurnTest, OneTurnOfASmallWorld) {
    game.year = -1000;
    game.turn = 7;
    game.civTimer[kFounder] = 2;

    // The person: a city of 2 with a Stockade, a Warrior, a Pikeman and a Musketman.
    CityData& home = Found(kFounder, 5, 5, 2);
    home.deliveryTimer = 2;
    home.settlerReleased = 1;
    home.buildings[3] = 1;
    AddUnit(kFounder, kWarrior, 5, 5);
    AddUnit(kFounder, kPikeman, 5, 5);
    AddUnit(kFounder, kMusketman, 5, 5);
    Civ(kFounder).research = 6;
    Civ(kFounder).researchLeft = 0.01;

    // The computer knows Industrialization and has walls; it is about to finish Ritualism.
    CityData& rival = Found(kRival, 15, 15, 1);
    rival.buildings[3] = rival.buildings[34] = 1;
    AddUnit(kRival, kCatapult, 15, 15);
    Civ(kRival).knows[39] = 1;
    Civ(kRival).research = 4;
    Civ(kRival).researchLeft = 0.01;

    // An army under Democracy: the Settler works for free, the last unit joins unpaid.
    for (int type : {kWarrior, kSettler, kWarrior, kWarrior}) AddUnit(kArmy, type, 10, 20);
    Civ(kArmy).government = kDemocracy;
    Civ(kArmy).gold = 50;
    Civ(kArmy).goldBias = 50;

    // Nothing left: skipped, its goldBias kept.
    Civ(kEmpty).gold = 30;
    Civ(kEmpty).goldBias = 7;

    // Two villages whose cigars add up past what a byte holds.
    CityData& v1 = Found(kTribe, 20, 4, 1);
    CityData& v2 = Found(kTribe, 4, 20, 1);
    v1.stock[12] = 201;
    v2.stock[12] = 101;
    game.nativeDemand[11] = game.nativeDemand[12] = 1;

    CivRecord& founder = Civ(kFounder);
    founder.contactA[kRival] = 19;
    founder.contactA[kArmy] = 20;
    founder.contactB[kRival] = 9;
    founder.contactB[kEmpty] = 10;
    founder.contactA[kTribe] = 3;
    founder.relation[kRival] = 25.5;
    founder.relation[kTribe] = 40;
    Civ(kRival).relation[kFounder] = 25;
    Civ(kTribe).relation[kFounder] = 26;

    EndOfTurn();

    EXPECT_EQ(game.year, -950);
    EXPECT_EQ(game.turn, 8);
    EXPECT_EQ(game.civTimer[kFounder], 1);
    EXPECT_EQ(game.civTimer[kRival], 0);

    // Contacts age between the players up to their limits; the natives are left out.
    EXPECT_EQ(founder.contactA[kRival], 20);
    EXPECT_EQ(founder.contactA[kArmy], 20);
    EXPECT_EQ(founder.contactB[kRival], 10);
    EXPECT_EQ(founder.contactB[kEmpty], 10);
    EXPECT_EQ(founder.contactA[kTribe], 3);
    EXPECT_EQ(Civ(kEmpty).contactA[kFounder], 1);

    // Relations above 25 cool by one, with the natives too; strangers stay strangers.
    EXPECT_DOUBLE_EQ(founder.relation[kRival], 24.5);
    EXPECT_DOUBLE_EQ(Civ(kRival).relation[kFounder], 25);
    EXPECT_DOUBLE_EQ(founder.relation[kTribe], 39);
    EXPECT_DOUBLE_EQ(Civ(kTribe).relation[kFounder], 25);
    EXPECT_DOUBLE_EQ(founder.relation[kArmy], 0);

    // Strength of the turn that ended: 1 + 2 + 3 for the soldiers, 2 citizens.
    EXPECT_EQ(founder.powerHistory[7], 8);
    EXPECT_EQ(Civ(kRival).powerHistory[7], 3 + 1);
    EXPECT_EQ(Civ(kArmy).powerHistory[7], 4);
    EXPECT_EQ(Civ(kTribe).powerHistory[7], 0);
    EXPECT_EQ(founder.powerHistory[8], 0);

    // Treasuries: the copies taken before anything was paid, and the army's wages.
    EXPECT_DOUBLE_EQ(founder.goldAtTurnStart, 100);
    EXPECT_DOUBLE_EQ(founder.goldBias, 100);
    EXPECT_DOUBLE_EQ(Civ(kArmy).goldAtTurnStart, 50);
    EXPECT_DOUBLE_EQ(Civ(kArmy).goldBias, 50);
    EXPECT_DOUBLE_EQ(Civ(kArmy).gold, 48);
    EXPECT_DOUBLE_EQ(Civ(kEmpty).goldAtTurnStart, 30);
    EXPECT_DOUBLE_EQ(Civ(kEmpty).goldBias, 7);
    EXPECT_EQ(game.totalsRunning, 0);

    // Every city had its turn; only the industrial civilization pulled its walls down.
    EXPECT_EQ(home.deliveryTimer, 1);
    EXPECT_EQ(home.settlerReleased, 0);
    EXPECT_EQ(home.buildings[3], 1);
    EXPECT_EQ(rival.buildings[3], 0);
    EXPECT_EQ(rival.buildings[34], 0);

    // The villages used up what the natives need; their stock wraps at 256.
    EXPECT_EQ(game.nativeStock[12], (200 + 100) % 256);
    EXPECT_EQ(game.nativeStock[11], 0);

    // The person's science waits for the start of his turn; the computer's is learned and
    // the next science of its order taken up.
    EXPECT_LE(founder.researchLeft, 0);
    EXPECT_EQ(founder.research, 6);
    EXPECT_EQ(founder.knows[6], 0);
    EXPECT_EQ(Civ(kRival).knows[4], 1);
    EXPECT_EQ(Civ(kRival).research, 2);
    EXPECT_DOUBLE_EQ(Civ(kRival).researchLeft, scienceCost(2));
}

TEST_F(EndOfTurnTest, UpkeepByGovernmentAndNation) {
    struct Case {
        int government;
        int nation;
        std::vector<int> units;
        double paid;
    } cases[] = {
        {kDemocracy, 6, {kWarrior, kWarrior, kWarrior}, 2},
        {kDemocracy, 6, {kWarrior}, 0},
        {kMonarchy, 6, {kWarrior, kWarrior, kWarrior}, 1},
        {kDespotism, 6, {kWarrior, kWarrior, kWarrior}, 0.2},
        {kCommunism, 6, {kWarrior, kWarrior, kWarrior}, 0.2},
        {kDemocracy, kAztecs, {kWarrior, kWarrior, kWarrior}, 0},
        {kDemocracy, 6, {kSettler, kWagonTrain, kWarrior, kWarrior}, 1},
    };
    for (const Case& c : cases) {
        while (Civ(kArmy).unitCount > 0) KillUnit(kArmy, 1);
        CivRecord& army = Civ(kArmy);
        army.government = static_cast<uint8_t>(c.government);
        army.nation = static_cast<uint8_t>(c.nation);
        army.gold = 10;
        for (int type : c.units) AddUnit(kArmy, type, 10, 20);
        EndOfTurn();
        EXPECT_NEAR(10 - army.gold, c.paid, 1e-9) << c.government << " " << c.nation << " " << c.units.size();
    }
}

TEST_F(EndOfTurnTest, StrengthPastTheTableEndStaysInItsLastEntry) {
    AddUnit(kArmy, kWarrior, 10, 20);
    Civ(kArmy).foundingTurns[1] = 77; // the field after the table
    game.turn = 300;
    EndOfTurn();
    EXPECT_EQ(Civ(kArmy).powerHistory[300], 1);
    AddUnit(kArmy, kKnight, 10, 20);
    for (int round = 0; round < 3; ++round) EndOfTurn();
    EXPECT_EQ(game.turn, 304);
    EXPECT_EQ(Civ(kArmy).powerHistory[300], 1 + 3) << "the latest strength";
    EXPECT_EQ(Civ(kArmy).powerHistory[299], 0);
    EXPECT_EQ(Civ(kArmy).foundingTurns[1], 77);
}

// A computer whose soldiers cost more than its cities earn sinks deeper every turn, and with
// an empty treasury its cities train and learn nothing: it sends soldiers home, the cheapest
// first, until its cities pay for the rest with a wage to spare. A city keeps its last guard,
// a ship and its passengers stay, and a person or a solvent computer keeps every soldier.
TEST_F(EndOfTurnTest, AComputerInDebtSendsHomeTheSoldiersItCannotPay) {
    struct Case {
        bool computer;
        double gold;
        int government;
        bool dismisses;
    } cases[] = {
        {true, -40, kMonarchy, true},   {true, -40, kDemocracy, true}, {true, 40, kMonarchy, false},
        {false, -40, kMonarchy, false}, {true, -40, kAztecs, false},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        CivRecord& rival = Civ(kRival);
        rival.isComputer = c.computer ? 1 : 0;
        rival.government = static_cast<uint8_t>(c.government == kAztecs ? kMonarchy : c.government);
        if (c.government == kAztecs) rival.nation = kAztecs;
        rival.gold = c.gold;
        CityData& home = Found(kRival, 12, 12, 8);
        home.buildings[35] = 1;           // a Marketplace
        AddUnit(kRival, kKnight, 12, 12); // the guard, costlier than a warrior
        AddUnit(kRival, kWarrior, 12, 12);
        for (int i = 0; i < 6; ++i) AddUnit(kRival, kWarrior, 15, 15);
        AddUnit(kRival, kCaravel, 3, 3);
        Cell(3, 3).terrain = kSea;
        const int before = rival.unitCount;

        EndOfTurn();

        if (!c.dismisses) {
            EXPECT_EQ(rival.unitCount, before) << c.computer << " " << c.gold << " " << c.government;
            continue;
        }
        ASSERT_LT(rival.unitCount, before) << c.government;
        int soldiers = 0, knights = 0, guards = 0, ships = 0;
        for (int s = 1; s <= rival.unitCount; ++s) {
            const UnitRecord& unit = rival.units[s];
            knights += unit.type == kKnight;
            ships += unit.type == kCaravel;
            guards += unit.x == 12 && unit.y == 12;
            if (s < rival.unitCount) ++soldiers;
        }
        EXPECT_EQ(knights, 1) << "the cheaper soldiers go first";
        EXPECT_EQ(ships, 1);
        EXPECT_GE(guards, 1) << "the city keeps a guard";
        const double wage = c.government == kDemocracy ? 1.0 : 0.5;
        const double income = TaxIncome(home) - Corruption(home) - home.scienceLevel - home.militaryLevel;
        // A democracy's learning alone costs this city more than it earns: only the guard stays.
        if (soldiers > 1) {
            EXPECT_LE(soldiers * wage, income - wage) << c.government;
        }
        EXPECT_GT((soldiers + 1) * wage, income - wage) << "no more soldiers go than needed";
        EXPECT_EQ(soldiers == 1, c.government == kDemocracy) << income << " " << soldiers;
    }
}
