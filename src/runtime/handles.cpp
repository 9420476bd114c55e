#include "handles.h"

#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Widget.H>

namespace fluac_lua {

namespace {

const char kWidgetMeta[] = "fluac.widget";
const char kImageMeta[] = "fluac.image";
// Registry keys: live handles by widget address (weak values), and the Lua
// data of each widget by address.
const char kHandles[] = "fluac.handles";
const char kData[] = "fluac.data";

lua_State* gState = nullptr;

struct WidgetHandle {
    Fl_Widget* widget;  // watched: FLTK sets it to null when it deletes the widget
};

struct ImageHandle {
    Fl_Shared_Image* image;  // the shared-image cache owns it
};

int handle_gc(lua_State* L) {
    auto* h = static_cast<WidgetHandle*>(luaL_checkudata(L, 1, kWidgetMeta));
    // FLTK keeps the address of the pointer on its watch list even after it
    // cleared it, so the address must leave the list in every case.
    Fl::release_widget_pointer(h->widget);
    h->widget = nullptr;
    return 0;
}

int handle_tostring(lua_State* L) {
    auto* h = static_cast<WidgetHandle*>(luaL_checkudata(L, 1, kWidgetMeta));
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

}  // namespace

lua_State* binding_state() { return gState; }

void close_handles() { gState = nullptr; }

void open_handles(lua_State* L) {
    gState = L;
    luaL_newmetatable(L, kWidgetMeta);
    lua_pushcfunction(L, handle_gc);
    lua_setfield(L, -2, "__gc");
    lua_pushcfunction(L, handle_tostring);
    lua_setfield(L, -2, "__tostring");
    lua_pop(L, 1);

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
    lua_setfield(L, LUA_REGISTRYINDEX, kData);
}

void push_widget(lua_State* L, Fl_Widget* w) {
    if (!w) {
        lua_pushnil(L);
        return;
    }
    push_registry_table(L, kHandles);
    lua_rawgetp(L, -1, w);
    // A handle left from a deleted widget at the same address holds null.
    if (auto* old = static_cast<WidgetHandle*>(luaL_testudata(L, -1, kWidgetMeta));
        old && old->widget == w) {
        lua_remove(L, -2);
        return;
    }
    lua_pop(L, 1);
    auto* h = static_cast<WidgetHandle*>(lua_newuserdatauv(L, sizeof(WidgetHandle), 0));
    h->widget = nullptr;
    luaL_setmetatable(L, kWidgetMeta);
    h->widget = w;
    Fl::watch_widget_pointer(h->widget);
    lua_pushvalue(L, -1);
    lua_rawsetp(L, -3, w);
    lua_remove(L, -2);
}

Fl_Widget* check_widget(lua_State* L, int idx) {
    auto* h = static_cast<WidgetHandle*>(luaL_testudata(L, idx, kWidgetMeta));
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
    if (auto* bound = dynamic_cast<const BoundWidget*>(w)) return bound->bound_class();
    return "Fl_Widget";
}

void push_widget_data(lua_State* L, Fl_Widget* w, bool create) {
    push_registry_table(L, kData);
    if (lua_rawgetp(L, -1, w) == LUA_TNIL && create) {
        lua_pop(L, 1);
        lua_newtable(L);
        lua_pushvalue(L, -1);
        lua_rawsetp(L, -3, w);
    }
    lua_remove(L, -2);
}

void forget_widget(Fl_Widget* w) {
    // FLTK would go on sending every event to a deleted window that grabbed them.
    if (Fl::grab() && Fl::grab() == w->as_window()) Fl::grab(nullptr);
    lua_State* L = gState;
    if (!L) return;
    push_registry_table(L, kData);
    lua_pushnil(L);
    lua_rawsetp(L, -2, w);
    lua_pop(L, 1);
    push_registry_table(L, kHandles);
    lua_pushnil(L);
    lua_rawsetp(L, -2, w);
    lua_pop(L, 1);
}

}  // namespace fluac_lua
