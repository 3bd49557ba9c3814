// The pictures of the map view's sheets that are computed rather than drawn from SVG
// sources: the ground of each terrain, shores, the edges where terrains meet, hills,
// rivers, forests, roads and fields, the fog over unseen land, the citizens and the
// cities' names on their plates.
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
// The fog over unseen land, one cell at (x, y); its edges on the mix sheet continue it.
void PaintFogTile(cairo_t* cr, int x, int y);
void DrawPopulationArt(cairo_t* cr, int width, int height);
void DrawCityNameArt(cairo_t* cr, int width, int height);
// The big names of the city screen's title.
void DrawCityNameBigArt(cairo_t* cr, int width, int height);

} // namespace annals::art
