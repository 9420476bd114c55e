#include "screenshot_run.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "arguments.h"
#include "display.h"
#include "handles.h"
#include "preview.h"
#include "screenshot.h"
#include "screenshot_hook.h"

namespace fluac_lua {

namespace {

// The X server keeps no pixels of a window that others cover, so the window
// to capture is left alone on the screen.
void hide_other_windows(Fl_Window* keep) {
    std::vector<Fl_Window*> others;
    for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
        if (w != keep && !w->parent()) others.push_back(w);
    for (Fl_Window* w : others) w->hide();
}

// On failure, `file` is the PNG when writing it failed.
bool capture_to(Fl_Window* win, const char* path, std::string& error, std::string& file) {
    fluac_screenshot::Image image;
    if (!fluac_screenshot::capture(win, image, error)) {
        error = "no screenshot: " + error;
        return false;
    }
    if (!fluac_screenshot::write_png(path, image, error)) {
        file = path;
        return false;
    }
    return true;
}

int raise(lua_State* L, const std::string& error, const std::string& file) {
    if (file.empty()) return luaL_error(L, "%s", error.c_str());
    return luaL_error(L, "%s: %s", file.c_str(), error.c_str());
}

}  // namespace

bool screenshot_first_window(lua_State* L, const char* path, std::string& error, std::string& file) {
    Fl_Window* win = first_shown_window();
    if (!win) {
        preview_unshown(L);
        win = first_shown_window();
    }
    if (!win) {
        error = "no window was shown, so there is nothing to take a screenshot of";
        return false;
    }
    hide_other_windows(win);
    return capture_to(win, path, error, file);
}

int screenshot_and_exit(lua_State* L, const char* path) {
    std::string error, file;
    if (!screenshot_first_window(L, path, error, file)) return raise(L, error, file);
    std::fflush(nullptr);
    std::exit(EXIT_SUCCESS);
}

int fltk_screenshot(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;  // fltk.screenshot or fltk:screenshot
    check_nargs(L, first + 1);
    Fl_Window* win = check_widget(L, first)->as_window();
    if (!win) return luaL_argerror(L, first, "a window is needed");
    const char* path = luaL_checkstring(L, first + 1);
    need_display(L);
    std::string error, file;
    if (!capture_to(win, path, error, file)) return raise(L, error, file);
    return 0;
}

}  // namespace fluac_lua
