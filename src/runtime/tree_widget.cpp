// Fl_Tree, and handles of its items.
//
// FLTK frees an item when it is removed, with its tree's clear(), or with
// its parent, and says nothing of it. A handle therefore keeps its tree's
// widget handle and the item's address, and trusts the address only while
// no call that may free items has run since it last found the item in its
// tree; after one, it looks for the address among the tree's items again.
// Each item a handle names gets a serial number as its user data (which Lua
// does not reach), so that an item made later at the same address is not
// taken for the freed one.
#include "tree_widget.h"

#include <FL/Fl_Preferences.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Tree.H>
#include <FL/Fl_Tree_Item.H>

#include <climits>
#include <cstdint>
#include <string>

#include "callbacks.h"
#include "display.h"
#include "lua_class.h"
#include "member_functions.h"
#include "methods.h"

namespace fluac_lua {

namespace {

const char kItemClass[] = "Fl_Tree_Item";

// Counts the calls that may have freed items.
unsigned long gFreeings = 1;
uintptr_t gLastSerial = 0;

struct ItemHandle {
    Fl_Tree_Item* item;
    uintptr_t serial;       // the item's user data
    unsigned long checked;  // gFreeings when the item was last found
};

bool holds(Fl_Tree* tree, const Fl_Tree_Item* item) {
    for (Fl_Tree_Item* i = tree->first(); i; i = tree->next(i))
        if (i == item) return true;
    return false;
}

// Pushes a handle of a live item of `tree` (the widget handle at tree_idx),
// or nil.
void push_item(lua_State* L, int tree_idx, Fl_Tree_Item* item) {
    if (!item) return lua_pushnil(L);
    tree_idx = lua_absindex(L, tree_idx);
    if (!item->user_data()) item->user_data(reinterpret_cast<void*>(++gLastSerial));
    auto* h = static_cast<ItemHandle*>(lua_newuserdatauv(L, sizeof(ItemHandle), 1));
    *h = {item, reinterpret_cast<uintptr_t>(item->user_data()), gFreeings};
    luaL_setmetatable(L, kItemClass);
    lua_pushvalue(L, tree_idx);
    lua_setiuservalue(L, -2, 1);
}

// The item of the handle at idx, and its tree.
Fl_Tree_Item* check_handle(lua_State* L, int idx, Fl_Tree** tree_out = nullptr) {
    auto* h = static_cast<ItemHandle*>(luaL_checkudata(L, idx, kItemClass));
    lua_getiuservalue(L, idx, 1);
    auto* tree = dynamic_cast<Fl_Tree*>(to_widget(L, -1));
    lua_pop(L, 1);
    if (!tree) luaL_argerror(L, idx, "the item's tree has been deleted");
    if (h->checked != gFreeings) {
        if (!holds(tree, h->item) || reinterpret_cast<uintptr_t>(h->item->user_data()) != h->serial)
            luaL_argerror(L, idx, "the item has been removed from its tree");
        h->checked = gFreeings;
    }
    if (tree_out) *tree_out = tree;
    return h->item;
}

// An item of `tree`: a handle of one of its items, or the path of one.
Fl_Tree_Item* check_item(lua_State* L, int idx, Fl_Tree* tree) {
    if (lua_type(L, idx) == LUA_TSTRING) {
        Fl_Tree_Item* item = tree->find_item(lua_tostring(L, idx));
        if (!item) luaL_argerror(L, idx, "the tree has no item at that path");
        return item;
    }
    Fl_Tree* owner = nullptr;
    Fl_Tree_Item* item = check_handle(L, idx, &owner);
    if (owner != tree) luaL_argerror(L, idx, "the item is another tree's");
    return item;
}

// As check_item, but nil or none gives null.
Fl_Tree_Item* opt_item(lua_State* L, int idx, Fl_Tree* tree) {
    return lua_isnoneornil(L, idx) ? nullptr : check_item(L, idx, tree);
}

int opt_flag(lua_State* L, int idx, bool dflt) {
    return lua_isnoneornil(L, idx) ? dflt : check_flag(L, idx);
}

Fl_Tree* tree_call(lua_State* L, int most) {
    auto* t = check_self<Fl_Tree>(L);
    check_nargs(L, most);
    return t;
}

// Fl_Tree's methods.

// add(path) or add(parent, name): the new item.
int add(lua_State* L) {
    Fl_Tree* t = tree_call(L, 3);
    Fl_Tree_Item* item;
    if (lua_gettop(L) >= 3) {
        Fl_Tree_Item* parent = check_item(L, 2, t);
        item = t->add(parent, luaL_checkstring(L, 3));
    } else {
        item = t->add(luaL_checkstring(L, 2));
    }
    push_item(L, 1, item);
    return 1;
}

// insert(parent, name, pos), insert_above(item, name).
int insert(lua_State* L) {
    Fl_Tree* t = tree_call(L, 4);
    Fl_Tree_Item* parent = check_item(L, 2, t);
    const char* name = luaL_checkstring(L, 3);
    const int pos = static_cast<int>(check_range(L, 4, 0, INT_MAX));
    push_item(L, 1, t->insert(parent, name, pos));
    return 1;
}

int insert_above(lua_State* L) {
    Fl_Tree* t = tree_call(L, 3);
    Fl_Tree_Item* above = check_item(L, 2, t);
    push_item(L, 1, t->insert_above(above, luaL_checkstring(L, 3)));
    return 1;
}

int remove(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    Fl_Tree_Item* item = check_item(L, 2, t);
    ++gFreeings;
    lua_pushboolean(L, t->remove(item) == 0);
    return 1;
}

int clear(lua_State* L) {
    Fl_Tree* t = tree_call(L, 1);
    ++gFreeings;
    t->clear();
    return 0;
}

int clear_children(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    Fl_Tree_Item* item = check_item(L, 2, t);
    ++gFreeings;
    t->clear_children(item);
    return 0;
}

int find_item(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    push_item(L, 1, t->find_item(luaL_checkstring(L, 2)));
    return 1;
}

// item_pathname(item): the path find_item would take, or nil.
int item_pathname(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    const Fl_Tree_Item* item = check_item(L, 2, t);
    std::string path(4096, '\0');
    if (t->item_pathname(path.data(), static_cast<int>(path.size()), item) != 0)
        return lua_pushnil(L), 1;
    lua_pushstring(L, path.c_str());
    return 1;
}

// Items found by the tree itself: first(), last(), root(), ...
template <Fl_Tree_Item* (Fl_Tree::*Find)()>
int found_item(lua_State* L) {
    Fl_Tree* t = tree_call(L, 1);
    push_item(L, 1, (t->*Find)());
    return 1;
}

// Items FLTK remembers from an event or a callback, which may have been
// freed since.
template <Fl_Tree_Item* (Fl_Tree::*Remembered)()>
int remembered_item(lua_State* L) {
    Fl_Tree* t = tree_call(L, 1);
    Fl_Tree_Item* item = (t->*Remembered)();
    push_item(L, 1, item && holds(t, item) ? item : nullptr);
    return 1;
}

int get_item_focus(lua_State* L) {
    Fl_Tree* t = tree_call(L, 1);
    Fl_Tree_Item* item = t->get_item_focus();
    push_item(L, 1, item && holds(t, item) ? item : nullptr);
    return 1;
}

int set_item_focus(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    t->set_item_focus(opt_item(L, 2, t));
    return 0;
}

// callback_item([item]): the item of the callback running now.
int callback_item(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    if (is_setter(L)) {
        t->callback_item(opt_item(L, 2, t));
        return 0;
    }
    Fl_Tree_Item* item = t->callback_item();
    push_item(L, 1, item && holds(t, item) ? item : nullptr);
    return 1;
}

// find_clicked(): the item under the mouse, by the last event.
int find_clicked(lua_State* L) {
    Fl_Tree* t = tree_call(L, 1);
    push_item(L, 1, t->find_clicked());
    return 1;
}

// next(item) / prev(item): in the order of the whole tree; nil at an end.
template <Fl_Tree_Item* (Fl_Tree::*Step)(Fl_Tree_Item*)>
int step(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    push_item(L, 1, (t->*Step)(opt_item(L, 2, t)));
    return 1;
}

// next_item(item [, dir [, visible]]): dir is FL_Up or FL_Down.
int check_dir(lua_State* L, int idx) {
    if (lua_isnoneornil(L, idx)) return FL_Down;
    const int dir = check_int(L, idx);
    if (dir != FL_Up && dir != FL_Down) luaL_argerror(L, idx, "FL_Up or FL_Down expected");
    return dir;
}

int next_item(lua_State* L) {
    Fl_Tree* t = tree_call(L, 4);
    Fl_Tree_Item* item = opt_item(L, 2, t);
    const int dir = check_dir(L, 3);
    push_item(L, 1, t->next_item(item, dir, opt_flag(L, 4, false)));
    return 1;
}

int next_selected_item(lua_State* L) {
    Fl_Tree* t = tree_call(L, 3);
    Fl_Tree_Item* item = opt_item(L, 2, t);
    push_item(L, 1, t->next_selected_item(item, check_dir(L, 3)));
    return 1;
}

// Calls on one item with an optional docallback: open, close, select, ...
// Their result: whether anything changed.
template <class R, R (Fl_Tree::*Act)(Fl_Tree_Item*, int)>
int item_action(lua_State* L) {
    Fl_Tree* t = tree_call(L, 3);
    Fl_Tree_Item* item = check_item(L, 2, t);
    const int docallback = opt_flag(L, 3, true);
    if constexpr (std::is_void_v<R>) {
        (t->*Act)(item, docallback);
        raise_pending_error(L);
        return 0;
    } else {
        const R changed = (t->*Act)(item, docallback);
        raise_pending_error(L);
        lua_pushboolean(L, changed != 0);
        return 1;
    }
}

// select_all([item [, docallback]]), deselect_all(...): the number changed.
template <int (Fl_Tree::*Act)(Fl_Tree_Item*, int)>
int all_action(lua_State* L) {
    Fl_Tree* t = tree_call(L, 3);
    Fl_Tree_Item* item = opt_item(L, 2, t);
    const int docallback = opt_flag(L, 3, true);
    const int count = (t->*Act)(item, docallback);
    raise_pending_error(L);
    lua_pushinteger(L, count);
    return 1;
}

// extend_selection_dir(from, to [, dir [, val [, visible]]]): the number
// changed.
int extend_selection_dir(lua_State* L) {
    Fl_Tree* t = tree_call(L, 6);
    Fl_Tree_Item* from = check_item(L, 2, t);
    Fl_Tree_Item* to = check_item(L, 3, t);
    const int dir = check_dir(L, 4);
    const int val = lua_isnoneornil(L, 5) ? 1 : static_cast<int>(check_range(L, 5, 0, 2));
    const int count = t->extend_selection_dir(from, to, dir, val, opt_flag(L, 6, false));
    raise_pending_error(L);
    lua_pushinteger(L, count);
    return 1;
}

template <int (Fl_Tree::*Ask)(Fl_Tree_Item*) const>
int item_question(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    lua_pushboolean(L, (t->*Ask)(check_item(L, 2, t)) != 0);
    return 1;
}

int displayed(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    Fl_Tree_Item* item = check_item(L, 2, t);
    need_display(L);
    lua_pushboolean(L, t->displayed(item) != 0);
    return 1;
}

// Scrolling to an item: show_item(item [, yoff]), show_item_top(item), ...
template <void (Fl_Tree::*Show)(Fl_Tree_Item*)>
int show_at(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    Fl_Tree_Item* item = check_item(L, 2, t);
    need_display(L);
    (t->*Show)(item);
    return 0;
}

int show_item(lua_State* L) {
    Fl_Tree* t = tree_call(L, 3);
    Fl_Tree_Item* item = check_item(L, 2, t);
    if (lua_isnoneornil(L, 3)) return show_at<&Fl_Tree::show_item>(L);
    const int yoff = check_coordinate(L, 3);
    need_display(L);
    t->show_item(item, yoff);
    return 0;
}

int root_label(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    t->root_label(luaL_checkstring(L, 2));
    return 0;
}

int is_scrollbar(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    lua_pushboolean(L, t->is_scrollbar(check_widget(L, 2)) != 0);
    return 1;
}

// The icons: an image, or nil for FLTK's own (the user icon: none).
template <Fl_Image* (Fl_Tree::*Get)() const, void (Fl_Tree::*Set)(Fl_Image*)>
int icon(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    if (!is_setter(L)) {
        push_image(L, dynamic_cast<Fl_Shared_Image*>((t->*Get)()));
        return 1;
    }
    (t->*Set)(opt_image(L, 2));
    return 0;
}

// load(prefs): the groups and entries of the preferences, as items.
int load(lua_State* L) {
    Fl_Tree* t = tree_call(L, 2);
    with_preferences(L, 2, [](Fl_Preferences& prefs, void* tree) { static_cast<Fl_Tree*>(tree)->load(prefs); }, t);
    return 0;
}

int show_self(lua_State* L) {
    tree_call(L, 1)->show_self();
    return 0;
}

int recalc_tree(lua_State* L) {
    tree_call(L, 1)->recalc_tree();
    return 0;
}

// Handles of items.

Fl_Tree_Item* item_call(lua_State* L, int most) {
    Fl_Tree_Item* item = check_handle(L, 1);
    check_nargs(L, most);
    return item;
}

int i_label(lua_State* L) {
    Fl_Tree_Item* item = item_call(L, 2);
    if (!is_setter(L)) return lua_pushstring(L, item->label()), 1;
    item->label(luaL_checkstring(L, 2));
    return 0;
}

int i_children(lua_State* L) {
    lua_pushinteger(L, item_call(L, 1)->children());
    return 1;
}

// child(i): from 0, as FLTK counts.
int i_child(lua_State* L) {
    Fl_Tree_Item* item = item_call(L, 2);
    const int n = item->children();
    if (n == 0) return luaL_argerror(L, 2, "the item has no children");
    lua_getiuservalue(L, 1, 1);
    push_item(L, -1, item->child(static_cast<int>(check_range(L, 2, 0, n - 1))));
    return 1;
}

// Items related to this one: parent, next, prev, next_sibling, prev_sibling.
template <Fl_Tree_Item* (Fl_Tree_Item::*Related)()>
int i_related(lua_State* L) {
    Fl_Tree_Item* item = item_call(L, 1);
    lua_getiuservalue(L, 1, 1);
    push_item(L, -1, (item->*Related)());
    return 1;
}

int i_tree(lua_State* L) {
    item_call(L, 1);
    lua_getiuservalue(L, 1, 1);
    return 1;
}

int i_depth(lua_State* L) {
    lua_pushinteger(L, item_call(L, 1)->depth());
    return 1;
}

// Yes/no questions, each a boolean.
template <class R, R (Fl_Tree_Item::*Ask)() const>
int i_question(lua_State* L) {
    lua_pushboolean(L, (item_call(L, 1)->*Ask)() != 0);
    return 1;
}

template <void (Fl_Tree_Item::*Act)()>
int i_action(lua_State* L) {
    (item_call(L, 1)->*Act)();
    return 0;
}

int i_select(lua_State* L) {
    Fl_Tree_Item* item = item_call(L, 2);
    item->select(opt_flag(L, 2, true));
    return 0;
}

int i_activate(lua_State* L) {
    Fl_Tree_Item* item = item_call(L, 2);
    item->activate(opt_flag(L, 2, true));
    return 0;
}

// The label's look, as getter-setter pairs.
#define ITEM_PROPERTY(NAME, HIGH, TYPE)                                    \
    int i_##NAME(lua_State* L) {                                           \
        Fl_Tree_Item* item = item_call(L, 2);                              \
        if (!is_setter(L)) return lua_pushinteger(L, item->NAME()), 1;     \
        item->NAME(static_cast<TYPE>(check_range(L, 2, 0, HIGH)));         \
        return 0;                                                          \
    }
ITEM_PROPERTY(labelfont, kLastFont, Fl_Font)
ITEM_PROPERTY(labelsize, kLargestSize, Fl_Fontsize)
ITEM_PROPERTY(labelfgcolor, kLastColor, Fl_Color)
ITEM_PROPERTY(labelbgcolor, kLastColor, Fl_Color)
#undef ITEM_PROPERTY

int i_eq(lua_State* L) {
    auto* a = static_cast<ItemHandle*>(luaL_checkudata(L, 1, kItemClass));
    auto* b = static_cast<ItemHandle*>(luaL_checkudata(L, 2, kItemClass));
    lua_pushboolean(L, a->serial == b->serial);
    return 1;
}

int i_tostring(lua_State* L) {
    auto* h = static_cast<ItemHandle*>(luaL_checkudata(L, 1, kItemClass));
    lua_pushfstring(L, "Fl_Tree_Item: %p", static_cast<void*>(h->item));
    return 1;
}

const luaL_Reg kItemMethods[] = {
    {"label", i_label},
    {"children", i_children},
    {"has_children", i_children},
    {"child", i_child},
    {"parent", i_related<&Fl_Tree_Item::parent>},
    {"next", i_related<&Fl_Tree_Item::next>},
    {"prev", i_related<&Fl_Tree_Item::prev>},
    {"next_sibling", i_related<&Fl_Tree_Item::next_sibling>},
    {"prev_sibling", i_related<&Fl_Tree_Item::prev_sibling>},
    {"tree", i_tree},
    {"depth", i_depth},
    {"is_open", i_question<int, &Fl_Tree_Item::is_open>},
    {"is_close", i_question<int, &Fl_Tree_Item::is_close>},
    {"is_selected", i_question<char, &Fl_Tree_Item::is_selected>},
    {"is_active", i_question<char, &Fl_Tree_Item::is_active>},
    {"is_visible", i_question<int, &Fl_Tree_Item::is_visible>},
    {"is_root", i_question<int, &Fl_Tree_Item::is_root>},
    {"open", i_action<&Fl_Tree_Item::open>},
    {"close", i_action<&Fl_Tree_Item::close>},
    {"open_toggle", i_action<&Fl_Tree_Item::open_toggle>},
    {"select_toggle", i_action<&Fl_Tree_Item::select_toggle>},
    {"deselect", i_action<&Fl_Tree_Item::deselect>},
    {"deactivate", i_action<&Fl_Tree_Item::deactivate>},
    {"select", i_select},
    {"activate", i_activate},
    {"labelfont", i_labelfont},
    {"labelsize", i_labelsize},
    {"labelfgcolor", i_labelfgcolor},
    {"labelcolor", i_labelfgcolor},
    {"labelbgcolor", i_labelbgcolor},
    {nullptr, nullptr},
};
const luaL_Reg kItemMeta[] = {{"__eq", i_eq}, {"__tostring", i_tostring}, {nullptr, nullptr}};

}  // namespace

const luaL_Reg kTreeMethods[] = {
    {"add", add},
    {"insert", insert},
    {"insert_above", insert_above},
    {"remove", remove},
    {"clear", clear},
    {"clear_children", clear_children},
    {"find_item", find_item},
    {"item_pathname", item_pathname},
    {"root", found_item<&Fl_Tree::root>},
    {"first", found_item<&Fl_Tree::first>},
    {"last", found_item<&Fl_Tree::last>},
    {"first_visible", found_item<&Fl_Tree::first_visible_item>},
    {"first_visible_item", found_item<&Fl_Tree::first_visible_item>},
    {"last_visible", found_item<&Fl_Tree::last_visible_item>},
    {"last_visible_item", found_item<&Fl_Tree::last_visible_item>},
    {"first_selected_item", found_item<&Fl_Tree::first_selected_item>},
    {"last_selected_item", found_item<&Fl_Tree::last_selected_item>},
    {"item_clicked", remembered_item<&Fl_Tree::item_clicked>},
    {"callback_item", callback_item},
    {"get_item_focus", get_item_focus},
    {"set_item_focus", set_item_focus},
    {"find_clicked", find_clicked},
    {"next", step<&Fl_Tree::next>},
    {"prev", step<&Fl_Tree::prev>},
    {"next_item", next_item},
    {"next_selected_item", next_selected_item},
    {"open", item_action<int, &Fl_Tree::open>},
    {"close", item_action<int, &Fl_Tree::close>},
    {"open_toggle", item_action<void, &Fl_Tree::open_toggle>},
    {"select", item_action<int, &Fl_Tree::select>},
    {"deselect", item_action<int, &Fl_Tree::deselect>},
    {"select_only", item_action<int, &Fl_Tree::select_only>},
    {"select_toggle", item_action<void, &Fl_Tree::select_toggle>},
    {"select_all", all_action<&Fl_Tree::select_all>},
    {"deselect_all", all_action<&Fl_Tree::deselect_all>},
    {"extend_selection_dir", extend_selection_dir},
    {"is_open", item_question<&Fl_Tree::is_open>},
    {"is_close", item_question<&Fl_Tree::is_close>},
    {"is_selected", item_question<&Fl_Tree::is_selected>},
    {"displayed", displayed},
    {"show_item", show_item},
    {"show_item_top", show_at<&Fl_Tree::show_item_top>},
    {"show_item_middle", show_at<&Fl_Tree::show_item_middle>},
    {"show_item_bottom", show_at<&Fl_Tree::show_item_bottom>},
    {"display", show_at<&Fl_Tree::display>},
    {"root_label", root_label},
    {"is_scrollbar", is_scrollbar},
    {"usericon", icon<&Fl_Tree::usericon, &Fl_Tree::usericon>},
    {"openicon", icon<&Fl_Tree::openicon, &Fl_Tree::openicon>},
    {"closeicon", icon<&Fl_Tree::closeicon, &Fl_Tree::closeicon>},
    {"load", load},
    {"show_self", show_self},
    {"recalc_tree", recalc_tree},
    FLUAC_INT(Fl_Tree, item_labelfont, 0, kLastFont),
    FLUAC_INT(Fl_Tree, item_labelsize, 0, kLargestSize),
    FLUAC_COLOR(Fl_Tree, item_labelfgcolor),
    FLUAC_COLOR(Fl_Tree, item_labelbgcolor),
    FLUAC_COLOR(Fl_Tree, connectorcolor),
    FLUAC_INT(Fl_Tree, connectorstyle, FL_TREE_CONNECTOR_NONE, FL_TREE_CONNECTOR_SOLID),
    FLUAC_INT(Fl_Tree, connectorwidth, 0, 1000),
    FLUAC_INT(Fl_Tree, marginleft, 0, 1000),
    FLUAC_INT(Fl_Tree, margintop, 0, 1000),
    FLUAC_INT(Fl_Tree, linespacing, 0, 1000),
    FLUAC_INT(Fl_Tree, openchild_marginbottom, 0, 1000),
    FLUAC_INT(Fl_Tree, usericonmarginleft, 0, 1000),
    FLUAC_INT(Fl_Tree, labelmarginleft, 0, 1000),
    FLUAC_FLAG(Fl_Tree, showcollapse),
    FLUAC_FLAG(Fl_Tree, showroot),
    FLUAC_INT(Fl_Tree, sortorder, FL_TREE_SORT_NONE, FL_TREE_SORT_DESCENDING),
    FLUAC_INT(Fl_Tree, selectbox, 0, kLastBoxtype),
    FLUAC_INT(Fl_Tree, selectmode, FL_TREE_SELECT_NONE, FL_TREE_SELECT_SINGLE_DRAGGABLE),
    FLUAC_INT(Fl_Tree, vposition, 0, INT_MAX),
    FLUAC_INT(Fl_Tree, hposition, 0, INT_MAX),
    FLUAC_INT(Fl_Tree, scrollbar_size, 0, 1000),
    FLUAC_GET_FLAG(Fl_Tree, is_vscroll_visible),
    FLUAC_GET_FLAG(Fl_Tree, is_hscroll_visible),
    FLUAC_GET(Fl_Tree, callback_reason),
    {nullptr, nullptr},
};

void open_tree_items(lua_State* L) { define_class(L, {kItemClass, nullptr, kItemMethods, kItemMeta}); }

}  // namespace fluac_lua
