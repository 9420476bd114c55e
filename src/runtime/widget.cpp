// Fl_Widget, the methods every widget has, and Fl_Box, which adds none.
#include <FL/Fl_Box.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Window.H>

#include <climits>

#include "api_support.h"
#include "callbacks.h"
#include "classes.h"
#include "custom_widgets.h"
#include "display.h"
#include "member_functions.h"
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
    // FLTK makes a window inside a group a subwindow of the window around.
    if (win && win->parent() && !win->window() && !tree_mode())
        return luaL_error(L, "%s is inside a group that no window holds", class_name(w));
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

// contains(w) and inside(w): whether w is the widget or inside it, and the
// other way round; nil is in nothing.
int contains(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    lua_pushboolean(L, w->contains(opt_widget(L, 2)));
    return 1;
}

int inside(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    lua_pushboolean(L, w->inside(opt_widget(L, 2)));
    return 1;
}

// damage() gives the bits; damage(bits) or damage(bits, x, y, w, h) adds to them.
int damage(lua_State* L) {
    Fl_Widget* w = self(L, 6);
    if (!is_setter(L)) {
        lua_pushinteger(L, w->damage());
        return 1;
    }
    const auto bits = static_cast<uchar>(check_range(L, 2, 0, 255));
    if (lua_gettop(L) <= 2) {
        w->damage(bits);
        return 0;
    }
    const int x = check_coordinate(L, 3), y = check_coordinate(L, 4),
              width = check_coordinate(L, 5), height = check_coordinate(L, 6);
    w->damage(bits, x, y, width, height);
    return 0;
}

int clear_damage(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    w->clear_damage(static_cast<uchar>(lua_isnoneornil(L, 2) ? 0 : check_range(L, 2, 0, 255)));
    return 0;
}

// position(x, y), size(w, h) and damage_resize(x, y, w, h): resize's parts.
int position(lua_State* L) {
    Fl_Widget* w = self(L, 3);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3);
    w->position(x, y);
    return 0;
}

int size(lua_State* L) {
    Fl_Widget* w = self(L, 3);
    const int width = check_coordinate(L, 2), height = check_coordinate(L, 3);
    w->size(width, height);
    return 0;
}

int damage_resize(lua_State* L) {
    Fl_Widget* w = self(L, 5);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3),
              width = check_coordinate(L, 4), height = check_coordinate(L, 5);
    lua_pushboolean(L, w->damage_resize(x, y, width, height));
    return 1;
}

int copy_label(lua_State* L) {
    Fl_Widget* w = self(L, 2);
    set_label(w, luaL_optstring(L, 2, nullptr));
    return 0;
}

int copy_tooltip(lua_State* L) {
    self(L, 2)->copy_tooltip(luaL_optstring(L, 2, nullptr));
    return 0;
}

// top_window_offset() -> the window, and the widget's place in it.
int top_window_offset(lua_State* L) {
    int x = 0, y = 0;
    Fl_Window* win = self(L, 1)->top_window_offset(x, y);
    push_widget(L, win);
    lua_pushinteger(L, x);
    lua_pushinteger(L, y);
    return 3;
}

// measure_label() -> w, h, as the label's font draws it.
int measure_label(lua_State* L) {
    Fl_Widget* w = self(L, 1);
    need_display(L);
    int width = 0, height = 0;
    w->measure_label(width, height);
    lua_pushinteger(L, width);
    lua_pushinteger(L, height);
    return 2;
}

int take_focus(lua_State* L) {
    Fl_Widget* w = self(L, 1);
    need_display_to_focus(L, w);
    const int taken = w->take_focus();
    raise_pending_error(L);
    lua_pushboolean(L, taken);
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
    {"contains", contains},
    {"inside", inside},
    {"damage", damage},
    {"clear_damage", clear_damage},
    {"position", position},
    {"size", size},
    {"damage_resize", damage_resize},
    {"copy_label", copy_label},
    {"copy_tooltip", copy_tooltip},
    {"top_window_offset", top_window_offset},
    {"measure_label", measure_label},
    {"take_focus", take_focus},
    FLUAC_GET_FLAG(Fl_Widget, active_r),
    FLUAC_GET_FLAG(Fl_Widget, visible_r),
    FLUAC_GET_FLAG(Fl_Widget, takesevents),
    FLUAC_GET_FLAG(Fl_Widget, changed),
    FLUAC_GET_FLAG(Fl_Widget, output),
    FLUAC_GET_FLAG(Fl_Widget, is_label_copied),
    FLUAC_GET_FLAG(Fl_Widget, test_shortcut),
    FLUAC_GET_FLAG(Fl_Widget, use_accents_menu),
    FLUAC_FLAG(Fl_Widget, visible_focus),
    FLUAC_INT(Fl_Widget, argument, LONG_MIN, LONG_MAX),
    FLUAC_COLOR(Fl_Widget, color2),
    FLUAC_CALL(Fl_Widget, set_active),
    FLUAC_CALL(Fl_Widget, clear_active),
    FLUAC_CALL(Fl_Widget, set_changed),
    FLUAC_CALL(Fl_Widget, clear_changed),
    FLUAC_CALL(Fl_Widget, set_output),
    FLUAC_CALL(Fl_Widget, clear_output),
    FLUAC_CALL(Fl_Widget, set_visible),
    FLUAC_CALL(Fl_Widget, clear_visible),
    FLUAC_CALL(Fl_Widget, set_visible_focus),
    FLUAC_CALL(Fl_Widget, clear_visible_focus),
    FLUAC_CALL(Fl_Widget, redraw_label),
    FLUAC_GET_WIDGET(Fl_Widget, as_group),
    FLUAC_GET_WIDGET(Fl_Widget, as_window),
    FLUAC_GET_WIDGET(Fl_Widget, top_window),
    FLUAC_CUSTOM_WIDGET_METHODS,
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Widget>("Fl_Widget", nullptr, kWidget),
    bind<Fl_Box>("Fl_Box", "Fl_Widget", kNoMethods),
};

}  // namespace

void need_display_to_focus(lua_State* L, Fl_Widget* w) {
    if (w && w->visible_focus() && (w->as_window() || w->window())) need_display(L);
}

const char* keep_with_widget(lua_State* L, Fl_Widget* w, const char* key, int idx) {
    const char* text = lua_isnil(L, idx) ? nullptr : luaL_checkstring(L, idx);
    push_widget_data(L, w, true);
    lua_pushvalue(L, idx);
    lua_setfield(L, -2, key);
    lua_pop(L, 1);
    return text;
}

std::span<const WidgetClass> core_classes() { return kClasses; }

}  // namespace fluac_lua
