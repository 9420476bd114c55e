// Groups and windows.
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <FL/Fl_Single_Window.H>
#include <FL/Fl_Table.H>
#include <FL/Fl_Table_Row.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Tile.H>
#include <FL/Fl_Window.H>
#include <FL/Fl_Wizard.H>

#include "classes.h"
#include "custom_widgets.h"
#include "display.h"
#include "methods.h"
#include "tree.h"

namespace fluac_lua {

namespace {

// A widget that the group may take as a child: one the script built (FLTK's
// own parts of a widget stay where FLTK put them), and not the group itself
// or a group around it.
Fl_Widget* check_new_child(lua_State* L, Fl_Group* g, int idx) {
    Fl_Widget* child = check_widget(L, idx);
    if (!is_bound(child))
        luaL_argerror(L, idx, lua_pushfstring(L, "%s is a part that FLTK made of another widget",
                                              class_name(child)));
    if (child == g || (child->as_group() && child->contains(g)))
        luaL_argerror(L, idx, "a group cannot contain itself");
    return child;
}

// Fl_Group

int children(lua_State* L) {
    Fl_Group* g = check_self<Fl_Group>(L);
    check_nargs(L, 1);
    lua_pushinteger(L, g->children());
    return 1;
}

// child(i), counted from 0 as in FLTK; nil past the last child.
int child(lua_State* L) {
    Fl_Group* g = check_self<Fl_Group>(L);
    check_nargs(L, 2);
    const lua_Integer i = luaL_checkinteger(L, 2);
    push_widget(L, i >= 0 && i < g->children() ? g->child(static_cast<int>(i)) : nullptr);
    return 1;
}

// resizable(w): the group itself, one of its children (whose removal FLTK
// notices) or a group around it (whose deletion deletes the group first);
// nil for none.
int resizable(lua_State* L) {
    Fl_Group* g = check_self<Fl_Group>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        push_widget(L, g->resizable());
        return 1;
    }
    Fl_Widget* w = opt_widget(L, 2);
    if (w && w->parent() != g && !w->contains(g))
        return luaL_argerror(L, 2, "the resizable widget must be the group, a child of it or a group around it");
    g->resizable(w);
    return 0;
}

int group_add(lua_State* L) {
    Fl_Group* g = check_self<Fl_Group>(L);
    check_nargs(L, 2);
    g->add(check_new_child(L, g, 2));
    return 0;
}

// Fl_Window

Fl_Window* window(lua_State* L, int most_args) {
    Fl_Window* win = check_self<Fl_Window>(L);
    check_nargs(L, most_args);
    return win;
}

int shown(lua_State* L) {
    lua_pushboolean(L, window(L, 1)->shown());
    return 1;
}

// size_range(minw, minh [, maxw, maxh]); 0 for a maximum means none.
int size_range(lua_State* L) {
    Fl_Window* win = window(L, 5);
    const auto minw = static_cast<int>(check_range(L, 2, 0, kLargestCoordinate));
    const auto minh = static_cast<int>(check_range(L, 3, 0, kLargestCoordinate));
    const auto maxw = static_cast<int>(lua_isnoneornil(L, 4) ? 0 : check_range(L, 4, 0, kLargestCoordinate));
    const auto maxh = static_cast<int>(lua_isnoneornil(L, 5) ? 0 : check_range(L, 5, 0, kLargestCoordinate));
    win->size_range(minw, minh, maxw, maxh);
    return 0;
}

int xclass(lua_State* L) {
    Fl_Window* win = window(L, 2);
    if (!is_setter(L)) {
        lua_pushstring(L, win->xclass());
        return 1;
    }
    win->xclass(luaL_checkstring(L, 2));  // copied by FLTK
    return 0;
}

int set_modal(lua_State* L) {
    window(L, 1)->set_modal();
    return 0;
}

int set_non_modal(lua_State* L) {
    window(L, 1)->set_non_modal();
    return 0;
}

int clear_border(lua_State* L) {
    window(L, 1)->clear_border();
    return 0;
}

// hotspot(widget): the window will open with that widget under the pointer.
// With --tree there is no pointer, and the call is only recorded.
int hotspot(lua_State* L) {
    Fl_Window* win = window(L, 2);
    Fl_Widget* w = check_widget(L, 2);
    if (tree_mode()) return 0;
    need_display(L);
    win->hotspot(w);
    return 0;
}

// Fl_Tabs and Fl_Wizard: value() is the child shown.
template <class T>
int shown_child(lua_State* L) {
    T* t = check_self<T>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        push_widget(L, t->value());
        return 1;
    }
    t->value(check_widget(L, 2));
    return 0;
}

// Fl_Table: its children join the group inside it.
int table_add(lua_State* L) {
    Fl_Table* t = check_self<Fl_Table>(L);
    check_nargs(L, 2);
    t->add(check_new_child(L, t, 2));
    return 0;
}

const luaL_Reg kGroup[] = {
    {"children", children},
    {"child", child},
    {"resizable", resizable},
    {"add", group_add},
    FLUAC_CUSTOM_GROUP_METHODS,
    {nullptr, nullptr},
};

const luaL_Reg kWindow[] = {
    {"shown", shown},
    {"size_range", size_range},
    {"xclass", xclass},
    {"set_modal", set_modal},
    {"set_non_modal", set_non_modal},
    {"clear_border", clear_border},
    {"hotspot", hotspot},
    {nullptr, nullptr},
};

const luaL_Reg kTabs[] = {{"value", shown_child<Fl_Tabs>}, {nullptr, nullptr}};
const luaL_Reg kWizard[] = {{"value", shown_child<Fl_Wizard>}, {nullptr, nullptr}};
const luaL_Reg kTable[] = {{"add", table_add}, {nullptr, nullptr}};

const WidgetClass kClasses[] = {
    bind<Fl_Group>("Fl_Group", "Fl_Widget", kGroup),
    bind<Fl_Window>("Fl_Window", "Fl_Group", kWindow),
    bind<Fl_Double_Window>("Fl_Double_Window", "Fl_Window", kNoMethods),
    bind<Fl_Single_Window>("Fl_Single_Window", "Fl_Window", kNoMethods),
    bind<Fl_Menu_Window>("Fl_Menu_Window", "Fl_Single_Window", kNoMethods),
    bind<Fl_Pack>("Fl_Pack", "Fl_Group", kNoMethods),
    bind<Fl_Scroll>("Fl_Scroll", "Fl_Group", kNoMethods),
    bind<Fl_Tabs>("Fl_Tabs", "Fl_Group", kTabs),
    bind<Fl_Tile>("Fl_Tile", "Fl_Group", kNoMethods),
    bind<Fl_Wizard>("Fl_Wizard", "Fl_Group", kWizard),
    bind<Fl_Table>("Fl_Table", "Fl_Group", kTable),
    bind<Fl_Table_Row>("Fl_Table_Row", "Fl_Table", kNoMethods),
};

}  // namespace

std::span<const WidgetClass> group_classes() { return kClasses; }

}  // namespace fluac_lua
