// Window screenshots, the same for fluac-lua and for any other FLTK program
// whose windows are to be compared with its: both must prepare, settle and
// read the window in the same way for their pixels to be comparable.
#pragma once

#include <string>
#include <vector>

class Fl_Window;

namespace fluac_screenshot {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // rows top to bottom, 3 bytes a pixel
};

// Turns off what depends on timing or on the pointer (tooltips); call before
// the first window is shown.
void prepare();

// Waits until `win` is on screen, drawn, and no events or redraws are pending,
// then reads its pixels. On failure, returns false and says why in `error`.
bool capture(Fl_Window* win, Image& out, std::string& error);

bool write_png(const std::string& path, const Image& image, std::string& error);

}  // namespace fluac_screenshot
