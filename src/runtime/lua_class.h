// Lua classes of the binding, each built in one call from luaL_Reg tables, in
// the way of liolib's createmeta.
#pragma once

#include <lua.hpp>

namespace fluac_lua {

struct LuaClass {
    const char* name;          // registry key of the metatable, and the name in messages
    const char* parent;        // class whose methods this one inherits, or nullptr
    const luaL_Reg* methods;   // ends with {nullptr, nullptr}
    const luaL_Reg* metamethods = nullptr;
};

// Creates the metatable of `c` in the registry: its metamethods, and an
// __index holding its methods that falls back on the parent's (which must be
// defined first). __index is the method table itself, unless the metamethods
// name an __index function: that function then gets the method table as its
// one upvalue. Leaves nothing on the stack.
void define_class(lua_State* L, const LuaClass& c);

// Pushes the method table of a defined class.
void push_methods(lua_State* L, const char* class_name);

}  // namespace fluac_lua
