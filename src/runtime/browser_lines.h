// The Lua values of browser lines. FLTK keeps a void* with each line; the
// binding keeps there a key into the browser's Lua data, so that a line's
// value lives as long as the browser and never becomes a pointer.
#pragma once

#include <lua.hpp>

class Fl_Browser;

namespace fluac_lua {

// Keeps the value at `idx` for a line of `b`: the key to give FLTK, null
// for nil or none. A file browser keeps its icons there, so it takes none.
void* keep_line_data(lua_State* L, Fl_Browser* b, int idx);
// Pushes the value kept under `key`, or nil.
void push_line_data(lua_State* L, Fl_Browser* b, void* key);
// Drops every value, once the browser has no lines.
void forget_line_data(lua_State* L, Fl_Browser* b);

}  // namespace fluac_lua
