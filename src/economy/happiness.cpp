#include "economy/happiness.h"

#include "economy/city_numbers.h"
#include "economy/city_shared.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"

#include <algorithm>
#include <cmath>

namespace annals {

using namespace city_numbers;
using namespace city_internal;

namespace {

// How heavily the city's size weighs on its tax burden.
double SizeWeight(int s) {
    constexpr double kSmall[10] = {0, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0}; // 1..9
    constexpr double kLarge[9] = {1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9};     // pairs 10..27
    if (s >= 1 && s <= 9) return kSmall[s];
    if (s >= 10 && s <= 27) return kLarge[(s - 10) / 2];
    return 2;
}

// The burden of a tax rate; rates that are no multiple of 5 in 5..90 weigh nothing.
double TaxBurden(int rate) {
    constexpr double kBurden[18] = {0.1, 0.25, 0.5, 0.75, 1,   1.3, 1.6, 1.9, 2.2,
                                    2.6, 3.2,  4,   5,    6.5, 8.5, 11,  15,  20};
    if (rate < 5 || rate > 90 || rate % 5 != 0) return 0;
    return kBurden[rate / 5 - 1];
}

// Crowding: larger cities are harder to please, up to 40 citizens.
double SizePenalty(int s) {
    if (s <= 5) return 0.4;
    if (s <= 8) return 0.7;
    if (s <= 11) return 1;
    if (s <= 14) return 1.3;
    if (s <= 17) return 1.6;
    if (s <= 20) return 1.9;
    if (s <= 23) return 2.2;
    if (s <= 26) return 2.4;
    if (s <= 29) return 2.5;
    if (s <= 32) return 2.6;
    if (s <= 40) return 2.7;
    return 0;
}

// The reasons of the city whose screen is open; for every other city it writes nothing.
class Reasons {
public:
    explicit Reasons(bool active) : active_(active) {
        if (!active_) return;
        ui.worstReason = 0;
        ui.reasonCount = 0;
    }
    void Add(int code, double weight) {
        if (!active_ || ui.reasonCount >= kMaxReasons) return;
        ui.reasonCount += 1;
        ui.reasons[ui.reasonCount][0] = static_cast<uint8_t>(code);
        ui.reasons[ui.reasonCount][1] = static_cast<uint8_t>(std::clamp(Round(weight), 0, 100));
    }
    // The advice shown is the first one that applies.
    void Worst(int advice) {
        if (active_ && ui.worstReason == 0) ui.worstReason = static_cast<uint8_t>(advice);
    }
    bool LastIs(int code) const {
        return active_ && ui.reasonCount > 0 && ui.reasons[ui.reasonCount][0] == code;
    }
    void Result(double delta) {
        if (active_) ui.lastHappinessDelta = delta;
    }

private:
    bool active_;
};

// A weight that grows with the square root of how far the city is past a size.
double RootWeight(int s, int from) {
    return std::min(Round(std::sqrt(s - from)) * 10 + 20, 100);
}

int Soldiers(const CityData& city) {
    const MapCell& square = SquareOf(city);
    if (square.unitOwner != city.owner) return 0;
    int n = 0;
    for (int i = 1; i <= square.unitCount; ++i)
        if (UnitTypeDefence(Unit(city.owner, square.unitList[i]).type) > 0) n += 1;
    return n;
}

} // namespace

double HappinessDelta(const CityData& city, bool withTaxes) {
    const bool open = ui.cityMenuX != 0 && ui.cityMenuX == city.cityX && ui.cityMenuY == city.cityY;
    Reasons reasons(open);
    const int s = city.size;
    const CivRecord& owner = Civ(city.owner);
    const int government = owner.government;
    double v = owner.nation == kGermans ? 1.3 : 1;

    if (withTaxes) {
        const double g = government == kMonarchy ? 3 : (government == kDemocracy ? 4 : 2);
        const double penalty = g / 2 * SizeWeight(s) * TaxBurden(city.taxRate);
        v -= penalty;
        if (penalty > 2) reasons.Worst(1);
        if (penalty > 1.5) reasons.Add(1, std::min((penalty - 1.5) * 30 + 20, 100.0));
    }

    if (Has(city, kTemple)) {
        const double h = HoldsWonder(game.currentCiv, kHagiaSophia) ? 1.5 : 1;
        v += 0.5 * h;
        if (city.jobs[kTemple] == 1) v += 0.5 * h;
        if (city.jobs[kTemple] == 2) v += 0.75 * h;
    } else if (s > 2) {
        reasons.Add(2, RootWeight(s, 3));
    }

    if (Has(city, kHospital)) {
        v += 0.25;
        if (city.jobs[kHospital] == 1) v += 0.5;
        if (city.jobs[kHospital] == 2) v += 0.75;
    }

    v -= SizePenalty(s);
    if (s > 25) reasons.Add(12, RootWeight(s, 25));

    if (Has(city, kTheatre))
        v += 0.5;
    else if (s > 9)
        reasons.Add(11, RootWeight(s, 10));

    if (Has(city, kHangingGardens)) v += 0.5;
    if (Has(city, kEiffelTower))
        v += 1;
    else if (HoldsWonder(city.owner, kEiffelTower))
        v += 0.25;

    // Growth needs its buildings, and a large people wants a freer government.
    const bool hospital = Has(city, kHospital);
    const int doctors = city.jobs[kHospital];
    if (s > 6 && !Has(city, kAqueduct)) {
        if (s > 9) reasons.Worst(2);
        reasons.Add(3, std::min(20 * s - 120, 100));
        v -= (s - 6) * 0.25;
    }
    if (s > 9 && government == kDespotism) {
        if (s > 11) reasons.Worst(3);
        reasons.Add(4, std::min(20 * s - 120, 100));
        v -= (s - 9) * 0.25;
    }
    if (s > 18 && government == kMonarchy) {
        if (s > 24) reasons.Worst(10);
        reasons.Add(13, std::min(10 * s - 180, 100));
        v -= (s - 18) * 0.125;
    }
    if (s > 12 && !Has(city, kSewerSystem)) {
        if (s > 15) reasons.Worst(4);
        reasons.Add(5, std::min(20 * s - 240, 100));
        v -= (s - 12) * 0.25;
    }
    if (s > 18 && (!hospital || doctors == 0)) {
        if (s > 21) reasons.Worst(5);
        reasons.Add(hospital ? 7 : 6, std::min(20 * s - 360, 100));
        v -= (s - 18) * 0.25;
    }
    if (s > 27 && (!hospital || doctors <= 1)) {
        if (s > 30) reasons.Worst(6);
        if (!reasons.LastIs(7)) reasons.Add(7, std::min(20 * s - 540, 100));
        v -= (s - 27) * 0.25;
    }
    if (s > 24 && !Has(city, kPowerPlant) && !Has(city, kNuclearPlant)) {
        if (s > 27) reasons.Worst(7);
        reasons.Add(8, std::min(20 * s - 480, 100));
        v -= (s - 24) * 0.25;
    }
    if (s > 30 && !Has(city, kNuclearPlant)) {
        if (s > 33) reasons.Worst(8);
        if (!reasons.LastIs(8)) reasons.Add(8, std::min(20 * s - 600, 100));
        v -= (s - 30) * 0.25;
    }

    // A garrison makes a larger city feel safe.
    if (s >= 7) {
        const int n = Soldiers(city);
        if (s <= 9) {
            if (n > 0) {
                v += 0.2;
            } else {
                v -= (s - 7) * 0.2 + 0.4;
                reasons.Add(9, 20 * s - 100);
                reasons.Worst(9);
            }
        } else if (n == 0) {
            v -= s >= 19 ? 1.2 : 1;
            reasons.Add(9, 90);
            reasons.Worst(9);
        } else if (s <= 12) {
            v += 0.2;
        } else if (s <= 18) {
            if (n == 1) {
                v -= 0.2;
                reasons.Add(10, 20);
            } else {
                v += 0.2;
            }
        } else if (n == 1) {
            v -= 0.4;
            reasons.Add(10, 40);
        } else if (n >= 3) {
            v += 0.2;
        }
    }

    if (government == kDespotism) v -= 0.25;
    if (government == kMonarchy) v += 0.25;
    if (government == kCommunism) v -= 1;
    if (government == kDemocracy && city.scienceLevel == 1) v += 1;
    if (government == kDemocracy && city.scienceLevel >= 2) v += 1.25;

    reasons.Result(v);
    return v;
}

// ---------------------------------------------------------------------------
// The advisory

std::string UnhappinessHeading(int worstReason) {
    if (worstReason != 0)
        return Tr("Your citizens are unhappy, because :", "Bu şehirdeki insanlar mutsuz, çünkü :");
    return Tr("Your citizens are unhappy.", "Bu şehirdeki insanlar mutsuz.");
}

std::string UnhappinessAdvice(int worstReason, const std::string& cityName) {
    switch (worstReason) {
    case 1:
        return Tr(
            "Taxes are very high in your city. In order to increase tax income you can build a marketplace "
            "in your city. A marketplace doubles the tax income of the city it is built in.",
            "Şehrinizde vergiler çok yüksek. Vergi gelirlerini artırmak için şehrinize bir pazar "
            "kurabilirsiniz. Pazar, kurulduğu şehrin vergi gelirini iki katına çıkarır.");
    case 2:
        return Tr(
            "Your city has no aqueduct, although its population is higher than 6. To build it you have to "
            "discover stonework first. And at least one citizen must collect stone.",
            "Şehrinizin nüfusu 6'yı geçtiği halde su kanalları yok. Su kanallarını yapmak için önce duvar "
            "örmeyi keşfetmelisiniz. Ayrıca en az bir şehirli taş toplamalıdır.");
    case 3:
        if (IsEnglish())
            return "Our civilization is still ruled by despotism. The people of " + cityName +
                   " want more freedom. You have to discover monarchy to leave this form of government.";
        return "Medeniyetimiz hâlâ despotlukla yönetiliyor. Şehrin halkı daha çok özgürlük istiyor. Bu "
               "yönetim "
               "biçiminden kurtulmak için monarşiyi keşfetmelisiniz.";
    case 4:
        return Tr(
            "Your city has no sewer system, although its population is higher than 12. To build it you have "
            "to discover construction first. And at least one citizen must collect stone.",
            "Şehrinizin nüfusu 12'yi geçtiği halde kanalizasyonu yok. Kanalizasyonu yapmak için önce "
            "inşaatı keşfetmelisiniz. Ayrıca en az bir şehirli taş toplamalıdır.");
    case 5:
        return Tr(
            "Your city has no hospital, although its population is higher than 18. To build it you have to "
            "discover sanitation first. And at least one citizen must work on this hospital.",
            "Şehrinizin nüfusu 18'i geçtiği halde hastanesi yok. Hastane yapmak için önce hıfzıssıhhayı "
            "keşfetmelisiniz. Ayrıca en az bir şehirli bu hastanede çalışmalıdır.");
    case 6:
        return Tr("Your city has a hospital, however there are not enough doctors working in it. You have to "
                  "assign "
                  "some of your citizens to work in this hospital.",
                  "Şehrinizin hastanesi var, ancak orada çalışan yeterince doktor yok. Şehirlilerinizden "
                  "bazılarını "
                  "bu hastanede çalışmaya göndermelisiniz.");
    case 7:
        return Tr(
            "Your city has no power plant, although its population is higher than 24. To build a power plant "
            "you have to discover electricity first.",
            "Şehrinizin nüfusu 24'ü geçtiği halde elektrik santrali yok. Elektrik santrali yapmak için önce "
            "elektriği keşfetmelisiniz.");
    case 8:
        return Tr(
            "Your city has no nuclear plant, although its population is higher than 30. To build a nuclear "
            "plant you have to discover the science of nuclear energy first.",
            "Şehrinizin nüfusu 30'u geçtiği halde nükleer santrali yok. Nükleer santral yapmak için önce "
            "nükleer gücü keşfetmelisiniz.");
    case 9:
        return Tr(
            "There are no soldiers defending this city. Your citizens do not feel safe. To make your "
            "citizens "
            "happier you have to bring soldiers to your city.",
            "Bu şehri savunan hiç asker yok. Şehirlileriniz kendilerini güvende hissetmiyor. Onları daha "
            "mutlu etmek için şehrinize asker getirmelisiniz.");
    case 10:
        if (IsEnglish())
            return "Our civilization is still ruled by monarchy. The people of " + cityName +
                   " want more freedom. You have to discover democracy to leave this form of government.";
        return "Medeniyetimiz hâlâ monarşiyle yönetiliyor. Şehrin halkı daha çok özgürlük istiyor. Bu "
               "yönetim "
               "biçiminden kurtulmak için demokrasiyi keşfetmelisiniz.";
    default:
        return Tr(
            "Try to decrease taxes to make them happier, and build a temple or theatre if you have not yet. "
            "Another way to increase happiness in a city is placing citizens in temples as priests.",
            "İnsanları daha mutlu etmek için vergileri düşürün, henüz yapmadıysanız tapınak ya da tiyatro "
            "yapın. Şehirde mutluluğu artırmanın bir başka yolu da şehirlileri tapınaklara din adamı olarak "
            "yerleştirmektir.");
    }
}

std::string UnhappinessNote() {
    return Tr(
        "If happiness in your city falls below 50, your citizens start to leave the city. If it is above 90, "
        "production of all products in all city areas increases by one.",
        "Eğer mutluluk oranı 50'nin altına düşerse şehirliler şehri terk etmeye başlar. 90'ın üzerine "
        "çıkarsa şehir alanındaki bütün ürünlerin üretimi bir artar.");
}

} // namespace annals
