// A new game from the entrance screen's choices: the world, the starting values, the
// natives' villages, every player's first Settler and Warrior on good and well separated
// sites, the exploration sites, and the first turn.
#include "world/setup.h"

#include "economy/city.h"
#include "state/numbers.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/orders.h"
#include "units/unit_table.h"
#include "world/map_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace annals {

namespace {

constexpr int kVillages = 4;
constexpr int kMaxSetupTries = 30;

struct Site {
    int x = 0, y = 0;
};

// Everything of an earlier game goes, except the choices made on the entrance screen.
void ClearForNewGame() {
    for (int c = 1; c <= kMaxCivs; ++c) {
        CivRecord& civ = Civ(c);
        const uint8_t nation = civ.nation, colour = civ.colour, computer = civ.isComputer,
                      level = civ.aiLevel;
        std::memset(static_cast<void*>(&civ), 0, sizeof civ);
        civ.nation = nation;
        civ.colour = colour;
        civ.isComputer = computer;
        civ.aiLevel = level;
    }
    for (int x = 0; x <= kMaxMapSize; ++x)
        for (int y = 0; y <= kMaxMapSize; ++y) {
            MapCell& cell = Cell(x, y);
            std::memset(static_cast<void*>(static_cast<CityData*>(&cell)), 0, sizeof(CityData));
        }
    const GameState settings = game;
    std::memset(static_cast<void*>(&game), 0, sizeof game);
    game.mapWidth = settings.mapWidth;
    game.mapHeight = settings.mapHeight;
    game.location = settings.location;
    game.civCount = settings.civCount;
    game.difficulty = settings.difficulty;
    game.gameDifficulty = settings.difficulty;
    game.endYear = settings.endYear;
    game.language = settings.language;
    game.siteX = settings.siteX;
    game.siteY = settings.siteY;
    game.year = -4000;
    game.turn = 2;
    CloseAllScreens();
    // No game runs until the set-up is done, whatever ran before it.
    ui.gameStarted = 0;
}

// The best cells for a village, the best first: validity is kept apart from the score,
// since a valid cell may score below any mark of an invalid one.
bool PlaceNativeVillage() {
    const int w = game.mapWidth, h = game.mapHeight;
    static double score[kMaxMapSize + 1][kMaxMapSize + 1];
    static bool valid[kMaxMapSize + 1][kMaxMapSize + 1];
    for (int x = 3; x <= w - 2; ++x)
        for (int y = 3; y <= h - 2; ++y) {
            const MapCell& cell = Cell(x, y);
            valid[x][y] = NearCityFree(x, y) && cell.terrain != kSea && !cell.forest && !cell.hill;
            score[x][y] = valid[x][y] ? SiteQuality(1, x, y) : 0;
        }
    const int k = Round(std::sqrt(static_cast<double>(w) * h));
    std::vector<Site> best(static_cast<size_t>(k));
    bool any = false;
    for (Site& site : best) {
        for (int x = 3; x <= w - 2; ++x)
            for (int y = 3; y <= h - 2; ++y)
                if (valid[x][y] && (site.x == 0 || score[x][y] > score[site.x][site.y])) site = {x, y};
        if (site.x != 0) {
            valid[site.x][site.y] = false;
            any = true;
        }
    }
    if (!any) return false;
    Site chosen;
    // A fair draw finds a listed cell quickly; the bound only matters on a map without land.
    for (int tries = 0; tries < 10000 && chosen.x == 0; ++tries)
        chosen = best[static_cast<size_t>(Random(k))];
    if (chosen.x == 0) return false;

    const int natives = game.civCount;
    FoundCity(chosen.x, chosen.y);
    CityData& village = City(chosen.x, chosen.y);
    village.culture = 11.0;
    AddUnit(natives, kJaguar, chosen.x, chosen.y);
    AddUnit(natives, kArcher, chosen.x, chosen.y);
    AddUnit(natives, kHorseman, chosen.x, chosen.y);
    const int citizens = Random(6) + 3;
    for (int i = 0; i < citizens; ++i) AddCitizen(village);
    return true;
}

bool FirstStep() {
    const int n = std::min<int>(game.civCount, kMaxCivs);
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= kCombatRolls; ++r) Civ(c).combatRolls[r] = Random(100);
    for (int i = 1; i <= n; ++i) {
        CivRecord& civ = Civ(i);
        civ.government = 2;
        civ.warCounter = 0;
        civ.gold = 75.0;
        civ.goldBias = 75.0;
        if (i < n)
            for (int j = 1; j < n; ++j)
                if (j != i) {
                    civ.contactA[j] = 20;
                    civ.contactB[j] = 10;
                }
    }
    CivRecord& natives = Civ(n);
    natives.nation = kNativeNation;
    natives.isComputer = 1;
    natives.aiLevel = 5;
    natives.colour = 8;
    game.currentCiv = static_cast<uint8_t>(n);
    game.currentUnit = 0;
    for (int v = 0; v < kVillages; ++v)
        if (!PlaceNativeVillage()) return false;
    for (int p = 1; p <= kProducts; ++p) {
        game.nativeStock[p] = static_cast<uint8_t>((50 * natives.cityCount) % 256);
        for (int k = 1; k <= natives.cityCount; ++k)
            City(natives.cities[k].x, natives.cities[k].y).stock[p] += 50;
    }
    game.currentCiv = 1;
    game.currentUnit = 1;
    game.viewCiv = 1;
    game.viewUnit = 1;
    StartCivTurn();
    return true;
}

// Blocks of 3 x 3 cells, each with its best site for a player's first city.
struct Block {
    double value = 0;
    Site site;
};

bool PlacePlayers() {
    const int w = game.mapWidth, h = game.mapHeight;
    const int players = game.civCount - 1;
    const int bw = w / 3, bh = h / 3, blocks = bw * bh;
    std::vector<Block> block(static_cast<size_t>(blocks) + 1);
    int valued = 0;
    for (int bx = 1; bx <= bw; ++bx)
        for (int by = 1; by <= bh; ++by) {
            Block& b = block[static_cast<size_t>((bx - 1) * bh + by)];
            double kept = -1;
            for (int x = 3 * bx - 2; x <= 3 * bx; ++x)
                for (int y = 3 * by - 2; y <= 3 * by; ++y) {
                    if (x <= 2 || y <= 2 || x > w - 2 || y > h - 2) continue;
                    const MapCell& cell = Cell(x, y);
                    double value = 0;
                    bool cityNear = false;
                    for (int cx = x - 2; cx <= x + 2; ++cx)
                        for (int cy = y - 2; cy <= y + 2; ++cy)
                            if (InsideMap(cx, cy) && Cell(cx, cy).hasCity) cityNear = true;
                    if (!cityNear && cell.terrain != kSea && !cell.forest && !cell.hill)
                        value = SiteQuality(3, x, y);
                    if (value > kept) {
                        kept = value;
                        b.value = value;
                        b.site = {x, y};
                    }
                }
            if (b.value > 0) ++valued;
        }
    // With fewer valued blocks than players no attempt could ever succeed.
    if (valued < players || players < 1) return false;

    // The attempts weigh the same distances and blocks over and over: each is worked out
    // once, with the very same arithmetic, so the choice is exactly what weighing them
    // afresh would give.
    static const auto spreadAt = [] {
        std::array<std::array<double, kMaxMapSize + 1>, kMaxMapSize + 1> table{};
        for (int ax = 0; ax <= kMaxMapSize; ++ax)
            for (int ay = 0; ay <= kMaxMapSize; ++ay) {
                const double dx = ax, dy = ay;
                table[static_cast<size_t>(ax)][static_cast<size_t>(ay)] =
                    0.2 * std::sqrt(dx * dx + dy * dy) + 0.8 * std::max(dx, dy);
            }
        return table;
    }();
    auto spreadOf = [&](int a, int c) {
        const Block& p = block[static_cast<size_t>(a)];
        const Block& q = block[static_cast<size_t>(c)];
        return spreadAt[static_cast<size_t>(std::abs(p.site.x - q.site.x))]
                       [static_cast<size_t>(std::abs(p.site.y - q.site.y))];
    };
    std::vector<double> lowPower(static_cast<size_t>(blocks) + 1), highRoot(static_cast<size_t>(blocks) + 1);
    for (int b = 1; b <= blocks; ++b) {
        if (block[static_cast<size_t>(b)].value <= 0) continue;
        lowPower[static_cast<size_t>(b)] = std::pow(block[static_cast<size_t>(b)].value, 2.25);
        highRoot[static_cast<size_t>(b)] = std::sqrt(block[static_cast<size_t>(b)].value);
    }

    // Block numbers follow the draw order of the rows within each column.
    std::vector<int> drawn(static_cast<size_t>(players) + 1), chosen;
    double bestScore = 0;
    const long attempts = static_cast<long>(players) * players * 2000;
    for (long attempt = 0; attempt < attempts; ++attempt) {
        for (int k = 1; k <= players; ++k) {
            int b = 0;
            do b = Random(blocks) + 1;
            while (block[static_cast<size_t>(b)].value <= 0);
            drawn[static_cast<size_t>(k)] = b;
        }
        bool same = false;
        double spread = 1000;
        int lowest = 0, highest = 0; // the blocks of the lowest and the highest value
        for (int k = 1; k <= players && !same; ++k) {
            const int a = drawn[static_cast<size_t>(k)];
            const double value = block[static_cast<size_t>(a)].value;
            if (lowest == 0 || value < block[static_cast<size_t>(lowest)].value) lowest = a;
            if (highest == 0 || value > block[static_cast<size_t>(highest)].value) highest = a;
            for (int j = k + 1; j <= players; ++j) {
                const int c = drawn[static_cast<size_t>(j)];
                if (c == a) {
                    same = true;
                    break;
                }
                spread = std::min(spread, spreadOf(a, c));
            }
        }
        if (same) continue;
        const double high = block[static_cast<size_t>(highest)].value;
        const double score = high != 0 ? lowPower[static_cast<size_t>(lowest)] * spread /
                                             highRoot[static_cast<size_t>(highest)]
                                       : 0;
        if (score > bestScore) {
            bestScore = score;
            chosen = drawn;
        }
    }
    if (chosen.empty()) return false;

    for (int k = 1; k <= players; ++k) {
        const Site site = block[static_cast<size_t>(chosen[static_cast<size_t>(k)])].site;
        AddUnit(k, kSettler, site.x, site.y);
        AddUnit(k, kWarrior, site.x, site.y);
        if (Civ(k).isComputer) Civ(k).referenceUnit = 1;
    }
    if (const UnitRecord* unit = CurrentUnitRecord()) {
        game.viewX = std::min(std::max(unit->x - 10.0, 1.0), w - 19.0);
        game.viewY = std::min(std::max(unit->y - 7.5, 1.0), h - 14.0);
    }
    return true;
}

void PlaceSites() {
    const int w = game.mapWidth, h = game.mapHeight, natives = game.civCount;
    for (int k = 1; k <= Civ(natives).cityCount; ++k) {
        if (Random(2) != 0) continue;
        const int dx = Random(3) - 1;
        const int dy = dx == 0 ? (Random(2) == 0 ? -1 : 1) : 0;
        const int x = Civ(natives).cities[k].x + dx, y = Civ(natives).cities[k].y + dy;
        if (InsideMap(x, y) && Cell(x, y).terrain != kSea)
            Cell(x, y).site = static_cast<uint8_t>(Random(4) + 5);
    }
    int failures = 0;
    for (int i = 0; i < natives * 3 && failures < 400;) {
        const int x = Random(w) + 1, y = Random(h) + 1;
        bool refused = false, nativesNear = false;
        for (int cx = x - 4; cx <= x + 4 && !refused; ++cx)
            for (int cy = y - 4; cy <= y + 4; ++cy) {
                if (!InsideMap(cx, cy)) continue;
                const MapCell& cell = Cell(cx, cy);
                if (cell.unitCount > 0 && cell.unitOwner != natives) refused = true;
                if (cell.unitCount > 0 && cell.unitOwner == natives) nativesNear = true;
                if (cell.site != 0) refused = true;
            }
        if (refused || Cell(x, y).terrain == kSea) {
            ++failures;
            continue;
        }
        Cell(x, y).site = static_cast<uint8_t>(i % 4 + (nativesNear ? 5 : 1));
        ++i;
    }
}

double TerrainWorth(int terrain) {
    switch (terrain) {
    case kSea:
        return 5;
    case kSwamp:
        return 4.5;
    case kGrassland:
        return 8;
    case kSavannah:
        return 10;
    case kPlain:
        return 6.5;
    case kDesert:
        return 0.5;
    case kArtic:
        return 2;
    default:
        return 0;
    }
}

double RingWeight(int ring) {
    switch (ring) {
    case 0:
        return 1.8;
    case 1:
    case 2:
        return 1.35;
    case 3:
        return 0.9;
    case 4:
        return 0.3;
    case 5:
        return 0.075;
    default:
        return 0;
    }
}

int CultureLevel(double culture) {
    const int c = Trunc(culture);
    if (c < 10) return 1;
    if (c < 100) return 2;
    if (c < 500) return 3;
    if (c < 1200) return 4;
    return 5;
}

// An existing city already reaches the cell (for the computer's next site).
bool ClaimedByACity(int x, int y) {
    for (int c = 1; c <= game.civCount; ++c) {
        for (int k = 1; k <= Civ(c).cityCount; ++k) {
            const CityRef ref = Civ(c).cities[k];
            // Only a cell of the city's own square can be claimed, whatever its culture.
            if (std::abs(ref.x - x) > 2 || std::abs(ref.y - y) > 2) continue;
            const int level = CultureLevel(City(ref.x, ref.y).culture);
            const int cityRing = AreaRing(ref.x, ref.y, x, y);
            if (IsNatives(c) ? level - 1 >= cityRing
                             : AreaRing(game.siteX, game.siteY, x, y) + level - 1 >= cityRing)
                return true;
        }
    }
    return false;
}

// What a special resource adds at a ring of the site.
double SpecialWorth(const MapCell& cell, int ring) {
    const int s = cell.special;
    const auto byRing = [ring](double r1, double r2, double r3, double r45) {
        return ring == 1 ? r1 : ring == 2 ? r2 : ring == 3 ? r3 : r45;
    };
    if (s >= 1 && s <= 5) {
        double f = 6;
        if (cell.forest)
            f = cell.terrain == kSwamp ? 7.5 : cell.terrain == kSavannah ? 5 : cell.terrain == kArtic ? 9 : 6;
        return byRing(1.2 * f, 1.2 * f, f, 0.8 * f);
    }
    if (s == 10) {
        double f = 8;
        if (cell.forest) {
            switch (cell.terrain) {
            case kSwamp:
                f = 9;
                break;
            case kGrassland:
                f = 6.5;
                break;
            case kSavannah:
                f = 5.5;
                break;
            case kPlain:
                f = 7.5;
                break;
            case kArtic:
                f = 10;
                break;
            default:
                f = 7;
                break;
            }
        }
        return byRing(1.6 * f, 1.5 * f, f, 0.8 * f);
    }
    if (s == 6) return byRing(8, 8, 5, 4);
    if (s == 7) return byRing(11.2, 11.2, 7, 5.6);
    if (s == 8) return byRing(12.8, 12.8, 8, 6.4);
    if (s == 14) return byRing(19.6, 19.6, 18.2, 15.4);
    return 0;
}

} // namespace

int CellFood(int x, int y) {
    if (!InsideMap(x, y)) return 0;
    const MapCell& cell = Cell(x, y);
    const int t = cell.terrain;
    int food = 0;
    if (!cell.hill && !cell.forest) {
        static const int plain[8] = {0, 2, 2, 3, 4, 3, 0, 1};
        food = t >= 1 && t <= 7 ? plain[t] : 0;
    } else if (cell.forest) {
        food = (t == kSwamp) ? 1 : (t == kGrassland || t == kSavannah || t == kPlain) ? 2 : 0;
    } else {
        food = (t == kSwamp || t == kGrassland || t == kSavannah || t == kPlain || t == kArtic) ? 1 : 0;
    }
    if (cell.river != 0) food += t == kDesert ? 2 : 1;
    if (cell.hill && cell.road && (t == kSwamp || t == kGrassland || t == kSavannah || t == kPlain))
        food += 1;
    if (cell.cornfield) food += 1;
    if (cell.special >= 1 && cell.special <= 5) food += 3;
    return food;
}

double FoodBase(int b) {
    if (b <= 10) return 10.0 * b - 160;
    if (b <= 20) return 6.0 * b - 120;
    if (b <= 30) return 3.0 * b - 60;
    return 0;
}

double SiteQuality(int mode, int x, int y) {
    const int r = mode == 1 ? 1 : 2;
    int b = CellFood(x, y);
    for (int cx = x - 1; cx <= x + 1; ++cx)
        for (int cy = y - 1; cy <= y + 1; ++cy) b += CellFood(cx, cy);
    double h = FoodBase(b);

    int nearHills = 0, farHills = 0;
    for (int cx = x - r; cx <= x + r; ++cx)
        for (int cy = y - r; cy <= y + r; ++cy) {
            if (!InsideMap(cx, cy)) continue;
            const MapCell& cell = Cell(cx, cy);
            const int adx = std::abs(cx - x), ady = std::abs(cy - y), d = std::max(adx, ady);
            if (cell.hill && d == 1) ++nearHills;
            if (!cell.hill && cell.special == 11) ++nearHills;
            if (cell.hill && d == 2 && adx + ady != 4) ++farHills;
        }

    const bool claimsCount = mode != 1 && game.siteX != 0 && game.siteY != 0;
    const int civ = game.currentCiv;
    const bool shrewd =
        ui.gameStarted && civ >= 1 && civ <= game.civCount && Civ(civ).isComputer && Civ(civ).aiLevel == 5;
    for (int cx = x - r; cx <= x + r; ++cx) {
        for (int cy = y - r; cy <= y + r; ++cy) {
            if (!InsideMap(cx, cy)) continue;
            const MapCell& cell = Cell(cx, cy);
            const int ring = AreaRing(x, y, cx, cy);
            const double v = RingWeight(ring);
            if (ring == 0) {
                if (cell.terrain == kSwamp)
                    h += 8 * v;
                else if (cell.terrain == kGrassland || cell.terrain == kPlain)
                    h += 16 * v;
                else if (cell.terrain == kSavannah)
                    h += 24 * v;
                if (cell.river != 0) h += 6 * v;
                continue;
            }
            if (claimsCount && ClaimedByACity(cx, cy)) continue;
            const double h0 = h;
            if (cell.hill) {
                if (cell.hillExamined && cell.special == 11)
                    h = h0 + 4 * v;
                else if (cell.hillExamined && cell.special == 12)
                    h = h0 + 12 * v;
                else if (!cell.hillExamined && shrewd && cell.special == 11)
                    h = h0 + 2 * v;
                else if (!cell.hillExamined && shrewd && cell.special == 12)
                    h = h0 + 6 * v;
                if (mode != 1) {
                    if (ring == 1 || ring == 2) {
                        const double n = std::max(nearHills, 1);
                        h += (25 - 5 * std::min(n, 5.0)) / std::pow(n, 0.75);
                    } else if (ring == 3) {
                        const double t = std::max(nearHills + farHills, 1);
                        h += 0.3 * (25 - 5 * std::min(t, 5.0)) / std::pow(t, 0.75);
                    }
                }
            } else if (cell.special == 11) {
                h = h0 + 12 * v;
            } else if (cell.special == 12 && mode != 3) {
                h = h0 + 20 * v;
            } else {
                h = h0 + v * TerrainWorth(cell.terrain);
            }
            if (cell.forest) {
                if (cell.terrain == kDesert)
                    h += 4 * v;
                else if (mode == 3)
                    h -= 2.2 * v;
                else if (mode == 2)
                    h -= v;
            }
            if (!(cell.forest && cell.special >= 3 && cell.special <= 8)) h += v * SpecialWorth(cell, ring);
            if (cell.river != 0) h += 2 * v;
        }
    }
    if (mode == 3 && nearHills > 0) h += 14;
    if (mode == 2 && civ >= 1 && civ <= game.civCount) {
        static const int divisor[6] = {0, 4, 8, 16, 32, 0};
        const int level = Civ(civ).aiLevel;
        if (level >= 1 && level <= 4) h += Cell(x, y).cellSeed / divisor[level];
    }
    return h;
}

void ResetNativeDemand() {
    for (int p = 1; p <= kProducts; ++p) {
        game.nativeDemand[p] = p >= 11 ? 1 : 0;
        game.nativePurchases[p] = 0; // a new game's natives have sold nothing yet
    }
}

bool StartGame() {
    // A world without room for every village and player is made again, whole.
    for (int attempt = 0; attempt < kMaxSetupTries; ++attempt) {
        ClearForNewGame();
        GenerateMap();
        if (!FirstStep()) continue;
        if (!PlacePlayers()) continue;
        PlaceSites();
        ResetNativeDemand();
        BuildOrderButtons();
        ui.gameStarted = 1;
        ui.smallMapValid = 0;
        DistanceCalculation();
        AnnounceTurn();
        return true;
    }
    return false;
}

} // namespace annals
