// What a computer unit does when its turn comes: the natives' hunt, the bombard units'
// and ships' targets, settlers founding and working, and stepping along stored routes.
#include "ai/computer_player.h"

#include "ai/planning.h"
#include "ai/sea_missions.h"
#include "state/numbers.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/orders.h"
#include "world/setup.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace annals {

namespace {

constexpr int kStockade = 3;
constexpr int kFortress = 34;

// Order codes of UnitActivity.
constexpr int kPass = 1, kFound = 2, kClearOrFarm = 3, kFortify = 11, kWaitKeepingMoves = 12;
constexpr int kExploring = 10;

bool HoldsForeignUnits(const MapCell& cell, int civ) {
    return cell.unitCount > 0 && cell.unitOwner != 0 && cell.unitOwner != civ;
}

// Units in the cell that can defend themselves.
int DefendersIn(const MapCell& cell) {
    int count = 0;
    for (int i = 1; i <= cell.unitCount; ++i)
        if (UnitDefence(cell.unitOwner, cell.unitList[i]) > 0) ++count;
    return count;
}

bool Near(int x, int y, int tx, int ty) {
    return std::abs(tx - x) < 2 && std::abs(ty - y) < 2;
}

void ClearRoute(UnitRecord& unit) {
    unit.pathLength = 0;
    unit.gotoX = unit.gotoY = 0;
}

// Routes to (tx, ty), or stands where it is when that is the unit's own cell.
void RouteTo(UnitRecord& unit, int civ, int slot, int tx, int ty) {
    if (unit.x == tx && unit.y == ty)
        ClearRoute(unit);
    else
        FindPath(unit, kStoreRoute, civ, slot, tx, ty);
}

bool HasCity(int civ) {
    return Civ(civ).cityCount > 0;
}

// The unit whose turn it is, still in its slot after an order.
struct Current {
    int civ, slot, count;
    bool Here() const {
        return game.currentCiv == civ && game.currentUnit == slot && Civ(civ).unitCount == count;
    }
    UnitRecord& unit() const { return Unit(civ, slot); }
};

// The natives go after the weakest prey within this turn's reach.
void NativesHunt(const Current& me) {
    UnitRecord& unit = me.unit();
    const bool inCity = Cell(unit.x, unit.y).hasCity != 0;
    double best = 0;
    for (int e = 1; e <= game.civCount - 1; ++e) {
        const double relation = Civ(me.civ).relation[e];
        if (relation == 0 || relation >= 18) continue;
        if (relation == 17 && Random(100) >= 26) continue;
        for (int s = 1; s <= Civ(e).unitCount; ++s) {
            const UnitRecord& prey = Unit(e, s);
            const double attack = UnitAttack(e, s), defence = UnitDefence(e, s);
            if (defence > attack) continue;
            const double score = (attack - defence) * 100 + Round(100 - relation);
            if (score < best) continue;
            const int d = roadDistance(unit.x, unit.y, prey.x, prey.y);
            if (d == -1 || unit.movesLeft < d) continue;
            if (attack == defence && inCity) continue;
            FindPath(unit, kStoreRoute, me.civ, me.slot, prey.x, prey.y);
            best = score;
        }
    }
}

// A bombard unit in a city shells the strongest enemy stack next to it.
void BombardFromCity(const Current& me) {
    UnitRecord& unit = me.unit();
    if (!IsBombard(unit.type) || !Cell(unit.x, unit.y).hasCity) return;
    double best = 0;
    int bestX = 0, bestY = 0;
    for (int x = unit.x - 1; x <= unit.x + 1; ++x)
        for (int y = unit.y - 1; y <= unit.y + 1; ++y) {
            if (!InsideMap(x, y)) continue;
            const MapCell& cell = Cell(x, y);
            if (!HoldsForeignUnits(cell, me.civ)) continue;
            const int e = cell.unitOwner;
            const double relation = Civ(me.civ).relation[e];
            if (relation == 0 || relation > 18) continue;
            double value = 0;
            for (int i = 1; i <= cell.unitCount; ++i) {
                const int s = cell.unitList[i];
                const int type = Unit(e, s).type;
                if (type == kSettler || type == kWagonTrain) continue;
                value += 2 + 0.47 * UnitAttack(e, s) + 0.38 * UnitDefence(e, s) + 0.15 * UnitMoves(e, s);
            }
            if (value > best) {
                best = value;
                bestX = x;
                bestY = y;
            }
        }
    if (best <= 0) return;
    unit.missionFlags[2] = 1;
    FindPath(unit, kStoreRoute, me.civ, me.slot, bestX, bestY);
}

// The worth of attacking the units in A from the sea cell next to it.
double SeaAttackValue(const MapCell& a) {
    const int owner = a.unitOwner;
    double value = a.hasCity && a.owner == owner ? 6 : 0;
    for (int i = 1; i <= a.unitCount; ++i) {
        const int s = a.unitList[i];
        const int type = Unit(owner, s).type;
        const double attack = UnitAttack(owner, s), defence = UnitDefence(owner, s);
        if (a.terrain == kSea)
            value += 5 * attack + defence;
        else if (IsBombard(type))
            value += 2 * (defence + 1 + 2 * attack + 1);
        else if (type != kSettler && type != kWagonTrain)
            value += attack + 1 + defence + 1;
    }
    return value;
}

// Warships look for something to shoot at within this turn's sailing, else for a coast to raid.
void ShipTargets(const Current& me) {
    UnitRecord& unit = me.unit();
    if (!IsShip(unit.type) || unit.type == kCaravel) return;
    // A ship serving a voyage keeps to it; one without guns only carries.
    if (unit.order == kFerryOrder || UnitTypeAttack(unit.type) == 0) return;
    const int m = UnitTypeMoves(unit.type);
    const bool port = Cell(unit.x, unit.y).terrain != kSea;
    // The sea cells around a port, x outer, y inner.
    std::vector<std::pair<int, int>> harbour;
    bool harbourBody[256] = {};
    if (port)
        for (int x = unit.x - 1; x <= unit.x + 1; ++x)
            for (int y = unit.y - 1; y <= unit.y + 1; ++y)
                if (InsideMap(x, y) && Cell(x, y).terrain == kSea) {
                    harbour.push_back({x, y});
                    harbourBody[Cell(x, y).seaBody] = true;
                }

    double best = 1;
    int tX = 0, tY = 0, aX = 0, aY = 0;
    for (int x = unit.x - (m - 1); x <= unit.x + (m - 1); ++x)
        for (int y = unit.y - (m - 1); y <= unit.y + (m - 1); ++y) {
            if (!InsideMap(x, y) || Cell(x, y).terrain != kSea) continue;
            const int d = roadDistance(unit.x, unit.y, x, y);
            if (TurnsToCover(d, m - 1) >= 2 && !(port && harbourBody[Cell(x, y).seaBody])) continue;
            for (int ax = x - 1; ax <= x + 1; ++ax)
                for (int ay = y - 1; ay <= y + 1; ++ay) {
                    if (!InsideMap(ax, ay)) continue;
                    const MapCell& a = Cell(ax, ay);
                    if (!HoldsForeignUnits(a, me.civ) || IsNatives(a.unitOwner)) continue;
                    double value = SeaAttackValue(a);
                    if (d != -1) value -= d / 1000.0;
                    if (value > best) {
                        best = value;
                        tX = x, tY = y, aX = ax, aY = ay;
                    }
                }
        }
    if (tX != 0) {
        unit.missionFlags[2] = 1;
        RouteTo(unit, me.civ, me.slot, tX, tY);
        unit.pendingDirection = static_cast<uint8_t>(DirectionOf(aX - tX, aY - tY));
        return;
    }

    // A guard stays with the carrier it guards.
    if (unit.order == kEscortOrder) return;

    // Coastal raid: one sea body at a time, the port's last sea cell first.
    std::vector<int> bodies;
    if (!port) bodies.push_back(Cell(unit.x, unit.y).seaBody);
    for (auto it = harbour.rbegin(); it != harbour.rend(); ++it) {
        const int body = Cell(it->first, it->second).seaBody;
        if (std::find(bodies.begin(), bodies.end(), body) == bodies.end()) bodies.push_back(body);
    }
    int wX = 0, wY = 0, cX = 0, cY = 0;
    for (const int body : bodies) {
        for (int e = 1; e <= game.civCount; ++e) {
            if (e == me.civ) continue;
            const double relation = Civ(me.civ).relation[e];
            if (IsNatives(e) && !(relation != 0 && relation < 17)) continue;
            double factor = 1;
            if (Civ(e).isComputer == 1 && Civ(e).aiLevel == 4) factor = 0.9;
            if (Civ(e).isComputer == 1 && Civ(e).aiLevel == 5) factor = 0.8;
            for (int k = 1; k <= Civ(e).cityCount; ++k) {
                const int cx = Civ(e).cities[k].x, cy = Civ(e).cities[k].y;
                const MapCell& city = Cell(cx, cy);
                double guns = 0;
                for (int i = 1; i <= city.unitCount; ++i) {
                    const int s = city.unitList[i];
                    const int type = Unit(city.unitOwner, s).type;
                    if (IsBombard(type) || IsShip(type)) guns += UnitAttack(city.unitOwner, s);
                }
                for (int x = cx - 1; x <= cx + 1; ++x)
                    for (int y = cy - 1; y <= cy + 1; ++y) {
                        if (!InsideMap(x, y) || Cell(x, y).terrain != kSea || Cell(x, y).seaBody != body)
                            continue;
                        const int d =
                            port ? roadDistance(cx, cy, unit.x, unit.y) : roadDistance(x, y, unit.x, unit.y);
                        // A coast the ship cannot reach is no target (and would give no number).
                        if (d < 0) continue;
                        const double value =
                            (100 - std::min(10 * guns, 9.0)) / std::pow(d + 0.00001, 0.25) * factor;
                        if (value > best) {
                            best = value;
                            wX = x, wY = y, cX = cx, cY = cy;
                        }
                    }
            }
        }
    }
    if (wX == 0) return;
    unit.missionFlags[3] = 1;
    RouteTo(unit, me.civ, me.slot, wX, wY);
    unit.pendingDirection = static_cast<uint8_t>(DirectionOf(cX - wX, cY - wY));
}

// A ship's last step after its route: into the city it raids or the units it attacks.
void TakePendingStep(UnitRecord& unit) {
    const int direction = unit.pendingDirection;
    unit.pendingDirection = 0;
    const int x = unit.x + directionDx(direction), y = unit.y + directionDy(direction);
    if (InsideMap(x, y)) {
        const MapCell& target = Cell(x, y);
        if (unit.missionFlags[3] == 1 && target.hasCity) ++TheSeaTally().coastalRaids;
        if (target.terrain == kSea && target.unitCount > 0 && target.unitOwner != game.currentCiv)
            ++TheSeaTally().seaBattles;
    }
    unit.missionFlags[2] = unit.missionFlags[3] = 0;
    UnitActivity(20 + direction);
}

// A bombard unit without a target of its own joins the stack nearest to its target.
void JoinStack(const Current& me) {
    UnitRecord& unit = me.unit();
    bool found = false;
    for (int minimum = 2; minimum >= 1 && !found; --minimum) {
        int limit = 1000;
        for (int q = 1; q <= Civ(me.civ).unitCount; ++q) {
            if (q == me.slot) continue;
            const UnitRecord& other = Unit(me.civ, q);
            if (DefendersIn(Cell(other.x, other.y)) < minimum || other.missionFlags[3] != 1) continue;
            if (roadDistance(unit.x, unit.y, other.gotoX, other.gotoY) == -1) continue;
            // A stack whose own way is unknown is not the nearest to anything.
            const int left = roadDistance(other.x, other.y, other.gotoX, other.gotoY);
            if (left < 0 || left >= limit) continue;
            if (!FindPath(unit, kTestRoute, me.civ, me.slot, other.x, other.y)) continue;
            if (game.lastRouteCost < 0 || game.lastRouteCost > unit.movesLeft + 2) continue;
            limit = left;
            found = true;
            const int gx = other.gotoX, gy = other.gotoY, ox = other.x, oy = other.y;
            if (Near(ox, oy, gx, gy) && Cell(gx, gy).unitCount > 0)
                RouteTo(unit, me.civ, me.slot, gx, gy);
            else
                RouteTo(unit, me.civ, me.slot, ox, oy);
        }
    }
    if (!found && unit.pathLength == 0) {
        GoHome(unit, me.civ, me.slot);
        return;
    }
    if (unit.gotoX != 0 && Near(unit.x, unit.y, unit.gotoX, unit.gotoY) &&
        HoldsForeignUnits(Cell(unit.gotoX, unit.gotoY), me.civ) && DefendersIn(Cell(unit.x, unit.y)) == 0)
        GoHome(unit, me.civ, me.slot);
}

// Whether a city may stand on (x, y) as far as the land goes.
bool BuildableLand(int x, int y) {
    if (x < 3 || y < 3 || x > game.mapWidth - 2 || y > game.mapHeight - 2) return false;
    const MapCell& cell = Cell(x, y);
    return cell.terrain != kSea && !cell.forest && !cell.hill && !cell.cornfield && NearCityFree(x, y);
}

// A founder that cannot build where it stands looks for the nearest land it may build on
// (the better site among equally near ones) and sets off; false when none is in reach.
bool SeekFirstSite(const Current& me) {
    UnitRecord& unit = me.unit();
    int bestX = 0, bestY = 0, bestD = 0;
    double bestQ = 0;
    for (int x = 3; x <= game.mapWidth - 2; ++x)
        for (int y = 3; y <= game.mapHeight - 2; ++y) {
            if ((x == unit.x && y == unit.y) || !BuildableLand(x, y) || unit.blockedTargets[x][y]) continue;
            const int d = stepDistance(unit.x, unit.y, x, y);
            if (d < 0 || (bestX != 0 && d > bestD)) continue;
            const double q = SiteQuality(3, x, y);
            if (bestX != 0 && d == bestD && q <= bestQ) continue;
            bestX = x, bestY = y, bestD = d, bestQ = q;
        }
    if (bestX == 0) return false;
    if (!FindPath(unit, kStoreRoute, me.civ, me.slot, bestX, bestY) || unit.pathLength == 0) return false;
    game.unitHandled = 1;
    return true;
}

// Decision for a unit that has no route.
void Standing(const Current& me) {
    UnitRecord& unit = me.unit();
    CivRecord& civ = Civ(me.civ);
    const int type = unit.type;
    if (type == kSettler) {
        const bool founder = civ.referenceUnit == me.slot;
        if (founder) {
            UnitActivity(kFound);
            if (!me.Here()) return;
            // A civilization without a city keeps its founder: it walks to the nearest place
            // it may build on, or waits there for the gold.
            if (civ.cityCount == 0 && civ.citiesFounded < 6) {
                if (civ.gold < 30 || !SeekFirstSite(me)) UnitActivity(kPass);
                return;
            }
            const bool siteGone = unit.gotoX == 0 || !NearCityFree(unit.gotoX, unit.gotoY);
            if (siteGone || (Cell(unit.x, unit.y).forest && !NearCityFree(unit.x, unit.y))) {
                civ.referenceUnit = 0;
                ClearRoute(unit);
                UnitActivity(kPass);
                return;
            }
            if (Cell(unit.x, unit.y).forest) {
                UnitActivity(kClearOrFarm);
                return;
            }
        }
        const int planned = unit.order;
        if (planned == 3 || planned == 5 || planned == 6 || planned == 8) {
            unit.order = 0;
            if (!UnitActivity(planned) && me.Here()) UnitActivity(kPass);
            return;
        }
        if (planned == kExploring) unit.order = 0;
        GoHome(unit, me.civ, me.slot);
        return;
    }
    if ((type >= kWarrior && type <= kCavalry) || type == kAxeman || type == kBerserk) {
        if (!game.secondPassStarted) {
            UnitActivity(kWaitKeepingMoves);
            return;
        }
        if (unit.movesLeft > 0) {
            for (int e = 1; e <= game.civCount; ++e) {
                if (e == me.civ || IsNatives(e)) continue;
                for (int s = 1; s <= Civ(e).unitCount; ++s) {
                    const UnitRecord& gun = Unit(e, s);
                    if (!IsBombard(gun.type)) continue;
                    const int d = roadDistance(unit.x, unit.y, gun.x, gun.y);
                    if (d == -1 || d > unit.movesLeft) continue;
                    RouteTo(unit, me.civ, me.slot, gun.x, gun.y);
                    // The unit goes on at once along its new route; without one it would
                    // be asked again and again.
                    if (unit.pathLength > 0) {
                        game.unitHandled = 1;
                        return;
                    }
                    UnitActivity(kPass);
                    return;
                }
            }
        }
        UnitActivity(kPass);
        return;
    }
    if (IsShip(type) && unit.pendingDirection != 0) {
        TakePendingStep(unit);
        return;
    }
    UnitActivity(kPass);
}

// A grouped unit next to a foreign city with a bombard unit beside it weighs whether the
// storm can succeed, or whether it should dig in and let the guns work first.
bool FortifiesBeforeSiege(const Current& me) {
    const UnitRecord& unit = me.unit();
    if (unit.missionFlags[3] != 1 || IsBombard(unit.type)) return false;
    const int gx = unit.gotoX, gy = unit.gotoY;
    if (!InsideMap(gx, gy)) return false;
    const MapCell& target = Cell(gx, gy);
    if (!target.hasCity || target.owner == me.civ) return false;
    const int d = roadDistance(unit.x, unit.y, gx, gy);
    if (d < 1 || d > 3 || !Near(unit.x, unit.y, gx, gy)) return false;
    const MapCell& here = Cell(unit.x, unit.y);
    bool gunHere = false;
    for (int i = 1; i <= here.unitCount; ++i)
        if (here.unitOwner == me.civ && IsBombard(Unit(me.civ, here.unitList[i]).type)) gunHere = true;
    if (!gunHere) return false;

    const double w = target.buildings[kFortress] ? 1.5 : (target.buildings[kStockade] ? 0.9 : 0.5);
    double defence = 0, enemyGuns = 0;
    for (int i = 1; i <= target.unitCount; ++i) {
        const int s = target.unitList[i];
        const UnitRecord& foe = Unit(target.unitOwner, s);
        const double def = UnitDefence(target.unitOwner, s);
        if (def > 0) defence += (def + w) * foe.lives;
        if (IsBombard(foe.type)) enemyGuns += UnitAttack(target.unitOwner, s);
    }
    if (target.unitCount < 2) defence -= 1.5;

    double attack = 0, guns = 0;
    for (int s = 1; s <= Civ(me.civ).unitCount; ++s) {
        const UnitRecord& other = Unit(me.civ, s);
        if (other.gotoX != gx || other.gotoY != gy) continue;
        const int left = roadDistance(other.x, other.y, gx, gy);
        if (left < 0 || other.movesLeft < left) continue;
        const double att = UnitAttack(me.civ, s);
        if (IsBombard(other.type))
            guns += att;
        else if (UnitDefence(me.civ, s) <= att || att >= 3)
            attack += att * other.lives;
    }
    if (defence < attack) return false;
    const double r = std::sqrt(defence + 1 - attack) + guns;
    const double att = UnitAttack(me.civ, me.slot), def = UnitDefence(me.civ, me.slot);
    return (r * 0.5 > enemyGuns && def > att - 2) || (r > enemyGuns && def > att - 1) ||
           (r * 1.5 > enemyGuns && def > att);
}

// Slow guards of an attack stop beside a defended target instead of storming it.
bool StopsBesideTarget(const Current& me) {
    const UnitRecord& unit = me.unit();
    if (unit.missionFlags[2] != 1 && unit.missionFlags[3] != 1) return false;
    if (unit.type != kPikeman && unit.type != kMameluke && unit.type != kDragoon) return false;
    if (!InsideMap(unit.gotoX, unit.gotoY) || !Near(unit.x, unit.y, unit.gotoX, unit.gotoY)) return false;
    const MapCell& target = Cell(unit.gotoX, unit.gotoY);
    for (int i = 1; i <= target.unitCount; ++i)
        if (UnitTypeDefence(Unit(target.unitOwner, target.unitList[i]).type) > 0) return true;
    return false;
}

// Decision for a unit with a route it follows.
void FollowRoute(const Current& me) {
    UnitRecord& unit = me.unit();
    CivRecord& civ = Civ(me.civ);
    if (FortifiesBeforeSiege(me)) {
        UnitActivity(kFortify);
        return;
    }
    if (civ.referenceUnit == me.slot &&
        (!InsideMap(unit.gotoX, unit.gotoY) || !NearCityFree(unit.gotoX, unit.gotoY) ||
         HoldsForeignUnits(Cell(unit.gotoX, unit.gotoY), me.civ))) {
        ClearRoute(unit);
        // The first founder looks for another place; later ones give the plan up.
        if (civ.cityCount == 0 && civ.citiesFounded == 0) {
            if (civ.gold < 30 || !SeekFirstSite(me)) UnitActivity(kPass);
            return;
        }
        civ.referenceUnit = 0;
        UnitActivity(kPass);
        return;
    }
    if (unit.movesLeft > 0 && (unit.jobTimer == 0 || unit.type == kWagonTrain)) {
        if (!FindPath(unit, kStoreRoute, me.civ, me.slot, unit.gotoX, unit.gotoY)) {
            if (!HasCity(me.civ)) {
                UnitActivity(kPass);
                return;
            }
            GoHome(unit, me.civ, me.slot);
            if (!me.Here()) return;
        }
    }

    for (int guard = 0; guard <= kPathSteps + 1; ++guard) {
        UnitRecord& u = me.unit();
        int sx = 0, sy = 0;
        if (u.movesLeft <= 0 || !NextStepCell(u, sx, sy)) break;
        if (StopsBesideTarget(me)) {
            UnitActivity(game.secondPassStarted ? kFortify : kWaitKeepingMoves);
            return;
        }
        const int x = u.x, y = u.y, moves = u.movesLeft;
        const uint8_t done = UnitActivity(20 + u.path[u.pathStep]);
        if (!me.Here() || ui.dialogCode != 0) return;
        if (!done) {
            // A refused step leaves the unit waiting.
            UnitActivity(kPass);
            return;
        }
        u.pathStep += 1;
        if (u.pathStep > u.pathLength) break;
        // A step that changed nothing would be tried for ever.
        if (u.x == x && u.y == y && u.movesLeft == moves) return;
    }

    UnitRecord& u = me.unit();
    int sx = 0, sy = 0;
    // Steps left that lead somewhere are taken next time; a route that leads nowhere is over.
    if (u.pathLength != 0 && u.pathStep <= u.pathLength && NextStepCell(u, sx, sy)) return;
    u.pathLength = 0;
    if (IsBombard(u.type) && u.movesLeft > 0 && AttackAdjacentCity(me.civ, me.slot)) {
        if (u.pathLength > 0) {
            const int direction = u.path[1];
            u.pathLength = 0;
            UnitActivity(20 + direction);
        }
        return;
    }
    if (IsShip(u.type) && u.pendingDirection != 0) TakePendingStep(u);
}

} // namespace

bool NextStepCell(const UnitRecord& unit, int& x, int& y) {
    if (unit.pathLength == 0 || unit.pathLength > kPathSteps || unit.pathStep < 1 ||
        unit.pathStep > unit.pathLength)
        return false;
    const int direction = unit.path[unit.pathStep];
    if (direction < 1 || direction > 9 || direction == 5) return false;
    x = unit.x + directionDx(direction);
    y = unit.y + directionDy(direction);
    return InsideMap(x, y);
}

int TurnsToCover(int d, int moves) {
    if (d < 0) return 999;
    // A unit without whole moves never covers any way at all.
    if (moves <= 0) return d == 0 ? 0 : 999;
    return (d + 3 * moves - 1) / (3 * moves);
}

bool AttackAdjacentCity(int civ, int slot) {
    if (civ < 1 || civ > game.civCount || slot < 1 || slot > Civ(civ).unitCount) return false;
    UnitRecord& unit = Unit(civ, slot);
    if (!InsideMap(unit.x, unit.y)) return false;
    const MapCell& here = Cell(unit.x, unit.y);
    if (!here.hasCity && DefendersIn(here) == 0) return false;
    for (int x = unit.x - 1; x <= unit.x + 1; ++x)
        for (int y = unit.y - 1; y <= unit.y + 1; ++y) {
            if (!InsideMap(x, y)) continue;
            const MapCell& cell = Cell(x, y);
            if (!cell.hasCity || cell.owner == civ || IsNatives(cell.owner)) continue;
            FindPath(unit, kStoreRoute, civ, slot, x, y);
            return true;
        }
    return false;
}

namespace {
void Decide(const Current& me);
} // namespace

void AI() {
    const int k = game.currentCiv;
    if (k < 1 || k > game.civCount || IsHuman(k)) return;
    CivRecord& civ = Civ(k);
    if (!civ.turnMark && civ.citiesFounded > 0) {
        PlanningPass(k);
        civ.turnMark = 1;
    }
    const int slot = game.currentUnit;
    if (slot < 1 || slot > civ.unitCount) return;
    const Current me{k, slot, civ.unitCount};
    UnitRecord& unit = me.unit();
    if (!InsideMap(unit.x, unit.y)) return;
    const int type = unit.type;
    // Before its first city a civilization always has a founder while it has a Settler.
    if (civ.citiesFounded == 0 && civ.cityCount == 0 && civ.referenceUnit == 0 && type == kSettler &&
        !IsNatives(k))
        civ.referenceUnit = static_cast<uint8_t>(slot);

    if (IsNatives(k)) NativesHunt(me);
    // Going aboard, waiting aboard, or going ashore.
    const bool aboard = unit.carrierLink > 0;
    if (!IsNatives(k) && SeaPassage(k, slot)) return;
    if (aboard) {
        Decide(me);
        const UnitRecord& landed = Unit(k, slot);
        if (Civ(k).unitCount == me.count && landed.carrierLink == 0 && InsideMap(landed.x, landed.y) &&
            Cell(landed.x, landed.y).terrain != kSea)
            ++TheSeaTally().landings;
        return;
    }
    Decide(me);
}

namespace {

// The numbered decisions for the current unit, after the natives' hunt and the sea passage.
void Decide(const Current& me) {
    const int k = me.civ, slot = me.slot;
    CivRecord& civ = Civ(k);
    UnitRecord& unit = me.unit();
    const int type = unit.type;
    BombardFromCity(me);
    ShipTargets(me);
    if (IsBombard(type) && unit.missionFlags[2] != 1) {
        if (!game.secondPassStarted) {
            UnitActivity(kWaitKeepingMoves);
            return;
        }
        if (!AttackAdjacentCity(k, slot)) JoinStack(me);
        if (!me.Here()) return;
    }

    // Computer units never walk into people they are friendly with.
    int nx = 0, ny = 0;
    if (unit.gotoX != 0 && NextStepCell(unit, nx, ny)) {
        const MapCell& next = Cell(nx, ny);
        if (next.unitCount > 0 && IsHuman(next.unitOwner) && civ.relation[next.unitOwner] > 25) {
            UnitActivity(kPass);
            return;
        }
    }

    if (unit.pathLength == 0) {
        Standing(me);
        return;
    }
    const bool targetHeld =
        InsideMap(unit.gotoX, unit.gotoY) && HoldsForeignUnits(Cell(unit.gotoX, unit.gotoY), k);
    if (IsShip(type) || unit.missionFlags[2] != 1 || unit.missionFlags[3] == 1 || targetHeld) {
        FollowRoute(me);
        return;
    }
    // An attacker whose target has gone holds the ground it reached.
    UnitActivity(kFortify);
}

} // namespace

bool ReachTest(int civ, int x, int y, int tx, int ty, int points) {
    if (!InsideMap(x, y) || !InsideMap(tx, ty)) return false;
    // best[x][y] holds the most points left on arriving there, plus 5 (0 = not reached).
    static int best[kMaxMapSize + 1][kMaxMapSize + 1];
    for (int cx = 1; cx <= game.mapWidth; ++cx)
        for (int cy = 1; cy <= game.mapHeight; ++cy) best[cx][cy] = 0;
    struct Visit {
        int x, y, points;
    };
    std::vector<Visit> stack{{x, y, points}};
    while (!stack.empty()) {
        const Visit v = stack.back();
        stack.pop_back();
        if (best[v.x][v.y] != 0 && best[v.x][v.y] >= v.points + 5) continue;
        best[v.x][v.y] = v.points + 5;
        if (v.points <= 0) continue;
        const MapCell& here = Cell(v.x, v.y);
        // The fill reaches the sea and foreign units but does not spread from them.
        if (here.terrain == kSea || (here.unitCount > 0 && here.unitOwner != civ)) continue;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const int nx = v.x + dx, ny = v.y + dy;
                if (!InsideMap(nx, ny)) continue;
                const int cost = here.road && Cell(nx, ny).road ? 1 : 3;
                const int left = v.points - cost;
                if (best[nx][ny] != 0 && best[nx][ny] >= left + 5) continue;
                stack.push_back({nx, ny, left});
            }
        }
    }
    return best[tx][ty] != 0;
}

} // namespace annals
