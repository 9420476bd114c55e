// Argument checks shared by the binding's functions. They raise Lua errors,
// so callers run them before creating anything that needs a destructor.
#pragma once

#include <FL/Enumerations.H>

#include <lua.hpp>

namespace fluac_lua {

// FLTK keeps fonts, box types and label types in fixed tables; an index past
// them would be read out of bounds, so the binding refuses it. Box types,
// label types and callback conditions are besides C++ enumerations, which
// hold only the numbers their enumerators' bits reach (six, four and four).
constexpr long long kLastFont = FL_FREE_FONT - 1;
constexpr long long kLastBoxtype = 63;
constexpr long long kLastLabeltype = 15;
constexpr long long kLastWhen = 15;
constexpr long long kLargestSize = 1000;  // font sizes
// Places and sizes: FLTK adds and subtracts them in int, which must not
// overflow.
constexpr long long kLargestCoordinate = 1LL << 24;
constexpr long long kLastColor = 0xffffffffLL;

// An integer within [low, high]; a number with a fraction or out of range is
// an argument error.
long long check_range(lua_State* L, int idx, long long low, long long high);
int check_int(lua_State* L, int idx);
// A place or size, within ±kLargestCoordinate.
int check_coordinate(lua_State* L, int idx);
// A number that is neither infinite nor NaN.
double check_finite(lua_State* L, int idx);
// Refuses a call with more than `most` arguments (the object counts as one),
// as luaposix's checknargs does: surplus arguments are a mistake, not noise.
void check_nargs(lua_State* L, int most);
// True when the call passed arguments after the object itself: FLTK's
// accessors are getters without arguments and setters with them.
inline bool is_setter(lua_State* L) { return lua_gettop(L) >= 2; }

}  // namespace fluac_lua
