#include "binding.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Window.H>

#include <list>

#include "api_support.h"
#include "arguments.h"
#include "callbacks.h"
#include "classes.h"
#include "constants.h"
#include "container.h"
#include "custom_widgets.h"
#include "display.h"
#include "handles.h"
#include "menu_entries.h"
#include "preview.h"
#include "screenshot_hook.h"
#include "screenshot_run.h"
#include "script_structure.h"
#include "tree.h"
#include "tree_widget.h"

namespace fluac_lua {

namespace {

char gStopSignal;
bool gWatchMode = false;

// The widgets Fl:delete_widget queued, each watched: FLTK deletes them at its
// next Fl:check() or Fl:wait(), in the order queued, and would delete a
// second time a widget that one queued before it holds.
std::list<Fl_Widget*> gQueued;

void forget_deleted(bool all) {
    for (auto it = gQueued.begin(); it != gQueued.end();) {
        if (*it && !all) {
            ++it;
            continue;
        }
        Fl::release_widget_pointer(*it);
        it = gQueued.erase(it);
    }
}

bool held_by_queued(const Fl_Widget* w) {
    for (Fl_Widget* q : gQueued)
        if (q && q != w && q->contains(w)) return true;
    return false;
}

// The largest width or height Fl_Shared_Image.get scales an image to.
constexpr long long kLargestImage = 8192;

// __index of fltk: only names that exist.
int fltk_index(lua_State* L) {
    const char* key = luaL_tolstring(L, 2, nullptr);
    if (key[0] == 'F' && key[1] == 'l' && key[2] == '_')
        return luaL_error(L, "unknown widget class '%s'", key);
    return luaL_error(L, "fltk has no '%s'", key);
}

int fltk_register_images(lua_State* L) {
    check_nargs(L, 1);
    fl_register_images();
    return 0;
}

// Fl_Shared_Image.get(name [, w, h]); nil when the file cannot be read.
int shared_image_get(lua_State* L) {
    const int first = lua_istable(L, 1) ? 2 : 1;
    check_nargs(L, first + 2);
    const char* name = luaL_checkstring(L, first);
    const auto w = static_cast<int>(lua_isnoneornil(L, first + 1) ? 0 : check_range(L, first + 1, 0, kLargestImage));
    const auto h = static_cast<int>(lua_isnoneornil(L, first + 2) ? 0 : check_range(L, first + 2, 0, kLargestImage));
    push_image(L, Fl_Shared_Image::get(name, w, h));
    return 1;
}

// Fl:run(): the event loop, as long as a window is shown and no callback
// failed. With --screenshot it ends the script (the module's screenshot mode
// takes the screenshot and ends the program); with --tree it prints the
// widget tree; with --watch it ends the script, whose loop the program runs.
int fl_run(lua_State* L) {
    check_nargs(L, 1);
    preview_unshown(L);
    if (screenshot_mode()) {
        if (const char* path = screenshot_exit_path()) return screenshot_and_exit(L, path);
        lua_pushlightuserdata(L, &gStopSignal);
        return lua_error(L);
    }
    if (tree_mode()) {
        print_tree(L);
        lua_pushinteger(L, 0);
        return 1;
    }
    if (gWatchMode) {
        lua_pushlightuserdata(L, &gStopSignal);
        return lua_error(L);
    }
    while (Fl::first_window() && !error_pending()) Fl::wait(1e20);
    raise_pending_error(L);
    lua_pushinteger(L, 0);
    return 1;
}

int fl_check(lua_State* L) {
    check_nargs(L, 1);
    const int r = Fl::check();
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

// Fl:wait([seconds]); with --tree, nothing can happen while it waits, so it
// does not.
int fl_wait(lua_State* L) {
    check_nargs(L, 2);
    const double t = lua_isnoneornil(L, 2) ? 0.0 : check_finite(L, 2);
    const int r = Fl::wait(tree_mode() ? 0.0 : t);
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

int fl_flush(lua_State* L) {
    check_nargs(L, 1);
    Fl::flush();
    return 0;
}

// Fl:handle(event, window): FLTK's event dispatch, as a test drives it.
int fl_handle(lua_State* L) {
    check_nargs(L, 3);
    const int event = static_cast<int>(check_range(L, 2, 0, 255));
    Fl_Widget* w = check_widget(L, 3);
    Fl_Window* win = w->as_window();
    if (!win) return luaL_argerror(L, 3, "a window is needed");
    need_display(L);
    const int r = Fl::handle(event, win);
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

}  // namespace

void queue_deletion(Fl_Widget* w) {
    forget_deleted(false);
    if (held_by_queued(w)) return;
    gQueued.push_back(w);
    Fl::watch_widget_pointer(gQueued.back());
    Fl::delete_widget(w);
}

namespace {

// Fl:delete_widget(w): deletes the widget, and all it holds, at the next
// Fl:check() or Fl:wait(). Only widgets the script built can go: the parts
// FLTK built of a widget go with it, as does a widget inside a group that is
// going already.
int fl_delete_widget(lua_State* L) {
    check_nargs(L, 2);
    Fl_Widget* w = check_widget(L, 2);
    if (!is_bound(w))
        return luaL_argerror(L, 2, lua_pushfstring(L, "%s is a part that FLTK made of another widget",
                                                   class_name(w)));
    if (!postpone_deletion(w)) queue_deletion(w);
    return 0;
}

int fl_first_window(lua_State* L) {
    check_nargs(L, 1);
    push_widget(L, Fl::first_window());
    return 1;
}

// The event state that Fl:handle() dispatches: getters, and setters for tests.
#define EVENT_FIELD(NAME, FIELD, CHECK)           \
    int fl_##NAME(lua_State* L) {                 \
        check_nargs(L, 2);                        \
        if (is_setter(L)) {                       \
            Fl::FIELD = CHECK(L, 2);              \
            return 0;                             \
        }                                         \
        lua_pushinteger(L, Fl::FIELD);            \
        return 1;                                 \
    }
EVENT_FIELD(event_key, e_keysym, check_int)
EVENT_FIELD(event_state, e_state, check_int)
EVENT_FIELD(event_x, e_x, check_coordinate)
EVENT_FIELD(event_y, e_y, check_coordinate)
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

}  // namespace

void open_binding(lua_State* L) {
    open_handles(L);
    open_menu_entries(L);
    open_tree_items(L);
    open_structure(L);
    open_classes(L);
    if (tree_mode()) open_tree(L);

    lua_newtable(L);
    add_constructors(L);
    add_constants(L);
    lua_pushcfunction(L, fltk_register_images);
    lua_setfield(L, -2, "fl_register_images");
    lua_pushcfunction(L, fltk_screenshot);
    lua_setfield(L, -2, "screenshot");
    lua_newtable(L);
    lua_pushcfunction(L, fltk_index);
    lua_setfield(L, -2, "__index");
    lua_setmetatable(L, -2);
    // require "fltk" gives the same table, in fluac-lua too.
    luaL_getsubtable(L, LUA_REGISTRYINDEX, LUA_LOADED_TABLE);
    lua_pushvalue(L, -2);
    lua_setfield(L, -2, "fltk");
    lua_pop(L, 1);
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
    close_handles();
    forget_deleted(true);
    forget_postponed_deletions();
    close_group_table();
    close_structure();
    forget_pending_error();
    Fl_Group::current(nullptr);
    close_previews();
}

void enable_watch_mode() { gWatchMode = true; }

bool is_stop_signal(lua_State* L, int idx) { return lua_touserdata(L, idx) == &gStopSignal; }

}  // namespace fluac_lua
