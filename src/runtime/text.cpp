// Text displays, editors and the help view.
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Text_Editor.H>

#include <algorithm>
#include <climits>
#include <cstring>

#include "classes.h"
#include "display.h"
#include "help_html.h"
#include "member_functions.h"
#include "methods.h"
#include "text_buffer.h"
#include "text_callbacks.h"
#include "tree.h"

namespace fluac_lua {

namespace {

// The display of a call, with at most `most` arguments, that reads its
// buffer (FLTK assumes there is one) and lays its text out (which measures
// it, and so needs the display's fonts).
Fl_Text_Display* with_buffer(lua_State* L, int most) {
    auto* t = check_self<Fl_Text_Display>(L);
    check_nargs(L, most);
    need_display(L);
    if (!t->buffer()) luaL_error(L, "the text display has no buffer");
    return t;
}

// Keeps the value at idx in the display's Lua data under `key`: FLTK keeps
// the pointer, and collecting the value would delete what it points to.
void keep(lua_State* L, Fl_Text_Display* t, const char* key, int idx) {
    idx = lua_absindex(L, idx);
    push_widget_data(L, t, true);
    lua_pushvalue(L, idx);
    lua_setfield(L, -2, key);
    lua_pop(L, 1);
}

// A position in the buffer: 0 to its length.
int check_pos(lua_State* L, int idx, Fl_Text_Display* t) {
    return static_cast<int>(check_range(L, idx, 0, t->buffer()->length()));
}

int opt_flag(lua_State* L, int idx, bool dflt) {
    return lua_isnoneornil(L, idx) ? dflt : check_flag(L, idx);
}

// buffer([buf]): the text shown. FLTK lays the text out at once, which
// needs the display; with --tree, which opens none and draws nothing, the
// display only keeps the buffer for the getter.
int buffer(lua_State* L) {
    auto* t = check_self<Fl_Text_Display>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        if (!tree_mode()) return push_text_buffer(L, t->buffer()), 1;
        push_widget_data(L, t, false);
        if (lua_istable(L, -1)) lua_getfield(L, -1, "buffer");
        return 1;
    }
    Fl_Text_Buffer* b = lua_isnil(L, 2) ? nullptr : check_text_buffer(L, 2);
    keep(L, t, "buffer", 2);
    if (tree_mode()) return 0;
    need_display(L);
    t->buffer(b);
    return 0;
}

// highlight_data(style_buffer, {{color, font, size}, ...}): the style
// buffer's character 'A' + i draws with entry i + 1 of the table. FLTK
// keeps both, and so does the display's Lua data.
int highlight_data(lua_State* L) {
    auto* t = check_self<Fl_Text_Display>(L);
    check_nargs(L, 3);
    // FLTK uses the style buffer at once, so none would crash it.
    Fl_Text_Buffer* styles = check_text_buffer(L, 2);
    luaL_checktype(L, 3, LUA_TTABLE);
    const lua_Integer n = luaL_len(L, 3);
    if (n < 1 || n > 'z' - 'A') return luaL_argerror(L, 3, "1 to 57 styles expected");
    using Entry = Fl_Text_Display::Style_Table_Entry;
    auto* table = static_cast<Entry*>(lua_newuserdatauv(L, sizeof(Entry) * n, 0));
    for (lua_Integer i = 0; i < n; ++i) {
        if (lua_geti(L, 3, i + 1) != LUA_TTABLE) return luaL_argerror(L, 3, "a table per style expected");
        Entry& e = table[i];
        lua_geti(L, -1, 1);
        e.color = static_cast<Fl_Color>(check_range(L, -1, 0, kLastColor));
        lua_geti(L, -2, 2);
        e.font = static_cast<Fl_Font>(check_range(L, -1, 0, kLastFont));
        lua_geti(L, -3, 3);
        e.size = static_cast<Fl_Fontsize>(check_range(L, -1, 1, kLargestSize));
        e.attr = 0;
        lua_pop(L, 4);
    }
    need_display(L);
    keep(L, t, "style_buffer", 2);
    keep(L, t, "style_table", -1);
    t->highlight_data(styles, table, static_cast<int>(n), 'A', nullptr, nullptr);
    return 0;
}

// insert_position([pos]): the cursor.
int insert_position(lua_State* L) {
    auto* t = check_self<Fl_Text_Display>(L);
    if (!is_setter(L)) {
        check_nargs(L, 1);
        return lua_pushinteger(L, t->insert_position()), 1;
    }
    t = with_buffer(L, 2);
    t->insert_position(check_pos(L, 2, t));
    return 0;
}

// insert(text), overstrike(text): at the cursor.
template <void (Fl_Text_Display::*Put)(const char*)>
int put_text(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 2);
    (t->*Put)(luaL_checkstring(L, 2));
    return 0;
}

// Cursor moves and the like: the boolean FLTK returns, or nothing.
template <int (Fl_Text_Display::*Move)()>
int move(lua_State* L) {
    lua_pushboolean(L, (with_buffer(L, 1)->*Move)() != 0);
    return 1;
}

template <void (Fl_Text_Display::*Act)()>
int act(lua_State* L) {
    (with_buffer(L, 1)->*Act)();
    return 0;
}

// Positions from a position: line_start(pos), word_start(pos), word_end(pos).
template <int (Fl_Text_Display::*Find)(int) const>
int position_of(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 2);
    lua_pushinteger(L, (t->*Find)(check_pos(L, 2, t)));
    return 1;
}

// line_end(pos [, pos_is_line_start]).
int line_end(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 3);
    const int pos = check_pos(L, 2, t);
    lua_pushinteger(L, t->line_end(pos, opt_flag(L, 3, false)));
    return 1;
}

// count_lines(start, end [, start_is_line_start]).
int count_lines(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 4);
    const int start = check_pos(L, 2, t), end = check_pos(L, 3, t);
    lua_pushinteger(L, t->count_lines(start, end, opt_flag(L, 4, false)));
    return 1;
}

// skip_lines(pos, n [, pos_is_line_start]), rewind_lines(pos, n).
int skip_lines(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 4);
    const int pos = check_pos(L, 2, t);
    const int n = static_cast<int>(check_range(L, 3, 0, INT_MAX));
    lua_pushinteger(L, t->skip_lines(pos, n, opt_flag(L, 4, false)));
    return 1;
}

int rewind_lines(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 3);
    const int pos = check_pos(L, 2, t);
    lua_pushinteger(L, t->rewind_lines(pos, static_cast<int>(check_range(L, 3, 0, INT_MAX))));
    return 1;
}

// position_to_xy(pos): x, y of the character on the window, or nil when it
// is not shown.
int position_to_xy(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 2);
    int x = 0, y = 0;
    if (!t->position_to_xy(check_pos(L, 2, t), &x, &y)) return lua_pushnil(L), 1;
    lua_pushinteger(L, x);
    lua_pushinteger(L, y);
    return 2;
}

int in_selection(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 3);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3);
    lua_pushboolean(L, t->in_selection(x, y) != 0);
    return 1;
}

// position_style(line_start, line_length, index): the style FLTK draws the
// character with (bits as Fl_Text_Display's style masks).
int position_style(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 4);
    const int start = check_pos(L, 2, t);
    const int length = static_cast<int>(check_range(L, 3, 0, t->buffer()->length() - start));
    const int index = static_cast<int>(check_range(L, 4, 0, length));
    lua_pushinteger(L, t->position_style(start, length, index));
    return 1;
}

int redisplay_range(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 3);
    const int start = check_pos(L, 2, t), end = check_pos(L, 3, t);
    t->redisplay_range(start, end);
    return 0;
}

// scroll(top_line, horizontal_offset): top_line counts from 1.
int scroll(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 3);
    const int line = static_cast<int>(check_range(L, 2, 1, INT_MAX));
    t->scroll(line, static_cast<int>(check_range(L, 3, 0, kLargestCoordinate)));
    return 0;
}

// wrapped_row(row), wrapped_column(row, column): rows on the screen.
int wrapped_row(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 2);
    lua_pushinteger(L, t->wrapped_row(static_cast<int>(check_range(L, 2, 0, INT_MAX))));
    return 1;
}

int wrapped_column(lua_State* L) {
    Fl_Text_Display* t = with_buffer(L, 3);
    const int row = static_cast<int>(check_range(L, 2, 0, INT_MAX));
    const int column = static_cast<int>(check_range(L, 3, 0, INT_MAX));
    lua_pushinteger(L, t->wrapped_column(row, column));
    return 1;
}

// wrap_mode(mode, margin): Fl_Text_Display.WRAP_NONE (0), WRAP_AT_COLUMN,
// WRAP_AT_PIXEL or WRAP_AT_BOUNDS.
int wrap_mode(lua_State* L) {
    auto* t = check_self<Fl_Text_Display>(L);
    check_nargs(L, 3);
    const int mode = static_cast<int>(check_range(L, 2, Fl_Text_Display::WRAP_NONE,
                                                  Fl_Text_Display::WRAP_AT_BOUNDS));
    const int margin = static_cast<int>(check_range(L, 3, 0, kLargestCoordinate));
    need_display(L);
    t->wrap_mode(mode, margin);
    return 0;
}

// x_to_col(x), col_to_x(column): by the width of the text font's characters.
template <double (Fl_Text_Display::*Convert)(double) const>
int convert(lua_State* L) {
    auto* t = check_self<Fl_Text_Display>(L);
    check_nargs(L, 2);
    const double v = check_finite(L, 2);
    if (v < -kLargestCoordinate || v > kLargestCoordinate) return luaL_argerror(L, 2, "out of range");
    need_display(L);
    lua_pushnumber(L, (t->*Convert)(v));
    return 1;
}

// show_cursor([shown]), hide_cursor().
int show_cursor(lua_State* L) {
    auto* t = check_self<Fl_Text_Display>(L);
    check_nargs(L, 2);
    t->show_cursor(opt_flag(L, 2, true));
    return 0;
}

int cursor_style(lua_State* L) {
    auto* t = check_self<Fl_Text_Display>(L);
    check_nargs(L, 2);
    t->cursor_style(static_cast<int>(check_range(L, 2, Fl_Text_Display::NORMAL_CURSOR,
                                                 Fl_Text_Display::SIMPLE_CURSOR)));
    return 0;
}

// linenumber_format([format]): a printf format with one %d, whose number
// FLTK prints into 16 bytes (where its build draws line numbers at all).
bool valid_linenumber_format(const char* format) {
    int conversions = 0, length = 0;
    for (const char* p = format; *p; ++p, ++length) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        // Flags, then a width: anything but an int would read what is not there.
        while (*++p && std::strchr("-+ #0", *p)) {}
        int width = 0;
        for (; *p >= '0' && *p <= '9'; ++p) width = std::min(width * 10 + (*p - '0'), 100);
        if (*p != 'd' || ++conversions > 1) return false;
        length += std::max(width, 11) - 1;  // -2147483648
    }
    return conversions == 1 && length < 16;
}

int linenumber_format(lua_State* L) {
    auto* t = check_self<Fl_Text_Display>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) return lua_pushstring(L, t->linenumber_format()), 1;
    const char* format = luaL_checkstring(L, 2);
    if (!valid_linenumber_format(format))
        return luaL_argerror(L, 2, "one %d expected, printing at most 15 characters");
    t->linenumber_format(format);
    return 0;
}

// shortcut, which FLUID sets on text displays too.
int shortcut(lua_State* L) {
    return int_property<Fl_Text_Display>(
        L, INT_MIN, INT_MAX, [](Fl_Text_Display* t) { return t->shortcut(); },
        [](Fl_Text_Display* t, long long n) { t->shortcut(static_cast<int>(n)); });
}

// Fl_Help_View.

// A help view made at no size, as fluac's scripts make widgets, and then
// resized lays its empty scroll bars out for that size; built at its size,
// as FLUID's C++ builds it, it has them as its constructor sets them.
int help_view_resize(lua_State* L) {
    Fl_Help_View* view = check_self<Fl_Help_View>(L);
    check_nargs(L, 5);
    const int x = check_coordinate(L, 2), y = check_coordinate(L, 3),
              width = check_coordinate(L, 4), height = check_coordinate(L, 5);
    const bool unsized = view->w() == 0 && view->h() == 0;
    view->resize(x, y, width, height);
    if (!unsized || view->value()) return 0;
    for (int i = 0; i < view->children(); ++i) {
        auto* bar = dynamic_cast<Fl_Scrollbar*>(view->child(i));
        if (!bar) continue;
        bar->slider_size(1);
        bar->bounds(0, 1);
        bar->Fl_Slider::value(0);
    }
    return 0;
}

Fl_Help_View* help_call(lua_State* L, int most) {
    auto* h = check_self<Fl_Help_View>(L);
    check_nargs(L, most);
    return h;
}

// value([html]): the text shown; laying it out measures it.
int help_value(lua_State* L) {
    Fl_Help_View* h = help_call(L, 2);
    if (!is_setter(L)) return lua_pushstring(L, h->value()), 1;
    const char* html = opt_string_or_null(L, 2);
    if (const char* why = html ? unsafe_html(html) : nullptr) return luaL_argerror(L, 2, why);
    need_display(L);
    guard_links(h);
    h->value(html);
    return 0;
}

// load(file): true when it was read.
int help_load(lua_State* L) {
    Fl_Help_View* h = help_call(L, 2);
    const char* file = luaL_checkstring(L, 2);
    if (const char* why = unsafe_html_file(file)) return luaL_error(L, "%s: %s", file, why);
    need_display(L);
    guard_links(h);
    lua_pushboolean(L, h->load(file) == 0);
    return 1;
}

// find(text [, from]): the position after the match, or nil.
int help_find(lua_State* L) {
    Fl_Help_View* h = help_call(L, 3);
    const char* text = luaL_checkstring(L, 2);
    const int from = lua_isnoneornil(L, 3) ? 0 : static_cast<int>(check_range(L, 3, 0, INT_MAX));
    need_display(L);
    const int found = h->find(text, from);
    if (found < 0) return lua_pushnil(L), 1;
    lua_pushinteger(L, found);
    return 1;
}

// topline([line or target name]).
int help_topline(lua_State* L) {
    Fl_Help_View* h = help_call(L, 2);
    if (!is_setter(L)) return lua_pushinteger(L, h->topline()), 1;
    if (lua_type(L, 2) == LUA_TSTRING) h->topline(lua_tostring(L, 2));
    else h->topline(static_cast<int>(check_range(L, 2, 0, INT_MAX)));
    return 0;
}

int help_size(lua_State* L) {
    Fl_Help_View* h = help_call(L, 3);
    if (!is_setter(L)) return lua_pushinteger(L, h->size()), 1;
    const int w = check_coordinate(L, 2), height = check_coordinate(L, 3);
    h->size(w, height);
    return 0;
}

// title(), filename(), directory(): of the page shown, nil for none.
template <class Get>
int help_text(lua_State* L, Get get) {
    push_string_or_nil(L, get(help_call(L, 1)));
    return 1;
}
int help_title(lua_State* L) {
    return help_text(L, [](Fl_Help_View* h) { return h->title(); });
}
int help_filename(lua_State* L) {
    return help_text(L, [](Fl_Help_View* h) { return h->filename(); });
}
int help_directory(lua_State* L) {
    return help_text(L, [](Fl_Help_View* h) { return h->directory(); });
}


const luaL_Reg kTextDisplay[] = {
    FLUAC_TEXT_STYLE(Fl_Text_Display),
    {"shortcut", shortcut},
    {"buffer", buffer},
    {"highlight_data", highlight_data},
    {"insert_position", insert_position},
    {"insert", put_text<&Fl_Text_Display::insert>},
    {"overstrike", put_text<&Fl_Text_Display::overstrike>},
    {"show_insert_position", act<&Fl_Text_Display::show_insert_position>},
    {"move_right", move<&Fl_Text_Display::move_right>},
    {"move_left", move<&Fl_Text_Display::move_left>},
    {"move_up", move<&Fl_Text_Display::move_up>},
    {"move_down", move<&Fl_Text_Display::move_down>},
    {"next_word", act<&Fl_Text_Display::next_word>},
    {"previous_word", act<&Fl_Text_Display::previous_word>},
    {"line_start", position_of<&Fl_Text_Display::line_start>},
    {"word_start", position_of<&Fl_Text_Display::word_start>},
    {"word_end", position_of<&Fl_Text_Display::word_end>},
    {"line_end", line_end},
    {"count_lines", count_lines},
    {"skip_lines", skip_lines},
    {"rewind_lines", rewind_lines},
    {"position_to_xy", position_to_xy},
    {"in_selection", in_selection},
    {"position_style", position_style},
    {"redisplay_range", redisplay_range},
    {"scroll", scroll},
    {"wrapped_row", wrapped_row},
    {"wrapped_column", wrapped_column},
    {"wrap_mode", wrap_mode},
    {"x_to_col", convert<&Fl_Text_Display::x_to_col>},
    {"col_to_x", convert<&Fl_Text_Display::col_to_x>},
    {"show_cursor", show_cursor},
    FLUAC_CALL(Fl_Text_Display, hide_cursor),
    {"cursor_style", cursor_style},
    FLUAC_COLOR(Fl_Text_Display, cursor_color),
    FLUAC_INT(Fl_Text_Display, scrollbar_width, 0, 1000),
    FLUAC_INT(Fl_Text_Display, scrollbar_align, 0, 0xffff),
    FLUAC_INT(Fl_Text_Display, linenumber_width, 0, 1000),
    FLUAC_INT(Fl_Text_Display, linenumber_font, 0, kLastFont),
    FLUAC_INT(Fl_Text_Display, linenumber_size, 1, kLargestSize),
    FLUAC_COLOR(Fl_Text_Display, linenumber_fgcolor),
    FLUAC_COLOR(Fl_Text_Display, linenumber_bgcolor),
    FLUAC_INT(Fl_Text_Display, linenumber_align, 0, 0xffff),
    {"linenumber_format", linenumber_format},
    {nullptr, nullptr},
};

const luaL_Reg kTextEditor[] = {
    FLUAC_FLAG(Fl_Text_Editor, insert_mode),
    {"add_key_binding", add_key_binding},
    {"remove_key_binding", remove_key_binding},
    {"remove_all_key_bindings", remove_all_key_bindings},
    {"add_default_key_bindings", add_default_key_bindings},
    {"bound_key_function", bound_key_function},
    {"default_key_function", default_key_function},
    {nullptr, nullptr},
};

const luaL_Reg kHelpView[] = {
    FLUAC_TEXT_STYLE(Fl_Help_View),
    {"resize", help_view_resize},
    {"value", help_value},
    {"load", help_load},
    {"find", help_find},
    {"topline", help_topline},
    {"size", help_size},
    {"title", help_title},
    {"filename", help_filename},
    {"directory", help_directory},
    {"link", help_link},
    FLUAC_INT(Fl_Help_View, leftline, 0, INT_MAX),
    FLUAC_INT(Fl_Help_View, scrollbar_size, 0, 1000),
    FLUAC_CALL(Fl_Help_View, clear_selection),
    FLUAC_CALL(Fl_Help_View, select_all),
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Text_Display>("Fl_Text_Display", "Fl_Group", kTextDisplay),
    bind<Fl_Text_Editor>("Fl_Text_Editor", "Fl_Text_Display", kTextEditor),
    bind<Fl_Help_View>("Fl_Help_View", "Fl_Group", kHelpView),
};

}  // namespace

std::span<const WidgetClass> text_classes() { return kClasses; }

}  // namespace fluac_lua
