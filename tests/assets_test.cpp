// The generated assets in the game folder: every sheet, sound and track the game loads,
// in a form it can read, and the readers the checks rely on.
#include "asset_files.h"
#include "audio_catalogue.h"
#include "sheets.h"
#include "ui/sheet_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace annals;
using assetfiles::Bytes;

namespace {

const std::string kGameDir = ANNALS_GAME_DIR;

Bytes Load(const std::string& path) {
    Bytes data;
    EXPECT_TRUE(assetfiles::ReadFile(path, data)) << "missing " << path;
    return data;
}

// The stand-in's mark: its chequered ground, 10-pixel squares of one flat colour beside
// squares of a grey exactly as much lighter or darker in every channel (also under the
// translucent tint of a labelled piece). Counts the pairs of such squares side by side.
int ChequerSquares(const std::vector<uint32_t>& pixels, int width, int height) {
    auto flat = [&](int x0, int y0, uint32_t& colour) {
        colour = pixels[size_t(y0) * width + x0];
        for (int y = y0; y < y0 + 10; ++y)
            for (int x = x0; x < x0 + 10; ++x)
                if (pixels[size_t(y) * width + x] != colour) return false;
        return true;
    };
    int pairs = 0;
    for (int y = 0; y + 10 <= height; y += 10)
        for (int x = 0; x + 20 <= width; x += 10) {
            uint32_t a, b;
            if (!flat(x, y, a) || !flat(x + 10, y, b)) continue;
            const int dr = int(a >> 16 & 255) - int(b >> 16 & 255),
                      dg = int(a >> 8 & 255) - int(b >> 8 & 255), db = int(a & 255) - int(b & 255);
            if (dr == dg && dg == db && std::abs(dr) >= 8 && std::abs(dr) <= 16) ++pairs;
        }
    return pairs;
}

} // namespace

TEST(AssetFiles, MidiDurationFollowsTheTempoMap) {
    // Two tracks at 96 ticks a quarter: 192 ticks at 60 a minute (2 s), then 192 ticks at
    // 240 a minute (0.5 s). The second track uses running status for its note-off.
    // clang-format off
    const Bytes file = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96,
        'M', 'T', 'r', 'k', 0, 0, 0, 19,
        0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,        // 1,000,000 us a quarter
        0x81, 0x40, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90,  // at 192: 250,000 us
        0x00, 0xFF, 0x2F, 0x00,
        'M', 'T', 'r', 'k', 0, 0, 0, 15,
        0x00, 0xC0, 0x30,                                // program 48
        0x00, 0x90, 0x3C, 0x64,                          // note on
        0x83, 0x00, 0x3C, 0x00,                          // 384 later, running status, velocity 0
        0x00, 0xFF, 0x2F, 0x00,
    };
    // clang-format on
    const assetfiles::MidiSummary song = assetfiles::ReadMidi(file);
    ASSERT_TRUE(song.ok) << song.error;
    EXPECT_EQ(song.format, 1);
    EXPECT_EQ(song.trackCount, 2);
    EXPECT_NEAR(song.seconds, 2.5, 1e-9);
    EXPECT_EQ(song.noteCount, 1);
    EXPECT_EQ(song.programs, std::set<int>{48});

    // Without a tempo event a quarter lasts half a second.
    const Bytes plain = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0,    0,    0,    1,    0,   96,
                         'M', 'T', 'r', 'k', 0, 0, 0, 5, 0x82, 0x20, 0xFF, 0x2F, 0x00};
    const Bytes badTrackLength(plain.begin(), plain.end() - 1);
    EXPECT_NEAR(assetfiles::ReadMidi(plain).seconds, 1.5, 1e-9);
    EXPECT_FALSE(assetfiles::ReadMidi(badTrackLength).ok);
}

TEST(AssetFiles, BmpRowsAreStoredBottomUpAndPadded) {
    // Three pixels a row: 9 bytes padded to 12.
    const std::vector<uint32_t> pixels = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0xFF00FF};
    const Bytes file = assetfiles::EncodeBmp24(3, 2, pixels);
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    // The first stored row is the bottom one, blue first.
    EXPECT_EQ(file[54], 0xC0);
    EXPECT_EQ(file[55], 0xB0);
    EXPECT_EQ(file[56], 0xA0);
    EXPECT_EQ(file[54 + 12], 0x30);
    const assetfiles::BmpImage image = assetfiles::DecodeBmp(file);
    ASSERT_TRUE(image.ok) << image.error;
    EXPECT_EQ(image.pixels, pixels);
}

TEST(Assets, SheetTableHoldsTheLargestRectanglesOfTheDrawingCode) {
    for (const art::Piece& p : art::kPieces) {
        const art::SheetInfo& s = art::kSheets[p.sheet];
        EXPECT_TRUE(p.left >= 0 && p.top >= 0 && p.left < p.right && p.top < p.bottom && p.right <= s.width &&
                    p.bottom <= s.height)
            << s.file << ": " << p.what;
    }
    // The source rectangles at their largest indices, worked out from the drawing
    // formulas where they step and wrap (left, top, right, bottom; right and bottom
    // exclusive), must each lie inside one piece of their sheet.
    struct Probe {
        art::SheetId sheet;
        int left, top, right, bottom;
        const char* what;
    };
    const Probe probes[] = {
        {art::kTerrainSprite, 51 * 4, 51 * 6, 51 * 4 + 50, 51 * 6 + 50, "variant 5 of Artic"},
        {art::kCoastSprite, 306, 204 + 51 * 2, 356, 356, "coast 1111, third variant"},
        {art::kCoastSprite, 204 + 51, 204 + 51 * 4 - 357, 305, 204 + 51 * 4 - 357 + 50, "coast 101 wrapped"},
        {art::kCoastSprite, 1041, 114, 1078, 151, "north-west corner"},
        {art::kMixSprite, 0, 246 + 16 * 7 + 86, 49, 246 + 16 * 7 + 101, "Artic south of a sea cell"},
        {art::kHillSprite, 4 * 66 + 1, 412, 5 * 66 - 1, 463, "road over the widest hill"},
        {art::kRiverSprite, 357 + 51 + 510, 0, 357 + 51 + 510 + 50, 55,
         "river 101 wrapped, grassland forest"},
        {art::kRiverSprite, 153, 255 + 51 * 2, 203, 255 + 51 * 2 + 50, "river 1010, third variant"},
        {art::kForestSprite, 54 * 3 + 1 + 300, 610, 54 * 3 + 53 + 300, 671, "wide grassland forest 1111"},
        {art::kForestSprite, 51 * 3 + 1, 736, 51 * 3 + 50, 787, "Artic forest"},
        {art::kRoadSprite, 55 * 15 + 1, 55 * 15 + 1, 55 * 15 + 55, 55 * 15 + 55, "road to all eight"},
        {art::kCornfieldSprite, 459, 357, 509, 407, "joined river piece 1011"},
        {art::kCornfieldSprite, 306, 255 + 102, 356, 255 + 102 + 50, "joined river 1010, third variant"},
        {art::kProductSprite, 353, 67, 387, 101, "examined stone, odd cell"},
        {art::kUnitSprite, 47 * 34, 47 * 7, 47 * 35 - 1, 47 * 8 - 1, "type 35, colour 8"},
        {art::kUnitOutlinesSprite, 50 * 34, 0, 50 * 34 + 49, 48, "type 35"},
        {art::kCitySprite, 60 * 7, 60 * 6, 60 * 8 - 1, 60 * 7 - 1, "level 8, style 7"},
        {art::kCitySprite, 60 * 7, 480, 60 * 8 - 1, 539, "fortress walls, level 4"},
        {art::kPopulationSprite, 21 * 49, 21 * 7, 21 * 49 + 22, 21 * 8, "size 50, colour 8"},
        {art::kCityNameSprite, 340 + 2, 18, 394 + 1, 36, "sixth name of nation 2"},
        {art::kCityNameSprite, 204 + 2, 180, 228 + 1, 198, "sixth name of the natives"},
        {art::kSciencesSprite, 4 * 210, 6 * 215, 5 * 210, 7 * 215, "science 35"},
        {art::kOthersSprite, 0, 29 * 7 + 33, 17, 29 * 7 + 61, "full health bar, colour 8"},
        {art::kOthersSprite, 204 + 13 * 12, 48, 216 + 13 * 12, 62, "flag of the natives"},
        {art::kOthersSprite, 31 * 12 + 1, 430, 31 * 13, 460, "emblem of the natives"},
        {art::kOthersSprite, 28 * 7 + 194, 378, 28 * 7 + 221, 405, "order button 7"},
        {art::kOthersSprite, 345, 229 + 18 * 2, 386, 246 + 18 * 2, "hero badge"},
        {art::kOthersSprite, 43 * 7 + 1, 307, 43 * 7 + 42, 348, "north-east arrow"},
        {art::kHelpSprite, 286, 502, 460, 526, "worker row cover"},
        {art::kBackgrounds, 1524, 423, 1688, 459, "help header strip"},
        {art::kInterfaces, 0, 115, 710, 623, "help window"},
    };
    for (const Probe& r : probes) {
        bool inside = false;
        for (const art::Piece& p : art::kPieces)
            inside |= p.sheet == r.sheet && p.left <= r.left && p.top <= r.top && r.right <= p.right &&
                      r.bottom <= p.bottom;
        EXPECT_TRUE(inside) << art::kSheets[r.sheet].file << ": " << r.what;
    }
}

TEST(Assets, EverySheetIsABitmapAtLeastItsTableSize) {
    for (const art::SheetInfo& sheet : art::kSheets) {
        const assetfiles::BmpImage image = assetfiles::DecodeBmp(Load(kGameDir + "/Art/" + sheet.file));
        ASSERT_TRUE(image.ok) << sheet.file << ": " << image.error;
        EXPECT_EQ(image.bitsPerPixel, 24) << sheet.file;
        EXPECT_GE(image.width, sheet.width) << sheet.file;
        EXPECT_GE(image.height, sheet.height) << sheet.file;
        if (!sheet.colourKey) {
            // Without a colour key magenta would show on the map as magenta.
            bool magenta = false;
            for (uint32_t p : image.pixels) magenta |= p == 0xFF00FF;
            EXPECT_FALSE(magenta) << sheet.file;
        }
    }
    // The frame covers the whole screen, so the map view in its middle must be see-through.
    const auto outline = assetfiles::DecodeBmp(Load(kGameDir + "/Art/outlineSprite.bmp"));
    ASSERT_TRUE(outline.ok);
    EXPECT_EQ(outline.At(512, 384), 0xFF00FFu);
}

TEST(Assets, FinishedSheetsHoldNoStandIn) {
    // The mark is found on a chequered ground like the old stand-in's: 10-pixel squares of
    // two greys 14 apart...
    {
        const int width = 60, height = 40;
        std::vector<uint32_t> pixels(size_t(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels[size_t(y) * width + x] = (x / 10 + y / 10) % 2 ? 0xC4C0B8u : 0xB6B2AAu;
        EXPECT_GT(ChequerSquares(pixels, width, height), 0);
    }
    // ...and on none of the game's sheets: every one of them is drawn.
    EXPECT_EQ(std::size(art::kFinishedSheets), size_t(art::kSheetCount));
    for (art::SheetId id : art::kFinishedSheets) {
        const art::SheetInfo& sheet = art::kSheets[id];
        const assetfiles::BmpImage image = assetfiles::DecodeBmp(Load(kGameDir + "/Art/" + sheet.file));
        ASSERT_TRUE(image.ok) << sheet.file;
        EXPECT_EQ(ChequerSquares(image.pixels, image.width, image.height), 0) << sheet.file;
    }
}

TEST(Assets, EveryPictureFillsItsOwnPlace) {
    // The sheets made of pictures from assets/art, place by place. A source that draws
    // nothing (a wrong size, a lost group) would leave the colour key or a bare backdrop
    // in the game; a name given twice in the generator's tables, two equal places.
    struct Places {
        const char* file;
        int columns, count, width, height;
        double minCover; // the least share of a place not in the colour key
        int firstOwn;    // places firstOwn..lastOwn (from 1) each hold a picture of their own
        int lastOwn;
    };
    const Places kCases[] = {
        {"leadersSprite.bmp", 5, 27, 180, 200, 1.0, 1, 27},
        {"buildingSprite.bmp", 10, 50, 48, 48, 0.25, 4, 46},
        {"wonderSprite.bmp", 2, 8, 352, 214, 1.0, 1, 8},
        {"sciencesSprite.bmp", 5, 35, 210, 215, 1.0, 1, 35},
    };
    for (const Places& c : kCases) {
        const assetfiles::BmpImage image = assetfiles::DecodeBmp(Load(kGameDir + "/Art/" + c.file));
        ASSERT_TRUE(image.ok) << c.file;
        std::map<std::vector<uint32_t>, int> seen;
        for (int k = 0; k < c.count; ++k) {
            const int left = k % c.columns * c.width, top = k / c.columns * c.height;
            std::vector<uint32_t> place;
            int drawn = 0;
            for (int y = top; y < top + c.height; ++y)
                for (int x = left; x < left + c.width; ++x) {
                    place.push_back(image.At(x, y));
                    drawn += image.At(x, y) != 0xFF00FFu;
                }
            EXPECT_GE(drawn, c.minCover * c.width * c.height) << c.file << ", place " << k + 1;
            if (k + 1 < c.firstOwn || k + 1 > c.lastOwn) continue;
            const auto [other, fresh] = seen.emplace(place, k + 1);
            EXPECT_TRUE(fresh) << c.file << ": places " << other->second << " and " << k + 1 << " are alike";
        }
    }
}

TEST(Assets, EveryUnitLiesWhollyInsideItsPlace) {
    // A figure drawn too large for its place is cut off at the place's edge, and the cut
    // shows as ink on the place's top row or side columns (the bottom holds the ground
    // shadow). A lance or a hat that reaches out of the cell would be cut so.
    struct Places {
        const char* file;
        int columns, rows, width, height;
    };
    const Places kCases[] = {
        {"unitSprite.bmp", 35, 8, 47, 47},
        {"unitOutlinesSprite.bmp", 35, 1, 50, 48},
    };
    for (const Places& c : kCases) {
        const assetfiles::BmpImage image = assetfiles::DecodeBmp(Load(kGameDir + "/Art/" + c.file));
        ASSERT_TRUE(image.ok) << c.file;
        for (int row = 0; row < c.rows; ++row)
            for (int t = 0; t < c.columns; ++t) {
                const int left = t * c.width, top = row * c.height;
                int cut = 0;
                for (int x = left; x < left + c.width; ++x) cut += image.At(x, top) != 0xFF00FFu;
                for (int y = top; y < top + c.height; ++y)
                    for (int x : {left, left + c.width - 2, left + c.width - 1})
                        cut += image.At(x, y) != 0xFF00FFu;
                EXPECT_EQ(cut, 0) << c.file << ": type " << t + 1 << ", row " << row + 1;
            }
    }
}

TEST(Assets, EverySoundIsAnAudibleMonoWave) {
    std::set<std::vector<int16_t>> distinct;
    for (const char* name : audio::kSoundNames) {
        const assetfiles::WavSound sound = assetfiles::DecodeWav(Load(kGameDir + "/Sounds/" + name + ".wav"));
        ASSERT_TRUE(sound.ok) << name << ": " << sound.error;
        EXPECT_EQ(sound.channels, 1) << name;
        EXPECT_EQ(sound.bitsPerSample, 16) << name;
        EXPECT_GT(sound.Seconds(), 0.02) << name;
        EXPECT_LT(sound.Seconds(), std::string(name) == "intro" ? 10.0 : 4.0) << name;
        int peak = 0;
        for (int16_t s : sound.samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 8000) << name;
        EXPECT_LT(peak, 29205) << name << " peaks above -1 dBFS";
        distinct.insert(sound.samples);
    }
    EXPECT_EQ(distinct.size(), size_t(audio::kSoundCount)) << "two sounds are the same recording";
}

// A player should not hear one sword four times louder than another: the sounds of a kind
// sit within 3 dB of each other (RMS over the whole sound), and the fights, which play over
// the music, are the loudest kind.
TEST(Assets, SoundsOfAKindPlayAtOneLoudness) {
    const std::vector<std::vector<std::string>> kinds = {
        {"attack_infantry", "attack_horse", "attack_sword", "attack_catapult", "attack_cannon", "die",
         "sword1", "sword2", "sword3", "sword4", "sword5", "swish1", "swish2", "elephant", "musket1",
         "musket2", "musket3", "victory"},
        {"move_land", "move_horse", "move_sea", "fortify_land", "fortify_horse", "buildRoad", "buildCity",
         "plant", "examineHill", "golds"},
        {"click", "adjust", "city"}};
    auto rmsDb = [](const std::string& name) {
        const assetfiles::WavSound sound = assetfiles::DecodeWav(Load(kGameDir + "/Sounds/" + name + ".wav"));
        double sum = 0;
        for (int16_t s : sound.samples) sum += double(s) * s;
        return 10 * std::log10(sum / double(std::max<size_t>(1, sound.samples.size())) / (32768.0 * 32768.0));
    };
    std::vector<double> quietest;
    for (const auto& kind : kinds) {
        double low = 0, high = -200;
        for (const std::string& name : kind) {
            const double db = rmsDb(name);
            low = std::min(low, db), high = std::max(high, db);
        }
        EXPECT_LE(high - low, 3.0) << kind.front() << "'s kind spreads from " << low << " to " << high
                                   << " dB";
        quietest.push_back(low);
    }
    EXPECT_GT(quietest[0], quietest[1]) << "a fight is quieter than a move";
}

TEST(Assets, EveryTrackIsGeneralMidiThatEndsBeforeItsCountdown) {
    std::map<std::set<int>, int> instrumentSets;
    for (int t = 1; t <= audio::kTrackCount; ++t) {
        const std::string file = "Music" + std::to_string(t) + ".mid";
        const assetfiles::MidiSummary song = assetfiles::ReadMidi(Load(kGameDir + "/Music/" + file));
        ASSERT_TRUE(song.ok) << file << ": " << song.error;
        EXPECT_EQ(song.format, 1) << file;
        EXPECT_GE(song.trackCount, 4) << file;
        EXPECT_GE(song.programs.size(), 3u) << file;
        EXPECT_GT(song.seconds, 30.0) << file;
        EXPECT_LE(song.seconds, audio::TrackCountdownSeconds(t)) << file;
        ++instrumentSets[song.programs];
    }
    // The tracks do not come round to the same band every few numbers.
    for (const auto& [programs, tracks] : instrumentSets)
        EXPECT_LE(tracks, 2) << "one instrument set in " << tracks;
}
