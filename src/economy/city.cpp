// What a city's land yields, which land belongs to it, what it makes in a turn, and the
// gold, science, culture and soldiers it gives.
#include "economy/city.h"

#include "economy/city_numbers.h"
#include "economy/city_shared.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace annals {

using namespace city_numbers;
using namespace city_internal;

namespace {

// Base yields by terrain (index 1..7: Sea, Swamp, Grassland, Savannah, Plain, Desert, Artic).
constexpr int kFoodOpen[8] = {0, 2, 2, 3, 4, 3, 0, 1};
constexpr int kFoodForest[8] = {0, 0, 2, 2, 2, 2, 3, 0};
constexpr int kFoodHill[8] = {0, 0, 1, 1, 1, 1, 0, 0};
constexpr int kCottonOpen[8] = {0, 0, 2, 2, 3, 4, 0, 1};
constexpr int kCottonForest[8] = {0, 0, 0, 0, 0, 1, 0, 0};
constexpr int kTobaccoOpen[8] = {0, 0, 1, 3, 2, 0, 0, 0};
constexpr int kTobaccoForest[8] = {0, 0, 0, 1, 0, 0, 0, 0};
constexpr int kGrapeOpen[8] = {0, 0, 1, 2, 3, 0, 0, 0};
constexpr int kGrapeForest[8] = {0, 0, 0, 0, 1, 0, 0, 0};

// Open land, forest or hill; a forest on a hill counts as forest.
int ByCover(const MapCell& cell, const int (&open)[8], const int (&forest)[8], const int (&hill)[8]) {
    const int t = cell.terrain;
    if (t < 1 || t > 7) return 0;
    if (cell.forest) return forest[t];
    if (cell.hill) return hill[t];
    return open[t];
}
constexpr int kNone[8] = {};

bool OpenLand(const MapCell& cell) {
    return !cell.hill && !cell.forest;
}
bool FarmTerrain(int terrain) {
    return terrain >= kSwamp && terrain <= kSavannah;
}

int FoodYield(const MapCell& cell, const CityData& city, int nation) {
    int v = ByCover(cell, kFoodOpen, kFoodForest, kFoodHill);
    if (cell.river != 0) v += 1;
    if (cell.cornfield) v += 1;
    if (cell.hasCity) v += 1;
    if (cell.cornfield && Has(city, kMill)) v += 1;
    if (cell.terrain == kSea) {
        if (Has(city, kHarbor)) v += 2;
        if (nation == kVikings) v += 1;
    }
    if (cell.cornfield && nation == kFranks) v += 1;
    if (cell.special >= 1 && cell.special <= 5) {
        if (!cell.forest)
            v += 3;
        else if (cell.terrain == kSwamp || cell.terrain == kArtic)
            v += 4;
        else if (cell.terrain == kSavannah)
            v += 2;
        else
            v += 3;
    }
    return v;
}

int CottonYield(const MapCell& cell, int owner, int nation) {
    int v = ByCover(cell, kCottonOpen, kCottonForest, kNone);
    if (cell.river != 0 && ((cell.terrain >= kSwamp && cell.terrain <= kPlain) || cell.terrain == kArtic))
        v += 1;
    if (Knows(owner, kFertilization) && v > 1) v += 1;
    if (Knows(owner, kGenetics) && v > 1) v += 1;
    if (nation == kPersians && v > 0) v += 1;
    if (cell.cornfield) v = 0;
    if (cell.special == 6) v += 3;
    return v;
}

// Tobacco and Grape follow one pattern with their own terrains.
int CropYield(const MapCell& cell, int owner, const int (&open)[8], const int (&forest)[8],
              int rotationTerrain, int special) {
    int v = ByCover(cell, open, forest, kNone);
    if (cell.river != 0 && FarmTerrain(cell.terrain)) v += 1;
    if (Knows(owner, kCropRotation) && OpenLand(cell) && cell.terrain == rotationTerrain) v += 1;
    if (cell.cornfield) return 0;
    if (Knows(owner, kGenetics) && v > 1) v += 1;
    if (cell.special == special) v += 3;
    return v;
}

int StoneYield(const MapCell& cell) {
    int v;
    if (cell.hill)
        v = 5;
    else if (cell.terrain == kSea)
        v = 0;
    else if (cell.terrain == kDesert)
        v = 1;
    else
        v = 3;
    if (cell.special == 11) {
        if (!cell.hill)
            v += 3;
        else if (cell.hillExamined)
            v += 5;
    }
    if (cell.road && cell.terrain != kDesert) v += 2;
    if (cell.cornfield) return 0;
    if (cell.mine) v += 2;
    if (cell.forest) v -= 1;
    return v;
}

int GoldYield(const MapCell& cell, const CityData& city) {
    int v = 0;
    if (cell.special == 12 && (!cell.hill || cell.hillExamined))
        v = 1;
    else if (cell.special == 14)
        v = Has(city, kHarbor) ? 2 : 1;
    if (cell.road && cell.hill && cell.special == 12 && v > 0) v += 1;
    return v;
}

// The spending multiplier of a science or military level. While a civilization's totals
// are summed, spending does not count.
double SpendingFactor(int level) {
    constexpr double kFactor[10] = {1, 1.5, 1.9, 2.2, 2.4, 2.6, 2.8, 3.0, 3.2, 3.4};
    if (game.totalsRunning) return 1;
    return kFactor[std::clamp(level, 0, 9)];
}

// Workers inside a building, as the tables by worker count see them (0..2).
int Workers(const CityData& city, int building) {
    return std::clamp<int>(city.jobs[building], 0, 2);
}

// The science of a city before the Aztecs' halving.
double ScienceBeforeNation(const CityData& city) {
    const CivRecord& owner = Civ(city.owner);
    double base = game.wonderOwner[WonderEntry(kObservatory)] == WonderCode(city) ? 2 : 0;
    if (Has(city, kTemple) && !Has(city, kSchoolhouse)) {
        constexpr double kPriests[3] = {0.2, 0.4, 0.5};
        base = kPriests[Workers(city, kTemple)];
        if (HoldsWonder(game.currentCiv, kHagiaSophia)) base *= 1.5;
    } else if (Has(city, kSchoolhouse)) {
        constexpr double kTeachers[3] = {0.5, 1.5, 2.25};
        base = kTeachers[Workers(city, kSchoolhouse)];
    } else if (Has(city, kUniversity)) {
        constexpr double kWithLibrary[3] = {1, 3.25, 5};
        constexpr double kWithout[3] = {0.75, 2.75, 4.25};
        base = Has(city, kLibrary) ? kWithLibrary[Workers(city, kUniversity)]
                                   : kWithout[Workers(city, kUniversity)];
    }
    if (Has(city, kLibrary)) base += 1;
    double g = 1;
    if (owner.government == kMonarchy) g = 1.2;
    if (owner.government == kCommunism) g = 0.6;
    if (owner.government == kDemocracy) g = 1.6;
    return g * SpendingFactor(city.scienceLevel) * (base + 1);
}

} // namespace

// ---------------------------------------------------------------------------
// Shared with the other city files

namespace city_internal {

bool Has(const CityData& city, int building) {
    return building >= 1 && building <= kBuildings && city.buildings[building] == 1;
}

bool Knows(int civ, int science) {
    return science >= 1 && science <= kSciences && Civ(civ).knows[science] == 1;
}

int NationOf(int civ) {
    return Civ(civ).nation;
}

int WonderEntry(int building) {
    return std::clamp(building - (kFirstWonder - 1), 0, kWonders);
}

int32_t WonderCode(const CityData& city) {
    return city.owner * 100 + city.founder * 8 + city.nameIndex;
}

bool HoldsWonder(int civ, int building) {
    const int32_t code = game.wonderOwner[WonderEntry(building)];
    return code != 0 && code / 100 == civ;
}

MapCell& SquareOf(const CityData& city) {
    return Cell(city.cityX, city.cityY);
}

} // namespace city_internal

// ---------------------------------------------------------------------------
// Land

uint8_t CellYield(const MapCell& cell, int product, const CityData& city) {
    const int owner = city.owner;
    const int nation = NationOf(owner);
    int v = 0;
    switch (product) {
    case kFood:
        v = FoodYield(cell, city, nation);
        break;
    case kCotton:
        v = CottonYield(cell, owner, nation);
        break;
    case kTobacco:
        v = CropYield(cell, owner, kTobaccoOpen, kTobaccoForest, kGrassland, 7);
        break;
    case kGrape:
        v = CropYield(cell, owner, kGrapeOpen, kGrapeForest, kSavannah, 8);
        break;
    case kFur:
        v = cell.forest ? (cell.road ? 4 : 3) : 0;
        if (cell.special == 10) v += 3;
        break;
    case kWood:
        v = cell.forest ? (cell.road ? 10 : 8) : 0;
        if (cell.special == 9) v += 6;
        break;
    case kStone:
        v = StoneYield(cell);
        break;
    case kGold:
        v = GoldYield(cell, city);
        break;
    default:
        return 0; // the finished goods come from buildings, never from land
    }
    const int beforeBonus = v;
    // A content city works its land harder, and the Pyramids' city feeds itself better.
    if (v > 1 && city.happiness >= 90 && product != kGold) v += 1;
    if (product == kFood && Has(city, kPyramids) && beforeBonus > 1) v += 1;
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

int AreaRing(int cityX, int cityY, int x, int y) {
    const int dx = std::abs(x - cityX), dy = std::abs(y - cityY);
    const int d2 = dx * dx + dy * dy;
    if (d2 == 0) return 0;
    if (dx + dy == 1) return 1;
    if (dx == 1 && dy == 1) return 2;
    if (d2 <= 4) return 3;
    if (d2 * 4 <= 25) return 4; // distance at most 2.5
    if (dx <= 2 && dy <= 2) return 5;
    return 6;
}

bool InCityArea(const CityData& city, int x, int y) {
    game.foreignAreaHit = 0;
    if (!InsideMap(x, y)) return false;
    const int culture = Trunc(city.culture);
    int reach = 5;
    if (culture < 10)
        reach = 1;
    else if (culture < 100)
        reach = 2;
    else if (culture < 500)
        reach = 3;
    else if (culture < 1200)
        reach = 4;
    if (AreaRing(city.cityX, city.cityY, x, y) > reach) return false;
    const MapCell& cell = Cell(x, y);
    if (cell.workedByX == 0) return true;
    if (cell.workedByX == city.cityX && cell.workedByY == city.cityY) return true;
    const CityData& holder = City(cell.workedByX, cell.workedByY);
    // A claim of a city that no longer stands holds nothing.
    if (holder.hasCity && holder.owner != city.owner) {
        game.foreignAreaHit = 1;
        return false;
    }
    return true;
}

bool WorkedByOtherCity(int cityX, int cityY, int x, int y) {
    for (int civ = 1; civ <= game.civCount; ++civ) {
        const CivRecord& holder = Civ(civ);
        for (int k = 1; k <= holder.cityCount && k <= kMaxCities; ++k) {
            const int px = holder.cities[k].x, py = holder.cities[k].y;
            if (px == cityX && py == cityY) continue;
            const int dx = x - px, dy = y - py;
            // Only the 5 x 5 square of a city holds worked marks.
            if (std::abs(dx) > 2 || std::abs(dy) > 2) continue;
            const CityData& other = City(px, py);
            if (other.hasCity && other.Worked(dx, dy)) return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// Production

namespace {

// The workshops: four lines of three levels each, turning a raw good into a finished one.
struct Workshop {
    int raw, finished;
    int perWorker; // raw used per worker
    double factor; // finished goods per raw good
};

bool WorkshopOf(int building, Workshop& shop) {
    if (building < kWeaverHouse || building > kCoatFactory) return false;
    const int line = (building - kWeaverHouse) % 4, level = (building - kWeaverHouse) / 4;
    shop.raw = kCotton + line;
    shop.finished = kCloth + line;
    const bool fur = shop.raw == kFur;
    constexpr int kPerWorker[3] = {3, 6, 12};
    shop.perWorker = level == 2 && fur ? 9 : kPerWorker[level];
    shop.factor = level < 2 ? 1.0 : (fur ? 2.0 : 1.5);
    return true;
}

} // namespace

void ComputeProduction(CityData& city) {
    for (int p = 1; p <= kProducts; ++p) city.production[p] = city.consumption[p] = 0;
    city.consumption[kFood] = 2 * city.size;
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 2; ++dy) {
            if (!city.Worked(dx, dy)) continue;
            const int x = city.cityX + dx, y = city.cityY + dy;
            const int product = city.WorkedProduct(dx, dy);
            if (!InsideMap(x, y) || product < 1 || product > kProducts) continue;
            city.production[product] += CellYield(Cell(x, y), product, city);
        }
    }
    for (int b = 1; b <= kJobs; ++b) {
        const int workers = city.jobs[b];
        if (workers <= 0) continue;
        Workshop shop;
        if (WorkshopOf(b, shop)) {
            if (city.production[shop.finished] != 0) continue;
            // The workers take their full share even when the store runs short.
            const int wanted = shop.perWorker * workers;
            const int available = std::max(city.production[shop.raw] + city.stock[shop.raw], 0);
            const double used = std::min(wanted, available);
            city.production[shop.finished] = Round(Round(used) * shop.factor);
            city.consumption[shop.raw] = wanted;
        } else if (b == kBakery) {
            city.production[kFood] += 4 * workers;
        }
    }
}

// ---------------------------------------------------------------------------
// What a city gives

double TaxIncome(const CityData& city) {
    const bool market = Has(city, kMarketplace), colossus = Has(city, kColossus);
    const double t = market && colossus ? 0.4 : (market || colossus ? 1 : 2);
    return city.taxRate / (t * 100) * city.size;
}

double Corruption(const CityData& city) {
    constexpr double kMiddle[7] = {0.03, 0.06, 0.09, 0.12, 0.15, 0.18, 0.21}; // sizes 6..12
    const int size = city.size;
    double r = 0;
    if (size >= 39)
        r = 0.5;
    else if (size >= 13)
        r = 0.24 + (size - 13) * 0.01;
    else if (size >= 6)
        r = kMiddle[size - 6];
    const double nation = NationOf(city.owner) == kArabians ? 0.5 : 1;
    const double seed = (SquareOf(city).cellSeed % 10 + 1) / 10.0;
    const double courthouse = Has(city, kCourthouse) ? 0.2 : 0;
    return TaxIncome(city) * nation * seed * std::max(r - courthouse, 0.0);
}

double CityScience(const CityData& city) {
    const double science = ScienceBeforeNation(city);
    return NationOf(city.owner) == kAztecs ? science / 2 : science;
}

double CityCulture(const CityData& city) {
    double culture = ScienceBeforeNation(city);
    if (Has(city, kTheatre)) culture += 1;
    if (Has(city, kHarbor)) culture += 0.5;
    if (Has(city, kLibrary)) culture += 0.5;
    if (Has(city, kEiffelTower)) culture += 1;
    if (Has(city, kPrintingPress)) culture += 2;
    if (NationOf(city.founder) == kBritons && NationOf(city.owner) == kBritons) culture += 0.5;
    if (NationOf(city.owner) == kRomans) {
        const MapCell& square = SquareOf(city);
        if (square.unitOwner == city.owner) {
            for (int i = 1; i <= square.unitCount; ++i)
                if (Unit(city.owner, square.unitList[i]).type == kLegionType) culture += 0.3;
        }
    }
    return culture;
}

double CityMilitary(const CityData& city) {
    const int teachers = Workers(city, kBarracks);
    double d = teachers == 1 ? 0.75 : (teachers == 2 ? 1.25 : 0);
    if (Has(city, kBarracks)) d += 0.5;
    if (Has(city, kBlacksmith)) d += 1;
    if (Has(city, kWorkshop)) d += 1.5;
    const double g = Civ(city.owner).government == kCommunism ? 1.2 : 1;
    return g * SpendingFactor(city.militaryLevel) * (d + 1);
}

} // namespace annals
