#include "binding.h"

#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Window.H>

#include "api_support.h"
#include "arguments.h"
#include "callbacks.h"
#include "constants.h"
#include "container.h"
#include "handles.h"
#include "screenshot_hook.h"
#include "script_structure.h"
#include "widget_classes.h"
#include "widget_methods.h"

namespace fluac_lua {

namespace {

char gStopSignal;

// __index of widget handles: the method, or an error naming the class.
int handle_index(lua_State* L) {
    lua_pushvalue(L, 2);
    if (lua_rawget(L, lua_upvalueindex(1)) != LUA_TNIL) return 1;
    Fl_Widget* w = check_widget(L, 1);
    return luaL_error(L, "%s has no method '%s'", class_name(w), luaL_tolstring(L, 2, nullptr));
}

// __index of fltk: only names that exist.
int fltk_index(lua_State* L) {
    const char* key = luaL_tolstring(L, 2, nullptr);
    if (key[0] == 'F' && key[1] == 'l' && key[2] == '_')
        return luaL_error(L, "unknown widget class '%s'", key);
    return luaL_error(L, "fltk has no '%s'", key);
}

int fltk_register_images(lua_State*) {
    fl_register_images();
    return 0;
}

// Fl_Shared_Image.get(name [, w, h]); nil when the file cannot be read.
int shared_image_get(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;
    const char* name = luaL_checkstring(L, first);
    const int w = static_cast<int>(luaL_optinteger(L, first + 1, 0));
    const int h = static_cast<int>(luaL_optinteger(L, first + 2, 0));
    push_image(L, Fl_Shared_Image::get(name, w, h));
    return 1;
}

// Fl:run(): the event loop, as long as a window is shown and no callback failed.
int fl_run(lua_State* L) {
    if (screenshot_mode()) {
        lua_pushlightuserdata(L, &gStopSignal);
        return lua_error(L);
    }
    while (Fl::first_window() && !error_pending()) Fl::wait(1e20);
    raise_pending_error(L);
    return 0;
}

int fl_check(lua_State* L) {
    const int r = Fl::check();
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

int fl_wait(lua_State* L) {
    const double t = luaL_optnumber(L, 2, 0.0);
    const int r = Fl::wait(t);
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

int fl_flush(lua_State*) {
    Fl::flush();
    return 0;
}

// Fl:handle(event, window): FLTK's event dispatch, as a test drives it.
int fl_handle(lua_State* L) {
    const int event = static_cast<int>(check_range(L, 2, 0, 255));
    Fl_Widget* w = check_widget(L, 3);
    Fl_Window* win = w->as_window();
    if (!win) return luaL_argerror(L, 3, "a window is needed");
    const int r = Fl::handle(event, win);
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

int fl_delete_widget(lua_State* L) {
    Fl::delete_widget(check_widget(L, 2));
    return 0;
}

int fl_first_window(lua_State* L) {
    push_widget(L, Fl::first_window());
    return 1;
}

// The event state that Fl:handle() dispatches: getters, and setters for tests.
#define EVENT_FIELD(NAME, FIELD)                  \
    int fl_##NAME(lua_State* L) {                 \
        if (lua_gettop(L) >= 2) {                 \
            Fl::FIELD = check_int(L, 2);          \
            return 0;                             \
        }                                         \
        lua_pushinteger(L, Fl::FIELD);            \
        return 1;                                 \
    }
EVENT_FIELD(event_key, e_keysym)
EVENT_FIELD(event_state, e_state)
EVENT_FIELD(event_x, e_x)
EVENT_FIELD(event_y, e_y)
#undef EVENT_FIELD

const luaL_Reg kFl[] = {
    {"run", fl_run},
    {"check", fl_check},
    {"wait", fl_wait},
    {"flush", fl_flush},
    {"handle", fl_handle},
    {"delete_widget", fl_delete_widget},
    {"first_window", fl_first_window},
    {"event_key", fl_event_key},
    {"event_state", fl_event_state},
    {"event_x", fl_event_x},
    {"event_y", fl_event_y},
    {nullptr, nullptr},
};

void open_widget_metatable(lua_State* L) {
    luaL_getmetatable(L, "fluac.widget");
    lua_newtable(L);
    add_widget_methods(L);
    add_kind_methods(L);
    add_menu_methods(L);
    lua_pushcclosure(L, handle_index, 1);
    lua_setfield(L, -2, "__index");
    lua_pop(L, 1);
}

}  // namespace

void open_binding(lua_State* L) {
    open_handles(L);
    open_structure(L);
    open_widget_metatable(L);

    lua_newtable(L);
    add_constructors(L);
    add_constants(L);
    lua_pushcfunction(L, fltk_register_images);
    lua_setfield(L, -2, "fl_register_images");
    lua_newtable(L);
    lua_pushcfunction(L, fltk_index);
    lua_setfield(L, -2, "__index");
    lua_setmetatable(L, -2);
    lua_setglobal(L, "fltk");

    luaL_newlib(L, kFl);
    lua_setglobal(L, "Fl");

    open_group_table(L);

    lua_newtable(L);
    lua_pushcfunction(L, shared_image_get);
    lua_setfield(L, -2, "get");
    lua_setglobal(L, "Fl_Shared_Image");

    open_application_api(L);
}

void close_binding() {
    close_structure();
    close_handles();
}

bool is_stop_signal(lua_State* L, int idx) { return lua_touserdata(L, idx) == &gStopSignal; }

}  // namespace fluac_lua
