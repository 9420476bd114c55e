// Menus: entries added by path, and what a script or a test can ask of them.
#include <FL/Fl_Choice.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Menu_Item.H>

#include "arguments.h"
#include "callbacks.h"
#include "handles.h"
#include "menu_entries.h"
#include "widget_methods.h"

namespace fluac_lua {

namespace {

Fl_Menu_* check_menu(lua_State* L, const char* method) {
    Fl_Widget* w = check_widget(L, 1);
    Fl_Menu_* m = menu_of(w);
    if (!m) no_such_method(L, w, method);
    return m;
}

// The entry at FLTK's index i (from 0; submenu ends count as entries).
const Fl_Menu_Item* check_entry(lua_State* L, Fl_Menu_* m, int idx) {
    const int last = m->size() - 1;  // size() counts the final terminator
    return m->menu() + check_range(L, idx, 0, last - 1);
}

// menu:find_index(path): FLTK's index of the entry, or nil.
int m_find_index(lua_State* L) {
    Fl_Menu_* m = check_menu(L, "find_index");
    const int i = m->find_index(luaL_checkstring(L, 2));
    if (i < 0) lua_pushnil(L);
    else lua_pushinteger(L, i);
    return 1;
}

// menu:item(i): {label=, shortcut=, flags=, callback=, data=}; nil for the
// end of a submenu.
int m_item(lua_State* L) {
    Fl_Menu_* m = check_menu(L, "item");
    const Fl_Menu_Item* item = check_entry(L, m, 2);
    if (!item->label()) return lua_pushnil(L), 1;
    lua_createtable(L, 0, 5);
    lua_pushstring(L, item->label());
    lua_setfield(L, -2, "label");
    lua_pushinteger(L, item->shortcut());
    lua_setfield(L, -2, "shortcut");
    lua_pushinteger(L, item->flags);
    lua_setfield(L, -2, "flags");
    push_menu_entry(L, m, item->user_data());
    lua_setfield(L, -3, "data");
    lua_setfield(L, -2, "callback");
    return 1;
}

// menu:picked(i): what choosing the entry does, callback included.
int m_picked(lua_State* L) {
    Fl_Menu_* m = check_menu(L, "picked");
    const Fl_Menu_Item* item = check_entry(L, m, 2);
    m->picked(item);
    raise_pending_error(L);
    return 0;
}

const luaL_Reg kMethods[] = {
    {"find_index", m_find_index},
    {"item", m_item},
    {"picked", m_picked},
    {"menu", menu_array},
    {nullptr, nullptr},
};

}  // namespace

int menu_add(lua_State* L) {
    Fl_Menu_* m = check_menu(L, "add");
    const char* path = luaL_checkstring(L, 2);
    const int shortcut = lua_isnoneornil(L, 3) ? 0 : check_int(L, 3);
    const int flags = lua_isnoneornil(L, 6) ? 0 : static_cast<int>(check_range(L, 6, 0, 0xff));
    // With this flag FLTK would take the user data for a pointer to items.
    if (flags & FL_SUBMENU_POINTER) return luaL_argerror(L, 6, "FL_SUBMENU_POINTER is not supported");
    lua_settop(L, 6);
    const bool first = m->size() == 0;
    lua_pushinteger(L, add_menu_entry(L, m, path, shortcut, 4, 5, flags));
    // FLUID's C++ gives a choice its whole menu at once, and FLTK then selects
    // the first entry; a choice built entry by entry selects it as well.
    if (first && !m->mvalue())
        if (auto* choice = dynamic_cast<Fl_Choice*>(m)) choice->value(choice->menu());
    return 1;
}

void add_menu_methods(lua_State* L) { luaL_setfuncs(L, kMethods, 0); }

}  // namespace fluac_lua
