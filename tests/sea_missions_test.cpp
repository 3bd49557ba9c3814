// The computer at sea: which ship a port trains, and whole voyages that carry a settler to
// an empty shore and soldiers to an enemy city over the water.
#include "ai/computer_player.h"
#include "ai/sea_missions.h"
#include "city_fixture.h"
#include "economy/city_numbers.h"
#include "persist/save_game.h"
#include "units/movement.h"
#include "units/unit_table.h"

using namespace annals;
using namespace city_test;

namespace {

constexpr int kPortX = 9, kPortY = 12;

// A small island in the west (columns 7..9, every cell within two of the port at its east
// coast, so no room for another city), the sea, and a wide land in the east (15..22).
class SeaMissionsTest : public CityFixture {
protected:
    void SetUp() override {
        CityFixture::SetUp();
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) {
                MapCell& cell = Cell(x, y);
                const bool island = x >= 7 && x <= 9 && y >= 10 && y <= 14;
                const bool east = x >= 15 && x <= 22 && y >= 3 && y <= 22;
                cell.terrain = island || east ? kGrassland : kSea;
                cell.seaBody = island || east ? 0 : 1;
                cell.landmass = island ? 1 : (east ? 2 : 0);
            }
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) {
                if (Cell(x, y).terrain == kSea) continue;
                for (int d = 1; d <= 9; ++d)
                    if (d != 5 && InsideMap(x + directionDx(d), y + directionDy(d)) &&
                        Cell(x + directionDx(d), y + directionDy(d)).terrain == kSea)
                        Cell(x, y).coastal = 1;
            }
        game.civCount = 3;
        game.location = 2; // a lake world
        CivRecord& k = Civ(kComputer);
        k.knows[city_numbers::kMagnetism] = 1;
        CityData& port = Found(kComputer, kPortX, kPortY, 3);
        port.buildings[city_numbers::kHarbor] = 1;
        port.buildings[city_numbers::kGranary] = 1;
        TheSeaTally() = {};
    }

    static int Add(int civ, int type, int x, int y) {
        AddUnit(civ, type, x, y);
        return Civ(civ).unitCount;
    }

    // One turn of the computer: fresh moves, then two passes over its units.
    static void ComputerTurn() {
        CivRecord& k = Civ(kComputer);
        k.turnMark = 0;
        for (int s = 1; s <= k.unitCount; ++s) {
            UnitRecord& unit = Unit(kComputer, s);
            unit.movesLeft = static_cast<int8_t>(3 * UnitTypeMoves(unit.type));
            unit.attackedThisTurn = 0;
        }
        for (int pass = 0; pass < 2; ++pass)
            for (int s = 1; s <= Civ(kComputer).unitCount; ++s) {
                DistanceCalculation();
                game.currentCiv = kComputer;
                game.currentUnit = static_cast<uint8_t>(s);
                game.secondPassStarted = static_cast<uint8_t>(pass);
                for (int i = 0; i < 5; ++i) {
                    game.unitHandled = 0;
                    AI();
                    ui.dialogCode = 0; // nobody answers the person's dialogs here
                    if (!game.unitHandled) break;
                }
            }
    }

    static bool OnEastLand(int civ) {
        for (int s = 1; s <= Civ(civ).unitCount; ++s) {
            const UnitRecord& unit = Unit(civ, s);
            if (Cell(unit.x, unit.y).landmass == 2) return true;
        }
        return false;
    }
};

} // namespace

TEST_F(SeaMissionsTest, APortTrainsTheShipItsSeaNeeds) {
    struct Case {
        const char* what;
        bool enemyCoast, voyage, carrierAfloat, harbor;
        int ship;
    };
    const std::vector<Case> cases = {
        {"nobody over the water: no ship", false, false, false, true, 0},
        {"a foreign city on our sea: a warship for its raids", true, false, false, true, kFrigate},
        {"a voyage without a carrier: the carrier first", true, true, false, true, kGalleon},
        {"a voyage with its carrier: a warship to guard it", true, true, true, true, kFrigate},
        {"without a Harbor no ship at all", true, true, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        if (c.enemyCoast) Found(kPerson, 15, 12);
        if (c.carrierAfloat) Add(kComputer, kGalleon, 10, 12);
        CityData& port = City(kPortX, kPortY);
        port.buildings[city_numbers::kHarbor] = c.harbor ? 1 : 0;
        SeaPlan plan;
        if (c.voyage) plan = {kInvadeOverseas, 15, 12, 14, 12, 1, kPortX, kPortY};
        EXPECT_EQ(ShipWanted(kComputer, port, plan), c.ship);
    }
}

TEST_F(SeaMissionsTest, ASettlerCrossesToAnEmptyShoreAndFoundsACity) {
    Add(kComputer, kWarrior, kPortX, kPortY);
    Add(kComputer, kWarrior, kPortX, kPortY);
    Add(kComputer, kLegion, kPortX, kPortY);
    const int galleon = Add(kComputer, kGalleon, kPortX, kPortY);
    bool served = false, reloaded = false;
    for (int turn = 0; turn < 16 && Civ(kComputer).cityCount < 2; ++turn) {
        ComputerTurn();
        served = served || Unit(kComputer, galleon).order == kFerryOrder;
        // Half way over, the game is saved and loaded again and the voyage goes on.
        if (!reloaded && Unit(kComputer, galleon).cargo[1] != 0 &&
            Cell(Unit(kComputer, galleon).x, 12).terrain == kSea) {
            const std::string text = SaveGameText();
            ASSERT_TRUE(LoadSaveText(text).ok) << LoadSaveText(text).reason;
            reloaded = true;
        }
    }
    EXPECT_TRUE(served);
    EXPECT_TRUE(reloaded);
    ASSERT_EQ(Civ(kComputer).cityCount, 2);
    const CityRef founded = Civ(kComputer).cities[2];
    EXPECT_EQ(Cell(founded.x, founded.y).landmass, 2);
    EXPECT_GE(TheSeaTally().landings, 1);
    EXPECT_EQ(City(kPortX, kPortY).size, 2) << "the port gave the settler";
}

TEST_F(SeaMissionsTest, SoldiersSailToAnEnemyCityNoRoadLeadsTo) {
    Civ(kComputer).relation[kPerson] = Civ(kPerson).relation[kComputer] = 13;
    Civ(kComputer).citiesFounded = 6; // no new cities: the voyage is a war
    Found(kPerson, 15, 12);
    Add(kPerson, kWarrior, 15, 12);
    Add(kComputer, kWarrior, kPortX, kPortY);
    Add(kComputer, kWarrior, kPortX, kPortY);
    for (int i = 0; i < 3; ++i) Add(kComputer, kLegion, kPortX, kPortY);
    Add(kComputer, kGalleon, kPortX, kPortY);
    for (int turn = 0; turn < 16 && City(15, 12).owner != kComputer; ++turn) ComputerTurn();
    EXPECT_GE(TheSeaTally().landings + (Civ(kPerson).unitCount == 0 ? 1 : 0), 1);
    EXPECT_TRUE(OnEastLand(kComputer) || City(15, 12).owner == kComputer);
    EXPECT_EQ(Unit(kComputer, 1).x, kPortX) << "the port keeps its two defenders";
}

TEST_F(SeaMissionsTest, WarshipsFightAtSeaAndCarriersOnlyCarry) {
    struct Case {
        const char* what;
        int type;
        bool fights;
    };
    const std::vector<Case> cases = {
        {"a warship fires on an enemy ship within a turn's sailing", kFrigate, true},
        {"a carrier without guns keeps out of it", kGalleon, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        Civ(kComputer).citiesFounded = 6; // no voyage wants the ship
        Civ(kComputer).relation[kPerson] = Civ(kPerson).relation[kComputer] = 13;
        const int ship = Add(kComputer, c.type, 11, 12);
        Add(kPerson, kFrigate, 13, 12);
        Unit(kComputer, ship).movesLeft = static_cast<int8_t>(3 * UnitTypeMoves(c.type));
        DistanceCalculation();
        game.currentCiv = kComputer;
        game.currentUnit = static_cast<uint8_t>(ship);
        for (int i = 0; i < 5; ++i) {
            game.unitHandled = 0;
            AI();
            if (!game.unitHandled) break;
        }
        const bool fought = Civ(kPerson).unitCount == 0 || Civ(kComputer).unitCount == 0 ||
                            Unit(kComputer, ship).attackedThisTurn;
        EXPECT_EQ(fought, c.fights);
        EXPECT_EQ(TheSeaTally().seaBattles, c.fights ? 1 : 0);
    }
}
