// Browsers: lists of lines, counted from 1 as FLTK counts them. Trees are in
// tree_widget.cpp.
#include <FL/Fl_Browser.H>
#include <FL/Fl_Browser_.H>
#include <FL/Fl_Check_Browser.H>
#include <FL/Fl_File_Browser.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Multi_Browser.H>
#include <FL/Fl_Select_Browser.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Tree.H>
#include <FL/filename.H>

#include <climits>
#include <cstdint>
#include <cstring>

#include "browser_format.h"
#include "browser_lines.h"
#include "callbacks.h"
#include "classes.h"
#include "display.h"
#include "member_functions.h"
#include "methods.h"
#include "tree_widget.h"

namespace fluac_lua {

namespace {

// FLTK's walk over the lines of any browser, which it keeps protected.
struct Lines : Fl_Browser_ {
    using Fl_Browser_::item_first;
    using Fl_Browser_::item_next;
};

// The item of line n (from 1) of any browser; null past its last line.
void* item_of(Fl_Browser_* b, long long n) {
    void* item = (b->*&Lines::item_first)();
    for (long long i = 1; item && i < n; ++i) item = (b->*&Lines::item_next)(item);
    return n >= 1 ? item : nullptr;
}

void* check_item(lua_State* L, int idx, Fl_Browser_* b) {
    void* item = item_of(b, check_range(L, idx, 1, INT_MAX));
    if (!item) luaL_argerror(L, idx, "no such line");
    return item;
}

// A line of an Fl_Browser: 1 to size(), or size() + 1 too when `end` is set.
int check_line(lua_State* L, int idx, Fl_Browser* b, bool end = false) {
    return static_cast<int>(check_range(L, idx, 1, b->size() + (end ? 1 : 0)));
}

// A yes/no argument that may be left out.
int opt_flag(lua_State* L, int idx, bool dflt) {
    return lua_isnoneornil(L, idx) ? dflt : check_flag(L, idx);
}

// Fl_Browser_: any browser, its lines by number.

// select(line [, val [, docallbacks]]): whether the selection changed.
int select(lua_State* L) {
    auto* b = check_self<Fl_Browser_>(L);
    check_nargs(L, 4);
    void* item = check_item(L, 2, b);
    lua_pushboolean(L, b->select(item, opt_flag(L, 3, 1), opt_flag(L, 4, 0)));
    raise_pending_error(L);
    return 1;
}

int select_only(lua_State* L) {
    auto* b = check_self<Fl_Browser_>(L);
    check_nargs(L, 3);
    void* item = check_item(L, 2, b);
    lua_pushboolean(L, b->select_only(item, opt_flag(L, 3, 0)));
    raise_pending_error(L);
    return 1;
}

int deselect(lua_State* L) {
    auto* b = check_self<Fl_Browser_>(L);
    check_nargs(L, 2);
    lua_pushboolean(L, b->deselect(opt_flag(L, 2, 0)));
    raise_pending_error(L);
    return 1;
}

// display(line): scrolls the line into view; an Fl_Browser's display(line,
// shown) shows or hides it.
int display(lua_State* L) {
    auto* b = check_self<Fl_Browser_>(L);
    check_nargs(L, 3);
    need_display(L);
    if (auto* fb = dynamic_cast<Fl_Browser*>(b); fb && !lua_isnoneornil(L, 3)) {
        fb->display(check_line(L, 2, fb), opt_flag(L, 3, 1));
        return 0;
    }
    b->display(check_item(L, 2, b));
    return 0;
}







// sort([flags]): by the lines' text; FL_SORT_DESCENDING (1) reverses.
int sort(lua_State* L) {
    auto* b = check_self<Fl_Browser_>(L);
    check_nargs(L, 2);
    const int flags = lua_isnoneornil(L, 2) ? 0 : static_cast<int>(check_range(L, 2, 0, 1));
    need_display(L);
    b->sort(flags);
    return 0;
}

// Fl_Browser: lines of text, each with a Lua value of its own.

int add(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 3);
    const char* text = luaL_checkstring(L, 2);
    check_line_format(L, 2, b, text);
    need_display(L);
    b->add(text, keep_line_data(L, b, 3));
    return 0;
}

int insert(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 4);
    const int line = check_line(L, 2, b, true);
    const char* text = luaL_checkstring(L, 3);
    check_line_format(L, 3, b, text);
    need_display(L);
    b->insert(line, text, keep_line_data(L, b, 4));
    return 0;
}

int remove(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    b->remove(check_line(L, 2, b));
    return 0;
}

int clear(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 1);
    b->clear();
    forget_line_data(L, b);
    return 0;
}

// move(to, from), swap(a, b): two lines by number.
template <void (Fl_Browser::*Call)(int, int)>
int two_lines(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 3);
    const int first = check_line(L, 2, b), second = check_line(L, 3, b);
    (b->*Call)(first, second);
    return 0;
}

// load(file): 1 on success, 0 when the file cannot be read. A file with a
// line FLTK could not draw leaves the browser empty, and is an error.
int load(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    const char* file = luaL_checkstring(L, 2);
    need_display(L);
    const int loaded = b->load(file);
    forget_line_data(L, b);
    const char* why = nullptr;
    if (const int line = first_unsafe_line(b, b->format_char(), b->column_char(), &why)) {
        b->clear();
        return luaL_error(L, "%s:%d: the line's format codes name %s", file, line, why);
    }
    lua_pushinteger(L, loaded);
    return 1;
}

int size(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 3);
    if (!is_setter(L)) return lua_pushinteger(L, b->size()), 1;
    const int w = check_coordinate(L, 2), h = check_coordinate(L, 3);
    b->size(w, h);
    return 0;
}

// text(line [, text]): a line's text.
int text(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 3);
    const int line = check_line(L, 2, b);
    if (lua_gettop(L) < 3) return lua_pushstring(L, b->text(line)), 1;
    const char* text = luaL_checkstring(L, 3);
    check_line_format(L, 3, b, text);
    need_display(L);
    b->text(line, text);
    return 0;
}

int replace(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 3);
    const int line = check_line(L, 2, b);
    const char* text = luaL_checkstring(L, 3);
    check_line_format(L, 3, b, text);
    need_display(L);
    b->replace(line, text);
    return 0;
}

// data(line [, value]): the Lua value of a line.
int data(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 3);
    const int line = check_line(L, 2, b);
    if (lua_gettop(L) < 3) {
        push_line_data(L, b, b->data(line));
        return 1;
    }
    b->data(line, keep_line_data(L, b, 3));
    return 0;
}

// value(): the selected line, 0 for none; value(line) selects it.
int value(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) return lua_pushinteger(L, b->value()), 1;
    b->value(static_cast<int>(check_range(L, 2, 0, b->size())));
    return 0;
}

int selected(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    lua_pushboolean(L, b->selected(check_line(L, 2, b)));
    return 1;
}

// Methods of one line that Fl_Widget also has without one: show(), hide()
// and visible() stay the widget's.
template <void (Fl_Browser::*Act)(int)>
int line_action(lua_State* L, const char* widget_method) {
    auto* b = check_self<Fl_Browser>(L);
    if (lua_gettop(L) < 2) return call_inherited(L, "Fl_Widget", widget_method);
    check_nargs(L, 2);
    const int line = check_line(L, 2, b);
    need_display(L);
    (b->*Act)(line);
    return 0;
}
int show(lua_State* L) { return line_action<&Fl_Browser::show>(L, "show"); }
int hide(lua_State* L) { return line_action<&Fl_Browser::hide>(L, "hide"); }

int visible(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    if (lua_gettop(L) < 2) return call_inherited(L, "Fl_Widget", "visible");
    check_nargs(L, 2);
    lua_pushboolean(L, b->visible(check_line(L, 2, b)));
    return 1;
}

int displayed(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    const int line = check_line(L, 2, b);
    need_display(L);
    lua_pushboolean(L, b->displayed(line));
    return 1;
}

// Calls on one line that lay the lines out: topline, middleline,
// bottomline, make_visible, remove_icon.
template <void (Fl_Browser::*Scroll)(int)>
int line_call(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    const int line = check_line(L, 2, b);
    need_display(L);
    (b->*Scroll)(line);
    return 0;
}

int topline(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    if (!is_setter(L)) {
        check_nargs(L, 1);
        return lua_pushinteger(L, b->topline()), 1;
    }
    return line_call<static_cast<void (Fl_Browser::*)(int)>(&Fl_Browser::topline)>(L);
}

// lineposition(line, pos): pos is Fl_Browser.TOP, BOTTOM or MIDDLE.
int lineposition(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 3);
    const int line = check_line(L, 2, b);
    const auto pos = static_cast<Fl_Browser::Fl_Line_Position>(check_range(L, 3, 0, 2));
    need_display(L);
    b->lineposition(line, pos);
    return 0;
}

// icon(line [, image]): the image a line shows before its text.
int icon(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 3);
    const int line = check_line(L, 2, b);
    if (lua_gettop(L) < 3) {
        push_image(L, dynamic_cast<Fl_Shared_Image*>(b->icon(line)));
        return 1;
    }
    Fl_Shared_Image* image = opt_image(L, 3);
    need_display(L);
    b->icon(line, image);
    return 0;
}

// format_char([c]), column_char([c]): one character; every line must stay
// one FLTK can draw.
template <bool Format>
int browser_char(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        const char c = Format ? b->format_char() : b->column_char();
        lua_pushlstring(L, &c, 1);
        return 1;
    }
    size_t len = 0;
    const char* s = luaL_checklstring(L, 2, &len);
    if (len != 1) return luaL_argerror(L, 2, "one character expected");
    const char format = Format ? s[0] : b->format_char(), column = Format ? b->column_char() : s[0];
    const char* why = nullptr;
    if (const int line = first_unsafe_line(b, format, column, &why))
        return luaL_error(L, "line %d's format codes would name %s", line, why);
    if (Format) b->format_char(s[0]);
    else b->column_char(s[0]);
    return 0;
}

// column_widths({w, ...}): FLTK keeps the array, so the widget's Lua data
// holds it as long as the widget lives.
int column_widths(lua_State* L) {
    auto* b = check_self<Fl_Browser>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) {
        lua_newtable(L);
        const int* widths = b->column_widths();
        for (int i = 0; widths && widths[i]; ++i) {
            lua_pushinteger(L, widths[i]);
            lua_rawseti(L, -2, i + 1);
        }
        return 1;
    }
    luaL_checktype(L, 2, LUA_TTABLE);
    const lua_Integer n = luaL_len(L, 2);
    if (n > 1000) return luaL_argerror(L, 2, "too many columns");
    auto* widths = static_cast<int*>(lua_newuserdatauv(L, sizeof(int) * (n + 1), 0));
    for (lua_Integer i = 0; i < n; ++i) {
        lua_geti(L, 2, i + 1);
        widths[i] = static_cast<int>(check_range(L, -1, 1, kLargestCoordinate));
        lua_pop(L, 1);
    }
    widths[n] = 0;
    push_widget_data(L, b, true);
    lua_pushvalue(L, -2);
    lua_setfield(L, -2, "column_widths");
    b->column_widths(widths);
    return 0;
}

// Fl_Check_Browser: lines with check boxes.

Fl_Check_Browser* check_browser(lua_State* L, int most) {
    auto* b = check_self<Fl_Check_Browser>(L);
    check_nargs(L, most);
    return b;
}

int check_line(lua_State* L, int idx, Fl_Check_Browser* b) {
    return static_cast<int>(check_range(L, idx, 1, b->nitems()));
}

int cb_add(lua_State* L) {
    auto* b = check_browser(L, 3);
    const char* text = luaL_checkstring(L, 2);
    const int on = opt_flag(L, 3, 0);
    need_display(L);
    lua_pushinteger(L, b->add(text, on));
    return 1;
}

int cb_remove(lua_State* L) {
    auto* b = check_browser(L, 2);
    lua_pushinteger(L, b->remove(check_line(L, 2, b)));
    return 1;
}

int cb_checked(lua_State* L) {
    auto* b = check_browser(L, 3);
    const int line = check_line(L, 2, b);
    if (lua_gettop(L) < 3) return lua_pushboolean(L, b->checked(line)), 1;
    b->checked(line, opt_flag(L, 3, 1));
    return 0;
}

int cb_set_checked(lua_State* L) {
    auto* b = check_browser(L, 2);
    b->set_checked(check_line(L, 2, b));
    return 0;
}

int cb_text(lua_State* L) {
    auto* b = check_browser(L, 2);
    lua_pushstring(L, b->text(check_line(L, 2, b)));
    return 1;
}



// Fl_File_Browser: the files of a directory.

int fb_load(lua_State* L) {
    auto* b = check_self<Fl_File_Browser>(L);
    check_nargs(L, 2);
    const char* dir = luaL_checkstring(L, 2);
    need_display(L);
    lua_pushinteger(L, b->load(dir));
    return 1;
}

int fb_filter(lua_State* L) {
    auto* b = check_self<Fl_File_Browser>(L);
    check_nargs(L, 2);
    if (!is_setter(L)) return lua_pushstring(L, b->filter()), 1;
    b->filter(luaL_optstring(L, 2, nullptr));
    return 0;
}



const luaL_Reg kBrowserBase[] = {
    FLUAC_TEXT_STYLE(Fl_Browser_),
    {"select", select},
    {"select_only", select_only},
    {"deselect", deselect},
    {"display", display},
    FLUAC_INT(Fl_Browser_, position, 0, INT_MAX),
    FLUAC_INT(Fl_Browser_, hposition, 0, INT_MAX),
    FLUAC_INT(Fl_Browser_, has_scrollbar, 0, Fl_Browser_::BOTH_ALWAYS),
    FLUAC_INT(Fl_Browser_, scrollbar_size, 0, 1000),  // 0: Fl's global size
    FLUAC_INT(Fl_Browser_, scrollbar_width, 1, 1000),
    FLUAC_CALL(Fl_Browser_, scrollbar_left),
    FLUAC_CALL(Fl_Browser_, scrollbar_right),
    {"sort", sort},
    {nullptr, nullptr},
};
const luaL_Reg kBrowser[] = {
    {"add", add},
    {"insert", insert},
    {"remove", remove},
    {"clear", clear},
    {"move", two_lines<&Fl_Browser::move>},
    {"swap", two_lines<static_cast<void (Fl_Browser::*)(int, int)>(&Fl_Browser::swap)>},
    {"load", load},
    {"size", size},
    {"text", text},
    {"replace", replace},
    {"data", data},
    {"value", value},
    {"selected", selected},
    {"show", show},
    {"hide", hide},
    {"visible", visible},
    {"displayed", displayed},
    {"topline", topline},
    {"middleline", line_call<&Fl_Browser::middleline>},
    {"bottomline", line_call<&Fl_Browser::bottomline>},
    {"make_visible", line_call<&Fl_Browser::make_visible>},
    {"lineposition", lineposition},
    {"icon", icon},
    {"remove_icon", line_call<&Fl_Browser::remove_icon>},
    {"format_char", browser_char<true>},
    {"column_char", browser_char<false>},
    {"column_widths", column_widths},
    {"textsize", textsize<Fl_Browser>},
    {nullptr, nullptr},
};
const luaL_Reg kCheckBrowser[] = {
    {"add", cb_add},
    {"remove", cb_remove},
    FLUAC_CALL(Fl_Check_Browser, clear),
    FLUAC_CALL(Fl_Check_Browser, check_all),
    FLUAC_CALL(Fl_Check_Browser, check_none),
    {"checked", cb_checked},
    {"set_checked", cb_set_checked},
    {"text", cb_text},
    FLUAC_GET(Fl_Check_Browser, nitems),
    FLUAC_GET(Fl_Check_Browser, nchecked),
    FLUAC_GET(Fl_Check_Browser, value),
    {nullptr, nullptr},
};
const luaL_Reg kFileBrowser[] = {
    {"load", fb_load},
    {"filter", fb_filter},
    FLUAC_INT(Fl_File_Browser, filetype, Fl_File_Browser::FILES, Fl_File_Browser::DIRECTORIES),
    FLUAC_INT(Fl_File_Browser, iconsize, 0, 255),
    {"textsize", textsize<Fl_File_Browser>},
    {nullptr, nullptr},
};

const WidgetClass kClasses[] = {
    bind<Fl_Browser_>("Fl_Browser_", "Fl_Group", kBrowserBase),
    bind<Fl_Browser>("Fl_Browser", "Fl_Browser_", kBrowser),
    bind<Fl_Hold_Browser>("Fl_Hold_Browser", "Fl_Browser", kNoMethods),
    bind<Fl_Select_Browser>("Fl_Select_Browser", "Fl_Browser", kNoMethods),
    bind<Fl_Multi_Browser>("Fl_Multi_Browser", "Fl_Browser", kNoMethods),
    bind<Fl_File_Browser>("Fl_File_Browser", "Fl_Browser", kFileBrowser),
    bind<Fl_Check_Browser>("Fl_Check_Browser", "Fl_Browser_", kCheckBrowser),
    bind<Fl_Tree>("Fl_Tree", "Fl_Group", kTreeMethods),
};

}  // namespace

std::span<const WidgetClass> browser_classes() { return kClasses; }

}  // namespace fluac_lua
