// The X display, for what FLTK cannot do without one: showing windows,
// measuring text, dispatching events.
#pragma once

#include <lua.hpp>

namespace fluac_lua {

// Opens the display if it is not open yet; a Lua error where none can be
// opened, and always with --tree, which draws nothing.
void need_display(lua_State* L);

}  // namespace fluac_lua
