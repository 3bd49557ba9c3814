// Text drawn with DejaVu Sans into a software surface. Both the window and the
// headless platform use it, so a headless screenshot shows the same letters.
#pragma once

#include "platform/canvas.h"

#include <memory>
#include <string>

namespace annals {

class TextRenderer {
public:
    TextRenderer();
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // size in points at 96 dots per inch; the text's top-left corner at (x, y).
    // Returns the width drawn. Without the font nothing is drawn and 0 returned.
    int Draw(Surface& target, int x, int y, const std::string& utf8, int size, Pixel colour);
    int Width(const std::string& utf8, int size);
    bool Available();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Where the font is looked for: beside the game first, then the system's fonts.
std::string FindFontFile();

} // namespace annals
