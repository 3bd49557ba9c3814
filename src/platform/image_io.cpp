#include "platform/platform.h"

#include <SDL.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace annals {

namespace {

// The picture size a bitmap file's header claims, read before anything is loaded so that
// a file claiming a huge picture never makes the game allocate it.
bool BitmapHeaderSize(const std::string& path, long& width, long& height, std::string& error) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    unsigned char h[26] = {};
    const size_t got = std::fread(h, 1, sizeof h, file);
    std::fclose(file);
    auto u32 = [&](int at) {
        return static_cast<uint32_t>(h[at]) | static_cast<uint32_t>(h[at + 1]) << 8 |
               static_cast<uint32_t>(h[at + 2]) << 16 | static_cast<uint32_t>(h[at + 3]) << 24;
    };
    if (got < 26 || h[0] != 'B' || h[1] != 'M') {
        error = path + " is not a bitmap file";
        return false;
    }
    const uint32_t headerSize = u32(14);
    if (headerSize == 12) { // the oldest header: 16-bit sizes
        width = static_cast<long>(h[18] | h[19] << 8);
        height = static_cast<long>(h[20] | h[21] << 8);
    } else if (headerSize >= 40) {
        width = static_cast<int32_t>(u32(18));
        height = static_cast<int32_t>(u32(22));
        if (height < 0) height = -height; // rows stored from the top
    } else {
        error = path + " has a bitmap header of an unknown kind";
        return false;
    }
    return true;
}

} // namespace

bool LoadBitmapFile(const std::string& path, Surface& out, std::string& error, int expectedWidth,
                    int expectedHeight) {
    constexpr long kLargestSide = 8192; // no picture of the game comes near it
    long width = 0, height = 0;
    if (!BitmapHeaderSize(path, width, height, error)) return false;
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide ||
        (expectedWidth > 0 && (width != expectedWidth || height != expectedHeight))) {
        error =
            path + ": its header says " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
        if (expectedWidth > 0)
            error += ", the game expects " + std::to_string(expectedWidth) + " x " +
                     std::to_string(expectedHeight);
        return false;
    }
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded) {
        error = SDL_GetError();
        return false;
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) {
        error = SDL_GetError();
        return false;
    }
    out.Resize(argb->w, argb->h);
    for (int y = 0; y < argb->h; ++y) {
        const auto* in = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                           static_cast<ptrdiff_t>(y) * argb->pitch);
        Pixel* row = out.Row(y);
        for (int x = 0; x < argb->w; ++x) row[x] = in[x] | 0xFF000000u;
    }
    SDL_FreeSurface(argb);
    return true;
}

bool WritePngFile(const std::string& path, const Surface& surface, std::string& error) {
    if (!surface.Valid()) {
        error = "nothing was drawn (no pixels)";
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "cannot write " + path;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        error = "out of memory";
        return false;
    }
    std::vector<uint8_t> row(static_cast<size_t>(surface.Width()) * 3);
    // libpng reports failures by longjmp; nothing with a destructor lives between here
    // and the writes below except `row`, which was made before.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        std::remove(path.c_str());
        error = "cannot write " + path + " (disk full?)";
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.Width()),
                 static_cast<png_uint_32>(surface.Height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface.Height(); ++y) {
        const Pixel* in = surface.Row(y);
        for (int x = 0; x < surface.Width(); ++x) {
            row[static_cast<size_t>(x) * 3 + 0] = static_cast<uint8_t>(in[x] >> 16);
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<uint8_t>(in[x] >> 8);
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<uint8_t>(in[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(file) != 0) {
        std::remove(path.c_str());
        error = "cannot write " + path + " (disk full?)";
        return false;
    }
    return true;
}

} // namespace annals
