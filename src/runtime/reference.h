// fluac-lua --reference: every class, method, function and constant of the
// binding, read off the tables it registers in a Lua state of its own, so
// that the reference cannot leave out what the binding has. One entry per
// class or global table:
//
//   widget Fl_Button: Fl_Widget      (a widget class, and its parent)
//   class Fl_Text_Buffer             (a class that is not a widget)
//   table Fl                         (a global table of functions)
//     methods: NAME ...
//     constructors: NAME ...         (fltk:NAME(...))
//     functions: NAME ...            (static functions)
//     constants: NAME ...
#pragma once

#include <cstdio>

namespace fluac_lua {

// Returns the exit status.
int print_reference(FILE* out);

}  // namespace fluac_lua
