// The windows of the game and their plates: dark wooden frames with gold trim round a
// parchment panel that the game's dark ink reads well on, brass plates that stand
// raised and sink when pressed, scroll arrows, highlights, title cartouches and the battle's
// explosion and direction markers. Everything is computed to size with Cairo on a
// transparent canvas; what stays see-through becomes the colour key with hard edges.
#include "paint.h"
#include "sheets.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace annals::art {

namespace {

void Rgb(cairo_t* cr, int rgb) {
    cairo_set_source_rgb(cr, ((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0);
}

void Box(cairo_t* cr, double x, double y, double w, double h, int rgb) {
    Rgb(cr, rgb);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

// A one-pixel line round the inside of a rectangle.
void Ring(cairo_t* cr, double x, double y, double w, double h, int rgb, double line = 1) {
    Rgb(cr, rgb);
    cairo_set_line_width(cr, line);
    cairo_rectangle(cr, x + line / 2, y + line / 2, w - line, h - line);
    cairo_stroke(cr);
}

// Light from the top left: the upper and left edges lit, the lower and right shaded.
void Bevel(cairo_t* cr, double x, double y, double w, double h, int light, int shade) {
    Box(cr, x, y, w, 1, light);
    Box(cr, x, y, 1, h, light);
    Box(cr, x, y + h - 1, w, 1, shade);
    Box(cr, x + w - 1, y, 1, h, shade);
}

void VerticalGradient(cairo_t* cr, double x, double y, double w, double h, int top, int bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, ((top >> 16) & 255) / 255.0, ((top >> 8) & 255) / 255.0,
                                     (top & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, ((bottom >> 16) & 255) / 255.0, ((bottom >> 8) & 255) / 255.0,
                                     (bottom & 255) / 255.0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Wood grain: a few long, faint darker streaks along the board.
void Grain(cairo_t* cr, double x, double y, double w, double h, bool horizontal, unsigned seed) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_set_source_rgba(cr, 0.07, 0.04, 0.02, 0.35);
    cairo_set_line_width(cr, 1);
    const double across = horizontal ? h : w, along = horizontal ? w : h;
    for (double k = 2; k < across - 1; k += 3) {
        seed = seed * 1103515245u + 12345u;
        const double wave = 0.6 + (seed >> 16) % 100 / 100.0;
        const double off = k + ((seed >> 8) % 3) * 0.5;
        for (double t = 0; t < along; t += 24) {
            const double a = off + std::sin((t + seed % 50) / 37.0) * wave;
            if (horizontal) {
                cairo_move_to(cr, x + t, y + a);
                cairo_line_to(cr, x + t + 18, y + a);
            } else {
                cairo_move_to(cr, x + a, y + t);
                cairo_line_to(cr, x + a, y + t + 18);
            }
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A window: a wooden frame `border` wide with a gold trim inside it, round a parchment
// panel; a large one has sepia brackets in its corners unless its screen writes there.
void Window(cairo_t* cr, double x, double y, double w, double h, double border, unsigned seed = 1,
            bool brackets = true) {
    // The boards: top and bottom run across, the sides run down.
    VerticalGradient(cr, x, y, w, h, 0x4a2f15, 0x2a180b);
    Grain(cr, x, y, w, border, true, seed);
    Grain(cr, x, y + h - border, w, border, true, seed + 7);
    Grain(cr, x, y + border, border, h - 2 * border, false, seed + 13);
    Grain(cr, x + w - border, y + border, border, h - 2 * border, false, seed + 21);
    // Mitred corners.
    cairo_set_source_rgba(cr, 0.08, 0.04, 0.02, 0.6);
    cairo_set_line_width(cr, 1);
    for (int c = 0; c < 4; ++c) {
        const double cx = c % 2 ? x + w : x, cy = c / 2 ? y + h : y;
        const double dx = c % 2 ? -border : border, dy = c / 2 ? -border : border;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + dx, cy + dy);
    }
    cairo_stroke(cr);
    Bevel(cr, x, y, w, h, 0x7a5430, 0x140a04);
    // Gold trim: a lit upper-left edge, a dark lower-right edge, a bright middle line.
    const double gx = x + border - 3, gy = y + border - 3, gw = w - 2 * border + 6, gh = h - 2 * border + 6;
    Ring(cr, gx, gy, gw, gh, 0xb08a54, 3);
    Box(cr, gx, gy, gw, 1, 0xe8c478);
    Box(cr, gx, gy, 1, gh, 0xe8c478);
    Box(cr, gx, gy + gh - 1, gw, 1, 0x5c3c1c);
    Box(cr, gx + gw - 1, gy, 1, gh, 0x5c3c1c);
    // The parchment, sunk: its upper-left edge in the frame's shadow, its lower edge
    // a little browner with age.
    const double px = x + border, py = y + border, pw = w - 2 * border, ph = h - 2 * border;
    VerticalGradient(cr, px, py, pw, ph, 0xf5e8c7, 0xe2cc9c);
    Box(cr, px, py, pw, 2, 0xa88c5c);
    Box(cr, px, py, 2, ph, 0xa88c5c);
    Box(cr, px + 2, py + 2, pw - 2, 1, 0xd6bf8f);
    Box(cr, px + 2, py + 2, 1, ph - 2, 0xd6bf8f);
    if (pw < 300 || !brackets) return;
    // Large windows: a thin sepia bracket with a small lozenge in each corner of the panel.
    for (int c = 0; c < 4; ++c) {
        const double sx = c % 2 ? -1 : 1, sy = c / 2 ? -1 : 1;
        const double cx = c % 2 ? px + pw - 7 : px + 7, cy = c / 2 ? py + ph - 7 : py + 7;
        Rgb(cr, 0xb89a68);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, cx + sx * 22, cy + 0.5 * sy);
        cairo_line_to(cr, cx + 0.5 * sx, cy + 0.5 * sy);
        cairo_line_to(cr, cx + 0.5 * sx, cy + sy * 22);
        cairo_stroke(cr);
        Rgb(cr, 0x8a6a3a);
        cairo_move_to(cr, cx + sx * 6, cy + sy * 3);
        cairo_line_to(cr, cx + sx * 9, cy + sy * 6);
        cairo_line_to(cr, cx + sx * 6, cy + sy * 9);
        cairo_line_to(cr, cx + sx * 3, cy + sy * 6);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

// A wooden plate: a raised gilt-edged board; pressed, it sinks a pixel and darkens.
void WoodPlate(cairo_t* cr, double x, double y, double w, double h, bool pressed) {
    Box(cr, x, y, w, h, 0x2a1a0c);
    if (pressed) {
        VerticalGradient(cr, x + 1, y + 1, w - 2, h - 2, 0x3a2612, 0x4a3119);
        Bevel(cr, x + 1, y + 1, w - 2, h - 2, 0x1a0f06, 0x8a6a3a);
    } else {
        VerticalGradient(cr, x + 1, y + 1, w - 2, h - 2, 0x6a4824, 0x4a3018);
        Bevel(cr, x + 1, y + 1, w - 2, h - 2, 0xe8c478, 0x5c3c1c);
        Box(cr, x + 2, y + 2, w - 4, 1, 0x8a6236);
    }
}

// A plate for dark writing on a parchment window: raised brass in a dark rim, lit along
// its upper edge; pressed, it sinks a pixel and dulls.
void Plate(cairo_t* cr, double x, double y, double w, double h, bool pressed) {
    Box(cr, x, y, w, h, 0x3a240e);
    if (pressed) {
        VerticalGradient(cr, x + 1, y + 1, w - 2, h - 2, 0xb08a54, 0xc8a468);
        Bevel(cr, x + 1, y + 1, w - 2, h - 2, 0x5c3c1c, 0xd8bc84);
    } else {
        VerticalGradient(cr, x + 1, y + 1, w - 2, h - 2, 0xecd08e, 0xc9a261);
        Bevel(cr, x + 1, y + 1, w - 2, h - 2, 0xfff0c0, 0x7a5430);
    }
}

// A cartouche for a title: a gilt oval plate on a ribbon, with a small rosette.
void Cartouche(cairo_t* cr, double x, double y, double w, double h) {
    const double cx = x + w / 2, cy = y + h / 2;
    // The ribbon behind, its ends notched.
    Rgb(cr, 0x5c3c1c);
    cairo_move_to(cr, x, y + h * 0.25);
    cairo_line_to(cr, x + w, y + h * 0.25);
    cairo_line_to(cr, x + w - h * 0.2, cy);
    cairo_line_to(cr, x + w, y + h * 0.75);
    cairo_line_to(cr, x, y + h * 0.75);
    cairo_line_to(cr, x + h * 0.2, cy);
    cairo_close_path(cr);
    cairo_fill(cr);
    Rgb(cr, 0x7a2a1e);
    cairo_rectangle(cr, x + h * 0.3, y + h * 0.32, w - h * 0.6, h * 0.36);
    cairo_fill(cr);
    // The gilt plate.
    const double pw = std::min(w * 0.55, w - h), ph = h - 2;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, pw / 2, ph / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - pw / 2, y, cx + pw / 2, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0xe8 / 255.0, 0xc4 / 255.0, 0x78 / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0x8a / 255.0, 0x64 / 255.0, 0x34 / 255.0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    Rgb(cr, 0x3a240e);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The rosette: eight petals round a dark heart.
    const double r = std::min(ph, pw) * 0.28;
    Rgb(cr, 0x5c3c1c);
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4;
        cairo_arc(cr, cx + std::cos(a) * r * 0.7, cy + std::sin(a) * r * 0.7, r * 0.35, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    Rgb(cr, 0x7a2a1e);
    cairo_arc(cr, cx, cy, r * 0.45, 0, 2 * M_PI);
    cairo_fill(cr);
    Rgb(cr, 0xf5e8c7);
    cairo_arc(cr, cx - r * 0.15, cy - r * 0.15, r * 0.15, 0, 2 * M_PI);
    cairo_fill(cr);
}

// A scroll arrow in a 19-wide box; state 0 plain, 1 lit, 2 disabled.
void Arrow(cairo_t* cr, double x, double y, double w, double h, bool up, int state) {
    WoodPlate(cr, x, y, w, h, false);
    const int colour = state == 1 ? 0xfff0b0 : state == 2 ? 0x6a5a48 : 0xe8c478;
    Rgb(cr, colour);
    const double cx = x + w / 2, top = y + h * 0.3, bottom = y + h * 0.7;
    if (up) {
        cairo_move_to(cr, cx, top);
        cairo_line_to(cr, x + w - 4, bottom);
        cairo_line_to(cr, x + 4, bottom);
    } else {
        cairo_move_to(cr, cx, bottom);
        cairo_line_to(cr, x + 4, top);
        cairo_line_to(cr, x + w - 4, top);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

// A gold ring that lights a round button of the city screen.
void LitRing(cairo_t* cr, double x, double y, double size, double line) {
    Rgb(cr, 0xffe08a);
    cairo_set_line_width(cr, line);
    cairo_arc(cr, x + size / 2, y + size / 2, size / 2 - line / 2 - 0.5, 0, 2 * M_PI);
    cairo_stroke(cr);
}

// A small round wooden button with a gilt rim and a light minus or plus: the city
// screen's spending buttons, `size` across.
void SpendButton(cairo_t* cr, double x, double y, double size, bool plus) {
    const double cx = x + size / 2, cy = y + size / 2, r = size / 2 - 0.5;
    Rgb(cr, 0x2a1a0c);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + size, y + size);
    cairo_pattern_add_color_stop_rgb(p, 0, 0x8a / 255.0, 0x62 / 255.0, 0x36 / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0x4a / 255.0, 0x30 / 255.0, 0x18 / 255.0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r - 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Rgb(cr, 0xe8c478);
    cairo_set_line_width(cr, 0.8);
    cairo_arc(cr, cx, cy, r - 1.2, M_PI, 1.5 * M_PI);
    cairo_stroke(cr);
    Rgb(cr, 0xf5e8c7);
    const double arm = size * 0.28;
    Box(cr, cx - arm, cy - 1, 2 * arm, 2, 0xf5e8c7);
    if (plus) Box(cr, cx - 1, cy - arm, 2, 2 * arm, 0xf5e8c7);
}

// The button that opens the list of buildings: a raised round plate, `size` across, with
// a mason's hammer crossed over a trowel.
void ToolButton(cairo_t* cr, double x, double y, double size) {
    const double cx = x + size / 2, cy = y + size / 2, r = size / 2 - 0.5;
    Rgb(cr, 0x2a1a0c);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    Rgb(cr, 0xb08a54);
    cairo_arc(cr, cx, cy, r - 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + size, y + size);
    cairo_pattern_add_color_stop_rgb(p, 0, 0xf5 / 255.0, 0xe8 / 255.0, 0xc7 / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0xc8 / 255.0, 0xac / 255.0, 0x78 / 255.0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r - 2.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    const double u = size / 30.0;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // The trowel: a handle down to the lower left, its blade a diamond up to the right.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, M_PI / 4);
    Rgb(cr, 0x6a4824);
    cairo_set_line_width(cr, 2.4 * u);
    cairo_move_to(cr, 0, 10 * u);
    cairo_line_to(cr, 0, 4 * u);
    cairo_stroke(cr);
    Rgb(cr, 0x8a949c);
    cairo_move_to(cr, 0, 3.5 * u);
    cairo_line_to(cr, -4.5 * u, -2 * u);
    cairo_line_to(cr, 0, -10 * u);
    cairo_line_to(cr, 4.5 * u, -2 * u);
    cairo_close_path(cr);
    cairo_fill_preserve(cr);
    Rgb(cr, 0x3a3430);
    cairo_set_line_width(cr, 0.8 * u);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The hammer across it: a wooden handle and an iron head.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -M_PI / 4);
    Rgb(cr, 0x7a5430);
    cairo_set_line_width(cr, 2.4 * u);
    cairo_move_to(cr, 0, 10 * u);
    cairo_line_to(cr, 0, -6 * u);
    cairo_stroke(cr);
    Rgb(cr, 0x4a4440);
    cairo_rectangle(cr, -5.5 * u, -10 * u, 11 * u, 4.5 * u);
    cairo_fill(cr);
    Rgb(cr, 0x9aa4ac);
    cairo_rectangle(cr, -5.5 * u, -10 * u, 11 * u, 1.2 * u);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Frame `f` of the battle's blast: a star of fire that swells, then breaks into smoke.
void Explosion(cairo_t* cr, double x, double y, int f) {
    const double cx = x + 16, cy = y + 16;
    const double grow = (f + 1) / 8.0;
    const double outer = 4 + 11 * std::min(1.0, grow * 1.6);
    const int fire[3] = {0xd63a2f, 0xef8a2f, 0xf0c93a};
    if (f >= 5) {
        // Smoke puffs.
        const int grey = f == 5 ? 0x6a6058 : f == 6 ? 0x584e46 : 0x4a423c;
        Rgb(cr, grey);
        for (int k = 0; k < 6; ++k) {
            const double a = k * M_PI / 3 + f;
            cairo_arc(cr, cx + std::cos(a) * (f - 2) * 2.2, cy + std::sin(a) * (f - 2) * 2.2,
                      6 - (f - 5) * 1.2, 0, 2 * M_PI);
            cairo_fill(cr);
        }
        if (f == 5) {
            Rgb(cr, 0xef8a2f);
            cairo_arc(cr, cx, cy, 3, 0, 2 * M_PI);
            cairo_fill(cr);
        }
        return;
    }
    for (int layer = 0; layer < 3; ++layer) {
        const double r1 = outer * (1 - layer * 0.3), r0 = r1 * 0.5;
        Rgb(cr, fire[layer]);
        for (int k = 0; k < 20; ++k) {
            const double a = k * M_PI / 10 + f * 0.3;
            const double r = k % 2 ? r0 : r1;
            if (k == 0)
                cairo_move_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
            else
                cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        }
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    Rgb(cr, 0xfff6d8);
    cairo_arc(cr, cx, cy, outer * 0.18, 0, 2 * M_PI);
    cairo_fill(cr);
}

// A direction marker: a gold arrowhead on a dark disc, pointing by (dx, dy).
void Marker(cairo_t* cr, double x, double y, int dx, int dy) {
    const double cx = x + 8, cy = y + 8;
    Rgb(cr, 0x2a1e16);
    cairo_arc(cr, cx, cy, 7.5, 0, 2 * M_PI);
    cairo_fill(cr);
    const double a = std::atan2(dy, dx);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    Rgb(cr, 0xf0c93a);
    cairo_move_to(cr, 6, 0);
    cairo_line_to(cr, -3, -4.5);
    cairo_line_to(cr, -1, 0);
    cairo_line_to(cr, -3, 4.5);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Stacks of gold coins for the finance screen.
void Coins(cairo_t* cr, double x, double y, double w, double h) {
    const int stacks = 7;
    for (int s = 0; s < stacks; ++s) {
        const int count = 2 + (s * 5 + 3) % 5;
        const double cx = x + 15 + s * (w - 30) / (stacks - 1);
        for (int c = 0; c < count; ++c) {
            const double cy = y + h - 6 - c * 4;
            Rgb(cr, 0x5c3c1c);
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, 10, 4);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_fill(cr);
            Rgb(cr, c == count - 1 ? 0xf0d488 : 0xd0a850);
            cairo_save(cr);
            cairo_translate(cr, cx - 0.5, cy - 1);
            cairo_scale(cr, 9, 3);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_fill(cr);
        }
    }
}

// Copies the canvas onto the sheet: what is at least half covered is drawn opaque,
// everything else becomes the colour key, so no pink fringe is left at any edge.
void Settle(cairo_t* cr, cairo_surface_t* canvas, int width, int height) {
    cairo_surface_flush(canvas);
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    const unsigned char* in = cairo_image_surface_get_data(canvas);
    unsigned char* to = cairo_image_surface_get_data(out);
    const int inStride = cairo_image_surface_get_stride(canvas),
              toStride = cairo_image_surface_get_stride(out);
    for (int y = 0; y < height; ++y) {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(in + size_t(y) * inStride);
        uint32_t* dst = reinterpret_cast<uint32_t*>(to + size_t(y) * toStride);
        for (int x = 0; x < width; ++x) {
            const uint32_t p = src[x];
            const uint32_t a = p >> 24;
            if (a < 128) {
                dst[x] = 0xFF00FF;
                continue;
            }
            auto channel = [&](int shift) { return std::min<uint32_t>(255, ((p >> shift) & 255) * 255 / a); };
            dst[x] = channel(16) << 16 | channel(8) << 8 | channel(0);
        }
    }
    cairo_surface_mark_dirty(out);
    cairo_set_source_surface(cr, out, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(out);
}

template <typename Draw> void OnCanvas(cairo_t* cr, int width, int height, Draw draw) {
    cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* c = cairo_create(canvas);
    draw(c);
    cairo_destroy(c);
    Settle(cr, canvas, width, height);
    cairo_surface_destroy(canvas);
}

} // namespace

void DrawInterfaceWindows(cairo_t* cr, int width, int height) {
    OnCanvas(cr, width, height, [](cairo_t* c) {
        // The city screen's and the help's window: a solid piece, drawn without the key. The
        // city screen writes its close word in the corner.
        Window(c, 0, 115, 710, 508, 12, 3, false);
        Window(c, 720, 0, 270, 132, 6, 5);    // message box
        Plate(c, 1000, 0, 100, 21, false);    // dialog plate
        Plate(c, 1000, 22, 100, 22, true);    // and pressed
        Window(c, 720, 140, 396, 350, 10, 7); // big news
        Window(c, 720, 500, 251, 34, 5, 9);   // computer-turn strip
        Plate(c, 720, 540, 250, 18, false);   // wide dialog plate
        Plate(c, 720, 560, 250, 18, true);    // and pressed
        for (int f = 0; f < 8; ++f) Explosion(c, 720 + 32 * f, 586, f);
        static constexpr int kKeypad[8][2] = {{-1, 1}, {0, 1},   {1, 1},  {-1, 0},
                                              {1, 0},  {-1, -1}, {0, -1}, {1, -1}};
        for (int k = 0; k < 8; ++k) Marker(c, 980 + 16 * k, 586, kKeypad[k][0], kKeypad[k][1]);
        Window(c, 0, 630, 502, 300, 10, 11); // dialog
        LitRing(c, 560, 630, 50, 3);         // production button lit
        LitRing(c, 610, 630, 30, 2);         // building button lit
        LitRing(c, 640, 630, 14, 1.5);       // spending button lit
        SpendButton(c, 510, 630, 14, false); // spending buttons: minus
        SpendButton(c, 526, 630, 14, true);  // and plus
        ToolButton(c, 510, 650, 30);         // building button
        // The job box: a small parchment slip in a thin wooden frame.
        Box(c, 660, 630, 104, 43, 0x38240f);
        VerticalGradient(c, 662, 632, 100, 39, 0xf5e8c7, 0xd6bf8f);
        Bevel(c, 661, 631, 102, 41, 0xb08a54, 0x5c3c1c);
        Window(c, 0, 1070, 424, 305, 10, 13); // research table
        Plate(c, 430, 1070, 101, 21, false);  // research button
        Plate(c, 531, 1070, 101, 21, true);   // and pressed
        // The chosen row of the research list: a gold bar under dark writing.
        VerticalGradient(c, 640, 1070, 102, 23, 0xf0d490, 0xd8b46c);
        Ring(c, 640, 1070, 102, 23, 0x8a6a3a);
        Box(c, 750, 1070, 7, 7, 0x5c3c1c); // leads-to square
        Box(c, 751, 1071, 5, 5, 0xe8c478);
        Window(c, 0, 1610, 560, 340, 12, 15);   // city capture
        Window(c, 570, 1610, 540, 330, 12, 17); // broken treaty
    });
}

namespace {
// The menu window's ornaments, engraved in sepia and dull gold on the parchment: a compass rose
// above the title and a scrolled rule below the list, so that the tall panel of the game's
// menus is not an empty board round a few plates.
void MenuOrnaments(cairo_t* cr, double x, double y, double w) {
    const double cx = x + w / 2, cy = y + 58;
    cairo_save(cr);
    cairo_set_source_rgba(cr, 0x8a / 255.0, 0x6a / 255.0, 0x3a / 255.0, 0.55);
    cairo_set_line_width(cr, 1.2);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 34, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 29, 0, 2 * kPi);
    cairo_stroke(cr);
    // Sixteen ticks between the rings.
    for (int t = 0; t < 16; ++t) {
        const double a = t * kPi / 8;
        cairo_move_to(cr, cx + 29 * std::cos(a), cy + 29 * std::sin(a));
        cairo_line_to(cr, cx + 34 * std::cos(a), cy + 34 * std::sin(a));
    }
    cairo_stroke(cr);
    // The rose: four long points and four short, each lit on one side.
    for (int p = 0; p < 8; ++p) {
        const double a = p * kPi / 4 - kPi / 2, length = p % 2 ? 22 : 40, half = p % 2 ? 5 : 7;
        const double tx = cx + length * std::cos(a), ty = cy + length * std::sin(a);
        const double lx = cx + half * std::cos(a - kPi / 2), ly = cy + half * std::sin(a - kPi / 2);
        const double rx = cx + half * std::cos(a + kPi / 2), ry = cy + half * std::sin(a + kPi / 2);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, lx, ly);
        cairo_line_to(cr, tx, ty);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 0xb0 / 255.0, 0x8a / 255.0, 0x54 / 255.0, p % 2 ? 0.35 : 0.6);
        cairo_fill(cr);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, rx, ry);
        cairo_line_to(cr, tx, ty);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 0x5c / 255.0, 0x3c / 255.0, 0x1c / 255.0, 0.8);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 0x8a / 255.0, 0x6a / 255.0, 0x3a / 255.0, 0.6);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy, 3, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0xb0 / 255.0, 0x8a / 255.0, 0x54 / 255.0, 0.8);
    cairo_fill(cr);

    // Below the list: a rule with a diamond in the middle and a scroll at each end.
    const double ry = y + 392;
    cairo_set_source_rgba(cr, 0x8a / 255.0, 0x6a / 255.0, 0x3a / 255.0, 0.55);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, cx - 110, ry);
    cairo_line_to(cr, cx - 12, ry);
    cairo_move_to(cr, cx + 12, ry);
    cairo_line_to(cr, cx + 110, ry);
    cairo_stroke(cr);
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, cx + side * 116, ry - 4, 5, 0, 2 * kPi);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, cx, ry - 8);
    cairo_line_to(cr, cx + 9, ry);
    cairo_line_to(cr, cx, ry + 8);
    cairo_line_to(cr, cx - 9, ry);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0xb0 / 255.0, 0x8a / 255.0, 0x54 / 255.0, 0.55);
    cairo_fill(cr);
    cairo_restore(cr);
}
} // namespace

void DrawBackgroundWindows(cairo_t* cr, int width, int height) {
    OnCanvas(cr, width, height, [](cairo_t* c) {
        Window(c, 0, 0, 436, 453, 12, 19); // menu
        MenuOrnaments(c, 0, 0, 436);
        Window(c, 600, 0, 604, 422, 12, 23); // overview screens
        Plate(c, 537, 423, 48, 23, false);   // close plate
        Plate(c, 537, 447, 48, 23, false);   // and lit
        Ring(c, 538, 448, 46, 21, 0x7a2a1e);
        Plate(c, 0, 460, 104, 21, false);   // menu plate
        Plate(c, 110, 460, 101, 19, true);  // and pressed
        Plate(c, 220, 460, 153, 21, false); // slot plate
        Plate(c, 380, 460, 150, 19, true);  // and pressed
        for (int s = 0; s < 5; ++s) {
            const int state = s == 0 ? 0 : s <= 2 ? 1 : 2;
            Arrow(c, 600 + 20 * s, 430, 19, 20, true, state);
            Arrow(c, 600 + 20 * s, 450, 19, 21, false, state);
        }
        // The list's chosen row: a pale gold band under the row, edged in brown along its top
        // and sides. The screens cut it to their row height from the top, so its look must not
        // need a bottom.
        Box(c, 710, 425, 377, 34, 0xecd394);
        Box(c, 710, 425, 377, 1, 0x8a6a3a);
        Box(c, 710, 425, 2, 34, 0xb08a54);
        Box(c, 1085, 425, 2, 34, 0xb08a54);
        for (int t = 0; t < 3; ++t) Cartouche(c, 1210, 30 * t, 76, 30); // menu titles
        Cartouche(c, 1290, 0, 276, 40);                                 // cities
        Cartouche(c, 1290, 40, 194, 40);                                // products
        Cartouche(c, 1490, 40, 118, 40);                                // finance
        Cartouche(c, 1290, 80, 124, 60);                                // statistics
        Cartouche(c, 1420, 80, 148, 26);                                // statistics subtitle
        Coins(c, 1290, 140, 210, 34);                                   // finance picture
    });
}

} // namespace annals::art
