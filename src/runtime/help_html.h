// HTML that Fl_Help_View cannot lay out safely: FLTK 1.3 keeps a table's
// columns in an array of 200 and writes a cell's COLSPAN columns into it
// unchecked, so a row wider than that writes past it. The binding refuses
// such text, and such files as links lead to.
#pragma once

#include <string_view>

namespace fluac_lua {

// Why the help view could not show the HTML, or null when it can.
const char* unsafe_html(std::string_view html);
// The same for a file's text; null as well for a file that cannot be read
// (FLTK then shows that it cannot). A "#target" after the name is no part
// of it.
const char* unsafe_html_file(const char* path);

}  // namespace fluac_lua
