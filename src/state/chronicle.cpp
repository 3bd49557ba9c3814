#include "state/chronicle.h"

#include "state/rules.h"

namespace annals {

namespace {

bool Important(int kind) {
    return kind == kCivDestroyed || kind == kGameEnded;
}

std::string People(int civ) {
    return civ >= 1 && civ <= kMaxCivs ? nationName(Civ(civ).nation) : "";
}

std::string CityOf(int32_t detail) {
    const int founder = (detail >> 8) & 0xff, index = detail & 0xff;
    if (founder < 1 || founder > kMaxCivs) return "?";
    const char* name = cityName(Civ(founder).nation, index);
    return *name ? name : "?";
}

// "the Romans" in English; Turkish has no article.
std::string The(int civ) {
    return IsEnglish() ? "the " + People(civ) : People(civ);
}

std::string Capital(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

} // namespace

std::string TurkishCase(const std::string& name, const char* back, const char* front) {
    // The last vowel decides: a ı o u take the back ending, e i ö ü the front one.
    for (size_t i = name.size(); i-- > 0;) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c == 'a' || c == 'o' || c == 'u') return name + back;
        if (c == 'e' || c == 'i') return name + front;
        if (c == 0xb1 && i > 0 && static_cast<unsigned char>(name[i - 1]) == 0xc4) return name + back; // ı
        if ((c == 0xb6 || c == 0xbc) && i > 0 && static_cast<unsigned char>(name[i - 1]) == 0xc3)
            return name + front; // ö ü
    }
    return name + back;
}

void AddChronicle(int kind, int civ, int other, int32_t detail) {
    if (kind < 1 || kind > kChronicleKinds || civ < 0 || civ > kMaxCivs || other < 0 || other > kMaxCivs)
        return;
    int slot = game.chronicleCount + 1;
    if (slot > kChronicleEntries) {
        if (!Important(kind)) return;
        slot = kChronicleEntries;
    }
    game.chronicle[slot] = {game.year, static_cast<uint8_t>(kind), static_cast<uint8_t>(civ),
                            static_cast<uint8_t>(other), detail};
    game.chronicleCount = slot;
}

int32_t ChronicleCity(const CityData& city) {
    return static_cast<int32_t>(city.founder) << 8 | city.nameIndex;
}

std::string ChronicleText(const ChronicleEntry& e) {
    const bool en = IsEnglish();
    const std::string a = People(e.civ), b = People(e.other);
    switch (e.kind) {
    case kCityFounded:
        return en ? Capital(The(e.civ)) + " founded " + CityOf(e.detail) + "."
                  : a + " " + CityOf(e.detail) + " şehrini kurdu.";
    case kCityTaken:
        return en ? Capital(The(e.civ)) + " took " + CityOf(e.detail) + " from " + The(e.other) + "."
                  : a + ", " + CityOf(e.detail) + " şehrini " + TurkishCase(b, "dan", "den") + " aldı.";
    case kWonderBuilt: {
        const std::string wonder = buildingName(e.detail >> 16), city = CityOf(e.detail & 0xffff);
        // Some wonders carry their article in their name ("The Great Wall").
        const bool named = wonder.rfind("The ", 0) == 0;
        return en ? Capital(The(e.civ)) + " built " + (named ? "t" + wonder.substr(1) : "the " + wonder) +
                        " in " + city + "."
                  : a + ", " + city + " şehrinde " + wonder + " harikasını yaptı.";
    }
    case kScienceFirst:
        return en ? Capital(The(e.civ)) + " were the first to discover " + scienceName(e.detail) + "."
                  : scienceName(e.detail) + std::string(" bilimini ilk keşfeden ") + a + " oldu.";
    case kWarDeclared:
        return en ? Capital(The(e.civ)) + " declared war on " + The(e.other) + "."
                  : a + " " + TurkishCase(b, "a", "e") + " savaş ilan etti.";
    case kTreatySigned:
        // A peace one side paid for names the price.
        if (e.detail > 0)
            return en ? Capital(The(e.civ)) + " bought peace from " + The(e.other) + " for " +
                            std::to_string(e.detail) + " gold."
                      : a + ", " + b + " ile barışı " + std::to_string(e.detail) + " altına satın aldı.";
        return en ? Capital(The(e.civ)) + " and " + The(e.other) + " signed a peace treaty."
                  : a + " ile " + b + " barış antlaşması imzaladı.";
    case kTreatyBroken:
        return en ? Capital(The(e.civ)) + " broke their treaty with " + The(e.other) + "."
                  : a + ", " + b + " ile yaptıkları antlaşmayı bozdu.";
    case kCivDestroyed:
        if (e.other != 0)
            return en ? Capital(The(e.civ)) + " were destroyed by " + The(e.other) + "."
                      : a + ", " + b + " tarafından yok edildi.";
        return en ? Capital(The(e.civ)) + " were destroyed." : a + " yok edildi.";
    case kGameEnded:
        switch (e.detail) {
        case kConquest:
            return en ? Capital(The(e.civ)) + " conquered the world and won the game."
                      : a + " dünyayı fethetti ve oyunu kazandı.";
        case kEndYearScore:
            return en ? "The last year has passed: " + The(e.civ) + " won with the highest score."
                      : "Son yıl geçti: " + a + " en yüksek puanla oyunu kazandı.";
        case kRetired:
            return en ? "The game ended by retirement; " + The(e.civ) + " had the highest score."
                      : "Oyun emeklilikle bitti; en yüksek puan " + TurkishCase(a, "ın", "in") + " oldu.";
        default:
            return en ? "No player is left; " + The(e.civ) + " won the game."
                      : "Hiçbir oyuncu kalmadı; oyunu " + a + " kazandı.";
        }
    default:
        return {};
    }
}

} // namespace annals
