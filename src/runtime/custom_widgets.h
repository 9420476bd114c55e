// Custom widgets in Lua: any widget a script built takes Lua functions in
// place of its draw() and handle(), by assignment:
//
//   w.draw = function(self) ... end          -- nil gives back FLTK's own
//   w.handle = function(self, event) return 1 end
//
// The methods draw() and handle(event) run what the widget does as FLTK's
// class: inside the widget's own hook they stand for the C++ base class's
// method (Fl_Box::draw() in a subclass's draw), elsewhere they run the
// widget's hook when it has one, as C++'s virtual call would. The protected
// drawing helpers a C++ subclass calls (draw_box, draw_label, draw_children,
// ...) are methods too.
#pragma once

#include <lua.hpp>

class Fl_Widget;

namespace fluac_lua {

// While a hook runs, FLTK's frames below it may hold the widget, or others:
// Fl:delete_widget then waits for the hooks to return before it queues the
// widget, so that no Fl:check() inside a hook deletes what FLTK is using.
// True when the deletion is postponed so.
bool postpone_deletion(Fl_Widget* w);
void forget_postponed_deletions();

// FLTK walks a group's children through a pointer to their array while it
// draws them or passes them an event, so a hook that adds, inserts or removes
// one would leave FLTK reading a freed array: raises an error while any hook
// runs.
void check_children_may_change(lua_State* L);

// __newindex of widget handles: w.draw = f, w.handle = f.
int set_widget_hook(lua_State* L);

int widget_draw(lua_State* L);
int widget_handle(lua_State* L);
int widget_draw_box(lua_State* L);
int widget_draw_backdrop(lua_State* L);
int widget_draw_focus(lua_State* L);
int widget_draw_label(lua_State* L);
int group_draw_children(lua_State* L);
int group_draw_child(lua_State* L);
int group_draw_outside_label(lua_State* L);
int group_update_child(lua_State* L);

}  // namespace fluac_lua

// Entries of Fl_Widget's and Fl_Group's method tables.
#define FLUAC_CUSTOM_WIDGET_METHODS                                                          \
    {"draw", fluac_lua::widget_draw}, {"handle", fluac_lua::widget_handle},                  \
        {"draw_box", fluac_lua::widget_draw_box},                                            \
        {"draw_backdrop", fluac_lua::widget_draw_backdrop},                                  \
        {"draw_focus", fluac_lua::widget_draw_focus}, {"draw_label", fluac_lua::widget_draw_label}
#define FLUAC_CUSTOM_GROUP_METHODS                                                           \
    {"draw_children", fluac_lua::group_draw_children},                                       \
        {"draw_child", fluac_lua::group_draw_child},                                         \
        {"draw_outside_label", fluac_lua::group_draw_outside_label},                         \
        {"update_child", fluac_lua::group_update_child}
