#include "handles.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Widget.H>

#include <unordered_set>
#include <vector>

#include "classes.h"
#include "custom_widgets.h"
#include "menu_entries.h"

namespace fluac_lua {

namespace {

const char kImageMeta[] = "fluac.image";
// Registry keys: live handles by widget address (weak values), and the
// handles that hold a widget's data (strong, so the data lives on).
const char kHandles[] = "fluac.handles";
const char kHolders[] = "fluac.data_holders";
// The key that marks a widget class's metatable.
char gWidgetMark;

lua_State* gState = nullptr;
// Every widget the binding built that FLTK has not deleted.
std::unordered_set<Fl_Widget*> gBound;

struct WidgetHandle {
    Fl_Widget* widget;  // watched: FLTK sets it to null when it deletes the widget
};

struct ImageHandle {
    Fl_Shared_Image* image;  // the shared-image cache owns it
};

WidgetHandle* to_handle(lua_State* L, int idx) {
    if (lua_type(L, idx) != LUA_TUSERDATA || !lua_getmetatable(L, idx)) return nullptr;
    const bool marked = lua_rawgetp(L, -1, &gWidgetMark) == LUA_TBOOLEAN;
    lua_pop(L, 2);
    return marked ? static_cast<WidgetHandle*>(lua_touserdata(L, idx)) : nullptr;
}

// __index, with the class's method table as upvalue.
int handle_index(lua_State* L) {
    lua_pushvalue(L, 2);
    if (lua_gettable(L, lua_upvalueindex(1)) != LUA_TNIL) return 1;
    Fl_Widget* w = check_widget(L, 1);
    return luaL_error(L, "%s has no method '%s'", class_name(w), luaL_tolstring(L, 2, nullptr));
}

int handle_gc(lua_State* L) {
    auto* h = static_cast<WidgetHandle*>(lua_touserdata(L, 1));
    // FLTK keeps the address of the pointer on its watch list even after it
    // cleared it, so the address must leave the list in every case.
    Fl::release_widget_pointer(h->widget);
    h->widget = nullptr;
    return 0;
}

int handle_tostring(lua_State* L) {
    auto* h = static_cast<WidgetHandle*>(lua_touserdata(L, 1));
    if (h->widget)
        lua_pushfstring(L, "%s: %p", class_name(h->widget), static_cast<void*>(h->widget));
    else
        lua_pushliteral(L, "deleted widget");
    return 1;
}

int image_tostring(lua_State* L) {
    auto* h = static_cast<ImageHandle*>(luaL_checkudata(L, 1, kImageMeta));
    lua_pushfstring(L, "Fl_Shared_Image: %s", h->image->name());
    return 1;
}

void push_registry_table(lua_State* L, const char* key) {
    lua_getfield(L, LUA_REGISTRYINDEX, key);
}

void set_holder(lua_State* L, Fl_Widget* w, int handle_idx) {
    handle_idx = lua_absindex(L, handle_idx);
    push_registry_table(L, kHolders);
    lua_pushvalue(L, handle_idx);
    lua_rawsetp(L, -2, w);
    lua_pop(L, 1);
}

// Deletes the widgets the binding built that nothing else will: each one
// outside every group, with all it holds. No Lua draw or handle function
// runs meanwhile (a window's children get FL_HIDE).
void delete_bound_widgets() {
    for (Fl_Widget* w : gBound) dynamic_cast<BoundWidget*>(w)->hooks = 0;
    Fl::do_widget_deletion();
    std::vector<Fl_Widget*> tops;
    for (Fl_Widget* w : gBound)
        if (!w->parent()) tops.push_back(w);
    for (Fl_Widget* w : tops) delete w;
}

}  // namespace

const luaL_Reg kWidgetMetamethods[] = {
    {"__index", handle_index},
    {"__newindex", set_widget_hook},
    {"__gc", handle_gc},
    {"__tostring", handle_tostring},
    {nullptr, nullptr},
};

void mark_widget_metatable(lua_State* L) {
    lua_pushboolean(L, 1);
    lua_rawsetp(L, -2, &gWidgetMark);
}

lua_State* binding_state() { return gState; }

void close_handles() {
    delete_bound_widgets();
    gState = nullptr;
}

void open_handles(lua_State* L) {
    gState = L;
    luaL_newmetatable(L, kImageMeta);
    lua_pushcfunction(L, image_tostring);
    lua_setfield(L, -2, "__tostring");
    lua_pop(L, 1);

    lua_newtable(L);
    lua_newtable(L);
    lua_pushliteral(L, "v");
    lua_setfield(L, -2, "__mode");
    lua_setmetatable(L, -2);
    lua_setfield(L, LUA_REGISTRYINDEX, kHandles);

    lua_newtable(L);
    lua_setfield(L, LUA_REGISTRYINDEX, kHolders);
}

void push_widget(lua_State* L, Fl_Widget* w) {
    if (!w) {
        lua_pushnil(L);
        return;
    }
    push_registry_table(L, kHandles);
    lua_rawgetp(L, -1, w);
    // A handle left from a deleted widget at the same address holds null.
    if (WidgetHandle* old = to_handle(L, -1); old && old->widget == w) {
        lua_remove(L, -2);
        return;
    }
    lua_pop(L, 1);
    auto* h = static_cast<WidgetHandle*>(lua_newuserdatauv(L, sizeof(WidgetHandle), 1));
    h->widget = nullptr;
    luaL_setmetatable(L, handle_class(w));
    h->widget = w;
    Fl::watch_widget_pointer(h->widget);
    lua_pushvalue(L, -1);
    lua_rawsetp(L, -3, w);
    lua_remove(L, -2);
    // The data of a widget that was deleted at this address goes with it.
    push_registry_table(L, kHolders);
    lua_pushnil(L);
    lua_rawsetp(L, -2, w);
    lua_pop(L, 1);
}

Fl_Widget* check_widget(lua_State* L, int idx) {
    WidgetHandle* h = to_handle(L, idx);
    if (!h) {
        luaL_typeerror(L, idx, "widget");
        return nullptr;
    }
    if (!h->widget) luaL_argerror(L, idx, "the widget has been deleted");
    return h->widget;
}

Fl_Widget* opt_widget(lua_State* L, int idx) {
    return lua_isnoneornil(L, idx) ? nullptr : check_widget(L, idx);
}

Fl_Widget* to_widget(lua_State* L, int idx) {
    WidgetHandle* h = to_handle(L, idx);
    return h ? h->widget : nullptr;
}

void push_image(lua_State* L, Fl_Shared_Image* image) {
    if (!image) {
        lua_pushnil(L);
        return;
    }
    auto* h = static_cast<ImageHandle*>(lua_newuserdatauv(L, sizeof(ImageHandle), 0));
    h->image = image;
    luaL_setmetatable(L, kImageMeta);
}

Fl_Shared_Image* opt_image(lua_State* L, int idx) {
    if (lua_isnoneornil(L, idx)) return nullptr;
    auto* h = static_cast<ImageHandle*>(luaL_testudata(L, idx, kImageMeta));
    if (!h) luaL_typeerror(L, idx, "image");
    return h->image;
}

const char* class_name(const Fl_Widget* w) {
    if (auto* bound = dynamic_cast<const BoundWidget*>(w)) return bound->bound_name();
    return nearest_class(w).lua.name;
}

bool is_bound(const Fl_Widget* w) { return dynamic_cast<const BoundWidget*>(w) != nullptr; }

void push_widget_data(lua_State* L, Fl_Widget* w, bool create) {
    push_widget(L, w);
    if (lua_getiuservalue(L, -1, 1) == LUA_TTABLE || !create) {
        lua_remove(L, -2);
        return;
    }
    lua_pop(L, 1);
    lua_newtable(L);
    lua_pushvalue(L, -1);
    lua_setiuservalue(L, -3, 1);
    set_holder(L, w, -2);
    lua_remove(L, -2);
}

void note_bound(Fl_Widget* w) { gBound.insert(w); }

void forget_widget(Fl_Widget* w) {
    gBound.erase(w);
    release_menu_images(w);
    // FLTK would go on sending every event to a deleted window that grabbed them.
    if (Fl::grab() && Fl::grab() == w->as_window()) Fl::grab(nullptr);
    // Nor does FLTK 1.3 forget a group's resizable child when it goes.
    if (Fl_Group* p = w->parent(); p && p->resizable() == w) p->resizable(p);
    lua_State* L = gState;
    if (!L) return;
    push_registry_table(L, kHolders);
    lua_pushnil(L);
    lua_rawsetp(L, -2, w);
    lua_pop(L, 1);
    push_registry_table(L, kHandles);
    lua_pushnil(L);
    lua_rawsetp(L, -2, w);
    lua_pop(L, 1);
}

}  // namespace fluac_lua
