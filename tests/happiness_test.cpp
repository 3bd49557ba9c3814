// Happiness: every term of the turn's change, the reasons shown for the open city, the
// citizens unrest drives away, and the advisory texts.
#include "city_fixture.h"

#include "economy/happiness.h"
#include "economy/news.h"
#include "units/unit_table.h"

#include <functional>
#include <utility>
#include <vector>

using namespace city_test;

namespace {

constexpr int kWarrior = 2, kSettlerUnit = 1;

class HappinessTest : public CityFixture {
protected:
    // A city of civilization 1 (Franks, Despotism) with `size` citizens and no buildings.
    static CityData& Town(int size) {
        CityData& city = Found(kPerson, 12, 12, 0);
        city.size = static_cast<uint8_t>(size);
        return city;
    }
    static void Garrison(int type, int count) {
        for (int i = 0; i < count; ++i) AddUnit(kPerson, type, 12, 12);
    }
};

TEST_F(HappinessTest, EveryTermOfTheChange) {
    struct Case {
        const char* what;
        int size;
        std::function<void(CityData&)> setup;
        bool withTaxes;
        double delta;
    };
    auto government = [](int g) { Civ(kPerson).government = static_cast<uint8_t>(g); };
    const std::vector<Case> cases = {
        {"size 4, tax 25, despotism", 4, [](CityData&) {}, true, 1 - 0.5 - 0.4 - 0.25},
        {"germans", 4, [](CityData&) { Civ(kPerson).nation = 6; }, true, 1.3 - 0.5 - 0.4 - 0.25},
        {"taxes left out", 4, [](CityData&) {}, false, 1 - 0.4 - 0.25},
        {"a tax rate off the table", 4, [](CityData& c) { c.taxRate = 92; }, true, 1 - 0.4 - 0.25},
        {"a temple with two priests and hagia sophia", 4,
         [](CityData& c) {
             c.buildings[33] = 1;
             c.jobs[33] = 2;
             game.wonderOwner[6] = kPerson * 100 + 9;
         },
         true, -0.15 + 0.75 + 1.125},
        {"a hospital with a doctor", 4,
         [](CityData& c) {
             c.buildings[37] = 1;
             c.jobs[37] = 1;
         },
         true, -0.15 + 0.25 + 0.5},
        {"theatre, hanging gardens, eiffel tower", 4,
         [](CityData& c) { c.buildings[38] = c.buildings[40] = c.buildings[46] = 1; }, true, -0.15 + 2},
        {"the eiffel tower in another own city", 4,
         [](CityData&) { game.wonderOwner[8] = kPerson * 100 + 10; }, true, -0.15 + 0.25},
        {"size 8 without soldiers or aqueduct", 8, [](CityData&) {}, true, 1 - 0.9 - 0.7 - 0.5 - 0.6 - 0.25},
        {"size 8 with a warrior", 8, [](CityData&) { Garrison(kWarrior, 1); }, true,
         1 - 0.9 - 0.7 - 0.5 + 0.2 - 0.25},
        {"monarchy", 4, [&](CityData&) { government(3); }, true, 1 - 0.75 - 0.4 + 0.25},
        {"democracy spending nothing on science", 4, [&](CityData&) { government(5); }, true, 1 - 1 - 0.4},
        {"democracy, science level 1", 4,
         [&](CityData& c) {
             government(5);
             c.scienceLevel = 1;
         },
         true, 1 - 1 - 0.4 + 1},
        {"democracy, science level 2", 4,
         [&](CityData& c) {
             government(5);
             c.scienceLevel = 2;
         },
         true, 1 - 1 - 0.4 + 1.25},
        {"communism", 4, [&](CityData&) { government(4); }, true, 1 - 0.5 - 0.4 - 1},
        {"size 12 under despotism", 12,
         [](CityData& c) {
             c.buildings[24] = 1;
             Garrison(kWarrior, 1);
         },
         true, 1 - 1.2 - 1.3 - 0.75 + 0.2 - 0.25},
        {"size 20 under monarchy", 20,
         [&](CityData& c) {
             government(3);
             c.taxRate = 0;
             c.buildings[24] = c.buildings[25] = c.buildings[37] = 1;
             c.jobs[37] = 2;
             Garrison(kWarrior, 2);
         },
         true, 1 + 1 - 1.9 - 0.25 + 0.25},
        {"size 40, well built", 40,
         [&](CityData& c) {
             government(1);
             c.taxRate = 0;
             for (int b : {24, 25, 32, 37}) c.buildings[b] = 1;
             c.jobs[37] = 2;
             Garrison(kWarrior, 3);
         },
         true, 1 + 1 - 2.7 + 0.2},
        {"size 41 has no size penalty", 41,
         [&](CityData& c) {
             government(1);
             c.taxRate = 0;
             for (int b : {24, 25, 32, 37}) c.buildings[b] = 1;
             c.jobs[37] = 2;
             Garrison(kWarrior, 3);
         },
         true, 1 + 1 + 0.2},
        {"size 28 short of doctors and power", 28,
         [&](CityData& c) {
             government(1);
             c.taxRate = 0;
             for (int b : {24, 25, 37}) c.buildings[b] = 1;
             c.jobs[37] = 1;
             Garrison(kWarrior, 3);
         },
         true, 1 + 0.25 + 0.5 - 2.5 - 0.25 - 1 + 0.2},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        CityData& city = Town(c.size);
        c.setup(city);
        EXPECT_NEAR(HappinessDelta(city, c.withTaxes), c.delta, 1e-12) << c.what;
    }
}

TEST_F(HappinessTest, AGarrisonReassuresLargerCities) {
    struct Case {
        int size;
        int soldiers;
        double term;
    };
    const Case cases[] = {
        {6, 0, 0},     {7, 0, -0.4}, {8, 0, -0.6},  {8, 1, 0.2},   {12, 0, -1}, {12, 1, 0.2}, {15, 0, -1},
        {15, 1, -0.2}, {15, 2, 0.2}, {20, 0, -1.2}, {20, 1, -0.4}, {20, 2, 0},  {20, 3, 0.2},
    };
    // Anarchy, no taxes, every building growth needs, and doctors: only crowding and the
    // garrison count.
    auto crowding = [](int s) {
        return s <= 5 ? 0.4 : s <= 8 ? 0.7 : s <= 11 ? 1 : s <= 14 ? 1.3 : s <= 17 ? 1.6 : 1.9;
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        Civ(kPerson).government = 1;
        CityData& city = Town(c.size);
        city.taxRate = 0;
        for (int b : {24, 25, 31, 32, 37}) city.buildings[b] = 1;
        city.jobs[37] = 2;
        Garrison(kSettlerUnit, 2); // settlers do not defend
        Garrison(kWarrior, c.soldiers);
        EXPECT_NEAR(HappinessDelta(city, true), 1 + 1 - crowding(c.size) + c.term, 1e-12)
            << c.size << " with " << c.soldiers;
    }
}

TEST_F(HappinessTest, TheOpenCitysReasonsWithTheirWeights) {
    CityData& city = Town(28);
    city.taxRate = 50;
    ui.cityMenuX = ui.cityMenuY = 12;
    const double delta = HappinessDelta(city, true);
    const std::vector<std::pair<int, int>> expected = {
        {1, 100}, {2, 70},  {12, 40}, {11, 60}, {3, 100}, {4, 100},
        {5, 100}, {6, 100}, {7, 20},  {8, 80},  {9, 90},
    };
    std::vector<std::pair<int, int>> recorded;
    for (int k = 1; k <= ui.reasonCount; ++k) recorded.emplace_back(ui.reasons[k][0], ui.reasons[k][1]);
    EXPECT_EQ(recorded, expected);
    EXPECT_EQ(ui.worstReason, 1);
    EXPECT_DOUBLE_EQ(ui.lastHappinessDelta, delta);

    // Without taxes the first missing building gives the advice; a reason is never
    // recorded twice in a row.
    city.buildings[37] = 1;
    HappinessDelta(city, false);
    EXPECT_EQ(ui.worstReason, 2);
    int doctors = 0;
    for (int k = 1; k <= ui.reasonCount; ++k) doctors += ui.reasons[k][0] == 7;
    EXPECT_EQ(doctors, 1);

    // A small city with nothing wrong but its garrison.
    CityData& small = Found(kPerson, 5, 5, 0);
    small.size = 8;
    small.buildings[24] = small.buildings[33] = 1;
    ui.cityMenuX = ui.cityMenuY = 5;
    HappinessDelta(small, true);
    EXPECT_EQ(ui.worstReason, 9);
}

TEST_F(HappinessTest, OnlyTheOpenCitysReasonsAreRecorded) {
    CityData& city = Town(28);
    Found(kPerson, 5, 5, 0);
    ui.cityMenuX = ui.cityMenuY = 5;
    ui.reasonCount = 2;
    ui.reasons[1][0] = 11;
    ui.worstReason = 4;
    ui.lastHappinessDelta = 0.5;
    const double closed = HappinessDelta(city, true);
    EXPECT_EQ(ui.reasonCount, 2);
    EXPECT_EQ(ui.reasons[1][0], 11);
    EXPECT_EQ(ui.worstReason, 4);
    EXPECT_EQ(ui.lastHappinessDelta, 0.5);
    ui.cityMenuX = ui.cityMenuY = 12;
    EXPECT_EQ(HappinessDelta(city, true), closed) << "recording does not change the value";
}

TEST_F(HappinessTest, UnrestDrivesACitizenAwayButNeverTheLast) {
    CityData& city = Found(kPerson, 12, 12, 3);
    city.happiness = 50.1;
    city.taxRate = 60; // 1 - 4 x 0.4 - 0.4 - 0.25 - ...: well below zero
    UpdateHappiness(city);
    EXPECT_EQ(city.size, 2);
    EXPECT_EQ(city.happiness, 55);
    EXPECT_EQ(WorkedCells(city), 3);
    ASSERT_EQ(Civ(kPerson).newsCount, 1);
    EXPECT_EQ(News(kPerson, 1), NewsCode(12, 12, kNewsCitizenLeft));

    CityData& lonely = Found(kPerson, 5, 5, 1);
    lonely.happiness = 0.5;
    lonely.taxRate = 90;
    UpdateHappiness(lonely);
    EXPECT_EQ(lonely.size, 1);
    EXPECT_EQ(lonely.happiness, 0);

    CityData& glad = Found(kPerson, 19, 19, 1);
    glad.happiness = 99.9;
    glad.taxRate = 0;
    UpdateHappiness(glad);
    EXPECT_EQ(glad.happiness, 100);
}

TEST_F(HappinessTest, TheAdvisoryInBothLanguages) {
    EXPECT_EQ(UnhappinessHeading(1), "Your citizens are unhappy, because :");
    EXPECT_EQ(UnhappinessHeading(0), "Your citizens are unhappy.");
    EXPECT_EQ(UnhappinessAdvice(3, "Paris"),
              "Our civilization is still ruled by despotism. The people of Paris want more freedom. You have "
              "to discover monarchy to leave this form of government.");
    EXPECT_EQ(
        UnhappinessAdvice(9, "Paris"),
        "There are no soldiers defending this city. Your citizens do not feel safe. To make your citizens "
        "happier you have to bring soldiers to your city.");
    for (int reason = 0; reason <= 10; ++reason)
        EXPECT_FALSE(UnhappinessAdvice(reason, "Paris").empty()) << reason;
    EXPECT_EQ(UnhappinessAdvice(0, "x"), UnhappinessAdvice(11, "x"));
    game.language = 2;
    EXPECT_EQ(UnhappinessHeading(1), "Bu şehirdeki insanlar mutsuz, çünkü :");
    EXPECT_EQ(UnhappinessNote().rfind("Eğer mutluluk oranı", 0), 0u);
}

} // namespace
