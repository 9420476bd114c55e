// The fltk.FL_* numbers a script names: box and label types (with the values
// FLTK gives them once defined), events, modifiers, menu flags, alignments.
#pragma once

#include <lua.hpp>

namespace fluac_lua {

// Adds the constants to the table on top of the stack.
void add_constants(lua_State* L);

// The name of a box or label type, or null for a number none has.
const char* box_type_name(long long value);
const char* label_type_name(long long value);

}  // namespace fluac_lua
