// The binding as a Lua C module: require "fltk" (or lua5.4 -l fltk) opens
// the same binding that fluac-lua opens, and returns the fltk table.
//
// The environment chooses what fluac-lua's options choose:
// FLUAC_LUA_TREE=1 is --tree, FLUAC_LUA_SCREENSHOT=OUT.png is --screenshot.
#include <cstdlib>

#include <lua.hpp>

#include "binding.h"
#include "handles.h"
#include "screenshot.h"
#include "screenshot_hook.h"
#include "tree.h"

namespace {

// Registry keys: the module table, and the sentinel that closes the binding.
const char kModule[] = "fluac.module";
char gSentinel;

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// __gc of the sentinel that the state closes last of what the binding made.
int close_module(lua_State*) {
    fluac_lua::close_binding();
    return 0;
}

int open(lua_State* L) {
    const char* tree = environment("FLUAC_LUA_TREE");
    const char* screenshot = environment("FLUAC_LUA_SCREENSHOT");
    if (tree && screenshot)
        return luaL_error(L, "fltk: FLUAC_LUA_TREE and FLUAC_LUA_SCREENSHOT cannot both be set");
    if (tree) fluac_lua::enable_tree_mode();
    if (screenshot) {
        fluac_lua::enable_screenshot_and_exit(screenshot);
        fluac_screenshot::prepare();
    }
    // The sentinel comes first, so that the state finalizes it after every
    // widget handle.
    lua_newuserdatauv(L, 0, 0);
    lua_createtable(L, 0, 1);
    lua_pushcfunction(L, close_module);
    lua_setfield(L, -2, "__gc");
    lua_setmetatable(L, -2);
    lua_rawsetp(L, LUA_REGISTRYINDEX, &gSentinel);

    fluac_lua::open_binding(L);
    lua_getglobal(L, "fltk");
    lua_pushvalue(L, -1);
    lua_setfield(L, LUA_REGISTRYINDEX, kModule);
    return 1;
}

}  // namespace

// The binding keeps process-wide state (FLTK's own included), so one Lua
// state at a time can open it, from its main thread; requiring it again in
// that state gives the same table.
extern "C" int luaopen_fltk(lua_State* L) {
    lua_rawgeti(L, LUA_REGISTRYINDEX, LUA_RIDX_MAINTHREAD);
    lua_State* main_thread = lua_tothread(L, -1);
    lua_pop(L, 1);
    if (lua_State* owner = fluac_lua::binding_state()) {
        if (owner != main_thread) return luaL_error(L, "fltk: another Lua state has the module open");
        lua_getfield(L, LUA_REGISTRYINDEX, kModule);
        return 1;
    }
    if (L != main_thread) return luaL_error(L, "fltk: the module must be opened by the main thread");
    return open(L);
}
