#include "arguments.h"

#include <climits>
#include <cmath>

namespace fluac_lua {

long long check_range(lua_State* L, int idx, long long low, long long high) {
    lua_Integer n = luaL_checkinteger(L, idx);
    if (n < low || n > high)
        luaL_argerror(L, idx, lua_pushfstring(L, "%I is out of range (%I to %I)", n,
                                              static_cast<lua_Integer>(low),
                                              static_cast<lua_Integer>(high)));
    return n;
}

int check_int(lua_State* L, int idx) {
    return static_cast<int>(check_range(L, idx, INT_MIN, INT_MAX));
}

int check_coordinate(lua_State* L, int idx) {
    return static_cast<int>(check_range(L, idx, -kLargestCoordinate, kLargestCoordinate));
}

double check_finite(lua_State* L, int idx) {
    const double n = luaL_checknumber(L, idx);
    if (!std::isfinite(n)) luaL_argerror(L, idx, "a finite number expected");
    return n;
}

void check_nargs(lua_State* L, int most) {
    const int n = lua_gettop(L);
    if (n > most)
        luaL_argerror(L, most + 1, lua_pushfstring(L, "no more than %d argument%s expected, got %d",
                                                   most, most == 1 ? "" : "s", n));
}

}  // namespace fluac_lua
