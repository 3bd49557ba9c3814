#include "ai/production_choice.h"

#include "ai/sea_missions.h"

#include "economy/city.h"
#include "economy/news.h"
#include "state/numbers.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace annals {

namespace {

// Products, buildings and sciences the choice names.
constexpr int kFood = 1, kStone = 7;
constexpr int kGranary = 1, kStockade = 3, kWeaverHouse = 4, kFurrier = 7, kCourthouse = 16, kBarracks = 18,
              kBlacksmith = 19, kWorkshop = 20, kMill = 22, kBakery = 23, kAqueduct = 24, kSewerSystem = 25,
              kSchoolhouse = 26, kLibrary = 27, kUniversity = 28, kPrintingPress = 29, kTemple = 33,
              kFortress = 34, kMarketplace = 35, kHarbor = 36, kHospital = 37, kTheatre = 38, kPyramids = 39,
              kHangingGardens = 40, kColesseum = 41, kGreatWall = 42, kHagiaSophia = 44, kObservatory = 45,
              kEiffelTower = 46;
constexpr int kStonework = 1, kBronzeMetallurgy = 2, kRitualism = 4, kWarriorCode = 5, kAgriculture = 6,
              kIronFoundry = 8, kLawmaking = 10, kCurrency = 11, kHorseCollar = 13, kAstronomy = 14,
              kConstruction = 15, kFishing = 17, kPhilosophy = 18, kBaking = 22, kInvention = 24,
              kPrintery = 25, kMonotheism = 26, kEducation = 29, kFeudalism = 31, kSteelWorking = 36,
              kIndustrialization = 39, kSanitation = 41;
constexpr int kChinese = 4;
constexpr int kMakeCornfield = 3; // the settlers' order that makes a cornfield
constexpr int kFirstWonderItem = 74;

bool Has(const CityData& city, int building) {
    return building >= 1 && building <= kBuildings && city.buildings[building] == 1;
}
bool Knows(int civ, int science) {
    return science >= 1 && science <= kSciences && Civ(civ).knows[science] == 1;
}
int Item(int building) {
    return 35 + building;
}

template <typename F> void ForEachCityOf(int civ, F&& f) {
    const CivRecord& holder = Civ(civ);
    for (int k = 1; k <= holder.cityCount && k <= kMaxCities; ++k) {
        CityData& city = City(holder.cities[k].x, holder.cities[k].y);
        if (city.hasCity) f(city);
    }
}

// Whether some city anywhere is building `item`.
bool AnyoneBuilding(int item) {
    bool found = false;
    for (int civ = 1; civ <= game.civCount && civ <= kMaxCivs; ++civ)
        ForEachCityOf(civ, [&](CityData& other) { found = found || other.buildItem == item; });
    return found;
}

// Whether another city lies as near to (x, y) as this one (strictly nearer when `strict`).
bool OtherCityAsNear(const CityData& city, int x, int y, bool strict) {
    const int mine = AreaRing(city.cityX, city.cityY, x, y);
    bool found = false;
    for (int civ = 1; civ <= game.civCount && civ <= kMaxCivs; ++civ)
        ForEachCityOf(civ, [&](CityData& other) {
            if (&other == &city) return;
            const int ring = AreaRing(other.cityX, other.cityY, x, y);
            found = found || (strict ? ring < mine : ring <= mine);
        });
    return found;
}

// Ground for a wonder: a hill, or at least two roads, in the city's area.
bool WonderGround(const CityData& city) {
    int roads = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int x = city.cityX + dx, y = city.cityY + dy;
            if (!InCityArea(city, x, y)) continue;
            const MapCell& cell = Cell(x, y);
            if (cell.hill) return true;
            if (cell.road) roads += 1;
        }
    return roads >= 2;
}

// The best food of the free land the city could move a food worker to.
int BestFreeFood(const CityData& city) {
    int best = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int x = city.cityX + dx, y = city.cityY + dy;
            if ((dx == 0 && dy == 0) || city.Worked(dx, dy) || !InCityArea(city, x, y) ||
                WorkedByOtherCity(city.cityX, city.cityY, x, y) || OtherCityAsNear(city, x, y, true))
                continue;
            best = std::max<int>(best, CellYield(Cell(x, y), kFood, city));
        }
    return best;
}

// The workshop lines: rates each line from the land, and starts the best one's next level
// when it is clearly worth it. Returns the priority the other buildings must beat.
double ChooseWorkshopLine(CityData& city, int civ) {
    int lines = 0;
    for (int l = kWeaverHouse; l <= kFurrier; ++l)
        lines += Has(city, l) || Has(city, l + 4) || Has(city, l + 8);
    const double kLinesFactor[5] = {1.0, 0.8, 0.6, 0.4, 0.2};
    const double m = kLinesFactor[std::min(lines, 4)];
    const int freeFood = BestFreeFood(city);
    // How well the city is fed beyond its needs; a well-fed city spares its food land.
    const int s = Round(city.jobs[kTemple] + 0.25 * city.jobs[kBarracks] + 0.25 * city.jobs[kSchoolhouse] +
                        city.production[kFood] - 0.5 * (2 * city.size + 1));
    constexpr double kFedFactor[6] = {0.6, 0.78, 0.88, 0.94, 0.97, 0.99};
    const double fed = s >= 0 && s <= 5 ? kFedFactor[s] : 1;

    double bestScore = 0;
    int bestLine = 0;
    for (int l = kWeaverHouse; l <= kFurrier; ++l) {
        if ((Has(city, l) && !Knows(civ, kConstruction)) ||
            (Has(city, l + 4) && !Knows(civ, kIndustrialization)))
            continue;
        const int product = l - 2;
        const int lineSpecial = l == kFurrier ? 10 : l + 2;
        double a = l == kWeaverHouse ? -3 : 0, b = 0;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                const int x = city.cityX + dx, y = city.cityY + dy;
                if (dx == 0 && dy == 0) continue;
                const int k = CultureWeight(city, x, y);
                if (k < 1) continue;
                const MapCell& cell = Cell(x, y);
                if ((cell.special != 0 && cell.special < 6) || OtherCityAsNear(city, x, y, false)) continue;
                constexpr double kWeight[5] = {0, 0.2, 0.4, 0.8, 1.0};
                double w = kWeight[std::min(k, 4)];
                if (city.Worked(dx, dy)) {
                    const int worked = city.WorkedProduct(dx, dy);
                    if (worked == kFood) {
                        const int f = CellYield(cell, kFood, city);
                        constexpr double kLoss[6] = {1, 0.85, 0.7, 0.55, 0.4, 0.25};
                        if (freeFood < f) w *= kLoss[std::min(f - freeFood, 5)];
                    }
                    if (worked == product || cell.special == lineSpecial)
                        w *= 2.25;
                    else if (worked == kStone)
                        ;
                    else if (worked != kFood)
                        w *= 0.25;
                    else
                        w *= fed;
                }
                if (l == kWeaverHouse && cell.terrain == kSavannah) w *= 0.25;
                if (l == kWeaverHouse && cell.terrain == kGrassland) w *= 0.5;
                if (l == kWeaverHouse + 1 && cell.terrain == kSavannah) w *= 0.5;
                if (l == kFurrier && cell.forest && cell.terrain == kSwamp) w *= 1.25;
                if (l == kFurrier && cell.forest && cell.terrain == kArtic) w *= 1.75;
                const int yield = CellYield(cell, product, city);
                if (yield >= 6) a += w * yield * 0.5;
                b += w * yield * m;
            }
        if (Has(city, l))
            a -= 6;
        else if (Has(city, l + 4))
            a *= 2;
        const double score = a + b + 2 + 6 - 6 * lines;
        if (score > bestScore) {
            bestScore = score;
            bestLine = l;
        }
    }
    if (bestScore > 4) {
        const int l = bestLine;
        if (Has(city, l + 4) && !Has(city, l + 8) && Knows(civ, kIndustrialization))
            city.buildItem = static_cast<uint8_t>(Item(l + 8));
        else if (Has(city, l) && !Has(city, l + 4) && Knows(civ, kConstruction))
            city.buildItem = static_cast<uint8_t>(Item(l + 4));
        else if (!Has(city, l) && !Has(city, l + 4) && !Has(city, l + 8))
            city.buildItem = static_cast<uint8_t>(Item(l));
    }
    return bestScore;
}

double MillPriority(const CityData& city, int civ) {
    int f = 0, r = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            if (!city.Worked(dx, dy) || city.WorkedProduct(dx, dy) != kFood) continue;
            const int x = city.cityX + dx, y = city.cityY + dy;
            if (!InCityArea(city, x, y)) continue;
            const MapCell& cell = Cell(x, y);
            if (cell.terrain == kSea) continue;
            f += 1;
            bool corn = cell.cornfield != 0;
            if (!corn && cell.unitOwner == civ) {
                for (int i = 1; i <= cell.unitCount && i <= kMaxCellUnits; ++i) {
                    const UnitRecord& u = Unit(civ, cell.unitList[i]);
                    corn = corn || (u.type == kSettler && u.order == kMakeCornfield);
                }
            }
            r += corn;
        }
    return 2.0 * f + 6.0 * r;
}

double HarborPriority(const CityData& city) {
    int h = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int x = city.cityX + dx, y = city.cityY + dy;
            if (!InCityArea(city, x, y) || Cell(x, y).terrain != kSea) continue;
            h += 2 + (city.Worked(dx, dy) ? 1 : 0);
        }
    return 4 * std::pow(h, 0.8) + 6;
}

double BakeryPriority(const CityData& city) {
    int a = 0, b = 0, e = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            if ((dx == 0 && dy == 0) || !city.Worked(dx, dy) || city.WorkedProduct(dx, dy) != kFood) continue;
            const int x = city.cityX + dx, y = city.cityY + dy;
            if (!InCityArea(city, x, y)) continue;
            const MapCell& cell = Cell(x, y);
            const bool sea = cell.terrain == kSea;
            const int food = CellYield(cell, kFood, city);
            if (food >= 4 && (cell.cornfield || sea)) continue;
            if (food == 4)
                b += 1;
            else if (food > 4)
                a += 1;
            else if (food == 3)
                e += sea ? 7 : 13;
            else if (food == 2)
                e += sea ? 12 : 17;
            else
                e += 20;
        }
    return (5.0 * a + 9.0 * b + e) / 3;
}

double CourthousePriority(const CityData& city) {
    const double corruption = Corruption(city);
    const double v = corruption > 0 ? std::sqrt(corruption) : 0;
    return 30 * std::sqrt(2 * v);
}

// The other buildings, each offered when the city lacks it and its owner knows how.
void OfferBuildings(CityData& city, int civ, double& p) {
    const double half = city.size / 2.0;
    const int size = city.size;
    auto offer = [&](int building, int science, bool allowed, auto priority) {
        if (Has(city, building) || !Knows(civ, science) || !allowed) return;
        const double v = priority();
        if (v > p) {
            p = v;
            city.buildItem = static_cast<uint8_t>(Item(building));
        }
    };
    auto plus = [&](double c) { return [half, c] { return half + c; }; };
    const bool hospitalOr15 = Has(city, kHospital) || size < 15;
    const bool hospitalOr14 = Has(city, kHospital) || size < 14;
    bool greatWallStarted = false;
    ForEachCityOf(civ, [&](CityData& other) {
        greatWallStarted = greatWallStarted || other.buildItem == Item(kGreatWall);
    });
    const bool constructionAhead = Knows(civ, kConstruction) || Civ(civ).research == kConstruction;

    offer(kMill, kHorseCollar, true, [&] { return MillPriority(city, civ); });
    offer(kTemple, kRitualism, true, plus(22));
    offer(kMarketplace, kCurrency, true, plus(20));
    offer(kAqueduct, kStonework, size >= 5, [&] { return 5.0 * size - 8; });
    offer(kHarbor, kFishing, Cell(city.cityX, city.cityY).coastal != 0, [&] { return HarborPriority(city); });
    offer(kBarracks, kWarriorCode, true, plus(18));
    offer(kGranary, kWarriorCode, true, plus(17));
    offer(kStockade, kStonework, size >= 5 && !greatWallStarted, plus(16));
    offer(kTheatre, kPhilosophy, true, plus(15));
    offer(kCourthouse, kLawmaking, true, [&] { return CourthousePriority(city); });
    offer(kBlacksmith, kIronFoundry,
          Has(city, kBarracks) && (Has(city, kSewerSystem) || size < 12 || !constructionAhead), plus(14));
    offer(kSewerSystem, kConstruction, Has(city, kAqueduct) && size >= 12, [&] { return 5.0 * size - 38; });
    offer(kSchoolhouse, kEducation, true, plus(13.5));
    offer(kBakery, kBaking, true, [&] { return BakeryPriority(city); });
    offer(kPrintingPress, kPrintery, true, plus(13));
    offer(kFortress, kFeudalism, Has(city, kStockade) && hospitalOr15 && size >= 5,
          [&] { return 12.5 - std::max(game.year, 800) / 100.0 + half; });
    offer(kLibrary, kEducation, Has(city, kSchoolhouse) && hospitalOr15, plus(11));
    offer(kWorkshop, kInvention, hospitalOr14, plus(10));
    offer(kUniversity, kEducation, Has(city, kSchoolhouse) && Has(city, kLibrary) && hospitalOr14, plus(9.5));
    offer(kHospital, kSanitation, size >= 15, [&] { return 5.0 * size - 63; });
}

// The wonders, for a large, well-built city on good ground, and only those nobody has
// or is building.
void OfferWonders(CityData& city, int civ, double& p) {
    const int size = city.size;
    if (!WonderGround(city) || !Has(city, kAqueduct) || !(Has(city, kHospital) || size < 15) ||
        !(Has(city, kSewerSystem) || size < 10) || size < 6)
        return;
    const int founded = Civ(civ).citiesFounded;
    int open = 0; // cities of civ with no Stockade and none on the way
    ForEachCityOf(civ, [&](CityData& c) { open += !Has(c, kStockade) && c.buildItem != Item(kStockade); });
    // `above`: taken when its priority beats the current one; otherwise when the current
    // priority is below `priority`.
    auto offer = [&](int wonder, int science, bool allowed, double priority, bool above) {
        const int entry = wonder - (kFirstWonder - 1);
        if (!allowed || Has(city, wonder) || !Knows(civ, science) || game.wonderOwner[entry] != 0 ||
            AnyoneBuilding(Item(wonder)))
            return;
        if (above ? priority > p : p < priority) {
            p = priority;
            city.buildItem = static_cast<uint8_t>(Item(wonder));
        }
    };
    offer(kPyramids, kStonework, true, 4.0 * std::max(5 - founded, 0) + 10, true);
    offer(kHangingGardens, kAgriculture, true, 20, false);
    offer(kColesseum, kWarriorCode, true, 19, false);
    offer(kColossus, kBronzeMetallurgy, Has(city, kHarbor), 18, false);
    offer(kGreatWall, kBronzeMetallurgy, true, 4.0 * (6 - founded + open) + 10, true);
    offer(kObservatory, kAstronomy, true, 20, false);
    offer(kHagiaSophia, kMonotheism, Has(city, kTemple), 20, false);
    offer(kEiffelTower, kSteelWorking, true, 18, false);
}

void ChooseBuilding(CityData& city, int civ) {
    int working = 0;
    for (int b = 1; b <= kBuildings; ++b) working += Has(city, b) && maxWorkers(b) > 0;
    if (city.buildItem != 0 || working >= 8) return;

    double p = 0;
    if (!Has(city, kGranary) && Civ(civ).nation != kChinese) {
        city.buildItem = static_cast<uint8_t>(Item(kGranary));
    } else {
        p = ChooseWorkshopLine(city, civ);
        p = std::max(p, 0.0);
        OfferBuildings(city, civ, p);
        OfferWonders(city, civ, p);
    }

    // Nothing is started without stone for it, nor too soon after the last building.
    if (city.buildItem != 0 && city.stock[kStone] < 20 && p < 15) city.buildItem = 0;
    const int level = Civ(civ).aiLevel, waited = city.turnsSinceBuilding;
    if ((level == 1 && waited < 6) || (level == 2 && waited < 4) || (level == 3 && waited < 2))
        city.buildItem = 0;

    // Everybody hears when a wonder is started (only once it really is).
    if (city.buildItem >= kFirstWonderItem) {
        for (int other = 1; other <= game.civCount && other <= kMaxCivs; ++other)
            if (IsHuman(other)) AddNews(other, city.cityX, city.cityY, city.buildItem + 200);
    }
}

} // namespace

int CultureWeight(const CityData& city, int x, int y) {
    if (!InsideMap(x, y)) return 0;
    const MapCell& cell = Cell(x, y);
    if (cell.workedByX == 0) return 0;
    const bool own = cell.workedByX == city.cityX && cell.workedByY == city.cityY;
    if (!own && City(cell.workedByX, cell.workedByY).owner != city.owner) return 0;
    const int dx = std::abs(x - city.cityX), dy = std::abs(y - city.cityY);
    const double e = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    const int culture = Trunc(city.culture);
    const bool square3 = dx <= 1 && dy <= 1, square5 = dx <= 2 && dy <= 2;
    if (culture < 10) return dx + dy <= 1 ? 4 : (square3 ? 3 : 0);
    if (culture < 100) return square3 ? 4 : (e <= 2 ? 2 : 0);
    if (culture < 500) return e <= 2 ? 4 : (e <= 2.5 ? 1 : 0);
    if (culture < 1200) return e <= 2.5 ? 4 : (square5 ? 1 : 0);
    return square5 ? 4 : 0;
}

void ChooseCityBuildings(int civ) {
    if (civ < 1 || civ > kMaxCivs) return;
    ForEachCityOf(civ, [civ](CityData& city) { ChooseBuilding(city, civ); });
}

namespace {

bool OffersUnit(const CityData& city, int type) {
    return type != kCaravel && type != kFighter && type != kBomber && CanProduce(city, type);
}

// A civilization's strength at sea on one sea body: its ships there, weighted for attack.
double NavalStrength(int civ, int seaBody) {
    const CivRecord& holder = Civ(civ);
    double strength = 0;
    for (int s = 1; s <= holder.unitCount && s <= kMaxUnits; ++s) {
        const UnitRecord& u = holder.units[s];
        if (!IsShip(u.type) || !InsideMap(u.x, u.y) || Cell(u.x, u.y).seaBody != seaBody) continue;
        strength += (3.0 * UnitTypeAttack(u.type) + UnitTypeDefence(u.type)) * UnitTypeLives(u.type) / 50;
    }
    return strength;
}

// Whether a neighbour outguns the civilization on a sea the city touches.
bool OutgunnedAtSea(const CityData& city, int civ) {
    for (int d = 1; d <= kDirections; ++d) {
        if (d == 5) continue;
        const int x = city.cityX + directionDx(d), y = city.cityY + directionDy(d);
        if (!InsideMap(x, y) || Cell(x, y).terrain != kSea) continue;
        const int body = Cell(x, y).seaBody;
        double strongest = 0;
        for (int other = 1; other <= game.civCount && other <= kMaxCivs; ++other)
            if (other != civ) strongest = std::max(strongest, NavalStrength(other, body));
        if (strongest > NavalStrength(civ, body)) return true;
    }
    return false;
}

int Defenders(const CityData& city, int civ) {
    const MapCell& square = Cell(city.cityX, city.cityY);
    if (square.unitOwner != civ) return 0;
    int n = 0;
    for (int i = 1; i <= square.unitCount && i <= kMaxCellUnits; ++i) {
        const int type = Unit(civ, square.unitList[i]).type;
        n += !IsShip(type) && !IsAir(type) && UnitTypeDefence(type) > 0;
    }
    return n;
}

// The best unit the city may train by `rating`, 0 when there is none.
template <typename Rating> int BestUnit(const CityData& city, Rating&& rating) {
    int best = 0;
    double bestValue = 0;
    for (int type = 1; type <= kUnitTypes; ++type) {
        if (!OffersUnit(city, type)) continue;
        const double v = rating(type);
        if (v > bestValue) {
            bestValue = v;
            best = type;
        }
    }
    return best;
}

} // namespace

void ChooseCityUnits(int civ, const SeaPlan* sea) {
    if (civ < 1 || civ > kMaxCivs || IsNatives(civ)) return;
    ForEachCityOf(civ, [civ, sea](CityData& city) {
        auto land = [](int type) {
            return !IsShip(type) && !IsAir(type) && type != kSettler && type != kWagonTrain;
        };
        int type = 0;
        if (Defenders(city, civ) < 2) {
            type = BestUnit(city, [&](int t) {
                return land(t) && !IsBombard(t) ? UnitTypeDefence(t) * 10.0 + UnitTypeAttack(t) : 0.0;
            });
        } else if (sea != nullptr && ShipWanted(civ, city, *sea) != 0) {
            type = ShipWanted(civ, city, *sea);
        } else if (Cell(city.cityX, city.cityY).coastal && OutgunnedAtSea(city, civ)) {
            type = BestUnit(city, [](int t) {
                return IsShip(t) ? (3.0 * UnitTypeAttack(t) + UnitTypeDefence(t)) * UnitTypeLives(t) : 0.0;
            });
        }
        if (type == 0)
            type = BestUnit(
                city, [&](int t) { return land(t) ? UnitTypeAttack(t) * 10.0 + UnitTypeDefence(t) : 0.0; });
        if (type != 0) city.unitBuildItem = static_cast<uint8_t>(type);
    });
}

void ChooseVillageUnits(int civ) {
    if (civ < 1 || civ > kMaxCivs || !IsNatives(civ)) return;
    ForEachCityOf(civ, [](CityData& village) {
        const int r = Random(100);
        int type = kHorseArcher;
        if (game.year < 1300)
            type = r <= 40 ? kJaguar : (r <= 65 ? kArcher : (r <= 85 ? kHorseman : kHorseArcher));
        else
            type = r <= 70 ? kRaider : (r <= 80 ? kArcher : (r <= 90 ? kHorseman : kHorseArcher));
        village.unitBuildItem = static_cast<uint8_t>(type);
    });
}

} // namespace annals
