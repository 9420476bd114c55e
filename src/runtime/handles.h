// Lua handles for FLTK widgets and images.
//
// A widget handle is a full userdata holding a watched widget pointer: FLTK
// clears the pointer when it deletes the widget, so a handle never dangles,
// and collecting a handle never deletes its widget. One live handle exists
// per widget, so handles compare equal in Lua when their widgets are the same.
#pragma once

#include <lua.hpp>

class Fl_Widget;
class Fl_Shared_Image;

namespace fluac_lua {

// The state the binding was opened in; FLTK's C callbacks need it.
lua_State* binding_state();

void open_handles(lua_State* L);
// Called before the state is closed: widgets deleted later touch no Lua.
void close_handles();

// Pushes the handle of `w`, or nil when `w` is null.
void push_widget(lua_State* L, Fl_Widget* w);
// The widget of the handle at `idx`; a Lua error for anything else, and for a
// handle whose widget was deleted.
Fl_Widget* check_widget(lua_State* L, int idx);
// As check_widget, but nil (or nothing) gives null.
Fl_Widget* opt_widget(lua_State* L, int idx);

void push_image(lua_State* L, Fl_Shared_Image* image);
// The image at `idx`, or null for nil.
Fl_Shared_Image* opt_image(lua_State* L, int idx);

// The class the widget was constructed as ("Fl_Widget" when the binding did
// not construct it).
const char* class_name(const Fl_Widget* w);

// Per-widget Lua data (callbacks, menu entries): pushes the widget's table,
// creating it when `create` is set; pushes nil otherwise if there is none.
void push_widget_data(lua_State* L, Fl_Widget* w, bool create);
// Drops the widget's data and handle; called when a bound widget is deleted.
void forget_widget(Fl_Widget* w);

// Mix-in of every widget the binding constructs: it knows its class name and
// releases its Lua data when FLTK deletes it.
class BoundWidget {
public:
    explicit BoundWidget(const char* name) : name_(name) {}
    virtual ~BoundWidget() = default;
    const char* bound_class() const { return name_; }

private:
    const char* name_;
};

template <class W>
class Bound : public W, public BoundWidget {
public:
    Bound(int x, int y, int w, int h, const char* name)
        : W(x, y, w, h, nullptr), BoundWidget(name) {}
    ~Bound() override { forget_widget(this); }
};

}  // namespace fluac_lua
