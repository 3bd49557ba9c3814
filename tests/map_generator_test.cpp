#include "world/map_generator.h"

#include "state/random.h"
#include "state/state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using namespace annals;

namespace {

// North, east, south, west: the offset of the neighbour and the river digit towards it.
struct Side {
    int dx, dy, digit, back;
};
constexpr Side kSides[4] = {{0, -1, 1, 100}, {1, 0, 10, 1000}, {0, 1, 100, 1}, {-1, 0, 1000, 10}};

void MakeMap(int size, int kind, uint64_t seed) {
    ResetState();
    game.mapWidth = game.mapHeight = static_cast<uint8_t>(size);
    game.location = kind;
    SeedRandom(seed);
    GenerateMap();
}

// A map of the given size with every cell of one terrain code.
void FillMap(int size, uint8_t terrain) {
    ResetState();
    game.mapWidth = game.mapHeight = static_cast<uint8_t>(size);
    for (int x = 1; x <= size; ++x) {
        for (int y = 1; y <= size; ++y) Cell(x, y).terrain = terrain;
    }
}

bool Sea(int x, int y) {
    return Cell(x, y).terrain == kSea;
}

// Number of 4-connected regions of Sea (sea = true) or of land.
int CountRegions(bool sea) {
    const int w = game.mapWidth, h = game.mapHeight;
    std::vector<char> seen((w + 2) * (h + 2), 0);
    auto at = [&](int x, int y) -> char& { return seen[x * (h + 2) + y]; };
    int regions = 0;
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            if (Sea(x, y) != sea || at(x, y)) continue;
            ++regions;
            std::vector<std::pair<int, int>> todo{{x, y}};
            at(x, y) = 1;
            while (!todo.empty()) {
                auto [cx, cy] = todo.back();
                todo.pop_back();
                for (const Side& s : kSides) {
                    const int nx = cx + s.dx, ny = cy + s.dy;
                    if (!InsideMap(nx, ny) || Sea(nx, ny) != sea || at(nx, ny)) continue;
                    at(nx, ny) = 1;
                    todo.emplace_back(nx, ny);
                }
            }
        }
    }
    return regions;
}

// The first broken rule of a finished map, or "" when all hold.
std::string FirstViolation() {
    const int w = game.mapWidth, h = game.mapHeight;
    std::ostringstream why;
    std::vector<int> landmassCells(256, 0);
    std::set<int> seaBodies;
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            const MapCell& c = Cell(x, y);
            why.str("");
            why << "cell " << x << "," << y << ": ";
            if (c.terrain < kSea || c.terrain > kArtic) return why.str() + "terrain out of range";
            if (c.tileVariant < 1 || c.tileVariant > 5) return why.str() + "tile variant out of range";
            const bool sea = c.terrain == kSea;
            if (sea != (c.landmass == 0)) return why.str() + "landmass 0 not exactly on Sea";
            if (sea != (c.seaBody != 0)) return why.str() + "seaBody 0 not exactly on land";
            if (sea && (c.hill || c.forest || c.river != 0))
                return why.str() + "hill, forest or river at sea";
            if (c.hill && c.river != 0) return why.str() + "river on a hill";
            ++landmassCells[c.landmass];
            if (sea) seaBodies.insert(c.seaBody);

            int landNeighbours = 0;
            bool otherSide = false;
            for (const Side& s : kSides) {
                const int nx = x + s.dx, ny = y + s.dy;
                const bool hasDigit = c.river / s.digit % 10 != 0;
                if (c.river / s.digit % 10 > 1) return why.str() + "river digit above 1";
                if (!InsideMap(nx, ny)) {
                    if (hasDigit) return why.str() + "river runs off the map";
                    continue;
                }
                const MapCell& n = Cell(nx, ny);
                if (n.terrain != kSea) ++landNeighbours;
                if ((n.terrain == kSea) != sea) otherSide = true;
                if (!sea && n.terrain != kSea) {
                    if (n.landmass != c.landmass) return why.str() + "touching land with two numbers";
                    if (hasDigit != (n.river / s.back % 10 != 0)) return why.str() + "river digits disagree";
                }
                if (sea && n.terrain == kSea && n.seaBody != c.seaBody)
                    return why.str() + "touching sea, two bodies";
            }
            if (c.river >= 10000) return why.str() + "river value too large";
            if (c.coastal != (otherSide ? 1 : 0)) return why.str() + "coastal flag wrong";
            if (sea && c.coastal) {
                static constexpr int kSeedByLand[5] = {16, 12, 6, 3, 1};
                if (c.cellSeed != kSeedByLand[landNeighbours]) return why.str() + "coastal cellSeed wrong";
            }
            if (sea && c.special != 0 && c.special != kSpecialFish && c.special != kSpecialPearls) {
                return why.str() + "land special at sea";
            }
            if (c.special == kSpecialPearls) {
                for (int nx = x - 5; nx <= x + 5; ++nx) {
                    for (int ny = y - 5; ny <= y + 5; ++ny) {
                        if ((nx != x || ny != y) && InsideMap(nx, ny) &&
                            Cell(nx, ny).special == kSpecialPearls) {
                            return why.str() + "pearls within five cells of pearls";
                        }
                    }
                }
            }
        }
    }
    for (int n = 1; n < 256; ++n) {
        if (landmassCells[n] == 0) continue;
        if (landmassCells[n] != game.landmassSize[n]) return "landmassSize disagrees with the cells";
        if (landmassCells[n] <= w) return "a landmass of mapWidth cells or fewer stayed";
    }
    const int landmasses = static_cast<int>(
        std::count_if(landmassCells.begin() + 1, landmassCells.end(), [](int cells) { return cells > 0; }));
    if (landmasses != CountRegions(false)) return "two landmasses share a number";
    if (static_cast<int>(seaBodies.size()) != CountRegions(true)) return "two sea bodies share a number";
    if (!seaBodies.empty() && *seaBodies.rbegin() != game.seaBodyCount)
        return "seaBodyCount is not the last body";
    // The cells just outside the map in use are left alone.
    if (Cell(w + 1, 1).terrain != 0 || Cell(1, h + 1).terrain != 0) return "terrain written outside the map";
    return "";
}

// The set-up looks for player starts in 3 x 3 blocks, on open land at least three cells
// from the edge; count the blocks that offer any.
int BlocksWithOpenLand() {
    const int w = game.mapWidth;
    int blocks = 0;
    for (int bx = 1; bx <= w / 3; ++bx) {
        for (int by = 1; by <= w / 3; ++by) {
            bool open = false;
            for (int x = 3 * bx - 2; x <= 3 * bx; ++x) {
                for (int y = 3 * by - 2; y <= 3 * by; ++y) {
                    const MapCell& c = Cell(x, y);
                    if (x > 2 && y > 2 && x <= w - 2 && y <= w - 2 && c.terrain != kSea && !c.forest &&
                        !c.hill) {
                        open = true;
                    }
                }
            }
            blocks += open ? 1 : 0;
        }
    }
    return blocks;
}

class MapInvariants : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(MapInvariants, HoldForEverySeed) {
    const auto [size, kind] = GetParam();
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        MakeMap(size, kind, seed);
        EXPECT_EQ(FirstViolation(), "");
        // Seven players and four native villages, with blocks to spare.
        EXPECT_GE(BlocksWithOpenLand(), 15);
        EXPECT_EQ(game.location, kind); // a Random world stays Random for the save
        EXPECT_EQ(game.landFactor, 1.35);
    }
}

std::string MapCaseName(const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
    static const char* const kNames[] = {"", "Island", "Lake", "Continental", "Coastal", "Random"};
    return kNames[std::get<1>(info.param)] + std::to_string(std::get<0>(info.param));
}

INSTANTIATE_TEST_SUITE_P(SizesAndKinds, MapInvariants,
                         ::testing::Combine(::testing::Values(24, 30, 36, 42, 48),
                                            ::testing::Values(kIsland, kLake, kContinental, kCoastal,
                                                              kRandomWorld)),
                         MapCaseName);

std::vector<unsigned char> MapPartBytes() {
    std::vector<unsigned char> bytes;
    for (auto& column : worldMap) {
        for (MapCell& cell : column) {
            auto* begin = reinterpret_cast<unsigned char*>(&cell.workedByX);
            auto* end = reinterpret_cast<unsigned char*>(&cell) + sizeof(MapCell);
            bytes.insert(bytes.end(), begin, end);
        }
    }
    return bytes;
}

TEST(GenerateMap, SameSeedSameMapEvenAfterAnotherGame) {
    for (int kind = kIsland; kind <= kRandomWorld; ++kind) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        MakeMap(30, kind, 41);
        const std::vector<unsigned char> first = MapPartBytes();
        const std::vector<int32_t> sizes(game.landmassSize, game.landmassSize + kMaxLandmasses + 1);
        const uint8_t seaBodies = game.seaBodyCount;

        // A larger world, played on for a while, then the first one again without a reset.
        game.mapWidth = game.mapHeight = 48;
        game.location = kLake;
        SeedRandom(42);
        GenerateMap();
        for (int x = 1; x <= 48; ++x) {
            for (int y = 1; y <= 48; ++y) {
                MapCell& c = Cell(x, y);
                c.workedByX = c.workedByY = 3;
                c.landUse[2] = 1.5;
                c.unitList[1] = 7;
                c.unitCount = c.unitOwner = 1;
                c.site = 2;
                c.road = c.mine = c.cornfield = c.explored = c.hillExamined = 1;
            }
        }
        game.mapWidth = game.mapHeight = 30;
        game.location = kind;
        SeedRandom(41);
        GenerateMap();

        EXPECT_TRUE(MapPartBytes() == first);
        EXPECT_TRUE(std::equal(sizes.begin(), sizes.end(), game.landmassSize));
        EXPECT_EQ(game.seaBodyCount, seaBodies);
    }
}

TEST(GenerateMap, RefusesSettingsOutsideTheGame) {
    const struct {
        int size;
        double location;
    } kCases[] = {{0, kIsland}, {51, kIsland}, {24, 0}, {24, 6}};
    for (const auto& c : kCases) {
        FillMap(24, kGrassland);
        game.mapWidth = game.mapHeight = static_cast<uint8_t>(c.size);
        game.location = c.location;
        GenerateMap();
        EXPECT_EQ(worldMap[5][5].terrain, kGrassland) << "size " << c.size << " location " << c.location;
    }
}

TEST(BlobBlock, HalfWidthsRoundHalvesToEven) {
    // From (10, 10): a block of size S is S deep and 2 Round(S / 2) + 1 wide.
    const struct {
        int size, side;
        CellRect expected;
    } kCases[] = {
        {1, kNorth, {10, 9, 10, 9}},  // Round(0.5) = 0: one cell
        {2, kNorth, {9, 8, 11, 9}},   // Lake's first blocks on a Small map: 3 wide, 2 deep
        {3, kEast, {11, 8, 13, 12}},  // Round(1.5) = 2: 5 wide, 3 deep
        {5, kSouth, {8, 11, 12, 15}}, // Round(2.5) = 2: 5 x 5
        {5, kWest, {5, 8, 9, 12}},
    };
    for (const auto& c : kCases) {
        const CellRect r = BlobBlock(10, 10, c.side, c.size);
        EXPECT_EQ(std::tie(r.x1, r.y1, r.x2, r.y2),
                  std::tie(c.expected.x1, c.expected.y1, c.expected.x2, c.expected.y2))
            << "size " << c.size << " side " << c.side;
    }
}

TEST(TraceRiver, DesertCostsOneMoreCell) {
    // A one-cell-wide strip of land in the water leaves the river only one way to go.
    for (const bool desert : {false, true}) {
        for (uint64_t seed = 1; seed <= 20; ++seed) {
            FillMap(12, 0);
            for (int x = 1; x <= 12; ++x) Cell(x, 5).terrain = kGrassland;
            if (desert) Cell(3, 5).terrain = kDesert;
            SeedRandom(seed);
            TraceRiver(1, 5, 6, kEast);
            const int cells = desert ? 6 : 7;
            for (int x = 1; x <= 12; ++x) {
                const int expected = x < cells    ? 1010
                                     : x == cells ? 1000
                                                  : 0; // from the west, on to the east
                ASSERT_EQ(Cell(x, 5).river, expected) << "x " << x << (desert ? " with desert" : "");
            }
        }
    }
}

TEST(TraceRiver, NeverEntersHillsWaterOrAnotherRiver) {
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        FillMap(12, kGrassland);
        for (int y = 1; y <= 12; ++y) Cell(8, y).hill = 1;
        for (int x = 1; x <= 12; ++x) Cell(x, 9).terrain = 0;
        for (int x = 1; x <= 12; ++x) Cell(x, 2).river = 10;
        SeedRandom(seed);
        TraceRiver(4, 5, 30, kEast);
        for (int i = 1; i <= 12; ++i) {
            EXPECT_EQ(Cell(i, 2).river, 10);
            EXPECT_EQ(Cell(8, i).river, i == 2 ? 10 : 0);
            EXPECT_EQ(Cell(i, 9).river, 0);
        }
    }
}

TEST(PlaceSpecialResources, FishWhereThreeRiversMeetTheSea) {
    // Rivers run into the Sea cell (6, 6) from the north, the west and the south; the
    // digit that counts is the one on the side facing the sea.
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        FillMap(12, kSea);
        Cell(6, 5).terrain = Cell(5, 6).terrain = Cell(6, 7).terrain = kGrassland;
        Cell(6, 5).river = 100; // flows south into the sea
        Cell(5, 6).river = 10;  // flows east
        Cell(6, 7).river = 1;   // flows north
        MarkCoastsAndSeaBodies();
        SeedRandom(seed);
        PlaceSpecialResources();
        EXPECT_EQ(Cell(6, 6).cellSeed, 3);
        EXPECT_EQ(Cell(6, 6).special, kSpecialFish) << "seed " << seed;
    }
}

TEST(NumberLandmasses, MoreThan255LandmassesNeitherWrapNorSinkTheLargeOne) {
    // 480 single-cell islets, then a band of land along the east edge.
    FillMap(48, kSea);
    for (int x = 1; x <= 40; x += 2) {
        for (int y = 1; y <= 48; y += 2) Cell(x, y).terrain = kPlain;
    }
    for (int x = 44; x <= 48; ++x) {
        for (int y = 1; y <= 48; ++y) Cell(x, y).terrain = kGrassland;
    }
    NumberLandmasses();
    const int band = Cell(44, 1).landmass;
    ASSERT_GE(band, 1);
    EXPECT_EQ(game.landmassSize[band], 5 * 48);
    for (int x = 1; x <= 48; ++x) {
        for (int y = 1; y <= 48; ++y) {
            const bool inBand = x >= 44;
            ASSERT_EQ(Cell(x, y).terrain == kSea, !inBand) << x << "," << y;
            ASSERT_EQ(Cell(x, y).landmass, inBand ? band : 0) << x << "," << y;
        }
    }
}

TEST(MarkCoastsAndSeaBodies, MoreThan255SeaBodiesShareTheLastNumber) {
    // 576 ponds of one cell each.
    FillMap(48, kGrassland);
    for (int x = 1; x <= 48; x += 2) {
        for (int y = 1; y <= 48; y += 2) Cell(x, y).terrain = kSea;
    }
    MarkCoastsAndSeaBodies();
    EXPECT_EQ(Cell(1, 1).seaBody, 1);
    EXPECT_EQ(Cell(1, 3).seaBody, 2);
    EXPECT_EQ(Cell(47, 47).seaBody, 255);
    EXPECT_EQ(game.seaBodyCount, 255);
    EXPECT_EQ(Cell(2, 2).seaBody, 0);
    EXPECT_EQ(Cell(2, 1).coastal, 1);
    EXPECT_EQ(Cell(2, 2).coastal, 0);
}

} // namespace
