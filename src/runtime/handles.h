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

#include <FL/Fl_Widget.H>

#include <lua.hpp>

#include "tree.h"

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
// naming the class), __newindex (the hooks), __gc and __tostring.
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

// Lua functions a script sets in place of a widget's draw() and handle()
// (custom_widgets.cpp); bits of BoundWidget::hooks.
enum Hook : unsigned char { kDrawHook = 1, kHandleHook = 2 };

// Mix-in of every widget the binding constructs: it knows its class names,
// and its class's own draw() and handle(), which its hooks may stand in for.
class BoundWidget {
public:
    BoundWidget(const char* name, const char* lua_class) : name_(name), lua_class_(lua_class) {}
    virtual ~BoundWidget() = default;
    const char* bound_name() const { return name_; }
    const char* lua_class() const { return lua_class_; }
    virtual void class_draw() = 0;
    virtual int class_handle(int event) = 0;

    unsigned char hooks = 0;    // the hooks set
    unsigned char running = 0;  // the hooks running now
    unsigned char fixed = 0;    // the hooks its class cannot take

private:
    const char* name_;       // the name the script built it by
    const char* lua_class_;  // the class whose metatable its handle gets
};

// Run the widget's hook in a protected call, as callbacks run; false when it
// has none. While an error is pending, a hook does not run, and the widget
// draws nothing and takes no event.
bool run_draw_hook(Fl_Widget* w, BoundWidget* b);
bool run_handle_hook(Fl_Widget* w, BoundWidget* b, int event, int& result);

void note_bound(Fl_Widget* w);

// Whether classes derived from W may call W's own draw() and handle()
// (Fl_Wizard's draw and Fl_Help_View's handle are private).
template <class W>
struct Reachable : W {
    static constexpr bool draw = requires(Reachable& r) { r.W::draw(); };
    static constexpr bool handle = requires(Reachable& r, int e) { r.W::handle(e); };
};

// W whose draw() a hook may stand in for, where W's own can be called.
template <class W, bool = Reachable<W>::draw>
class HookedDraw : public W, public BoundWidget {
public:
    HookedDraw(int x, int y, int w, int h, const char* name, const char* lua_class)
        : W(x, y, w, h, nullptr), BoundWidget(name, lua_class) {}
    void draw() override {
        if (!run_draw_hook(this, this)) W::draw();
    }
    void class_draw() override { W::draw(); }
};

template <class W>
class HookedDraw<W, false> : public W, public BoundWidget {
public:
    HookedDraw(int x, int y, int w, int h, const char* name, const char* lua_class)
        : W(x, y, w, h, nullptr), BoundWidget(name, lua_class) {
        fixed |= kDrawHook;
    }
    void class_draw() override { static_cast<Fl_Widget*>(this)->draw(); }
};

// The same for handle().
template <class W, bool = Reachable<W>::handle>
class HookedHandle : public HookedDraw<W> {
public:
    using HookedDraw<W>::HookedDraw;
    int handle(int event) override {
        int result = 0;
        return run_handle_hook(this, this, event, result) ? result : W::handle(event);
    }
    int class_handle(int event) override { return W::handle(event); }
};

template <class W>
class HookedHandle<W, false> : public HookedDraw<W> {
public:
    HookedHandle(int x, int y, int w, int h, const char* name, const char* lua_class)
        : HookedDraw<W>(x, y, w, h, name, lua_class) {
        this->fixed |= kHandleHook;
    }
    int class_handle(int event) override { return static_cast<Fl_Widget*>(this)->handle(event); }
};

template <class W>
class Bound : public HookedHandle<W> {
public:
    Bound(int x, int y, int w, int h, const char* name, const char* lua_class)
        : HookedHandle<W>(x, y, w, h, name, lua_class) {
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
