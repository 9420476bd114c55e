// fl_draw.H's functions as plain functions of the fltk table, for a widget's
// draw function and for image surfaces: fltk.fl_color(...), fltk.fl_rectf(...).
//
// FLTK draws with the graphics context of the current window or surface and
// has none before anything was drawn, so the functions that paint refuse to
// run where there is nothing to paint on. Matrix arithmetic, text measures
// and the text conversions work anywhere.
#include <FL/Fl.H>
#include <FL/Fl_Device.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "api_support.h"
#include "arguments.h"
#include "callbacks.h"
#include "handles.h"

namespace fluac_lua {

namespace {

int check_size(lua_State* L, int idx) { return static_cast<int>(check_range(L, idx, 0, 16384)); }

// Text measures need the display and a font.
void need_font() {
    fl_open_display();
    if (!fl_graphics_driver->font_descriptor()) fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
}

// fl_color(c), fl_color(r, g, b), or fl_color() for the current colour.
int fltk_fl_color(lua_State* L) {
    check_nargs(L, 3);
    if (lua_gettop(L) == 0) {
        lua_pushinteger(L, fl_color());
        return 1;
    }
    check_drawing(L);
    if (lua_gettop(L) == 1) {
        fl_color(static_cast<Fl_Color>(check_color(L, 1)));
    } else {
        fl_color(static_cast<uchar>(check_range(L, 1, 0, 255)),
                 static_cast<uchar>(check_range(L, 2, 0, 255)),
                 static_cast<uchar>(check_range(L, 3, 0, 255)));
    }
    return 0;
}

// fl_rect and fl_rectf: (x, y, w, h [, colour]), fl_rectf also (x, y, w, h, r, g, b).
int fltk_fl_rect(lua_State* L) {
    check_nargs(L, 5);
    const int x = check_int(L, 1), y = check_int(L, 2), w = check_int(L, 3), h = check_int(L, 4);
    check_drawing(L);
    if (lua_gettop(L) >= 5) fl_rect(x, y, w, h, static_cast<Fl_Color>(check_color(L, 5)));
    else fl_rect(x, y, w, h);
    return 0;
}

int fltk_fl_rectf(lua_State* L) {
    check_nargs(L, 7);
    const int x = check_int(L, 1), y = check_int(L, 2), w = check_int(L, 3), h = check_int(L, 4);
    const int n = lua_gettop(L);
    if (n == 6) return luaL_error(L, "fl_rectf takes a colour or r, g, b");
    check_drawing(L);
    if (n == 7)
        fl_rectf(x, y, w, h, static_cast<uchar>(check_range(L, 5, 0, 255)),
                 static_cast<uchar>(check_range(L, 6, 0, 255)),
                 static_cast<uchar>(check_range(L, 7, 0, 255)));
    else if (n == 5) fl_rectf(x, y, w, h, static_cast<Fl_Color>(check_color(L, 5)));
    else fl_rectf(x, y, w, h);
    return 0;
}

// Functions that take 2 to 8 integer coordinates, in the counts C++ has.
int ints(lua_State* L, int* v, int low, int high, bool even) {
    const int n = lua_gettop(L);
    if (n < low || n > high || (even && n % 2))
        luaL_error(L, "%d to %d coordinates expected, got %d", low, high, n);
    for (int i = 0; i < n; ++i) v[i] = check_int(L, i + 1);
    check_drawing(L);
    return n;
}

int fltk_fl_point(lua_State* L) {
    int v[2];
    ints(L, v, 2, 2, true);
    fl_point(v[0], v[1]);
    return 0;
}

int fltk_fl_line(lua_State* L) {
    int v[6];
    if (ints(L, v, 4, 6, true) == 4) fl_line(v[0], v[1], v[2], v[3]);
    else fl_line(v[0], v[1], v[2], v[3], v[4], v[5]);
    return 0;
}

int fltk_fl_loop(lua_State* L) {
    int v[8];
    if (ints(L, v, 6, 8, true) == 6) fl_loop(v[0], v[1], v[2], v[3], v[4], v[5]);
    else fl_loop(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    return 0;
}

int fltk_fl_polygon(lua_State* L) {
    int v[8];
    if (ints(L, v, 6, 8, true) == 6) fl_polygon(v[0], v[1], v[2], v[3], v[4], v[5]);
    else fl_polygon(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    return 0;
}

int fltk_fl_xyline(lua_State* L) {
    int v[5];
    switch (ints(L, v, 3, 5, false)) {
    case 3: fl_xyline(v[0], v[1], v[2]); break;
    case 4: fl_xyline(v[0], v[1], v[2], v[3]); break;
    default: fl_xyline(v[0], v[1], v[2], v[3], v[4]); break;
    }
    return 0;
}

int fltk_fl_yxline(lua_State* L) {
    int v[5];
    switch (ints(L, v, 3, 5, false)) {
    case 3: fl_yxline(v[0], v[1], v[2]); break;
    case 4: fl_yxline(v[0], v[1], v[2], v[3]); break;
    default: fl_yxline(v[0], v[1], v[2], v[3], v[4]); break;
    }
    return 0;
}

// fl_arc(x, y, w, h, a1, a2) on pixels, or fl_arc(x, y, r, start, end) on
// the current path.
int fltk_fl_arc(lua_State* L) {
    check_nargs(L, 6);
    if (lua_gettop(L) == 5) {
        const double x = check_coord(L, 1), y = check_coord(L, 2), r = check_coord(L, 3),
                     a1 = check_coord(L, 4), a2 = check_coord(L, 5);
        check_drawing(L);
        fl_arc(x, y, r, a1, a2);
        return 0;
    }
    const int x = check_int(L, 1), y = check_int(L, 2), w = check_int(L, 3), h = check_int(L, 4);
    const double a1 = check_coord(L, 5), a2 = check_coord(L, 6);
    check_drawing(L);
    fl_arc(x, y, w, h, a1, a2);
    return 0;
}

int fltk_fl_pie(lua_State* L) {
    check_nargs(L, 6);
    const int x = check_int(L, 1), y = check_int(L, 2), w = check_int(L, 3), h = check_int(L, 4);
    const double a1 = check_coord(L, 5), a2 = check_coord(L, 6);
    check_drawing(L);
    fl_pie(x, y, w, h, a1, a2);
    return 0;
}

// Functions on doubles: coordinates, scales and angles.
int coords(lua_State* L, double* v, int low, int high) {
    const int n = lua_gettop(L);
    if (n < low || n > high) luaL_error(L, "%d to %d numbers expected, got %d", low, high, n);
    for (int i = 0; i < n; ++i) v[i] = check_coord(L, i + 1);
    return n;
}

int fltk_fl_circle(lua_State* L) {
    double v[3];
    coords(L, v, 3, 3);
    check_drawing(L);
    fl_circle(v[0], v[1], v[2]);
    return 0;
}

int fltk_fl_curve(lua_State* L) {
    double v[8];
    coords(L, v, 8, 8);
    check_drawing(L);
    fl_curve(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    return 0;
}

int fltk_fl_vertex(lua_State* L) {
    double v[2];
    coords(L, v, 2, 2);
    fl_vertex(v[0], v[1]);
    return 0;
}

int fltk_fl_transformed_vertex(lua_State* L) {
    double v[2];
    coords(L, v, 2, 2);
    fl_transformed_vertex(v[0], v[1]);
    return 0;
}

int fltk_fl_scale(lua_State* L) {
    double v[2];
    if (coords(L, v, 1, 2) == 1) fl_scale(v[0]);
    else fl_scale(v[0], v[1]);
    return 0;
}

int fltk_fl_translate(lua_State* L) {
    double v[2];
    coords(L, v, 2, 2);
    fl_translate(v[0], v[1]);
    return 0;
}

int fltk_fl_rotate(lua_State* L) {
    double v[1];
    coords(L, v, 1, 1);
    fl_rotate(v[0]);
    return 0;
}

int fltk_fl_mult_matrix(lua_State* L) {
    double v[6];
    coords(L, v, 6, 6);
    fl_mult_matrix(v[0], v[1], v[2], v[3], v[4], v[5]);
    return 0;
}

#define TRANSFORM(NAME)                         \
    int fltk_##NAME(lua_State* L) {             \
        double v[2];                            \
        coords(L, v, 2, 2);                     \
        lua_pushnumber(L, NAME(v[0], v[1]));    \
        return 1;                               \
    }
TRANSFORM(fl_transform_x)
TRANSFORM(fl_transform_y)
TRANSFORM(fl_transform_dx)
TRANSFORM(fl_transform_dy)
#undef TRANSFORM

// Paths: FLTK keeps one path per graphics driver and does not check that an
// fl_end_* or fl_gap matches the fl_begin_* before it; a mismatch reads
// vertices it never stored. The binding keeps the kind of the open path and
// the driver it was begun on.
enum class Path { kNone, kPoints, kLine, kLoop, kPolygon, kComplex };
Path gPath = Path::kNone;
const Fl_Graphics_Driver* gPathDriver = nullptr;

void begin_path(Path kind, void (*begin)()) {
    begin();
    gPath = kind;
    gPathDriver = fl_graphics_driver;
}

void check_path(lua_State* L, Path kind, const char* begin) {
    if (gPath != kind || gPathDriver != fl_graphics_driver)
        luaL_error(L, "no path begun with %s on this surface", begin);
}

#define PATH(NAME, KIND)                                       \
    int fltk_fl_begin_##NAME(lua_State* L) {                   \
        check_nargs(L, 0);                                     \
        begin_path(Path::KIND, fl_begin_##NAME);               \
        return 0;                                              \
    }                                                          \
    int fltk_fl_end_##NAME(lua_State* L) {                     \
        check_nargs(L, 0);                                     \
        check_path(L, Path::KIND, "fl_begin_" #NAME);          \
        check_drawing(L);                                      \
        gPath = Path::kNone;                                   \
        fl_end_##NAME();                                       \
        return 0;                                              \
    }
PATH(points, kPoints)
PATH(line, kLine)
PATH(loop, kLoop)
PATH(polygon, kPolygon)
PATH(complex_polygon, kComplex)
#undef PATH

int fltk_fl_gap(lua_State* L) {
    check_nargs(L, 0);
    check_path(L, Path::kComplex, "fl_begin_complex_polygon");
    fl_gap();
    return 0;
}

// Functions without arguments: matrix ones work anywhere, the others draw.
#define PLAIN(NAME, DRAWS)                      \
    int fltk_##NAME(lua_State* L) {             \
        check_nargs(L, 0);                      \
        if (DRAWS) check_drawing(L);            \
        NAME();                                 \
        return 0;                               \
    }
PLAIN(fl_push_matrix, false)
PLAIN(fl_pop_matrix, false)
PLAIN(fl_push_no_clip, true)
PLAIN(fl_pop_clip, true)
PLAIN(fl_restore_clip, true)
PLAIN(fl_overlay_clear, true)
PLAIN(fl_reset_spot, false)
#undef PLAIN

int fltk_fl_push_clip(lua_State* L) {
    int v[4];
    ints(L, v, 4, 4, true);
    fl_push_clip(v[0], v[1], v[2], v[3]);
    return 0;
}

int fltk_fl_not_clipped(lua_State* L) {
    int v[4];
    ints(L, v, 4, 4, true);
    lua_pushinteger(L, fl_not_clipped(v[0], v[1], v[2], v[3]));
    return 1;
}

// fl_clip_box(x, y, w, h) -> changed, X, Y, W, H.
int fltk_fl_clip_box(lua_State* L) {
    int v[4];
    ints(L, v, 4, 4, true);
    int X = 0, Y = 0, W = 0, H = 0;
    lua_pushboolean(L, fl_clip_box(v[0], v[1], v[2], v[3], X, Y, W, H) != 0);
    lua_pushinteger(L, X);
    lua_pushinteger(L, Y);
    lua_pushinteger(L, W);
    lua_pushinteger(L, H);
    return 5;
}

int fltk_fl_overlay_rect(lua_State* L) {
    int v[4];
    ints(L, v, 4, 4, true);
    fl_overlay_rect(v[0], v[1], v[2], v[3]);
    return 0;
}

// fl_line_style(style [, width [, dashes]]): dashes a string of lengths.
int fltk_fl_line_style(lua_State* L) {
    check_nargs(L, 3);
    const int style = static_cast<int>(check_range(L, 1, 0, 0x3ff));
    const int width = lua_isnoneornil(L, 2) ? 0 : static_cast<int>(check_range(L, 2, 0, 1000));
    const char* dashes = opt_string_or_null(L, 3);
    check_drawing(L);
    fl_line_style(style, width, const_cast<char*>(dashes));
    return 0;
}

// Fonts and text measures.
int fltk_fl_font(lua_State* L) {
    check_nargs(L, 2);
    if (lua_gettop(L) == 0) {
        lua_pushinteger(L, fl_font());
        return 1;
    }
    const auto face = static_cast<Fl_Font>(check_font(L, 1));
    const int size = check_fontsize(L, 2);
    fl_open_display();
    fl_font(face, size);
    return 0;
}

int fltk_fl_size(lua_State* L) {
    check_nargs(L, 0);
    lua_pushinteger(L, fl_size());
    return 1;
}

// fl_height() for the current font, fl_height(font, size) for another.
int fltk_fl_height(lua_State* L) {
    check_nargs(L, 2);
    if (lua_gettop(L) >= 1) {
        const int font = check_font(L, 1), size = check_fontsize(L, 2);
        need_font();
        lua_pushinteger(L, fl_height(font, size));
        return 1;
    }
    need_font();
    lua_pushinteger(L, fl_height());
    return 1;
}

int fltk_fl_descent(lua_State* L) {
    check_nargs(L, 0);
    need_font();
    lua_pushinteger(L, fl_descent());
    return 1;
}

// fl_width(text [, n]) or fl_width(character code).
int fltk_fl_width(lua_State* L) {
    check_nargs(L, 2);
    if (lua_type(L, 1) == LUA_TNUMBER) {
        const auto c = static_cast<unsigned>(check_range(L, 1, 0, 0x10ffff));
        need_font();
        lua_pushnumber(L, fl_width(c));
        return 1;
    }
    size_t len = 0;
    const char* text = luaL_checklstring(L, 1, &len);
    const int n = lua_isnoneornil(L, 2) ? static_cast<int>(len)
                                        : static_cast<int>(check_range(L, 2, 0, len));
    need_font();
    lua_pushnumber(L, fl_width(text, n));
    return 1;
}

// fl_text_extents(text) -> dx, dy, w, h.
int fltk_fl_text_extents(lua_State* L) {
    check_nargs(L, 1);
    size_t len = 0;
    const char* text = luaL_checklstring(L, 1, &len);
    int dx = 0, dy = 0, w = 0, h = 0;
    need_font();
    fl_text_extents(text, static_cast<int>(len), dx, dy, w, h);
    lua_pushinteger(L, dx);
    lua_pushinteger(L, dy);
    lua_pushinteger(L, w);
    lua_pushinteger(L, h);
    return 4;
}

// fl_measure(text [, wrap_width [, draw_symbols]]) -> w, h.
int fltk_fl_measure(lua_State* L) {
    check_nargs(L, 3);
    const char* text = luaL_checkstring(L, 1);
    int w = lua_isnoneornil(L, 2) ? 0 : check_size(L, 2), h = 0;
    const int symbols = lua_isnoneornil(L, 3) ? 1 : check_flag(L, 3);
    need_font();
    fl_measure(text, w, h, symbols);
    lua_pushinteger(L, w);
    lua_pushinteger(L, h);
    return 2;
}

// fl_expand_text(text, max_width, wrap [, draw_symbols]) -> the part of the
// text that fits, as fl_draw shows it, the bytes used and its width.
int fltk_fl_expand_text(lua_State* L) {
    check_nargs(L, 4);
    size_t len = 0;
    const char* text = luaL_checklstring(L, 1, &len);
    const double maxw = check_coord(L, 2);
    const int wrap = check_flag(L, 3);
    const int symbols = lua_isnoneornil(L, 4) ? 0 : check_flag(L, 4);
    // A tab becomes up to 8 spaces, a control character two characters.
    std::vector<char> buf(len * 8 + 16);
    int n = 0;
    double width = 0;
    need_font();
    const char* end = fl_expand_text(text, buf.data(), static_cast<int>(buf.size()), maxw, n,
                                     width, wrap, symbols);
    lua_pushlstring(L, buf.data(), static_cast<size_t>(n));
    lua_pushinteger(L, static_cast<lua_Integer>(end - text));
    lua_pushnumber(L, width);
    return 3;
}

// fl_draw(text, x, y), (text, n, x, y), (angle, text, x, y),
// (angle, text, n, x, y), or (text, x, y, w, h, align [, image [, draw_symbols]]).
int fltk_fl_draw(lua_State* L) {
    check_nargs(L, 8);
    const int n = lua_gettop(L);
    size_t len = 0;
    if (lua_type(L, 1) == LUA_TNUMBER) {
        const int angle = check_int(L, 1);
        const char* text = luaL_checklstring(L, 2, &len);
        int count = static_cast<int>(len), at = 3;
        if (n == 5) count = static_cast<int>(check_range(L, at++, 0, len));
        else check_nargs(L, 4);
        const int x = check_int(L, at), y = check_int(L, at + 1);
        need_font();
        check_drawing(L);
        fl_draw(angle, text, count, x, y);
        return 0;
    }
    const char* text = luaL_checklstring(L, 1, &len);
    if (n <= 4) {
        int count = static_cast<int>(len), at = 2;
        if (n == 4) count = static_cast<int>(check_range(L, at++, 0, len));
        const int x = check_int(L, at), y = check_int(L, at + 1);
        need_font();
        check_drawing(L);
        fl_draw(text, count, x, y);
        return 0;
    }
    const int x = check_int(L, 2), y = check_int(L, 3), w = check_int(L, 4), h = check_int(L, 5);
    const auto align = static_cast<Fl_Align>(check_color(L, 6));
    Fl_Image* image = opt_image(L, 7);
    const int symbols = lua_isnoneornil(L, 8) ? 1 : check_flag(L, 8);
    need_font();
    check_drawing(L);
    fl_draw(text, x, y, w, h, align, image, symbols);
    return 0;
}

int fltk_fl_rtl_draw(lua_State* L) {
    check_nargs(L, 3);
    size_t len = 0;
    const char* text = luaL_checklstring(L, 1, &len);
    const int x = check_int(L, 2), y = check_int(L, 3);
    need_font();
    check_drawing(L);
    fl_rtl_draw(text, static_cast<int>(len), x, y);
    return 0;
}

Fl_Boxtype check_drawable_box(lua_State* L, int idx) {
    const auto t = static_cast<Fl_Boxtype>(check_range(L, idx, 0, 255));
    if (!Fl::get_boxtype(t)) luaL_argerror(L, idx, "box type not defined");
    return t;
}

int fltk_fl_draw_box(lua_State* L) {
    check_nargs(L, 6);
    const Fl_Boxtype t = check_drawable_box(L, 1);
    const int x = check_int(L, 2), y = check_int(L, 3), w = check_int(L, 4), h = check_int(L, 5);
    const auto c = static_cast<Fl_Color>(check_color(L, 6));
    check_drawing(L);
    fl_draw_box(t, x, y, w, h, c);
    return 0;
}

// fl_frame("AAWW", ...) draws one edge per letter, four at a time, with the
// grays 'A' to 'X'; FLTK reads past a string of another length.
int frame(lua_State* L, void (*draw)(const char*, int, int, int, int)) {
    check_nargs(L, 5);
    size_t len = 0;
    const char* s = luaL_checklstring(L, 1, &len);
    if (len % 4) return luaL_argerror(L, 1, "a multiple of four letters is needed");
    for (size_t i = 0; i < len; ++i)
        if (s[i] < 'A' || s[i] > 'X') return luaL_argerror(L, 1, "letters 'A' to 'X' are needed");
    const int x = check_int(L, 2), y = check_int(L, 3), w = check_int(L, 4), h = check_int(L, 5);
    check_drawing(L);
    draw(s, x, y, w, h);
    return 0;
}

int fltk_fl_frame(lua_State* L) { return frame(L, fl_frame); }
int fltk_fl_frame2(lua_State* L) { return frame(L, fl_frame2); }

int fltk_fl_draw_symbol(lua_State* L) {
    check_nargs(L, 6);
    const char* label = luaL_checkstring(L, 1);
    const int x = check_int(L, 2), y = check_int(L, 3), w = check_int(L, 4), h = check_int(L, 5);
    const auto c = static_cast<Fl_Color>(check_color(L, 6));
    check_drawing(L);
    lua_pushboolean(L, fl_draw_symbol(label, x, y, w, h, c) != 0);
    return 1;
}

// fl_draw_image(pixels, x, y, w, h [, d [, line]]): pixels a string of d bytes
// per pixel, lines `line` bytes apart (w * d when 0); it must hold them all.
int draw_image(lua_State* L, bool mono) {
    check_nargs(L, 7);
    size_t len = 0;
    const char* buf = luaL_checklstring(L, 1, &len);
    const int x = check_int(L, 2), y = check_int(L, 3);
    const int w = check_size(L, 4), h = check_size(L, 5);
    const int d = lua_isnoneornil(L, 6) ? (mono ? 1 : 3) : static_cast<int>(check_range(L, 6, 1, 4));
    int line = lua_isnoneornil(L, 7) ? 0 : static_cast<int>(check_range(L, 7, 0, 1 << 20));
    if (line == 0) line = w * d;
    if (w > 0 && h > 0 &&
        static_cast<long long>(line) * (h - 1) + static_cast<long long>(w) * d >
            static_cast<long long>(len))
        return luaL_argerror(L, 1, "too few bytes for the image");
    if (line < w * d) return luaL_argerror(L, 7, "lines overlap");
    check_drawing(L);
    const auto* pixels = reinterpret_cast<const uchar*>(buf);
    if (mono) fl_draw_image_mono(pixels, x, y, w, h, d, line);
    else fl_draw_image(pixels, x, y, w, h, d, line);
    return 0;
}

int fltk_fl_draw_image(lua_State* L) { return draw_image(L, false); }
int fltk_fl_draw_image_mono(lua_State* L) { return draw_image(L, true); }

// fl_read_image(x, y, w, h [, alpha]) -> the pixels, 3 bytes each (4 with
// alpha), or nil.
int fltk_fl_read_image(lua_State* L) {
    check_nargs(L, 5);
    const int x = check_int(L, 1), y = check_int(L, 2);
    const int w = static_cast<int>(check_range(L, 3, 1, 8192));
    const int h = static_cast<int>(check_range(L, 4, 1, 8192));
    const int alpha = lua_isnoneornil(L, 5) ? 0 : static_cast<int>(check_range(L, 5, 0, 255));
    check_drawing(L);
    uchar* p = fl_read_image(nullptr, x, y, w, h, alpha);
    if (!p) {
        lua_pushnil(L);
        return 1;
    }
    lua_pushlstring(L, reinterpret_cast<char*>(p), static_cast<size_t>(w) * h * (alpha ? 4 : 3));
    delete[] p;
    return 1;
}

// fl_scroll(x, y, w, h, dx, dy, fn): fn(x, y, w, h) draws what scrolled in.
struct ScrollArea {
    int x, y, w, h;
};

int run_scroll_area(lua_State* L) {
    const auto* a = static_cast<ScrollArea*>(lua_touserdata(L, 1));
    lua_getfield(L, LUA_REGISTRYINDEX, "fluac.scroll_area");
    lua_pushinteger(L, a->x);
    lua_pushinteger(L, a->y);
    lua_pushinteger(L, a->w);
    lua_pushinteger(L, a->h);
    lua_call(L, 4, 0);
    return 0;
}

void scroll_area_cb(void*, int x, int y, int w, int h) {
    ScrollArea a = {x, y, w, h};
    call_protected(run_scroll_area, &a, nullptr);
}

int fltk_fl_scroll(lua_State* L) {
    check_nargs(L, 7);
    int v[6];
    for (int i = 0; i < 6; ++i) v[i] = check_int(L, i + 1);
    luaL_checktype(L, 7, LUA_TFUNCTION);
    check_drawing(L);
    lua_pushvalue(L, 7);
    lua_setfield(L, LUA_REGISTRYINDEX, "fluac.scroll_area");
    fl_scroll(v[0], v[1], v[2], v[3], v[4], v[5], scroll_area_cb, nullptr);
    lua_pushnil(L);
    lua_setfield(L, LUA_REGISTRYINDEX, "fluac.scroll_area");
    raise_pending_error(L);
    return 0;
}

int fltk_fl_can_do_alpha_blending(lua_State* L) {
    check_nargs(L, 0);
    fl_open_display();
    lua_pushboolean(L, fl_can_do_alpha_blending() != 0);
    return 1;
}

// Text conversions into FLTK's static buffers, copied out at once. (The Mac
// Roman ones are left out: outside macOS, FLTK 1.3 writes them past its
// buffer.)
#define CONVERSION(NAME)                                                   \
    int fltk_##NAME(lua_State* L) {                                        \
        check_nargs(L, 1);                                                 \
        size_t len = 0;                                                    \
        const char* text = luaL_checklstring(L, 1, &len);                  \
        const char* out = NAME(text, static_cast<int>(len));               \
        lua_pushlstring(L, out, len);                                      \
        return 1;                                                          \
    }
CONVERSION(fl_latin1_to_local)
CONVERSION(fl_local_to_latin1)
#undef CONVERSION

int fltk_fl_shortcut_label(lua_State* L) {
    check_nargs(L, 1);
    lua_pushstring(L, fl_shortcut_label(static_cast<unsigned>(check_range(L, 1, 0, 0xffffffffLL))));
    return 1;
}

int fltk_fl_old_shortcut(lua_State* L) {
    check_nargs(L, 1);
    lua_pushinteger(L, fl_old_shortcut(luaL_checkstring(L, 1)));
    return 1;
}

// fl_cursor(cursor [, fg [, bg]]) for the first window: one of FL_CURSOR_*.
int fltk_fl_cursor(lua_State* L) {
    check_nargs(L, 3);
    static const int cursors[] = {
        FL_CURSOR_DEFAULT, FL_CURSOR_ARROW, FL_CURSOR_CROSS, FL_CURSOR_WAIT, FL_CURSOR_INSERT,
        FL_CURSOR_HAND, FL_CURSOR_HELP, FL_CURSOR_MOVE, FL_CURSOR_NS, FL_CURSOR_WE,
        FL_CURSOR_NWSE, FL_CURSOR_NESW, FL_CURSOR_N, FL_CURSOR_NE, FL_CURSOR_E, FL_CURSOR_SE,
        FL_CURSOR_S, FL_CURSOR_SW, FL_CURSOR_W, FL_CURSOR_NW, FL_CURSOR_NONE};
    const int c = check_int(L, 1);
    bool known = false;
    for (int k : cursors) known = known || k == c;
    if (!known) return luaL_argerror(L, 1, "one of the FL_CURSOR_* values");
    const auto fg = static_cast<Fl_Color>(lua_isnoneornil(L, 2) ? FL_BLACK : check_color(L, 2));
    const auto bg = static_cast<Fl_Color>(lua_isnoneornil(L, 3) ? FL_WHITE : check_color(L, 3));
    fl_cursor(static_cast<Fl_Cursor>(c), fg, bg);
    return 0;
}

// The input method's status and spot, for text widgets.
int fltk_fl_set_status(lua_State* L) {
    int v[4];
    check_nargs(L, 4);
    for (int i = 0; i < 4; ++i) v[i] = check_int(L, i + 1);
    fl_set_status(v[0], v[1], v[2], v[3]);
    return 0;
}

int fltk_fl_set_spot(lua_State* L) {
    check_nargs(L, 7);
    const int font = check_font(L, 1), size = check_fontsize(L, 2);
    int v[4];
    for (int i = 0; i < 4; ++i) v[i] = check_int(L, i + 3);
    Fl_Window* win = lua_isnoneornil(L, 7) ? nullptr : check_window(L, 7);
    fl_set_spot(font, size, v[0], v[1], v[2], v[3], win);
    return 0;
}

const luaL_Reg kDrawFunctions[] = {
    {"fl_color", fltk_fl_color},
    {"fl_rect", fltk_fl_rect},
    {"fl_rectf", fltk_fl_rectf},
    {"fl_point", fltk_fl_point},
    {"fl_line", fltk_fl_line},
    {"fl_loop", fltk_fl_loop},
    {"fl_polygon", fltk_fl_polygon},
    {"fl_xyline", fltk_fl_xyline},
    {"fl_yxline", fltk_fl_yxline},
    {"fl_arc", fltk_fl_arc},
    {"fl_pie", fltk_fl_pie},
    {"fl_circle", fltk_fl_circle},
    {"fl_curve", fltk_fl_curve},
    {"fl_vertex", fltk_fl_vertex},
    {"fl_transformed_vertex", fltk_fl_transformed_vertex},
    {"fl_begin_points", fltk_fl_begin_points},
    {"fl_begin_line", fltk_fl_begin_line},
    {"fl_begin_loop", fltk_fl_begin_loop},
    {"fl_begin_polygon", fltk_fl_begin_polygon},
    {"fl_begin_complex_polygon", fltk_fl_begin_complex_polygon},
    {"fl_gap", fltk_fl_gap},
    {"fl_end_points", fltk_fl_end_points},
    {"fl_end_line", fltk_fl_end_line},
    {"fl_end_loop", fltk_fl_end_loop},
    {"fl_end_polygon", fltk_fl_end_polygon},
    {"fl_end_complex_polygon", fltk_fl_end_complex_polygon},
    {"fl_push_matrix", fltk_fl_push_matrix},
    {"fl_pop_matrix", fltk_fl_pop_matrix},
    {"fl_scale", fltk_fl_scale},
    {"fl_translate", fltk_fl_translate},
    {"fl_rotate", fltk_fl_rotate},
    {"fl_mult_matrix", fltk_fl_mult_matrix},
    {"fl_transform_x", fltk_fl_transform_x},
    {"fl_transform_y", fltk_fl_transform_y},
    {"fl_transform_dx", fltk_fl_transform_dx},
    {"fl_transform_dy", fltk_fl_transform_dy},
    {"fl_push_clip", fltk_fl_push_clip},
    {"fl_push_no_clip", fltk_fl_push_no_clip},
    {"fl_pop_clip", fltk_fl_pop_clip},
    {"fl_not_clipped", fltk_fl_not_clipped},
    {"fl_clip_box", fltk_fl_clip_box},
    {"fl_restore_clip", fltk_fl_restore_clip},
    {"fl_line_style", fltk_fl_line_style},
    {"fl_font", fltk_fl_font},
    {"fl_size", fltk_fl_size},
    {"fl_height", fltk_fl_height},
    {"fl_descent", fltk_fl_descent},
    {"fl_width", fltk_fl_width},
    {"fl_text_extents", fltk_fl_text_extents},
    {"fl_measure", fltk_fl_measure},
    {"fl_expand_text", fltk_fl_expand_text},
    {"fl_draw", fltk_fl_draw},
    {"fl_rtl_draw", fltk_fl_rtl_draw},
    {"fl_draw_box", fltk_fl_draw_box},
    {"fl_frame", fltk_fl_frame},
    {"fl_frame2", fltk_fl_frame2},
    {"fl_draw_symbol", fltk_fl_draw_symbol},
    {"fl_draw_image", fltk_fl_draw_image},
    {"fl_draw_image_mono", fltk_fl_draw_image_mono},
    {"fl_read_image", fltk_fl_read_image},
    {"fl_overlay_rect", fltk_fl_overlay_rect},
    {"fl_overlay_clear", fltk_fl_overlay_clear},
    {"fl_scroll", fltk_fl_scroll},
    {"fl_can_do_alpha_blending", fltk_fl_can_do_alpha_blending},
    {"fl_latin1_to_local", fltk_fl_latin1_to_local},
    {"fl_local_to_latin1", fltk_fl_local_to_latin1},
    {"fl_shortcut_label", fltk_fl_shortcut_label},
    {"fl_old_shortcut", fltk_fl_old_shortcut},
    {"fl_cursor", fltk_fl_cursor},
    {"fl_set_status", fltk_fl_set_status},
    {"fl_set_spot", fltk_fl_set_spot},
    {"fl_reset_spot", fltk_fl_reset_spot},
    {nullptr, nullptr},
};

}  // namespace

bool drawing() {
    if (Fl_Surface_Device::surface() != Fl_Display_Device::display_device()) return true;
    return fl_gc && draws_into(Fl_Window::current());
}

void check_drawing(lua_State* L) {
    if (!drawing())
        luaL_error(L, "nothing to draw on: drawing works in a widget's draw or on an image surface");
}

void add_draw_functions(lua_State* L) { luaL_setfuncs(L, kDrawFunctions, 0); }

}  // namespace fluac_lua
