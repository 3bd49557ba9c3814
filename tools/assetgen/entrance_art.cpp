// The entrance screen's pictures: a landscape at dawn under the title, a parchment page
// for the settings, load and credits pages, and the lit plates of the menu and buttons.
#include "sheets.h"

#include <cmath>

namespace annals::art {

namespace {

void Rgb(cairo_t* cr, double r, double g, double b, double a = 1.0) {
    cairo_set_source_rgba(cr, r / 255.0, g / 255.0, b / 255.0, a);
}

// A ridge of hills across the picture, filled down to its bottom.
void Ridge(cairo_t* cr, double top, double base, double amplitude, double wavelength, double phase, double r,
           double g, double b) {
    cairo_move_to(cr, 0, base);
    for (int x = 0; x <= 1024; x += 8) {
        const double y = top + amplitude * std::sin(x / wavelength + phase) +
                         amplitude * 0.45 * std::sin(x / (wavelength * 0.37) + phase * 2.1);
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, 1024, base);
    cairo_close_path(cr);
    Rgb(cr, r, g, b);
    cairo_fill(cr);
}

// Towers, walls and domes of a far city on the horizon.
void Skyline(cairo_t* cr, double x0, double ground) {
    Rgb(cr, 58, 44, 52);
    const double towers[][3] = {{0, 34, 70},   {30, 22, 40},   {58, 16, 96},  {80, 40, 52}, {126, 18, 78},
                                {150, 30, 44}, {186, 14, 110}, {206, 36, 58}, {248, 20, 66}};
    for (const auto& t : towers) cairo_rectangle(cr, x0 + t[0], ground - t[2], t[1], t[2]);
    cairo_fill(cr);
    for (const auto& t : towers) {
        cairo_move_to(cr, x0 + t[0] - 2, ground - t[2]);
        cairo_line_to(cr, x0 + t[0] + t[1] / 2, ground - t[2] - t[1] * 0.8);
        cairo_line_to(cr, x0 + t[0] + t[1] + 2, ground - t[2]);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_arc(cr, x0 + 104, ground - 60, 22, M_PI, 2 * M_PI);
    cairo_fill(cr);
    cairo_rectangle(cr, x0 - 10, ground - 26, 290, 26);
    cairo_fill(cr);
    // Lit windows.
    Rgb(cr, 255, 210, 120, 0.8);
    for (int i = 0; i < 18; ++i) {
        const double wx = x0 + 6 + (i * 37) % 260, wy = ground - 14 - (i * 23) % 50;
        cairo_rectangle(cr, wx, wy, 3, 4);
    }
    cairo_fill(cr);
}

void Title(cairo_t* cr, const char* text, double cx, double baseline, double size) {
    cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    const double x = cx - e.width / 2 - e.x_bearing;
    Rgb(cr, 40, 20, 10, 0.6);
    cairo_move_to(cr, x + 3, baseline + 3);
    cairo_show_text(cr, text);
    Rgb(cr, 246, 214, 140);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, text);
}

void EntrancePicture(cairo_t* cr, const char* motto) {
    // Sky at dawn.
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 520);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.10, 0.13, 0.30);
    cairo_pattern_add_color_stop_rgb(sky, 0.55, 0.55, 0.38, 0.45);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.98, 0.72, 0.42);
    cairo_set_source(cr, sky);
    cairo_rectangle(cr, 0, 0, 1024, 768);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    // The rising sun with its glow.
    cairo_pattern_t* glow = cairo_pattern_create_radial(300, 470, 10, 300, 470, 260);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.92, 0.65, 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.75, 0.45, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, 300, 470, 260, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    Rgb(cr, 255, 236, 190);
    cairo_arc(cr, 300, 470, 46, 0, 2 * M_PI);
    cairo_fill(cr);

    Ridge(cr, 450, 768, 18, 90, 0.5, 120, 92, 110);
    Skyline(cr, 90, 486);
    Ridge(cr, 500, 768, 16, 140, 1.7, 86, 96, 70);
    Ridge(cr, 560, 768, 22, 120, 3.1, 62, 84, 48);
    // A river winding out of the hills.
    Rgb(cr, 170, 190, 200, 0.85);
    cairo_move_to(cr, 330, 560);
    cairo_curve_to(cr, 300, 620, 420, 650, 360, 768);
    cairo_line_to(cr, 470, 768);
    cairo_curve_to(cr, 470, 660, 350, 620, 346, 560);
    cairo_close_path(cr);
    cairo_fill(cr);
    Ridge(cr, 660, 768, 14, 70, 4.2, 44, 62, 34);

    Title(cr, "ANNALS", 512, 150, 104);
    cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 20);
    Rgb(cr, 240, 226, 200, 0.9);
    cairo_text_extents_t e;
    cairo_text_extents(cr, motto, &e);
    cairo_move_to(cr, 512 - e.width / 2, 190);
    cairo_show_text(cr, motto);

    // The menu's panel behind the six items at (591, 338)..(712, 517).
    Rgb(cr, 30, 22, 16, 0.55);
    cairo_rectangle(cr, 576, 326, 160, 202);
    cairo_fill(cr);
    Rgb(cr, 214, 180, 110, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, 577, 327, 158, 200);
    cairo_stroke(cr);
}

// The page behind the settings, the load list and the credits: parchment on a dark
// wooden table, with room for the player rows and the two buttons at the bottom.
void ParchmentPage(cairo_t* cr) {
    cairo_pattern_t* wood = cairo_pattern_create_linear(0, 0, 1024, 768);
    cairo_pattern_add_color_stop_rgb(wood, 0, 0.22, 0.14, 0.08);
    cairo_pattern_add_color_stop_rgb(wood, 1, 0.12, 0.07, 0.04);
    cairo_set_source(cr, wood);
    cairo_rectangle(cr, 0, 0, 1024, 768);
    cairo_fill(cr);
    cairo_pattern_destroy(wood);
    Rgb(cr, 60, 38, 22, 0.5);
    cairo_set_line_width(cr, 1);
    for (int y = 6; y < 768; y += 11) {
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, 300, y + 4, 700, y - 4, 1024, y + 2);
    }
    cairo_stroke(cr);

    // The parchment.
    Rgb(cr, 0, 0, 0, 0.35);
    cairo_rectangle(cr, 34, 146, 412, 470);
    cairo_fill(cr);
    cairo_pattern_t* paper = cairo_pattern_create_radial(240, 380, 40, 240, 380, 330);
    cairo_pattern_add_color_stop_rgb(paper, 0, 0.96, 0.91, 0.78);
    cairo_pattern_add_color_stop_rgb(paper, 1, 0.84, 0.75, 0.56);
    cairo_set_source(cr, paper);
    cairo_rectangle(cr, 28, 140, 412, 470);
    cairo_fill(cr);
    cairo_pattern_destroy(paper);
    Rgb(cr, 120, 84, 44);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, 36, 148, 396, 454);
    cairo_stroke(cr);

    // The title again, smaller, to the right of the page.
    Title(cr, "ANNALS", 730, 330, 64);
}

// A plate lit from within: the highlight under a menu item or button.
void LitPlate(cairo_t* cr, double x, double y, double w, double h, bool lit) {
    Rgb(cr, 255, 0, 255);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    const double r = std::min(8.0, h / 3);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r - 1, y + r + 1, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r - 1, y + h - r - 1, r, 0, M_PI / 2);
    cairo_arc(cr, x + r + 1, y + h - r - 1, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r + 1, y + r + 1, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
    if (lit)
        Rgb(cr, 232, 196, 120);
    else
        Rgb(cr, 176, 138, 84);
    cairo_fill_preserve(cr);
    Rgb(cr, 92, 60, 28);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

} // namespace

void DrawEntrancePictures(cairo_t* cr, int, int) {
    EntrancePicture(cr, "from the first village to the age of flight");
    cairo_save(cr);
    cairo_translate(cr, 0, 768);
    ParchmentPage(cr);
    cairo_restore(cr);
    // The band of the picture that holds the motto, again with the Turkish motto; the
    // game lays it over the picture in a Turkish game.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 1536, 1024, 36);
    cairo_clip(cr);
    cairo_translate(cr, 0, 1536 - 165);
    EntrancePicture(cr, "ilk köyden uçuş çağına");
    cairo_restore(cr);
}

void DrawEntranceButtons(cairo_t* cr, int width, int height) {
    // Hard edges: a blend of a plate with the magenta around it would show as pink.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    Rgb(cr, 255, 0, 255);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    // Lit menu items, side by side: new game 121, load game 121, credits 99, exit 69
    // pixels wide; the same for the Turkish menu in the row below.
    const double widths[] = {121, 121, 99, 69};
    for (int row = 0; row < 2; ++row) {
        double x = 0;
        for (double w : widths) {
            LitPlate(cr, x, row * 30, w, 29, true);
            x += w;
        }
    }
    // Start and back buttons, plain then lit, each 170 x 50.
    for (int b = 0; b < 2; ++b)
        for (int lit = 0; lit < 2; ++lit) LitPlate(cr, lit * 170 + 16, 60 + b * 50 + 10, 150, 32, lit == 1);
    // The list opener, plain and lit: a small plate with a down arrow.
    for (int lit = 0; lit < 2; ++lit) {
        LitPlate(cr, lit * 17, 170, 17, 17, lit == 1);
        Rgb(cr, 60, 36, 16);
        cairo_move_to(cr, lit * 17 + 4, 176);
        cairo_line_to(cr, lit * 17 + 13, 176);
        cairo_line_to(cr, lit * 17 + 8.5, 182);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

} // namespace annals::art
