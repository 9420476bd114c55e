// The screenshots a run takes: of the first window the script showed, as
// fluac-lua --screenshot and the module's FLUAC_LUA_SCREENSHOT take it, and
// of any window, as fltk.screenshot takes it.
#pragma once

#include <lua.hpp>

#include <string>

class Fl_Window;

namespace fluac_lua {

// Writes the first window the script showed (or, when it showed none, the
// first that preview_unshown shows) to `path`, alone on the screen. False,
// with the reason in `error`, when there is none or it cannot be read or
// written; `file` is then `path` if writing failed.
bool screenshot_first_window(lua_State* L, const char* path, std::string& error, std::string& file);

// Fl:run() of the module with FLUAC_LUA_SCREENSHOT: takes that screenshot
// and ends the program; a Lua error when it fails.
int screenshot_and_exit(lua_State* L, const char* path);

// fltk.screenshot(window, path)
int fltk_screenshot(lua_State* L);

}  // namespace fluac_lua
