// The city screen's title plates: every nation's city names, large, on parchment.
#include "map_art.h"
#include "sheets.h"
#include "state/rules.h"
#include "ui/sheet_layout.h"

#include <initializer_list>

namespace annals::art {

namespace {

void FillRect(cairo_t* cr, double x, double y, double w, double h, double r, double g, double b) {
    cairo_set_source_rgb(cr, r / 255.0, g / 255.0, b / 255.0);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

// Bold text centred on (cx, cy), narrowed to maxWidth when it is wider.
void CentredText(cairo_t* cr, double cx, double cy, double size, const char* text, double maxWidth) {
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    double scale = 1;
    if (maxWidth > 0 && ext.x_advance > maxWidth) scale = maxWidth / ext.x_advance;
    cairo_save(cr);
    cairo_translate(cr, cx - ext.x_advance * scale / 2, cy + size * 0.36);
    cairo_scale(cr, scale, 1);
    cairo_set_source_rgb(cr, 10 / 255.0, 10 / 255.0, 10 / 255.0);
    cairo_move_to(cr, 0, 0);
    cairo_show_text(cr, text);
    cairo_new_path(cr);
    cairo_restore(cr);
}

} // namespace

void DrawCityNameBigArt(cairo_t* cr, int width, int height) {
    // Sharp edges: a blended edge pixel would not be the colour key.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    FillRect(cr, 0, 0, width, height, 255, 0, 255);
    for (int nation : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}) {
        const int row = CityNameBigRow(nation);
        for (int k = 1; k <= kCityNamesPerRow; ++k) {
            int b = 0, e = 0;
            if (!FindCityNameXY(nation, k, b, e)) continue;
            FillRect(cr, b, row + 2, e - b + 1, 26, 70, 52, 30);
            FillRect(cr, b + 1, row + 3, e - b - 1, 24, 246, 236, 204);
            CentredText(cr, (b + e + 1) / 2.0, row + 15, 17, cityName(nation, k), e - b - 5);
        }
    }
}

} // namespace annals::art
