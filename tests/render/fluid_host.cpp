// The C++ side of the screenshot comparison: shows the window that a function
// compiled by FLUID returns and writes it as a PNG, exactly as fluac-lua
// --screenshot does for the translated script.
// usage: HOST OUT.png
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <string>

#include "screenshot.h"

// Defined per case: calls the function of the FLUID file.
Fl_Widget* fluac_render_make();

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    fluac_screenshot::prepare();
    Fl_Widget* made = fluac_render_make();
    Fl_Window* win = made ? made->as_window() : nullptr;
    if (!win) {
        std::fprintf(stderr, "fluid host: the function returns no window\n");
        return 1;
    }
    win->show();
    fluac_screenshot::Image image;
    std::string error;
    if (!fluac_screenshot::capture(win, image, error) ||
        !fluac_screenshot::write_png(argv[1], image, error)) {
        std::fprintf(stderr, "fluid host: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
