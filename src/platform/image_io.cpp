#include "platform/platform.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace annals {

namespace {

uint32_t Little32(const unsigned char* at) {
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
           static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}
uint32_t Little16(const unsigned char* at) {
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8;
}

// One channel of a 32-bit pixel under a bit-field mask, scaled to 0..255.
struct Field {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t top = 1; // the largest value the field holds

    explicit Field(uint32_t m) : mask(m) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        top = mask >> shift;
    }
    uint32_t Of(uint32_t pixel) const {
        const uint32_t value = (pixel & mask) >> shift;
        return top == 255 ? value : value * 255 / top;
    }
};

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    // The sheets are megabytes each: read them in one go into room made for the whole
    // file, and only then in pieces for whatever the size did not tell.
    struct stat st {};
    constexpr off_t kLargestSheet = off_t{1} << 28; // beyond any 8192 x 8192 bitmap
    if (fstat(fileno(file), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size <= kLargestSheet)
        bytes.resize(static_cast<size_t>(st.st_size));
    size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file);
    bytes.resize(got);
    unsigned char chunk[1 << 16];
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) error = "cannot read " + path;
    return !failed;
}

} // namespace

// Reads the uncompressed bitmaps the game's sheets are: 24-bit, 32-bit (plain or with
// bit fields) and 8-bit with a palette, rows stored from the bottom or from the top.
// The size the header claims is checked before anything is allocated, so a file that
// claims a huge picture never makes the game allocate it.
bool LoadBitmapFile(const std::string& path, Surface& out, std::string& error, int expectedWidth,
                    int expectedHeight) {
    std::vector<unsigned char> d;
    if (!ReadWholeFile(path, d, error)) return false;
    if (d.size() < 26 || d[0] != 'B' || d[1] != 'M') {
        error = path + " is not a bitmap file";
        return false;
    }
    const uint32_t offset = Little32(&d[10]), headerSize = Little32(&d[14]);
    long width = 0, height = 0;
    bool topDown = false;
    uint32_t bits = 0, compression = 0, paletteCount = 0;
    if (headerSize == 12) { // the oldest header: 16-bit sizes
        width = static_cast<long>(Little16(&d[18]));
        height = static_cast<long>(Little16(&d[20]));
        bits = Little16(&d[24]);
    } else if (headerSize >= 40 && d.size() >= 54) {
        width = static_cast<int32_t>(Little32(&d[18]));
        height = static_cast<int32_t>(Little32(&d[22]));
        if (height < 0) {
            height = -height;
            topDown = true;
        }
        bits = Little16(&d[28]);
        compression = Little32(&d[30]);
        paletteCount = Little32(&d[46]);
    } else {
        error = path + " has a bitmap header of an unknown kind";
        return false;
    }
    constexpr long kLargestSide = 8192; // no picture of the game comes near it
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide ||
        (expectedWidth > 0 && (width != expectedWidth || height != expectedHeight))) {
        error =
            path + ": its header says " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
        if (expectedWidth > 0)
            error += ", the game expects " + std::to_string(expectedWidth) + " x " +
                     std::to_string(expectedHeight);
        return false;
    }
    // Bit-field masks follow a 40-byte header, or sit inside a longer one.
    uint32_t masks[3] = {0xFF0000u, 0xFF00u, 0xFFu};
    const bool fields = compression == 3 && bits == 32;
    if (fields) {
        if (d.size() < 66) {
            error = path + " is cut short";
            return false;
        }
        for (int i = 0; i < 3; ++i) masks[i] = Little32(&d[54 + 4 * i]);
    }
    if ((compression != 0 && !fields) || (bits != 8 && bits != 24 && bits != 32)) {
        error = path + " is a kind of bitmap the game does not read (" + std::to_string(bits) +
                " bits, compression " + std::to_string(compression) + ")";
        return false;
    }
    const Field red(masks[0]), green(masks[1]), blue(masks[2]);
    std::vector<Pixel> palette;
    if (bits == 8) {
        const size_t entries = paletteCount == 0 || paletteCount > 256 ? 256 : paletteCount;
        const size_t at = 14 + headerSize, step = headerSize == 12 ? 3 : 4;
        if (at + entries * step > d.size()) {
            error = path + " is cut short";
            return false;
        }
        for (size_t i = 0; i < entries; ++i) {
            const unsigned char* e = &d[at + i * step];
            palette.push_back(0xFF000000u | static_cast<Pixel>(e[2]) << 16 | static_cast<Pixel>(e[1]) << 8 |
                              e[0]);
        }
        palette.resize(256, 0xFF000000u);
    }
    const size_t stride = (static_cast<size_t>(width) * bits / 8 + 3) & ~static_cast<size_t>(3);
    if (offset > d.size() || (d.size() - offset) / stride < static_cast<size_t>(height)) {
        error = path + " is cut short";
        return false;
    }
    out.Resize(static_cast<int>(width), static_cast<int>(height));
    for (long y = 0; y < height; ++y) {
        const unsigned char* in = &d[offset + stride * static_cast<size_t>(topDown ? y : height - 1 - y)];
        Pixel* row = out.Row(static_cast<int>(y));
        for (long x = 0; x < width; ++x) {
            if (bits == 24) {
                const unsigned char* p = in + x * 3;
                row[x] = 0xFF000000u | static_cast<Pixel>(p[2]) << 16 | static_cast<Pixel>(p[1]) << 8 | p[0];
            } else if (bits == 32) {
                const uint32_t v = Little32(in + x * 4);
                row[x] = 0xFF000000u | red.Of(v) << 16 | green.Of(v) << 8 | blue.Of(v);
            } else {
                row[x] = palette[in[x]];
            }
        }
    }
    return true;
}

namespace {

void AppendPngBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void FlushNothing(png_structp) {}

} // namespace

bool EncodePng(const Surface& surface, std::string& bytes, std::string& error) {
    bytes.clear();
    if (!surface.Valid()) {
        error = "nothing was drawn (no pixels)";
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        error = "out of memory";
        return false;
    }
    std::vector<uint8_t> row(static_cast<size_t>(surface.Width()) * 3);
    // libpng reports failures by longjmp; nothing with a destructor is made between here
    // and the writes below.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        error = "the picture could not be encoded";
        return false;
    }
    png_set_write_fn(png, &bytes, AppendPngBytes, FlushNothing);
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
    return true;
}

} // namespace annals
