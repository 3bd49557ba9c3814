#include "ui/drawing.h"

#include "platform/platform.h"
#include "state/state.h"
#include "ui/sheet_layout.h"

#include <array>
#include <string_view>
#include <utility>

namespace annals {

namespace {

constexpr std::array<const char*, kSheetCount> kFileNames = {
    "interfaces.bmp",
    "backgrounds.bmp",
    "enteranceBackgrounds.bmp",
    "terrainSprite.bmp",
    "coastSprite.bmp",
    "mixSprite.bmp",
    "hillSprite.bmp",
    "forestSprite.bmp",
    "unitOutlinesSprite.bmp",
    "riverSprite.bmp",
    "CornfieldSprite.bmp",
    "scienceSprite.bmp",
    "sciencesSprite.bmp",
    "enterance.bmp",
    "outlineSprite.bmp",
    "productSprite.bmp",
    "helpSprite.bmp",
    "roadSprite.bmp",
    "roadOnCornfieldSprite.bmp",
    "unitSprite.bmp",
    "citySprite.bmp",
    "populationSprite.bmp",
    "cityNameSprite.bmp",
    "cityNameBigSprite.bmp",
    "othersSprite.bmp",
    "buildingSprite.bmp",
    "wonderSprite.bmp",
    "leadersSprite.bmp",
};

std::array<Surface, kSheetCount> sheets;
Surface scratch;
std::string loadError;

} // namespace

const char* SheetFileName(Sheet sheet) {
    const int i = static_cast<int>(sheet);
    return i >= 0 && i < kSheetCount ? kFileNames[static_cast<size_t>(i)] : "";
}

bool SheetKeyed(Sheet sheet) {
    return sheet != Sheet::TerrainSprite;
}

namespace {
// The window's modal messages wear the dialogs' frame and answer plates.
void GiveMessageLook() {
    if (!HasPlatform()) return;
    const Surface& sheet = sheets[static_cast<size_t>(Sheet::Interfaces)];
    auto piece = [&](Rect r) {
        Surface out(r.Width(), r.Height());
        out.Blit(sheet, r, 0, 0, false);
        out.SetColourKey(true, kMagenta);
        return out;
    };
    Platform::MessageLook look;
    look.window = piece({0, 630, 502, 930});
    look.plate = piece({1000, 0, 1100, 21});
    look.platePressed = piece({1000, 22, 1100, 44});
    ThePlatform().SetMessageLook(std::move(look));
}
} // namespace

bool LoadSurfaces(int mode) {
    ui.surfacesLoaded += 1;
    loadError.clear();
    std::string failed;
    for (int i = 0; i < kSheetCount; ++i) {
        const auto sheet = static_cast<Sheet>(i);
        // The scratch bitmap comes right after the first three sheets.
        if (sheet == Sheet::TerrainSprite) {
            if (mode == 1 || !scratch.Valid()) scratch.Resize(100, 100);
            scratch.SetColourKey(false);
        }
        Surface loaded;
        std::string error;
        const std::string path = gameFolder + "/Art/" + SheetFileName(sheet);
        // A sheet must be of the size its pieces were laid out for.
        int width = 0, height = 0;
        for (const art::SheetInfo& info : art::kSheets)
            if (std::string_view(info.file) == SheetFileName(sheet)) width = info.width, height = info.height;
        if (!LoadBitmapFile(path, loaded, error, width, height)) {
            failed += (failed.empty() ? "" : ", ") + std::string(SheetFileName(sheet));
            continue; // a reload keeps the picture it had
        }
        loaded.SetColourKey(SheetKeyed(sheet), kMagenta);
        sheets[static_cast<size_t>(i)] = std::move(loaded);
    }
    if (!failed.empty()) {
        loadError = "(" + gameFolder + "/Art: " + failed + ")";
        if (mode != 1 && HasPlatform()) ThePlatform().LogOnce("could not reload the pictures " + loadError);
        return false;
    }
    GiveMessageLook();
    return true;
}

const std::string& SheetLoadError() {
    return loadError;
}

void FreeSurfaces() {
    for (Surface& s : sheets) s = Surface();
    scratch = Surface();
}

Surface& Screen() {
    return ThePlatform().BackBuffer();
}

bool PicturesShown() {
    Platform& platform = ThePlatform();
    return platform.BackBuffer().Valid() || platform.DrawingLog() != nullptr;
}

const Surface& SheetSurface(Sheet sheet) {
    static const Surface none;
    const int i = static_cast<int>(sheet);
    return i >= 0 && i < kSheetCount ? sheets[static_cast<size_t>(i)] : none;
}

Surface& ScratchBitmap() {
    return scratch;
}

void DrawSprite(int x, int y, Rect source, bool transparent, Sheet sheet) {
    if (ui.minimized) return;
    Platform& platform = ThePlatform();
    if (auto* log = platform.DrawingLog())
        log->push_back({DrawRecord::Sprite, SheetFileName(sheet), source, x, y, 0, 0, transparent});
    platform.BackBuffer().Blit(SheetSurface(sheet), source, x, y, transparent);
}

} // namespace annals
