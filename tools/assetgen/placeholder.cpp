#include "sheets.h"

#include <algorithm>
#include <cstdio>

namespace annals::art {

namespace {

void SetRgb(cairo_t* cr, int r, int g, int b) {
    cairo_set_source_rgb(cr, r / 255.0, g / 255.0, b / 255.0);
}

void FillChecker(cairo_t* cr, int width, int height) {
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 20, 20);
    cairo_t* t = cairo_create(tile);
    SetRgb(t, 196, 192, 184);
    cairo_paint(t);
    SetRgb(t, 182, 178, 170);
    cairo_rectangle(t, 0, 0, 10, 10);
    cairo_rectangle(t, 10, 10, 10, 10);
    cairo_fill(t);
    cairo_destroy(t);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_set_source(cr, pattern);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(tile);
}

void Label(cairo_t* cr, double x, double y, double size, const char* text) {
    cairo_set_font_size(cr, size);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, text);
}

void DrawPiece(cairo_t* cr, const Piece& p) {
    const double w = p.right - p.left, h = p.bottom - p.top;
    cairo_save(cr);
    cairo_rectangle(cr, p.left, p.top, w, h);
    cairo_clip(cr);
    switch (p.kind) {
    case PieceKind::Fixed:
        cairo_set_source_rgba(cr, 0.30, 0.42, 0.62, 0.22);
        break;
    case PieceKind::Ours:
        cairo_set_source_rgba(cr, 0.30, 0.55, 0.32, 0.22);
        break;
    case PieceKind::Spare:
        cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
        break;
    }
    cairo_paint(cr);
    if (p.kind == PieceKind::Spare) {
        // Hatched: room kept free, nothing placed yet.
        cairo_set_source_rgba(cr, 0.35, 0.35, 0.35, 0.35);
        cairo_set_line_width(cr, 1);
        for (double d = -h; d < w; d += 24) {
            cairo_move_to(cr, p.left + d, p.bottom);
            cairo_line_to(cr, p.left + d + h, p.top);
        }
        cairo_stroke(cr);
    }
    cairo_set_source_rgb(cr, 0.10, 0.16, 0.30);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, p.left + 0.5, p.top + 0.5, w - 1, h - 1);
    cairo_stroke(cr);
    if (h >= 9 && w >= 20) {
        cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        const double size = std::min(11.0, h - 2);
        Label(cr, p.left + 3, p.top + size + 1, size, p.what);
    }
    cairo_restore(cr);
}

void DrawGrid(cairo_t* cr, int width, int height) {
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0.15, 0.15, 0.15, 0.40);
    for (int x = 50; x < width; x += 50) {
        cairo_move_to(cr, x + 0.5, 0);
        cairo_line_to(cr, x + 0.5, height);
    }
    for (int y = 50; y < height; y += 50) {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, width, y + 0.5);
    }
    cairo_stroke(cr);
    cairo_select_font_face(cr, "monospace", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.12);
    char text[16];
    for (int x = 50; x < width; x += 50) {
        std::snprintf(text, sizeof text, "%d", x);
        Label(cr, x + 2, 9, 8, text);
    }
    for (int y = 50; y < height; y += 50) {
        std::snprintf(text, sizeof text, "%d", y);
        Label(cr, 2, y + 9, 8, text);
    }
}

void DrawTitle(cairo_t* cr, SheetId sheet, int width, int height) {
    char sub[64];
    std::snprintf(sub, sizeof sub, "PLACEHOLDER  %d x %d", width, height);
    const double size = std::clamp(height / 3.0, 10.0, 28.0);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t name, extra;
    cairo_text_extents(cr, kSheets[sheet].file, &name);
    cairo_set_font_size(cr, size * 0.5);
    cairo_text_extents(cr, sub, &extra);
    const double boxW = std::max(name.width, extra.width) + 12, boxH = size * 1.6 + 6;
    const double x = (width - boxW) / 2, y = (height - boxH) / 2;
    cairo_set_source_rgba(cr, 1, 1, 1, 0.80);
    cairo_rectangle(cr, x, y, boxW, boxH);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.20, 0.12, 0.05);
    Label(cr, x + 6, y + size, size, kSheets[sheet].file);
    Label(cr, x + 6, y + size * 1.55, size * 0.5, sub);
}

} // namespace

void DrawPlaceholder(cairo_t* cr, SheetId sheet, int width, int height) {
    cairo_save(cr);
    FillChecker(cr, width, height);
    for (const Piece& p : kPieces)
        if (p.sheet == sheet) DrawPiece(cr, p);
    DrawGrid(cr, width, height);
    DrawTitle(cr, sheet, width, height);
    cairo_restore(cr);
}

} // namespace annals::art
