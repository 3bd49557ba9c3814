// The real window: desktop full screen, the 1024 x 768 logical screen letterboxed onto
// whatever the display is, no mode switch. Alt+Enter toggles a resizable window.
#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/text_renderer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <map>
#include <sys/stat.h>

namespace annals {

// One table from SDL's keys to the game's virtual-key codes.
int TranslateKey(const SDL_Keysym& key) {
    const SDL_Scancode sc = key.scancode;
    // The keypad by position, whatever Num Lock says.
    switch (sc) {
    case SDL_SCANCODE_KP_0:
        return VkNumpad(0);
    case SDL_SCANCODE_KP_1:
        return VkNumpad(1);
    case SDL_SCANCODE_KP_2:
        return VkNumpad(2);
    case SDL_SCANCODE_KP_3:
        return VkNumpad(3);
    case SDL_SCANCODE_KP_4:
        return VkNumpad(4);
    case SDL_SCANCODE_KP_5:
        return VkNumpad(5);
    case SDL_SCANCODE_KP_6:
        return VkNumpad(6);
    case SDL_SCANCODE_KP_7:
        return VkNumpad(7);
    case SDL_SCANCODE_KP_8:
        return VkNumpad(8);
    case SDL_SCANCODE_KP_9:
        return VkNumpad(9);
    case SDL_SCANCODE_KP_ENTER:
        return kVkReturn;
    case SDL_SCANCODE_KP_PERIOD:
        return kVkDecimal;
    case SDL_SCANCODE_KP_PLUS:
        return kVkAdd;
    case SDL_SCANCODE_KP_MINUS:
        return kVkSubtract;
    case SDL_SCANCODE_KP_MULTIPLY:
        return kVkMultiply;
    case SDL_SCANCODE_KP_DIVIDE:
        return kVkDivide;
    default:
        break;
    }
    const SDL_Keycode code = key.sym;
    if (code >= SDLK_a && code <= SDLK_z) return kVkA + static_cast<int>(code - SDLK_a);
    if (code >= SDLK_0 && code <= SDLK_9) return kVk0 + static_cast<int>(code - SDLK_0);
    if (code >= SDLK_F1 && code <= SDLK_F12) return kVkF1 + static_cast<int>(code - SDLK_F1);
    switch (code) {
    case SDLK_ESCAPE:
        return kVkEscape;
    case SDLK_RETURN:
        return kVkReturn;
    case SDLK_SPACE:
        return kVkSpace;
    case SDLK_BACKSPACE:
        return kVkBack;
    case SDLK_TAB:
        return kVkTab;
    case SDLK_PAGEUP:
        return kVkPrior;
    case SDLK_PAGEDOWN:
        return kVkNext;
    case SDLK_END:
        return kVkEnd;
    case SDLK_HOME:
        return kVkHome;
    case SDLK_LEFT:
        return kVkLeft;
    case SDLK_UP:
        return kVkUp;
    case SDLK_RIGHT:
        return kVkRight;
    case SDLK_DOWN:
        return kVkDown;
    case SDLK_INSERT:
        return kVkInsert;
    case SDLK_DELETE:
        return kVkDelete;
    case SDLK_PAUSE:
        return kVkPause;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return kVkShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return kVkControl;
    case SDLK_LALT:
    case SDLK_RALT:
        return kVkMenu;
    default:
        break;
    }
    // Letters of other alphabets (the Turkish ı, ş, ğ ...) and punctuation by the
    // key's position: the key of the Turkish dotted i sits where the quote key is.
    switch (sc) {
    case SDL_SCANCODE_SEMICOLON:
        return kVkOemSemicolon;
    case SDL_SCANCODE_EQUALS:
        return kVkOemPlus;
    case SDL_SCANCODE_COMMA:
        return kVkOemComma;
    case SDL_SCANCODE_MINUS:
        return kVkOemMinus;
    case SDL_SCANCODE_PERIOD:
        return kVkOemPeriod;
    case SDL_SCANCODE_SLASH:
        return kVkOemSlash;
    case SDL_SCANCODE_GRAVE:
        return kVkOemTilde;
    case SDL_SCANCODE_LEFTBRACKET:
        return kVkOemOpenBracket;
    case SDL_SCANCODE_BACKSLASH:
        return kVkOemBackslash;
    case SDL_SCANCODE_RIGHTBRACKET:
        return kVkOemCloseBracket;
    case SDL_SCANCODE_APOSTROPHE:
        return kVkOemQuote;
    default:
        break;
    }
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return kVkA + static_cast<int>(sc - SDL_SCANCODE_A);
    return 0;
}

namespace {

int ModifierBits(Uint16 mod) {
    int bits = 0;
    if (mod & KMOD_SHIFT) bits |= kShiftKey;
    if (mod & KMOD_ALT) bits |= kAltKey;
    if (mod & KMOD_CTRL) bits |= kCtrlKey;
    return bits;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

class SdlPlatform final : public Platform {
public:
    ~SdlPlatform() override {
        StopMidi();
        if (music_) Mix_FreeMusic(music_);
        for (auto& [name, chunk] : waves_)
            if (chunk) Mix_FreeChunk(chunk);
        if (audioOpen_) Mix_CloseAudio();
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        if (window_) SDL_DestroyWindow(window_);
        SDL_Quit();
    }

    bool Open(const WindowOptions& options, std::string& error) {
        soundsFolder_ = options.soundsFolder;
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
            error = SDL_GetError();
            return false;
        }
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        fullscreen_ = options.fullscreen;
        // Full screen is asked of the window manager, and the window is also made as large
        // as the display where it stands: with no window manager to grant the request, the
        // window still covers the screen instead of keeping its first size.
        SDL_Rect place{static_cast<int>(SDL_WINDOWPOS_CENTERED), static_cast<int>(SDL_WINDOWPOS_CENTERED),
                       kScreenWidth, kScreenHeight};
        if (fullscreen_ && SDL_GetDisplayBounds(0, &place) != 0)
            place = {static_cast<int>(SDL_WINDOWPOS_CENTERED), static_cast<int>(SDL_WINDOWPOS_CENTERED),
                     kScreenWidth, kScreenHeight};
        const Uint32 flags =
            SDL_WINDOW_RESIZABLE |
            (fullscreen_ ? static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS) : 0u);
        window_ = SDL_CreateWindow(options.title.c_str(), place.x, place.y, place.w, place.h, flags);
        if (!window_) {
            error = SDL_GetError();
            return false;
        }
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
        if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) {
            error = SDL_GetError();
            return false;
        }
        // The picture is letterboxed by hand at every present, from the drawable's real
        // size: without a window manager the window can end up another size than the
        // one asked for, and a scaling set up once would then shift and crop it.
        if (!CreateTexture(error)) return false;
        backBuffer_.Resize(kScreenWidth, kScreenHeight);
        SDL_ShowCursor(SDL_DISABLE); // the game draws its own pointer
        OpenAudio();
        return true;
    }

    void Present() override {
        if (minimized_) return;
        SDL_UpdateTexture(texture_, nullptr, backBuffer_.Pixels().data(), kScreenWidth * 4);
        const SDL_Rect picture = PictureRect();
        SDL_RenderSetViewport(renderer_, nullptr);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, &picture);
        SDL_RenderPresent(renderer_);
    }

    // Where the 4:3 picture lies in the drawable, in the drawable's pixels.
    SDL_Rect PictureRect() const {
        int w = kScreenWidth, h = kScreenHeight;
        if (SDL_GetRendererOutputSize(renderer_, &w, &h) != 0 || w <= 0 || h <= 0) {
            w = kScreenWidth;
            h = kScreenHeight;
        }
        const Rect r = PictureArea(w, h, wholeScaling_);
        return {r.left, r.top, r.Width(), r.Height()};
    }

    // A point of the window (in the window's own units) on the 1024 x 768 screen.
    void WindowToScreen(int wx, int wy, int& x, int& y) const {
        int ww = 0, wh = 0, dw = 0, dh = 0;
        SDL_GetWindowSize(window_, &ww, &wh);
        if (SDL_GetRendererOutputSize(renderer_, &dw, &dh) != 0 || ww <= 0 || wh <= 0) {
            dw = ww;
            dh = wh;
        }
        // Window units to drawable pixels (they differ on high-density displays).
        const double px = ww > 0 ? wx * static_cast<double>(dw) / ww : wx;
        const double py = wh > 0 ? wy * static_cast<double>(dh) / wh : wy;
        const SDL_Rect r = PictureRect();
        x = std::clamp(static_cast<int>((px - r.x) * kScreenWidth / std::max(r.w, 1)), 0, kScreenWidth - 1);
        y = std::clamp(static_cast<int>((py - r.y) * kScreenHeight / std::max(r.h, 1)), 0, kScreenHeight - 1);
    }

    bool Minimized() const override { return minimized_; }
    bool Focused() const override { return focused_; }
    bool HasFont() { return text_.Available(); }

    bool TakeDeviceLost() override {
        const bool lost = deviceLost_;
        deviceLost_ = false;
        return lost;
    }

    void SetFullscreen(bool on) override {
        if (on != fullscreen_) ToggleFullscreen();
    }
    bool Fullscreen() const override { return fullscreen_; }

    void SetWholeNumberScaling(bool on) override {
        Platform::SetWholeNumberScaling(on);
        ApplyScaleMode();
    }

    void SetVolumes(int music, int effects) override {
        Platform::SetVolumes(music, effects);
        if (!audioOpen_) return;
        Mix_VolumeMusic(musicVolume_ * MIX_MAX_VOLUME / 100);
        Mix_Volume(-1, effectsVolume_ * MIX_MAX_VOLUME / 100);
    }

    void ToggleFullscreen() override {
        fullscreen_ = !fullscreen_;
        if (fullscreen_) {
            SDL_Rect display{};
            if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window_), 0), &display) == 0) {
                SDL_SetWindowBordered(window_, SDL_FALSE);
                SDL_SetWindowPosition(window_, display.x, display.y);
                SDL_SetWindowSize(window_, display.w, display.h);
            }
            SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
        } else {
            SDL_SetWindowFullscreen(window_, 0);
            SDL_SetWindowBordered(window_, SDL_TRUE);
            SDL_SetWindowSize(window_, kScreenWidth, kScreenHeight);
            SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
    }

    bool PollEvent(InputEvent& event) override {
        SDL_Event e;
        while (SDL_PollEvent(&e))
            if (Translate(e, event)) return true;
        return false;
    }

    bool WaitEvent(InputEvent& event, int timeoutMs) override {
        if (PollEvent(event)) return true;
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, std::max(timeoutMs, 1)) && Translate(e, event)) return true;
        return PollEvent(event);
    }

    uint64_t TicksMs() override { return SDL_GetTicks64(); }

    void Delay(int milliseconds) override {
        // Keep the window alive while a game routine pauses; a close ends the wait.
        const uint64_t end = SDL_GetTicks64() + static_cast<uint64_t>(std::max(milliseconds, 0));
        SDL_Event e;
        while (!quit_) {
            const uint64_t now = SDL_GetTicks64();
            if (now >= end) break;
            if (SDL_WaitEventTimeout(&e, static_cast<int>(end - now))) {
                InputEvent ignored;
                Translate(e, ignored); // window state and quit; input during a pause is dropped
            }
        }
    }

    int DrawText(int x, int y, const std::string& utf8, int size, Pixel colour) override {
        return text_.Draw(BackBuffer(), x, y, utf8, size, colour);
    }
    int TextPixelWidth(const std::string& utf8, int size) override { return text_.Width(utf8, size); }

    void PlayWave(const std::string& name) override {
        if (!audioOpen_ || effectsVolume_ == 0) return;
        Mix_Chunk* chunk = Wave(name);
        if (!chunk) return;
        const int channel = Mix_PlayChannel(-1, chunk, 0);
        if (channel >= 0) channels_[name] = channel;
    }

    void StopWave(const std::string& name) override {
        if (!audioOpen_) return;
        auto it = channels_.find(name);
        auto chunk = waves_.find(name);
        if (it == channels_.end() || chunk == waves_.end()) return;
        // The channel may be playing another sound by now.
        if (Mix_Playing(it->second) && Mix_GetChunk(it->second) == chunk->second) Mix_HaltChannel(it->second);
        channels_.erase(it);
    }

    void PlayMidi(const std::string& path) override {
        if (!audioOpen_) return;
        StopMidi();
        if (music_) Mix_FreeMusic(music_);
        music_ = Mix_LoadMUS(path.c_str());
        if (!music_) {
            LogOnce(std::string("cannot play music (") + Mix_GetError() + "); playing on without it");
            return;
        }
        Mix_PlayMusic(music_, 0);
        Mix_VolumeMusic(musicVolume_ * MIX_MAX_VOLUME / 100);
    }

    void StopMidi() override {
        if (audioOpen_) Mix_HaltMusic();
    }

    void MessageBox(const std::string& text) override;
    void Notice(const std::string& text, const std::string& ok) override { Modal(text, {ok}); }
    bool Ask(const std::string& text, const std::string& yes, const std::string& no) override;
    int Modal(const std::string& text, const std::vector<std::string>& labels);

private:
    bool CreateTexture(std::string& error) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                     kScreenWidth, kScreenHeight);
        if (!texture_) {
            error = SDL_GetError();
            return false;
        }
        ApplyScaleMode();
        return true;
    }

    // Whole steps are drawn with crisp pixels; a fitted picture is smoothed.
    void ApplyScaleMode() {
        if (texture_)
            SDL_SetTextureScaleMode(texture_, wholeScaling_ ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    }

    void OpenAudio() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
            Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
            LogOnce("no sound device; the game runs silent");
            return;
        }
        audioOpen_ = true;
        Mix_AllocateChannels(32);
        Mix_Volume(-1, effectsVolume_ * MIX_MAX_VOLUME / 100);
        static const char* const soundFonts[] = {
            "/usr/share/sounds/sf2/FluidR3_GM.sf2",
            "/usr/share/sounds/sf2/default-GM.sf2",
            "/usr/share/sounds/sf2/TimGM6mb.sf2",
        };
        for (const char* font : soundFonts) {
            if (FileExists(font)) {
                Mix_SetSoundFonts(font);
                return;
            }
        }
        LogOnce("no General MIDI sound font found; music will be silent");
    }

    Mix_Chunk* Wave(const std::string& name) {
        auto it = waves_.find(name);
        if (it != waves_.end()) return it->second;
        Mix_Chunk* chunk = Mix_LoadWAV((soundsFolder_ + "/" + name + ".wav").c_str());
        if (!chunk) LogOnce("sound \"" + name + "\" is missing from " + soundsFolder_);
        waves_[name] = chunk;
        return chunk;
    }

    // Window and input events become the game's events; returns false for events the
    // game does not see (window state changes are absorbed here).
    bool Translate(const SDL_Event& e, InputEvent& out) {
        out = {};
        switch (e.type) {
        case SDL_QUIT:
            quit_ = true;
            out.kind = EventKind::Quit;
            return true;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                focused_ = true;
                break;
            case SDL_WINDOWEVENT_FOCUS_LOST:
                focused_ = false;
                break;
            case SDL_WINDOWEVENT_MINIMIZED:
                minimized_ = true;
                focused_ = false;
                break;
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_MAXIMIZED:
            case SDL_WINDOWEVENT_SHOWN:
            case SDL_WINDOWEVENT_EXPOSED:
                minimized_ = false;
                break;
            case SDL_WINDOWEVENT_CLOSE:
                quit_ = true;
                out.kind = EventKind::Quit;
                return true;
            default:
                break;
            }
            return false;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET: {
            std::string error;
            if (!CreateTexture(error)) LogOnce("the display was reset and could not be restored: " + error);
            deviceLost_ = true;
            return false;
        }
        case SDL_KEYDOWN: {
            const int mods = ModifierBits(e.key.keysym.mod);
            const int key = TranslateKey(e.key.keysym);
            if (key == kVkReturn && (mods & kAltKey)) {
                ToggleFullscreen();
                out.kind = EventKind::ScreenModeChanged; // kept for the next start
                return true;
            }
            if (key == 0) return false;
            out.kind = EventKind::KeyDown;
            out.key = key;
            out.shift = mods;
            return true;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) return false;
            out.kind = e.type == SDL_MOUSEBUTTONDOWN ? EventKind::MouseDown : EventKind::MouseUp;
            out.button = e.button.button == SDL_BUTTON_LEFT ? 0 : 1;
            WindowToScreen(e.button.x, e.button.y, out.x, out.y);
            out.shift = ModifierBits(static_cast<Uint16>(SDL_GetModState()));
            return true;
        case SDL_MOUSEMOTION:
            out.kind = EventKind::MouseMove;
            WindowToScreen(e.motion.x, e.motion.y, out.x, out.y);
            out.shift = ModifierBits(static_cast<Uint16>(SDL_GetModState()));
            return true;
        default:
            return false;
        }
    }

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool fullscreen_ = true, focused_ = true, minimized_ = false, deviceLost_ = false;
    bool audioOpen_ = false;
    std::string soundsFolder_;
    std::map<std::string, Mix_Chunk*> waves_;
    std::map<std::string, int> channels_;
    Mix_Music* music_ = nullptr;
    TextRenderer text_;
};

// Drawn by the game over the last frame: the game's dialog window (a plain framed box
// before its pictures are loaded), the text wrapped to fit, and an OK button. Enter, Space, Escape or a press
// on OK answers it; closing the window too.
void SdlPlatform::MessageBox(const std::string& text) {
    Modal(text, {"OK"});
}

bool SdlPlatform::Ask(const std::string& text, const std::string& yes, const std::string& no) {
    return Modal(text, {yes, no}) == 0;
}

// A box of wrapped text with a row of buttons; returns the button chosen. Return (or
// Space) chooses the first, Escape the last; closing the window chooses the last.
int SdlPlatform::Modal(const std::string& text, const std::vector<std::string>& labels) {
    const int last = static_cast<int>(labels.size()) - 1;
    if (quit_) return last;
    const Surface saved = backBuffer_;
    // In the game's look the box is its dialog window, the buttons its answer plates; the
    // text keeps clear of the window's wooden frame.
    const MessageLook& look = messageLook_;
    const bool framed = look.window.Valid() && look.plate.Valid() && look.platePressed.Valid();
    const int boxW = framed ? look.window.Width() : 460, pad = framed ? 26 : 18;
    const int buttonW = framed ? look.plate.Width() : 110, buttonH = framed ? look.plate.Height() : 26;
    constexpr int size = 10, lineH = 19, gap = 20, kept = 30;
    constexpr Pixel ink = Rgb(42, 30, 22);

    // Wrap at spaces by measured width; a word longer than the line is cut where it must.
    std::vector<std::string> lines;
    std::string line, word;
    auto flushWord = [&] {
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && text_.Width(candidate, size) > boxW - 2 * pad) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        word.clear();
    };
    for (char c : text) {
        if (c == ' ')
            flushWord();
        else if (c == '\n') {
            flushWord();
            lines.push_back(line);
            line.clear();
        } else
            word += c;
    }
    flushWord();
    if (!line.empty()) lines.push_back(line);

    const int boxH = pad * 2 + static_cast<int>(lines.size()) * lineH + buttonH + 18;
    const Rect box{(kScreenWidth - boxW) / 2, (kScreenHeight - boxH) / 2, (kScreenWidth + boxW) / 2,
                   (kScreenHeight + boxH) / 2};
    const int rowW = static_cast<int>(labels.size()) * buttonW + last * gap;
    std::vector<Rect> buttons;
    for (int i = 0; i <= last; ++i) {
        const int left = box.left + (boxW - rowW) / 2 + i * (buttonW + gap);
        buttons.push_back({left, box.bottom - pad - buttonH, left + buttonW, box.bottom - pad});
    }
    auto draw = [&](int pressed) {
        backBuffer_ = saved;
        if (framed) {
            backBuffer_.BlitToHeight(look.window, box, kept);
        } else {
            backBuffer_.FillRect(box, Rgb(222, 210, 180));
            backBuffer_.FrameRect(box, Rgb(60, 40, 20));
            backBuffer_.FrameRect({box.left + 3, box.top + 3, box.right - 3, box.bottom - 3},
                                  Rgb(140, 110, 70));
        }
        int y = box.top + pad;
        for (const auto& l : lines) {
            text_.Draw(backBuffer_, box.left + pad, y, l, size, ink);
            y += lineH;
        }
        for (int i = 0; i <= last; ++i) {
            const Rect& b = buttons[static_cast<size_t>(i)];
            const int shift = pressed == i ? 1 : 0;
            if (framed) {
                const Surface& plate = shift ? look.platePressed : look.plate;
                backBuffer_.Blit(plate, {0, 0, plate.Width(), plate.Height()}, b.left + shift, b.top + shift,
                                 true);
            } else {
                backBuffer_.FillRect(b, shift ? Rgb(150, 120, 80) : Rgb(190, 160, 110));
                backBuffer_.FrameRect(b, Rgb(60, 40, 20));
            }
            const std::string& label = labels[static_cast<size_t>(i)];
            const int tw = text_.Width(label, size);
            text_.Draw(backBuffer_, b.left + (b.Width() - tw) / 2 + shift,
                       b.top + (b.Height() - 15) / 2 + shift, label, size, ink);
        }
        // A pointer of our own, since the system's is hidden.
        int mx = 0, my = 0, px = 0, py = 0;
        SDL_GetMouseState(&mx, &my);
        WindowToScreen(mx, my, px, py);
        for (int i = 0; i < 12; ++i) backBuffer_.Line(px, py + i, px + i / 2 + 1, py + i, kBlack);
        Present();
    };
    auto buttonAt = [&](int x, int y) {
        for (int i = 0; i <= last; ++i) {
            const Rect& b = buttons[static_cast<size_t>(i)];
            if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return i;
        }
        return -1;
    };
    int pressed = -1, chosen = last;
    draw(pressed);
    while (!quit_) {
        InputEvent e;
        if (!WaitEvent(e, 100)) {
            draw(pressed);
            continue;
        }
        if (e.kind == EventKind::KeyDown && (e.key == kVkReturn || e.key == kVkSpace)) {
            chosen = 0;
            break;
        }
        if (e.kind == EventKind::KeyDown && e.key == kVkEscape) break;
        if (e.kind == EventKind::MouseDown) pressed = buttonAt(e.x, e.y);
        if (e.kind == EventKind::MouseUp && pressed >= 0) {
            if (buttonAt(e.x, e.y) == pressed) {
                chosen = pressed;
                break;
            }
            pressed = -1;
        }
        draw(pressed);
    }
    backBuffer_ = saved;
    Present();
    return chosen;
}

} // namespace

std::unique_ptr<Platform> CreateSdlPlatform(const WindowOptions& options, std::string& error) {
    auto platform = std::make_unique<SdlPlatform>();
    if (!platform->Open(options, error)) return nullptr;
    if (!platform->HasFont())
        platform->LogOnce("the font (DejaVu Sans through SDL2_ttf) cannot be opened; the game's texts will "
                          "not show: install fonts-dejavu-core and libsdl2-ttf-2.0-0");
    return platform;
}

} // namespace annals
