// What the computer's cities choose to build, and what the natives' villages train.
#include "city_fixture.h"

#include "ai/production_choice.h"
#include "economy/news.h"

#include <functional>
#include <set>

namespace city_test {
namespace {

constexpr int kGranary = 1, kAqueduct = 24;
constexpr int kStonework = 1, kRitualism = 4, kWarriorCode = 5;

class ProductionChoiceTest : public CityFixture {
protected:
    // A computer city at (12, 12) in a desert (no crops around it), with stone in store
    // and its last building long done.
    CityData& DesertCity(int size) {
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) Cell(x, y).terrain = kDesert;
        Cell(12, 12).terrain = kGrassland;
        CityData& city = Found(kComputer, 12, 12, 0);
        city.size = static_cast<uint8_t>(size);
        city.stock[kStone] = 50;
        city.turnsSinceBuilding = 10;
        return city;
    }
    static void Learn(std::initializer_list<int> sciences) {
        for (int s : sciences) Civ(kComputer).knows[s] = 1;
    }
};

struct ChoiceCase {
    const char* name;
    int size;
    std::function<void(CityData&)> setUp;
    int expected; // build item
};

TEST_F(ProductionChoiceTest, CitiesChooseTheirBuildingByPriority) {
    const ChoiceCase cases[] = {
        {"a city without a Granary builds one first", 4, [](CityData&) {}, 36},
        {"the Chinese weigh the Granary with everything else", 4,
         [](CityData&) {
             Civ(kComputer).nation = 4;
             Learn({kWarriorCode});
         },
         53},
        {"a Temple beats the Barracks and the Cigar House", 4,
         [](CityData& c) {
             c.buildings[kGranary] = 1;
             Learn({kRitualism, kStonework, kWarriorCode});
         },
         68},
        {"without Ritualism the Barracks wins", 4,
         [](CityData& c) {
             c.buildings[kGranary] = 1;
             Learn({kStonework, kWarriorCode});
         },
         53},
        {"a thirsty city of 10 wants its Aqueduct most", 10,
         [](CityData& c) {
             c.buildings[kGranary] = 1;
             Learn({kStonework, kWarriorCode, kRitualism});
         },
         59},
        {"tobacco land starts a Cigar House, which the Barracks does not beat", 4,
         [](CityData& c) {
             for (int x = 10; x <= 14; ++x)
                 for (int y = 10; y <= 14; ++y) Cell(x, y).terrain = kGrassland;
             c.buildings[kGranary] = 1;
             Learn({kWarriorCode});
         },
         40},
        {"a big city on a hill goes for the Pyramids", 6,
         [](CityData& c) {
             c.buildings[kGranary] = c.buildings[kAqueduct] = 1;
             Cell(13, 12).hill = 1;
             Learn({kStonework});
         },
         74},
        {"nor while somebody else builds them", 6,
         [](CityData& c) {
             c.buildings[kGranary] = c.buildings[kAqueduct] = 1;
             Cell(13, 12).hill = 1;
             Learn({kStonework});
             Found(kPerson, 3, 3, 1).buildItem = 74;
         },
         38},
        {"nor once they stand somewhere", 6,
         [](CityData& c) {
             c.buildings[kGranary] = c.buildings[kAqueduct] = 1;
             Cell(13, 12).hill = 1;
             Learn({kStonework});
             game.wonderOwner[1] = 303;
         },
         38},
        {"without a hill or roads no wonder", 6,
         [](CityData& c) {
             c.buildings[kGranary] = c.buildings[kAqueduct] = 1;
             Learn({kStonework});
         },
         38},
        {"little stone puts off a small building", 4, [](CityData& c) { c.stock[kStone] = 19; }, 0},
        {"but not an urgent one", 4,
         [](CityData& c) {
             c.stock[kStone] = 0;
             c.buildings[kGranary] = 1;
             Learn({kRitualism});
         },
         68},
        {"a careful player waits after a building", 4,
         [](CityData& c) {
             Civ(kComputer).aiLevel = 1;
             c.turnsSinceBuilding = 3;
         },
         0},
        {"a city busy building keeps its choice", 4, [](CityData& c) { c.buildItem = 60; }, 60},
        {"a city with eight working buildings builds no more", 4,
         [](CityData& c) {
             for (int b : {4, 5, 6, 18, 23, 26, 33, 37}) c.buildings[b] = 1;
         },
         0},
    };
    for (const ChoiceCase& t : cases) {
        SCOPED_TRACE(t.name);
        SetUp();
        CityData& city = DesertCity(t.size);
        t.setUp(city);
        ChooseCityBuildings(kComputer);
        EXPECT_EQ(city.buildItem, t.expected);
    }
}

TEST_F(ProductionChoiceTest, AWonderStartedIsNewsForPeopleOnly) {
    CityData& city = DesertCity(6);
    city.buildings[kGranary] = city.buildings[kAqueduct] = 1;
    Cell(13, 12).hill = 1;
    Learn({kStonework});
    ChooseCityBuildings(kComputer);
    ASSERT_EQ(city.buildItem, 74);
    EXPECT_EQ(Civ(kPerson).newsCount, 1);
    EXPECT_EQ(News(kPerson, 1), NewsCode(12, 12, 274));
    EXPECT_EQ(Civ(kComputer).newsCount, 0);
}

TEST_F(ProductionChoiceTest, CultureHoldsTheSurroundingsByDistance) {
    CityData& city = Found(kComputer, 12, 12, 0);
    for (int x = 10; x <= 14; ++x)
        for (int y = 10; y <= 14; ++y) Claim(x, y, 12, 12);
    struct Case {
        double culture;
        int dx, dy, expected;
    } cases[] = {
        {5, 1, 0, 4},    {5, 1, 1, 3},    {5, 2, 0, 0},    {50, 1, 1, 4},  {50, 2, 0, 2},
        {50, 2, 1, 0},   {200, 2, 0, 4},  {200, 2, 1, 1},  {200, 2, 2, 0}, {600, -2, 1, 4},
        {600, 2, -2, 1}, {1500, 2, 2, 4}, {1500, 3, 0, 0},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(testing::Message() << t.culture << " at " << t.dx << "," << t.dy);
        city.culture = t.culture;
        EXPECT_EQ(CultureWeight(city, 12 + t.dx, 12 + t.dy), t.expected);
    }
    // Land nobody holds, or a foreign city holds, is not the city's to weigh.
    city.culture = 1500;
    Found(kPerson, 16, 12, 0);
    Cell(14, 12).workedByX = 16;
    EXPECT_EQ(CultureWeight(city, 14, 12), 0);
    EXPECT_EQ(CultureWeight(city, 12, 15), 0);
    EXPECT_EQ(CultureWeight(city, 0, 12), 0);
}

TEST_F(ProductionChoiceTest, CitiesTrainDefendersFirstThenAttackersOrShips) {
    struct Case {
        const char* name;
        int garrison;   // Warriors in the city
        bool rivalShip; // a rival's Frigate on the sea beside the city
        int expected;
    } cases[] = {
        {"an empty city trains its best defender", 0, false, kPikeman},
        {"a city with one defender still does", 1, true, kPikeman},
        {"a guarded city trains its best attacker", 2, false, kArcher},
        {"a guarded port facing a stronger fleet builds a warship", 2, true, kFrigate},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        SetUp();
        Cell(13, 12).terrain = kSea;
        Cell(13, 12).seaBody = 1;
        Cell(12, 12).coastal = 1;
        CityData& city = Found(kComputer, 12, 12, 1);
        city.buildings[36] = 1; // Harbor
        Learn({2, 5, 30});      // Bronze Metallurgy, Warrior Code, Magnetism
        CivRecord& owner = Civ(kComputer);
        for (int i = 1; i <= t.garrison; ++i) {
            owner.unitCount += 1;
            owner.units[owner.unitCount] = {};
            owner.units[owner.unitCount].type = kWarrior;
            owner.units[owner.unitCount].x = owner.units[owner.unitCount].y = 12;
            Cell(12, 12).unitCount += 1;
            Cell(12, 12).unitList[Cell(12, 12).unitCount] = owner.unitCount;
        }
        if (t.rivalShip) {
            Civ(kPerson).unitCount = 1;
            Civ(kPerson).units[1].type = kFrigate;
            Civ(kPerson).units[1].x = 13;
            Civ(kPerson).units[1].y = 12;
        }
        ChooseCityUnits(kComputer);
        EXPECT_EQ(city.unitBuildItem, t.expected);
    }
}

TEST_F(ProductionChoiceTest, VillagesTrainTheOldTribesThenRaiders) {
    CityData& village = Found(kNatives, 5, 5, 1);
    struct Case {
        int year;
        std::set<int> types;
        int common; // the type of the largest share
        double share;
    } cases[] = {
        {1290, {kJaguar, kArcher, kHorseman, kHorseArcher}, kJaguar, 0.41},
        {1300, {kRaider, kArcher, kHorseman, kHorseArcher}, kRaider, 0.71},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.year);
        game.year = t.year;
        std::set<int> seen;
        int common = 0;
        constexpr int kDraws = 4000;
        for (int i = 0; i < kDraws; ++i) {
            ChooseVillageUnits(kNatives);
            seen.insert(village.unitBuildItem);
            common += village.unitBuildItem == t.common;
        }
        EXPECT_EQ(seen, t.types);
        EXPECT_NEAR(static_cast<double>(common) / kDraws, t.share, 0.04);
    }
    // Only the natives' villages choose this way.
    CityData& city = Found(kComputer, 12, 12, 1);
    ChooseVillageUnits(kComputer);
    EXPECT_EQ(city.unitBuildItem, 2);
}

} // namespace
} // namespace city_test
