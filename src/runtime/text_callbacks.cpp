#include "text_callbacks.h"

#include <FL/Fl.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Text_Editor.H>

#include <climits>
#include <string>

#include "api_support.h"
#include "callbacks.h"
#include "help_html.h"
#include "methods.h"

namespace fluac_lua {

namespace {

using Key_Func = Fl_Text_Editor::Key_Func;

// The editor's list of bindings, which FLTK keeps protected.
struct Keys : Fl_Text_Editor {
    using Fl_Text_Editor::key_bindings;
};

constexpr int kAnyState = -1;
constexpr int kModifiers = FL_SHIFT | FL_CAPS_LOCK | FL_CTRL | FL_ALT | FL_NUM_LOCK | FL_META |
                           FL_SCROLL_LOCK;

// The key of a binding in the editor's Lua table "keys".
lua_Integer binding_key(int key, int state) {
    return (static_cast<lua_Integer>(key) << 32) | static_cast<unsigned>(state);
}

// Pushes the editor's table of Lua bindings (made when `create` is set), or nil.
void push_keys(lua_State* L, Fl_Widget* w, bool create) {
    push_widget_data(L, w, create);
    if (!lua_istable(L, -1)) return;
    if (lua_getfield(L, -1, "keys") != LUA_TTABLE && create) {
        lua_pop(L, 1);
        lua_newtable(L);
        lua_pushvalue(L, -1);
        lua_setfield(L, -3, "keys");
    }
    lua_remove(L, -2);
}

struct KeyCall {
    int key;
    bool is_default;  // the default key function, rather than a binding
    int result;
};

// 1 = KeyCall, 2 = editor (light userdata).
int run_key(lua_State* L) {
    auto* call = static_cast<KeyCall*>(lua_touserdata(L, 1));
    auto* editor = static_cast<Fl_Text_Editor*>(lua_touserdata(L, 2));
    push_keys(L, editor, false);
    if (!lua_istable(L, -1)) return 0;
    if (call->is_default) {
        lua_getfield(L, -1, "default");
    } else {
        // FLTK took the binding of the event's modifiers, or of any.
        const int state = Fl::event_state() & (FL_SHIFT | FL_CTRL | FL_ALT | FL_META);
        if (lua_rawgeti(L, -1, binding_key(call->key, state)) == LUA_TNIL) {
            lua_pop(L, 1);
            lua_rawgeti(L, -1, binding_key(call->key, kAnyState));
        }
    }
    if (!lua_isfunction(L, -1)) return 0;
    lua_pushinteger(L, call->key);
    push_widget(L, editor);
    lua_call(L, 2, 1);
    call->result = lua_toboolean(L, -1) && !(lua_isinteger(L, -1) && lua_tointeger(L, -1) == 0);
    return 0;
}

int key_trampoline(int key, Fl_Text_Editor* editor) {
    KeyCall call = {key, false, 0};
    call_protected(run_key, &call, editor);
    return call.result;
}

int default_trampoline(int key, Fl_Text_Editor* editor) {
    KeyCall call = {key, true, 0};
    call_protected(run_key, &call, editor);
    return call.result;
}

Fl_Text_Editor* editor_call(lua_State* L, int most) {
    auto* e = check_self<Fl_Text_Editor>(L);
    check_nargs(L, most);
    return e;
}

int check_key(lua_State* L, int idx) { return static_cast<int>(check_range(L, idx, 0, 0x10ffff + 0xffff)); }

int check_state(lua_State* L, int idx) {
    const int state = static_cast<int>(check_range(L, idx, kAnyState, kModifiers));
    if (state != kAnyState && (state & ~kModifiers)) luaL_argerror(L, idx, "modifier bits or -1 expected");
    return state;
}

// Sets the Lua function of a binding (nil to drop it).
void set_binding(lua_State* L, Fl_Text_Editor* e, lua_Integer key, int fn_idx) {
    push_keys(L, e, true);
    lua_pushvalue(L, fn_idx);
    lua_rawseti(L, -2, key);
    lua_pop(L, 1);
}

struct LinkCall {
    const char* uri;
    std::string target;
};

// 1 = LinkCall, 2 = view (light userdata): the script's function, if any,
// gives the target.
int run_link(lua_State* L) {
    auto* call = static_cast<LinkCall*>(lua_touserdata(L, 1));
    auto* view = static_cast<Fl_Help_View*>(lua_touserdata(L, 2));
    call->target = call->uri;
    push_widget_data(L, view, false);
    if (!lua_istable(L, -1) || lua_getfield(L, -1, "link") != LUA_TFUNCTION) return 0;
    call->target.clear();
    push_widget(L, view);
    lua_pushstring(L, call->uri);
    lua_call(L, 2, 1);
    if (!lua_isnil(L, -1)) call->target = luaL_checkstring(L, -1);
    return 0;
}

const char* link_trampoline(Fl_Widget* view, const char* uri) {
    static std::string target;  // FLTK reads it after the call returns
    LinkCall call = {uri, {}};
    call_protected(run_link, &call, view);
    if (call.target.empty() || unsafe_html_file(call.target.c_str())) return nullptr;
    target = call.target;
    return target.c_str();
}

}  // namespace

int add_key_binding(lua_State* L) {
    Fl_Text_Editor* e = editor_call(L, 4);
    const int key = check_key(L, 2), state = check_state(L, 3);
    luaL_checktype(L, 4, LUA_TFUNCTION);
    set_binding(L, e, binding_key(key, state), 4);
    e->add_key_binding(key, state, key_trampoline);
    return 0;
}

int remove_key_binding(lua_State* L) {
    Fl_Text_Editor* e = editor_call(L, 3);
    const int key = check_key(L, 2), state = check_state(L, 3);
    lua_pushnil(L);
    set_binding(L, e, binding_key(key, state), -1);
    e->remove_key_binding(key, state);
    return 0;
}

int remove_all_key_bindings(lua_State* L) {
    Fl_Text_Editor* e = editor_call(L, 1);
    e->remove_all_key_bindings();
    push_widget_data(L, e, false);
    if (lua_istable(L, -1)) {
        lua_getfield(L, -1, "keys");
        const bool has_default = lua_istable(L, -1) && lua_getfield(L, -1, "default") != LUA_TNIL;
        lua_settop(L, 2);
        if (!has_default) {
            lua_pushnil(L);
            lua_setfield(L, -2, "keys");
        }
    }
    return 0;
}

int add_default_key_bindings(lua_State* L) {
    Fl_Text_Editor* e = editor_call(L, 1);
    e->add_default_key_bindings(&(e->*&Keys::key_bindings));
    return 0;
}

int bound_key_function(lua_State* L) {
    Fl_Text_Editor* e = editor_call(L, 3);
    const int key = check_key(L, 2), state = check_state(L, 3);
    const Key_Func f = e->bound_key_function(key, state);
    if (f == key_trampoline) {
        push_keys(L, e, true);
        lua_rawgeti(L, -1, binding_key(key, state));
    } else {
        lua_pushboolean(L, f != nullptr);
        if (!f) lua_pushnil(L);
    }
    return 1;
}

int default_key_function(lua_State* L) {
    Fl_Text_Editor* e = editor_call(L, 2);
    if (!lua_isnil(L, 2)) luaL_checktype(L, 2, LUA_TFUNCTION);
    push_keys(L, e, true);
    lua_pushvalue(L, 2);
    lua_setfield(L, -2, "default");
    e->default_key_function(lua_isnil(L, 2) ? Fl_Text_Editor::kf_default : default_trampoline);
    return 0;
}

int help_link(lua_State* L) {
    auto* view = check_self<Fl_Help_View>(L);
    check_nargs(L, 2);
    if (!lua_isnil(L, 2)) luaL_checktype(L, 2, LUA_TFUNCTION);
    push_widget_data(L, view, true);
    lua_pushvalue(L, 2);
    lua_setfield(L, -2, "link");
    guard_links(view);
    return 0;
}

void guard_links(Fl_Help_View* view) { view->link(link_trampoline); }

}  // namespace fluac_lua
