// Fl_Text_Buffer as a Lua class: fltk:Fl_Text_Buffer() makes one that Lua
// owns (collecting it deletes it), with modify and predelete callbacks that
// are Lua functions.
#pragma once

#include <lua.hpp>

class Fl_Text_Buffer;

namespace fluac_lua {

// The buffer of the object at `idx`; an argument error for anything else.
// A widget that uses the buffer must keep this object in its Lua data
// (push_widget_data), since collecting the object deletes the buffer.
Fl_Text_Buffer* check_text_buffer(lua_State* L, int idx);
// Pushes the object of a buffer (the one Lua made, or a new one that does
// not own it for a buffer FLTK made), or nil for null.
void push_text_buffer(lua_State* L, Fl_Text_Buffer* buffer);

}  // namespace fluac_lua
