// The dialogs' pictures: a head-and-shoulders portrait of each nation's leader, and the
// pictures of the other dialog groups (the natives' chief, the wagon trade, a find, the
// adviser, ruins). One portrait template, varied per nation by skin, hair, beard, dress
// and headgear; flat colour with one shade and one highlight, light from the top left.
#include "paint.h"
#include "sheets.h"

#include <cmath>
#include <functional>

namespace annals::art {

namespace {

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

using PathFn = std::function<void(cairo_t*)>;

// A shape in its colour, with a shaded crescent down to the right and an optional
// highlight up to the left.
void Shaded(cairo_t* cr, const PathFn& path, uint32_t base, double dx = 6, double dy = 5,
            double shade = 0.72) {
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    cairo_clip(cr);
    Hex(cr, Scale(base, shade));
    cairo_paint(cr);
    cairo_translate(cr, -dx, -dy);
    cairo_new_path(cr);
    path(cr);
    Hex(cr, base);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Fill(cairo_t* cr, const PathFn& path, uint32_t c) {
    cairo_new_path(cr);
    path(cr);
    Hex(cr, c);
    cairo_fill(cr);
}

void Stroke(cairo_t* cr, const PathFn& path, uint32_t c, double width) {
    cairo_new_path(cr);
    path(cr);
    Hex(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// The backdrop of a picture: a soft vertical wash with a darker rim.
void Backdrop(cairo_t* cr, double w, double h, uint32_t top, uint32_t bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    auto stop = [&](double at, uint32_t c) {
        cairo_pattern_add_color_stop_rgb(p, at, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                                         (c & 0xFF) / 255.0);
    };
    stop(0, top);
    stop(1, bottom);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_pattern_t* r = cairo_pattern_create_radial(w * 0.42, h * 0.4, h * 0.25, w / 2, h / 2, h * 0.75);
    cairo_pattern_add_color_stop_rgba(r, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(r, 1, 0.1, 0.06, 0.03, 0.45);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, r);
    cairo_fill(cr);
    cairo_pattern_destroy(r);
}

enum class Beard { None, Short, Full, Thin, Square, Braided };
enum class Hat {
    None,
    Keffiyeh,
    Feathers,
    Crown,
    ChineseCap,
    FrankCrown,
    ArchedCrown,
    TallCrown,
    Laurel,
    Turban,
    Helmet,
    Llautu,
    Headband,
    ScholarCap,
    Hood
};
enum class Dress { Robe, Cape, Ermine, CrossCollar, Toga, Kaftan, Fur, Poncho, Plain };

struct Look {
    uint32_t backTop, backBottom;
    uint32_t skin, hair;
    Beard beard;
    Hat hat;
    uint32_t hatColour, hatTrim;
    Dress dress;
    uint32_t dressColour, trim;
};

constexpr uint32_t kGold = 0xe8c478, kGoldShade = 0xb08a54, kInk = 0x2a1e16;

// Shapes of the template, in the 180x200 box.
constexpr double kCx = 88, kHeadY = 96, kHeadRx = 26, kHeadRy = 33;

void HeadPath(cairo_t* cr) {
    Ellipse(cr, kCx, kHeadY, kHeadRx, kHeadRy);
}

void ShouldersPath(cairo_t* cr) {
    cairo_move_to(cr, 4, 200);
    cairo_curve_to(cr, 8, 162, 30, 146, 66, 140);
    cairo_line_to(cr, 110, 140);
    cairo_curve_to(cr, 146, 146, 168, 162, 172, 200);
    cairo_close_path(cr);
}

void DrawDress(cairo_t* cr, const Look& l) {
    Shaded(cr, ShouldersPath, l.dressColour, 10, 4);
    switch (l.dress) {
    case Dress::Robe: // an open neck edged in the trim colour
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 66, 141);
                cairo_line_to(c, kCx, 178);
                cairo_line_to(c, 110, 141);
            },
            l.trim, 5);
        break;
    case Dress::Cape: // a mantle clasped at the chest
        Fill(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 60, 141);
                cairo_curve_to(c, 70, 170, 80, 190, 82, 200);
                cairo_line_to(c, 94, 200);
                cairo_curve_to(c, 96, 190, 106, 170, 116, 141);
                cairo_close_path(c);
            },
            Scale(l.dressColour, 0.55));
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 60, 141);
                cairo_curve_to(c, 70, 170, 80, 190, 82, 200);
                cairo_move_to(c, 116, 141);
                cairo_curve_to(c, 106, 170, 96, 190, 94, 200);
            },
            l.trim, 3);
        Fill(
            cr, [](cairo_t* c) { Ellipse(c, 64, 160, 6, 6); }, kGold);
        Fill(
            cr, [](cairo_t* c) { Ellipse(c, 63, 159, 2.5, 2.5); }, 0xfff2c0);
        break;
    case Dress::Ermine: { // a white fur collar with black tails
        const PathFn collar = [](cairo_t* c) {
            cairo_move_to(c, 30, 160);
            cairo_curve_to(c, 50, 140, 126, 140, 146, 160);
            cairo_curve_to(c, 130, 178, 46, 178, 30, 160);
            cairo_close_path(c);
        };
        Shaded(cr, collar, 0xf2efe6, 4, 4, 0.82);
        for (double x : {44.0, 62.0, 80.0, 98.0, 116.0, 132.0})
            Fill(
                cr,
                [x](cairo_t* c) {
                    cairo_move_to(c, x, 158);
                    cairo_line_to(c, x + 2.5, 166);
                    cairo_line_to(c, x - 2.5, 166);
                    cairo_close_path(c);
                },
                kInk);
        Fill(
            cr, [](cairo_t* c) { Ellipse(c, kCx, 176, 7, 5); }, kGold);
        break;
    }
    case Dress::CrossCollar: // a wide collar crossed left over right
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 64, 141);
                cairo_line_to(c, 102, 200);
            },
            l.trim, 9);
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 112, 141);
                cairo_line_to(c, 86, 172);
            },
            l.trim, 9);
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 30, 180);
                cairo_curve_to(c, 40, 170, 50, 175, 56, 182);
                cairo_move_to(c, 124, 182);
                cairo_curve_to(c, 130, 172, 142, 172, 150, 180);
            },
            Scale(l.dressColour, 0.65), 2.5);
        break;
    case Dress::Toga: // a white toga over one shoulder with a purple edge
        Fill(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 4, 200);
                cairo_curve_to(c, 8, 162, 30, 146, 66, 140);
                cairo_curve_to(c, 90, 160, 120, 180, 140, 200);
                cairo_close_path(c);
            },
            0xece6d6);
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 66, 141);
                cairo_curve_to(c, 90, 161, 120, 181, 140, 200);
            },
            l.trim, 5);
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 30, 170);
                cairo_curve_to(c, 50, 180, 70, 186, 90, 198);
                cairo_move_to(c, 22, 186);
                cairo_curve_to(c, 36, 190, 50, 194, 60, 200);
            },
            0xb9b09a, 2);
        break;
    case Dress::Kaftan: // a kaftan with gold frogging down the chest
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, kCx, 150);
                cairo_line_to(c, kCx, 200);
            },
            Scale(l.dressColour, 0.6), 3);
        for (double y : {160.0, 172.0, 184.0, 196.0})
            Stroke(
                cr,
                [y](cairo_t* c) {
                    cairo_move_to(c, kCx - 10, y);
                    cairo_line_to(c, kCx + 10, y);
                },
                kGold, 3);
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 66, 141);
                cairo_curve_to(c, 72, 150, 80, 152, kCx, 152);
                cairo_curve_to(c, 96, 152, 104, 150, 110, 141);
            },
            l.trim, 5);
        break;
    case Dress::Fur: { // a fur collar round the neck and shoulders, pinned with a round brooch
        const PathFn collar = [](cairo_t* c) {
            cairo_move_to(c, 22, 172);
            cairo_curve_to(c, 34, 146, 56, 136, kCx, 136);
            cairo_curve_to(c, 120, 136, 142, 146, 154, 172);
            cairo_curve_to(c, 136, 160, 116, 156, kCx, 156);
            cairo_curve_to(c, 60, 156, 40, 160, 22, 172);
            cairo_close_path(c);
        };
        Shaded(cr, collar, l.trim, 4, 4, 0.72);
        for (double x = 30; x < 150; x += 7)
            Stroke(
                cr,
                [x](cairo_t* c) {
                    const double y = 150 + std::abs(x - kCx) * 0.22;
                    cairo_move_to(c, x, y - 6);
                    cairo_line_to(c, x + 2, y + 2);
                },
                Scale(l.trim, 0.65), 1.5);
        Fill(
            cr, [](cairo_t* c) { Ellipse(c, 122, 168, 7, 7); }, kGoldShade);
        Fill(
            cr, [](cairo_t* c) { Ellipse(c, 121, 167, 3.5, 3.5); }, kGold);
        break;
    }
    case Dress::Poncho: // a woven tunic with a band of squares
        for (int k = 0; k < 9; ++k) {
            const double x = 44 + k * 10;
            Fill(
                cr, [x](cairo_t* c) { cairo_rectangle(c, x, 168, 9, 9); }, k % 2 ? l.trim : 0xf0d9a0);
            Fill(
                cr, [x](cairo_t* c) { cairo_rectangle(c, x + 3, 171, 3, 3); }, kInk);
        }
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 40, 166);
                cairo_line_to(c, 136, 166);
                cairo_move_to(c, 40, 179);
                cairo_line_to(c, 136, 179);
            },
            kInk, 1.5);
        break;
    case Dress::Plain:
        Stroke(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, 66, 141);
                cairo_curve_to(c, 72, 152, 104, 152, 110, 141);
            },
            l.trim, 4);
        break;
    }
}

void DrawHatBack(cairo_t* cr, const Look& l) {
    switch (l.hat) {
    case Hat::Keffiyeh: // the cloth falls behind the head to the shoulders
        Shaded(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, kCx - 34, 70);
                cairo_curve_to(c, kCx - 40, 110, kCx - 44, 140, kCx - 50, 156);
                cairo_line_to(c, kCx + 50, 156);
                cairo_curve_to(c, kCx + 44, 140, kCx + 40, 110, kCx + 34, 70);
                cairo_close_path(c);
            },
            l.hatColour, 8, 2, 0.78);
        break;
    case Hat::Feathers:
    case Hat::Llautu: { // a fan of plumes behind the head
        const int count = l.hat == Hat::Feathers ? 11 : 3;
        const double spread = l.hat == Hat::Feathers ? 1.9 : 0.35, length = l.hat == Hat::Feathers ? 62 : 30;
        for (int k = 0; k < count; ++k) {
            const double a = -kPi / 2 + spread * ((k + 0.5) / count - 0.5) * 2 / 2 * 1.2;
            const double bx = kCx, by = 70;
            const double tx = bx + std::cos(a) * length, ty = by + std::sin(a) * length;
            const uint32_t c = k % 2 ? l.hatColour : l.hatTrim;
            Fill(
                cr,
                [=](cairo_t* p) {
                    const double nx = -std::sin(a) * 7, ny = std::cos(a) * 7;
                    cairo_move_to(p, bx, by);
                    cairo_curve_to(p, bx + nx * 1.4, by + ny * 1.4, tx + nx, ty + ny, tx, ty);
                    cairo_curve_to(p, tx - nx, ty - ny, bx - nx * 1.4, by - ny * 1.4, bx, by);
                    cairo_close_path(p);
                },
                c);
            Stroke(
                cr,
                [=](cairo_t* p) {
                    cairo_move_to(p, bx, by);
                    cairo_line_to(p, tx, ty);
                },
                Scale(c, 0.6), 1);
            if (l.hat == Hat::Feathers)
                Fill(
                    cr, [=](cairo_t* p) { Ellipse(p, tx - std::cos(a) * 6, ty - std::sin(a) * 6, 3, 3); },
                    0xf2efe6);
        }
        break;
    }
    case Hat::Hood:
        Shaded(
            cr,
            [](cairo_t* c) {
                Ellipse(c, kCx, 92, 38, 44);
                cairo_rectangle(c, kCx - 42, 100, 84, 45);
            },
            l.hatColour, 6, 4);
        break;
    default:
        break;
    }
}

void Band(cairo_t* cr, double y, double h, uint32_t c) {
    Shaded(
        cr,
        [=](cairo_t* p) {
            cairo_move_to(p, kCx - kHeadRx - 2, y + h);
            cairo_curve_to(p, kCx - kHeadRx, y - 4, kCx + kHeadRx, y - 4, kCx + kHeadRx + 2, y + h);
            cairo_curve_to(p, kCx + kHeadRx, y + h - 6, kCx - kHeadRx, y + h - 6, kCx - kHeadRx - 2, y + h);
            cairo_close_path(p);
        },
        c, 4, 2);
}

void CrownPoints(cairo_t* cr, double base, double height, int points, uint32_t jewel) {
    const double left = kCx - 26, right = kCx + 26;
    Shaded(
        cr,
        [=](cairo_t* p) {
            cairo_move_to(p, left, base);
            for (int k = 0; k <= points * 2; ++k) {
                const double x = left + (right - left) * k / (points * 2);
                cairo_line_to(p, x, k % 2 ? base - height * 0.55 : base - height);
            }
            cairo_line_to(p, right, base);
            cairo_curve_to(p, right - 10, base + 5, left + 10, base + 5, left, base);
            cairo_close_path(p);
        },
        kGold, 5, 3, 0.7);
    for (int k = 0; k <= points; ++k) {
        const double x = left + (right - left) * k / points;
        Fill(
            cr, [=](cairo_t* p) { Ellipse(p, x, base - height - 1, 2.5, 2.5); }, kGold);
    }
    for (int k = 0; k < 3; ++k)
        Fill(
            cr, [=](cairo_t* p) { Ellipse(p, kCx - 14 + k * 14, base - 4, 3, 3); },
            k == 1 ? jewel : 0x2f6fd6);
}

void DrawHatFront(cairo_t* cr, const Look& l) {
    switch (l.hat) {
    case Hat::None:
    case Hat::Hood:
        break;
    case Hat::Keffiyeh:
        Shaded(
            cr,
            [](cairo_t* c) {
                cairo_move_to(c, kCx - 32, 104);
                cairo_curve_to(c, kCx - 36, 60, kCx - 20, 54, kCx, 54);
                cairo_curve_to(c, kCx + 20, 54, kCx + 36, 60, kCx + 32, 104);
                cairo_line_to(c, kCx + 24, 104);
                cairo_curve_to(c, kCx + 24, 80, kCx + 20, 76, kCx, 76);
                cairo_curve_to(c, kCx - 20, 76, kCx - 24, 80, kCx - 24, 104);
                cairo_close_path(c);
            },
            l.hatColour, 5, 4, 0.8);
        Band(cr, 68, 9, l.hatTrim);
        break;
    case Hat::Feathers:
        Band(cr, 66, 12, kGold);
        for (int k = 0; k < 5; ++k)
            Fill(
                cr, [k](cairo_t* p) { cairo_rectangle(p, kCx - 20 + k * 9, 69, 4, 4); }, 0x2f9f9f);
        break;
    case Hat::Crown:
        CrownPoints(cr, 72, 22, 4, 0xd63a2f);
        break;
    case Hat::FrankCrown:
        CrownPoints(cr, 72, 18, 3, 0x2fa84f);
        Stroke(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx, 54);
                cairo_line_to(p, kCx, 40);
                cairo_move_to(p, kCx - 5, 46);
                cairo_line_to(p, kCx + 5, 46);
            },
            kGold, 2.5);
        break;
    case Hat::ArchedCrown:
        Shaded(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - 24, 72);
                cairo_curve_to(p, kCx - 26, 40, kCx + 26, 40, kCx + 24, 72);
                cairo_close_path(p);
            },
            l.hatColour, 5, 3);
        Stroke(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - 24, 72);
                cairo_curve_to(p, kCx - 26, 40, kCx + 26, 40, kCx + 24, 72);
                cairo_move_to(p, kCx, 72);
                cairo_line_to(p, kCx, 45);
            },
            kGold, 3);
        Band(cr, 66, 10, kGold);
        Fill(
            cr, [](cairo_t* p) { Ellipse(p, kCx, 40, 4, 4); }, kGold);
        break;
    case Hat::ChineseCap:
        Shaded(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - 24, 74);
                cairo_curve_to(p, kCx - 24, 52, kCx + 24, 52, kCx + 24, 74);
                cairo_close_path(p);
            },
            l.hatColour, 4, 3);
        Shaded(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - 40, 50);
                cairo_line_to(p, kCx + 40, 46);
                cairo_line_to(p, kCx + 40, 52);
                cairo_line_to(p, kCx - 40, 56);
                cairo_close_path(p);
            },
            l.hatColour, 0, 3);
        for (int side : {-1, 1})
            for (int k = 0; k < 3; ++k) {
                const double x = kCx + side * (30 + k * 4);
                for (int b = 0; b < 4; ++b)
                    Fill(
                        cr, [=](cairo_t* p) { Ellipse(p, x, 58 + b * 5, 1.7, 1.7); },
                        b % 2 ? l.hatTrim : kGold);
            }
        Band(cr, 66, 8, kGold);
        break;
    case Hat::TallCrown:
        Shaded(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - 24, 74);
                cairo_line_to(p, kCx - 20, 30);
                cairo_line_to(p, kCx + 20, 30);
                cairo_line_to(p, kCx + 24, 74);
                cairo_close_path(p);
            },
            l.hatColour, 6, 0, 0.78);
        for (int k = 0; k < 6; ++k)
            Stroke(
                cr,
                [k](cairo_t* p) {
                    const double x = kCx - 17 + k * 7;
                    cairo_move_to(p, x, 34);
                    cairo_line_to(p, x + (x - kCx) * 0.15, 68);
                },
                Scale(l.hatColour, 0.6), 1.5);
        Band(cr, 28, 6, kGold);
        Band(cr, 66, 9, kGold);
        break;
    case Hat::Laurel:
        for (int side : {-1, 1})
            for (int k = 0; k < 7; ++k) {
                const double a = kPi * (0.95 - k * 0.07);
                const double x = kCx + side * std::cos(a) * -28, y = 80 - std::sin(a) * 16 - k * 1.5;
                Fill(
                    cr,
                    [=](cairo_t* p) {
                        cairo_save(p);
                        cairo_translate(p, x, y);
                        cairo_rotate(p, side * (0.6 + k * 0.1));
                        Ellipse(p, 0, 0, 6, 2.6);
                        cairo_restore(p);
                    },
                    k % 2 ? 0x5a8a3a : 0x3e6a2a);
            }
        break;
    case Hat::Turban:
        Shaded(
            cr, [](cairo_t* p) { Ellipse(p, kCx, 58, 36, 26); }, l.hatColour, 7, 5, 0.8);
        for (int k = 0; k < 3; ++k)
            Stroke(
                cr,
                [k](cairo_t* p) {
                    cairo_move_to(p, kCx - 34, 60 + k * 6);
                    cairo_curve_to(p, kCx - 10, 44 + k * 10, kCx + 10, 48 + k * 10, kCx + 34, 52 + k * 6);
                },
                Scale(l.hatColour, 0.78), 1.5);
        Fill(
            cr, [](cairo_t* p) { Ellipse(p, kCx, 36, 12, 8); }, l.hatTrim);
        Fill(
            cr, [](cairo_t* p) { Ellipse(p, kCx + 2, 56, 5, 6); }, kGold);
        Fill(
            cr, [](cairo_t* p) { Ellipse(p, kCx + 2, 56, 2.5, 3); }, 0xd63a2f);
        Stroke(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx + 2, 50);
                cairo_curve_to(p, kCx + 4, 36, kCx + 14, 28, kCx + 20, 24);
            },
            0xf2efe6, 4);
        break;
    case Hat::Helmet:
        Shaded(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - 29, 80);
                cairo_curve_to(p, kCx - 30, 52, kCx - 10, 36, kCx, 34);
                cairo_curve_to(p, kCx + 10, 36, kCx + 30, 52, kCx + 29, 80);
                cairo_close_path(p);
            },
            l.hatColour, 6, 3, 0.7);
        Stroke(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx, 36);
                cairo_line_to(p, kCx, 78);
            },
            Scale(l.hatColour, 0.6), 4);
        Band(cr, 72, 8, Scale(l.hatColour, 0.8));
        Fill(
            cr, [](cairo_t* p) { Ellipse(p, kCx - 14, 52, 5, 7); }, Scale(l.hatColour, 1.25));
        break;
    case Hat::Llautu:
        Band(cr, 68, 9, l.hatTrim);
        Fill(
            cr, [](cairo_t* p) { cairo_rectangle(p, kCx - 13, 74, 26, 10); }, 0xd63a2f);
        for (int k = 0; k < 6; ++k)
            Stroke(
                cr,
                [k](cairo_t* p) {
                    cairo_move_to(p, kCx - 11 + k * 4.4, 76);
                    cairo_line_to(p, kCx - 11 + k * 4.4, 84);
                },
                0x9a2a22, 1.2);
        Fill(
            cr, [](cairo_t* p) { Ellipse(p, kCx, 66, 5, 4); }, kGold);
        break;
    case Hat::Headband:
        Band(cr, 70, 8, l.hatTrim);
        Stroke(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx + 20, 70);
                cairo_curve_to(p, kCx + 26, 56, kCx + 30, 44, kCx + 30, 34);
            },
            0xf2efe6, 5);
        Stroke(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx + 20, 70);
                cairo_curve_to(p, kCx + 26, 56, kCx + 30, 44, kCx + 30, 34);
            },
            kInk, 1);
        break;
    case Hat::ScholarCap:
        Shaded(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - 28, 76);
                cairo_curve_to(p, kCx - 30, 50, kCx + 30, 50, kCx + 28, 76);
                cairo_curve_to(p, kCx + 10, 70, kCx - 10, 70, kCx - 28, 76);
                cairo_close_path(p);
            },
            l.hatColour, 5, 3);
        break;
    }
}

void DrawHair(cairo_t* cr, const Look& l) {
    // The hair on top of the head and behind the ears.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 180, 84);
    cairo_clip(cr);
    Shaded(
        cr, [](cairo_t* p) { Ellipse(p, kCx, kHeadY - 4, kHeadRx + 3, kHeadRy + 2); }, l.hair, 5, 3, 0.7);
    cairo_restore(cr);
}

void DrawBeard(cairo_t* cr, const Look& l) {
    const uint32_t c = l.hair;
    switch (l.beard) {
    case Beard::None:
        break;
    case Beard::Short:
        Shaded(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - kHeadRx + 1, 100);
                cairo_curve_to(p, kCx - 24, 128, kCx - 12, 138, kCx, 138);
                cairo_curve_to(p, kCx + 12, 138, kCx + 24, 128, kCx + kHeadRx - 1, 100);
                cairo_curve_to(p, kCx + 18, 118, kCx + 10, 110, kCx, 110);
                cairo_curve_to(p, kCx - 10, 110, kCx - 18, 118, kCx - kHeadRx + 1, 100);
                cairo_close_path(p);
            },
            c, 4, 3);
        break;
    case Beard::Full:
    case Beard::Square:
    case Beard::Braided: {
        const double bottom = l.beard == Beard::Full ? 150 : 156;
        Shaded(
            cr,
            [=](cairo_t* p) {
                cairo_move_to(p, kCx - kHeadRx + 1, 96);
                if (l.beard == Beard::Square) {
                    cairo_line_to(p, kCx - 20, bottom);
                    cairo_line_to(p, kCx + 20, bottom);
                } else {
                    cairo_curve_to(p, kCx - 26, 130, kCx - 14, bottom, kCx, bottom);
                    cairo_curve_to(p, kCx + 14, bottom, kCx + 26, 130, kCx + kHeadRx - 1, 96);
                }
                cairo_line_to(p, kCx + kHeadRx - 1, 96);
                cairo_curve_to(p, kCx + 18, 116, kCx + 10, 110, kCx, 110);
                cairo_curve_to(p, kCx - 10, 110, kCx - 18, 116, kCx - kHeadRx + 1, 96);
                cairo_close_path(p);
            },
            c, 5, 3);
        if (l.beard == Beard::Square)
            for (int row = 0; row < 4; ++row)
                for (int k = 0; k < 5; ++k)
                    Stroke(
                        cr,
                        [=](cairo_t* p) { cairo_arc(p, kCx - 14 + k * 7, 124 + row * 8, 2.5, 0, kPi * 1.5); },
                        Scale(c, 0.6), 1.2);
        if (l.beard == Beard::Braided)
            for (int side : {-1, 1})
                for (int k = 0; k < 3; ++k)
                    Fill(
                        cr, [=](cairo_t* p) { Ellipse(p, kCx + side * 6, 146 + k * 6, 3.2, 3.6); },
                        Scale(c, k % 2 ? 0.8 : 1.0));
        break;
    }
    case Beard::Thin:
        Stroke(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - 4, 114);
                cairo_curve_to(p, kCx - 14, 116, kCx - 16, 124, kCx - 20, 136);
                cairo_move_to(p, kCx + 4, 114);
                cairo_curve_to(p, kCx + 14, 116, kCx + 16, 124, kCx + 20, 136);
            },
            c, 2);
        Fill(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx - 4, 124);
                cairo_line_to(p, kCx + 4, 124);
                cairo_line_to(p, kCx, 144);
                cairo_close_path(p);
            },
            c);
        break;
    }
    // A moustache over every beard.
    if (l.beard == Beard::Short || l.beard == Beard::Full || l.beard == Beard::Square ||
        l.beard == Beard::Braided)
        Fill(
            cr,
            [](cairo_t* p) {
                cairo_move_to(p, kCx, 111);
                cairo_curve_to(p, kCx - 8, 108, kCx - 14, 112, kCx - 15, 118);
                cairo_curve_to(p, kCx - 8, 115, kCx - 4, 116, kCx, 115);
                cairo_curve_to(p, kCx + 4, 116, kCx + 8, 115, kCx + 15, 118);
                cairo_curve_to(p, kCx + 14, 112, kCx + 8, 108, kCx, 111);
                cairo_close_path(p);
            },
            Scale(c, 0.85));
}

void DrawFace(cairo_t* cr, const Look& l) {
    const uint32_t shade = Scale(l.skin, 0.74);
    // Neck and ears.
    Shaded(
        cr, [](cairo_t* p) { cairo_rectangle(p, kCx - 12, 118, 24, 28); }, shade, 4, 0, 0.85);
    for (int side : {-1, 1})
        Shaded(
            cr, [side](cairo_t* p) { Ellipse(p, kCx + side * (kHeadRx - 1), kHeadY + 2, 5, 8.5); }, l.skin, 2,
            2);
    Shaded(cr, HeadPath, l.skin, 7, 5, 0.8);
    // A soft highlight on the forehead and cheek.
    Fill(
        cr, [](cairo_t* p) { Ellipse(p, kCx - 11, 80, 7, 5); }, Scale(l.skin, 1.1));
    // Brows, eyes, nose and mouth.
    for (int side : {-1, 1}) {
        const double ex = kCx + side * 10.5;
        Stroke(
            cr,
            [=](cairo_t* p) {
                cairo_move_to(p, ex - 6, 87 + (side < 0 ? 0.5 : 0));
                cairo_curve_to(p, ex - 2, 84, ex + 2, 84, ex + 6, 87);
            },
            Scale(l.hair == 0xe8e4dc ? 0x9a948a : l.hair, 0.9), 2.2);
        Fill(
            cr, [=](cairo_t* p) { Ellipse(p, ex, 93, 4.2, 2.2); }, 0xf4eee0);
        Fill(
            cr, [=](cairo_t* p) { Ellipse(p, ex + 0.5, 93, 2.2, 2.2); }, 0x3a2a1c);
        Stroke(
            cr,
            [=](cairo_t* p) {
                cairo_move_to(p, ex - 4.5, 92.5);
                cairo_curve_to(p, ex - 2, 90, ex + 2, 90, ex + 4.5, 92.5);
            },
            Scale(l.skin, 0.5), 1.2);
    }
    Fill(
        cr,
        [](cairo_t* p) {
            cairo_move_to(p, kCx, 92);
            cairo_curve_to(p, kCx + 2, 100, kCx + 6, 104, kCx + 5, 107);
            cairo_curve_to(p, kCx + 2, 109, kCx - 2, 108, kCx - 4, 107);
            cairo_close_path(p);
        },
        shade);
    Stroke(
        cr,
        [](cairo_t* p) {
            cairo_move_to(p, kCx - 7, 116);
            cairo_curve_to(p, kCx - 3, 117.5, kCx + 3, 117.5, kCx + 7, 116);
        },
        Scale(l.skin, 0.55), 2);
}

void DrawPortrait(cairo_t* cr, const Look& l) {
    Backdrop(cr, 180, 200, l.backTop, l.backBottom);
    DrawHatBack(cr, l);
    DrawDress(cr, l);
    DrawFace(cr, l);
    if (l.hat != Hat::Keffiyeh && l.hat != Hat::Hood && l.hat != Hat::Turban) DrawHair(cr, l);
    DrawBeard(cr, l);
    DrawHatFront(cr, l);
}

// Nations 1..13: Arabians, Aztecs, Britons, Chinese, Franks, Germans, Persians, Romans,
// Turks, Vikings, two unused places (a herald and a scribe), the natives.
const Look kLooks[13] = {
    {0xe9c98a, 0x9a6a3a, 0xc6925e, 0x2a1e16, Beard::Full, Hat::Keffiyeh, 0xf2efe6, 0x2a1e16, Dress::Robe,
     0x6a4a2e, kGold},
    {0x8fb0a0, 0x3e5a4a, 0xa66a40, 0x1f1612, Beard::None, Hat::Feathers, 0x2fa84f, 0x1f7a8a, Dress::Cape,
     0x2f9f9f, kGold},
    {0x9aa8c8, 0x3a4660, 0xe6b796, 0x6a4020, Beard::Short, Hat::Crown, 0, 0, Dress::Ermine, 0xa8282a, kGold},
    {0xd8c48a, 0x7a5a2a, 0xe2b98a, 0x1f1612, Beard::Thin, Hat::ChineseCap, 0x1f1a18, 0xd63a2f,
     Dress::CrossCollar, 0xd9a92a, 0x7a2a1a},
    {0xa8b4d0, 0x404a70, 0xe8bc9c, 0xe8e4dc, Beard::Full, Hat::FrankCrown, 0, 0, Dress::Cape, 0x2f4f9f,
     kGold},
    {0xc8b898, 0x5a4a30, 0xe8bc9c, 0xa8482a, Beard::Short, Hat::ArchedCrown, 0xa8282a, 0, Dress::Fur,
     0x2a2a2a, 0x8a6a48},
    {0xd8b47a, 0x6a4a2a, 0xc9986a, 0x1f1612, Beard::Square, Hat::TallCrown, 0xe8c478, 0, Dress::Robe,
     0x6a3a8a, kGold},
    {0xc8a88a, 0x6a4a3a, 0xdcae8a, 0x3a2a1c, Beard::None, Hat::Laurel, 0, 0, Dress::Toga, 0xece6d6, 0x7a2a7a},
    {0xb8c8b0, 0x4a5a44, 0xd2a47a, 0x2a1e16, Beard::Full, Hat::Turban, 0xf2efe6, 0xd63a2f, Dress::Kaftan,
     0xa8282a, kGold},
    {0x9ab0b8, 0x3a4a54, 0xeac2a2, 0xd8a84a, Beard::Braided, Hat::Helmet, 0x8a8e94, 0, Dress::Fur, 0x3a5a8a,
     0x8a6a48},
    {0xc8bc9c, 0x5a4e3a, 0xdcae8a, 0x5a3a20, Beard::Short, Hat::Hood, 0x5a6448, 0, Dress::Plain, 0x5a6448,
     kGoldShade},
    {0xd0c0a0, 0x6a5a3a, 0xd8a880, 0x8a8078, Beard::Full, Hat::ScholarCap, 0x38240f, 0, Dress::Plain,
     0x38240f, kGoldShade},
    {0xe0b070, 0x7a4a2a, 0xa86a42, 0x1f1612, Beard::None, Hat::Llautu, 0xf0c93a, 0x2a1e16, Dress::Poncho,
     0xb83a2a, 0x2f6f4a},
};

// The natives' chief: an elder with a feathered headband before his village.
void DrawChief(cairo_t* cr) {
    Backdrop(cr, 180, 200, 0xf0c890, 0x8a6a3a);
    for (int k = 0; k < 3; ++k) {
        const double x = 16 + k * 64, base = 132;
        Shaded(
            cr,
            [=](cairo_t* p) {
                cairo_move_to(p, x - 18, base);
                cairo_line_to(p, x, base - 40);
                cairo_line_to(p, x + 18, base);
                cairo_close_path(p);
            },
            0xb89a68, 8, 0);
        Fill(
            cr,
            [=](cairo_t* p) {
                cairo_move_to(p, x - 4, base);
                cairo_line_to(p, x, base - 14);
                cairo_line_to(p, x + 4, base);
                cairo_close_path(p);
            },
            0x38240f);
    }
    Fill(
        cr, [](cairo_t* p) { cairo_rectangle(p, 0, 130, 180, 70); }, 0x6f8a43);
    const Look chief{0, 0,        0xa86a42,      0x2a2420, Beard::None, Hat::Headband,
                     0, 0xd63a2f, Dress::Poncho, 0x8a5a30, 0xd63a2f};
    DrawDress(cr, chief);
    DrawFace(cr, chief);
    DrawHair(cr, chief);
    // Long hair to the shoulders.
    for (int side : {-1, 1})
        Shaded(
            cr, [side](cairo_t* p) { cairo_rectangle(p, kCx + side * (kHeadRx + 1) - 5, 84, 10, 56); },
            chief.hair, 3, 0, 0.8);
    DrawHatFront(cr, chief);
}

void Wheel(cairo_t* cr, double x, double y, double r) {
    Stroke(
        cr, [=](cairo_t* p) { cairo_arc(p, x, y, r, 0, 2 * kPi); }, 0x38240f, 3);
    for (int k = 0; k < 6; ++k)
        Stroke(
            cr,
            [=](cairo_t* p) {
                cairo_move_to(p, x, y);
                cairo_line_to(p, x + std::cos(k * kPi / 3) * r, y + std::sin(k * kPi / 3) * r);
            },
            0x5c3c1c, 1.5);
}

void Hills(cairo_t* cr, uint32_t sky1, uint32_t sky2) {
    Backdrop(cr, 180, 200, sky1, sky2);
    Shaded(
        cr,
        [](cairo_t* p) {
            cairo_move_to(p, 0, 120);
            cairo_curve_to(p, 40, 96, 80, 100, 110, 114);
            cairo_curve_to(p, 140, 100, 160, 98, 180, 104);
            cairo_line_to(p, 180, 200);
            cairo_line_to(p, 0, 200);
            cairo_close_path(p);
        },
        0x5a6448, 0, -6, 0.8);
    Fill(
        cr,
        [](cairo_t* p) {
            cairo_move_to(p, 0, 140);
            cairo_curve_to(p, 60, 130, 120, 132, 180, 138);
            cairo_line_to(p, 180, 200);
            cairo_line_to(p, 0, 200);
            cairo_close_path(p);
        },
        0x6f9a43);
}

// A covered wagon with its ox on the road.
void DrawTrade(cairo_t* cr) {
    Hills(cr, 0x8c607a, 0xf9b86b);
    Fill(
        cr,
        [](cairo_t* p) {
            cairo_move_to(p, 0, 176);
            cairo_curve_to(p, 60, 160, 120, 164, 180, 156);
            cairo_line_to(p, 180, 176);
            cairo_curve_to(p, 120, 184, 60, 182, 0, 196);
            cairo_close_path(p);
        },
        0xb89e68);
    Fill(
        cr, [](cairo_t* p) { Ellipse(p, 96, 178, 70, 6); }, 0x3e5430);
    // The ox in front (left), the wagon behind.
    Shaded(
        cr,
        [](cairo_t* p) {
            Ellipse(p, 46, 148, 24, 14);
            Ellipse(p, 20, 146, 9, 8);
            cairo_rectangle(p, 28, 150, 5, 26);
            cairo_rectangle(p, 58, 150, 5, 26);
        },
        0x8a5a34, 4, 3);
    Stroke(
        cr,
        [](cairo_t* p) {
            cairo_move_to(p, 14, 140);
            cairo_curve_to(p, 10, 134, 12, 130, 16, 130);
            cairo_move_to(p, 24, 139);
            cairo_curve_to(p, 28, 134, 26, 130, 22, 130);
        },
        0xf2efe6, 2);
    Stroke(
        cr,
        [](cairo_t* p) {
            cairo_move_to(p, 62, 144);
            cairo_line_to(p, 96, 150);
        },
        0x38240f, 3);
    Shaded(
        cr, [](cairo_t* p) { cairo_rectangle(p, 90, 132, 76, 24); }, 0x7a4a22, 6, 4);
    Shaded(
        cr,
        [](cairo_t* p) {
            cairo_move_to(p, 92, 134);
            cairo_curve_to(p, 90, 90, 168, 90, 164, 134);
            cairo_close_path(p);
        },
        0xf2e6c8, 10, 4, 0.82);
    for (double x : {112.0, 128.0, 144.0})
        Stroke(
            cr,
            [x](cairo_t* p) {
                cairo_move_to(p, x, 102);
                cairo_line_to(p, x + 1, 134);
            },
            0xc8b89a, 1.5);
    Wheel(cr, 104, 160, 14);
    Wheel(cr, 152, 160, 14);
}

// A find: an opened chest of gold before a cairn.
void DrawFind(cairo_t* cr) {
    Hills(cr, 0x1a2150, 0xf9b86b);
    for (int k = 0; k < 4; ++k)
        Shaded(
            cr, [k](cairo_t* p) { Ellipse(p, 130 + (k % 2) * 14 - 7, 128 - k * 12, 14 - k * 2, 8); },
            0x9a948a, 3, 3);
    Fill(
        cr, [](cairo_t* p) { Ellipse(p, 80, 178, 52, 7); }, 0x3e5430);
    // The lid, open behind.
    Shaded(
        cr,
        [](cairo_t* p) {
            cairo_move_to(p, 44, 130);
            cairo_line_to(p, 50, 100);
            cairo_line_to(p, 114, 100);
            cairo_line_to(p, 116, 130);
            cairo_close_path(p);
        },
        0x7a4a22, 5, 3);
    Fill(
        cr, [](cairo_t* p) { Ellipse(p, 80, 130, 36, 8); }, kGold);
    for (int k = 0; k < 9; ++k)
        Fill(
            cr, [k](cairo_t* p) { Ellipse(p, 52 + k * 7, 128 - (k % 3) * 3, 4.5, 2.5); },
            k % 2 ? kGold : 0xf6dca0);
    Shaded(
        cr, [](cairo_t* p) { cairo_rectangle(p, 40, 132, 80, 42); }, 0x8a5a2a, 6, 4);
    for (double x : {46.0, 108.0})
        Fill(
            cr, [x](cairo_t* p) { cairo_rectangle(p, x, 132, 6, 42); }, kGoldShade);
    Fill(
        cr, [](cairo_t* p) { cairo_rectangle(p, 74, 140, 12, 12); }, kGold);
    Fill(
        cr, [](cairo_t* p) { cairo_rectangle(p, 78, 144, 4, 6); }, 0x38240f);
}

// The adviser: a scholar in a dark robe, a scroll in hand.
void DrawAdviser(cairo_t* cr) {
    const Look adviser{0xe9d6a8, 0x8a6a3e, 0xdcae8a,    0xe8e4dc, Beard::Full, Hat::ScholarCap,
                       0x5c3c1c, 0,        Dress::Robe, 0x38240f, kGoldShade};
    DrawPortrait(cr, adviser);
    Shaded(
        cr,
        [](cairo_t* p) {
            cairo_save(p);
            cairo_translate(p, 138, 176);
            cairo_rotate(p, -0.5);
            cairo_rectangle(p, -26, -8, 52, 16);
            cairo_restore(p);
        },
        0xf5e8c7, 3, 3, 0.8);
    Fill(
        cr,
        [](cairo_t* p) {
            cairo_save(p);
            cairo_translate(p, 138, 176);
            cairo_rotate(p, -0.5);
            Ellipse(p, -26, 0, 4, 8);
            Ellipse(p, 26, 0, 4, 8);
            cairo_restore(p);
        },
        0xd6bf8f);
}

// Ruins: broken columns and a fallen arch in the grass.
void DrawRuins(cairo_t* cr) {
    Hills(cr, 0x8c607a, 0xf9b86b);
    const uint32_t stone = 0xd8ccb0;
    const double heights[4] = {70, 96, 40, 84};
    for (int k = 0; k < 4; ++k) {
        const double x = 22 + k * 38, top = 168 - heights[k];
        Shaded(
            cr, [=](cairo_t* p) { cairo_rectangle(p, x, top, 18, heights[k]); }, stone, 5, 0, 0.75);
        for (int f = 1; f < 3; ++f)
            Stroke(
                cr,
                [=](cairo_t* p) {
                    cairo_move_to(p, x + f * 6, top + 3);
                    cairo_line_to(p, x + f * 6, 166);
                },
                0xb0a486, 1);
        Fill(
            cr,
            [=](cairo_t* p) {
                cairo_move_to(p, x - 2, top);
                cairo_line_to(p, x + 8, top - 5 + (k % 2) * 3);
                cairo_line_to(p, x + 20, top + 2);
                cairo_line_to(p, x + 20, top + 4);
                cairo_line_to(p, x - 2, top + 4);
                cairo_close_path(p);
            },
            stone);
        Shaded(
            cr, [=](cairo_t* p) { cairo_rectangle(p, x - 4, 166, 26, 8); }, 0xc4b898, 4, 0, 0.75);
    }
    // A lintel still resting on the two tallest.
    Shaded(
        cr, [](cairo_t* p) { cairo_rectangle(p, 52, 64, 60, 10); }, stone, 4, 3, 0.75);
    // A fallen drum in the grass.
    Shaded(
        cr, [](cairo_t* p) { Ellipse(p, 140, 184, 18, 7); }, 0xc4b898, 3, 3);
    Fill(
        cr, [](cairo_t* p) { Ellipse(p, 124, 184, 5, 7); }, 0xe8dcc0);
    for (int k = 0; k < 10; ++k)
        Stroke(
            cr,
            [k](cairo_t* p) {
                const double x = 8 + k * 17;
                cairo_move_to(p, x, 190);
                cairo_line_to(p, x - 2, 182);
                cairo_move_to(p, x + 3, 190);
                cairo_line_to(p, x + 4, 181);
            },
            0x3e5430, 1.5);
}

void InBox(cairo_t* cr, double x, double y, const std::function<void(cairo_t*)>& draw) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, 180, 200);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    draw(cr);
    cairo_restore(cr);
}

} // namespace

void DrawLeaderPictures(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (int n = 1; n <= 13; ++n)
        InBox(cr, (n - 1) % 5 * 180, (n - 1) / 5 * 200, [n](cairo_t* c) { DrawPortrait(c, kLooks[n - 1]); });
    // Two spare places, each with a face of its own: a grey-bearded statesman in a cape and
    // a young envoy with a woven headband.
    const Look statesman{0xb8b0a0, 0x4a4438, 0xe0b494,    0xc8c4bc, Beard::Full, Hat::None,
                         0,        0,        Dress::Cape, 0x5a3a5a, kGoldShade};
    const Look envoy{0xc8d0a8, 0x4a5a3a, 0xb88058,      0x2a1e16, Beard::Short, Hat::Headband,
                     0x2f6fd6, 0xf0c93a, Dress::Poncho, 0x2f6f4a, 0xf0c93a};
    InBox(cr, 720, 400, [&](cairo_t* c) { DrawPortrait(c, statesman); });
    InBox(cr, 540, 400, [&](cairo_t* c) { DrawPortrait(c, envoy); });
    const std::function<void(cairo_t*)> groups[5] = {DrawChief, DrawTrade, DrawFind, DrawAdviser, DrawRuins};
    for (int k = 0; k < 5; ++k) InBox(cr, 180 * k, 600, groups[k]);
}

} // namespace annals::art
