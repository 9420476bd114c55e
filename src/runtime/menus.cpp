// Menus: entries added by path, and what a script or a test can ask of them.
#include <FL/Fl_Choice.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Sys_Menu_Bar.H>

#include <climits>

#include "callbacks.h"
#include "classes.h"
#include "menu_entries.h"
#include "methods.h"

namespace fluac_lua {

// add(path [, shortcut, callback, user_data, flags]): FLTK's index of the
// new entry.
int menu_add(lua_State* L, Fl_Menu_* m) {
    check_nargs(L, 6);
    const char* path = luaL_checkstring(L, 2);
    const int shortcut = lua_isnoneornil(L, 3) ? 0 : check_int(L, 3);
    const int flags = lua_isnoneornil(L, 6) ? 0 : static_cast<int>(check_range(L, 6, 0, 0xff));
    // With this flag FLTK would take the user data for a pointer to items.
    if (flags & FL_SUBMENU_POINTER) return luaL_argerror(L, 6, "FL_SUBMENU_POINTER is not supported");
    lua_settop(L, 6);
    lua_pushinteger(L, add_menu_entry(L, m, path, shortcut, 4, 5, flags));
    return 1;
}

namespace {

// The entry at FLTK's index i (from 0; the ends of submenus count as entries,
// the end of the whole menu does not).
const Fl_Menu_Item* check_entry(lua_State* L, Fl_Menu_* m, int idx) {
    const int last = m->size() - 2;  // size() counts the final terminator
    return m->menu() + check_range(L, idx, 0, last);
}

// An entry that can be chosen: not the end of a submenu.
const Fl_Menu_Item* check_choosable(lua_State* L, Fl_Menu_* m, int idx) {
    const Fl_Menu_Item* item = check_entry(L, m, idx);
    if (!item->label()) luaL_argerror(L, idx, "that entry ends a submenu");
    return item;
}

int add(lua_State* L) { return menu_add(L, check_self<Fl_Menu_>(L)); }

// size(): the entries, the end of the menu included, as FLTK counts them.
int size(lua_State* L) {
    Fl_Menu_* m = check_self<Fl_Menu_>(L);
    check_nargs(L, 1);
    lua_pushinteger(L, m->size());
    return 1;
}

// find_index(path): FLTK's index of the entry, or nil.
int find_index(lua_State* L) {
    Fl_Menu_* m = check_self<Fl_Menu_>(L);
    check_nargs(L, 2);
    const int i = m->find_index(luaL_checkstring(L, 2));
    if (i < 0) lua_pushnil(L);
    else lua_pushinteger(L, i);
    return 1;
}

// item(i): {label=, shortcut=, flags=, callback=, data=}; nil for the end of
// a submenu.
int item(lua_State* L) {
    Fl_Menu_* m = check_self<Fl_Menu_>(L);
    check_nargs(L, 2);
    const Fl_Menu_Item* entry = check_entry(L, m, 2);
    if (!entry->label()) return lua_pushnil(L), 1;
    lua_createtable(L, 0, 5);
    lua_pushstring(L, entry->label());
    lua_setfield(L, -2, "label");
    lua_pushinteger(L, entry->shortcut());
    lua_setfield(L, -2, "shortcut");
    lua_pushinteger(L, entry->flags);
    lua_setfield(L, -2, "flags");
    push_menu_entry(L, m, entry->user_data());
    lua_setfield(L, -3, "data");
    lua_setfield(L, -2, "callback");
    return 1;
}

// picked(i): what choosing the entry does, callback included.
int picked(lua_State* L) {
    Fl_Menu_* m = check_self<Fl_Menu_>(L);
    check_nargs(L, 2);
    m->picked(check_choosable(L, m, 2));
    raise_pending_error(L);
    return 0;
}

// value(): the index of the chosen entry, -1 for none; value(i) chooses it
// without calling back.
template <class T>
int value(lua_State* L) {
    T* m = check_self<T>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        lua_pushinteger(L, m->value());
        return 1;
    }
    if (check_range(L, 2, -1, INT_MAX) == -1)
        m->value(static_cast<const Fl_Menu_Item*>(nullptr));
    else
        m->value(check_choosable(L, m, 2));
    return 0;
}

// A choice shows its first entry once it has one: FLUID's C++ gives a choice
// its whole menu at once, and FLTK then selects the first entry.
int choice_add(lua_State* L) {
    Fl_Choice* choice = check_self<Fl_Choice>(L);
    const bool first = choice->size() == 0;
    const int results = add(L);
    if (first && !choice->mvalue()) choice->value(choice->menu());
    return results;
}

const luaL_Reg kMenu[] = {
    {"add", add},
    {"size", size},
    {"find_index", find_index},
    {"item", item},
    {"picked", picked},
    {"menu", menu_array},
    {"value", value<Fl_Menu_>},
    {"down_box", down_box<Fl_Menu_>},
    FLUAC_TEXT_STYLE(Fl_Menu_),
    {nullptr, nullptr},
};

const luaL_Reg kChoice[] = {
    {"add", choice_add},
    {"value", value<Fl_Choice>},
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Menu_>("Fl_Menu_", "Fl_Widget", kMenu),
    bind<Fl_Menu_Bar>("Fl_Menu_Bar", "Fl_Menu_", kNoMethods),
    bind<Fl_Sys_Menu_Bar>("Fl_Sys_Menu_Bar", "Fl_Menu_Bar", kNoMethods),
    bind<Fl_Choice>("Fl_Choice", "Fl_Menu_", kChoice),
    bind<Fl_Menu_Button>("Fl_Menu_Button", "Fl_Menu_", kNoMethods),
};

}  // namespace

std::span<const WidgetClass> menu_classes() { return kClasses; }

}  // namespace fluac_lua
