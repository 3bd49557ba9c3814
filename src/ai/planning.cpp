// The computer's once-a-turn look over its whole civilization: how threatened its cities are,
// where the next city goes and who founds it, escorts for the founder, what the cities build,
// the wagon trains' stone, raids and attacks on its enemies, and the settlers' work.
#include "ai/planning.h"

#include "ai/computer_player.h"
#include "ai/production_choice.h"
#include "ai/sea_missions.h"
#include "economy/city.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/combat.h"
#include "units/movement.h"
#include "units/orders.h"
#include "world/setup.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace annals {

namespace {

constexpr int kStoneworkScience = 1, kAgriculture = 6, kMining = 7, kTheWheel = 16;
constexpr int kStone = 7;
constexpr int kFirstWonderItem = 74;
constexpr int kStockade = 3, kFortress = 34;
constexpr int kStoneMission = 7000;
constexpr int kDespotism = 2, kMonarchy = 3;

constexpr double kArrivalWeight[6] = {0, 1.0, 0.8, 0.55, 0.3, 0.15};
constexpr double kForestFactor[6] = {1, 0.75, 0.8, 0.85, 0.9, 0.95};
constexpr int kSettlerBonus[11] = {0, 3, 6, 8, 10, 12, 14, 16, 18, 19, 20};
constexpr int kReserveByLevel[6] = {0, 10, 6, 2, 0, 0};

bool HoldsForeignUnits(const MapCell& cell, int civ) {
    return cell.unitCount > 0 && cell.unitOwner != 0 && cell.unitOwner != civ;
}

bool Knows(int civ, int science) {
    return Civ(civ).knows[science] != 0;
}

// A known distance: the tables hold -1 for the unreachable and the never computed.
bool Known(int d) {
    return d >= 0 && d < 1000;
}

// Routes the unit to (tx, ty); a target under its feet adds no step.
bool RouteTo(int civ, int slot, int tx, int ty) {
    UnitRecord& unit = Unit(civ, slot);
    if (unit.x == tx && unit.y == ty) {
        unit.pathLength = 0;
        unit.gotoX = unit.gotoY = 0;
        return true;
    }
    return FindPath(unit, kStoreRoute, civ, slot, tx, ty) && unit.pathLength > 0;
}

// Civilizations K is not at peace with; the natives only while their mood towards K is bad.
bool Hostile(int civ, int other) {
    if (other == civ || other < 1 || other > game.civCount) return false;
    const double relation = Civ(civ).relation[other];
    return relation <= 20;
}

// Units of a civilization hostile to `civ` next to (x, y) or on it.
bool HostileNear(int civ, int x, int y) {
    for (int cx = x - 1; cx <= x + 1; ++cx)
        for (int cy = y - 1; cy <= y + 1; ++cy) {
            if (!InsideMap(cx, cy)) continue;
            const MapCell& cell = Cell(cx, cy);
            if (HoldsForeignUnits(cell, civ) && Hostile(civ, cell.unitOwner)) return true;
        }
    return false;
}

int CitySizeSum(int civ) {
    int sum = 0;
    for (int c = 1; c <= Civ(civ).cityCount; ++c)
        sum += City(Civ(civ).cities[c].x, Civ(civ).cities[c].y).size;
    return sum;
}

int CityIndexAt(int civ, int x, int y) {
    const CivRecord& k = Civ(civ);
    for (int c = 1; c <= k.cityCount; ++c)
        if (k.cities[c].x == x && k.cities[c].y == y) return c;
    return 0;
}

bool InThreatenedCity(int civ, const UnitRecord& unit, const ThreatAssessment& threats) {
    const int c = CityIndexAt(civ, unit.x, unit.y);
    return c != 0 && threats.threatened[c];
}

// Step 1: cells whose units cannot defend themselves are open to the computers' routes.
void MarkUndefended(int civ) {
    const bool natives = IsNatives(civ);
    for (int x = 1; x <= game.mapWidth; ++x)
        for (int y = 1; y <= game.mapHeight; ++y) {
            MapCell& cell = Cell(x, y);
            if (natives) {
                cell.undefended = 0;
                continue;
            }
            bool defended = false;
            for (int i = 1; i <= cell.unitCount && !defended; ++i)
                defended = UnitDefence(cell.unitOwner, cell.unitList[i]) > 0;
            cell.undefended = defended ? 0 : 1;
        }
}

// Step 3: the best site, the founder and the journey.
// Returns false when the civilization has no land left that it would settle.
bool Expand(int civ, const ThreatAssessment& threats) {
    CivRecord& k = Civ(civ);
    if (IsNatives(civ) || k.citiesFounded >= 6) return false;
    if (k.referenceUnit != 0) return true;
    bool grownCity = false, anySafe = k.cityCount == 0, settler = false;
    for (int c = 1; c <= k.cityCount; ++c) {
        if (City(k.cities[c].x, k.cities[c].y).size >= 2) grownCity = true;
        if (!threats.threatened[c]) anySafe = true;
    }
    for (int s = 1; s <= k.unitCount && !settler; ++s) settler = Unit(civ, s).type == kSettler;
    if (!(grownCity || settler) || !anySafe) return true;

    double best = 0;
    int sx = 0, sy = 0;
    for (int x = 3; x <= game.mapWidth - 2; ++x)
        for (int y = 3; y <= game.mapHeight - 2; ++y) {
            if (!SiteCandidate(civ, x, y)) continue;
            const double score = SiteScore(civ, x, y);
            if (score > best) {
                best = score;
                sx = x;
                sy = y;
            }
        }
    if (sx == 0) return false;

    const FounderChoice founder = ChooseFounder(civ, sx, sy, threats);
    if (founder.city == 0 && founder.settler == 0) return true;
    if (!FoundingGateOpen(civ, founder.distance)) return true;

    int slot = founder.settler;
    if (founder.city != 0) {
        const CityRef at = k.cities[founder.city];
        const int before = k.unitCount;
        ReleaseSettler(at.x, at.y);
        // Only a Settler the city really gave goes; a city that could not give one sends nobody.
        if (k.unitCount != before + 1 || Unit(civ, k.unitCount).type != kSettler) return true;
        slot = k.unitCount;
    }
    k.referenceUnit = static_cast<uint8_t>(slot);
    UnitRecord& unit = Unit(civ, slot);
    unit.order = 0;
    if (!RouteTo(civ, slot, sx, sy) && !(unit.x == sx && unit.y == sy)) k.referenceUnit = 0;
    return true;
}

// Step 4: defenders follow the founder to the site.
void SendEscorts(int civ, const ThreatAssessment& threats) {
    CivRecord& k = Civ(civ);
    if (k.referenceUnit == 0 || k.referenceUnit > k.unitCount) return;
    const UnitRecord& founder = Unit(civ, k.referenceUnit);
    int defenders = 0;
    for (int s = 1; s <= k.unitCount; ++s)
        if (UnitDefence(civ, s) > 0) ++defenders;
    int quota = defenders / (k.cityCount + 1);
    const int tx = founder.gotoX, ty = founder.gotoY;
    const bool target = InsideMap(tx, ty);
    for (int s = 1; s <= k.unitCount; ++s) {
        UnitRecord& unit = Unit(civ, s);
        if (unit.missionFlags[4] != 1) continue;
        if (target) RouteTo(civ, s, tx, ty);
        quota = std::max(quota - 1, 0);
    }
    if (quota <= 0 || !target) return;
    for (int c = 1; c <= k.cityCount && quota > 0; ++c) {
        if (threats.threatened[c]) continue;
        const CityRef at = k.cities[c];
        if (!Known(roadDistance(at.x, at.y, tx, ty))) continue;
        const MapCell& square = Cell(at.x, at.y);
        if (square.unitOwner != civ) continue;
        double bestValue = 0, before = 0;
        int candidate = 0;
        for (int i = 1; i <= square.unitCount; ++i) {
            const int s = square.unitList[i];
            const UnitRecord& unit = Unit(civ, s);
            if (unit.type == kSettler || unit.type == kWagonTrain || IsShip(unit.type) || IsAir(unit.type) ||
                unit.missionFlags[4] == 1 || unit.gotoX != 0)
                continue;
            const double v = std::min(UnitDefence(civ, s), 2.0) / std::max(UnitTypeMoves(unit.type), 1);
            if (v >= bestValue) {
                before = bestValue;
                bestValue = v;
                candidate = s;
            }
        }
        if (candidate == 0 || before <= 0) continue;
        if (RouteTo(civ, candidate, tx, ty)) {
            Unit(civ, candidate).missionFlags[4] = 1;
            quota -= 1;
        }
    }
}

// Step 6: wagon trains carry stone to the cities that need it most.
void HaulStone(int civ) {
    CivRecord& k = Civ(civ);
    for (int s = 1; s <= k.unitCount; ++s) {
        UnitRecord& wagon = Unit(civ, s);
        if (wagon.type != kWagonTrain || wagon.jobTimer != 0 || !InsideMap(wagon.x, wagon.y)) continue;
        const int cargo = wagon.cargo[1];
        const bool stone = cargo > kStoneMission && cargo < kStoneMission + 1000;
        if (cargo != 0 && !stone) continue;
        double best = stone ? 0 : 0.5;
        int chosen = 0;
        for (int c = 1; c <= k.cityCount; ++c) {
            const CityRef at = k.cities[c];
            const CityData& city = City(at.x, at.y);
            const int d = roadDistance(at.x, at.y, wagon.x, wagon.y);
            if (!Known(d)) continue;
            const bool wonder = city.buildItem >= kFirstWonderItem;
            double value;
            if (stone) {
                const double fill = city.stock[kStone] / 20.0;
                value = 1 / (fill * fill + std::max(3, static_cast<int>(city.production[kStone]))) /
                        (3.0 * city.buildingCount + d + 48);
                if (wonder) value *= 2;
            } else {
                if (wagon.blockedTargets[at.x][at.y] || city.deliveryTimer != 0 || city.stock[kStone] < 71)
                    continue;
                value = (wonder ? std::max(city.stock[kStone] - 40, 0) : city.stock[kStone]) / (d + 12.0);
            }
            if (value <= best) continue;
            if (!(wagon.x == at.x && wagon.y == at.y) && !FindPath(wagon, kTestRoute, civ, s, at.x, at.y))
                continue;
            best = value;
            chosen = c;
        }
        if (chosen == 0) continue;
        const CityRef at = k.cities[chosen];
        CityData& city = City(at.x, at.y);
        if (wagon.x != at.x || wagon.y != at.y) {
            if (RouteTo(civ, s, at.x, at.y)) wagon.jobTimer = kStoneMission + chosen;
            continue;
        }
        if (stone) {
            const int amount = cargo - kStoneMission;
            city.stock[kStone] += amount;
            if (city.stock[kStone] > city.storageCapacity) {
                wagon.cargo[1] = kStoneMission + (city.stock[kStone] - city.storageCapacity);
                city.stock[kStone] = city.storageCapacity;
            } else {
                wagon.cargo[1] = 0;
            }
            city.deliveryTimer = 2;
        } else {
            const int amount = Round(std::min(100.0, static_cast<double>(city.stock[kStone])));
            if (amount <= 0) continue;
            wagon.cargo[1] = kStoneMission + amount;
            city.stock[kStone] -= amount;
        }
    }
}

// Units of `civ` that are heading for a city of `target`.
int HeadingFor(int civ, int target) {
    int n = 0;
    for (int s = 1; s <= Civ(civ).unitCount; ++s) {
        const UnitRecord& unit = Unit(civ, s);
        if (!InsideMap(unit.gotoX, unit.gotoY)) continue;
        const MapCell& cell = Cell(unit.gotoX, unit.gotoY);
        if (cell.hasCity && cell.owner == target) ++n;
    }
    return n;
}

bool FreeFighter(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    if (unit.type == kSettler || unit.type == kWagonTrain || IsShip(unit.type) || IsAir(unit.type))
        return false;
    if (unit.gotoX != 0 || unit.jobTimer != 0 || unit.missionFlags[4] == 1) return false;
    return UnitAttack(civ, slot) > 0;
}

// Step 7: the natives send what their villages can spare against those they hate.
void NativeRaids(int civ) {
    CivRecord& k = Civ(civ);
    if (k.cityCount == 0 || k.unitCount <= 2 * k.cityCount) return;
    // A real share: with many civilizations it is below one, and then one unit may still go.
    const double limit = k.unitCount / (2.0 * std::max<int>(game.civCount, 1));
    for (int e = 1; e <= game.civCount; ++e) {
        if (e == civ || Civ(e).cityCount == 0) continue;
        const double relation = k.relation[e];
        if (relation == 0 || relation > 18) continue;
        if (relation == 18 && NextRoll(civ) >= 11) continue;
        int heading = HeadingFor(civ, e);
        for (int v = 1; v <= k.cityCount && heading < limit; ++v) {
            const CityRef village = k.cities[v];
            const MapCell& square = Cell(village.x, village.y);
            if (square.unitOwner != civ || square.unitCount <= 2) continue;
            // The nearest city of the enemy that the village's people can walk to.
            int tx = 0, ty = 0, nearest = 1000;
            for (int c = 1; c <= Civ(e).cityCount; ++c) {
                const CityRef at = Civ(e).cities[c];
                const int d = roadDistance(village.x, village.y, at.x, at.y);
                if (Known(d) && d < nearest) {
                    nearest = d;
                    tx = at.x;
                    ty = at.y;
                }
            }
            if (tx == 0) continue;
            int spare = square.unitCount - 2;
            for (int i = square.unitCount; i >= 1 && spare > 0 && heading < limit; --i) {
                const int s = square.unitList[i];
                if (!FreeFighter(civ, s)) continue;
                Unit(civ, s).missionFlags[3] = 1;
                if (RouteTo(civ, s, tx, ty)) {
                    ++heading;
                    --spare;
                    ++TheSeaTally().nativeRaiders;
                } else {
                    Unit(civ, s).missionFlags[3] = 0;
                }
            }
        }
    }
}

// The cell beside a city of `other` that a scout of `civ` heads for.
bool ScoutTarget(const UnitRecord& unit, int other) {
    if (!InsideMap(unit.gotoX, unit.gotoY)) return false;
    for (int c = 1; c <= Civ(other).cityCount; ++c) {
        const CityRef at = Civ(other).cities[c];
        if (std::abs(at.x - unit.gotoX) <= 1 && std::abs(at.y - unit.gotoY) <= 1) return true;
    }
    return false;
}

// A civilization that has not met a neighbour it could walk to sends one scout to stand
// beside that neighbour's nearest city, where the two meet.
void SeekNeighbours(int civ) {
    const CivRecord& k = Civ(civ);
    for (int e = 1; e <= game.civCount; ++e) {
        if (e == civ || IsNatives(e) || k.relation[e] != 0 || Civ(e).cityCount == 0) continue;
        bool underway = false;
        for (int s = 1; s <= k.unitCount && !underway; ++s) underway = ScoutTarget(Unit(civ, s), e);
        if (underway) continue;
        // The scout comes from a city with soldiers to spare; the quickest of them goes.
        int slot = 0, bestMoves = 0, tx = 0, ty = 0, nearest = 1000;
        for (int c = 1; c <= k.cityCount; ++c) {
            const CityRef from = k.cities[c];
            const MapCell& square = Cell(from.x, from.y);
            if (square.unitOwner != civ || square.unitCount <= 2) continue;
            for (int j = 1; j <= Civ(e).cityCount; ++j) {
                const CityRef at = Civ(e).cities[j];
                for (int x = at.x - 1; x <= at.x + 1; ++x)
                    for (int y = at.y - 1; y <= at.y + 1; ++y) {
                        if (!InsideMap(x, y) || Cell(x, y).terrain == kSea || Cell(x, y).unitCount > 0)
                            continue;
                        const int d = roadDistance(from.x, from.y, x, y);
                        if (!Known(d) || d >= nearest) continue;
                        int candidate = 0, moves = 0;
                        for (int i = 1; i <= square.unitCount; ++i) {
                            const int u = square.unitList[i];
                            if (!FreeFighter(civ, u) || IsBombard(Unit(civ, u).type)) continue;
                            if (UnitTypeMoves(Unit(civ, u).type) > moves) {
                                moves = UnitTypeMoves(Unit(civ, u).type);
                                candidate = u;
                            }
                        }
                        if (candidate == 0) continue;
                        nearest = d;
                        slot = candidate;
                        bestMoves = moves;
                        tx = x;
                        ty = y;
                    }
            }
        }
        if (slot != 0 && bestMoves > 0) RouteTo(civ, slot, tx, ty);
    }
}

// Soldiers left standing out in the field with nothing to do go home.
void ReturnStrays(int civ) {
    const CivRecord& k = Civ(civ);
    if (k.cityCount == 0) return;
    for (int s = 1; s <= k.unitCount; ++s) {
        UnitRecord& unit = Unit(civ, s);
        if (unit.type == kSettler || unit.type == kWagonTrain || IsShip(unit.type) || IsAir(unit.type))
            continue;
        if (unit.gotoX != 0 || unit.pathLength != 0 || unit.missionFlags[4] == 1 ||
            !InsideMap(unit.x, unit.y))
            continue;
        const MapCell& cell = Cell(unit.x, unit.y);
        if (cell.hasCity || cell.terrain == kSea) continue;
        GoHome(unit, civ, s);
    }
}

double WallWeight(const CityData& city) {
    return city.buildings[kFortress] ? 1.3 : city.buildings[kStockade] ? 0.9 : 0.5;
}

// The defence of an enemy city: its garrison behind its walls and whoever can come to help.
double CityDefenceStrength(int owner, int x, int y) {
    const MapCell& square = Cell(x, y);
    const double walls = WallWeight(square);
    double d = 0;
    for (int i = 1; i <= square.unitCount; ++i) {
        const int s = square.unitList[i];
        if (square.unitOwner != owner) continue;
        d += (UnitDefence(owner, s) + walls) * Unit(owner, s).lives;
    }
    for (int s = 1; s <= Civ(owner).unitCount; ++s) {
        const UnitRecord& unit = Unit(owner, s);
        if (unit.x == x && unit.y == y) continue;
        const int dist = roadDistance(unit.x, unit.y, x, y);
        if (TurnsToCover(dist, UnitTypeMoves(unit.type)) > 1) continue;
        d += UnitDefence(owner, s) * unit.lives / 2;
    }
    return d;
}

// Step 7: the cities' spare soldiers help a threatened city, and strong stacks march on an
// enemy city they can take.
void MilitaryMissions(int civ, const ThreatAssessment& threats) {
    CivRecord& k = Civ(civ);
    if (k.cityCount == 0) return;
    // Defence: a threatened city calls the spare soldiers of the other cities within two turns.
    for (int c = 1; c <= k.cityCount; ++c) {
        if (!threats.threatened[c]) continue;
        const CityRef target = k.cities[c];
        for (int o = 1; o <= k.cityCount; ++o) {
            if (o == c || threats.threatened[o]) continue;
            const CityRef from = k.cities[o];
            const MapCell& square = Cell(from.x, from.y);
            if (square.unitOwner != civ || square.unitCount <= 2) continue;
            for (int i = square.unitCount; i >= 1; --i) {
                const int s = square.unitList[i];
                const UnitRecord& unit = Unit(civ, s);
                if (!FreeFighter(civ, s) || UnitDefence(civ, s) <= 0) continue;
                const int d = roadDistance(from.x, from.y, target.x, target.y);
                if (TurnsToCover(d, UnitTypeMoves(unit.type)) > 2) break;
                RouteTo(civ, s, target.x, target.y);
                break;
            }
        }
    }

    SeekNeighbours(civ);
    ReturnStrays(civ);

    // Attack: the spare soldiers of a city (two stay) go together against the weakest enemy
    // city within eight turns when they outweigh its defence. A peace is never broken here.
    for (int c = 1; c <= k.cityCount; ++c) {
        if (threats.threatened[c]) continue;
        const CityRef from = k.cities[c];
        const MapCell& square = Cell(from.x, from.y);
        if (square.unitOwner != civ || square.unitCount <= 3) continue;
        int group[kMaxCellUnits + 1];
        int members = 0;
        double attack = 0, guns = 0;
        int kept = 0;
        for (int i = 1; i <= square.unitCount; ++i) {
            const int s = square.unitList[i];
            if (!FreeFighter(civ, s)) continue;
            const UnitRecord& unit = Unit(civ, s);
            // The two best defenders stay at home.
            if (kept < 2 && UnitDefence(civ, s) >= UnitAttack(civ, s)) {
                ++kept;
                continue;
            }
            group[members++] = s;
            if (IsBombard(unit.type))
                guns += UnitAttack(civ, s) * unit.lives / 2;
            else
                attack += (UnitAttack(civ, s) + UnitDefence(civ, s) / 2) * unit.lives / 2;
        }
        if (members < 2 || kept < 2) continue;
        double bestRatio = 0;
        int tx = 0, ty = 0;
        for (int e = 1; e <= game.civCount; ++e) {
            if (e == civ || IsNatives(e)) continue;
            const double relation = k.relation[e];
            if (relation == 0) continue;
            if (relation > 20) continue;
            for (int j = 1; j <= Civ(e).cityCount; ++j) {
                const CityRef at = Civ(e).cities[j];
                const int d = roadDistance(from.x, from.y, at.x, at.y);
                if (!Known(d) || TurnsToCover(d, 1) > 8) continue;
                const double defence = CityDefenceStrength(e, at.x, at.y);
                const double ratio = (attack + guns) / (defence + 1);
                if (ratio >= 1.5 && ratio > bestRatio) {
                    bestRatio = ratio;
                    tx = at.x;
                    ty = at.y;
                }
            }
        }
        if (tx == 0) continue;
        for (int m = 0; m < members; ++m) {
            UnitRecord& unit = Unit(civ, group[m]);
            unit.missionFlags[2] = 1;
            unit.missionFlags[3] = 1;
            if (!RouteTo(civ, group[m], tx, ty)) unit.missionFlags[2] = unit.missionFlags[3] = 0;
        }
    }
}

// Step 8: which city gives a citizen to go to work, when no settler is free.
int SupplyingCity(int civ, const ThreatAssessment& threats) {
    const CivRecord& k = Civ(civ);
    if (k.unitCount >= kMaxUnits) return 0;
    int best = 0, bestSize = 2;
    for (int c = 1; c <= k.cityCount; ++c) {
        const CityData& city = City(k.cities[c].x, k.cities[c].y);
        if (threats.threatened[c] || city.settlerReleased) continue;
        if (city.size > bestSize) {
            bestSize = city.size;
            best = c;
        }
    }
    return best;
}

bool SettlerAvailable(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    return unit.type == kSettler && slot != Civ(civ).referenceUnit && unit.order == 0 && unit.jobTimer == 0 &&
           InsideMap(unit.x, unit.y) && Cell(unit.x, unit.y).terrain != kSea;
}

// A settler of `civ` is already working on the cell or going there to work.
bool CellTaken(int civ, int x, int y) {
    for (int s = 1; s <= Civ(civ).unitCount; ++s) {
        const UnitRecord& unit = Unit(civ, s);
        if (unit.type != kSettler) continue;
        if (unit.x == x && unit.y == y && unit.jobTimer != 0) return true;
        if (unit.gotoX == x && unit.gotoY == y && unit.order != 0) return true;
    }
    return false;
}

void SettlersWork(int civ, const ThreatAssessment& threats) {
    CivRecord& k = Civ(civ);
    if (!Knows(civ, kAgriculture) && !Knows(civ, kMining) && !Knows(civ, kStoneworkScience)) return;
    if (k.citiesFounded < 3) return;
    const double threshold = SettlerWorkThreshold(k.citiesFounded, k.gold);

    // The cells worth a look: every city's square of land and the exploration sites.
    static uint8_t seen[kMaxMapSize + 1][kMaxMapSize + 1];
    std::memset(seen, 0, sizeof seen);
    struct Spot {
        uint8_t x, y;
    };
    static Spot spots[kMaxMapSize * kMaxMapSize];
    int spotCount = 0;
    for (int c = 1; c <= k.cityCount; ++c)
        for (int x = k.cities[c].x - 2; x <= k.cities[c].x + 2; ++x)
            for (int y = k.cities[c].y - 2; y <= k.cities[c].y + 2; ++y)
                if (InsideMap(x, y) && !seen[x][y]) {
                    seen[x][y] = 1;
                    spots[spotCount++] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
                }
    for (int x = 1; x <= game.mapWidth; ++x)
        for (int y = 1; y <= game.mapHeight; ++y)
            if (Cell(x, y).site >= 1 && Cell(x, y).site <= 4 && !seen[x][y]) {
                seen[x][y] = 1;
                spots[spotCount++] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
            }

    for (int round = 0; round < kMaxUnits; ++round) {
        int settlers = 0, idle = 0;
        for (int s = 1; s <= k.unitCount; ++s) {
            if (Unit(civ, s).type != kSettler || s == k.referenceUnit) continue;
            ++settlers;
            if (SettlerAvailable(civ, s)) ++idle;
        }
        int supplier = 0;
        if (idle == 0) {
            const int wanted = Round(std::pow(std::max(k.cityCount - 2, 0), 0.695)) + k.citiesFounded / 6;
            if (settlers < wanted) supplier = SupplyingCity(civ, threats);
            if (supplier == 0) return;
        }

        double best = threshold;
        int bestSlot = -1, bestX = 0, bestY = 0, bestOrder = 0;
        for (int i = 0; i < spotCount; ++i) {
            const int x = spots[i].x, y = spots[i].y;
            if (CellTaken(civ, x, y) || HostileNear(civ, x, y)) continue;
            // The nearest settler that could go, one standing on the cell first.
            int slot = -1, distance = 100000;
            if (supplier != 0) {
                const CityRef at = k.cities[supplier];
                const int d = roadDistance(at.x, at.y, x, y);
                if (Known(d)) {
                    slot = 0;
                    distance = d;
                }
            } else {
                for (int s = 1; s <= k.unitCount; ++s) {
                    if (!SettlerAvailable(civ, s)) continue;
                    const UnitRecord& unit = Unit(civ, s);
                    if (unit.blockedTargets[x][y]) continue;
                    const int d = unit.x == x && unit.y == y ? 0 : roadDistance(unit.x, unit.y, x, y);
                    if (Known(d) && d < distance) {
                        distance = d;
                        slot = s;
                    }
                }
            }
            if (slot < 0) continue;
            const SettlerJob job = RateSettlerJob(civ, x, y, distance);
            if (job.order != 0 && job.rating > best) {
                best = job.rating;
                bestSlot = slot;
                bestX = x;
                bestY = y;
                bestOrder = job.order;
            }
        }
        if (bestSlot < 0) return;
        int slot = bestSlot;
        if (slot == 0) {
            const CityRef at = k.cities[supplier];
            const int before = k.unitCount;
            ReleaseSettler(at.x, at.y);
            if (k.unitCount != before + 1 || Unit(civ, k.unitCount).type != kSettler) return;
            City(at.x, at.y).settlerReleased = 1;
            slot = k.unitCount;
        }
        UnitRecord& unit = Unit(civ, slot);
        if (!(unit.x == bestX && unit.y == bestY) && !FindPath(unit, kTestRoute, civ, slot, bestX, bestY)) {
            unit.blockedTargets[bestX][bestY] = 1;
            continue;
        }
        if (!RouteTo(civ, slot, bestX, bestY) && !(unit.x == bestX && unit.y == bestY)) {
            unit.blockedTargets[bestX][bestY] = 1;
            continue;
        }
        unit.order = static_cast<uint8_t>(bestOrder);
    }
}

// The city of `civ` whose area holds (x, y), or null.
const CityData* AreaCity(int civ, int x, int y) {
    const CivRecord& k = Civ(civ);
    for (int c = 1; c <= k.cityCount; ++c) {
        const CityRef at = k.cities[c];
        if (std::abs(at.x - x) > 2 || std::abs(at.y - y) > 2) continue;
        const CityData& city = City(at.x, at.y);
        if (InCityArea(city, x, y)) return &city;
    }
    return nullptr;
}

// The cell lies on a short way between two of the civilization's cities.
bool BetweenCities(int civ, int x, int y) {
    const CivRecord& k = Civ(civ);
    auto chebyshev = [](int ax, int ay, int bx, int by) {
        return std::max(std::abs(ax - bx), std::abs(ay - by));
    };
    for (int a = 1; a <= k.cityCount; ++a)
        for (int b = a + 1; b <= k.cityCount; ++b) {
            const CityRef p = k.cities[a], q = k.cities[b];
            const int span = chebyshev(p.x, p.y, q.x, q.y);
            if (span > 8) continue;
            if (chebyshev(p.x, p.y, x, y) + chebyshev(x, y, q.x, q.y) == span) return true;
        }
    return false;
}

} // namespace

void AssessThreats(int civ, ThreatAssessment& out) {
    std::memset(&out, 0, sizeof out);
    const CivRecord& k = Civ(civ);
    for (int s = 1; s <= k.unitCount; ++s) {
        const UnitRecord& unit = Unit(civ, s);
        const double defence = UnitDefence(civ, s);
        if (defence <= 0 || !InsideMap(unit.x, unit.y)) continue;
        int c = 0;
        if (unit.gotoX == 0) {
            if (Cell(unit.x, unit.y).hasCity) c = CityIndexAt(civ, unit.x, unit.y);
        } else if (InsideMap(unit.gotoX, unit.gotoY) && Cell(unit.gotoX, unit.gotoY).hasCity) {
            const int d = roadDistance(unit.x, unit.y, unit.gotoX, unit.gotoY);
            if (d >= 0 && 3 * UnitTypeMoves(unit.type) >= d) c = CityIndexAt(civ, unit.gotoX, unit.gotoY);
        }
        if (c != 0) out.cityDefence[c] += Round(defence * unit.lives);
    }
    for (int e = 1; e <= game.civCount; ++e) {
        if (e == civ) continue;
        for (int s = 1; s <= Civ(e).unitCount; ++s) {
            const UnitRecord& unit = Unit(e, s);
            const int attack = UnitTypeAttack(unit.type);
            if (attack <= 0 || !InsideMap(unit.x, unit.y) || Cell(unit.x, unit.y).hasCity) continue;
            const double weight = attack * unit.lives * (IsBombard(unit.type) ? 2 : 1);
            for (int c = 1; c <= k.cityCount; ++c) {
                const int d = roadDistance(k.cities[c].x, k.cities[c].y, unit.x, unit.y);
                const int t = std::min(TurnsToCover(d, UnitTypeMoves(unit.type)), 19);
                out.table[c][e][t] += weight;
            }
        }
    }
    const double limit = (k.citiesFounded + 1) * 0.5;
    for (int c = 1; c <= k.cityCount; ++c) {
        const double guard = 0.15 * out.cityDefence[c] * out.cityDefence[c] + 0.00001;
        for (int t = 1; t <= 5; ++t) {
            double most = 0;
            for (int e = 1; e <= game.civCount - 1; ++e) most = std::max(most, out.table[c][e][t]);
            out.table[c][0][t] = most;
            if (kArrivalWeight[t] * most / guard > limit) out.threatened[c] = true;
        }
    }
}

double SitePenalty(double d) {
    struct Piece {
        double from, base, slope;
    };
    static constexpr Piece kPieces[] = {{36, 579, 100}, {33, 369, 70}, {30, 237, 44}, {27, 153, 28},
                                        {24, 99, 18},   {21, 63, 12},  {18, 39, 8},   {15, 24, 5},
                                        {12, 15, 3},    {9, 9, 2}};
    for (const Piece& p : kPieces)
        if (d > p.from) return p.base + p.slope * (d - p.from);
    return d;
}

bool SiteCandidate(int civ, int x, int y) {
    if (x < 3 || y < 3 || x > game.mapWidth - 2 || y > game.mapHeight - 2) return false;
    const MapCell& cell = Cell(x, y);
    if (cell.terrain == kSea || cell.hill || cell.cornfield || !NearCityFree(x, y)) return false;
    if (cell.forest && !Knows(civ, kAgriculture)) return false;
    const int founded = Civ(civ).citiesFounded;
    const int r = founded <= 1 ? 2 : founded == 2 ? 1 : founded <= 4 ? 0 : -1;
    for (int cx = x - r; cx <= x + r; ++cx)
        for (int cy = y - r; cy <= y + r; ++cy) {
            if (!InsideMap(cx, cy)) continue;
            const MapCell& near = Cell(cx, cy);
            if (near.unitCount == 0 || near.unitOwner == 0 || IsNatives(near.unitOwner)) continue;
            for (int i = 1; i <= near.unitCount; ++i)
                if (Unit(near.unitOwner, near.unitList[i]).type != kSettler) return false;
        }
    return true;
}

double SiteScore(int civ, int x, int y) {
    const CivRecord& k = Civ(civ);
    game.siteX = static_cast<uint8_t>(x);
    game.siteY = static_cast<uint8_t>(y);
    double proximity = 1;
    if (k.cityCount > 0) {
        const double e =
            80.0 / ((game.mapWidth * game.mapHeight / std::max<int>(game.civCount, 1) + 300) * 0.5);
        double sum = 0, most = 0;
        bool reached = false;
        for (int c = 1; c <= k.cityCount; ++c) {
            const CityRef at = k.cities[c];
            if (roadDistance(at.x, at.y, x, y) < 0) continue;
            const int steps = stepDistance(at.x, at.y, x, y);
            if (steps < 0) continue;
            reached = true;
            const double v = 1 / std::pow(SitePenalty(std::max(6, steps - 6)), e);
            sum += v;
            most = std::max(most, v);
        }
        // A site no city reaches is no site.
        if (!reached) return 0;
        proximity = (sum / k.cityCount + 0.33 * most) / 1.33;
    }
    const MapCell& cell = Cell(x, y);
    const int founded = std::clamp<int>(k.citiesFounded, 1, 5);
    return proximity * SiteQuality(2, x, y) * (cell.forest ? kForestFactor[founded] : 1);
}

FounderChoice ChooseFounder(int civ, int sx, int sy, const ThreatAssessment& threats) {
    const CivRecord& k = Civ(civ);
    FounderChoice choice;
    double best = 0;
    if (k.unitCount < kMaxUnits) {
        for (int c = 1; c <= k.cityCount; ++c) {
            const CityRef at = k.cities[c];
            const CityData& city = City(at.x, at.y);
            const int d = roadDistance(at.x, at.y, sx, sy);
            if (threats.threatened[c] || city.size < 2 || d < 0) continue;
            bool eligible = Cell(at.x, at.y).unitCount >= 2 || k.cityCount < 2;
            if (!eligible) {
                int enemies = 0, own = 0;
                for (int e = 1; e <= game.civCount; ++e) {
                    if (e != civ && IsNatives(e) && !(k.relation[e] > 0 && k.relation[e] < 22)) continue;
                    for (int s = 1; s <= Civ(e).unitCount; ++s) {
                        if (UnitAttack(e, s) == 0) continue;
                        const UnitRecord& unit = Unit(e, s);
                        const int turns =
                            TurnsToCover(roadDistance(unit.x, unit.y, at.x, at.y), UnitTypeMoves(unit.type));
                        if (e == civ && turns < 2) ++own;
                        if (e != civ && turns < 3) ++enemies;
                    }
                }
                eligible = enemies < own;
            }
            if (!eligible) continue;
            const double value = 1.0 / (d + 100);
            if (value > best) {
                best = value;
                choice = {c, 0, d};
            }
        }
    }

    int n = 0;
    for (int s = 1; s <= k.unitCount; ++s) {
        const UnitRecord& unit = Unit(civ, s);
        if (unit.type != kSettler || !InsideMap(unit.x, unit.y) || Cell(unit.x, unit.y).terrain == kSea)
            continue;
        if (InThreatenedCity(civ, unit, threats)) continue;
        ++n;
    }
    if (n == 0) return choice;
    int bonus;
    if (k.cityCount == 0) {
        bonus = kSettlerBonus[10];
    } else {
        const int r = Round(10.0 * n / k.cityCount);
        bonus = r <= 10 ? kSettlerBonus[r] : Round(10.0 * k.cityCount / n) + 10;
    }
    if (!Knows(civ, kAgriculture) && k.research != kAgriculture) bonus += 12;
    if (n == 1) bonus = Round(bonus / 2.0);
    for (int s = 1; s <= k.unitCount; ++s) {
        const UnitRecord& unit = Unit(civ, s);
        if (unit.type != kSettler || unit.order != 0 || unit.jobTimer != 0) continue;
        if (!InsideMap(unit.x, unit.y) || Cell(unit.x, unit.y).terrain == kSea) continue;
        if (InThreatenedCity(civ, unit, threats) || unit.blockedTargets[sx][sy]) continue;
        const int d = unit.x == sx && unit.y == sy ? 0 : roadDistance(unit.x, unit.y, sx, sy);
        if (d < 0) continue;
        const double value = 1.0 / std::max(d + 100.0 - bonus, 1.0);
        if (value > best) {
            best = value;
            choice = {0, s, d};
        }
    }
    return choice;
}

bool FoundingGateOpen(int civ, int distance) {
    const CivRecord& k = Civ(civ);
    double rate;
    if (k.government == kDespotism)
        rate = 0.09;
    else if (k.government == kMonarchy)
        rate = 0.04;
    else
        return false;
    const double reserve = 30 - k.gold + kReserveByLevel[std::clamp<int>(k.aiLevel, 0, 5)];
    const int sizes = CitySizeSum(civ);
    // Without cities nothing comes in: only a treasury that already pays lets the founder go.
    if (sizes == 0) return reserve <= 0;
    return distance >= 3 * Round(reserve / (rate * sizes));
}

double FoodNeed(const CityData& city) {
    double sum = 0;
    int cells = 0;
    for (int x = city.cityX - 2; x <= city.cityX + 2; ++x)
        for (int y = city.cityY - 2; y <= city.cityY + 2; ++y) {
            if (!InsideMap(x, y) || !InCityArea(city, x, y)) continue;
            sum += CellYield(Cell(x, y), 1, city);
            ++cells;
        }
    if (cells == 0) return 0;
    const int f = Round(10 * sum / cells);
    if (f < 21) return (31 - f) * 0.6 + 10;
    if (f <= 30) return (31 - f) * 0.4 + 6;
    if (f <= 40) return (41 - f) * 0.3 + 3;
    if (f <= 50) return (51 - f) * 0.2 + 1;
    if (f <= 60) return (61 - f) * 0.1;
    return 0;
}

double SettlerWorkThreshold(int citiesFounded, double gold) {
    static constexpr double kTable[3][5] = {
        {1.3, 1.1, 1.1, 0.6, 0.5}, {1.3, 0.9, 0.9, 0.6, 0.5}, {1.3, 0.7, 0.6, 0.6, 0.5}};
    const int row = citiesFounded <= 4 ? 0 : citiesFounded == 5 ? 1 : 2;
    const int g = Round(gold);
    const int column = g < 7 ? 0 : g <= 30 ? 1 : g <= 33 ? 2 : g <= 40 ? 3 : 4;
    return kTable[row][column];
}

SettlerJob RateSettlerJob(int civ, int x, int y, int distance) {
    SettlerJob job;
    if (!InsideMap(x, y) || distance < 0) return job;
    const CivRecord& k = Civ(civ);
    const MapCell& cell = Cell(x, y);
    if (cell.terrain == kSea || cell.hasCity) return job;
    const double nearness = 1 / (1 + distance / 12.0);
    auto consider = [&](int order, double rating) {
        rating *= nearness;
        if (rating > job.rating) job = {order, rating};
    };

    // A site to visit: gold, a science, or people who join.
    if (cell.site >= 1 && cell.site <= 4) consider(10, 2.0);

    const CityData* city = AreaCity(civ, x, y);
    if (city == nullptr) return job;
    const bool worked = city->Worked(x - city->cityX, y - city->cityY) != 0 &&
                        std::abs(x - city->cityX) <= 2 && std::abs(y - city->cityY) <= 2;

    if (Knows(civ, kAgriculture) && k.citiesFounded >= 4 && k.gold > 4 && !cell.hill && !cell.cornfield &&
        cell.terrain != kDesert) {
        const double need = FoodNeed(*city) / 10;
        if (cell.forest) {
            double land = cell.terrain == kSwamp       ? 0.5
                          : cell.terrain == kGrassland ? 2
                          : cell.terrain == kSavannah  ? 3
                          : cell.terrain == kPlain     ? 1.75
                                                       : 0;
            if (cell.river != 0) land += 1.25;
            if (cell.hiddenSpecial != 0) land += k.aiLevel >= 5 ? 1.25 : k.aiLevel == 4 ? 0.25 : 0;
            if (land > 0) consider(3, need * land);
        } else if (CellYield(cell, 1, *city) > 0 && cell.special != 6 && cell.special != 7 &&
                   cell.special != 8) {
            consider(3, need * (worked ? 1.5 : 1.0));
        }
    }
    if (Knows(civ, kTheWheel) && k.gold > 4 && !cell.road) {
        double value = 0.3;
        if (worked && cell.terrain != kDesert && !cell.cornfield) value += 0.6;
        if (BetweenCities(civ, x, y)) value += 0.8;
        if (cell.hill) value *= 0.8;
        consider(6, value);
    }
    if (Knows(civ, kMining) && k.gold > 4 && cell.hill && !cell.hillExamined) {
        double value = 0.9;
        if (k.aiLevel >= 5 && (cell.special == 11 || cell.special == 12)) value += 0.6;
        consider(5, value);
    }
    if (Knows(civ, kMining) && k.gold > 10 && !cell.mine && worked && !cell.cornfield &&
        city->WorkedProduct(x - city->cityX, y - city->cityY) == kStone)
        consider(8, 0.9);
    return job;
}

void PlanningPass(int civ) {
    if (civ < 1 || civ > game.civCount) return;
    CivRecord& k = Civ(civ);
    MarkUndefended(civ);
    k.turnMark = 1;

    static ThreatAssessment threats;
    AssessThreats(civ, threats);
    for (int c = 1; c <= k.cityCount; ++c)
        Cell(k.cities[c].x, k.cities[c].y).threatened = threats.threatened[c] ? 1 : 0;

    const bool landFull = !Expand(civ, threats);
    SendEscorts(civ, threats);
    ChooseCityBuildings(civ);
    HaulStone(civ);
    if (IsNatives(civ)) {
        NativeRaids(civ);
        ChooseVillageUnits(civ);
    } else {
        MilitaryMissions(civ, threats);
        static SeaPlan sea;
        SeaMissions(civ, landFull, sea);
        ChooseCityUnits(civ, &sea);
    }
    if (!IsNatives(civ)) SettlersWork(civ, threats);
}

} // namespace annals
