// The computer's citizen planner reads the land once per city and keeps what does not
// change between its trial plans; whole games played with it and with the plain planner,
// which asks every question afresh, must come out the same to the byte.
#include "citizen_placement_reference.h"
#include "city_fixture.h"

#include "economy/city_management.h"
#include "persist/save_game.h"
#include "platform/headless_platform.h"
#include "shell/autoplay.h"
#include "shell/program.h"
#include "state/state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace annals;

namespace {

struct Game {
    int mapSize, players;
    uint64_t seed;
};

// The saves after every stretch of `rounds`, until `stretches` of them are played or the
// game ends.
std::vector<std::string> Play(const Game& g, void (*planner)(CityData&), int stretches, int rounds) {
    ResetState();
    HeadlessPlatform platform{{.pixels = false}};
    InstallShellHost(platform);
    FormCreate(g.players);
    SetCitizenPlanner(planner);
    std::vector<std::string> saves;
    if (StartComputerGame(g.mapSize, g.players, g.seed))
        for (int s = 0; s < stretches; ++s) {
            const bool reached = AutoplayUntil(game.turn + rounds);
            saves.push_back(SaveGameText());
            if (!reached) break;
        }
    SetCitizenPlanner(nullptr);
    FormClose();
    UninstallShellHost();
    ResetState();
    return saves;
}

} // namespace

TEST(CitizenPlacement, WholeGamesComeOutAsWithThePlainPlanner) {
    // Small and large worlds, few and many civilizations, long enough for large cities
    // with workshops, temples and hospitals, and for cities that press on each other's land.
    const Game games[] = {{24, 3, 5}, {36, 5, 77}, {48, 7, 4242}};
    for (const Game& g : games) {
        SCOPED_TRACE("seed " + std::to_string(g.seed));
        const std::vector<std::string> plain = Play(g, AssignCitizensPlain, 6, 25);
        const std::vector<std::string> fast = Play(g, nullptr, 6, 25);
        ASSERT_FALSE(plain.empty()) << "no world was made";
        ASSERT_EQ(plain.size(), fast.size());
        for (size_t s = 0; s < plain.size(); ++s)
            ASSERT_TRUE(plain[s] == fast[s]) << "the games part before round " << (s + 1) * 25;
    }
}

namespace {

class CitizenPlacementCities : public city_test::CityFixture {};

// The rare cities a game seldom reaches in a few hundred rounds: every building, large
// sizes, full stores, wide culture, a neighbour working part of the land.
TEST_F(CitizenPlacementCities, EveryKindOfCityIsPlacedAsByThePlainPlanner) {
    std::mt19937 pick(34);
    auto chance = [&](int percent) { return static_cast<int>(pick() % 100) < percent; };
    for (int n = 0; n < 400; ++n) {
        SetUp();
        for (int x = 8; x <= 18; ++x)
            for (int y = 8; y <= 17; ++y) {
                MapCell& cell = Cell(x, y);
                cell.terrain = static_cast<uint8_t>(1 + pick() % 7);
                cell.forest = chance(30);
                cell.hill = chance(15);
                cell.hillExamined = chance(50);
                cell.river = chance(20);
                cell.road = chance(20);
                cell.cornfield = chance(10);
                cell.special = static_cast<uint8_t>(chance(40) ? 1 + pick() % 14 : 0);
            }
        const int x = 12 + static_cast<int>(pick() % 3), y = 12;
        CityData& neighbour = Found(chance(50) ? city_test::kPerson : city_test::kComputer, 15, 14, 0);
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (chance(30)) Work(neighbour, dx, dy, city_test::kFood);
        CityData& city = Found(city_test::kComputer, x, y, 0);
        city.size = static_cast<uint8_t>(1 + pick() % 30);
        constexpr double kCultures[] = {5, 50, 300, 800, 2000};
        city.culture = kCultures[pick() % 5];
        city.happiness = chance(30) ? 95 : 70;
        city.turnsSinceBuilding = static_cast<uint8_t>(pick() % 8);
        city.buildItem = static_cast<uint8_t>(36 + pick() % 46);
        for (int b = 1; b <= kBuildings; ++b) city.buildings[b] = chance(25);
        for (int i = 2; i <= 7; ++i) city.stock[i] = chance(50) ? static_cast<int32_t>(pick() % 100) : 0;
        Civ(city_test::kComputer).gold = static_cast<double>(pick() % 30) - 5;
        Civ(city_test::kComputer).aiLevel = static_cast<uint8_t>(1 + pick() % 5);

        const CityData before = city;
        AssignCitizensPlain(city);
        const CityData plain = city;
        city = before;
        AssignCitizens(city);
        SCOPED_TRACE("city " + std::to_string(n) + " of size " + std::to_string(city.size));
        EXPECT_EQ(std::memcmp(plain.worked, city.worked, sizeof city.worked), 0);
        EXPECT_EQ(std::memcmp(plain.workedProduct, city.workedProduct, sizeof city.workedProduct), 0);
        EXPECT_EQ(std::memcmp(plain.jobs, city.jobs, sizeof city.jobs), 0);
    }
}

} // namespace
