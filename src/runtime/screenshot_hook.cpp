#include "screenshot_hook.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <string>

namespace fluac_lua {

namespace {

bool gEnabled = false;
std::string gExitPath;
Fl_Widget* gFirstShown = nullptr;  // watched

}  // namespace

void enable_screenshot_mode() { gEnabled = true; }

bool screenshot_mode() { return gEnabled; }

void enable_screenshot_and_exit(const char* path) {
    gEnabled = true;
    gExitPath = path;
}

const char* screenshot_exit_path() { return gExitPath.empty() ? nullptr : gExitPath.c_str(); }

void note_window_shown(Fl_Window* w) {
    static bool noted = false;
    if (!gEnabled || noted) return;
    noted = true;
    gFirstShown = w;
    Fl::watch_widget_pointer(gFirstShown);
}

Fl_Window* first_shown_window() { return gFirstShown ? gFirstShown->as_window() : nullptr; }

}  // namespace fluac_lua
