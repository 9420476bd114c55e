// The format codes that start a browser line and each of its columns ("@F3"
// for a font, "@S18" for a size, ...). FLTK reads the numbers they carry
// without a check, and a font past its table or a huge size crashes or
// stalls it as it draws the line; the binding refuses such lines.
#pragma once

#include <lua.hpp>

class Fl_Browser;

namespace fluac_lua {

// Why FLTK cannot draw the text with these format and column characters,
// or null when it can.
const char* unsafe_format(const char* text, char format_char, char column_char);
// Raises an argument error at idx when the browser could not draw `text`.
void check_line_format(lua_State* L, int idx, Fl_Browser* b, const char* text);
// The first line of the browser (from 1) that could not be drawn with these
// characters, and why; 0 for none.
int first_unsafe_line(Fl_Browser* b, char format_char, char column_char, const char** why);

}  // namespace fluac_lua
