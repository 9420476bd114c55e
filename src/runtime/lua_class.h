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

// Calls the method of a defined class (a base's, which a class's own method
// of the same name hides) with the arguments on the stack; returns its
// results, as a lua_CFunction does.
int call_inherited(lua_State* L, const char* class_name, const char* method);

}  // namespace fluac_lua
