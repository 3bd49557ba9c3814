// The plates over a city on the map: its size in the owner's colour and its name.
#include "map_art.h"

#include "sheets.h"
#include "state/rules.h"

#include <cstdio>
#include <string>

namespace annals::art {

namespace {

void Source(cairo_t* cr, uint32_t c) {
    cairo_set_source_rgb(cr, (c >> 16 & 255) / 255.0, (c >> 8 & 255) / 255.0, (c & 255) / 255.0);
}

void Box(cairo_t* cr, double x, double y, double w, double h, uint32_t c) {
    Source(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

// Text centred on (cx, cy), squeezed to maxWidth when it is wider. The plates under
// the text are opaque, so its smoothed edges never touch the colour key.
void CentredText(cairo_t* cr, double cx, double cy, double size, const char* text, uint32_t colour,
                 double maxWidth, bool serif) {
    cairo_save(cr);
    cairo_select_font_face(cr, serif ? "DejaVu Serif Condensed" : "DejaVu Sans Condensed",
                           CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    const double scale = ext.x_advance > maxWidth ? maxWidth / ext.x_advance : 1;
    cairo_translate(cr, cx - ext.x_advance * scale / 2, cy + size * 0.36);
    cairo_scale(cr, scale, 1);
    Source(cr, colour);
    cairo_move_to(cr, 0, 0);
    cairo_show_text(cr, text);
    cairo_new_path(cr);
    cairo_restore(cr);
}

constexpr uint32_t kInk = 0x2a1e16;
// The civilizations' colours 1..8 and the ink that reads on each.
constexpr uint32_t kCivColours[9] = {0,        0x2f6fd6, 0x2fa84f, 0xf2f2ee, 0xf0c93a,
                                     0xd63a2f, 0xef8a2f, 0x8f4fb8, 0x707070};
constexpr uint32_t kCivInk[9] = {0, 0xffffff, 0xffffff, kInk, kInk, 0xffffff, kInk, 0xffffff, 0xffffff};

void KeyAll(cairo_t* cr, int width, int height) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    Box(cr, 0, 0, width, height, 0xFF00FF);
}

} // namespace

void DrawPopulationArt(cairo_t* cr, int width, int height) {
    KeyAll(cr, width, height);
    for (int k = 1; k <= 8; ++k)
        for (int s = 1; s <= 50; ++s) {
            const double x = 21 * (s - 1), y = 21 * (k - 1);
            // A shield-like plate: dark rim, the colour, a light upper edge.
            Box(cr, x + 1, y + 1, 20, 19, kInk);
            Box(cr, x + 2, y + 2, 18, 17, kCivColours[k]);
            Box(cr, x + 2, y + 2, 18, 1, 0xffffff & (kCivColours[k] | 0x404040));
            Box(cr, x + 2, y + 17, 18, 2, 0xffffff & ((kCivColours[k] >> 1) & 0x7f7f7f));
            char number[8];
            std::snprintf(number, sizeof number, "%d", s);
            CentredText(cr, x + 11, y + 10, s >= 10 ? 10.5 : 11.5, number, kCivInk[k], 16, false);
        }
}

void DrawCityNameArt(cairo_t* cr, int width, int height) {
    KeyAll(cr, width, height);
    for (int nation : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}) {
        const int* ends = CityNameEnds(nation);
        const int row = CityNameRow(nation);
        for (int k = 1; k <= kCityNamesPerRow; ++k) {
            const int b = k == 1 ? 0 : ends[k - 2] + 2, e = ends[k - 1];
            Box(cr, b, row + 1, e - b + 1, 16, 0x5c3c1c);
            Box(cr, b + 1, row + 2, e - b - 1, 14, 0xf5e8c7);
            Box(cr, b + 1, row + 14, e - b - 1, 2, 0xd6bf8f);
            Box(cr, b + 1, row + 2, e - b - 1, 1, 0xe8c478);
            CentredText(cr, (b + e + 1) / 2.0, row + 8.5, 10.5, cityName(nation, k), kInk, e - b - 4, true);
        }
    }
}

} // namespace annals::art
