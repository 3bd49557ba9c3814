#include "svg_art.h"

#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#ifndef ANNALS_ART_SOURCES
#define ANNALS_ART_SOURCES "assets/art"
#endif

namespace annals::art {

namespace {

std::string& FirstError() {
    static std::string error;
    return error;
}

bool Fail(const std::string& why) {
    if (FirstError().empty()) FirstError() = why;
    return false;
}

// The sources, read once each.
const std::string* Source(const std::string& name) {
    static std::map<std::string, std::string> cache;
    auto found = cache.find(name);
    if (found != cache.end()) return &found->second;
    std::ifstream in(std::string(ANNALS_ART_SOURCES) + "/" + name + ".svg", std::ios::binary);
    if (!in) return nullptr;
    std::ostringstream text;
    text << in.rdbuf();
    return &cache.emplace(name, text.str()).first->second;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Copies an ARGB picture onto the sheet by hand: the colour key must never be blended
// into an edge.
void CopyOntoSheet(cairo_t* cr, cairo_surface_t* picture, int left, int top, SvgMode mode, uint32_t flat) {
    const int width = cairo_image_surface_get_width(picture),
              height = cairo_image_surface_get_height(picture);
    cairo_surface_t* sheet = cairo_get_target(cr);
    cairo_surface_flush(sheet);
    const int sheetW = cairo_image_surface_get_width(sheet), sheetH = cairo_image_surface_get_height(sheet);
    unsigned char* to = cairo_image_surface_get_data(sheet);
    const int toStride = cairo_image_surface_get_stride(sheet);
    const unsigned char* from = cairo_image_surface_get_data(picture);
    const int fromStride = cairo_image_surface_get_stride(picture);
    for (int j = 0; j < height; ++j) {
        const int sy = top + j;
        if (sy < 0 || sy >= sheetH) continue;
        for (int i = 0; i < width; ++i) {
            const int sx = left + i;
            if (sx < 0 || sx >= sheetW) continue;
            uint32_t src;
            std::memcpy(&src, from + size_t(j) * fromStride + size_t(i) * 4, 4);
            const uint32_t a = src >> 24;
            if (a == 0) continue;
            uint32_t* dst = reinterpret_cast<uint32_t*>(to + size_t(sy) * toStride + size_t(sx) * 4);
            const uint32_t old = *dst & 0xFFFFFF;
            const bool onKey = old == 0xFF00FF;
            if (mode == SvgMode::Silhouette) {
                if (a >= 110) *dst = flat;
                continue;
            }
            uint32_t out = 0;
            for (int c = 0; c < 3; ++c) {
                const uint32_t s = (src >> (8 * c)) & 0xFF; // premultiplied
                const uint32_t d = (old >> (8 * c)) & 0xFF;
                uint32_t v;
                if (mode == SvgMode::Keyed && onKey)
                    v = std::min<uint32_t>(255, (s * 255 + a / 2) / a); // the edge at full strength
                else
                    v = s + (d * (255 - a) + 127) / 255;
                // A blend that lands on the colour key itself would vanish: nudge it.
                out |= std::min<uint32_t>(v, 255) << (8 * c);
            }
            if (mode == SvgMode::Keyed && onKey && a < 110) continue;
            if (out == 0xFF00FF) out = 0xFE00FE;
            *dst = out;
        }
    }
    cairo_surface_mark_dirty(sheet);
}

} // namespace

const std::string& SvgError() {
    return FirstError();
}

bool DrawSvg(cairo_t* cr, const std::string& name, double x, double y, double w, double h, SvgMode mode,
             const Replacements& replacements, uint32_t flat) {
    const std::string* source = Source(name);
    if (source == nullptr)
        return Fail("cannot read " + std::string(ANNALS_ART_SOURCES) + "/" + name + ".svg");
    std::string text = *source;
    for (const auto& [from, to] : replacements) ReplaceAll(text, from, to);

    GError* error = nullptr;
    RsvgHandle* handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(text.data()), text.size(), &error);
    if (handle == nullptr) {
        const std::string why = name + ".svg: " + (error ? error->message : "not a picture");
        if (error) g_error_free(error);
        return Fail(why);
    }
    const int left = int(std::floor(x)), top = int(std::floor(y));
    const int width = int(std::ceil(x + w)) - left, height = int(std::ceil(y + h)) - top;
    cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* pc = cairo_create(picture);
    const RsvgRectangle viewport{x - left, y - top, w, h};
    const bool drawn = rsvg_handle_render_document(handle, pc, &viewport, &error);
    cairo_destroy(pc);
    g_object_unref(handle);
    if (!drawn) {
        const std::string why = name + ".svg: " + (error ? error->message : "cannot be drawn");
        if (error) g_error_free(error);
        cairo_surface_destroy(picture);
        return Fail(why);
    }
    cairo_surface_flush(picture);

    CopyOntoSheet(cr, picture, left, top, mode, flat);
    cairo_surface_destroy(picture);
    return true;
}

void DrawComputed(cairo_t* cr, int x, int y, int w, int h, const std::function<void(cairo_t*)>& draw,
                  SvgMode mode, uint32_t flat) {
    cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* pc = cairo_create(picture);
    cairo_translate(pc, -x, -y);
    draw(pc);
    cairo_destroy(pc);
    cairo_surface_flush(picture);
    CopyOntoSheet(cr, picture, x, y, mode, flat);
    cairo_surface_destroy(picture);
}

} // namespace annals::art
