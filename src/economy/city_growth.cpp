// Citizens coming and going: growth, starvation's victims, settlers, and the end of a city.
#include "economy/city.h"

#include "economy/city_management.h"
#include "economy/city_numbers.h"
#include "economy/city_shared.h"
#include "economy/news.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cstdlib>

namespace annals {

using namespace city_numbers;
using namespace city_internal;

namespace {

int FoodAt(const CityData& city, int dx, int dy) {
    const int x = city.cityX + dx, y = city.cityY + dy;
    return InsideMap(x, y) ? CellYield(Cell(x, y), kFood, city) : 0;
}

// The cell a computer's city gives up: the first worked cell (not the square) of the
// last column that has one. False when only the square is worked.
bool AutomaticPick(const CityData& city, int& pickDx, int& pickDy) {
    bool found = false;
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            if ((dx == 0 && dy == 0) || !city.Worked(dx, dy)) continue;
            pickDx = dx;
            pickDy = dy;
            found = true;
            break;
        }
    }
    return found;
}

} // namespace

uint8_t GrowthPerTurn(const CityData& city) {
    int food = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            // A worked cell that has since passed into another civilization's area feeds nobody.
            if (city.Worked(dx, dy) && city.WorkedProduct(dx, dy) == kFood &&
                InCityArea(city, city.cityX + dx, city.cityY + dy))
                food += FoodAt(city, dx, dy);
    if (Has(city, kBakery)) food += 4 * city.jobs[kBakery];
    if (food - 2 * city.size < 1) return 0;
    int growth = 2;
    if (Has(city, kHangingGardens)) growth += 1;
    if (city.granaryBonus) growth += 1;
    // The first cities of the Chinese, while still Chinese, grow fastest.
    if (NationOf(city.founder) == kChinese && NationOf(city.owner) == kChinese && city.nameIndex <= 3)
        growth += 1;
    return static_cast<uint8_t>(growth);
}

void GrowCity(CityData& city) {
    city.foodBox = static_cast<uint8_t>(std::min(city.foodBox + GrowthPerTurn(city), 255));
    const int full = city.size < 5 ? 9 : 19;
    if (city.foodBox <= full) return;
    if (AddCitizen(city)) {
        city.foodBox = 0;
        AddNews(city.owner, city.cityX, city.cityY, kNewsGrew);
    } else {
        // No place for a newcomer: the box stays full and he tries again next turn.
        city.foodBox = static_cast<uint8_t>(city.foodBox - city.foodBox % 10);
    }
}

bool AddCitizen(CityData& city) {
    if (city.size >= 255) return false;
    int best = -1, bestDx = 0, bestDy = 0;
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const int x = city.cityX + dx, y = city.cityY + dy;
            if (!InCityArea(city, x, y) || city.Worked(dx, dy) ||
                WorkedByOtherCity(city.cityX, city.cityY, x, y))
                continue;
            const int food = FoodAt(city, dx, dy);
            if (food > best) {
                best = food;
                bestDx = dx;
                bestDy = dy;
            }
        }
    }
    if (best >= 0) {
        city.Worked(bestDx, bestDy) = 1;
        city.WorkedProduct(bestDx, bestDy) = kFood;
    } else {
        int building = 0;
        for (int b = kJobs; b >= 1 && building == 0; --b)
            if (Has(city, b) && city.jobs[b] < maxWorkers(b)) building = b;
        if (building == 0) return false;
        city.jobs[building] += 1;
    }
    city.size += 1;
    AddCitizenFigure(city);
    return true;
}

void RemoveCitizen(CityData& city) {
    // A worker on cash crops goes first; otherwise the one on the poorest farm.
    int best = 256, pickDx = 0, pickDy = 0;
    bool found = false;
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            if ((dx == 0 && dy == 0) || !city.Worked(dx, dy)) continue;
            if (city.WorkedProduct(dx, dy) != kFood) {
                pickDx = dx;
                pickDy = dy;
                best = -1;
                found = true;
                break;
            }
            const int food = FoodAt(city, dx, dy);
            if (food < best) {
                best = food;
                pickDx = dx;
                pickDy = dy;
                found = true;
            }
        }
    }
    if (found) {
        city.Worked(pickDx, pickDy) = 0;
        city.WorkedProduct(pickDx, pickDy) = 0;
    }
    RemoveCitizenFigure(city);
}

void ReleaseSettler(int x, int y) {
    if (!InsideMap(x, y)) return;
    CityData& city = City(x, y);
    // The last citizen never leaves, and a full unit table takes no Settler.
    if (!city.hasCity || city.size < 2) return;
    const int owner = city.owner;
    if (Civ(owner).unitCount >= kMaxUnits || Cell(x, y).unitCount >= kMaxCellUnits) return;
    const bool computer = Civ(owner).isComputer == 1;

    // A person picked the worker on the city screen; a computer's city picks its own.
    // Only a worker of this very city can go.
    int building = 0, pickDx = 0, pickDy = 0;
    bool cell = false;
    if (!computer) {
        if (city.releaseX > 100 && city.releaseX - 100 <= kJobs) {
            const int b = city.releaseX - 100;
            if (city.jobs[b] > 0) building = b;
        } else if (city.releaseX != 0) {
            pickDx = city.releaseX - x;
            pickDy = city.releaseY - y;
            cell = std::abs(pickDx) <= 2 && std::abs(pickDy) <= 2 && !(pickDx == 0 && pickDy == 0) &&
                   city.Worked(pickDx, pickDy);
        }
    }
    if (building == 0 && !cell) cell = AutomaticPick(city, pickDx, pickDy);
    if (building == 0 && !cell) {
        city.releaseX = city.releaseY = 0;
        return;
    }
    if (cell) {
        city.releaseX = static_cast<uint8_t>(x + pickDx);
        city.releaseY = static_cast<uint8_t>(y + pickDy);
    }

    RemoveCitizenFigure(city);
    city.size -= 1;
    if (building != 0) {
        city.jobs[building] -= 1;
    } else {
        city.Worked(pickDx, pickDy) = 0;
        city.WorkedProduct(pickDx, pickDy) = 0;
    }
    city.releaseX = city.releaseY = 0;
    AddUnit(owner, kSettlerType, x, y);
    if (computer) AssignCitizens(city);
    ComputeProduction(city);
}

void RemoveCity(int x, int y) {
    if (!InsideMap(x, y) || !City(x, y).hasCity) return;
    CityData& city = City(x, y);
    CivRecord& owner = Civ(city.owner);
    const int count = std::min<int>(owner.cityCount, kMaxCities);
    int index = 0;
    for (int k = 1; k <= count && index == 0; ++k)
        if (owner.cities[k].x == x && owner.cities[k].y == y) index = k;
    if (index != 0) {
        for (int k = index; k < count; ++k) {
            owner.cities[k] = owner.cities[k + 1];
            City(owner.cities[k].x, owner.cities[k].y).cityIndex = static_cast<uint8_t>(k);
        }
        owner.cities[count] = {0, 0};
        owner.cityCount = static_cast<uint8_t>(count - 1);
    }
    city.hasCity = 0;
    // The land it held is free for its neighbours.
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            if (!InsideMap(x + dx, y + dy)) continue;
            MapCell& cell = Cell(x + dx, y + dy);
            if (cell.workedByX == x && cell.workedByY == y) cell.workedByX = cell.workedByY = 0;
        }
    }
    ui.battleShown = 0;
}

} // namespace annals
