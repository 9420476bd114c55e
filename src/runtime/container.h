// Which container Fl_Group:current() names.
//
// FLTK's current group receives every widget constructed. A menu bar is no
// group, yet a translated script closes a menu bar's block the way it closes
// a group's: by making "the current container's parent" current again. So a
// newly constructed Fl_Menu_Bar becomes the script's current container: until
// the next Fl_Group:current(...) call or the next widget constructed,
// Fl_Group:current() returns the menu bar, whose parent() is the group that
// was current. FLTK's current group does not change meanwhile, so widgets
// still join that group.
#pragma once

#include <lua.hpp>

class Fl_Widget;

namespace fluac_lua {

// To be called for every widget the script constructs, after construction.
void note_constructed(Fl_Widget* w, bool is_menu_bar);

// FLTK keeps the current group when it deletes it; the binding makes no
// group current instead, before anything uses the current group (and after
// anything that may have changed it, to see it).
void settle_current_group();
// Forgets the group it saw, when the binding is closed.
void close_group_table();

// Defines the global table Fl_Group with current().
void open_group_table(lua_State* L);

}  // namespace fluac_lua
