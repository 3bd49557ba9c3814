// The science tree's pages, its known-science marker and its page buttons.
#include "paint.h"
#include "sheets.h"
#include "svg_art.h"

namespace annals::art {

namespace {

void DrawTreePieces(cairo_t* cr) {
    // The marker: a gold seal.
    cairo_new_path(cr);
    cairo_arc(cr, 7, 239, 6.5, 0, 2 * kPi);
    Hex(cr, 0xb08a54);
    cairo_fill(cr);
    cairo_arc(cr, 6.5, 238.5, 4.5, 0, 2 * kPi);
    Hex(cr, 0xe8c478);
    cairo_fill(cr);
    cairo_arc(cr, 5.5, 237.5, 1.6, 0, 2 * kPi);
    Hex(cr, 0xfff2c0);
    cairo_fill(cr);
    // Minus, minus lit, plus, plus lit.
    for (int k = 0; k < 4; ++k) {
        const double cx = 20 + 22 * k + 11, cy = 243;
        const bool lit = k % 2 == 1;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, 10.5, 0, 2 * kPi);
        Hex(cr, 0x5c3c1c);
        cairo_fill(cr);
        cairo_arc(cr, cx, cy, 9, 0, 2 * kPi);
        Hex(cr, lit ? 0xe8c478 : 0xb08a54);
        cairo_fill(cr);
        Hex(cr, 0x2a1e16);
        cairo_rectangle(cr, cx - 5, cy - 1.5, 10, 3);
        if (k >= 2) cairo_rectangle(cr, cx - 1.5, cy - 5, 3, 10);
        cairo_fill(cr);
    }
}

} // namespace

// The tree's four pages: a dark slate, three columns of sockets joined by faint rules
// (the names are written over it); the marker of a known science; the page buttons.
void DrawScienceTree(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (int page = 0; page < 4; ++page) {
        const double left = page * 300;
        Hex(cr, 0x24201c);
        cairo_rectangle(cr, left, 0, 300, 230);
        cairo_fill(cr);
        Hex(cr, 0x5c3c1c);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, left + 0.5, 0.5, 299, 229);
        cairo_stroke(cr);
        for (int column = 0; column < 3; ++column) {
            const double x = left + 2 + 100 * column;
            Hex(cr, 0x3a3028);
            cairo_rectangle(cr, x + 6, 12, 2, 206);
            cairo_fill(cr);
            if (column < 2) {
                Hex(cr, 0x3a3028);
                cairo_rectangle(cr, x + 96, 12, 1, 206);
                cairo_fill(cr);
            }
        }
    }
    // Small round pieces over the colour key: drawn apart, their edges kept hard.
    DrawComputed(cr, 0, 232, 120, 24, [](cairo_t* c) { DrawTreePieces(c); });
}

} // namespace annals::art
