#include "widget_methods.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include "arguments.h"
#include "callbacks.h"
#include "handles.h"
#include "screenshot_hook.h"
#include "script_structure.h"

namespace fluac_lua {

namespace {

// FLTK keeps fonts, box types and label types in fixed tables; an index past
// them would be read out of bounds, so the binding refuses it.
constexpr long long kLastFont = FL_FREE_FONT - 1;
constexpr long long kLastBoxtype = 255;
constexpr long long kLastLabeltype = 15;
constexpr long long kLargestSize = 1000;

int w_label(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    if (!is_setter(L)) {
        lua_pushstring(L, w->label());
        return 1;
    }
    set_label(w, luaL_optstring(L, 2, nullptr));
    return 0;
}

int w_tooltip(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    if (!is_setter(L)) {
        lua_pushstring(L, w->tooltip());
        return 1;
    }
    w->copy_tooltip(luaL_optstring(L, 2, nullptr));
    return 0;
}

int w_callback(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    if (!is_setter(L)) {
        push_widget_callback(L, w);
        return 1;
    }
    set_widget_callback(L, w, 2);
    return 0;
}

int w_do_callback(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    w->do_callback();
    raise_pending_error(L);
    return 0;
}

int w_image(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    if (!is_setter(L)) {
        push_image(L, dynamic_cast<Fl_Shared_Image*>(w->image()));
        return 1;
    }
    w->image(opt_image(L, 2));
    return 0;
}

// deimage: the image a deactivated widget shows
int w_deimage(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    if (!is_setter(L)) {
        push_image(L, dynamic_cast<Fl_Shared_Image*>(w->deimage()));
        return 1;
    }
    w->deimage(opt_image(L, 2));
    return 0;
}

int w_redraw(lua_State* L) {
    check_widget(L, 1)->redraw();
    return 0;
}

// A help view made at no size, as fluac's scripts make widgets, and then
// resized lays its empty scroll bars out for that size; built at its size,
// as FLUID's C++ builds it, it has them as its constructor sets them.
void reset_help_view_scrollbars(Fl_Help_View* view) {
    for (int i = 0; i < view->children(); ++i) {
        auto* bar = dynamic_cast<Fl_Scrollbar*>(view->child(i));
        if (!bar) continue;
        bar->slider_size(1);
        bar->bounds(0, 1);
        bar->Fl_Slider::value(0);
    }
}

int w_resize(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    const int x = check_int(L, 2), y = check_int(L, 3), width = check_int(L, 4),
              height = check_int(L, 5);
    const bool unsized = w->w() == 0 && w->h() == 0;
    w->resize(x, y, width, height);
    auto* view = dynamic_cast<Fl_Help_View*>(w);
    if (unsized && view && !view->value()) reset_help_view_scrollbars(view);
    return 0;
}

int w_x(lua_State* L) {
    lua_pushinteger(L, check_widget(L, 1)->x());
    return 1;
}
int w_y(lua_State* L) {
    lua_pushinteger(L, check_widget(L, 1)->y());
    return 1;
}
int w_w(lua_State* L) {
    lua_pushinteger(L, check_widget(L, 1)->w());
    return 1;
}
int w_h(lua_State* L) {
    lua_pushinteger(L, check_widget(L, 1)->h());
    return 1;
}

int w_type(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    auto* spinner = dynamic_cast<Fl_Spinner*>(w);
    if (!is_setter(L)) {
        lua_pushinteger(L, spinner ? spinner->type() : w->type());
        return 1;
    }
    const long long t = check_range(L, 2, -1, 255);
    // fluac writes -1 for a type word it has no number for: the widget keeps
    // the type it was constructed with.
    if (t < 0) return 0;
    // A spinner's type is that of its input: FL_FLOAT_INPUT or FL_INT_INPUT.
    if (spinner) {
        spinner->type(static_cast<uchar>(t));
        return 0;
    }
    // FLTK tells windows by their type; a window's type must stay one.
    if (w->as_window() && t < FL_WINDOW)
        return luaL_argerror(L, 2, lua_pushfstring(L, "%s needs a window type (%d or more)",
                                                   class_name(w), FL_WINDOW));
    if (!w->as_window() && t >= FL_WINDOW)
        return luaL_argerror(L, 2, lua_pushfstring(L, "%s cannot take a window type",
                                                   class_name(w)));
    w->type(static_cast<uchar>(t));
    return 0;
}

// Integer properties that every widget has, as getter-setter pairs.
#define INT_PROPERTY(NAME, LOW, HIGH, CAST)                         \
    int w_##NAME(lua_State* L) {                                    \
        Fl_Widget* w = check_widget(L, 1);                          \
        if (!is_setter(L)) {                                        \
            lua_pushinteger(L, static_cast<lua_Integer>(w->NAME())); \
            return 1;                                               \
        }                                                           \
        w->NAME(static_cast<CAST>(check_range(L, 2, LOW, HIGH)));   \
        return 0;                                                   \
    }

INT_PROPERTY(labelsize, 0, kLargestSize, Fl_Fontsize)
INT_PROPERTY(labelfont, 0, kLastFont, Fl_Font)
INT_PROPERTY(labelcolor, 0, 0xffffffffLL, Fl_Color)
INT_PROPERTY(labeltype, 0, kLastLabeltype, Fl_Labeltype)
INT_PROPERTY(align, 0, 0xffffffffLL, Fl_Align)
INT_PROPERTY(when, 0, 255, Fl_When)
INT_PROPERTY(box, 0, kLastBoxtype, Fl_Boxtype)
#undef INT_PROPERTY

// color(c) or color(c, selection): FLTK's two-colour form as well. A
// spinner's colours are its input's, as its own color() makes them.
int w_color(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    auto* spinner = dynamic_cast<Fl_Spinner*>(w);
    if (!is_setter(L)) {
        lua_pushinteger(L, spinner ? spinner->color() : w->color());
        return 1;
    }
    const auto c = static_cast<Fl_Color>(check_range(L, 2, 0, 0xffffffffLL));
    if (spinner) {
        spinner->color(c);
        if (!lua_isnoneornil(L, 3))
            spinner->selection_color(static_cast<Fl_Color>(check_range(L, 3, 0, 0xffffffffLL)));
    } else if (lua_isnoneornil(L, 3)) {
        w->color(c);
    } else {
        w->color(c, static_cast<Fl_Color>(check_range(L, 3, 0, 0xffffffffLL)));
    }
    return 0;
}

int w_selection_color(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    auto* spinner = dynamic_cast<Fl_Spinner*>(w);
    if (!is_setter(L)) {
        lua_pushinteger(L, spinner ? spinner->selection_color() : w->selection_color());
        return 1;
    }
    const auto c = static_cast<Fl_Color>(check_range(L, 2, 0, 0xffffffffLL));
    if (spinner) spinner->selection_color(c);
    else w->selection_color(c);
    return 0;
}

int w_show(lua_State* L) {
    Fl_Widget* w = widget_to_show(L, check_widget(L, 1));
    w->show();
    if (Fl_Window* win = w->as_window()) note_window_shown(win);
    return 0;
}

int w_hide(lua_State* L) {
    check_widget(L, 1)->hide();
    return 0;
}

int w_visible(lua_State* L) {
    lua_pushboolean(L, check_widget(L, 1)->visible());
    return 1;
}

int w_shown(lua_State* L) {
    Fl_Window* win = check_widget(L, 1)->as_window();
    lua_pushboolean(L, win && win->shown());
    return 1;
}

int w_parent(lua_State* L) {
    push_widget(L, check_widget(L, 1)->parent());
    return 1;
}

int w_children(lua_State* L) {
    Fl_Group* g = check_widget(L, 1)->as_group();
    lua_pushinteger(L, g ? g->children() : 0);
    return 1;
}

// child(i), counted from 0 as in FLTK; nil past the last child.
int w_child(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    const lua_Integer i = luaL_checkinteger(L, 2);
    Fl_Group* g = w->as_group();
    if (!g) return no_such_method(L, w, "child");
    push_widget(L, i >= 0 && i < g->children() ? g->child(static_cast<int>(i)) : nullptr);
    return 1;
}

int w_activate(lua_State* L) {
    check_widget(L, 1)->activate();
    return 0;
}

int w_deactivate(lua_State* L) {
    check_widget(L, 1)->deactivate();
    return 0;
}

int w_active(lua_State* L) {
    lua_pushboolean(L, check_widget(L, 1)->active());
    return 1;
}

// window(): the nearest window above the widget.
int w_window(lua_State* L) {
    push_widget(L, check_widget(L, 1)->window());
    return 1;
}

int w_class_name(lua_State* L) {
    lua_pushstring(L, class_name(check_widget(L, 1)));
    return 1;
}

const luaL_Reg kMethods[] = {
    {"label", w_label},
    {"tooltip", w_tooltip},
    {"callback", w_callback},
    {"do_callback", w_do_callback},
    {"image", w_image},
    {"deimage", w_deimage},
    {"redraw", w_redraw},
    {"resize", w_resize},
    {"x", w_x},
    {"y", w_y},
    {"w", w_w},
    {"h", w_h},
    {"type", w_type},
    {"labelsize", w_labelsize},
    {"labelfont", w_labelfont},
    {"labelcolor", w_labelcolor},
    {"labeltype", w_labeltype},
    {"align", w_align},
    {"when", w_when},
    {"color", w_color},
    {"selection_color", w_selection_color},
    {"box", w_box},
    {"show", w_show},
    {"hide", w_hide},
    {"visible", w_visible},
    {"shown", w_shown},
    {"parent", w_parent},
    {"children", w_children},
    {"child", w_child},
    {"activate", w_activate},
    {"deactivate", w_deactivate},
    {"active", w_active},
    {"window", w_window},
    {"class_name", w_class_name},
    {nullptr, nullptr},
};

}  // namespace

void set_label(Fl_Widget* w, const char* text) {
    // FLTK lays out an empty label as a line of text (an image above it moves
    // up), while FLUID writes no label at all; fluac's constructors pass "".
    if (text && !*text) text = nullptr;
    // Fl_Window::copy_label hides Fl_Widget's: only it retitles a shown window.
    if (Fl_Window* win = w->as_window())
        win->copy_label(text);
    else
        w->copy_label(text);
}

int no_such_method(lua_State* L, Fl_Widget* w, const char* method) {
    return luaL_error(L, "%s has no method '%s'", class_name(w), method);
}

void add_widget_methods(lua_State* L) { luaL_setfuncs(L, kMethods, 0); }

}  // namespace fluac_lua
