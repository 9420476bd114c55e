// The FLTK binding for Lua that translated scripts run against: the globals
// fltk, Fl, Fl_Group and Fl_Shared_Image.
#pragma once

#include <lua.hpp>

class Fl_Widget;

namespace fluac_lua {

void open_binding(lua_State* L);
// Before lua_close: widgets that outlive the state must not reach it.
void close_binding();

// Queues a widget the script built for deletion at the next Fl:check() or
// Fl:wait(), unless a widget queued already holds it.
void queue_deletion(Fl_Widget* w);

// With --watch, Fl:run() ends the script, and the program runs the event
// loop itself, rebuilding the widgets as the file changes.
void enable_watch_mode();

// In screenshot and watch mode Fl:run() ends the script by raising this value.
bool is_stop_signal(lua_State* L, int idx);

}  // namespace fluac_lua
