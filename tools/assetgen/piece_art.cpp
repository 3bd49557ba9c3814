#include "piece_art.h"
#include "paint.h"

#include "map_art.h"
#include "sheets.h"
#include "svg_art.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

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
    FillKey(cr, width, height);
    for (int k = 1; k <= 8; ++k) {
        for (int t = 1; t <= 35; ++t) {
            const double x = 47 * (t - 1), y = 47 * (k - 1);
            if (!IsShipOrPlane(t))
                GroundShadow(cr, x + 25, y + 42.5, 16, 3);
            else if (t >= 31)
                GroundShadow(cr, x + 27, y + 43, 13, 2.5);
            DrawSvg(cr, std::string("units/") + kUnitFiles[t], x, y, 46, 46, SvgMode::Keyed, CivColours(k));
        }
    }
}

void DrawUnitOutlinePieces(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (int t = 1; t <= 35; ++t)
        DrawSvg(cr, std::string("units/") + kUnitFiles[t], 50 * (t - 1) + 1.5, 0.5, 46, 46,
                SvgMode::Silhouette, CivColours(8), 0x3a2c20);
}

} // namespace annals::art

namespace annals::art {

namespace {

void Rgb(cairo_t* cr, uint32_t c) {
    cairo_set_source_rgb(cr, (c >> 16 & 255) / 255.0, (c >> 8 & 255) / 255.0, (c & 255) / 255.0);
}

void ClearKey(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_restore(cr);
}

constexpr uint32_t kInk = 0x2a1e16;

constexpr const char* kProductFiles[15] = {
    "",        "01_food",   "02_cotton", "03_tobacco", "04_grape", "05_fur",  "06_wood", "07_stone",
    "08_gold", "09_petrol", "10_paper",  "11_cloth",   "12_cigar", "13_wine", "14_coat",
};

std::string ProductPicture(int p) {
    return std::string("products/") + kProductFiles[p];
}

// A round button plate with its symbol: bronze when plain, gold and bright when lit.
void RoundButton(cairo_t* cr, double cx, double cy, double r, bool lit, const char* symbol, SvgMode mode) {
    const int x = int(cx - r - 2), y = int(cy - r - 2), size = int(2 * r + 5);
    DrawComputed(
        cr, x, y, size, size,
        [&](cairo_t* c) {
            cairo_pattern_t* face =
                cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r);
            if (lit) {
                cairo_pattern_add_color_stop_rgb(face, 0, 1.0, 0.96, 0.80);
                cairo_pattern_add_color_stop_rgb(face, 1, 0.91, 0.77, 0.47);
            } else {
                cairo_pattern_add_color_stop_rgb(face, 0, 0.96, 0.91, 0.78);
                cairo_pattern_add_color_stop_rgb(face, 1, 0.76, 0.66, 0.48);
            }
            cairo_arc(c, cx, cy, r - 1, 0, 2 * M_PI);
            cairo_set_source(c, face);
            cairo_fill_preserve(c);
            cairo_pattern_destroy(face);
            cairo_set_line_width(c, 2.5);
            Rgb(c, lit ? 0xb08a54 : 0x5c3c1c);
            cairo_stroke(c);
            cairo_arc(c, cx, cy, r + 0.6, 0, 2 * M_PI);
            cairo_set_line_width(c, 1.2);
            Rgb(c, kInk);
            cairo_stroke(c);
        },
        mode);
    const double s = r * 1.15;
    DrawSvg(cr, std::string("symbols/") + symbol, cx - s / 2, cy - s / 2 + (lit ? 0 : 0.5), s, s, mode);
}

// A square plate for the order buttons and badges; a pressed-in look when lit.
void SquareButton(cairo_t* cr, int x, int y, int size, bool lit, const char* symbol) {
    DrawComputed(cr, x, y, size, size, [&](cairo_t* c) {
        cairo_pattern_t* face = cairo_pattern_create_linear(x, y, x + size, y + size);
        cairo_pattern_add_color_stop_rgb(face, 0, lit ? 1.0 : 0.96, lit ? 0.95 : 0.91, lit ? 0.76 : 0.78);
        cairo_pattern_add_color_stop_rgb(face, 1, lit ? 0.91 : 0.80, lit ? 0.74 : 0.70, lit ? 0.42 : 0.52);
        cairo_rectangle(c, x + 1, y + 1, size - 2, size - 2);
        cairo_set_source(c, face);
        cairo_fill(c);
        cairo_pattern_destroy(face);
        // Raised: light top left, dark bottom right.
        cairo_set_line_width(c, 1);
        Rgb(c, lit ? 0xb08a54 : 0xfff6dc);
        cairo_move_to(c, x + 1.5, y + size - 2);
        cairo_line_to(c, x + 1.5, y + 1.5);
        cairo_line_to(c, x + size - 2, y + 1.5);
        cairo_stroke(c);
        Rgb(c, lit ? 0xfff6dc : 0x8a6a40);
        cairo_move_to(c, x + size - 1.5, y + 2);
        cairo_line_to(c, x + size - 1.5, y + size - 1.5);
        cairo_line_to(c, x + 2, y + size - 1.5);
        cairo_stroke(c);
        Rgb(c, kInk);
        cairo_rectangle(c, x + 0.5, y + 0.5, size - 1, size - 1);
        cairo_stroke(c);
    });
    const double inset = size * 0.16;
    DrawSvg(cr, std::string("symbols/") + symbol, x + inset + (lit ? 0.5 : 0), y + inset + (lit ? 0.5 : 0),
            size - 2 * inset, size - 2 * inset);
}

} // namespace

void DrawProductPieces(cairo_t* cr, int width, int height) {
    ClearKey(cr, 0, 0, width, height);
    struct Special {
        int left, top, right, bottom;
        const char* picture;
    };
    const Special specials[] = {
        {186, 38, 221, 67, "specials/deer"},      {0, 0, 30, 32, "specials/deer"},
        {63, 0, 80, 30, "products/01_food"},      {81, 0, 123, 29, "specials/fish"},
        {124, 0, 150, 24, "specials/seal"},       {151, 0, 179, 30, "products/02_cotton"},
        {180, 0, 208, 33, "products/03_tobacco"}, {209, 0, 228, 31, "products/04_grape"},
        {229, 0, 261, 32, "products/06_wood"},    {262, 0, 294, 32, "products/05_fur"},
        {353, 32, 387, 66, "products/07_stone"},  {355, 69, 385, 99, "products/07_stone"},
        {318, 32, 352, 66, "products/08_gold"},   {320, 69, 350, 99, "products/08_gold"},
        {295, 0, 322, 29, "specials/pearl"},      {347, 0, 387, 31, "specials/palms"},
    };
    for (const Special& s : specials)
        DrawSvg(cr, s.picture, s.left, s.top, s.right - s.left, s.bottom - s.top);
    for (int p = 1; p <= 14; ++p) DrawSvg(cr, ProductPicture(p), 30 * (p - 1), 104, 28, 28);
}

namespace {

// The civilizations' colours as RGB words.
constexpr uint32_t kCivRgb[9] = {0,        0x2f6fd6, 0x2fa84f, 0xf2f2ee, 0xf0c93a,
                                 0xd63a2f, 0xef8a2f, 0x8f4fb8, 0x707070};

void HealthBars(cairo_t* cr) {
    struct Bar {
        int full, left, column, width;
    };
    const Bar bars[] = {
        {2, 0, 175, 12}, {2, 1, 162, 12}, {2, 2, 149, 12}, {1, 0, 175, 7}, {1, 1, 188, 7},
        {3, 0, 133, 15}, {3, 1, 117, 15}, {3, 2, 101, 15}, {3, 3, 85, 15}, {4, 0, 68, 16},
        {4, 1, 51, 16},  {4, 2, 34, 16},  {4, 3, 17, 16},  {4, 4, 0, 16},
    };
    const int bottoms[5] = {0, 40, 46, 53, 61};
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    auto box = [&](double x, double y, double w, double h, uint32_t c) {
        Rgb(cr, c);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
    };
    for (int k = 1; k <= 8; ++k) {
        const int row = 29 * (k - 1);
        for (const Bar& bar : bars) {
            const double top = row + 33, h = bottoms[bar.full] - 33, x = bar.column, w = 7;
            box(x, top, w, h, kInk);
            box(x + 1, top + 1, w - 2, h - 2, kCivRgb[k]);
            const double segment = (h - 4) / bar.full;
            for (int i = 0; i < bar.full; ++i) {
                const bool alive = bar.full - i <= bar.left;
                const double sy = top + 2 + segment * i;
                box(x + 2, sy, w - 4, segment - 1, alive ? 0x58c040 : 0x6a1e18);
                if (alive) box(x + 2, sy, 1, segment - 1, 0xa8f080);
            }
        }
    }
    cairo_restore(cr);
}

// Each nation's two colours, for its flag over a city.
constexpr uint32_t kNationFlag[14][2] = {
    {0, 0},
    {0x2f8a4a, 0xf0c93a},
    {0x2aa0a0, 0xf0c93a},
    {0xf2f2ee, 0xc0302a},
    {0xc0302a, 0xf0c93a},
    {0x2f4fa8, 0xf0c93a},
    {0xf0c93a, 0x2a2a2a},
    {0x7a3a9a, 0xf0c93a},
    {0xa8281e, 0xf0c93a},
    {0xc8281e, 0xf2f2ee},
    {0x1f4c98, 0xf0c93a},
    {0x8a8a8a, 0xd0d0d0},
    {0x8a8a8a, 0xd0d0d0},
    {0xa0683a, 0xf2f2ee},
};

void Flags(cairo_t* cr) {
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    auto box = [&](double x, double y, double w, double h, uint32_t c) {
        Rgb(cr, c);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
    };
    for (int m = 1; m <= 13; ++m) {
        const double x = 204 + 13 * (m - 1);
        box(x, 48, 2, 14, kInk);
        box(x + 2, 49, 10, 8, kInk);
        box(x + 2, 50, 9, 6, kNationFlag[m][0]);
        box(x + 2, 52, 9, 2, kNationFlag[m][1]);
        box(x + 2, 50, 9, 1, 0xffffff & (kNationFlag[m][0] | 0x303030));
    }
    cairo_restore(cr);
}

void Fog(cairo_t* cr) {
    PaintFogTile(cr, 353, 63);
}

void ExperienceBadges(cairo_t* cr) {
    for (int k = 0; k <= 5; ++k) {
        const int y = 229 + 18 * k, stars = k == 5 ? 1 : k + 1;
        DrawComputed(cr, 345, y, 41, 17, [&](cairo_t* c) {
            for (int s = 0; s < stars; ++s) {
                const double cx = 345 + 9.5 + s * 8, cy = y + 8.5; // after the label's colon
                for (int i = 0; i < 10; ++i) {
                    const double r = i % 2 == 0 ? 4.2 : 1.8, a = i * M_PI / 5;
                    if (i == 0)
                        cairo_move_to(c, cx + r * std::sin(a), cy - r * std::cos(a));
                    else
                        cairo_line_to(c, cx + r * std::sin(a), cy - r * std::cos(a));
                }
                cairo_close_path(c);
            }
            Rgb(c, 0xe8b830);
            cairo_fill_preserve(c);
            Rgb(c, kInk);
            cairo_set_line_width(c, 0.8);
            cairo_stroke(c);
        });
    }
}

void RouteArrows(cairo_t* cr) {
    for (int n = 1; n <= 8; ++n) {
        const double left = 43 * (n - 1) + 1, cx = left + 20.5, cy = 327.5;
        const double angle = (n - 1) * M_PI / 4; // east, then clockwise on the screen
        DrawComputed(cr, int(left), 307, 41, 41, [&](cairo_t* c) {
            cairo_translate(c, cx, cy);
            cairo_rotate(c, angle);
            cairo_move_to(c, -12, -4);
            cairo_line_to(c, 2, -4);
            cairo_line_to(c, 2, -10);
            cairo_line_to(c, 14, 0);
            cairo_line_to(c, 2, 10);
            cairo_line_to(c, 2, 4);
            cairo_line_to(c, -12, 4);
            cairo_close_path(c);
            Rgb(c, 0xf0c93a);
            cairo_fill_preserve(c);
            Rgb(c, kInk);
            cairo_set_line_width(c, 2);
            cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(c);
        });
    }
}

const char* const kOrderSymbols[8] = {"", "road", "axe", "hill", "city", "field", "ship", "fortify"};

void Buttons(cairo_t* cr) {
    RoundButton(cr, 23, 372, 19, true, "cities", SvgMode::Keyed);
    RoundButton(cr, 65.5, 369.5, 17, true, "finance", SvgMode::Keyed);
    RoundButton(cr, 106, 369.5, 17, true, "science", SvgMode::Keyed);
    RoundButton(cr, 147.5, 369.5, 17, true, "statistics", SvgMode::Keyed);
    RoundButton(cr, 65.5, 409.5, 17, true, "products", SvgMode::Keyed);
    // The main-menu plate, lit.
    DrawComputed(cr, 169, 350, 52, 24, [&](cairo_t* c) {
        cairo_rectangle(c, 170, 351, 50, 22);
        Rgb(c, 0xf8e8b0);
        cairo_fill_preserve(c);
        Rgb(c, kInk);
        cairo_set_line_width(c, 2);
        cairo_stroke(c);
    });
    DrawSvg(cr, "symbols/menu", 184, 351, 22, 22);
    for (int o = 1; o <= 7; ++o) {
        SquareButton(cr, 28 * o + 194, 350, 27, true, kOrderSymbols[o]);
        SquareButton(cr, 28 * o + 194, 378, 27, false, kOrderSymbols[o]);
    }
    const char* badges[5] = {"road", "hill", "mine", "fortify", "field"};
    for (int i = 0; i < 5; ++i) {
        const int x = 192 + 16 * i;
        DrawComputed(cr, x, 406, 16, 16, [&](cairo_t* c) {
            cairo_arc(c, x + 8, 414, 7.3, 0, 2 * M_PI);
            Rgb(c, 0xf5e8c7);
            cairo_fill_preserve(c);
            Rgb(c, kInk);
            cairo_set_line_width(c, 1.3);
            cairo_stroke(c);
        });
        DrawSvg(cr, std::string("symbols/") + badges[i], x + 3, 409, 10, 10);
    }
}

} // namespace

void DrawOthersPieces(cairo_t* cr, int width, int height) {
    ClearKey(cr, 0, 0, width, height);
    HealthBars(cr);
    Flags(cr);
    Fog(cr);
    DrawSvg(cr, "symbols/site", 324, 197, 27, 30);
    DrawComputed(cr, 352, 221, 7, 7, [](cairo_t* c) {
        cairo_rectangle(c, 352.5, 221.5, 6, 6);
        Rgb(c, 0xe8b830);
        cairo_fill_preserve(c);
        Rgb(c, kInk);
        cairo_set_line_width(c, 1);
        cairo_stroke(c);
    });
    ExperienceBadges(cr);
    DrawSvg(cr, "others/pointers", 0, 283, 93, 23);
    RouteArrows(cr);
    Buttons(cr);
    for (int m = 1; m <= 13; ++m) {
        char name[32];
        std::snprintf(name, sizeof name, "emblems/%02d", m);
        DrawSvg(cr, name, 31 * (m - 1) + 1, 430, 30, 30);
    }
    for (int p = 1; p <= 14; ++p) DrawSvg(cr, ProductPicture(p), 10 * (p - 1), 464, 9, 9);
    DrawComputed(cr, 140, 464, 9, 9, [](cairo_t* c) { // no product
        cairo_arc(c, 144.5, 468.5, 3, 0, 2 * M_PI);
        Rgb(c, kInk);
        cairo_set_line_width(c, 1.2);
        cairo_stroke(c);
    });
    for (int style = 0; style <= 5; ++style) {
        char name[32];
        std::snprintf(name, sizeof name, "citizens/%d", style);
        DrawSvg(cr, name, 23 * style, 476, 23, 29);
        // Picked: the same figure on a golden ground.
        DrawComputed(cr, 23 * style, 505, 23, 29, [&](cairo_t* c) {
            cairo_rectangle(c, 23 * style + 1, 506, 21, 28);
            Rgb(c, 0xf0d078);
            cairo_fill_preserve(c);
            Rgb(c, 0xb08a54);
            cairo_set_line_width(c, 1.5);
            cairo_stroke(c);
        });
        DrawSvg(cr, name, 23 * style, 505, 23, 29);
    }
    const char* small[5] = {"coin", "military", "science", "content", "discontent"};
    for (int i = 0; i < 5; ++i) DrawSvg(cr, std::string("symbols/") + small[i], 150 + 16 * i, 476, 16, 16);
    const char* news[4] = {"area", "discontent", "fire", "wonder"};
    for (int i = 0; i < 4; ++i) DrawSvg(cr, std::string("symbols/") + news[i], 240 + 36 * i + 2, 478, 32, 32);
}

} // namespace annals::art

namespace annals::art {

namespace {

void Wood(cairo_t* cr, double x, double y, double w, double h) {
    cairo_pattern_t* grain = cairo_pattern_create_linear(x, y, x, y + h);
    cairo_pattern_add_color_stop_rgb(grain, 0, 0x44 / 255.0, 0x2c / 255.0, 0x14 / 255.0);
    cairo_pattern_add_color_stop_rgb(grain, 1, 0x1f / 255.0, 0x12 / 255.0, 0x0a / 255.0);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, grain);
    cairo_fill(cr);
    cairo_pattern_destroy(grain);
}

// A parchment panel set into the wood, with a gold line and a dark inner edge.
void Parchment(cairo_t* cr, double x, double y, double w, double h) {
    cairo_pattern_t* paper = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
    cairo_pattern_add_color_stop_rgb(paper, 0, 0xf5 / 255.0, 0xe8 / 255.0, 0xc7 / 255.0);
    cairo_pattern_add_color_stop_rgb(paper, 1, 0xe4 / 255.0, 0xd0 / 255.0, 0xa2 / 255.0);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, paper);
    cairo_fill(cr);
    cairo_pattern_destroy(paper);
    cairo_set_line_width(cr, 2);
    Rgb(cr, 0xb08a54);
    cairo_rectangle(cr, x - 2, y - 2, w + 4, h + 4);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1);
    Rgb(cr, 0xe8c478);
    cairo_rectangle(cr, x - 3.5, y - 3.5, w + 7, h + 7);
    cairo_stroke(cr);
    // Shade under the upper and left edges: the panel lies below the wood.
    Rgb(cr, 0xcdb78a);
    cairo_rectangle(cr, x, y, w, 2);
    cairo_rectangle(cr, x, y, 2, h);
    cairo_fill(cr);
}

// A parchment page of any outline (corners clockwise), with the gold edge of Parchment.
void PageOf(cairo_t* cr, const double (*corners)[2], int n) {
    auto outline = [&](double grow) {
        cairo_new_path(cr);
        for (int i = 0; i < n; ++i) {
            // Corners move outwards: x away from the page's middle column, y likewise.
            const double x =
                corners[i][0] + (corners[i][0] > 700 ? grow : -grow) * (corners[i][0] == 798 ? -1 : 1);
            const double y = corners[i][1] + (corners[i][1] > 700 && corners[i][1] != 726 ? grow : -grow);
            if (i == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
        cairo_close_path(cr);
    };
    outline(0);
    cairo_pattern_t* paper = cairo_pattern_create_linear(256, 623, 420, 760);
    cairo_pattern_add_color_stop_rgb(paper, 0, 0xf5 / 255.0, 0xe8 / 255.0, 0xc7 / 255.0);
    cairo_pattern_add_color_stop_rgb(paper, 1, 0xe4 / 255.0, 0xd0 / 255.0, 0xa2 / 255.0);
    cairo_set_source(cr, paper);
    cairo_fill(cr);
    cairo_pattern_destroy(paper);
    outline(2);
    cairo_set_line_width(cr, 2);
    Rgb(cr, 0xb08a54);
    cairo_stroke(cr);
    outline(3.5);
    cairo_set_line_width(cr, 1);
    Rgb(cr, 0xe8c478);
    cairo_stroke(cr);
}

void GoldLine(cairo_t* cr, double x, double y, double w, double h) {
    cairo_set_line_width(cr, 1);
    Rgb(cr, 0xe8c478);
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    cairo_stroke(cr);
    Rgb(cr, 0x5c3c1c);
    cairo_rectangle(cr, x + 1.5, y + 1.5, w - 3, h - 3);
    cairo_stroke(cr);
}

} // namespace

void DrawFramePieces(cairo_t* cr, int width, int height) {
    Wood(cr, 0, 0, width, height);
    // Grain of the wood, faint.
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 60; ++i) {
        const double y = 3 + (i * 37) % height;
        cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
        cairo_move_to(cr, 0, y + 0.5);
        cairo_curve_to(cr, width * 0.3, y - 2.5, width * 0.6, y + 3.5, width, y + 0.5);
        cairo_stroke(cr);
    }
    // The opaque parts: the left panel, the right panel, the tab in the middle and the strip.
    GoldLine(cr, 0, 0, width, height);
    Parchment(cr, 8, 628, 236, 132); // small map and the panel buttons
    // The selected unit, and the strip of the status lines, the year and the treasury:
    // one page, since the year and the research run from the strip into the panel.
    const double page[][2] = {{256, 726}, {798, 726}, {798, 623}, {1014, 623}, {1014, 765}, {256, 765}};
    PageOf(cr, page, 6);
    Parchment(cr, 350, 697, 300, 24); // the middle tab
    // The small map's well and the unit's portrait.
    Rgb(cr, 0x5c3c1c);
    cairo_rectangle(cr, 9, 645, 106, 106);
    cairo_fill(cr);
    Rgb(cr, 0xe8c478);
    cairo_rectangle(cr, 8.5, 644.5, 107, 107);
    cairo_stroke(cr);
    cairo_rectangle(cr, 843.5, 623.5, 54, 52);
    Rgb(cr, 0xefe0bb);
    cairo_fill_preserve(cr);
    Rgb(cr, 0xb08a54);
    cairo_stroke(cr);
    // Ornaments: gold corner studs.
    const double studs[][2] = {{4, 4}, {1019, 4}, {4, 763}, {1019, 763}, {250, 624}, {790, 619}};
    for (const auto& s : studs) {
        cairo_arc(cr, s[0] + 0.5, s[1] + 0.5, 3, 0, 2 * M_PI);
        Rgb(cr, 0xe8c478);
        cairo_fill_preserve(cr);
        Rgb(cr, 0x5c3c1c);
        cairo_stroke(cr);
    }
    // The panel buttons in their plain state; lit ones come from the others sheet.
    RoundButton(cr, 147, 691, 18, false, "cities", SvgMode::Blend);
    RoundButton(cr, 197, 691, 16, false, "science", SvgMode::Blend);
    RoundButton(cr, 173, 725, 16, false, "statistics", SvgMode::Blend);
    RoundButton(cr, 174, 658, 16, false, "finance", SvgMode::Blend);
    RoundButton(cr, 135, 733, 16, false, "products", SvgMode::Blend);
    // The main-menu plate.
    cairo_rectangle(cr, 373, 740, 50, 22);
    cairo_pattern_t* plate = cairo_pattern_create_linear(0, 740, 0, 762);
    cairo_pattern_add_color_stop_rgb(plate, 0, 0.96, 0.91, 0.78);
    cairo_pattern_add_color_stop_rgb(plate, 1, 0.80, 0.70, 0.52);
    cairo_set_source(cr, plate);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(plate);
    Rgb(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    DrawSvg(cr, "symbols/menu", 387, 740, 22, 22, SvgMode::Blend);

    // The map shows through everything else.
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 8, 8, width - 16, 710);
    cairo_rectangle(cr, 8, 620, 242, 98);
    cairo_rectangle(cr, 790, 615, 226, 103);
    cairo_rectangle(cr, 340, 690, 320, 28);
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_fill(cr);
    cairo_restore(cr);
    // A gold line along the edge of the view.
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    Rgb(cr, 0xe8c478);
    cairo_rectangle(cr, 7, 7, width - 14, 1);
    cairo_rectangle(cr, 7, 7, 1, 612);
    cairo_rectangle(cr, width - 8, 7, 1, 607);
    cairo_rectangle(cr, 250, 619, 1, 100);
    cairo_rectangle(cr, 789, 614, 1, 105);
    cairo_rectangle(cr, 7, 619, 244, 1);
    cairo_rectangle(cr, 789, 614, 228, 1);
    cairo_rectangle(cr, 250, 718, 90, 1);
    cairo_rectangle(cr, 660, 718, 130, 1);
    cairo_rectangle(cr, 339, 689, 1, 30);
    cairo_rectangle(cr, 660, 689, 1, 30);
    cairo_rectangle(cr, 339, 689, 322, 1);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace annals::art

namespace annals::art {

namespace {

// Where the houses of a town stand on its 59 x 59 picture (the cell is 5..55), the
// middle first: a bigger town fills more of them.
constexpr double kHouseSpots[10][2] = {{22, 30}, {36, 34}, {12, 38}, {28, 20}, {44, 24},
                                       {26, 42}, {8, 26},  {44, 42}, {16, 14}, {36, 12}};

struct Building {
    double x, y, w, h; // box on the sheet
    bool main;
};

void Town(cairo_t* cr, int style, int level) {
    const int left = 60 * (level - 1), top = 60 * (style - 1);
    // Trodden ground under the town.
    DrawComputed(cr, left, top, 59, 59, [&](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, left + 29.5, top + 38);
        cairo_scale(c, 14 + 2.2 * level, 8 + 1.3 * level);
        cairo_arc(c, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(c);
        Rgb(c, style == 7 ? 0x8a8078 : 0xb09a6a);
        cairo_fill_preserve(c);
        Rgb(c, 0x7a6a48);
        cairo_set_line_width(c, 1);
        cairo_stroke(c);
    });
    std::vector<Building> buildings;
    const FlagSpot flag = kFlagSpots[style - 1][level - 2];
    const double mw = 15 + level * 1.2, mh = mw * 28 / 24; // a hamlet's hall is small
    double mx = flag.x + 2 - mw / 2, my = flag.y + 15;
    mx = std::clamp(mx, 0.0, 59 - mw);
    my = std::clamp(my, 0.0, 59 - mh);
    buildings.push_back({left + mx, top + my, mw, mh, true});
    const int houses = level;
    const double hs = std::min(11.5 + level * 0.6, 15.0);
    for (int i = 0, placed = 0; i < 10 && placed < houses; ++i) {
        const double hx = kHouseSpots[i][0], hy = kHouseSpots[i][1];
        // Keep the middle of the main building clear.
        if (std::abs(hx + hs / 2 - (mx + mw / 2)) < 10 && std::abs(hy + hs - (my + mh)) < 12) continue;
        buildings.push_back({left + hx, top + hy, hs, hs, false});
        ++placed;
    }
    std::sort(buildings.begin(), buildings.end(),
              [](const Building& a, const Building& b) { return a.y + a.h < b.y + b.h; });
    char name[32];
    for (const Building& b : buildings) {
        std::snprintf(name, sizeof name, "cities/%d_%s", style, b.main ? "main" : "house");
        DrawSvg(cr, name, b.x, b.y, b.w, b.h);
    }
}

// The back of a town's wall, level 1..4, a palisade or stone; the front of the first
// level stands below it on the sheet (rows 514..527) and serves every level.
void BackWall(cairo_t* cr, int i) {
    const int level = i % 4 + 1;
    const bool stone = i >= 4;
    const int x = 60 * i, y = 480, h = level == 1 ? 34 : 59;
    DrawComputed(cr, x, y, 59, h, [&](cairo_t* c) {
        cairo_rectangle(c, x, y, 59, h);
        cairo_clip(c);
        const double rx = 23 + 1.5 * level, ry = 17 + 2 * level, cy = y + 41;
        cairo_save(c);
        cairo_translate(c, x + 29.5, cy);
        cairo_scale(c, rx, ry);
        cairo_arc(c, 0, 0, 1, M_PI, 2 * M_PI);
        cairo_restore(c);
        cairo_set_line_width(c, stone ? 6 : 5);
        Rgb(c, kInk);
        cairo_stroke_preserve(c);
        cairo_set_line_width(c, stone ? 4 : 3);
        Rgb(c, stone ? 0xb8b2a8 : 0x8a5a2e);
        cairo_stroke(c);
        // Towers (stone) or posts (palisade) along the wall.
        for (int k = 0; k <= 4; ++k) {
            const double a = M_PI + k * M_PI / 4;
            const double tx = x + 29.5 + rx * std::cos(a), ty = cy + ry * std::sin(a);
            if (stone && (level >= 2 || k % 2 == 0)) {
                cairo_rectangle(c, tx - 3, ty - 6, 6, 8);
                Rgb(c, 0xc8c2b8);
                cairo_fill_preserve(c);
                Rgb(c, kInk);
                cairo_set_line_width(c, 1);
                cairo_stroke(c);
            } else if (!stone) {
                cairo_move_to(c, tx - 1.5, ty + 2);
                cairo_line_to(c, tx - 1.5, ty - 4);
                cairo_line_to(c, tx, ty - 6);
                cairo_line_to(c, tx + 1.5, ty - 4);
                cairo_line_to(c, tx + 1.5, ty + 2);
                Rgb(c, 0xa0703e);
                cairo_fill_preserve(c);
                Rgb(c, kInk);
                cairo_set_line_width(c, 0.8);
                cairo_stroke(c);
            }
        }
    });
}

void FrontWall(cairo_t* cr, int x, bool stone) {
    DrawComputed(cr, x, 514, 57, 13, [&](cairo_t* c) {
        cairo_rectangle(c, x, 514, 57, 13);
        cairo_clip(c);
        if (stone) {
            cairo_rectangle(c, x + 1, 518, 55, 8);
            Rgb(c, 0xb8b2a8);
            cairo_fill_preserve(c);
            Rgb(c, kInk);
            cairo_set_line_width(c, 1);
            cairo_stroke(c);
            for (double cx = x + 2; cx < x + 54; cx += 6) {
                cairo_rectangle(c, cx, 515, 3.5, 3.5);
                Rgb(c, 0xc8c2b8);
                cairo_fill_preserve(c);
                Rgb(c, kInk);
                cairo_stroke(c);
            }
            Rgb(c, 0x8a847a);
            cairo_move_to(c, x + 2, 522.5);
            cairo_line_to(c, x + 55, 522.5);
            cairo_stroke(c);
            cairo_rectangle(c, x + 24, 519, 9, 7);
            Rgb(c, 0x3a2616);
            cairo_fill(c);
        } else {
            for (double cx = x + 1.5; cx < x + 56; cx += 3.5) {
                cairo_move_to(c, cx, 526);
                cairo_line_to(c, cx, 518);
                cairo_line_to(c, cx + 1.5, 515);
                cairo_line_to(c, cx + 3, 518);
                cairo_line_to(c, cx + 3, 526);
                cairo_close_path(c);
            }
            Rgb(c, 0xa0703e);
            cairo_fill_preserve(c);
            Rgb(c, kInk);
            cairo_set_line_width(c, 0.8);
            cairo_stroke(c);
        }
    });
}

} // namespace

void DrawCityPieces(cairo_t* cr, int width, int height) {
    ClearKey(cr, 0, 0, width, height);
    for (int style = 1; style <= 7; ++style)
        for (int level = 2; level <= 8; ++level) Town(cr, style, level);
    for (int i = 0; i < 8; ++i) BackWall(cr, i);
    FrontWall(cr, 1, false);
    FrontWall(cr, 241, true);
}

} // namespace annals::art
