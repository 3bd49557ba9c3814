// The pictures that are drawings: the dialogs' portraits, the buildings, the wonders and
// the sciences' vignettes. Each is an SVG file under assets/art, placed on its sheet here;
// the tables below say which file goes in which place.
#include "paint.h"
#include "sheets.h"
#include "svg_art.h"

#include <string>

namespace annals::art {

namespace {

// leadersSprite: five places a row, 180 x 200 each. Nations 1..13 (the natives last),
// two spare faces, the other dialog groups, then what the soldiers found at a site.
constexpr int kPortraitCount = 27;
constexpr const char* kPortraits[kPortraitCount] = {
    "01_arabians",  "02_aztecs",      "03_britons",      "04_chinese",       "05_franks",
    "06_germans",   "07_persians",    "08_romans",       "09_turks",         "10_vikings",
    "11_herald",    "12_scribe",      "13_natives",      "14_envoy",         "15_statesman",
    "16_chief",     "17_trade",       "18_find",         "19_adviser",       "20_ruins",
    "21_site_gold", "22_site_riches", "23_site_science", "24_site_settlers", "25_site_warriors",
    "26_site_trap", "27_site_burial",
};

// buildingSprite: ten places a row, 48 x 48 each, by picture number 1..50. A place no
// building uses shows the plain trade house.
constexpr const char* kBuildings[51] = {
    "",
    "trade_house",
    "trade_house",
    "trade_house",
    "04_temple",
    "05_barracks",
    "06_school",
    "07_loom_shed",
    "08_drying_barn",
    "09_wine_press",
    "10_fur_cabin",
    "11_warehouse",
    "12_marketplace",
    "13_windmill",
    "14_theatre",
    "15_forge",
    "16_library",
    "17_university",
    "18_hospital",
    "19_bakehouse",
    "20_stockade",
    "21_fortress",
    "22_granary",
    "23_aqueduct",
    "24_cloth_shop",
    "25_cigar_shop",
    "26_wine_shop",
    "27_fur_shop",
    "28_textile_mill",
    "29_cigar_works",
    "30_wine_works",
    "31_fur_factory",
    "32_printing_house",
    "33_harbour",
    "34_sewer",
    "35_workshop",
    "36_power_plant",
    "37_nuclear_plant",
    "38_courthouse",
    "39_pyramids",
    "40_hanging_gardens",
    "41_colosseum",
    "42_great_wall",
    "43_colossus",
    "44_hagia_sophia",
    "45_observatory",
    "46_eiffel_tower",
    "trade_house",
    "trade_house",
    "trade_house",
    "trade_house",
};

// wonderSprite: two places a row, 352 x 214 each, for the wonders 39..46 in order.
constexpr const char* kWonders[8] = {
    "1_pyramids", "2_hanging_gardens", "3_colosseum",   "4_great_wall",
    "5_colossus", "6_hagia_sophia",    "7_observatory", "8_eiffel_tower",
};

// sciencesSprite: five places a row, 210 x 215 each, for the sciences 1..35.
constexpr const char* kSciences[35] = {
    "01_masonry",     "02_bronze_working", "03_alphabet",         "04_ceremonial_burial", "05_warfare",
    "06_agriculture", "07_mining",         "08_iron_working",     "09_mathematics",       "10_code_of_laws",
    "11_currency",    "12_horse_breeding", "13_horseback_riding", "14_astronomy",         "15_construction",
    "16_the_wheel",   "17_fishing",        "18_philosophy",       "19_statecraft",        "20_chivalry",
    "21_fertilising", "22_baking",         "23_seafaring",        "24_exploration",       "25_printing",
    "26_monotheism",  "27_monarchy",       "28_gunpowder",        "29_education",         "30_magnetism",
    "31_feudalism",   "32_chemistry",      "33_physics",          "34_democracy",         "35_explosives",
};

} // namespace

void DrawLeaderPictures(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (int k = 0; k < kPortraitCount; ++k)
        DrawSvg(cr, std::string("portraits/") + kPortraits[k], k % 5 * 180, k / 5 * 200, 180, 200);
}

void DrawBuildingPictures(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (int id = 1; id <= 50; ++id)
        DrawSvg(cr, std::string("buildings/") + kBuildings[id], (id - 1) % 10 * 48, (id - 1) / 10 * 48, 48,
                48);
}

void DrawWonderPictures(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    constexpr int kW = 352, kH = 214;
    for (int w = 0; w < 8; ++w) {
        const int left = w % 2 * kW, top = w / 2 * kH;
        DrawSvg(cr, "wonders/sky", left, top, kW, kH);
        DrawSvg(cr, std::string("wonders/") + kWonders[w], left, top, kW, kH, SvgMode::Blend);
    }
}

void DrawSciencePictures(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (int s = 0; s < 35; ++s) {
        const int left = s % 5 * 210, top = s / 5 * 215;
        DrawSvg(cr, "sciences/parchment", left, top, 210, 215);
        DrawSvg(cr, std::string("sciences/") + kSciences[s], left, top, 210, 215, SvgMode::Blend);
    }
}

} // namespace annals::art
