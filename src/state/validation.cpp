#include "state/validation.h"

#include "state/rules.h"

#include <cstdio>

namespace annals {

namespace {

bool IsNationNumber(int n) {
    return (n >= 1 && n <= 10) || n == kNativeNation;
}

bool Inside(const GameState& g, int x, int y) {
    return x >= 1 && x <= g.mapWidth && y >= 1 && y <= g.mapHeight;
}

bool Within(double v, double low, double high) {
    return v >= low && v <= high; // false for a NaN too
}

// A wagon train's goods: product x 1000 + amount.
bool GoodsCargo(int32_t cargo) {
    return cargo == 0 || (cargo / 1000 >= 1 && cargo / 1000 <= kProducts && cargo % 1000 > 0);
}

std::string UnitFault(const GameState& g, const CivRecord& c, int slot) {
    const UnitRecord& unit = c.units[slot];
    if (unit.type < 1 || unit.type > kUnitTypes) return "a unit is of no known type";
    if (!Inside(g, unit.x, unit.y)) return "a unit stands outside the map";
    if ((unit.gotoX == 0) != (unit.gotoY == 0) || (unit.gotoX != 0 && !Inside(g, unit.gotoX, unit.gotoY)))
        return "a unit goes outside the map";
    if (unit.experience > 10) return "a unit's experience is past the top level";
    if (unit.pathLength > kPathSteps) return "a unit's route is too long";

    if (unit.carrierLink != 0) {
        const int carrier = unit.carrierLink / 1000, position = unit.carrierLink % 1000;
        if (carrier < 1 || carrier > c.unitCount || carrier == slot) return "a unit is aboard a lost ship";
        const UnitRecord& ship = c.units[carrier];
        if (!IsShip(ship.type) || position < 1 || position > UnitTypeCapacity(ship.type) ||
            ship.cargo[position] != kCarriedUnitMark + slot || ship.x != unit.x || ship.y != unit.y)
            return "a unit's ship does not carry it";
        if (IsShip(unit.type)) return "a ship is aboard a ship";
    }

    const int capacity = UnitTypeCapacity(unit.type);
    for (int p = 1; p <= kCargoSlots; ++p) {
        const int32_t cargo = unit.cargo[p];
        if (cargo == 0) continue;
        if (p > capacity) return "a unit carries more than it has room for";
        if (IsShip(unit.type)) {
            const int passenger = cargo - kCarriedUnitMark;
            if (passenger < 1 || passenger > c.unitCount || c.units[passenger].carrierLink != slot * 1000 + p)
                return "a ship carries a unit that is not aboard";
        } else if (unit.type == kWagonTrain) {
            if (!GoodsCargo(cargo)) return "a wagon train carries something that is not goods";
        } else {
            return "a unit that carries nothing has cargo";
        }
    }
    return {};
}

std::string CityFault(const GameState& g, const CityData& city) {
    if (city.unitBuildItem > kUnitTypes) return "a city trains an unknown unit";
    if (city.buildItem != 0 && (city.buildItem <= kUnitTypes || city.buildItem > kBuildItems))
        return "a city builds an unknown building";
    if (city.taxRate > kMaxTaxRate || city.taxRate % kTaxStep != 0)
        return "a city's tax rate is not possible";
    if (city.scienceLevel > kMaxSpendingLevel) return "a city's science level is not possible";
    if (city.militaryLevel > kMaxSpendingLevel) return "a city's military level is not possible";
    if (city.storageCapacity < kMinStorage || city.storageCapacity > kMaxStorage)
        return "a city's store has an impossible size";
    if (city.nextFreeSlot < 1 || city.nextFreeSlot > kMaxPictures)
        return "a city's picture slot is not possible";
    if (city.deliveryTimer > kMaxDeliveryTimer) return "a city's delivery countdown is not possible";
    if (city.turnsSinceBuilding > kMaxTurnsSinceBuilding)
        return "a city's turns since its last building are not possible";
    if (city.founder > g.civCount) return "a city's founder is not in the game";
    if (!Within(city.happiness, 0, 100)) return "a city's happiness is out of its range";
    if (!Within(city.culture, 0, 1e9) || !Within(city.militaryProgress, -1e9, 1e9))
        return "a city's culture or production is out of its range";
    for (int p = 1; p <= kProducts; ++p) {
        if (city.stock[p] < 0 || city.stock[p] > kMaxStock) return "a city's stock is out of its range";
        if (city.production[p] < 0 || city.production[p] > kMaxProduction || city.consumption[p] < 0 ||
            city.consumption[p] > kMaxProduction)
            return "a city's production is out of its range";
    }
    for (int j = 1; j <= kJobs; ++j)
        if (city.jobs[j] < 0 || city.jobs[j] > kMaxWorkersInBuilding)
            return "a building has more workers than it has room for";
    for (int dx = 0; dx < 5; ++dx)
        for (int dy = 0; dy < 5; ++dy)
            if (city.workedProduct[dx][dy] > kProducts) return "a city works an unknown product";
    return {};
}

} // namespace

std::string StateFault(const WorldMap& map, const CivTable& table, const GameState& g) {
    if (g.civCount < 3 || g.civCount > kMaxCivs) return "the number of civilizations is not possible";
    if (g.mapWidth < 1 || g.mapWidth > kMaxMapSize || g.mapHeight < 1 || g.mapHeight > kMaxMapSize)
        return "the map's size is not possible";
    if (g.currentCiv < 1 || g.currentCiv > g.civCount) return "the civilization to move is not in the game";
    if (g.viewCiv > g.civCount) return "the civilization in view is not in the game";
    if (!Within(g.location, 1, 5)) return "the kind of world is unknown";
    if (g.pendingUnit > table[g.currentCiv].unitCount) return "the unit to select does not exist";
    if (g.year < kFirstYear || g.year > kLastYear) return "the year is outside the calendar";
    if (g.turn < kFirstTurn || g.turn > kLastTurn) return "the turn is outside the calendar";
    if (!IsNationNumber(table[g.civCount].nation)) return "the natives' nation is not a nation";

    int listed[kMaxCivs + 1] = {};
    int marked = 0;
    for (int x = 1; x <= g.mapWidth; ++x) {
        for (int y = 1; y <= g.mapHeight; ++y) {
            const MapCell& cell = map[x][y];
            if (cell.terrain < kSea || cell.terrain > kArtic) return "a cell's terrain is unknown";
            if (cell.river < 0 || cell.river % 10 > 1 || cell.river / 10 % 10 > 1 ||
                cell.river / 100 % 10 > 1 || cell.river / 1000 > 1)
                return "a river digit is not 0 or 1";
            if (cell.site > 8) return "a cell's site is unknown";
            if ((cell.workedByX == 0) != (cell.workedByY == 0)) return "a cell names half a city";
            if (cell.workedByX != 0 &&
                (!Inside(g, cell.workedByX, cell.workedByY) || !map[cell.workedByX][cell.workedByY].hasCity))
                return "a cell is worked by a city that does not exist";
            if (cell.unitOwner > g.civCount) return "a cell's units belong to no civilization in the game";
            marked += cell.hasCity == 1 ? 1 : 0;
            if (cell.unitCount == 0) continue;
            if (cell.unitCount > kMaxCellUnits) return "too many units stand in a cell";
            if (cell.unitOwner < 1) return "units stand in a cell without an owner";
            const CivRecord& owner = table[cell.unitOwner];
            for (int i = 1; i <= cell.unitCount; ++i) {
                const int slot = cell.unitList[i];
                if (slot < 1 || slot > owner.unitCount) return "a cell lists a unit that does not exist";
                if (owner.units[slot].x != x || owner.units[slot].y != y)
                    return "a cell lists a unit that stands elsewhere";
                for (int j = 1; j < i; ++j)
                    if (cell.unitList[j] == slot) return "a cell lists a unit twice";
            }
            listed[cell.unitOwner] += cell.unitCount;
        }
    }

    int cities = 0;
    for (int civ = 1; civ <= g.civCount; ++civ) {
        const CivRecord& c = table[civ];
        if (!IsNationNumber(c.nation)) return "a civilization's nation is not a nation";
        if (c.government < 1 || c.government > kGovernments) return "a civilization's government is unknown";
        if (c.aiLevel > 5) return "a civilization's difficulty is not possible";
        if (c.unitCount > kMaxUnits || c.cityCount > kMaxCities || c.foundingCount > kMaxFoundings ||
            c.newsCount > kMaxNews)
            return "a civilization's counts are past their bounds";
        if (c.research < 0 || c.research > kSciences) return "a civilization researches an unknown science";
        if (c.referenceUnit > c.unitCount) return "a civilization refers to a unit that does not exist";
        if (listed[civ] != c.unitCount) return "a unit is missing from its cell";
        for (int i = 1; i <= kCombatRolls; ++i)
            if (c.combatRolls[i] < 0 || c.combatRolls[i] > 99) return "a combat roll is not possible";
        for (int u = 1; u <= c.unitCount; ++u) {
            const std::string fault = UnitFault(g, c, u);
            if (!fault.empty()) return fault;
        }
        for (int k = 1; k <= c.cityCount; ++k) {
            const int x = c.cities[k].x, y = c.cities[k].y;
            if (!Inside(g, x, y)) return "a city lies outside the map";
            const CityData& city = map[x][y];
            if (city.hasCity != 1 || city.cityX != x || city.cityY != y || city.owner != civ ||
                city.cityIndex != k)
                return "a city does not match its place in its owner's list";
            const std::string fault = CityFault(g, city);
            if (!fault.empty()) return fault;
        }
        cities += c.cityCount;
    }
    // Two list entries on one cell would give one city two owners.
    if (marked != cities) return "two cities stand on one cell, or a city is in no list";
    return {};
}

std::string RunningStateFault() {
    return StateFault(worldMap, civs, game);
}

namespace {
#ifdef NDEBUG
bool checksOn = false;
#else
bool checksOn = true;
#endif
std::string firstFault;
} // namespace

void SetStateChecks(bool on) {
    checksOn = on;
}

bool StateChecksOn() {
    return checksOn;
}

void CheckStateAfter(const char* action) {
    if (!checksOn || !firstFault.empty()) return;
    const std::string fault = RunningStateFault();
    if (fault.empty()) return;
    firstFault = std::string("after ") + action + ": " + fault;
    // Said once, where a developer sees it; the game itself goes on.
    std::fprintf(stderr, "annals: the game state broke %s\n", firstFault.c_str());
}

const std::string& FirstStateFault() {
    return firstFault;
}

void ClearStateFault() {
    firstFault.clear();
}

} // namespace annals
