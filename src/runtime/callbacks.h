// Lua functions as FLTK callbacks.
//
// FLTK calls callbacks from inside its own C++ frames, where a Lua error must
// not unwind. Each callback therefore runs in a protected call; its error is
// kept as pending, the event loop stops, and the binding function that let
// FLTK run (Fl:run(), do_callback(), ...) raises it once FLTK has returned.
#pragma once

#include <FL/Fl_Widget.H>

#include <lua.hpp>

class Fl_Widget;
class Fl_Menu_;

namespace fluac_lua {

// The widget's callback becomes the function at `idx`, or FLTK's default for nil.
void set_widget_callback(lua_State* L, Fl_Widget* w, int idx);
void push_widget_callback(lua_State* L, Fl_Widget* w);

// Adds a menu entry whose callback is the function at `fn_idx` (or none, for
// nil), called with the menu and the value at `data_idx`. Returns FLTK's index.
int add_menu_entry(lua_State* L, Fl_Menu_* menu, const char* path, int shortcut, int fn_idx,
                   int data_idx, int flags);
// Keeps the function at `fn_idx` and the value at `data_idx` for an entry
// of the menu: returns the user data to give the entry, and sets the
// callback to give it (null for no function).
void* keep_menu_entry(lua_State* L, Fl_Menu_* menu, int fn_idx, int data_idx, Fl_Callback** callback);
// Pushes the callback and the user data of the menu entry with that user_data.
void push_menu_entry(lua_State* L, Fl_Widget* menu, void* key);

// Callbacks run with the message handler at `idx` (nil: none) for lua_pcall.
void set_callback_message_handler(lua_State* L, int idx);

bool error_pending();
// Raises the pending callback error, if there is one.
void raise_pending_error(lua_State* L);
// Drops it, when the state is closed.
void forget_pending_error();

}  // namespace fluac_lua

namespace fluac_lua {

// Runs f with `a` and `b` as light userdata in a protected call, as widget
// callbacks run: for the other callbacks FLTK makes (timers, buffers,
// dialogs). Nothing runs while an error is pending.
void call_protected(lua_CFunction f, void* a, void* b);

}  // namespace fluac_lua
