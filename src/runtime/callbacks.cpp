#include "callbacks.h"

#include <FL/Fl.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Widget.H>

#include <cstdint>

#include "handles.h"
#include "menu_entries.h"

namespace fluac_lua {

namespace {

const char kPending[] = "fluac.pending_error";
const char kHandler[] = "fluac.callback_message_handler";
bool gPending = false;

// Timers, idle and check functions run before FLTK waits for events, and
// FLTK would then wait, as long as it was asked to, before the loop saw their
// error: an idle function, as long as the error is pending, keeps the wait
// from blocking.
void wake(void*) {}

void keep_error(lua_State* L) {
    gPending = true;
    lua_setfield(L, LUA_REGISTRYINDEX, kPending);
    if (!Fl::has_idle(wake)) Fl::add_idle(wake);
}

// Runs in a protected call: 1 = widget (light userdata).
int call_widget_callback(lua_State* L) {
    auto* w = static_cast<Fl_Widget*>(lua_touserdata(L, 1));
    push_widget_data(L, w, false);
    if (!lua_istable(L, -1)) return 0;
    lua_getfield(L, -1, "callback");
    if (lua_isnil(L, -1)) return 0;
    push_widget(L, w);
    lua_call(L, 1, 0);
    return 0;
}

// 1 = menu (light userdata), 2 = entry key (light userdata).
int call_menu_callback(lua_State* L) {
    auto* menu = static_cast<Fl_Widget*>(lua_touserdata(L, 1));
    push_menu_entry(L, menu, lua_touserdata(L, 2));
    if (lua_isnil(L, -2)) return 0;
    lua_pushvalue(L, -2);
    push_widget(L, menu);
    lua_pushvalue(L, -3);
    lua_call(L, 2, 0);
    return 0;
}

// While an error is pending no callback runs, so the error that stopped
// the event loop is the one reported.
void run_protected(lua_CFunction f, void* a, void* b) {
    lua_State* L = binding_state();
    if (!L || gPending || !lua_checkstack(L, 5)) return;
    const int top = lua_gettop(L);
    const int handler = lua_getfield(L, LUA_REGISTRYINDEX, kHandler) == LUA_TNIL ? 0 : top + 1;
    lua_pushcfunction(L, f);
    lua_pushlightuserdata(L, a);
    lua_pushlightuserdata(L, b);
    if (lua_pcall(L, 2, 0, handler) != LUA_OK) keep_error(L);
    lua_settop(L, top);
}

void widget_trampoline(Fl_Widget* w, void*) { run_protected(call_widget_callback, w, nullptr); }

void menu_trampoline(Fl_Widget* menu, void* key) { run_protected(call_menu_callback, menu, key); }

}  // namespace

void set_widget_callback(lua_State* L, Fl_Widget* w, int idx) {
    if (!lua_isnil(L, idx)) luaL_checktype(L, idx, LUA_TFUNCTION);
    push_widget_data(L, w, true);
    lua_pushvalue(L, idx);
    lua_setfield(L, -2, "callback");
    lua_pop(L, 1);
    if (lua_isnil(L, idx))
        w->callback(Fl_Widget::default_callback, nullptr);
    else
        w->callback(widget_trampoline, nullptr);
}

void push_widget_callback(lua_State* L, Fl_Widget* w) {
    push_widget_data(L, w, false);
    if (lua_istable(L, -1)) lua_getfield(L, -1, "callback");
    else lua_pushnil(L);
    lua_remove(L, -2);
}

void* keep_menu_entry(lua_State* L, Fl_Menu_* menu, int fn_idx, int data_idx, Fl_Callback** callback) {
    if (!lua_isnil(L, fn_idx)) luaL_checktype(L, fn_idx, LUA_TFUNCTION);
    // Entries are kept by a key of their own, since FLTK's indexes shift as
    // entries and submenus are inserted.
    push_widget_data(L, menu, true);
    if (lua_getfield(L, -1, "entries") != LUA_TTABLE) {
        lua_pop(L, 1);
        lua_newtable(L);
        lua_pushvalue(L, -1);
        lua_setfield(L, -3, "entries");
    }
    const lua_Integer key = static_cast<lua_Integer>(luaL_len(L, -1)) + 1;
    lua_createtable(L, 0, 2);
    lua_pushvalue(L, fn_idx);
    lua_setfield(L, -2, "callback");
    lua_pushvalue(L, data_idx);
    lua_setfield(L, -2, "data");
    lua_rawseti(L, -2, key);
    lua_pop(L, 2);
    *callback = lua_isnil(L, fn_idx) ? nullptr : menu_trampoline;
    return reinterpret_cast<void*>(static_cast<intptr_t>(key));
}

int add_menu_entry(lua_State* L, Fl_Menu_* menu, const char* path, int shortcut, int fn_idx,
                   int data_idx, int flags) {
    Fl_Callback* callback = nullptr;
    void* user_data = keep_menu_entry(L, menu, fn_idx, data_idx, &callback);
    return add_menu_path(menu, path, shortcut, callback, user_data, flags);
}

void push_menu_entry(lua_State* L, Fl_Widget* menu, void* key) {
    const int top = lua_gettop(L);
    lua_pushnil(L);
    lua_pushnil(L);
    push_widget_data(L, menu, false);
    const auto k = static_cast<lua_Integer>(reinterpret_cast<intptr_t>(key));
    if (lua_istable(L, -1) && lua_getfield(L, -1, "entries") == LUA_TTABLE &&
        lua_rawgeti(L, -1, k) == LUA_TTABLE) {
        lua_getfield(L, -1, "callback");
        lua_replace(L, top + 1);
        lua_getfield(L, -1, "data");
        lua_replace(L, top + 2);
    }
    lua_settop(L, top + 2);
}

void set_callback_message_handler(lua_State* L, int idx) {
    lua_pushvalue(L, idx);
    lua_setfield(L, LUA_REGISTRYINDEX, kHandler);
}

bool error_pending() { return gPending; }

void forget_pending_error() {
    gPending = false;
    Fl::remove_idle(wake);
}

void raise_pending_error(lua_State* L) {
    if (!gPending) return;
    forget_pending_error();
    lua_getfield(L, LUA_REGISTRYINDEX, kPending);
    lua_pushnil(L);
    lua_setfield(L, LUA_REGISTRYINDEX, kPending);
    lua_error(L);
}

}  // namespace fluac_lua

namespace fluac_lua {

void call_protected(lua_CFunction f, void* a, void* b) { run_protected(f, a, b); }

}  // namespace fluac_lua
