// The sprite sheets, one drawing routine each. Every routine draws the whole sheet at
// the size of the sheet table on an opaque RGB surface; magenta (255, 0, 255) is the
// colour key wherever a sheet has one.
#pragma once

#include "ui/sheet_layout.h"

#include <cairo.h>
#include <string>

namespace annals::art {

void DrawInterfacesSheet(cairo_t* cr, int width, int height);
void DrawBackgroundsSheet(cairo_t* cr, int width, int height);
void DrawEnteranceBackgroundsSheet(cairo_t* cr, int width, int height);
void DrawLeadersSheet(cairo_t* cr, int width, int height);
void DrawTerrainSheet(cairo_t* cr, int width, int height);
void DrawCoastSheet(cairo_t* cr, int width, int height);
void DrawMixSheet(cairo_t* cr, int width, int height);
void DrawHillSheet(cairo_t* cr, int width, int height);
void DrawRiverSheet(cairo_t* cr, int width, int height);
void DrawForestSheet(cairo_t* cr, int width, int height);
void DrawRoadSheet(cairo_t* cr, int width, int height);
void DrawRoadOnCornfieldSheet(cairo_t* cr, int width, int height);
void DrawCornfieldSheet(cairo_t* cr, int width, int height);
void DrawProductSheet(cairo_t* cr, int width, int height);
void DrawUnitSheet(cairo_t* cr, int width, int height);
void DrawUnitOutlinesSheet(cairo_t* cr, int width, int height);
void DrawCitySheet(cairo_t* cr, int width, int height);
void DrawPopulationSheet(cairo_t* cr, int width, int height);
void DrawCityNameSheet(cairo_t* cr, int width, int height);
void DrawCityNameBigSheet(cairo_t* cr, int width, int height);
void DrawBuildingSheet(cairo_t* cr, int width, int height);
void DrawWonderSheet(cairo_t* cr, int width, int height);
void DrawScienceSheet(cairo_t* cr, int width, int height);
void DrawSciencesSheet(cairo_t* cr, int width, int height);
void DrawOthersSheet(cairo_t* cr, int width, int height);
void DrawOutlineSheet(cairo_t* cr, int width, int height);
void DrawEnteranceSheet(cairo_t* cr, int width, int height);
void DrawHelpSheet(cairo_t* cr, int width, int height);

// The help screen's window, plates and panels (help_art.cpp).
void DrawHelpWindow(cairo_t* cr);
void DrawHelpPlates(cairo_t* cr);
void DrawHelpPanels(cairo_t* cr);

// The dialogs' pictures: the leaders' portraits and the other groups' (picture_art.cpp).
void DrawLeaderPictures(cairo_t* cr, int width, int height);

// The buildings' and wonders' pictures (picture_art.cpp).
void DrawBuildingPictures(cairo_t* cr, int width, int height);
void DrawWonderPictures(cairo_t* cr, int width, int height);

// The sciences' pictures (picture_art.cpp) and the science tree's pages (science_tree_art.cpp).
void DrawSciencePictures(cairo_t* cr, int width, int height);
void DrawScienceTree(cairo_t* cr, int width, int height);

// The windows, plates, arrows, title cartouches and battle marks (window_art.cpp).
void DrawInterfaceWindows(cairo_t* cr, int width, int height);
void DrawBackgroundWindows(cairo_t* cr, int width, int height);

// The entrance screen's pictures (entrance_art.cpp).
void DrawEntrancePictures(cairo_t* cr, int width, int height);
void DrawEntranceButtons(cairo_t* cr, int width, int height);

// The sheets, every one of which is drawn in full (the asset test checks them all).
inline constexpr SheetId kFinishedSheets[] = {
    kTerrainSprite,     kCoastSprite,          kMixSprite,          kHillSprite,
    kRiverSprite,       kForestSprite,         kRoadSprite,         kRoadOnCornfieldSprite,
    kCornfieldSprite,   kUnitSprite,           kUnitOutlinesSprite, kCitySprite,
    kPopulationSprite,  kCityNameSprite,       kProductSprite,      kOthersSprite,
    kOutlineSprite,     kEnteranceBackgrounds, kEnterance,          kLeadersSprite,
    kCityNameBigSprite, kBuildingSprite,       kWonderSprite,       kInterfaces,
    kBackgrounds,       kScienceSprite,        kSciencesSprite,     kHelpSprite,
};

// Draws every sheet and writes it as a 24-bit BMP into artDir.
bool WriteSheets(const std::string& artDir, std::string& error);

} // namespace annals::art
