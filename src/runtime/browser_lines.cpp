#include "browser_lines.h"

#include <FL/Fl_File_Browser.H>

#include <cstdint>

#include "handles.h"

namespace fluac_lua {

namespace {

const char kField[] = "line_data";

// Pushes the browser's table of line values, made when `create` is set;
// returns false (with nothing pushed) when there is none.
bool push_values(lua_State* L, Fl_Browser* b, bool create) {
    push_widget_data(L, b, create);
    if (!lua_istable(L, -1)) {
        lua_pop(L, 1);
        return false;
    }
    if (lua_getfield(L, -1, kField) != LUA_TTABLE) {
        lua_pop(L, 1);
        if (!create) {
            lua_pop(L, 1);
            return false;
        }
        lua_newtable(L);
        lua_pushvalue(L, -1);
        lua_setfield(L, -3, kField);
    }
    lua_remove(L, -2);
    return true;
}

}  // namespace

void* keep_line_data(lua_State* L, Fl_Browser* b, int idx) {
    if (lua_isnoneornil(L, idx)) return nullptr;
    if (dynamic_cast<Fl_File_Browser*>(b))
        luaL_argerror(L, idx, "a file browser keeps the icons of its lines there");
    lua_pushvalue(L, idx);
    push_values(L, b, true);
    lua_insert(L, -2);
    const int key = luaL_ref(L, -2);
    lua_pop(L, 1);
    return reinterpret_cast<void*>(static_cast<intptr_t>(key));
}

void push_line_data(lua_State* L, Fl_Browser* b, void* key) {
    const auto k = reinterpret_cast<intptr_t>(key);
    if (k <= 0 || k > INT32_MAX || !push_values(L, b, false)) {
        lua_pushnil(L);
        return;
    }
    lua_rawgeti(L, -1, static_cast<lua_Integer>(k));
    lua_remove(L, -2);
}

void forget_line_data(lua_State* L, Fl_Browser* b) {
    push_widget_data(L, b, false);
    if (lua_istable(L, -1)) {
        lua_pushnil(L);
        lua_setfield(L, -2, kField);
    }
    lua_pop(L, 1);
}

}  // namespace fluac_lua
