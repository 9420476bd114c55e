// Fl's functions for the display and the look of the program: versions,
// screens, colours, fonts, box and label types, schemes, options and the
// command line.
#include <FL/Fl.H>

#include <deque>
#include <vector>

#include "api_support.h"
#include "arguments.h"
#include "handles.h"

namespace fluac_lua {

namespace {

#define INT_GETTER(NAME)                           \
    int fl_##NAME(lua_State* L) {                  \
        check_nargs(L, 1);                         \
        lua_pushinteger(L, Fl::NAME());            \
        return 1;                                  \
    }
#define FLAG_GETTER(NAME)                          \
    int fl_##NAME(lua_State* L) {                  \
        check_nargs(L, 1);                         \
        lua_pushboolean(L, Fl::NAME() != 0);       \
        return 1;                                  \
    }
#define ACTION(NAME)                               \
    int fl_##NAME(lua_State* L) {                  \
        check_nargs(L, 1);                         \
        Fl::NAME();                                \
        return 0;                                  \
    }
INT_GETTER(api_version)
INT_GETTER(abi_version)
INT_GETTER(x)
INT_GETTER(y)
INT_GETTER(w)
INT_GETTER(h)
INT_GETTER(screen_count)
INT_GETTER(reload_scheme)
FLAG_GETTER(ready)
FLAG_GETTER(draw_box_active)
ACTION(redraw)
ACTION(do_widget_deletion)
ACTION(enable_im)
ACTION(disable_im)
ACTION(get_system_colors)
ACTION(own_colormap)
#undef ACTION
#undef FLAG_GETTER
#undef INT_GETTER

int fl_version(lua_State* L) {
    check_nargs(L, 1);
    lua_pushnumber(L, Fl::version());
    return 1;
}

int fl_abi_check(lua_State* L) {
    check_nargs(L, 2);
    lua_pushboolean(L, lua_isnoneornil(L, 2) ? Fl::abi_check() : Fl::abi_check(check_int(L, 2)));
    return 1;
}

// Getter-setter pairs over FLTK's int settings.
#define INT_SETTING(NAME, LOW, HIGH)                                     \
    int fl_##NAME(lua_State* L) {                                        \
        check_nargs(L, 2);                                               \
        if (lua_gettop(L) >= 2) {                                        \
            Fl::NAME(static_cast<int>(check_range(L, 2, LOW, HIGH)));    \
            return 0;                                                    \
        }                                                                \
        lua_pushinteger(L, Fl::NAME());                                  \
        return 1;                                                        \
    }
#define FLAG_SETTING(NAME)                                               \
    int fl_##NAME(lua_State* L) {                                        \
        check_nargs(L, 2);                                               \
        if (lua_gettop(L) >= 2) {                                        \
            Fl::NAME(check_flag(L, 2) ? 1 : 0);                          \
            return 0;                                                    \
        }                                                                \
        lua_pushboolean(L, Fl::NAME() != 0);                             \
        return 1;                                                        \
    }
INT_SETTING(scrollbar_size, 1, 1000)
INT_SETTING(damage, 0, 255)
FLAG_SETTING(visible_focus)
FLAG_SETTING(dnd_text_ops)
FLAG_SETTING(use_high_res_GL)
#undef FLAG_SETTING
#undef INT_SETTING

// option(Fl.OPTION_...) and option(Fl.OPTION_..., on).
int fl_option(lua_State* L) {
    check_nargs(L, 3);
    const auto opt = static_cast<Fl::Fl_Option>(check_range(L, 2, 0, Fl::OPTION_LAST - 1));
    if (lua_gettop(L) >= 3) {
        Fl::option(opt, check_flag(L, 3));
        return 0;
    }
    lua_pushboolean(L, Fl::option(opt));
    return 1;
}

int fl_scheme(lua_State* L) {
    check_nargs(L, 2);
    if (lua_gettop(L) >= 2) {
        lua_pushinteger(L, Fl::scheme(opt_string_or_null(L, 2)));
        return 1;
    }
    push_string_or_nil(L, Fl::scheme());
    return 1;
}

int fl_is_scheme(lua_State* L) {
    check_nargs(L, 2);
    lua_pushboolean(L, Fl::is_scheme(luaL_checkstring(L, 2)) != 0);
    return 1;
}

int fl_visual(lua_State* L) {
    check_nargs(L, 2);
    lua_pushboolean(L, Fl::visual(check_int(L, 2)) != 0);
    return 1;
}

int fl_display(lua_State* L) {
    check_nargs(L, 2);
    Fl::display(luaL_checkstring(L, 2));
    return 0;
}

// Screens: reference results come back as values.
int check_screen(lua_State* L, int idx) {
    return static_cast<int>(check_range(L, idx, 0, Fl::screen_count() - 1));
}

int push_xywh(lua_State* L, int X, int Y, int W, int H) {
    lua_pushinteger(L, X);
    lua_pushinteger(L, Y);
    lua_pushinteger(L, W);
    lua_pushinteger(L, H);
    return 4;
}

// screen_xywh(), (n), (mx, my) or (mx, my, mw, mh).
int fl_screen_xywh(lua_State* L) {
    check_nargs(L, 5);
    int X = 0, Y = 0, W = 0, H = 0;
    switch (lua_gettop(L)) {
    case 1: Fl::screen_xywh(X, Y, W, H); break;
    case 2: Fl::screen_xywh(X, Y, W, H, check_screen(L, 2)); break;
    case 3: Fl::screen_xywh(X, Y, W, H, check_int(L, 2), check_int(L, 3)); break;
    case 5:
        Fl::screen_xywh(X, Y, W, H, check_int(L, 2), check_int(L, 3), check_int(L, 4),
                        check_int(L, 5));
        break;
    default: return luaL_error(L, "screen_xywh takes no position, a screen, a point or a box");
    }
    return push_xywh(L, X, Y, W, H);
}

// screen_work_area(), (n) or (mx, my).
int fl_screen_work_area(lua_State* L) {
    check_nargs(L, 3);
    int X = 0, Y = 0, W = 0, H = 0;
    switch (lua_gettop(L)) {
    case 1: Fl::screen_work_area(X, Y, W, H); break;
    case 2: Fl::screen_work_area(X, Y, W, H, check_screen(L, 2)); break;
    default: Fl::screen_work_area(X, Y, W, H, check_int(L, 2), check_int(L, 3)); break;
    }
    return push_xywh(L, X, Y, W, H);
}

// screen_num(x, y) or (x, y, w, h).
int fl_screen_num(lua_State* L) {
    check_nargs(L, 5);
    const int x = check_int(L, 2), y = check_int(L, 3);
    if (lua_gettop(L) <= 3) {
        lua_pushinteger(L, Fl::screen_num(x, y));
    } else {
        lua_pushinteger(L, Fl::screen_num(x, y, check_int(L, 4), check_int(L, 5)));
    }
    return 1;
}

int fl_screen_dpi(lua_State* L) {
    check_nargs(L, 2);
    float h = 0, v = 0;
    Fl::screen_dpi(h, v, lua_isnoneornil(L, 2) ? 0 : check_screen(L, 2));
    lua_pushnumber(L, h);
    lua_pushnumber(L, v);
    return 2;
}

// Colours.
uchar check_byte(lua_State* L, int idx) { return static_cast<uchar>(check_range(L, idx, 0, 255)); }

#define RGB_SETTER(NAME)                                                     \
    int fl_##NAME(lua_State* L) {                                            \
        check_nargs(L, 4);                                                   \
        Fl::NAME(check_byte(L, 2), check_byte(L, 3), check_byte(L, 4));      \
        return 0;                                                            \
    }
RGB_SETTER(background)
RGB_SETTER(background2)
RGB_SETTER(foreground)
#undef RGB_SETTER

// get_color(c) -> r, g, b.
int fl_get_color(lua_State* L) {
    check_nargs(L, 2);
    uchar r = 0, g = 0, b = 0;
    Fl::get_color(check_color(L, 2), r, g, b);
    lua_pushinteger(L, r);
    lua_pushinteger(L, g);
    lua_pushinteger(L, b);
    return 3;
}

// set_color(i, r, g, b) or set_color(i, 0xRRGGBB00).
int fl_set_color(lua_State* L) {
    check_nargs(L, 5);
    const Fl_Color i = check_color_index(L, 2);
    if (lua_gettop(L) <= 3) Fl::set_color(i, check_color(L, 3));
    else Fl::set_color(i, check_byte(L, 3), check_byte(L, 4), check_byte(L, 5));
    return 0;
}

int fl_free_color(lua_State* L) {
    check_nargs(L, 3);
    const Fl_Color i = check_color_index(L, 2);
    Fl::free_color(i, lua_isnoneornil(L, 3) ? 0 : check_flag(L, 3));
    return 0;
}

int fl_box_color(lua_State* L) {
    check_nargs(L, 2);
    lua_pushinteger(L, Fl::box_color(check_color(L, 2)));
    return 1;
}

int fl_set_box_color(lua_State* L) {
    check_nargs(L, 2);
    Fl::set_box_color(check_color(L, 2));
    return 0;
}

// Fonts.
int fl_get_font(lua_State* L) {
    check_nargs(L, 2);
    push_string_or_nil(L, Fl::get_font(check_font(L, 2)));
    return 1;
}

int fl_get_font_name(lua_State* L) {
    check_nargs(L, 2);
    int attributes = 0;
    push_string_or_nil(L, Fl::get_font_name(check_font(L, 2), &attributes));
    lua_pushinteger(L, attributes);
    return 2;
}

// get_font_sizes(font) -> a list of sizes; 0 stands for any size.
int fl_get_font_sizes(lua_State* L) {
    check_nargs(L, 2);
    int* sizes = nullptr;
    const int n = Fl::get_font_sizes(check_font(L, 2), sizes);
    lua_createtable(L, n > 0 ? n : 0, 0);
    for (int i = 0; i < n; ++i) {
        lua_pushinteger(L, sizes[i]);
        lua_rawseti(L, -2, i + 1);
    }
    return 1;
}

// set_font(font, name) or set_font(font, from); new fonts up to 255.
int fl_set_font(lua_State* L) {
    check_nargs(L, 3);
    const int font = static_cast<int>(check_range(L, 2, 0, 255));
    if (lua_type(L, 3) == LUA_TNUMBER) {
        Fl::set_font(font, static_cast<Fl_Font>(check_font(L, 3)));
    } else {
        Fl::set_font(font, keep_string(luaL_checkstring(L, 3)));
    }
    note_font_count(font + 1);
    return 0;
}

int fl_set_fonts(lua_State* L) {
    check_nargs(L, 2);
    const Fl_Font n = Fl::set_fonts(opt_string_or_null(L, 2));
    note_font_count(n);
    lua_pushinteger(L, n);
    return 1;
}

// Box and label types.
Fl_Boxtype check_boxtype(lua_State* L, int idx) {
    return static_cast<Fl_Boxtype>(check_range(L, idx, 0, 255));
}

#define BOX_MEASURE(NAME)                                  \
    int fl_##NAME(lua_State* L) {                          \
        check_nargs(L, 2);                                 \
        lua_pushinteger(L, Fl::NAME(check_boxtype(L, 2))); \
        return 1;                                          \
    }
BOX_MEASURE(box_dx)
BOX_MEASURE(box_dy)
BOX_MEASURE(box_dw)
BOX_MEASURE(box_dh)
#undef BOX_MEASURE

// set_boxtype(to, from): a type with no drawing function would be called
// through a null pointer when drawn.
int fl_set_boxtype(lua_State* L) {
    check_nargs(L, 3);
    const Fl_Boxtype to = check_boxtype(L, 2), from = check_boxtype(L, 3);
    if (!Fl::get_boxtype(from)) return luaL_argerror(L, 3, "box type not defined");
    Fl::set_boxtype(to, from);
    return 0;
}

// The command line: args(list) and arg(list, i) take a list like the global
// arg (program at 0, then the words) and parse FLTK's options.
std::vector<char*> kept_argv(lua_State* L, int idx) {
    luaL_checktype(L, idx, LUA_TTABLE);
    std::vector<char*> argv;
    for (lua_Integer i = 0;; ++i) {
        if (lua_rawgeti(L, idx, i) != LUA_TSTRING) {
            lua_pop(L, 1);
            break;
        }
        argv.push_back(const_cast<char*>(keep_string(lua_tostring(L, -1))));
        lua_pop(L, 1);
    }
    if (argv.empty()) luaL_argerror(L, idx, "the program name is needed at index 0");
    argv.push_back(nullptr);
    return argv;
}

// args(list) -> index of the first word that is not an FLTK option.
int fl_args(lua_State* L) {
    check_nargs(L, 2);
    static std::deque<std::vector<char*>> all;  // FLTK may keep argv
    all.push_back(kept_argv(L, 2));
    int i = 1;
    Fl::args(static_cast<int>(all.back().size() - 1), all.back().data(), i);
    lua_pushinteger(L, i);
    return 1;
}

// arg(list, i) -> words used (0 when not an option), next index.
int fl_arg(lua_State* L) {
    check_nargs(L, 3);
    static std::deque<std::vector<char*>> all;
    all.push_back(kept_argv(L, 2));
    const int argc = static_cast<int>(all.back().size() - 1);
    int i = static_cast<int>(check_range(L, 3, 1, argc > 1 ? argc - 1 : 1));
    if (i >= argc) return luaL_argerror(L, 3, "no word at that index");
    const int used = Fl::arg(argc, all.back().data(), i);
    lua_pushinteger(L, used);
    lua_pushinteger(L, i);
    return 2;
}

const luaL_Reg kDisplayFunctions[] = {
    {"version", fl_version},
    {"api_version", fl_api_version},
    {"abi_version", fl_abi_version},
    {"abi_check", fl_abi_check},
    {"x", fl_x},
    {"y", fl_y},
    {"w", fl_w},
    {"h", fl_h},
    {"screen_count", fl_screen_count},
    {"screen_xywh", fl_screen_xywh},
    {"screen_work_area", fl_screen_work_area},
    {"screen_num", fl_screen_num},
    {"screen_dpi", fl_screen_dpi},
    {"ready", fl_ready},
    {"redraw", fl_redraw},
    {"damage", fl_damage},
    {"do_widget_deletion", fl_do_widget_deletion},
    {"draw_box_active", fl_draw_box_active},
    {"enable_im", fl_enable_im},
    {"disable_im", fl_disable_im},
    {"scrollbar_size", fl_scrollbar_size},
    {"visible_focus", fl_visible_focus},
    {"dnd_text_ops", fl_dnd_text_ops},
    {"use_high_res_GL", fl_use_high_res_GL},
    {"option", fl_option},
    {"scheme", fl_scheme},
    {"is_scheme", fl_is_scheme},
    {"reload_scheme", fl_reload_scheme},
    {"visual", fl_visual},
    {"own_colormap", fl_own_colormap},
    {"display", fl_display},
    {"background", fl_background},
    {"background2", fl_background2},
    {"foreground", fl_foreground},
    {"get_system_colors", fl_get_system_colors},
    {"get_color", fl_get_color},
    {"set_color", fl_set_color},
    {"free_color", fl_free_color},
    {"box_color", fl_box_color},
    {"set_box_color", fl_set_box_color},
    {"get_font", fl_get_font},
    {"get_font_name", fl_get_font_name},
    {"get_font_sizes", fl_get_font_sizes},
    {"set_font", fl_set_font},
    {"set_fonts", fl_set_fonts},
    {"box_dx", fl_box_dx},
    {"box_dy", fl_box_dy},
    {"box_dw", fl_box_dw},
    {"box_dh", fl_box_dh},
    {"set_boxtype", fl_set_boxtype},
    {"args", fl_args},
    {"arg", fl_arg},
    {nullptr, nullptr},
};

}  // namespace

void add_fl_display_functions(lua_State* L) {
    luaL_setfuncs(L, kDisplayFunctions, 0);
#define OPTION(NAME)                    \
    lua_pushinteger(L, Fl::NAME);       \
    lua_setfield(L, -2, #NAME);
    OPTION(OPTION_ARROW_FOCUS)
    OPTION(OPTION_VISIBLE_FOCUS)
    OPTION(OPTION_DND_TEXT)
    OPTION(OPTION_SHOW_TOOLTIPS)
    OPTION(OPTION_FNFC_USES_GTK)
#undef OPTION
}

}  // namespace fluac_lua
