// Menus: entries added by path, and reached by FLTK's index (from 0; the ends
// of submenus count as entries, the end of the whole menu does not). An
// input choice's menu is its menu button's.
#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Menu_Button.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Sys_Menu_Bar.H>

#include <climits>
#include <string>

#include "callbacks.h"
#include "classes.h"
#include "display.h"
#include "member_functions.h"
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

// The entry at FLTK's index i.
Fl_Menu_Item* check_entry(lua_State* L, Fl_Menu_* m, int idx) {
    const int last = m->size() - 2;  // size() counts the final terminator
    return const_cast<Fl_Menu_Item*>(m->menu()) + check_range(L, idx, 0, last);
}

// An entry that can be chosen: not the end of a submenu.
Fl_Menu_Item* check_choosable(lua_State* L, Fl_Menu_* m, int idx) {
    Fl_Menu_Item* item = check_entry(L, m, idx);
    if (!item->label()) luaL_argerror(L, idx, "that entry ends a submenu");
    return item;
}

// The menu of the call's object, and the call's argument count checked.
Fl_Menu_* menu_call(lua_State* L, int most) {
    Fl_Menu_* m = menu_of(check_widget(L, 1));
    if (!m) luaL_typeerror(L, 1, "Fl_Menu_");
    check_nargs(L, most);
    return m;
}

int add(lua_State* L) { return menu_add(L, menu_call(L, 6)); }

// insert(index, path [, shortcut, callback, user_data, flags]): as FLTK's.
int insert(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 7);
    const int at = static_cast<int>(check_range(L, 2, 0, m->size() > 0 ? m->size() - 1 : 0));
    const char* path = luaL_checkstring(L, 3);
    const int shortcut = lua_isnoneornil(L, 4) ? 0 : check_int(L, 4);
    const int flags = lua_isnoneornil(L, 7) ? 0 : static_cast<int>(check_range(L, 7, 0, 0xff));
    if (flags & FL_SUBMENU_POINTER) return luaL_argerror(L, 7, "FL_SUBMENU_POINTER is not supported");
    lua_settop(L, 7);
    Fl_Callback* callback = nullptr;
    void* data = keep_menu_entry(L, m, 5, 6, &callback);
    lua_pushinteger(L, m->insert(at, path, shortcut, callback, data, flags));
    return 1;
}

// clear(): no entries left, nor the Lua values of any.
int clear(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 1);
    m->clear();
    push_widget_data(L, m, false);
    if (lua_istable(L, -1)) {
        lua_pushnil(L);
        lua_setfield(L, -2, "entries");
    }
    return 0;
}

// clear_submenu(i): true when i is a submenu.
int clear_submenu(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 2);
    lua_pushboolean(L, m->clear_submenu(static_cast<int>(check_range(L, 2, 0, INT_MAX))) == 0);
    return 1;
}

int remove(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 2);
    m->remove(static_cast<int>(check_entry(L, m, 2) - m->menu()));
    return 0;
}

int replace(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 3);
    const int i = static_cast<int>(check_choosable(L, m, 2) - m->menu());
    m->replace(i, luaL_checkstring(L, 3));
    return 0;
}

// size(): the entries, the end of the menu included, as FLTK counts them.
int size(lua_State* L) {
    lua_pushinteger(L, menu_call(L, 1)->size());
    return 1;
}

// find_index(path): FLTK's index of the entry, or nil.
int find_index(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 2);
    const int i = m->find_index(luaL_checkstring(L, 2));
    if (i < 0) lua_pushnil(L);
    else lua_pushinteger(L, i);
    return 1;
}

// find_item(path): the entry, or nil.
int find_item(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 2);
    const int i = m->find_index(luaL_checkstring(L, 2));
    push_entry_handle(L, 1, i);
    return 1;
}

// item_pathname([i]): the path of entry i (or of the chosen one), or nil.
int item_pathname(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 2);
    const Fl_Menu_Item* item = lua_isnoneornil(L, 2) ? nullptr : check_choosable(L, m, 2);
    std::string path(4096, '\0');
    if (m->item_pathname(path.data(), static_cast<int>(path.size()), item) != 0) return lua_pushnil(L), 1;
    lua_pushstring(L, path.c_str());
    return 1;
}

// item(i): {label=, shortcut=, flags=, callback=, data=}; nil for the end of
// a submenu.
int item(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 2);
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
    Fl_Menu_* m = menu_call(L, 2);
    m->picked(check_choosable(L, m, 2));
    raise_pending_error(L);
    return 0;
}

// The index of a pointer FLTK gives into the menu, or -1 for one that is
// not an entry of it (null, or stale).
int index_of(Fl_Menu_* m, const Fl_Menu_Item* item) {
    const Fl_Menu_Item* first = m->menu();
    if (!item || !first || item < first || item >= first + m->size() - 1 || !item->text) return -1;
    return static_cast<int>(item - first);
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

// mvalue(): the chosen entry, or nil.
int mvalue(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 1);
    push_entry_handle(L, 1, index_of(m, m->mvalue()));
    return 1;
}

// text([i]): the label of entry i, or of the chosen one; nil for none.
int text(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 2);
    if (lua_isnoneornil(L, 2)) {
        push_string_or_nil(L, index_of(m, m->mvalue()) >= 0 ? m->text() : nullptr);
        return 1;
    }
    push_string_or_nil(L, check_entry(L, m, 2)->label());
    return 1;
}

// mode(i [, flags]): entry i's flags. Whether it is a submenu stays as the
// menu was built.
int mode(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 3);
    Fl_Menu_Item* entry = check_entry(L, m, 2);
    if (lua_gettop(L) < 3) return lua_pushinteger(L, entry->flags), 1;
    const int flags = static_cast<int>(check_range(L, 3, 0, 0xff));
    constexpr int kStructure = FL_SUBMENU | FL_SUBMENU_POINTER;
    if ((flags & kStructure) != (entry->flags & kStructure))
        return luaL_argerror(L, 3, "FL_SUBMENU and FL_SUBMENU_POINTER cannot change");
    if (!entry->text) return luaL_argerror(L, 2, "that entry ends a submenu");
    entry->flags = flags;
    return 0;
}

// shortcut(i, key): entry i's shortcut.
int shortcut(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 3);
    Fl_Menu_Item* entry = check_choosable(L, m, 2);
    entry->shortcut(check_int(L, 3));
    return 0;
}

// setonly(i): entry i is the one radio entry of its group that is on.
int setonly(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 2);
    m->setonly(check_choosable(L, m, 2));
    return 0;
}

// test_shortcut(): the entry the current event's shortcut picks, callback
// included; nil for none.
int test_shortcut(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 1);
    if (!m->menu()) return lua_pushnil(L), 1;
    const int i = index_of(m, m->test_shortcut());
    raise_pending_error(L);
    push_entry_handle(L, 1, i);
    return 1;
}

// global(): the menu's shortcuts work in every window. FLTK's own global()
// would keep a pointer to a deleted menu; this one watches it.
Fl_Widget* gGlobalMenu = nullptr;

int global_handler(int event) {
    auto* m = static_cast<Fl_Menu_*>(gGlobalMenu);
    if (event != FL_SHORTCUT || Fl::modal() || !m || !m->menu()) return 0;
    Fl::first_window(m->window());
    return m->test_shortcut() != nullptr;
}

int global(lua_State* L) {
    Fl_Menu_* m = menu_call(L, 1);
    if (!gGlobalMenu) {
        Fl::add_handler(global_handler);
        Fl::watch_widget_pointer(gGlobalMenu);
    }
    gGlobalMenu = m;
    return 0;
}

// popup(): shows the menu button's menu at the mouse and waits for a
// choice; the entry chosen (its callback run), or nil.
int popup(lua_State* L) {
    auto* m = check_self<Fl_Menu_Button>(L);
    check_nargs(L, 1);
    need_popup_window(L);
    if (!m->menu()) return lua_pushnil(L), 1;
    const int i = index_of(m, m->popup());
    raise_pending_error(L);
    push_entry_handle(L, 1, i);
    return 1;
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

// Fl_Input_Choice: an input with a menu button.

Fl_Input_Choice* input_choice(lua_State* L, int most) {
    auto* ic = check_self<Fl_Input_Choice>(L);
    check_nargs(L, most);
    return ic;
}

// value([text or index]): the input's text; an index chooses that entry.
int ic_value(lua_State* L) {
    Fl_Input_Choice* ic = input_choice(L, 2);
    if (!is_setter(L)) return lua_pushstring(L, ic->value()), 1;
    if (lua_type(L, 2) == LUA_TNUMBER)
        ic->value(static_cast<int>(check_choosable(L, ic->menubutton(), 2) - ic->menubutton()->menu()));
    else
        ic->value(luaL_checkstring(L, 2));
    return 0;
}

int ic_clear(lua_State* L) {
    input_choice(L, 1);
    return clear(L);
}

// input(), menubutton(): the parts.
int ic_input(lua_State* L) {
    push_widget(L, input_choice(L, 1)->input());
    return 1;
}

int ic_menubutton(lua_State* L) {
    push_widget(L, input_choice(L, 1)->menubutton());
    return 1;
}

const luaL_Reg kMenu[] = {
    {"add", add},
    {"insert", insert},
    {"clear", clear},
    {"clear_submenu", clear_submenu},
    {"remove", remove},
    {"replace", replace},
    {"size", size},
    {"find_index", find_index},
    {"find_item", find_item},
    {"item_pathname", item_pathname},
    {"item", item},
    {"picked", picked},
    {"menu", menu_array},
    {"value", value<Fl_Menu_>},
    {"mvalue", mvalue},
    {"text", text},
    {"mode", mode},
    {"shortcut", shortcut},
    {"setonly", setonly},
    {"test_shortcut", test_shortcut},
    {"global", global},
    {"down_box", down_box<Fl_Menu_>},
    FLUAC_COLOR(Fl_Menu_, down_color),
    FLUAC_TEXT_STYLE(Fl_Menu_),
    {nullptr, nullptr},
};

const luaL_Reg kChoice[] = {
    {"add", choice_add},
    {"value", value<Fl_Choice>},
    {nullptr, nullptr},
};

const luaL_Reg kMenuButton[] = {
    {"popup", popup},
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Menu_>("Fl_Menu_", "Fl_Widget", kMenu),
    bind<Fl_Menu_Bar>("Fl_Menu_Bar", "Fl_Menu_", kNoMethods),
    bind<Fl_Sys_Menu_Bar>("Fl_Sys_Menu_Bar", "Fl_Menu_Bar", kNoMethods),
    bind<Fl_Choice>("Fl_Choice", "Fl_Menu_", kChoice),
    bind<Fl_Menu_Button>("Fl_Menu_Button", "Fl_Menu_", kMenuButton),
};

}  // namespace

const luaL_Reg kInputChoiceMethods[] = {
    {"value", ic_value},
    {"add", add},
    {"clear", ic_clear},
    {"menu", menu_array},
    {"input", ic_input},
    {"menubutton", ic_menubutton},
    {"down_box", down_box<Fl_Input_Choice>},
    FLUAC_GET_FLAG(Fl_Input_Choice, changed),
    FLUAC_CALL(Fl_Input_Choice, set_changed),
    FLUAC_CALL(Fl_Input_Choice, clear_changed),
    FLUAC_TEXT_STYLE(Fl_Input_Choice),
    {nullptr, nullptr},
};

std::span<const WidgetClass> menu_classes() { return kClasses; }

}  // namespace fluac_lua
