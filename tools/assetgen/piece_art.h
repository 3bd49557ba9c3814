// The pieces of the map drawn from SVG pictures: units and their outlines, product
// icons and special resources, cities, the small common pictures and the frame.
#pragma once

#include <cairo.h>

namespace annals::art {

void DrawUnitPieces(cairo_t* cr, int width, int height);
void DrawUnitOutlinePieces(cairo_t* cr, int width, int height);
void DrawProductPieces(cairo_t* cr, int width, int height);
void DrawOthersPieces(cairo_t* cr, int width, int height);
void DrawFramePieces(cairo_t* cr, int width, int height);
void DrawCityPieces(cairo_t* cr, int width, int height);

} // namespace annals::art
