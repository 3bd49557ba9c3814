// A small world for the city tests: 24 x 24 cells of Grassland, a person (civilization 1,
// Franks), a computer (2, Romans) and the natives (3).
#pragma once

#include "economy/city.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"

#include <gtest/gtest.h>

namespace city_test {

using namespace annals;

constexpr int kPerson = 1, kComputer = 2, kNatives = 3;
constexpr int kFood = 1, kCotton = 2, kFur = 5, kStone = 7, kGold = 8, kCloth = 11, kCoat = 14;

class CityFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InitializeVariables();
        game.language = 1;
        SeedRandom(7);
        game.mapWidth = game.mapHeight = 24;
        for (int x = 1; x <= 24; ++x)
            for (int y = 1; y <= 24; ++y) {
                // Every cell as the map maker leaves it: a terrain and a picture variant.
                Cell(x, y).terrain = kGrassland;
                Cell(x, y).tileVariant = 1;
            }
        game.civCount = 3;
        SetCiv(kPerson, 5, false, 3);
        SetCiv(kComputer, 8, true, 3);
        SetCiv(kNatives, 13, true, 5);
        game.currentCiv = kPerson;
        game.viewCiv = kPerson;
    }
    void TearDown() override { ResetState(); }

    static void SetCiv(int civ, int nation, bool computer, int aiLevel) {
        CivRecord& c = Civ(civ);
        c.nation = static_cast<uint8_t>(nation);
        c.government = 2;
        c.isComputer = computer ? 1 : 0;
        c.aiLevel = static_cast<uint8_t>(aiLevel);
        c.gold = c.goldAtTurnStart = c.goldBias = 100;
    }

    // A city as founding leaves it (its square and four neighbours claimed, the square
    // worked for Food), then grown to `size` citizens on its best land.
    static CityData& Found(int civ, int x, int y, int size = 1) {
        CivRecord& owner = Civ(civ);
        owner.cityCount += 1;
        owner.citiesFounded += 1;
        owner.cities[owner.cityCount] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
        CityData& city = City(x, y);
        city.hasCity = 1;
        city.culture = 10;
        city.happiness = 70;
        city.storageCapacity = 100;
        city.nextFreeSlot = 1;
        city.unitBuildItem = 2;
        city.taxRate = 25;
        city.cityX = static_cast<uint8_t>(x);
        city.cityY = static_cast<uint8_t>(y);
        city.owner = city.founder = static_cast<uint8_t>(civ);
        city.cityIndex = owner.cityCount;
        city.nameIndex = owner.citiesFounded;
        city.Worked(0, 0) = 1;
        city.WorkedProduct(0, 0) = kFood;
        Cell(x, y).unitOwner = static_cast<uint8_t>(civ);
        Claim(x, y, x, y);
        Claim(x + 1, y, x, y);
        Claim(x - 1, y, x, y);
        Claim(x, y + 1, x, y);
        Claim(x, y - 1, x, y);
        for (int i = 0; i < size; ++i) AddCitizen(city);
        ComputeProduction(city);
        return city;
    }
    static void Claim(int x, int y, int cityX, int cityY) {
        if (!InsideMap(x, y) || Cell(x, y).workedByX != 0) return;
        Cell(x, y).workedByX = static_cast<uint8_t>(cityX);
        Cell(x, y).workedByY = static_cast<uint8_t>(cityY);
    }
    // Puts a worker on the cell at (dx, dy) from the city for `product` (no size change).
    static void Work(CityData& city, int dx, int dy, int product) {
        city.Worked(dx, dy) = 1;
        city.WorkedProduct(dx, dy) = static_cast<uint8_t>(product);
    }
    static int WorkedCells(const CityData& city) {
        int n = 0;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) n += city.Worked(dx, dy);
        return n;
    }
    static int Figures(const CityData& city) {
        int n = 0;
        for (int k = 1; k <= kMaxPictures; ++k) n += city.pictures[k] >= 1 && city.pictures[k] <= 3;
        return n;
    }
    static int32_t News(int civ, int k) { return Civ(civ).news[k]; }
};

} // namespace city_test
