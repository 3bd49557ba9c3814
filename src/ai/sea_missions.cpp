// The computer at sea. A voyage has three parts: a carrier waits beside a port while the
// people step aboard, sails to a Sea cell beside the other shore, and there its people
// are given their targets and take their routes ashore. Everything is read again from the
// records every turn: the ship's order says it serves a voyage, its goto target is where
// it sails, and the people aboard are its cargo.
#include "ai/sea_missions.h"

#include "ai/planning.h"
#include "economy/city.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/orders.h"
#include "world/setup.h"

#include <algorithm>
#include <cstdlib>

namespace annals {

namespace {

constexpr int32_t kCarried = 100000; // a ship's cargo: 100000 + slot of the unit aboard
constexpr int kPass = 1, kWaitKeepingMoves = 12;
constexpr int kDespotism = 2, kMonarchy = 3;
constexpr int kCityCost = 30;

int Span(int ax, int ay, int bx, int by) {
    return std::max(std::abs(ax - bx), std::abs(ay - by));
}

bool SeaAt(int x, int y) {
    return InsideMap(x, y) && Cell(x, y).terrain == kSea;
}

bool IsCarrier(int type) {
    return IsShip(type) && type != kCaravel && UnitTypeCapacity(type) >= 2;
}

bool IsWarship(int type) {
    return IsShip(type) && type != kCaravel && UnitTypeAttack(type) > 0;
}

// Whether (x, y), a Sea cell or a port, lies on sea body `body`.
bool OnBody(int x, int y, int body) {
    if (!InsideMap(x, y) || body == 0) return false;
    if (SeaAt(x, y)) return Cell(x, y).seaBody == body;
    for (int cx = x - 1; cx <= x + 1; ++cx)
        for (int cy = y - 1; cy <= y + 1; ++cy)
            if (SeaAt(cx, cy) && Cell(cx, cy).seaBody == body) return true;
    return false;
}

int Aboard(const UnitRecord& ship) {
    int n = 0;
    for (int k = 1; k <= kCargoSlots; ++k) n += ship.cargo[k] > kCarried;
    return n;
}

bool HasRoom(const UnitRecord& ship) {
    for (int k = 1; k <= std::min(UnitTypeCapacity(ship.type), kCargoSlots); ++k)
        if (ship.cargo[k] == 0) return true;
    return false;
}

// The landmasses on which the civilization has a city.
struct HomeLands {
    bool land[256] = {};
    explicit HomeLands(int civ) {
        const CivRecord& k = Civ(civ);
        for (int c = 1; c <= k.cityCount; ++c) land[Cell(k.cities[c].x, k.cities[c].y).landmass] = true;
    }
    bool Home(int x, int y) const { return land[Cell(x, y).landmass]; }
};

// The Sea cell of `body` from which people go ashore towards (x, y): one within two cells
// of it with a land neighbour on the same landmass, the nearest first.
bool LandingCell(int x, int y, int body, int& wx, int& wy) {
    const int landmass = Cell(x, y).landmass;
    int best = 99;
    for (int cx = x - 2; cx <= x + 2; ++cx)
        for (int cy = y - 2; cy <= y + 2; ++cy) {
            if (!SeaAt(cx, cy) || Cell(cx, cy).seaBody != body) continue;
            const int d = Span(cx, cy, x, y);
            if (d >= best) continue;
            bool shore = false;
            for (int lx = cx - 1; lx <= cx + 1 && !shore; ++lx)
                for (int ly = cy - 1; ly <= cy + 1 && !shore; ++ly)
                    shore = InsideMap(lx, ly) && !SeaAt(lx, ly) && Cell(lx, ly).landmass == landmass &&
                            Span(lx, ly, x, y) <= 1;
            if (!shore) continue;
            best = d;
            wx = cx;
            wy = cy;
        }
    return best < 99;
}

// The civilization's port on `body` nearest to (x, y), as a list index; 0 when none.
int PortOn(int civ, int body, int x, int y) {
    const CivRecord& k = Civ(civ);
    int best = 0, nearest = 1000;
    for (int c = 1; c <= k.cityCount; ++c) {
        const CityRef at = k.cities[c];
        if (!Cell(at.x, at.y).coastal || !OnBody(at.x, at.y, body)) continue;
        const int d = Span(at.x, at.y, x, y);
        if (d < nearest) {
            nearest = d;
            best = c;
        }
    }
    return best;
}

// The sea bodies the civilization's ports touch.
void PortBodies(int civ, bool bodies[256]) {
    const CivRecord& k = Civ(civ);
    for (int c = 1; c <= k.cityCount; ++c) {
        const CityRef at = k.cities[c];
        if (!Cell(at.x, at.y).coastal) continue;
        for (int x = at.x - 1; x <= at.x + 1; ++x)
            for (int y = at.y - 1; y <= at.y + 1; ++y)
                if (SeaAt(x, y)) bodies[Cell(x, y).seaBody] = true;
    }
}

bool AtWarWith(int civ, int other) {
    if (other == civ || other < 1 || other > game.civCount || IsNatives(other)) return false;
    const double relation = Civ(civ).relation[other];
    return relation != 0 && relation <= 20;
}

bool Plan(SeaPlan& plan, int kind, int tx, int ty, int body, int civ) {
    int wx = 0, wy = 0;
    if (!LandingCell(tx, ty, body, wx, wy)) return false;
    const int port = PortOn(civ, body, tx, ty);
    if (port == 0) return false;
    plan = {kind, tx, ty, wx, wy, body, Civ(civ).cities[port].x, Civ(civ).cities[port].y};
    return true;
}

// An enemy city that no land route of ours leads to, on a coast our ports' sea touches:
// the weakest and nearest.
bool ChooseInvasion(int civ, const bool bodies[256], SeaPlan& plan) {
    const CivRecord& k = Civ(civ);
    double best = 0;
    SeaPlan chosen;
    for (int e = 1; e <= game.civCount; ++e) {
        if (!AtWarWith(civ, e)) continue;
        for (int j = 1; j <= Civ(e).cityCount; ++j) {
            const CityRef at = Civ(e).cities[j];
            bool byLand = false;
            for (int c = 1; c <= k.cityCount && !byLand; ++c)
                byLand = roadDistance(k.cities[c].x, k.cities[c].y, at.x, at.y) >= 0;
            if (byLand) continue;
            const MapCell& square = Cell(at.x, at.y);
            double defence = 1;
            for (int i = 1; i <= square.unitCount; ++i)
                defence += UnitDefence(square.unitOwner, square.unitList[i]);
            for (int x = at.x - 1; x <= at.x + 1; ++x)
                for (int y = at.y - 1; y <= at.y + 1; ++y) {
                    if (!SeaAt(x, y) || !bodies[Cell(x, y).seaBody]) continue;
                    SeaPlan candidate;
                    if (!Plan(candidate, kInvadeOverseas, at.x, at.y, Cell(x, y).seaBody, civ)) continue;
                    const double value =
                        1 / (defence * (10 + Span(candidate.portX, candidate.portY, at.x, at.y)));
                    if (value > best) {
                        best = value;
                        chosen = candidate;
                    }
                }
        }
    }
    if (best <= 0) return false;
    plan = chosen;
    return true;
}

// The best site on a shore our ports' sea touches, on land where we have no city yet.
bool ChooseSettlement(int civ, const bool bodies[256], const HomeLands& home, SeaPlan& plan) {
    double best = 0;
    SeaPlan chosen;
    for (int x = 3; x <= game.mapWidth - 2; ++x)
        for (int y = 3; y <= game.mapHeight - 2; ++y) {
            if (SeaAt(x, y) || home.Home(x, y)) continue;
            // Near a coast of a sea we sail on.
            int body = 0;
            for (int cx = x - 2; cx <= x + 2 && body == 0; ++cx)
                for (int cy = y - 2; cy <= y + 2 && body == 0; ++cy)
                    if (SeaAt(cx, cy) && bodies[Cell(cx, cy).seaBody]) body = Cell(cx, cy).seaBody;
            if (body == 0 || !SiteCandidate(civ, x, y)) continue;
            SeaPlan candidate;
            if (!Plan(candidate, kSettleOverseas, x, y, body, civ)) continue;
            const double value = SiteQuality(2, x, y) / (20.0 + Span(candidate.portX, candidate.portY, x, y));
            if (value > best) {
                best = value;
                chosen = candidate;
            }
        }
    if (best <= 0) return false;
    plan = chosen;
    return true;
}

// Where a unit aboard a ship at (sx, sy) goes ashore: a settler to the best site near by,
// a soldier to an enemy city near by or beside the settler; false when nothing is in reach.
bool ShoreTarget(int civ, int slot, int sx, int sy, int& tx, int& ty) {
    UnitRecord& unit = Unit(civ, slot);
    double best = 0;
    if (unit.type == kSettler) {
        for (int x = sx - 3; x <= sx + 3; ++x)
            for (int y = sy - 3; y <= sy + 3; ++y) {
                if (!InsideMap(x, y) || SeaAt(x, y) || !SiteCandidate(civ, x, y)) continue;
                const double value = SiteQuality(2, x, y) / (3.0 + Span(sx, sy, x, y));
                if (value <= best || !FindPath(unit, kTestRoute, civ, slot, x, y)) continue;
                best = value;
                tx = x;
                ty = y;
            }
        return best > 0;
    }
    if (UnitAttack(civ, slot) > 0)
        for (int e = 1; e <= game.civCount; ++e) {
            if (!AtWarWith(civ, e)) continue;
            for (int j = 1; j <= Civ(e).cityCount; ++j) {
                const CityRef at = Civ(e).cities[j];
                const int d = Span(sx, sy, at.x, at.y);
                if (d > 4) continue;
                const double value = 1.0 / (1 + d);
                if (value <= best || !FindPath(unit, kTestRoute, civ, slot, at.x, at.y)) continue;
                best = value;
                tx = at.x;
                ty = at.y;
            }
        }
    if (best > 0) return true;
    // Beside the founder who came along, or into a city of ours on that shore.
    const CivRecord& k = Civ(civ);
    if (k.referenceUnit != 0 && k.referenceUnit <= k.unitCount) {
        const UnitRecord& founder = Unit(civ, k.referenceUnit);
        if (InsideMap(founder.gotoX, founder.gotoY) && !SeaAt(founder.gotoX, founder.gotoY) &&
            Span(sx, sy, founder.gotoX, founder.gotoY) <= 4 &&
            FindPath(unit, kTestRoute, civ, slot, founder.gotoX, founder.gotoY)) {
            tx = founder.gotoX;
            ty = founder.gotoY;
            return true;
        }
    }
    for (int c = 1; c <= k.cityCount; ++c) {
        const CityRef at = k.cities[c];
        if (Span(sx, sy, at.x, at.y) > 4 || !FindPath(unit, kTestRoute, civ, slot, at.x, at.y)) continue;
        tx = at.x;
        ty = at.y;
        return true;
    }
    return false;
}

// The people aboard a ship that has come to a shore get their targets.
int SendAshore(int civ, const UnitRecord& ship) {
    int sent = 0;
    for (int k = 1; k <= kCargoSlots; ++k) {
        if (ship.cargo[k] <= kCarried) continue;
        const int slot = ship.cargo[k] - kCarried;
        if (slot < 1 || slot > Civ(civ).unitCount) continue;
        UnitRecord& unit = Unit(civ, slot);
        int tx = 0, ty = 0;
        if (!ShoreTarget(civ, slot, ship.x, ship.y, tx, ty)) continue;
        CivRecord& holder = Civ(civ);
        if (unit.type == kSettler && holder.referenceUnit == 0 && NearCityFree(tx, ty))
            holder.referenceUnit = static_cast<uint8_t>(slot);
        if (unit.type != kSettler && Cell(tx, ty).hasCity && Cell(tx, ty).owner != civ)
            unit.missionFlags[2] = unit.missionFlags[3] = 1;
        if (FindPath(unit, kStoreRoute, civ, slot, tx, ty)) ++sent;
    }
    return sent;
}

// Someone of the port who should sail: a settler for a new city (given by the city when
// none stands there), soldiers the port can spare for an invasion.
int Boarders(int civ, const SeaPlan& plan, int room, int wx, int wy, int boarding[], int already) {
    CivRecord& k = Civ(civ);
    const MapCell& port = Cell(plan.portX, plan.portY);
    int n = 0;
    auto board = [&](int s) {
        UnitRecord& unit = Unit(civ, s);
        unit.gotoX = static_cast<uint8_t>(wx);
        unit.gotoY = static_cast<uint8_t>(wy);
        unit.pathLength = 0;
        boarding[n++] = s;
    };
    if (port.unitOwner != civ) return 0;
    if (plan.kind == kSettleOverseas && already == 0) {
        int settler = 0;
        for (int i = 1; i <= port.unitCount && settler == 0; ++i) {
            const int s = port.unitList[i];
            const UnitRecord& unit = Unit(civ, s);
            if (unit.type == kSettler && unit.order == 0 && unit.jobTimer == 0 && unit.gotoX == 0 &&
                (s == k.referenceUnit || k.referenceUnit == 0))
                settler = s;
        }
        CityData& city = City(plan.portX, plan.portY);
        if (settler == 0 && k.referenceUnit == 0 && city.size >= 2 && k.unitCount < kMaxUnits &&
            k.gold >= kCityCost) {
            const int before = k.unitCount;
            ReleaseSettler(plan.portX, plan.portY);
            if (k.unitCount == before + 1 && Unit(civ, k.unitCount).type == kSettler) settler = k.unitCount;
        }
        if (settler == 0) return 0;
        k.referenceUnit = static_cast<uint8_t>(settler);
        board(settler);
    }
    // Soldiers: two stay at home; the best attackers go (the first found on ties). A new
    // city gets one guard, an invasion as many as the ship holds.
    int defenders = 0;
    for (int i = 1; i <= port.unitCount; ++i)
        defenders += UnitDefence(civ, port.unitList[i]) > 0 && !IsShip(Unit(civ, port.unitList[i]).type);
    int spare = defenders - 2;
    const int soldiers = plan.kind == kSettleOverseas ? (already + n <= 1 ? 1 : 0) : room;
    for (int sent = 0; sent < soldiers && n < room && spare > 0; ++sent) {
        int pick = 0;
        double bestAttack = 0;
        for (int i = 1; i <= port.unitCount; ++i) {
            const int s = port.unitList[i];
            const UnitRecord& unit = Unit(civ, s);
            if (unit.type == kSettler || unit.type == kWagonTrain || IsShip(unit.type) || IsAir(unit.type) ||
                IsBombard(unit.type) || unit.gotoX != 0 || unit.jobTimer != 0 || unit.missionFlags[4] == 1)
                continue;
            const double value = UnitAttack(civ, s) + UnitDefence(civ, s) / 2;
            if (value > bestAttack) {
                bestAttack = value;
                pick = s;
            }
        }
        if (pick == 0) break;
        board(pick);
        --spare;
    }
    return n;
}

// Units of the port that are on their way aboard the ship at (x, y).
int WaitingToBoard(int civ, int x, int y) {
    int n = 0;
    for (int s = 1; s <= Civ(civ).unitCount; ++s) {
        const UnitRecord& unit = Unit(civ, s);
        n += !IsShip(unit.type) && unit.carrierLink <= 0 && unit.gotoX == x && unit.gotoY == y;
    }
    return n;
}

// One carrier of the voyage.
void Ferry(int civ, int slot, const SeaPlan& plan, const HomeLands& home) {
    UnitRecord& ship = Unit(civ, slot);
    const int aboard = Aboard(ship);
    const bool atSea = SeaAt(ship.x, ship.y);
    // Under way: the ship keeps its course.
    if (ship.gotoX != 0 && ship.pathLength != 0) return;
    bool besidePort = false;
    for (int x = ship.x - 1; x <= ship.x + 1; ++x)
        for (int y = ship.y - 1; y <= ship.y + 1; ++y)
            besidePort = besidePort || (InsideMap(x, y) && Cell(x, y).hasCity && Cell(x, y).owner == civ &&
                                        home.Home(x, y) && atSea);
    const bool atLanding = plan.kind != 0 && ship.x == plan.landX && ship.y == plan.landY;
    if (aboard > 0 && atSea && (atLanding || !(besidePort && plan.kind != 0))) {
        // At the other shore (or home again without a voyage): everybody goes ashore.
        if (SendAshore(civ, ship) > 0) return;
        // Nobody can go ashore here: on to the voyage's shore, or back to a port of ours.
        if (plan.kind != 0 && !atLanding) {
            FindPath(ship, kStoreRoute, civ, slot, plan.landX, plan.landY);
            return;
        }
        const int port = PortOn(civ, Cell(ship.x, ship.y).seaBody, ship.x, ship.y);
        int wx = 0, wy = 0;
        if (port != 0 && !besidePort &&
            LandingCell(Civ(civ).cities[port].x, Civ(civ).cities[port].y, Cell(ship.x, ship.y).seaBody, wx,
                        wy))
            FindPath(ship, kStoreRoute, civ, slot, wx, wy);
        return;
    }
    if (plan.kind == 0) {
        if (aboard == 0) ship.order = 0;
        return;
    }
    // Beside the port: take people aboard, and sail when full or nobody else comes.
    int wx = 0, wy = 0;
    if (besidePort && Span(ship.x, ship.y, plan.portX, plan.portY) <= 1) {
        wx = ship.x;
        wy = ship.y;
    } else if (!LandingCell(plan.portX, plan.portY, plan.body, wx, wy)) {
        ship.order = 0;
        return;
    }
    if (ship.x != wx || ship.y != wy) {
        if (!FindPath(ship, kStoreRoute, civ, slot, wx, wy)) ship.order = 0;
        return;
    }
    const int capacity = std::min(UnitTypeCapacity(ship.type), kCargoSlots);
    const int coming = WaitingToBoard(civ, wx, wy);
    int boarding[kCargoSlots + 1];
    const int added = aboard + coming < capacity
                          ? Boarders(civ, plan, capacity - aboard - coming, wx, wy, boarding, aboard + coming)
                          : 0;
    if (aboard > 0 && added == 0 && (coming == 0 || aboard + coming >= capacity) && !atLanding)
        FindPath(ship, kStoreRoute, civ, slot, plan.landX, plan.landY);
}

} // namespace

SeaTally& TheSeaTally() {
    static SeaTally tally;
    return tally;
}

namespace {

int ShipsOf(int civ) {
    int n = 0;
    for (int s = 1; s <= Civ(civ).unitCount; ++s) n += IsShip(Unit(civ, s).type);
    return n;
}

// The landmass that holds most of the cities a civilization founded itself.
int MainLand(int civ) {
    int count[256] = {};
    int best = 0;
    for (int x = 1; x <= game.mapWidth; ++x)
        for (int y = 1; y <= game.mapHeight; ++y) {
            const MapCell& cell = Cell(x, y);
            if (!cell.hasCity || cell.founder != civ || cell.terrain == kSea) continue;
            if (++count[cell.landmass] > count[best]) best = cell.landmass;
        }
    return best;
}

} // namespace

void NoteSeaRound() {
    static int last[kMaxCivs + 1] = {};
    static int32_t lastTurn = -1;
    for (int c = 1; c <= game.civCount && c <= kMaxCivs; ++c) {
        const int now = ShipsOf(c);
        if (lastTurn >= 0 && now > last[c]) TheSeaTally().shipsBuilt += now - last[c];
        last[c] = now;
    }
    lastTurn = game.turn;
}

std::string SeaReport() {
    const SeaTally& t = TheSeaTally();
    std::string text = "  at sea: ships built " + std::to_string(t.shipsBuilt) + ", afloat";
    int founded = 0, taken = 0;
    for (int c = 1; c <= game.civCount; ++c) {
        text += " " + std::to_string(c) + ":" + std::to_string(ShipsOf(c));
        if (IsNatives(c)) continue;
        const int home = MainLand(c);
        for (int j = 1; j <= Civ(c).cityCount; ++j) {
            const MapCell& cell = Cell(Civ(c).cities[j].x, Civ(c).cities[j].y);
            if (home == 0 || cell.landmass == home) continue;
            // Founded on another land, or taken there.
            if (cell.founder == c)
                ++founded;
            else
                ++taken;
        }
    }
    text += "; landings " + std::to_string(t.landings) + ", cities founded over the water " +
            std::to_string(founded) + ", taken over the water " + std::to_string(taken) + ", coastal raids " +
            std::to_string(t.coastalRaids) + ", sea battles " + std::to_string(t.seaBattles) +
            ", natives sent raiding " + std::to_string(t.nativeRaiders) + "\n";
    return text;
}

void SeaMissions(int civ, bool landFull, SeaPlan& plan) {
    plan = {};
    if (civ < 1 || civ > game.civCount || IsNatives(civ)) return;
    CivRecord& k = Civ(civ);
    if (k.cityCount == 0) return;
    bool bodies[256] = {};
    PortBodies(civ, bodies);
    const HomeLands home(civ);
    // A founder already under way over the water keeps the voyage alive.
    bool founderAtSea = false;
    if (k.referenceUnit != 0 && k.referenceUnit <= k.unitCount) {
        const UnitRecord& founder = Unit(civ, k.referenceUnit);
        founderAtSea = founder.carrierLink > 0 || SeaAt(founder.gotoX, founder.gotoY);
    }
    const bool mayFound = (k.government == kDespotism || k.government == kMonarchy) && k.citiesFounded < 6;
    if (!ChooseInvasion(civ, bodies, plan) && mayFound && (landFull || founderAtSea) &&
        (k.referenceUnit == 0 || founderAtSea))
        ChooseSettlement(civ, bodies, home, plan);

    // The carriers: those already serving, then one more for a voyage whose sea has none.
    bool served = false;
    for (int s = 1; s <= k.unitCount; ++s) {
        UnitRecord& ship = Unit(civ, s);
        if (!IsCarrier(ship.type) || ship.order != kFerryOrder) continue;
        if (plan.kind != 0 && OnBody(ship.x, ship.y, plan.body)) served = true;
        Ferry(civ, s, plan.kind != 0 && OnBody(ship.x, ship.y, plan.body) ? plan : SeaPlan{}, home);
    }
    // A ship without guns first; a warship carries when there is no other.
    int chosen = 0;
    for (int s = 1; s <= k.unitCount && plan.kind != 0 && !served; ++s) {
        const UnitRecord& ship = Unit(civ, s);
        if (!IsCarrier(ship.type) || ship.order != 0 || Aboard(ship) > 0 ||
            !OnBody(ship.x, ship.y, plan.body))
            continue;
        if (chosen == 0 || (IsWarship(Unit(civ, chosen).type) && !IsWarship(ship.type))) chosen = s;
    }
    if (chosen != 0) {
        UnitRecord& ship = Unit(civ, chosen);
        ship.order = kFerryOrder;
        ship.missionFlags[2] = ship.missionFlags[3] = 0;
        ship.pendingDirection = 0;
        Ferry(civ, chosen, plan, home);
    }

    // Warships guard a loaded carrier on their sea; without one they are free again.
    for (int s = 1; s <= k.unitCount; ++s) {
        UnitRecord& guard = Unit(civ, s);
        if (!IsWarship(guard.type) || guard.order == kFerryOrder || Aboard(guard) > 0) continue;
        int carrier = 0;
        for (int c = 1; c <= k.unitCount && carrier == 0; ++c) {
            const UnitRecord& ship = Unit(civ, c);
            if (c != s && ship.order == kFerryOrder && Aboard(ship) > 0 && SeaAt(ship.x, ship.y) &&
                OnBody(guard.x, guard.y, Cell(ship.x, ship.y).seaBody))
                carrier = c;
        }
        if (carrier == 0) {
            if (guard.order == kEscortOrder) guard.order = 0;
            continue;
        }
        // One guard is enough.
        bool guarded = false;
        for (int g = 1; g <= k.unitCount && !guarded; ++g)
            guarded = g != s && Unit(civ, g).order == kEscortOrder;
        if (guarded && guard.order != kEscortOrder) continue;
        guard.order = kEscortOrder;
        const UnitRecord& ship = Unit(civ, carrier);
        if (guard.missionFlags[2] == 0 && !(guard.x == ship.x && guard.y == ship.y))
            FindPath(guard, kStoreRoute, civ, s, ship.x, ship.y);
    }
}

namespace {

// Whether a city of another civilization (not the natives) lies on the coast of `body`.
bool ForeignCoast(int civ, int body) {
    for (int e = 1; e <= game.civCount; ++e) {
        if (e == civ || IsNatives(e)) continue;
        for (int j = 1; j <= Civ(e).cityCount; ++j) {
            const CityRef at = Civ(e).cities[j];
            if (Cell(at.x, at.y).coastal && OnBody(at.x, at.y, body)) return true;
        }
    }
    return false;
}

} // namespace

int ShipWanted(int civ, const CityData& city, const SeaPlan& plan) {
    if (!Cell(city.cityX, city.cityY).coastal) return 0;
    // The best carrier and the best warship the city can train (most cities none).
    int bestCarrier = 0, bestWarship = 0;
    double carrierValue = 0, warshipValue = 0;
    for (int type = 1; type <= kUnitTypes; ++type) {
        if (!IsShip(type) || type == kCaravel || !CanProduce(city, type)) continue;
        const double holds = UnitTypeCapacity(type) * 10.0 + UnitTypeMoves(type);
        const double guns = (3.0 * UnitTypeAttack(type) + UnitTypeDefence(type)) * UnitTypeLives(type);
        if (IsCarrier(type) && holds > carrierValue) {
            carrierValue = holds;
            bestCarrier = type;
        }
        if (IsWarship(type) && guns > warshipValue) {
            warshipValue = guns;
            bestWarship = type;
        }
    }
    if (bestCarrier == 0 && bestWarship == 0) return 0;
    // The sea the city trains for: the voyage's, else the first of its own.
    int body = 0;
    if (plan.kind != 0 && OnBody(city.cityX, city.cityY, plan.body)) {
        body = plan.body;
    } else {
        for (int x = city.cityX - 1; x <= city.cityX + 1 && body == 0; ++x)
            for (int y = city.cityY - 1; y <= city.cityY + 1 && body == 0; ++y)
                if (SeaAt(x, y)) body = Cell(x, y).seaBody;
    }
    if (body == 0) return 0;
    const CivRecord& k = Civ(civ);
    bool carrier = false, warship = false;
    for (int s = 1; s <= k.unitCount; ++s) {
        const UnitRecord& ship = Unit(civ, s);
        if (!IsShip(ship.type) || !OnBody(ship.x, ship.y, body)) continue;
        carrier = carrier || IsCarrier(ship.type);
        warship = warship || IsWarship(ship.type);
    }
    // Another city of ours on that sea already trains the ship.
    for (int c = 1; c <= k.cityCount; ++c) {
        const CityData& other = City(k.cities[c].x, k.cities[c].y);
        if (&other == &city || !OnBody(other.cityX, other.cityY, body)) continue;
        carrier = carrier || IsCarrier(other.unitBuildItem);
        warship = warship || IsWarship(other.unitBuildItem);
    }
    // A voyage needs a carrier, and an invasion a guard; a sea with foreign cities on its
    // coasts is worth one warship of our own for its raids.
    const bool voyage = plan.kind != 0 && body == plan.body;
    const bool wantCarrier = voyage && !carrier;
    const bool wantWarship =
        !wantCarrier && !warship && ((voyage && plan.kind == kInvadeOverseas) || ForeignCoast(civ, body));
    if (wantCarrier) return bestCarrier;
    return wantWarship ? bestWarship : 0;
}

bool SeaPassage(int civ, int slot) {
    if (civ < 1 || civ > game.civCount || slot < 1 || slot > Civ(civ).unitCount) return false;
    UnitRecord& unit = Unit(civ, slot);
    if (IsShip(unit.type) || IsAir(unit.type) || !InsideMap(unit.x, unit.y)) return false;
    if (unit.carrierLink > 0) {
        // Aboard: ashore as soon as the target can be walked to, otherwise the voyage goes on.
        if (InsideMap(unit.gotoX, unit.gotoY) && !SeaAt(unit.gotoX, unit.gotoY) &&
            FindPath(unit, kStoreRoute, civ, slot, unit.gotoX, unit.gotoY) && unit.pathLength > 0)
            return false;
        UnitActivity(kPass);
        return true;
    }
    // On the way aboard: a step onto the ship waiting beside, or waiting for it.
    if (!SeaAt(unit.gotoX, unit.gotoY) || Span(unit.x, unit.y, unit.gotoX, unit.gotoY) != 1) return false;
    const MapCell& deck = Cell(unit.gotoX, unit.gotoY);
    // Foreign units there: an attack, not a passage.
    if (deck.unitCount > 0 && deck.unitOwner != civ) return false;
    bool ship = false;
    for (int i = 1; i <= deck.unitCount && deck.unitOwner == civ; ++i) {
        const UnitRecord& boat = Unit(civ, deck.unitList[i]);
        ship = ship || (IsShip(boat.type) && HasRoom(boat));
    }
    if (ship && unit.movesLeft > 0) {
        UnitActivity(20 + DirectionOf(unit.gotoX - unit.x, unit.gotoY - unit.y));
        return true;
    }
    // The ship has gone or is full: the unit stays where it is.
    if (!ship && deck.unitCount == 0) {
        unit.gotoX = unit.gotoY = 0;
        if (Civ(civ).referenceUnit == slot) Civ(civ).referenceUnit = 0;
    }
    UnitActivity(game.secondPassStarted ? kPass : kWaitKeepingMoves);
    return true;
}

} // namespace annals
