// Fl_Tree and handles of its items.
#pragma once

#include <lua.hpp>

namespace fluac_lua {

// Fl_Tree's method table.
extern const luaL_Reg kTreeMethods[];
// Defines the class of item handles.
void open_tree_items(lua_State* L);

}  // namespace fluac_lua
