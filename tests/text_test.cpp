// The text writer's wrapping by the fixed width table, and the coin display's start.
#include "platform/headless_platform.h"
#include "state/state.h"
#include "ui/text.h"

#include <gtest/gtest.h>

using namespace annals;

namespace {

// The lines the writer drew, in order.
std::vector<std::string> Written(HeadlessPlatform& platform) {
    std::vector<std::string> lines;
    for (const DrawRecord& r : *platform.Log())
        if (r.kind == DrawRecord::Text) lines.push_back(r.name);
    return lines;
}

} // namespace

TEST(TextWriter, CharacterWidths) {
    struct Case {
        char32_t c;
        int size8, size10;
    } cases[] = {
        {U'i', 2, 3},
        {U'W', 11, 13},
        {U'M', 9, 11},
        {U'7', 6, 7},
        {U' ', 3, 3},
        {U'#', 60, 60},
        {U'\'', 3, 3},
        {U'r', 3, 4},
        {U'İ', 3, 3},
        // Turkish letters are as wide as their Latin bases, in both sizes.
        {U'ş', 5, 7},
        {U'ğ', 6, 8},
        {U'Ğ', 7, 10},
        {U'ı', 2, 3},
        {U'Ö', 8, 10},
        {U'ü', 6, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharWidth(c.c, 8), c.size8) << static_cast<uint32_t>(c.c);
        EXPECT_EQ(CharWidth(c.c, 10), c.size10) << static_cast<uint32_t>(c.c);
        EXPECT_EQ(CharWidth(c.c, 12), c.c == U'\'' ? 3 : 60);
    }
    EXPECT_EQ(TextWidth("Annals", 8), 7 + 6 + 6 + 6 + 2 + 5);
}

TEST(TextWriter, WrapsByTheWidthTable) {
    struct Case {
        const char* text;
        int size, width;
        std::vector<std::string> lines;
    } cases[] = {
        {"The city grew.", 8, 200, {"The city grew."}},
        {"", 8, 200, {}},
        {"Your treasure is not enough", 8, 60, {"Your", "treasure is", "not enough"}},
        // A word longer than the line breaks inside it and keeps every character.
        {"Tenochtitlan", 8, 30, {"Teno", "chtitla", "n"}},
        // A # is 60 pixels wide: alone on its line, and what follows wraps after it.
        {"a # b", 8, 50, {"a", "#", "b"}},
        {"Şarap ve kürk ılık", 10, 60, {"Şarap ve", "kürk ılık"}},
    };
    for (const Case& c : cases) {
        HeadlessPlatform platform{{.recordDrawing = true}};
        SetPlatform(&platform);
        const int lines = WriteText(100, 50, kBlack, c.size, c.text, 100 + c.width);
        EXPECT_EQ(lines, static_cast<int>(c.lines.size())) << c.text;
        EXPECT_EQ(Written(platform), c.lines) << c.text;
        EXPECT_EQ(FontSize(), 8) << "the font size goes back to 8";
        SetPlatform(nullptr);
    }
}

TEST(TextWriter, LinesAreSizePlusFivePixelsApart) {
    HeadlessPlatform platform{{.recordDrawing = true}};
    SetPlatform(&platform);
    WriteText(10, 20, kBlack, 10, "one two three", 10 + 30);
    std::vector<int> ys;
    for (const DrawRecord& r : *platform.Log()) ys.push_back(r.y);
    EXPECT_EQ(ys, (std::vector<int>{20, 35, 50}));
    SetPlatform(nullptr);
}

TEST(TextWriter, Utf8RoundTripsAndStrayBytesAreShown) {
    const std::string text = "Çin İngiltere Ağır ı ş 日本";
    EXPECT_EQ(EncodeUtf8(DecodeUtf8(text)), text);
    EXPECT_EQ(DecodeUtf8("a\xC3"), U"a?");
    EXPECT_EQ(DecodeUtf8("\xFF"
                         "b"),
              U"?b");
}
