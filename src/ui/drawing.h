// The picture sheets and the one copy operation every picture of the game goes through.
#pragma once

#include "platform/canvas.h"

#include <string>

namespace annals {

// The writing colours every screen shares.
constexpr Pixel kWhite = Rgb(255, 255, 255);
constexpr Pixel kLightGrey = Rgb(192, 192, 192);
constexpr Pixel kGrey = Rgb(128, 128, 128);
// The writing on the parchment of the windows: dark ink for texts, a faded brown for
// column headings, hints and what cannot be chosen, and a deep red for titles.
constexpr Pixel kInk = Rgb(42, 30, 22);
constexpr Pixel kFadedInk = Rgb(110, 84, 56);
constexpr Pixel kTitleInk = Rgb(122, 42, 30);

// The back buffer the frame is composed in.
Surface& Screen();
// Whether a picture drawn now goes anywhere: false on a null canvas that keeps no log of
// its drawing (and while the window is minimized), where the map's many sprite copies
// would each do nothing.
bool PicturesShown();

// The sheets, in the order they are loaded.
enum class Sheet : int {
    Interfaces,
    Backgrounds,
    EnteranceBackgrounds,
    TerrainSprite,
    CoastSprite,
    MixSprite,
    HillSprite,
    ForestSprite,
    UnitOutlinesSprite,
    RiverSprite,
    CornfieldSprite,
    ScienceSprite,
    SciencesSprite,
    Enterance,
    OutlineSprite,
    ProductSprite,
    HelpSprite,
    RoadSprite,
    RoadOnCornfieldSprite,
    UnitSprite,
    CitySprite,
    PopulationSprite,
    CityNameSprite,
    CityNameBigSprite,
    OthersSprite,
    BuildingSprite,
    WonderSprite,
    LeadersSprite,
    Count,
};
constexpr int kSheetCount = static_cast<int>(Sheet::Count);

// The file name of a sheet in the Art folder ("terrainSprite.bmp").
const char* SheetFileName(Sheet sheet);
// Every sheet has the magenta colour key but the terrain, which has none.
bool SheetKeyed(Sheet sheet);

// Mode 1 creates and loads every sheet; any other mode loads the files again into the
// sheets that exist (after the display lost them). Either way surfacesLoaded goes up by
// one. Returns false when a sheet could not be read; SheetLoadError() then names the
// files. A sheet that fails to reload keeps its old picture.
bool LoadSurfaces(int mode);
const std::string& SheetLoadError();
void FreeSurfaces();
const Surface& SheetSurface(Sheet sheet);

// The 100 x 100 scratch bitmap (the small map), without transparency.
Surface& ScratchBitmap();

// Copies the rectangle source (right and bottom exclusive) of the sheet to the screen
// with its top-left corner at (x, y). With transparent, magenta pixels are skipped.
// Nothing is drawn while the window is minimized.
void DrawSprite(int x, int y, Rect source, bool transparent, Sheet sheet);

} // namespace annals
