// window_png WINDOW OUT.png [X,Y | X,Y,W,H ...]: writes the pixels of an X
// window (by its id, as xdotool prints it) as a PNG, as a person's screenshot
// of a running program; then prints, for each point asked for, its colour as
// "r,g,b", and for each area, how many of its pixels are dark (text, lines).
// Exit 1 when the window cannot be read.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "screenshot.h"

namespace {

// The byte of a colour channel in a pixel, whatever the visual's masks.
unsigned char channel(unsigned long pixel, unsigned long mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const unsigned long max = mask >> shift;
    return static_cast<unsigned char>(((pixel & mask) >> shift) * 255 / max);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: window_png WINDOW OUT.png [X,Y | X,Y,W,H ...]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("window_png: cannot open the display\n", stderr);
        return 1;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) {
        std::fprintf(stderr, "window_png: no window %s\n", argv[1]);
        return 1;
    }
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height,
                              AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "window_png: window %s cannot be read\n", argv[1]);
        return 1;
    }
    fluac_screenshot::Image out;
    out.width = attributes.width;
    out.height = attributes.height;
    out.rgb.reserve(static_cast<size_t>(out.width) * out.height * 3);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            out.rgb.push_back(channel(p, image->red_mask));
            out.rgb.push_back(channel(p, image->green_mask));
            out.rgb.push_back(channel(p, image->blue_mask));
        }
    }
    XDestroyImage(image);
    XCloseDisplay(display);
    std::string error;
    if (!fluac_screenshot::write_png(argv[2], out, error)) {
        std::fprintf(stderr, "window_png: %s: %s\n", argv[2], error.c_str());
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        int x = -1, y = -1, w = 1, h = 1;
        const int n = std::sscanf(argv[i], "%d,%d,%d,%d", &x, &y, &w, &h);
        if ((n != 2 && n != 4) || x < 0 || y < 0 || w < 1 || h < 1 || x + w > out.width ||
            y + h > out.height) {
            std::fprintf(stderr, "window_png: no pixels at %s\n", argv[i]);
            return 1;
        }
        auto at = [&](int px, int py) {
            return &out.rgb[(static_cast<size_t>(py) * out.width + px) * 3];
        };
        if (n == 2) {
            std::printf("%d,%d,%d\n", at(x, y)[0], at(x, y)[1], at(x, y)[2]);
            continue;
        }
        int dark = 0;
        for (int py = y; py < y + h; ++py)
            for (int px = x; px < x + w; ++px) {
                const unsigned char* p = at(px, py);
                dark += std::max({p[0], p[1], p[2]}) < 96;
            }
        std::printf("%d\n", dark);
    }
    return 0;
}
