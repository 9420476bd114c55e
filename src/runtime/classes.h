// The binding's widget classes: one Lua class per FLTK class, whose parent is
// the FLTK class's base, and whose methods are those the FLTK class declares.
//
// Each family of classes (buttons, valuators, ...) lists its classes in a
// file of its own, each class with its method table; adding a method is one
// function and one line in its class's table. all_classes() enumerates every
// class, so that the method fuzzer can call every method of every class.
#pragma once

#include <span>
#include <type_traits>

#include <lua.hpp>

#include "handles.h"
#include "lua_class.h"

class Fl_Widget;

namespace fluac_lua {

struct WidgetClass {
    LuaClass lua;  // name, parent, methods (and the widget metamethods)
    // Builds a widget of the class, known by `name` (its own, or that of a
    // class it stands for); null for a class FLTK only derives others from.
    Fl_Widget* (*make)(int x, int y, int w, int h, const char* name, const char* lua_class);
    // Whether the widget is of the class or of one derived from it.
    bool (*is)(const Fl_Widget* w);
};

template <class W>
Fl_Widget* make_widget(int x, int y, int w, int h, const char* name, const char* lua_class) {
    return new Bound<W>(x, y, w, h, name, lua_class);
}

template <class W>
bool is_of(const Fl_Widget* w) {
    return dynamic_cast<const W*>(w) != nullptr;
}

// The class W, named `name`, with the parent's name and the method table.
template <class W>
constexpr WidgetClass bind(const char* name, const char* parent, const luaL_Reg* methods) {
    if constexpr (std::is_abstract_v<W>)
        return {{name, parent, methods, kWidgetMetamethods}, nullptr, &is_of<W>};
    else
        return {{name, parent, methods, kWidgetMetamethods}, &make_widget<W>, &is_of<W>};
}

// An empty method table, for classes that add no method of their own.
extern const luaL_Reg kNoMethods[];

// The families, each class after its parent.
std::span<const WidgetClass> core_classes();
std::span<const WidgetClass> group_classes();
std::span<const WidgetClass> button_classes();
std::span<const WidgetClass> valuator_classes();
std::span<const WidgetClass> input_classes();
std::span<const WidgetClass> browser_classes();
std::span<const WidgetClass> menu_classes();
std::span<const WidgetClass> text_classes();
std::span<const WidgetClass> other_classes();

// Every class, each after its parent.
std::span<const WidgetClass* const> all_classes();
// The class itself, by its name; null for no such class.
const WidgetClass* find_class(const char* name);
// The deepest class the widget is of.
const WidgetClass& nearest_class(const Fl_Widget* w);
// The name of the metatable a handle of `w` gets.
const char* handle_class(const Fl_Widget* w);

// Defines every class's metatable.
void open_classes(lua_State* L);
// Adds fltk:CLASS(x, y, w, h [, label]) for each class that can be built, to
// the table on top of the stack.
void add_constructors(lua_State* L);

}  // namespace fluac_lua
