// What the game needs of the machine: a 1024 x 768 screen composed in a software back
// buffer, input events, text, sound and music, and a modal message. Two flavours: the
// SDL window a player sees, and a headless twin for tests, the CLI and benchmarks that
// draws the same pixels into memory, never waits, and records what happened.
//
// No SDL type appears here; only src/platform/*.cpp and the game's main see SDL.
#pragma once

#include "platform/canvas.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace annals {

enum class EventKind : uint8_t {
    None,
    KeyDown,   // key = virtual-key code, shift = modifier bits
    MouseDown, // button 0 left, 1 right; x, y in the logical screen
    MouseUp,
    MouseMove,
    Quit,              // the window was closed
    ScreenModeChanged, // the player switched between full screen and a window (Alt+Enter)
};

// Modifier bits of InputEvent::shift.
constexpr int kShiftKey = 1;
constexpr int kAltKey = 2;
constexpr int kCtrlKey = 4;

struct InputEvent {
    EventKind kind = EventKind::None;
    int key = 0;
    int shift = 0;
    int button = 0;
    int x = 0, y = 0;
};

// What a headless frame did, for tests: sprite copies, texts, sounds, music, messages.
struct DrawRecord {
    enum Kind : uint8_t { Sprite, Text, Sound, StopSound, Music, StopMusic, Message, Present } kind;
    std::string name; // sheet, text, sound name, music file or message
    Rect source;      // sprite copies
    int x = 0, y = 0;
    int size = 0;       // text size
    Pixel colour = 0;   // text colour
    bool keyed = false; // sprite copied with the colour key
};

class Platform {
public:
    virtual ~Platform() = default;

    // The back buffer every frame is composed in. A headless platform without pixels
    // gives an empty surface, on which every drawing operation does nothing; so does a
    // suspended one (a frame drawn while the window is minimized changes no pixel).
    Surface& BackBuffer() { return suspended_ ? nullSurface_ : backBuffer_; }
    void SuspendDrawing(bool suspended) { suspended_ = suspended; }
    // The pixels of the last composed frame, whatever the suspension.
    const Surface& Screen() const { return backBuffer_; }

    // Show the finished back buffer (the flip).
    virtual void Present() = 0;
    virtual bool Minimized() const = 0;
    virtual bool Focused() const = 0;
    // True once after the window's texture was really lost (a device reset): the
    // sheets are then loaded again. A software back buffer itself is never lost.
    virtual bool TakeDeviceLost() = 0;
    virtual void ToggleFullscreen() = 0;
    // The player's settings for the screen and the sound: full screen or a window; the
    // picture grown by whole steps with crisp pixels, or fitted to the screen; the
    // loudness of music and of sound effects, 0..100, where 0 is silent.
    virtual void SetFullscreen(bool on) = 0;
    virtual bool Fullscreen() const = 0;
    virtual void SetWholeNumberScaling(bool on) { wholeScaling_ = on; }
    bool WholeNumberScaling() const { return wholeScaling_; }
    virtual void SetVolumes(int music, int effects) {
        musicVolume_ = music < 0 ? 0 : music > 100 ? 100 : music;
        effectsVolume_ = effects < 0 ? 0 : effects > 100 ? 100 : effects;
    }
    int MusicVolume() const { return musicVolume_; }
    int EffectsVolume() const { return effectsVolume_; }

    // Input. PollEvent never blocks; WaitEvent blocks up to timeoutMs.
    virtual bool PollEvent(InputEvent& event) = 0;
    virtual bool WaitEvent(InputEvent& event, int timeoutMs) = 0;
    virtual uint64_t TicksMs() = 0;
    virtual void Delay(int milliseconds) = 0;
    bool QuitRequested() const { return quit_; }
    void RequestQuit() { quit_ = true; }

    // Text in DejaVu Sans. size is in points at the screen's 96 dots per inch.
    // Returns the width in pixels of what was drawn.
    virtual int DrawText(int x, int y, const std::string& utf8, int size, Pixel colour) = 0;
    virtual int TextPixelWidth(const std::string& utf8, int size) = 0;
    // False where no text is ever seen or recorded: lines are then wrapped by the width
    // table alone, and the font need not be opened at all.
    virtual bool MeasuresText() const { return true; }

    // Sound effects by name ("click", "intro" ...) and MIDI music by file path. Both
    // are silent, without complaint, when there is no audio device.
    virtual void PlayWave(const std::string& name) = 0;
    virtual void StopWave(const std::string& name) = 0;
    virtual void PlayMidi(const std::string& path) = 0;
    virtual void StopMidi() = 0;

    // The game's own pictures for its modal messages, given once its sheets are loaded: a
    // window drawn at its own width and fitted to the message's height, and a button plate,
    // plain and pressed. Without them a message is a plain framed box.
    struct MessageLook {
        Surface window;
        Surface plate, platePressed;
    };
    void SetMessageLook(MessageLook look) { messageLook_ = std::move(look); }
    const MessageLook& GetMessageLook() const { return messageLook_; }

    // A modal message with one OK button over the last frame. It blocks until answered
    // (or the window is closed) and runs no frame.
    virtual void MessageBox(const std::string& text) = 0;
    // The same with the button's label in the game's language ("OK", "Tamam").
    virtual void Notice(const std::string& text, const std::string& /*ok*/) { MessageBox(text); }
    // The same with two buttons; true when the first is chosen.
    virtual bool Ask(const std::string& text, const std::string& yes, const std::string& no) = 0;

    // Non-null on the headless platform: what was heard and said, in order, and what was
    // drawn when that was asked for (DrawingLog).
    virtual std::vector<DrawRecord>* Log() { return nullptr; }
    // Where sprite copies and texts are recorded; null when nobody keeps them.
    virtual std::vector<DrawRecord>* DrawingLog() { return nullptr; }
    // False for a null canvas: nothing drawn is ever seen, so no picture need be loaded.
    bool DrawsPixels() const { return backBuffer_.Valid(); }

    // A line for the player's log (stderr), each distinct text once.
    void LogOnce(const std::string& text);

protected:
    Surface backBuffer_;
    MessageLook messageLook_;
    bool quit_ = false;
    bool wholeScaling_ = false;
    int musicVolume_ = 100, effectsVolume_ = 100;

private:
    Surface nullSurface_;
    bool suspended_ = false;

protected:
    std::vector<std::string> logged_;
};

struct WindowOptions {
    bool fullscreen = true;
    std::string title = "Annals";
    std::string soundsFolder; // wave files <name>.wav
};

// Where the 1024 x 768 picture lies on a screen (or window) of the given size: as large
// as fits with its shape kept, or, with whole-number scaling, the largest whole multiple
// that fits (a screen smaller than the picture still gets it fitted), centred.
Rect PictureArea(int outputWidth, int outputHeight, bool wholeNumbers);

// The real window. Returns null (with a reason) when no display can be opened.
std::unique_ptr<Platform> CreateSdlPlatform(const WindowOptions& options, std::string& error);

// The platform in use by the presentation code.
Platform& ThePlatform();
void SetPlatform(Platform* platform);
bool HasPlatform();

// Picture files.
// A bitmap whose header claims another size than the expected one (when one is given),
// or an absurd size, is refused before its pixels are read.
bool LoadBitmapFile(const std::string& path, Surface& out, std::string& error, int expectedWidth = 0,
                    int expectedHeight = 0);
// The surface as the bytes of a PNG file (written to disk by the caller, whole or not at all).
bool EncodePng(const Surface& surface, std::string& bytes, std::string& error);

} // namespace annals
