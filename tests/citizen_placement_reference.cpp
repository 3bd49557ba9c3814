// The plain citizen planner: every question asked afresh, cell by cell, as the rules read.
// The game's planner must place every citizen exactly as this one does; the tests play
// whole games with each and compare the saves.
#include "citizen_placement_reference.h"

#include "economy/city.h"
#include "economy/city_management.h"
#include "economy/city_numbers.h"
#include "economy/city_shared.h"
#include "economy/happiness.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"

#include <algorithm>
#include <cmath>

namespace annals {

using namespace city_numbers;
using city_internal::Has;
using city_internal::NationOf;
using city_internal::SquareOf;

namespace {

constexpr int kFoodBaker = 23; // job: a baker inside the Bakery
constexpr int kPriest = kTemple, kTeacher = kSchoolhouse, kProfessor = kUniversity;
constexpr int kSoldierTeacher = kBarracks, kDoctor = kHospital;

// One run of the planner. Nothing of it outlives AssignCitizens.
struct Planner {
    CityData& city;
    MapCell& square;
    double terrainValue[kTerrains + 1][2] = {};
    int32_t food = 0;
    int placed = 0;
    double total = 0;
    int32_t stonePlanned = 0;
    int32_t cropPlanned[kProducts + 1] = {};

    explicit Planner(CityData& c) : city(c), square(SquareOf(c)) {}

    int X(int dx) const { return city.cityX + dx; }
    int Y(int dy) const { return city.cityY + dy; }

    bool Free(int dx, int dy) const {
        if (dx == 0 && dy == 0) return false;
        const int x = X(dx), y = Y(dy);
        return InCityArea(city, x, y) && city.Worked(dx, dy) == 0 &&
               !WorkedByOtherCity(city.cityX, city.cityY, x, y);
    }
    int FoodOf(int dx, int dy) const { return CellYield(Cell(X(dx), Y(dy)), kFood, city); }

    void BuildTerrainValues();
    void Plan(int h);
    void PlaceOtherJobs();
    bool BestJob(double& value, int& job, int& jobDx, int& jobDy, int& product);
    void ImproveFood();
    void ReleaseSurplusFood();
};

// How much a cell is worth for other uses than food, raised where the city's workshops
// can turn its crop into finished goods.
void Planner::BuildTerrainValues() {
    constexpr double kBase[kTerrains + 1][2] = {{0, 0},   {3, 3}, {4, 3.9}, {6, 5},
                                                {7, 5.1}, {5, 4}, {1, 2},   {2, 4}};
    for (int t = 1; t <= kTerrains; ++t)
        for (int f = 0; f < 2; ++f) terrainValue[t][f] = kBase[t][f];
    double(&open)[kTerrains + 1][2] = terrainValue;
    if (Has(city, kWeaverHouse)) {
        open[kSwamp][0] += 1;
        open[kPlain][0] += 2.5;
    } else if (Has(city, kWeaverShop) || Has(city, kTextileMill)) {
        open[kSwamp][0] += 1.5;
        open[kPlain][0] += 3.5;
    }
    if (Has(city, kWeaverHouse + 1)) {
        open[kGrassland][0] += 2.5;
        open[kSavannah][0] += 0.5;
    } else if (Has(city, kWeaverShop + 1) || Has(city, kTextileMill + 1)) {
        open[kGrassland][0] += 3;
        open[kSavannah][0] += 0.75;
    }
    if (Has(city, kWeaverHouse + 2)) {
        open[kSavannah][0] += 2.5;
        open[kGrassland][0] += 0.5;
    } else if (Has(city, kWeaverShop + 2) || Has(city, kTextileMill + 2)) {
        open[kSavannah][0] += 3;
        open[kGrassland][0] += 0.75;
    }
}

int TerrainIndex(const MapCell& cell) {
    return std::clamp<int>(cell.terrain, 1, kTerrains);
}

// A greedy plan for food weight h: food workers first, then the best other jobs.
void Planner::Plan(int h) {
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) city.Worked(dx, dy) = city.WorkedProduct(dx, dy) = 0;
    city.Worked(0, 0) = 1;
    city.WorkedProduct(0, 0) = kFood;
    for (int j = 1; j <= kJobs; ++j) city.jobs[j] = 0;
    food = FoodOf(0, 0);
    placed = 0;
    const int size = city.size;

    while (food <= 2 * size && placed < size) {
        double best = -9999;
        int bestDx = 0, bestDy = 0;
        bool found = false;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                if (!Free(dx, dy)) continue;
                const MapCell& cell = Cell(X(dx), Y(dy));
                if (cell.special == 11 || cell.special == 12) continue;
                double score = FoodOf(dx, dy);
                if (h != 0) {
                    const double other =
                        terrainValue[TerrainIndex(cell)][cell.forest ? 1 : 0] + SpecialValue(cell.special);
                    const double share = (1.0 - static_cast<double>(placed) / size) * 0.8 + 0.2;
                    score -= other * (h / 10.0) * share;
                }
                if (score > best) {
                    best = score;
                    bestDx = dx;
                    bestDy = dy;
                    found = true;
                }
            }
        if (!found) break;
        const int cellFood = FoodOf(bestDx, bestDy);
        if (Has(city, kBakery) && city.jobs[kFoodBaker] < 2 && cellFood <= 4) {
            city.jobs[kFoodBaker] += 1;
            food += 4;
        } else {
            city.Worked(bestDx, bestDy) = 1;
            city.WorkedProduct(bestDx, bestDy) = kFood;
            food += cellFood;
        }
        placed += 1;
    }

    total = food - 2 * size > 0 ? food - 2 * size : -1000;
    stonePlanned = 0;
    std::fill(std::begin(cropPlanned), std::end(cropPlanned), 0);
    PlaceOtherJobs();
}

void Planner::PlaceOtherJobs() {
    while (placed < city.size) {
        double value = 0;
        int job = 0, dx = 0, dy = 0, product = 0;
        if (!BestJob(value, job, dx, dy, product)) return;
        if (job != 0) {
            city.jobs[job] += 1;
        } else {
            city.Worked(dx, dy) = 1;
            city.WorkedProduct(dx, dy) = static_cast<uint8_t>(product);
            const int32_t yield = CellYield(Cell(X(dx), Y(dy)), product, city);
            if (product >= kCotton && product <= kFur) cropPlanned[product] += yield;
            if (product == kStone) stonePlanned += yield;
        }
        placed += 1;
        total += value;
    }
}

// The workshop level of a line the city has (house, else shop, else factory): its
// building and how much it makes of a raw good (p) and how much raw it wants (q).
bool WorkshopLevel(const CityData& city, int raw, int& building, int& p, int& q) {
    const int house = raw + 2;
    if (Has(city, house)) {
        building = house, p = 1, q = 3;
    } else if (Has(city, house + 4)) {
        building = house + 4, p = 1, q = 6;
    } else if (Has(city, house + 8)) {
        building = house + 8, p = 2, q = 6;
    } else {
        return false;
    }
    return true;
}

// Fur and wood are worth a little less on the lands that also grow crops.
double ForestCropFactor(int terrain) {
    switch (terrain) {
    case kSwamp:
        return 0.99;
    case kGrassland:
        return 0.97;
    case kSavannah:
        return 0.96;
    case kPlain:
        return 0.98;
    default:
        return 1;
    }
}

// The best job for one more citizen, from a value of -1 up so that a job worth 0 is taken.
// job is the building of a building job, else 0 with the cell (dx, dy) and its product.
bool Planner::BestJob(double& value, int& job, int& jobDx, int& jobDy, int& product) {
    double best = -1;
    bool found = false;
    auto offer = [&](double v, int b, int dx, int dy, int i) {
        if (v > best) {
            best = v;
            job = b;
            jobDx = dx;
            jobDy = dy;
            product = i;
            found = true;
        }
    };

    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const bool first = dx == -2 && dy == -2;
            const bool free = Free(dx, dy);
            const MapCell& cell = Cell(X(dx), Y(dy));
            for (int i = 1; i <= kProducts; ++i) {
                int building = 0, p = 0, q = 0;
                if (i == kStone) {
                    if (!free || (cell.special == 12 && cell.hillExamined)) continue;
                    const double v = StoneValue(city, stonePlanned, CellYield(cell, kStone, city)) /
                                     std::pow(terrainValue[TerrainIndex(cell)][0], 0.01);
                    offer(v, 0, dx, dy, i);
                } else if (i >= kCotton && i <= kFur && WorkshopLevel(city, i, building, p, q)) {
                    if (!free) continue;
                    const int u = CellYield(cell, i, city);
                    double v = 0;
                    for (int j = 1; j <= u; ++j)
                        v += j < 2 * q - city.stock[i] - cropPlanned[i] ? p * productPrice(i + 9) / 2.0
                                                                        : productPrice(i);
                    offer(v, 0, dx, dy, i);
                } else if (i >= kCloth && i <= kCoat) {
                    const int raw = i - 9;
                    if (!first || !WorkshopLevel(city, raw, building, p, q) || city.jobs[building] >= 2)
                        continue;
                    const int w = std::max<int>(city.jobs[building], 0);
                    double v = 0;
                    for (int j = w * p * q + 1; j <= (w + 1) * p * q; ++j)
                        if (j < city.stock[raw] + cropPlanned[raw])
                            v += (productPrice(i) - productPrice(raw)) * p;
                    offer(v, building, 0, 0, 0);
                } else if (i <= kGold) {
                    if (!free) continue;
                    const double k = (i == kFur || i == kWood) ? ForestCropFactor(cell.terrain) : 1;
                    offer(CellYield(cell, i, city) * k * productPrice(i), 0, dx, dy, i);
                }
            }
        }

    if (Has(city, kTemple) && city.jobs[kPriest] < 2) {
        const double d = HappinessDelta(city, false);
        int v = 32;
        const int k = Trunc(std::max(d, 0.0));
        if (k == 0) v += static_cast<int>(Round((1 - d) * 6 + 4));
        if (k == 1) v += static_cast<int>(Round((2 - d) * 4));
        if (city.jobs[kPriest] == 1) v -= 6;
        offer(v, kPriest, 0, 0, 0);
    }
    // A full Schoolhouse leaves its teaching to the University, never to a third teacher.
    if (Has(city, kSchoolhouse) && city.jobs[kTeacher] < 2) {
        offer(city.jobs[kTeacher] == 1 ? 21 : 27, kTeacher, 0, 0, 0);
    } else if (Has(city, kUniversity) && city.jobs[kProfessor] < 2) {
        offer(city.jobs[kProfessor] == 1 ? 28 : 34, kProfessor, 0, 0, 0);
    }
    if (Has(city, kBarracks) && city.jobs[kSoldierTeacher] < 2) {
        const CivRecord& owner = Civ(city.owner);
        int v = static_cast<int>(Round(std::min(std::max(owner.gold, 0.0), 20.0) + 10));
        if (owner.aiLevel == 1) v -= 6;
        if (owner.aiLevel == 2) v -= 3;
        if (owner.aiLevel == 4 || owner.aiLevel == 5) v += 2;
        // Few cities of the leading player make soldiers' training a poor use of a citizen.
        double w = 1;
        if (NationOf(city.owner) != kArabians) {
            constexpr double kByCities[7] = {3, 3, 3, 2, 1.5, 1.2, 1};
            const int count = Civ(game.currentCiv).cityCount;
            w = count <= 6 ? kByCities[count] : 1;
        }
        v -= static_cast<int>(Round((w - 1) * 10));
        if (city.jobs[kSoldierTeacher] == 1)
            v -= static_cast<int>(Round(3 * w));
        else
            v += 3;
        offer(v, kSoldierTeacher, 0, 0, 0);
    }
    if (Has(city, kHospital) && city.jobs[kDoctor] < 2) {
        const int from = city.jobs[kDoctor] == 0 ? 16 : 22;
        offer(std::max(city.size - from, 0) * 6 + 24, kDoctor, 0, 0, 0);
    }
    value = best;
    return found;
}

// Food workers move to richer free land, one step at a time, until none can.
void Planner::ImproveFood() {
    bool moved = true;
    while (moved) {
        moved = false;
        for (int wx = -2; wx <= 2 && !moved; ++wx)
            for (int wy = -2; wy <= 2 && !moved; ++wy) {
                if ((wx == 0 && wy == 0) || !city.Worked(wx, wy) || city.WorkedProduct(wx, wy) != kFood)
                    continue;
                int atX = wx, atY = wy;
                for (int dx = -2; dx <= 2; ++dx)
                    for (int dy = -2; dy <= 2; ++dy) {
                        if (!Free(dx, dy) || FoodOf(dx, dy) <= FoodOf(atX, atY)) continue;
                        city.Worked(atX, atY) = city.WorkedProduct(atX, atY) = 0;
                        city.Worked(dx, dy) = 1;
                        city.WorkedProduct(dx, dy) = kFood;
                        atX = dx;
                        atY = dy;
                        moved = true;
                    }
            }
    }
}

// Food workers the city can spare beyond its needs go back to the pool.
void Planner::ReleaseSurplusFood() {
    auto counts = [&](int dx, int dy) {
        return city.Worked(dx, dy) && city.WorkedProduct(dx, dy) == kFood && InCityArea(city, X(dx), Y(dy)) &&
               !WorkedByOtherCity(city.cityX, city.cityY, X(dx), Y(dy));
    };
    food = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (counts(dx, dy)) food += FoodOf(dx, dy);
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            if ((dx == 0 && dy == 0) || !counts(dx, dy)) continue;
            const int cellFood = FoodOf(dx, dy);
            if (cellFood >= food - 2 * city.size) continue;
            city.Worked(dx, dy) = city.WorkedProduct(dx, dy) = 0;
            food -= cellFood;
            placed -= 1;
        }
}

} // namespace

void AssignCitizensPlain(CityData& city) {
    if (!city.hasCity) return;
    Planner planner(city);
    planner.BuildTerrainValues();

    double bestTotal = -100000;
    int bestH = 0;
    for (int h = 0; h <= 20; ++h) {
        planner.Plan(h);
        if (planner.total > bestTotal) {
            bestTotal = planner.total;
            bestH = h;
        }
    }
    planner.Plan(bestH);
    planner.ImproveFood();
    planner.ReleaseSurplusFood();
    planner.PlaceOtherJobs();
    planner.ImproveFood();
}

} // namespace annals
