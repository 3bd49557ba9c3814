// The distance tables: for every cell that holds units, the cost to every other cell by
// land or by sea, looked up in constant time by the computer player, the mouse pointer and
// the turn order.
//
// A row (all distances from one cell) depends only on the shape of the map: which cells
// are Sea, which have a road and which hold a city, as they were at the last rebuild. So
// a rebuild only takes that shape and notes which cells hold units; every row is computed
// when first looked up, and a command that never asks for a distance computes none. Rows
// are kept from one rebuild to the next: a finished road only lowers costs, so the kept
// road rows of cells holding units are repaired from the new road rather than computed
// again.
// Searches run on bit rows, one 64-bit word per map row, a whole row of cells at a time.
#include "state/computer_turns.h"
#include "state/host.h"
#include "state/state.h"
#include "units/movement.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace annals {

namespace {

constexpr int kSide = kMaxMapSize;
constexpr int kCells = kSide * kSide;
constexpr int kRows = kSide + 2; // map rows 1..50 with an empty row above and below
constexpr int kMostCost = 3 * kCells + 3 + kCells;
static_assert(kSide <= 64, "a map row must fit in one word");
static_assert(kMostCost < 32767, "costs must fit the tables' integers");

// Cells are numbered row by row, (y - 1) * 50 + (x - 1), so that a bit row of a search is
// written to one stretch of a table. In the bit rows, row y holds cell x in bit x - 1.
inline int Index(int x, int y) {
    return (y - 1) * kSide + (x - 1);
}
inline int IndexOfBit(int bit, int y) {
    return (y - 1) * kSide + bit;
}
inline int XOf(int c) {
    return c % kSide + 1;
}
inline int YOf(int c) {
    return c / kSide + 1;
}
inline uint64_t Bit(int x) {
    return uint64_t{1} << (x - 1);
}
inline uint64_t Spread(uint64_t m) {
    return m | (m << 1) | (m >> 1);
}

struct Row {
    int16_t road[kCells];
    int16_t step[kCells];
    int16_t sea[kCells];
    uint16_t entry[kCells];  // cell index + 1, 0 = none
    uint16_t embark[kCells]; // cell index + 1, 0 = none
};

// The shape of the map at the last rebuild, and what follows from it.
struct Shape {
    int width, height;
    uint64_t sea[kRows], land[kRows], road[kRows], city[kRows];
    int16_t area[kCells]; // connected body of one kind (diagonals connect), from 1; 0 outside
    int areaCount;
    uint8_t areaHasRoadPair[kCells + 1]; // two neighbouring road cells: road and step differ
    // Coastal land cells grouped by area, each group in scanning order, with the Sea
    // cells around them in direction order.
    int16_t coast[kCells];
    int coastStart[kCells + 2];
    int16_t coastSea[kCells][8];
    uint8_t coastSeaCount[kCells];
    uint16_t embarkFrom[kCells]; // where a ship is boarded from this coastal cell, index + 1
};

Shape shape;
Row rows[kCells];
uint8_t roadValid[kCells], stepValid[kCells], seaValid[kCells], routesValid[kCells];
uint8_t isSource[kCells];

bool Has(const uint64_t* mask, int x, int y) {
    return (mask[y] >> (x - 1)) & 1;
}
bool SeaAt(int x, int y) {
    return Has(shape.sea, x, y);
}
bool InShape(int x, int y) {
    return x >= 1 && x <= shape.width && y >= 1 && y <= shape.height;
}

// ---------------------------------------------------------------------------
// The shape

void ReadMasks(int width, int height, uint64_t* sea, uint64_t* land, uint64_t* road, uint64_t* city) {
    for (int y = 0; y < kRows; ++y) sea[y] = land[y] = road[y] = city[y] = 0;
    for (int x = 1; x <= width; ++x)
        for (int y = 1; y <= height; ++y) {
            const MapCell& cell = Cell(x, y);
            (cell.terrain == kSea ? sea : land)[y] |= Bit(x);
            if (cell.road) road[y] |= Bit(x);
            if (cell.hasCity) city[y] |= Bit(x);
        }
}

void LabelAreas() {
    static int16_t queue[kCells];
    std::memset(shape.area, 0, sizeof shape.area);
    shape.areaCount = 0;
    for (int x = 1; x <= shape.width; ++x)
        for (int y = 1; y <= shape.height; ++y) {
            if (shape.area[Index(x, y)] != 0) continue;
            const bool sea = SeaAt(x, y);
            const int16_t label = static_cast<int16_t>(++shape.areaCount);
            int head = 0, tail = 0;
            queue[tail++] = static_cast<int16_t>(Index(x, y));
            shape.area[Index(x, y)] = label;
            while (head < tail) {
                const int c = queue[head++];
                const int cx = XOf(c), cy = YOf(c);
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy) {
                        const int nx = cx + dx, ny = cy + dy;
                        if (!InShape(nx, ny) || SeaAt(nx, ny) != sea) continue;
                        int16_t& mark = shape.area[Index(nx, ny)];
                        if (mark != 0) continue;
                        mark = label;
                        queue[tail++] = static_cast<int16_t>(Index(nx, ny));
                    }
            }
        }
}

// The coast lists, grouped by area; they depend on land and sea only.
void ListCoasts() {
    static int count[kCells + 2];
    std::memset(count, 0, sizeof count);
    for (int x = 1; x <= shape.width; ++x)
        for (int y = 1; y <= shape.height; ++y) {
            const int c = Index(x, y);
            uint8_t n = 0;
            if (!SeaAt(x, y)) {
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy) {
                        const int nx = x + dx, ny = y + dy;
                        if ((dx != 0 || dy != 0) && InShape(nx, ny) && SeaAt(nx, ny))
                            shape.coastSea[c][n++] = static_cast<int16_t>(Index(nx, ny));
                    }
            }
            shape.coastSeaCount[c] = n;
            if (n > 0) count[shape.area[c]] += 1;
        }
    shape.coastStart[1] = 0;
    for (int a = 1; a <= shape.areaCount; ++a) shape.coastStart[a + 1] = shape.coastStart[a] + count[a];
    for (int a = 1; a <= shape.areaCount; ++a) count[a] = shape.coastStart[a];
    for (int x = 1; x <= shape.width; ++x)
        for (int y = 1; y <= shape.height; ++y) {
            const int c = Index(x, y);
            if (shape.coastSeaCount[c] > 0) shape.coast[count[shape.area[c]]++] = static_cast<int16_t>(c);
        }
}

// A unit in a coastal city goes aboard from the land beside it: the first land cell west,
// north, east or south of the city, else the last diagonal land cell in scanning order.
// A city alone on its island goes aboard from its own square.
uint16_t EmbarkFrom(int x, int y) {
    if (!Has(shape.city, x, y)) return static_cast<uint16_t>(Index(x, y) + 1);
    constexpr int kSides[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (const auto& side : kSides) {
        const int nx = x + side[0], ny = y + side[1];
        if (InShape(nx, ny) && !SeaAt(nx, ny)) return static_cast<uint16_t>(Index(nx, ny) + 1);
    }
    uint16_t found = static_cast<uint16_t>(Index(x, y) + 1);
    for (int dx = -1; dx <= 1; dx += 2)
        for (int dy = -1; dy <= 1; dy += 2) {
            const int nx = x + dx, ny = y + dy;
            if (InShape(nx, ny) && !SeaAt(nx, ny)) found = static_cast<uint16_t>(Index(nx, ny) + 1);
        }
    return found;
}

// What depends on roads and cities.
void DeriveFromRoadsAndCities() {
    std::memset(shape.areaHasRoadPair, 0, sizeof shape.areaHasRoadPair);
    for (int x = 1; x <= shape.width; ++x)
        for (int y = 1; y <= shape.height; ++y) {
            const int c = Index(x, y);
            if (shape.coastSeaCount[c] > 0) shape.embarkFrom[c] = EmbarkFrom(x, y);
            if (!Has(shape.road, x, y)) continue;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const int nx = x + dx, ny = y + dy;
                    if ((dx != 0 || dy != 0) && InShape(nx, ny) && Has(shape.road, nx, ny) &&
                        shape.area[Index(nx, ny)] == shape.area[c])
                        shape.areaHasRoadPair[shape.area[c]] = 1;
                }
        }
}

// ---------------------------------------------------------------------------
// Searches

// Bit rows of one search level, with a mask of the rows that hold any cell: a search
// visits only those rows and their neighbours, so a thin front costs little however
// wide the map is.
struct Level {
    uint64_t rows[kRows];
    uint64_t used; // bit y: rows[y] != 0
    bool Empty() const { return used == 0; }
    void Clear() {
        for (uint64_t m = used; m != 0; m &= m - 1) rows[std::countr_zero(m)] = 0;
        used = 0;
    }
    void Add(int y, uint64_t m) {
        rows[y] |= m;
        used |= uint64_t{1} << y;
    }
};

static_assert(kRows <= 64, "the rows of a level must fit in one word");

void Reset(Level& level) {
    std::memset(level.rows, 0, sizeof level.rows);
    level.used = 0;
}

// The map rows next to or on a row in `used`.
uint64_t RowsAround(uint64_t used) {
    const uint64_t inside = ((uint64_t{1} << (shape.height + 1)) - 1) & ~uint64_t{1};
    return Spread(used) & inside;
}

// The first and last row of a set of rows (last < first: none). A search whose front
// fills most rows goes through them in one straight run; a thin front (the sea's) skips
// the empty rows instead.
int FirstRow(uint64_t set) {
    return set == 0 ? 1 : std::countr_zero(set);
}
int LastRow(uint64_t set) {
    return set == 0 ? 0 : 63 - std::countl_zero(set);
}

void WriteLevel(int16_t* out, uint64_t mask, int y, int value) {
    while (mask != 0) {
        out[IndexOfBit(std::countr_zero(mask), y)] = static_cast<int16_t>(value);
        mask &= mask - 1;
    }
}

// Every step costs 3; the search stays on the kind of the source cell.
void StepSearch(int sx, int sy, const uint64_t* kind, int16_t* out) {
    uint64_t seen[kRows] = {};
    static Level a, b;
    Reset(a);
    Reset(b);
    Level* cur = &a;
    Level* next = &b;
    cur->Add(sy, Bit(sx));
    seen[sy] = Bit(sx);
    out[Index(sx, sy)] = 0;
    for (int level = 1;; ++level) {
        next->Clear();
        const uint64_t around = RowsAround(cur->used);
        for (int y = FirstRow(around), last = LastRow(around); y <= last; ++y) {
            const uint64_t m =
                Spread(cur->rows[y - 1] | cur->rows[y] | cur->rows[y + 1]) & kind[y] & ~seen[y];
            if (m == 0) continue;
            seen[y] |= m;
            next->Add(y, m);
            WriteLevel(out, m, y, 3 * level);
        }
        if (next->Empty()) return;
        std::swap(cur, next);
    }
}

// A step between two road cells costs 1, any other step 3: level L is reached by road
// from level L - 1 and by a plain step from level L - 3.
void RoadSearch(int sx, int sy, const uint64_t* kind, int16_t* out) {
    uint64_t seen[kRows] = {};
    static Level level[4];
    uint64_t roadRows[4] = {}; // bit y: the level holds a road cell in row y
    for (Level& l : level) Reset(l);
    const uint64_t* road = shape.road;
    level[0].Add(sy, Bit(sx));
    seen[sy] = Bit(sx);
    roadRows[0] = Has(road, sx, sy) ? uint64_t{1} << sy : 0;
    out[Index(sx, sy)] = 0;
    for (int cost = 1, quiet = 0; quiet < 3; ++cost) {
        const Level& byRoad = level[(cost - 1) & 3];
        const Level& byStep = level[(cost - 3) & 3];
        Level& next = level[cost & 3];
        const uint64_t byRoadRows = roadRows[(cost - 1) & 3];
        const bool useRoad = byRoadRows != 0;
        const bool useStep = cost >= 3 && !byStep.Empty();
        next.Clear();
        roadRows[cost & 3] = 0;
        if (!useRoad && !useStep) {
            ++quiet;
            continue;
        }
        // Only rows beside a road cell of the last level can be reached by road.
        const uint64_t around = RowsAround(byRoadRows | (useStep ? byStep.used : 0));
        for (int y = FirstRow(around), last = LastRow(around); y <= last; ++y) {
            uint64_t m = 0;
            if (useRoad)
                m = Spread((byRoad.rows[y - 1] & road[y - 1]) | (byRoad.rows[y] & road[y]) |
                           (byRoad.rows[y + 1] & road[y + 1])) &
                    road[y];
            if (useStep) m |= Spread(byStep.rows[y - 1] | byStep.rows[y] | byStep.rows[y + 1]);
            m &= kind[y] & ~seen[y];
            if (m == 0) continue;
            seen[y] |= m;
            next.Add(y, m);
            if (m & road[y]) roadRows[cost & 3] |= uint64_t{1} << y;
            WriteLevel(out, m, y, cost);
        }
        quiet = next.Empty() ? quiet + 1 : 0;
    }
}

// The sea costs alone, a whole row of cells at a time: a Sea cell is reached at c + 3 from
// a coastal cell of road cost c beside it, and at c + 1 from a Sea cell of cost c.
void SeaCosts(int sourceArea, Row& row) {
    static int16_t firstAt[kMostCost + 1];
    static int16_t nextAt[kCells];
    int cheapest = kMostCost, dearest = -1;
    const int begin = shape.coastStart[sourceArea], end = shape.coastStart[sourceArea + 1];
    for (int i = begin; i < end; ++i) {
        const int cost = row.road[shape.coast[i]];
        if (cost < 0) continue;
        cheapest = std::min(cheapest, cost);
        dearest = std::max(dearest, cost);
    }
    if (dearest < 0) return;
    for (int c = cheapest; c <= dearest; ++c) firstAt[c] = -1;
    for (int i = begin; i < end; ++i) {
        const int h = shape.coast[i], cost = row.road[h];
        if (cost < 0) continue;
        nextAt[h] = firstAt[cost];
        firstAt[cost] = static_cast<int16_t>(h);
    }

    uint64_t seen[kRows] = {};
    static Level a, b, boarding;
    Reset(a);
    Reset(b);
    Reset(boarding);
    Level* prev = &a;
    Level* cur = &b;
    for (int cost = cheapest + 3;; ++cost) {
        const int from = cost - 3;
        boarding.Clear();
        if (from <= dearest)
            for (int h = firstAt[from]; h >= 0; h = nextAt[h]) boarding.Add(YOf(h), Bit(XOf(h)));
        cur->Clear();
        for (uint64_t todo = RowsAround(prev->used | boarding.used); todo != 0; todo &= todo - 1) {
            const int y = std::countr_zero(todo);
            const uint64_t m = Spread(prev->rows[y - 1] | prev->rows[y] | prev->rows[y + 1] |
                                      boarding.rows[y - 1] | boarding.rows[y] | boarding.rows[y + 1]) &
                               shape.sea[y] & ~seen[y];
            if (m == 0) continue;
            seen[y] |= m;
            cur->Add(y, m);
            WriteLevel(row.sea, m, y, cost);
        }
        if (cur->Empty() && from >= dearest) return;
        std::swap(prev, cur);
    }
}

// From a land source: by land to a coastal cell, 3 to go aboard a Sea cell beside it, then
// 1 per step at sea. Each Sea cell remembers where its route went aboard. When several
// routes cost the same, the first coastal cell in scanning order wins the boarding, a
// boarding wins over the sea, and at sea the neighbour met first (west before east, north
// before south) passes its cells on. Only the routes need this; the costs alone come from
// SeaCosts below.
void SeaSearch(int sourceArea, Row& row) {
    static int16_t seedCost[kCells];
    static uint16_t seedEmbark[kCells];
    static int16_t nextSeed[kCells];
    static int16_t firstSeed[kMostCost + 1];
    static int16_t seeded[kCells];
    int seedCount = 0, cheapest = kMostCost, dearest = 0;
    for (int i = shape.coastStart[sourceArea]; i < shape.coastStart[sourceArea + 1]; ++i) {
        const int h = shape.coast[i];
        const int16_t cost = static_cast<int16_t>(row.road[h] + 3);
        for (int k = 0; k < shape.coastSeaCount[h]; ++k) {
            const int w = shape.coastSea[h][k];
            if (row.sea[w] < 0) {
                row.sea[w] = 0; // seeded; the spreading below writes the costs
                seeded[seedCount++] = static_cast<int16_t>(w);
            } else if (cost >= seedCost[w]) {
                continue;
            }
            seedCost[w] = cost;
            seedEmbark[w] = shape.embarkFrom[h];
        }
    }
    if (seedCount == 0) return;
    for (int i = 0; i < seedCount; ++i) {
        cheapest = std::min<int>(cheapest, seedCost[seeded[i]]);
        dearest = std::max<int>(dearest, seedCost[seeded[i]]);
    }
    for (int c = cheapest; c <= dearest; ++c) firstSeed[c] = -1;
    for (int i = seedCount - 1; i >= 0; --i) {
        const int w = seeded[i];
        row.sea[w] = -1;
        nextSeed[w] = firstSeed[seedCost[w]];
        firstSeed[seedCost[w]] = static_cast<int16_t>(w);
    }

    uint64_t seen[kRows] = {};
    static Level a, b;
    Reset(a);
    Reset(b);
    Level* prev = &a;
    Level* cur = &b;
    for (int cost = cheapest;; ++cost) {
        cur->Clear();
        for (int w = cost <= dearest ? firstSeed[cost] : -1; w >= 0; w = nextSeed[w]) {
            const int x = XOf(w), y = YOf(w);
            if (seen[y] & Bit(x)) continue;
            seen[y] |= Bit(x);
            cur->Add(y, Bit(x));
            row.sea[w] = static_cast<int16_t>(cost);
            row.entry[w] = static_cast<uint16_t>(w + 1);
            row.embark[w] = seedEmbark[w];
        }
        if (!prev->Empty()) {
            for (uint64_t todo = RowsAround(prev->used); todo != 0; todo &= todo - 1) {
                const int y = std::countr_zero(todo);
                uint64_t m =
                    Spread(prev->rows[y - 1] | prev->rows[y] | prev->rows[y + 1]) & shape.sea[y] & ~seen[y];
                if (m == 0) continue;
                seen[y] |= m;
                cur->Add(y, m);
                for (int dx = -1; dx <= 1 && m != 0; ++dx)
                    for (int dy = -1; dy <= 1 && m != 0; ++dy) {
                        if (dx == 0 && dy == 0) continue;
                        const uint64_t there = prev->rows[y + dy];
                        uint64_t hit = m & (dx < 0 ? there << 1 : dx > 0 ? there >> 1 : there);
                        m &= ~hit;
                        while (hit != 0) {
                            const int n = IndexOfBit(std::countr_zero(hit), y);
                            const int p = n + dy * kSide + dx;
                            row.sea[n] = static_cast<int16_t>(cost);
                            row.entry[n] = row.entry[p];
                            row.embark[n] = row.embark[p];
                            hit &= hit - 1;
                        }
                    }
            }
        }
        if (cur->Empty()) {
            if (cost >= dearest) return;
            prev->Clear(); // this stretch of sea is crossed; the next boarding starts afresh
            continue;
        }
        std::swap(prev, cur);
    }
}

// The road and sea costs of a land source in one search, when neither is known yet: the
// land and the sea are reached level by level together, a road cell from a road cell of
// the last level, a land cell from a land cell three levels back, a Sea cell from a Sea
// cell of the last level or, going aboard, from a land cell three levels back. The land
// and sea cells are apart, so one pass over the rows of each level serves both.
void RoadAndSeaSearch(int sx, int sy, Row& row) {
    static uint64_t roadFront[4][kRows], landFront[4][kRows], seaFront[4][kRows];
    std::memset(roadFront, 0, sizeof roadFront);
    std::memset(landFront, 0, sizeof landFront);
    std::memset(seaFront, 0, sizeof seaFront);
    uint64_t roadUsed[4] = {}, landUsed[4] = {}, seaUsed[4] = {}; // bit y: the level has cells in row y
    uint64_t seen[kRows] = {};
    const uint64_t *road = shape.road, *land = shape.land, *sea = shape.sea;
    landFront[0][sy] = seen[sy] = Bit(sx);
    landUsed[0] = uint64_t{1} << sy;
    if (Has(road, sx, sy)) {
        roadFront[0][sy] = Bit(sx);
        roadUsed[0] = uint64_t{1} << sy;
    }
    row.road[Index(sx, sy)] = 0;
    for (int cost = 1, quiet = 0; quiet < 3; ++cost) {
        const int last1 = (cost - 1) & 3, last3 = (cost - 3) & 3, n = cost & 3;
        for (uint64_t m = landUsed[n] | seaUsed[n]; m != 0; m &= m - 1) {
            const int y = std::countr_zero(m);
            roadFront[n][y] = landFront[n][y] = seaFront[n][y] = 0;
        }
        roadUsed[n] = landUsed[n] = seaUsed[n] = 0;
        const uint64_t from = roadUsed[last1] | seaUsed[last1] | (cost >= 3 ? landUsed[last3] : 0);
        if (from == 0) {
            ++quiet;
            continue;
        }
        const uint64_t* byRoad = roadFront[last1];
        const uint64_t* bySea = seaFront[last1];
        const uint64_t* byStep = landFront[last3];
        const uint64_t around = RowsAround(from);
        for (int y = FirstRow(around), last = LastRow(around); y <= last; ++y) {
            uint64_t m = (Spread(byRoad[y - 1] | byRoad[y] | byRoad[y + 1]) & road[y] & land[y]) |
                         (Spread(bySea[y - 1] | bySea[y] | bySea[y + 1]) & sea[y]) |
                         (Spread(byStep[y - 1] | byStep[y] | byStep[y + 1]) & (land[y] | sea[y]));
            m &= ~seen[y];
            seen[y] |= m;
            // Stored whether empty or not: fewer branches that go either way.
            const uint64_t onLand = m & land[y], atSea = m & sea[y], onRoad = onLand & road[y];
            landFront[n][y] = onLand;
            roadFront[n][y] = onRoad;
            seaFront[n][y] = atSea;
            landUsed[n] |= uint64_t{onLand != 0} << y;
            roadUsed[n] |= uint64_t{onRoad != 0} << y;
            seaUsed[n] |= uint64_t{atSea != 0} << y;
            WriteLevel(row.road, onLand, y, cost);
            WriteLevel(row.sea, atSea, y, cost);
        }
        quiet = (landUsed[n] | seaUsed[n]) == 0 ? quiet + 1 : 0;
    }
}

// A road pair that is new lowers costs: the cells that get cheaper are found from it,
// cheapest first, and nothing else is touched.
struct Pair {
    int16_t a, b;
};
Pair newPairs[kCells * 8]; // every new road cell with each of its neighbours
int newPairCount;

void RepairRoadRow(int16_t* road) {
    struct Entry {
        int16_t cost, cell;
        bool operator<(const Entry& o) const { return cost > o.cost; } // cheapest on top
    };
    static Entry heap[kCells * 8 * 3]; // two per new pair, one per relaxed neighbour
    int size = 0;
    auto lower = [&](int cell, int cost) {
        if (road[cell] >= 0 && road[cell] <= cost) return;
        road[cell] = static_cast<int16_t>(cost);
        heap[size++] = {static_cast<int16_t>(cost), static_cast<int16_t>(cell)};
        std::push_heap(heap, heap + size);
    };
    for (int i = 0; i < newPairCount; ++i) {
        const int a = newPairs[i].a, b = newPairs[i].b;
        if (road[a] < 0 || road[b] < 0) continue; // another body of land or sea
        if (road[a] + 1 < road[b]) lower(b, road[a] + 1);
        if (road[b] + 1 < road[a]) lower(a, road[b] + 1);
    }
    while (size > 0) {
        std::pop_heap(heap, heap + size);
        const Entry e = heap[--size];
        if (e.cost != road[e.cell]) continue;
        const int x = XOf(e.cell), y = YOf(e.cell);
        const bool sea = SeaAt(x, y), onRoad = Has(shape.road, x, y);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const int nx = x + dx, ny = y + dy;
                if ((dx == 0 && dy == 0) || !InShape(nx, ny) || SeaAt(nx, ny) != sea) continue;
                lower(Index(nx, ny), e.cost + (onRoad && Has(shape.road, nx, ny) ? 1 : 3));
            }
    }
}

// ---------------------------------------------------------------------------
// Rows

void ComputeRoadRow(int c) {
    const int x = XOf(c), y = YOf(c);
    int16_t* out = rows[c].road;
    std::memset(out, 0xff, sizeof rows[c].road);
    const uint64_t* kind = SeaAt(x, y) ? shape.sea : shape.land;
    if (shape.areaHasRoadPair[shape.area[c]])
        RoadSearch(x, y, kind, out);
    else
        StepSearch(x, y, kind, out);
    roadValid[c] = 1;
}

void EnsureStepRow(int c) {
    if (stepValid[c]) return;
    // Without two neighbouring road cells in its area the road costs are the step costs.
    if (roadValid[c] && !shape.areaHasRoadPair[shape.area[c]]) {
        std::memcpy(rows[c].step, rows[c].road, sizeof rows[c].step);
    } else {
        const int x = XOf(c), y = YOf(c);
        std::memset(rows[c].step, 0xff, sizeof rows[c].step);
        StepSearch(x, y, SeaAt(x, y) ? shape.sea : shape.land, rows[c].step);
    }
    stepValid[c] = 1;
}

// The sea costs of a row; a sea source has none (the costs count from going aboard).
void EnsureSeaRow(int c) {
    if (seaValid[c]) return;
    Row& row = rows[c];
    std::memset(row.sea, 0xff, sizeof row.sea);
    const int x = XOf(c), y = YOf(c);
    if (!SeaAt(x, y) && roadValid[c]) {
        SeaCosts(shape.area[c], row);
    } else if (!SeaAt(x, y)) {
        std::memset(row.road, 0xff, sizeof row.road);
        RoadAndSeaSearch(x, y, row);
        roadValid[c] = 1;
    }
    seaValid[c] = 1;
}

// The sea costs with the routes: where each Sea cell is entered and boarded from.
void EnsureSeaRoutes(int c) {
    if (routesValid[c]) return;
    Row& row = rows[c];
    std::memset(row.sea, 0xff, sizeof row.sea);
    std::memset(row.entry, 0, sizeof row.entry);
    std::memset(row.embark, 0, sizeof row.embark);
    if (!SeaAt(XOf(c), YOf(c))) {
        if (!roadValid[c]) ComputeRoadRow(c);
        SeaSearch(shape.area[c], row);
    }
    seaValid[c] = routesValid[c] = 1;
}

// Takes the live map's shape and brings the kept rows up to date with it.
void TakeShape() {
    const int width = std::min<int>(game.mapWidth, kSide), height = std::min<int>(game.mapHeight, kSide);
    static uint64_t sea[kRows], land[kRows], road[kRows], city[kRows];
    ReadMasks(width, height, sea, land, road, city);
    const bool sameGround = width == shape.width && height == shape.height &&
                            std::memcmp(sea, shape.sea, sizeof sea) == 0 &&
                            std::memcmp(land, shape.land, sizeof land) == 0;
    if (!sameGround) {
        shape.width = width;
        shape.height = height;
        std::memcpy(shape.sea, sea, sizeof sea);
        std::memcpy(shape.land, land, sizeof land);
        std::memcpy(shape.road, road, sizeof road);
        std::memcpy(shape.city, city, sizeof city);
        LabelAreas();
        ListCoasts();
        DeriveFromRoadsAndCities();
        std::memset(roadValid, 0, sizeof roadValid);
        std::memset(stepValid, 0, sizeof stepValid);
        std::memset(seaValid, 0, sizeof seaValid);
        std::memset(routesValid, 0, sizeof routesValid);
        return;
    }
    static uint8_t roadsLost[kCells + 1], changed[kCells + 1];
    bool anyChange = false;
    std::memset(roadsLost, 0, sizeof roadsLost);
    std::memset(changed, 0, sizeof changed);
    for (int y = 1; y <= height; ++y) {
        for (uint64_t m = shape.road[y] & ~road[y]; m != 0; m &= m - 1)
            roadsLost[shape.area[IndexOfBit(std::countr_zero(m), y)]] = 1;
        for (uint64_t m = (road[y] ^ shape.road[y]) | (city[y] ^ shape.city[y]); m != 0; m &= m - 1) {
            changed[shape.area[IndexOfBit(std::countr_zero(m), y)]] = 1;
            anyChange = true;
        }
    }
    if (!anyChange) return;
    newPairCount = 0;
    for (int y = 1; y <= height; ++y)
        for (uint64_t m = road[y] & ~shape.road[y]; m != 0; m &= m - 1) {
            const int x = std::countr_zero(m) + 1;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const int nx = x + dx, ny = y + dy;
                    if ((dx != 0 || dy != 0) && InShape(nx, ny) && Has(road, nx, ny) &&
                        SeaAt(nx, ny) == SeaAt(x, y))
                        newPairs[newPairCount++] = {static_cast<int16_t>(Index(x, y)),
                                                    static_cast<int16_t>(Index(nx, ny))};
                }
        }
    std::memcpy(shape.road, road, sizeof road);
    std::memcpy(shape.city, city, sizeof city);
    DeriveFromRoadsAndCities();
    for (int c = 0; c < kCells; ++c) {
        const int area = shape.area[c];
        if (!changed[area]) continue;
        seaValid[c] = routesValid[c] = 0;
        if (!roadValid[c]) continue;
        // Rows of cells holding units are repaired; others are computed when next needed.
        if (roadsLost[area] || !isSource[c])
            roadValid[c] = 0;
        else
            RepairRoadRow(rows[c].road);
    }
}

// The row that answers for the pair, when either end held units at the last rebuild.
int RowFor(int x1, int y1, int x2, int y2, int& target, bool eitherEnd) {
    if (!InShape(x1, y1) || !InShape(x2, y2)) return -1;
    const int a = Index(x1, y1), b = Index(x2, y2);
    if (isSource[a]) {
        target = b;
        return a;
    }
    if (eitherEnd && isSource[b]) {
        target = a;
        return b;
    }
    return -1;
}

MapPoint PointOf(uint16_t stored) {
    if (stored == 0) return {0, 0};
    const int c = stored - 1;
    return {static_cast<uint8_t>(XOf(c)), static_cast<uint8_t>(YOf(c))};
}

} // namespace

void DistanceCalculation() {
    ui.distanceBusy = 1;
    // Between computers' moves nothing is drawn when only the result of their turns is shown.
    if (IsHuman(game.currentCiv) || ComputerActionsDrawn()) TheHost().NestedFrame();
    const int width = std::min<int>(game.mapWidth, kSide), height = std::min<int>(game.mapHeight, kSide);
    std::memset(isSource, 0, sizeof isSource);
    for (int x = 1; x <= width; ++x)
        for (int y = 1; y <= height; ++y)
            if (Cell(x, y).unitOwner != 0) isSource[Index(x, y)] = 1;
    TakeShape();
    ui.distanceBusy = 0;
}

int roadDistance(int x1, int y1, int x2, int y2) {
    int target = 0;
    const int c = RowFor(x1, y1, x2, y2, target, true);
    if (c < 0) return -1;
    if (!roadValid[c]) ComputeRoadRow(c);
    return rows[c].road[target];
}

int stepDistance(int x1, int y1, int x2, int y2) {
    int target = 0;
    const int c = RowFor(x1, y1, x2, y2, target, true);
    if (c < 0) return -1;
    EnsureStepRow(c);
    return rows[c].step[target];
}

int seaDistance(int x1, int y1, int x2, int y2) {
    int target = 0;
    const int c = RowFor(x1, y1, x2, y2, target, false);
    if (c < 0) return -1;
    EnsureSeaRow(c);
    return rows[c].sea[target];
}

MapPoint seaEntryCell(int x1, int y1, int x2, int y2) {
    int target = 0;
    const int c = RowFor(x1, y1, x2, y2, target, false);
    if (c < 0) return {0, 0};
    EnsureSeaRoutes(c);
    return PointOf(rows[c].entry[target]);
}

MapPoint embarkCell(int x1, int y1, int x2, int y2) {
    int target = 0;
    const int c = RowFor(x1, y1, x2, y2, target, false);
    if (c < 0) return {0, 0};
    EnsureSeaRoutes(c);
    return PointOf(rows[c].embark[target]);
}

} // namespace annals
