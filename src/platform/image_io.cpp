#include "platform/platform.h"

#include <SDL.h>
#include <png.h>

#include <cstdio>

namespace annals {

bool LoadBitmapFile(const std::string& path, Surface& out, std::string& error) {
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
