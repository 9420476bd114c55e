// Where a script's widgets go, read off the script's own block structure.
//
// fluac writes each widget as a Lua block, `do NAME= fltk:CLASS(0,0,0,0,"")`
// ... `end`, with the blocks of a container's children inside the
// container's block. Only Fl_Group's block ends by making its parent current
// again; other containers (tabs, scrolls, windows, ...) end with a bare `end`,
// so FLTK's current group alone would put the widgets after them inside them.
// The binding therefore reads the block structure of each script file (with
// a Lua lexer, see script_blocks.lua) the first time one of its lines makes a
// widget, and:
//
// * a constructor called on the opening line of a widget block puts the new
//   widget into the group of the nearest enclosing widget block that made a
//   container (the group its constructor made current: the container itself,
//   or the inner group of an Fl_Table). Without such a block, the widget
//   joins FLTK's current group, after leaving every group whose block has
//   ended, as C++'s end() would;
// * a show() call on the line right after a window block's `end`, on that
//   window or a widget inside it, shows that window. An unnamed window's show
//   line names whichever unnamed widget came last, since all are "widget".
//
// Constructors and show() calls anywhere else follow FLTK's own rules.
#pragma once

#include <string>

#include <lua.hpp>

class Fl_Widget;

namespace fluac_lua {

struct WidgetBlock;

// Loads the block reader; to be called before any script runs.
void open_structure(lua_State* L);
// Forgets every script read and the widgets recorded for its blocks.
void close_structure();
// The text of the chunk named `source` ("@NAME") when it was loaded from
// memory rather than from that file.
void give_chunk_text(const std::string& source, std::string text);

// Called by a constructor before it makes its widget: sets FLTK's current
// group for the new widget when the call opens a widget block, and returns
// that block (null otherwise).
WidgetBlock* place_new_widget(lua_State* L);
// Records the widget that `block` (from place_new_widget) made.
void note_block_widget(WidgetBlock* block, Fl_Widget* w);

// The widget that a show() call on `receiver` shows.
Fl_Widget* widget_to_show(lua_State* L, Fl_Widget* receiver);

}  // namespace fluac_lua
