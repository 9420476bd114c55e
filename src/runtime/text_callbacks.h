// Lua functions that FLTK's text editor and help view call: key bindings,
// the editor's default key function, and the help view's link function.
// FLTK calls them from its event handling, so they run as callbacks do.
#pragma once

#include <lua.hpp>

class Fl_Help_View;

namespace fluac_lua {

// Fl_Text_Editor: add_key_binding(key, state, fn), where fn(key, editor)
// returns true when it handled the key; state is a combination of FL_SHIFT,
// FL_CTRL, ... or -1 for any.
int add_key_binding(lua_State* L);
int remove_key_binding(lua_State* L);
int remove_all_key_bindings(lua_State* L);
int add_default_key_bindings(lua_State* L);
// bound_key_function(key, state): the Lua function, true for one of FLTK's
// own, nil for none.
int bound_key_function(lua_State* L);
// default_key_function(fn): for keys without a binding; nil restores FLTK's.
int default_key_function(lua_State* L);

// Fl_Help_View: link(fn), where fn(view, uri) returns the file to load, or
// nil to stay; nil follows every link. Either way, a link to a file the view
// could not show safely is not followed.
int help_link(lua_State* L);
// Makes the view follow links as link() says, before it shows any.
void guard_links(Fl_Help_View* view);

}  // namespace fluac_lua
