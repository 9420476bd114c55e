// Lua handles for FLTK widgets and images.
//
// A widget handle is a full userdata holding a watched widget pointer: FLTK
// clears the pointer when it deletes the widget, so a handle never dangles,
// and collecting a handle never deletes its widget. One live handle exists
// per widget, so handles compare equal in Lua when their widgets are the same.
// A handle's metatable is that of the widget's class: the class the binding
// built it as, or for a widget FLTK built itself (a spinner's input, a
// scroll's scrollbars) the nearest class the binding knows.
#pragma once

#include <lua.hpp>

#include "tree.h"

class Fl_Widget;
class Fl_Window;
class Fl_Shared_Image;

namespace fluac_lua {

// The state the binding was opened in; FLTK's C callbacks need it.
lua_State* binding_state();

void open_handles(lua_State* L);
// Called before the state is closed: deletes every widget the binding built
// that is still there, then lets later deletions touch no Lua.
void close_handles();

// The metamethods of every widget class: __index (the methods, or an error
// naming the class), __gc and __tostring.
extern const luaL_Reg kWidgetMetamethods[];
// Marks the metatable on top of the stack as one of widget handles.
void mark_widget_metatable(lua_State* L);

// Pushes the handle of `w`, or nil when `w` is null.
void push_widget(lua_State* L, Fl_Widget* w);
// The widget of the handle at `idx`; a Lua error for anything else, and for a
// handle whose widget was deleted.
Fl_Widget* check_widget(lua_State* L, int idx);
// As check_widget, but nil (or nothing) gives null.
Fl_Widget* opt_widget(lua_State* L, int idx);
// The widget of a live handle at `idx`, or null for any other value.
Fl_Widget* to_widget(lua_State* L, int idx);

void push_image(lua_State* L, Fl_Shared_Image* image);
// The image at `idx`, or null for nil.
Fl_Shared_Image* opt_image(lua_State* L, int idx);

// The class the binding built the widget as (for a class of a later FLTK
// version, that name), or the nearest class it knows for a widget FLTK built.
const char* class_name(const Fl_Widget* w);
// True for the widgets the binding built (and not FLTK as parts of others).
bool is_bound(const Fl_Widget* w);

// Per-widget Lua data (callbacks, menu entries, what --tree records): pushes
// the widget's table, creating it when `create` is set; pushes nil otherwise
// if there is none. The data lives as long as the widget, and a widget later
// built at the same address starts without any.
void push_widget_data(lua_State* L, Fl_Widget* w, bool create);
// Drops the widget's data and handle; called when a bound widget is deleted.
void forget_widget(Fl_Widget* w);

// Mix-in of every widget the binding constructs: it knows its class names.
class BoundWidget {
public:
    BoundWidget(const char* name, const char* lua_class) : name_(name), lua_class_(lua_class) {}
    virtual ~BoundWidget() = default;
    const char* bound_name() const { return name_; }
    const char* lua_class() const { return lua_class_; }

private:
    const char* name_;       // the name the script built it by
    const char* lua_class_;  // the class whose metatable its handle gets
};

void note_bound(Fl_Widget* w);

template <class W>
class Bound : public W, public BoundWidget {
public:
    Bound(int x, int y, int w, int h, const char* name, const char* lua_class)
        : W(x, y, w, h, nullptr), BoundWidget(name, lua_class) {
        note_bound(this);
    }
    ~Bound() override { forget_widget(this); }
    // With --tree, showing a window records it and draws nothing, also when
    // FLTK itself shows a window inside a group that is shown.
    void show() override {
        if (this->as_window() && tree_mode())
            show_without_display(this->as_window());
        else
            W::show();
    }
};

}  // namespace fluac_lua
