// The picture sheets as the game loads and copies them, and the coin display.
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/screens.h"
#include "ui/sheet_layout.h"
#include "ui/text.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace annals;

namespace {

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetState();
        SetPlatform(&platform);
        gameFolder = ANNALS_GAME_DIR;
        ASSERT_TRUE(LoadSurfaces(1)) << SheetLoadError();
    }
    void TearDown() override {
        FreeSurfaces();
        SetPlatform(nullptr);
        ResetState();
    }
    HeadlessPlatform platform{{.recordDrawing = true}};
};

// The first magenta pixel of a sheet, if it has one.
bool FindMagenta(const Surface& sheet, int& x, int& y) {
    for (y = 0; y < sheet.Height(); ++y)
        for (x = 0; x < sheet.Width(); ++x)
            if (sheet.GetPixel(x, y) == kMagenta) return true;
    return false;
}

} // namespace

TEST_F(DrawingTest, EverySheetLoadsAtLeastAsLargeAsItsLayout) {
    EXPECT_EQ(ui.surfacesLoaded, 1);
    for (int i = 0; i < kSheetCount; ++i) {
        const auto sheet = static_cast<Sheet>(i);
        const art::SheetInfo* info = nullptr;
        for (const art::SheetInfo& candidate : art::kSheets)
            if (std::strcmp(candidate.file, SheetFileName(sheet)) == 0) info = &candidate;
        ASSERT_NE(info, nullptr) << SheetFileName(sheet);
        EXPECT_GE(SheetSurface(sheet).Width(), info->width) << info->file;
        EXPECT_GE(SheetSurface(sheet).Height(), info->height) << info->file;
        EXPECT_EQ(SheetSurface(sheet).HasColourKey(), info->colourKey) << info->file;
    }
    EXPECT_EQ(ScratchBitmap().Width(), 100);
    EXPECT_FALSE(ScratchBitmap().HasColourKey());
}

TEST_F(DrawingTest, MagentaIsTransparentExceptOnTheTerrain) {
    int mx = 0, my = 0;
    ASSERT_TRUE(FindMagenta(SheetSurface(Sheet::OutlineSprite), mx, my));
    Surface& screen = platform.BackBuffer();
    screen.FillRect({0, 0, 10, 10}, Rgb(1, 2, 3));
    DrawSprite(0, 0, {mx, my, mx + 1, my + 1}, true, Sheet::OutlineSprite);
    EXPECT_EQ(screen.GetPixel(0, 0), Rgb(1, 2, 3));
    DrawSprite(0, 0, {mx, my, mx + 1, my + 1}, false, Sheet::OutlineSprite);
    EXPECT_EQ(screen.GetPixel(0, 0), kMagenta);

    // The terrain has no colour key: a magenta pixel on it is drawn even when asked
    // for transparency.
    Surface terrain = SheetSurface(Sheet::TerrainSprite);
    EXPECT_FALSE(terrain.HasColourKey());
    screen.FillRect({0, 0, 10, 10}, Rgb(1, 2, 3));
    Surface patch(1, 1, kMagenta);
    screen.Blit(patch, {0, 0, 1, 1}, 0, 0, true);
    EXPECT_EQ(screen.GetPixel(0, 0), kMagenta);
}

TEST_F(DrawingTest, AFrameCopiesFromEverySheetAndWritesBothLanguages) {
    for (int i = 0; i < kSheetCount; ++i) DrawSprite(i * 30, 0, {0, 0, 30, 30}, true, static_cast<Sheet>(i));
    WriteText(10, 100, Rgb(255, 255, 255), 10, "Monarchy", 300);
    WriteText(10, 130, Rgb(255, 255, 255), 10, "Monarşi, Çinliler, İngilizler", 400);
    int sprites = 0;
    for (const DrawRecord& r : *platform.Log()) sprites += r.kind == DrawRecord::Sprite;
    EXPECT_EQ(sprites, kSheetCount);
    int lit = 0;
    for (int y = 130; y < 150; ++y)
        for (int x = 10; x < 200; ++x) lit += platform.Screen().GetPixel(x, y) != kBlack;
    EXPECT_GT(lit, 30);
}

TEST_F(DrawingTest, NothingIsDrawnWhileMinimized) {
    ui.minimized = 1;
    DrawSprite(0, 0, {0, 0, 30, 30}, false, Sheet::TerrainSprite);
    EXPECT_TRUE(platform.Log()->empty());
    EXPECT_EQ(platform.Screen().GetPixel(5, 5), kBlack);
}

TEST_F(DrawingTest, CoinsFallForTheGainOfGold) {
    struct Case {
        double amount;
        std::vector<int> ys; // coins drawn in the first frame of the fall
    } cases[] = {
        {12.5, {664, 668, 672, 676, 680, 684, 688, 692, 696, 700}}, // ten coins 4 pixels apart
        {0.3, {700}},                                               // a tiny gain still shows one
        {0.0000001, {700}},
        {2, {680, 700}},
    };
    for (const Case& c : cases) {
        platform.ClearLog();
        StartCoinDisplay(c.amount);
        ui.coinPhase -= 0.15; // as after the first frame's step: phase 0.85
        DrawCoin();
        std::vector<int> ys;
        for (const DrawRecord& r : *platform.Log()) {
            EXPECT_EQ(r.x, 815);
            ys.push_back(r.y);
        }
        EXPECT_EQ(ys, c.ys) << c.amount;
    }
    // After six frames the coins have fallen out of sight.
    StartCoinDisplay(5);
    for (int frame = 0; frame < 7; ++frame) DrawCoin();
    platform.ClearLog();
    DrawCoin();
    EXPECT_TRUE(platform.Log()->empty());
}
