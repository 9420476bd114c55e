// Lua functions that FLTK calls back (timers, idle and check functions, text
// buffer and dialog callbacks), each kept with the value it is called with.
//
// FLTK knows a callback by a C function and a void* argument. Each Lua
// function given to it gets an entry of its own, whose key is that argument:
// the entry lives in a holder table (the registry's, for functions that live
// until FLTK is done with them; an object's own, for callbacks that go with
// the object) and is found by key through a weak table, so that a callback
// FLTK calls after its entry is gone finds nothing and does nothing.
#pragma once

#include <lua.hpp>

#include <vector>

namespace fluac_lua {

// Pushes the registry holder with that name, creating it on first use.
void push_holder(lua_State* L, const char* name);

// Keeps the function at `fn` (checked) with the value at `data` (nil when
// absent) in the holder at `holder`; returns the key to give FLTK.
void* keep_function(lua_State* L, int holder, int fn, int data);

// Pushes the function and the value kept under `key`; pushes nothing and
// returns false when the entry is gone.
bool push_kept(lua_State* L, void* key);

// Removes the entry from its holder at `holder`.
void forget_kept(lua_State* L, int holder, void* key);

// The key of an entry in a holder table, as the integer it is stored under.
void* key_of(lua_Integer id);
lua_Integer id_of(void* key);

// Calls visit(key) for the entries of the holder at `holder` whose function
// is the value at `fn` and whose value is the one at `data` (any value, when
// `any_data`), in no particular order; visit may remove entries.
template <class F>
void each_kept(lua_State* L, int holder, int fn, int data, bool any_data, F&& visit) {
    holder = lua_absindex(L, holder);
    fn = lua_absindex(L, fn);
    data = lua_absindex(L, data);
    // Collected first, since the visitor may remove entries.
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
