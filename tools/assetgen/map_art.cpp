#include "map_art.h"

#include "sheets.h"
#include "state/rules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace annals::art {

namespace {

struct Colour {
    int r, g, b;
};

constexpr Colour kTerrainColours[8] = {
    {0, 0, 0},      {38, 84, 160},  {84, 104, 64},   {86, 156, 58},
    {176, 170, 84}, {150, 128, 82}, {226, 204, 140}, {232, 238, 244},
};
constexpr Colour kSea = kTerrainColours[1];
constexpr Colour kSand = {222, 202, 140};
constexpr Colour kRiverBlue = {70, 128, 214};
constexpr Colour kRoadBrown = {128, 90, 50};
constexpr Colour kFog = {22, 22, 30};
constexpr Colour kBlackInk = {10, 10, 10};
// The civilizations' colours 1..8, as on the small map.
constexpr Colour kCivColours[9] = {
    {0, 0, 0},     {0, 128, 255}, {0, 230, 0},    {250, 250, 250}, {250, 240, 0},
    {235, 20, 20}, {255, 128, 0}, {140, 20, 150}, {90, 90, 90},
};

void Set(cairo_t* cr, Colour c) {
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

Colour Shade(Colour c, int by) {
    return {std::clamp(c.r + by, 0, 254), std::clamp(c.g + by, 0, 254), std::clamp(c.b + by, 0, 254)};
}

// Sharp edges everywhere: a blended edge pixel would not be the colour key.
void NoBlending(cairo_t* cr) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, Colour c) {
    Set(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void ClearToKey(cairo_t* cr, double x, double y, double w, double h) {
    FillRect(cr, x, y, w, h, {255, 0, 255});
}

void Keyed(cairo_t* cr, int width, int height) {
    NoBlending(cr);
    ClearToKey(cr, 0, 0, width, height);
}

void Clip(cairo_t* cr, double x, double y, double w, double h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
}

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

void CentredText(cairo_t* cr, double cx, double cy, double size, const char* text, Colour c,
                 double maxWidth = 0) {
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    double scale = 1;
    if (maxWidth > 0 && ext.x_advance > maxWidth) scale = maxWidth / ext.x_advance;
    cairo_save(cr);
    cairo_translate(cr, cx - ext.x_advance * scale / 2, cy + size * 0.36);
    cairo_scale(cr, scale, 1);
    Set(cr, c);
    cairo_move_to(cr, 0, 0);
    cairo_show_text(cr, text);
    cairo_new_path(cr); // the text leaves a current point that the next arc would join
    cairo_restore(cr);
}

// Lines from the middle of a cell to the sides its river runs to; a river that only
// starts here gets a spring. (ox, oy) is the cell's corner on the sheet.
void RiverLines(cairo_t* cr, double ox, double oy, int code, int variant) {
    const double cx = ox + 25 + (variant - 1) * 2, cy = oy + 25 - (variant - 1) * 2;
    const double ends[4][2] = {{ox + 25, oy}, {ox + 50, oy + 25}, {ox + 25, oy + 50}, {ox, oy + 25}};
    Set(cr, kRiverBlue);
    cairo_set_line_width(cr, 5);
    int sides = 0;
    for (int d = 0, digit = 1; d < 4; ++d, digit *= 10) {
        if (code / digit % 10 == 0) continue;
        ++sides;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, ends[d][0], ends[d][1]);
    }
    cairo_stroke(cr);
    if (sides == 1) {
        cairo_arc(cr, cx, cy, 4.5, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

// Rows of ripe corn over a box; the sides that join a neighbour's field reach the edge.
void CornRows(cairo_t* cr, double x, double y, double w, double h, bool joinWest, bool joinEast) {
    const double left = x + (joinWest ? 0 : 4), right = x + w - (joinEast ? 0 : 4);
    FillRect(cr, left, y + 4, right - left, h - 8, {204, 172, 70});
    for (double row = y + 6; row < y + h - 5; row += 4)
        FillRect(cr, left, row, right - left, 1, {164, 132, 46});
}

// A small tree: a round crown on a trunk, or a fir in the cold.
void Tree(cairo_t* cr, double x, double y, double r, Colour crown, bool fir) {
    FillRect(cr, x - 1, y, 2, r + 2, {96, 64, 34});
    Set(cr, crown);
    if (fir) {
        cairo_move_to(cr, x, y - r * 1.4);
        cairo_line_to(cr, x + r, y + r * 0.6);
        cairo_line_to(cr, x - r, y + r * 0.6);
        cairo_close_path(cr);
        cairo_fill(cr);
        FillRect(cr, x - 2, y - r * 1.3, 4, 2, {245, 248, 252}); // snow on the tip
    } else {
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill(cr);
        Set(cr, Shade(crown, 40));
        cairo_arc(cr, x - r / 3, y - r / 3, r / 3, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

// Trees spread over a box of the forest sheet.
void Woods(cairo_t* cr, double x, double y, double w, double h, Colour crown, bool fir, uint32_t seed) {
    Clip(cr, x, y, w, h);
    int n = 0;
    for (double ty = y + 9; ty < y + h - 2; ty += 11) {
        for (double tx = x + 7 + ((n++ % 2) ? 5 : 0); tx < x + w - 3; tx += 12) {
            const uint32_t r = Hash(seed, uint32_t(tx), uint32_t(ty));
            Tree(cr, tx + int(r % 5) - 2, ty + int(r / 5 % 3) - 1, 5 + r / 15 % 2,
                 Shade(crown, int(r / 30 % 21) - 10), fir);
        }
    }
    cairo_restore(cr);
}

} // namespace

void DrawTerrainArt(cairo_t* cr, int width, int height) {
    NoBlending(cr);
    FillRect(cr, 0, 0, width, height, {0, 0, 0});
    for (int t = 1; t <= 7; ++t) {
        const Colour base = kTerrainColours[t];
        for (int v = 1; v <= 5; ++v) {
            const double x = 51 * (v - 1), y = 51 * (t - 1);
            FillRect(cr, x, y, 50, 50, base);
            for (int i = 0; i < 22; ++i) {
                const uint32_t r = Hash(t, v, i);
                const double px = x + r % 47, py = y + r / 47 % 48;
                if (t == 1) {
                    FillRect(cr, px, py, 5, 1, Shade(base, 26)); // ripples
                } else if (t == 2 && i % 4 == 0) {
                    FillRect(cr, px, py, 6, 3, {60, 96, 120}); // pools
                } else {
                    FillRect(cr, px, py, 2, 2, Shade(base, int(r / 2000 % 2) == 0 ? -18 : 16));
                }
            }
        }
    }
}

void DrawCoastArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    for (const CoastPiece& piece : kCoastPieces) {
        for (int v = 0; v < piece.variants; ++v) {
            const PiecePos at = CoastPieceAt(piece, v);
            const double x = at.column, y = at.row;
            FillRect(cr, x, y, 50, 50, kSea);
            for (int i = 0; i < 10; ++i) {
                const uint32_t r = Hash(piece.code, v, i);
                FillRect(cr, x + 6 + r % 36, y + 6 + r / 36 % 38, 5, 1, Shade(kSea, 26));
            }
            // The beach along each side with land, a line of surf inside it.
            const double band = 6 + v % 2;
            if (piece.code % 10)
                FillRect(cr, x, y, 50, band, kSand), FillRect(cr, x, y + band, 50, 1, {190, 214, 236});
            if (piece.code / 10 % 10)
                FillRect(cr, x + 50 - band, y, band, 50, kSand),
                    FillRect(cr, x + 49 - band, y, 1, 50, {190, 214, 236});
            if (piece.code / 100 % 10)
                FillRect(cr, x, y + 50 - band, 50, band, kSand),
                    FillRect(cr, x, y + 49 - band, 50, 1, {190, 214, 236});
            if (piece.code / 1000)
                FillRect(cr, x, y, band, 50, kSand), FillRect(cr, x + band, y, 1, 50, {190, 214, 236});
        }
    }
    // Corners of land that touch the sea only diagonally: NE, SE, SW, NW.
    const double corners[4][2] = {{37, 0}, {37, 37}, {0, 37}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
        Clip(cr, 1041, 38 * i, 37, 37);
        Set(cr, kSand);
        cairo_arc(cr, 1041 + corners[i][0], 38 * i + corners[i][1], 9, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // River mouths: from the south, west, north and east.
    FillRect(cr, 1026, 0, 6, 19, kRiverBlue);
    FillRect(cr, 1020, 27, 19, 6, kRiverBlue);
    FillRect(cr, 1026, 40, 6, 19, kRiverBlue);
    FillRect(cr, 1020, 67, 19, 6, kRiverBlue);
}

void DrawMixArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    // A dithered strip that thins out from the outer edge: outer = 0 west, 1 east,
    // 2 north, 3 south.
    auto strip = [&](double x, double y, double w, double h, int outer, Colour c) {
        Set(cr, c);
        for (int i = 0; i < int(w); ++i) {
            for (int j = 0; j < int(h); ++j) {
                const int depth = outer == 0   ? i
                                  : outer == 1 ? int(w) - 1 - i
                                  : outer == 2 ? j
                                               : int(h) - 1 - j;
                const int bayer[4] = {0, 2, 3, 1};
                const int threshold = bayer[(i % 2) * 2 + j % 2];
                if (depth < 10 && threshold >= depth / 3 + (depth > 6 ? 1 : 0))
                    cairo_rectangle(cr, x + i, y + j, 1, 1);
            }
        }
        cairo_fill(cr);
    };
    for (int t = 1; t <= 7; ++t) {
        const Colour c = t == 1 ? kSand : kTerrainColours[t];
        strip(16 * (t - 1), 51, 15, 49, 0, c);
        strip(16 * (t - 1), 0, 15, 49, 1, c);
        strip(51, 16 * t + 86, 49, 15, 2, c);
        strip(0, 16 * t + 86, 49, 15, 3, c);
    }
    // The sea's own edges stay clear: the shore pieces draw the beach.
    strip(128, 51, 15, 49, 0, kFog);
    strip(128, 0, 15, 49, 1, kFog);
    strip(51, 230, 49, 15, 2, kFog);
    strip(0, 230, 49, 15, 3, kFog);
}

void DrawHillArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    for (int s = 0; s < 8; ++s) {
        const HillShape& shape = kHillShapes[s];
        const double h = shape.bottom - shape.top, w = shape.width;
        for (int piece = 0; piece < 5; ++piece) {
            const double x = piece * (w + 1), y = shape.top;
            Clip(cr, x, y, w, h);
            if (piece == 4) { // the road over the hill
                Set(cr, kRoadBrown);
                cairo_set_line_width(cr, 4);
                cairo_move_to(cr, x, y + h - 12);
                cairo_line_to(cr, x + w * 0.5, y + h * 0.55);
                cairo_line_to(cr, x + w, y + h - 10);
                cairo_stroke(cr);
                cairo_restore(cr);
                continue;
            }
            const Colour body = piece == 2 ? Colour{214, 218, 226} : Colour{150, 116, 72};
            // One mound, two on the wide shapes.
            const int humps = w > 56 ? 2 : 1;
            for (int k = 0; k < humps; ++k) {
                const double hx = x + (humps == 1 ? 2 : k * w * 0.42 + 1), hw = humps == 1 ? w - 4 : w * 0.58;
                const double top = y + (k == 0 ? h * 0.12 : h * 0.3);
                Set(cr, body);
                cairo_move_to(cr, hx, y + h - 1);
                cairo_curve_to(cr, hx + hw * 0.2, top, hx + hw * 0.8, top, hx + hw, y + h - 1);
                cairo_close_path(cr);
                cairo_fill_preserve(cr);
                Set(cr, Shade(body, -60));
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
            }
            if (piece == 1 || piece == 3) { // gold nuggets, or blocks of stone
                const Colour ore = piece == 1 ? Colour{250, 214, 30} : Colour{128, 128, 132};
                for (int i = 0; i < 5; ++i)
                    FillRect(cr, x + w * (0.25 + 0.11 * i), y + h * (0.55 + 0.08 * (i % 2)), 4, 3, ore);
            }
            cairo_restore(cr);
        }
    }
}

void DrawRiverArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    const Colour crowns[3] = {{34, 104, 40}, {30, 84, 52}, {22, 80, 28}};
    for (const RiverPiece& piece : kRiverPieces) {
        for (int v = 0; v < piece.variants; ++v) {
            const PiecePos plain = RiverPieceAt(piece, v);
            RiverLines(cr, plain.column, plain.row, piece.code, v);
            const PiecePos forest = ForestRiverPieceAt(piece, v);
            for (int set = 0; set < 3; ++set) {
                const double x = forest.column + 255 * set, y = forest.row;
                Woods(cr, x, y, 50, 55, crowns[set], set == 1, piece.code + 7 * v);
                RiverLines(cr, x, y + 5, piece.code, v);
            }
        }
    }
}

void DrawForestArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    // The pieces' rows by the forest around; the first six are 49 wide, the rest 52.
    const int narrow[][2] = {{1, 50}, {52, 113}, {115, 164}, {166, 215}, {268, 329}, {331, 392}, {457, 506}};
    const int wide[][2] = {{217, 266}, {394, 455}, {508, 557}, {559, 608}, {610, 671}};
    for (int set = 0; set < 2; ++set) {
        const Colour crown = set == 0 ? Colour{34, 104, 40} : Colour{22, 80, 28};
        for (int v = 0; v < 4; ++v) {
            for (const auto& rows : narrow)
                Woods(cr, 51 * v + 1 + 300 * set, rows[0], 49, rows[1] - rows[0], crown, false, v + 10 * set);
            for (const auto& rows : wide)
                Woods(cr, 54 * v + 1 + 300 * set, rows[0], 52, rows[1] - rows[0], crown, false,
                      v + 10 * set + 5);
        }
    }
    for (int v = 0; v < 4; ++v) {
        Woods(cr, 51 * v + 1, 673, 49, 62, {30, 84, 52}, true, v + 40);
        Woods(cr, 51 * v + 1, 736, 49, 50, {30, 84, 52}, true, v + 50);
    }
}

void DrawRoadArt(cairo_t* cr, int width, int height, bool onCornfield) {
    Keyed(cr, width, height);
    // Bit by neighbour: N 128, NE 64, E 32, SE 16, S 8, SW 4, W 2, NW 1; the piece is drawn
    // one pixel up and left of the cell, so the cell's middle is at (26, 26).
    const double ends[8][2] = {{26, 0}, {54, 0}, {54, 26}, {54, 54}, {26, 54}, {0, 54}, {0, 26}, {0, 0}};
    for (int mask = 0; mask < 256; ++mask) {
        const double x = 55 * (mask % 16) + 1, y = 55 * (mask / 16) + 1;
        Clip(cr, x, y, 54, 54);
        if (onCornfield) CornRows(cr, x + 1, y + 1, 50, 50, false, false);
        Set(cr, kRoadBrown);
        cairo_set_line_width(cr, 5);
        for (int d = 0; d < 8; ++d) {
            if (!(mask & (128 >> d))) continue;
            cairo_move_to(cr, x + 26, y + 26);
            cairo_line_to(cr, x + ends[d][0], y + ends[d][1]);
        }
        cairo_stroke(cr);
        cairo_arc(cr, x + 26, y + 26, 4, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void DrawCornfieldArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    for (const RiverPiece& piece : kRiverPieces) {
        for (int v = 0; v < piece.variants; ++v) {
            const PiecePos at = RiverPieceAt(piece, v);
            CornRows(cr, at.column, at.row, 50, 50, false, false);
            RiverLines(cr, at.column, at.row, piece.code, v);
        }
    }
    for (int i = 0; i < 3; ++i) CornRows(cr, 204 + 51 * i, 0, 50, 50, false, false); // lone fields
    CornRows(cr, 204, 51, 50, 50, false, true);                                      // joined east
    CornRows(cr, 255, 51, 50, 50, true, true);                                       // both sides
    CornRows(cr, 306, 51, 50, 50, true, false);                                      // joined west
    for (int v = 0; v < 3; ++v) {
        for (int river : {101, 1010}) {
            const double y = (river == 101 ? 102 : 255) + 51 * v;
            for (int side = 0; side < 3; ++side) {
                CornRows(cr, 204 + 51 * side, y, 50, 50, side >= 1, side <= 1);
                RiverLines(cr, 204 + 51 * side, y, river, v);
            }
        }
    }
    for (const auto& [river, row] : kJoinedFieldRiverRows) {
        // Columns 357 joined east, 408 both sides, 459 joined west.
        for (int side = 0; side < 3; ++side) {
            CornRows(cr, 357 + 51 * side, row, 50, 50, side >= 1, side <= 1);
            RiverLines(cr, 357 + 51 * side, row, river, 1);
        }
    }
}

void DrawProductMapArt(cairo_t* cr) {
    NoBlending(cr);
    ClearToKey(cr, 0, 0, 420, 102);
    struct Icon {
        int left, top, right, bottom;
        Colour colour;
        const char* label;
    };
    const Icon icons[] = {
        {186, 38, 221, 67, {150, 100, 50}, "Game"}, {0, 0, 30, 32, {140, 96, 60}, "Gm"},
        {63, 0, 80, 30, {230, 200, 60}, "W"},       {81, 0, 123, 29, {150, 200, 240}, "Fish"},
        {124, 0, 150, 24, {200, 200, 210}, "Sl"},   {151, 0, 179, 30, {245, 245, 245}, "Co"},
        {180, 0, 208, 33, {120, 160, 60}, "To"},    {209, 0, 228, 31, {130, 40, 140}, "Gr"},
        {229, 0, 261, 32, {150, 110, 60}, "Ti"},    {262, 0, 294, 32, {120, 80, 50}, "Fu"},
        {353, 32, 387, 66, {140, 140, 145}, "St"},  {353, 67, 387, 101, {150, 150, 155}, "St"},
        {318, 32, 352, 66, {240, 200, 40}, "Au"},   {318, 67, 352, 101, {250, 210, 60}, "Au"},
        {295, 0, 322, 29, {235, 235, 250}, "P"},
    };
    for (const Icon& icon : icons) {
        const double w = icon.right - icon.left, h = icon.bottom - icon.top;
        cairo_save(cr);
        cairo_translate(cr, icon.left + w / 2, icon.top + h / 2);
        cairo_scale(cr, (w - 2) / 2, (h - 2) / 2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        Set(cr, icon.colour);
        cairo_fill_preserve(cr);
        Set(cr, kBlackInk);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        const Colour ink =
            icon.colour.r + icon.colour.g + icon.colour.b > 400 ? kBlackInk : Colour{250, 250, 250};
        CentredText(cr, icon.left + w / 2, icon.top + h / 2, 10, icon.label, ink, w - 4);
    }
    // A palm grove: two palms on the sand.
    for (int i = 0; i < 2; ++i) {
        const double x = 356 + 20 * i, y = 30;
        FillRect(cr, x - 1, y - 18 + 4 * i, 3, 18 - 4 * i, {120, 84, 40});
        Set(cr, {40, 130, 50});
        cairo_set_line_width(cr, 3);
        for (int f = -2; f <= 2; ++f) {
            cairo_move_to(cr, x, y - 18 + 4 * i);
            cairo_line_to(cr, x + 7 * f, y - 12 + 4 * i + std::abs(f) * 2);
        }
        cairo_stroke(cr);
    }
}

void DrawUnitArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    for (int k = 1; k <= 8; ++k) {
        const Colour c = kCivColours[k];
        const Colour ink = k == 1 || k == 7 || k == 8 || k == 5 ? Colour{250, 250, 250} : kBlackInk;
        for (int t = 1; t <= 35; ++t) {
            const double x = 47 * (t - 1), y = 47 * (k - 1);
            Set(cr, c);
            if (t >= 26 && t <= 30) { // ships: a hull
                cairo_move_to(cr, x + 3, y + 20);
                cairo_line_to(cr, x + 43, y + 20);
                cairo_line_to(cr, x + 35, y + 36);
                cairo_line_to(cr, x + 11, y + 36);
                cairo_close_path(cr);
                FillRect(cr, x + 22, y + 4, 2, 16, kBlackInk);
                Set(cr, c);
            } else if (t == 31 || t == 32) { // aircraft
                cairo_move_to(cr, x + 23, y + 4);
                cairo_line_to(cr, x + 42, y + 38);
                cairo_line_to(cr, x + 4, y + 38);
                cairo_close_path(cr);
            } else if (t == 1 || t == 34) { // settlers and wagons
                cairo_rectangle(cr, x + 7, y + 9, 32, 28);
            } else {
                cairo_arc(cr, x + 23, y + 23, 17, 0, 2 * M_PI);
            }
            cairo_fill_preserve(cr);
            Set(cr, kBlackInk);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            char number[8];
            std::snprintf(number, sizeof number, "%d", t);
            CentredText(cr, x + 23, y + (t >= 26 && t <= 30 ? 27 : 24), 14, number, ink);
        }
    }
}

void DrawCityMapArt(cairo_t* cr) {
    NoBlending(cr);
    ClearToKey(cr, 0, 0, 480, 540);
    // Wall and roof colours by style 1..7.
    const Colour walls[8] = {{},
                             {232, 212, 160},
                             {200, 170, 120},
                             {232, 226, 212},
                             {232, 220, 200},
                             {204, 184, 150},
                             {236, 232, 222},
                             {164, 164, 170}};
    const Colour roofs[8] = {{},           {204, 124, 60}, {118, 88, 48}, {172, 52, 40}, {40, 112, 80},
                             {92, 62, 40}, {60, 92, 172},  {84, 84, 92}};
    // Houses from the middle outwards; a bigger town has more of them.
    const double spots[9][2] = {{24, 30}, {36, 34}, {12, 36}, {30, 18}, {18, 22},
                                {42, 22}, {24, 44}, {6, 26},  {44, 44}};
    for (int style = 1; style <= 7; ++style) {
        for (int level = 2; level <= 8; ++level) {
            const double x = 60 * (level - 1), y = 60 * (style - 1);
            Clip(cr, x, y, 59, 59);
            for (int i = 0; i < level + 1; ++i) {
                const double hx = x + spots[i][0], hy = y + spots[i][1] + 6;
                FillRect(cr, hx, hy, 11, 8, walls[style]);
                Set(cr, roofs[style]);
                cairo_move_to(cr, hx - 2, hy);
                cairo_line_to(cr, hx + 5.5, hy - 7);
                cairo_line_to(cr, hx + 13, hy);
                cairo_close_path(cr);
                cairo_fill(cr);
                FillRect(cr, hx + 4, hy + 3, 3, 5, {60, 40, 30});
                if (style == 7 && i % 3 == 0) FillRect(cr, hx + 8, hy - 12, 3, 12, {70, 70, 74}); // chimneys
            }
            cairo_restore(cr);
        }
    }
    // Back walls, levels 1..4, as a palisade (0..3) or in stone (4..7); the front wall of
    // the first level of each stands in rows 514..527.
    for (int i = 0; i < 8; ++i) {
        const double x = 60 * i, y = 480;
        const int level = i % 4;
        const Colour c = i < 4 ? Colour{130, 90, 50} : Colour{150, 150, 152};
        Clip(cr, x, y, 59, 34);
        Set(cr, c);
        cairo_set_line_width(cr, 4);
        cairo_save(cr);
        cairo_translate(cr, x + 29.5, y + 34);
        cairo_scale(cr, 22 + 2 * level, 15 + 2 * level);
        cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
        cairo_restore(cr);
        cairo_stroke(cr);
        cairo_restore(cr);
        if (level == 0) {
            FillRect(cr, x + 1, 514, 57, 13, c);
            for (double cx = x + 2; cx < x + 57; cx += 6) FillRect(cr, cx, 514, 3, 3, {255, 0, 255});
            FillRect(cr, x + 1, 524, 57, 1, Shade(c, -50));
        }
    }
}

void DrawPopulationArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    for (int k = 1; k <= 8; ++k) {
        const Colour ink = k == 1 || k == 7 || k == 8 || k == 5 ? Colour{250, 250, 250} : kBlackInk;
        for (int s = 1; s <= 50; ++s) {
            const double x = 21 * (s - 1), y = 21 * (k - 1);
            FillRect(cr, x + 1, y + 1, 20, 19, kBlackInk);
            FillRect(cr, x + 2, y + 2, 18, 17, kCivColours[k]);
            char number[8];
            std::snprintf(number, sizeof number, "%d", s);
            CentredText(cr, x + 11, y + 10.5, 11, number, ink, 17);
        }
    }
}

void DrawCityNameArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    for (int nation : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}) {
        const int* ends = CityNameEnds(nation);
        const int row = CityNameRow(nation);
        for (int k = 1; k <= kCityNamesPerRow; ++k) {
            const int b = k == 1 ? 0 : ends[k - 2] + 2, e = ends[k - 1];
            FillRect(cr, b, row + 1, e - b + 1, 16, {70, 52, 30});
            FillRect(cr, b + 1, row + 2, e - b - 1, 14, {246, 236, 204});
            CentredText(cr, (b + e + 1) / 2.0, row + 9, 11, cityName(nation, k), kBlackInk, e - b - 3);
        }
    }
}

void DrawCityNameBigArt(cairo_t* cr, int width, int height) {
    Keyed(cr, width, height);
    for (int nation : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}) {
        const int row = CityNameBigRow(nation);
        for (int k = 1; k <= kCityNamesPerRow; ++k) {
            int b = 0, e = 0;
            if (!FindCityNameXY(nation, k, b, e)) continue;
            FillRect(cr, b, row + 2, e - b + 1, 26, {70, 52, 30});
            FillRect(cr, b + 1, row + 3, e - b - 1, 24, {246, 236, 204});
            CentredText(cr, (b + e + 1) / 2.0, row + 15, 17, cityName(nation, k), kBlackInk, e - b - 5);
        }
    }
}

void DrawOthersMapArt(cairo_t* cr) {
    NoBlending(cr);
    // Health bars by colour: columns of each (full lives, lives left) bar, and their bottoms.
    ClearToKey(cr, 0, 33, 196, 232);
    struct Bar {
        int full, left, column, width;
    };
    const Bar bars[] = {
        {2, 0, 175, 12}, {2, 1, 162, 12}, {2, 2, 149, 12}, {1, 0, 175, 7}, {1, 1, 188, 7},
        {3, 0, 133, 15}, {3, 1, 117, 15}, {3, 2, 101, 15}, {3, 3, 85, 15}, {4, 0, 68, 16},
        {4, 1, 51, 16},  {4, 2, 34, 16},  {4, 3, 17, 16},  {4, 4, 0, 16},
    };
    const int bottoms[5] = {0, 40, 46, 53, 61};
    for (int k = 1; k <= 8; ++k) {
        const int row = 29 * (k - 1);
        for (const Bar& bar : bars) {
            const double top = row + 33, h = bottoms[bar.full] - 33, x = bar.column;
            const double w = std::min(bar.width, 7);
            FillRect(cr, x, top, w, h, kCivColours[k]);
            FillRect(cr, x + 1, top + 1, w - 2, h - 2, kBlackInk);
            const double segment = (h - 2) / bar.full;
            for (int i = 0; i < bar.full; ++i) {
                const bool alive = bar.full - i <= bar.left;
                FillRect(cr, x + 2, top + 1 + segment * i + 1, w - 4, segment - 1,
                         alive ? Colour{40, 210, 40} : Colour{110, 20, 20});
            }
        }
    }
    // The nations' flags 1..13 on their poles.
    const Colour flags[14] = {
        {},           {20, 140, 60},  {60, 160, 60}, {200, 30, 40}, {230, 200, 30}, {40, 70, 200},
        {40, 40, 40}, {130, 60, 160}, {180, 20, 20}, {220, 40, 40}, {60, 120, 220}, {},
        {},           {150, 100, 50}};
    ClearToKey(cr, 204, 48, 169, 14);
    for (int m = 1; m <= 13; ++m) {
        const double x = 204 + 13 * (m - 1);
        FillRect(cr, x, 48, 2, 14, {60, 40, 20});
        FillRect(cr, x + 2, 49, 10, 7, flags[m]);
    }
    // Fog: the land nobody has seen.
    FillRect(cr, 353, 63, 50, 50, kFog);
    for (int i = 0; i < 50; i += 5) FillRect(cr, 353 + i, 63 + (i * 7) % 50, 3, 1, {40, 40, 52});
    // An exploration site: old stones round a question.
    ClearToKey(cr, 324, 196, 27, 32);
    Set(cr, {196, 164, 96});
    cairo_arc(cr, 337.5, 212, 12, 0, 2 * M_PI);
    cairo_fill_preserve(cr);
    Set(cr, kBlackInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    CentredText(cr, 337.5, 212, 15, "?", kBlackInk);
    // Activity badges: road, hill, mine, fortified, cornfield.
    const char* letters[5] = {"R", "E", "M", "F", "I"};
    ClearToKey(cr, 192, 406, 80, 16);
    for (int i = 0; i < 5; ++i) {
        const double x = 192 + 16 * i;
        FillRect(cr, x, 406, 16, 16, kBlackInk);
        FillRect(cr, x + 1, 407, 14, 14, {250, 250, 236});
        CentredText(cr, x + 8, 414, 11, letters[i], kBlackInk);
    }
}

} // namespace annals::art
