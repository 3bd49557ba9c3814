// What the rival leaders decide and what the answers to them do. Their words are in
// rival_texts.cpp.
#include "diplomacy/rival_leaders.h"

#include "economy/city_numbers.h"
#include "economy/science.h"
#include "state/chronicle.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace annals {

namespace {

using namespace city_numbers;

constexpr int kResumeKey = 255; // the turn goes on with the selected unit
constexpr int kEndMoveKey = 32; // the selected unit ends its move

constexpr double kWar = 13, kTreaty = 25, kBoughtPeace = 28, kAlliance = 32;
constexpr int kContactAFull = 20;

bool Valid(int civ) {
    return civ >= 1 && civ <= game.civCount;
}

// `paid`: the gold a gave b for the peace, which the chronicle names.
void SetRelation(int a, int b, double value, double paid = 0) {
    if (!Valid(a) || !Valid(b) || a == b) return;
    // A peace made or ended between two rivals is history.
    const double before = Civ(a).relation[b];
    if (!IsNatives(a) && !IsNatives(b)) {
        if (before <= 20 && value > 20) AddChronicle(kTreatySigned, a, b, static_cast<int32_t>(paid));
        if ((before > 20 || before == 0) && value > 0 && value <= 20) AddChronicle(kWarDeclared, a, b, 0);
    }
    Civ(a).relation[b] = value;
    Civ(b).relation[a] = value;
}

void ClearParams() {
    std::fill(std::begin(ui.dialogParams), std::end(ui.dialogParams), 0.0);
}

// The computer whose leader speaks, and the person he speaks to. A leader raising a
// dialog is party A; in the talks a person opens, the person is the current civilization.
// An answer of the talks that a leader gives in his own turn (no gold for a science)
// names the person as party A.
int Rival() {
    return ui.dialogCode >= 45 ? ui.dialogPartyB : ui.dialogPartyA;
}
int Human() {
    if (ui.dialogCode < 45) return ui.dialogPartyB;
    return IsHuman(game.currentCiv) ? game.currentCiv : ui.dialogPartyA;
}

int Param(int k) {
    return static_cast<int>(ui.dialogParams[k]);
}

// Gold moves in whole amounts, and never more than the payer holds. Returns what was paid.
double Pay(int from, int to, double amount, DialogOutcome& out) {
    if (!Valid(from) || !Valid(to) || amount <= 0) return 0;
    const double paid = std::min(std::floor(amount), std::max(std::floor(Civ(from).gold), 0.0));
    if (paid <= 0) return 0;
    Civ(from).gold -= paid;
    Civ(to).gold += paid;
    if (IsHuman(to)) {
        PlaySound("golds");
        out.goldShown += paid;
    }
    return paid;
}

// A peace the person made with the rival is told in one line, with the gold that bought
// it: `paid` by the person, `received` from the rival.
void TellPeace(int human, int rival, double paid = 0, double received = 0) {
    if (!IsHuman(human) || !Valid(rival)) return;
    const std::string people = nationName(Civ(rival).nation);
    const std::string amount = std::to_string(static_cast<long long>(paid > 0 ? paid : received));
    if (IsEnglish()) {
        const std::string head = "Peace with the " + people;
        ShowMessage(paid > 0       ? head + ": you paid " + amount + " gold."
                    : received > 0 ? head + ": they paid you " + amount + " gold."
                                   : "Peace signed with the " + people + ".");
    } else {
        const std::string head = people + " ile barış";
        ShowMessage(paid > 0       ? head + ": " + amount + " altın ödediniz."
                    : received > 0 ? head + ": size " + amount + " altın ödediler."
                                   : head + " imzalandı.");
    }
}

void Learn(int civ, int science) {
    if (Valid(civ) && science >= 1 && science <= kSciences && Civ(civ).knows[science] != 1)
        LearnScience(civ, science);
}

// A leader's next word in the chain.
DialogOutcome Next(int code, int variant = -1) {
    ui.dialogCode = static_cast<uint8_t>(code);
    if (variant >= 0) ui.dialogVariant = static_cast<uint8_t>(variant);
    return {};
}

DialogOutcome Close(DialogOutcome out = {0, kResumeKey}) {
    ui.dialogCode = 0;
    if (out.key == 0) out.key = kResumeKey;
    return out;
}

DialogOutcome War(int a, int b) {
    SetRelation(a, b, kWar);
    return Close();
}

void ResetDeal(int human, int rival) {
    if (!Valid(human) || !Valid(rival)) return;
    Civ(human).contactB[rival] = 0;
    Civ(rival).contactB[human] = 0;
}

// The number of agreements broken that makes a leader distrust the person.
bool DistrustsBreaker(int human, int rival) {
    return Civ(human).warCounter >= 8 - Civ(rival).aiLevel;
}

// The cheapest science `teacher` knows that `pupil` does not, may take up now and is not
// studying; ties keep the lower number. 0 = none.
int CheapestToTeach(int teacher, int pupil) {
    int best = 0;
    for (int s = 1; s <= kSciences; ++s) {
        if (Civ(teacher).knows[s] != 1 || Civ(pupil).knows[s] == 1 || Civ(pupil).research == s) continue;
        if (!CanResearch(pupil, s)) continue;
        if (best == 0 || scienceCost(s) < scienceCost(best)) best = s;
    }
    return best;
}

// ---------------------------------------------------------------------------
// Strength near the cities

// Within how many turns a unit reaches (x, y): 1..5, or 0 when it does not count. A unit
// already standing in the city counts as arriving this turn.
int TurnsAway(int civ, int slot, int x, int y) {
    const UnitRecord& unit = Unit(civ, slot);
    const int d = roadDistance(unit.x, unit.y, x, y);
    if (d < 0) return 0;
    const int moves = std::max(UnitMoves(civ, slot), 1);
    const int t = std::max((d + 3 * moves - 1) / (3 * moves), 1);
    return t <= 5 ? t : 0;
}

double Lives(const UnitRecord& unit) {
    return unit.lives + (IsBombard(unit.type) ? 1 : 0);
}

double Threat(int human, int x, int y) {
    static constexpr double kWeight[6] = {0, 1.0, 0.8, 0.6, 0.4, 0.2};
    double threat = 0;
    for (int s = 1; s <= Civ(human).unitCount; ++s) {
        const double attack = UnitAttack(human, s);
        if (Unit(human, s).type == 0 || attack <= 0) continue;
        const int t = TurnsAway(human, s, x, y);
        if (t != 0) threat += attack * Lives(Unit(human, s)) * kWeight[t];
    }
    return threat;
}

double Defence(int rival, int x, int y) {
    static constexpr double kWeight[6] = {0, 0.7, 0.55, 0.4, 0.25, 0.1};
    const CityData& city = City(x, y);
    const double g = city.buildings[kFortress] ? 1.0 : city.buildings[kStockade] ? 0.6 : 0.3;
    double defence = 0;
    for (int s = 1; s <= Civ(rival).unitCount; ++s) {
        const double attack = UnitAttack(rival, s), def = UnitDefence(rival, s);
        if (Unit(rival, s).type == 0 || std::max(attack, def) <= 0) continue;
        const int t = TurnsAway(rival, s, x, y);
        if (t != 0) defence += std::max(def + g, attack) * Lives(Unit(rival, s)) * kWeight[t];
    }
    return defence;
}

double Ratio(double defence, double threat) {
    const double floor = defence >= 5 ? 6 : defence > 0 ? defence + 1 : 1;
    return (defence + floor) / (floor + threat);
}

// The lowest ratio among the rival's cities (1 when none is lower).
double DecidingRatio(int human, int rival) {
    double lowest = 1;
    const CivRecord& b = Civ(rival);
    for (int c = 1; c <= b.cityCount; ++c) {
        const CityRef& ref = b.cities[c];
        if (!InsideMap(ref.x, ref.y)) continue;
        lowest = std::min(lowest, CityStrengthRatio(human, rival, ref.x, ref.y));
    }
    return lowest;
}

// The tribute a ratio buys: 0 when the leader is not afraid.
int TierAmount(double ratio, int rival) {
    struct Tier {
        double below, f;
        int lo, hi;
    };
    static constexpr Tier kTiers[] = {{0.25, 0.35, 5, 8}, {0.4, 0.3, 4, 7},   {0.55, 0.25, 3, 6},
                                      {0.65, 0.2, 2, 5},  {0.75, 0.15, 2, 4}, {0.9, 0.1, 1, 3}};
    if (ratio >= 1) return 0;
    const double k = 3 - Civ(rival).aiLevel;
    for (const Tier& tier : kTiers)
        if (ratio < 0.1 * k + tier.below)
            return Round(std::clamp(Civ(rival).gold * tier.f, static_cast<double>(tier.lo),
                                    static_cast<double>(tier.hi)));
    return 0;
}

// ---------------------------------------------------------------------------
// Answers

// Break treaty: the step is taken again, this time as an attack, with the move points the
// unit had when the question stopped it (kept in the dialog's fourth value).
DialogOutcome BreakTreaty() {
    ui.dialogCode = 0;
    UnitRecord* unit = CurrentUnitRecord();
    if (!unit) return {0, kResumeKey};
    unit->movesLeft = static_cast<int8_t>(std::clamp(Param(3), 0, 127));
    ui.confirmedAttack = 1;
    Walk(Param(1), Param(2));
    ui.confirmedAttack = 0;
    return {0, kResumeKey};
}

DialogOutcome CancelAttack() {
    if (UnitRecord* unit = CurrentUnitRecord()) {
        unit->gotoX = unit->gotoY = 0;
        unit->pathLength = 0;
    }
    ui.dialogCode = 0;
    return {0, kEndMoveKey};
}

// A cell in the area of one of civ's cities.
bool InAreaOf(const MapCell& cell, int civ) {
    const int x = cell.workedByX, y = cell.workedByY;
    return InsideMap(x, y) && City(x, y).hasCity && City(x, y).owner == civ;
}

void WithdrawFrom(int human, int rival) {
    for (int s = 1; s <= Civ(human).unitCount; ++s) {
        UnitRecord& unit = Unit(human, s);
        if (unit.type == 0 || !InsideMap(unit.x, unit.y) || !InAreaOf(Cell(unit.x, unit.y), rival)) continue;
        GoHome(unit, human, s);
    }
    game.civTimer[rival] = 4;
}

// Dialog 40, answer 2: the person asks gold for the science. A leader who feels strong
// enough where the soldiers met offers 5 gold (8 when rich and grown); one who cannot pay
// that says so (and the person decides whether that means war); one who feels weak goes
// to war.
DialogOutcome AskGoldForScience(int rival) {
    if (ui.dialogParams[4] * 1000 >= ui.dialogParams[3]) {
        const CivRecord& b = Civ(rival);
        const double offer = b.gold > 16 && b.citiesFounded >= 5 ? 8 : 5;
        if (offer > b.gold) {
            ui.dialogPartyA = static_cast<uint8_t>(Human());
            ui.dialogPartyB = static_cast<uint8_t>(rival);
            return Next(58);
        }
        ui.dialogParams[1] = offer;
        return Next(43);
    }
    SetRelation(rival, Human(), kWar);
    return Next(6, 0);
}

} // namespace

// ---------------------------------------------------------------------------

double CityStrengthRatio(int human, int rival, int x, int y) {
    if (!Valid(human) || !Valid(rival) || !InsideMap(x, y)) return 1;
    return Ratio(Defence(rival, x, y), Threat(human, x, y));
}

Standing WorldStanding(int viewer, int a, int b) {
    if (!Valid(viewer) || !Valid(a) || !Valid(b) || a == b || a == viewer || b == viewer)
        return Standing::Unknown;
    if (IsNatives(a) || IsNatives(b)) return Standing::Unknown;
    const CivRecord& v = Civ(viewer);
    if (v.relation[a] == 0 || v.relation[b] == 0) return Standing::Unknown;
    const double relation = Civ(a).relation[b];
    if (relation == 0) return Standing::Unknown;
    return relation > 20 ? Standing::Peace : Standing::War;
}

bool BrokeTreaty(int civ) {
    return Valid(civ) && Civ(civ).warCounter > 0;
}

int TributeAnswer(int human, int rival, bool wartime) {
    if (!Valid(human) || !Valid(rival)) return wartime ? 68 : 54;
    if (Civ(human).contactB[rival] <= 9) return wartime ? 70 : 56;
    if (wartime && Civ(rival).cityCount == 0) return 73;
    const int amount = TierAmount(DecidingRatio(human, rival), rival);
    if (amount == 0) return wartime ? 68 : 54;
    ui.dialogParams[0] = amount;
    if (DistrustsBreaker(human, rival)) return wartime ? 71 : 57;
    if (amount > Civ(rival).gold) return wartime ? 72 : 58;
    return wartime ? 69 : 55;
}

int PeaceAnswer(int human, int rival) {
    if (!Valid(human) || !Valid(rival)) return 66;
    if (DistrustsBreaker(human, rival)) return 66;
    const CivRecord& b = Civ(rival);
    double s = b.cityCount == 0 ? 0.5 : 1, q = 0;
    for (int c = 1; c <= b.cityCount; ++c) {
        const CityRef& ref = b.cities[c];
        if (!InsideMap(ref.x, ref.y)) continue;
        s += Defence(rival, ref.x, ref.y);
        q += Threat(human, ref.x, ref.y);
    }
    if (s * 1.25 <= q) return 64;
    // Without any threat the leader asks the most.
    const double fear = q > 0 ? std::min(std::pow(1.25 * s / q, 2), 10.0) : 10.0;
    const double m = 2 * std::clamp<int>(b.aiLevel, 1, 5) + 2;
    ui.dialogParams[0] = std::max(Round(fear * (0.05 * Civ(human).citiesFounded + 0.15) * m), 1);
    return 65;
}

int ScienceForPeaceAnswer(int human, int rival) {
    if (!Valid(human) || !Valid(rival)) return 74;
    if (Civ(human).contactB[rival] <= 9) return 76;
    const double ratio = DecidingRatio(human, rival);
    const double k = 3 - Civ(rival).aiLevel;
    if (ratio >= 1 || ratio >= 0.1 * k + 0.7) return 74;
    if (DistrustsBreaker(human, rival)) return 77;
    const int science = CheapestToTeach(rival, human);
    if (science == 0) return 78;
    ui.dialogParams[0] = science;
    return 75;
}

int ScienceExchangeAnswer(int human, int rival) {
    if (!Valid(human) || !Valid(rival)) return 49;
    const int a = CheapestToTeach(rival, human), x = CheapestToTeach(human, rival);
    ui.dialogParams[0] = a;
    ui.dialogParams[1] = x;
    if (Civ(human).contactA[rival] < kContactAFull) return 51;
    if (a != 0 && x != 0) return scienceCost(x) >= scienceCost(a) ? 47 : 48;
    if (a != 0) return 50;
    if (x != 0) return 52;
    return 49;
}

int WithdrawalAnswer(int human, int rival) {
    if (!Valid(human) || !Valid(rival)) return 59;
    int near = 0, onCity = 0, idle = 0;
    const CivRecord& h = Civ(human);
    for (int s = 1; s <= Civ(rival).unitCount; ++s) {
        const UnitRecord& unit = Unit(rival, s);
        if (unit.type == 0) continue;
        bool close = false;
        for (int c = 1; c <= h.cityCount && !close; ++c)
            close = std::abs(unit.x - h.cities[c].x) <= 1 && std::abs(unit.y - h.cities[c].y) <= 1;
        if (!close) continue;
        ++near;
        const bool target = unit.gotoX != 0;
        const MapCell& cell = Cell(unit.x, unit.y);
        if (target && cell.hasCity && cell.owner == human) ++onCity;
        if (!target) ++idle;
    }
    ui.dialogParams[0] = near;
    ui.dialogParams[1] = onCity;
    ui.dialogParams[2] = idle;
    if (near == 0) return 59;
    if (onCity > 0) return 60;
    if (idle > 0) return 62;
    return 61;
}

int TenTurnsInYears(int year) {
    if (year <= -2000) return 1000;
    if (year <= -1000) return 500;
    if (year <= 999) return 200;
    return 100;
}

void TalkWithLeader(int civ) {
    const int human = game.currentCiv;
    if (!Valid(civ) || !Valid(human) || civ == human || IsNatives(civ) || Civ(human).relation[civ] == 0)
        return;
    ClearParams();
    ui.dialogVariant = 0;
    ui.dialogAnswer = 0;
    ui.closeCountdown = 0;
    ui.dialogPartyA = static_cast<uint8_t>(human);
    ui.dialogPartyB = static_cast<uint8_t>(civ);
    ui.dialogCode = Civ(human).relation[civ] > 20 ? 45 : 46;
}

bool IsRivalDialog(int code) {
    return (code >= 3 && code <= 6) || code == 37 || (code >= 40 && code <= 78 && code != 63 && code != 67);
}

int RivalSpeaker() {
    const int code = ui.dialogCode;
    if (!IsRivalDialog(code)) return 0;
    if (code == 37) return Param(0);
    return Rival();
}

bool RivalAnswerAllowed(int answer) {
    const int code = ui.dialogCode;
    if ((code == 41 || code == 65) && answer == 1 && Civ(Human()).gold < ui.dialogParams[0]) {
        ShowMessage(code == 41 ? Tr("We have not got enough gold to accept this offer.",
                                    "Bu teklifi kabul etmek için yeterli altınımız yok.")
                               : Tr("We have not got enough gold to pay that amount.",
                                    "Bu miktarı ödemek için yeterli altınımız yok."));
        return false;
    }
    return true;
}

bool RivalAnswerHostile(int code, int answer) {
    switch (code) {
    case 37:
        return answer == 1; // breaking the treaty
    case 40:
        return answer == 3;
    case 3:
    case 4:
    case 41:
    case 42:
    case 43:
    case 54:
    case 55:
    case 57:
    case 58:
    case 60:
    case 65:
    case 69:
    case 75:
    case 78:
        return answer == 2;
    default:
        return false;
    }
}

DialogOutcome AnswerRivalDialog(int answer) {
    const int code = ui.dialogCode;
    const int rival = Rival(), human = Human();
    DialogOutcome out{0, kResumeKey};
    const bool first = answer == 1;
    switch (code) {
    case 3:
        SetRelation(rival, human, first ? kTreaty : kWar);
        return Next(first ? 4 : 5);
    case 4:
        if (first) return Close();
        SetRelation(rival, human, kWar);
        return Next(6, 0);
    case 5:
    case 6:
        return War(rival, human);
    case 37:
        return first ? BreakTreaty() : CancelAttack();
    case 40:
        if (answer == 1) {
            Learn(rival, Param(0));
            SetRelation(rival, human, kAlliance);
            return Close();
        }
        if (answer == 2) return AskGoldForScience(rival);
        SetRelation(rival, human, kWar);
        return Next(6, 0);
    case 43:
        if (!first) {
            SetRelation(rival, human, kWar);
            return Next(6, 0);
        }
        Learn(rival, Param(0));
        Pay(rival, human, ui.dialogParams[1], out);
        SetRelation(rival, human, kAlliance);
        return Close(out);
    case 41: {
        if (!first) {
            SetRelation(rival, human, kWar);
            return Next(6, 2);
        }
        const double paid = Pay(human, rival, ui.dialogParams[0], out);
        SetRelation(human, rival, kAlliance, paid);
        TellPeace(human, rival, paid);
        return Next(44);
    }
    case 42:
        if (!first) {
            SetRelation(rival, human, kWar);
            return Next(6, 3);
        }
        WithdrawFrom(human, rival);
        return Close();
    case 44:
    case 64: {
        const bool signing = code == 64 && Civ(human).relation[rival] <= 20;
        SetRelation(rival, human, kAlliance);
        if (signing) TellPeace(human, rival);
        return Close();
    }
    case 45: {
        ClearParams();
        const int next = answer == 1   ? ScienceExchangeAnswer(human, rival)
                         : answer == 2 ? WithdrawalAnswer(human, rival)
                                       : TributeAnswer(human, rival, false);
        return Next(next);
    }
    case 46: {
        ClearParams();
        const int next = answer == 1   ? PeaceAnswer(human, rival)
                         : answer == 2 ? TributeAnswer(human, rival, true)
                                       : ScienceForPeaceAnswer(human, rival);
        return Next(next);
    }
    case 47:
        if (first) {
            Learn(human, Param(0));
            Learn(rival, Param(1));
            Civ(human).contactA[rival] = 0;
            Civ(rival).contactA[human] = 0;
        }
        return Close();
    case 52:
        if (!first) return Close();
        Learn(rival, Param(1));
        return Next(53);
    case 54:
    case 57:
    case 58:
    case 60:
        return first ? Close() : War(rival, human);
    case 55:
    case 69:
        if (!first) return War(rival, human);
        {
            const double received = Pay(rival, human, ui.dialogParams[0], out);
            ResetDeal(human, rival);
            // Gold taken in a war buys the rival no peace.
            if (code == 55) {
                SetRelation(rival, human, kBoughtPeace);
                TellPeace(human, rival, 0, received);
            }
        }
        return Close(out);
    case 65: {
        if (!first) return War(rival, human);
        const double paid = Pay(human, rival, ui.dialogParams[0], out);
        SetRelation(human, rival, kAlliance, paid);
        TellPeace(human, rival, paid);
        return Close(out);
    }
    case 75:
        if (!first) return War(rival, human);
        Learn(human, Param(0));
        ResetDeal(human, rival);
        SetRelation(rival, human, kBoughtPeace);
        TellPeace(human, rival);
        return Close();
    case 78:
        if (!first) return Close();
        ClearParams();
        return Next(TributeAnswer(human, rival, false));
    default:
        return Close();
    }
}

} // namespace annals
