#include "economy/end_of_turn.h"

#include "economy/victory.h"

#include "economy/city.h"
#include "economy/city_management.h"
#include "state/rules.h"
#include "state/state.h"
#include "state/validation.h"
#include "units/unit_table.h"

#include <algorithm>

namespace annals {

namespace {

constexpr int kAztecs = 2;
constexpr int kMonarchy = 3, kDemocracy = 5;
constexpr int kIndustrialization = 39;
constexpr int kStockade = 3, kFortress = 34;
constexpr int kContactAMax = 20, kContactBMax = 10;
// Relations cool down towards this level by themselves.
constexpr double kRelationCalm = 25;

int CivsInPlay() {
    return std::clamp<int>(game.civCount, 0, kMaxCivs);
}

// The weight of a unit in the strength record: the weakest soldiers and the civilians 1,
// the early soldiers and the first ships 2, everything else 3.
int UnitWeight(int type) {
    switch (type) {
    case kSettler:
    case kWarrior:
    case kJaguar:
    case kAxeman:
    case kWagonTrain:
        return 1;
    case kPikeman:
    case kMameluke:
    case kArcher:
    case kLongbowman:
    case kHorseman:
    case kCaravel:
    case kBerserk:
        return 2;
    default:
        return 3;
    }
}

template <typename Visit> void ForEachCity(int civ, Visit visit) {
    const CivRecord& holder = Civ(civ);
    for (int k = 1; k <= holder.cityCount && k <= kMaxCities; ++k) {
        CityData& city = City(holder.cities[k].x, holder.cities[k].y);
        if (city.hasCity && city.owner == civ) visit(city);
    }
}

// Every pair of players meets or hears of each other a little more each turn; the
// counters say how long ago they last traded sciences (A) or paid tribute (B).
void AgeContacts(int players) {
    for (int i = 1; i <= players; ++i)
        for (int j = 1; j <= players; ++j) {
            if (i == j) continue;
            CivRecord& civ = Civ(i);
            if (civ.contactA[j] < kContactAMax) civ.contactA[j] += 1;
            if (civ.contactB[j] < kContactBMax) civ.contactB[j] += 1;
        }
}

// Every player's strength for the statistics. And walls mean nothing to an industrial
// army: a civilization that knows Industrialization pulls its Stockades and Fortresses
// down, again every turn it builds them.
void RecordStrength(int players) {
    for (int c = 1; c <= players; ++c) {
        // The table keeps one entry per turn up to its end; later turns keep the latest
        // strength in the last entry, so whoever reads the newest value finds it there.
        const int entry = std::min<int>(game.turn, kPowerHistory);
        if (entry >= 1) Civ(c).powerHistory[entry] = CivilizationStrength(c);
        if (Civ(c).knows[kIndustrialization] == 1)
            ForEachCity(c, [](CityData& city) { city.buildings[kStockade] = city.buildings[kFortress] = 0; });
    }
}

void CalmRelations(int civsInPlay) {
    for (int i = 1; i <= civsInPlay; ++i)
        for (int j = 1; j <= civsInPlay; ++j)
            if (i != j && Civ(i).relation[j] > kRelationCalm) Civ(i).relation[j] -= 1;
}

// The villages use up what the natives need; the natives' stock is the sum of theirs.
void SupplyVillages(int natives) {
    int sums[kProducts + 1] = {};
    ForEachCity(natives, [&sums](CityData& village) {
        for (int p = 1; p <= kProducts; ++p) {
            village.stock[p] = std::max(village.stock[p] - game.nativeDemand[p], 0);
            sums[p] += village.stock[p];
        }
    });
    for (int p = 1; p <= kProducts; ++p) game.nativeStock[p] = static_cast<uint8_t>(sums[p] & 0xFF);
}

void SumTotals(int civ) {
    game.totalsRunning = 1;
    game.civScienceTotal = 0;
    game.civMilitaryTotal = 0;
    ForEachCity(civ, [](CityData& city) {
        game.civScienceTotal += CityScience(city);
        game.civMilitaryTotal += CityMilitary(city);
    });
    game.totalsRunning = 0;
}

// A soldier's pay for a turn.
double Wage(const CivRecord& payer) {
    if (payer.nation == kAztecs) return 0;
    return payer.government == kDemocracy ? 1.0 : (payer.government == kMonarchy ? 0.5 : 0.1);
}

// Soldiers are paid from the treasury; settlers and wagon trains work for their keep, the
// Aztecs' warriors serve for nothing, and the newest unit of the table joins unpaid.
void PayUpkeep(int civ) {
    CivRecord& payer = Civ(civ);
    const double wage = Wage(payer);
    if (wage <= 0) return;
    for (int s = 1; s <= payer.unitCount - 1 && s <= kMaxUnits; ++s) {
        const int type = payer.units[s].type;
        if (type != kSettler && type != kWagonTrain) payer.gold -= wage;
    }
}

// The soldier an indebted computer lets go first: the cheapest to replace, the newest of
// those, never a ship, a unit aboard one, or the last soldier guarding a city. 0 = none.
int SoldierToDismiss(int civ) {
    const CivRecord& holder = Civ(civ);
    int chosen = 0;
    for (int s = std::min<int>(holder.unitCount, kMaxUnits); s >= 1; --s) {
        const UnitRecord& unit = holder.units[s];
        if (unit.type == kSettler || unit.type == kWagonTrain || IsShip(unit.type) || unit.carrierLink != 0)
            continue;
        if (!InsideMap(unit.x, unit.y)) continue;
        const MapCell& cell = Cell(unit.x, unit.y);
        if (cell.hasCity && cell.owner == civ) {
            int guards = 0;
            for (int i = 1; i <= cell.unitCount; ++i) {
                const int other = cell.unitList[i];
                if (other >= 1 && other <= holder.unitCount && holder.units[other].type != kSettler &&
                    holder.units[other].type != kWagonTrain)
                    ++guards;
            }
            if (guards < 2) continue;
        }
        if (chosen == 0 || buildCost(unit.type) < buildCost(holder.units[chosen].type)) chosen = s;
    }
    return chosen;
}

// A computer whose soldiers cost more than its cities bring in would sink deeper every turn
// and, with its cities idle while the treasury is empty, never climb out. While it is in
// debt it sends soldiers home until their pay leaves its cities a surplus of at least one
// soldier's wage.
void DismissUnpaidSoldiers(int civ) {
    CivRecord& holder = Civ(civ);
    const double wage = Wage(holder);
    if (holder.gold >= 0 || wage <= 0) return;
    double income = 0;
    ForEachCity(civ, [&income](CityData& city) {
        income += TaxIncome(city) - Corruption(city) - city.scienceLevel - city.militaryLevel;
    });
    for (;;) {
        int paid = 0;
        for (int s = 1; s <= holder.unitCount - 1 && s <= kMaxUnits; ++s)
            if (holder.units[s].type != kSettler && holder.units[s].type != kWagonTrain) ++paid;
        if (paid * wage <= income - wage) return;
        const int slot = SoldierToDismiss(civ);
        if (slot == 0) return;
        KillUnit(civ, slot);
    }
}

void PlanComputerCities(int civ) {
    ForEachCity(civ, [](CityData& city) {
        AssignCitizens(city);
        ComputeProduction(city);
        AdjustTaxRate(city);
        SetSpendingLevels(city);
    });
}

} // namespace

// The calendar slows down as history speeds up: centuries at first, single decades
// from the year 1000 on.
// The calendar ends at its last year and stays there.
int32_t NextYear(int32_t year) {
    int32_t step = 10;
    if (year <= -2000)
        step = 100;
    else if (year <= -1000)
        step = 50;
    else if (year <= 999)
        step = 20;
    return year >= kLastYear - step ? kLastYear : year + step;
}

int32_t CivilizationStrength(int civ) {
    if (civ < 1 || civ > kMaxCivs) return 0;
    const CivRecord& holder = Civ(civ);
    int32_t strength = 0;
    for (int s = 1; s <= holder.unitCount && s <= kMaxUnits; ++s)
        strength += UnitWeight(holder.units[s].type);
    ForEachCity(civ, [&strength](CityData& city) { strength += city.size; });
    return strength;
}

void LowerRelation(double& relation, double amount) {
    if (relation <= kRelationFloor) return;
    relation = std::max(relation - amount, kRelationFloor);
}

void EndOfTurn() {
    ui.smallMapValid = 0; // a new turn shows the world as it is now
    const int civsInPlay = CivsInPlay();
    const int players = civsInPlay - 1; // everybody but the natives
    for (int c = 1; c <= civsInPlay; ++c) {
        Civ(c).goldAtTurnStart = Civ(c).gold;
        if (game.civTimer[c] > 0) game.civTimer[c] -= 1;
    }
    game.year = NextYear(game.year);
    AgeContacts(players);
    RecordStrength(players);
    CalmRelations(civsInPlay);
    if (game.turn < kLastTurn) game.turn += 1;

    for (int c = 1; c <= civsInPlay; ++c) {
        CivRecord& civ = Civ(c);
        if (civ.unitCount == 0 && civ.cityCount == 0) continue;
        civ.goldBias = civ.gold;
        if (IsNatives(c)) {
            SupplyVillages(c);
        } else {
            SumTotals(c);
            PayUpkeep(c);
        }
        // Taxes, spending, growth, building and research, city by city.
        RunCityTurns(c);
        if (civ.isComputer == 1) PlanComputerCities(c);
        if (civ.isComputer == 1 && !IsNatives(c)) DismissUnpaidSoldiers(c);
    }
    CheckEndYear();
    CheckStateAfter("the end of a turn");
}

} // namespace annals
