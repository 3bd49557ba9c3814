// One turn of a city: the land wears, stores fill and are sold, the city feeds or starves,
// pays its way, grows, builds, trains, spreads its culture and settles its mood.
#include "economy/city.h"

#include "economy/city_numbers.h"
#include "economy/city_shared.h"
#include "economy/happiness.h"
#include "economy/news.h"
#include "economy/science.h"
#include "state/rules.h"
#include "state/state.h"

#include <algorithm>

namespace annals {

using namespace city_numbers;
using namespace city_internal;

namespace {

bool IsCrop(int product) {
    return product >= kCotton && product <= kGrape;
}

// Cotton, Tobacco, Grape and Fur each have a line of workshops; the house is building
// product + 2, the shop and the factory follow four and eight numbers later.
bool HasLineOf(const CityData& city, int product) {
    if (product < kCotton || product > kFur) return false;
    const int house = product + 2;
    return Has(city, house) || Has(city, house + 4) || Has(city, house + 8);
}

bool AnyCityHasLineOf(int civ, int product) {
    const CivRecord& holder = Civ(civ);
    for (int k = 1; k <= holder.cityCount && k <= kMaxCities; ++k) {
        const CityData& city = City(holder.cities[k].x, holder.cities[k].y);
        if (city.hasCity && HasLineOf(city, product)) return true;
    }
    return false;
}

// What a city keeps in store rather than sell.
int KeepAmount(const CityData& city, int product, bool village) {
    if (village) return 80;
    if (product < kCotton || product > kFur) return 0;
    const int house = product + 2;
    return HasLineOf(city, product) || city.buildItem == kUnitTypes + house ? 15 : 0;
}

// Fields wear with farming and mining; worn fields are what the land remembers of a city.
void WearLand(CityData& city) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int x = city.cityX + dx, y = city.cityY + dy;
            if (!InsideMap(x, y)) continue;
            MapCell& cell = Cell(x, y);
            for (int u = 1; u <= 3; ++u) cell.landUse[u] *= 0.95;
        }
    const double w = city.culture >= 10 ? 3 : 1;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int x = city.cityX + dx, y = city.cityY + dy;
            if (!city.Worked(dx, dy) || !InsideMap(x, y)) continue;
            MapCell& cell = Cell(x, y);
            const int product = city.WorkedProduct(dx, dy);
            if (product == kFood)
                cell.landUse[1] += w / 3;
            else if (IsCrop(product) && cell.forest)
                cell.landUse[1] += w;
            else if (product == kStone || product == kGold)
                cell.landUse[3] += w / 3;
            else
                cell.landUse[2] += w / 3;
        }
}

// Stores change by the turn's production; a computer sells what it has no use for. False
// when the city starved to death.
bool SettleStores(CityData& city, bool village) {
    const int owner = city.owner;
    CivRecord& civ = Civ(owner);
    const bool computer = civ.isComputer == 1;
    const double priceFactor = civ.aiLevel == 4 ? 1.1 : (civ.aiLevel == 5 ? 1.2 : 1.0);
    for (int p = 1; p <= kProducts; ++p) {
        int32_t& stock = city.stock[p];
        stock += city.production[p] - city.consumption[p];
        const int keep = KeepAmount(city, p, village);
        if (computer) {
            const bool used = AnyCityHasLineOf(owner, p);
            if ((p == kFood || used) && stock > keep) {
                civ.gold += (stock - keep) * productPrice(p) / 100.0 * priceFactor;
                stock = keep;
            } else if (!village && p != kFood && p != kStone && !used && stock > 0) {
                civ.gold += stock * productPrice(p) / 100.0 * priceFactor;
                stock = 0;
            }
        }
        if (stock >= city.storageCapacity) stock = city.storageCapacity;
        if (stock < 0) {
            stock = 0;
            if (p == kFood) {
                RemoveCitizen(city);
                if (city.size > 0) city.size -= 1;
                AddNews(owner, city.cityX, city.cityY, kNewsStarved);
                if (city.size == 0) {
                    RemoveCity(city.cityX, city.cityY);
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace

void UpdateHappiness(CityData& city) {
    city.happiness += HappinessDelta(city, true);
    if (city.happiness < 50 && city.size > 1) {
        RemoveCitizen(city);
        city.size -= 1;
        city.happiness = 55;
        AddNews(city.owner, city.cityX, city.cityY, kNewsCitizenLeft);
    }
    city.happiness = std::clamp(city.happiness, 0.0, 100.0);
}

bool CityTurn(CityData& city) {
    if (!city.hasCity) return false;
    const int owner = city.owner;
    const bool village = IsNatives(owner);
    WearLand(city);
    if (!SettleStores(city, village)) return false; // starved away: its turn ends with it
    if (!village) {
        CivRecord& civ = Civ(owner);
        civ.gold -= city.scienceLevel + city.militaryLevel;
        civ.gold += TaxIncome(city) - Corruption(city);
        if (city.deliveryTimer > 0) city.deliveryTimer -= 1;
        GrowCity(city);
        AdvanceUnitProduction(city);
        AdvanceBuilding(city);
        AdvanceCulture(city);
        UpdateHappiness(city);
        ComputeProduction(city);
        AdvanceResearch(city);
        if (IsHuman(owner)) {
            for (int p = kCotton; p <= kProducts; ++p)
                if (p != kStone && city.stock[p] >= city.storageCapacity)
                    AddNews(owner, city.cityX, city.cityY, kNewsStoreFull + p);
        }
    }
    city.settlerReleased = 0;
    return true;
}

void RunCityTurns(int civ) {
    if (civ < 1 || civ > kMaxCivs) return;
    // The list shifts when a city starves away, so walk a copy of it: every city that
    // stood at the start has its turn exactly once.
    const CivRecord& holder = Civ(civ);
    const int count = std::min<int>(holder.cityCount, kMaxCities);
    CityRef list[kMaxCities + 1];
    for (int k = 1; k <= count; ++k) list[k] = holder.cities[k];
    for (int k = 1; k <= count; ++k) {
        CityData& city = City(list[k].x, list[k].y);
        if (city.hasCity && city.owner == civ) CityTurn(city);
    }
}

} // namespace annals
