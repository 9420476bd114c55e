// PNG output of screenshots. The encoding is fixed (no time or text chunks),
// so equal pixels give equal files.
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "screenshot.h"

namespace fluac_screenshot {

namespace {

bool encode(FILE* f, const Image& image) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t stride = static_cast<size_t>(image.width) * 3;
    for (int y = 0; y < image.height; ++y)
        png_write_row(png, image.rgb.data() + stride * static_cast<size_t>(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool write_png(const std::string& path, const Image& image, std::string& error) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        error = std::string("cannot write: ") + std::strerror(errno);
        return false;
    }
    const bool ok = encode(f, image);
    if (std::fclose(f) != 0 || !ok) {
        error = "cannot write the PNG data";
        return false;
    }
    return true;
}

}  // namespace fluac_screenshot
