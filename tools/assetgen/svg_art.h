// Pictures kept as SVG files under assets/art, rasterised with librsvg onto the sheets.
#pragma once

#include <cairo.h>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace annals::art {

// Text replacements applied to a picture's source before it is drawn: the owner's
// colour of a unit, for instance, is written as a token colour in the file.
using Replacements = std::vector<std::pair<std::string, std::string>>;

// The colour tokens of the pictures: the owner's colour and its shade.
inline constexpr const char* kCivToken = "#ff00ff";
inline constexpr const char* kCivShadeToken = "#b000b0";

enum class SvgMode {
    Keyed,      // edges that are mostly clear stay the colour key; the rest are opaque
    Blend,      // blended over what the sheet already holds (no colour key in the box)
    Silhouette, // every covered pixel in one flat colour
};

// Draws assets/art/<name>.svg scaled into the box (x, y, w, h) of the sheet the
// context draws on (device pixels, the context's own transformation is ignored).
// Returns false, and remembers why, when the file cannot be read or drawn.
bool DrawSvg(cairo_t* cr, const std::string& name, double x, double y, double w, double h,
             SvgMode mode = SvgMode::Keyed, const Replacements& replacements = {}, uint32_t flat = 0x2a1e16);

// Draws with Cairo on a clear surface of the box (x, y, w, h), in sheet coordinates,
// and copies the result onto the sheet as DrawSvg does.
void DrawComputed(cairo_t* cr, int x, int y, int w, int h, const std::function<void(cairo_t*)>& draw,
                  SvgMode mode = SvgMode::Keyed, uint32_t flat = 0x2a1e16);

// The first failure of DrawSvg, or empty.
const std::string& SvgError();

} // namespace annals::art
