// Fl_Widget, the methods every widget has, and Fl_Box, which adds none.
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Window.H>

#include "callbacks.h"
#include "classes.h"
#include "custom_widgets.h"
#include "display.h"
#include "methods.h"
#include "screenshot_hook.h"
#include "script_structure.h"
#include "tree.h"

namespace fluac_lua {

namespace {

Fl_Widget* self(lua_State* L, int most_args) {
    Fl_Widget* w = check_self<Fl_Widget>(L);
    check_nargs(L, most_args);
    return w;
}

int label(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    if (!is_setter(L)) {
        lua_pushstring(L, w->label());
        return 1;
    }
    set_label(w, luaL_optstring(L, 2, nullptr));
    return 0;
}

int tooltip(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    if (!is_setter(L)) {
        lua_pushstring(L, w->tooltip());
        return 1;
    }
    w->copy_tooltip(luaL_optstring(L, 2, nullptr));
    return 0;
}

int callback(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    if (!is_setter(L)) {
        push_widget_callback(L, w);
        return 1;
    }
    set_widget_callback(L, w, 2);
    return 0;
}

int do_callback(lua_State* L) {
    self(L, 1)->do_callback();
    raise_pending_error(L);
    return 0;
}

int image(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    if (!is_setter(L)) {
        push_image(L, dynamic_cast<Fl_Shared_Image*>(w->image()));
        return 1;
    }
    w->image(opt_image(L, 2));
    return 0;
}

// deimage: the image the widget shows when it is inactive.
int deimage(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    if (!is_setter(L)) {
        push_image(L, dynamic_cast<Fl_Shared_Image*>(w->deimage()));
        return 1;
    }
    w->deimage(opt_image(L, 2));
    return 0;
}

int redraw(lua_State* L) {
    self(L, 1)->redraw();
    return 0;
}

int resize(lua_State* L) {
    Fl_Widget* w = self(L, 5);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3),
              width = check_coordinate(L, 4), height = check_coordinate(L, 5);
    w->resize(x, y, width, height);
    return 0;
}

int x(lua_State* L) {
    lua_pushinteger(L, self(L, 1)->x());
    return 1;
}
int y(lua_State* L) {
    lua_pushinteger(L, self(L, 1)->y());
    return 1;
}
int w(lua_State* L) {
    lua_pushinteger(L, self(L, 1)->w());
    return 1;
}
int h(lua_State* L) {
    lua_pushinteger(L, self(L, 1)->h());
    return 1;
}

int type(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    if (!is_setter(L)) {
        lua_pushinteger(L, w->type());
        return 1;
    }
    const long long t = check_range(L, 2, -1, 255);
    // fluac writes -1 for a type word it has no number for: the widget keeps
    // the type it was constructed with.
    if (t < 0) return 0;
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
#define INT_PROPERTY(NAME, HIGH, CAST)                                                        \
    int NAME(lua_State* L) {                                                                  \
        return int_property<Fl_Widget>(                                                       \
            L, 0, HIGH, [](Fl_Widget* w) { return w->NAME(); },                               \
            [](Fl_Widget* w, long long n) { w->NAME(static_cast<CAST>(n)); });                \
    }
INT_PROPERTY(labelsize, kLargestSize, Fl_Fontsize)
INT_PROPERTY(labelfont, kLastFont, Fl_Font)
INT_PROPERTY(labelcolor, kLastColor, Fl_Color)
INT_PROPERTY(labeltype, kLastLabeltype, Fl_Labeltype)
INT_PROPERTY(align, 0xffffffffLL, Fl_Align)
INT_PROPERTY(selection_color, kLastColor, Fl_Color)
INT_PROPERTY(box, kLastBoxtype, Fl_Boxtype)
#undef INT_PROPERTY

// when(n): FLTK stores a byte, but its Fl_When holds only the conditions of
// FLTK 1.3 (bits 0 to 3); those of later versions (FL_WHEN_CLOSED, 16) are
// dropped.
int when(lua_State* L) {
    return int_property<Fl_Widget>(
        L, 0, 255, [](Fl_Widget* w) { return w->when(); },
        [](Fl_Widget* w, long long n) { w->when(static_cast<uchar>(n & kLastWhen)); });
}

// color(c) or color(c, selection): FLTK's two-colour form as well.
int color(lua_State* L) {
    Fl_Widget* w = self(L, 3);
    if (!is_setter(L)) {
        lua_pushinteger(L, w->color());
        return 1;
    }
    const auto c = static_cast<Fl_Color>(check_range(L, 2, 0, kLastColor));
    if (lua_isnoneornil(L, 3))
        w->color(c);
    else
        w->color(c, static_cast<Fl_Color>(check_range(L, 3, 0, kLastColor)));
    return 0;
}

int show(lua_State* L) {
    Fl_Widget* w = widget_to_show(L, self(L, 1));
    Fl_Window* win = w->as_window();
    if (tree_mode()) note_tree_shown(L, w, true);
    else if (win) need_display(L);
    w->show();
    if (win) note_window_shown(win);
    return 0;
}

int hide(lua_State* L) {
    Fl_Widget* w = self(L, 1);
    if (tree_mode()) note_tree_shown(L, w, false);
    w->hide();
    return 0;
}

int visible(lua_State* L) {
    lua_pushboolean(L, self(L, 1)->visible());
    return 1;
}

int parent(lua_State* L) {
    push_widget(L, self(L, 1)->parent());
    return 1;
}

int activate(lua_State* L) {
    self(L, 1)->activate();
    return 0;
}

int deactivate(lua_State* L) {
    self(L, 1)->deactivate();
    return 0;
}

int active(lua_State* L) {
    lua_pushboolean(L, self(L, 1)->active());
    return 1;
}

// window(): the nearest window above the widget.
int window(lua_State* L) {
    push_widget(L, self(L, 1)->window());
    return 1;
}

int get_class_name(lua_State* L) {
    lua_pushstring(L, class_name(self(L, 1)));
    return 1;
}

const luaL_Reg kWidget[] = {
    {"label", label},
    {"tooltip", tooltip},
    {"callback", callback},
    {"do_callback", do_callback},
    {"image", image},
    {"deimage", deimage},
    {"redraw", redraw},
    {"resize", resize},
    {"x", x},
    {"y", y},
    {"w", w},
    {"h", h},
    {"type", type},
    {"labelsize", labelsize},
    {"labelfont", labelfont},
    {"labelcolor", labelcolor},
    {"labeltype", labeltype},
    {"align", align},
    {"when", when},
    {"color", color},
    {"selection_color", selection_color},
    {"box", box},
    {"show", show},
    {"hide", hide},
    {"visible", visible},
    {"parent", parent},
    {"activate", activate},
    {"deactivate", deactivate},
    {"active", active},
    {"window", window},
    {"class_name", get_class_name},
    FLUAC_CUSTOM_WIDGET_METHODS,
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Widget>("Fl_Widget", nullptr, kWidget),
    bind<Fl_Box>("Fl_Box", "Fl_Widget", kNoMethods),
};

}  // namespace

std::span<const WidgetClass> core_classes() { return kClasses; }

}  // namespace fluac_lua
