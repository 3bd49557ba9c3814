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
