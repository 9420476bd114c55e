#include "kept_functions.h"

#include <cstdint>

namespace fluac_lua {

namespace {

// Every entry by key, weak, so that the holders alone keep entries alive.
const char kAllKept[] = "fluac.kept";
lua_Integer gLastId = 0;

void push_all(lua_State* L) {
    if (lua_getfield(L, LUA_REGISTRYINDEX, kAllKept) == LUA_TTABLE) return;
    lua_pop(L, 1);
    lua_newtable(L);
    lua_createtable(L, 0, 1);
    lua_pushliteral(L, "v");
    lua_setfield(L, -2, "__mode");
    lua_setmetatable(L, -2);
    lua_pushvalue(L, -1);
    lua_setfield(L, LUA_REGISTRYINDEX, kAllKept);
}

}  // namespace

void* key_of(lua_Integer id) { return reinterpret_cast<void*>(static_cast<intptr_t>(id)); }
lua_Integer id_of(void* key) { return static_cast<lua_Integer>(reinterpret_cast<intptr_t>(key)); }

void push_holder(lua_State* L, const char* name) {
    if (lua_getfield(L, LUA_REGISTRYINDEX, name) == LUA_TTABLE) return;
    lua_pop(L, 1);
    lua_newtable(L);
    lua_pushvalue(L, -1);
    lua_setfield(L, LUA_REGISTRYINDEX, name);
}

void* keep_function(lua_State* L, int holder, int fn, int data) {
    holder = lua_absindex(L, holder);
    fn = lua_absindex(L, fn);
    data = lua_absindex(L, data);
    luaL_checktype(L, fn, LUA_TFUNCTION);
    const lua_Integer id = ++gLastId;
    lua_createtable(L, 2, 0);
    lua_pushvalue(L, fn);
    lua_rawseti(L, -2, 1);
    lua_pushvalue(L, data);
    lua_rawseti(L, -2, 2);
    push_all(L);
    lua_pushvalue(L, -2);
    lua_rawseti(L, -2, id);
    lua_pop(L, 1);
    lua_rawseti(L, holder, id);
    return key_of(id);
}

bool push_kept(lua_State* L, void* key) {
    push_all(L);
    if (lua_rawgeti(L, -1, id_of(key)) != LUA_TTABLE) {
        lua_pop(L, 2);
        return false;
    }
    lua_rawgeti(L, -1, 1);
    lua_rawgeti(L, -2, 2);
    lua_remove(L, -3);
    lua_remove(L, -3);
    return true;
}

void forget_kept(lua_State* L, int holder, void* key) {
    holder = lua_absindex(L, holder);
    lua_pushnil(L);
    lua_rawseti(L, holder, id_of(key));
    push_all(L);
    lua_pushnil(L);
    lua_rawseti(L, -2, id_of(key));
    lua_pop(L, 1);
}

}  // namespace fluac_lua
