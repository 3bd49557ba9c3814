// Route search, the way home, and a person's units walking their routes.
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cstring>

namespace annals {

namespace {

constexpr int kSide = kMaxMapSize + 1;

// What a search lets the unit cross.
enum class Rules {
    Guarded,   // foreign units bar the way, unless they cannot defend themselves
    Unguarded, // foreign units are ignored
    Cautious,  // siege engines: no foreign units, no change of ground, nowhere an enemy reaches
};

struct Costs {
    int16_t at[kSide][kSide]; // -1 = unreached
};

struct Search {
    int civ, slot;
    const UnitRecord* unit;
    int tx, ty;
    Rules rules;
    bool ship, air, bombard;
    bool missionBound; // second or third mission byte: the siege engine is on its way to fight
};

bool HoldsForeignUnits(const MapCell& cell, int civ) {
    return cell.unitCount > 0 && cell.unitOwner != 0 && cell.unitOwner != civ;
}

// Cells within one turn's reach of an armed enemy, for a siege engine on a long march.
void MarkDanger(const Search& s, uint8_t danger[kSide][kSide]) {
    std::memset(danger, 0, sizeof(uint8_t) * kSide * kSide);
    const UnitRecord& unit = *s.unit;
    const int reach = 3 * std::max(UnitMoves(s.civ, s.slot), 1);
    const int toTarget = roadDistance(unit.x, unit.y, s.tx, s.ty);
    const bool far = toTarget < 0 || (toTarget + reach - 1) / reach > 1;
    if (!far || game.goHomeActive) return;
    const CivRecord& own = Civ(s.civ);
    for (int enemy = 1; enemy <= game.civCount; ++enemy) {
        if (enemy == s.civ) continue;
        const double relation = own.relation[enemy];
        if (relation > 22) continue;
        if (IsNatives(enemy) && relation != 0 && relation < 17) continue;
        for (int e = 1; e <= Civ(enemy).unitCount; ++e) {
            const UnitRecord& foe = Unit(enemy, e);
            if (IsBombard(foe.type) || IsShip(foe.type) || UnitAttack(enemy, e) <= 0) continue;
            const int foeReach = 3 * UnitMoves(enemy, e);
            for (int x = foe.x - 4; x <= foe.x + 4; ++x)
                for (int y = foe.y - 4; y <= foe.y + 4; ++y) {
                    if (!InsideMap(x, y)) continue;
                    const MapCell& cell = Cell(x, y);
                    if (cell.unitOwner == s.civ && cell.unitCount > 0) continue;
                    const int d = roadDistance(foe.x, foe.y, x, y);
                    if (d < 0 || d > (cell.road ? foeReach : foeReach + 2)) continue;
                    if (roadDistance(unit.x, unit.y, x, y) < reach) continue;
                    if (!(cell.hasCity && cell.owner == s.civ)) danger[x][y] = 1;
                }
        }
    }
}

void MarkPassable(const Search& s, uint8_t passable[kSide][kSide]) {
    static uint8_t danger[kSide][kSide];
    const bool cautious = s.rules == Rules::Cautious;
    if (cautious) MarkDanger(s, danger);
    for (int x = 1; x <= game.mapWidth; ++x)
        for (int y = 1; y <= game.mapHeight; ++y) {
            const MapCell& cell = Cell(x, y);
            const bool target = x == s.tx && y == s.ty;
            const bool foreign = HoldsForeignUnits(cell, s.civ);
            const bool sea = cell.terrain == kSea;
            bool open;
            if (cautious) {
                open = !danger[x][y] &&
                       (!foreign || s.missionBound || (target && cell.hasCity && IsNatives(cell.owner)));
            } else if (s.rules == Rules::Guarded && foreign && cell.undefended != 1 && !target) {
                open = false;
            } else if (s.ship) {
                open = sea;
            } else if (s.air) {
                open = true;
            } else {
                open = !sea || (target && foreign && s.bombard);
            }
            passable[x][y] = open ? 1 : 0;
        }
}

// Level by level: a cell of cost r passes r + 1 to road neighbours, a cell of cost r - 2
// passes r + 1 to any neighbour. Returns the target's cost, or -1.
int Expand(const Search& s, Costs& costs) {
    static uint8_t passable[kSide][kSide];
    static int16_t level[4][kMaxMapSize * kMaxMapSize][2];
    int count[4] = {};
    MarkPassable(s, passable);
    std::memset(costs.at, 0xff, sizeof costs.at);
    const UnitRecord& unit = *s.unit;
    costs.at[unit.x][unit.y] = 0;
    level[0][0][0] = unit.x;
    level[0][0][1] = unit.y;
    count[0] = 1;
    if (unit.x == s.tx && unit.y == s.ty) return 0;
    const bool sameGround = s.rules == Rules::Cautious;
    int quiet = 0;
    for (int r = 0; quiet < 4; ++r) {
        const int next = (r + 1) & 3;
        count[next] = 0;
        auto offer = [&](int hx, int hy, bool byRoad) {
            const MapCell& here = Cell(hx, hy);
            if (byRoad && (!here.road || s.air)) return;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const int nx = hx + dx, ny = hy + dy;
                    if ((dx == 0 && dy == 0) || !InsideMap(nx, ny) || costs.at[nx][ny] >= 0 ||
                        !passable[nx][ny])
                        continue;
                    const MapCell& there = Cell(nx, ny);
                    if (byRoad && !there.road) continue;
                    if (sameGround && (there.terrain == kSea) != (here.terrain == kSea)) continue;
                    costs.at[nx][ny] = static_cast<int16_t>(r + 1);
                    level[next][count[next]][0] = static_cast<int16_t>(nx);
                    level[next][count[next]][1] = static_cast<int16_t>(ny);
                    count[next] += 1;
                }
        };
        for (int i = 0; i < count[r & 3]; ++i) offer(level[r & 3][i][0], level[r & 3][i][1], true);
        if (r >= 2)
            for (int i = 0; i < count[(r - 2) & 3]; ++i)
                offer(level[(r - 2) & 3][i][0], level[(r - 2) & 3][i][1], false);
        if (costs.at[s.tx][s.ty] >= 0) return costs.at[s.tx][s.ty];
        quiet = count[next] == 0 ? quiet + 1 : 0;
    }
    return -1;
}

bool Offensive(int civ, int slot, int type) {
    const double attack = UnitAttack(civ, slot);
    return !IsNatives(civ) && attack > 0 && attack >= UnitDefence(civ, slot) - 1 && type != kDragoon &&
           type != kPikeman && type != kMameluke;
}

// A settler alone in its cell that an enemy can reach this turn.
bool SettlerInDanger(int civ, int slot, const UnitRecord& settler) {
    if (slot == Civ(civ).referenceUnit) return false;
    const MapCell& cell = Cell(settler.x, settler.y);
    for (int i = 1; i <= cell.unitCount; ++i)
        if (cell.unitOwner == civ && UnitDefence(civ, cell.unitList[i]) > 0) return false;
    for (int enemy = 1; enemy <= game.civCount; ++enemy) {
        if (enemy == civ || Civ(civ).relation[enemy] > 20) continue;
        for (int e = 1; e <= Civ(enemy).unitCount; ++e) {
            const UnitRecord& foe = Unit(enemy, e);
            const int d = roadDistance(foe.x, foe.y, settler.x, settler.y);
            if (d >= 0 && 3 * UnitMoves(enemy, e) >= d) return true;
        }
    }
    return false;
}

void ClearRoute(UnitRecord& unit) {
    unit.pathLength = 0;
    unit.gotoX = unit.gotoY = 0;
}

// Walks back from the target along falling costs and stores the route.
bool StoreRoute(UnitRecord& unit, const Costs& costs, int tx, int ty, bool air) {
    static uint8_t steps[kMaxMapSize * kMaxMapSize];
    int count = 0;
    int cx = tx, cy = ty;
    while (cx != unit.x || cy != unit.y) {
        const bool cRoad = Cell(cx, cy).road && !air;
        bool found = false;
        for (int px = cx - 1; px <= cx + 1 && !found; ++px)
            for (int py = cy - 1; py <= cy + 1 && !found; ++py) {
                if ((px == cx && py == cy) || !InsideMap(px, py) || costs.at[px][py] < 0) continue;
                const int fall = cRoad && Cell(px, py).road ? 1 : 3;
                if (costs.at[px][py] != costs.at[cx][cy] - fall) continue;
                steps[count++] = static_cast<uint8_t>(DirectionOf(cx - px, cy - py));
                cx = px;
                cy = py;
                found = true;
            }
        if (!found || count >= kMaxMapSize * kMaxMapSize) return false;
    }
    // A route longer than the record holds keeps its first steps; it is searched again later.
    const int length = std::min(count, kPathSteps);
    for (int i = 1; i <= length; ++i) unit.path[i] = steps[count - i];
    unit.pathLength = static_cast<uint8_t>(length);
    unit.pathStep = 1;
    unit.gotoX = static_cast<uint8_t>(tx);
    unit.gotoY = static_cast<uint8_t>(ty);
    return true;
}

// A computer's slow guard travelling with a group stops beside the enemy it escorts towards.
void StopBesideEnemy(UnitRecord& unit, int civ, int slot, int tx, int ty) {
    if (IsHuman(civ) || unit.missionFlags[3] != 1 || unit.missionFlags[2] != 0) return;
    const double attack = UnitAttack(civ, slot);
    if (!(UnitDefence(civ, slot) > attack && attack < 3)) return;
    const MapCell& cell = Cell(tx, ty);
    bool armed = false;
    for (int i = 1; i <= cell.unitCount; ++i) {
        const int type = Unit(cell.unitOwner, cell.unitList[i]).type;
        if (type != kSettler && type != kWagonTrain && !IsShip(type)) armed = true;
    }
    if (!armed || unit.pathLength == 0) return;
    unit.pathLength -= 1;
    if (unit.pathLength == 0) unit.gotoX = unit.gotoY = 0;
}

} // namespace

uint8_t FindPath(UnitRecord& unit, int mode, int civ, int slot, int tx, int ty) {
    game.lastRouteCost = -1;
    const bool store = mode == kStoreRoute;
    const int type = unit.type;
    Search s{civ,
             slot,
             &unit,
             tx,
             ty,
             Rules::Guarded,
             IsShip(type),
             IsAir(type),
             IsBombard(type),
             unit.missionFlags[2] == 1 || unit.missionFlags[3] == 1};
    static Costs guarded, unguarded;
    const Costs* costs = &guarded;
    int cost = -1;
    if (InsideMap(unit.x, unit.y) && InsideMap(tx, ty)) {
        const bool siege = (type == kCatapult || type == kCannon) && !IsHuman(civ);
        if (siege && !(store && s.missionBound)) {
            s.rules = Rules::Cautious;
            cost = Expand(s, guarded);
        } else {
            cost = Expand(s, guarded);
            if (cost <= 0 || Offensive(civ, slot, type)) {
                s.rules = Rules::Unguarded;
                const int direct = Expand(s, unguarded);
                if (cost <= 0 || cost >= Round(1.6 * direct) + 3) {
                    cost = direct;
                    costs = &unguarded;
                }
            }
        }
    }

    if (cost < 0) {
        const bool stubborn = type == kSettler || type == kWagonTrain;
        if (stubborn && !(type == kSettler && SettlerInDanger(civ, slot, unit))) {
            if (!store) return 0;
            if (InsideMap(tx, ty)) unit.blockedTargets[tx][ty] = 1;
            unit.order = 0;
            if (type == kWagonTrain) unit.jobTimer = 0;
            return 0;
        }
        if (type == kCatapult || type == kCannon) return 0;
        if (!store) return 1;
        if (tx == unit.x && ty == unit.y) ClearRoute(unit);
        return 0;
    }
    if (!store) {
        game.lastRouteCost = cost;
        return 1;
    }
    if (tx == unit.x && ty == unit.y) {
        ClearRoute(unit);
        return 1;
    }
    if (!StoreRoute(unit, *costs, tx, ty, s.air)) {
        ClearRoute(unit);
        return 0;
    }
    StopBesideEnemy(unit, civ, slot, tx, ty);
    return 1;
}

void GoHome(UnitRecord& unit, int civ, int slot) {
    unit.missionFlags[1] = unit.missionFlags[2] = unit.missionFlags[3] = 0;
    if (InsideMap(unit.x, unit.y) && Cell(unit.x, unit.y).hasCity && Cell(unit.x, unit.y).owner == civ) {
        // Already home: nothing to search, and nowhere nearer to go.
        ClearRoute(unit);
        return;
    }
    const CivRecord& owner = Civ(civ);
    int best = 1000;
    int home = 0;
    for (int c = 1; c <= owner.cityCount; ++c) {
        const CityRef city = owner.cities[c];
        const int d = roadDistance(unit.x, unit.y, city.x, city.y);
        if (d == -1 || d >= best) continue;
        home = c;
        if (FindPath(unit, kTestRoute, civ, slot, city.x, city.y)) best = d;
    }
    if (home == 0) {
        // Only the unit whose turn it is can be told to wait; another stays where it is.
        if (civ == game.currentCiv && slot == game.currentUnit) UnitActivity(1);
        return;
    }
    game.goHomeActive = 1;
    FindPath(unit, kStoreRoute, civ, slot, owner.cities[home].x, owner.cities[home].y);
    game.goHomeActive = 0;
}

RouteStep StepHumanRoute() {
    UnitRecord* start = CurrentUnitRecord();
    const int civ = game.currentCiv, slot = game.currentUnit;
    if (!start || !IsHuman(civ) || start->movesLeft < 1 || start->gotoX == 0) return RouteStep::Waiting;
    if (ui.dialogCode != 0 || ui.battleShown || ui.distanceBusy) return RouteStep::Waiting;
    // The route is searched again before every step, so it follows changes on the map.
    FindPath(*start, kStoreRoute, civ, slot, start->gotoX, start->gotoY);
    if (start->animDx != 0 || start->animDy != 0) return RouteStep::Waiting;
    for (int guard = 0; guard <= kPathSteps + 1; ++guard) {
        UnitRecord& unit = Unit(civ, slot);
        if (unit.animDx != 0 || unit.animDy != 0 || unit.movesLeft < 1 || unit.gotoX == 0) break;
        if (unit.pathStep < 1 || unit.pathStep > unit.pathLength) {
            // No route leads there any more: the unit stops rather than trying every frame.
            unit.gotoX = unit.gotoY = 0;
            unit.pathLength = 0;
            break;
        }
        const int units = Civ(civ).unitCount;
        const uint8_t moved = UnitActivity(20 + unit.path[unit.pathStep]);
        if (game.currentCiv != civ || game.currentUnit != slot || Civ(civ).unitCount < units) break;
        if (moved) unit.pathStep += 1;
        if (unit.pathStep > unit.pathLength) {
            unit.pathLength = 0;
            if (IsShip(unit.type) && unit.pendingDirection != 0) {
                const int direction = unit.pendingDirection;
                unit.pendingDirection = 0;
                UnitActivity(20 + direction);
                return RouteStep::EndFrame;
            }
            break;
        }
    }
    return RouteStep::Stepped;
}

} // namespace annals
