// One step of the current unit: the checks, the fight, and everything that entering a
// cell sets off.
#include "units/movement.h"

#include "economy/end_of_turn.h"
#include "economy/news.h"

#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/combat.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace annals {

namespace {

constexpr int kFood = 1, kWood = 6, kStone = 7;
constexpr int kWarriorCode = 5, kEquestrian = 12, kWarriorTribesStayAway = 28;
constexpr int kAztecs = 2, kBritons = 3;
constexpr int kFirstWonderItem = kUnitTypes + kFirstWonder; // build items from here on are wonders
constexpr int32_t kCarriedUnit = 100000;                    // a ship's cargo: 100000 + slot

bool HoldsForeignUnits(const MapCell& cell, int civ) {
    return cell.unitCount > 0 && cell.unitOwner != 0 && cell.unitOwner != civ;
}

bool IsCityOf(const MapCell& cell, int civ) {
    return cell.hasCity && cell.owner == civ;
}

bool IsNativeVillage(const MapCell& cell) {
    return cell.hasCity && IsNatives(cell.owner);
}

void Explore(int x, int y, int radius) {
    for (int cx = x - radius; cx <= x + radius; ++cx)
        for (int cy = y - radius; cy <= y + radius; ++cy)
            if (InsideMap(cx, cy)) Cell(cx, cy).explored = 1;
}

void LeaveCell(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    if (!InsideMap(unit.x, unit.y)) return;
    MapCell& cell = Cell(unit.x, unit.y);
    if (cell.unitOwner != civ) return;
    for (int i = 1; i <= cell.unitCount; ++i) {
        if (cell.unitList[i] != slot) continue;
        for (int j = i; j < cell.unitCount; ++j) cell.unitList[j] = cell.unitList[j + 1];
        cell.unitList[cell.unitCount] = 0;
        cell.unitCount -= 1;
        if (cell.unitCount == 0 && !cell.hasCity) cell.unitOwner = 0;
        return;
    }
}

void JoinCell(int civ, int slot, int x, int y) {
    MapCell& cell = Cell(x, y);
    if (cell.unitCount >= kMaxCellUnits) return;
    if (cell.unitCount == 0) cell.unitOwner = static_cast<uint8_t>(civ);
    cell.unitCount += 1;
    cell.unitList[cell.unitCount] = static_cast<uint8_t>(slot);
}

// The last own ship on (x, y) with room for one more.
int CarrierWithRoom(int civ, int x, int y) {
    const MapCell& cell = Cell(x, y);
    if (cell.unitOwner != civ) return 0;
    int found = 0;
    for (int i = 1; i <= cell.unitCount; ++i) {
        const int slot = cell.unitList[i];
        const UnitRecord& ship = Unit(civ, slot);
        if (!IsShip(ship.type) || slot <= found) continue;
        for (int k = 1; k <= std::min(UnitTypeCapacity(ship.type), kCargoSlots); ++k)
            if (ship.cargo[k] == 0) {
                found = slot;
                break;
            }
    }
    return found;
}

void LeaveCarrier(int civ, int slot) {
    UnitRecord& unit = Unit(civ, slot);
    if (unit.carrierLink <= 0) return;
    const int carrier = unit.carrierLink / 1000, position = unit.carrierLink % 1000;
    if (carrier >= 1 && carrier <= Civ(civ).unitCount && position >= 1 && position <= kCargoSlots &&
        Unit(civ, carrier).cargo[position] == kCarriedUnit + slot)
        Unit(civ, carrier).cargo[position] = 0;
    unit.carrierLink = 0;
}

// A refused step: the route ends, and a person is told why.
uint8_t Refuse(UnitRecord& unit, bool human, const char* text) {
    unit.gotoX = unit.gotoY = 0;
    if (human) ShowMessage(text);
    return 0;
}

void ClearDialogParams() {
    std::fill(std::begin(ui.dialogParams), std::end(ui.dialogParams), 0.0);
}

// ---------------------------------------------------------------------------
// Trade with the natives

// What the natives offer for one cargo position of goods (product * 1000 + amount), in
// hundredths of gold. A product they want loses value as their stock of it grows.
double CargoPrice(int32_t cargo) {
    const int product = cargo / 1000, amount = cargo % 1000;
    if (product < 1 || product > kProducts || amount <= 0) return 0.0;
    const double base = productPrice(product);
    const int demand = game.nativeDemand[product];
    if (demand == 0) {
        const bool staple = product == kFood || product == kWood || product == kStone;
        return base * amount * (staple ? 2.0 : 0.6);
    }
    const int villages = std::max<int>(Civ(game.civCount).cityCount, 1);
    double price = 0.0;
    for (int k = 1; k <= amount; ++k) {
        const double glut = std::floor((game.nativeStock[product] + k - 1.0) / (demand * villages));
        price += (glut <= 24.0 ? 1.6 - 0.04 * glut : 0.6) * base;
    }
    return price;
}

// ---------------------------------------------------------------------------
// Fights

enum class Fight { Refused, Lost, Stopped, Undecided, Won };

constexpr int kFightNoticeFrames = 24, kFightHoldFrames = 16;

// A person who fought or was attacked sees who fell, over the cell where it fell, before
// the game moves on (and the view with it to the next unit).
void ShowFallen(bool person, int x, int y, int loserCiv, int loserType) {
    if (!person) return;
    ui.fightNotice = {static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(loserCiv),
                      static_cast<uint8_t>(loserType), kFightNoticeFrames};
}
void HoldFightResult() {
    for (int i = 0; i < kFightHoldFrames && ui.fightNotice.frames > 0; ++i) {
        TheHost().NestedFrame();
        TheHost().Pause(60);
    }
}

Fight Attack(UnitRecord& unit, int civ, int slot, int tx, int ty, bool human) {
    MapCell& target = Cell(tx, ty);
    const int defCiv = target.unitOwner;
    const int type = unit.type;
    const bool shooter = IsShip(type) || IsBombard(type) || IsAir(type);
    const int defender = ChooseDefender(tx, ty, type);
    const bool person = IsHuman(civ) || IsHuman(defCiv);
    Fight outcome = Fight::Won;
    if (defender != 0 || (shooter && target.hasCity)) {
        if (unit.attackedThisTurn) {
            Refuse(
                unit, human,
                Tr("This unit has no more rockets; air units can attack only once every turn.",
                   "Bu birliğin roketi kalmadı, hava birlikleri her turda yalnızca bir kez saldırabilir."));
            return Fight::Refused;
        }
        const uint8_t result = War(civ, slot, defCiv, defender, tx, ty);
        if (!IsAir(type)) unit.movesLeft = 0;
        unit.attackedThisTurn = 1;
        if (IsBombard(type) && result == 2) {
            unit.animDx = unit.animDy = 0;
            return Fight::Stopped;
        }
        if (result == 0) {
            if (human) PlaySound("die");
            ShowFallen(person, unit.x, unit.y, civ, type);
            KillUnit(civ, slot);
            HoldFightResult();
            return Fight::Lost;
        }
        if (result == 1) {
            // A plane over a city that nobody there can meet has beaten no one.
            if (defender != 0) {
                if (IsHuman(defCiv)) PlaySound("die");
                const int fallen = Unit(defCiv, defender).type;
                ShowFallen(person, tx, ty, defCiv, fallen);
                AddUnitLostNews(defCiv, tx, ty, fallen, civ);
                KillUnit(defCiv, defender);
                HoldFightResult();
            }
        } else {
            outcome = Fight::Undecided;
        }
    } else {
        // Nothing there can defend itself against this attacker.
        bool anyFell = false;
        for (int guard = 0; target.unitCount > 0 && guard <= 2 * kMaxCellUnits; ++guard) {
            const int fallen = target.unitList[target.unitCount];
            if (defCiv >= 1 && defCiv <= kMaxCivs && fallen >= 1 && fallen <= Civ(defCiv).unitCount) {
                ShowFallen(person, tx, ty, defCiv, Unit(defCiv, fallen).type);
                anyFell = true;
                AddUnitLostNews(defCiv, tx, ty, Unit(defCiv, fallen).type, civ);
            }
            KillUnit(defCiv, fallen);
        }
        if (person && anyFell) HoldFightResult();
    }
    if (target.unitCount == 0 && target.hasCity && IsLandOrBombard(type)) CaptureCity(civ, tx, ty);
    return outcome;
}

// ---------------------------------------------------------------------------
// Exploration sites

// The warriors that join a civilization from a tribe it found.
int JoiningWarriorType(int civ, bool human) {
    const CivRecord& owner = Civ(civ);
    if (owner.knows[kEquestrian]) return kHorseman;
    if (owner.knows[kWarriorCode]) return owner.nation == kBritons ? kLongbowman : kArcher;
    // Every nation's tribes fight as Warriors, the Aztecs' as Jaguars.
    if (human && owner.nation == kAztecs) return kJaguar;
    return kWarrior;
}

// A person's soldiers ask before they act: the dialog applies the site and repeats the move.
int SiteDialog(int civ, int kind, const MapCell& cell) {
    const CivRecord& owner = Civ(civ);
    switch (kind) {
    case 2: {
        const int science = cell.cellSeed % 7 + 1;
        if (owner.knows[science] || owner.research == science) return 11;
        ui.dialogParams[0] = science;
        return 12;
    }
    case 4:
        if (owner.knows[kWarriorTribesStayAway]) return 11;
        ui.dialogParams[0] = JoiningWarriorType(civ, true);
        return 14;
    default:
        return 10 + kind;
    }
}

// The relation with the natives sinks by 5, never below 10.
void Offend(double& relation) {
    LowerRelation(relation, 5.0);
}

// A computer's unit takes what the site holds at once. False when the unit died there.
bool ComputerSite(int civ, int slot, int kind, int x, int y) {
    CivRecord& owner = Civ(civ);
    const UnitRecord& unit = Unit(civ, slot);
    const bool curious = unit.order != 0 && unit.order != 10;
    switch (kind) {
    case 1:
        owner.gold += 5;
        break;
    case 2: {
        bool learned = false;
        for (int tries = 0; tries < 100 && !learned; ++tries) {
            const int science = NextRoll(civ) % 7 + 1;
            if (!owner.knows[science]) {
                owner.knows[science] = 1;
                learned = true;
            }
        }
        if (!learned) owner.gold += 5;
        break;
    }
    case 3:
        AddUnit(civ, kSettler, x, y);
        break;
    case 4:
        if (owner.knows[kWarriorTribesStayAway])
            owner.gold += 5;
        else
            AddUnit(civ, JoiningWarriorType(civ, false), x, y);
        break;
    case 5:
        owner.gold += 10;
        break;
    case 6:
    case 7:
        if (owner.aiLevel == 5) {
            owner.gold += 10;
        } else if (curious) {
            Offend(owner.relation[game.civCount]);
            Offend(Civ(game.civCount).relation[civ]);
        }
        break;
    case 8:
        if (owner.aiLevel == 5) {
            owner.gold += 10;
        } else if (curious) {
            KillUnit(civ, slot);
            return false;
        }
        break;
    default:
        break;
    }
    return true;
}

// ---------------------------------------------------------------------------
// What happens to each unit that arrives

void Meet(int a, int b) {
    Civ(a).relation[b] = 25.0;
    Civ(b).relation[a] = 25.0;
}

// First contacts of the civilizations whose units now stand next to each other. A person
// is asked (one dialog per move); two computers simply make peace.
void Contacts(int civ, const UnitRecord& mover, UnitRecord& walker, bool& raised) {
    const int natives = game.civCount;
    auto each3x3 = [&](auto&& visit) {
        for (int x = mover.x - 1; x <= mover.x + 1; ++x)
            for (int y = mover.y - 1; y <= mover.y + 1; ++y) {
                if (!InsideMap(x, y)) continue;
                const MapCell& cell = Cell(x, y);
                const int other = cell.unitOwner;
                if (cell.unitCount == 0 || other == 0 || other == civ || other > game.civCount) continue;
                visit(other);
            }
    };
    auto raise = [&](int code, int partyA, int partyB) {
        ui.dialogCode = code;
        if (partyA != 0) ui.dialogPartyA = static_cast<uint8_t>(partyA);
        ui.dialogPartyB = static_cast<uint8_t>(partyB);
        walker.movesLeft = 0;
        raised = true;
    };
    if (IsNatives(civ)) {
        each3x3([&](int other) {
            if (Civ(other).relation[natives] != 0) return;
            if (!IsHuman(other))
                Meet(other, natives);
            else if (!raised)
                raise(1, 0, other);
        });
        return;
    }
    if (Civ(civ).relation[natives] == 0) {
        each3x3([&](int other) {
            if (!IsNatives(other) || Civ(civ).relation[natives] != 0 || raised) return;
            if (!IsHuman(civ))
                Meet(civ, natives);
            else
                raise(1, 0, civ);
        });
    }
    each3x3([&](int other) {
        if (IsNatives(other) || Civ(civ).relation[other] != 0 || raised) return;
        const bool humanHere = IsHuman(civ), humanThere = IsHuman(other);
        if (!humanHere && !humanThere) {
            Meet(civ, other);
            return;
        }
        // The dialog is spoken by the computer of the two; between two people, by the other.
        const int speaker = humanHere ? other : civ;
        raise(3, speaker, speaker == civ ? other : civ);
    });
}

// A wagon on a stone mission empties its load into the city it was sent to, or, coming
// empty, loads what the city can spare (a city building a wonder keeps some back).
void DeliverStone(UnitRecord& wagon, MapCell& city) {
    if (wagon.jobTimer / 1000 == kStone) {
        int32_t& load = wagon.cargo[1];
        if (load / 1000 == kStone && load % 1000 > 0) {
            city.stock[kStone] += load % 1000;
            if (city.stock[kStone] > city.storageCapacity) {
                load = kStone * 1000 + (city.stock[kStone] - city.storageCapacity);
                city.stock[kStone] = city.storageCapacity;
            } else {
                load = 0;
            }
            city.deliveryTimer = 6;
        } else if (wagon.cargo[1] == 0 && wagon.cargo[2] == 0) {
            int amount = std::min(100, city.stock[kStone]);
            if (city.buildItem >= kFirstWonderItem) {
                const int reserve = city.production[kStone] < 7 ? 60 : 40;
                amount = std::max(std::min(100, city.stock[kStone] - reserve), 0);
            }
            // Nothing to spare leaves the wagon empty rather than carrying "0 stone".
            if (amount > 0) {
                load = kStone * 1000 + amount;
                city.stock[kStone] -= amount;
            }
        }
    }
    wagon.jobTimer = 0;
}

void Arrive(int civ, int slot, UnitRecord& unit) {
    if (unit.x != unit.gotoX || unit.y != unit.gotoY || slot == Civ(civ).referenceUnit) return;
    const bool inCity = Cell(unit.x, unit.y).hasCity;
    unit.gotoX = unit.gotoY = 0;
    unit.missionFlags[1] = unit.missionFlags[2] = 0;
    if (!(IsBombard(unit.type) && !inCity)) unit.missionFlags[3] = 0;
    if (inCity) unit.missionFlags[4] = 0;
}

const char* MoveSound(int type) {
    if (type >= 16 && type <= 22) return "move_horse";
    if (IsShip(type)) return "move_sea";
    return "move_land";
}

} // namespace

int DirectionOf(int dx, int dy) {
    for (int d = 1; d <= kDirections; ++d)
        if (d != 5 && directionDx(d) == dx && directionDy(d) == dy) return d;
    return 0;
}

uint8_t Walk(int dx, int dy) {
    UnitRecord* current = CurrentUnitRecord();
    if (!current || current->movesLeft < 1) return 1;
    if (dx < -1 || dx > 1 || dy < -1 || dy > 1 || (dx == 0 && dy == 0)) return 1;
    UnitRecord& unit = *current;
    const int civ = game.currentCiv, slot = game.currentUnit;
    const bool human = IsHuman(civ);
    const int type = unit.type;
    const bool ship = IsShip(type), air = IsAir(type), bombard = IsBombard(type);
    const int tx = unit.x + dx, ty = unit.y + dy;

    if (!InsideMap(tx, ty))
        return Refuse(unit, human,
                      Tr("Units cannot move to a square outside the game area.",
                         "Birlikler oyun alanının dışındaki bir kareye gidemez."));
    MapCell& target = Cell(tx, ty);
    const bool sea = target.terrain == kSea;
    const int carrier = ship ? 0 : CarrierWithRoom(civ, tx, ty);
    if (!(carrier != 0 || !sea || ship || air || (bombard && HoldsForeignUnits(target, civ))))
        return Refuse(unit, human,
                      Tr("Land units cannot move to a square at sea.",
                         "Kara birlikleri denizdeki bir kareye gidemez."));
    if (!(sea || target.hasCity || HoldsForeignUnits(target, civ) || !ship))
        return Refuse(unit, human,
                      Tr("Sailing units cannot move to a square on land.",
                         "Deniz birlikleri karadaki bir kareye gidemez."));

    const int holder = target.unitOwner;
    const bool foreign = holder != 0 && holder != civ && holder <= kMaxCivs;
    // A wagon comes to a native village to trade, not to break the peace.
    const bool trading = type == kWagonTrain && IsNativeVillage(target);
    if (human && foreign && Civ(civ).relation[holder] > 20 && !ui.confirmedAttack && !trading) {
        ClearDialogParams();
        ui.dialogCode = 37;
        ui.dialogParams[0] = holder;
        ui.dialogParams[1] = dx;
        ui.dialogParams[2] = dy;
        // Breaking the treaty takes the step again with the move points the unit had.
        ui.dialogParams[3] = unit.movesLeft;
        unit.movesLeft = 0;
        return 1;
    }

    bool fought = false, won = false;
    if (foreign) {
        if (type == kWagonTrain) {
            if (trading && human) {
                const double first = CargoPrice(unit.cargo[1]), second = CargoPrice(unit.cargo[2]);
                if (first == 0.0 && second == 0.0)
                    return Refuse(
                        unit, human,
                        Tr("Your wagon train has no cargo to sell.", "Kervanınızın satacak yükü yok."));
                ClearDialogParams();
                ui.dialogCode = 8;
                ui.dialogParams[0] = first;
                ui.dialogParams[1] = second;
                ui.dialogParams[10] = tx;
                ui.dialogParams[11] = ty;
                std::snprintf(ui.dialogText, sizeof ui.dialogText, "%s",
                              cityName(Civ(target.founder).nation, target.nameIndex));
                unit.movesLeft = 0;
                return 1;
            }
            if (!human) {
                if (target.hasCity)
                    UnitActivity(1);
                else
                    GoHome(unit, civ, slot);
                return 1;
            }
            return Refuse(unit, human,
                          Tr("Wagon trains cannot attack an enemy.", "Kervanlar düşmana saldıramaz."));
        }
        if (type == kSettler && target.unitCount > 0) {
            if (human)
                return Refuse(unit, human,
                              Tr("Settlers cannot attack an enemy.", "İşçiler düşmana saldıramaz."));
            UnitActivity(1);
            return 1;
        }
        if (type == kCaravel && target.unitCount > 0) {
            if (human)
                return Refuse(unit, human,
                              Tr("Caravels cannot attack an enemy.", "Karavelalar düşmana saldıramaz."));
            UnitActivity(1);
            return 1;
        }
        const Fight fight = Attack(unit, civ, slot, tx, ty, human);
        if (fight == Fight::Refused || fight == Fight::Lost) return 1;
        fought = true;
        won = fight == Fight::Won;
    }

    // Only a land unit that won (or met nobody) goes on into the cell, and only into a
    // cell that is free, its own, an empty city, or (for a wagon) a native village.
    const bool mayEnter = !fought || (won && !bombard && !ship && !air);
    const bool cellOpen = target.unitOwner == 0 || target.unitOwner == civ ||
                          (target.hasCity && target.unitCount == 0 && !ship) ||
                          (type == kWagonTrain && IsNativeVillage(target));
    const bool enters = mayEnter && cellOpen && !HoldsForeignUnits(target, civ);

    // The site is found by the unit that steps onto it.
    if (enters && target.site != 0 && !air && !IsNatives(civ)) {
        if (human) {
            ClearDialogParams();
            ui.dialogCode = SiteDialog(civ, target.site, target);
            ui.dialogParams[1] = dx;
            ui.dialogParams[2] = dy;
            unit.movesLeft = 0;
            return 1;
        }
        if (!ComputerSite(civ, slot, target.site, tx, ty)) return 1;
        target.site = 0;
    }

    if (enters) {
        const bool roadStep = Cell(unit.x, unit.y).road && target.road && !air;
        unit.movesLeft = static_cast<int8_t>(unit.movesLeft - (roadStep ? 1 : 3));
        if (air && unit.movesLeft < 1 && !IsCityOf(target, civ)) {
            if (human)
                ShowMessage(
                    Tr("Your plane fell because it ran out of fuel. A plane should be in one of our cities "
                       "when it "
                       "has used all its moves.",
                       "Uçağınız yakıtı bittiği için düştü. Uçaklar bütün hareketlerini tamamladıklarında "
                       "şehirlerimizden birinde olmalıdır."));
            KillUnit(civ, slot);
            return 1;
        }
        if (carrier != 0 && sea && !air) {
            unit.movesLeft = 0;
            // Stepping from one ship to another leaves the first one's place free.
            LeaveCarrier(civ, slot);
            UnitRecord& boat = Unit(civ, carrier);
            for (int k = 1; k <= std::min(UnitTypeCapacity(boat.type), kCargoSlots); ++k)
                if (boat.cargo[k] == 0) {
                    boat.cargo[k] = kCarriedUnit + slot;
                    unit.carrierLink = carrier * 1000 + k;
                    break;
                }
        }
        if (unit.movesLeft < 0) unit.movesLeft = 0;

        // The unit goes first, then what it carries.
        int movers[1 + kCargoSlots] = {slot};
        int moverCount = 1;
        for (int k = 1; k <= kCargoSlots; ++k)
            if (unit.cargo[k] > kCarriedUnit && unit.cargo[k] <= kCarriedUnit + Civ(civ).unitCount)
                movers[moverCount++] = unit.cargo[k] - kCarriedUnit;
        bool contactRaised = false;
        for (int i = 0; i < moverCount; ++i) {
            const int m = movers[i];
            UnitRecord& mover = Unit(civ, m);
            if (m == slot && !sea) LeaveCarrier(civ, slot);
            LeaveCell(civ, m);
            mover.x = static_cast<uint8_t>(tx);
            mover.y = static_cast<uint8_t>(ty);
            if (human) {
                ui.firstUnitMoved = 1;
                BuildOrderButtons();
                PlaySound(MoveSound(mover.type));
                Explore(tx, ty, IsBombard(mover.type) || IsShip(mover.type) ? 2 : 1);
            }
            Contacts(civ, mover, unit, contactRaised);
            if (mover.type == kWagonTrain && mover.jobTimer / 1000 != 0 && mover.x == mover.gotoX &&
                mover.y == mover.gotoY && target.hasCity)
                DeliverStone(mover, target);
            Arrive(civ, m, mover);
            JoinCell(civ, m, tx, ty);
            mover.animDx = human ? -50 * dx : 0;
            mover.animDy = human ? -50 * dy : 0;
        }
    }

    ui.moveBlink = 0;
    if (human) TheHost().NestedFrame();
    ui.distanceRecalcRequested = 1;
    return 1;
}

} // namespace annals
