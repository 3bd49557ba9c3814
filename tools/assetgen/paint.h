// Small painting helpers every drawn sheet uses.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace annals::art {

constexpr double kPi = 3.14159265358979;

// The source colour from 0xRRGGBB.
inline void Hex(cairo_t* cr, uint32_t c) {
    cairo_set_source_rgb(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0);
}

// A colour made lighter (f > 1) or darker (f < 1), each channel capped at 255.
inline uint32_t Scale(uint32_t c, double f) {
    auto ch = [&](int s) {
        const double v = ((c >> s) & 0xFF) * f;
        return uint32_t(v > 255 ? 255 : v) << s;
    };
    return ch(16) | ch(8) | ch(0);
}

// The whole sheet in the colour key, where nothing is drawn stays see-through.
inline void FillKey(cairo_t* cr, int width, int height) {
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
}

} // namespace annals::art
