#include "screenshot.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <chrono>

namespace fluac_screenshot {

namespace {

using Clock = std::chrono::steady_clock;

// Idle means: nothing to redraw, nothing queued by the server after a round
// trip, several rounds in a row.
void settle(Clock::time_point deadline) {
    for (int quiet = 0; quiet < 3 && Clock::now() < deadline;) {
        Fl::check();
        Fl::flush();
        XSync(fl_display, False);
        const bool busy = Fl::damage() || XPending(fl_display) > 0;
        quiet = busy ? 0 : quiet + 1;
    }
}

}  // namespace

void prepare() { Fl_Tooltip::disable(); }

bool capture(Fl_Window* win, Image& out, std::string& error) {
    if (!win->shown()) {
        error = win->parent() ? "the window is inside a window that was not shown"
                              : "the window is not on screen";
        return false;
    }
    // A shown window is mapped by the server sooner or later; only then can
    // it be drawn.
    win->wait_for_expose();
    settle(Clock::now() + std::chrono::seconds(20));
    win->make_current();
    const int w = win->w(), h = win->h();
    unsigned char* pixels = fl_read_image(nullptr, 0, 0, w, h);
    if (!pixels) {
        error = "the window's pixels could not be read";
        return false;
    }
    out.width = w;
    out.height = h;
    out.rgb.assign(pixels, pixels + static_cast<size_t>(w) * h * 3);
    delete[] pixels;
    return true;
}

}  // namespace fluac_screenshot
