#include <FL/Enumerations.H>
#include <FL/Fl_Window.H>

#include <cmath>
#include <deque>
#include <string>

#include "api_support.h"
#include "arguments.h"
#include "handles.h"

namespace fluac_lua {

namespace {

int gFontCount = FL_FREE_FONT;
std::deque<std::string> gKeptStrings;

}  // namespace

void open_application_api(lua_State* L) {
    lua_getglobal(L, "Fl");
    add_fl_event_functions(L);
    add_fl_timer_functions(L);
    add_fl_display_functions(L);
    lua_pop(L, 1);

    lua_getglobal(L, "fltk");
    add_dialog_functions(L);
    add_draw_functions(L);
    add_more_constants(L);
    open_text_buffer(L);
    open_preferences(L);
    open_file_choosers(L);
    open_image_surface(L);
    lua_pop(L, 1);

    open_shared_image_methods(L);
}

bool check_flag(lua_State* L, int idx) {
    if (lua_isboolean(L, idx)) return lua_toboolean(L, idx);
    return check_int(L, idx) != 0;
}

unsigned check_color(lua_State* L, int idx) {
    return static_cast<unsigned>(check_range(L, idx, 0, 0xffffffffLL));
}

unsigned check_color_index(lua_State* L, int idx) {
    return static_cast<unsigned>(check_range(L, idx, 0, 255));
}

int check_font(lua_State* L, int idx) {
    return static_cast<int>(check_range(L, idx, 0, gFontCount - 1));
}

int check_fontsize(lua_State* L, int idx) { return static_cast<int>(check_range(L, idx, 1, 1000)); }

int font_count() { return gFontCount; }

void note_font_count(int n) {
    if (n > gFontCount) gFontCount = n;
}

double check_coord(lua_State* L, int idx) {
    const double d = check_finite(L, idx);
    if (d < -1e6 || d > 1e6) luaL_argerror(L, idx, "out of range (-1e6 to 1e6)");
    return d;
}

Fl_Window* check_window(lua_State* L, int idx) {
    Fl_Window* w = check_widget(L, idx)->as_window();
    if (!w) luaL_argerror(L, idx, "a window is needed");
    return w;
}

const char* keep_string(const char* s) {
    // Titles are set again and again with the same few texts.
    for (const std::string& kept : gKeptStrings)
        if (kept == s) return kept.c_str();
    gKeptStrings.emplace_back(s);
    return gKeptStrings.back().c_str();
}

const char* opt_string_or_null(lua_State* L, int idx) {
    return lua_isnoneornil(L, idx) ? nullptr : luaL_checkstring(L, idx);
}

void push_string_or_nil(lua_State* L, const char* s) {
    if (s) lua_pushstring(L, s);
    else lua_pushnil(L);
}

}  // namespace fluac_lua
