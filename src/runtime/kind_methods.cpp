// Methods that FLTK declares on some classes only, without a common base:
// each finds the kind of its widget at call time.
#include <FL/Fl_Browser.H>
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Chart.H>
#include <FL/Fl_Counter.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Input_.H>
#include <FL/Fl_Input_Choice.H>
#include <FL/Fl_Menu_.H>
#include <FL/Fl_Progress.H>
#include <FL/Fl_Slider.H>
#include <FL/Fl_Spinner.H>
#include <FL/Fl_Tabs.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Valuator.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Value_Output.H>
#include <FL/Fl_Value_Slider.H>
#include <FL/Fl_Window.H>
#include <FL/Fl_Wizard.H>

#include "arguments.h"
#include "handles.h"
#include "menu_entries.h"
#include "widget_methods.h"

namespace fluac_lua {

namespace {

constexpr long long kLastFont = FL_FREE_FONT - 1;
constexpr long long kLargestSize = 1000;

// value(): text for inputs, a number for valuators, progress bars and
// spinners, 0 or 1 for buttons, the chosen index for menus and browsers, the
// visible child for tabs and wizards.
int k_value(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    const bool set = is_setter(L);
    if (auto* in = dynamic_cast<Fl_Input_*>(w)) {
        if (!set) return lua_pushstring(L, in->value()), 1;
        in->value(luaL_checkstring(L, 2));
    } else if (auto* ic = dynamic_cast<Fl_Input_Choice*>(w)) {
        if (!set) return lua_pushstring(L, ic->value()), 1;
        ic->value(luaL_checkstring(L, 2));
    } else if (auto* v = dynamic_cast<Fl_Valuator*>(w)) {
        if (!set) return lua_pushnumber(L, v->value()), 1;
        v->value(luaL_checknumber(L, 2));
    } else if (auto* p = dynamic_cast<Fl_Progress*>(w)) {
        if (!set) return lua_pushnumber(L, p->value()), 1;
        p->value(static_cast<float>(luaL_checknumber(L, 2)));
    } else if (auto* s = dynamic_cast<Fl_Spinner*>(w)) {
        if (!set) return lua_pushnumber(L, s->value()), 1;
        s->value(luaL_checknumber(L, 2));
    } else if (auto* b = dynamic_cast<Fl_Button*>(w)) {
        if (!set) return lua_pushinteger(L, b->value()), 1;
        b->value(check_int(L, 2));
    } else if (auto* m = dynamic_cast<Fl_Menu_*>(w)) {
        if (!set) return lua_pushinteger(L, m->value()), 1;
        m->value(static_cast<int>(check_range(L, 2, -1, m->size() - 1)));
    } else if (auto* br = dynamic_cast<Fl_Browser*>(w)) {
        if (!set) return lua_pushinteger(L, br->value()), 1;
        br->value(static_cast<int>(check_range(L, 2, 0, br->size())));
    } else if (auto* t = dynamic_cast<Fl_Tabs*>(w)) {
        if (!set) return push_widget(L, t->value()), 1;
        t->value(check_widget(L, 2));
    } else if (auto* wz = dynamic_cast<Fl_Wizard*>(w)) {
        if (!set) return push_widget(L, wz->value()), 1;
        wz->value(check_widget(L, 2));
    } else {
        return no_such_method(L, w, "value");
    }
    return 0;
}

// minimum, maximum, step: valuators, spinners; progress bars have no step.
template <int Which>
int k_range(lua_State* L) {
    static const char* const names[] = {"minimum", "maximum", "step"};
    Fl_Widget* w = check_widget(L, 1);
    const bool set = is_setter(L);
    const double n = set ? luaL_checknumber(L, 2) : 0;
    if (auto* v = dynamic_cast<Fl_Valuator*>(w)) {
        if (!set) lua_pushnumber(L, Which == 0 ? v->minimum() : Which == 1 ? v->maximum() : v->step());
        else if (Which == 0) v->minimum(n);
        else if (Which == 1) v->maximum(n);
        else v->step(n);
    } else if (auto* s = dynamic_cast<Fl_Spinner*>(w)) {
        if (!set) lua_pushnumber(L, Which == 0 ? s->minimum() : Which == 1 ? s->maximum() : s->step());
        else if (Which == 0) s->minimum(n);
        else if (Which == 1) s->maximum(n);
        else s->step(n);
    } else if (auto* p = dynamic_cast<Fl_Progress*>(w); p && Which != 2) {
        if (!set) lua_pushnumber(L, Which == 0 ? p->minimum() : p->maximum());
        else if (Which == 0) p->minimum(static_cast<float>(n));
        else p->maximum(static_cast<float>(n));
    } else {
        return no_such_method(L, w, names[Which]);
    }
    return set ? 0 : 1;
}

// textsize, textfont, textcolor share one shape across the classes that
// declare them.
enum TextProperty { kSize, kFont, kColor };

template <class T, TextProperty P>
bool text_property(lua_State* L, Fl_Widget* w, bool set, lua_Integer n) {
    auto* t = dynamic_cast<T*>(w);
    if (!t) return false;
    if (P == kSize) {
        if (set) t->textsize(static_cast<Fl_Fontsize>(n));
        else lua_pushinteger(L, t->textsize());
    } else if (P == kFont) {
        if (set) t->textfont(static_cast<Fl_Font>(n));
        else lua_pushinteger(L, t->textfont());
    } else {
        if (set) t->textcolor(static_cast<Fl_Color>(n));
        else lua_pushinteger(L, t->textcolor());
    }
    return true;
}

template <TextProperty P>
int k_text(lua_State* L) {
    static const char* const names[] = {"textsize", "textfont", "textcolor"};
    static const long long highs[] = {kLargestSize, kLastFont, 0xffffffffLL};
    Fl_Widget* w = check_widget(L, 1);
    const bool set = is_setter(L);
    const lua_Integer n = set ? check_range(L, 2, 0, highs[P]) : 0;
    const bool found =
        text_property<Fl_Input_, P>(L, w, set, n) || text_property<Fl_Value_Input, P>(L, w, set, n) ||
        text_property<Fl_Value_Output, P>(L, w, set, n) ||
        text_property<Fl_Value_Slider, P>(L, w, set, n) ||
        text_property<Fl_Counter, P>(L, w, set, n) ||
        text_property<Fl_Text_Display, P>(L, w, set, n) ||
        text_property<Fl_Browser_, P>(L, w, set, n) || text_property<Fl_Menu_, P>(L, w, set, n) ||
        text_property<Fl_Spinner, P>(L, w, set, n) ||
        text_property<Fl_Input_Choice, P>(L, w, set, n) ||
        text_property<Fl_Help_View, P>(L, w, set, n) || text_property<Fl_Chart, P>(L, w, set, n);
    if (!found) return no_such_method(L, w, names[P]);
    return set ? 0 : 1;
}

// slider_size: the knob's share of a slider or scroll bar
int k_slider_size(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    auto* s = dynamic_cast<Fl_Slider*>(w);
    if (!s) return no_such_method(L, w, "slider_size");
    if (!is_setter(L)) return lua_pushnumber(L, s->slider_size()), 1;
    s->slider_size(luaL_checknumber(L, 2));
    return 0;
}

int k_down_box(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    const bool set = is_setter(L);
    const auto box = static_cast<Fl_Boxtype>(set ? check_range(L, 2, 0, 255) : 0);
    if (auto* b = dynamic_cast<Fl_Button*>(w)) {
        if (!set) return lua_pushinteger(L, b->down_box()), 1;
        b->down_box(box);
    } else if (auto* m = dynamic_cast<Fl_Menu_*>(w)) {
        if (!set) return lua_pushinteger(L, m->down_box()), 1;
        m->down_box(box);
    } else if (auto* ic = dynamic_cast<Fl_Input_Choice*>(w)) {
        if (!set) return lua_pushinteger(L, ic->down_box()), 1;
        ic->down_box(box);
    } else {
        return no_such_method(L, w, "down_box");
    }
    return 0;
}

int k_size_range(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    Fl_Window* win = w->as_window();
    if (!win) return no_such_method(L, w, "size_range");
    const int minw = check_int(L, 2), minh = check_int(L, 3);
    const int maxw = static_cast<int>(luaL_optinteger(L, 4, 0));
    const int maxh = static_cast<int>(luaL_optinteger(L, 5, 0));
    win->size_range(minw, minh, maxw, maxh);
    return 0;
}

Fl_Window* check_window(lua_State* L, const char* method) {
    Fl_Widget* w = check_widget(L, 1);
    Fl_Window* win = w->as_window();
    if (!win) no_such_method(L, w, method);
    return win;
}

int k_xclass(lua_State* L) {
    Fl_Window* win = check_window(L, "xclass");
    if (!is_setter(L)) return lua_pushstring(L, win->xclass()), 1;
    win->xclass(luaL_checkstring(L, 2));  // copied by FLTK
    return 0;
}

int k_set_modal(lua_State* L) {
    check_window(L, "set_modal")->set_modal();
    return 0;
}

int k_set_non_modal(lua_State* L) {
    check_window(L, "set_non_modal")->set_non_modal();
    return 0;
}

int k_clear_border(lua_State* L) {
    check_window(L, "clear_border")->clear_border();
    return 0;
}

// hotspot(widget): the window will open with that widget under the pointer.
int k_hotspot(lua_State* L) {
    Fl_Window* win = check_window(L, "hotspot");
    win->hotspot(check_widget(L, 2));
    return 0;
}

// shortcut: the key that activates a button or focuses an input.
int k_shortcut(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    const bool set = is_setter(L);
    const int key = set ? check_int(L, 2) : 0;
    if (auto* b = dynamic_cast<Fl_Button*>(w)) {
        if (!set) return lua_pushinteger(L, b->shortcut()), 1;
        b->shortcut(key);
    } else if (auto* in = dynamic_cast<Fl_Input_*>(w)) {
        if (!set) return lua_pushinteger(L, in->shortcut()), 1;
        in->shortcut(key);
    } else if (auto* vi = dynamic_cast<Fl_Value_Input*>(w)) {
        if (!set) return lua_pushinteger(L, vi->shortcut()), 1;
        vi->shortcut(key);
    } else if (auto* td = dynamic_cast<Fl_Text_Display*>(w)) {
        if (!set) return lua_pushinteger(L, td->shortcut()), 1;
        td->shortcut(key);
    } else {
        return no_such_method(L, w, "shortcut");
    }
    return 0;
}

int k_resizable(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    Fl_Group* g = w->as_group();
    if (!g) return no_such_method(L, w, "resizable");
    if (!is_setter(L)) return push_widget(L, g->resizable()), 1;
    g->resizable(opt_widget(L, 2));
    return 0;
}

// add: a widget to a group, a line to a browser, an entry to a menu.
int k_add(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    if (menu_of(w)) return menu_add(L);
    if (auto* b = dynamic_cast<Fl_Browser*>(w)) {
        b->add(luaL_checkstring(L, 2));
        return 0;
    }
    if (Fl_Group* g = w->as_group()) {
        Fl_Widget* child = check_widget(L, 2);
        if (child == g || (child->as_group() && child->contains(g)))
            return luaL_argerror(L, 2, "a group cannot contain itself");
        g->add(child);
        return 0;
    }
    return no_such_method(L, w, "add");
}

// size(): entries of a menu or lines of a browser.
int k_size(lua_State* L) {
    Fl_Widget* w = check_widget(L, 1);
    if (auto* m = dynamic_cast<Fl_Menu_*>(w)) return lua_pushinteger(L, m->size()), 1;
    if (auto* b = dynamic_cast<Fl_Browser*>(w)) return lua_pushinteger(L, b->size()), 1;
    return no_such_method(L, w, "size");
}

const luaL_Reg kMethods[] = {
    {"value", k_value},
    {"minimum", k_range<0>},
    {"maximum", k_range<1>},
    {"step", k_range<2>},
    {"textsize", k_text<kSize>},
    {"textfont", k_text<kFont>},
    {"textcolor", k_text<kColor>},
    {"down_box", k_down_box},
    {"slider_size", k_slider_size},
    {"size_range", k_size_range},
    {"resizable", k_resizable},
    {"xclass", k_xclass},
    {"set_modal", k_set_modal},
    {"set_non_modal", k_set_non_modal},
    {"clear_border", k_clear_border},
    {"hotspot", k_hotspot},
    {"shortcut", k_shortcut},
    {"add", k_add},
    {"size", k_size},
    {nullptr, nullptr},
};

}  // namespace

void add_kind_methods(lua_State* L) { luaL_setfuncs(L, kMethods, 0); }

}  // namespace fluac_lua
