// A person's orders for one of his cities, given on its screen.
#include "economy/city_commands.h"

#include "economy/city.h"
#include "economy/city_numbers.h"
#include "economy/news.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"

#include <algorithm>
#include <cstdlib>

namespace annals {

using namespace city_numbers;

namespace {

constexpr int kCarriedUnit = 100000;
constexpr int kLastJobBuilding = 38;

bool Owns(const CityData& city, int building) {
    return building >= 1 && building <= kBuildings && city.buildings[building] == 1;
}

// The city's unit `slot` standing on its square.
UnitRecord* OwnUnitOnSquare(const CityData& city, int slot) {
    const int civ = city.owner;
    if (civ < 1 || civ > kMaxCivs || slot < 1 || slot > Civ(civ).unitCount) return nullptr;
    UnitRecord& u = Unit(civ, slot);
    if (u.x != city.cityX || u.y != city.cityY) return nullptr;
    return &u;
}

} // namespace

void ClearPickedWorker(CityData& city) {
    city.releaseX = city.releaseY = 0;
}

bool PickCellWorker(CityData& city, int x, int y) {
    const int dx = x - city.cityX, dy = y - city.cityY;
    if (std::abs(dx) > 2 || std::abs(dy) > 2 || (dx == 0 && dy == 0) || !city.Worked(dx, dy)) return false;
    city.releaseX = static_cast<uint8_t>(x);
    city.releaseY = static_cast<uint8_t>(y);
    return true;
}

void PickBuildingWorker(CityData& city, int building, int worker) {
    city.releaseX = static_cast<uint8_t>(kBuildingWorkerMark + building);
    city.releaseY = static_cast<uint8_t>(worker);
}

bool PickedCellValid(const CityData& city, int& dx, int& dy) {
    if (city.releaseX == 0 || city.releaseX > kBuildingWorkerMark) return false;
    dx = city.releaseX - city.cityX;
    dy = city.releaseY - city.cityY;
    return std::abs(dx) <= 2 && std::abs(dy) <= 2 && !(dx == 0 && dy == 0) && city.Worked(dx, dy);
}

int PickedBuilding(const CityData& city) {
    if (city.releaseX <= kBuildingWorkerMark) return 0;
    const int b = city.releaseX - kBuildingWorkerMark;
    if (b < 1 || b > kLastJobBuilding || !Owns(city, b)) return 0;
    return city.releaseY >= 1 && city.releaseY <= city.jobs[b] ? b : 0;
}

bool HasPickedWorker(const CityData& city) {
    int dx = 0, dy = 0;
    return PickedCellValid(city, dx, dy) || PickedBuilding(city) != 0;
}

bool FreeCellForCity(const CityData& city, int x, int y) {
    const int dx = x - city.cityX, dy = y - city.cityY;
    if (!InsideMap(x, y) || std::abs(dx) > 2 || std::abs(dy) > 2) return false;
    if (!InCityArea(city, x, y) || WorkedByOtherCity(city.cityX, city.cityY, x, y)) return false;
    return !city.Worked(dx, dy);
}

namespace {

// Frees the place of the picked worker, a cell (whose product goes to product) or a job
// in a building. With no worker picked, the mark is cleared and false returned.
bool TakePickedWorker(CityData& city, uint8_t& product) {
    int pdx = 0, pdy = 0;
    if (PickedCellValid(city, pdx, pdy)) {
        product = city.WorkedProduct(pdx, pdy);
        city.Worked(pdx, pdy) = 0;
        city.WorkedProduct(pdx, pdy) = 0;
    } else if (const int b = PickedBuilding(city); b != 0) {
        city.jobs[b] -= 1;
    } else {
        ClearPickedWorker(city);
        return false;
    }
    return true;
}

} // namespace

bool MoveWorkerToCell(CityData& city, int x, int y) {
    if (!FreeCellForCity(city, x, y)) return false;
    uint8_t product = kFood;
    if (!TakePickedWorker(city, product)) return false;
    const int dx = x - city.cityX, dy = y - city.cityY;
    city.Worked(dx, dy) = 1;
    city.WorkedProduct(dx, dy) = product;
    ClearPickedWorker(city);
    ComputeProduction(city);
    return true;
}

bool MoveWorkerToBuilding(CityData& city, int building) {
    if (building < 1 || building > kLastJobBuilding || !Owns(city, building) ||
        city.jobs[building] >= maxWorkers(building))
        return false;
    uint8_t unused = kFood;
    if (!TakePickedWorker(city, unused)) return false;
    city.jobs[building] += 1;
    ClearPickedWorker(city);
    ComputeProduction(city);
    return true;
}

bool SetCellProduct(CityData& city, int product) {
    int dx = 0, dy = 0;
    if (product < 1 || product > kProducts || !PickedCellValid(city, dx, dy)) return false;
    city.WorkedProduct(dx, dy) = static_cast<uint8_t>(product);
    ClearPickedWorker(city);
    ComputeProduction(city);
    return true;
}

int JobBuildings(const CityData& city, int out[kMaxJobBoxes]) {
    int n = 0;
    for (int b = 1; b <= kLastJobBuilding && n < kMaxJobBoxes; ++b)
        if (Owns(city, b) && maxWorkers(b) > 0) out[n++] = b;
    return n;
}

int WorkerBuildingCount(const CityData& city) {
    int n = 0;
    for (int b = 1; b <= kBuildings; ++b) n += Owns(city, b) && maxWorkers(b) > 0;
    return n;
}

int BestFreeYield(const CityData& city, int product, int& x, int& y) {
    int best = 0;
    x = y = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int cx = city.cityX + dx, cy = city.cityY + dy;
            if (!FreeCellForCity(city, cx, cy)) continue;
            const int yield = CellYield(Cell(cx, cy), product, city);
            if (yield > best) {
                best = yield;
                x = cx;
                y = cy;
            }
        }
    return best;
}

BuildingChoice ChooseBuilding(CityData& city, int item) {
    // Taking a building down never counts against the limit.
    if (city.buildItem != 0) {
        city.stock[kStone] = std::min(city.stock[kStone] + static_cast<int32_t>(city.buildProgress),
                                      std::max(city.storageCapacity, city.stock[kStone]));
        city.buildProgress = 0;
        city.buildItem = 0;
        return BuildingChoice::Cancelled;
    }
    if (WorkerBuildingCount(city) >= 8) return BuildingChoice::TooMany;
    if (item >= kFirstBuildingItem && item <= kLastBuildItem) city.buildItem = static_cast<uint8_t>(item);
    return BuildingChoice::Chosen;
}

bool ChangeSpending(CityData& city, Spending what, bool up) {
    uint8_t& level = what == Spending::Science    ? city.scienceLevel
                     : what == Spending::Military ? city.militaryLevel
                                                  : city.taxRate;
    const int step = what == Spending::Tax ? 5 : 1;
    const int top = what == Spending::Tax ? 70 : 9;
    if (up ? level >= top : level == 0) return false;
    level = static_cast<uint8_t>(up ? std::min(level + step, top) : std::max(level - step, 0));
    return true;
}

bool CargoHoldsGoods(int32_t value) {
    return value > 0 && value < kCarriedUnit && value / 1000 >= 1 && value / 1000 <= kProducts;
}

double SellStock(CityData& city, int product) {
    if (product < 1 || product > kProducts || city.stock[product] < 1) return 0;
    const double gold = city.stock[product] * productPrice(product) / 100.0;
    CivRecord& owner = Civ(city.owner);
    owner.gold += gold;
    const int32_t code = NewsCode(city.cityX, city.cityY, kNewsStoreFull + product);
    const int count = std::min<int>(owner.newsCount, kMaxNews);
    for (int k = 1; k <= count; ++k) {
        if (owner.news[k] != code) continue;
        for (int j = k; j < count; ++j) owner.news[j] = owner.news[j + 1];
        owner.news[count] = 0;
        owner.newsCount = static_cast<uint8_t>(count - 1);
        break;
    }
    city.stock[product] = 0;
    return gold;
}

int CargoUsed(int civ, int slot) {
    if (civ < 1 || civ > kMaxCivs || slot < 1 || slot > Civ(civ).unitCount) return 0;
    const UnitRecord& u = Unit(civ, slot);
    const int capacity = std::min(UnitTypeCapacity(u.type), kCargoSlots);
    int used = 0;
    for (int k = 1; k <= capacity; ++k) used += u.cargo[k] != 0;
    return used;
}

LoadResult LoadCargo(CityData& city, int slot, int product) {
    UnitRecord* u = OwnUnitOnSquare(city, slot);
    if (!u || product < 1 || product > kProducts || city.stock[product] < 1) return LoadResult::Nothing;
    const int capacity = std::min(UnitTypeCapacity(u->type), kCargoSlots);
    if (capacity <= 0) return LoadResult::Nothing;
    for (int k = 1; k <= capacity; ++k) {
        if (u->cargo[k] != 0) continue;
        const int amount = std::min(city.stock[product], 100);
        u->cargo[k] = 1000 * product + amount;
        city.stock[product] -= amount;
        return LoadResult::Loaded;
    }
    return LoadResult::NoPlace;
}

bool UnloadCargo(CityData& city, int slot, int position) {
    UnitRecord* u = OwnUnitOnSquare(city, slot);
    if (!u || position < 1 || position > kCargoSlots || !CargoHoldsGoods(u->cargo[position])) return false;
    const int product = u->cargo[position] / 1000, amount = u->cargo[position] % 1000;
    city.stock[product] =
        std::min(city.stock[product] + amount, std::max(city.storageCapacity, city.stock[product]));
    // Later positions move up; a unit carried in one of them moves up with it.
    for (int k = position; k < kCargoSlots; ++k) {
        u->cargo[k] = u->cargo[k + 1];
        const int32_t v = u->cargo[k];
        if (v > kCarriedUnit && v - kCarriedUnit <= Civ(city.owner).unitCount) {
            UnitRecord& carried = Unit(city.owner, v - kCarriedUnit);
            if (carried.carrierLink == slot * 1000 + k + 1) carried.carrierLink = slot * 1000 + k;
        }
    }
    u->cargo[kCargoSlots] = 0;
    ComputeProduction(city);
    return true;
}

} // namespace annals
