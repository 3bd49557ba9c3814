// The text writer: texts wrapped and centred by a fixed table of character widths, so
// that every screen lays out the same whatever face draws the letters.
#pragma once

#include "platform/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace annals {

// Width of one character (a Unicode code point) at a font size: the fixed table for
// sizes 8 and 10, 60 for any character in other sizes, 3 for the apostrophe always.
int CharWidth(char32_t c, int size);
// The sum of the characters' widths.
int TextWidth(const std::string& utf8, int size);
// Writes text from (x, y), wrapping at spaces whenever the line would grow wider than
// rightX - x (inside a word when it has no space); lines are size + 5 pixels apart.
// A line's width is the larger of the width table's and the drawn letters'.
// Returns the number of lines written. The font size goes back to 8 afterwards.
int WriteText(int x, int y, Pixel colour, int size, const std::string& utf8, int rightX);
// A mark or word before a text. Built by appending: GCC 12 at -O3 warns falsely
// (-Wrestrict) about a literal prepended to a temporary string.
inline std::string Prefixed(const char* mark, const std::string& text) {
    std::string joined(mark);
    joined += text;
    return joined;
}
// The width one unwrapped line takes on the screen: the larger of the width table's and
// the drawn letters'. Boxes drawn round a line are this wide.
int LineWidth(const std::string& utf8, int size);
// The lines WriteText draws for a text in a box `width` pixels wide.
const std::vector<std::string>& WrappedLines(const std::string& utf8, int size, int width);
// Writes text centred on x (starting at x - TextWidth div 2).
int WriteCentred(int x, int y, Pixel colour, int size, const std::string& utf8, int rightX = 1024);

// The font the plain text output uses (size in points and colour), as the last
// WriteText left it.
int FontSize();
void SetFont(int size, Pixel colour);
Pixel FontColour();
// One line at (x, y) in the current font, not wrapped.
void TextOut(int x, int y, const std::string& utf8);

// The falling coins that show a person a gain of gold.
void StartCoinDisplay(double amount);

// UTF-8 to code points and back, for the writer and the screens.
std::u32string DecodeUtf8(const std::string& utf8);
std::string EncodeUtf8(const std::u32string& text);

} // namespace annals
