// Fl's event functions: the state of the event being handled, the widgets
// that hold focus, the pointer and the mouse, the clipboard and drag and
// drop, and the global event handlers.
#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include <cstring>

#include "api_support.h"
#include "arguments.h"
#include "callbacks.h"
#include "handles.h"
#include "kept_functions.h"
#include "member_functions.h"

namespace fluac_lua {

namespace {

#define INT_GETTER(NAME)                           \
    int fl_##NAME(lua_State* L) {                  \
        check_nargs(L, 1);                         \
        lua_pushinteger(L, Fl::NAME());            \
        return 1;                                  \
    }
#define FLAG_GETTER(NAME)                          \
    int fl_##NAME(lua_State* L) {                  \
        check_nargs(L, 1);                         \
        lua_pushboolean(L, Fl::NAME() != 0);       \
        return 1;                                  \
    }
INT_GETTER(event)
INT_GETTER(event_button)
INT_GETTER(event_buttons)
INT_GETTER(event_dx)
INT_GETTER(event_dy)
INT_GETTER(event_length)
INT_GETTER(event_original_key)
INT_GETTER(event_x_root)
INT_GETTER(event_y_root)
FLAG_GETTER(event_alt)
FLAG_GETTER(event_button1)
FLAG_GETTER(event_button2)
FLAG_GETTER(event_button3)
FLAG_GETTER(event_command)
FLAG_GETTER(event_ctrl)
FLAG_GETTER(event_shift)
#undef FLAG_GETTER
#undef INT_GETTER

// event_clicks() and event_is_click() are also setters in C++.
int fl_event_clicks(lua_State* L) {
    check_nargs(L, 2);
    if (lua_gettop(L) >= 2) {
        Fl::event_clicks(check_int(L, 2));
        return 0;
    }
    lua_pushinteger(L, Fl::event_clicks());
    return 1;
}

int fl_event_is_click(lua_State* L) {
    check_nargs(L, 2);
    if (lua_gettop(L) >= 2) {
        // As in C++, a click can be cancelled, not made.
        if (check_flag(L, 2)) return luaL_argerror(L, 2, "only false (0) is allowed");
        Fl::event_is_click(0);
        return 0;
    }
    lua_pushboolean(L, Fl::event_is_click() != 0);
    return 1;
}

int fl_event_text(lua_State* L) {
    check_nargs(L, 1);
    const char* text = Fl::event_text();
    if (text) lua_pushlstring(L, text, static_cast<size_t>(Fl::event_length()));
    else lua_pushnil(L);
    return 1;
}

// event_inside(widget) or event_inside(x, y, w, h).
int fl_event_inside(lua_State* L) {
    check_nargs(L, 5);
    if (lua_gettop(L) <= 2) {
        lua_pushboolean(L, Fl::event_inside(check_widget(L, 2)) != 0);
    } else {
        lua_pushboolean(L, Fl::event_inside(check_int(L, 2), check_int(L, 3), check_int(L, 4),
                                             check_int(L, 5)) != 0);
    }
    return 1;
}

int fl_event_clipboard_type(lua_State* L) {
    check_nargs(L, 1);
    push_string_or_nil(L, Fl::event_clipboard_type());
    return 1;
}

// The text of an FL_PASTE of text; an image has no Lua form, so nil.
int fl_event_clipboard(lua_State* L) {
    check_nargs(L, 1);
    const char* type = Fl::event_clipboard_type();
    if (Fl::event() == FL_PASTE && type && std::strcmp(type, Fl::clipboard_plain_text) == 0 &&
        Fl::event_text())
        lua_pushlstring(L, Fl::event_text(), static_cast<size_t>(Fl::event_length()));
    else
        lua_pushnil(L);
    return 1;
}

int fl_get_key(lua_State* L) {
    check_nargs(L, 2);
    lua_pushboolean(L, Fl::get_key(check_int(L, 2)) != 0);
    return 1;
}

int fl_get_mouse(lua_State* L) {
    check_nargs(L, 1);
    int x = 0, y = 0;
    Fl::get_mouse(x, y);
    lua_pushinteger(L, x);
    lua_pushinteger(L, y);
    return 2;
}

int fl_test_shortcut(lua_State* L) {
    check_nargs(L, 2);
    lua_pushboolean(L, Fl::test_shortcut(static_cast<Fl_Shortcut>(check_range(L, 2, 0, 0xffffffffLL))) != 0);
    return 1;
}

// compose() -> whether the key composes, and how many bytes to delete first.
int fl_compose(lua_State* L) {
    check_nargs(L, 1);
    int del = 0;
    const int r = Fl::compose(del);
    lua_pushboolean(L, r != 0);
    lua_pushinteger(L, del);
    return 2;
}

int fl_compose_reset(lua_State* L) {
    check_nargs(L, 1);
    Fl::compose_reset();
    return 0;
}

// Widgets FLTK keeps for events: getters, and setters that take nil.
#define WIDGET_PROPERTY(NAME)                      \
    int fl_##NAME(lua_State* L) {                  \
        check_nargs(L, 2);                         \
        if (lua_gettop(L) >= 2) {                  \
            Fl::NAME(opt_widget(L, 2));            \
            return 0;                              \
        }                                          \
        push_widget(L, Fl::NAME());                \
        return 1;                                  \
    }
WIDGET_PROPERTY(belowmouse)
WIDGET_PROPERTY(pushed)
WIDGET_PROPERTY(selection_owner)
#undef WIDGET_PROPERTY

int fl_focus(lua_State* L) {
    check_nargs(L, 2);
    if (lua_gettop(L) < 2) {
        push_widget(L, Fl::focus());
        return 1;
    }
    Fl_Widget* w = opt_widget(L, 2);
    need_display_to_focus(L, w);
    Fl::focus(w);
    return 0;
}

int fl_modal(lua_State* L) {
    check_nargs(L, 1);
    push_widget(L, Fl::modal());
    return 1;
}

// grab(window) sends every event to it; grab(nil) or release() ends that.
// X grabs the pointer of a window it has, so the window must be shown; and
// FLTK keeps the grab after the window is deleted, so only a window the
// binding made, which ends the grab when deleted, may take it.
int fl_grab(lua_State* L) {
    check_nargs(L, 2);
    if (lua_gettop(L) < 2) {
        push_widget(L, Fl::grab());
        return 1;
    }
    Fl_Window* w = lua_isnil(L, 2) ? nullptr : check_window(L, 2);
    if (w && !w->shown()) return luaL_argerror(L, 2, "the window is not shown");
    if (w && !dynamic_cast<BoundWidget*>(w))
        return luaL_argerror(L, 2, "only a window the script made can grab");
    Fl::grab(w);
    return 0;
}

int fl_release(lua_State* L) {
    check_nargs(L, 1);
    Fl::release();
    return 0;
}

int fl_readqueue(lua_State* L) {
    check_nargs(L, 1);
    push_widget(L, Fl::readqueue());
    return 1;
}

int fl_next_window(lua_State* L) {
    check_nargs(L, 2);
    push_widget(L, Fl::next_window(check_window(L, 2)));
    return 1;
}

// Fl:handle_(event, window): FLTK's own dispatch, for an event_dispatch function.
int fl_handle_(lua_State* L) {
    check_nargs(L, 3);
    const int event = static_cast<int>(check_range(L, 2, 0, 255));
    Fl_Window* w = check_window(L, 3);
    const int r = Fl::handle_(event, w);
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

// The clipboard. Only text has a Lua form; FLTK's own name for its type is
// Fl.clipboard_plain_text.
const char* check_clipboard_type(lua_State* L, int idx) {
    if (lua_isnoneornil(L, idx)) return Fl::clipboard_plain_text;
    const char* type = luaL_checkstring(L, idx);
    if (std::strcmp(type, Fl::clipboard_plain_text) == 0) return Fl::clipboard_plain_text;
    if (std::strcmp(type, Fl::clipboard_image) == 0) return Fl::clipboard_image;
    luaL_argerror(L, idx, "Fl.clipboard_plain_text or Fl.clipboard_image");
    return nullptr;
}

// copy(text [, destination [, type]]): 0 the selection, 1 the clipboard, 2 both.
int fl_copy(lua_State* L) {
    check_nargs(L, 4);
    size_t len = 0;
    const char* text = luaL_checklstring(L, 2, &len);
    const int destination = static_cast<int>(luaL_opt(L, check_int, 3, 0));
    if (destination < 0 || destination > 2) return luaL_argerror(L, 3, "0, 1 or 2");
    const char* type = check_clipboard_type(L, 4);
    if (type != Fl::clipboard_plain_text) return luaL_argerror(L, 4, "only text can be copied");
    Fl::copy(text, static_cast<int>(len), destination, type);
    return 0;
}

// paste(widget [, source [, type]]): the widget receives FL_PASTE.
int fl_paste(lua_State* L) {
    check_nargs(L, 4);
    Fl_Widget* w = check_widget(L, 2);
    const int source = static_cast<int>(luaL_opt(L, check_int, 3, 0));
    if (source < 0 || source > 1) return luaL_argerror(L, 3, "0 or 1");
    Fl::paste(*w, source, check_clipboard_type(L, 4));
    raise_pending_error(L);
    return 0;
}

int fl_clipboard_contains(lua_State* L) {
    check_nargs(L, 2);
    lua_pushboolean(L, Fl::clipboard_contains(check_clipboard_type(L, 2)) != 0);
    return 1;
}

int fl_selection(lua_State* L) {
    check_nargs(L, 3);
    Fl_Widget* owner = check_widget(L, 2);
    size_t len = 0;
    const char* text = luaL_checklstring(L, 3, &len);
    Fl::selection(*owner, text, static_cast<int>(len));
    return 0;
}

int fl_dnd(lua_State* L) {
    check_nargs(L, 1);
    const int r = Fl::dnd();
    raise_pending_error(L);
    lua_pushinteger(L, r);
    return 1;
}

// Global handlers. FLTK's take no value, so one C function serves every Lua
// handler: the latest added is asked first, as in FLTK, until one takes the
// event (returns true or a number other than 0).
const char kHandlers[] = "fluac.handlers";

bool handled(lua_State* L, int idx) {
    return lua_isinteger(L, idx) ? lua_tointeger(L, idx) != 0 : lua_toboolean(L, idx);
}

// 1 = event (light userdata holding int*), 2 = result (int*).
int run_handlers(lua_State* L) {
    const int event = *static_cast<int*>(lua_touserdata(L, 1));
    int* result = static_cast<int*>(lua_touserdata(L, 2));
    push_holder(L, kHandlers);
    for (lua_Integer i = luaL_len(L, -1); i >= 1; --i) {
        lua_rawgeti(L, -1, i);
        lua_pushinteger(L, event);
        lua_call(L, 1, 1);
        if (handled(L, -1)) {
            *result = 1;
            break;
        }
        lua_pop(L, 1);
    }
    return 0;
}

int handler_cb(int event) {
    int result = 0;
    call_protected(run_handlers, &event, &result);
    return result;
}

int fl_add_handler(lua_State* L) {
    check_nargs(L, 2);
    luaL_checktype(L, 2, LUA_TFUNCTION);
    push_holder(L, kHandlers);
    const lua_Integer n = luaL_len(L, -1);
    lua_pushvalue(L, 2);
    lua_rawseti(L, -2, n + 1);
    if (n == 0) Fl::add_handler(handler_cb);
    return 0;
}

int fl_remove_handler(lua_State* L) {
    check_nargs(L, 2);
    luaL_checktype(L, 2, LUA_TFUNCTION);
    push_holder(L, kHandlers);
    const lua_Integer n = luaL_len(L, -1);
    for (lua_Integer i = n; i >= 1; --i) {
        lua_rawgeti(L, -1, i);
        const bool same = lua_rawequal(L, -1, 2);
        lua_pop(L, 1);
        if (!same) continue;
        for (lua_Integer j = i; j < n; ++j) {
            lua_rawgeti(L, -1, j + 1);
            lua_rawseti(L, -2, j);
        }
        lua_pushnil(L);
        lua_rawseti(L, -2, n);
        if (n == 1) Fl::remove_handler(handler_cb);
        break;
    }
    return 0;
}

// event_dispatch(fn): fn(event, window) handles every event, usually by
// calling Fl:handle_(event, window); nil restores FLTK's dispatch.
const char kDispatch[] = "fluac.event_dispatch";

struct DispatchCall {
    int event;
    Fl_Window* window;
    int result;
};

int run_dispatch(lua_State* L) {
    auto* call = static_cast<DispatchCall*>(lua_touserdata(L, 1));
    lua_getfield(L, LUA_REGISTRYINDEX, kDispatch);
    lua_pushinteger(L, call->event);
    push_widget(L, call->window);
    lua_call(L, 2, 1);
    call->result = handled(L, -1) ? 1 : 0;
    return 0;
}

int dispatch_cb(int event, Fl_Window* w) {
    DispatchCall call = {event, w, -1};
    call_protected(run_dispatch, &call, nullptr);
    // When no Lua ran (an error is pending), FLTK still gets the event.
    return call.result >= 0 ? call.result : Fl::handle_(event, w);
}

int fl_event_dispatch(lua_State* L) {
    check_nargs(L, 2);
    if (lua_gettop(L) < 2) {
        lua_getfield(L, LUA_REGISTRYINDEX, kDispatch);
        return 1;
    }
    if (!lua_isnil(L, 2)) luaL_checktype(L, 2, LUA_TFUNCTION);
    const bool clear = lua_isnil(L, 2);
    lua_settop(L, 2);
    lua_setfield(L, LUA_REGISTRYINDEX, kDispatch);
    Fl::event_dispatch(clear ? nullptr : dispatch_cb);
    return 0;
}

// Clipboard notification: fn(source, data) when another program copies.
const char kClipboardNotify[] = "fluac.clipboard_notify";

int run_clipboard_notify(lua_State* L) {
    const int source = *static_cast<int*>(lua_touserdata(L, 1));
    push_holder(L, kClipboardNotify);
    lua_pushnil(L);
    while (lua_next(L, -2)) {
        const lua_Integer id = lua_tointeger(L, -2);
        lua_pop(L, 1);
        if (push_kept(L, key_of(id))) {
            lua_pushinteger(L, source);
            lua_insert(L, -2);
            lua_call(L, 2, 0);
        }
    }
    return 0;
}

void clipboard_notify_cb(int source, void*) {
    call_protected(run_clipboard_notify, &source, nullptr);
}

int fl_add_clipboard_notify(lua_State* L) {
    check_nargs(L, 3);
    lua_settop(L, 3);
    push_holder(L, kClipboardNotify);
    lua_pushnil(L);
    const bool first = lua_next(L, 4) == 0;
    lua_settop(L, 4);
    keep_function(L, 4, 2, 3);
    if (first) Fl::add_clipboard_notify(clipboard_notify_cb, nullptr);
    return 0;
}

int fl_remove_clipboard_notify(lua_State* L) {
    check_nargs(L, 2);
    luaL_checktype(L, 2, LUA_TFUNCTION);
    lua_settop(L, 2);
    push_holder(L, kClipboardNotify);
    each_kept(L, 3, 2, 2, true, [&](void* key) { forget_kept(L, 3, key); });
    lua_pushnil(L);
    if (lua_next(L, 3) == 0) Fl::remove_clipboard_notify(clipboard_notify_cb);
    else lua_pop(L, 2);
    return 0;
}

// set_atclose(fn): fn(window) runs when the user closes a window whose
// callback is FLTK's default; nil restores FLTK's, which hides it.
const char kAtclose[] = "fluac.atclose";

int run_atclose(lua_State* L) {
    lua_getfield(L, LUA_REGISTRYINDEX, kAtclose);
    push_widget(L, static_cast<Fl_Window*>(lua_touserdata(L, 1)));
    lua_call(L, 1, 0);
    return 0;
}

void atclose_cb(Fl_Window* w, void*) { call_protected(run_atclose, w, nullptr); }

int fl_set_atclose(lua_State* L) {
    check_nargs(L, 2);
    if (!lua_isnil(L, 2)) luaL_checktype(L, 2, LUA_TFUNCTION);
    const bool clear = lua_isnil(L, 2);
    lua_settop(L, 2);
    lua_setfield(L, LUA_REGISTRYINDEX, kAtclose);
    Fl::set_atclose(clear ? Fl::default_atclose : atclose_cb);
    return 0;
}

int fl_default_atclose(lua_State* L) {
    check_nargs(L, 2);
    Fl_Window* w = check_window(L, 2);
    Fl::default_atclose(w, w->user_data());
    return 0;
}

const luaL_Reg kEventFunctions[] = {
    {"event", fl_event},
    {"event_alt", fl_event_alt},
    {"event_button", fl_event_button},
    {"event_button1", fl_event_button1},
    {"event_button2", fl_event_button2},
    {"event_button3", fl_event_button3},
    {"event_buttons", fl_event_buttons},
    {"event_clicks", fl_event_clicks},
    {"event_clipboard", fl_event_clipboard},
    {"event_clipboard_type", fl_event_clipboard_type},
    {"event_command", fl_event_command},
    {"event_ctrl", fl_event_ctrl},
    {"event_dispatch", fl_event_dispatch},
    {"event_dx", fl_event_dx},
    {"event_dy", fl_event_dy},
    {"event_inside", fl_event_inside},
    {"event_is_click", fl_event_is_click},
    {"event_length", fl_event_length},
    {"event_original_key", fl_event_original_key},
    {"event_shift", fl_event_shift},
    {"event_text", fl_event_text},
    {"event_x_root", fl_event_x_root},
    {"event_y_root", fl_event_y_root},
    {"get_key", fl_get_key},
    {"get_mouse", fl_get_mouse},
    {"test_shortcut", fl_test_shortcut},
    {"compose", fl_compose},
    {"compose_reset", fl_compose_reset},
    {"focus", fl_focus},
    {"belowmouse", fl_belowmouse},
    {"pushed", fl_pushed},
    {"selection_owner", fl_selection_owner},
    {"modal", fl_modal},
    {"grab", fl_grab},
    {"release", fl_release},
    {"readqueue", fl_readqueue},
    {"next_window", fl_next_window},
    {"handle_", fl_handle_},
    {"copy", fl_copy},
    {"paste", fl_paste},
    {"clipboard_contains", fl_clipboard_contains},
    {"selection", fl_selection},
    {"dnd", fl_dnd},
    {"add_handler", fl_add_handler},
    {"remove_handler", fl_remove_handler},
    {"add_clipboard_notify", fl_add_clipboard_notify},
    {"remove_clipboard_notify", fl_remove_clipboard_notify},
    {"set_atclose", fl_set_atclose},
    {"default_atclose", fl_default_atclose},
    {nullptr, nullptr},
};

}  // namespace

void add_fl_event_functions(lua_State* L) {
    luaL_setfuncs(L, kEventFunctions, 0);
    lua_pushstring(L, Fl::clipboard_plain_text);
    lua_setfield(L, -2, "clipboard_plain_text");
    lua_pushstring(L, Fl::clipboard_image);
    lua_setfield(L, -2, "clipboard_image");
}

}  // namespace fluac_lua
