// The buildings' and wonders' pictures: small architectural portraits on a patch of
// ground, seen three-quarters from the front left, lit from the top left, with the warm
// dark outline of the map's pieces. Every picture is composed of a few shared parts
// (walls, roofs, domes, towers, a sign with the trade's mark) in a 48-unit square; a
// wonder's large picture is the same drawing, enlarged before a landscape.
#include "paint.h"
#include "sheets.h"
#include "svg_art.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace annals::art {

namespace {

constexpr uint32_t kInk = 0x2a1e16;

double gLine = 1.1; // the outline's width in the picture's units

// Fills the current path and outlines it.
void Paint(cairo_t* cr, uint32_t c, bool outline = true) {
    Hex(cr, c);
    if (!outline) {
        cairo_fill(cr);
        return;
    }
    cairo_fill_preserve(cr);
    Hex(cr, kInk);
    cairo_set_line_width(cr, gLine);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Poly(cairo_t* cr, std::initializer_list<std::pair<double, double>> points, uint32_t c,
          bool outline = true) {
    cairo_new_path(cr);
    for (const auto& [x, y] : points) cairo_line_to(cr, x, y);
    cairo_close_path(cr);
    Paint(cr, c, outline);
}

void Rect(cairo_t* cr, double x, double y, double w, double h, uint32_t c, bool outline = true) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
    Paint(cr, c, outline);
}

void Oval(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t c, bool outline = true) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    Paint(cr, c, outline);
}

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, uint32_t c, double width) {
    cairo_new_path(cr);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    Hex(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

constexpr double kDepth = 8; // how far the side wall runs back

void Ground(cairo_t* cr, uint32_t c = 0x6f9a43) {
    Oval(cr, 25, 41, 22, 5.5, Scale(c, 0.8));
    Oval(cr, 24, 40.5, 20, 4.2, c, false);
}

// A block of walls: the front face lit, the side face in shade.
void Block(cairo_t* cr, double x, double y, double w, double h, uint32_t c, double d = kDepth) {
    Poly(cr, {{x + w, y}, {x + w + d, y - d / 2}, {x + w + d, y + h - d / 2}, {x + w, y + h}}, Scale(c, 0.7));
    Rect(cr, x, y, w, h, c);
}

// A pitched roof with its gable to the front.
void Gable(cairo_t* cr, double x, double y, double w, double rise, uint32_t roof, uint32_t wall,
           double d = kDepth) {
    Poly(cr,
         {{x + w / 2, y - rise},
          {x + w + 1, y},
          {x + w + 1 + d, y - d / 2},
          {x + w / 2 + d, y - rise - d / 2}},
         roof);
    Poly(cr, {{x, y}, {x + w / 2, y - rise}, {x + w, y}}, Scale(wall, 1.05));
}

// A pitched roof with its ridge along the front.
void Ridge(cairo_t* cr, double x, double y, double w, double rise, uint32_t roof, double d = kDepth) {
    Poly(cr, {{x + w, y}, {x + w + d, y - d / 2}, {x + w + d / 2, y - rise - d / 4}}, Scale(roof, 0.7));
    Poly(cr,
         {{x - 1, y}, {x + w + 1, y}, {x + w + d / 2, y - rise - d / 4}, {x + d / 2 - 1, y - rise - d / 4}},
         roof);
}

void FlatTop(cairo_t* cr, double x, double y, double w, uint32_t c, double d = kDepth) {
    Poly(cr, {{x, y}, {x + w, y}, {x + w + d, y - d / 2}, {x + d, y - d / 2}}, Scale(c, 1.12));
}

void Dome(cairo_t* cr, double cx, double y, double r, uint32_t c) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, y, r, kPi, 2 * kPi);
    cairo_close_path(cr);
    Paint(cr, c);
    cairo_new_path(cr);
    cairo_arc(cr, cx - r * 0.3, y - r * 0.35, r * 0.35, 0, 2 * kPi);
    Hex(cr, Scale(c, 1.18));
    cairo_fill(cr);
}

void Door(cairo_t* cr, double x, double y, double w, double h, uint32_t c = 0x5c3c1c) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + h);
    cairo_line_to(cr, x, y + w / 2);
    cairo_arc(cr, x + w / 2, y + w / 2, w / 2, kPi, 2 * kPi);
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
    Paint(cr, c);
}

void Windows(cairo_t* cr, double x, double y, int count, double step, double w = 2.6, double h = 3.5) {
    for (int k = 0; k < count; ++k) Rect(cr, x + k * step, y, w, h, 0x38240f, false);
}

void Columns(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t c) {
    const double step = w / (count - 1);
    for (int k = 0; k < count; ++k) Rect(cr, x + k * step - 1.3, y, 2.6, h, c);
}

enum class Mark {
    None,
    Cloth,
    Leaf,
    Grapes,
    Fur,
    Bread,
    Anvil,
    Book,
    Scales,
    Gear,
    Bolt,
    Sheaf,
    Swords,
    Bell,
    Mask,
    Cross,
    Page
};

// A sign board hanging from the front wall with the trade's mark.
void Sign(cairo_t* cr, double x, double y, Mark mark) {
    if (mark == Mark::None) return;
    Oval(cr, x, y, 6.2, 6.2, 0xf5e8c7);
    switch (mark) {
    case Mark::Cloth:
        Rect(cr, x - 3.5, y - 2.5, 7, 5, 0x2f6fd6, false);
        Line(cr, x - 3.5, y, x + 3.5, y, 0xf2f2ee, 0.8);
        break;
    case Mark::Leaf:
        Oval(cr, x, y, 2.2, 4.2, 0x8a5a2a, false);
        Line(cr, x, y - 4, x, y + 4, 0x5c3c1c, 0.6);
        break;
    case Mark::Grapes:
        for (auto [dx, dy] :
             {std::pair{-1.8, -2.0}, {1.8, -2.0}, {0.0, -2.0}, {-0.9, 0.0}, {0.9, 0.0}, {0.0, 2.0}})
            Oval(cr, x + dx, y + dy, 1.3, 1.3, 0x6a2a6a, false);
        break;
    case Mark::Fur:
        Poly(cr,
             {{x - 4, y - 3},
              {x - 1, y - 2},
              {x + 1, y - 2},
              {x + 4, y - 3},
              {x + 3, y + 1},
              {x + 1, y + 4},
              {x - 1, y + 4},
              {x - 3, y + 1}},
             0x8a5a34, false);
        break;
    case Mark::Bread:
        Oval(cr, x, y + 0.5, 4.2, 2.6, 0xc88a3a, false);
        Line(cr, x - 1.5, y - 1, x - 0.5, y + 1.5, 0xf0d9a0, 0.7);
        Line(cr, x + 1, y - 1, x + 2, y + 1.5, 0xf0d9a0, 0.7);
        break;
    case Mark::Anvil:
        Poly(cr,
             {{x - 4.5, y - 2},
              {x + 3.5, y - 2},
              {x + 2, y},
              {x + 1, y},
              {x + 2, y + 3},
              {x - 2.5, y + 3},
              {x - 1.5, y},
              {x - 3, y}},
             0x3a3a3a, false);
        break;
    case Mark::Book:
        Rect(cr, x - 4, y - 3, 8, 6, 0xa8282a, false);
        Rect(cr, x - 3, y - 2.2, 6, 3.4, 0xf2efe6, false);
        Line(cr, x, y - 2.2, x, y + 1.2, 0xa8282a, 0.6);
        break;
    case Mark::Scales:
        Line(cr, x, y - 3.5, x, y + 3.5, 0x5c3c1c, 0.8);
        Line(cr, x - 3.5, y - 2.5, x + 3.5, y - 2.5, 0x5c3c1c, 0.8);
        Oval(cr, x - 3.5, y + 0.5, 1.8, 0.9, 0xb08a54, false);
        Oval(cr, x + 3.5, y + 0.5, 1.8, 0.9, 0xb08a54, false);
        break;
    case Mark::Gear:
        for (int k = 0; k < 8; ++k)
            Line(cr, x, y, x + std::cos(k * kPi / 4) * 4.2, y + std::sin(k * kPi / 4) * 4.2, 0x5a5a5a, 1.6);
        Oval(cr, x, y, 2.8, 2.8, 0x707070, false);
        Oval(cr, x, y, 1, 1, 0xf5e8c7, false);
        break;
    case Mark::Bolt:
        Poly(cr,
             {{x + 1, y - 4.5},
              {x - 2.5, y + 0.5},
              {x, y + 0.5},
              {x - 1, y + 4.5},
              {x + 2.5, y - 0.8},
              {x, y - 0.8}},
             0xf0c93a, false);
        break;
    case Mark::Sheaf:
        for (int k = -2; k <= 2; ++k) Line(cr, x, y + 3.5, x + k * 1.2, y - 3.5, 0xc8a030, 0.9);
        Line(cr, x - 1.5, y + 1, x + 1.5, y + 1, 0x8a5a2a, 0.9);
        break;
    case Mark::Swords:
        Line(cr, x - 3.5, y - 3.5, x + 3.5, y + 3.5, 0x707070, 1.1);
        Line(cr, x + 3.5, y - 3.5, x - 3.5, y + 3.5, 0x707070, 1.1);
        break;
    case Mark::Bell:
        Poly(cr, {{x - 1.5, y - 3}, {x + 1.5, y - 3}, {x + 3.5, y + 2.5}, {x - 3.5, y + 2.5}}, 0xb08a54,
             false);
        Oval(cr, x, y + 3.2, 1, 1, 0x5c3c1c, false);
        break;
    case Mark::Mask:
        Oval(cr, x, y, 3.5, 4.2, 0xf2efe6, false);
        Oval(cr, x - 1.4, y - 0.8, 0.8, 0.8, kInk, false);
        Oval(cr, x + 1.4, y - 0.8, 0.8, 0.8, kInk, false);
        Line(cr, x - 1.5, y + 1.8, x + 1.5, y + 1.8, kInk, 0.6);
        break;
    case Mark::Cross:
        Rect(cr, x - 1.2, y - 4, 2.4, 8, 0x2fa84f, false);
        Rect(cr, x - 4, y - 1.2, 8, 2.4, 0x2fa84f, false);
        break;
    case Mark::Page:
        Rect(cr, x - 3, y - 4, 6, 8, 0xf2efe6, false);
        for (int k = 0; k < 3; ++k) Line(cr, x - 2, y - 2 + k * 2, x + 2, y - 2 + k * 2, kInk, 0.5);
        break;
    case Mark::None:
        break;
    }
}

constexpr uint32_t kPlaster = 0xe8dcc0, kStone = 0xd8ccb0, kWood = 0xa87a4a, kBrick = 0xa8583a,
                   kTile = 0xb8502e, kSlate = 0x5a6470, kThatch = 0xc8a860, kMarble = 0xf0ece0,
                   kGreenCopper = 0x6aa890;

// A small house of a trade: plaster walls under a tiled gable, its sign at the door.
void TradeHouse(cairo_t* cr, Mark mark, uint32_t wall = kPlaster, uint32_t roof = kTile) {
    Ground(cr);
    Block(cr, 10, 22, 20, 16, wall);
    Gable(cr, 10, 22, 20, 11, roof, wall);
    Door(cr, 14, 29, 5, 9);
    Windows(cr, 23, 27, 1, 0);
    Sign(cr, 34, 24, mark);
}

// A town shop: two storeys and a striped awning in the trade's colours, its wares set
// out before it: bolts of cloth on a table, a carved cigar and boxes, barrels under a
// hanging bunch of grapes, a fur coat on a stand.
void Shop(cairo_t* cr, Mark mark) {
    Ground(cr);
    Block(cr, 9, 14, 22, 24, kPlaster);
    Ridge(cr, 9, 14, 22, 7, kSlate);
    Windows(cr, 12, 17, 3, 6.5);
    const uint32_t stripe = mark == Mark::Cloth    ? 0xd63a2f
                            : mark == Mark::Leaf   ? 0x7a5a30
                            : mark == Mark::Grapes ? 0x7a2040
                                                   : 0x2f7a4f;
    for (int k = 0; k < 4; ++k)
        Poly(cr, {{9.0 + k * 5.5, 26}, {14.5 + k * 5.5, 26}, {15.5 + k * 5.5, 30}, {10.0 + k * 5.5, 30}},
             k % 2 ? 0xf2efe6 : stripe, k == 0);
    Door(cr, 13, 31, 5, 7);
    Rect(cr, 21, 31, 7, 4, 0x7a5a30);
    switch (mark) {
    case Mark::Cloth:
        Rect(cr, 33, 32, 12, 2, kWood);
        Line(cr, 34, 34, 34, 39, 0x5c3c1c, 0.9);
        Line(cr, 44, 34, 44, 39, 0x5c3c1c, 0.9);
        Rect(cr, 33.5, 29, 11, 3, 0x2f6fd6);
        Rect(cr, 34.5, 26, 9, 3, 0xf0c93a);
        Rect(cr, 35.5, 23, 7, 3, 0xd63a2f);
        break;
    case Mark::Leaf:
        Line(cr, 38, 38, 38, 18, 0x5c3c1c, 1);
        Poly(cr, {{33, 17}, {45, 15}, {46, 18.5}, {34, 20.5}}, 0x8a5a2e);
        Rect(cr, 44.5, 15.3, 1.8, 3.2, 0xef8a2f, false);
        Block(cr, 32, 33, 7, 5, 0xa87a4a, 3);
        Block(cr, 33, 29, 6, 4, 0xc8985a, 3);
        break;
    case Mark::Grapes:
        Sign(cr, 37, 18, mark);
        for (double x : {34.0, 41.0}) {
            Oval(cr, x, 35, 3.2, 3.8, 0x8a5a2e);
            Line(cr, x - 3, 35, x + 3, 35, 0x5c3c1c, 0.6);
        }
        break;
    default:
        Line(cr, 39, 38, 39, 16, 0x5c3c1c, 1.1);
        Line(cr, 35, 17, 43, 17, 0x5c3c1c, 1);
        Poly(cr, {{35, 18}, {43, 18}, {45, 33}, {33, 33}}, 0x8a6a48);
        Poly(cr, {{39, 18}, {43, 18}, {45, 33}, {39, 33}}, 0x6a4a30, false);
        Poly(cr, {{35, 18}, {39, 21}, {43, 18}, {41, 17}, {37, 17}}, 0xe8dcc0);
        break;
    }
}

// A factory of the trade: a tall textile mill of many windows with its water wheel; a long
// cigar shed with louvres along its ridge and bales before it; a wine works with two great
// vats; otherwise a brick hall with a saw-tooth roof, its sign and a tall chimney.
void Factory(cairo_t* cr, Mark mark) {
    Ground(cr, 0x7a8a5a);
    switch (mark) {
    case Mark::Cloth:
        Rect(cr, 34, 4, 4, 20, kBrick);
        Oval(cr, 38, 2, 3.5, 2, 0xd8dee2, false);
        Block(cr, 8, 12, 24, 26, kBrick, 6);
        Ridge(cr, 8, 12, 24, 5, kSlate, 6);
        for (int row = 0; row < 3; ++row) Windows(cr, 10.5, 15 + row * 7, 5, 4.3, 2.4, 4);
        Door(cr, 17, 33, 5, 5);
        Oval(cr, 37, 33, 6, 6, 0x8a5a2e);
        for (int k = 0; k < 4; ++k)
            Line(cr, 37, 33, 37 + 6 * std::cos(k * kPi / 4), 33 + 6 * std::sin(k * kPi / 4), 0x5c3c1c, 0.7);
        Poly(cr, {{31, 39}, {46, 39}, {44, 42}, {32, 42}}, 0x4f86b0, false);
        return;
    case Mark::Leaf:
        Rect(cr, 6, 8, 4, 14, kBrick);
        Oval(cr, 10, 6, 3, 1.8, 0xd8dee2, false);
        Block(cr, 4, 22, 34, 16, kBrick);
        Ridge(cr, 4, 22, 34, 7, kSlate);
        Rect(cr, 12, 13, 20, 3, Scale(kSlate, 0.8));
        for (int k = 0; k < 5; ++k) Line(cr, 13.5 + k * 4, 13.5, 13.5 + k * 4, 15.5, kInk, 0.6);
        Windows(cr, 7, 27, 5, 6, 3, 4);
        Door(cr, 32, 31, 4, 7);
        for (int k = 0; k < 2; ++k) Block(cr, 38 + k * 3, 34 - k * 4, 6, 4, 0x9a7a40, 2);
        return;
    case Mark::Grapes:
        Rect(cr, 30, 6, 4, 16, kBrick);
        Oval(cr, 34, 4, 3, 1.8, 0xd8dee2, false);
        Block(cr, 4, 22, 24, 16, kBrick);
        Ridge(cr, 4, 22, 24, 6, kTile);
        Windows(cr, 7, 27, 3, 6, 3, 4);
        Door(cr, 22, 31, 4, 7);
        for (int k = 0; k < 2; ++k) {
            const double x = 31 + k * 8;
            Rect(cr, x, 22 + k * 3, 7, 16 - k * 3, 0xb8b6b0);
            Oval(cr, x + 3.5, 22 + k * 3, 3.5, 1.5, 0xd8d6d0);
            Rect(cr, x + 5, 23 + k * 3, 2, 15 - k * 3, 0x8a8e94, false);
            Line(cr, x, 28 + k * 2, x + 7, 28 + k * 2, kInk, 0.5);
        }
        return;
    default:
        break;
    }
    Rect(cr, 31, 6, 4, 26, kBrick);
    Oval(cr, 35, 4, 3, 2, 0xb9c8d2, false);
    Oval(cr, 39, 2, 3.5, 2, 0xd8dee2, false);
    Block(cr, 6, 22, 26, 16, kBrick);
    for (int k = 0; k < 3; ++k)
        Poly(cr, {{6.0 + k * 8.7, 22}, {6.0 + k * 8.7, 15}, {14.7 + k * 8.7, 22}}, kSlate);
    Windows(cr, 9, 27, 4, 6, 3, 4);
    Door(cr, 15, 32, 5, 6);
    Sign(cr, 38, 30, mark);
}

// A public building of stone: columns under a pediment, on steps.
void Portico(cairo_t* cr, Mark mark, uint32_t stone = kMarble, bool dome = false) {
    Ground(cr);
    Block(cr, 8, 34, 28, 4, Scale(stone, 0.9));
    Block(cr, 9, 20, 26, 14, Scale(stone, 0.82));
    if (dome) Dome(cr, 26, 14, 8, kGreenCopper);
    Columns(cr, 11, 21, 22, 13, 5, stone);
    Rect(cr, 9, 17, 26, 4, stone);
    Gable(cr, 9, 17, 26, 7, Scale(stone, 0.85), stone);
    Sign(cr, 40, 24, mark);
}

// A weaver's loom shed: a long low timber shed open at the front, the loom's frame and
// its coloured warp inside, bolts of cloth hung out on a line.
void LoomShed(cairo_t* cr) {
    Ground(cr);
    Block(cr, 5, 24, 28, 14, kWood);
    Ridge(cr, 5, 24, 28, 6, kThatch);
    Rect(cr, 8, 27, 22, 11, 0x4a3020);
    for (int k = 0; k < 7; ++k)
        Line(cr, 10.5 + k * 2.8, 28, 10.5 + k * 2.8, 37, k % 2 ? 0xd63a2f : 0x2f6fd6, 0.9);
    Rect(cr, 9.5, 28, 1.6, 10, kWood);
    Rect(cr, 27, 28, 1.6, 10, kWood);
    Rect(cr, 9.5, 31.5, 19, 1.6, Scale(kWood, 1.15));
    Line(cr, 36, 38, 36, 18, 0x5c3c1c, 1.1);
    Line(cr, 44, 38, 44, 20, 0x5c3c1c, 1.1);
    Line(cr, 36, 19, 44, 21, 0x5c3c1c, 0.6);
    Rect(cr, 37, 19.5, 3, 9, 0x2f6fd6);
    Rect(cr, 40.5, 20.3, 3, 7, 0xf0c93a);
}

// A tobacco barn: a tall slatted barn with the leaves hung to dry under its eaves and on a
// rack before it.
void DryingBarn(cairo_t* cr) {
    Ground(cr);
    Block(cr, 8, 16, 20, 22, 0x8a5a2e);
    Gable(cr, 8, 16, 20, 10, kSlate, 0x8a5a2e);
    for (int k = 1; k < 7; ++k) Line(cr, 8 + k * 2.9, 17, 8 + k * 2.9, 37.5, 0x4a3020, 0.7);
    Rect(cr, 14, 28, 8, 10, 0x38240f);
    Line(cr, 32, 38, 32, 24, 0x5c3c1c, 1.1);
    Line(cr, 45, 38, 45, 24, 0x5c3c1c, 1.1);
    Line(cr, 31, 25, 46, 25, 0x5c3c1c, 1.1);
    for (int k = 0; k < 5; ++k)
        Poly(cr, {{33.5 + k * 2.6, 25.5}, {35.3 + k * 2.6, 25.5}, {34.9 + k * 2.6, 33}, {34 + k * 2.6, 33}},
             k % 2 ? 0x8a7a30 : 0x6a6a28);
}

// A winery: a stone press-house with a cellar arch, the screw press and barrels outside.
void WinePress(cairo_t* cr) {
    Ground(cr);
    Block(cr, 5, 22, 20, 16, kStone);
    Ridge(cr, 5, 22, 20, 6, kTile);
    Door(cr, 9, 29, 8, 9, 0x38240f);
    Oval(cr, 36, 34, 8, 3.2, 0x7a4a22);
    Rect(cr, 28, 30, 16, 4.5, 0x8a5a2e);
    Oval(cr, 36, 30, 8, 2.6, 0x6a2040);
    Line(cr, 36, 29, 36, 14, 0x5c3c1c, 1.6);
    Line(cr, 29, 15, 43, 13, 0x5c3c1c, 1.6);
    Oval(cr, 27, 39, 3, 2.5, 0x8a5a2e);
    Line(cr, 25, 38, 29, 38, 0x5c3c1c, 0.5);
}

// A furrier's log cabin with pelts stretched on frames to dry.
void FurCabin(cairo_t* cr) {
    Ground(cr);
    Block(cr, 5, 24, 22, 14, 0x8a5a2e);
    for (int k = 0; k < 4; ++k) Line(cr, 5, 26.5 + k * 3.2, 27, 26.5 + k * 3.2, 0x5c3c1c, 0.7);
    Ridge(cr, 5, 24, 22, 6, kSlate);
    Door(cr, 13, 30, 5, 8, 0x38240f);
    for (int k = 0; k < 2; ++k) {
        const double x = 31 + k * 8, y = 20 + k * 4;
        Poly(cr, {{x, y}, {x + 7, y}, {x + 7, y + 12}, {x, y + 12}}, 0xa87a4a, false);
        Line(cr, x, y, x, y + 16, 0x5c3c1c, 0.9);
        Line(cr, x + 7, y, x + 7, y + 16, 0x5c3c1c, 0.9);
        Poly(cr,
             {{x + 1, y + 1},
              {x + 3.5, y + 2.5},
              {x + 6, y + 1},
              {x + 5.5, y + 6},
              {x + 6, y + 11},
              {x + 3.5, y + 9.5},
              {x + 1, y + 11},
              {x + 1.5, y + 6}},
             k ? 0x6a4a30 : 0xb48a5a);
    }
}

// A smithy: an open forge under a lean-to, its chimney and fire, the anvil before it.
void Forge(cairo_t* cr) {
    Ground(cr);
    Block(cr, 5, 22, 24, 16, kStone);
    Poly(cr, {{3, 22}, {31, 22}, {37, 18}, {9, 18}}, kSlate);
    Rect(cr, 9, 26, 14, 12, 0x38240f);
    Oval(cr, 16, 35, 5, 2.6, 0xef8a2f, false);
    Oval(cr, 16, 35.5, 2.6, 1.4, 0xf0c93a, false);
    Block(cr, 24, 6, 6, 16, Scale(kStone, 0.9), 3);
    Oval(cr, 30, 4, 3, 1.8, 0xb9c8d2, false);
    Poly(cr, {{34, 32}, {44, 32}, {42, 34}, {40, 34}, {40, 38}, {37, 38}, {37, 34}, {35, 34}}, 0x5a6470);
}

// A hospital: a long white house of two storeys, a pediment over the door and a flag with
// a red cross.
void Infirmary(cairo_t* cr) {
    Ground(cr);
    Block(cr, 4, 16, 34, 22, 0xf2efe6);
    Ridge(cr, 4, 16, 34, 6, kSlate);
    Windows(cr, 7, 19, 5, 6.6);
    Windows(cr, 7, 27, 2, 6.6);
    Windows(cr, 27, 27, 2, 6.6);
    Poly(cr, {{16, 25}, {21, 21.5}, {26, 25}}, 0xe0d8c8);
    Door(cr, 18.5, 29, 5, 9);
    Line(cr, 42, 38, 42, 6, 0x5c3c1c, 1.1);
    Rect(cr, 42.5, 6, 5, 5, 0xf2f2ee);
    Rect(cr, 44.4, 6.8, 1.2, 3.4, 0xd63a2f, false);
    Rect(cr, 43.3, 7.9, 3.4, 1.2, 0xd63a2f, false);
}

// A bakery: a cottage with a brick beehive oven built on, its fire lit and smoke rising.
void Bakehouse(cairo_t* cr) {
    Ground(cr);
    Block(cr, 5, 22, 18, 16, kPlaster);
    Gable(cr, 5, 22, 18, 10, kTile, kPlaster);
    Door(cr, 9, 29, 5, 9);
    cairo_new_path(cr);
    cairo_arc(cr, 33, 38, 11, kPi, 2 * kPi);
    cairo_close_path(cr);
    Paint(cr, kBrick);
    cairo_new_path(cr);
    cairo_arc(cr, 30, 31, 3.5, 0, 2 * kPi);
    Hex(cr, Scale(kBrick, 1.2));
    cairo_fill(cr);
    Door(cr, 30, 33, 6, 5, 0x38240f);
    Oval(cr, 33, 37, 2, 1, 0xef8a2f, false);
    Rect(cr, 37, 24, 3, 5, kBrick);
    Oval(cr, 40, 20, 3, 1.8, 0xd8dee2, false);
    Oval(cr, 43, 16, 3.5, 2, 0xe8eef2, false);
}

// A printing house: a tall narrow town house with a hoist beam and printed sheets hung to
// dry in its open loft.
void PrintHouse(cairo_t* cr) {
    Ground(cr);
    Block(cr, 10, 10, 18, 28, kStone);
    Gable(cr, 10, 10, 18, 9, kSlate, kStone);
    Rect(cr, 13, 12, 12, 8, 0x38240f);
    for (int k = 0; k < 3; ++k) Rect(cr, 14 + k * 3.7, 13.5, 2.8, 4.5, 0xf5efe0, false);
    Line(cr, 13, 13, 25, 13, 0x5c3c1c, 0.5);
    Windows(cr, 13, 23, 3, 4.6, 2.8, 4);
    Door(cr, 16, 30, 6, 8);
    Line(cr, 28, 11, 34, 11, 0x5c3c1c, 1.2);
    Line(cr, 33.5, 11, 33.5, 20, kInk, 0.5);
    Rect(cr, 31.5, 20, 4, 3, 0xf5efe0);
}

void Windmill(cairo_t* cr) {
    Ground(cr);
    Poly(cr, {{15, 38}, {18, 16}, {28, 16}, {31, 38}}, kPlaster);
    Poly(cr, {{26, 16}, {28, 16}, {31, 38}, {28, 38}}, Scale(kPlaster, 0.72));
    Poly(cr, {{16, 16}, {23, 8}, {30, 16}}, kThatch);
    Door(cr, 20, 31, 5, 7);
    for (int k = 0; k < 4; ++k) {
        const double a = kPi / 4 + k * kPi / 2;
        const double ex = 23 + std::cos(a) * 17, ey = 15 + std::sin(a) * 17;
        const double nx = -std::sin(a) * 2.4, ny = std::cos(a) * 2.4;
        const double mx = 23 + std::cos(a) * 5, my = 15 + std::sin(a) * 5;
        Poly(cr, {{mx, my}, {ex, ey}, {ex + nx, ey + ny}, {mx + nx, my + ny}}, 0xf2efe6);
    }
    Oval(cr, 23, 15, 1.6, 1.6, 0x5c3c1c);
}

void Granary(cairo_t* cr) {
    Ground(cr);
    Rect(cr, 12, 18, 20, 20, kStone);
    Rect(cr, 26, 18, 6, 20, Scale(kStone, 0.72));
    Poly(cr, {{10, 19}, {22, 6}, {34, 19}}, kThatch);
    Poly(cr, {{22, 6}, {34, 19}, {26, 19}}, Scale(kThatch, 0.75));
    Door(cr, 17, 28, 6, 10);
    Sign(cr, 38, 28, Mark::Sheaf);
}

void Warehouse(cairo_t* cr) {
    Ground(cr);
    Block(cr, 5, 22, 30, 16, kWood);
    Ridge(cr, 5, 22, 30, 9, kSlate);
    for (int k = 1; k < 6; ++k) Line(cr, 5 + k * 5, 23, 5 + k * 5, 37, Scale(kWood, 0.75), 0.6);
    Rect(cr, 14, 27, 12, 11, 0x5c3c1c);
    Line(cr, 14, 27, 26, 38, kWood, 0.8);
    Line(cr, 26, 27, 14, 38, kWood, 0.8);
}

void Marketplace(cairo_t* cr) {
    Ground(cr, 0xb89e68);
    for (int k = 0; k < 3; ++k) {
        const double x = 4 + k * 13, y = 24 + (k % 2) * 6;
        Rect(cr, x + 1, y, 1.5, 10, 0x5c3c1c);
        Rect(cr, x + 10, y, 1.5, 10, 0x5c3c1c);
        Rect(cr, x, y + 6, 13, 4, kWood);
        Poly(cr, {{x - 1, y + 1}, {x + 2, y - 6}, {x + 12, y - 6}, {x + 15, y + 1}},
             k == 1 ? 0x2f6fd6 : 0xd63a2f);
        for (int s = 0; s < 3; ++s)
            Poly(cr,
                 {{x + 1.5 + s * 4, y + 1},
                  {x + 3.5 + s * 3.3, y - 6},
                  {x + 5 + s * 3.3, y - 6},
                  {x + 3.5 + s * 4, y + 1}},
                 0xf2efe6, false);
        Oval(cr, x + 4, y + 5.5, 1.6, 1.2, 0xf0c93a, false);
        Oval(cr, x + 8, y + 5.5, 1.6, 1.2, 0x6f9a43, false);
    }
}

void Stockade(cairo_t* cr) {
    Ground(cr);
    for (int k = 0; k < 9; ++k) {
        const double x = 5 + k * 4.3, y = 20 + (k % 2);
        Poly(cr, {{x, 38}, {x, y + 4}, {x + 2, y}, {x + 4, y + 4}, {x + 4, 38}},
             k % 2 ? kWood : Scale(kWood, 0.88));
    }
    Line(cr, 5, 28, 43, 28, 0x5c3c1c, 1);
}

void Fortress(cairo_t* cr) {
    Ground(cr);
    Block(cr, 6, 22, 32, 16, kStone);
    for (int k = 0; k < 6; ++k) Rect(cr, 6 + k * 5.6, 19, 3.2, 3.2, kStone);
    for (double x : {4.0, 32.0}) {
        Block(cr, x, 14, 10, 24, Scale(kStone, 0.95), 4);
        for (int k = 0; k < 3; ++k) Rect(cr, x + k * 3.6, 11, 2.6, 3, kStone);
        Rect(cr, x + 4, 20, 2, 4, 0x38240f, false);
    }
    Door(cr, 18, 28, 8, 10, 0x38240f);
}

void Aqueduct(cairo_t* cr) {
    Ground(cr);
    Poly(cr, {{4, 14}, {44, 14}, {44, 38}, {4, 38}}, kStone);
    Rect(cr, 4, 14, 40, 4, Scale(kStone, 1.05));
    Rect(cr, 4, 13, 40, 1.6, 0x4f86b0, false);
    for (int k = 0; k < 4; ++k) Door(cr, 7 + k * 9.5, 22, 6, 16, 0x6f9a43);
    for (int k = 0; k < 4; ++k) Door(cr, 7.5 + k * 9.5, 22, 5, 16, 0x8fb06a);
}

void Harbour(cairo_t* cr) {
    Oval(cr, 25, 40, 22, 6, 0x2f5f8f);
    Poly(cr, {{6, 30}, {34, 30}, {40, 27}, {12, 27}}, kWood);
    Rect(cr, 6, 30, 28, 3, Scale(kWood, 0.8));
    for (int k = 0; k < 4; ++k) Rect(cr, 8 + k * 8, 33, 1.6, 7, 0x5c3c1c);
    Line(cr, 16, 27, 16, 8, 0x5c3c1c, 2);
    Line(cr, 16, 9, 30, 14, 0x5c3c1c, 1.6);
    Line(cr, 29, 14, 29, 22, kInk, 0.6);
    Rect(cr, 27, 22, 4, 3, 0xb08a54);
    Oval(cr, 22, 42, 5, 1, 0x4f86b0, false);
    Oval(cr, 36, 38, 4, 0.8, 0x4f86b0, false);
}

void Sewer(cairo_t* cr) {
    Ground(cr);
    Block(cr, 8, 20, 28, 18, kStone);
    Door(cr, 13, 24, 18, 14, 0x38240f);
    Poly(cr, {{14, 38}, {30, 38}, {36, 44}, {10, 44}}, 0x4f86b0);
    for (int k = 0; k < 5; ++k) Line(cr, 8, 23 + k * 3.5, 12, 23 + k * 3.5, Scale(kStone, 0.7), 0.5);
}

void PowerPlant(cairo_t* cr, bool nuclear) {
    Ground(cr, 0x7a8a5a);
    if (nuclear) {
        for (double x : {8.0, 24.0}) {
            Poly(cr, {{x, 38}, {x + 3, 24}, {x + 2, 12}, {x + 14, 12}, {x + 13, 24}, {x + 16, 38}}, 0xd8dee2);
            Poly(cr, {{x + 10, 12}, {x + 14, 12}, {x + 13, 24}, {x + 16, 38}, {x + 11, 38}}, 0xa8b4bc, false);
            Oval(cr, x + 8, 8, 5, 3, 0xf2f2ee, false);
        }
        Oval(cr, 20, 4, 7, 3, 0xe8eef2, false);
        return;
    }
    Block(cr, 6, 22, 26, 16, 0x9aa0a6);
    FlatTop(cr, 6, 22, 26, 0x9aa0a6);
    for (double x : {10.0, 20.0}) {
        Rect(cr, x, 6, 4, 16, kBrick);
        Oval(cr, x + 3, 3, 3.5, 2, 0xb9c8d2, false);
    }
    Windows(cr, 9, 27, 4, 6, 3, 5);
    Sign(cr, 38, 28, Mark::Bolt);
}

void Barracks(cairo_t* cr) {
    Ground(cr);
    Block(cr, 4, 24, 32, 14, kStone);
    Ridge(cr, 4, 24, 32, 7, kTile);
    Windows(cr, 7, 28, 5, 6);
    Door(cr, 17, 31, 5, 7);
    Line(cr, 40, 38, 40, 12, 0x5c3c1c, 1.2);
    Poly(cr, {{40, 12}, {47, 14}, {40, 17}}, 0xd63a2f);
}

void School(cairo_t* cr) {
    Ground(cr);
    Block(cr, 6, 24, 28, 14, 0xd8b890);
    Ridge(cr, 6, 24, 28, 7, kTile);
    Block(cr, 17, 10, 7, 10, kPlaster, 3);
    Poly(cr, {{16, 10}, {20.5, 4}, {25, 10}}, kTile);
    Oval(cr, 20.5, 15, 1.6, 2, 0xb08a54, false);
    Windows(cr, 9, 28, 2, 5);
    Windows(cr, 25, 28, 2, 5);
    Door(cr, 18, 30, 5, 8);
}

void University(cairo_t* cr) {
    Ground(cr);
    Block(cr, 4, 22, 36, 16, 0xc8a88a);
    Ridge(cr, 4, 22, 36, 7, kSlate);
    Block(cr, 16, 8, 12, 30, 0xc8a88a, 4);
    Poly(cr, {{15, 8}, {22, 1}, {29, 8}}, kSlate);
    Windows(cr, 7, 26, 2, 5);
    Windows(cr, 32, 26, 1, 5);
    Windows(cr, 19, 12, 2, 4, 2.4, 5);
    Door(cr, 19, 29, 6, 9);
    Sign(cr, 42, 14, Mark::Book);
}

// Wonders 39..46 in the 48-unit square.
void Pyramid(cairo_t* cr) {
    Ground(cr, 0xd8c08a);
    Poly(cr, {{3, 38}, {22, 8}, {30, 38}}, 0xe8d09a);
    Poly(cr, {{22, 8}, {30, 38}, {44, 33}}, 0xb89e68);
    for (int k = 1; k < 5; ++k) Line(cr, 22 - k * 3.8, 8 + k * 6, 22 + k * 1.6, 8 + k * 6, 0xc8b07a, 0.5);
}

void HangingGardens(cairo_t* cr) {
    Ground(cr);
    for (int k = 0; k < 3; ++k) {
        const double x = 5 + k * 5, y = 30 - k * 8, w = 34 - k * 10;
        Block(cr, x, y, w, 8, 0xd8b890, 5);
        for (int t = 0; t < int(w / 4); ++t) Oval(cr, x + 2 + t * 4, y - 0.5, 2.4, 2.2, 0x3e6a2a);
        for (int t = 0; t < int(w / 6); ++t)
            Line(cr, x + 3 + t * 6, y + 1, x + 3 + t * 6, y + 6, 0x557a32, 1);
    }
    Oval(cr, 24, 6, 3, 4, 0x2c3e22);
}

void Colosseum(cairo_t* cr) {
    Ground(cr);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 24, 24);
    cairo_scale(cr, 20, 7);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    Paint(cr, 0xb89e68);
    Poly(cr, {{4, 24}, {44, 24}, {44, 36}, {4, 36}}, kStone, false);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 24, 36);
    cairo_scale(cr, 20, 5);
    cairo_arc(cr, 0, 0, 1, 0, kPi);
    cairo_restore(cr);
    Hex(cr, kStone);
    cairo_fill(cr);
    Line(cr, 4, 24, 4, 36, kInk, gLine);
    Line(cr, 44, 24, 44, 36, kInk, gLine);
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 7; ++k) Door(cr, 6.5 + k * 5.2, 26 + row * 6, 2.6, 4.5, 0x5c3c1c);
}

void GreatWall(cairo_t* cr) {
    Ground(cr, 0x5a6448);
    Poly(cr, {{2, 34}, {16, 26}, {30, 30}, {46, 20}, {46, 26}, {30, 36}, {16, 32}, {2, 40}}, kStone);
    for (int k = 0; k < 6; ++k) {
        const double x = 3 + k * 7.5;
        const double y = k < 2 ? 33 - k * 4 : (k < 4 ? 27 + (k - 2) * 2 : 29 - (k - 4) * 5);
        Rect(cr, x, y - 2.5, 2.4, 2.5, kStone);
    }
    Block(cr, 24, 20, 10, 14, Scale(kStone, 0.95), 4);
    for (int k = 0; k < 3; ++k) Rect(cr, 24 + k * 3.8, 17.5, 2.4, 2.5, kStone);
    Door(cr, 27, 26, 4, 8, 0x38240f);
}

void Colossus(cairo_t* cr) {
    Oval(cr, 25, 41, 22, 5.5, 0x2f5f8f);
    Block(cr, 14, 34, 18, 6, kStone, 4);
    const uint32_t bronze = 0xb08a54;
    Poly(cr, {{18, 34}, {20, 22}, {26, 22}, {28, 34}, {25, 34}, {23, 27}, {21, 34}}, bronze);
    Poly(cr, {{19, 23}, {19, 13}, {27, 13}, {27, 23}}, bronze);
    Oval(cr, 23, 10, 3, 3.4, bronze);
    for (int k = 0; k < 5; ++k)
        Line(cr, 23, 8, 23 + std::cos(-kPi * k / 4) * 5, 8 + std::sin(-kPi * k / 4) * 5, 0xe8c478, 0.8);
    Poly(cr, {{27, 14}, {33, 4}, {35, 5}, {29, 16}}, bronze);
    Oval(cr, 34, 3, 2, 2.4, 0xf0c93a);
    Poly(cr, {{19, 14}, {15, 22}, {17, 23}, {20, 17}}, bronze);
}

void HagiaSophia(cairo_t* cr) {
    Ground(cr);
    for (double x : {4.0, 40.0}) {
        Rect(cr, x, 10, 3, 28, kPlaster);
        Poly(cr, {{x - 0.5, 10}, {x + 1.5, 3}, {x + 3.5, 10}}, kSlate);
    }
    Block(cr, 9, 26, 28, 12, 0xd8a88a, 4);
    Dome(cr, 17, 26, 6, 0x8a8e94);
    Dome(cr, 30, 26, 6, 0x8a8e94);
    Block(cr, 14, 18, 18, 8, 0xd8a88a, 4);
    Dome(cr, 24, 18, 10, 0x9aa0a6);
    Line(cr, 24, 8, 24, 4, 0xe8c478, 1);
    Windows(cr, 12, 30, 6, 4, 2, 3);
}

void Observatory(cairo_t* cr) {
    Ground(cr);
    Block(cr, 10, 22, 24, 16, kStone);
    Dome(cr, 22, 22, 12, 0xf0ece0);
    Poly(cr, {{20, 10}, {24, 10}, {24, 22}, {20, 22}}, 0x38240f, false);
    Line(cr, 22, 16, 32, 6, 0x5c3c1c, 2.2);
    Door(cr, 19, 30, 6, 8);
    Windows(cr, 13, 28, 1, 0);
    Windows(cr, 29, 28, 1, 0);
}

void Eiffel(cairo_t* cr) {
    Ground(cr);
    const uint32_t iron = 0x6a5a4a;
    Poly(cr, {{8, 40}, {16, 30}, {20, 30}, {14, 40}}, iron);
    Poly(cr, {{40, 40}, {32, 30}, {28, 30}, {34, 40}}, iron);
    Poly(cr, {{15, 30}, {21, 14}, {27, 14}, {33, 30}}, iron);
    Poly(cr, {{19, 30}, {24, 22}, {29, 30}}, 0x8fb06a, false);
    Rect(cr, 13, 29, 22, 2.5, iron);
    Rect(cr, 19, 18, 10, 2, iron);
    Poly(cr, {{21, 18}, {23.5, 2}, {24.5, 2}, {27, 18}}, iron);
    Line(cr, 24, 2, 24, -1, iron, 0.8);
    for (int k = 0; k < 4; ++k)
        Line(cr, 17 + k * 1.5, 30 - k * 4, 31 - k * 1.5, 30 - k * 4, Scale(iron, 1.4), 0.4);
}

void Generic(cairo_t* cr) {
    TradeHouse(cr, Mark::None);
}

void DrawPicture(cairo_t* cr, int id) {
    switch (id) {
    case 4:
        Portico(cr, Mark::None);
        break;
    case 5:
        Barracks(cr);
        break;
    case 6:
        School(cr);
        break;
    case 7:
        LoomShed(cr);
        break;
    case 8:
        DryingBarn(cr);
        break;
    case 9:
        WinePress(cr);
        break;
    case 10:
        FurCabin(cr);
        break;
    case 11:
        Warehouse(cr);
        break;
    case 12:
        Marketplace(cr);
        break;
    case 13:
        Windmill(cr);
        break;
    case 14:
        Portico(cr, Mark::Mask, kStone);
        break;
    case 15:
        Forge(cr);
        break;
    case 16:
        Portico(cr, Mark::Book, kStone, true);
        break;
    case 17:
        University(cr);
        break;
    case 18:
        Infirmary(cr);
        break;
    case 19:
        Bakehouse(cr);
        break;
    case 20:
        Stockade(cr);
        break;
    case 21:
        Fortress(cr);
        break;
    case 22:
        Granary(cr);
        break;
    case 23:
        Aqueduct(cr);
        break;
    case 24:
        Shop(cr, Mark::Cloth);
        break;
    case 25:
        Shop(cr, Mark::Leaf);
        break;
    case 26:
        Shop(cr, Mark::Grapes);
        break;
    case 27:
        Shop(cr, Mark::Fur);
        break;
    case 28:
        Factory(cr, Mark::Cloth);
        break;
    case 29:
        Factory(cr, Mark::Leaf);
        break;
    case 30:
        Factory(cr, Mark::Grapes);
        break;
    case 31:
        Factory(cr, Mark::Fur);
        break;
    case 32:
        PrintHouse(cr);
        break;
    case 33:
        Harbour(cr);
        break;
    case 34:
        Sewer(cr);
        break;
    case 35:
        Factory(cr, Mark::Gear);
        break;
    case 36:
        PowerPlant(cr, false);
        break;
    case 37:
        PowerPlant(cr, true);
        break;
    case 38:
        Portico(cr, Mark::Scales);
        break;
    case 39:
        Pyramid(cr);
        break;
    case 40:
        HangingGardens(cr);
        break;
    case 41:
        Colosseum(cr);
        break;
    case 42:
        GreatWall(cr);
        break;
    case 43:
        Colossus(cr);
        break;
    case 44:
        HagiaSophia(cr);
        break;
    case 45:
        Observatory(cr);
        break;
    case 46:
        Eiffel(cr);
        break;
    default:
        Generic(cr);
        break;
    }
}

void Sky(cairo_t* cr, double w, double h) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0x1a / 255.0, 0x21 / 255.0, 0x50 / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0x8c / 255.0, 0x60 / 255.0, 0x7a / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 0.8, 0xf9 / 255.0, 0xb8 / 255.0, 0x6b / 255.0);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, h * 0.7);
    cairo_curve_to(cr, w * 0.3, h * 0.6, w * 0.6, h * 0.66, w, h * 0.62);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    Hex(cr, 0x3e5430);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, h * 0.82);
    cairo_curve_to(cr, w * 0.3, h * 0.78, w * 0.6, h * 0.8, w, h * 0.78);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    Hex(cr, 0x5a6448);
    cairo_fill(cr);
}

} // namespace

void DrawBuildingPictures(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    gLine = 1.1;
    for (int id = 1; id <= 50; ++id) {
        const int left = (id - 1) % 10 * 48, top = (id - 1) / 10 * 48;
        DrawComputed(cr, left, top, 48, 48, [&](cairo_t* c) {
            cairo_rectangle(c, left, top, 48, 48);
            cairo_clip(c);
            cairo_translate(c, left, top);
            DrawPicture(c, id);
        });
    }
}

void DrawWonderPictures(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    constexpr int kW = 352, kH = 214;
    for (int w = 0; w < 8; ++w) {
        const int left = w % 2 * kW, top = w / 2 * kH;
        cairo_save(cr);
        cairo_rectangle(cr, left, top, kW, kH);
        cairo_clip(cr);
        cairo_translate(cr, left, top);
        Sky(cr, kW, kH);
        cairo_translate(cr, kW / 2.0 - 24 * 4.4, kH - 48 * 4.4 + 6);
        cairo_scale(cr, 4.4, 4.4);
        gLine = 0.4;
        DrawPicture(cr, 39 + w);
        cairo_restore(cr);
    }
    gLine = 1.1;
}

} // namespace annals::art
