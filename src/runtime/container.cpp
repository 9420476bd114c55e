#include "container.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>

#include "arguments.h"
#include "handles.h"

namespace fluac_lua {

namespace {

// Watched, so a deleted menu bar is no longer current.
Fl_Widget* gOpenMenuBar = nullptr;

// FLTK's current group as the binding last saw it, and the same pointer
// watched, which FLTK clears when it deletes the group.
Fl_Group* gSeen = nullptr;
Fl_Widget* gSeenAlive = nullptr;
bool gWatching = false;

void set_open_menu_bar(Fl_Widget* w) {
    if (gOpenMenuBar) Fl::release_widget_pointer(gOpenMenuBar);
    gOpenMenuBar = w;
    if (w) Fl::watch_widget_pointer(gOpenMenuBar);
}

// Fl_Group:current() returns the current container; Fl_Group:current(g) makes
// the group g (or nothing, for nil) current.
int group_current(lua_State* L) {
    check_nargs(L, 2);
    settle_current_group();
    if (lua_gettop(L) < 2) {
        push_widget(L, gOpenMenuBar ? gOpenMenuBar : Fl_Group::current());
        return 1;
    }
    Fl_Widget* w = opt_widget(L, 2);
    Fl_Group* g = w ? w->as_group() : nullptr;
    if (w && !g)
        return luaL_argerror(L, 2, lua_pushfstring(L, "%s is not a group", class_name(w)));
    set_open_menu_bar(nullptr);
    Fl_Group::current(g);
    settle_current_group();
    return 0;
}

}  // namespace

void note_constructed(Fl_Widget* w, bool is_menu_bar) {
    set_open_menu_bar(is_menu_bar ? w : nullptr);
}

void settle_current_group() {
    if (gSeen && Fl_Group::current() == gSeen && !gSeenAlive) Fl_Group::current(nullptr);
    if (!gWatching) Fl::watch_widget_pointer(gSeenAlive);
    gWatching = true;
    gSeen = Fl_Group::current();
    gSeenAlive = gSeen;
}

void close_group_table() {
    set_open_menu_bar(nullptr);
    Fl::release_widget_pointer(gSeenAlive);
    gWatching = false;
    gSeen = nullptr;
    gSeenAlive = nullptr;
}

void open_group_table(lua_State* L) {
    lua_newtable(L);
    lua_pushcfunction(L, group_current);
    lua_setfield(L, -2, "current");
    lua_setglobal(L, "Fl_Group");
}

}  // namespace fluac_lua
