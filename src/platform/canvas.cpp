#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace annals {

Surface::Surface(int width, int height, Pixel fill) {
    Resize(width, height, fill);
}

void Surface::Resize(int width, int height, Pixel fill) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill);
}

Pixel Surface::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return Row(y)[x];
}

void Surface::SetPixel(int x, int y, Pixel colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x] = colour;
}

void Surface::Blit(const Surface& from, Rect src, int x, int y, bool keyed) {
    // Clip the source to the sheet, then the destination to this surface.
    if (src.left < 0) {
        x -= src.left;
        src.left = 0;
    }
    if (src.top < 0) {
        y -= src.top;
        src.top = 0;
    }
    src.right = std::min(src.right, from.Width());
    src.bottom = std::min(src.bottom, from.Height());
    if (x < 0) {
        src.left -= x;
        x = 0;
    }
    if (y < 0) {
        src.top -= y;
        y = 0;
    }
    src.right = std::min(src.right, src.left + (width_ - x));
    src.bottom = std::min(src.bottom, src.top + (height_ - y));
    if (src.Empty()) return;

    const int w = src.Width();
    const bool useKey = keyed && from.hasKey_;
    for (int row = 0; row < src.Height(); ++row) {
        const Pixel* in = from.Row(src.top + row) + src.left;
        Pixel* out = Row(y + row) + x;
        if (!useKey) {
            std::copy(in, in + w, out);
        } else {
            for (int i = 0; i < w; ++i)
                if (in[i] != from.key_) out[i] = in[i];
        }
    }
}

void Surface::FillRect(Rect r, Pixel colour) {
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, width_);
    r.bottom = std::min(r.bottom, height_);
    if (r.Empty()) return;
    for (int yy = r.top; yy < r.bottom; ++yy) std::fill(Row(yy) + r.left, Row(yy) + r.right, colour);
}

void Surface::Line(int x0, int y0, int x1, int y1, Pixel colour) {
    // Bresenham; each pixel is clipped by SetPixel. Lines on screen are short.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (int guard = 0; guard < 8192; ++guard) {
        SetPixel(x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Surface::FrameRect(Rect r, Pixel colour) {
    if (r.Empty()) return;
    FillRect({r.left, r.top, r.right, r.top + 1}, colour);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    FillRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}

void Surface::Ellipse(Rect b, Pixel colour, bool filled) {
    if (b.Empty()) return;
    // Centre and radii in half pixels so even sizes stay symmetric.
    const double cx = (b.left + b.right - 1) / 2.0, cy = (b.top + b.bottom - 1) / 2.0;
    const double rx = b.Width() / 2.0, ry = b.Height() / 2.0;
    const int top = std::max(b.top, 0), bottom = std::min(b.bottom, height_);
    for (int yy = top; yy < bottom; ++yy) {
        const double t = (yy - cy) / ry;
        const double span = t * t >= 1.0 ? 0.0 : rx * std::sqrt(1.0 - t * t);
        const int xl = static_cast<int>(std::lround(cx - span + 0.0));
        const int xr = static_cast<int>(std::lround(cx + span));
        if (filled) {
            FillRect({xl, yy, xr + 1, yy + 1}, colour);
        } else {
            SetPixel(xl, yy, colour);
            SetPixel(xr, yy, colour);
        }
    }
    if (!filled) {
        // Close the outline along the flat parts near the left and right ends.
        const int left = std::max(b.left, 0), right = std::min(b.right, width_);
        for (int xx = left; xx < right; ++xx) {
            const double t = (xx - cx) / rx;
            const double span = t * t >= 1.0 ? 0.0 : ry * std::sqrt(1.0 - t * t);
            SetPixel(xx, static_cast<int>(std::lround(cy - span)), colour);
            SetPixel(xx, static_cast<int>(std::lround(cy + span)), colour);
        }
    }
}

} // namespace annals
