// Methods of widget handles.
#pragma once

#include <lua.hpp>

class Fl_Widget;

namespace fluac_lua {

// Methods every widget has; added to the table on top of the stack.
void add_widget_methods(lua_State* L);
// Methods that only some kinds of widget have (values, ranges, text style,
// menus and browsers, window sizes); they check the kind at call time.
void add_kind_methods(lua_State* L);
void add_menu_methods(lua_State* L);

// menu:add(path, shortcut, callback, user_data, flags); the menu form of add().
int menu_add(lua_State* L);

// Sets a label as a copy (an empty one as none); windows also retitle
// themselves.
void set_label(Fl_Widget* w, const char* text);

// The error for a method that the widget's kind does not have.
int no_such_method(lua_State* L, Fl_Widget* w, const char* method);

}  // namespace fluac_lua
