// The terrain of the map: ground textures that repeat every cell, so that any two cells
// join without a seam, the edges where terrains meet, shores, rivers, forests, hills,
// roads and fields. Computed with Cairo; the light comes from the top left.
#include "map_art.h"
#include "paint.h"
#include "sheets.h"
#include "svg_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace annals::art {

namespace {

constexpr int kN = 50; // a cell

struct Rgb8 {
    double r, g, b;
};

Rgb8 Hex(uint32_t c) {
    return {double(c >> 16 & 255), double(c >> 8 & 255), double(c & 255)};
}
Rgb8 Mix(Rgb8 a, Rgb8 b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
uint32_t Pack(Rgb8 c) {
    auto q = [](double v) { return uint32_t(std::clamp(int(std::lround(v)), 0, 255)); };
    uint32_t p = q(c.r) << 16 | q(c.g) << 8 | q(c.b);
    return p == 0xFF00FF ? 0xFE00FE : p;
}
void Source(cairo_t* cr, uint32_t c, double a = 1) {
    cairo_set_source_rgba(cr, (c >> 16 & 255) / 255.0, (c >> 8 & 255) / 255.0, (c & 255) / 255.0, a);
}

uint32_t Hash3(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}
double Unit(uint32_t h) {
    return (h & 0xFFFF) / 65535.0;
}

// Value noise that repeats every cell: a lattice of `cells` points a side.
double PeriodicNoise(double x, double y, int cells, uint32_t seed) {
    const double fx = x / kN * cells, fy = y / kN * cells;
    const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    const double tx = fx - ix, ty = fy - iy;
    auto at = [&](int i, int j) {
        return Unit(
            Hash3(seed, uint32_t((i % cells + cells) % cells), uint32_t((j % cells + cells) % cells)));
    };
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * sx;
    const double b = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * sx;
    return a + (b - a) * sy;
}

// Ground colours by terrain 1..7; 0 is the beach, 8 the fog of the unseen land.
struct Ground {
    uint32_t base, shade, light;
};
constexpr Ground kGround[9] = {
    {0xd8c48e, 0xbfa673, 0xeadbb0}, // beach
    {0x2f5f8f, 0x1f4066, 0x4f86b0}, // Sea
    {0x5b6b45, 0x414f33, 0x738456}, // Swamp
    {0x6f9a43, 0x557a32, 0x88b054}, // Grassland
    {0xb4a454, 0x8f8340, 0xcabb6c}, // Savannah
    {0x9a8a55, 0x7a6c40, 0xb0a06a}, // Plain
    {0xd8c08a, 0xb89e68, 0xeed8a6}, // Desert
    {0xe8eef2, 0xb9c8d2, 0xfafcfd}, // Artic
    {0x1c2236, 0x161a2a, 0x242c44}, // fog
};

using Texture = std::array<uint32_t, kN * kN>;

// The ground of a terrain without its marks: two octaves of soft noise between its
// shade and its light.
const Texture& GroundTexture(int t) {
    static std::array<Texture, 9> textures;
    static std::array<bool, 9> made{};
    if (made[t]) return textures[t];
    const Ground& g = kGround[t];
    for (int j = 0; j < kN; ++j)
        for (int i = 0; i < kN; ++i) {
            double n = 0.65 * PeriodicNoise(i, j, 5, 11 + t) + 0.35 * PeriodicNoise(i, j, 10, 31 + t);
            n = (n - 0.5) * (t == 8 ? 0.5 : 1.3);
            Rgb8 c = Hex(g.base);
            c = n < 0 ? Mix(c, Hex(g.shade), std::min(1.0, -n * 1.6))
                      : Mix(c, Hex(g.light), std::min(1.0, n * 1.2));
            // A fine grain, one pixel in places.
            const double grain = (Unit(Hash3(t, i, j)) - 0.5) * (t == 1 || t == 8 ? 4 : 9);
            c = {c.r + grain, c.g + grain, c.b + grain};
            if (t == 8 && (i + j) % 5 == 0 && (i / 2) % 3 != 2) c = Hex(g.light);
            textures[t][j * kN + i] = Pack(c);
        }
    made[t] = true;
    return textures[t];
}

// Writes pixels straight into an image surface.
struct Pixels {
    cairo_surface_t* surface;
    unsigned char* data;
    int stride, width, height;
    explicit Pixels(cairo_t* cr) : surface(cairo_get_target(cr)) {
        cairo_surface_flush(surface);
        data = cairo_image_surface_get_data(surface);
        stride = cairo_image_surface_get_stride(surface);
        width = cairo_image_surface_get_width(surface);
        height = cairo_image_surface_get_height(surface);
    }
    ~Pixels() { cairo_surface_mark_dirty(surface); }
    void Set(int x, int y, uint32_t c) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            reinterpret_cast<uint32_t*>(data + size_t(y) * stride)[x] = c;
    }
};

// The marks of a terrain inside a tile, kept away from the edges so that every variant
// joins every other.
void TerrainMarks(cairo_t* cr, int t, int v, double x, double y) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, kN, kN);
    cairo_clip(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const Ground& g = kGround[t];
    auto rnd = [&](int i, int k) { return Unit(Hash3(t * 10 + v, i, k)); };
    switch (t) {
    case 1: // soft wave marks
        cairo_set_line_width(cr, 1.2);
        for (int i = 0; i < 5; ++i) {
            const double cx = x + 8 + rnd(i, 1) * 34, cy = y + 8 + rnd(i, 2) * 34;
            Source(cr, g.light, 0.7);
            cairo_move_to(cr, cx - 5, cy);
            cairo_curve_to(cr, cx - 2, cy - 3, cx + 2, cy - 3, cx + 5, cy);
            cairo_stroke(cr);
        }
        break;
    case 2: // dark pools and reed tufts
        for (int i = 0; i < 2; ++i) {
            const double cx = x + 12 + rnd(i, 1) * 26, cy = y + 12 + rnd(i, 2) * 26;
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, 7 + rnd(i, 3) * 3, 3 + rnd(i, 4) * 1.5);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            Source(cr, 0x3c4e4a);
            cairo_fill_preserve(cr);
            Source(cr, 0x2c3a30);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        cairo_set_line_width(cr, 1.1);
        for (int i = 0; i < 6; ++i) {
            const double cx = x + 6 + rnd(i, 5) * 38, cy = y + 10 + rnd(i, 6) * 34;
            for (int k = -1; k <= 1; ++k) {
                Source(cr, k == -1 ? 0x8a9a5a : 0x3a4a2a);
                cairo_move_to(cr, cx + k * 1.5, cy);
                cairo_line_to(cr, cx + k * 2.5, cy - 5 - (k == 0 ? 2 : 0));
                cairo_stroke(cr);
            }
        }
        break;
    case 3: // short grass strokes
        cairo_set_line_width(cr, 1);
        for (int i = 0; i < 16; ++i) {
            const double cx = x + 5 + rnd(i, 1) * 40, cy = y + 6 + rnd(i, 2) * 39;
            Source(cr, g.shade);
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, cx - 1, cy - 3);
            cairo_move_to(cr, cx + 1.5, cy);
            cairo_line_to(cr, cx + 2.5, cy - 3.5);
            cairo_stroke(cr);
            Source(cr, g.light);
            cairo_move_to(cr, cx + 0.5, cy - 1);
            cairo_line_to(cr, cx + 0.5, cy - 4);
            cairo_stroke(cr);
        }
        break;
    case 4: // sparse bushes
        for (int i = 0; i < 4; ++i) {
            const double cx = x + 8 + rnd(i, 1) * 34, cy = y + 8 + rnd(i, 2) * 34, r = 2.2 + rnd(i, 3) * 1.4;
            Source(cr, 0x6a6a2a, 0.5);
            cairo_arc(cr, cx + 1.5, cy + 1.5, r, 0, 2 * M_PI);
            cairo_fill(cr);
            Source(cr, 0x6e7a30);
            cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
            cairo_fill(cr);
            Source(cr, 0x98a448);
            cairo_arc(cr, cx - r * 0.35, cy - r * 0.35, r * 0.45, 0, 2 * M_PI);
            cairo_fill(cr);
        }
        break;
    case 5: // ploughed-earth streaks
        cairo_set_line_width(cr, 1);
        for (int i = 0; i < 9; ++i) {
            const double cx = x + 5 + rnd(i, 1) * 32, cy = y + 5 + rnd(i, 2) * 40, w = 6 + rnd(i, 3) * 8;
            Source(cr, g.shade);
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, cx + w, cy + 0.5);
            cairo_stroke(cr);
            Source(cr, g.light);
            cairo_move_to(cr, cx + 1, cy - 1);
            cairo_line_to(cr, cx + w - 1, cy - 0.5);
            cairo_stroke(cr);
        }
        break;
    case 6: // dune curves
        cairo_set_line_width(cr, 1.3);
        for (int i = 0; i < 4; ++i) {
            const double cx = x + 10 + rnd(i, 1) * 30, cy = y + 10 + rnd(i, 2) * 30, w = 8 + rnd(i, 3) * 6;
            Source(cr, g.shade);
            cairo_move_to(cr, cx - w, cy + 2);
            cairo_curve_to(cr, cx - w / 2, cy - 3, cx + w / 3, cy - 3, cx + w, cy + 1);
            cairo_stroke(cr);
            Source(cr, g.light);
            cairo_move_to(cr, cx - w + 1, cy);
            cairo_curve_to(cr, cx - w / 2, cy - 5, cx + w / 3, cy - 5, cx + w - 2, cy - 1);
            cairo_stroke(cr);
        }
        break;
    case 7: // blue shade on the snow
        for (int i = 0; i < 3; ++i) {
            const double cx = x + 10 + rnd(i, 1) * 30, cy = y + 10 + rnd(i, 2) * 30, w = 6 + rnd(i, 3) * 6;
            Source(cr, g.shade, 0.8);
            cairo_move_to(cr, cx - w, cy + 2);
            cairo_curve_to(cr, cx - w / 2, cy - 3, cx + w / 2, cy - 3, cx + w, cy + 2);
            cairo_curve_to(cr, cx + w / 2, cy, cx - w / 2, cy, cx - w, cy + 2);
            cairo_fill(cr);
        }
        break;
    }
    cairo_restore(cr);
}

void PaintGround(Pixels& px, int t, int left, int top, int w = kN, int h = kN, int u0 = 0, int v0 = 0) {
    const Texture& tex = GroundTexture(t);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) px.Set(left + i, top + j, tex[((v0 + j) % kN) * kN + (u0 + i) % kN]);
}

} // namespace

void DrawTerrainArt(cairo_t* cr, int width, int height) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    for (int t = 1; t <= 7; ++t)
        for (int v = 1; v <= 5; ++v) {
            {
                Pixels px(cr);
                PaintGround(px, t, 51 * (v - 1), 51 * (t - 1));
            }
            TerrainMarks(cr, t, v, 51 * (v - 1), 51 * (t - 1));
        }
    (void)width;
    (void)height;
}

namespace {

// The sea of a coastal cell: lighter near the land, the beach on the land's sides with a
// line of surf.
void CoastCell(cairo_t* cr, int code, int variant, int x, int y) {
    const bool land[4] = {code % 10 != 0, code / 10 % 10 != 0, code / 100 % 10 != 0, code / 1000 != 0};
    {
        Pixels px(cr);
        const Texture& sea = GroundTexture(1);
        for (int j = 0; j < kN; ++j)
            for (int i = 0; i < kN; ++i) {
                // The distance to the nearest beach line, each side with its own waves.
                const double sideDistance[4] = {double(j), double(kN - 1 - i), double(kN - 1 - j), double(i)};
                const double along[4] = {double(i), double(j), double(i), double(j)};
                double d = 99;
                for (int side = 0; side < 4; ++side)
                    if (land[side])
                        d = std::min(d, sideDistance[side] -
                                            2.2 * std::sin((along[side] + variant * 7 + side * 11) * 0.31) -
                                            variant % 2);
                const double beach = 5;
                Rgb8 c = Hex(sea[j * kN + i]);
                const double shallow = std::clamp(1.0 - (d - beach) / 20.0, 0.0, 1.0);
                c = Mix(c, Hex(0x4f86b0), shallow * 0.85);
                if (d < beach) {
                    c = Hex(GroundTexture(0)[j * kN + i]);
                    if (d > beach - 2) c = Mix(c, Hex(0xbfa673), 0.6);
                } else if (d < beach + 1.5) {
                    c = Hex(0xd8ecf4); // surf
                } else if (d < beach + 3) {
                    c = Mix(c, Hex(0xd8ecf4), 0.35);
                }
                px.Set(x + i, y + j, Pack(c));
            }
    }
}

} // namespace

void DrawCoastArt(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (const CoastPiece& piece : kCoastPieces)
        for (int v = 0; v < piece.variants; ++v) {
            const PiecePos at = CoastPieceAt(piece, v);
            CoastCell(cr, piece.code, v, at.column, at.row);
        }
    // Corners of land that touch the sea only diagonally: NE, SE, SW, NW, as a rounded
    // spit of beach with its surf.
    const double corners[4][2] = {{37, 0}, {37, 37}, {0, 37}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
        const int x = 1041, y = 38 * i;
        DrawComputed(cr, x, y, 37, 37, [&](cairo_t* c) {
            cairo_rectangle(c, x, y, 37, 37);
            cairo_clip(c);
            cairo_arc(c, x + corners[i][0], y + corners[i][1], 10, 0, 2 * M_PI);
            Source(c, 0xd8ecf4);
            cairo_fill(c);
            cairo_arc(c, x + corners[i][0], y + corners[i][1], 8, 0, 2 * M_PI);
            Source(c, 0xd8c48e);
            cairo_fill(c);
        });
    }
    // River mouths: from the south, west, north and east, widening into the sea.
    auto mouth = [&](int x, int y, int w, int h, bool vertical) {
        DrawComputed(cr, x, y, w, h, [&](cairo_t* c) {
            if (vertical) {
                cairo_move_to(c, x + w / 2.0 - 3, y);
                cairo_line_to(c, x + w / 2.0 + 3, y);
                cairo_line_to(c, x + w / 2.0 + 6, y + h);
                cairo_line_to(c, x + w / 2.0 - 6, y + h);
            } else {
                cairo_move_to(c, x, y + h / 2.0 - 3);
                cairo_line_to(c, x, y + h / 2.0 + 3);
                cairo_line_to(c, x + w, y + h / 2.0 + 6);
                cairo_line_to(c, x + w, y + h / 2.0 - 6);
            }
            cairo_close_path(c);
            Source(c, 0x3f78b0);
            cairo_fill(c);
        });
    };
    mouth(1020, 0, 17, 19, true);
    mouth(1020, 21, 19, 17, false);
    mouth(1020, 40, 17, 19, true);
    mouth(1020, 61, 19, 17, false);
}

void DrawMixArt(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    Pixels px(cr);
    // A strip of terrain t reaching in from the outer edge (0 west, 1 east, 2 north,
    // 3 south) of a cell, with a ragged, dithered end. (u0, v0) is where the strip's
    // corner lies inside its cell, so the ground continues the neighbour's exactly.
    auto strip = [&](int x, int y, int w, int h, int outer, int t, int u0, int v0, uint32_t seed) {
        const Texture& tex = GroundTexture(t);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                const int depth = outer == 0 ? i : outer == 1 ? w - 1 - i : outer == 2 ? j : h - 1 - j;
                const int along = outer <= 1 ? j : i;
                const double edge =
                    (1.5 + 7.0 * PeriodicNoise(along, 7, 4, seed) +
                     1.5 * PeriodicNoise(along, 3, 9, seed + 50)) *
                    std::clamp(std::min(along, 48 - along) / 7.0, 0.0, 1.0); // the corners stay on the edge
                bool on = depth < edge - 0.5;
                // The fringe breaks into small patches rather than a chequer, which on
                // snow and sand read as a bright dotted rim.
                if (!on && depth < edge + 2)
                    on = PeriodicNoise(u0 + i, v0 + j, 14, seed + 3) > 0.35 + 0.2 * (depth - edge + 0.5);
                if (t == 7) {
                    // Snow thins out as it reaches over the neighbour, the way the sea
                    // shallows towards a coast: drifts that grow sparse and take the
                    // snow's blue shade, rather than a white rim.
                    // Patches, not single pixels: a soft noise of a few pixels' grain
                    // decides where the snow still lies.
                    const double fade = (depth - (edge - 3)) / 8.0;
                    const double patch = 0.7 * PeriodicNoise(u0 + i, v0 + j, 14, seed + 7) +
                                         0.3 * Unit(Hash3(seed, uint32_t(i), uint32_t(j)));
                    on = fade < 0 || patch > fade + 0.2;
                    if (on) {
                        const uint32_t snow = tex[((v0 + j) % kN) * kN + (u0 + i) % kN];
                        px.Set(x + i, y + j,
                               Pack(Mix(Hex(snow), Hex(0xb9c8d2), std::clamp(fade + 0.3, 0.0, 0.8))));
                    }
                    continue;
                }
                if (on) px.Set(x + i, y + j, tex[((v0 + j) % kN) * kN + (u0 + i) % kN]);
            }
    };
    for (int t = 1; t <= 7; ++t) {
        const int g = t == 1 ? 0 : t; // land beside the sea gets a beach
        strip(16 * (t - 1), 51, 15, 49, 0, g, 0, 0, 100 + t);
        strip(16 * (t - 1), 0, 15, 49, 1, g, 35, 0, 200 + t);
        strip(51, 16 * t + 86, 49, 15, 2, g, 0, 0, 300 + t);
        strip(0, 16 * t + 86, 49, 15, 3, g, 0, 35, 400 + t);
    }
    // The fog of the unseen land reaching over the edge of the seen.
    strip(128, 51, 15, 49, 0, 8, 0, 0, 501);
    strip(128, 0, 15, 49, 1, 8, 35, 0, 502);
    strip(51, 230, 49, 15, 2, 8, 0, 0, 503);
    strip(0, 230, 49, 15, 3, 8, 0, 35, 504);
}

namespace {

// A river from near the middle of a cell to the sides of its digits (N 1, E 10, S 100,
// W 1000); a river that only starts here has a spring. (x, y) is the cell's corner.
void RiverPath(cairo_t* c, double x, double y, int code, int variant) {
    const double cx = x + 25 + (variant - 1) * 2.5, cy = y + 25 - (variant - 1) * 2;
    const double ends[4][2] = {{x + 25, y}, {x + 50, y + 25}, {x + 25, y + 50}, {x, y + 25}};
    const double bend[4][2] = {{x + 25, y + 12}, {x + 38, y + 25}, {x + 25, y + 38}, {x + 12, y + 25}};
    int sides = 0;
    for (int d = 0, digit = 1; d < 4; ++d, digit *= 10) {
        if (code / digit % 10 == 0) continue;
        ++sides;
        const double wob = (d % 2 == 0 ? 1 : -1) * (3 + variant * 2);
        cairo_move_to(c, cx, cy);
        cairo_curve_to(c, cx + (d % 2 == 0 ? wob : 0), cy + (d % 2 == 1 ? wob : 0), bend[d][0], bend[d][1],
                       ends[d][0], ends[d][1]);
    }
    cairo_set_line_cap(c, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(c, 8);
    Source(c, 0x2c4a6a);
    cairo_stroke_preserve(c);
    cairo_set_line_width(c, 5.5);
    Source(c, 0x3f78b0);
    cairo_stroke_preserve(c);
    cairo_set_line_width(c, 1.4);
    Source(c, 0x7fb0d8);
    cairo_stroke(c);
    // Where the lines meet, a round pool hides the joins; a lone end is a spring.
    cairo_arc(c, cx, cy, sides == 1 ? 5 : 3.2, 0, 2 * M_PI);
    Source(c, 0x2c4a6a);
    cairo_fill(c);
    cairo_arc(c, cx, cy, sides == 1 ? 3.6 : 2.6, 0, 2 * M_PI);
    Source(c, 0x3f78b0);
    cairo_fill(c);
}

void River(cairo_t* cr, int x, int y, int code, int variant) {
    DrawComputed(cr, x, y, 50, 50, [&](cairo_t* c) {
        cairo_rectangle(c, x, y, 50, 50);
        cairo_clip(c);
        RiverPath(c, x, y, code, variant);
    });
}

struct TreeStyle {
    uint32_t crown, shade, light;
    bool fir;
};
constexpr TreeStyle kForestTrees{0x3e6a30, 0x2c4a22, 0x5e8a40, false};
constexpr TreeStyle kGreenTrees{0x4a7e32, 0x335a24, 0x72a448, false};
constexpr TreeStyle kFirs{0x2e5a44, 0x1e4032, 0x4a7a5e, true};

void Tree(cairo_t* c, double x, double y, double r, const TreeStyle& s) {
    // The shadow to the lower right, the trunk, then the crown with its light.
    Source(c, 0x1a1a10, 0.35);
    cairo_arc(c, x + r * 0.5, y + r * 0.9, r * 0.8, 0, 2 * M_PI);
    cairo_fill(c);
    Source(c, 0x5c3c1c);
    cairo_rectangle(c, x - 1, y + r * 0.3, 2, r * 0.9);
    cairo_fill(c);
    if (s.fir) {
        for (int k = 0; k < 2; ++k) {
            const double ty = y - r * 1.5 + k * r * 0.8, w = r * (0.7 + 0.3 * k);
            cairo_move_to(c, x, ty);
            cairo_line_to(c, x + w, ty + r * 1.3);
            cairo_line_to(c, x - w, ty + r * 1.3);
            cairo_close_path(c);
            Source(c, s.crown);
            cairo_fill_preserve(c);
            Source(c, 0x2a1e16);
            cairo_set_line_width(c, 0.8);
            cairo_stroke(c);
            cairo_move_to(c, x, ty + 0.5);
            cairo_line_to(c, x - w * 0.8, ty + r * 1.1);
            cairo_line_to(c, x - w * 0.2, ty + r * 0.9);
            cairo_close_path(c);
            Source(c, 0xf4f8fa);
            cairo_fill(c);
        }
        return;
    }
    cairo_arc(c, x, y, r, 0, 2 * M_PI);
    Source(c, s.crown);
    cairo_fill_preserve(c);
    Source(c, 0x2a1e16);
    cairo_set_line_width(c, 0.9);
    cairo_stroke(c);
    cairo_arc(c, x + r * 0.25, y + r * 0.25, r * 0.7, 0, 2 * M_PI);
    Source(c, s.shade, 0.6);
    cairo_fill(c);
    cairo_arc(c, x - r * 0.35, y - r * 0.35, r * 0.42, 0, 2 * M_PI);
    Source(c, s.light);
    cairo_fill(c);
}

// Trees over a box; on the sides where the forest goes on (N 1000, E 100, S 10, W 1) the
// trees may reach the edge, elsewhere they keep inside.
void Woods(cairo_t* c, double x, double y, double w, double h, const TreeStyle& s, int open, uint32_t seed) {
    cairo_save(c);
    cairo_rectangle(c, x, y, w, h);
    cairo_clip(c);
    const double r = s.fir ? 4.5 : 5.2;
    const double left = x + (open % 10 ? -2 : r + 1), right = x + w - (open / 100 % 10 ? -2 : r + 2);
    const double top = y + (open / 1000 ? -1 : r * (s.fir ? 1.6 : 1) + 1),
                 bottom = y + h - (open / 10 % 10 ? 0 : r + 3);
    int row = 0;
    for (double ty = top; ty <= bottom; ty += 8.5, ++row)
        for (double tx = left + (row % 2 ? 5 : 0); tx <= right; tx += 10) {
            const uint32_t hsh = Hash3(seed, uint32_t(tx * 7), uint32_t(ty * 13));
            const double jx = Unit(hsh) * 3 - 1.5, jy = Unit(hsh >> 8) * 2 - 1;
            if (Unit(hsh >> 16) < 0.08) continue; // a clearing
            Tree(c, std::clamp(tx + jx, left, right), std::clamp(ty + jy, top, bottom),
                 r + Unit(hsh >> 4) * 1.2, s);
        }
    cairo_restore(c);
}

void WoodsPiece(cairo_t* cr, int x, int y, int w, int h, const TreeStyle& s, int open, uint32_t seed) {
    DrawComputed(cr, x, y, w, h, [&](cairo_t* c) { Woods(c, x, y, w, h, s, open, seed); });
}

} // namespace

void DrawRiverArt(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    const TreeStyle* sets[3] = {&kForestTrees, &kFirs, &kGreenTrees};
    for (const RiverPiece& piece : kRiverPieces)
        for (int v = 0; v < piece.variants; ++v) {
            const PiecePos plain = RiverPieceAt(piece, v);
            River(cr, plain.column, plain.row, piece.code, v);
            const PiecePos forest = ForestRiverPieceAt(piece, v);
            for (int set = 0; set < 3; ++set) {
                const int x = forest.column + 255 * set, y = forest.row;
                DrawComputed(cr, x, y, 50, 55, [&](cairo_t* c) {
                    cairo_rectangle(c, x, y, 50, 55);
                    cairo_clip(c);
                    // The trees stand back from the water.
                    Woods(c, x, y, 50, 55, *sets[set], 1111, piece.code * 7 + v);
                    cairo_save(c);
                    cairo_translate(c, 0, 5);
                    cairo_set_operator(c, CAIRO_OPERATOR_CLEAR);
                    cairo_set_line_width(c, 16);
                    RiverPath(c, x, y, piece.code, v); // cut a lane through the trees
                    cairo_restore(c);
                });
                DrawComputed(cr, x, y, 50, 55, [&](cairo_t* c) {
                    cairo_rectangle(c, x, y + 5, 50, 50);
                    cairo_clip(c);
                    RiverPath(c, x, y + 5, piece.code, v);
                });
            }
        }
}

void DrawForestArt(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    // The pieces' rows by the forest around (N 1000, E 100, S 10, W 1); the wide ones
    // reach 3 pixels into the west neighbour, the tall ones 12 into the north one.
    struct Row {
        int top, bottom, width, open;
    };
    const Row rows[] = {{1, 50, 49, 0},       {52, 113, 49, 1000},  {115, 164, 49, 100},
                        {166, 215, 49, 10},   {217, 266, 52, 1},    {268, 329, 49, 1100},
                        {331, 392, 49, 1110}, {394, 455, 52, 1001}, {457, 506, 49, 110},
                        {508, 557, 52, 111},  {559, 608, 52, 11},   {610, 671, 52, 1111}};
    for (int set = 0; set < 2; ++set)
        for (int v = 0; v < 4; ++v)
            for (const Row& row : rows) {
                const int x = (row.width == 52 ? 54 * v : 51 * v) + 1 + 300 * set;
                WoodsPiece(cr, x, row.top, row.width, row.bottom - row.top,
                           set == 0 ? kForestTrees : kGreenTrees, row.open,
                           uint32_t(v * 31 + set * 7 + row.top));
            }
    for (int v = 0; v < 4; ++v) {
        WoodsPiece(cr, 51 * v + 1, 673, 49, 62, kFirs, 1000, v + 40);
        WoodsPiece(cr, 51 * v + 1, 736, 49, 50, kFirs, 0, v + 50);
    }
}

namespace {

// A hill: one mound, or two on the wide shapes, lit from the top left.
void Mound(cairo_t* c, double x, double y, double w, double h, int piece, uint32_t seed) {
    const int humps = w > 56 ? 2 : 1;
    const uint32_t body = piece == 2 ? 0xe8eef2 : 0x6e7a4e, shade = piece == 2 ? 0xb9c8d2 : 0x3e5430,
                   light = piece == 2 ? 0xffffff : 0x8e9a62;
    for (int k = 0; k < humps; ++k) {
        const double hx = x + (humps == 1 ? 2 : k * w * 0.40 + 1), hw = humps == 1 ? w - 4 : w * 0.6;
        const double top = y + (k == 0 ? h * 0.1 : h * 0.32), base = y + h - 1;
        cairo_move_to(c, hx, base + 1);
        cairo_curve_to(c, hx + hw * 0.18, top, hx + hw * 0.72, top, hx + hw, base + 1);
        cairo_close_path(c);
        cairo_pattern_t* g = cairo_pattern_create_linear(hx, top, hx + hw, base);
        cairo_pattern_add_color_stop_rgb(g, 0.0, (light >> 16) / 255.0, (light >> 8 & 255) / 255.0,
                                         (light & 255) / 255.0);
        cairo_pattern_add_color_stop_rgb(g, 0.45, (body >> 16) / 255.0, (body >> 8 & 255) / 255.0,
                                         (body & 255) / 255.0);
        cairo_pattern_add_color_stop_rgb(g, 1.0, (shade >> 16) / 255.0, (shade >> 8 & 255) / 255.0,
                                         (shade & 255) / 255.0);
        cairo_set_source(c, g);
        cairo_fill(c);
        cairo_pattern_destroy(g);
        // The outline along the slopes only: the foot stands on the ground.
        cairo_new_path(c);
        cairo_move_to(c, hx, base + 1);
        cairo_curve_to(c, hx + hw * 0.18, top, hx + hw * 0.72, top, hx + hw, base + 1);
        Source(c, 0x2a1e16);
        cairo_set_line_width(c, 1.2);
        cairo_stroke(c);
        // Rock strata on the shaded side.
        Source(c, piece == 2 ? 0x9fb0bc : 0x2c3e22, 0.7);
        cairo_set_line_width(c, 1);
        for (int i = 0; i < 3; ++i) {
            const double sx = hx + hw * (0.55 + 0.1 * i), sy = top + (base - top) * (0.35 + 0.18 * i);
            cairo_move_to(c, sx, sy);
            cairo_line_to(c, sx + 4, sy + 2);
            cairo_stroke(c);
        }
    }
    if (piece == 1 || piece == 3) { // gold in the rock, or blocks of stone
        for (int i = 0; i < 4; ++i) {
            const uint32_t hsh = Hash3(seed, i, piece);
            const double ox = x + w * (0.3 + 0.12 * i), oy = y + h * (0.55 + 0.1 * (i % 2)) + Unit(hsh) * 2;
            if (piece == 1) {
                cairo_move_to(c, ox, oy - 3);
                cairo_line_to(c, ox + 3, oy);
                cairo_line_to(c, ox, oy + 3);
                cairo_line_to(c, ox - 3, oy);
                cairo_close_path(c);
                Source(c, 0xf0c840);
            } else {
                cairo_rectangle(c, ox - 3, oy - 2, 6, 4.5);
                Source(c, 0xb8b6b0);
            }
            cairo_fill_preserve(c);
            Source(c, 0x2a1e16);
            cairo_set_line_width(c, 0.8);
            cairo_stroke(c);
        }
    }
}

} // namespace

void DrawHillArt(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (int s = 0; s < 8; ++s) {
        const HillShape& shape = kHillShapes[s];
        const int h = shape.bottom - shape.top, w = shape.width;
        for (int piece = 0; piece < 5; ++piece) {
            const int x = piece * (w + 1), y = shape.top;
            DrawComputed(cr, x, y, w, h, [&](cairo_t* c) {
                cairo_rectangle(c, x, y, w, h);
                cairo_clip(c);
                if (piece == 4) { // the road over the hill
                    // A track cut into the near slope: it climbs from the foot on the left
                    // in two bends along the ground and comes down to the foot on the right,
                    // staying inside the mound's outline.
                    const int humps = w > 56 ? 2 : 1;
                    const double top = y + h * (humps == 1 ? 0.1 : 0.32), base = y + h - 1;
                    const double rise = (base - top) * 0.22;
                    cairo_move_to(c, x + 3, base - 2);
                    cairo_curve_to(c, x + w * 0.25, base - rise * 0.3, x + w * 0.2, base - rise, x + w * 0.45,
                                   base - rise);
                    cairo_curve_to(c, x + w * 0.7, base - rise, x + w * 0.62, base - rise * 0.35, x + w - 3,
                                   base - 3);
                    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
                    cairo_set_line_width(c, 3.4);
                    Source(c, 0x3e2a16);
                    cairo_stroke_preserve(c);
                    cairo_set_line_width(c, 1.8);
                    Source(c, 0x8a6a42);
                    cairo_stroke(c);
                    return;
                }
                Mound(c, x, y, w, h, piece, s * 5 + piece);
            });
        }
    }
}

namespace {

// Rows of corn over a box; the sides that join a neighbour's field reach the edge, the
// others end in a soft, uneven margin of stubble. A field that joins another keeps the
// plain east-west rows so that the rows run on across the cells; a field on its own
// (`variant` 1..3) turns its rows, spaces them otherwise and ripens to its own colour.
void Field(cairo_t* c, double x, double y, double w, double h, bool joinWest, bool joinEast, int variant) {
    struct Look {
        double angle, pitch;
        uint32_t soil, corn, light;
    };
    constexpr Look kLooks[4] = {
        {0.0, 4.0, 0x8a6a30, 0xd8b040, 0xf0d070},   // ripe, east-west
        {0.45, 4.6, 0x7a6430, 0xc8a83c, 0xe6cc6c},  // ripe, slanting
        {-0.3, 3.4, 0x6e6a30, 0xa8ac44, 0xccd070},  // still green
        {1.5708, 4.2, 0x8a6430, 0xe0a848, 0xf2cc7a} // late, north-south
    };
    const Look& look = kLooks[(joinWest || joinEast) ? 0 : variant % 4];
    const uint32_t seed = uint32_t(variant * 97 + (joinWest ? 1 : 0) + (joinEast ? 2 : 0));
    // The outline: straight where it joins, wavering a little elsewhere, corners rounded.
    const double left = x + (joinWest ? 0 : 4), right = x + w - (joinEast ? 0 : 4), top = y + 4,
                 bottom = y + h - 4;
    auto wobble = [&](int i) { return (Unit(Hash3(seed, uint32_t(i), 7)) - 0.5) * 2.2; };
    cairo_new_path(c);
    cairo_move_to(c, left + (joinWest ? 0 : 3), top + wobble(0));
    for (int i = 1; i <= 4; ++i)
        cairo_line_to(c, left + (right - left) * i / 4.0 - (i == 4 && !joinEast ? 3 : 0), top + wobble(i));
    if (joinEast)
        cairo_line_to(c, right, bottom);
    else
        cairo_curve_to(c, right + 1 + wobble(5), top + 8, right - 1 + wobble(6), bottom - 8, right - 3,
                       bottom);
    for (int i = 3; i >= 0; --i)
        cairo_line_to(c, left + (right - left) * i / 4.0 + (i == 0 && !joinWest ? 3 : 0),
                      bottom + wobble(10 + i));
    if (joinWest)
        cairo_line_to(c, left, top);
    else
        cairo_curve_to(c, left - 1 + wobble(11), bottom - 8, left + 1 + wobble(12), top + 8, left + 3, top);
    cairo_close_path(c);
    // The margin first, a little wider and of a colour between the soil and the ground
    // around it, so the field's edge does not stand as a hard line.
    cairo_save(c);
    cairo_set_line_width(c, 3);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    Source(c, 0x8a7a48);
    cairo_stroke_preserve(c);
    Source(c, look.soil);
    cairo_fill_preserve(c);
    cairo_clip(c);
    // The rows, turned about the field's middle; each breaks off here and there.
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    cairo_translate(c, cx, cy);
    cairo_rotate(c, look.angle);
    for (int k = -10; k <= 10; ++k) {
        const double row = k * look.pitch;
        const double gap = Unit(Hash3(seed, uint32_t(k + 20), 3));
        const double from = -40, to = 40, breakAt = -20 + 40 * gap;
        for (int part = 0; part < 2; ++part) {
            const double a = part == 0 ? from : breakAt + 2.5, b = part == 0 ? breakAt : to;
            if (gap < 0.25 && part == 1) continue; // a short row
            cairo_rectangle(c, a, row, b - a, look.pitch * 0.55);
            Source(c, look.corn);
            cairo_fill(c);
            cairo_rectangle(c, a, row, b - a, 0.8);
            Source(c, look.light);
            cairo_fill(c);
        }
    }
    cairo_restore(c);
    // The shaded side, down and to the right.
    if (!joinEast) {
        Source(c, 0x5a4620, 0.45);
        cairo_set_line_width(c, 1);
        cairo_move_to(c, right - 2.5, top + 3);
        cairo_line_to(c, right - 2.5, bottom - 1);
        cairo_stroke(c);
    }
}

void FieldPiece(cairo_t* cr, int x, int y, bool joinWest, bool joinEast, int river, int variant) {
    DrawComputed(cr, x, y, 50, 50, [&](cairo_t* c) {
        cairo_rectangle(c, x, y, 50, 50);
        cairo_clip(c);
        Field(c, x, y, 50, 50, joinWest, joinEast, variant + 1);
        if (river) RiverPath(c, x, y, river, variant);
    });
}

} // namespace

void DrawRoadArt(cairo_t* cr, int width, int height, bool onCornfield) {
    FillKey(cr, width, height);
    // Bit by neighbour: N 128, NE 64, E 32, SE 16, S 8, SW 4, W 2, NW 1; the piece is drawn
    // one pixel up and left of the cell, so the cell's middle is at (26, 26). A diagonal is
    // drawn only where no straight road already turns that corner: two roads meeting over a
    // corner cell join through it, and a block of road cells reads as streets, not as a
    // lattice. The neighbour on the diagonal makes the same choice from its own side.
    const double ends[8][2] = {{26, 0}, {54, 0}, {54, 26}, {54, 54}, {26, 54}, {0, 54}, {0, 26}, {0, 0}};
    for (int mask = 0; mask < 256; ++mask) {
        const int x = 55 * (mask % 16) + 1, y = 55 * (mask / 16) + 1;
        DrawComputed(cr, x, y, 54, 54, [&](cairo_t* c) {
            cairo_rectangle(c, x, y, 54, 54);
            cairo_clip(c);
            if (onCornfield) Field(c, x + 1, y + 1, 50, 50, false, false, 1 + mask % 3);
            auto has = [&](int d) { return (mask & (128 >> (d & 7))) != 0; };
            for (int d = 0; d < 8; ++d) {
                if (!has(d)) continue;
                if (d % 2 == 1 && (has(d - 1) || has(d + 1))) continue;
                // A slight bend, the same seen from either end, so the road lies on the
                // ground rather than being ruled across it.
                const double ex = x + ends[d][0], ey = y + ends[d][1];
                const double bend = d % 2 == 0 ? 1.6 : 1.2, nx = -(ey - y - 26), ny = ex - x - 26;
                const double len = std::hypot(nx, ny);
                const double side = d < 4 ? 1 : -1;
                cairo_move_to(c, x + 26, y + 26);
                const double ox = side * bend * nx / len, oy = side * bend * ny / len;
                // Leaves the middle turned a little aside and meets the edge straight on.
                cairo_curve_to(c, x + 26 + (ex - x - 26) * 0.4 + ox, y + 26 + (ey - y - 26) * 0.4 + oy,
                               x + 26 + (ex - x - 26) * 0.8, y + 26 + (ey - y - 26) * 0.8, ex, ey);
            }
            cairo_arc(c, x + 26, y + 26, 0.1, 0, 2 * M_PI);
            cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
            cairo_set_line_width(c, 4.2);
            Source(c, 0x3e2a16);
            cairo_stroke_preserve(c);
            cairo_set_line_width(c, 2.4);
            Source(c, 0x8a6a42);
            cairo_stroke_preserve(c);
            cairo_set_line_width(c, 0.7);
            Source(c, 0xa88658);
            cairo_stroke(c);
        });
    }
}

void DrawCornfieldArt(cairo_t* cr, int width, int height) {
    FillKey(cr, width, height);
    for (const RiverPiece& piece : kRiverPieces)
        for (int v = 0; v < piece.variants; ++v) {
            const PiecePos at = RiverPieceAt(piece, v);
            FieldPiece(cr, at.column, at.row, false, false, piece.code, v);
        }
    for (int i = 0; i < 3; ++i) FieldPiece(cr, 204 + 51 * i, 0, false, false, 0, i); // lone fields
    FieldPiece(cr, 204, 51, false, true, 0, 0);                                      // joined east
    FieldPiece(cr, 255, 51, true, true, 0, 0);                                       // both sides
    FieldPiece(cr, 306, 51, true, false, 0, 0);                                      // joined west
    for (int v = 0; v < 3; ++v)
        for (int river : {101, 1010}) {
            const int y = (river == 101 ? 102 : 255) + 51 * v;
            for (int side = 0; side < 3; ++side)
                FieldPiece(cr, 204 + 51 * side, y, side >= 1, side <= 1, river, v);
        }
    for (const auto& [river, row] : kJoinedFieldRiverRows)
        for (int side = 0; side < 3; ++side)
            FieldPiece(cr, 357 + 51 * side, row, side >= 1, side <= 1, river, 1);
}

void PaintFogTile(cairo_t* cr, int x, int y) {
    Pixels px(cr);
    PaintGround(px, 8, x, y);
}

} // namespace annals::art
