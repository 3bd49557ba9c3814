#include "platform/text_renderer.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

namespace annals {

namespace {
bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Alpha-blend one pixel of colour over the target with coverage a (0..255).
inline Pixel Blend(Pixel under, Pixel colour, uint32_t a) {
    const uint32_t na = 255 - a;
    const uint32_t r = (((colour >> 16) & 255) * a + ((under >> 16) & 255) * na + 127) / 255;
    const uint32_t g = (((colour >> 8) & 255) * a + ((under >> 8) & 255) * na + 127) / 255;
    const uint32_t b = ((colour & 255) * a + (under & 255) * na + 127) / 255;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}
// The font library is opened when the first text is measured or drawn, not when the
// program starts: the commands that draw nothing then start without it and the dozens of
// libraries it brings.
struct FontLibrary {
    int (*init)() = nullptr;
    void (*quit)() = nullptr;
    TTF_Font* (*openFont)(const char*, int) = nullptr;
    void (*closeFont)(TTF_Font*) = nullptr;
    void (*setFontHinting)(TTF_Font*, int) = nullptr;
    int (*sizeUtf8)(TTF_Font*, const char*, int*, int*) = nullptr;
    SDL_Surface* (*renderUtf8Blended)(TTF_Font*, const char*, SDL_Color) = nullptr;
    SDL_Surface* (*convertSurfaceFormat)(SDL_Surface*, Uint32, Uint32) = nullptr;
    void (*freeSurface)(SDL_Surface*) = nullptr;
    bool ok = false;
};

template <typename F> bool Find(void* library, const char* name, F& into) {
    into = reinterpret_cast<F>(dlsym(library, name));
    return into != nullptr;
}

const FontLibrary& Fonts() {
    static const FontLibrary library = [] {
        FontLibrary f;
        void* ttf = dlopen("libSDL2_ttf-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!ttf || !sdl) return f;
        f.ok = Find(ttf, "TTF_Init", f.init) && Find(ttf, "TTF_Quit", f.quit) &&
               Find(ttf, "TTF_OpenFont", f.openFont) && Find(ttf, "TTF_CloseFont", f.closeFont) &&
               Find(ttf, "TTF_SetFontHinting", f.setFontHinting) && Find(ttf, "TTF_SizeUTF8", f.sizeUtf8) &&
               Find(ttf, "TTF_RenderUTF8_Blended", f.renderUtf8Blended) &&
               Find(sdl, "SDL_ConvertSurfaceFormat", f.convertSurfaceFormat) &&
               Find(sdl, "SDL_FreeSurface", f.freeSurface);
        return f;
    }();
    return library;
}

} // namespace

std::string FindFontFile() {
    // The condensed face comes closest to the widths the screens were laid out with.
    static const char* const candidates[] = {
        "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
        "/usr/share/fonts/TTF/DejaVuSans.ttf",
        "/usr/share/fonts/dejavu/DejaVuSans.ttf",
    };
    for (const char* path : candidates)
        if (FileExists(path)) return path;
    return {};
}

// How much of each pixel a rendered text covers.
struct Mask {
    int width = 0, height = 0;
    std::vector<uint8_t> coverage;
    // Each row's columns from the first to the last covered pixel (left == right: none),
    // so that writing a text passes over the empty margins of its box without a look.
    struct Span {
        int left, right;
    };
    std::vector<Span> spans;
};

struct TextRenderer::Impl {
    // The screens write the same few hundred texts every frame: each is rendered once.
    std::unordered_map<std::string, Mask> masks;
    // And the windows fitted to their texts measure them every frame: each once.
    std::unordered_map<std::string, int> widths;

    // A text at a size, as the stores know it.
    static std::string Key(const std::string& utf8, int size) {
        std::string key = std::to_string(size);
        key += '|';
        key += utf8;
        return key;
    }

    const Mask* MaskOf(const std::string& utf8, int size) {
        std::string key = Key(utf8, size);
        auto it = masks.find(key);
        if (it != masks.end()) return &it->second;
        TTF_Font* font = Font(size);
        if (!font) return nullptr;
        SDL_Color white{255, 255, 255, 255};
        SDL_Surface* glyphs = Fonts().renderUtf8Blended(font, utf8.c_str(), white);
        if (!glyphs) return nullptr;
        SDL_Surface* argb = Fonts().convertSurfaceFormat(glyphs, SDL_PIXELFORMAT_ARGB8888, 0);
        Fonts().freeSurface(glyphs);
        if (!argb) return nullptr;
        Mask mask;
        mask.width = argb->w;
        mask.height = argb->h;
        mask.coverage.resize(static_cast<size_t>(mask.width) * static_cast<size_t>(mask.height));
        for (int row = 0; row < argb->h; ++row) {
            const auto* in = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                               static_cast<ptrdiff_t>(row) * argb->pitch);
            for (int col = 0; col < argb->w; ++col)
                mask.coverage[static_cast<size_t>(row) * static_cast<size_t>(mask.width) +
                              static_cast<size_t>(col)] = static_cast<uint8_t>(in[col] >> 24);
        }
        Fonts().freeSurface(argb);
        mask.spans.assign(static_cast<size_t>(mask.height), {0, 0});
        for (int row = 0; row < mask.height; ++row) {
            const uint8_t* line =
                mask.coverage.data() + static_cast<size_t>(row) * static_cast<size_t>(mask.width);
            int left = 0, right = mask.width;
            while (left < right && line[left] == 0) ++left;
            while (right > left && line[right - 1] == 0) --right;
            mask.spans[static_cast<size_t>(row)] = {left, right};
        }
        // Texts that change all the time (a running count) must not grow the store forever.
        if (masks.size() >= 4096) masks.clear();
        return &masks.emplace(std::move(key), std::move(mask)).first->second;
    }

    bool initialised = false;
    bool failed = false;
    std::string fontPath;
    std::map<int, TTF_Font*> fonts; // by pixel size

    ~Impl() {
        for (auto& [size, font] : fonts) Fonts().closeFont(font);
        if (initialised) Fonts().quit();
    }

    TTF_Font* Font(int points) {
        if (failed) return nullptr;
        if (!initialised) {
            fontPath = FindFontFile();
            if (fontPath.empty() || !Fonts().ok || Fonts().init() != 0) {
                failed = true;
                return nullptr;
            }
            initialised = true;
        }
        // Points at 96 dots per inch, as the game's screens were laid out.
        const int pixels = std::max(4, static_cast<int>(std::lround(points * 96.0 / 72.0)));
        auto it = fonts.find(pixels);
        if (it != fonts.end()) return it->second;
        TTF_Font* font = Fonts().openFont(fontPath.c_str(), pixels);
        if (!font) {
            failed = true;
            return nullptr;
        }
        Fonts().setFontHinting(font, TTF_HINTING_LIGHT);
        fonts[pixels] = font;
        return font;
    }
};

TextRenderer::TextRenderer() : impl_(std::make_unique<Impl>()) {}
TextRenderer::~TextRenderer() = default;

bool TextRenderer::Available() {
    return impl_->Font(8) != nullptr;
}

int TextRenderer::Width(const std::string& utf8, int size) {
    TTF_Font* font = impl_->Font(size);
    if (!font || utf8.empty()) return 0;
    std::string key = Impl::Key(utf8, size);
    if (auto it = impl_->widths.find(key); it != impl_->widths.end()) return it->second;
    int w = 0, h = 0;
    if (Fonts().sizeUtf8(font, utf8.c_str(), &w, &h) != 0) return 0;
    if (impl_->widths.size() >= 4096) impl_->widths.clear();
    impl_->widths.emplace(std::move(key), w);
    return w;
}

int TextRenderer::Draw(Surface& target, int x, int y, const std::string& utf8, int size, Pixel colour) {
    if (!target.Valid() || utf8.empty()) return 0;
    const Mask* mask = impl_->MaskOf(utf8, size);
    if (!mask) return 0;
    const Pixel solid = colour | 0xFF000000u;
    const int firstRow = std::max(0, -y), lastRow = std::min(mask->height, target.Height() - y);
    for (int row = firstRow; row < lastRow; ++row) {
        const Mask::Span span = mask->spans[static_cast<size_t>(row)];
        const int left = std::max(span.left, -x), right = std::min(span.right, target.Width() - x);
        if (left >= right) continue;
        const uint8_t* in =
            mask->coverage.data() + static_cast<size_t>(row) * static_cast<size_t>(mask->width);
        Pixel* out = target.Row(y + row) + x;
        for (int col = left; col < right; ++col) {
            const uint32_t a = in[col];
            if (a == 255)
                out[col] = solid;
            else if (a != 0)
                out[col] = Blend(out[col], colour, a);
        }
    }
    return mask->width;
}

} // namespace annals
