// What a city makes over the turns: buildings and wonders from stone, units from military
// production, a wider area from culture; and what it may start at all.
#include "economy/city.h"

#include "economy/city_numbers.h"
#include "economy/city_shared.h"
#include "economy/news.h"
#include "state/chronicle.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/unit_table.h"

#include <algorithm>

namespace annals {

using namespace city_numbers;
using namespace city_internal;

namespace {

bool IsBuildingItem(int item) {
    return item >= kFirstBuildingItem && item <= kLastBuildItem;
}

// The building that a newly completed one replaces, or 0.
int Replaces(int building) {
    if (building >= kWeaverShop && building <= kCoatFactory) return building - 4;
    if (building == kUniversity) return kSchoolhouse;
    if (building == kNuclearPlant) return kPowerPlant;
    return 0;
}

// Buildings drawn as part of the city or of another building's picture.
bool HasOwnPicture(int building) {
    if (building >= kWeaverShop && building <= kCoatFactory) return false;
    switch (building) {
    case kStockade:
    case kAqueduct:
    case kSewerSystem:
    case kUniversity:
    case kNuclearPlant:
    case kFortress:
    case kHarbor:
    case kGreatWall:
    case kColossus:
        return false;
    default:
        return true;
    }
}

template <typename F> void ForEachCity(int civ, F&& visit) {
    const CivRecord& holder = Civ(civ);
    for (int k = 1; k <= holder.cityCount && k <= kMaxCities; ++k) {
        CityData& city = City(holder.cities[k].x, holder.cities[k].y);
        if (city.hasCity) visit(city);
    }
}

void QueueBigNews(int civ, int item) {
    if (civ < 1 || civ > kMaxCivs || ui.bigNewsCount[civ] >= kMaxNews) return;
    ui.bigNewsCount[civ] += 1;
    ui.bigNewsQueue[civ][ui.bigNewsCount[civ]] = static_cast<uint8_t>(item);
}

// Whoever else was building this wonder gets the stone back.
void StopRivalWonders(const CityData& builder, int item) {
    for (int civ = 1; civ <= game.civCount; ++civ) {
        ForEachCity(civ, [&](CityData& other) {
            if (&other == &builder || other.buildItem != item) return;
            other.buildItem = 0;
            other.stock[kStone] = std::min(other.stock[kStone] + other.buildProgress, other.storageCapacity);
            other.buildProgress = 0;
        });
    }
}

void GrantWonderBuildings(const CityData& builder, int building) {
    if (building == kGreatWall) {
        ForEachCity(builder.owner, [](CityData& city) {
            if (Has(city, kStockade) || Has(city, kFortress)) return;
            city.buildings[kStockade] = 1;
            city.buildingCount += 1;
        });
    } else if (building == kPyramids) {
        ForEachCity(builder.owner, [](CityData& city) {
            if (Has(city, kGranary)) return;
            city.buildings[kGranary] = 1;
            city.buildingCount += 1;
            city.granaryBonus = 1;
            PutPictureInFreeSlot(city, kGranary);
        });
    }
}

void Upgrade(CityData& city, int building) {
    const int old = Replaces(building);
    if (old == 0) return;
    city.buildings[old] = 0;
    city.jobs[building] += city.jobs[old];
    city.jobs[old] = 0;
    const int oldPicture = buildingPicture(old), newPicture = buildingPicture(building);
    if (oldPicture == 0) return;
    for (int k = 1; k <= kMaxPictures; ++k)
        if (city.pictures[k] == oldPicture) city.pictures[k] = static_cast<int8_t>(newPicture);
}

} // namespace

void AdvanceBuilding(CityData& city) {
    const int item = city.buildItem;
    const bool building = IsBuildingItem(item);
    if (building && city.stock[kStone] >= 0) {
        const int stone = Round(std::min(city.stock[kStone], 10));
        city.stock[kStone] -= stone;
        city.buildProgress = static_cast<uint8_t>(std::min(city.buildProgress + stone, 255));
    }
    if (city.turnsSinceBuilding < 20) city.turnsSinceBuilding += 1;
    if (!building || city.buildProgress < buildCost(item)) return;

    const int b = item - kUnitTypes;
    const bool wonder = item >= kFirstWonderItem;
    city.buildings[b] = 1;
    city.turnsSinceBuilding = 0;
    if (wonder) StopRivalWonders(city, item);
    GrantWonderBuildings(city, b);
    city.buildings[b] = 1;
    city.buildingCount += 1;

    if (!wonder) {
        AddNews(city.owner, city.cityX, city.cityY, item);
    } else {
        for (int civ = 1; civ <= game.civCount; ++civ) AddNews(civ, city.cityX, city.cityY, item);
        game.wonderOwner[WonderEntry(b)] = WonderCode(city);
        AddChronicle(kWonderBuilt, city.owner, 0, b << 16 | ChronicleCity(city));
        if (IsHuman(city.owner)) QueueBigNews(city.owner, item);
    }

    Upgrade(city, b);
    if (b == kGranary) city.granaryBonus = 1;
    if (b == kWerehouse) city.storageCapacity = 200;
    if (HasOwnPicture(b)) PlaceBuildingPicture(city, b);
    // Done: nothing more is built until a new item is chosen.
    city.buildItem = 0;
    city.buildProgress = 0;
}

void AdvanceUnitProduction(CityData& city) {
    const int owner = city.owner;
    if (IsNatives(owner)) return;
    CivRecord& civ = Civ(owner);
    if (civ.goldAtTurnStart >= 0) city.militaryProgress += CityMilitary(city);
    const int type = city.unitBuildItem;
    if (type < 1 || type > kUnitTypes) return;
    double f = 1;
    if (civ.isComputer == 1 && civ.aiLevel == 1) f = 1.2;
    if (civ.isComputer == 1 && civ.aiLevel == 2) f = 1.1;
    if (city.militaryProgress < Round(buildCost(type) * f)) return;

    const int before = civ.unitCount;
    AddUnit(owner, type, city.cityX, city.cityY);
    if (civ.unitCount > before) {
        // The Colesseum and the Turks' warrior tradition each make veterans; together, elites.
        const bool colesseum = HoldsWonder(owner, kColesseum);
        const bool turks = NationOf(city.founder) == kTurks && NationOf(owner) == kTurks;
        UnitRecord& unit = Unit(owner, civ.unitCount);
        if (colesseum && turks)
            unit.experience = 7;
        else if (colesseum || turks)
            unit.experience = 5;
        AddNews(owner, city.cityX, city.cityY, type);
    }
    // Whatever came of it, the production is used up; any excess is lost.
    city.militaryProgress = 0;
}

void AdvanceCulture(CityData& city) {
    if (Civ(city.owner).goldAtTurnStart < 0) return;
    const int before = Trunc(city.culture);
    city.culture += CityCulture(city);
    const int after = Trunc(city.culture);
    constexpr int kThreshold[4] = {10, 100, 500, 1200};
    for (int i = 0; i < 4; ++i) {
        if (before >= kThreshold[i] || after < kThreshold[i]) continue;
        const int ring = i + 2;
        AddNews(city.owner, city.cityX, city.cityY, kNewsAreaWidened + ring);
        for (int dx = -2; dx <= 2; ++dx) {
            for (int dy = -2; dy <= 2; ++dy) {
                const int x = city.cityX + dx, y = city.cityY + dy;
                if (!InsideMap(x, y) || AreaRing(city.cityX, city.cityY, x, y) != ring) continue;
                MapCell& cell = Cell(x, y);
                if (cell.workedByX != 0 || cell.workedByY != 0) continue;
                cell.workedByX = city.cityX;
                cell.workedByY = city.cityY;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// What a city may start

namespace {

// Nations as bits of a mask.
constexpr uint16_t Nation(int nation) {
    return static_cast<uint16_t>(1u << nation);
}
constexpr uint16_t kAll = 0xFFFF;

struct UnitRule {
    int science;      // 0 = none needed
    bool harbor;      // a ship that needs the city's Harbor
    uint16_t nations; // who may build it
};

constexpr uint16_t AllBut(uint16_t nations) {
    return static_cast<uint16_t>(kAll & ~nations);
}

const UnitRule kUnitRules[kUnitTypes + 1] = {
    {0, false, 0},
    {0, false, kAll},                                                                // 1 Settler
    {0, false, AllBut(Nation(kAztecs))},                                             // 2 Warrior
    {0, false, Nation(kAztecs)},                                                     // 3 Jaguar
    {kBronzeMetallurgy, false, AllBut(Nation(kArabians) | Nation(kAztecs))},         // 4 Pikeman
    {kBronzeMetallurgy, false, Nation(kArabians)},                                   // 5 Mameluke
    {kWarriorCode, false, AllBut(Nation(kBritons))},                                 // 6 Archer
    {kWarriorCode, false, Nation(kBritons)},                                         // 7 Longbowman
    {kIronFoundry, false, AllBut(Nation(kRomans) | Nation(kAztecs))},                // 8 Swordsman
    {kIronFoundry, false, Nation(kRomans)},                                          // 9 Legion
    {kGunpowder, false, AllBut(Nation(kAztecs) | Nation(kFranks) | Nation(kTurks))}, // 10 Musketman
    {kGunpowder, false, Nation(kFranks)},                                            // 11 Musketeer
    {kGunpowder, false, Nation(kTurks)},                                             // 12 Janissary
    {kGunpowder, false, Nation(kAztecs)},                                            // 13 Raider
    {kTactics, false, AllBut(Nation(kAztecs))},                                      // 14 Infantry
    {kMobileWarfare, false, kAll},                                                   // 15 Marine
    {kEquestrian, false, kAll},                                                      // 16 Horseman
    {kEquestrian, false, AllBut(Nation(kChinese))},                                  // 17 H. Archer
    {kEquestrian, false, Nation(kChinese)},                                          // 18 Chu Ko Nu
    {kFeudalism, false, AllBut(Nation(kAztecs))},                                    // 19 Dragoon
    {kKnightsCode, false, AllBut(Nation(kPersians) | Nation(kAztecs))},              // 20 Knight
    {kKnightsCode, false, Nation(kPersians)},                                        // 21 War Elephant
    {kExplosives, false, AllBut(Nation(kAztecs))},                                   // 22 Cavalry
    {kTheWheel, false, kAll},                                                        // 23 Catapult
    {kPhysics, false, AllBut(Nation(kAztecs))},                                      // 24 Cannon
    {kMobileWarfare, false, AllBut(Nation(kAztecs))},                                // 25 Tank
    {kAnchoring, false, AllBut(Nation(kVikings))},                                   // 26 Caravel
    {kMagnetism, true, AllBut(Nation(kAztecs))},                                     // 27 Frigate
    {kAnchoring, true, Nation(kVikings)},                                            // 28 Vikingship
    {kMagnetism, true, AllBut(Nation(kAztecs))},                                     // 29 Galleon
    {kSteamEngine, true, AllBut(Nation(kAztecs))},                                   // 30 Destroyer
    {kFlight, false, AllBut(Nation(kAztecs))},                                       // 31 Fighter
    {kAdvancedFlight, false, AllBut(Nation(kAztecs))},                               // 32 Bomber
    {kWarriorCode, false, Nation(kGermans)},                                         // 33 Axeman
    {kTheWheel, false, kAll},                                                        // 34 Wagon Train
    {kBronzeMetallurgy, false, Nation(kVikings)},                                    // 35 Berserk
};

bool NextToSea(const CityData& city) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int x = city.cityX + dx, y = city.cityY + dy;
            if ((dx != 0 || dy != 0) && InsideMap(x, y) && Cell(x, y).terrain == kSea) return true;
        }
    return false;
}

bool HasLine(const CityData& city, int house) {
    return Has(city, house) || Has(city, house + 4) || Has(city, house + 8);
}

bool MayBuild(const CityData& city, int b) {
    const int owner = city.owner;
    auto knows = [owner](int science) { return Knows(owner, science); };
    if (b >= kWeaverHouse && b <= kFurrier) return !HasLine(city, b);
    if (b >= kWeaverShop && b <= kCoatShop) return knows(kConstruction) && Has(city, b - 4);
    if (b >= kTextileMill && b <= kCoatFactory) return knows(kIndustrialization) && Has(city, b - 4);
    switch (b) {
    case kGranary:
        return true;
    case kWerehouse:
        return knows(kStonework);
    case kStockade:
        return knows(kStonework) && !knows(kIndustrialization);
    case kCourthouse:
        return knows(kLawmaking);
    case kBarracks:
        return knows(kWarriorCode);
    case kBlacksmith:
        return knows(kIronFoundry) && Has(city, kBarracks);
    case kWorkshop:
        return knows(kInvention) && Has(city, kBlacksmith);
    case kMissileBatery:
        return knows(kNuclearPower) && Has(city, kWorkshop);
    case kMill:
        return knows(kHorseCollar);
    case kBakery:
        return knows(kBaking) && Has(city, kMill);
    case kAqueduct:
        return knows(kStonework);
    case kSewerSystem:
        return knows(kConstruction) && Has(city, kAqueduct);
    case kSchoolhouse:
        return knows(kMathematics) && !Has(city, kUniversity);
    case kLibrary:
        return knows(kEducation) && Has(city, kSchoolhouse);
    case kUniversity:
        return knows(kEducation) && Has(city, kLibrary);
    case kPrintingPress:
        return knows(kPrintery);
    case kPowerPlant:
        return knows(kElectricity);
    case kNuclearPlant:
        return knows(kNuclearPower) && Has(city, kPowerPlant);
    case kTemple:
        return knows(kRitualism);
    case kFortress:
        return knows(kFeudalism) && Has(city, kStockade) && !knows(kIndustrialization);
    case kMarketplace:
        return knows(kCurrency);
    case kHarbor:
        return knows(kFishing) && NextToSea(city);
    case kHospital:
        return knows(kSanitation);
    case kTheatre:
        return knows(kPhilosophy);
    default:
        break;
    }
    if (b < kPyramids || b > kEiffelTower) return false; // the two nameless ones, never
    if (game.wonderOwner[WonderEntry(b)] != 0) return false;
    switch (b) {
    case kPyramids:
        return knows(kStonework);
    case kHangingGardens:
        return knows(kAgriculture);
    case kColesseum:
        return knows(kWarriorCode);
    case kGreatWall:
        return knows(kConstruction);
    case kColossus:
        return knows(kBronzeMetallurgy) && Has(city, kHarbor);
    case kHagiaSophia:
        return knows(kMonotheism);
    case kObservatory:
        return knows(kAstronomy);
    default:
        return knows(kSteelWorking);
    }
}

} // namespace

bool CanProduce(const CityData& city, int item) {
    if (item >= 1 && item <= kUnitTypes) {
        const UnitRule& rule = kUnitRules[item];
        const int nation = NationOf(city.owner);
        if (nation < 0 || nation > 15 || !(rule.nations & Nation(nation))) return false;
        if (rule.science != 0 && !Knows(city.owner, rule.science)) return false;
        return !rule.harbor || Has(city, kHarbor);
    }
    if (!IsBuildingItem(item)) return false;
    const int b = item - kUnitTypes;
    return !Has(city, b) && MayBuild(city, b);
}

} // namespace annals
