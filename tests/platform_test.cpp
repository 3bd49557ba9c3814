// The software surfaces and the headless platform.
#include "fixtures.h"
#include "platform/headless_platform.h"
#include "shell/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

using namespace annals;

TEST(Surface, CopiesAreClippedOnBothSides) {
    Surface sheet(10, 10, Rgb(9, 9, 9));
    struct Case {
        Rect source;
        int x, y;
        int painted; // pixels of the 20 x 20 target that change
    } cases[] = {
        {{0, 0, 10, 10}, 5, 5, 100},     {{0, 0, 10, 10}, -5, -5, 25}, // off the top-left corner
        {{0, 0, 10, 10}, 15, 15, 25},                                  // off the bottom-right corner
        {{-3, -3, 13, 13}, 0, 0, 100},                                 // rectangle larger than the sheet
        {{0, 0, 10, 10}, 40, 0, 0},                                    // wholly outside
        {{5, 5, 2, 2}, 0, 0, 0},                                       // empty rectangle
        {{0, 0, 10, 10}, -100000, 3, 0},                               // far outside
    };
    for (const Case& c : cases) {
        Surface target(20, 20, kBlack);
        target.Blit(sheet, c.source, c.x, c.y, false);
        int painted = 0;
        for (Pixel p : target.Pixels()) painted += p != kBlack;
        EXPECT_EQ(painted, c.painted) << c.x << "," << c.y;
    }
}

TEST(Surface, ColourKeyOnlyWhenAskedAndOnlyOnKeyedSheets) {
    Surface sheet(2, 1);
    sheet.SetPixel(0, 0, kMagenta);
    sheet.SetPixel(1, 0, Rgb(10, 20, 30));
    for (bool sheetKeyed : {false, true}) {
        for (bool copyKeyed : {false, true}) {
            sheet.SetColourKey(sheetKeyed);
            Surface target(2, 1, kBlack);
            target.Blit(sheet, {0, 0, 2, 1}, 0, 0, copyKeyed);
            EXPECT_EQ(target.GetPixel(0, 0), sheetKeyed && copyKeyed ? kBlack : kMagenta);
            EXPECT_EQ(target.GetPixel(1, 0), Rgb(10, 20, 30));
        }
    }
}

TEST(Surface, KeyedCopiesMatchAPlainPixelByPixelCopy) {
    // Sheets of opaque stretches and holes of every length, copied at random places.
    std::mt19937 random(7);
    auto roll = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 40; ++round) {
        Surface sheet(1 + roll(90), 1 + roll(40));
        for (int y = 0; y < sheet.Height(); ++y)
            for (int x = 0; x < sheet.Width();) {
                const int length = 1 + roll(round % 2 ? 3 : 20);
                const Pixel colour = roll(2) ? kMagenta : Rgb(roll(256), y, x);
                for (int i = 0; i < length && x < sheet.Width(); ++i, ++x) sheet.SetPixel(x, y, colour);
            }
        sheet.SetColourKey(true);
        for (int copy = 0; copy < 20; ++copy) {
            if (copy == 10)
                sheet.SetPixel(roll(sheet.Width()), roll(sheet.Height()), Rgb(1, 2, 3)); // drawn on
            const Rect source{roll(100) - 5, roll(50) - 5, roll(100), roll(50)};
            const int x = roll(80) - 30, y = roll(60) - 20;
            Surface fast(64, 48, Rgb(9, 9, 9)), plain(64, 48, Rgb(9, 9, 9));
            fast.Blit(sheet, source, x, y, true);
            for (int sy = std::max(source.top, 0); sy < std::min(source.bottom, sheet.Height()); ++sy)
                for (int sx = std::max(source.left, 0); sx < std::min(source.right, sheet.Width()); ++sx)
                    if (sheet.GetPixel(sx, sy) != kMagenta)
                        plain.SetPixel(x + sx - source.left, y + sy - source.top, sheet.GetPixel(sx, sy));
            ASSERT_EQ(fast.Pixels(), plain.Pixels()) << "round " << round << " copy " << copy;
        }
    }
}

TEST(Surface, ShapesStayInsideTheSurface) {
    Surface target(30, 30, kBlack);
    target.Line(-50, -40, 80, 90, Rgb(1, 1, 1));
    target.Ellipse({-10, -10, 50, 50}, Rgb(2, 2, 2), true);
    target.Ellipse({5, 5, 25, 15}, Rgb(3, 3, 3), false);
    target.FrameRect({-5, -5, 100, 100}, Rgb(4, 4, 4));
    EXPECT_EQ(target.GetPixel(15, 5), Rgb(3, 3, 3)) << "outline drawn over the fill";
    EXPECT_EQ(target.GetPixel(15, 9), Rgb(2, 2, 2)) << "an outline leaves its inside alone";
    EXPECT_EQ(target.GetPixel(-1, 0), 0u);
    Surface empty;
    empty.FillRect({0, 0, 10, 10}, kBlack); // a null canvas takes any drawing
    empty.Blit(target, {0, 0, 30, 30}, 0, 0, true);
    EXPECT_FALSE(empty.Valid());
}

// A framed window fitted to a message's height: its top and bottom rows stay as drawn,
// the rows between come from its middle in order, and nothing outside the box changes.
TEST(Surface, AWindowFitsAnyHeightKeepingItsFrame) {
    Surface window(3, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 3; ++x) window.SetPixel(x, y, Rgb(y, 0, 0));
    for (const int height : {24, 10, 6, 3}) {
        SCOPED_TRACE(height);
        Surface target(5, 30, Rgb(255, 255, 255));
        target.BlitToHeight(window, {1, 2, 4, 2 + height}, 2);
        auto row = [&](int y) { return static_cast<int>((target.GetPixel(2, 2 + y) >> 16) & 255); };
        const int keep = std::min(2, height / 2);
        for (int k = 0; k < keep; ++k) {
            EXPECT_EQ(row(k), k);
            EXPECT_EQ(row(height - 1 - k), 9 - k);
        }
        for (int y = keep + 1; y < height - keep; ++y) {
            EXPECT_GE(row(y), row(y - 1));
            EXPECT_LT(row(y), 10 - keep);
        }
        EXPECT_EQ(target.GetPixel(2, 1), Rgb(255, 255, 255));
        EXPECT_EQ(target.GetPixel(2, 2 + height), Rgb(255, 255, 255));
        EXPECT_EQ(target.GetPixel(0, 3), Rgb(255, 255, 255));
        EXPECT_EQ(target.GetPixel(4, 3), Rgb(255, 255, 255));
    }
}

TEST(HeadlessPlatform, DrawsTextAndRecordsWhatItWasAsked) {
    HeadlessPlatform platform{{.recordDrawing = true}};
    EXPECT_EQ(platform.BackBuffer().Width(), kScreenWidth);
    const int width = platform.DrawText(10, 10, "Çimlik ğ", 10, Rgb(255, 255, 255));
    EXPECT_GT(width, 20);
    int lit = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 10 + width; ++x) lit += platform.Screen().GetPixel(x, y) != kBlack;
    EXPECT_GT(lit, 20);
    platform.PlayWave("click");
    platform.MessageBox("No room for another unit.");
    const auto& log = *platform.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].kind, DrawRecord::Text);
    EXPECT_EQ(log[1].name, "click");
    EXPECT_EQ(log[2].kind, DrawRecord::Message);

    HeadlessPlatform nullCanvas(HeadlessOptions{false, false});
    EXPECT_EQ(nullCanvas.DrawText(0, 0, "Annals", 10, kBlack), 0);
    EXPECT_EQ(nullCanvas.DrawingLog(), nullptr);
    EXPECT_FALSE(nullCanvas.DrawsPixels());
}

TEST(HeadlessPlatform, WithoutAReaderItKeepsOnlyTheLatestSoundsAndMessages) {
    // A long game draws millions of sprites; nothing of them stays behind.
    for (const bool pixels : {true, false}) {
        HeadlessPlatform platform{{.pixels = pixels}};
        EXPECT_EQ(platform.DrawingLog(), nullptr);
        for (int i = 0; i < 5000; ++i) {
            platform.DrawText(10, 10, "Annals", 10, kBlack);
            platform.PlayWave("click");
            platform.Present();
        }
        platform.MessageBox("Your city is starving.");
        const auto& log = *platform.Log();
        EXPECT_LE(log.size(), HeadlessPlatform::kBoundedLog);
        EXPECT_GE(log.size(), HeadlessPlatform::kBoundedLog / 2);
        for (const DrawRecord& r : log)
            EXPECT_TRUE(r.kind == DrawRecord::Sound || r.kind == DrawRecord::Message);
        EXPECT_EQ(log.back().name, "Your city is starving.");
        EXPECT_EQ(platform.PresentCount(), 5000);
    }
}

TEST(Cli, ShotWritesAPngOfTheScreen) {
    const auto dir = annals::testing::FreshTempDir("shot");
    std::filesystem::create_directories(dir);
    const std::string png = (dir / "x.png").string();
    std::string out, err;
    ASSERT_EQ(RunCli({"--seed", "3", "--folder", ANNALS_GAME_DIR, "shot", "--out", png}, out, err), 0) << err;
    std::ifstream file(png, std::ios::binary);
    char magic[8] = {};
    file.read(magic, 8);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    EXPECT_GT(std::filesystem::file_size(png), 1000u);

    struct Case {
        std::vector<std::string> args;
        int code;
    } refusals[] = {
        {{"--folder", dir.string(), "shot", "--out", png}, 1}, // no pictures there
        {{"shot"}, 2},
        {{"--folder", ANNALS_GAME_DIR, "shot", "--out", (dir / "missing-folder" / "x.png").string()}, 1},
        {{"--seed", "x", "shot", "--out", png}, 2},
        {{"fly"}, 2},
        {{}, 2},
    };
    for (const Case& c : refusals) {
        out.clear();
        err.clear();
        EXPECT_EQ(RunCli(c.args, out, err), c.code) << ::testing::PrintToString(c.args);
        EXPECT_FALSE(err.empty());
    }
    std::filesystem::remove_all(dir);
}

namespace {
// A bitmap file of the given kind: 2 x 2 pixels, red, green / blue, white from the top.
std::string BitmapBytes(int bits, bool topDown, uint32_t compression = 0) {
    std::string b;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b += static_cast<char>((v >> (8 * i)) & 255);
    };
    const Pixel colours[2][2] = {{Rgb(255, 0, 0), Rgb(0, 255, 0)}, {Rgb(0, 0, 255), Rgb(255, 255, 255)}};
    const int paletteBytes = bits == 8 ? 4 * 4 : compression == 3 ? 12 : 0;
    const int stride = (2 * bits / 8 + 3) & ~3;
    const uint32_t offset = 54 + static_cast<uint32_t>(paletteBytes);
    b += "BM";
    put(offset + static_cast<uint32_t>(stride * 2), 4);
    put(0, 4);
    put(offset, 4);
    put(40, 4);
    put(2, 4);
    put(topDown ? static_cast<uint32_t>(-2) : 2u, 4);
    put(1, 2);
    put(static_cast<uint32_t>(bits), 2);
    put(compression, 4);
    put(0, 4);
    put(2835, 4);
    put(2835, 4);
    put(bits == 8 ? 4 : 0, 4);
    put(0, 4);
    if (bits == 8)
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) put(colours[y][x] & 0xFFFFFF, 4);
    if (compression == 3) {
        put(0x0000FF00u, 4); // red, green, blue where a plain file has them the other way round
        put(0x00FF0000u, 4);
        put(0xFF000000u, 4);
    }
    for (int row = 0; row < 2; ++row) {
        const int y = topDown ? row : 1 - row;
        std::string line;
        for (int x = 0; x < 2; ++x) {
            const Pixel p = colours[y][x];
            const uint8_t r = static_cast<uint8_t>(p >> 16), g = static_cast<uint8_t>(p >> 8),
                          bl = static_cast<uint8_t>(p);
            if (bits == 8)
                line += static_cast<char>(y * 2 + x);
            else if (bits == 24)
                line += {static_cast<char>(bl), static_cast<char>(g), static_cast<char>(r)};
            else if (compression == 3)
                line += {0, static_cast<char>(r), static_cast<char>(g), static_cast<char>(bl)};
            else
                line += {static_cast<char>(bl), static_cast<char>(g), static_cast<char>(r), 0};
        }
        line.resize(static_cast<size_t>(stride), '\0');
        b += line;
    }
    return b;
}
} // namespace

TEST(Bitmaps, EveryKindOfSheetReadsAndDamagedFilesAreRefused) {
    const std::string path = ::testing::TempDir() + "annals-bitmap.bmp";
    auto load = [&](const std::string& bytes, Surface& out, std::string& error, int w = 0, int h = 0) {
        std::ofstream(path, std::ios::binary) << bytes;
        return LoadBitmapFile(path, out, error, w, h);
    };
    struct Good {
        int bits;
        bool topDown;
        uint32_t compression;
    };
    for (const Good& c :
         {Good{24, false, 0}, Good{24, true, 0}, Good{32, false, 0}, Good{32, true, 3}, Good{8, false, 0}}) {
        SCOPED_TRACE(::testing::Message() << c.bits << " bits, top down " << c.topDown);
        Surface s;
        std::string error;
        ASSERT_TRUE(load(BitmapBytes(c.bits, c.topDown, c.compression), s, error)) << error;
        ASSERT_EQ(s.Width(), 2);
        ASSERT_EQ(s.Height(), 2);
        EXPECT_EQ(s.GetPixel(0, 0), Rgb(255, 0, 0));
        EXPECT_EQ(s.GetPixel(1, 0), Rgb(0, 255, 0));
        EXPECT_EQ(s.GetPixel(0, 1), Rgb(0, 0, 255));
        EXPECT_EQ(s.GetPixel(1, 1), Rgb(255, 255, 255));
    }

    struct Bad {
        std::string bytes;
        int w, h;
        std::string says;
    };
    const std::string plain = BitmapBytes(24, false);
    std::string huge = plain;
    huge[18] = huge[19] = huge[20] = '\x7f'; // a width of millions
    const Bad bad[] = {
        {plain.substr(0, 60), 0, 0, "cut short"},
        {"GIF89a, not a bitmap at all....", 0, 0, "not a bitmap"},
        {huge, 0, 0, "its header says"},
        {plain, 3, 2, "the game expects 3 x 2"},
        {BitmapBytes(24, false, 1), 0, 0, "does not read"},
        {BitmapBytes(16, false), 0, 0, "does not read"},
    };
    for (const Bad& c : bad) {
        Surface s;
        std::string error;
        EXPECT_FALSE(load(c.bytes, s, error, c.w, c.h)) << c.says;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
    Surface s;
    std::string error;
    EXPECT_FALSE(LoadBitmapFile(::testing::TempDir() + "no-such-sheet.bmp", s, error));
    EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
    std::filesystem::remove(path);
}
