// Software pixel surfaces. The back buffer, every sprite sheet and the scratch bitmap
// are plain 32-bit surfaces; the window only uploads the finished back buffer. So the
// headless build draws the very pixels a player sees.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace annals {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// 0xAARRGGBB; the alpha byte is always 0xFF in stored pixels.
using Pixel = uint32_t;
constexpr Pixel Rgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<uint32_t>(r & 255) << 16) | (static_cast<uint32_t>(g & 255) << 8) |
           static_cast<uint32_t>(b & 255);
}
constexpr Pixel kMagenta = Rgb(255, 0, 255);
constexpr Pixel kBlack = Rgb(0, 0, 0);

// left, top inclusive; right, bottom exclusive.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
};

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Pixel fill = kBlack);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Valid() const { return width_ > 0 && height_ > 0; }
    void Resize(int width, int height, Pixel fill = kBlack);

    Pixel* Row(int y) {
        runsValid_ = false;
        return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    }
    const Pixel* Row(int y) const {
        return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    }
    const std::vector<Pixel>& Pixels() const { return pixels_; }
    std::vector<Pixel>& Pixels() {
        runsValid_ = false;
        return pixels_;
    }

    // Out-of-surface reads give 0, writes do nothing.
    Pixel GetPixel(int x, int y) const;
    void SetPixel(int x, int y, Pixel colour);

    // Colour key: pixels of this colour are skipped by a keyed copy.
    void SetColourKey(bool enabled, Pixel key = kMagenta) {
        hasKey_ = enabled;
        key_ = key;
        runsValid_ = false;
    }
    bool HasColourKey() const { return hasKey_; }
    Pixel ColourKey() const { return key_; }

    // Copy src rectangle of `from` to (x, y) here, clipped on both sides. With `keyed`
    // the source's colour key is honoured, if the source has one.
    void Blit(const Surface& from, Rect src, int x, int y, bool keyed);
    // Copies the whole of `from` (no key) into `box` at its own width, as tall as the box:
    // the top and bottom `keep` rows as they are, the rows between taken evenly from the
    // picture's middle, so that a framed window fits a box of any height.
    void BlitToHeight(const Surface& from, Rect box, int keep);
    void FillRect(Rect r, Pixel colour);
    void Line(int x0, int y0, int x1, int y1, Pixel colour);
    void FrameRect(Rect r, Pixel colour); // outline, one pixel wide
    void Ellipse(Rect bounds, Pixel colour, bool filled);

private:
    // The stretches of each row that hold anything but the key (short gaps of key pixels
    // included), so that a keyed copy skips the empty parts of a sheet. Found at the
    // first keyed copy from the surface, forgotten when its pixels may change.
    struct Run {
        int left, right;
    };
    void FindRuns() const;

    int width_ = 0, height_ = 0;
    std::vector<Pixel> pixels_;
    bool hasKey_ = false;
    Pixel key_ = kMagenta;
    mutable bool runsValid_ = false;
    mutable std::vector<Run> runs_;
    mutable std::vector<size_t> rowRuns_; // row y's runs: runs_[rowRuns_[y]] up to runs_[rowRuns_[y + 1]]
};

} // namespace annals
