// Menu entries as FLUID's C++ makes them: added by path without merging,
// with FLUID's defaults, and reachable from Lua after their add.
#pragma once

#include <FL/Fl_Menu_Item.H>
#include <lua.hpp>

class Fl_Menu_;
class Fl_Widget;

namespace fluac_lua {

// The menu of a menu widget: the widget itself, or an input choice's menu
// button; null for any other widget.
Fl_Menu_* menu_of(Fl_Widget* w);

// Adds an entry at the end of the submenu that PATH names, as FLTK's add
// reads a path ("/" between submenus, "\" escaping the next character, a
// leading "_" for a divider after the entry), but never merges it into an
// entry of the same label: FLUID's menus hold every entry they list. A
// submenu on the path that does not exist yet is added; of several with
// the same label, the last one is taken. Every new entry gets FLUID's label
// size, 14. Returns FLTK's index of the new entry.
int add_menu_path(Fl_Menu_* m, const char* path, int shortcut, Fl_Callback* callback,
                  void* data, int flags);

// menu:add(path [, shortcut, callback, user_data, flags]), on the menu m.
int menu_add(lua_State* L, Fl_Menu_* m);

// The classes of menu entries and of a menu's array of them.
void open_menu_entries(lua_State* L);
// menu:menu(): the menu's entries, indexed from 0 as FLTK's add counts them.
int menu_array(lua_State* L);
// Pushes the handle of the entry at FLTK's index i of the menu whose widget
// handle is at menu_idx; nil for i < 0.
void push_entry_handle(lua_State* L, int menu_idx, int i);
// Before a menu pops up: the display, and a shown window for FLTK's grab,
// which would crash without one.
void need_popup_window(lua_State* L);
// Fl_Input_Choice's methods, which are mostly its menu's.
extern const luaL_Reg kInputChoiceMethods[];
// Called when FLTK is about to delete a bound widget: entries that show an
// image keep it where FLTK frees a label, so they get a label again.
void release_menu_images(Fl_Widget* w);

}  // namespace fluac_lua
