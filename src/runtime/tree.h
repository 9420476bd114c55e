// fluac-lua --tree: scripts run with the real binding but without a display.
// Widgets are built as always; showing a window and Fl:run() record instead
// of drawing, and Fl:run() prints the widget tree: every widget the script
// built, with the properties it set, in the order it set them last.
#pragma once

#include <lua.hpp>

class Fl_Widget;
class Fl_Window;

namespace fluac_lua {

void enable_tree_mode();
bool tree_mode();

// Once the classes are defined: makes the setters whose calls the tree shows
// record them.
void open_tree(lua_State* L);
// Gives the chunk at `idx` globals that name each widget by the first global
// variable that holds it.
void name_widgets_by_globals(lua_State* L, int idx);

// A widget the script built (its handle at `idx`).
void note_tree_widget(lua_State* L, int idx);
// A show() (or hide()) call of the script on `w`.
void note_tree_shown(lua_State* L, Fl_Widget* w, bool shown);
// What FLTK's show() of a window does to the widgets, without a display: the
// window is visible, and no group is current any more.
void show_without_display(Fl_Window* win);

// Functions of the chunk named `source` show the line of the file it was
// translated from: the table at `idx` holds that line for each script line.
void give_source_lines(lua_State* L, const char* source, int idx);

// Fl:run(): writes the tree to standard output.
void print_tree(lua_State* L);
// How many times the tree was printed.
int trees_printed();

}  // namespace fluac_lua
