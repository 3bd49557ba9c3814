// The sciences' pictures: small engraving-like vignettes of each idea, sepia lines and
// hatching on parchment with one accent colour; and the science tree's pages, its
// known-science marker and its page buttons.
#include "paint.h"
#include "sheets.h"
#include "svg_art.h"

#include <cmath>
#include <functional>

namespace annals::art {

namespace {

constexpr uint32_t kSepia = 0x5c3c1c, kPaper = 0xf5e8c7, kFillLight = 0xecdcb4;

using PathFn = std::function<void(cairo_t*)>;

// A shape filled, hatched down its right side (the shade) and drawn round in sepia.
void Engrave(cairo_t* cr, const PathFn& path, uint32_t fill = kFillLight, bool hatch = true,
             double line = 2.2) {
    cairo_new_path(cr);
    path(cr);
    Hex(cr, fill);
    cairo_fill_preserve(cr);
    if (hatch) {
        double x1, y1, x2, y2;
        cairo_path_extents(cr, &x1, &y1, &x2, &y2);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_new_path(cr);
        const double from = x1 + (x2 - x1) * 0.55;
        for (double x = from - (y2 - y1); x < x2; x += 4) {
            cairo_move_to(cr, x, y2);
            cairo_line_to(cr, x + (y2 - y1), y1);
        }
        cairo_rectangle(cr, from, y1, x2 - from, y2 - y1);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_new_path(cr);
        path(cr);
        cairo_clip(cr);
        cairo_rectangle(cr, from, y1 - 1, x2 - from + 1, y2 - y1 + 2);
        cairo_clip(cr);
        cairo_new_path(cr);
        for (double x = from - (y2 - y1); x < x2; x += 4) {
            cairo_move_to(cr, x, y2);
            cairo_line_to(cr, x + (y2 - y1), y1);
        }
        Hex(cr, 0x8a6a48);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_restore(cr);
        cairo_new_path(cr);
        path(cr);
    }
    Hex(cr, kSepia);
    cairo_set_line_width(cr, line);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void Accent(cairo_t* cr, const PathFn& path, uint32_t c) {
    Engrave(cr, path, c, false);
}

void Ink(cairo_t* cr, const PathFn& path, double width = 2.2, uint32_t c = kSepia) {
    cairo_new_path(cr);
    path(cr);
    Hex(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Oval(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void Poly(cairo_t* cr, std::initializer_list<double> xy) {
    const double* p = xy.begin();
    cairo_move_to(cr, p[0], p[1]);
    for (size_t k = 2; k + 1 < xy.size(); k += 2) cairo_line_to(cr, p[k], p[k + 1]);
    cairo_close_path(cr);
}

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, double width = 2.2, uint32_t c = kSepia) {
    Ink(
        cr,
        [=](cairo_t* p) {
            cairo_move_to(p, x1, y1);
            cairo_line_to(p, x2, y2);
        },
        width, c);
}

constexpr uint32_t kRed = 0xb83a2a, kGold = 0xd9a92a, kBlue = 0x2f6f9f, kGreen = 0x4f8a3a, kFire = 0xe8772a;

void Wheel(cairo_t* cr, double cx, double cy, double r, int spokes, uint32_t rim) {
    Accent(
        cr,
        [=](cairo_t* p) {
            Oval(p, cx, cy, r, r);
            Oval(p, cx, cy, r * 0.8, r * 0.8);
            cairo_set_fill_rule(p, CAIRO_FILL_RULE_EVEN_ODD);
        },
        rim);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (int k = 0; k < spokes; ++k) {
        const double a = k * 2 * kPi / spokes;
        Line(cr, cx, cy, cx + std::cos(a) * r * 0.8, cy + std::sin(a) * r * 0.8, 3);
    }
    Engrave(cr, [=](cairo_t* p) { Oval(p, cx, cy, r * 0.16, r * 0.16); });
}

void Flame(cairo_t* cr, double x, double y, double s) {
    Accent(
        cr,
        [=](cairo_t* p) {
            cairo_move_to(p, x, y);
            cairo_curve_to(p, x - s, y - s * 0.6, x - s * 0.2, y - s * 1.4, x, y - s * 2.2);
            cairo_curve_to(p, x + s * 0.3, y - s * 1.4, x + s, y - s * 0.6, x, y);
            cairo_close_path(p);
        },
        kFire);
}

void Coin(cairo_t* cr, double x, double y, double r) {
    Accent(
        cr, [=](cairo_t* p) { Oval(p, x, y, r, r * 0.35); }, kGold);
}

void Motif(cairo_t* cr, int s) {
    switch (s) {
    case 1: // Stonework: a wall of dressed blocks and a chisel
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 3 - (row % 2); ++k) {
                const double x = 45 + k * 40 + (row % 2) * 20, y = 150 - row * 26;
                Engrave(cr, [=](cairo_t* p) { cairo_rectangle(p, x, y, 38, 24); });
            }
        Accent(
            cr,
            [](cairo_t* p) {
                Poly(p, {140, 70, 176, 40, 182, 46, 146, 76});
            },
            kRed);
        Engrave(cr, [](cairo_t* p) { Poly(p, {128, 82, 140, 70, 146, 76, 134, 88}); });
        break;
    case 2: // Bronze metallurgy: a crucible pouring bronze into a mould, the cast axe beside it
        // The axe: a long wooden haft and a flared bronze blade across its head.
        Engrave(cr, [](cairo_t* p) { Poly(p, {150, 192, 158, 196, 196, 62, 188, 58}); });
        Accent(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 178, 66);
                cairo_curve_to(p, 168, 52, 150, 44, 136, 46);
                cairo_curve_to(p, 142, 62, 142, 80, 134, 96);
                cairo_curve_to(p, 150, 96, 168, 90, 174, 80);
                cairo_line_to(p, 196, 88);
                cairo_line_to(p, 200, 72);
                cairo_close_path(p);
            },
            0xb07a3a);
        // The crucible, tipped, its lip glowing, and the stream of metal into the mould.
        Engrave(cr, [](cairo_t* p) { Poly(p, {30, 70, 84, 52, 96, 88, 52, 110}); });
        Accent(
            cr,
            [](cairo_t* p) {
                Poly(p, {84, 52, 96, 88, 102, 80, 92, 56});
            },
            kFire);
        Line(cr, 40, 40, 60, 64, 4);
        Accent(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 98, 84);
                cairo_curve_to(p, 106, 100, 104, 130, 100, 150);
                cairo_line_to(p, 94, 150);
                cairo_curve_to(p, 98, 130, 98, 104, 92, 88);
                cairo_close_path(p);
            },
            kFire);
        Engrave(cr, [](cairo_t* p) { Poly(p, {40, 150, 150, 150, 140, 186, 50, 186}); });
        Accent(
            cr, [](cairo_t* p) { Oval(p, 97, 156, 34, 5); }, 0xb07a3a);
        break;
    case 3: // Orthography: a scroll with lines and a quill
        Engrave(
            cr, [](cairo_t* p) { cairo_rectangle(p, 45, 60, 120, 100); }, kFillLight, false);
        Engrave(cr, [](cairo_t* p) { Oval(p, 45, 110, 10, 52); });
        Engrave(cr, [](cairo_t* p) { Oval(p, 165, 110, 10, 52); });
        for (int k = 0; k < 6; ++k)
            Ink(
                cr,
                [k](cairo_t* p) {
                    cairo_move_to(p, 65, 78 + k * 14);
                    for (int w = 0; w < 8; ++w) cairo_rel_curve_to(p, 3, -4, 6, 4, 10, 0);
                },
                1.4);
        Accent(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 120, 160);
                cairo_curve_to(p, 140, 120, 170, 60, 190, 40);
                cairo_curve_to(p, 180, 80, 150, 130, 120, 160);
                cairo_close_path(p);
            },
            kBlue);
        break;
    case 4: // Ritualism: standing stones round an altar fire
        for (int k = 0; k < 4; ++k) {
            const double x = 30 + k * 45 + (k > 1 ? 10 : 0);
            Engrave(cr, [=](cairo_t* p) {
                Poly(p, {x, 170, x + 4, 80.0 + (k % 2) * 15, x + 28, 78.0 + (k % 2) * 15, x + 30, 170});
            });
        }
        Engrave(cr, [](cairo_t* p) { cairo_rectangle(p, 85, 150, 50, 25); });
        Flame(cr, 110, 150, 16);
        break;
    case 5: // Warrior code: a round shield before a spear
        Line(cr, 50, 190, 160, 30, 4);
        Engrave(cr, [](cairo_t* p) { Poly(p, {160, 30, 150, 52, 168, 42}); });
        Accent(
            cr, [](cairo_t* p) { Oval(p, 100, 115, 52, 52); }, kRed);
        Engrave(cr, [](cairo_t* p) { Oval(p, 100, 115, 14, 14); });
        Ink(
            cr, [](cairo_t* p) { Oval(p, 100, 115, 44, 44); }, 1.4);
        break;
    case 6: // Agriculture: a sheaf of wheat bound at its waist, and a sickle
        for (int k = -4; k <= 4; ++k) {
            // Each stalk bends in at the band and fans out again to its ear.
            const double top = 105 + k * 11, bottom = 105 + k * 6;
            Ink(
                cr,
                [=](cairo_t* p) {
                    cairo_move_to(p, bottom, 190);
                    cairo_curve_to(p, 105 + k * 1.5, 150, 105 + k * 1.5, 130, top, 78);
                },
                1.6);
            // The ear: grains in two rows up the stalk, awns above.
            for (int g = 0; g < 5; ++g) {
                const double along = 76 - g * 7, side = g % 2 ? 3.2 : -3.2;
                const double gx = top + side, gy = along;
                Accent(
                    cr,
                    [=](cairo_t* p) {
                        cairo_save(p);
                        cairo_translate(p, gx + (top - 105) * 0.08 * g, gy);
                        cairo_rotate(p, side > 0 ? 0.5 : -0.5);
                        Oval(p, 0, 0, 3, 5.5);
                        cairo_restore(p);
                    },
                    kGold);
            }
            Ink(
                cr,
                [=](cairo_t* p) {
                    const double tx = top + (top - 105) * 0.4;
                    cairo_move_to(p, tx - 1, 50);
                    cairo_line_to(p, tx - 5, 30);
                    cairo_move_to(p, tx + 1, 50);
                    cairo_line_to(p, tx + 5, 30);
                },
                1);
        }
        Engrave(cr, [](cairo_t* p) { cairo_rectangle(p, 88, 132, 34, 12); });
        // The sickle, lying before the sheaf.
        Engrave(cr, [](cairo_t* p) { Poly(p, {22, 196, 28, 200, 52, 180, 46, 176}); });
        Ink(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 50, 178);
                cairo_curve_to(p, 60, 150, 36, 128, 18, 140);
            },
            3.4, 0x8a8e94);
        break;
    case 7: // Mining: a pick and a cart of ore
        Line(cr, 40, 60, 110, 120, 5);
        Engrave(cr, [](cairo_t* p) {
            cairo_move_to(p, 20, 80);
            cairo_curve_to(p, 40, 40, 70, 30, 90, 30);
            cairo_curve_to(p, 60, 45, 45, 60, 30, 90);
            cairo_close_path(p);
        });
        Engrave(cr, [](cairo_t* p) { Poly(p, {90, 120, 190, 120, 180, 165, 100, 165}); });
        for (int k = 0; k < 4; ++k)
            Accent(
                cr, [k](cairo_t* p) { Oval(p, 110 + k * 18, 115, 10, 8); }, k % 2 ? kGold : 0x8a8a8a);
        Engrave(cr, [](cairo_t* p) { Oval(p, 115, 172, 10, 10); });
        Engrave(cr, [](cairo_t* p) { Oval(p, 165, 172, 10, 10); });
        break;
    case 8: // Iron foundry: an anvil, a hammer and a glowing bar
        Engrave(cr, [](cairo_t* p) {
            Poly(p, {40, 100, 170, 100, 150, 125, 130, 125, 140, 170, 70, 170, 80, 125, 60, 125});
        });
        Accent(
            cr, [](cairo_t* p) { cairo_rectangle(p, 70, 88, 80, 12); }, kFire);
        Line(cr, 120, 30, 170, 80, 5);
        Engrave(cr, [](cairo_t* p) { Poly(p, {100, 40, 125, 15, 145, 35, 120, 60}); });
        break;
    case 9: // Mathematics: dividers over a triangle
        Accent(
            cr,
            [](cairo_t* p) {
                Poly(p, {40, 170, 170, 170, 40, 70});
            },
            kBlue);
        Engrave(
            cr,
            [](cairo_t* p) {
                Poly(p, {60, 150, 110, 150, 60, 112});
            },
            kPaper, false);
        Line(cr, 130, 40, 95, 150, 3);
        Line(cr, 130, 40, 175, 145, 3);
        Engrave(cr, [](cairo_t* p) { Oval(p, 130, 40, 7, 7); });
        Ink(
            cr, [](cairo_t* p) { cairo_arc(p, 130, 40, 80, kPi * 0.4, kPi * 0.62); }, 1.4);
        break;
    case 10: // Lawmaking: two tablets of law and the scales
        Engrave(cr, [](cairo_t* p) {
            cairo_move_to(p, 40, 180);
            cairo_line_to(p, 40, 80);
            cairo_arc(p, 65, 80, 25, kPi, 2 * kPi);
            cairo_line_to(p, 90, 180);
            cairo_close_path(p);
            cairo_move_to(p, 95, 180);
            cairo_line_to(p, 95, 80);
            cairo_arc(p, 120, 80, 25, kPi, 2 * kPi);
            cairo_line_to(p, 145, 180);
            cairo_close_path(p);
        });
        for (int k = 0; k < 5; ++k) {
            Line(cr, 50, 95 + k * 16, 80, 95 + k * 16, 1.4);
            Line(cr, 105, 95 + k * 16, 135, 95 + k * 16, 1.4);
        }
        Line(cr, 170, 60, 170, 180, 3);
        Line(cr, 150, 70, 190, 70, 3);
        Accent(
            cr, [](cairo_t* p) { Oval(p, 152, 100, 12, 5); }, kGold);
        Accent(
            cr, [](cairo_t* p) { Oval(p, 188, 100, 12, 5); }, kGold);
        break;
    case 11: // Currency: stacks of coins
        for (int stack = 0; stack < 3; ++stack)
            for (int k = 0; k < 3 + stack * 2; ++k) Coin(cr, 60 + stack * 45, 175 - k * 12, 22);
        Accent(
            cr, [](cairo_t* p) { Oval(p, 160, 80, 26, 26); }, kGold);
        Engrave(
            cr, [](cairo_t* p) { Oval(p, 160, 80, 12, 12); }, kGold);
        break;
    case 12: // Equestrian: a horse's head with its bridle
        Engrave(cr, [](cairo_t* p) {
            cairo_move_to(p, 70, 190);
            cairo_curve_to(p, 70, 130, 80, 90, 100, 60);
            cairo_line_to(p, 105, 35);
            cairo_line_to(p, 118, 55);
            cairo_curve_to(p, 150, 70, 175, 110, 180, 135);
            cairo_curve_to(p, 175, 150, 160, 150, 150, 140);
            cairo_curve_to(p, 140, 125, 125, 120, 120, 130);
            cairo_curve_to(p, 125, 150, 140, 170, 145, 190);
            cairo_close_path(p);
        });
        Ink(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 100, 62);
                cairo_curve_to(p, 80, 80, 70, 120, 66, 170);
            },
            6, 0x3a2a1c);
        Ink(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 115, 70);
                cairo_line_to(p, 160, 128);
                cairo_move_to(p, 128, 90);
                cairo_line_to(p, 108, 120);
            },
            3.5, kRed);
        Engrave(
            cr, [](cairo_t* p) { Oval(p, 132, 88, 4, 3); }, 0x2a1e16, false);
        break;
    case 13: // Horse collar: a padded collar and its traces
        Accent(
            cr,
            [](cairo_t* p) {
                Oval(p, 105, 105, 55, 70);
                Oval(p, 105, 112, 34, 50);
                cairo_set_fill_rule(p, CAIRO_FILL_RULE_EVEN_ODD);
            },
            kRed);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        Engrave(cr, [](cairo_t* p) { Poly(p, {50, 90, 62, 80, 62, 150, 50, 140}); });
        Engrave(cr, [](cairo_t* p) { Poly(p, {160, 90, 148, 80, 148, 150, 160, 140}); });
        Line(cr, 55, 140, 20, 190, 3);
        Line(cr, 155, 140, 190, 190, 3);
        break;
    case 14: // Astronomy: an astrolabe under stars
        Accent(
            cr, [](cairo_t* p) { Oval(p, 105, 115, 64, 64); }, kGold);
        Engrave(cr, [](cairo_t* p) { Oval(p, 105, 115, 52, 52); });
        Ink(
            cr,
            [](cairo_t* p) {
                Oval(p, 105, 115, 30, 30);
                cairo_move_to(p, 53, 115);
                cairo_line_to(p, 157, 115);
            },
            1.5);
        Line(cr, 65, 150, 145, 80, 4);
        Engrave(cr, [](cairo_t* p) { Oval(p, 105, 42, 10, 8); });
        for (int k = 0; k < 12; ++k) {
            const double a = k * kPi / 6;
            Line(cr, 105 + std::cos(a) * 52, 115 + std::sin(a) * 52, 105 + std::cos(a) * 46,
                 115 + std::sin(a) * 46, 1.5);
        }
        break;
    case 15: // Construction: an arch going up with its crane
        Engrave(cr, [](cairo_t* p) {
            cairo_move_to(p, 30, 185);
            cairo_line_to(p, 30, 110);
            cairo_arc(p, 85, 110, 55, kPi, 2 * kPi);
            cairo_line_to(p, 140, 185);
            cairo_line_to(p, 115, 185);
            cairo_line_to(p, 115, 110);
            cairo_arc_negative(p, 85, 110, 30, 2 * kPi, kPi);
            cairo_line_to(p, 55, 185);
            cairo_close_path(p);
        });
        Line(cr, 170, 190, 170, 30, 4);
        Line(cr, 120, 40, 195, 40, 4);
        Line(cr, 130, 40, 130, 70, 1.5);
        Accent(
            cr, [](cairo_t* p) { cairo_rectangle(p, 118, 70, 24, 16); }, kRed);
        break;
    case 16: // The wheel
        Wheel(cr, 105, 112, 70, 8, 0x8a5a2a);
        break;
    case 17: // Fishing: a fish above a net
        Ink(
            cr,
            [](cairo_t* p) {
                for (int k = 0; k < 7; ++k) {
                    cairo_move_to(p, 30 + k * 25, 130);
                    cairo_line_to(p, 60 + k * 20, 190);
                    cairo_move_to(p, 180 - k * 25, 130);
                    cairo_line_to(p, 150 - k * 20, 190);
                }
            },
            1.2);
        Accent(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 40, 90);
                cairo_curve_to(p, 70, 50, 130, 50, 150, 90);
                cairo_line_to(p, 185, 60);
                cairo_line_to(p, 180, 120);
                cairo_line_to(p, 150, 90);
                cairo_curve_to(p, 130, 130, 70, 130, 40, 90);
                cairo_close_path(p);
            },
            kBlue);
        Engrave(
            cr, [](cairo_t* p) { Oval(p, 65, 84, 5, 5); }, kPaper, false);
        break;
    case 18: // Philosophy: an oil lamp burning over a closed book
        Engrave(cr, [](cairo_t* p) { cairo_rectangle(p, 40, 150, 130, 28); });
        Engrave(cr, [](cairo_t* p) {
            cairo_move_to(p, 60, 130);
            cairo_curve_to(p, 70, 100, 140, 100, 150, 120);
            cairo_line_to(p, 175, 110);
            cairo_curve_to(p, 160, 140, 90, 150, 60, 130);
            cairo_close_path(p);
        });
        Ink(
            cr, [](cairo_t* p) { cairo_arc(p, 55, 120, 14, kPi * 0.5, kPi * 1.5); }, 3);
        Flame(cr, 172, 108, 14);
        break;
    case 19: // The republic: a portico in a laurel wreath
        for (int side : {-1, 1})
            for (int k = 0; k < 8; ++k) {
                const double a = kPi / 2 + side * (0.4 + k * 0.27);
                Accent(
                    cr,
                    [=](cairo_t* p) {
                        cairo_save(p);
                        cairo_translate(p, 105 + std::cos(a) * 78, 112 + std::sin(a) * 78);
                        cairo_rotate(p, a + kPi / 2);
                        Oval(p, 0, 0, 10, 4);
                        cairo_restore(p);
                    },
                    kGreen);
            }
        Engrave(cr, [](cairo_t* p) { Poly(p, {60, 80, 105, 55, 150, 80}); });
        for (int k = 0; k < 4; ++k)
            Engrave(cr, [k](cairo_t* p) { cairo_rectangle(p, 66 + k * 24, 84, 10, 60); });
        Engrave(cr, [](cairo_t* p) { cairo_rectangle(p, 56, 144, 98, 12); });
        break;
    case 20: // Knight's code: a sword upright before a shield
        Accent(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 55, 60);
                cairo_line_to(p, 155, 60);
                cairo_curve_to(p, 155, 130, 130, 165, 105, 185);
                cairo_curve_to(p, 80, 165, 55, 130, 55, 60);
                cairo_close_path(p);
            },
            kBlue);
        Engrave(
            cr,
            [](cairo_t* p) {
                Poly(p, {100, 30, 110, 30, 110, 170, 105, 185, 100, 170});
            },
            kPaper);
        Engrave(cr, [](cairo_t* p) { cairo_rectangle(p, 75, 50, 60, 10); });
        Engrave(cr, [](cairo_t* p) { Oval(p, 105, 24, 7, 7); });
        break;
    case 21: // Fertilization: a young plant rising from dunged soil
        Engrave(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 20, 180);
                cairo_curve_to(p, 60, 150, 150, 150, 190, 180);
                cairo_close_path(p);
            },
            0xb89a68);
        Line(cr, 105, 160, 105, 70, 3.5);
        for (int k = 0; k < 3; ++k)
            for (int side : {-1, 1})
                Accent(
                    cr,
                    [=](cairo_t* p) {
                        cairo_save(p);
                        cairo_translate(p, 105 + side * 22, 140 - k * 28);
                        cairo_rotate(p, side * -0.5);
                        Oval(p, 0, 0, 22, 9);
                        cairo_restore(p);
                    },
                    kGreen);
        break;
    case 22: // Baking: loaves before the oven's fire
        Engrave(cr, [](cairo_t* p) {
            cairo_move_to(p, 30, 170);
            cairo_line_to(p, 30, 110);
            cairo_arc(p, 105, 110, 75, kPi, 2 * kPi);
            cairo_line_to(p, 180, 170);
            cairo_close_path(p);
        });
        Engrave(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 75, 170);
                cairo_line_to(p, 75, 120);
                cairo_arc(p, 105, 120, 30, kPi, 2 * kPi);
                cairo_line_to(p, 135, 170);
                cairo_close_path(p);
            },
            0x3a2a1c, false);
        Flame(cr, 105, 168, 12);
        Engrave(
            cr, [](cairo_t* p) { Oval(p, 60, 185, 28, 12); }, 0xc88a3a);
        Engrave(
            cr, [](cairo_t* p) { Oval(p, 150, 185, 28, 12); }, 0xc88a3a);
        break;
    case 23: // Anchoring: an anchor and its rope
        Engrave(cr, [](cairo_t* p) {
            cairo_rectangle(p, 99, 50, 12, 120);
            cairo_rectangle(p, 70, 62, 70, 10);
        });
        Ink(
            cr, [](cairo_t* p) { cairo_arc_negative(p, 105, 120, 55, kPi * 0.95, kPi * 0.05); }, 9);
        Ink(
            cr, [](cairo_t* p) { cairo_arc_negative(p, 105, 120, 55, kPi * 0.95, kPi * 0.05); }, 5,
            kFillLight);
        Engrave(cr, [](cairo_t* p) { Poly(p, {40, 120, 52, 145, 30, 140}); });
        Engrave(cr, [](cairo_t* p) { Poly(p, {170, 120, 158, 145, 180, 140}); });
        Accent(
            cr,
            [](cairo_t* p) {
                Oval(p, 105, 40, 14, 14);
                Oval(p, 105, 40, 7, 7);
                cairo_set_fill_rule(p, CAIRO_FILL_RULE_EVEN_ODD);
            },
            kRed);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        break;
    case 24: // Invention: meshing gears
        Wheel(cr, 80, 120, 48, 6, 0xb08a54);
        Wheel(cr, 148, 72, 30, 5, kGold);
        for (int k = 0; k < 12; ++k) {
            const double a = k * kPi / 6;
            Engrave(
                cr,
                [=](cairo_t* p) {
                    cairo_save(p);
                    cairo_translate(p, 80 + std::cos(a) * 52, 120 + std::sin(a) * 52);
                    cairo_rotate(p, a);
                    cairo_rectangle(p, -5, -5, 10, 10);
                    cairo_restore(p);
                },
                0xb08a54, false, 1.5);
        }
        break;
    case 25: // Printery: the press with its screw and a printed sheet
        Engrave(cr, [](cairo_t* p) {
            cairo_rectangle(p, 40, 40, 16, 150);
            cairo_rectangle(p, 154, 40, 16, 150);
            cairo_rectangle(p, 40, 36, 130, 16);
        });
        Line(cr, 105, 52, 105, 100, 6);
        Line(cr, 75, 75, 135, 75, 4);
        Engrave(cr, [](cairo_t* p) { cairo_rectangle(p, 70, 100, 70, 14); });
        Engrave(cr, [](cairo_t* p) { cairo_rectangle(p, 56, 140, 98, 14); });
        Accent(
            cr, [](cairo_t* p) { cairo_rectangle(p, 80, 128, 50, 12); }, kRed);
        break;
    case 26: // Monotheism: a single star shining over a shrine
        for (int k = 0; k < 16; ++k) {
            const double a = k * kPi / 8;
            Line(cr, 105 + std::cos(a) * 24, 60 + std::sin(a) * 24, 105 + std::cos(a) * (k % 2 ? 40 : 52),
                 60 + std::sin(a) * (k % 2 ? 40 : 52), 1.5);
        }
        Accent(
            cr,
            [](cairo_t* p) {
                for (int k = 0; k < 10; ++k) {
                    const double a = -kPi / 2 + k * kPi / 5, r = k % 2 ? 9 : 20;
                    cairo_line_to(p, 105 + std::cos(a) * r, 60 + std::sin(a) * r);
                }
                cairo_close_path(p);
            },
            kGold);
        Engrave(cr, [](cairo_t* p) {
            cairo_move_to(p, 60, 190);
            cairo_line_to(p, 60, 140);
            cairo_arc(p, 105, 140, 45, kPi, 2 * kPi);
            cairo_line_to(p, 150, 190);
            cairo_close_path(p);
        });
        break;
    case 27: // Monarchy: a crown on a cushion
        Engrave(
            cr, [](cairo_t* p) { Oval(p, 105, 165, 70, 18); }, kFillLight);
        Accent(
            cr,
            [](cairo_t* p) {
                Poly(p, {50, 150, 45, 70, 78, 110, 105, 55, 132, 110, 165, 70, 160, 150});
            },
            kGold);
        for (int k = 0; k < 3; ++k)
            Accent(
                cr, [k](cairo_t* p) { Oval(p, 75 + k * 30, 135, 7, 7); }, kRed);
        break;
    case 28: // Gunpowder: a cannon barrel and a powder keg
        Engrave(
            cr,
            [](cairo_t* p) {
                Poly(p, {30, 120, 150, 70, 160, 95, 40, 145});
            },
            0x8a8a8a);
        Engrave(cr, [](cairo_t* p) { Oval(p, 80, 145, 22, 22); });
        Engrave(cr, [](cairo_t* p) { Oval(p, 150, 160, 30, 24); });
        Accent(
            cr,
            [](cairo_t* p) {
                for (int k = 0; k < 12; ++k) {
                    const double a = k * kPi / 6, r = k % 2 ? 10 : 24;
                    cairo_line_to(p, 172 + std::cos(a) * r, 70 + std::sin(a) * r);
                }
                cairo_close_path(p);
            },
            kFire);
        break;
    case 29: // Education: an open book
        Engrave(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 105, 70);
                cairo_curve_to(p, 80, 55, 50, 55, 25, 65);
                cairo_line_to(p, 25, 165);
                cairo_curve_to(p, 50, 155, 80, 155, 105, 170);
                cairo_curve_to(p, 130, 155, 160, 155, 185, 165);
                cairo_line_to(p, 185, 65);
                cairo_curve_to(p, 160, 55, 130, 55, 105, 70);
                cairo_close_path(p);
            },
            kPaper);
        Line(cr, 105, 70, 105, 170, 2);
        for (int k = 0; k < 6; ++k) {
            Line(cr, 38, 82 + k * 13, 92, 82 + k * 13, 1.2);
            Line(cr, 118, 82 + k * 13, 172, 82 + k * 13, 1.2);
        }
        Accent(
            cr,
            [](cairo_t* p) {
                Poly(p, {100, 168, 110, 168, 110, 200, 105, 192, 100, 200});
            },
            kRed);
        break;
    case 30: // Magnetism: a compass card and its needle
        Engrave(cr, [](cairo_t* p) { Oval(p, 105, 112, 70, 70); });
        Engrave(
            cr, [](cairo_t* p) { Oval(p, 105, 112, 56, 56); }, kPaper, false);
        for (int k = 0; k < 8; ++k) {
            const double a = k * kPi / 4;
            Line(cr, 105 + std::cos(a) * 56, 112 + std::sin(a) * 56, 105 + std::cos(a) * (k % 2 ? 48 : 40),
                 112 + std::sin(a) * (k % 2 ? 48 : 40), 2);
        }
        Accent(
            cr,
            [](cairo_t* p) {
                Poly(p, {105, 62, 116, 112, 94, 112});
            },
            kRed);
        Engrave(
            cr,
            [](cairo_t* p) {
                Poly(p, {105, 162, 116, 112, 94, 112});
            },
            kFillLight, false);
        break;
    case 31: // Feudalism: a keep on its motte with a banner
        Engrave(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 20, 190);
                cairo_curve_to(p, 50, 150, 160, 150, 190, 190);
                cairo_close_path(p);
            },
            0xb89a68);
        Engrave(cr, [](cairo_t* p) {
            Poly(p, {65,  165, 65,  80, 75,  80, 75,  70, 90,  70, 90,  80, 100, 80, 100, 70,
                     115, 70,  115, 80, 125, 80, 125, 70, 140, 70, 140, 80, 145, 80, 145, 165});
        });
        Line(cr, 105, 70, 105, 30, 2);
        Accent(
            cr,
            [](cairo_t* p) {
                Poly(p, {105, 30, 140, 38, 105, 48});
            },
            kBlue);
        Engrave(
            cr, [](cairo_t* p) { cairo_rectangle(p, 96, 130, 18, 35); }, 0x3a2a1c, false);
        break;
    case 32: // Chemistry: flasks on a stand
        Accent(
            cr,
            [](cairo_t* p) {
                Poly(p, {55, 120, 105, 120, 125, 180, 35, 180});
            },
            kGreen);
        Engrave(
            cr,
            [](cairo_t* p) {
                Poly(p, {70, 60, 90, 60, 90, 120, 125, 180, 35, 180, 70, 120});
            },
            kPaper, false);
        Accent(
            cr,
            [](cairo_t* p) {
                Poly(p, {55, 120, 105, 120, 125, 180, 35, 180});
            },
            kGreen);
        Engrave(
            cr,
            [](cairo_t* p) {
                Oval(p, 155, 140, 30, 30);
                cairo_rectangle(p, 148, 70, 14, 45);
            },
            kFillLight);
        Ink(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 158, 70);
                cairo_curve_to(p, 150, 40, 120, 40, 100, 55);
            },
            3);
        break;
    case 33: // Physics: a lever on its fulcrum lifting a weight
        Engrave(cr, [](cairo_t* p) { Poly(p, {105, 130, 130, 180, 80, 180}); });
        Line(cr, 20, 150, 195, 100, 5);
        Accent(
            cr, [](cairo_t* p) { cairo_rectangle(p, 150, 62, 40, 40); }, kBlue);
        Ink(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 40, 100);
                cairo_line_to(p, 40, 140);
                cairo_move_to(p, 30, 128);
                cairo_line_to(p, 40, 140);
                cairo_line_to(p, 50, 128);
            },
            3);
        break;
    case 34: // Democracy: an urn of ballots and a hand's token
        Engrave(cr, [](cairo_t* p) {
            cairo_move_to(p, 80, 60);
            cairo_line_to(p, 130, 60);
            cairo_curve_to(p, 120, 80, 170, 100, 160, 150);
            cairo_curve_to(p, 150, 185, 60, 185, 50, 150);
            cairo_curve_to(p, 40, 100, 90, 80, 80, 60);
            cairo_close_path(p);
        });
        Ink(
            cr,
            [](cairo_t* p) {
                cairo_arc(p, 52, 105, 16, kPi * 0.5, kPi * 1.5);
                cairo_new_sub_path(p);
                cairo_arc_negative(p, 158, 105, 16, kPi * 0.5, -kPi * 0.5);
            },
            3);
        for (int k = 0; k < 3; ++k)
            Accent(
                cr, [k](cairo_t* p) { Oval(p, 90 + k * 15, 40 - k * 8, 8, 8); }, kBlue);
        break;
    case 35: // Explosives: a keg with a burning fuse
        Engrave(cr, [](cairo_t* p) {
            cairo_move_to(p, 60, 80);
            cairo_curve_to(p, 50, 120, 50, 150, 60, 185);
            cairo_line_to(p, 150, 185);
            cairo_curve_to(p, 160, 150, 160, 120, 150, 80);
            cairo_close_path(p);
        });
        Line(cr, 55, 110, 155, 110, 2);
        Line(cr, 55, 160, 155, 160, 2);
        Ink(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, 105, 80);
                cairo_curve_to(p, 110, 50, 140, 60, 150, 40);
            },
            3);
        Accent(
            cr,
            [](cairo_t* p) {
                for (int k = 0; k < 12; ++k) {
                    const double a = k * kPi / 6, r = k % 2 ? 6 : 16;
                    cairo_line_to(p, 152 + std::cos(a) * r, 36 + std::sin(a) * r);
                }
                cairo_close_path(p);
            },
            kFire);
        break;
    default:
        break;
    }
}

void Parchment(cairo_t* cr, double w, double h) {
    cairo_pattern_t* r = cairo_pattern_create_radial(w * 0.45, h * 0.42, h * 0.15, w / 2, h / 2, h * 0.72);
    cairo_pattern_add_color_stop_rgb(r, 0, 0xf5 / 255.0, 0xe8 / 255.0, 0xc7 / 255.0);
    cairo_pattern_add_color_stop_rgb(r, 1, 0xd6 / 255.0, 0xbf / 255.0, 0x8f / 255.0);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, r);
    cairo_fill(cr);
    cairo_pattern_destroy(r);
    Hex(cr, kSepia);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, 6, 6, w - 12, h - 12);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 0.8);
    cairo_rectangle(cr, 10, 10, w - 20, h - 20);
    cairo_stroke(cr);
}

} // namespace

void DrawSciencePictures(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (int s = 1; s <= 35; ++s) {
        cairo_save(cr);
        const int left = (s - 1) % 5 * 210, top = (s - 1) / 5 * 215;
        cairo_rectangle(cr, left, top, 210, 215);
        cairo_clip(cr);
        cairo_translate(cr, left, top);
        Parchment(cr, 210, 215);
        Motif(cr, s);
        cairo_restore(cr);
    }
}

namespace {
void DrawTreePieces(cairo_t* cr);
}

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

} // namespace annals::art
