// The help's texts, read from the game folder, and their placeholders.
#include "ui/help_texts.h"

#include "state/rules.h"
#include "state/state.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace annals {

namespace {

std::map<std::string, std::string> texts[3]; // [1] English, [2] Turkish
std::string loadError;

int LanguageIndex(int language) {
    return language == 1 ? 1 : 2;
}

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    const size_t last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

std::string Number(double value) {
    if (value == std::floor(value)) return std::to_string(static_cast<long long>(value));
    std::ostringstream out;
    out << value;
    return out.str();
}

struct Figure {
    const char* name;
    double value;
};

// The fixed figures of the game's rules that the help quotes. Each is the value the
// rules themselves use (orders, city turn, growth, happiness), kept here once so that
// the texts of both languages state the same numbers.
constexpr Figure kFigures[] = {
    {"city_cost", 30},          // gold paid for founding a city
    {"city_gap", 2},            // no other city within this many squares
    {"city_limit", 6},          // cities a civilization may found itself
    {"job_cost", 4},            // gold for a cornfield, a cleared forest, a road or a hill examined
    {"mine_cost", 10},          // gold for a mine
    {"cornfield_turns", 3},     // turns a cornfield or a forest clearing takes
    {"hill_turns", 3},          // turns examining a hill takes
    {"road_turns", 2},          // turns a road takes (on flat land)
    {"road_turns_hill", 4},     // and on a hill
    {"food_per_citizen", 2},    // food a citizen eats each turn
    {"growth_per_turn", 2},     // growth points a city with a food surplus gains each turn
    {"box_per_citizen", 2},     // growth points needed per citizen (the box is twice the size)
    {"granary_percent", 50},    // the Granary's extra growth: 1 point over the usual 2
    {"storage", 100},           // a city's store for each product
    {"storage_warehouse", 200}, // with the Warehouse
    {"storage_more", 100},      // what the Warehouse adds
    {"cornfield_food", 1},      // food a cornfield adds
    {"mill_food", 1},           // what the Mill adds on a cornfield
    {"cornfield_mill_food", 2}, // a cornfield with the Mill
    {"baker_food", 4},          // food a baker makes
    {"harbor_food", 2},         // the Harbor's extra food on sea squares
    {"river_bonus", 1},         // a river's extra food (and cotton, tobacco, grape)
    {"happy_bonus", 90},        // happiness from which the squares yield one more
    {"unrest", 50},             // happiness below which a citizen leaves
    {"happy_start", 70},        // a new city's happiness
    {"house_raw", 3},           // raw goods a house worker turns into goods
    {"shop_raw", 6},            // a shop worker
    {"factory_raw", 12},        // a factory worker's raw goods
    {"factory_out", 18},        // and the goods he makes (cloth, cigars, wine, coats)
    {"coat_factory_raw", 9},    // furs a coat factory worker uses
    {"factory_saving", 33},     // percent of raw goods a factory saves
    {"workers_max", 2},         // workers a building takes at most
    {"stone_per_turn", 10},     // stone that goes into a building each turn at most
    {"culture_ring2", 10},      // culture at which a city's area grows
    {"culture_ring3", 100},
    {"culture_ring4", 500},
    {"culture_ring5", 1200},
    {"tax_start", 25},          // a new city's tax rate in percent
    {"tax_step", 5},            // the tax rate moves in steps of this many percent
    {"spending_max", 9},        // the highest military or science spending per city
    {"aqueduct_size", 6},       // population from which the Aqueduct helps
    {"sewer_size", 12},         // the Sewer System
    {"hospital_size", 18},      // the Hospital
    {"power_size", 24},         // the Power Plant
    {"nuclear_size", 30},       // the Nuclear Plant
    {"colossus_percent", 150},  // the Colossus' extra tax income
    {"hagia_percent", 50},      // Hagia Sophia's extra temple effect
    {"observatory_science", 2}, // the Observatory's science
    {"eiffel_other", 0.25},     // the Eiffel Tower's happiness in the other cities
    {"eiffel_own", 1},          // and in its own city
    {"school_science", 1},      // what a Schoolhouse adds to research (description)
    {"library_science", 0.5},   // a Library
    {"experience_max", 9},      // the highest experience
    {"veteran_levels", 5},      // experience levels
    {"legion_culture", 0.3},    // culture of a Legion in a Roman city
    {"roman_defence", 2},       // Roman cities' extra defence
    {"chinese_growth", 33},     // Chinese cities grow faster by this percent
    {"turkish_cities", 6},      // the first Turkish cities whose units start experienced
    {"corruption_arab", 50},    // the Arabians' lower corruption in percent
    {"aztec_science", 50},      // the Aztecs' slower research in percent
    {"wagon_slots", 2},         // cargo of a Wagon Train
    {"price_unit", 100},        // prices are for this many units of a product
};

double LookUp(const std::string& kind, int n) {
    if (kind == "unitcost") return buildCost(n);
    if (kind == "buildcost") return buildCost(35 + n);
    if (kind == "attack") return UnitTypeAttack(n);
    if (kind == "defence") return UnitTypeDefence(n);
    if (kind == "lives") return UnitTypeLivesShown(n);
    if (kind == "moves") return UnitTypeMoves(n);
    if (kind == "capacity") return UnitTypeCapacity(n);
    if (kind == "workers") return maxWorkers(n);
    if (kind == "price") return productPrice(n);
    if (kind == "sciencecost") return scienceCost(n);
    return -1;
}

const char* NameOf(const std::string& kind, int n) {
    if (kind == "unit") return unitTypeName(n);
    if (kind == "building") return buildingName(n);
    if (kind == "product") return productName(n);
    if (kind == "science") return scienceName(n);
    if (kind == "terrain") return terrainName(n);
    if (kind == "nation") return nationName(n);
    return nullptr;
}

// One placeholder's text, or nothing when it is not one the game knows.
bool Fill(const std::string& inner, std::string& out) {
    const size_t colon = inner.find(':');
    if (colon == std::string::npos) return false;
    const std::string kind = inner.substr(0, colon), argument = inner.substr(colon + 1);
    if (kind == "fig") {
        const double value = HelpFigure(argument);
        if (value < 0) return false;
        out = Number(value);
        return true;
    }
    char* end = nullptr;
    const long n = std::strtol(argument.c_str(), &end, 10);
    if (argument.empty() || *end != '\0' || n < 1 || n > 99) return false;
    if (const char* name = NameOf(kind, static_cast<int>(n))) {
        if (*name == '\0') return false;
        out = name;
        return true;
    }
    const double value = LookUp(kind, static_cast<int>(n));
    if (value < 0) return false;
    out = Number(value);
    return true;
}

} // namespace

double HelpFigure(const std::string& name) {
    for (const Figure& f : kFigures)
        if (name == f.name) return f.value;
    return -1;
}

bool LoadHelpTextFile(int language, const std::string& path) {
    std::map<std::string, std::string>& table = texts[LanguageIndex(language)];
    table.clear();
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string line, key, body;
    auto finish = [&] {
        if (!key.empty()) table[key] = Trim(body);
        body.clear();
    };
    bool first = true;
    while (std::getline(file, line)) {
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        first = false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        const std::string trimmed = Trim(line);
        if (trimmed.size() > 2 && trimmed.front() == '[' && trimmed.back() == ']' &&
            trimmed.find(' ') == std::string::npos) {
            finish();
            key = trimmed.substr(1, trimmed.size() - 2);
            continue;
        }
        if (trimmed.empty()) continue;
        if (!body.empty()) body += ' ';
        body += trimmed;
    }
    finish();
    return !table.empty();
}

bool LoadHelpTexts(const std::string& folder) {
    loadError.clear();
    std::string missing;
    const char* files[3] = {"", "en.txt", "tr.txt"};
    for (int language = 1; language <= 2; ++language) {
        const std::string path = folder + "/Help/" + files[language];
        if (!LoadHelpTextFile(language, path)) missing += (missing.empty() ? "" : ", ") + path;
    }
    if (missing.empty()) return true;
    loadError = std::string(Tr("The help texts could not be read (", "Yardım metinleri okunamadı (")) +
                missing +
                Tr("). The game goes on without them; please install the game again to have the help.",
                   "). Oyun onlarsız devam ediyor; yardımı görmek için lütfen oyunu yeniden kurun.");
    return false;
}

const std::string& HelpTextsError() {
    return loadError;
}

const std::map<std::string, std::string>& RawHelpTexts(int language) {
    return texts[LanguageIndex(language)];
}

bool HasHelpText(int language, const std::string& key) {
    return texts[LanguageIndex(language)].count(key) != 0;
}

std::string FillPlaceholders(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find('{', at);
        if (open == std::string::npos) break;
        const size_t close = text.find('}', open);
        if (close == std::string::npos) break;
        result.append(text, at, open - at);
        std::string value;
        if (Fill(text.substr(open + 1, close - open - 1), value))
            result += value;
        else
            result.append(text, open, close - open + 1);
        at = close + 1;
    }
    result.append(text, at, std::string::npos);
    return result;
}

std::string HelpTextIn(int language, const std::string& key) {
    const std::map<std::string, std::string>* table = &texts[LanguageIndex(language)];
    auto found = table->find(key);
    if (found == table->end()) { // a text the translation lacks is shown in English
        table = &texts[1];
        found = table->find(key);
    }
    if (found == table->end()) return "";
    return FillPlaceholders(found->second);
}

std::string HelpText(const std::string& key) {
    return HelpTextIn(game.language == 1 ? 1 : 2, key);
}

} // namespace annals
