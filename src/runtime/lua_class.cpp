#include "lua_class.h"

#include <cstring>

namespace fluac_lua {

namespace {

lua_CFunction find_function(const luaL_Reg* list, const char* name) {
    for (; list && list->name; ++list)
        if (std::strcmp(list->name, name) == 0) return list->func;
    return nullptr;
}

}  // namespace

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
    if (lua_CFunction index = find_function(c.metamethods, "__index"))
        lua_pushcclosure(L, index, 1);
    lua_setfield(L, -2, "__index");
    lua_pop(L, 1);
}

void push_methods(lua_State* L, const char* class_name) {
    luaL_getmetatable(L, class_name);
    if (lua_getfield(L, -1, "__index") == LUA_TFUNCTION) {
        lua_getupvalue(L, -1, 1);
        lua_remove(L, -2);
    }
    lua_remove(L, -2);
}

int call_inherited(lua_State* L, const char* class_name, const char* method) {
    push_methods(L, class_name);
    lua_getfield(L, -1, method);
    lua_remove(L, -2);
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    return lua_gettop(L);
}

}  // namespace fluac_lua
