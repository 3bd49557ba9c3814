#include "piece_art.h"

#include "sheets.h"
#include "svg_art.h"

#include <cstdio>
#include <string>

namespace annals::art {

namespace {

// The unit pictures by type 1..35 (assets/art/units/).
constexpr const char* kUnitFiles[36] = {
    "",
    "01_settler",
    "02_warrior",
    "03_jaguar",
    "04_pikeman",
    "05_mameluke",
    "06_archer",
    "07_longbowman",
    "08_swordsman",
    "09_legion",
    "10_musketman",
    "11_musketeer",
    "12_janissary",
    "13_raider",
    "14_infantry",
    "15_marine",
    "16_horseman",
    "17_harcher",
    "18_chukonu",
    "19_dragoon",
    "20_knight",
    "21_elephant",
    "22_cavalry",
    "23_catapult",
    "24_cannon",
    "25_tank",
    "26_caravel",
    "27_frigate",
    "28_vikingship",
    "29_galleon",
    "30_destroyer",
    "31_fighter",
    "32_bomber",
    "33_axeman",
    "34_wagon",
    "35_berserk",
};

// The civilizations' colours 1..8 as worn on banners, shields and sails, and their shades.
struct CivPaint {
    const char* colour;
    const char* shade;
};
constexpr CivPaint kCivPaints[9] = {
    {"#000000", "#000000"}, {"#2f6fd6", "#1f4c98"}, {"#2fa84f", "#1f7436"},
    {"#f2f2ee", "#bdbdb4"}, {"#f0c93a", "#b8921e"}, {"#d63a2f", "#96241c"},
    {"#ef8a2f", "#b0601a"}, {"#8f4fb8", "#623382"}, {"#707070", "#484848"},
};

Replacements CivColours(int k) {
    return {{kCivToken, kCivPaints[k].colour}, {kCivShadeToken, kCivPaints[k].shade}};
}

// A soft shadow under a piece, to the lower right: a dither of dark pixels so that the
// terrain shows through it.
void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, 0x2a / 255.0, 0x1e / 255.0, 0x16 / 255.0);
    for (int j = int(cy - ry); j <= int(cy + ry); ++j)
        for (int i = int(cx - rx); i <= int(cx + rx); ++i) {
            const double dx = (i + 0.5 - cx) / rx, dy = (j + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1 && (i + j) % 2 == 0) cairo_rectangle(cr, i, j, 1, 1);
        }
    cairo_fill(cr);
    cairo_restore(cr);
}

bool IsShipOrPlane(int t) {
    return t >= 26 && t <= 32;
}

} // namespace

void DrawUnitPieces(cairo_t* cr, int width, int height) {
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    for (int k = 1; k <= 8; ++k) {
        for (int t = 1; t <= 35; ++t) {
            const double x = 47 * (t - 1), y = 47 * (k - 1);
            if (!IsShipOrPlane(t))
                GroundShadow(cr, x + 25, y + 42, 16, 3.5);
            else if (t >= 31)
                GroundShadow(cr, x + 27, y + 43, 13, 2.5);
            DrawSvg(cr, std::string("units/") + kUnitFiles[t], x, y, 46, 46, SvgMode::Keyed, CivColours(k));
        }
    }
}

void DrawUnitOutlinePieces(cairo_t* cr, int width, int height) {
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    for (int t = 1; t <= 35; ++t)
        DrawSvg(cr, std::string("units/") + kUnitFiles[t], 50 * (t - 1) + 1.5, 0.5, 46, 46,
                SvgMode::Silhouette, CivColours(8), 0x3a2c20);
}

} // namespace annals::art
