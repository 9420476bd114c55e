// What Fl_Group and Fl_Table share: Fl_Table's children are those of the
// group inside it, which its own non-virtual functions reach. G is either.
#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Table.H>
#include <FL/Fl_Table_Row.H>
#include <FL/Fl_Tabs.H>

#include <algorithm>
#include <climits>

#include "binding.h"
#include "classes.h"
#include "container.h"
#include "custom_widgets.h"
#include "member_functions.h"

namespace fluac_lua::group {

// A widget that the group may take as a child: one the script built (FLTK's
// own parts of a widget stay where FLTK put them), and not the group itself
// or a group around it; not while a hook runs (check_children_may_change).
inline Fl_Widget* check_new_child(lua_State* L, Fl_Group* g, int idx) {
    Fl_Widget* child = check_widget(L, idx);
    if (!is_bound(child))
        luaL_argerror(L, idx, lua_pushfstring(L, "%s is a part that FLTK made of another widget",
                                              class_name(child)));
    if (child == g || (child->as_group() && child->contains(g)))
        luaL_argerror(L, idx, "a group cannot contain itself");
    check_children_may_change(L);
    return child;
}

// A widget leaving the group that holds it stops being its resizable, or
// the tab pressed: FLTK 1.3 would keep it, and reach it once deleted.
inline void leave_holder(Fl_Widget* w, const Fl_Group* next) {
    Fl_Group* holder = w->parent();
    if (!holder || holder == next) return;
    if (holder->resizable() == w) holder->resizable(holder);
    if (auto* tabs = dynamic_cast<Fl_Tabs*>(holder); tabs && tabs->push() == w) tabs->push(nullptr);
}

template <class G>
void take_out(G* g, Fl_Widget* w) {
    leave_holder(w, nullptr);
    g->remove(*w);
}

template <class G>
int children(lua_State* L) {
    lua_pushinteger(L, check_call<G>(L, 1)->children());
    return 1;
}

// child(i), counted from 0 as in FLTK; nil past the last child.
template <class G>
int child(lua_State* L) {
    G* g = check_call<G>(L, 2);
    const lua_Integer i = luaL_checkinteger(L, 2);
    push_widget(L, i >= 0 && i < g->children() ? g->child(static_cast<int>(i)) : nullptr);
    return 1;
}

// find(w): the index of the child, or children() when w is none.
template <class G>
int find(lua_State* L) {
    G* g = check_call<G>(L, 2);
    lua_pushinteger(L, g->find(opt_widget(L, 2)));
    return 1;
}

template <class G>
int add(lua_State* L) {
    G* g = check_call<G>(L, 2);
    Fl_Widget* w = check_new_child(L, g, 2);
    leave_holder(w, g);
    g->add(*w);
    return 0;
}

// insert(w, index) or insert(w, before): FLTK writes past its array for an
// index beyond the last child, so such an index means the end.
template <class G>
int insert(lua_State* L) {
    G* g = check_call<G>(L, 3);
    Fl_Widget* w = check_new_child(L, g, 2);
    leave_holder(w, g);
    if (to_widget(L, 3)) {
        g->insert(*w, check_widget(L, 3));
        return 0;
    }
    const long long index = check_range(L, 3, 0, INT_MAX);
    g->insert(*w, static_cast<int>(std::min<long long>(index, g->children())));
    return 0;
}

// remove(w) or remove(index): w leaves the group, and is kept. FLTK's own
// parts of a widget stay.
template <class G>
int remove(lua_State* L) {
    G* g = check_call<G>(L, 2);
    Fl_Widget* w = nullptr;
    if (lua_type(L, 2) == LUA_TNUMBER) {
        const long long i = check_range(L, 2, 0, INT_MAX);
        if (i >= g->children()) return luaL_argerror(L, 2, "no child at that index");
        w = g->child(static_cast<int>(i));
    } else {
        w = check_widget(L, 2);
        if (g->find(w) >= g->children()) return 0;
    }
    if (!is_bound(w))
        return luaL_argerror(L, 2, lua_pushfstring(L, "%s is a part that FLTK made of another widget",
                                                   class_name(w)));
    check_children_may_change(L);
    take_out(g, w);
    return 0;
}

// The script's children leave the group and are deleted at the next
// Fl:check() or Fl:wait(), so that a callback may clear the group that holds
// its own widget. FLTK's own parts (a scroll's scroll bars) stay.
template <class G>
void drop_children(lua_State* L, G* g) {
    check_children_may_change(L);
    for (int i = g->children(); i-- > 0;) {
        Fl_Widget* w = g->child(i);
        if (!is_bound(w)) continue;
        take_out(g, w);
        queue_deletion(w);
    }
}

// begin() and end(): the group, or the one around it, becomes current.
template <class G>
int begin(lua_State* L) {
    G* g = check_call<G>(L, 1);
    settle_current_group();
    g->begin();
    settle_current_group();
    return 0;
}

template <class G>
int end(lua_State* L) {
    G* g = check_call<G>(L, 1);
    settle_current_group();
    g->end();
    settle_current_group();
    return 0;
}

}  // namespace fluac_lua::group

// The entries of a method table for what both declare.
#define FLUAC_GROUP_METHODS(G)                                                              \
    {"children", ::fluac_lua::group::children<G>}, {"child", ::fluac_lua::group::child<G>}, \
        {"find", ::fluac_lua::group::find<G>}, {"add", ::fluac_lua::group::add<G>},         \
        {"insert", ::fluac_lua::group::insert<G>}, {"remove", ::fluac_lua::group::remove<G>}, \
        {"begin", ::fluac_lua::group::begin<G>}, {"end", ::fluac_lua::group::end<G>},       \
        FLUAC_CALL(G, init_sizes)


namespace fluac_lua {

// Tables are built with their callback's context set (tables.cpp).
template <>
Fl_Widget* make_widget<Fl_Table>(int x, int y, int w, int h, const char* name, const char* lua_class);
template <>
Fl_Widget* make_widget<Fl_Table_Row>(int x, int y, int w, int h, const char* name,
                                     const char* lua_class);

// The method tables of the classes groups.cpp binds that live in files of
// their own.
extern const luaL_Reg kWindowMethods[];     // windows.cpp
extern const luaL_Reg kDoubleWindowMethods[];
extern const luaL_Reg kSingleWindowMethods[];
extern const luaL_Reg kTableMethods[];      // tables.cpp
extern const luaL_Reg kTableRowMethods[];   // tables.cpp

}  // namespace fluac_lua
