// Preview of widgets that no window holds: a script made of widget classes
// builds groups outside any window, which FLTK alone never shows.
#pragma once

#include <lua.hpp>

class Fl_Widget;

namespace fluac_lua {

// Records a widget that the script constructed outside any group.
void note_top_level(Fl_Widget* w);

// Shows what the script built but FLTK would not show: each top-level widget
// that is no window in a window of its own size, placed at the widget's
// position, as the designer shows a widget class; and, when the script shows
// no window at all, its top-level windows. Called when the event loop is
// about to run (or the script ends, for a screenshot); with --tree, which
// draws nothing, it does nothing.
void preview_unshown(lua_State* L);
// Deletes the windows made for the preview, once the binding is closed.
void close_previews();

}  // namespace fluac_lua
