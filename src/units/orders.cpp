// Orders of the current unit: waiting, founding cities, the settlers' works, boarding,
// fortifying and the one-cell moves.
#include "units/orders.h"

#include "ai/computer_player.h"
#include "economy/city.h"
#include "economy/science.h"

#include "state/chronicle.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "state/validation.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cstring>

namespace annals {

namespace {

constexpr int kAgriculture = 6;
constexpr int kMining = 7;
constexpr int kTheWheel = 16;
constexpr int kStockadeBuilding = 3;
constexpr int kGranaryBuilding = 1;
constexpr int kPyramids = 39;
constexpr int kGreatWall = 42;
constexpr int kStoneSpecial = 11;
constexpr int kGoldSpecial = 12;
constexpr int kGrainSpecial = 3;

bool Knows(int civ, int science) {
    return Civ(civ).knows[science] == 1;
}

void Refuse(bool human, const char* english, const char* turkish) {
    if (human) ShowMessage(Tr(english, turkish));
}

// Another unit in the cell has a settler's job running.
bool AnotherSettlerWorksHere(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    const MapCell& cell = Cell(unit.x, unit.y);
    for (int i = 1; i <= cell.unitCount; ++i) {
        const int other = cell.unitList[i];
        // Only settlers' jobs count: a wagon train keeps its mission in the same field.
        if (other != slot && Unit(civ, other).jobTimer != 0 && Unit(civ, other).type == kSettler) return true;
    }
    return false;
}

bool OwnsWonder(int civ, int wonder) {
    const int32_t owner = game.wonderOwner[wonder - kFirstWonder + 1];
    return owner != 0 && owner / 100 == civ;
}

bool InOwnCity(int civ, const UnitRecord& unit) {
    const MapCell& cell = Cell(unit.x, unit.y);
    return cell.hasCity && cell.owner == civ;
}

// A computer settler outside a city makes for its nearest own city.
void SendSettlerHome(int civ, int slot) {
    UnitRecord& unit = Unit(civ, slot);
    int best = -1, bestX = 0, bestY = 0;
    for (int k = 1; k <= Civ(civ).cityCount; ++k) {
        const int cx = Civ(civ).cities[k].x, cy = Civ(civ).cities[k].y;
        const int d = roadDistance(unit.x, unit.y, cx, cy);
        if (d >= 0 && (best < 0 || d < best)) {
            best = d;
            bestX = cx;
            bestY = cy;
        }
    }
    if (best >= 0) FindPath(unit, kStoreRoute, civ, slot, bestX, bestY);
}

uint8_t Wait(int order, int civ, int slot, bool human) {
    UnitRecord& unit = Unit(civ, slot);
    if (IsAir(unit.type) && !Cell(unit.x, unit.y).hasCity) {
        Refuse(human, "Air units cannot pass if they are not in a city.",
               "Hava birlikleri şehir dışında pas geçemezler.");
        return 0;
    }
    if (!human && order == 1) {
        if (unit.type == kSettler && !InOwnCity(civ, unit)) SendSettlerHome(civ, slot);
        unit.fortified = 1;
    }
    if (order == 1) unit.movesLeft = 0;
    if (human) NextUnit(1);
    return 1;
}

// Every rule for a new city of civ at (x, y) but the settler itself.
bool CityMayBeFounded(int civ, int x, int y) {
    const MapCell& cell = Cell(x, y);
    const bool inside = x >= 3 && x <= game.mapWidth - 2 && y >= 3 && y <= game.mapHeight - 2;
    return inside && NearCityFree(x, y) && Civ(civ).citiesFounded < 6 && !cell.forest && !cell.hill &&
           !cell.cornfield && Civ(civ).gold >= 30;
}

uint8_t BuildCityOrder(int civ, int slot, bool human) {
    const UnitRecord& unit = Unit(civ, slot);
    const int x = unit.x, y = unit.y;
    const MapCell& cell = Cell(x, y);
    const bool settler = unit.type == kSettler;
    const bool free = NearCityFree(x, y);
    const bool room = Civ(civ).citiesFounded < 6;
    const bool gold = Civ(civ).gold >= 30;
    if (settler && CityMayBeFounded(civ, x, y)) {
        FoundCity(x, y);
        KillUnit(civ, slot);
        // A person's first city asks at once which science to study first.
        ResumeHumanResearch(civ);
        return 1;
    }
    if (!settler)
        Refuse(human, "This kind of unit cannot build cities. Only settlers can build a new city.",
               "Bu tür birlikler şehir kuramaz. Yeni bir şehri sadece işçiler kurabilir.");
    else if (cell.forest)
        Refuse(human, "Settlers cannot build a city in a forest. You have to clear the forest first.",
               "İşçiler ormanda şehir kuramaz. Önce ormanı temizlemelisiniz.");
    else if (cell.hill)
        Refuse(human, "Settlers cannot build a city on a mountain.", "İşçiler dağda şehir kuramaz.");
    else if (cell.cornfield)
        Refuse(human, "Settlers cannot build a city on a cornfield.", "İşçiler tarlada şehir kuramaz.");
    else if (!gold)
        Refuse(human, "Building a city costs 30 gold; your treasury is not enough to build a new city.",
               "Şehir kurmak 30 altına mal olur, hazineniz yeni bir şehir kurmaya yetmiyor.");
    else if (!free)
        Refuse(human, "A city cannot be built if there is another city within 2 squares.",
               "2 kare yakınında başka bir şehir varken şehir kurulamaz.");
    else if (!room)
        // A computer player is told too: it is the one refusal that ends its plans.
        ShowMessage(
            Tr("No civilization can build more than 6 cities. To increase the number of cities you own "
               "from now on, you should capture cities of other civilizations.",
               "Hiçbir uygarlık 6 şehirden fazlasını kuramaz, bundan sonra şehir sayınızı artırmak için "
               "diğer uygarlıkların şehirlerini ele geçirmelisiniz."));
    else
        Refuse(human, "You cannot build a city on a square in the lowest or uppermost two rows of the map.",
               "Haritanın en alt ya da en üst iki satırındaki bir kareye şehir kuramazsınız.");
    return 0;
}

// A settler's job starts: the countdown, the price, the sound.
void StartJob(int civ, int slot, bool human, int32_t timer, double price, const char* sound) {
    Unit(civ, slot).jobTimer = timer;
    Civ(civ).gold -= price;
    if (human) {
        if (sound) PlaySound(sound);
        NextUnit(1);
    }
}

uint8_t CornfieldOrder(int civ, int slot, bool human) {
    const UnitRecord& unit = Unit(civ, slot);
    const bool forest = Cell(unit.x, unit.y).forest != 0;
    if (unit.type != kSettler) {
        Refuse(human, "Only settlers can irrigate.", "Sadece işçiler sulama yapabilir.");
        return 0;
    }
    if (!Knows(civ, kAgriculture)) {
        if (forest)
            Refuse(human, "Settlers cannot cut forests before discovering Agriculture.",
                   "İşçiler Tarım keşfedilmeden orman kesemez.");
        else
            Refuse(human, "Cornfields cannot be built before discovering Agriculture.",
                   "Tarım keşfedilmeden tarla yapılamaz.");
        return 0;
    }
    if (Civ(civ).gold < 4) {
        Refuse(human, "Irrigating costs 4 gold; your treasury is not enough to irrigate a new square.",
               "Sulama yapmak 4 altına mal olur, hazineniz yeni bir sulamaya yetmiyor.");
        return 0;
    }
    StartJob(civ, slot, human, 33, 4, forest ? "buildCity" : "plant");
    return 1;
}

uint8_t ExamineHillOrder(int civ, int slot, bool human) {
    const UnitRecord& unit = Unit(civ, slot);
    const MapCell& cell = Cell(unit.x, unit.y);
    if (unit.type != kSettler) {
        Refuse(human, "Only settlers can examine hills.", "Sadece işçiler tepe araştırabilir.");
        return 0;
    }
    if (!cell.hill) {
        Refuse(human, "Settlers can look for mines only on hills.",
               "İşçiler sadece tepelerde maden araştırabilir.");
        return 0;
    }
    if (!Knows(civ, kMining)) {
        Refuse(human, "Hills cannot be examined before discovering Mining.",
               "Madencilik keşfedilmeden tepeler araştırılamaz.");
        return 0;
    }
    if (cell.hillExamined) {
        Refuse(human, "This hill has already been examined.", "Bu tepe zaten araştırıldı.");
        return 0;
    }
    if (Civ(civ).gold < 4) {
        Refuse(human, "Examining a hill costs 4 gold; your treasury is not enough to examine a new hill.",
               "Tepe araştırmak 4 altına mal olur, hazineniz yeni bir tepe araştırmaya yetmiyor.");
        return 0;
    }
    StartJob(civ, slot, human, 53, 4, "examineHill");
    return 1;
}

uint8_t RoadOrder(int civ, int slot, bool human) {
    const UnitRecord& unit = Unit(civ, slot);
    const MapCell& cell = Cell(unit.x, unit.y);
    if (unit.type != kSettler) {
        Refuse(human, "Only settlers can build roads.", "Sadece işçiler yol yapabilir.");
        return 1;
    }
    if (!Knows(civ, kTheWheel)) {
        Refuse(human, "Roads cannot be built before discovering The Wheel.",
               "Tekerlek keşfedilmeden yol yapılamaz.");
        return 0;
    }
    if (Civ(civ).gold < 4) {
        Refuse(human, "Building a road costs 4 gold; your treasury is not enough to build a new road.",
               "Yol yapmak 4 altına mal olur, hazineniz yeni bir yola yetmiyor.");
        return 0;
    }
    if (cell.road) {
        Refuse(human, "There is already a road here.", "Burada zaten yol var.");
        return 0;
    }
    StartJob(civ, slot, human, cell.hill ? 64 : 62, 4, "buildRoad");
    return 1;
}

uint8_t MineOrder(int civ, int slot, bool human) {
    const UnitRecord& unit = Unit(civ, slot);
    const MapCell& cell = Cell(unit.x, unit.y);
    if (unit.type != kSettler) {
        Refuse(human, "Only settlers can build mines.", "Sadece işçiler maden yapabilir.");
        return 0;
    }
    if (!Knows(civ, kMining)) {
        Refuse(human, "Mines cannot be built before discovering Mining.",
               "Madencilik keşfedilmeden maden yapılamaz.");
        return 0;
    }
    if (Civ(civ).gold < 10 || cell.mine) {
        Refuse(human, "Building a mine costs 10 gold; your treasury is not enough to build a new mine.",
               "Maden yapmak 10 altına mal olur, hazineniz yeni bir madene yetmiyor.");
        return 0;
    }
    StartJob(civ, slot, human, 85, 10, nullptr);
    return 1;
}

uint8_t BoardOrder(int civ, int slot, bool human) {
    UnitRecord& unit = Unit(civ, slot);
    const int count = Civ(civ).unitCount;
    // Only ships carry units (a wagon train's cargo is goods), and a ship never boards.
    if (!IsShip(unit.type)) {
        // A unit aboard one ship in port that boards another gives up its first place.
        const int32_t oldLink = unit.carrierLink;
        const int oldCarrier = oldLink > 0 ? oldLink / 1000 : 0,
                  oldPosition = oldLink > 0 ? oldLink % 1000 : 0;
        const bool aboard = oldCarrier >= 1 && oldCarrier <= count && oldPosition >= 1 &&
                            oldPosition <= kCargoSlots &&
                            Unit(civ, oldCarrier).cargo[oldPosition] == kCarriedUnitMark + slot;
        if (aboard) Unit(civ, oldCarrier).cargo[oldPosition] = 0;
        // The first ship after this unit in slot order, wrapping round.
        for (int step = 1; step < count; ++step) {
            const int carrierSlot = (slot - 1 + step) % count + 1;
            UnitRecord& carrier = Unit(civ, carrierSlot);
            if (!IsShip(carrier.type) || carrier.x != unit.x || carrier.y != unit.y) continue;
            const int capacity = std::min(UnitTypeCapacity(carrier.type), kCargoSlots);
            for (int k = 1; k <= capacity; ++k) {
                if (carrier.cargo[k] != 0) continue;
                carrier.cargo[k] = kCarriedUnitMark + slot;
                unit.carrierLink = carrierSlot * 1000 + k;
                return Wait(1, civ, slot, human);
            }
        }
        if (aboard) Unit(civ, oldCarrier).cargo[oldPosition] = kCarriedUnitMark + slot;
    }
    ShowMessage(Tr("There is no ship in this area to sail with.", "Bu bölgede binilecek bir gemi yok."));
    return 0;
}

uint8_t FortifyOrder(int civ, int slot, bool human) {
    UnitRecord& unit = Unit(civ, slot);
    if (human && IsAir(unit.type)) {
        ShowMessage(Tr("Air units cannot fortify.", "Hava birlikleri mevzilenemez."));
        return 0;
    }
    if (human && IsShip(unit.type)) {
        ShowMessage(Tr("Sailing units cannot fortify.", "Deniz birlikleri mevzilenemez."));
        return 0;
    }
    unit.movesLeft = 0;
    unit.fortified = 1;
    if (human) {
        PlaySound(unit.type >= 16 && unit.type <= 22 ? "fortify_horse" : "fortify_land");
        NextUnit(1);
    }
    return 1;
}

// The name of the civilization's last city whose area holds the cell.
std::string CityNear(int civ, int x, int y) {
    std::string name;
    for (int k = 1; k <= Civ(civ).cityCount; ++k) {
        const CityData& city = City(Civ(civ).cities[k].x, Civ(civ).cities[k].y);
        if (InCityArea(city, x, y)) name = cityName(Civ(city.founder).nation, city.nameIndex);
    }
    return name;
}

void TellClearedForest(int civ, int special, int x, int y) {
    if (!IsHuman(civ)) return;
    const std::string name = CityNear(civ, x, y);
    const std::string fertile = std::string("Good news! After cutting the forest near ") + name +
                                " our settler found a fertile area ";
    const std::string verimli = std::string("Güzel bir haber var! İşçiler ") + name +
                                " çevresindeki bir alanda yaptıkları ağaç kesim işleminden sonra alanda ";
    switch (special) {
    case 3:
    case 5:
        ShowMessage(
            Tr((fertile + "for food production.").c_str(), (verimli + "tahıl verimi buldular.").c_str()));
        break;
    case 6:
        ShowMessage(
            Tr((fertile + "for cotton production.").c_str(), (verimli + "pamuk verimi buldular.").c_str()));
        break;
    case 7:
        ShowMessage(
            Tr((fertile + "for tobacco production.").c_str(), (verimli + "tütün verimi buldular.").c_str()));
        break;
    case 8:
        ShowMessage(
            Tr((fertile + "for grape production.").c_str(), (verimli + "üzüm verimi buldular.").c_str()));
        break;
    case kStoneSpecial:
        ShowMessage(
            Tr(("Good news! While cutting the forest near " + name + " our settler found a new stone mine.")
                   .c_str(),
               ("Güzel bir haber var! İşçiler " + name +
                " çevresindeki bir alanda yaptıkları ağaç kesim işlemi sırasında alanda taş madeni buldular.")
                   .c_str()));
        break;
    case kGoldSpecial:
        ShowMessage(Tr(
            ("Excellent news! While cutting the forest near " + name + " our settler found a new gold mine.")
                .c_str(),
            ("Harika bir haber var! İşçiler " + name +
             " çevresindeki bir alanda yaptıkları ağaç kesim işlemi sırasında alanda altın madeni buldular.")
                .c_str()));
        break;
    default:
        break;
    }
}

} // namespace

bool IsJobBase(int jobTimer) {
    return jobTimer == 30 || jobTimer == 50 || jobTimer == 60 || jobTimer == 80;
}

bool NearCityFree(int x, int y) {
    for (int cx = x - 2; cx <= x + 2; ++cx)
        for (int cy = y - 2; cy <= y + 2; ++cy)
            if (InsideMap(cx, cy) && Cell(cx, cy).hasCity) return false;
    return true;
}

void FoundCity(int x, int y) {
    const int k = game.currentCiv;
    if (k < 1 || k > game.civCount || !InsideMap(x, y)) return;
    CivRecord& civ = Civ(k);
    if (civ.cityCount >= kMaxCities) return;
    const bool human = IsHuman(k);
    if (human) {
        PlaySound("buildCity");
        for (int cx = x - 2; cx <= x + 2; ++cx)
            for (int cy = y - 2; cy <= y + 2; ++cy)
                if (InsideMap(cx, cy)) Cell(cx, cy).explored = 1;
    }
    if (civ.foundingCount < kMaxFoundings) {
        civ.foundingCount += 1;
        civ.foundingTurns[civ.foundingCount] = game.turn - 1;
    }

    MapCell& cell = Cell(x, y);
    // A city founded where a village once stood inherits nothing of it.
    std::memset(static_cast<void*>(static_cast<CityData*>(&cell)), 0, sizeof(CityData));
    cell.cityX = static_cast<uint8_t>(x);
    cell.cityY = static_cast<uint8_t>(y);
    cell.unitOwner = static_cast<uint8_t>(k);
    cell.workedByX = static_cast<uint8_t>(x);
    cell.workedByY = static_cast<uint8_t>(y);
    if (IsNatives(k)) {
        for (int cx = x - 1; cx <= x + 1; ++cx)
            for (int cy = y - 1; cy <= y + 1; ++cy)
                if (InsideMap(cx, cy)) {
                    Cell(cx, cy).workedByX = static_cast<uint8_t>(x);
                    Cell(cx, cy).workedByY = static_cast<uint8_t>(y);
                }
    } else {
        const int dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
        for (int d = 0; d < 4; ++d) {
            const int nx = x + dx[d], ny = y + dy[d];
            if (InsideMap(nx, ny) && Cell(nx, ny).workedByX == 0) {
                Cell(nx, ny).workedByX = static_cast<uint8_t>(x);
                Cell(nx, ny).workedByY = static_cast<uint8_t>(y);
            }
        }
    }

    // A computer's escorts: the one nearest the new city keeps its duty when the
    // settler came alone; with company at the city nobody keeps it.
    if (civ.isComputer) {
        int keeper = 0, keeperDistance = -1;
        if (cell.unitCount < 2) {
            for (int s = 1; s <= civ.unitCount; ++s) {
                const UnitRecord& u = civ.units[s];
                if (!u.missionFlags[4]) continue;
                const int d = roadDistance(u.x, u.y, x, y);
                if (d < 0) continue;
                if (keeper == 0 || d <= keeperDistance) {
                    keeper = s;
                    keeperDistance = d;
                }
            }
        }
        for (int s = 1; s <= civ.unitCount; ++s)
            if (s != keeper) civ.units[s].missionFlags[4] = 0;
    }

    cell.special = 0;
    cell.road = 1;
    civ.cityCount += 1;
    civ.citiesFounded += 1;
    if (civ.isComputer && civ.citiesFounded == 6) civ.goldBias -= 30;
    if (!IsNatives(k)) civ.gold -= 30;

    CityData& city = cell;
    city.hasCity = 1;
    city.culture = 10.0;
    city.happiness = 70.0;
    city.storageCapacity = 100;
    city.nextFreeSlot = 1;
    city.unitBuildItem = 2;
    city.taxRate = 25;
    city.Worked(0, 0) = 1;
    city.WorkedProduct(0, 0) = 1;
    city.cityX = static_cast<uint8_t>(x);
    city.cityY = static_cast<uint8_t>(y);
    city.owner = static_cast<uint8_t>(k);
    city.cityIndex = civ.cityCount;
    city.founder = static_cast<uint8_t>(k);
    city.nameIndex = civ.citiesFounded;
    civ.cities[civ.cityCount] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
    civ.referenceUnit = 0;
    if (!IsNatives(k)) AddChronicle(kCityFounded, k, 0, ChronicleCity(city));

    if (OwnsWonder(k, kGreatWall)) {
        city.buildings[kStockadeBuilding] = 1;
        city.buildingCount += 1;
    }
    if (OwnsWonder(k, kPyramids)) {
        city.buildings[kGranaryBuilding] = 1;
        city.buildingCount += 1;
        city.granaryBonus = 1;
        PutPictureInFreeSlot(city, kGranaryBuilding);
    }
    ComputeProduction(city);
    DistanceCalculation();
}

void CompleteJob(int civ, int slot) {
    if (slot < 1 || slot > Civ(civ).unitCount) return;
    UnitRecord& unit = Unit(civ, slot);
    const int base = unit.jobTimer;
    if (!IsJobBase(base)) return;
    unit.jobTimer = 0;
    unit.order = 0;
    MapCell& cell = Cell(unit.x, unit.y);
    switch (base) {
    case 30:
        if (cell.forest) {
            cell.forest = 0;
            // The land that was forest goes mostly to farming.
            const double sum = cell.landUse[1] + cell.landUse[2];
            cell.landUse[1] = Round(sum * 5 / 7);
            cell.landUse[2] = Round(sum * 2 / 7);
            if (cell.hiddenSpecial != 0) {
                cell.special = cell.hiddenSpecial;
                TellClearedForest(civ, cell.special, unit.x, unit.y);
            } else {
                cell.special = 0;
            }
        } else {
            cell.cornfield = 1;
            if (cell.special != kGrainSpecial) cell.special = 0;
        }
        break;
    case 50:
        cell.hillExamined = 1;
        if (IsHuman(civ)) {
            if (cell.special == kStoneSpecial)
                ShowMessage(Tr(
                    "Good news! After examining the hill our settler found a new stone quarry.",
                    "Güzel bir haber var! İşçimiz tepeleri araştırdıktan sonra yeni bir taş ocağı buldu."));
            else if (cell.special == kGoldSpecial)
                ShowMessage(Tr("Great news! After examining the hill our settler found a new gold mine.",
                               "Harika bir haber var! İşçimiz tepeleri araştırdıktan sonra yeni bir altın "
                               "madeni buldu."));
            else
                ShowMessage(Tr("After examining the hill our settler found nothing.",
                               "İşçimiz tepeleri araştırdı ama hiçbir şey bulamadı."));
        }
        break;
    case 60:
        cell.road = 1;
        DistanceCalculation();
        break;
    case 80:
        cell.mine = 1;
        break;
    default:
        break;
    }
}

namespace {

uint8_t CarryOutOrder(int order) {
    game.endTurnRequested = 1;
    const int civ = game.currentCiv;
    if (civ < 1 || civ > game.civCount) return 1;
    if (game.currentUnit == 0) return 1;
    const bool human = IsHuman(civ);
    if (game.currentUnit > Civ(civ).unitCount) {
        if (human) NextUnit(1);
        return 1;
    }
    const int slot = game.currentUnit;
    if (!human && !BorderChecks(civ, slot, order)) return 1;
    if (order >= 2 && order <= 6 && AnotherSettlerWorksHere(civ, slot)) {
        if (human) {
            ShowMessage(Tr("There is already a settler working at that cell.",
                           "O karede zaten çalışan bir işçi var."));
            return 0;
        }
        return Wait(1, civ, slot, human);
    }
    switch (order) {
    case 1:
    case 12:
        return Wait(order, civ, slot, human);
    case 2:
        return BuildCityOrder(civ, slot, human);
    case 3:
        return CornfieldOrder(civ, slot, human);
    case 5:
        return ExamineHillOrder(civ, slot, human);
    case 6:
        return RoadOrder(civ, slot, human);
    case 7:
        return BoardOrder(civ, slot, human);
    case 8:
        return MineOrder(civ, slot, human);
    case 11:
        return FortifyOrder(civ, slot, human);
    default:
        if (order >= 21 && order <= 29 && order != 25)
            return Walk(directionDx(order - 20), directionDy(order - 20));
        return 1;
    }
}

} // namespace

uint8_t UnitActivity(int order) {
    const uint8_t done = CarryOutOrder(order);
    CheckStateAfter("an order");
    return done;
}

void BuildOrderButtons() {
    ui.orderButtonCount = 0;
    const int civ = game.viewCiv, slot = game.viewUnit;
    if (civ < 1 || civ > game.civCount || slot < 1 || slot > Civ(civ).unitCount) return;
    const UnitRecord& unit = Unit(civ, slot);
    if (!InsideMap(unit.x, unit.y)) return;
    const MapCell& cell = Cell(unit.x, unit.y);
    auto add = [](int code) {
        if (ui.orderButtonCount < 8) ui.orderButtons[++ui.orderButtonCount] = static_cast<uint8_t>(code);
    };
    if (unit.type == kSettler) {
        if (CityMayBeFounded(civ, unit.x, unit.y)) add(4);
        if (!cell.road) add(1);
        if (!cell.forest || cell.hasCity) {
            if (cell.terrain != kSea && !cell.hasCity && !cell.hill && !cell.cornfield) add(5);
        } else {
            add(2);
        }
        if (cell.hill && !cell.hillExamined) add(3);
    }
    if (!IsShip(unit.type) && !IsAir(unit.type)) {
        for (int s = 1; s <= Civ(civ).unitCount; ++s) {
            const UnitRecord& other = Unit(civ, s);
            if (s != slot && other.x == unit.x && other.y == unit.y && IsShip(other.type)) {
                add(6);
                break;
            }
        }
    }
    if (ui.orderButtonCount < 4) add(7);
}

} // namespace annals
