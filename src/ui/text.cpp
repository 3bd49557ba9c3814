#include "ui/text.h"

#include "platform/platform.h"
#include "state/state.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace annals {

namespace {

int fontSize = 8;
Pixel fontColour = kBlack;

// Turkish letters are as wide as the Latin letters they are built on.
char32_t LatinBase(char32_t c) {
    switch (c) {
    case U'ç':
        return U'c';
    case U'Ç':
        return U'C';
    case U'ğ':
        return U'g';
    case U'Ğ':
        return U'G';
    case U'ı':
        return U'i';
    case U'İ':
        return U'I';
    case U'ö':
        return U'o';
    case U'Ö':
        return U'O';
    case U'ş':
        return U's';
    case U'Ş':
        return U'S';
    case U'ü':
        return U'u';
    case U'Ü':
        return U'U';
    // The circumflex of "hâlâ", "kâr" and "kâşif".
    case U'â':
        return U'a';
    case U'Â':
        return U'A';
    case U'î':
        return U'i';
    case U'û':
        return U'u';
    default:
        return c;
    }
}

bool In(char32_t c, const char32_t* set) {
    for (; *set; ++set)
        if (*set == c) return true;
    return false;
}

int Width8(char32_t c) {
    if (c >= U'0' && c <= U'9') return 6;
    if (In(c, U"ijl")) return 2;
    if (In(c, U" !(),-.:;Ifrt")) return 3;
    if (c == U'*') return 4;
    if (In(c, U"Jsxyz")) return 5;
    if (In(c, U"\"+<>?FLabcdeghknopquv")) return 6;
    if (In(c, U"/ABCDEGKPSTUVXYZ\\")) return 7;
    if (In(c, U"%@HNOQRmw")) return 8;
    if (c == U'M') return 9;
    if (c == U'—') return 10;
    if (c == U'W') return 11;
    return 60;
}

int Width10(char32_t c) {
    if (c >= U'0' && c <= U'9') return 7;
    if (In(c, U" !,.:;Ifijlt")) return 3;
    if (In(c, U"()-[]r")) return 4;
    if (In(c, U"xz")) return 6;
    if (In(c, U"+?JL_chknsuvy")) return 7;
    if (In(c, U"FKXZabdegopq")) return 8;
    if (In(c, U"ABCEPSTVYw")) return 9;
    if (In(c, U"/@DGHNOQRU\\")) return 10;
    if (In(c, U"Mm")) return 11;
    if (c == U'%' || c == U'—') return 12;
    if (c == U'W') return 13;
    return 60;
}

int Width(const std::u32string& text, int size) {
    int w = 0;
    for (char32_t c : text) w += CharWidth(c, size);
    return w;
}

} // namespace

int CharWidth(char32_t c, int size) {
    if (c == U'\'') return 3;
    c = LatinBase(c);
    if (size == 8) return Width8(c);
    if (size == 10) return Width10(c);
    return 60;
}

int TextWidth(const std::string& utf8, int size) {
    return Width(DecodeUtf8(utf8), size);
}

int LineWidth(const std::string& utf8, int size) {
    const int table = TextWidth(utf8, size);
    return HasPlatform() ? std::max(table, ThePlatform().TextPixelWidth(utf8, size)) : table;
}

const std::vector<std::string>& WrappedLines(const std::string& utf8, int size, int width) {
    // The same few hundred texts are written every frame: each is wrapped once.
    static std::unordered_map<std::string, std::vector<std::string>> wrapped;
    const bool measured = HasPlatform() && ThePlatform().MeasuresText();
    std::string key = measured ? "m" : "t";
    key += std::to_string(size) + '|' + std::to_string(width) + '|' + utf8;
    if (auto it = wrapped.find(key); it != wrapped.end()) return it->second;
    if (wrapped.size() >= 4096) wrapped.clear();
    std::vector<std::string> lines;
    // A line is as wide as the larger of the width table and the letters really drawn,
    // so that no line runs out of its box whatever the font.
    auto fits = [&](const std::u32string& line) {
        if (Width(line, size) > width) return false;
        return !measured || ThePlatform().TextPixelWidth(EncodeUtf8(line), size) <= width;
    };
    std::u32string line, word;
    auto placeWord = [&] {
        std::u32string candidate = line.empty() ? word : line + U' ' + word;
        if (fits(candidate)) {
            line = std::move(candidate);
        } else {
            if (!line.empty()) lines.push_back(EncodeUtf8(line));
            line.clear();
            // A word wider than the line is cut where it must be.
            std::u32string piece;
            for (char32_t c : word) {
                if (!piece.empty() && !fits(piece + c)) {
                    lines.push_back(EncodeUtf8(piece));
                    piece.clear();
                }
                piece += c;
            }
            line = std::move(piece);
        }
        word.clear();
    };
    // Spaces that open a text are kept before its first word (" Click To Sell").
    const std::u32string text = DecodeUtf8(utf8);
    size_t start = 0;
    while (start < text.size() && text[start] == U' ') ++start;
    word.assign(start, U' ');
    bool pendingSpace = false;
    for (char32_t c : text.substr(start)) {
        if (c == U' ') {
            if (pendingSpace || !word.empty()) placeWord();
            pendingSpace = true;
            continue;
        }
        pendingSpace = false;
        word += c;
    }
    // A text that ends in a space keeps it ("Experience : " is followed by a figure).
    if (!word.empty() || pendingSpace) placeWord();
    if (!line.empty()) lines.push_back(EncodeUtf8(line));
    return wrapped.emplace(std::move(key), std::move(lines)).first->second;
}

int WriteText(int x, int y, Pixel colour, int size, const std::string& utf8, int rightX) {
    SetFont(size, colour);
    const std::vector<std::string>& lines = WrappedLines(utf8, size, rightX - x);
    for (const std::string& line : lines) {
        if (!line.empty()) ThePlatform().DrawText(x, y, line, fontSize, fontColour);
        y += size + 5;
    }
    fontSize = 8;
    return static_cast<int>(lines.size());
}

int WriteCentred(int x, int y, Pixel colour, int size, const std::string& utf8, int rightX) {
    const int left = x - TextWidth(utf8, size) / 2;
    return WriteText(left, y, colour, size, utf8, rightX);
}

int FontSize() {
    return fontSize;
}
Pixel FontColour() {
    return fontColour;
}
void SetFont(int size, Pixel colour) {
    fontSize = size;
    fontColour = colour;
}
void TextOut(int x, int y, const std::string& utf8) {
    if (!utf8.empty()) ThePlatform().DrawText(x, y, utf8, fontSize, fontColour);
}

void StartCoinDisplay(double amount) {
    ui.coinAnimation = amount;
    ui.coinPhase = 1.0;
}

std::u32string DecodeUtf8(const std::string& utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80)
            c = b;
        else if ((b & 0xE0) == 0xC0)
            c = b & 0x1F, extra = 1;
        else if ((b & 0xF0) == 0xE0)
            c = b & 0x0F, extra = 2;
        else if ((b & 0xF8) == 0xF0)
            c = b & 0x07, extra = 3;
        else
            c = U'?'; // a stray byte: shown, never skipped silently
        ++i;
        for (int k = 0; k < extra; ++k, ++i) {
            if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
                c = U'?';
                break;
            }
            c = (c << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
        }
        out += c;
    }
    return out;
}

std::string EncodeUtf8(const std::u32string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace annals
