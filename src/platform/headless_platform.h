// The headless twin of the window: no display, frames on demand, no waiting. It draws
// into memory (or into nothing), takes injected input and records what it was asked
// to draw, play and say.
#pragma once

#include "platform/platform.h"
#include "platform/text_renderer.h"

#include <deque>

namespace annals {

struct HeadlessOptions {
    bool pixels = true; // false: a null canvas, for speed when no pixel is needed
    // Keep every sprite copy, text and flip in the log, for a test that reads them. Without
    // it the log holds only the latest sounds, tunes and messages, a bounded few, so that
    // a long headless game keeps no record of its frames.
    bool recordDrawing = false;
};

class HeadlessPlatform final : public Platform {
public:
    explicit HeadlessPlatform(const HeadlessOptions& options = {});

    void Present() override;
    bool Minimized() const override { return minimized_; }
    bool Focused() const override { return focused_; }
    bool TakeDeviceLost() override;
    void ToggleFullscreen() override { fullscreen_ = !fullscreen_; }
    void SetFullscreen(bool on) override { fullscreen_ = on; }
    bool Fullscreen() const override { return fullscreen_; }

    bool PollEvent(InputEvent& event) override;
    // Never waits: with nothing queued the clock moves on by the timeout.
    bool WaitEvent(InputEvent& event, int timeoutMs) override;
    uint64_t TicksMs() override { return clockMs_; }
    void Delay(int milliseconds) override; // advances the clock, never sleeps

    int DrawText(int x, int y, const std::string& utf8, int size, Pixel colour) override;
    int TextPixelWidth(const std::string& utf8, int size) override;
    bool MeasuresText() const override { return backBuffer_.Valid() || recordDrawing_; }

    void PlayWave(const std::string& name) override;
    void StopWave(const std::string& name) override;
    void PlayMidi(const std::string& path) override;
    void StopMidi() override;
    void MessageBox(const std::string& text) override;
    // Recorded as a message; answered with the answer set by SetAskAnswer (yes at first).
    bool Ask(const std::string& text, const std::string& yes, const std::string& no) override;

    std::vector<DrawRecord>* Log() override { return &log_; }
    std::vector<DrawRecord>* DrawingLog() override { return recordDrawing_ ? &log_ : nullptr; }

    // Test and CLI controls.
    void PushEvent(const InputEvent& event) { events_.push_back(event); }
    void SetWindowState(bool focused, bool minimized) {
        focused_ = focused;
        minimized_ = minimized;
    }
    void SimulateDeviceLost() { deviceLost_ = true; }
    int PresentCount() const { return presents_; }
    // Keeps a copy of the screen as the n-th flip from now shows it (frames drawn inside an
    // action count too), for a look at what passes within one frame: a fight, the
    // computers' turn. Kept() is that copy, or null until it is made.
    void KeepPresent(int n) {
        keepAt_ = presents_ + n;
        kept_ = Surface();
    }
    const Surface* Kept() const { return kept_.Valid() ? &kept_ : nullptr; }
    void ClearLog() { log_.clear(); }
    void SetAskAnswer(bool yes) { askAnswer_ = yes; }
    // Without recordDrawing the log keeps at most this many of the latest records.
    static constexpr size_t kBoundedLog = 1024;

private:
    void Record(DrawRecord record);

    bool recordDrawing_;
    bool focused_ = true, minimized_ = false, deviceLost_ = false, fullscreen_ = true;
    uint64_t clockMs_ = 0;
    int presents_ = 0;
    int keepAt_ = 0;
    Surface kept_;
    bool askAnswer_ = true;
    std::deque<InputEvent> events_;
    std::vector<DrawRecord> log_;
    TextRenderer text_;
};

} // namespace annals
