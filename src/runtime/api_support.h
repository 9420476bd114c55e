// Conventions shared by the functions of the FLTK API beyond widget methods
// (Fl's static functions, fl_ask, fl_draw, and the classes that are not
// widgets):
//   * Fl's functions are called with a colon, Fl:add_timeout(...), so the Fl
//     table is argument 1; the fl_* functions of the fltk table with a dot,
//     fltk.fl_alert(...).
//   * C++ reference parameters that a function fills become extra results.
//   * Yes/no results are booleans (Lua takes 0 for true); yes/no arguments
//     take a boolean or a number, 0 being no.
//   * Every argument is checked, their number too, before FLTK sees them.
#pragma once

#include <lua.hpp>

class Fl_Preferences;
class Fl_Window;
class Fl_Widget;

namespace fluac_lua {

// Called by open_binding: adds everything below to the binding's tables.
void open_application_api(lua_State* L);

// Parts, each adding to the table on top of the stack (Fl or fltk).
void add_fl_event_functions(lua_State* L);
void add_fl_timer_functions(lua_State* L);
void add_fl_display_functions(lua_State* L);
void add_dialog_functions(lua_State* L);
void add_draw_functions(lua_State* L);
void add_more_constants(lua_State* L);
// Parts that define classes and add their constructors to fltk (on top).
void open_text_buffer(lua_State* L);
void open_preferences(lua_State* L);
void open_file_choosers(lua_State* L);
void open_shared_image_methods(lua_State* L);
void open_image_surface(lua_State* L);

// Whether the fl_draw functions have something to paint on: a window being
// drawn (or made current) or an image surface. check_drawing raises an error
// when not.
bool drawing();
void check_drawing(lua_State* L);
// Whether w is shown and FLTK's drawable is its window (or back buffer):
// FLTK keeps the window it drew last current, also once that is gone.
bool draws_into(const Fl_Window* w);

// Lives while a dialog runs FLTK's loop: should a Lua callback fail in the
// meantime, the modal dialog is closed, so that the call that opened it
// returns and raises the error.
class DialogScope {
public:
    DialogScope();
    ~DialogScope();
    DialogScope(const DialogScope&) = delete;
    DialogScope& operator=(const DialogScope&) = delete;
};

// A yes/no argument: a boolean, or a number where 0 is no.
bool check_flag(lua_State* L, int idx);
// A colour: an index into FLTK's colour map (0..255) or an RGB value.
unsigned check_color(lua_State* L, int idx);
// An index into FLTK's colour map, which FLTK does not bounds-check.
unsigned check_color_index(lua_State* L, int idx);
// A font index within FLTK's font table as it now stands.
int check_font(lua_State* L, int idx);
int check_fontsize(lua_State* L, int idx);
// Fonts in FLTK's table: 16 built in, more after Fl:set_fonts/set_font.
int font_count();
void note_font_count(int n);
// A coordinate, scale or angle for FLTK's floating-point drawing: finite and
// within a million, so that FLTK's conversions to pixels stay in range.
double check_coord(lua_State* L, int idx);
Fl_Window* check_window(lua_State* L, int idx);
// A copy of s that lives to the end of the run, for FLTK functions that keep
// the pointer they are given (font names, command-line words, titles).
const char* keep_string(const char* s);
// A string argument that may be nil, given to FLTK as null.
const char* opt_string_or_null(lua_State* L, int idx);
void push_string_or_nil(lua_State* L, const char* s);
// Runs f on the C++ preferences of the Fl_Preferences object at idx; f must
// raise no Lua error.
void with_preferences(lua_State* L, int idx, void (*f)(Fl_Preferences& prefs, void* data), void* data);

}  // namespace fluac_lua
