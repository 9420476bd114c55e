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

// The entries of the holder at `holder` whose function is the value at `fn`
// and whose value is the one at `data` (any value, when `any_data`), in no
// particular order. Pushes nothing.
template <class F>
void each_kept(lua_State* L, int holder, int fn, int data, bool any_data, F&& visit);

// The key of an entry in a holder table, as the integer it is stored under.
void* key_of(lua_Integer id);
lua_Integer id_of(void* key);

}  // namespace fluac_lua

#include "kept_functions_impl.h"
