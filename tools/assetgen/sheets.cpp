#include "sheets.h"
#include "paint.h"

#include "asset_files.h"
#include "map_art.h"
#include "piece_art.h"
#include "svg_art.h"

#include <cstdlib>
#include <cstring>

namespace annals::art {

// Each routine below is the whole art of its sheet.

void DrawInterfacesSheet(cairo_t* cr, int width, int height) {
    DrawInterfaceWindows(cr, width, height);
    DrawHelpWindow(cr);
}
void DrawBackgroundsSheet(cairo_t* cr, int width, int height) {
    DrawBackgroundWindows(cr, width, height);
    DrawHelpPlates(cr);
}
void DrawEnteranceBackgroundsSheet(cairo_t* cr, int width, int height) {
    DrawEntrancePictures(cr, width, height);
}
void DrawLeadersSheet(cairo_t* cr, int width, int height) {
    DrawLeaderPictures(cr, width, height);
}
void DrawTerrainSheet(cairo_t* cr, int width, int height) {
    DrawTerrainArt(cr, width, height);
}
void DrawCoastSheet(cairo_t* cr, int width, int height) {
    DrawCoastArt(cr, width, height);
}
void DrawMixSheet(cairo_t* cr, int width, int height) {
    DrawMixArt(cr, width, height);
}
void DrawHillSheet(cairo_t* cr, int width, int height) {
    DrawHillArt(cr, width, height);
}
void DrawRiverSheet(cairo_t* cr, int width, int height) {
    DrawRiverArt(cr, width, height);
}
void DrawForestSheet(cairo_t* cr, int width, int height) {
    DrawForestArt(cr, width, height);
}
void DrawRoadSheet(cairo_t* cr, int width, int height) {
    DrawRoadArt(cr, width, height, false);
}
void DrawRoadOnCornfieldSheet(cairo_t* cr, int width, int height) {
    DrawRoadArt(cr, width, height, true);
}
void DrawCornfieldSheet(cairo_t* cr, int width, int height) {
    DrawCornfieldArt(cr, width, height);
}
void DrawProductSheet(cairo_t* cr, int width, int height) {
    DrawProductPieces(cr, width, height);
}
void DrawUnitSheet(cairo_t* cr, int width, int height) {
    DrawUnitPieces(cr, width, height);
}
void DrawUnitOutlinesSheet(cairo_t* cr, int width, int height) {
    DrawUnitOutlinePieces(cr, width, height);
}
void DrawCitySheet(cairo_t* cr, int width, int height) {
    DrawCityPieces(cr, width, height);
}
void DrawPopulationSheet(cairo_t* cr, int width, int height) {
    DrawPopulationArt(cr, width, height);
}
void DrawCityNameSheet(cairo_t* cr, int width, int height) {
    DrawCityNameArt(cr, width, height);
}
void DrawCityNameBigSheet(cairo_t* cr, int width, int height) {
    DrawCityNameBigArt(cr, width, height);
}
void DrawBuildingSheet(cairo_t* cr, int width, int height) {
    DrawBuildingPictures(cr, width, height);
}
void DrawWonderSheet(cairo_t* cr, int width, int height) {
    DrawWonderPictures(cr, width, height);
}
void DrawScienceSheet(cairo_t* cr, int width, int height) {
    DrawScienceTree(cr, width, height);
}
void DrawSciencesSheet(cairo_t* cr, int width, int height) {
    DrawSciencePictures(cr, width, height);
}
void DrawOthersSheet(cairo_t* cr, int width, int height) {
    DrawOthersPieces(cr, width, height);
}

void DrawOutlineSheet(cairo_t* cr, int width, int height) {
    DrawFramePieces(cr, width, height);
}

void DrawEnteranceSheet(cairo_t* cr, int width, int height) {
    DrawEntranceButtons(cr, width, height);
}
void DrawHelpSheet(cairo_t* cr, int width, int height) {
    // The pieces stand on the colour key.
    FillKey(cr, width, height);
    DrawHelpPanels(cr);
}

namespace {

using DrawSheet = void (*)(cairo_t*, int, int);

constexpr DrawSheet kDrawers[kSheetCount] = {
    DrawInterfacesSheet,   DrawBackgroundsSheet, DrawEnteranceBackgroundsSheet,
    DrawLeadersSheet,      DrawTerrainSheet,     DrawCoastSheet,
    DrawMixSheet,          DrawHillSheet,        DrawRiverSheet,
    DrawForestSheet,       DrawRoadSheet,        DrawRoadOnCornfieldSheet,
    DrawCornfieldSheet,    DrawProductSheet,     DrawUnitSheet,
    DrawUnitOutlinesSheet, DrawCitySheet,        DrawPopulationSheet,
    DrawCityNameSheet,     DrawCityNameBigSheet, DrawBuildingSheet,
    DrawWonderSheet,       DrawScienceSheet,     DrawSciencesSheet,
    DrawOthersSheet,       DrawOutlineSheet,     DrawEnteranceSheet,
    DrawHelpSheet,
};

} // namespace

bool WriteSheets(const std::string& artDir, std::string& error) {
    for (int id = 0; id < kSheetCount; ++id) {
        const SheetInfo& sheet = kSheets[id];
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sheet.width, sheet.height);
        cairo_t* cr = cairo_create(surface);
        kDrawers[id](cr, sheet.width, sheet.height);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        if (!SvgError().empty()) {
            error = std::string("drawing ") + sheet.file + ": " + SvgError();
            cairo_surface_destroy(surface);
            return false;
        }
        if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
            error = std::string("drawing ") + sheet.file + ": " +
                    cairo_status_to_string(cairo_surface_status(surface));
            cairo_surface_destroy(surface);
            return false;
        }
        // For looking at the sheets: ANNALS_SHEET_PNG=folder writes each one as a PNG too.
        if (const char* pngDir = std::getenv("ANNALS_SHEET_PNG"))
            cairo_surface_write_to_png(surface, (std::string(pngDir) + "/" + sheet.file + ".png").c_str());
        // RGB24 keeps each pixel as a native 32-bit 0x00RRGGBB word, rows `stride` bytes apart.
        std::vector<uint32_t> pixels(size_t(sheet.width) * size_t(sheet.height));
        const unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        for (int y = 0; y < sheet.height; ++y)
            std::memcpy(&pixels[size_t(y) * size_t(sheet.width)], data + size_t(y) * size_t(stride),
                        size_t(sheet.width) * 4);
        cairo_surface_destroy(surface);
        for (uint32_t& p : pixels) p &= 0xFFFFFF;
        const std::string path = artDir + "/" + sheet.file;
        if (!assetfiles::WriteFile(path, assetfiles::EncodeBmp24(sheet.width, sheet.height, pixels))) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

} // namespace annals::art
