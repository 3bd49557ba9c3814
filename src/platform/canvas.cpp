#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace annals {

Surface::Surface(int width, int height, Pixel fill) {
    Resize(width, height, fill);
}

void Surface::Resize(int width, int height, Pixel fill) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    runsValid_ = false;
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

namespace {

// A row copied past the colour key: keyed copies are most of the work of a frame, so
// four pixels at a time where the processor allows.
void KeyedRow(const Pixel* in, Pixel* out, int w, Pixel key) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i keyed = _mm_set1_epi32(static_cast<int>(key));
    for (; i + 4 <= w; i += 4) {
        const __m128i from = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        const __m128i to = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + i));
        const __m128i keep = _mm_cmpeq_epi32(from, keyed);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_or_si128(_mm_and_si128(keep, to), _mm_andnot_si128(keep, from)));
    }
#endif
    for (; i < w; ++i)
        if (in[i] != key) out[i] = in[i];
}

} // namespace

void Surface::FindRuns() const {
    // Gaps shorter than this stay inside a run: the vector copy passes over them faster
    // than a new run would start.
    constexpr int kGap = 8;
    runs_.clear();
    rowRuns_.assign(static_cast<size_t>(height_) + 1, 0);
    for (int y = 0; y < height_; ++y) {
        rowRuns_[static_cast<size_t>(y)] = runs_.size();
        const Pixel* row = Row(y);
        int x = 0;
        while (x < width_) {
            while (x < width_ && row[x] == key_) ++x;
            if (x == width_) break;
            Run run{x, x};
            int gap = 0;
            for (; x < width_ && gap < kGap; ++x) {
                if (row[x] == key_) {
                    ++gap;
                } else {
                    gap = 0;
                    run.right = x + 1;
                }
            }
            runs_.push_back(run);
        }
    }
    rowRuns_[static_cast<size_t>(height_)] = runs_.size();
    runsValid_ = true;
}

void Surface::BlitToHeight(const Surface& from, Rect box, int keep) {
    const int height = box.Height(), fromHeight = from.Height();
    keep = std::min({keep, height / 2, fromHeight / 2});
    const int middle = height - 2 * keep, fromMiddle = fromHeight - 2 * keep;
    for (int row = 0; row < height; ++row) {
        int source = row;
        if (row >= height - keep)
            source = fromHeight - (height - row);
        else if (row >= keep)
            source = keep + (row - keep) * fromMiddle / std::max(middle, 1);
        Blit(from, {0, source, from.Width(), source + 1}, box.left, box.top + row, false);
    }
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
    if (!keyed || !from.hasKey_) {
        for (int row = 0; row < src.Height(); ++row) {
            const Pixel* in = from.Row(src.top + row) + src.left;
            std::copy(in, in + w, Row(y + row) + x);
        }
        return;
    }
    if (!from.runsValid_) from.FindRuns();
    for (int row = 0; row < src.Height(); ++row) {
        const size_t sy = static_cast<size_t>(src.top + row);
        const Run* run = from.runs_.data() + from.rowRuns_[sy];
        const Run* end = from.runs_.data() + from.rowRuns_[sy + 1];
        // Runs are in order: the first one that reaches into the rectangle, then on.
        run = std::lower_bound(run, end, src.left, [](const Run& r, int left) { return r.right <= left; });
        const Pixel* in = from.Row(static_cast<int>(sy));
        Pixel* out = Row(y + row) + x;
        for (; run != end && run->left < src.right; ++run) {
            const int a = std::max(run->left, src.left), b = std::min(run->right, src.right);
            KeyedRow(in + a, out + (a - src.left), b - a, from.key_);
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
