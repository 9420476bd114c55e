// The shapes most of FLTK's member functions share, each as one luaL_Reg
// entry, so that a class's method table lists a member function in one line:
//
//   FLUAC_CALL(T, NAME)          obj:NAME() calls it and returns nothing
//   FLUAC_GET(T, NAME)           obj:NAME() returns its integer
//   FLUAC_GET_FLAG(T, NAME)      obj:NAME() returns its yes/no as a boolean
//   FLUAC_GET_NUMBER(T, NAME)    obj:NAME() returns its number
//   FLUAC_GET_WIDGET(T, NAME)    obj:NAME() returns its widget, or nil
//   FLUAC_INT(T, NAME, LO, HI)   getter, and setter of an integer in [LO, HI]
//   FLUAC_FLAG(T, NAME)          getter (a boolean), and setter of a yes/no
//   FLUAC_NUMBER(T, NAME)        getter, and setter of a finite number
//   FLUAC_COLOR(T, NAME)         FLUAC_INT for a colour
//   FLUAC_SET_INT(T, NAME, LO, HI), FLUAC_SET_NUMBER(T, NAME): setters without getters
//
// A getter takes no argument; a setter, the object and one value.
#pragma once

#include <climits>

#include "api_support.h"
#include "methods.h"

namespace fluac_lua {

// The object of a call that takes at most `most_args` arguments (itself
// included).
template <class T>
T* check_call(lua_State* L, int most_args) {
    T* self = check_self<T>(L);
    check_nargs(L, most_args);
    return self;
}

// obj:NAME() or obj:NAME(flag), the result a boolean.
template <class T, class Get, class Set>
int flag_property(lua_State* L, Get get, Set set) {
    T* self = check_call<T>(L, 2);
    if (!is_setter(L)) {
        lua_pushboolean(L, get(self) != 0);
        return 1;
    }
    set(self, check_flag(L, 2));
    return 0;
}

// Two finite numbers: bounds(a, b), range(a, b), angles(a, b), ...
template <class T, void (T::*Set)(double, double)>
int set_pair(lua_State* L) {
    T* t = check_call<T>(L, 3);
    const double a = check_finite(L, 2), b = check_finite(L, 3);
    (t->*Set)(a, b);
    return 0;
}

// FLTK gives the focus to a widget in a window through the window manager.
void need_display_to_focus(lua_State* L, Fl_Widget* w);

// For FLTK functions that keep the text they are given: the string at `idx`
// (or nil) is kept in the widget's data under `key` as long as the widget
// lives, and returned (null for nil).
const char* keep_with_widget(lua_State* L, Fl_Widget* w, const char* key, int idx);

}  // namespace fluac_lua

#define FLUAC_CALL(T, NAME)                             \
    {#NAME, [](lua_State* L) {                          \
         ::fluac_lua::check_call<T>(L, 1)->NAME();      \
         return 0;                                      \
     }}

#define FLUAC_GET(T, NAME)                                                           \
    {#NAME, [](lua_State* L) {                                                       \
         lua_pushinteger(L, static_cast<lua_Integer>(::fluac_lua::check_call<T>(L, 1)->NAME())); \
         return 1;                                                                   \
     }}

#define FLUAC_GET_FLAG(T, NAME)                                            \
    {#NAME, [](lua_State* L) {                                             \
         lua_pushboolean(L, ::fluac_lua::check_call<T>(L, 1)->NAME() != 0); \
         return 1;                                                         \
     }}

#define FLUAC_GET_NUMBER(T, NAME)                                                         \
    {#NAME, [](lua_State* L) {                                                            \
         lua_pushnumber(L, static_cast<lua_Number>(::fluac_lua::check_call<T>(L, 1)->NAME())); \
         return 1;                                                                        \
     }}

#define FLUAC_GET_WIDGET(T, NAME)                                        \
    {#NAME, [](lua_State* L) {                                           \
         ::fluac_lua::push_widget(L, ::fluac_lua::check_call<T>(L, 1)->NAME()); \
         return 1;                                                       \
     }}

#define FLUAC_INT(T, NAME, LO, HI)                                                      \
    {#NAME, [](lua_State* L) {                                                          \
         return ::fluac_lua::int_property<T>(                                           \
             L, LO, HI, [](T* t) { return t->NAME(); },                                 \
             [](T* t, long long n) { t->NAME(static_cast<decltype(t->NAME())>(n)); }); \
     }}

#define FLUAC_COLOR(T, NAME) FLUAC_INT(T, NAME, 0, ::fluac_lua::kLastColor)

#define FLUAC_FLAG(T, NAME)                                                   \
    {#NAME, [](lua_State* L) {                                                \
         return ::fluac_lua::flag_property<T>(                                \
             L, [](T* t) { return t->NAME(); }, [](T* t, bool b) { t->NAME(b); }); \
     }}

#define FLUAC_NUMBER(T, NAME)                                                     \
    {#NAME, [](lua_State* L) {                                                    \
         return ::fluac_lua::number_property<T>(                                  \
             L, [](T* t) { return t->NAME(); }, [](T* t, double v) { t->NAME(v); }); \
     }}

// Setters that have no getter: obj:NAME(value).
#define FLUAC_SET_INT(T, NAME, LO, HI)                                               \
    {#NAME, [](lua_State* L) {                                                       \
         T* t = ::fluac_lua::check_call<T>(L, 2);                                    \
         t->NAME(static_cast<int>(::fluac_lua::check_range(L, 2, LO, HI)));          \
         return 0;                                                                   \
     }}

#define FLUAC_SET_NUMBER(T, NAME)                                \
    {#NAME, [](lua_State* L) {                                   \
         T* t = ::fluac_lua::check_call<T>(L, 2);                \
         t->NAME(::fluac_lua::check_finite(L, 2));               \
         return 0;                                               \
     }}
