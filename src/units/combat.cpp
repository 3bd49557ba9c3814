// Fights: who defends a cell, the melee and the shooting, experience, walls and buildings
// knocked down, cities taken or burnt, and the battle animation.
#include "units/combat.h"

#include "economy/end_of_turn.h"

#include "economy/city.h"
#include "economy/city_management.h"
#include "economy/news.h"
#include "state/computer_turns.h"

#include "state/chronicle.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace annals {

namespace {

constexpr int kStockade = 3, kFortress = 34, kGreatWall = 42;
constexpr int kStone = 7;
constexpr int kRomans = 8;
constexpr int kMaxExperience = 9;
constexpr int kStoneCostBase = kUnitTypes; // a building's build item is 35 + building
constexpr int kNoticeFrames = 12;

// A shot that hits a city knocks down the first of these it finds standing.
constexpr int kShotBuildings[8] = {1, 18, 33, 19, 20, 36, 38, 23};

// The sound of a melee blow is the game's own business, not a roll of the dice: it has a
// little generator of its own, so a fight sounds different without changing the game.
uint32_t soundDice = 12345;
int SoundDice(int n) {
    soundDice = soundDice * 1103515245u + 12345u;
    return static_cast<int>((soundDice >> 16) % static_cast<uint32_t>(n));
}

bool IsShooter(int type) {
    return IsBombard(type) || IsShip(type);
}

bool Walled(const MapCell& cell) {
    return cell.hasCity && (cell.buildings[kStockade] == 1 || cell.buildings[kFortress] == 1);
}

// A cell in the map view that a person has seen.
bool InView(int x, int y) {
    return InsideMap(x, y) && Cell(x, y).explored && game.viewX <= x && x <= game.viewX + 20 &&
           game.viewY <= y && y <= game.viewY + 15;
}

// Relations sink a little with every blow, and never below 10; a civilization never met
// (0) stays unmet. Breaking a peace sets both sides to `peaceBroken`.
void Sour(double& relation, double drop) {
    LowerRelation(relation, drop);
}
void Hostility(int a, int b, double peaceBroken) {
    if (a < 1 || a > kMaxCivs || b < 1 || b > kMaxCivs || a == b) return;
    CivRecord& attacker = Civ(a);
    CivRecord& victim = Civ(b);
    if (attacker.relation[b] > 20.0) {
        if (a < game.civCount && b < game.civCount) AddChronicle(kTreatyBroken, a, b, 0);
        attacker.relation[b] = victim.relation[a] = peaceBroken;
        attacker.warCounter = static_cast<uint8_t>(std::min(attacker.warCounter + 1, 20));
        return;
    }
    const double drop = attacker.relation[b] > 15.0 ? 0.5 : 0.1;
    Sour(attacker.relation[b], drop);
    Sour(victim.relation[a], drop);
}

void AddStone(CityData& city, int amount) {
    city.stock[kStone] =
        std::max(city.stock[kStone], std::min(city.stock[kStone] + amount, city.storageCapacity));
}

// The city at (x, y) leaves its owner's list; the later ones move up.
void LeaveOwnerList(int owner, int x, int y) {
    CivRecord& civ = Civ(owner);
    const int count = std::min<int>(civ.cityCount, kMaxCities);
    int index = 0;
    for (int k = 1; k <= count && index == 0; ++k)
        if (civ.cities[k].x == x && civ.cities[k].y == y) index = k;
    if (index == 0) return;
    for (int k = index; k < count; ++k) {
        civ.cities[k] = civ.cities[k + 1];
        City(civ.cities[k].x, civ.cities[k].y).cityIndex = static_cast<uint8_t>(k);
    }
    civ.cities[count] = {0, 0};
    civ.cityCount = static_cast<uint8_t>(count - 1);
}

void ForgetRoute(UnitRecord& unit) {
    unit.gotoX = unit.gotoY = 0;
    unit.pathLength = 0;
}

// The view jumps to a fight a person takes part in when the attacker stands near or
// beyond the edge of the clear part of the map.
void CentreOnAttacker(int ax, int ay) {
    const double vx = game.viewX, vy = game.viewY;
    const bool hidden = ax <= vx + 2 || ay <= vy + 2 || ax >= vx + 18 || ay >= vy + 13 ||
                        (ax >= vx + 16 && ay >= vy + 12) || (ax <= vx + 4 && ay >= vy + 3);
    if (!hidden) return;
    game.viewX = std::max(1.0, std::min(ax - 10.0, game.mapWidth - 19.0));
    game.viewY = std::max(1.0, std::min(ay - 7.5, game.mapHeight - 14.0));
    TheHost().NestedFrame();
    TheHost().Pause(100);
}

// ---------------------------------------------------------------------------
// Shooting

// How much easier the next shot gets after the n-th hit (counted from 0).
int AimGain(int shooterType, int hits) {
    static constexpr int kCatapultGain[4] = {3, 6, 8, 9}, kCannonGain[4] = {2, 5, 7, 8},
                         kTankGain[4] = {2, 4, 5, 6};
    const int n = std::min(hits, 3);
    switch (shooterType) {
    case kCatapult:
        return kCatapultGain[n];
    case kCannon:
        return kCannonGain[n];
    case kTank:
        return kTankGain[n];
    default:
        return 0; // ships keep their aim
    }
}

// Wall penalty of a shooter against a Stockade or Fortress.
int WallPenalty(int shooterType) {
    switch (shooterType) {
    case kCatapult:
        return 0;
    case kFrigate:
    case kVikingship:
        return 1;
    case kTank:
    case kDestroyer:
        return 8;
    default:
        return 3;
    }
}

// A shot knocks down a building of the city: its picture goes, its workers die with it,
// and its stone is left in the store.
void DestroyBuilding(int x, int y, int building) {
    CityData& city = City(x, y);
    city.buildings[building] = 0;
    ui.destroyedBuilding = static_cast<uint8_t>(building);
    const int picture = buildingPicture(building);
    if (picture != 0)
        for (int k = kMaxPictures; k >= 1; --k)
            if (city.pictures[k] == picture) {
                city.pictures[k] = kEmptyPicture;
                break;
            }
    for (int i = 0; i < city.jobs[building] && city.size > 0; ++i) {
        city.size -= 1;
        RemoveCitizenFigure(city);
    }
    city.jobs[building] = 0;
    UpdateNextFreeSlot(city);
    if (city.buildingCount > 0) city.buildingCount -= 1;
    AddStone(city, buildCost(kStoneCostBase + building));
    if (city.size == 0) RemoveCity(x, y);
}

uint8_t Shoot(int A, int a, int B, int x, int y, bool shown, bool visible) {
    const int roller = game.currentCiv;
    MapCell& target = Cell(x, y);
    const int type = Unit(A, a).type;
    const int shots = static_cast<int>(std::floor(UnitAttack(A, a)));
    int w = 0, q = 3;
    if (Walled(target)) {
        w = -2;
        q = WallPenalty(type);
    } else {
        w = target.unitCount == 1 ? -4 : target.unitCount == 2 ? -2 : -1;
        if (!IsHuman(A)) w -= Civ(A).aiLevel - 3;
        if (!IsHuman(B)) w += Civ(B).aiLevel - 3;
    }
    if (target.terrain == kSea) w -= 8;

    // The walls first: a breach ends this attack.
    // A shooter that learns during the attack aims better for the rest of it.
    auto skill = [&] { return (Unit(A, a).experience - 1) / 3; };
    bool breached = false;
    if (target.hasCity && target.buildings[kStockade] == 1 && NextRoll(roller) > 85 - 5 * q - skill()) {
        target.buildings[kStockade] = 0;
        AddStone(target, 50);
        ui.destroyedBuilding = kStockade;
        breached = true;
    } else if (target.hasCity && target.buildings[kFortress] == 1 &&
               NextRoll(roller) > 93 - 3 * q - skill()) {
        target.buildings[kFortress] = 0;
        AddStone(target, 100);
        ui.destroyedBuilding = kFortress;
        breached = true;
    }
    if (breached) {
        if (shown) CrashEffect(A, a, x, y, 0, B);
        if (IsHuman(A)) ForgetRoute(Unit(A, a));
        return kShotsFired;
    }

    bool hitSomething = false;
    if (!Walled(target)) {
        const int base = (target.hasCity ? 90 : 89) + (type == kCatapult ? 1 : 0);
        int hits = 0;
        for (int shot = 0; shot < shots; ++shot) {
            int hit = 0;
            for (int s = 1; s <= Civ(B).unitCount && hit == 0; ++s) {
                const UnitRecord& unit = Unit(B, s);
                if (unit.x != x || unit.y != y || (!IsShip(unit.type) && target.terrain == kSea)) continue;
                const int needed = w + base - skill() + (IsBombard(unit.type) ? 5 : 0);
                if (NextRoll(roller) > needed) hit = s;
            }
            if (hit == 0) continue; // the shot fell where nobody stood
            UnitRecord& victim = Unit(B, hit);
            ui.battleUnits[B] = static_cast<uint8_t>(hit);
            if (victim.lives > 0) victim.lives -= 1;
            ui.defenderHit = 1;
            hitSomething = true;
            if (victim.type != kSettler && victim.type != kWagonTrain) w += AimGain(type, hits);
            hits += 1;
            UnitRecord& shooter = Unit(A, a);
            if (victim.lives == 0 && shooter.experience < kMaxExperience) shooter.experience += 1;
            if (shown) CrashEffect(A, a, x, y, hit, B);
            if (visible) TheHost().Pause(IsHuman(A) || IsHuman(B) ? 300 : ComputerPauseMs(300));
            if (victim.lives == 0) {
                ui.battleUnits[B] = 0;
                AddUnitLostNews(B, x, y, victim.type, A);
                KillUnit(B, hit);
            }
        }
    }

    // Then the city itself: one building at most falls to one attack.
    for (int shot = 0; shot < shots; ++shot) {
        if (!target.hasCity || Walled(target) || ui.destroyedBuilding != 0) break;
        if (NextRoll(roller) <= 90 + w - (Unit(A, a).experience - 1)) continue;
        int building = 0;
        for (int pick = 0; pick < 100 && building == 0; ++pick) {
            const int candidate = kShotBuildings[NextRoll(roller) % 8];
            if (target.buildings[candidate] == 1) building = candidate;
        }
        if (building == 0) continue;
        hitSomething = true;
        if (shown) {
            // The building falls while it is still shown standing with its city.
            ui.destroyedBuilding = static_cast<uint8_t>(building);
            CrashEffect(A, a, x, y, 0, B);
        }
        DestroyBuilding(x, y, building);
    }

    if (!hitSomething && shown) CrashEffect(A, a, x, y, 0, B);
    if (IsHuman(A)) ForgetRoute(Unit(A, a));
    return kShotsFired;
}

// ---------------------------------------------------------------------------
// Melee

int RollBias(int civ) {
    if (IsHuman(civ)) return 0;
    static constexpr int kBias[6] = {0, 3, 1, 0, -1, -2};
    const int level = Civ(civ).aiLevel;
    return level >= 1 && level <= 5 ? kBias[level] : 0;
}

// The defender's bonus from walls, nation, wonder, fortification and being alone.
int DefenceBonus(int B, int b, int x, int y) {
    const MapCell& target = Cell(x, y);
    const bool stockade = target.hasCity && target.buildings[kStockade] == 1;
    int d = stockade ? 5 : 2;
    if (Civ(B).nation == kRomans) d += 1;
    const int32_t wall = game.wonderOwner[kGreatWall - kFirstWonder + 1];
    if (wall != 0 && wall / 100 == B && Walled(target)) d += d / 2;
    if (FlagSet(Unit(B, b).fortified)) d += 2;
    if (target.hasCity) {
        int armed = 0;
        for (int i = 1; i <= target.unitCount; ++i)
            if (UnitDefence(target.unitOwner, target.unitList[i]) > 0) armed += 1;
        if (armed <= 1) d += 1;
    }
    return d;
}

// Experience from a won fight, by how the winner's base value compares with the loser's.
void DefenderLearns(UnitRecord& defender, const UnitRecord& attacker) {
    if (defender.type == kSettler || defender.type == kWagonTrain || defender.experience >= kMaxExperience)
        return;
    const int gap = UnitTypeAttack(attacker.type) - UnitTypeDefence(defender.type);
    const int gain = gap <= 0 ? 1 : gap >= 2 ? 2 : attacker.experience >= 2 ? 2 : 1;
    defender.experience = static_cast<uint8_t>(std::min(defender.experience + gain, kMaxExperience));
}
void AttackerLearns(UnitRecord& attacker, const UnitRecord& defender) {
    if (defender.type == kSettler || defender.type == kWagonTrain || attacker.experience >= kMaxExperience)
        return;
    const int lead = UnitTypeAttack(attacker.type) - UnitTypeDefence(defender.type);
    const int gain = lead <= 0 || (lead == 1 && attacker.experience < 2) ? 2 : 1;
    attacker.experience = static_cast<uint8_t>(std::min(attacker.experience + gain, kMaxExperience));
}

void NoticePromotion(int civ, int slot, int levelBefore) {
    const UnitRecord& unit = Unit(civ, slot);
    if ((unit.experience - 1) / 2 <= levelBefore) return;
    ui.promotionNotice = {unit.x * 100 + unit.y, kNoticeFrames, static_cast<uint8_t>(civ),
                          static_cast<uint8_t>(slot)};
    if (IsHuman(civ)) PlaySound("victory");
}

uint8_t Melee(int A, int a, int B, int b, int x, int y, bool shown, bool visible) {
    // Nobody there can be fought (a plane over a harbour holding only ships).
    if (b < 1 || b > Civ(B).unitCount) return kShotsFired;
    const int roller = game.currentCiv;
    UnitRecord& attacker = Unit(A, a);
    UnitRecord& defender = Unit(B, b);
    const double defence = UnitDefence(B, b);
    const int p = defence == 0.0 ? (Cell(x, y).hasCity ? 6 : 2) : 0;
    const int d = DefenceBonus(B, b, x, y);
    const int r = RollBias(A);
    const double o = RollBias(B);
    const int needed = Round((UnitAttack(A, a) + p - defence) * 6 + 49 - d + o);
    const bool computersOnly = !IsHuman(A) && !IsHuman(B);
    while (attacker.lives > 0 && defender.lives > 0) {
        int rounds = 0;
        for (int round = 0; round < 7; ++round)
            if (NextRoll(roller) + r <= needed) rounds += 1;
        ui.defenderHit = rounds >= 4 ? 1 : 0;
        if (ui.defenderHit)
            defender.lives -= 1;
        else
            attacker.lives -= 1;
        if (shown) CrashEffect(A, a, x, y, b, B);
        if (visible && computersOnly) TheHost().Pause(ComputerPauseMs(300));
    }
    if (attacker.lives == 0) {
        const int before = (defender.experience - 1) / 2;
        DefenderLearns(defender, attacker);
        NoticePromotion(B, b, before);
        return kAttackerLost;
    }
    const int before = (attacker.experience - 1) / 2;
    AttackerLearns(attacker, defender);
    if (IsHuman(A) ||
        (attacker.missionFlags[2] == 1 && (attacker.gotoX == defender.x || attacker.gotoY == defender.y)))
        ForgetRoute(attacker);
    NoticePromotion(A, a, before);
    return kAttackerWon;
}

// The melee sound of a land unit, none for the others.
std::string BlowSound(int type) {
    switch (type) {
    case kWarrior:
    case kJaguar:
    case kPikeman:
    case kMameluke:
    case kSwordsman:
    case kLegion:
    case kAxeman:
    case kBerserk:
    case kHorseman:
    case kDragoon:
    case kKnight:
        return "sword" + std::to_string(SoundDice(5) + 1);
    case kArcher:
    case kLongbowman:
    case kHorseArcher:
    case kChuKoNu:
        return "swish" + std::to_string(SoundDice(2) + 1);
    case kMusketman:
    case kMusketeer:
    case kJanissary:
    case kRaider:
    case kInfantry:
    case kMarine:
    case kCavalry:
        return "musket" + std::to_string(SoundDice(3) + 1);
    case kWarElephant:
        return "elephant";
    default:
        return "";
    }
}

const char* ShotSound(int type) {
    switch (type) {
    case kCatapult:
        return "attack_catapult";
    case kCannon:
    case kTank:
    case kFrigate:
    case kGalleon:
    case kDestroyer:
    case kFighter:
    case kBomber:
        return "attack_cannon";
    default:
        return nullptr;
    }
}

} // namespace

int NextRoll(int civ) {
    if (civ < 1 || civ > kMaxCivs) return 0;
    const UnitRecord* current = CurrentUnitRecord();
    const int type = current ? current->type : 0;
    const int position = type >= kCatapult && type <= kBomber ? 51 : 1;
    int32_t* rolls = Civ(civ).combatRolls;
    const int value = rolls[position];
    std::copy(rolls + position + 1, rolls + kCombatRolls + 1, rolls + position);
    rolls[kCombatRolls] = Random(100);
    return value;
}

int ChooseDefender(int x, int y, int attackerType) {
    if (!InsideMap(x, y)) return 0;
    const MapCell& cell = Cell(x, y);
    const int owner = cell.unitOwner;
    int best = 0;
    double bestScore = -100.0;
    for (int i = 1; i <= cell.unitCount; ++i) {
        const int slot = cell.unitList[i];
        const UnitRecord& unit = Unit(owner, slot);
        const bool eligible =
            (IsShooter(attackerType) || !IsShip(unit.type)) && (cell.terrain != kSea || IsShip(unit.type));
        if (!eligible) continue;
        const int full = UnitTypeLives(unit.type);
        const double health = full > 0 ? std::sqrt(static_cast<double>(unit.lives) / full) : 0.0;
        const double bonus = unit.type == kSettler || unit.type == kWagonTrain ? -5.0
                             : IsBombard(unit.type)                            ? 0.0
                                                                               : 2.0;
        const double score =
            health * std::max(2.0 * UnitDefence(owner, slot) - UnitAttack(owner, slot), -50.0) + bonus;
        if (score > bestScore) {
            bestScore = score;
            best = slot;
        }
    }
    return best;
}

uint8_t War(int civ, int slot, int defCiv, int defSlot, int x, int y) {
    if (!InsideMap(x, y) || civ < 1 || civ > kMaxCivs || slot < 1 || slot > Civ(civ).unitCount ||
        defCiv < 1 || defCiv > kMaxCivs)
        return kShotsFired;
    const UnitRecord& attacker = Unit(civ, slot);
    const bool human = IsHuman(civ) || IsHuman(defCiv);
    if (human) CentreOnAttacker(attacker.x, attacker.y);
    // A fight among computers is seen where it stands in view, unless the person asked
    // to see only the result of their turns.
    const bool visible = InView(attacker.x, attacker.y) && InView(x, y) && (human || ComputerActionsDrawn());
    const bool shown = human || visible;

    ui.battleShown = 1;
    ui.destroyedBuilding = 0;
    ui.defenderHit = 0;
    Hostility(civ, defCiv, 18.0);
    std::fill(std::begin(ui.battleUnits), std::end(ui.battleUnits), uint8_t{0});
    ui.battleUnits[civ] = static_cast<uint8_t>(slot);
    if (!IsShooter(attacker.type)) ui.battleUnits[defCiv] = static_cast<uint8_t>(defSlot);
    if (shown) TheHost().NestedFrame();

    const uint8_t result = IsShooter(attacker.type) ? Shoot(civ, slot, defCiv, x, y, shown, visible)
                                                    : Melee(civ, slot, defCiv, defSlot, x, y, shown, visible);
    if (ui.destroyedBuilding != 0) AddNews(defCiv, x, y, 335 + ui.destroyedBuilding);
    std::fill(std::begin(ui.battleUnits), std::end(ui.battleUnits), uint8_t{0});
    return result;
}

void CaptureCity(int civ, int x, int y) {
    if (!InsideMap(x, y) || !City(x, y).hasCity || civ < 1 || civ > game.civCount) return;
    MapCell& city = Cell(x, y);
    const int loser = city.owner;
    if (loser == civ) return;
    ui.battleShown = 0;
    ui.smallMapValid = 0; // the city changes colour on the small map
    Hostility(civ, loser, 15.0);
    for (int reader = 1; reader < game.civCount; ++reader) AddNews(reader, x, y, civ * 10 + loser + 100);

    auto raise = [&](int code) {
        std::fill(std::begin(ui.dialogParams), std::end(ui.dialogParams), 0.0);
        ui.dialogCode = code;
        // The party that gains from the capture is named first: the dialog pays it.
        ui.dialogPartyA = static_cast<uint8_t>(civ);
        ui.dialogPartyB = static_cast<uint8_t>(loser);
        ui.dialogParams[6] = city.founder;
        ui.dialogParams[7] = city.nameIndex;
    };

    if (IsNatives(loser) || IsNatives(civ)) {
        if (IsHuman(civ) && IsNatives(loser)) {
            raise(31);
            ui.dialogParams[0] = Round(NextRoll(game.civCount) / 5.0 + city.size * 2 + 10);
        } else if (IsHuman(loser) && IsNatives(civ)) {
            raise(32);
        }
        RemoveCity(x, y);
        city.unitOwner = static_cast<uint8_t>(civ);
        return;
    }

    AddChronicle(kCityTaken, civ, loser, ChronicleCity(city));
    // A conqueror with no city yet still shares out the plunder.
    const int shares = std::max<int>(Civ(game.currentCiv).cityCount, 1);
    const double plunder = Round(std::max(std::min(Civ(loser).gold / shares, 30.0), 5.0));
    if (IsHuman(loser) || IsHuman(civ)) {
        raise(IsHuman(loser) ? 35 : 36);
        ui.dialogParams[0] = civ;
        ui.dialogParams[1] = plunder;
        ui.dialogParams[2] = loser;
    }
    if (IsHuman(civ))
        for (int cx = x - 2; cx <= x + 2; ++cx)
            for (int cy = y - 2; cy <= y + 2; ++cy)
                if (InsideMap(cx, cy)) Cell(cx, cy).explored = 1;

    // A conqueror whose list is full cannot hold the city: it burns instead.
    if (Civ(civ).cityCount >= kMaxCities) {
        RemoveCity(x, y);
        city.unitOwner = static_cast<uint8_t>(civ);
        return;
    }
    LeaveOwnerList(loser, x, y);
    CivRecord& winner = Civ(civ);
    winner.cityCount += 1;
    winner.cities[winner.cityCount] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
    city.unitBuildItem = kSettler;
    city.militaryProgress = 0.0;
    city.owner = static_cast<uint8_t>(civ);
    city.cityIndex = winner.cityCount;
    city.unitOwner = static_cast<uint8_t>(civ);

    // The loser's units on their way to the city turn back.
    for (int s = 1; s <= Civ(loser).unitCount; ++s) {
        UnitRecord& unit = Unit(loser, s);
        if (unit.gotoX != x || unit.gotoY != y) continue;
        if (unit.type == kSettler || unit.type == kWagonTrain || unit.missionFlags[1] == 1)
            GoHome(unit, loser, s);
    }
    // The new masters set the citizens to work as they see fit.
    AssignCitizens(city);
    ComputeProduction(city);
}

void CrashEffect(int civ, int slot, int x, int y, int target, int defCiv) {
    const UnitRecord& attacker = Unit(civ, slot);
    const int attackerType = attacker.type;
    const int defenderType = target >= 1 ? Unit(defCiv, target).type : 0;
    const bool people = IsHuman(civ) || IsHuman(defCiv);
    if (const char* shot = ShotSound(attackerType)) PlaySound(shot);
    ui.crashFromX = attacker.x;
    ui.crashFromY = attacker.y;
    ui.crashToX = static_cast<uint8_t>(x);
    ui.crashToY = static_cast<uint8_t>(y);
    // Shots burst where they land; in a melee, on whoever lost the exchange.
    ui.crashAtTarget = IsShooter(attackerType) || ui.defenderHit ? 1 : 0;
    for (int step = 1; step <= 8; ++step) {
        ui.crashStep = static_cast<uint8_t>(step);
        if (step == 1 && !IsAir(attackerType) && !IsShooter(attackerType)) {
            const std::string blow = BlowSound(attackerType);
            if (!blow.empty()) PlaySound(blow);
        }
        if (step == 8 && defenderType != 0 && !IsAir(defenderType) && !IsShooter(defenderType)) {
            const std::string blow = BlowSound(defenderType);
            if (!blow.empty()) PlaySound(blow);
        }
        TheHost().NestedFrame();
        TheHost().Pause(people ? 60 : ComputerPauseMs(60));
    }
    ui.crashStep = 0;
    if (ui.destroyedBuilding != 0) TheHost().Pause(people ? 300 : ComputerPauseMs(300));
}

} // namespace annals
