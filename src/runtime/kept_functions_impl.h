// Template part of kept_functions.h.
#pragma once

#include <vector>

namespace fluac_lua {

template <class F>
void each_kept(lua_State* L, int holder, int fn, int data, bool any_data, F&& visit) {
    holder = lua_absindex(L, holder);
    fn = lua_absindex(L, fn);
    data = lua_absindex(L, data);
    // Collected first: the visitor may remove entries.
    std::vector<lua_Integer> found;
    lua_pushnil(L);
    while (lua_next(L, holder)) {
        if (lua_isinteger(L, -2) && lua_istable(L, -1)) {
            lua_rawgeti(L, -1, 1);
            lua_rawgeti(L, -2, 2);
            if (lua_rawequal(L, -2, fn) && (any_data || lua_rawequal(L, -1, data)))
                found.push_back(lua_tointeger(L, -4));
            lua_pop(L, 2);
        }
        lua_pop(L, 1);
    }
    for (lua_Integer id : found) visit(key_of(id));
}

}  // namespace fluac_lua
