// Plain stand-in pictures for the sheets of the map view, so that a map reads well until
// the real art is drawn: flat terrain colours, simple shores, rivers, roads, fields,
// forests and hills, units as numbered figures in their owner's colour, cities as
// clusters of houses with their names and sizes on plates.
#pragma once

#include <cairo.h>

namespace annals::art {

void DrawTerrainArt(cairo_t* cr, int width, int height);
void DrawCoastArt(cairo_t* cr, int width, int height);
void DrawMixArt(cairo_t* cr, int width, int height);
void DrawHillArt(cairo_t* cr, int width, int height);
void DrawRiverArt(cairo_t* cr, int width, int height);
void DrawForestArt(cairo_t* cr, int width, int height);
void DrawRoadArt(cairo_t* cr, int width, int height, bool onCornfield);
void DrawCornfieldArt(cairo_t* cr, int width, int height);
// The special resources and the palm grove; the rest of the sheet stays the placeholder.
void DrawProductMapArt(cairo_t* cr);
void DrawUnitArt(cairo_t* cr, int width, int height);
// City pictures and walls; the rest of the sheet stays the placeholder.
void DrawCityMapArt(cairo_t* cr);
void DrawPopulationArt(cairo_t* cr, int width, int height);
void DrawCityNameArt(cairo_t* cr, int width, int height);
// The big names of the city screen's title.
void DrawCityNameBigArt(cairo_t* cr, int width, int height);
// Health bars, flags, fog, the exploration site and the activity badges.
void DrawOthersMapArt(cairo_t* cr);

} // namespace annals::art
