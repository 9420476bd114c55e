// What the functions of the classes' method tables share: the check of the
// object a method is called on, and FLTK's getter-setter pairs.
#pragma once

#include <FL/Fl_Widget.H>

#include <typeinfo>

#include <lua.hpp>

#include "arguments.h"
#include "handles.h"

namespace fluac_lua {

// The readable name of a C++ class, for messages.
const char* readable_name(const std::type_info& type);

// The object of a method call: a widget of class T (or derived from it).
template <class T>
T* check_self(lua_State* L) {
    T* self = dynamic_cast<T*>(check_widget(L, 1));
    if (!self) luaL_typeerror(L, 1, readable_name(typeid(T)));
    return self;
}

// obj:NAME() returns the integer that get(obj) gives; obj:NAME(n) calls
// set(obj, n) with n an integer within [low, high].
template <class T, class Get, class Set>
int int_property(lua_State* L, long long low, long long high, Get get, Set set) {
    T* self = check_self<T>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        lua_pushinteger(L, static_cast<lua_Integer>(get(self)));
        return 1;
    }
    set(self, check_range(L, 2, low, high));
    return 0;
}

// The same for a finite number.
template <class T, class Get, class Set>
int number_property(lua_State* L, Get get, Set set) {
    T* self = check_self<T>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        lua_pushnumber(L, static_cast<lua_Number>(get(self)));
        return 1;
    }
    set(self, check_finite(L, 2));
    return 0;
}

// textsize, textfont and textcolor, which many classes declare alike.
template <class T>
int textsize(lua_State* L) {
    return int_property<T>(
        L, 0, kLargestSize, [](T* t) { return t->textsize(); },
        [](T* t, long long n) { t->textsize(static_cast<Fl_Fontsize>(n)); });
}

template <class T>
int textfont(lua_State* L) {
    return int_property<T>(
        L, 0, kLastFont, [](T* t) { return t->textfont(); },
        [](T* t, long long n) { t->textfont(static_cast<Fl_Font>(n)); });
}

template <class T>
int textcolor(lua_State* L) {
    return int_property<T>(
        L, 0, kLastColor, [](T* t) { return t->textcolor(); },
        [](T* t, long long n) { t->textcolor(static_cast<Fl_Color>(n)); });
}

#define FLUAC_TEXT_STYLE(T) {"textsize", textsize<T>}, {"textfont", textfont<T>}, {"textcolor", textcolor<T>}

// down_box, which buttons and menus declare alike.
template <class T>
int down_box(lua_State* L) {
    return int_property<T>(
        L, 0, kLastBoxtype, [](T* t) { return t->down_box(); },
        [](T* t, long long n) { t->down_box(static_cast<Fl_Boxtype>(n)); });
}

// Sets a label as a copy (an empty one as none); windows also retitle
// themselves.
void set_label(Fl_Widget* w, const char* text);

}  // namespace fluac_lua
