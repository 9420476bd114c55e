// The widget classes a script can construct: fltk:CLASS(x, y, w, h, label).
#pragma once

#include <lua.hpp>

namespace fluac_lua {

// Adds one constructor per class to the table on top of the stack.
void add_constructors(lua_State* L);

}  // namespace fluac_lua
