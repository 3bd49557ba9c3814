#include "world/map_generator.h"

#include "state/numbers.h"
#include "state/random.h"
#include "state/state.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace annals {

namespace {

constexpr int kGrid = kMaxMapSize + 1;
using CodeGrid = uint8_t[kGrid][kGrid];
using LabelGrid = int16_t[kGrid][kGrid];

// The island blob keeps at most this many ways to grow in one round.
constexpr int kMaxBlobCandidates = 2499;
// Retry loops draw again until they hit; with one good cell among at most 2500 the
// chance of missing it this often is nil, and the loop still cannot run forever.
constexpr int kMaxDraws = 100000;
// Patches, hills and rivers are grown by recursion one level per step; their callers
// keep the depth small (a lake of the largest map reaches 14), these caps keep any
// other call from going deep.
constexpr int kMaxGrowthDepth = 64;
constexpr int kMaxRiverLength = 64;
// A landmass or sea body number is a byte.
constexpr int kMaxNumber = 255;

struct Point {
    int16_t x, y;
};

constexpr int kDx[4] = {0, 1, 0, -1}; // kNorth, kEast, kSouth, kWest
constexpr int kDy[4] = {-1, 0, 1, 0};

int Width() {
    return game.mapWidth;
}
int Height() {
    return game.mapHeight;
}

bool IsSea(int x, int y) {
    return worldMap[x][y].terrain == kSea;
}

// Digit of a river towards one side, and the side facing it.
int RiverDigit(int direction) {
    static constexpr int kDigits[5] = {0, 1, 10, 100, 1000};
    return kDigits[direction];
}
int Opposite(int direction) {
    return (direction + 1) % 4 + 1;
}
bool HasRiverTowards(const MapCell& cell, int direction) {
    return (cell.river / RiverDigit(direction)) % 10 != 0;
}

// ---------------------------------------------------------------------------------
// Clearing

// Everything from workedByX to the end of the cell belongs to the map; the city part
// before it is the set-up's business.
void ClearMapPart() {
    for (auto& column : worldMap) {
        for (MapCell& cell : column) {
            auto* begin = reinterpret_cast<unsigned char*>(&cell.workedByX);
            auto* end = reinterpret_cast<unsigned char*>(&cell) + sizeof(MapCell);
            std::memset(begin, 0, static_cast<size_t>(end - begin));
        }
    }
    std::memset(game.landmassSize, 0, sizeof game.landmassSize);
    game.seaBodyCount = 0;
}

// ---------------------------------------------------------------------------------
// Island and lake blob

struct BlobCandidate {
    uint8_t x, y, side;
};

// The blob grows on its own grid with a border wider than any block, marked as not
// water, so that a block reaching off the map is refused by the water test alone.
constexpr int kBorder = 6;
constexpr uint8_t kOffMap = 255;
struct BlobGrid {
    uint8_t at[kMaxMapSize + 2 * kBorder + 1][kMaxMapSize + 2 * kBorder + 1];
    uint8_t& operator()(int x, int y) { return at[x + kBorder][y + kBorder]; }
};

bool BlobCandidateCell(int phase, uint8_t v) {
    switch (phase) {
    case 0:
        return v == 2;
    case 1:
        return v == 3 || v == 4;
    case 2:
        return (v == 4 && Random(3) != 0) || v == 5; // the draw is made for every 4
    case 3:
        return v == 5 || v == 6;
    default:
        return v != 0;
    }
}

// The free sides of the blob, in the order a scan of the grid finds them (column by
// column, each column from the top, each cell's sides from the north): a count per slot in
// a binary indexed tree, so that a round finds its chosen entry without listing them all.
class FreeSides {
public:
    int Slot(int x, int y, int side) const { return ((x - 1) * height_ + (y - 1)) * 4 + (side - kNorth) + 1; }
    void Set(int slot, bool free) {
        if (on_[static_cast<size_t>(slot)] == free) return;
        on_[static_cast<size_t>(slot)] = free;
        const int change = free ? 1 : -1;
        total_ += change;
        for (int i = slot; i < kSlots; i += i & -i) tree_[static_cast<size_t>(i)] += change;
    }
    void Clear(int height) {
        height_ = height;
        on_.fill(false);
        tree_.fill(0);
        total_ = 0;
    }
    int Total() const { return total_; }
    // The k-th free side (1-based) as its cell and side.
    BlobCandidate Nth(int k) const {
        int at = 0;
        for (int step = kTop; step > 0; step >>= 1) {
            const int next = at + step;
            if (next < kSlots && tree_[static_cast<size_t>(next)] < k) {
                at = next;
                k -= tree_[static_cast<size_t>(next)];
            }
        }
        const int index = at; // the slot at + 1, counted from 0
        const int cell = index / 4;
        return {static_cast<uint8_t>(cell / height_ + 1), static_cast<uint8_t>(cell % height_ + 1),
                static_cast<uint8_t>(index % 4 + kNorth)};
    }

private:
    static constexpr int kSlots = kMaxMapSize * kMaxMapSize * 4 + 1;
    static constexpr int kTop = 1 << 13; // the highest power of two below kSlots
    int height_ = 1;
    int total_ = 0;
    std::array<bool, kSlots> on_{};
    std::array<int, kSlots> tree_{};
};

// Grows a blob of land from a seed near the middle in five phases of coarse and fine
// blocks; each round adds one block chosen at random among all free sides.
void GrowBlob(CodeGrid& code, bool lake) {
    const int w = Width();
    const int h = Height();
    static BlobGrid grid;
    std::memset(grid.at, kOffMap, sizeof grid.at);
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) grid(x, y) = 0;
    }
    const int seedX = std::clamp(Round(Random(Round(0.2 * w)) + 0.4 * w), 1, w);
    const int seedY = std::clamp(Round(Random(Round(0.2 * h)) + 0.4 * h), 1, h);
    grid(seedX, seedY) = 2;

    const double area = static_cast<double>(w * h);
    const int firstSize = lake ? (w < 31 ? 2 : w < 37 ? 3 : 5) : 5;
    const int sizes[5] = {firstSize, lake ? 1 : 3, 1, 3, 1};
    const int rounds[5] = {
        2, Round(area * 0.015 * game.landFactor) + 1, Round(area * 0.03 * game.landFactor) + 1,
        Round(area * 0.008 * game.landFactor) + 1, Round(area * 0.13 * game.landFactor) + 1};

    static BlobCandidate candidates[kMaxBlobCandidates];
    static FreeSides sides;
    int previous = 0; // the entry chosen by the last round that chose one
    for (int phase = 0; phase < 5; ++phase) {
        const int size = sizes[phase];
        CellRect offsets[kWest + 1];
        for (int side = kNorth; side <= kWest; ++side) offsets[side] = BlobBlock(0, 0, side, size);
        auto acceptable = [&](int x, int y, const CellRect& o) {
            if (phase == 0) return x + o.x1 >= 1 && x + o.x2 <= w && y + o.y1 >= 1 && y + o.y2 <= h;
            for (int bx = x + o.x1; bx <= x + o.x2; ++bx) {
                for (int by = y + o.y1; by <= y + o.y2; ++by) {
                    if (grid(bx, by) != 0) return false;
                }
            }
            return true;
        };
        // Where the scan itself draws (the second phase), or the rounds are few and the
        // test is only the map's edge (the first), the grid is scanned every round. The
        // others keep their free sides up to date around each block laid, which finds the
        // very entries a scan would.
        const bool kept = phase == 1 || phase == 3 || phase == 4;
        auto refresh = [&](int x1, int y1, int x2, int y2) {
            for (int x = std::max(x1, 1); x <= std::min(x2, w); ++x)
                for (int y = std::max(y1, 1); y <= std::min(y2, h); ++y) {
                    const bool candidate = BlobCandidateCell(phase, grid(x, y));
                    for (int side = kNorth; side <= kWest; ++side)
                        sides.Set(sides.Slot(x, y, side), candidate && acceptable(x, y, offsets[side]));
                }
        };
        // How far from a cell its side blocks reach.
        const int reach = std::max(size, Round(size / 2.0));
        if (kept) {
            sides.Clear(h);
            refresh(1, 1, w, h);
        }
        for (int round = 0; round < rounds[phase]; ++round) {
            int count = 0;
            if (kept) {
                count = std::min(sides.Total(), kMaxBlobCandidates);
            } else {
                for (int x = 1; x <= w; ++x) {
                    for (int y = 1; y <= h; ++y) {
                        if (!BlobCandidateCell(phase, grid(x, y)) || count == kMaxBlobCandidates) continue;
                        for (int side = kNorth; side <= kWest && count < kMaxBlobCandidates; ++side) {
                            if (!acceptable(x, y, offsets[side])) continue;
                            candidates[count++] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                                                   static_cast<uint8_t>(side)};
                        }
                    }
                }
            }
            if (count < 2) continue;
            // Never the same entry twice running.
            int index = Random(count) + 1;
            for (int draw = 1; index == previous && draw < kMaxDraws; ++draw) index = Random(count) + 1;
            if (index == previous) index = index % count + 1;
            previous = index;
            const BlobCandidate chosen = kept ? sides.Nth(index) : candidates[index - 1];
            const CellRect block = BlobBlock(chosen.x, chosen.y, chosen.side, size);
            for (int x = block.x1; x <= block.x2; ++x) {
                for (int y = block.y1; y <= block.y2; ++y) grid(x, y) = static_cast<uint8_t>(phase + 3);
            }
            if (kept) refresh(block.x1 - reach, block.y1 - reach, block.x2 + reach, block.y2 + reach);
        }
    }
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) code[x][y] = grid(x, y);
    }
}

// Moves the blob to the middle of the map along each axis it does not span.
void CentreBlob(CodeGrid& code) {
    const int w = Width();
    const int h = Height();
    int minX = w + 1, maxX = 0, minY = h + 1, maxY = 0;
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            if (code[x][y] == 0) continue;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    if (maxX == 0) return;
    const bool moveX = maxX - minX < w - 1;
    const bool moveY = maxY - minY < h - 1;
    if (!moveX && !moveY) return;
    const int dx = moveX ? Round((w + minX - maxX) / 2.0) - minX : 0;
    const int dy = moveY ? Round((h + minY - maxY) / 2.0) - minY : 0;
    CodeGrid moved = {};
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            if (code[x][y] != 0) moved[x + dx][y + dy] = code[x][y];
        }
    }
    std::memcpy(code, moved, sizeof moved);
}

// ---------------------------------------------------------------------------------
// Coastal land

// Cells of the coastal world seen from the side the land lies on: t runs along the
// coast, d inwards from that edge of the map.
struct CoastFrame {
    int side, length, extent;
    Point At(int t, int d) const {
        switch (side) {
        case kNorth:
            return {static_cast<int16_t>(t), static_cast<int16_t>(d)};
        case kSouth:
            return {static_cast<int16_t>(t), static_cast<int16_t>(Height() + 1 - d)};
        case kWest:
            return {static_cast<int16_t>(d), static_cast<int16_t>(t)};
        default:
            return {static_cast<int16_t>(Width() + 1 - d), static_cast<int16_t>(t)};
        }
    }
};

// An island may take a cell only where it touches no other land, not even at a corner,
// so that it stays a landmass of its own.
bool IslandMayTake(const CodeGrid& code, const CodeGrid& owner, int x, int y, uint8_t mark) {
    if (x < 2 || x > Width() - 1 || y < 2 || y > Height() - 1 || code[x][y] != 0) return false;
    for (int nx = x - 1; nx <= x + 1; ++nx) {
        for (int ny = y - 1; ny <= y + 1; ++ny) {
            if (code[nx][ny] != 0 && owner[nx][ny] != mark) return false;
        }
    }
    return true;
}

void GrowIsland(CodeGrid& code, CodeGrid& owner, int x, int y, int target, uint8_t mark) {
    static Point cells[kMaxMapSize * kMaxMapSize];
    if (!IslandMayTake(code, owner, x, y, mark)) return;
    int count = 0;
    auto take = [&](int tx, int ty) {
        code[tx][ty] = 2;
        owner[tx][ty] = mark;
        cells[count++] = {static_cast<int16_t>(tx), static_cast<int16_t>(ty)};
    };
    take(x, y);
    for (int tries = 0; count < target && tries < 40 * target; ++tries) {
        const Point from = cells[Random(count)];
        const int side = Random(4);
        const int nx = from.x + kDx[side];
        const int ny = from.y + kDy[side];
        if (IslandMayTake(code, owner, nx, ny, mark)) take(nx, ny);
    }
}

// Half the map is one large land with a ragged coast and a few bays, on a side chosen
// at random; a few islands lie off shore, each large enough to stay above water.
void MakeCoastalLand(CodeGrid& code) {
    const int w = Width();
    const int h = Height();
    CoastFrame frame;
    frame.side = Random(4) + 1;
    const bool alongX = frame.side == kNorth || frame.side == kSouth;
    frame.length = alongX ? w : h;
    frame.extent = alongX ? h : w;

    const int low = Round(0.4 * frame.extent);
    const int high = Round(0.6 * frame.extent);
    const int shallowest = Round(0.25 * frame.extent);
    int depth[kGrid] = {};
    int current = Round(0.5 * frame.extent);
    for (int t = 1; t <= frame.length; ++t) {
        current = std::clamp(current + Random(5) - 2, low, high);
        depth[t] = current;
    }
    const int bays = 2 + Random(frame.length / 16 + 1);
    for (int b = 0; b < bays; ++b) {
        const int middle = Random(std::max(frame.length - 4, 1)) + 3;
        const int half = 1 + Random(2);
        const int deep = 2 + Random(frame.extent / 8 + 1);
        for (int t = middle - half; t <= middle + half; ++t) {
            if (t < 1 || t > frame.length) continue;
            const int cut = deep * (half + 1 - std::abs(t - middle)) / (half + 1);
            depth[t] = std::max(depth[t] - cut, shallowest);
        }
    }
    for (int t = 1; t <= frame.length; ++t) {
        for (int d = 1; d <= depth[t]; ++d) {
            const Point p = frame.At(t, d);
            code[p.x][p.y] = 2;
        }
    }

    CodeGrid owner = {};
    const int islands = 1 + Random(3);
    for (int i = 1; i <= islands; ++i) {
        const int target = w + 2 + Random(w / 2);
        const int t = Random(std::max(frame.length - 8, 1)) + 5;
        const int nearest = depth[std::min(t, frame.length)] + 4;
        const int farthest = frame.extent - 3;
        if (nearest > farthest) continue;
        const int d = nearest + Random(farthest - nearest + 1);
        const Point p = frame.At(t, d);
        if (!InsideMap(p.x, p.y)) continue;
        GrowIsland(code, owner, p.x, p.y, target, static_cast<uint8_t>(i));
    }
}

// ---------------------------------------------------------------------------------
// Land shape, belts and patches

void MakeLandShape(int kind) {
    const int w = Width();
    const int h = Height();
    CodeGrid code = {};
    switch (kind) {
    case kIsland:
    case kLake:
        GrowBlob(code, kind == kLake);
        CentreBlob(code);
        if (kind == kLake) {
            for (int x = 1; x <= w; ++x) {
                for (int y = 1; y <= h; ++y) code[x][y] = code[x][y] != 0 ? 0 : 2;
            }
        }
        break;
    case kContinental:
        for (int x = 1; x <= w; ++x) {
            for (int y = 1; y <= h; ++y) code[x][y] = 1;
        }
        break;
    default:
        MakeCoastalLand(code);
        break;
    }
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) worldMap[x][y].terrain = code[x][y];
    }
}

// Artic near the poles, Plain in the cool lands, Swamp between; the edges of each belt
// are ragged by up to five rows.
void PaintBelts() {
    const int h = Height();
    for (int x = 1; x <= Width(); ++x) {
        for (int y = 1; y <= h; ++y) {
            MapCell& cell = worldMap[x][y];
            if (cell.terrain == 0) continue;
            if (y < Random(5) + 0.2 * h - 2 || y > Random(5) + 0.8 * h - 2) {
                cell.terrain = kArtic;
            } else if (y < Random(5) + 0.35 * h - 2 || y > Random(5) + 0.65 * h - 2) {
                cell.terrain = kPlain;
            } else {
                cell.terrain = kSwamp;
            }
        }
    }
}

// The rows a patch group can start on, so that a group with no land left in its rows
// stops instead of drawing for ever.
struct RowSet {
    bool row[kGrid] = {};
    void Add(int y) {
        if (y >= 1 && y <= Height()) row[y] = true;
    }
};

struct ColumnSet {
    bool column[kGrid] = {};
    void Add(int x) {
        if (x >= 1 && x <= Width()) column[x] = true;
    }
};

class PatchPlacer {
public:
    // Every start cell picked so far in this step.
    CodeGrid picked = {};

    static int SpreadRow(double span, double start) {
        return Round(Random(Round(span * Height())) + start * Height()) + 1;
    }
    static RowSet SpreadRows(double span, double start) {
        RowSet rows;
        const int n = std::max(Round(span * Height()), 1);
        for (int r = 0; r < n; ++r) rows.Add(Round(r + start * Height()) + 1);
        return rows;
    }
    static ColumnSet AllColumns() {
        ColumnSet columns;
        for (int x = 1; x <= Width(); ++x) columns.Add(x);
        return columns;
    }

    int Eligible(const ColumnSet& columns, const RowSet& rows, bool unpickedOnly) const {
        int count = 0;
        for (int x = 1; x <= Width(); ++x) {
            if (!columns.column[x]) continue;
            for (int y = 1; y <= Height(); ++y) {
                if (rows.row[y] && worldMap[x][y].terrain != 0 && !(unpickedOnly && picked[x][y])) ++count;
            }
        }
        return count;
    }

    // Draws start cells until one is land (and, when fresh, not picked before), marks
    // it and grows the patch there; count patches in all.
    template <typename DrawCell, typename Grow>
    void Place(int count, bool fresh, const ColumnSet& columns, const RowSet& rows, bool landCanVanish,
               DrawCell drawCell, Grow grow) {
        int eligible = Eligible(columns, rows, fresh);
        for (int patch = 0; patch < count; ++patch) {
            if (landCanVanish) eligible = Eligible(columns, rows, fresh);
            if (eligible == 0) return;
            int x = 0, y = 0;
            bool found = false;
            for (int draw = 0; draw < kMaxDraws && !found; ++draw) {
                drawCell(x, y);
                found = InsideMap(x, y) && worldMap[x][y].terrain != 0 && !(fresh && picked[x][y]);
            }
            if (!found) return;
            if (fresh) --eligible; // the cell stays land, but it is picked now
            picked[x][y] = 1;
            grow(x, y);
        }
    }
};

void PlaceTerrainPatches(int kind) {
    const int w = Width();
    const int h = Height();
    const double area = static_cast<double>(w * h);
    PatchPlacer placer;
    const ColumnSet allColumns = PatchPlacer::AllColumns();

    auto group = [&](double share, double span, double start, auto grow) {
        placer.Place(
            Round(area * share), true, allColumns, PatchPlacer::SpreadRows(span, start), false,
            [&](int& x, int& y) {
                x = Random(w) + 1;
                y = PatchPlacer::SpreadRow(span, start);
            },
            grow);
    };

    group(0.015, 0.8, 0.1, [](int x, int y) { GrowPatch(x, y, kSwamp, 3, Random(4) + 1); });
    group(0.015, 0.6, 0.2, [](int x, int y) { GrowPatch(x, y, kPlain, 3, Random(6) + 1); });
    group(0.03, 0.6, 0.2, [](int x, int y) {
        GrowPatch(x, y, kGrassland, 3, Random(7) + 2);
        GrowPatch(x, y, kSavannah, 3, Random(3) + 1);
    });
    group(0.005, 0.8, 0.1, [](int x, int y) { GrowPatch(x, y, kSwamp, 3, Random(3) + 1); });
    group(0.005, 0.6, 0.2, [](int x, int y) { GrowPatch(x, y, kPlain, 3, Random(6) + 1); });
    group(0.02, 0.4, 0.3, [](int x, int y) {
        const int inner = Random(7);
        GrowPatch(x, y, kDesert, 3, Random(inner) + 1);
    });
    group(0.03, 0.6, 0.2, [](int x, int y) {
        int terrain = kSwamp;
        if (Random(4) != 0) {
            if (Random(3) != 0) {
                terrain = Random(2) == 0 ? kPlain : kSavannah;
            } else {
                terrain = kGrassland;
            }
        }
        GrowPatch(x, y, terrain, 3, Random(2) + 1);
    });
    group(0.08, 0.8, 0.1, [](int x, int y) {
        int terrain = kPlain;
        if (Random(9) < 4) {
            if (Random(3) == 0) {
                terrain = kSwamp;
            } else if (Random(3) == 0) {
                terrain = kGrassland;
            } else if (Random(3) == 0) {
                terrain = kDesert;
            } else {
                terrain = kSavannah;
            }
        }
        GrowPatch(x, y, terrain, 3, 1);
    });

    // Cold highlands a quarter of the way in from each pole.
    const int northernRows = Round(0.05 * h);
    const int southernRows = Round(0.05 * w);
    RowSet highlandRows;
    for (int r = 0; r < std::max(northernRows, 1); ++r) highlandRows.Add(Round(0.75 * h - r));
    for (int r = 0; r < std::max(southernRows, 1); ++r) highlandRows.Add(Round(r + 0.25 * w));
    placer.Place(
        Round(area * 0.007), false, allColumns, highlandRows, false,
        [&](int& x, int& y) {
            x = Random(w) + 1;
            if (Random(2) != 0) {
                y = Round(0.75 * h - Random(northernRows));
            } else {
                y = Round(Random(southernRows) + 0.25 * w);
            }
        },
        [](int x, int y) { GrowPatch(x, y, kArtic, 3, Random(2) + 1); });

    // Lakes and inland seas, away from the edges.
    if (kind > kLake) {
        const int lakeColumns = Round(0.7 * w);
        const int lakeRows = Round(0.7 * h);
        ColumnSet columns;
        for (int r = 0; r < std::max(lakeColumns, 1); ++r) columns.Add(Round(r + 0.15 * w) + 1);
        const RowSet rows = PatchPlacer::SpreadRows(0.7, 0.15);
        placer.Place(
            Round(area * 0.005), false, columns, rows, true,
            [&](int& x, int& y) {
                x = Round(Random(lakeColumns) + 0.15 * w) + 1;
                y = Round(Random(lakeRows) + 0.15 * h) + 1;
            },
            [w](int x, int y) { GrowPatch(x, y, 0, 2, Random(w / 5) + w / 10); });
    }
}

void PlaceHillsAndForests() {
    for (int x = 1; x <= Width(); ++x) {
        for (int y = 1; y <= Height(); ++y) {
            const uint8_t code = worldMap[x][y].terrain;
            if (code != 0 && code != kDesert && Random(15) == 0)
                GrowFeature(x, y, Random(2) + 1, FeatureKind::kHill);
        }
    }
    for (int x = 1; x <= Width(); ++x) {
        for (int y = 1; y <= Height(); ++y) {
            const uint8_t code = worldMap[x][y].terrain;
            if (code == 0) continue;
            if (code != kDesert) {
                if (Random(6) == 0) GrowFeature(x, y, Random(3) + 1, FeatureKind::kForest);
            } else if (Random(12) == 0) {
                GrowFeature(x, y, 1, FeatureKind::kDesertForest);
            }
        }
    }
}

// ---------------------------------------------------------------------------------
// Rivers

bool RiverMayEnter(int x, int y) {
    if (!InsideMap(x, y)) return false;
    const MapCell& cell = worldMap[x][y];
    return cell.hill != 1 && cell.terrain != 0 && cell.river == 0;
}

// Rivers rise on the land beside water and flow inland from there; a lone pond or an
// inlet of three water sides feeds a river more often than a straight coast.
void PlaceRivers() {
    static constexpr int kLookOrder[4] = {kWest, kNorth, kSouth, kEast}; // the last water found wins
    for (int x = 1; x <= Width(); ++x) {
        for (int y = 1; y <= Height(); ++y) {
            const MapCell& cell = worldMap[x][y];
            if (cell.hill == 1 || cell.river != 0 || cell.terrain < 2) continue;
            int mouthSide = 0;
            for (int side : kLookOrder) {
                const int nx = x + kDx[side - 1];
                const int ny = y + kDy[side - 1];
                if (InsideMap(nx, ny) && worldMap[nx][ny].terrain < 2) mouthSide = side;
            }
            if (mouthSide == 0) continue;
            const int mx = x + kDx[mouthSide - 1];
            const int my = y + kDy[mouthSide - 1];
            int water = 0;
            for (int side = 0; side < 4; ++side) {
                const int nx = mx + kDx[side];
                const int ny = my + kDy[side];
                if (InsideMap(nx, ny) && worldMap[nx][ny].terrain < 2) ++water;
            }
            const int odds = (water == 1 || water == 2) ? 36 : water == 3 ? 18 : 9;
            if (Random(odds) != 0) continue;
            const int inner = Random(21);
            TraceRiver(x, y, Random(inner) + 3, Opposite(mouthSide));
        }
    }
}

void StepRiver(int x, int y, int length, int direction) {
    worldMap[x][y].river += RiverDigit(direction);
    TraceRiver(x + kDx[direction - 1], y + kDy[direction - 1], length - 1, direction);
}

bool RiverMayGo(int x, int y, int direction) {
    return RiverMayEnter(x + kDx[direction - 1], y + kDy[direction - 1]);
}

// ---------------------------------------------------------------------------------
// Landmasses and sea bodies

// Gives id to every cell 4-connected to (x, y) on the same side of the shore that has
// no label yet; returns how many. An explicit stack: a landmass can fill the map.
int FillRegion(LabelGrid& label, int x, int y, int id) {
    static Point stack[kMaxMapSize * kMaxMapSize];
    const bool sea = IsSea(x, y);
    int top = 0;
    int count = 0;
    label[x][y] = static_cast<int16_t>(id);
    stack[top++] = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
    while (top > 0) {
        const Point p = stack[--top];
        ++count;
        for (int side = 0; side < 4; ++side) {
            const int nx = p.x + kDx[side];
            const int ny = p.y + kDy[side];
            if (!InsideMap(nx, ny) || label[nx][ny] != 0 || IsSea(nx, ny) != sea) continue;
            label[nx][ny] = static_cast<int16_t>(id);
            stack[top++] = {static_cast<int16_t>(nx), static_cast<int16_t>(ny)};
        }
    }
    return count;
}

int NumberLandmass(LabelGrid& label, int x, int y, int id) {
    return FillRegion(label, x, y, id);
}
int NumberSeaBody(LabelGrid& label, int x, int y, int id) {
    return FillRegion(label, x, y, id);
}

} // namespace

// ---------------------------------------------------------------------------------

CellRect BlobBlock(int x, int y, int side, int size) {
    const int half = Round(size / 2.0);
    switch (side) {
    case kNorth:
        return {x - half, y - size, x + half, y - 1};
    case kEast:
        return {x + 1, y - half, x + size, y + half};
    case kSouth:
        return {x - half, y + 1, x + half, y + size};
    case kWest:
        return {x - size, y - half, x - 1, y + half};
    default:
        return {0, 0, -1, -1};
    }
}

void GrowPatch(int x, int y, int terrain, int d, int depth) {
    if (depth <= 0 || d < 1 || !InsideMap(x, y)) return;
    depth = std::min(depth, kMaxGrowthDepth);
    worldMap[x][y].terrain = static_cast<uint8_t>(terrain);
    const int diagonalOdds = 3 * d * d * d;
    for (int nx = x - 1; nx <= x + 1; ++nx) {
        for (int ny = y - 1; ny <= y + 1; ++ny) {
            if ((nx == x && ny == y) || !InsideMap(nx, ny) || worldMap[nx][ny].terrain == 0) continue;
            const bool diagonal = nx != x && ny != y;
            if (Random(diagonal ? diagonalOdds : d) == 0) GrowPatch(nx, ny, terrain, d, depth - 1);
        }
    }
}

void GrowFeature(int x, int y, int depth, FeatureKind kind) {
    if (depth <= 0 || !InsideMap(x, y)) return;
    depth = std::min(depth, kMaxGrowthDepth);
    MapCell& cell = worldMap[x][y];
    if (cell.terrain == kDesert && kind != FeatureKind::kDesertForest) return;
    if (kind == FeatureKind::kForest && cell.hill == 1) return;
    if (kind == FeatureKind::kHill) {
        cell.hill = 1;
    } else {
        cell.forest = 1;
    }
    for (int nx = x - 1; nx <= x + 1; ++nx) {
        for (int ny = y - 1; ny <= y + 1; ++ny) {
            if ((nx == x && ny == y) || !InsideMap(nx, ny) || worldMap[nx][ny].terrain == 0) continue;
            const bool diagonal = nx != x && ny != y;
            if (Random(diagonal ? 12 : 3) == 0) GrowFeature(nx, ny, depth - 1, kind);
        }
    }
}

void TraceRiver(int x, int y, int length, int direction) {
    if (!InsideMap(x, y) || direction < kNorth || direction > kWest) return;
    length = std::min(length, kMaxRiverLength);
    const int g = direction;
    MapCell& cell = worldMap[x][y];
    cell.river += RiverDigit(Opposite(g)); // the side the river came from
    if (cell.terrain == kDesert) --length;
    if (length <= 0) return;

    const bool straightTried = Random(3) != 0;
    if (straightTried && RiverMayGo(x, y, g)) {
        StepRiver(x, y, length, g);
        if (Random(10) != 0) return;
        length -= 1 + Random(4); // a branch leaves here
    }
    for (int attempt = 0; attempt < 20; ++attempt) {
        const int t = Random(2) == 0 ? g % 4 + 1 : (g + 2) % 4 + 1;
        if (RiverMayGo(x, y, t)) {
            StepRiver(x, y, length, t);
            return;
        }
    }
    if (!straightTried && RiverMayGo(x, y, g)) StepRiver(x, y, length, g);
}

void NumberLandmasses() {
    const int w = Width();
    const int h = Height();
    static LabelGrid label;
    static int32_t size[kMaxLandmasses + 1];
    std::memset(label, 0, sizeof label);
    int count = 0;
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            if (IsSea(x, y) || label[x][y] != 0) continue;
            ++count;
            size[count] = NumberLandmass(label, x, y, count);
        }
    }

    // A landmass keeps its number; should one that stays above water come after the
    // 255th, it takes the number of a landmass that sank (one that stays has more than
    // mapWidth cells, so at most 2500 / 25 of them stay).
    static uint8_t number[kMaxLandmasses + 1];
    int nextFree = 1;
    for (int id = 1; id <= count; ++id) {
        number[id] = 0;
        if (size[id] <= w) continue;
        if (id <= kMaxNumber) {
            number[id] = static_cast<uint8_t>(id);
            continue;
        }
        while (nextFree <= kMaxNumber && size[nextFree] > w) ++nextFree;
        if (nextFree > kMaxNumber) continue;
        number[id] = static_cast<uint8_t>(nextFree);
        size[nextFree] = size[id];
        ++nextFree;
    }
    for (int id = 1; id <= std::min(count, kMaxNumber); ++id) game.landmassSize[id] = size[id];

    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            if (IsSea(x, y)) continue;
            MapCell& cell = worldMap[x][y];
            const uint8_t n = number[label[x][y]];
            cell.landmass = n;
            if (n != 0) continue;
            cell.terrain = kSea;
            cell.river = 0;
            cell.hill = 0;
            cell.forest = 0;
        }
    }
}

void MarkCoastsAndSeaBodies() {
    const int w = Width();
    const int h = Height();
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            const bool sea = IsSea(x, y);
            uint8_t coastal = 0;
            for (int side = 0; side < 4; ++side) {
                const int nx = x + kDx[side];
                const int ny = y + kDy[side];
                if (InsideMap(nx, ny) && IsSea(nx, ny) != sea) coastal = 1;
            }
            worldMap[x][y].coastal = coastal;
        }
    }

    // The few sea bodies past the 255th (only a map riddled with ponds has them) share
    // the last number.
    static LabelGrid label;
    std::memset(label, 0, sizeof label);
    int count = 0;
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            if (!IsSea(x, y) || label[x][y] != 0) continue;
            ++count;
            NumberSeaBody(label, x, y, count);
        }
    }
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            worldMap[x][y].seaBody = static_cast<uint8_t>(std::min<int>(label[x][y], kMaxNumber));
        }
    }
    game.seaBodyCount = static_cast<uint8_t>(std::min(count, kMaxNumber));
}

namespace {

bool OneIn(int n) {
    return Random(n) == 0;
}

void PlaceForestSpecials(MapCell& cell) {
    const int t = cell.terrain;
    const bool warm = t == kSwamp || t == kGrassland || t == kSavannah;
    if (warm && OneIn(24)) cell.special = kSpecialGame;
    if ((t == kPlain || t == kArtic) && OneIn(24)) cell.special = kSpecialColdGame;
    const int woodOdds = warm ? 14 : t == kPlain ? 11 : t == kArtic ? 7 : 0;
    if (woodOdds != 0 && OneIn(woodOdds)) cell.special = static_cast<uint8_t>(Random(2) + kSpecialTimber);

    switch (t) {
    case kSwamp:
        if (OneIn(20)) {
            cell.hiddenSpecial = kSpecialCotton;
        } else if (OneIn(20)) {
            cell.hiddenSpecial = kSpecialGrain;
        }
        break;
    case kGrassland:
        if (OneIn(8)) cell.hiddenSpecial = kSpecialTobacco;
        break;
    case kSavannah:
        if (OneIn(8)) cell.hiddenSpecial = kSpecialGrapes;
        break;
    case kPlain:
        if (OneIn(12)) {
            cell.hiddenSpecial = kSpecialCotton;
        } else if (OneIn(12)) {
            cell.hiddenSpecial = kSpecialGrain;
        }
        break;
    case kDesert:
        if (OneIn(8)) cell.hiddenSpecial = kSpecialOasis;
        break;
    case kArtic:
        if (cell.coastal == 1 && OneIn(5)) cell.hiddenSpecial = kSpecialSeals;
        break;
    default:
        break;
    }
    if (cell.hiddenSpecial == 0 && t != kDesert) {
        if (OneIn(24)) cell.hiddenSpecial = kSpecialStone;
        if (OneIn(72)) cell.hiddenSpecial = kSpecialGold;
    }
}

void PlaceHillSpecials(MapCell& cell) {
    if (OneIn(6)) {
        cell.special = kSpecialStone;
        cell.hillExamined = 0;
    }
    if (OneIn(15)) {
        cell.special = kSpecialGold;
        cell.hillExamined = 0;
    }
}

void PlaceOpenLandSpecials(MapCell& cell) {
    const int t = cell.terrain;
    switch (t) {
    case kSwamp:
        if (OneIn(30)) {
            cell.special = kSpecialCotton;
        } else if (OneIn(30)) {
            cell.special = kSpecialGrain;
        }
        break;
    case kGrassland:
        if (OneIn(12)) cell.special = kSpecialTobacco;
        break;
    case kSavannah:
        if (OneIn(12)) cell.special = kSpecialGrapes;
        break;
    case kPlain:
        if (OneIn(18)) {
            cell.special = kSpecialCotton;
        } else if (OneIn(18)) {
            cell.special = kSpecialGrain;
        }
        break;
    case kDesert:
        if (OneIn(12)) cell.special = kSpecialOasis;
        break;
    case kArtic:
        if (cell.coastal == 1 && OneIn(7)) cell.special = kSpecialSeals;
        break;
    default:
        break;
    }
    if (cell.special == 0 && t != kDesert) {
        if (OneIn(48)) cell.special = kSpecialStone;
        if (OneIn(216)) cell.special = kSpecialGold;
    }
}

bool PearlsWithinFive(int x, int y) {
    for (int nx = std::max(x - 5, 1); nx <= std::min(x + 5, Width()); ++nx) {
        for (int ny = std::max(y - 5, 1); ny <= std::min(y + 5, Height()); ++ny) {
            const MapCell& cell = worldMap[nx][ny];
            if (cell.terrain == kSea && cell.special == kSpecialPearls) return true;
        }
    }
    return false;
}

// Fish gather where rivers meet the sea, and in inlets more than off a straight shore.
void PlaceCoastalSeaSpecials(int x, int y) {
    MapCell& cell = worldMap[x][y];
    int land = 0;
    int rivers = 0; // neighbours whose river runs into this cell
    for (int side = kNorth; side <= kWest; ++side) {
        const int nx = x + kDx[side - 1];
        const int ny = y + kDy[side - 1];
        if (!InsideMap(nx, ny) || IsSea(nx, ny)) continue;
        ++land;
        if (HasRiverTowards(worldMap[nx][ny], Opposite(side))) ++rivers;
    }
    static constexpr uint8_t kSeedByLand[5] = {16, 12, 6, 3, 1};
    cell.cellSeed = kSeedByLand[land];
    if (!PearlsWithinFive(x, y) && ((land == 1 && OneIn(36)) || (land == 2 && OneIn(48)))) {
        cell.special = kSpecialPearls;
    }
    bool fish = false;
    switch (rivers) {
    case 0:
        fish = OneIn(Round(cell.cellSeed / 3.0 * 12));
        break;
    case 1:
        fish = OneIn(3);
        break;
    case 2:
        fish = OneIn(2);
        break;
    default:
        fish = true;
        break;
    }
    if (fish) cell.special = kSpecialFish;
}

} // namespace

void PlaceSpecialResources() {
    for (int x = 1; x <= Width(); ++x) {
        for (int y = 1; y <= Height(); ++y) {
            MapCell& cell = worldMap[x][y];
            if (cell.terrain != kSea) {
                if (cell.forest == 1) {
                    PlaceForestSpecials(cell);
                } else if (cell.hill == 1) {
                    PlaceHillSpecials(cell);
                } else {
                    PlaceOpenLandSpecials(cell);
                }
            } else if (cell.coastal == 1) {
                PlaceCoastalSeaSpecials(x, y);
            }
        }
    }
}

void GenerateMap() {
    const int w = Width();
    const int h = Height();
    const int chosen = Round(game.location);
    if (w < 1 || w > kMaxMapSize || h < 1 || h > kMaxMapSize || chosen < kIsland || chosen > kRandomWorld)
        return;

    ClearMapPart();
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) worldMap[x][y].cellSeed = static_cast<uint8_t>(Random(100));
    }
    game.landFactor = 1.35;
    // A Random world is one of the other four, made exactly as if it had been chosen.
    const int kind = chosen == kRandomWorld ? Random(4) + 1 : chosen;
    MakeLandShape(kind);
    PaintBelts();
    PlaceTerrainPatches(kind);
    PlaceHillsAndForests();
    PlaceRivers();
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) {
            if (worldMap[x][y].terrain == 0) worldMap[x][y].terrain = kSea;
        }
    }
    NumberLandmasses();
    MarkCoastsAndSeaBodies();
    PlaceSpecialResources();
    for (int x = 1; x <= w; ++x) {
        for (int y = 1; y <= h; ++y) worldMap[x][y].tileVariant = static_cast<uint8_t>(Random(5) + 1);
    }
}

} // namespace annals
