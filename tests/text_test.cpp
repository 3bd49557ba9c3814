// The text writer's wrapping by the fixed width table, and the coin display's start.
#include "platform/headless_platform.h"
#include "platform/text_renderer.h"
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
        {U'â', 6, 8},
        {U'—', 10, 12}, // the dash of "AD 1250 — the Romans' turn"
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
        {"Tenochtitlan", 8, 30, {"Teno", "chtitl", "an"}},
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
    WriteText(10, 20, kBlack, 10, "one two three", 10 + 40);
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

TEST(TextWriter, NoLineIsWiderThanItsBoxInEitherMeasure) {
    HeadlessPlatform platform;
    SetPlatform(&platform);
    const char* texts[] = {
        "You can also build your first city on another area. To do this move your settler to that "
        "place. However this area is good enough.",
        "İlk şehrini başka bir yerde de kurabilirsin. Bunun için işçini oraya götür. Ama bu bölge "
        "yeterince iyi.",
        "Click on the  picture of your first unit on the map and hold it and drag to target cell.",
        "Birliklerini sayı tuşlarıyla da yürütebilirsin. Birliklerini 8 yöne yürütmek için",
        "Tenochtitlan AğırlıklıöğüşçİİİİİİİİİİİİMMMMMMMMMWWWWWWWW",
    };
    for (int size : {8, 10})
        for (int width : {40, 120, 212, 289})
            for (const char* text : texts) {
                const std::vector<std::string>& lines = WrappedLines(text, size, width);
                std::string joined, original;
                for (const std::string& line : lines) {
                    const bool oneLetter = DecodeUtf8(line).size() == 1;
                    EXPECT_TRUE(oneLetter || TextWidth(line, size) <= width) << line << " in " << width;
                    EXPECT_TRUE(oneLetter || platform.TextPixelWidth(line, size) <= width)
                        << line << " is " << platform.TextPixelWidth(line, size) << " pixels in " << width;
                    joined += line;
                }
                // Wrapping drops the spaces it breaks at and nothing else.
                for (const char* c = text; *c; ++c)
                    if (*c != ' ') original += *c;
                std::erase(joined, ' ');
                EXPECT_EQ(joined, original) << text;
            }
    SetPlatform(nullptr);
}

// Every Turkish letter is drawn whole: its dots, breve and cedilla are there, and they
// stay inside the line the writer gives it, so neither neighbouring line clips them.
TEST(TextWriter, TurkishLettersAreDrawnWholeAtEverySize) {
    HeadlessPlatform platform;
    if (!platform.TextPixelWidth("O", 8)) GTEST_SKIP() << "no font on this machine";
    struct Letter {
        const char* letter;
        const char* base;
        bool markAbove; // else below
    } letters[] = {
        {"Ç", "C", false}, {"Ğ", "G", true},  {"İ", "I", true},  {"Ö", "O", true},
        {"Ş", "S", false}, {"Ü", "U", true},  {"ç", "c", false}, {"ğ", "g", true},
        {"ö", "o", true},  {"ş", "s", false}, {"ü", "u", true},
    };
    // The rows of a letter drawn at the top of its line that hold any ink.
    auto inkRows = [&](const char* text, int size, int& top, int& bottom) {
        Surface s(60, 60, Rgb(255, 255, 255));
        TextRenderer renderer;
        renderer.Draw(s, 10, 0, text, size, kBlack);
        top = 60, bottom = -1;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                if (s.GetPixel(x, y) != Rgb(255, 255, 255))
                    top = std::min(top, y), bottom = std::max(bottom, y);
    };
    for (int size : {8, 10}) {
        const int lineHeight = size + 5;
        for (const Letter& l : letters) {
            int top = 0, bottom = 0, baseTop = 0, baseBottom = 0;
            inkRows(l.letter, size, top, bottom);
            inkRows(l.base, size, baseTop, baseBottom);
            if (l.markAbove)
                EXPECT_LT(top, baseTop) << l.letter << " at size " << size << " has lost its mark";
            else
                EXPECT_GT(bottom, baseBottom) << l.letter << " at size " << size << " has lost its cedilla";
            // Inside its line, clear of the next line's marks.
            EXPECT_LT(bottom, lineHeight + 2) << l.letter << " at size " << size;
        }
        // The dotless i has no dot, and the dotted capital I has one.
        int top = 0, bottom = 0, iTop = 0, iBottom = 0;
        inkRows("ı", size, top, bottom);
        inkRows("i", size, iTop, iBottom);
        EXPECT_GT(top, iTop) << "ı at size " << size;
    }
}
