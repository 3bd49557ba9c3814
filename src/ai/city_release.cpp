// Once a turn a computer's cities may send a citizen out as a settler: to save him from a
// siege, to keep a city from outgrowing its water and health, or to leave poor land.
#include "ai/computer_player.h"
#include "economy/city.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"

namespace annals {

namespace {

constexpr int kFood = 1, kStone = 7;
constexpr int kStockade = 3, kAqueduct = 24, kSewerSystem = 25, kPowerPlant = 31, kNuclearPlant = 32,
              kFortress = 34, kHospital = 37;
constexpr int kDespotism = 2, kMonarchy = 3;

// A city of a civilization whose unit table is full gives nobody, and is not marked as if it had.
void Release(CityData& city, int x, int y) {
    const int owner = city.owner;
    const int before = Civ(owner).unitCount;
    ReleaseSettler(x, y);
    if (Civ(owner).unitCount > before) city.settlerReleased = 1;
}

// Enemies that can reach the city within a turn outweigh its garrison.
bool ThreatRelease(int civ, int x, int y) {
    CityData& city = City(x, y);
    const MapCell& cell = Cell(x, y);
    const double f = city.buildings[kFortress] ? 1.3 : (city.buildings[kStockade] ? 0.9 : 0.5);
    double own = 0;
    int settlers = 0, garrison = 0;
    if (cell.unitOwner == civ) {
        for (int i = 1; i <= cell.unitCount; ++i) {
            const int s = cell.unitList[i];
            const double defence = UnitDefence(civ, s);
            if (defence > 0) own += defence * Unit(civ, s).lives + 4 * f;
            if (Unit(civ, s).type == kSettler) ++settlers;
            ++garrison;
        }
    }
    const int limit = Civ(civ).aiLevel == 2 ? 4 : 6;
    for (int e = 1; e <= game.civCount; ++e) {
        if (e == civ) continue;
        const double relation = Civ(civ).relation[e];
        if (IsNatives(e) && !(relation != 0 && relation < 17)) continue;
        double threat = 0;
        int near = 0;
        for (int s = 1; s <= Civ(e).unitCount; ++s) {
            const UnitRecord& foe = Unit(e, s);
            const double attack = UnitAttack(e, s);
            if (attack <= 0) continue;
            if (TurnsToCover(roadDistance(foe.x, foe.y, x, y), UnitTypeMoves(foe.type)) > 1) continue;
            threat += attack * foe.lives + 2;
            ++near;
        }
        if (limit * threat > own * own && own < threat + 2 && settlers < limit / 4 + 2 && near >= garrison &&
            city.size > 1 && !city.settlerReleased) {
            Release(city, x, y);
            return true;
        }
    }
    return false;
}

// A city too big for its government or its buildings gives up a citizen, unless the
// building it lacks is nearly paid for and the stone keeps coming.
bool SizeRelease(int civ, int x, int y) {
    CityData& city = City(x, y);
    const int government = Civ(civ).government;
    if ((government == kDespotism && city.size >= 12) || (government == kMonarchy && city.size >= 20)) {
        Release(city, x, y);
        return true;
    }
    static const int kSteps[][2] = {
        {9, kAqueduct}, {15, kSewerSystem}, {20, kHospital}, {25, kPowerPlant}, {31, kNuclearPlant}};
    for (const auto& step : kSteps) {
        const int size = step[0], building = step[1];
        if (city.size < size || city.buildings[building]) continue;
        const bool almost = city.size == size &&
                            city.buildProgress / 10 >= buildCost(35 + building) / 10 - 2 &&
                            city.production[kStone] >= 4;
        if (!almost) {
            Release(city, x, y);
            return true;
        }
    }
    return false;
}

// A citizen farming land that does not feed him is better off elsewhere.
void PoorLandRelease(int x, int y) {
    CityData& city = City(x, y);
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            if ((dx == 0 && dy == 0) || !city.Worked(dx, dy) || city.WorkedProduct(dx, dy) != kFood) continue;
            if (!InsideMap(x + dx, y + dy) || CellYield(Cell(x + dx, y + dy), kFood, city) >= 2) continue;
            if (city.size > 1) Release(city, x, y);
            return;
        }
}

} // namespace

void CityReleasePass() {
    const int civ = game.currentCiv;
    if (civ < 1 || civ > game.civCount || IsHuman(civ) || IsNatives(civ) || Civ(civ).aiLevel <= 1) return;
    for (int k = 1; k <= Civ(civ).cityCount; ++k) {
        const int x = Civ(civ).cities[k].x, y = Civ(civ).cities[k].y;
        if (!InsideMap(x, y) || !City(x, y).hasCity) continue;
        if (ThreatRelease(civ, x, y)) continue;
        if (City(x, y).settlerReleased) continue;
        if (SizeRelease(civ, x, y)) continue;
        PoorLandRelease(x, y);
    }
}

} // namespace annals
