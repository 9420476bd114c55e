#include "browser_format.h"

#include <FL/Fl_Browser.H>

#include <cstdlib>
#include <cstring>

#include "api_support.h"
#include "arguments.h"

namespace fluac_lua {

namespace {

// The codes at the start of one column, read as FLTK reads them; s points
// after the column's codes on return.
const char* unsafe_codes(const char*& s, char format_char) {
    long font = 0;
    while (*s == format_char && *++s && *s != format_char) {
        char* end = nullptr;
        switch (*s++) {
        case 'F':
            font = std::strtol(s, &end, 10);
            s = end;
            if (font < 0 || font >= font_count()) return "a font past FLTK's table";
            break;
        case 'S': {
            const long size = std::strtol(s, &end, 10);
            s = end;
            if (size < 0 || size > kLargestSize) return "a size outside 0 to 1000";
            break;
        }
        case 'B':
        case 'C':
            std::strtoul(s, &end, 10);
            s = end;
            break;
        case 'b':
        case 'i':
            // Bold and italic are the next fonts of FLTK's table.
            if ((font | 3) >= font_count()) return "a font past FLTK's table";
            break;
        case '.':
        case '@':
            return nullptr;
        default:
            break;
        }
    }
    return nullptr;
}

}  // namespace

const char* unsafe_format(const char* text, char format_char, char column_char) {
    for (const char* s = text; s;) {
        if (const char* why = unsafe_codes(s, format_char)) return why;
        s = column_char ? std::strchr(s, column_char) : nullptr;
        if (s) ++s;
    }
    return nullptr;
}

void check_line_format(lua_State* L, int idx, Fl_Browser* b, const char* text) {
    if (const char* why = unsafe_format(text, b->format_char(), b->column_char()))
        luaL_argerror(L, idx, lua_pushfstring(L, "the line's format codes name %s", why));
}

int first_unsafe_line(Fl_Browser* b, char format_char, char column_char, const char** why) {
    for (int line = 1; line <= b->size(); ++line) {
        const char* text = b->text(line);
        if (text && (*why = unsafe_format(text, format_char, column_char))) return line;
    }
    return 0;
}

}  // namespace fluac_lua
