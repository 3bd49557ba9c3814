// The distance tables against a plain, level-by-level computation on many random maps,
// rebuilt again after units move, roads are finished, cities founded and the coast changes.
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace annals;

namespace {

bool IsSea(int x, int y) {
    return Cell(x, y).terrain == kSea;
}

// The tables computed the simple way: every table starts unknown, each source cell spreads
// its costs level by level over the whole map, and pairs are written both ways.
struct Reference {
    int w, h;
    std::vector<int> road, step, sea;
    std::vector<MapPoint> entry, embark;

    int At(int x1, int y1, int x2, int y2) const {
        return ((x1 * (w + 1) + y1) * (w + 1) + x2) * (h + 1) + y2;
    }

    Reference() : w(game.mapWidth), h(game.mapHeight) {
        const size_t n = static_cast<size_t>((w + 1) * (w + 1) * (h + 1) * (h + 1));
        road.assign(n, -1);
        step.assign(n, -1);
        sea.assign(n, -1);
        entry.assign(n, MapPoint{0, 0});
        embark.assign(n, MapPoint{0, 0});
        for (int x = 1; x <= w; ++x)
            for (int y = 1; y <= h; ++y)
                if (Cell(x, y).unitOwner != 0) Source(x, y);
    }

    // Costs from (sx, sy) over cells of its kind; roadStep 1 between road cells, else 3.
    std::vector<std::vector<int>> Spread(int sx, int sy, bool roads) const {
        std::vector<std::vector<int>> cost(w + 2, std::vector<int>(h + 2, -1));
        std::vector<std::vector<std::pair<int, int>>> levels{{{sx, sy}}};
        cost[sx][sy] = 0;
        for (int i = 0, quiet = 0; quiet < 4; ++i) {
            std::vector<std::pair<int, int>> next;
            auto from = [&](const std::vector<std::pair<int, int>>& cells, bool byRoad) {
                for (auto [cx, cy] : cells)
                    for (int dx = -1; dx <= 1; ++dx)
                        for (int dy = -1; dy <= 1; ++dy) {
                            const int nx = cx + dx, ny = cy + dy;
                            if (!InsideMap(nx, ny) || IsSea(nx, ny) != IsSea(sx, sy)) continue;
                            if (byRoad && !(Cell(cx, cy).road && Cell(nx, ny).road)) continue;
                            if (cost[nx][ny] != -1 && cost[nx][ny] <= i + 1) continue;
                            cost[nx][ny] = i + 1;
                            next.emplace_back(nx, ny);
                        }
            };
            if (roads) from(levels[i], true);
            if (i >= 2) from(levels[i - 2], false);
            quiet = next.empty() ? quiet + 1 : 0;
            levels.push_back(next);
        }
        return cost;
    }

    MapPoint BoardFrom(int x, int y) const {
        if (!Cell(x, y).hasCity) return {uint8_t(x), uint8_t(y)};
        const int sides[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
        for (auto& s : sides)
            if (InsideMap(x + s[0], y + s[1]) && !IsSea(x + s[0], y + s[1]))
                return {uint8_t(x + s[0]), uint8_t(y + s[1])};
        MapPoint found{uint8_t(x), uint8_t(y)};
        for (int nx = x - 1; nx <= x + 1; ++nx)
            for (int ny = y - 1; ny <= y + 1; ++ny)
                if (nx != x && ny != y && InsideMap(nx, ny) && !IsSea(nx, ny))
                    found = {uint8_t(nx), uint8_t(ny)};
        return found;
    }

    void Source(int sx, int sy) {
        const auto byRoad = Spread(sx, sy, true);
        const auto plain = Spread(sx, sy, false);
        for (int x = 1; x <= w; ++x)
            for (int y = 1; y <= h; ++y) {
                road[At(sx, sy, x, y)] = road[At(x, y, sx, sy)] = byRoad[x][y];
                step[At(sx, sy, x, y)] = step[At(x, y, sx, sy)] = plain[x][y];
            }
        if (IsSea(sx, sy)) return;
        // Go aboard from every cell reached by land, then cross the sea one step at a time.
        int highest = -1;
        for (int x = 1; x <= w; ++x)
            for (int y = 1; y <= h; ++y) {
                if (IsSea(x, y) || byRoad[x][y] < 0) continue;
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy) {
                        const int nx = x + dx, ny = y + dy;
                        if (!InsideMap(nx, ny) || !IsSea(nx, ny)) continue;
                        const int c = byRoad[x][y] + 3;
                        int& here = sea[At(sx, sy, nx, ny)];
                        if (here != -1 && c >= here) continue;
                        here = c;
                        entry[At(sx, sy, nx, ny)] = {uint8_t(nx), uint8_t(ny)};
                        embark[At(sx, sy, nx, ny)] = BoardFrom(x, y);
                        highest = std::max(highest, c);
                    }
            }
        for (int level = 0; level <= highest; ++level)
            for (int x = 1; x <= w; ++x)
                for (int y = 1; y <= h; ++y) {
                    if (!IsSea(x, y) || sea[At(sx, sy, x, y)] != level) continue;
                    for (int dx = -1; dx <= 1; ++dx)
                        for (int dy = -1; dy <= 1; ++dy) {
                            const int nx = x + dx, ny = y + dy;
                            if (!InsideMap(nx, ny) || !IsSea(nx, ny)) continue;
                            int& there = sea[At(sx, sy, nx, ny)];
                            if (there != -1 && there <= level + 1) continue;
                            there = level + 1;
                            entry[At(sx, sy, nx, ny)] = entry[At(sx, sy, x, y)];
                            embark[At(sx, sy, nx, ny)] = embark[At(sx, sy, x, y)];
                            highest = std::max(highest, level + 1);
                        }
                }
    }
};

// Land grown from noise into coasts, islands and lakes, with roads, cities and units.
void RandomMap(std::mt19937& rng, int size) {
    ResetState();
    InitializeVariables();
    game.mapWidth = game.mapHeight = static_cast<uint8_t>(size);
    game.civCount = 3;
    std::uniform_int_distribution<int> percent(0, 99);
    const int landShare = 35 + percent(rng) / 3;
    std::vector<std::vector<int>> land(size + 2, std::vector<int>(size + 2, 0));
    for (int x = 1; x <= size; ++x)
        for (int y = 1; y <= size; ++y) land[x][y] = percent(rng) < landShare;
    for (int pass = 0; pass < 2; ++pass) {
        auto next = land;
        for (int x = 1; x <= size; ++x)
            for (int y = 1; y <= size; ++y) {
                int around = 0;
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy) around += land[x + dx][y + dy];
                next[x][y] = around >= 5;
            }
        land = next;
    }
    const int roadShare = percent(rng) / 2;
    for (int x = 1; x <= size; ++x)
        for (int y = 1; y <= size; ++y) {
            MapCell& cell = Cell(x, y);
            cell.terrain = land[x][y] ? kGrassland : kSea;
            if (land[x][y] && percent(rng) < roadShare) cell.road = 1;
            if (land[x][y] && percent(rng) < 4) cell.hasCity = 1;
            if (percent(rng) < 12) cell.unitOwner = static_cast<uint8_t>(1 + percent(rng) % 3);
        }
}

// Which table a row is first computed for decides how its sea costs are found: with the
// routes, alone from a search over land and sea together, or from road costs already known.
enum class SeaFirstRead { WithRoutes, Alone, AfterRoad };

void ExpectSameAsReference(const char* when, SeaFirstRead first) {
    const Reference ref;
    int mismatches = 0;
    if (first != SeaFirstRead::WithRoutes)
        for (int x1 = 1; x1 <= ref.w; ++x1)
            for (int y1 = 1; y1 <= ref.h; ++y1) {
                if (first == SeaFirstRead::AfterRoad) roadDistance(x1, y1, x1, y1);
                for (int x2 = 1; x2 <= ref.w; ++x2)
                    for (int y2 = 1; y2 <= ref.h; ++y2) {
                        const int sea = seaDistance(x1, y1, x2, y2), i = ref.At(x1, y1, x2, y2);
                        if (sea != ref.sea[i] && ++mismatches <= 3)
                            ADD_FAILURE() << when << ", sea read first: (" << x1 << "," << y1 << ")->(" << x2
                                          << "," << y2 << ") sea " << sea << "/" << ref.sea[i];
                    }
            }
    for (int x1 = 1; x1 <= ref.w; ++x1)
        for (int y1 = 1; y1 <= ref.h; ++y1)
            for (int x2 = 1; x2 <= ref.w; ++x2)
                for (int y2 = 1; y2 <= ref.h; ++y2) {
                    const int i = ref.At(x1, y1, x2, y2);
                    const MapPoint entry = seaEntryCell(x1, y1, x2, y2), embark = embarkCell(x1, y1, x2, y2);
                    const bool same = roadDistance(x1, y1, x2, y2) == ref.road[i] &&
                                      stepDistance(x1, y1, x2, y2) == ref.step[i] &&
                                      seaDistance(x1, y1, x2, y2) == ref.sea[i] &&
                                      entry.x == ref.entry[i].x && entry.y == ref.entry[i].y &&
                                      embark.x == ref.embark[i].x && embark.y == ref.embark[i].y;
                    if (!same && ++mismatches <= 3)
                        ADD_FAILURE() << when << ": (" << x1 << "," << y1 << ")->(" << x2 << "," << y2
                                      << ") road " << roadDistance(x1, y1, x2, y2) << "/" << ref.road[i]
                                      << " step " << stepDistance(x1, y1, x2, y2) << "/" << ref.step[i]
                                      << " sea " << seaDistance(x1, y1, x2, y2) << "/" << ref.sea[i]
                                      << " embark " << int(embark.x) << "," << int(embark.y) << "/"
                                      << int(ref.embark[i].x) << "," << int(ref.embark[i].y);
                }
    EXPECT_EQ(mismatches, 0) << when;
}

} // namespace

TEST(DistanceTables, MatchThePlainComputationOnRandomMaps) {
    std::mt19937 rng(20260611);
    constexpr SeaFirstRead kOrders[] = {SeaFirstRead::WithRoutes, SeaFirstRead::Alone,
                                        SeaFirstRead::AfterRoad};
    for (int map = 0; map < 30; ++map) {
        const SeaFirstRead first = kOrders[map % 3];
        const int size = 8 + static_cast<int>(rng() % 17);
        RandomMap(rng, size);
        DistanceCalculation();
        ExpectSameAsReference("fresh map", first);

        // Units move, roads are finished (and one lost), a city is founded: the kept rows must follow.
        for (int change = 0; change < 3; ++change) {
            for (int k = 0; k < 6; ++k) {
                MapCell& cell = Cell(1 + rng() % size, 1 + rng() % size);
                cell.unitOwner = cell.unitOwner ? 0 : 1;
            }
            MapCell& built = Cell(1 + rng() % size, 1 + rng() % size);
            if (built.terrain != kSea) built.road = 1;
            if (change == 1) Cell(1 + rng() % size, 1 + rng() % size).road = 0;
            MapCell& founded = Cell(1 + rng() % size, 1 + rng() % size);
            if (founded.terrain != kSea) founded.hasCity = founded.road = 1;
            if (change == 2) {
                MapCell& coast = Cell(1 + rng() % size, 1 + rng() % size);
                coast.terrain = coast.terrain == kSea ? kPlain : kSea;
            }
            DistanceCalculation();
            ExpectSameAsReference("after changes", first);
        }
    }
    ResetState();
}

// Small maps whose numbers can be counted by hand.
class DistanceExamples : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        InitializeVariables();
        game.mapWidth = game.mapHeight = 8;
        game.civCount = 3;
        // Land in columns 1..4, sea in 5..8, with one land cell out at sea at (8, 8).
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y) Cell(x, y).terrain = x <= 4 ? kGrassland : kSea;
        Cell(8, 8).terrain = kPlain;
    }
    void TearDown() override { ResetState(); }
};

TEST_F(DistanceExamples, RoadStepsCostOneAndUnreachedCellsStayUnknown) {
    for (int x = 1; x <= 3; ++x) Cell(x, 1).road = 1;
    Cell(1, 1).unitOwner = 1;
    DistanceCalculation();
    EXPECT_EQ(roadDistance(1, 1, 3, 1), 2);
    EXPECT_EQ(stepDistance(1, 1, 3, 1), 6);
    EXPECT_EQ(roadDistance(1, 1, 4, 1), 5);  // the last step leaves the road
    EXPECT_EQ(roadDistance(4, 1, 1, 1), 5);  // either end may be the one that held units
    EXPECT_EQ(roadDistance(1, 1, 6, 1), -1); // sea is another kind
    EXPECT_EQ(roadDistance(1, 1, 8, 8), -1); // an island out of reach is unknown, not 0
    EXPECT_EQ(roadDistance(2, 2, 3, 3), -1); // neither end held units
    EXPECT_EQ(seaDistance(1, 1, 5, 1), 8);   // road to (3, 1), a step to (4, 1), 3 aboard
    EXPECT_EQ(seaDistance(1, 1, 7, 1), 10);
    EXPECT_EQ(seaDistance(1, 1, 4, 1), -1); // land has no sea distance
}

TEST_F(DistanceExamples, AShipIsBoardedBesideACoastalCity) {
    Cell(4, 4).hasCity = 1;
    Cell(4, 4).unitOwner = 1;
    DistanceCalculation();
    // The route aboard goes from the city, but the ship is boarded from the land west of it.
    EXPECT_EQ(seaDistance(4, 4, 5, 4), 3);
    const MapPoint entry = seaEntryCell(4, 4, 7, 4), embark = embarkCell(4, 4, 7, 4);
    EXPECT_EQ(entry.x, 5);
    EXPECT_EQ(entry.y, 3); // the first of the equally near Sea cells, north before south
    EXPECT_EQ(embark.x, 3);
    EXPECT_EQ(embark.y, 4);
}
