// png_diff A.png B.png: says whether two screenshots have the same pixels,
// and if not, how many differ and where. Exit 0 when equal, 1 when not, 2 on
// errors.
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Pixels {
    png_uint_32 width = 0, height = 0;
    std::vector<unsigned char> rgb;
};

bool load(const char* path, Pixels& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) {
        std::fprintf(stderr, "png_diff: %s: %s\n", path, image.message);
        return false;
    }
    image.format = PNG_FORMAT_RGB;
    out.width = image.width;
    out.height = image.height;
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) {
        std::fprintf(stderr, "png_diff: %s: %s\n", path, image.message);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: png_diff A.png B.png\n");
        return 2;
    }
    Pixels a, b;
    if (!load(argv[1], a) || !load(argv[2], b)) return 2;
    if (a.width != b.width || a.height != b.height) {
        std::printf("sizes differ: %ux%u and %ux%u\n", a.width, a.height, b.width, b.height);
        return 1;
    }
    long differing = 0;
    png_uint_32 x0 = a.width, y0 = a.height, x1 = 0, y1 = 0;
    for (png_uint_32 y = 0; y < a.height; ++y)
        for (png_uint_32 x = 0; x < a.width; ++x) {
            const size_t i = (static_cast<size_t>(y) * a.width + x) * 3;
            if (std::equal(&a.rgb[i], &a.rgb[i] + 3, &b.rgb[i])) continue;
            ++differing;
            x0 = std::min(x0, x), y0 = std::min(y0, y);
            x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    if (differing == 0) {
        std::printf("identical (%ux%u)\n", a.width, a.height);
        return 0;
    }
    std::printf("%ld of %lu pixels differ, within (%u,%u)-(%u,%u)\n", differing,
                static_cast<unsigned long>(a.width) * a.height, x0, y0, x1, y1);
    return 1;
}
