#include "economy/city_management.h"

#include "economy/city.h"
#include "economy/city_numbers.h"
#include "economy/city_shared.h"
#include "economy/happiness.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "state/validation.h"

#include <algorithm>
#include <cmath>

namespace annals {

using namespace city_numbers;
using city_internal::Has;
using city_internal::NationOf;

namespace {

constexpr int kFoodBaker = 23; // job: a baker inside the Bakery
constexpr int kPriest = kTemple, kTeacher = kSchoolhouse, kProfessor = kUniversity;
constexpr int kSoldierTeacher = kBarracks, kDoctor = kHospital;

// One run of the planner. Nothing of it outlives AssignCitizens.
//
// Nothing outside the city moves while its citizens are placed: the area, the other
// cities' workers and every cell's yields are read once, when the run starts, and the
// 21 trial plans ask the tables. Cells are numbered in scan order, k = (dx + 2) * 5 +
// (dy + 2), which is also the layout of the city's worked marks.
struct Planner {
    static constexpr int kCells = 25, kSquare = 12;

    CityData& city;
    double terrainValue[kTerrains + 1][2] = {};
    int32_t food = 0;
    int placed = 0;
    double total = 0;
    int32_t stonePlanned = 0;
    int32_t cropPlanned[kProducts + 1] = {};

    // Read once per run.
    bool inArea[kCells] = {};     // InCityArea
    bool otherWorks[kCells] = {}; // WorkedByOtherCity
    bool takes[kCells] = {};      // may take a worker when the city's own mark is clear
    uint8_t yield[kCells][kGold + 1] = {};
    double stoneRoot[kCells] = {};             // the stone value's divisor, by the open land's worth
    double fixedOffer[kCells][kGold + 1] = {}; // cell jobs whose worth does not move in a run
    double foodOther[kCells] = {};             // the cell's worth for other uses, for the food weight
    bool foodCell[kCells] = {};                // may be chosen as a food cell by the planner
    // What each product is to the best-job search: none, a fixed cell job, stone, a crop
    // for a workshop, or a workshop job (asked at the first cell only).
    enum Kind : uint8_t { kNone, kFixed, kStoneJob, kCropJob, kWorkshopJob };
    Kind kind[kProducts + 1] = {};
    int level[kProducts + 1] = {}, levelP[kProducts + 1] = {}, levelQ[kProducts + 1] = {};
    // Answers that depend only on what is planned so far, kept while it stays the same.
    int32_t stoneAt[kCells];
    double stoneOffer[kCells] = {};
    int32_t cropAt[kCells][kProducts + 1];
    double cropOffer[kCells][kProducts + 1] = {};

    explicit Planner(CityData& c);

    static int Dx(int k) { return k / 5 - 2; }
    static int Dy(int k) { return k % 5 - 2; }
    uint8_t& Mark(int k) { return city.worked[k / 5][k % 5]; }
    uint8_t& MarkProduct(int k) { return city.workedProduct[k / 5][k % 5]; }
    bool Free(int k) { return takes[k] && Mark(k) == 0; }
    int FoodOf(int k) const { return yield[k][kFood]; }

    void BuildTerrainValues();
    void ReadLand();
    void Plan(int h);
    void PlaceOtherJobs();
    bool BestJob(double& value, int& job, int& cell, int& product);
    void ImproveFood();
    void ReleaseSurplusFood();
};

Planner::Planner(CityData& c) : city(c) {
    std::fill(std::begin(stoneAt), std::end(stoneAt), -1);
    std::fill(&cropAt[0][0], &cropAt[0][0] + kCells * (kProducts + 1), -1);
}

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

// The area, the other cities' workers and the yields, once per run. The area test runs
// over the square in scan order, so that the last one asked is the last cell, as when
// every search asks it again.
void Planner::ReadLand() {
    for (int i = 1; i <= kProducts; ++i) {
        int building = 0, p = 0, q = 0;
        if (i == kStone) {
            kind[i] = kStoneJob;
        } else if (i >= kCotton && i <= kFur && WorkshopLevel(city, i, building, p, q)) {
            kind[i] = kCropJob;
            level[i] = building, levelP[i] = p, levelQ[i] = q;
        } else if (i >= kCloth && i <= kCoat) {
            if (WorkshopLevel(city, i - 9, building, p, q)) {
                kind[i] = kWorkshopJob;
                level[i] = building, levelP[i] = p, levelQ[i] = q;
            }
        } else if (i <= kGold) {
            kind[i] = kFixed;
        }
    }
    for (int k = 0; k < kCells; ++k) {
        const int x = city.cityX + Dx(k), y = city.cityY + Dy(k);
        inArea[k] = InCityArea(city, x, y);
        const MapCell& cell = Cell(x, y);
        if (k == kSquare)
            for (int i = 1; i <= kGold; ++i) yield[k][i] = CellYield(cell, i, city);
        if (!inArea[k]) continue; // off the map or out of reach: nothing more is asked
        otherWorks[k] = WorkedByOtherCity(city.cityX, city.cityY, x, y);
        takes[k] = k != kSquare && !otherWorks[k];
        if (k != kSquare)
            for (int i = 1; i <= kGold; ++i) yield[k][i] = CellYield(cell, i, city);
        const int t = TerrainIndex(cell);
        stoneRoot[k] = std::pow(terrainValue[t][0], 0.01);
        foodOther[k] = terrainValue[t][cell.forest ? 1 : 0] + SpecialValue(cell.special);
        foodCell[k] = takes[k] && cell.special != 11 && cell.special != 12;
        // Stone is never dug where gold lies in an examined hill.
        if (cell.special == 12 && cell.hillExamined) stoneAt[k] = -2;
        for (int i = 1; i <= kGold; ++i) {
            if (kind[i] != kFixed) continue;
            const double f = (i == kFur || i == kWood) ? ForestCropFactor(cell.terrain) : 1;
            fixedOffer[k][i] = yield[k][i] * f * productPrice(i);
        }
    }
}

// A greedy plan for food weight h: food workers first, then the best other jobs.
void Planner::Plan(int h) {
    for (int k = 0; k < kCells; ++k) Mark(k) = MarkProduct(k) = 0;
    Mark(kSquare) = 1;
    MarkProduct(kSquare) = kFood;
    for (int j = 1; j <= kJobs; ++j) city.jobs[j] = 0;
    food = FoodOf(kSquare);
    placed = 0;
    const int size = city.size;
    const bool bakery = Has(city, kBakery);

    while (food <= 2 * size && placed < size) {
        double best = -9999;
        int bestCell = -1;
        const double share = (1.0 - static_cast<double>(placed) / size) * 0.8 + 0.2;
        for (int k = 0; k < kCells; ++k) {
            if (!foodCell[k] || Mark(k) != 0) continue;
            double score = FoodOf(k);
            if (h != 0) score -= foodOther[k] * (h / 10.0) * share;
            if (score > best) {
                best = score;
                bestCell = k;
            }
        }
        if (bestCell < 0) break;
        const int cellFood = FoodOf(bestCell);
        if (bakery && city.jobs[kFoodBaker] < 2 && cellFood <= 4) {
            city.jobs[kFoodBaker] += 1;
            food += 4;
        } else {
            Mark(bestCell) = 1;
            MarkProduct(bestCell) = kFood;
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
        int job = 0, k = 0, product = 0;
        if (!BestJob(value, job, k, product)) return;
        if (job != 0) {
            city.jobs[job] += 1;
        } else {
            Mark(k) = 1;
            MarkProduct(k) = static_cast<uint8_t>(product);
            const int32_t planned = yield[k][product];
            if (product >= kCotton && product <= kFur) cropPlanned[product] += planned;
            if (product == kStone) stonePlanned += planned;
        }
        placed += 1;
        total += value;
    }
}

// The best job for one more citizen, from a value of -1 up so that a job worth 0 is taken.
// job is the building of a building job, else 0 with the cell k and its product.
bool Planner::BestJob(double& value, int& job, int& jobCell, int& product) {
    double best = -1;
    bool found = false;
    auto offer = [&](double v, int b, int k, int i) {
        if (v > best) {
            best = v;
            job = b;
            jobCell = k;
            product = i;
            found = true;
        }
    };

    for (int k = 0; k < kCells; ++k) {
        const bool free = Free(k);
        // Jobs inside the workshops are offered at the first cell of the scan, whatever it is.
        if (!free && k != 0) continue;
        for (int i = 1; i <= kProducts; ++i) {
            switch (kind[i]) {
            case kNone:
                break;
            case kFixed:
                if (free) offer(fixedOffer[k][i], 0, k, i);
                break;
            case kStoneJob:
                if (!free || stoneAt[k] == -2) break;
                if (stoneAt[k] != stonePlanned) {
                    stoneOffer[k] = StoneValue(city, stonePlanned, yield[k][kStone]) / stoneRoot[k];
                    stoneAt[k] = stonePlanned;
                }
                offer(stoneOffer[k], 0, k, i);
                break;
            case kCropJob:
                if (!free) break;
                if (cropAt[k][i] != cropPlanned[i]) {
                    const int p = levelP[i], q = levelQ[i];
                    const int u = yield[k][i];
                    double v = 0;
                    for (int j = 1; j <= u; ++j)
                        v += j < 2 * q - city.stock[i] - cropPlanned[i] ? p * productPrice(i + 9) / 2.0
                                                                        : productPrice(i);
                    cropOffer[k][i] = v;
                    cropAt[k][i] = cropPlanned[i];
                }
                offer(cropOffer[k][i], 0, k, i);
                break;
            case kWorkshopJob: {
                const int building = level[i], p = levelP[i], q = levelQ[i], raw = i - 9;
                if (k != 0 || city.jobs[building] >= 2) break;
                const int w = std::max<int>(city.jobs[building], 0);
                double v = 0;
                for (int j = w * p * q + 1; j <= (w + 1) * p * q; ++j)
                    if (j < city.stock[raw] + cropPlanned[raw])
                        v += (productPrice(i) - productPrice(raw)) * p;
                offer(v, building, 0, 0);
                break;
            }
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
        offer(v, kPriest, 0, 0);
    }
    // A full Schoolhouse leaves its teaching to the University, never to a third teacher.
    if (Has(city, kSchoolhouse) && city.jobs[kTeacher] < 2) {
        offer(city.jobs[kTeacher] == 1 ? 21 : 27, kTeacher, 0, 0);
    } else if (Has(city, kUniversity) && city.jobs[kProfessor] < 2) {
        offer(city.jobs[kProfessor] == 1 ? 28 : 34, kProfessor, 0, 0);
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
        offer(v, kSoldierTeacher, 0, 0);
    }
    if (Has(city, kHospital) && city.jobs[kDoctor] < 2) {
        const int from = city.jobs[kDoctor] == 0 ? 16 : 22;
        offer(std::max(city.size - from, 0) * 6 + 24, kDoctor, 0, 0);
    }
    value = best;
    return found;
}

// Food workers move to richer free land, one step at a time, until none can.
void Planner::ImproveFood() {
    bool moved = true;
    while (moved) {
        moved = false;
        for (int w = 0; w < kCells && !moved; ++w) {
            if (w == kSquare || !Mark(w) || MarkProduct(w) != kFood) continue;
            int at = w;
            for (int k = 0; k < kCells; ++k) {
                if (!Free(k) || FoodOf(k) <= FoodOf(at)) continue;
                Mark(at) = MarkProduct(at) = 0;
                Mark(k) = 1;
                MarkProduct(k) = kFood;
                at = k;
                moved = true;
            }
        }
    }
}

// Food workers the city can spare beyond its needs go back to the pool.
void Planner::ReleaseSurplusFood() {
    auto counts = [&](int k) { return Mark(k) && MarkProduct(k) == kFood && inArea[k] && !otherWorks[k]; };
    food = 0;
    for (int k = 0; k < kCells; ++k)
        if (counts(k)) food += FoodOf(k);
    for (int k = 0; k < kCells; ++k) {
        if (k == kSquare || !counts(k)) continue;
        const int cellFood = FoodOf(k);
        if (cellFood >= food - 2 * city.size) continue;
        Mark(k) = MarkProduct(k) = 0;
        food -= cellFood;
        placed -= 1;
    }
}

} // namespace

namespace {
void (*replacementPlanner)(CityData&) = nullptr;
} // namespace

void SetCitizenPlanner(void (*planner)(CityData&)) {
    replacementPlanner = planner;
}

double SpecialValue(int special) {
    switch (special) {
    case 6:
        return 2.2;
    case 7:
        return 2.6;
    case 8:
    case 9:
    case 11:
        return 3;
    case 10:
        return 1.2;
    case 12:
        return 6;
    default:
        return 0;
    }
}

double StoneValue(const CityData& city, int32_t planned, int32_t n) {
    const CivRecord& owner = Civ(city.owner);
    if (n <= 0) return 0;
    // Careful players do not rush from one building into the next.
    const int waited = city.turnsSinceBuilding;
    if ((owner.aiLevel == 1 && waited <= 5) || (owner.aiLevel == 2 && waited <= 3) ||
        (owner.aiLevel == 3 && waited <= 1))
        return 0;

    const double gold = owner.gold;
    double o = 1.25;
    if (gold < 0)
        o = 0.75;
    else if (gold < 2)
        o = 0.77;
    else if (gold < 4)
        o = 0.8;
    else if (gold < 6)
        o = 0.85;
    else if (gold < 8)
        o = 0.9;
    else if (gold < 10)
        o = 0.95;
    constexpr double kByCities[7] = {1, 0.86, 0.86, 0.92, 1, 1.06, 1.18};
    if (owner.cityCount >= 1 && owner.cityCount <= 6) o *= kByCities[owner.cityCount];
    const int32_t s = city.stock[kStone];
    if (s > 40) o *= 0.9;
    if (s > 60) o *= 0.9;
    if (s > 70) o *= 0.8;
    if (s > 80) o *= 0.7;
    const int item = city.buildItem;
    const bool wonder = item >= kFirstWonderItem;
    if (wonder) o = std::pow(o, 0.6);
    const double r = s <= 80 ? 1 : 0.2;

    const int size = city.size;
    auto ready = [&](int building) { return Has(city, building) && item != 35 + building; };
    const bool sewerOk = item == 35 + kSewerSystem ? size <= 13 : (Has(city, kSewerSystem) || size <= 13);
    const bool providedFor = s > 9 || (!wonder && (ready(kAqueduct) || size <= 7) && sewerOk &&
                                       (ready(kHospital) || size <= 19) && (ready(kPowerPlant) || size < 26));

    // Worth of the m-th unit of stone; from the 6th on scaled by r.
    constexpr double kProvided[16] = {15,   12, 9,    7.5, 6.5,  5.5, 5,    4.5,
                                      4.25, 4,  3.75, 3.5, 3.25, 3,   2.75, 2.5};
    constexpr double kNeeded[16] = {24, 22, 20, 18, 16, 13, 10, 8.5, 7.5, 6.5, 4.5, 3.75, 3.25, 3, 2.75, 2.5};
    const double* rate = providedFor ? kProvided : kNeeded;
    double value = 0;
    for (int32_t m = std::max(planned, 0) + 1; m <= std::max(planned, 0) + n; ++m) {
        const int k = std::min<int32_t>(m, 16) - 1;
        value += o * rate[k] * (m >= 6 ? r : 1);
    }
    return value;
}

void AssignCitizens(CityData& city) {
    if (!city.hasCity) return;
    if (replacementPlanner != nullptr) {
        replacementPlanner(city);
        return;
    }
    Planner planner(city);
    planner.BuildTerrainValues();
    planner.ReadLand();

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

namespace {

constexpr int kMaxTax = 100;

void RaiseTax(CityData& city) {
    city.taxRate = static_cast<uint8_t>(std::min(city.taxRate + 5, kMaxTax));
}
void LowerTax(CityData& city) {
    city.taxRate = static_cast<uint8_t>(std::max(city.taxRate - 5, 0));
}

// The happiness change to aim for, from the city's mood and the treasury; false when the
// mood is outside the bands the aim is made for.
bool TaxTarget(const CityData& city, int b, double g, double& d) {
    struct Band {
        int low, high;
        double d, f, e;
    };
    constexpr Band kBands[5] = {
        {65, 79, 0, 0, -0.5},     {80, 84, 0.15, 0.15, -0.1}, {85, 91, 0.3, 0.3, 0.2},
        {55, 59, 0.4, 0.4, -0.5}, {60, 64, 0.3, 0.3, -0.6},
    };
    d = 0.3;
    if (b < 50 || b >= 92) return false;
    if (b <= 54) {
        d = g < 2 ? 0.4 : (g < 6 ? 0.7 : (g < 10 ? 1.0 : 1.35));
    } else {
        for (const Band& band : kBands) {
            if (b < band.low || b > band.high) continue;
            d = band.d;
            if (g < 2)
                d = band.e;
            else if (g >= 6)
                d = std::sqrt(g - 5) / 50 + band.f;
        }
    }

    const CivRecord& owner = Civ(city.owner);
    if (city.size > 9 && owner.government == kDespotism)
        d -= (city.size - 9) * 0.25;
    else if (city.size > 18 && owner.government == kMonarchy)
        d -= (city.size - 18) * 0.25;
    switch (owner.cityCount) {
    case 0:
    case 1:
    case 2:
        d -= 0.7;
        break;
    case 3:
        d -= 0.6;
        break;
    case 4:
        d -= g >= 25 ? 0.4 : 0.5;
        break;
    case 5:
        d -= g >= 25 ? 0.2 : 0.3;
        break;
    case 6:
        if (b < 85) {
            if (g < 0)
                d -= 0.4;
            else if (g < 4)
                d -= 0.35;
            else if (g < 8)
                d -= 0.3;
            else if (g < 12)
                d -= 0.25;
            else if (g < 16)
                d -= 0.2;
        }
        break;
    default:
        break;
    }
    return true;
}

} // namespace

void AdjustTaxRate(CityData& city) {
    if (!city.hasCity) return;
    double c = HappinessDelta(city, true);
    const int b = Trunc(city.happiness);
    double d = 0;
    if (TaxTarget(city, b, Civ(city.owner).gold, d)) {
        if (c >= d) {
            while (city.taxRate <= 95) {
                RaiseTax(city);
                if (HappinessDelta(city, true) < d) break;
            }
            if (city.taxRate > 4) LowerTax(city);
        } else {
            while (city.taxRate > 4) {
                LowerTax(city);
                if (HappinessDelta(city, true) >= d) break;
            }
        }
        return;
    }
    // Outside those bands the city simply keeps its mood near a small rise.
    if (c <= 0.3) {
        while (c < 0.3 && city.taxRate > 4) {
            LowerTax(city);
            c = HappinessDelta(city, true);
        }
        RaiseTax(city);
    } else {
        while (c > 0.3 && city.taxRate < kMaxTax) {
            RaiseTax(city);
            c = HappinessDelta(city, true);
        }
    }
}

namespace {

// The city's share of its civilization's total, against an average city; a civilization
// with nothing to share gives no share.
double Share(double mine, double total, int n) {
    if (n <= 0 || total <= 0) return 0;
    return mine / (total / n);
}

double Soften(double t) {
    return t > 1 ? (t - 1) * 0.65 + 1 : t;
}

// A spending level: the multiplier table goes from 0 to 9, and a rich treasury asks
// for no more than the top of it.
uint8_t Level(double v) {
    if (!(v > 0)) return 0;
    return static_cast<uint8_t>(Round(std::min(v, static_cast<double>(kMaxSpendingLevel))));
}

} // namespace

void SetSpendingLevels(CityData& city) {
    if (!city.hasCity) return;
    const CivRecord& owner = Civ(city.owner);
    game.totalsRunning = 1;
    const double c = owner.aiLevel == 1 ? 160 : (owner.aiLevel == 2 ? 120 : (owner.aiLevel == 3 ? 80 : 60));
    const double a = (owner.gold + owner.goldBias) / 2;
    const int n = owner.foundingCount;
    const double military = Share(CityMilitary(city), game.civMilitaryTotal, n);
    const double science = Share(CityScience(city), game.civScienceTotal, n);
    city.scienceLevel = city.militaryLevel = 0;

    if (owner.government == kMonarchy) {
        if (owner.gold > 10 && owner.cityCount == 6) {
            city.militaryLevel = Level(military * (a / c + 0.5));
            city.scienceLevel = Level(Soften(science * a / (1.5 * c)));
        }
    } else if (owner.government == kDemocracy) {
        if (owner.gold > 15 && owner.cityCount == 6) {
            city.militaryLevel = Level(std::max(a + c / 4, 0.0) / c * military);
            const double t = Round(std::clamp(science * a / (2.5 * c) + 0.5, -1e6, 1e6));
            city.scienceLevel = Level(Soften(t));
        } else if (owner.gold > 6 || (owner.gold > 2 && owner.cityCount == 6)) {
            city.scienceLevel = 1;
        }
        // A democracy always funds some learning, unless it is in debt: with an empty
        // treasury its cities learn nothing, and the gold would only deepen the debt.
        if (city.scienceLevel == 0 && owner.gold >= 0) city.scienceLevel = 1;
    }
    game.totalsRunning = 0;
}

} // namespace annals
