// Groups: Fl_Group and the groups that arrange their children.
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

#include "callbacks.h"
#include "classes.h"
#include "custom_widgets.h"
#include "display.h"
#include "group_methods.h"

namespace fluac_lua {

namespace {

int group_clear(lua_State* L) {
    group::drop_children(L, check_call<Fl_Group>(L, 1));
    return 0;
}

// resizable(w): the group itself, one of its children (which stops being it
// when it leaves) or a group around it (whose deletion deletes the group
// first); nil for none.
int resizable(lua_State* L) {
    Fl_Group* g = check_call<Fl_Group>(L, 2);
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

int add_resizable(lua_State* L) {
    Fl_Group* g = check_call<Fl_Group>(L, 2);
    Fl_Widget* w = group::check_new_child(L, g, 2);
    group::leave_holder(w, g);
    g->add_resizable(*w);
    return 0;
}

int focus(lua_State* L) {
    Fl_Group* g = check_call<Fl_Group>(L, 2);
    Fl_Widget* w = check_widget(L, 2);
    need_display_to_focus(L, w);
    g->focus(w);
    raise_pending_error(L);
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

const luaL_Reg kGroup[] = {
    FLUAC_GROUP_METHODS(Fl_Group),
    {"clear", group_clear},
    {"resizable", resizable},
    {"add_resizable", add_resizable},
    {"focus", focus},
    FLUAC_FLAG(Fl_Group, clip_children),
    FLUAC_CUSTOM_GROUP_METHODS,
    {nullptr, nullptr},
};

// Fl_Scroll

int scroll_to(lua_State* L) {
    Fl_Scroll* s = check_call<Fl_Scroll>(L, 3);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3);
    s->scroll_to(x, y);
    return 0;
}

const luaL_Reg kScroll[] = {
    FLUAC_GET(Fl_Scroll, xposition),
    FLUAC_GET(Fl_Scroll, yposition),
    FLUAC_INT(Fl_Scroll, scrollbar_size, 0, 1000),
    {"scroll_to", scroll_to},
    {nullptr, nullptr},
};

// Fl_Pack: FLTK adds the spacing once per child, in int.
const luaL_Reg kPack[] = {
    FLUAC_INT(Fl_Pack, spacing, 0, 10000),
    FLUAC_GET_FLAG(Fl_Pack, horizontal),
    {nullptr, nullptr},
};

// Fl_Tabs

// client_area([tabh]) -> x, y, w, h: the room the tabs leave to the children.
int client_area(lua_State* L) {
    Fl_Tabs* t = check_call<Fl_Tabs>(L, 2);
    const int tabh = lua_isnoneornil(L, 2) ? 0 : check_coordinate(L, 2);
    need_display(L);  // to measure the labels
    int r[4] = {0, 0, 0, 0};
    t->client_area(r[0], r[1], r[2], r[3], tabh);
    for (int v : r) lua_pushinteger(L, v);
    return 4;
}

// push(): the tab being pressed; push(w) sets it, a child or nil.
int push(lua_State* L) {
    Fl_Tabs* t = check_call<Fl_Tabs>(L, 2);
    if (!is_setter(L)) {
        push_widget(L, t->push());
        return 1;
    }
    Fl_Widget* w = opt_widget(L, 2);
    if (w && w->parent() != t) return luaL_argerror(L, 2, "not a tab of these tabs");
    lua_pushboolean(L, t->push(w));
    return 1;
}

// which(x, y): the tab at that place, or nil.
int which(lua_State* L) {
    Fl_Tabs* t = check_call<Fl_Tabs>(L, 3);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3);
    need_display(L);
    push_widget(L, t->which(x, y));
    return 1;
}

const luaL_Reg kTabs[] = {
    {"value", shown_child<Fl_Tabs>},
    {"client_area", client_area},
    {"push", push},
    {"which", which},
    {nullptr, nullptr},
};

// Fl_Tile: position(x, y, new_x, new_y) moves the borders at x and y.
int tile_position(lua_State* L) {
    Fl_Tile* t = check_call<Fl_Tile>(L, 5);
    int p[4];
    for (int i = 0; i < 4; ++i) p[i] = check_coordinate(L, i + 2);
    t->position(p[0], p[1], p[2], p[3]);
    return 0;
}

const luaL_Reg kTile[] = {{"position", tile_position}, {nullptr, nullptr}};

const luaL_Reg kWizard[] = {
    {"value", shown_child<Fl_Wizard>},
    FLUAC_CALL(Fl_Wizard, next),
    FLUAC_CALL(Fl_Wizard, prev),
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Group>("Fl_Group", "Fl_Widget", kGroup),
    bind<Fl_Window>("Fl_Window", "Fl_Group", kWindowMethods),
    bind<Fl_Double_Window>("Fl_Double_Window", "Fl_Window", kDoubleWindowMethods),
    bind<Fl_Single_Window>("Fl_Single_Window", "Fl_Window", kSingleWindowMethods),
    bind<Fl_Menu_Window>("Fl_Menu_Window", "Fl_Single_Window", kNoMethods),
    bind<Fl_Pack>("Fl_Pack", "Fl_Group", kPack),
    bind<Fl_Scroll>("Fl_Scroll", "Fl_Group", kScroll),
    bind<Fl_Tabs>("Fl_Tabs", "Fl_Group", kTabs),
    bind<Fl_Tile>("Fl_Tile", "Fl_Group", kTile),
    bind<Fl_Wizard>("Fl_Wizard", "Fl_Group", kWizard),
    bind<Fl_Table>("Fl_Table", "Fl_Group", kTableMethods),
    bind<Fl_Table_Row>("Fl_Table_Row", "Fl_Table", kTableRowMethods),
};

}  // namespace

std::span<const WidgetClass> group_classes() { return kClasses; }

}  // namespace fluac_lua
