#include "lua_class.h"

namespace fluac_lua {

void define_class(lua_State* L, const LuaClass& c) {
    luaL_newmetatable(L, c.name);
    if (c.metamethods) luaL_setfuncs(L, c.metamethods, 0);
    lua_newtable(L);
    luaL_setfuncs(L, c.methods, 0);
    if (c.parent) {
        lua_createtable(L, 0, 1);
        push_methods(L, c.parent);
        lua_setfield(L, -2, "__index");
        lua_setmetatable(L, -2);
    }
    lua_setfield(L, -2, "__index");
    lua_pop(L, 1);
}

void push_methods(lua_State* L, const char* class_name) {
    luaL_getmetatable(L, class_name);
    lua_getfield(L, -1, "__index");
    lua_remove(L, -2);
}

}  // namespace fluac_lua
