// The help screen's pictures: its window, the page tile, the header strip, the close
// plate and the panels of the encyclopedia pages with their headings.
#include "sheets.h"

namespace annals::art {

namespace {

void Rgb(cairo_t* cr, int r, int g, int b) {
    cairo_set_source_rgb(cr, r / 255.0, g / 255.0, b / 255.0);
}

void Fill(cairo_t* cr, double x, double y, double w, double h, int r, int g, int b) {
    Rgb(cr, r, g, b);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void Frame(cairo_t* cr, double x, double y, double w, double h, int r, int g, int b, double line = 1) {
    Rgb(cr, r, g, b);
    cairo_set_line_width(cr, line);
    cairo_rectangle(cr, x + line / 2, y + line / 2, w - line, h - line);
    cairo_stroke(cr);
}

void Text(cairo_t* cr, double x, double y, double size, const char* text, int r, int g, int b,
          bool bold = false) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    Rgb(cr, r, g, b);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text);
}

// Parchment for the pages, faintly flecked: dark ink reads well on it.
void Parchment(cairo_t* cr, double x, double y, double w, double h) {
    Fill(cr, x, y, w, h, 242, 230, 198);
    unsigned seed = 12345;
    for (int k = 0; k < static_cast<int>(w * h / 40); ++k) {
        seed = seed * 1103515245u + 12345u;
        const double px = x + (seed >> 8) % static_cast<unsigned>(w);
        seed = seed * 1103515245u + 12345u;
        const double py = y + (seed >> 8) % static_cast<unsigned>(h);
        const int shade = static_cast<int>((seed >> 4) % 8);
        Fill(cr, px, py, 1, 1, 232 + shade, 218 + shade, 184 + shade);
    }
}

void Panel(cairo_t* cr, double x, double y, double w, double h) {
    Fill(cr, x, y, w, h, 250, 242, 220);
    Frame(cr, x, y, w, h, 138, 106, 58);
    Frame(cr, x + 2, y + 2, w - 4, h - 4, 214, 191, 143);
}

} // namespace

void DrawHelpWindow(cairo_t* cr) {
    // The page tile the screen lays over the window's panel (the window is window_art.cpp's).
    Parchment(cr, 0, 0, 343, 114);
}

void DrawHelpPlates(cairo_t* cr) {
    // Header strip: a brass plate with rivets.
    Fill(cr, 1524, 423, 164, 36, 120, 88, 40);
    Frame(cr, 1524, 423, 164, 36, 180, 140, 70, 2);
    for (double rx : {1530.0, 1680.0})
        for (double ry : {429.0, 451.0}) Fill(cr, rx, ry, 3, 3, 210, 180, 110);
    Text(cr, 1548, 447, 15, "ANNALS", 60, 40, 16, true);
}

void DrawHelpPanels(cairo_t* cr) {
    // The panels carry no words: the help screen writes their labels in the player's
    // language. Unit statistics: the picture at the left, the values to the right.
    Panel(cr, 218, 177, 210, 146);
    // Building: picture, description, then cost, workers and what it needs.
    Panel(cr, 9, 220, 208, 160);
    // Effects: four columns by the building's workers, under a heading row.
    Panel(cr, 199, 413, 261, 88);
    Rgb(cr, 184, 154, 104);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 204, 432.5);
    cairo_line_to(cr, 455, 432.5);
    cairo_stroke(cr);
    // The cover of a worker row a building does not have.
    Fill(cr, 286, 502, 174, 24, 250, 242, 220);
    Rgb(cr, 184, 154, 104);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 296, 514.5);
    cairo_line_to(cr, 450, 514.5);
    cairo_stroke(cr);
}

} // namespace annals::art
