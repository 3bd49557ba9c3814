#include "platform/platform.h"

#include "platform/headless_platform.h"

#include <algorithm>
#include <cstdio>

namespace annals {

namespace {
Platform* current = nullptr;
} // namespace

void Platform::LogOnce(const std::string& text) {
    if (std::find(logged_.begin(), logged_.end(), text) != logged_.end()) return;
    logged_.push_back(text);
    std::fprintf(stderr, "annals: %s\n", text.c_str());
}

Rect PictureArea(int w, int h, bool wholeNumbers) {
    if (w <= 0 || h <= 0) return {0, 0, kScreenWidth, kScreenHeight};
    const int whole = std::min(w / kScreenWidth, h / kScreenHeight);
    int pw = 0, ph = 0;
    if (wholeNumbers && whole >= 1) {
        pw = kScreenWidth * whole;
        ph = kScreenHeight * whole;
    } else if (static_cast<int64_t>(w) * kScreenHeight > static_cast<int64_t>(h) * kScreenWidth) {
        ph = h;
        pw = static_cast<int>(static_cast<int64_t>(h) * kScreenWidth / kScreenHeight);
    } else {
        pw = w;
        ph = static_cast<int>(static_cast<int64_t>(w) * kScreenHeight / kScreenWidth);
    }
    const int left = (w - pw) / 2, top = (h - ph) / 2;
    return {left, top, left + pw, top + ph};
}

Platform& ThePlatform() {
    if (current) return *current;
    // Drawing before a platform is installed lands on a null canvas, never on nothing.
    static HeadlessPlatform fallback(HeadlessOptions{false, false});
    return fallback;
}
void SetPlatform(Platform* platform) {
    current = platform;
}
bool HasPlatform() {
    return current != nullptr;
}

} // namespace annals
