#include "platform/headless_platform.h"

namespace annals {

HeadlessPlatform::HeadlessPlatform(const HeadlessOptions& options) : recordDrawing_(options.recordDrawing) {
    if (options.pixels) backBuffer_.Resize(kScreenWidth, kScreenHeight);
}

void HeadlessPlatform::Record(DrawRecord record) {
    const bool drawing = record.kind == DrawRecord::Sprite || record.kind == DrawRecord::Text ||
                         record.kind == DrawRecord::Present;
    if (drawing && !recordDrawing_) return;
    if (!recordDrawing_ && log_.size() >= kBoundedLog) {
        // Forget the older half at once, so that keeping the latest stays cheap.
        log_.erase(log_.begin(), log_.begin() + static_cast<std::ptrdiff_t>(kBoundedLog / 2));
    }
    log_.push_back(std::move(record));
}

void HeadlessPlatform::Present() {
    ++presents_;
    if (presents_ == keepAt_) kept_ = backBuffer_;
    Record({DrawRecord::Present, {}, {}, 0, 0, 0, 0, false});
}

bool HeadlessPlatform::TakeDeviceLost() {
    const bool lost = deviceLost_;
    deviceLost_ = false;
    return lost;
}

bool HeadlessPlatform::PollEvent(InputEvent& event) {
    if (events_.empty()) return false;
    event = events_.front();
    events_.pop_front();
    if (event.kind == EventKind::Quit) RequestQuit();
    return true;
}

bool HeadlessPlatform::WaitEvent(InputEvent& event, int timeoutMs) {
    if (PollEvent(event)) return true;
    Delay(timeoutMs);
    return false;
}

void HeadlessPlatform::Delay(int milliseconds) {
    if (milliseconds > 0) clockMs_ += static_cast<uint64_t>(milliseconds);
}

int HeadlessPlatform::DrawText(int x, int y, const std::string& utf8, int size, Pixel colour) {
    Record({DrawRecord::Text, utf8, {}, x, y, size, colour, false});
    if (!BackBuffer().Valid()) return 0;
    return text_.Draw(BackBuffer(), x, y, utf8, size, colour);
}

int HeadlessPlatform::TextPixelWidth(const std::string& utf8, int size) {
    // Where no text is seen or recorded the font is never opened: widths come from the table.
    if (!MeasuresText()) return 0;
    return text_.Width(utf8, size);
}

void HeadlessPlatform::PlayWave(const std::string& name) {
    if (effectsVolume_ == 0) return; // silenced, as the window's mixer would be
    Record({DrawRecord::Sound, name, {}, 0, 0, 0, 0, false});
}
void HeadlessPlatform::StopWave(const std::string& name) {
    Record({DrawRecord::StopSound, name, {}, 0, 0, 0, 0, false});
}
void HeadlessPlatform::PlayMidi(const std::string& path) {
    Record({DrawRecord::Music, path, {}, 0, 0, 0, 0, false});
}
void HeadlessPlatform::StopMidi() {
    Record({DrawRecord::StopMusic, {}, {}, 0, 0, 0, 0, false});
}
void HeadlessPlatform::MessageBox(const std::string& text) {
    Record({DrawRecord::Message, text, {}, 0, 0, 0, 0, false});
}

bool HeadlessPlatform::Ask(const std::string& text, const std::string&, const std::string&) {
    Record({DrawRecord::Message, text, {}, 0, 0, 0, 0, false});
    return askAnswer_;
}

} // namespace annals
